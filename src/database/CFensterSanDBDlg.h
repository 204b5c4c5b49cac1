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
#include "database/CSanierungsauswahlDlg.h"
#include "model/DFenster.h"
#include "model/SanierungsZeile.h"

#include <memory>

class QRadioButton;

namespace zeva {

class XDBFensterSanSet;

class CFensterSanDBDlg final : public CSanierungsauswahlDlg {
public:
    explicit CFensterSanDBDlg(QWidget* parent = nullptr);
    ~CFensterSanDBDlg() override;

    // As constructed: its Sanbar gates the list, its frame U-value is shown
    // while the frame stays.
    DFenster m_Bauteil;
    int m_nVariante = 0;
    double m_Preisfix = 0;   // EUR
    double m_PreisProQm = 0; // EUR/m²
    // 1: the frame is replaced ("austauschen"), 0: kept. In and out.
    int m_bRahmenAustauschen = 1;

    SanZeileFenster Zeile() const;

protected:
    std::unique_ptr<SqlRecordset> ErzeugeSet(SqlDatabase& db) override;
    void VorDemOeffnen() override;
    void SetzeFilter(SqlRecordset& set) override;
    void VergissZeile() override;
    std::vector<double> NimmZeile() override;
    Zeilenkopf Kopf() const override;

private:
    void OnRahmen();
    const XDBFensterSanSet& Set() const;

    QRadioButton* m_BeibehaltenRadio;
    QRadioButton* m_AustauschenRadio;
};

} // namespace zeva
