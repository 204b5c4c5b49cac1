#include "shell/ProjektBild.h"

#include <QDir>
#include <QFileInfo>

namespace zeva {

namespace {

QString OhneEndung(const QString& name)
{
    return name.left(std::max<qsizetype>(0, name.size() - 4));
}

QString ImOrdner(const QString& startordner, const QString& basis)
{
    return QDir(startordner).filePath(basis + QStringLiteral(".jpg"));
}

} // namespace

QString ProjektBildAusTitel(const QString& startordner, const QString& titel)
{
    return ImOrdner(startordner, OhneEndung(titel));
}

QString ProjektBildAusPfad(const QString& startordner, const QString& pfad)
{
    // Cut first, then take the part after the last folder separator.
    const QString ohne = OhneEndung(pfad);
    return ImOrdner(startordner, ohne.mid(ohne.lastIndexOf(QLatin1Char('/')) + 1));
}

} // namespace zeva
