// Entry point of ZEVA: the Qt application, the C runtime's number format
// fixed to "C" (numbers in files never depend on it; people see German
// numbers through our own formatting), then the application object.
#include "renovation/ProgrammSanierung.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVAApp.h"

#include <QApplication>
#include <clocale>

int main(int argc, char** argv)
{
    QApplication anwendung(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    zeva::CZEVAApp zeva(QApplication::arguments());
    if (!zeva.InitInstance())
        return zeva.ExitCode();
    if (zeva::CMainFrame* rahmen = zeva.Hauptfenster())
        zeva::InstalliereProgrammSanierung(*rahmen);
    return QApplication::exec();
}
