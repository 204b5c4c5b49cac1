// Entry point of ZEVA. The application object with its main window is built on
// top of the model layers; until it exists this entry point only reports that
// there is no window to show yet.
#include <clocale>
#include <cstdio>

int main(int, char**)
{
    std::setlocale(LC_NUMERIC, "C");
    std::fputs("ZEVA: das Programmfenster ist noch nicht vorhanden "
               "(the application window is not built yet).\n", stderr);
    return 0;
}
