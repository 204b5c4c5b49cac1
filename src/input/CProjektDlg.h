#pragma once
// "Projekt": the step panel of the guided input's steps 1 and 18. It edits
// the project and general data of the house (description, address, year,
// building type, climate region, roof form, heated attic and basement) and,
// in fields that stay hidden, the floor area, air volume, air change,
// persons, hours of use and the yearly electricity consumption. Every showing
// loads it from the house; "&Weiter >>" and "<< Zurück" store it and move on,
// Enter stores and checks it on the spot. The climate region can be looked
// up from the postcode ("Aus PL&Z ...").
#include "input/CSchrittseite.h"

#include <string>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace zeva {

class CProjektDlg final : public CSchrittseite {
public:
    static constexpr const char* TextNichtKorrekt = "Die Projektdaten sind nicht korrekt ausgefüllt.";
    static constexpr const char* TextFehlerKlimazone = "Fehler bei der Klimazonenbestimmung";

    explicit CProjektDlg(CMainFrame& rahmen);

    // The entries of the two lists, index = the house's code.
    static QStringList Gebaeudetypen();
    static QStringList Klimaregionen();

    // The frame's refresh: loads the house again, as on showing.
    void LiesHausNeu() override { Lade(); }

    // Takes the fields over (the exchange with its ranges) and writes them
    // into the house; false, with nothing written, when a field is refused.
    bool SpeichereDaten();
    // The plausibility check of Enter; false (after the stop message) when
    // a value is implausible.
    bool PruefeDaten();

protected:
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void Lade();
    void Schreibe();
    void OnWeiter();
    void OnZurueck();
    void OnDachform(bool steildach);
    void OnAusPLZ();

    int m_nBaujahr = 0;
    std::string m_strBeschreibung;
    double m_dNutzflaeche = 0; // m², loaded only
    int m_nKlimaregion = -1;   // list entry
    std::string m_strKommentar;
    double m_dLuftwechsel = 0;
    double m_dNutzungsdauer = 0;
    std::string m_strOrt;
    double m_dPersonen = 0;
    std::string m_strStrasse;
    double m_dStromverbrauch = 0; // kWh per year
    int m_nGebaeudetyp = -1;
    double m_dLuftvolumen = 0; // m³, loaded only
    int m_bKellerBeheizt = 0;
    int m_bDachBeheizt = 0;
    int m_nSteildach = 0; // the radios: 1 pitched roof, 0 flat roof

    // The floor area as the house holds it and as the hidden field shows it
    // (whole m²): the electricity is converted with the exact area as long
    // as the field still shows what was loaded.
    double m_dFlaecheGeladen = 0;
    QString m_strFlaecheGeladen;

    QLineEdit* m_Baujahr;
    QLineEdit* m_Beschreibung;
    QLineEdit* m_Nutzflaeche;
    QComboBox* m_Klimaliste;
    QPlainTextEdit* m_Kommentar;
    QLineEdit* m_Luftwechsel;
    QLineEdit* m_Nutzungsdauer;
    QLineEdit* m_Ort;
    QLineEdit* m_Personen;
    QLineEdit* m_Strasse;
    QLineEdit* m_Stromverbrauch;
    QComboBox* m_Gebaeudetypliste;
    QLineEdit* m_Luftvolumen;
    QCheckBox* m_KellerBeheizt;
    QCheckBox* m_DachBeheizt;
    QRadioButton* m_Steildach;
    QRadioButton* m_Flachdach;
};

} // namespace zeva
