#include "results/Kennzahlfelder.h"

#include "model/Haus.h"
#include "model/Notifier.h"
#include "shell/Schrittfolge.h"
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

void BerechneSeitenleistenbestand(Haus& kopie)
{
    if (kopie.Phase < Schrittfolge::Heizung)
        return;
    // Missing climate data are told by the step or command that computes
    // the document's house; the bar only follows.
    StillerNotifier still;
    kopie.BerechneBedarf(0, still);
}

} // namespace zeva
