#pragma once
// "Automatische Sanierung": the small progress window of the optimiser with
// the kind line (1275), the phase line "Was mache ich gerade?" (1057), the
// status line (1277), the progress bar (1262, 0..1000), the best value so far
// (1276) and "&Abbrechen" (2). It is application-modal while the run lasts:
// it repaints and takes Cancel, and nothing else of the program can start a
// second run or change the house meanwhile.
#include "renovation/ProgSan.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace zeva {

class CAutoSanierungDlg : public QDialog, public SanFortschritt {
    Q_OBJECT
public:
    explicit CAutoSanierungDlg(QWidget* parent = nullptr);

    // SanFortschritt
    void Beginne() override;
    void Phase(const std::string& text) override;
    void Status(const std::string& text) override;
    void Position(int promille) override;
    void Bestwert(const std::string& text) override;
    bool Abgebrochen() override;
    void Beende() override;

    bool m_bAbbrechen = false;

    QLabel* Art() const { return m_art; }
    QLabel* PhasenZeile() const { return m_phase; }
    QLabel* StatusZeile() const { return m_status; }
    QLabel* BestwertZeile() const { return m_bestwert; }
    QProgressBar* Balken() const { return m_balken; }
    QPushButton* Abbrechen() const { return m_abbrechen; }

protected:
    void reject() override; // Escape and the close box cancel, the window stays
    void closeEvent(QCloseEvent* e) override;

private:
    QLabel* m_art;
    QLabel* m_phase;
    QLabel* m_status;
    QLabel* m_bestwert;
    QProgressBar* m_balken;
    QPushButton* m_abbrechen;
};

} // namespace zeva
