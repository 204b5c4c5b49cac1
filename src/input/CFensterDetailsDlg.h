#pragma once
// "Fensterdetails": the values of one window that the window table and the
// window page do not show: U-values of glazing and frame, g-value (in per
// cent), reduction factor, inclination and whether a renovation is possible.
// Opened like the build-up details dialogs: the opener copies the record into
// m_Bauteil and sets EinzelModus (0 from a table row, with the table as
// receiver; 1 from the wizard page, which copies m_Bauteil back after
// Accepted).
#include "input/DetailsEmpfaenger.h"
#include "model/DFenster.h"
#include "ui/DatenDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zeva {

class CFensterDetailsDlg : public DatenDialog {
public:
    explicit CFensterDetailsDlg(QWidget* parent = nullptr);

    int EinzelModus = 0;
    DFenster m_Bauteil;

    void SetzeEmpfaenger(DetailsEmpfaenger<DFenster>* empfaenger) { m_empfaenger = empfaenger; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnErforderlich();

    QLineEdit* m_SowiesoEdit;
    QCheckBox* m_ErforderlichCheck;
    QCheckBox* m_MoeglichCheck;
    QLabel* m_NummerText;
    QLineEdit* m_GWertEdit;
    QLineEdit* m_UWertGlasEdit;
    QLineEdit* m_UWertRahmenEdit;
    QLineEdit* m_ReduktionEdit;
    QRadioButton* m_Neigung[3];
    QCheckBox* m_GesamteFassadeCheck;

    double m_dGWert = 0; // per cent
    double m_dUWertGlas = 0;
    double m_dUWertRahmen = 0;
    int m_nNeigung = 0;
    double m_dReduktionsfaktor = 0;
    int m_bSanbar = 1;
    int m_bSanMuss = 0;
    double m_dSowieso = 0;
    int m_bGesamteFassadeBetrachten = 0;

    DetailsEmpfaenger<DFenster>* m_empfaenger = nullptr;
};

} // namespace zeva
