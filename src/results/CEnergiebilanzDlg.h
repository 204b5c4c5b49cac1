#pragma once
// The energy-balance chart dialog: the annual energy flow (Sankey), the
// annual and the monthly bars of losses and gains, for the existing
// building, one variant, or both side by side ("Vergleich"), printed on one
// page. It is handed the house it draws (the document's, or a variant
// dialog's working copy) and never swaps the document's house.
//
// Drawing recomputes the demand (the Sankey diagram the shown state, the
// bars every state) with a muted notifier; what the calculation would have
// said (missing climate data) is shown once per dialog, not at every paint.
#include "model/DaempfbarerNotifier.h"
#include "results/Diagrammgeometrie.h"
#include "ui/MeldungsNotifier.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace zeva {

class DOptionen;
class Haus;
class Zeichenflaeche;

class CEnergiebilanzDlg : public QDialog {
    Q_OBJECT
public:
    // Building states of the radio group.
    enum Zustand { IstZustand = 1, Sanierung = 2, Vergleich = 3 };
    // Chart kinds.
    enum Darstellungsart { Sankey = 1, BalkenJaehrlich = 2, BalkenMonatlich = 3 };

    // `variante`: the state to show first; `darstellungsart` the chart kind.
    CEnergiebilanzDlg(QWidget* parent, Haus& haus, const DOptionen& optionen, int variante, int darstellungsart);
    ~CEnergiebilanzDlg() override;

    static constexpr int Spaltenbreite = 185; // the control column left of the chart
    static constexpr const char* Hinweiszeile = "Die Ergebnisse sind Näherungswerte und ersetzen keine Fachplanung.";

    int Variante() const { return m_nVariante; }
    int ZustandNr() const { return m_nZustand; }
    int Art() const { return m_nDarstellungsart; }
    int AnzahlVarianten() const { return m_nAnzahlVarianten; }
    Haus& HausRef() const { return m_haus; }

    // Draws the shown chart into the drawing area and the legend into its
    // area, as on screen (or as on the page with `drucken`).
    void Zeichne(Zeichenflaeche& z, const diagramm::Bereich& diagramm, const diagramm::Bereich& legende, bool drucken);
    // Prints the chart page on `drucker` (header, chart, legend, footer).
    void Drucke(QPrinter& drucker);

    // The monthly heating energy and losses of the last monthly drawing.
    const std::array<double, 12>& HeizenergieMonat() const { return m_aHeizenergieMonat; }
    const std::array<double, 12>& HeizungsverlustMonat() const { return m_aHeizungsverlustMonat; }

    // The chart routines; each draws into the present areas.
    void SankeyDiagramm(Zeichenflaeche& z);
    void ZeichneJahresbilanz(Zeichenflaeche& z);
    void ZeichneMonatsbilanz(Zeichenflaeche& z);
    void ZeichneLegende(Zeichenflaeche& z);
    void DruckeKopfzeile(Zeichenflaeche& z, const diagramm::Bereich& kopf, const Haus& haus);
    void DruckeFusszeile(Zeichenflaeche& z, const diagramm::Bereich& fuss);

    // The commands, by the ids of the controls.
    void OnZustand(int id);
    void OnVarianteBlaettern(int id);
    void OnDarstellungsart(int id);
    void OnDrucken();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    struct Balkenwerte;
    void OnInitDialog();
    void SetzeTitelNachZustand();
    void ZeigeVariantenwahl(bool sichtbar);
    void ZeigeArten(bool sichtbar);
    // The demand of state n, computed with the muted notifier.
    void Rechne(Haus& haus, int n);
    void RechneAlle();
    void MeldeVerschluckte();
    Balkenwerte Jahreswerte(int n) const;
    Balkenwerte Monatswerte(const Haus& tabellen, int monat) const;
    void ZeichneVerlustbalken(Zeichenflaeche& z, int x, int y, int breite, const Balkenwerte& w, bool heizverlust,
                              double massstab);
    void ZeichneGewinnbalken(Zeichenflaeche& z, int x, int y, int breite, const Balkenwerte& w, double massstab);
    void ZeichneTitel(Zeichenflaeche& z, const QString& titel);
    void ZeichneAnmerkung(Zeichenflaeche& z, const char* const zeilen[3], double yAnmerkung, bool anmerkungOben,
                          const double yZeilen[3]);

    Haus& m_haus;
    const DOptionen& m_optionen;
    MeldungsNotifier m_melder;
    DaempfbarerNotifier m_notifier;
    bool m_bGemeldet = false;

    bool m_bDrucken = false;
    bool m_bMonatlich = false;
    diagramm::Bereich m_rcDiagramm;
    diagramm::Bereich m_rcLegende;
    std::array<double, 12> m_aHeizungsverlustMonat{};
    std::array<double, 12> m_aHeizenergieMonat{};
    int m_nAnzahlVarianten = 0;
    int m_nVariante = 0;
    int m_nZustand = IstZustand;
    int m_nDarstellungsart = BalkenJaehrlich;
    int m_nStartVariante = 0;

    QButtonGroup* m_Zustaende = nullptr;
    QButtonGroup* m_Arten = nullptr;
    QGroupBox* m_ZustandRahmen = nullptr;
    QGroupBox* m_ArtRahmen = nullptr;
    QGroupBox* m_LegendeRahmen = nullptr;
    QLabel* m_VarianteText = nullptr;
    QLineEdit* m_VarianteFeld = nullptr;
    QPushButton* m_Weiter = nullptr;
    QPushButton* m_Zurueck = nullptr;
    QPushButton* m_Schliessen = nullptr;
    QPushButton* m_Drucken = nullptr;
};

} // namespace zeva
