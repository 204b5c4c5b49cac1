#pragma once
// What the step panels of the guided input share (the project page, the six
// single-component pages and the heating page): they are modeless dialogs of
// the main frame, made by its step switch; they reach the house of the
// frame's active document anew at every use; Enter and Escape do nothing
// unless a page says otherwise (OnOK, OnCancel); the frame's refresh runs
// the page's initialisation again; and they carry the three step names
// (previous, current, next) as flat buttons whose texts the frame sets.
#include "shell/Schrittfenster.h"
#include "ui/DatenDialog.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zeva {

class CMainFrame;
class CZEVADoc;
class Haus;

class CSchrittseite : public DatenDialog, public Schrittfenster {
public:
    // The frame's refresh: the page's initialisation once more.
    void LiesHausNeu() override { OnInitDialog(); }

protected:
    explicit CSchrittseite(CMainFrame& rahmen);

    CMainFrame& Rahmen() const { return m_rahmen; }
    CZEVADoc& Dokument() const;
    Haus& HausRef() const;

    // Enter and Escape: nothing, unless the page overrides these.
    void OnOK() override {}
    void OnCancel() override {}
    void keyPressEvent(QKeyEvent* ereignis) override;

    // A right-aligned number field with its id, about nine digits wide.
    static QLineEdit* Zahlenfeld(QWidget* eltern, int id);
    // A row of a grid: the label (the field's buddy), the field and, when
    // given, its unit, which is returned.
    static QLabel* Feldzeile(QGridLayout* raster, int zeile, const char* text, QWidget* feld,
                             const char* einheit = nullptr);

    // A push button with its id that Enter never presses.
    QPushButton* Knopf(const QString& text, int id);
    // The row at the bottom: back button, the three step names (previous
    // and next disabled), next button.
    struct Schrittleiste {
        QHBoxLayout* zeile = nullptr;
        QPushButton* weiter = nullptr;
        QPushButton* zurueck = nullptr;
    };
    Schrittleiste ErzeugeSchrittleiste(int weiterId, int zurueckId, const QString& zurueckText, int vorherId,
                                       int istId, int nachId);

private:
    CMainFrame& m_rahmen;
};

} // namespace zeva
