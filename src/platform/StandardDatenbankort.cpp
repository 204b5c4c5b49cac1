#include "platform/StandardDatenbankort.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace zeva {

Datenbankort StandardDatenbankort()
{
    Datenbankort ort;
    ort.programmOrdner = QCoreApplication::applicationDirPath().toStdString();
    ort.benutzerOrdner =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    return ort;
}

} // namespace zeva
