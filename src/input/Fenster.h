#pragma once
// "Eingabe Fenster": the windows placed on one carrying surface, five rows
// per page, opened by a component table's "Fenster" button for its selected
// row. The user edits designation, area and frame share; the orientation is
// shown; glazing and frame come from the data base ("Aus &DB...") or the
// window details dialog. On OK the carrier's windows in the opener's window
// array are replaced; the opener writes them into the house on its own OK.
#include "input/DetailsEmpfaenger.h"
#include "input/Fenstertabelle.h"
#include "input/Tabellendialog.h"

#include <memory>

class QComboBox;
class QLineEdit;

namespace zeva {

class CFensterDetailsDlg;

class Fenster final : public CTabellenDialog, public DetailsEmpfaenger<DFenster> {
public:
    // fenster: the opener's window array; traeger: a copy of the carrying
    // surface's plane.
    Fenster(const Tabellenumgebung& umgebung, CDFensterArray& fenster, const Plane& traeger, QWidget* parent);
    ~Fenster() override;

    // Set by the pitched-roof and wall tables; -1 and -1: the carrier's
    // classes.
    int m_nVorgabeRichtung = -1;
    int m_nVorgabeNeigung = -1;

    void DetailsUebernehmen(const DFenster& fenster) override;
    void DetailsGeschlossen() override;

    // The rows while the dialog is open (tests look at them).
    const Fenstertabelle* Tabelle() const { return m_tabelle.get(); }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;
    void OnCancel() override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct Felder {
        QLineEdit* name = nullptr;
        QLineEdit* flaeche = nullptr;
        QLineEdit* rahmen = nullptr;
        QComboBox* richtung = nullptr;
        QPushButton* details = nullptr;
    };

    void ZeigeSeite();
    bool UebernehmeSeite();
    void AktualisiereSteuerung();
    void OnZeile(int k);
    void OnBlaettern(int richtung) override;
    void OnLoeschen() override;
    void OnAusDB() override;
    void OnDetails(int k);

    CDFensterArray& m_fenster;
    Plane m_Traegerflaeche;
    std::unique_ptr<Fenstertabelle> m_tabelle;
    std::array<Felder, ZeilenProSeite> m_Felder;
    std::array<double, ZeilenProSeite> m_dFlaeche{};
    std::array<std::string, ZeilenProSeite> m_strName;
    std::array<double, ZeilenProSeite> m_dRahmenanteil{};
    std::unique_ptr<CFensterDetailsDlg> m_pDetails;
    bool m_uebernimmt = false;
};

} // namespace zeva
