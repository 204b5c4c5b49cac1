#pragma once
// "3D - Eingabeassistent": the pane of the right bar during the graphic
// steps (floor plan, north direction, roofs, 3D editing, dormers). It shows
// the plan editor's live read-outs (line length and offsets, the absolute
// position, the north angle, a dormer's heights), opens the 3D-input options
// and carries the wizard's "Weiter >>" and "<< Zurück" for these steps with
// the checks that belong to leaving them. The roof pane derives from it.
//
// The pane keeps no input state: everything lives in the house, which it
// takes afresh from the frame in every handler.
#include "ui/CRightBaseDialog.h"
#include "views/Ableseanzeige.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace zeva {

class C2DView;
class CMainFrame;

class CEingabeAssistentDlg : public CRightBaseDialog, public Ableseanzeige {
    Q_OBJECT
public:
    static constexpr const char* Titeltext = "3D - Eingabeassistent";
    static constexpr const char* FrageZurueck =
        "Warnung:\nRückkehr in den 2D-Editiermodus löscht alle Gauben-, Fenster- sowie erweiterte "
        "Bauteileingaben.\nZEVA generiert bei erneutem Eintritt in die 3D-Eingabephase\ndas Gebäude komplett neu "
        "aus den Vorgabe-Materialdaten sowie\nden Grundriß-, Dachlinien- und Höheneingaben.\nMöchten Sie trotzdem "
        "zurück gehen?";

    static constexpr const char* FrageKeinDach = "Es wurde kein Dach eingegeben. Trotzdem fortfahren?";

    // Control numbers.
    enum : int {
        IDC_GEBAEUDEGEOMETRIE = 1316,
        IDC_AKTUELLE_EINGABE = 1308,
        IDC_AKTUELLE_EINGABE2 = 1332,
        IDC_ABSOLUTE_POSITION = 1326,
        IDC_OPTIONEN = 1121,
        IDC_WEITER = 1281,
        IDC_ZURUECK = 1282,
    };

    CEingabeAssistentDlg(CMainFrame* rahmen, QWidget* eltern);

    // Takes the house again and repaints the plan and 3D views.
    void Aktualisiere();

    // The read-out rows: label, value and unit by control number.
    QLabel* Feld(int id) const;
    void SetzeText(int id, const QString& text) override;
    QString Text(int id) const;
    // The frame's step switch sets the rows' texts and which rows and groups
    // show; after it the pane moves the three line rows into the group of
    // the step (the dormer's group in step 16, else the line input's).
    void OrdneZeilen(int phase);

    QPushButton* Knopf(int id) const;

    // The step from the plan into the 3D phase, shared by every pane that
    // leads there: area and volume of the house, the rebuild of its surfaces
    // and component records, the views refreshed. False (the step must not
    // advance) when the rebuild refused the drawing; the user was told.
    static bool BetreteDreiDPhase(CMainFrame& rahmen);
    // A pitched-roof house without any placed roof would have an open top
    // and no roof losses: the user confirms that he means it. True to go on.
    static bool OhneDachWeiter(CMainFrame& rahmen, QWidget* eltern);
    // Roofs that were added but never placed (or left half placed) have no
    // plan to build from; leaving the roof step in either direction drops
    // them.
    static void EntferneUnfertigeDaecher(CMainFrame& rahmen);

protected:
    bool OnInitDialog() override;
    virtual void OnWeiter();
    virtual void OnZurueck();
    void OnOptionen();

    // The frame's plan editor, when it is one (not a placeholder).
    C2DView* Ansicht2D() const;
    // An input gesture of the plan editor is under way in steps 8 to 14.
    bool EingabeLaeuft() const;
    void ZeichneAnsichtenNeu();

    CMainFrame* m_pRahmen;

private:
    QLabel* NeuesFeld(int id, const QString& text);
    QPushButton* NeuerKnopf(int id, const QString& text);
};

} // namespace zeva
