#include "results/CReportView.h"

#include <QFile>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <utility>
#include <vector>

namespace zeva {

CReportView::CReportView(CMainFrame& rahmen, QWidget* parent, const QString& ordner)
    : CErgebnisView(rahmen, parent), m_strOrdner(ordner)
{
    setObjectName(QStringLiteral("CReportView"));
    // The page is fitted to the view's width (PasseBreiteAn).
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSearchPaths({ordner});
    QFile leer(ordner + QStringLiteral("/Blank.html"));
    // A missing Blank.html leaves the view empty, which it is meant to be.
    Zeige(leer.open(QIODevice::ReadOnly) ? QString::fromUtf8(leer.readAll()) : QString());
}

void CReportView::ZeigeStream(const QByteArray& seite)
{
    Zeige(QString::fromUtf8(seite));
}

void CReportView::Zeige(const QString& html)
{
    m_strHtml = html;
    document()->setBaseUrl(QUrl::fromLocalFile(m_strOrdner + QLatin1Char('/')));
    setHtml(html);
    m_dSchriftfaktor = 1;
    PasseBreiteAn();
}

namespace {

// Every piece of text of the document by the factor; the sizes the page's
// style sheet gives are in points.
void SkaliereSchrift(QTextDocument& dokument, double faktor)
{
    std::vector<std::pair<std::pair<int, int>, QTextCharFormat>> teile;
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment teil = it.fragment();
            if (teil.isValid())
                teile.push_back({{teil.position(), teil.position() + teil.length()}, teil.charFormat()});
        }
    const double standard = dokument.defaultFont().pointSizeF();
    QTextCursor cursor(&dokument);
    cursor.beginEditBlock();
    for (auto& [bereich, format] : teile) {
        const double groesse = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : standard;
        if (groesse <= 0)
            continue;
        QTextCharFormat neu;
        neu.setFontPointSize(std::max(1.0, groesse * faktor));
        cursor.setPosition(bereich.first);
        cursor.setPosition(bereich.second, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(neu);
    }
    cursor.endEditBlock();
}

} // namespace

std::unique_ptr<QTextDocument> CReportView::Druckvorlage() const
{
    std::unique_ptr<QTextDocument> vorlage = CErgebnisView::Druckvorlage();
    if (m_dSchriftfaktor < 1)
        SkaliereSchrift(*vorlage, 1 / m_dSchriftfaktor);
    return vorlage;
}

void CReportView::PasseBreiteAn()
{
    // The page's own right margin may take a pixel or two of rounding.
    const double breite = viewport()->width() + document()->documentMargin();
    // A few rounds: the padding of the cells does not shrink with the text.
    for (int runde = 0; runde < 12 && breite > 0; ++runde) {
        const double noetig = document()->size().width();
        if (noetig <= breite || m_dSchriftfaktor < 0.5)
            return;
        const double faktor = std::clamp(breite / noetig * 0.98, 0.8, 0.97);
        SkaliereSchrift(*document(), faktor);
        m_dSchriftfaktor *= faktor;
    }
}

void CReportView::resizeEvent(QResizeEvent* ereignis)
{
    CErgebnisView::resizeEvent(ereignis);
    if (ereignis->size().width() == ereignis->oldSize().width())
        return;
    // Wider again: the page as written may fit now; narrower: it may not.
    if (m_dSchriftfaktor < 1 || document()->size().width() > viewport()->width() + document()->documentMargin()) {
        const int stelle = verticalScrollBar()->value();
        Zeige(m_strHtml);
        verticalScrollBar()->setValue(stelle);
    }
}

} // namespace zeva
