#pragma once
// Base of the side-bar panes and of the roll-up pages. A pane is a child
// widget: Enter and Escape never close it (OnOK and OnCancel do nothing unless
// a pane overrides them). Its controls come from its constructor (code or a
// Designer form); Create then runs OnInitDialog, which hands the shared
// dialog font to the pane and to its parent (the roll-up, whose headers then
// use it too) and records every direct child in the child layout with
// anchors (2, 3): left edge fixed, right edge scaled, top and height kept.
// A pane laid out by a Qt layout is left to that layout.
//
// The shared dialog font is the system's message font made smaller until
// "Geometrische Kenngrößen" fits a quarter of the screen's work area; it
// lives while any pane lives and is rebuilt by the next pane after that.
#include "platform/DatenAustausch.h"
#include "ui/CKindLayout.h"

#include <QFont>
#include <QWidget>

namespace zeva {

class CBaseDialog : public QWidget {
public:
    explicit CBaseDialog(QWidget* parent = nullptr);
    ~CBaseDialog() override;

    // Creates the pane under `parent` (nullptr: the present parent) and runs
    // OnInitDialog. With font adaptation off, the pane fills its parent.
    bool Create(QWidget* parent = nullptr);

    // Runs the data exchange of this pane; false when a check failed.
    bool UpdateData(bool speichern = true);

    CKindLayout& Layout() { return m_Layout; }
    bool SchriftAnpassen() const { return m_bSchriftAnpassen; }

    // The shared fonts (made on first use) and the pixel height of the dialog font.
    static QFont DialogSchrift();
    static QFont TitelSchrift();
    static int SchriftHoehe();
    static bool SchriftenVorhanden();
    // Rebuilds the shared fonts for the screen's present work area.
    static void ErzeugeDialogSchriften();

    // The target width of the font fit: trunc((trunc(w / 4) − 10·frame) · 0.6666667).
    static int ZielBreite(int arbeitsBreite, int rahmen = RahmenBreite);
    // The pixel height of `basis`, made smaller until the reference text is
    // narrower than the target width; never below MindestHoehe.
    static int PasseSchriftHoeheAn(const QFont& basis, int arbeitsBreite);

    static constexpr int RahmenBreite = 4; // the window frame width the fit allows for
    static constexpr int MindestHoehe = 6;
    static constexpr const char* Bezugstext = "Geometrische Kenngrößen";

    // Live panes.
    static int Anzahl();

protected:
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DatenAustausch&) {}
    virtual void OnOK() {}
    virtual void OnCancel() {}

    // The screen's work area changed: the shared fonts are fitted anew.
    virtual void OnDisplayChange();

    void keyPressEvent(QKeyEvent* ereignis) override;

    bool m_bSchriftAnpassen = true;
    CKindLayout m_Layout;
};

} // namespace zeva
