#include "results/Kennzahlfelder.h"

#include "ui/CWertButton.h"
#include "ui/SteuerelementId.h"

#include <QFontMetrics>
#include <QVBoxLayout>

namespace zeva {

CWertButton* NeuesKennzahlfeld(QWidget* seite, QVBoxLayout* layout, int id, const QString& beschriftung)
{
    auto* feld = new CWertButton(seite);
    SetzeId(feld, id);
    feld->SetzeBeschriftung(beschriftung);
    layout->addWidget(feld);
    return feld;
}

void PasseKennzahlfelderAn(QWidget* seite, std::initializer_list<CWertButton*> felder)
{
    const int zeile = QFontMetrics(seite->font()).height();
    for (CWertButton* feld : felder)
        feld->setFixedHeight(2 * zeile + 6);
    const int n = static_cast<int>(felder.size());
    seite->resize(seite->width(), n * (2 * zeile + 6) + (n - 1) * 2 + 4);
}

} // namespace zeva
