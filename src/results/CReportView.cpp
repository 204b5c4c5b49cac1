#include "results/CReportView.h"

#include <QFile>
#include <QTextDocument>
#include <QUrl>

namespace zeva {

CReportView::CReportView(CMainFrame& rahmen, QWidget* parent, const QString& ordner)
    : CErgebnisView(rahmen, parent), m_strOrdner(ordner)
{
    setObjectName(QStringLiteral("CReportView"));
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
}

} // namespace zeva
