#include "results/CErgebnisView.h"

#include "shell/Befehle.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTextDocument>

namespace zeva {

CErgebnisView::CErgebnisView(CMainFrame& rahmen, QWidget* parent) : QTextBrowser(parent), m_rahmen(rahmen)
{
    // Narrow columns break between words only, on the screen and on paper
    // (printing uses this document and its text option).
    setWordWrapMode(QTextOption::WordWrap);
    // Links never navigate: they are commands of the view.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const QString ziel = url.toString();
        const qsizetype raute = ziel.lastIndexOf(QLatin1Char('#'));
        if (raute >= 0)
            BearbeiteLink(ziel.mid(raute + 1));
    });
    connect(this, qOverload<const QUrl&>(&QTextBrowser::highlighted), this, [this](const QUrl& url) {
        // The status bar names the whole target, as the page's address
        // resolves it.
        const QString text = url.isEmpty() ? QString() : Statustext(Seitenadresse().resolved(url).toString());
        if (text.isEmpty())
            m_rahmen.statusBar()->clearMessage();
        else
            m_rahmen.statusBar()->showMessage(text);
    });
}

QUrl CErgebnisView::Seitenadresse() const
{
    return QUrl(QStringLiteral("zeva:///") + QString::fromLatin1(metaObject()->className()).remove(QStringLiteral("zeva::")));
}

QString CErgebnisView::Vorlage()
{
    QFile datei(QStringLiteral(":/zeva/html/ergebnisvorlage.html"));
    if (!datei.open(QIODevice::ReadOnly))
        return QStringLiteral("<html><head></head><body></body></html>");
    return QString::fromUtf8(datei.readAll());
}

QString CErgebnisView::Dokument(const std::string& seite)
{
    QString text = Vorlage();
    const QString leer = QStringLiteral("<body></body>");
    const qsizetype stelle = text.indexOf(leer);
    const QString koerper = QStringLiteral("<body>") + QString::fromStdString(seite) + QStringLiteral("</body>");
    if (stelle < 0)
        return text + koerper;
    return text.replace(stelle, leer.size(), koerper);
}

void CErgebnisView::SchreibeSeite(const std::string& seite)
{
    m_strSeite = seite;
    setHtml(Dokument(seite));
}

bool CErgebnisView::Drucke(QPrinter& drucker) const
{
    if (!drucker.isValid())
        return false;
    document()->print(&drucker);
    return true;
}

bool CErgebnisView::BearbeiteBefehl(int id)
{
    if (id == ID_FILE_PRINT) {
        QPrinter drucker(QPrinter::HighResolution);
        QPrintDialog dialog(&drucker, this);
        if (dialog.exec() == QDialog::Accepted)
            Drucke(drucker);
        return true;
    }
    if (id == ID_FILE_PRINT_PREVIEW) {
        QPrinter drucker(QPrinter::HighResolution);
        QPrintPreviewDialog vorschau(&drucker, this);
        connect(&vorschau, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { Drucke(*p); });
        vorschau.exec();
        return true;
    }
    return false;
}

QString CErgebnisView::Statustext(const QString& ziel)
{
    if (ziel.indexOf(QStringLiteral("#close")) > 0)
        return QString::fromUtf8(StatusSchliessen);
    return ziel;
}

void CErgebnisView::BearbeiteLink(const QString&)
{
}

} // namespace zeva
