#pragma once
// The renovation-variant pane of the right bar: a combo to choose a variant
// and a roll-up with the pages "Sanierung" (how the variant was made and
// which groups carry measures; a group's button opens the variant dialog on
// its tab), "Sanierungs Kenndaten" (the key figures; a click opens the
// renovation details of that figure), "Heizung" and "Diagramme". The frame
// refills it after every change of the variants (AktualisiereVarianten).
//
// CVarianteLoeschenDlg asks for the number of the variant to delete.
#include "shell/Schrittfenster.h"
#include "ui/CBaseDialog.h"
#include "ui/DatenDialog.h"

#include <array>
#include <memory>

class QComboBox;
class QLineEdit;

namespace zeva {

class CDiagrammeDlg;
class CHeizungDlg;
class CHoverButton;
class CMainFrame;
class CRollupCtrl;
class CWertButton;
class DOptionen;
class Haus;

// "Sanierung": method, criterion (automatic variants only; the page is
// shorter without it) and the six group buttons.
class CSanierungDlg final : public CBaseDialog {
public:
    explicit CSanierungDlg(CMainFrame& rahmen, QWidget* parent = nullptr);

    void Aktualisiere(const Haus& haus, int n);

    int Variante() const { return m_nVariante; }
    CWertButton* Feld(int id) const;
    CHoverButton* Gruppenknopf(int id) const;
    int VolleHoehe() const { return m_nVolleHoehe; }
    int KurzeHoehe() const { return m_nKurzeHoehe; }

protected:
    bool OnInitDialog() override;

private:
    void OnGruppe(int id);

    CMainFrame& m_rahmen;
    CWertButton* m_Methode = nullptr;
    CWertButton* m_Ziel = nullptr;
    CWertButton* m_Massnahmen = nullptr;
    std::array<CHoverButton*, 6> m_Gruppen{};
    int m_nVolleHoehe = 0;
    int m_nKurzeHoehe = 0;
    int m_nVariante = 0;
};

// "Sanierungs Kenndaten": costs, KEA, CO2, energy and heating-cost saving,
// each for the house and per m².
class CSanKenndatenDlg final : public CBaseDialog {
public:
    explicit CSanKenndatenDlg(CMainFrame& rahmen, QWidget* parent = nullptr);

    void Aktualisiere(const Haus& haus, int n);

    int Variante() const { return m_nVariante; }
    CWertButton* Feld(int id) const;

protected:
    bool OnInitDialog() override;

private:
    CMainFrame& m_rahmen;
    int m_nVariante = 0;
    std::array<CWertButton*, 5> m_Felder{};
};

class CSanVariantenDlg final : public CBaseDialog, public Variantenliste {
public:
    explicit CSanVariantenDlg(CMainFrame& rahmen, QWidget* parent = nullptr);
    ~CSanVariantenDlg() override;

    void AktualisiereVarianten(Haus& haus) override;
    // The existing state and the chosen variant are computed (on a copy of
    // the document's house) and shown on all four pages.
    void OnSelchangeVariante();
    // The copy the pages show, null without variants.
    const Haus* GezeigtesHaus() const { return m_pHaus.get(); }

    QComboBox* Auswahl() const { return m_Varianten; }
    CRollupCtrl* Rollup() const { return m_Rollup; }
    CSanierungDlg* SanierungSeite() const { return m_Sanierung; }
    CSanKenndatenDlg* KenndatenSeite() const { return m_Kenndaten; }
    CHeizungDlg* HeizungSeite() const { return m_Heizung; }
    CDiagrammeDlg* DiagrammSeite() const { return m_Diagramme; }

protected:
    bool OnInitDialog() override;

private:
    CMainFrame& m_rahmen;
    std::shared_ptr<Haus> m_pHaus; // shared with the Sankey window
    QComboBox* m_Varianten = nullptr;
    CRollupCtrl* m_Rollup = nullptr;
    CSanierungDlg* m_Sanierung = nullptr;
    CSanKenndatenDlg* m_Kenndaten = nullptr;
    CHeizungDlg* m_Heizung = nullptr;
    CDiagrammeDlg* m_Diagramme = nullptr;
};

// "Sanierungsvariante löschen": the number of the variant to delete, a whole
// number from 1 to the number of variants; exec() gives it, or -1 on Cancel.
class CVarianteLoeschenDlg final : public DatenDialog {
public:
    // Asked once a number is given, before the variant goes.
    static constexpr const char* FrageLoeschen = "Soll die Sanierungsvariante %1 gelöscht werden?";

    CVarianteLoeschenDlg(int varianten, QWidget* parent = nullptr);

    int m_nVariante = 1;

protected:
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;
    void OnCancel() override;

private:
    int m_nVarianten;
    QLineEdit* m_Nummer = nullptr;
};

// Installs the pane and the delete dialog on the frame.
void InstalliereVariantenfenster(CMainFrame& rahmen);

} // namespace zeva
