#pragma once
// The column of value fields the figure pages of the side bars are made of.
#include <QString>

class QVBoxLayout;
class QWidget;

namespace zeva {

class CWertButton;

// A value field with its id and label at the end of the page's column.
CWertButton* NeuesKennzahlfeld(QWidget* seite, QVBoxLayout* layout, int id, const QString& beschriftung);
// Fixes the height of the fields for two lines (label and value) and the
// page's height for all of them.
void PasseKennzahlfelderAn(QWidget* seite, std::initializer_list<CWertButton*> felder);

} // namespace zeva
