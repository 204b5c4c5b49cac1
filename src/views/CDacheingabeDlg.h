#pragma once
// "Dacheingabe": the pane of the roof step. The user picks a roof form from a
// list of pictures, adds roofs, sets the heights and the heating of the
// selected roof, turns its ridge, and goes on into the 3D phase. The roofs
// are drawn and dragged in the plan editor, which asks this pane for the
// roof at a plan point, for the current roof, and to delete a roof.
//
// Roofs are named by their index in the house's roof array (-1 none); the
// pane's selection follows a removal before it and is cleared when the house
// is read anew.
#include "model/Punkt2D.h"
#include "shell/Schrittfenster.h"
#include "views/Dachauswahl.h"
#include "views/CEingabeAssistentDlg.h"

#include <QPointer>

class QCheckBox;
class QLineEdit;

namespace zeva {

class CBitmapComboBox;
class CDach;
class DachAnsicht;

class CDacheingabeDlg : public CEingabeAssistentDlg, public Schrittfenster, public Dachauswahl {
    Q_OBJECT
public:
    static constexpr const char* Titeltext = "Dacheingabe";
    static constexpr const char* FrageDreiD =
        "Warnung:\nSind alle bisherigen Eingaben korrekt?\nBei Eintritt in die 3D-Editierphase wird das Gebäude\n"
        "aus den bisherigen Eingaben zusammengesetzt.\nAlle weiteren Eingaben gehen bei Rückkehr in den\n"
        "2D-Editiermodus verloren.";

    enum : int {
        IDC_TYP = 1005,
        IDC_NEUES_DACH = 1130,
        IDC_FIRST_DREHEN = 1030,
        IDC_BEHEIZT = 1031,
        IDC_GESCHOSSHOEHE = 1013,
        IDC_DACHHOEHE = 1008,
        IDC_MANSARDHOEHE = 1341,
        IDC_MANSARD_TEXT = 1340,
    };

    CDacheingabeDlg(CMainFrame* rahmen, QWidget* eltern);

    // The plan editor the pane works with (may be null).
    void SetzeAnsicht(C2DView* ansicht);

    // Makes a roof (or none) the selected one and shows its values; the
    // values of a finished roof selected before are taken first.
    void WaehleDach(int index);
    int AusgewaehltesDach() const { return m_nDach; }
    // The finished roof with the highest hit score of at least 1 at p (the
    // later one on ties), which becomes the selection; -1 while the selected
    // roof is being placed or when none is hit.
    int WaehleDachAmPunkt(const Punkt2D& p) override;
    // Removes the house's roof `index`.
    void EntferneDach(int index) override;
    // The selected roof; with flag 1 in a house without roofs one of the
    // chosen form is made first.
    int ErstesDach(int flag) override;
    // "First drehen" and the mansard height follow the selected roof.
    void AktualisiereSchalter() override;
    // "Neues Dach hinzufügen".
    void OnNeuesDach();

    CBitmapComboBox* Typliste() const { return m_pTyp; }
    // The house was replaced or read again.
    void LiesHausNeu() override;

    // The pane's values (metres; heated 0/1).
    double m_dGeschossHoehe = 0;
    double m_dHoehe = 0;
    double m_dMansardHoehe = 0;
    int m_nBeheizt = 1;

protected:
    void DoDataExchange(DatenAustausch& dx) override;
    void OnWeiter() override;
    void showEvent(QShowEvent* ereignis) override;

private:
    CDach* Dach(int index) const;
    // Takes the fields; into the selected roof when it is finished.
    bool NimmWerte();
    void ZeigeHausvorgaben(bool ersteZone);
    void OnTypGewaehlt();
    void OnFirstDrehen();
    void MarkiereGeaendert();

    QPointer<C2DView> m_pAnsicht;
    int m_nDach = -1;
    CBitmapComboBox* m_pTyp;
    QLineEdit* m_pGeschoss;
    QLineEdit* m_pHoehe;
    QLineEdit* m_pMansard;
    QCheckBox* m_pBeheizt;
};

// A 96 × 96 picture of the roof form (the plan drawing of a sample roof).
QPixmap Dachformbild(int typ);

} // namespace zeva
