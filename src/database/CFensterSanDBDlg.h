#pragma once
// "Sanierungsdatenbank Fenster": picks a window measure from the
// renovation-measure data base. The radio pair chooses whether the measure
// keeps the existing frame ("beibehalten") or replaces it ("austauschen");
// the list holds the measures of that kind. For the shown measure the dialog
// shows the U-values of glazing and frame, the g-value, the fixed price, the
// price per m² (both always the additional and the anyway costs summed) and
// the life; the user's own measures ([Kategorie] 0) can be deleted.
//
// On "Über&nehmen" it ends Accepted; its row (Zeile), prices and frame choice
// stay readable until it is destroyed. Whatever the end, GetAuswahl() is the
// list position to hand in as m_nAuswahl next time; switching the frame kind
// keeps the position, not the measure.
#include "database/CDatenbankDialog.h"
#include "model/DFenster.h"
#include "model/SanierungsZeile.h"

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zeva {

class XDBFensterSanSet;

class CFensterSanDBDlg final : public CDatenbankDialog {
public:
    explicit CFensterSanDBDlg(QWidget* parent = nullptr);
    ~CFensterSanDBDlg() override;

    // As constructed: its Sanbar gates the list, its frame U-value is shown
    // while the frame stays.
    DFenster m_Bauteil;
    int m_nVariante = 0;
    // In: the position to select (negative: the first). Out: the position
    // shown last, -1 when none.
    int m_nAuswahl = -1;
    double m_Preisfix = 0;   // EUR
    double m_PreisProQm = 0; // EUR/m²
    // 1: the frame is replaced ("austauschen"), 0: kept. In and out.
    int m_bRahmenAustauschen = 1;

    int GetAuswahl() const { return m_nAuswahl; }
    // The row shown (the chosen one after Accepted); false when none is.
    bool HatZeile() const { return m_gefunden; }
    SanZeileFenster Zeile() const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void FuelleListe() override;

private:
    void ZeigeAuswahl();
    void OnRahmen();
    void OnLoeschen();

    std::unique_ptr<XDBFensterSanSet> m_pSet;
    bool m_gefunden = false;

    QRadioButton* m_BeibehaltenRadio;
    QRadioButton* m_AustauschenRadio;
    QComboBox* m_BezeichnungCombo;
    QLabel* m_UWertGlasText;
    QLabel* m_UWertRahmenText;
    QLabel* m_gWertText;
    QLabel* m_SockelpreisText;
    QLabel* m_FlaechenpreisText;
    QLabel* m_LebensdauerText;
    QPushButton* m_UebernehmenButton;
    QPushButton* m_LoeschenButton;
};

} // namespace zeva
