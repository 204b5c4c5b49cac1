#include "renovation/Seitenhilfen.h"

#include "ui/SteuerelementId.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>

namespace zeva {

QTreeWidget* ErzeugeBauteilliste(QWidget* eltern, int id)
{
    auto* liste = new QTreeWidget(eltern);
    SetzeId(liste, id);
    liste->setColumnCount(6);
    liste->setHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Position"), QStringLiteral("Bezeichnung"),
                            QStringLiteral("Sanierungsmaßnahme"), QStringLiteral("U-Wert (W/m²K)"),
                            QStringLiteral("Kosten (EUR)")});
    const int breiten[] = {40, 95, 150, 200, 120, 120};
    for (int s = 0; s < 6; ++s)
        liste->setColumnWidth(s, breiten[s]);
    liste->header()->setSectionsClickable(false);
    liste->setRootIsDecorated(false);
    liste->setAllColumnsShowFocus(true);
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->setTextElideMode(Qt::ElideNone);
    liste->setMinimumHeight(140);
    // Every column visible at once, and with it every tab of the dialog.
    liste->setMinimumWidth(40 + 95 + 150 + 200 + 120 + 120 + 2 * liste->frameWidth() + 4);
    return liste;
}

std::vector<int> AusgewaehlteZeilen(const QTreeWidget* liste)
{
    std::vector<int> zeilen;
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        if (liste->topLevelItem(i)->isSelected())
            zeilen.push_back(i);
    return zeilen;
}

QLineEdit* Massnahmenfeld(QWidget* eltern, int id)
{
    auto* feld = new QLineEdit(eltern);
    SetzeId(feld, id);
    feld->setMinimumWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("0000000,000")));
    return feld;
}

QPushButton* Loeschknopf(QWidget* seite, QBoxLayout* knoepfe)
{
    auto* knopf = new QPushButton(QStringLiteral("Löschen"), seite);
    SetzeId(knopf, 1030);
    knoepfe->addStretch();
    knoepfe->addWidget(knopf);
    return knopf;
}

void OrdneMassnahmenseiteAn(QWidget* seite, QTreeWidget* liste, QWidget* felder, QBoxLayout* knoepfe)
{
    auto* haupt = new QVBoxLayout(seite);
    haupt->addWidget(liste, 1);
    haupt->addWidget(felder);
    haupt->addLayout(knoepfe);
}

bool FuelleBauteilliste(QTreeWidget* liste, int anzahl, int aktuell, const std::function<void(int)>& zeige)
{
    const QSignalBlocker sperre(liste);
    liste->clear();
    for (int i = 0; i < anzahl; ++i) {
        liste->addTopLevelItem(new QTreeWidgetItem);
        zeige(i);
    }
    if (anzahl <= 0)
        return false;
    liste->setCurrentItem(liste->topLevelItem(std::min(aktuell, anzahl - 1)));
    return true;
}

} // namespace zeva
