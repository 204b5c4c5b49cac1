#pragma once
// "Sanierung Variante n": the modeless dialog in which the user forms one
// renovation variant. It works on a deep copy of the document's house; its
// eight tabs ("Flachdach", "Steildach", "Decke", "Wand", "Boden", "Fenster",
// "Heizung", "Berechnung") are pages of CSanierungsSeite. OK writes variant
// n of the copy into the document's house; OK and Cancel remove the variant
// again when it equals the existing building. The dialogs of later variants
// then move down with theirs (the frame renumbers them).
//
// Tabs 0 to 4 are the opaque measure pages; the makers of the other tabs'
// pages are installed by the parts that bring them (SetzeSeitenErzeuger);
// until then those tabs hold empty pages that pass every check.
#include "model/Haus.h"
#include "renovation/CSanierungsSeite.h"
#include "shell/Schrittfenster.h"

#include <QDialog>
#include <array>
#include <functional>

class QPushButton;
class QTabWidget;

namespace zeva {

class CMainFrame;
class CGlaser;

class CSanierungVarianteDlg : public QDialog, public Variantendialog, public Seitenbesitzer {
public:
    enum Tab { Flachdach, Steildach, Decke, Wand, Boden, Fenster, Heizung, Berechnung, AnzahlTabs };

    using SeitenErzeuger = std::function<CSanierungsSeite*(CSanierungVarianteDlg&)>;
    // The maker of a tab's page (Fenster, Heizung, Berechnung); an empty
    // function restores the empty page.
    static void SetzeSeitenErzeuger(Tab tab, SeitenErzeuger erzeuger);

    // Made, initialised and placed; the frame shows it.
    CSanierungVarianteDlg(CMainFrame& rahmen, int n);
    ~CSanierungVarianteDlg() override;

    // ----- for the pages ---------------------------------------------------
    Haus& Arbeitshaus() override { return m_Haus; }
    const Haus& Arbeitshaus() const { return m_Haus; }
    int Variante() const override { return m_nVariante; }
    CMainFrame& Rahmen() const override { return m_rahmen; }
    CSanierungsSeite* Seite(int tab) const;
    // The tab shown now (0 … 7).
    int AktuelleSeite() const { return m_nSeite; }
    // "Aus &DB..." and "&Nach DB..." after the current page.
    void AktualisiereDBKnoepfe() override;
    // The pages' checks in tab order; the first failing page is shown.
    bool PruefeSeiten();

    // ----- Variantendialog ----------------------------------------------------
    int Nummer() const override { return m_nVariante; }
    void SetzeNummer(int n) override;
    void VorgaengerGeloescht(int k) override;
    bool OKUndSchliessen() override { return OnOK(); }
    void ZeigeSeite(int seite) override;
    // Takes the document's method into the working copy; the calculation
    // page, when shown, computes anew (the options are always read from the
    // frame).
    void FolgeRechengrundlage() override;

    // OK: false when a check refused (the dialog stays open on that page).
    bool OnOK();
    void OnCancel();

    // Where a dialog of variant n goes in a frame client area of the given
    // size: the offsets from its top-left corner.
    static QPoint Versatz(int n, QSize rahmen, QSize dialog);

protected:
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void MarkiereTauwasser();
    void OnSelchangeTab(int k);
    void WaehleTab(int k);
    void Schliesse();
    void Platziere();

    CMainFrame& m_rahmen;
    int m_nVariante;
    int m_nSeite = -1;
    Haus m_Haus;
    bool m_bGeschlossen = false;
    QTabWidget* m_Tabs = nullptr;
    QPushButton* m_AusDB = nullptr;
    QPushButton* m_NachDB = nullptr;
    std::array<CSanierungsSeite*, AnzahlTabs> m_apSeiten{};
};

// Installs "Neu &Manuell"'s dialog with its pages, the variant pane and
// the variant-number dialog on the frame.
void InstalliereSanierungsdialoge(CMainFrame& rahmen);

} // namespace zeva
