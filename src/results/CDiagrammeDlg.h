#pragma once
// The page "Diagramme" of the variant pane: a tab control with the one tab
// "Sankey" that hosts the Sankey window of the chosen variant. The window is
// made on first need, hidden, and placed in the tab when the page shows.
#include "ui/CBaseDialog.h"

#include <QPointer>

#include <memory>

class QTabWidget;

namespace zeva {

class Haus;

class CDiagrammeDlg : public CBaseDialog {
public:
    explicit CDiagrammeDlg(QWidget* parent = nullptr);
    ~CDiagrammeDlg() override;

    // Shows state n of haus in the Sankey window: the house whose states the
    // page beside it computed, so that the chart and the figures agree.
    void SetzeVariante(std::shared_ptr<const Haus> haus, int n);

    QTabWidget* Reiter() const { return m_Reiter; }
    QWidget* Sankey() const { return m_pSankey; }
    // The state last handed on (0 until one is).
    int Variante() const { return m_nVariante; }

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void ErzeugeSankey();
    // Places the window in the tab when the page shows and, unless n is -1,
    // hands it state n.
    void ZeigeSankey(int n);

    std::shared_ptr<const Haus> m_pHaus;

    QTabWidget* m_Reiter = nullptr;
    QWidget* m_Seite = nullptr; // the tab's page
    QPointer<QWidget> m_pSankey;
    int m_nVariante = 0;
};

} // namespace zeva
