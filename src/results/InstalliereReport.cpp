#include "results/InstalliereReport.h"

#include "model/Notifier.h"
#include "results/CReportGenDlg.h"
#include "results/CReportView.h"
#include "results/CReportXml.h"
#include "results/CSanDetail.h"
#include "results/Reportordner.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVAApp.h"

namespace zeva {

CReportSchreiber::CReportSchreiber(CMainFrame& rahmen, const QString& ordner)
    : m_rahmen(rahmen), m_pXml(std::make_unique<CReportXml>(ordner.toStdString()))
{
}

CReportSchreiber::~CReportSchreiber() = default;

void CReportSchreiber::ErstelleReportXml(Haus& haus, const DOptionen& optionen)
{
    StillerNotifier still;
    CZEVAApp* app = CZEVAApp::Instanz();
    Notifier& notifier = app ? app->ModellNotifier() : static_cast<Notifier&>(still);
    m_pXml->ErstelleReportXml(haus, optionen, notifier);
}

void CReportSchreiber::SchreibeReportVars(Haus&, int variante, const QStringList* abschnitte)
{
    if (abschnitte) {
        m_Abschnitte.clear();
        for (const QString& a : *abschnitte)
            m_Abschnitte.push_back(a.toStdString());
    }
    m_pXml->SetzeVersionstext(m_rahmen.Version().toStdString());
    // A sheet that cannot be read or that fails raises; the frame names the
    // reason and the file and keeps the page in front.
    m_pXml->SchreibeReportVars(variante, &m_Abschnitte);
}

QByteArray CReportSchreiber::HoleReportStream() const
{
    CMemStream& stream = m_pXml->HoleReportStream();
    QByteArray seite;
    const std::uint32_t rest = stream.Size() - stream.Position();
    if (rest == 0)
        return seite;
    seite.resize(static_cast<qsizetype>(rest));
    std::uint32_t gelesen = 0;
    if (stream.Read(seite.data(), rest, &gelesen) != CMemStream::S_OK)
        return QByteArray();
    seite.resize(static_cast<qsizetype>(gelesen));
    return seite;
}

void InstalliereReport(CMainFrame& rahmen)
{
    InstalliereReportIn(rahmen, ReportArbeitsordner());
}

void InstalliereReportIn(CMainFrame& rahmen, const QString& ordner)
{
    CMainFrame* r = &rahmen;
    rahmen.SetzeReport(std::make_unique<CReportSchreiber>(rahmen, ordner),
                       [r, ordner](QWidget* eltern) -> QWidget* { return new CReportView(*r, eltern, ordner); });
    auto* pane = new CReportGenDlg(rahmen, rahmen.ReportGenerator() ? rahmen.ReportGenerator()->parentWidget() : nullptr,
                                   ordner);
    pane->Create();
    rahmen.SetzeReportGenerator(pane);
    rahmen.SetzeSanierungsdetailsErzeuger([r](QWidget* eltern) -> QWidget* { return new CSanDetail(*r, eltern); },
                                          [](QWidget* eltern) -> QWidget* { return new CSanDetailDia(eltern); });
}

} // namespace zeva
