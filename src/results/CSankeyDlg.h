#pragma once
// The bare energy-flow (Sankey) window of the "Grafiken" page and of the
// variant pane's "Diagramme" tab: the diagram of one building state of the
// document's house (or of the house its page computed), filling the window,
// without values. It reads the demand record as the last calculation left it
// and never recomputes; until
// the input is finished (step 19) it draws nothing. A double click opens the
// chart dialog on the same state.
#include "results/ZustandsFenster.h"

#include <QWidget>

namespace zeva {

class CMainFrame;
class Haus;
class Zeichenflaeche;

class CSankeyDlg : public QWidget, public ZustandsFenster {
    Q_OBJECT
public:
    explicit CSankeyDlg(QWidget* parent = nullptr);

    // The state to show; the window repaints.
    void SetzeVariante(int n) override;
    void SetzeHaus(std::shared_ptr<const Haus> haus) override;
    int Variante() const { return m_nVariante; }
    // The house handed in, null while the window draws the document's.
    const Haus* GezeichnetesHaus() const { return m_pHaus.get(); }

    // Draws the diagram of the house into w × h (nothing before step 19).
    void SankeyDiagramm(Zeichenflaeche& z, const Haus& haus, int w, int h) const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    // The program's frame, looked up at every use (none in a bare test).
    static CMainFrame* Rahmen();

    int m_nVariante = 0;
    std::shared_ptr<const Haus> m_pHaus;
};

} // namespace zeva
