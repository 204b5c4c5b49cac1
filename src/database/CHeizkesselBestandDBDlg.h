#pragma once
// "Bestandsdatenbank Heizkessel": picks a boiler of one fuel from the
// existing-components data base, all of them or (with the year filter) those
// built in a year, shows its nominal power and either its three losses or
// its efficiency in per cent, and hands the boiler back as plain members
// (fractions, as stored). The user's own boilers can be deleted.
#include "database/CDatenbankDialog.h"

#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;

namespace zeva {

class DBODBCHeizkesselSet;

class CHeizkesselBestandDBDlg final : public CDatenbankDialog {
public:
    // hausBaujahr: the house's year of construction, the year filter's preset.
    explicit CHeizkesselBestandDBDlg(int hausBaujahr, QWidget* parent = nullptr);
    ~CHeizkesselBestandDBDlg() override;

    // In: the fuel code whose boilers are listed (the heating record's codes).
    int m_nBrennstoff = 0;

    // Out (Accepted): the taken boiler.
    std::string m_Name;
    std::string m_Langtext;
    double m_Kesselleistung = 0;       // kW
    double m_Abgasverlust = 0;         // fractions of the nominal power
    double m_Bereitschaftsverlust = 0;
    double m_Strahlungsverlust = 0;
    double m_Kesselnutzungsgrad = 0;   // fraction; 0 when the losses describe the boiler

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;
    void FuelleListe() override;

private:
    void ZeigeAuswahl();
    void OnLoeschen();

    int m_hausBaujahr;
    std::unique_ptr<DBODBCHeizkesselSet> m_pHeizkesselSet;
    bool m_gefunden = false;

    QComboBox* m_BezeichnungCombo;
    QLabel* m_Leistung;       // 1203
    QLabel* m_Abgas;          // 1204
    QLabel* m_Strahlung;      // 1205
    QLabel* m_Bereitschaft;   // 1206
    QLabel* m_Nutzungsgrad;   // 1207
    Kennwertzeilen m_Kennwerte;
    QPushButton* m_UebernehmenButton;
    QPushButton* m_LoeschenButton;
};

} // namespace zeva
