#pragma once
// The roll-up page "Objekt": the project at a glance in five value fields,
// file name, project name, street, place and year of construction.
#include "ui/CBaseDialog.h"

namespace zeva {

class CWertButton;
class CZEVADoc;

class CObjektDlg : public CBaseDialog {
public:
    explicit CObjektDlg(QWidget* parent = nullptr);

    // Shows the document's title and the house's project values.
    void Aktualisiere(const CZEVADoc& dokument);

    CWertButton* Dateiname() const { return m_Dateiname; }
    CWertButton* Projektname() const { return m_Projektname; }
    CWertButton* Strasse() const { return m_Strasse; }
    CWertButton* Ort() const { return m_Ort; }
    CWertButton* Baujahr() const { return m_Baujahr; }

protected:
    bool OnInitDialog() override;

private:
    CWertButton* m_Dateiname = nullptr;
    CWertButton* m_Projektname = nullptr;
    CWertButton* m_Strasse = nullptr;
    CWertButton* m_Ort = nullptr;
    CWertButton* m_Baujahr = nullptr;
};

} // namespace zeva
