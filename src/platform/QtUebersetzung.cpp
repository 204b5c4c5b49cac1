#include "platform/QtUebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zeva {

bool LadeQtUebersetzung(QCoreApplication& app)
{
    auto* uebersetzer = new QTranslator(&app);
    if (!uebersetzer->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                           QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzer);
}

} // namespace zeva
