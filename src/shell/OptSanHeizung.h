#pragma once
// Page "Sanierung" of the options sheet: how the heating of a new renovation
// variant is set up. Each of its three rows (fuel, switch-on time, heat
// distribution) either keeps what the existing building has ("wie Bestand",
// the input then shows the existing value and is disabled) or takes the
// value entered here.
#include "model/DHeizung.h"
#include "model/Eingabehilfen.h"
#include "shell/OptionenSeite.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zeva {

class OptSanHeizung : public OptionenSeite {
public:
    static constexpr const char* Titeltext = "Sanierung";

    // The kinds of heat distribution, the same as the heating page's.
    using Verteilungsart = zeva::Verteilungsart;
    static constexpr const auto& Verteilungsarten = zeva::Verteilungsarten;

    // `bestand` is the heating of the existing building.
    OptSanHeizung(DOptionen& optionen, const DHeizung& bestand, QWidget* parent = nullptr);

protected:
    void DoDataExchange(DatenAustausch& dx, DOptionen& optionen) override;
    void NachAnzeige() override;

private:
    void ZeigeBrennstoff(int brennstoff);
    void ZeigeBestandBrennstoff(bool an);
    void ZeigeBestandEinschaltdauer(bool an);
    void ZeigeBestandVerteilung(bool an);
    void VerteilungGewaehlt(const QString& text);

    DHeizung m_bestand;

    QComboBox* m_brennstoff;
    QCheckBox* m_brennstoffBestand;
    QLineEdit* m_einschaltdauer;
    QCheckBox* m_einschaltdauerBestand;
    QComboBox* m_verteilung;
    QLineEdit* m_nutzungsgrad;
    QCheckBox* m_verteilungBestand;
};

} // namespace zeva
