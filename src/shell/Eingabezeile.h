#pragma once
// One row of a settings dialog in a grid: a label, its edit field and, when
// given, a unit behind it. The edit carries its control id.
#include "ui/SteuerelementId.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace zeva {

inline QLineEdit* FuegeEingabezeileHinzu(QGridLayout* grid, QWidget* eltern, const char* label, int id,
                                         const char* einheit, int breite)
{
    const int zeile = grid->rowCount();
    auto* l = new QLabel(QString::fromUtf8(label), eltern);
    auto* edit = new QLineEdit(eltern);
    SetzeId(edit, id);
    l->setBuddy(edit);
    edit->setMaximumWidth(breite);
    grid->addWidget(l, zeile, 0);
    grid->addWidget(edit, zeile, 1);
    if (einheit != nullptr)
        grid->addWidget(new QLabel(QString::fromUtf8(einheit), eltern), zeile, 2);
    return edit;
}

} // namespace zeva
