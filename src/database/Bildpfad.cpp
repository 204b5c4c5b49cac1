#include "database/Bildpfad.h"

#include <QDir>
#include <QFileInfo>

namespace zeva {

QStringList BildFilter()
{
    return {QStringLiteral("Enhanced Metafile (*.emf)"), QStringLiteral("Metafile (*.wmf)"),
            QStringLiteral("All Files (*.*)")};
}

std::optional<QString> RelativerBildpfad(const QString& datei, const QString& programmOrdner)
{
    if (datei.isEmpty() || programmOrdner.isEmpty())
        return std::nullopt;
    const QString pfad = QDir::cleanPath(QFileInfo(datei).absoluteFilePath());
    QString ordner = QDir::cleanPath(QFileInfo(programmOrdner).absoluteFilePath());
    if (!ordner.endsWith(QLatin1Char('/')))
        ordner += QLatin1Char('/');
    // A file system that tells "Daten" from "daten" must not accept a file of the other folder.
    if (!pfad.startsWith(ordner, Qt::CaseSensitive) || pfad.size() == ordner.size())
        return std::nullopt;
    return pfad.mid(ordner.size());
}

} // namespace zeva
