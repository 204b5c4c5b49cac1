#pragma once
// The program's own data-base location: the folder of the program file and
// the user's data folder of the platform (Qt's AppDataLocation).
#include "platform/Datenbankort.h"

namespace zeva {

// Needs a QCoreApplication with its application name set.
Datenbankort StandardDatenbankort();

} // namespace zeva
