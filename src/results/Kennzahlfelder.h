#pragma once
// The column of value fields the figure pages of the side bars are made of.
#include <QString>

class QVBoxLayout;
class QWidget;

namespace zeva {

class CWertButton;
class Haus;

// A value field with its id and label at the end of the page's column.
CWertButton* NeuesKennzahlfeld(QWidget* seite, QVBoxLayout* layout, int id, const QString& beschriftung);
// Fixes the height of the fields for two lines (label and value) and the
// page's height for all of them.
void PasseKennzahlfelderAn(QWidget* seite, std::initializer_list<CWertButton*> felder);

// The existing state as the left bar shows it, worked out on a copy of the
// document's house: from the heating step on (the surfaces stand and the
// step has taken the windows off their walls) the demand of the existing
// state; before that the records as they are. The stored records may hold
// figures of another method, of the file as read, or of a balance that a
// page ran for its own purpose.
void BerechneSeitenleistenbestand(Haus& kopie);

} // namespace zeva
