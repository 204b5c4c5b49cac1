#pragma once
// Qt's own German texts (standard buttons, file and print dialogs, context
// menus of edit fields), loaded once after the application object exists.
class QCoreApplication;

namespace zeva {

// Installs Qt's German translation (qtbase_de); false when it is not found.
// The program's own texts are German in the code and need no translation.
bool LadeQtUebersetzung(QCoreApplication& app);

} // namespace zeva
