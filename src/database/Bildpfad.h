#pragma once
// Pictures of stored rows are kept relative to the program folder, so that
// the data base stays valid wherever the program is installed.
#include <QString>
#include <QStringList>
#include <optional>

namespace zeva {

// The filters of the picture chooser.
QStringList BildFilter();

// The path of a chosen picture file relative to the program folder, with
// "/" and its case kept; nothing when the file does not lie below that
// folder. Both paths are made absolute and cleaned first, so "a/../b" and a
// trailing "/" count as what they mean; a sibling folder whose name only
// begins with the folder's name does not count.
std::optional<QString> RelativerBildpfad(const QString& datei, const QString& programmOrdner);

} // namespace zeva
