#pragma once
// The picture of a project: a JPEG of the 3D view in the start folder, named
// after the document title with its last four characters (the extension
// ".vza") taken off, so "Haus1.vza" gives "Haus1.jpg" and the untitled
// "Unbenannt" gives "Unben.jpg". The document's Save As and the 3D view use
// the same rule, so they must both name the picture through these functions.
#include <QString>

namespace zeva {

// Start folder + "/" + title without its last 4 characters + ".jpg".
QString ProjektBildAusTitel(const QString& startordner, const QString& titel);

// Start folder + "/" + the file name of `pfad` without its last 4
// characters + ".jpg" (the path as the user chose it to save).
QString ProjektBildAusPfad(const QString& startordner, const QString& pfad);

} // namespace zeva
