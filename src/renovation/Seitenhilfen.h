#pragma once
// What the measure pages of the variant dialog share: the component list
// with its six columns, the rows selected in it, the number fields, and the
// refill that brings the current row back.
#include <functional>
#include <vector>

class QBoxLayout;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace zeva {

// The list of a page's components: "Nr.", "Position", "Bezeichnung",
// "Sanierungsmaßnahme", "U-Wert (W/m²K)", "Kosten (EUR)", several rows
// selectable, every column visible at once.
QTreeWidget* ErzeugeBauteilliste(QWidget* eltern, int id);
// The indices of the selected rows, ascending.
std::vector<int> AusgewaehlteZeilen(const QTreeWidget* liste);
// An edit field with its id, wide enough for "0000000,000".
QLineEdit* Massnahmenfeld(QWidget* eltern, int id);
// The button "Löschen" (1030) at the right end of a row of buttons.
QPushButton* Loeschknopf(QWidget* seite, QBoxLayout* knoepfe);
// A measure page: the list over the fields of the current measure over the
// row of buttons.
void OrdneMassnahmenseiteAn(QWidget* seite, QTreeWidget* liste, QWidget* felder, QBoxLayout* knoepfe);
// Rebuilds the list with `anzahl` rows (zeige fills row i) and makes row
// min(aktuell, anzahl − 1) the current one, without notifications. False
// when the list stays empty.
bool FuelleBauteilliste(QTreeWidget* liste, int anzahl, int aktuell, const std::function<void(int)>& zeige);

} // namespace zeva
