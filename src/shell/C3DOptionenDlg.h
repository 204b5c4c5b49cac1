#pragma once
// "Optionen der 3D-Eingabe": the size of the plan editor's drawing field, its
// grid, the steps and the pixel grid of the roof-volume and area counts, and
// three flags of the roof input. The dialog works on copies taken from the
// house when it is constructed; OK checks every field and writes them into
// the house, Abbrechen leaves the house alone.
//
// A field is checked as soon as it loses the focus, so a wrong value is
// reported at once, except when the focus goes to OK (which checks all
// fields anyway) or to "Abbrechen".
#include "ui/DatenDialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zeva {

class Haus;

class C3DOptionenDlg : public DatenDialog {
    Q_OBJECT
public:
    static constexpr const char* Titeltext = "Optionen der 3D-Eingabe";

    explicit C3DOptionenDlg(Haus& haus, QWidget* parent = nullptr);

    // True once OK changed at least one value of the house.
    bool Geaendert() const { return m_geaendert; }

    // The fields' values (the house's until OK takes the fields).
    double m_dBreite = 0;  // m
    double m_dRaster = 0;  // m
    int m_nSchritte = 0;   // roof-volume steps
    int m_nPixel = 0;      // pixel grid of the area and volume counts
    int m_bGratlinien = 0;
    int m_bFirstOnline = 0;
    int m_bFirstNachher = 0;

protected:
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Checks one edit field alone; true when it passes.
    bool PruefeFeld(QWidget* feld);

    Haus& m_haus;
    QLineEdit* m_breite;
    QLineEdit* m_raster;
    QLineEdit* m_schritte;
    QLineEdit* m_pixel;
    QCheckBox* m_gratlinien;
    QCheckBox* m_firstOnline;
    QCheckBox* m_firstNachher;
    QPushButton* m_ok;
    QPushButton* m_abbrechen;
    // Set while a check runs, so that the focus moves of its prompt do not
    // start another one.
    bool m_pruefung = false;
    bool m_geaendert = false;
};

} // namespace zeva
