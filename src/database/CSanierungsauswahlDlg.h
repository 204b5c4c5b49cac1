#pragma once
// Base of the browse dialogs of the renovation-measure data base (the opaque
// groups, the windows, the boilers). They all list the measures of one table
// by name, show the chosen one's values in a box, delete the user's own
// measures ([Kategorie] 0) and end Accepted on "Über&nehmen" only while a row
// is shown. What differs is a table of value lines (name, id, unit, how many
// digits) and a few hooks: the set, its filter, the values of a row and what
// the take-over writes.
//
// Showing a row always starts from nothing: the values, the prices and the
// buttons of the row shown before are cleared, so nothing of it is ever shown
// or handed back.
#include "database/CDatenbankDialog.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLayout;
class QPushButton;
class QVBoxLayout;

namespace zeva {

// How a value line of a measure shows its number.
enum class Stellenart {
    UWert,       // three decimals (UWertText)
    Signifikant, // up to ten significant digits (Stellen)
};
// One line of the value box: the name, the id of the value, its unit, its
// digits.
struct Wertspalte {
    const char* name;
    int id;
    const char* einheit;
    Stellenart stellen;
};

// The price and life lines of the opaque and the window measures.
inline constexpr Wertspalte Sockelpreiszeile{"Sockelpreis", 1057, "EUR", Stellenart::Signifikant};
inline constexpr Wertspalte Flaechenpreiszeile{"Flächenpreis", 1055, "EUR/m²", Stellenart::Signifikant};
inline constexpr Wertspalte Lebensdauerzeile{"Lebensdauer", 1056, "a", Stellenart::Signifikant};

class CSanierungsauswahlDlg : public CDatenbankDialog {
public:
    ~CSanierungsauswahlDlg() override;

    // In: the position to select (negative: the first). Out: the position
    // shown last, -1 when none. Only the dialogs that keep the position read
    // it back when they fill their list.
    int m_nAuswahl = -1;
    int GetAuswahl() const { return m_nAuswahl; }
    // The row shown (the chosen one after Accepted); false when none is.
    bool HatZeile() const { return m_gefunden; }

protected:
    // The name and category of the current row: what deleting asks for.
    struct Zeilenkopf {
        std::string Name;
        int Kategorie = 0;
    };
    // Whether filling the list selects m_nAuswahl again (else the first
    // entry).
    enum class Position { Behalten, ErsterEintrag };

    CSanierungsauswahlDlg(const QString& titel, Position position, QWidget* parent);

    // Builds the dialog: `kopf` (may be null) above the name list, the label
    // and the list with its id, the value box with one line per column (then
    // whatever `ergaenze` adds from the given row of its grid on), the
    // button column. Called once by the derived constructor.
    void BaueAuf(QLayout* kopf, const char* bezeichnung, int listenId, std::span<const Wertspalte> spalten,
                 const std::function<void(QGridLayout*, int)>& ergaenze = {});

    // The set on the dialog's table, not yet opened.
    virtual std::unique_ptr<SqlRecordset> ErzeugeSet(SqlDatabase& db) = 0;
    // Sets the filter (and parameters) of the set before the list is filled.
    virtual void SetzeFilter(SqlRecordset& set) = 0;
    // Before the set is opened (the controls that steer the filter).
    virtual void VorDemOeffnen() {}
    // Forgets what the dialog worked out for the row shown before.
    virtual void VergissZeile() {}
    // Takes the row the set stands on: works out what the dialog hands back
    // and returns the values of the columns in their order.
    virtual std::vector<double> NimmZeile() = 0;
    virtual Zeilenkopf Kopf() const = 0;
    // Writes the shown row into what the caller gets back (on "Über&nehmen").
    virtual void Uebernimm() {}

    bool OnInitDialog() override;
    void OnOK() override;
    void FuelleListe() override;

    // The set (null before the dialog opens).
    SqlRecordset* Satz() const { return m_pSet.get(); }

private:
    void ZeigeAuswahl();
    void OnLoeschen();

    Position m_position;
    std::unique_ptr<SqlRecordset> m_pSet;
    bool m_gefunden = false;

    QComboBox* m_BezeichnungCombo = nullptr;
    std::vector<QLabel*> m_Werte;
    std::vector<Stellenart> m_Stellen;
    QPushButton* m_UebernehmenButton = nullptr;
    QPushButton* m_LoeschenButton = nullptr;
};

} // namespace zeva
