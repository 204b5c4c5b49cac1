#pragma once
// "Eingabe Heizung": the step panel of the guided input's step 17. It edits
// the heating of the existing building (the house's heating record 0)
// through a working copy and writes it back on "&Weiter >>" after two
// plausibility warnings, then computes the demand of the existing state.
// A single-room heating is a heater of the chosen fuel with its efficiency;
// a central heating is a boiler with power, hours switched on, its three
// losses and the annual efficiency that follows from them (or, without
// losses, is typed), and a kind of heat distribution with its efficiency.
// Boilers come from and go into the existing-components data base.
#include "input/CSchrittseite.h"
#include "model/DHeizung.h"

#include <QStringList>

#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zeva {

class Haus;

class CHeizungEingabeDlg final : public CSchrittseite {
public:
    explicit CHeizungEingabeDlg(CMainFrame& rahmen);
    ~CHeizungEingabeDlg() override;

    // The fuel names, index = Brennstoff code.
    static QStringList Brennstoffe();

    // The working copy of the house's heating record 0.
    const DHeizung& Arbeitskopie() const { return m_Heizung; }
    int ErforderlicheLeistung() const { return m_nErforderlicheLeistung; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;
    // Enter only marks the project modified.
    void OnOK() override;

private:
    void ZeigeFelder();
    void AktiviereHeizsystem();
    void PruefeWeiter();
    void FuelleWaermeerzeuger();
    void OnEinzelheizung();
    void OnZentralheizung();
    void OnSanierbar();
    void OnSelchangeBrennstoff();
    void OnSelchangeWaermeerzeuger();
    void OnSelchangeVerteilung();
    void ZeigeVerteilung(const QString& text);
    void BerechneKesselnutzungsgrad();
    void OnChangeKesselnutzungsgrad();
    void OnAusDB();
    void OnNachDB();
    // The boiler's fields into the working copy (name, description, fuel,
    // annual efficiency, power and losses as fractions).
    void SchreibeKessel();
    void OnWeiter();
    // What the user can enter or choose on the page, as its controls show
    // it; the annual efficiency only while it is typed (no losses), since
    // with losses the page derives it.
    QStringList Eingaben() const;
    // The annual efficiency derived from the losses, into the existing
    // heating and the variants that keep it, without asking.
    void UebernimmAbgeleitetenNutzungsgrad(Haus& haus);
    bool Einzelheizung() const;

    double m_Wirkungsgrad = 0; // per cent
    double m_Einschaltdauer = 0;
    double m_Kesselnutzungsgrad = 0;
    double m_Verteilungsnutzungsgrad = 0;
    double m_Nennleistung = 0;
    std::string m_Bezeichnung;
    double m_Abgasverlust = 0;
    double m_Bereitschaftsverlust = 0;
    double m_Strahlungsverlust = 0;
    std::string m_Waermeerzeuger;
    int m_bSanierbar = 0;
    int m_bSanierungErforderlich = 0;
    // While set, a text change of the loss fields recomputes the annual
    // efficiency, and one of the efficiency clears the losses.
    bool m_bAbgasMelden = true;
    bool m_bStrahlungMelden = true;
    bool m_bBereitschaftMelden = true;
    bool m_bNutzungsgradMelden = true;
    // Set while the page writes its own fields through the exchange.
    bool m_bZeigtFelder = false;

    DHeizung m_Heizung;
    // The page's entries as loaded from the house: only a difference to
    // them is the user's change of the existing heating.
    QStringList m_Geladen;
    std::string m_Kesselbeschreibung;
    int m_nErforderlicheLeistung = 0;

    QRadioButton* m_Einzel;
    QRadioButton* m_Zentral;
    QCheckBox* m_Sanierbar;
    QCheckBox* m_SanierungErforderlich;
    QComboBox* m_Brennstoff;
    QGroupBox* m_ZentralGruppe;
    QGroupBox* m_EinzelGruppe;
    QPushButton* m_AusDB;
    QPushButton* m_NachDB;
    QLineEdit* m_BezeichnungEdit;
    QLineEdit* m_NennleistungEdit;
    QLabel* m_Erforderlich;
    QLineEdit* m_EinschaltdauerEdit;
    QLineEdit* m_AbgasEdit;
    QLineEdit* m_StrahlungEdit;
    QLineEdit* m_BereitschaftEdit;
    QLineEdit* m_NutzungsgradEdit;
    QComboBox* m_Verteilung;
    QLineEdit* m_VerteilungEdit;
    QComboBox* m_Waermeerzeugerliste;
    QLineEdit* m_WirkungsgradEdit;
    QPushButton* m_Weiter;
};

} // namespace zeva
