#pragma once
// Tab "Berechnung" of the variant dialog: every time it is shown it computes
// the existing state and the variant on the dialog's working copy and shows
// the fuel demand, the fuel costs and the renovation costs before and after,
// with the heating-cost saving per 1000 EUR invested. The method combo sets
// the method of the document and of the working copy; "&Details..." shows
// the heat-demand pane for the variant with a copy of the working copy,
// "&Grafik" the energy-balance chart of the working copy.
#include "renovation/CSanierungsSeite.h"

#include <map>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace zeva {

class CBerechnungSanDlg final : public CSanierungsSeite {
public:
    explicit CBerechnungSanDlg(Seitenbesitzer& besitzer);

    void Initialisiere() override;
    void Aktualisiere() override;

    void OnVerfahren(int index);
    void OnDetails();
    void OnGrafik();

    // The text of value field id.
    QString Feldtext(int id) const;

private:
    std::map<int, QLabel*> m_Felder;
    QComboBox* m_Verfahren = nullptr;
    QGroupBox* m_Bedarfsgruppe = nullptr;
    QStackedWidget* m_Kostenbereich = nullptr;
    QPushButton* m_Details = nullptr;
    QPushButton* m_Grafik = nullptr;
};

} // namespace zeva
