#pragma once
// The one folder all report files are read from and written to. The report
// writes Report.xml and ReportVars.xml beside its style sheet; an installed
// program's folder is read-only, so the report then works in the user's data
// folder, into which the shipped files are copied.
#include <QString>
#include <QStringList>
#include <functional>

namespace zeva {

// The files shipped in the program's report folder.
QStringList ReportDateien();

// True when a file can be made in the folder (made when missing).
bool IstBeschreibbar(const QString& ordner);

// programm when it can be written, else benutzer with the shipped files of
// programm copied into it when missing there or older than the program's.
QString WaehleReportordner(const QString& programm, const QString& benutzer,
                           const std::function<bool(const QString&)>& beschreibbar = IstBeschreibbar);

// The report folder of this run: ReportOrdner() or the user's data folder +
// "/Report"; worked out at the first call.
const QString& ReportArbeitsordner();

} // namespace zeva
