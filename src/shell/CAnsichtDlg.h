#pragma once
// The roll-up page "Grafiken": a tab control with small previews of the plan
// ("Grundriß", always), of the house in 3D ("3D-Ansicht", from step 15, the
// 3D editing) and of the annual energy flow ("Sankey", from step 19, the end
// of the input). Tabs go again when a project of an earlier step is shown.
//
// The plan and 3D previews exist only while the page is visible and has a
// width: hiding the page (collapsing it in the roll-up) or shrinking it to
// nothing destroys them, showing it makes the selected one anew. The Sankey
// window lives from its first use to the end of the page.
#include "ui/CBaseDialog.h"

#include <QPointer>
#include <QRect>

class QTabWidget;

namespace zeva {

class CZEVADoc;

class CAnsichtDlg : public CBaseDialog {
public:
    enum Reiter { REITER_GRUNDRISS = 0, REITER_3D = 1, REITER_SANKEY = 2 };

    explicit CAnsichtDlg(QWidget* parent = nullptr);
    ~CAnsichtDlg() override;

    // Allows the tabs by the step of the document's house and shows the
    // selected preview.
    void Aktualisiere(const CZEVADoc& dokument);
    // The same for a step given directly.
    void AktualisiereSchritt(int phase);

    void ZeigeAnsicht();

    QTabWidget* Tab() const { return m_Tab; }
    QWidget* Vorschau2D() const { return m_p2DVorschau; }
    QWidget* Vorschau3D() const { return m_p3DVorschau; }
    QWidget* Sankey() const { return m_pSankey; }
    bool Ist3DErlaubt() const { return m_b3DErlaubt; }
    bool IstSankeyErlaubt() const { return m_bSankeyErlaubt; }
    QRect Anzeigebereich() const { return m_rectAnzeige; }

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void moveEvent(QMoveEvent* ereignis) override;

private:
    // Removes the tabs that are no longer allowed (the selection moves to
    // the nearest one that stays), makes the wanted previews, adds the tabs
    // that became allowed.
    void ErzeugeAnsichten(bool will2D, bool will3D);
    void PasseReiterAn(bool& will2D, bool& will3D);
    void BerechneAnzeigebereich();
    void ZerstoereVorschauen();
    void Platziere(QWidget* fenster);

    QTabWidget* m_Tab = nullptr;
    QPointer<QWidget> m_p2DVorschau;
    QPointer<QWidget> m_p3DVorschau;
    QPointer<QWidget> m_pSankey;
    QRect m_rectAnzeige;
    bool m_b3DErlaubt = false;
    bool m_bSankeyErlaubt = false;
    bool m_bImAufbau = false;
};

} // namespace zeva
