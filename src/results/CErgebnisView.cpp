#include "results/CErgebnisView.h"

#include "shell/Befehle.h"
#include "shell/Druckauswahl.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

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

namespace {

// Links are for the screen ("Schließen", a jump to another page): the paper
// leaves them out.
void EntferneLinks(QTextDocument& dokument)
{
    std::vector<std::pair<int, int>> links;
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment teil = it.fragment();
            if (teil.isValid() && teil.charFormat().isAnchor() && !teil.charFormat().anchorHref().isEmpty())
                links.emplace_back(teil.position(), teil.position() + teil.length());
        }
    QTextCursor cursor(&dokument);
    for (auto it = links.rbegin(); it != links.rend(); ++it) {
        cursor.setPosition(it->first);
        cursor.setPosition(it->second, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}

} // namespace

std::unique_ptr<QTextDocument> CErgebnisView::Druckvorlage() const
{
    return std::unique_ptr<QTextDocument>(document()->clone());
}

bool CErgebnisView::Drucke(QPrinter& drucker) const
{
    // The painter is begun here, not inside the text document's own print,
    // which gives up without a word when the printer cannot start.
    QPainter maler;
    if (!drucker.isValid() || !Druckauswahl::Beginne(maler, &drucker, const_cast<CErgebnisView*>(this)))
        return false;
    // A copy laid out for the printer's resolution, cut into pages of the
    // printable area with a margin of 2 cm (given in the screen's units: the
    // layout scales it to the printer), in black on the paper, as the text
    // document prints itself.
    std::unique_ptr<QTextDocument> kopie = Druckvorlage();
    EntferneLinks(*kopie);
    kopie->documentLayout()->setPaintDevice(&drucker);
    QTextFrameFormat rahmen = kopie->rootFrame()->frameFormat();
    rahmen.setLeftMargin(2 / 2.54 * logicalDpiX());
    rahmen.setRightMargin(2 / 2.54 * logicalDpiX());
    rahmen.setTopMargin(2 / 2.54 * logicalDpiY());
    rahmen.setBottomMargin(2 / 2.54 * logicalDpiY());
    kopie->rootFrame()->setFrameFormat(rahmen);
    const QSizeF seite(drucker.width(), drucker.height());
    kopie->setPageSize(seite);
    const int seiten = std::max(1, kopie->pageCount());
    for (int i = 0; i < seiten; ++i) {
        if (i > 0)
            drucker.newPage();
        maler.save();
        maler.translate(0, -i * seite.height());
        QAbstractTextDocumentLayout::PaintContext inhalt;
        inhalt.clip = QRectF(QPointF(0, i * seite.height()), seite);
        inhalt.palette.setColor(QPalette::Text, Qt::black);
        maler.setClipRect(inhalt.clip);
        kopie->documentLayout()->draw(&maler, inhalt);
        maler.restore();
    }
    return maler.end();
}

bool CErgebnisView::BearbeiteBefehl(int id)
{
    if (id == ID_FILE_PRINT) {
        QPrinter& drucker = Druckauswahl::Drucker();
        if (Druckauswahl::Frage(drucker, this))
            Drucke(drucker);
        return true;
    }
    if (id == ID_FILE_PRINT_PREVIEW) {
        QPrintPreviewDialog vorschau(&Druckauswahl::Drucker(), this);
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
