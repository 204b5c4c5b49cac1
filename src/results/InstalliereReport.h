#pragma once
// Installs the report (writer, view, pane) and the renovation detail views
// in the frame.
#include "shell/Schrittfenster.h"

#include <QString>
#include <memory>
#include <vector>

namespace zeva {

class CMainFrame;
class CReportXml;

// The frame's report writer: the report document and page of CReportXml,
// with the frame's version text and the program's messages.
class CReportSchreiber : public Reportschreiber {
public:
    CReportSchreiber(CMainFrame& rahmen, const QString& ordner);
    ~CReportSchreiber() override;

    void ErstelleReportXml(Haus& haus, const DOptionen& optionen) override;
    // A request for a state (n >= 0) without a list keeps the sections sent
    // last; a style sheet that could not be loaded is reported once per such
    // request.
    void SchreibeReportVars(Haus& haus, int variante, const QStringList* abschnitte) override;
    // The page from the stream's position to its end (which it then is at).
    QByteArray HoleReportStream() const override;

    CReportXml& Xml() { return *m_pXml; }

private:
    CMainFrame& m_rahmen;
    std::unique_ptr<CReportXml> m_pXml;
    std::vector<std::string> m_Abschnitte;
};

void InstalliereReport(CMainFrame& rahmen);
// The same with another report folder (tests).
void InstalliereReportIn(CMainFrame& rahmen, const QString& ordner);

} // namespace zeva
