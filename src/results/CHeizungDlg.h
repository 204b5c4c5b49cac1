#pragma once
// The page "Heizung": fuel, heating energy demand, CO2, fuel consumption and
// heating costs of one building state, per year and per m² and year. The
// left bar's page shows the existing state of the document's house; the
// variant pane has a page of its own for its chosen variant.
#include "shell/CMainFrame.h"
#include "ui/CBaseDialog.h"

#include <functional>

namespace zeva {

class CWertButton;
class DOptionen;

class CHeizungDlg : public CBaseDialog, public AktualisierbareSeite {
public:
    // The fuel prices come from the options record that `optionen` gives.
    CHeizungDlg(QWidget* parent, std::function<const DOptionen&()> optionen);

    // State 0 of the document's house.
    void Aktualisiere(CZEVADoc& dokument) override;
    // The figures of state n as last computed (nothing is computed here).
    void ZeigeVariante(const Haus& haus, int n);

    CWertButton* Feld(int id) const;

protected:
    bool OnInitDialog() override;

private:
    void SetzeVerbrauch(double wert, const QString& einheit, bool proJahr);

    std::function<const DOptionen&()> m_Optionen;
    CWertButton* m_Energietraeger = nullptr;
    CWertButton* m_Heizenergie = nullptr;
    CWertButton* m_Co2 = nullptr;
    CWertButton* m_Verbrauch = nullptr;
    CWertButton* m_Kosten = nullptr;
};

} // namespace zeva
