#pragma once
// Page "Optimierung" of the options sheet: the criterion of the automatic
// renovation, its limit and the number of best combinations to keep.
#include "shell/OptionenSeite.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace zeva {

class OptProgSan : public OptionenSeite {
public:
    static constexpr const char* Titeltext = "Optimierung";
    static constexpr const char* LabelKosten = "K&ostenlimit:";
    static constexpr const char* EinheitKosten = "EUR";
    static constexpr const char* LabelVerbrauch = "&Verbrauch:";
    static constexpr const char* EinheitVerbrauch = "kWh/m²a";

    explicit OptProgSan(DOptionen& optionen, QWidget* parent = nullptr);

protected:
    void DoDataExchange(DatenAustausch& dx, DOptionen& optionen) override;
    void NachAnzeige() override { ZeigeGrenze(); }

private:
    // The checked criterion, -1 when none is.
    int Kriterium() const;
    // The limit row follows the criterion: none for criterion 0, a cost limit
    // for 1, a consumption limit for 2.
    void ZeigeGrenze();

    QRadioButton* m_kriterium[3];
    QLabel* m_grenzeLabel;
    QLineEdit* m_grenze;
    QLabel* m_grenzeEinheit;
    QLineEdit* m_anzahl;
};

} // namespace zeva
