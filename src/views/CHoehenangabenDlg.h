#pragma once
// "Höhenangaben": the pane of the height step. The user enters the heights
// of the building (roof, knee wall, attic storey, basement, storey height
// and count, height above ground); each value goes into the first zone and
// the house as soon as its field is left, and the plan editor's section
// follows. A picture below the fields explains the field that has the focus.
// "Weiter >>" leads to the roof input, or for a flat-roof house builds the
// 3D model after a question.
#include "shell/Schrittfenster.h"
#include "ui/CRightBaseDialog.h"

#include <QPixmap>
#include <QPointer>

class QLineEdit;

namespace zeva {

class CMainFrame;

class CHoehenangabenDlg : public CRightBaseDialog, public Schrittfenster {
    Q_OBJECT
public:
    static constexpr const char* Titeltext = "Höhenangaben";

    enum : int {
        IDC_HOEHE_UEBER_GRUND = 1000,
        IDC_GESCHOSSHOEHE = 1018,
        IDC_GESCHOSSE = 1015,
        IDC_KELLERHOEHE = 1021,
        IDC_DREMPELHOEHE = 1012,
        IDC_DACHHOEHE = 1008,
        IDC_DACHGESCHOSSHOEHE = 1013,
        IDC_WEITER = 1281,
        IDC_ZURUECK = 1282,
    };

    explicit CHoehenangabenDlg(CMainFrame* rahmen, QWidget* eltern = nullptr);

    // Writes the pane's values into the first zone and the house (the attic
    // storey limited to knee wall plus roof height, and to 0 below) and
    // repaints the pane and the views.
    void Uebernehme();
    // Loads the first zone's values again.
    void Neuladen();
    void LiesHausNeu() override { Neuladen(); }

    // The field that last had the focus: 1 "Höhe über Grund" … 7
    // "Dachgeschoßhöhe", 0 none yet; the number of its picture (256 … 262);
    // where the picture is drawn, in pane coordinates.
    int FokusFeld() const { return m_nFokus; }
    int Bildnummer() const;
    QRect BildRechteck() const;

    // The pane's values.
    int m_nGeschosse = 0;
    double m_dGeschossHoehe = 0;
    double m_dDachgeschossHoehe = 0;
    double m_dDrempelHoehe = 0;
    double m_dHoeheUeberGrund = 0;
    double m_dKellerHoehe = 0;
    int m_nKlimaZone = 1;
    int m_nZone = 0;
    double m_dDachHoehe = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    class Bildfeld;
    void FeldVerlassen();
    void OnWeiter();
    void OnZurueck();
    void MarkiereGeaendert();

    CMainFrame* m_pRahmen;
    int m_nFokus = 0;
    QLineEdit* m_pFelder[7];
    Bildfeld* m_pBild;
    // Set while a check runs, so that the focus moves of its prompt do not
    // start another one.
    bool m_pruefung = false;
};

// The explanatory picture of a field (1 … 7; 0 as 1), 630 × 795 pixels: the
// section of a sample house with the field's dimension in red; with a pitched
// roof or, for a flat-roof house, without any roof.
QPixmap Hoehenbild(int feld, bool steildach = true);

} // namespace zeva
