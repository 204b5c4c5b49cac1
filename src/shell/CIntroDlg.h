#pragma once
// The panel of wizard step 0 ("Intro"): the program's picture and version,
// the step names and the buttons "&Weiter >>" (to the next step) and
// "<< &Zurück" (back to the start page). Enter and Escape do not close it.
#include <QDialog>

class QLabel;
class QPushButton;

namespace zeva {

class Schrittsteuerung;

class CIntroDlg : public QDialog {
public:
    CIntroDlg(Schrittsteuerung& rahmen, QWidget* eltern);

    // Reads the version text of the frame again (the dialog initialisation).
    void OnInitDialog();
    // The three step names: previous, current, next.
    void SetzeSchritte(const QString& vorher, const QString& ist, const QString& nach);

    QPushButton* Weiter() const { return m_weiter; }
    QPushButton* Zurueck() const { return m_zurueck; }

    void accept() override {}
    void reject() override {}

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void OnZurueck();

    Schrittsteuerung& m_rahmen;
    QLabel* m_text = nullptr;
    QPushButton* m_weiter = nullptr;
    QPushButton* m_zurueck = nullptr;
    QPushButton* m_vorher = nullptr;
    QPushButton* m_ist = nullptr;
    QPushButton* m_nach = nullptr;
};

} // namespace zeva
