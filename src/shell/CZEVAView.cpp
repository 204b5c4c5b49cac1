#include "shell/CZEVAView.h"

#include "shell/Befehle.h"
#include "shell/ShellRessourcen.h"
#include "shell/StartseitenLinks.h"

#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QShortcut>
#include <QUrl>

namespace zeva {

CZEVAView::CZEVAView(QWidget* parent) : QTextBrowser(parent)
{
    LadeShellRessourcen();
    setObjectName(QStringLiteral("CZEVAView"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QTextBrowser::anchorClicked, this, &CZEVAView::BearbeiteLink);
    connect(this, &QTextBrowser::highlighted, this, [this](const QUrl& url) {
        emit statusText(url.isEmpty() ? QString() : StatusTextFuerLink(url.toString(QUrl::FullyEncoded)));
    });
    connect(this, &QWidget::customContextMenuRequested, this, &CZEVAView::ZeigeKontextmenue);
    RichteZugriffstastenEin();
}

CZEVAView::~CZEVAView() = default;

QString CZEVAView::SeitenQuelle(Seite seite)
{
    LadeShellRessourcen();
    QString name;
    switch (seite) {
    case Startseite: name = QStringLiteral(":/zeva/html/startseite.html"); break;
    case Zwischenseite: name = QStringLiteral(":/zeva/html/zwischenseite.html"); break;
    case Leerseite: name = QStringLiteral(":/zeva/html/leerseite.html"); break;
    }
    QFile datei(name);
    if (!datei.open(QIODevice::ReadOnly))
        return QStringLiteral("<html><body></body></html>");
    return QString::fromUtf8(datei.readAll());
}

void CZEVAView::LadeSeite(Seite seite)
{
    m_seite = seite;
    QString html = SeitenQuelle(seite);
    m_recentPfade.clear();
    // The list is written only into a page shown as the start page.
    if (m_nSeitenmodus == 1) {
        if (m_recentQuelle)
            m_recentPfade = m_recentQuelle();
        html = FuelleRecentListe(html, m_recentPfade);
    }
    setHtml(html);
    for (const Zugriffstaste& t : m_tasten)
        t.taste->setEnabled(t.seite == m_seite && (!t.href.isEmpty() || t.index < m_recentPfade.size()));
}

void CZEVAView::BearbeiteLink(const QUrl& url)
{
    const QString link = url.toString(QUrl::FullyEncoded);
    if (!IstZevaLink(link)) {
        // Links of other protocols (the about block) go to the desktop's browser.
        if (url.isValid() && !url.scheme().isEmpty())
            QDesktopServices::openUrl(url);
        return;
    }
    const LinkZiel ziel = DeuteZevaLink(link);
    // Queued, as a posted command: the click handler returns first, and the
    // page may be replaced by what the command does.
    if (const auto* b = std::get_if<LinkBefehl>(&ziel)) {
        const int id = b->id;
        QMetaObject::invokeMethod(this, [this, id] { emit befehl(id); }, Qt::QueuedConnection);
    } else if (const auto* d = std::get_if<LinkDatei>(&ziel)) {
        const QString pfad = d->pfad;
        QMetaObject::invokeMethod(this, [this, pfad] { emit oeffneDatei(pfad); }, Qt::QueuedConnection);
    }
}

QMenu* CZEVAView::KontextmenueFuer(const QPoint& stelle)
{
    const QString anker = anchorAt(stelle);
    if (anker.isEmpty() || anker.startsWith(QLatin1String("zeva:")))
        return nullptr;
    return createStandardContextMenu(stelle);
}

void CZEVAView::ZeigeKontextmenue(const QPoint& stelle)
{
    if (QMenu* menue = KontextmenueFuer(stelle)) {
        menue->exec(viewport()->mapToGlobal(stelle));
        delete menue;
    }
}

void CZEVAView::AktiviereLink(const QString& href)
{
    BearbeiteLink(QUrl(href));
}

void CZEVAView::RichteZugriffstastenEin()
{
    auto neu = [this](QKeyCombination taste, Seite seite, const QString& href, int index) {
        auto* kurz = new QShortcut(QKeySequence(taste), this);
        kurz->setContext(Qt::WindowShortcut);
        kurz->setEnabled(false);
        m_tasten.push_back({kurz, seite, href, index});
        connect(kurz, &QShortcut::activated, this, [this, seite, href, index] {
            if (!isVisible() || m_seite != seite)
                return;
            if (!href.isEmpty())
                AktiviereLink(href);
            else if (index < m_recentPfade.size())
                AktiviereLink(QString::fromLatin1(ZevaSchema)
                              + QString::fromLatin1(QUrl::toPercentEncoding(m_recentPfade[index])));
        });
    };
    // Start page: the two buttons and the recent projects 0 … 9.
    neu(Qt::ALT | Qt::Key_Odiaeresis, Startseite, QStringLiteral("zeva:///#open"), -1);
    neu(Qt::ALT | Qt::Key_N, Startseite, QStringLiteral("zeva:///#new"), -1);
    for (int i = 0; i < 10; ++i)
        neu(Qt::ALT | Qt::Key(Qt::Key_0 + i), Startseite, QString(), i);
    // Between page.
    neu(Qt::ALT | Qt::Key_M, Zwischenseite, QStringLiteral("zeva:///#manu-san"), -1);
    neu(Qt::ALT | Qt::Key_A, Zwischenseite, QStringLiteral("zeva:///#auto-san"), -1);
    neu(Qt::ALT | Qt::Key_Z, Zwischenseite, QStringLiteral("zeva:///#eingabe"), -1);
    neu(Qt::ALT | Qt::Key_R, Zwischenseite, QStringLiteral("zeva:///#report"), -1);
    neu(Qt::ALT | Qt::Key_F, Zwischenseite, QStringLiteral("zeva:///#flaechen"), -1);
}

} // namespace zeva
