#pragma once
// The heat-demand pane "Wärmebedarfsberechnung" of the right bar: chooses
// the building state and the calculation method, computes the state and has
// the frame show it on the heat-demand page; opens the energy-balance chart,
// the report and the areas page. It shows no figures of its own.
//
// It works on the document's house, looked up through the frame at every
// use. A variant dialog's calculation page may hand it a house of its own
// (copy mode): the pane keeps a copy of that house and shows it until the
// frame shows the pane again or the pane closes.
#include "shell/CMainFrame.h"
#include "ui/CRightBaseDialog.h"

#include <functional>
#include <memory>

class QComboBox;
class QPushButton;
class QTreeWidget;

namespace zeva {

class CBedarfDlg : public CRightBaseDialog, public Bedarfsfenster {
    Q_OBJECT
public:
    static constexpr const char* Titel = "Wärmebedarfsberechnung";

    // The chart dialog that "&Grafik" opens: the house to draw, the state and
    // the dialog's parent.
    using Grafik = std::function<void(Haus& haus, int variante, QWidget* eltern)>;
    static void SetzeGrafik(Grafik grafik);

    CBedarfDlg(CMainFrame& rahmen, QWidget* parent, int variante);
    ~CBedarfDlg() override;

    // Makes the window in the right bar and computes the state; the frame
    // then hands the heat-demand page the state to show.
    bool Erzeuge();
    // The frame shows the pane again for state n: the document's house with
    // its present variants, computed anew.
    void SetzeVariante(int n) override;

    // Copy mode: the next Aktualisiere keeps a copy of the house it is handed.
    void SetzeKopiemodus() { m_bDokumentHaus = false; }
    bool DokumentHaus() const { return m_bDokumentHaus; }

    // Computes the state and has the page show it: the house handed in (a copy
    // of it in copy mode), or the document's house when none is.
    void Aktualisiere(const Haus* haus);
    // The existing building is about to change: computed anew with the
    // document's house.
    void Aktualisiere() override;
    void AktualisiereZustaende() override;

    int Variante() const override { return m_nVariante; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void OnVariante(int index);
    void OnBerechnungsverfahren(int index);
    void OnGrafik();
    void OnReport();
    void FuelleVarianten(const Haus& haus);
    void Rechne(Haus& haus);
    void Schliesse();
    void SetzeSpalten();

    CMainFrame& m_rahmen;
    int m_nVariante;
    bool m_bDokumentHaus = true;
    std::unique_ptr<Haus> m_pKopie; // the house handed in, in copy mode

    QComboBox* m_Varianten = nullptr;
    QPushButton* m_Schliessen = nullptr;
    QPushButton* m_Grafik = nullptr;
    QPushButton* m_Report = nullptr;
    QPushButton* m_Flaechen = nullptr;
    QComboBox* m_Verfahren = nullptr;
    QTreeWidget* m_Gewinne = nullptr;
    QTreeWidget* m_Verluste = nullptr;
};

} // namespace zeva
