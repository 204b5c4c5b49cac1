#pragma once
// Tab "Heizung" of the variant dialog: heating record n of the working copy.
// Price and life, and either the central boiler (name, power, switch-on
// time, annual efficiency or the losses it is worked out from, distribution)
// or the single-room generator with its efficiency; which block shows follows
// the record. "Aus &DB..." (while "&Zentralheizung" is chosen) takes a boiler
// from the renovation-measure data base, "Löschen" gives the variant the
// existing heating again.
//
// The fields go into the record when the page is left, before the dialog's
// checks and at its OK (UebernehmeHeizung); the distribution type and the
// automatic efficiency go in at once.
#include "platform/DatenAustausch.h"
#include "renovation/CSanierungsSeite.h"

#include <string>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zeva {

class DHeizung;

class CHeizungSanDlg final : public CSanierungsSeite {
public:
    explicit CHeizungSanDlg(Seitenbesitzer& besitzer);

    void Initialisiere() override;
    void Aktualisiere() override { ZeigeHeizung(); }
    bool HatAuswahl() const override;
    bool PruefeSeite() override;
    bool UebernehmeHeizung() override;
    void OnAusDB() override;
    void OnLoeschen();

    // From the record into the page.
    void ZeigeHeizung();

    // The fields (as the data exchange last read or wrote them).
    int m_nBrennstoff = 0;
    double m_Preis = 0;
    double m_Lebensdauer = 0;
    std::string m_Bezeichnung;
    double m_Nennleistung = 0;
    double m_Einschaltdauer = 0;
    double m_Kesselnutzungsgrad = 0;
    double m_Abgas = 0;
    double m_Strahlung = 0;
    double m_Bereitschaft = 0;
    double m_Verteilungsnutzungsgrad = 0;
    std::string m_Waermeerzeuger;
    double m_Wirkungsgrad = 0;

private:
    void DoDataExchange(DatenAustausch& dx) override;
    DHeizung* Heizung() const;
    // The existing state's annual heat demand of the working copy (MJ).
    double Waermebedarf();
    void ZeigeHeizungsart();
    void FuelleWaermeerzeuger();
    void OnVerteilung(int index);
    void OnWaermeerzeuger(int index);
    void BerechneKesselnutzungsgrad();
    void OnKesselnutzungsgradGetippt();

    bool m_bZeigt = false; // the page writes its own fields

    QLineEdit* m_PreisEdit = nullptr;
    QLineEdit* m_LebensdauerEdit = nullptr;
    QRadioButton* m_Einzel = nullptr;
    QRadioButton* m_Zentral = nullptr;
    QGroupBox* m_Kesselblock = nullptr;
    QLineEdit* m_BezeichnungEdit = nullptr;
    QLineEdit* m_NennleistungEdit = nullptr;
    QLineEdit* m_EinschaltdauerEdit = nullptr;
    QLineEdit* m_KesselnutzungsgradEdit = nullptr;
    QLineEdit* m_AbgasEdit = nullptr;
    QLineEdit* m_StrahlungEdit = nullptr;
    QLineEdit* m_BereitschaftEdit = nullptr;
    QLineEdit* m_VerteilungEdit = nullptr;
    QComboBox* m_Verteilungsart = nullptr;
    QGroupBox* m_Einzelblock = nullptr;
    QComboBox* m_ErzeugerCombo = nullptr;
    QLineEdit* m_WirkungsgradEdit = nullptr;
    QPushButton* m_LoeschenButton = nullptr;
};

} // namespace zeva
