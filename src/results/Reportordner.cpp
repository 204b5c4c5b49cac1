#include "results/Reportordner.h"

#include "shell/CZEVAApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace zeva {

QStringList ReportDateien()
{
    return {QStringLiteral("Report.xsl"), QStringLiteral("ReportVorgaben.xml"), QStringLiteral("ancillary.xml"),
            QStringLiteral("Blank.html")};
}

bool IstBeschreibbar(const QString& ordner)
{
    if (ordner.isEmpty() || !QDir().mkpath(ordner))
        return false;
    // Permission bits do not tell for every user (root, read-only mounts):
    // only a file really made there does.
    QTemporaryFile probe(ordner + QStringLiteral("/.zeva-probe-XXXXXX"));
    return probe.open();
}

QString WaehleReportordner(const QString& programm, const QString& benutzer,
                           const std::function<bool(const QString&)>& beschreibbar)
{
    if (beschreibbar(programm))
        return programm;
    QDir().mkpath(benutzer);
    for (const QString& name : ReportDateien()) {
        const QFileInfo quelle(programm + QLatin1Char('/') + name);
        const QFileInfo ziel(benutzer + QLatin1Char('/') + name);
        if (!quelle.isFile())
            continue;
        if (ziel.exists() && ziel.lastModified() >= quelle.lastModified())
            continue;
        // Copied beside the old file and renamed over it, so that a failed
        // copy leaves the user's file as it was.
        const QString neu = ziel.filePath() + QStringLiteral(".neu");
        QFile::remove(neu);
        if (QFile::copy(quelle.filePath(), neu)) {
            QFile(neu).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
            QFile::remove(ziel.filePath());
            if (!QFile::rename(neu, ziel.filePath()))
                QFile::remove(neu);
        }
    }
    return benutzer;
}

const QString& ReportArbeitsordner()
{
    static const QString ordner = WaehleReportordner(
        ReportOrdner(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Report"));
    return ordner;
}

} // namespace zeva
