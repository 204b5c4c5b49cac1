#pragma once
// The options sheet "Optionen": the pages "Optimierung", "Kosten" and
// "Sanierung" edit the sheet's own options record, which the caller fills
// before the sheet runs and reads back after OK. The buttons are "&Vorgabe"
// (all settings back to their defaults, after a question), OK and
// "Abbrechen"; there is no Apply.
//
// A page shows the record when it becomes the shown page and checks and
// writes its fields back before it is left; a failed check keeps the user on
// the page. OK checks the shown page the same way.
#include "model/DOptionen.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTabWidget;

namespace zeva {

class DHeizung;
class OptionenSeite;

class Optionen : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* Titeltext = "Optionen";
    static constexpr const char* FrageVorgabe = "Alle Einstellungen zurücksetzen?";
    static constexpr int IdVorgabe = 1257;

    // The sheet starts with its record at the defaults; `bestand` is the
    // heating of the existing building that the page "Sanierung" offers.
    explicit Optionen(const DHeizung& bestand, QWidget* parent = nullptr, int ersteSeite = 0);
    ~Optionen() override;

    // The record the pages edit.
    DOptionen m_Optionen;

    QTabWidget* Seiten() const { return m_seiten; }
    OptionenSeite* Seite(int index) const;
    int AktiveSeite() const { return m_aktiv; }
    QPushButton* VorgabeKnopf() const { return m_btnVorgabe; }

    // OK: the shown page is checked and written back first.
    void accept() override;

    // "&Vorgabe": after the question, the record goes back to its defaults
    // and the shown page shows them.
    void OnVorgabe();

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void SeiteGewechselt(int neu);

    QTabWidget* m_seiten;
    std::vector<OptionenSeite*> m_pages;
    QPushButton* m_btnVorgabe;
    int m_aktiv;
    bool m_gezeigt = false;
};

} // namespace zeva
