#pragma once
// "Klimaregion aus Postleitzahl": the user types a German postcode and sees
// the climate region the postcode table gives for it; OK hands the region
// back to the project page, which selects it in its list. The dialog never
// writes the house.
#include "ui/DatenDialog.h"

#include <fstream>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zeva {

class CKlimaregionDlg final : public DatenDialog {
public:
    explicit CKlimaregionDlg(QWidget* parent = nullptr);

    // The table opens before the dialog is shown; a table that cannot be
    // opened is reported and the dialog ends Rejected without being shown.
    int exec() override;

    // 0 while no postcode is found, else the region read from the table + 1
    // (1 for region 0, the DIN climate data).
    int m_nKlimaregion = 0;

protected:
    bool OnInitDialog() override;

private:
    void OnChangePLZ();

    std::ifstream m_Datei;
    QLineEdit* m_PlzEdit;
    QLabel* m_RegionText;
    QPushButton* m_OK;
};

} // namespace zeva
