#pragma once
// Page "Kosten" of the options sheet: the prices of the eight fuels and the
// three cost figures of a heating renewal.
#include "shell/OptionenSeite.h"

class QLineEdit;

namespace zeva {

class OptKosten : public OptionenSeite {
public:
    static constexpr const char* Titeltext = "Kosten";

    explicit OptKosten(DOptionen& optionen, QWidget* parent = nullptr);

protected:
    void DoDataExchange(DatenAustausch& dx, DOptionen& optionen) override;

private:
    QLineEdit* m_preis[8];
    QLineEdit* m_zentralheizung;
    QLineEdit* m_kesselTauschen;
    QLineEdit* m_alteHeizung;
};

} // namespace zeva
