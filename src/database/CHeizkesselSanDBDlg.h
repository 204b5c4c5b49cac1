#pragma once
// "Sanierungsdatenbank Heizkessel": the replacement boilers of the
// renovation-measure data base that fit a variant: boilers of the variant's
// fuel whose power band holds the power the building needs (the standard
// heat load divided by the distribution efficiency, at least the smallest
// lower limit of the whole table). It shows the chosen boiler's losses or
// its annual efficiency, its price with the installation and its life; the
// user's own boilers ([Kategorie] 0) can be deleted.
//
// On "Über&nehmen" the boiler goes into m_Heizung as a central heating: name,
// text, the mean of its power band, efficiency and losses, the price with
// the installation, life, KEA and CO2; fuel, flags, switch-on time and
// distribution stay the caller's.
#include "database/CSanierungsauswahlDlg.h"
#include "model/DHeizung.h"

#include <memory>

namespace zeva {

class DOptionen;
class XDBHeizungSanSet;

class CHeizkesselSanDBDlg final : public CSanierungsauswahlDlg {
public:
    explicit CHeizkesselSanDBDlg(QWidget* parent = nullptr);
    ~CHeizkesselSanDBDlg() override;

    // In: the variant's standard heat load (kW), its heating (out after
    // Accepted: with the chosen boiler), the options with the installation
    // costs and the heated area the costs of a new central heating count on.
    double m_Normheizlast = 0;
    DHeizung m_Heizung;
    const DOptionen* m_pOptionen = nullptr;
    double m_Energiebezugsflaeche = 0;

    // The price of the shown boiler with its installation (EUR).
    double m_Gesamtpreis = 0;

    // The smallest positive [Leistung ab] of the whole table; 0 without rows
    // (or for a heating that may not be renovated), 1e7 when no row has one.
    double KleinsteLeistung();
    // The power the list was filtered for (kW).
    double Leistung() const { return m_Leistung; }

protected:
    std::unique_ptr<SqlRecordset> ErzeugeSet(SqlDatabase& db) override;
    void SetzeFilter(SqlRecordset& set) override;
    void VergissZeile() override;
    std::vector<double> NimmZeile() override;
    Zeilenkopf Kopf() const override;
    void Uebernimm() override;

private:
    XDBHeizungSanSet* Set() const;

    double m_Leistung = 0;
    Kennwertzeilen m_Kennwerte;
};

} // namespace zeva
