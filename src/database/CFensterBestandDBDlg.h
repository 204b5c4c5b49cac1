#pragma once
// "Bestandsdatenbank Fenster": takes a glazing and a window frame from the
// existing-components data base into the window record being edited.
//
// Two independent lists, one per table, each with the U-value of the shown
// row (and the glazing's g-value, a fraction). "Über&nehmen" copies both
// names, the two descriptions joined by a blank and the three values into
// m_Bauteil; every other member stays as the caller copied it in. It is
// enabled while both shown names were found; a list that gets the focus
// reads its row afresh. The user's own glazings and frames can be deleted.
#include "database/CDatenbankDialog.h"
#include "model/DFenster.h"

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace zeva {

class DBODBCRahmenSet;
class DBODBCVerglasungSet;

class CFensterBestandDBDlg final : public CDatenbankDialog {
public:
    static constexpr const char* VorgabeGlas = "2-fach Isolierverglasung";
    static constexpr const char* VorgabeRahmen = "Holzrahmen";

    explicit CFensterBestandDBDlg(QWidget* parent = nullptr);
    ~CFensterBestandDBDlg() override;

    // Set by the caller: take both defaults while opening, without showing
    // the dialog (Accepted), or end Rejected when one is missing.
    bool m_bSofortUebernehmen = false;
    // In: the caller's copy of the window; out (Accepted): the same record
    // with the taken glazing and frame.
    DFenster m_Bauteil;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool SofortUebernehmen() const override { return m_bSofortUebernehmen; }
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void FuelleGlasliste();
    void FuelleRahmenliste();
    void ZeigeGlas();
    void ZeigeRahmen();
    void OnLoeschenGlas();
    void OnLoeschenRahmen();
    void SetzeUebernehmen();

    std::unique_ptr<DBODBCVerglasungSet> m_pVerglasungSet;
    std::unique_ptr<DBODBCRahmenSet> m_pRahmenSet;
    bool m_glasGefunden = false;
    bool m_rahmenGefunden = false;

    QComboBox* m_GlasCombo;
    QComboBox* m_RahmenCombo;
    QLabel* m_UWertGlasText;
    QLabel* m_gWertText;
    QLabel* m_UWertRahmenText;
    QPushButton* m_LoeschenGlasButton;
    QPushButton* m_LoeschenRahmenButton;
    QPushButton* m_UebernehmenButton;
};

} // namespace zeva
