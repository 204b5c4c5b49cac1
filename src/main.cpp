// Entry point of ZEVA: the Qt application, the C runtime's number format
// fixed to "C" (numbers in files never depend on it; people see German
// numbers through our own formatting), then the application object.
#include "app/Programmteile.h"
#include "shell/CZEVAApp.h"

#include <QApplication>
#include <clocale>

int main(int argc, char** argv)
{
    QApplication anwendung(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    zeva::CZEVAApp zeva(QApplication::arguments());
    zeva::RegistriereProgrammteile(zeva);
    if (!zeva.InitInstance())
        return zeva.ExitCode();
    return QApplication::exec();
}
