#pragma once
// Base of the data-base dialogs: the modal dialogs that list the rows of a
// data-base table by name, show the chosen row, hand it to their caller and
// delete the user's own rows.
//
// What it gives them all:
// - its own connection, opened when the dialog opens (OeffneDatenbank) and
//   closed with the dialog; the derived dialog owns its record sets as
//   members, so they are gone before the connection closes;
// - the failure texts: "Database error: ..." when the connection or a set
//   cannot be opened, "Fehler beim Lesen aus \n <file>." when a list cannot be
//   read, the error's own text with the stop icon for a data-base failure in
//   a handler (Sicher), after which the dialog stays open in its state;
// - name lists: a non-editable combo box filled with the [Name] of every row
//   in German, case-insensitive order, "(keine Einträge vorhanden)" when there
//   is none, a default preselected by its beginning;
// - showing a row afresh: the set is positioned on the first stored row of
//   the selected name or on no row at all, so nothing of a row shown before
//   is ever shown or handed back;
// - deletion after a Yes/No question, "Fehler: Kann Datensatz nicht löschen"
//   when it fails;
// - the optional construction-year filter (check box 1132, field 1125);
// - the immediate take-over: a dialog that decides while it opens returns
//   from exec() without being shown;
// - the common controls: buttons with their ids, name lists, the column of
//   "Über&nehmen", "&Schließen" and "&Löschen", and the picture chooser of
//   the dialogs that store a row;
// - for the dialogs that store a row: opening that ends the dialog when the
//   file cannot be opened, and a store that reports its failure and leaves
//   the dialog open with everything typed.
#include "platform/SqlDatabase.h"
#include "ui/DatenDialog.h"

#include <QList>
#include <QString>
#include <filesystem>
#include <functional>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace zeva {

// The upper bound of the layer values the data-base dialogs take (thickness,
// λ, µ): the range their prompts name, from 0 up.
inline constexpr double Schichtwerthoechstwert = 999999999999.0;

// A U-value as the program shows it in the data-base dialogs and the measure
// pages: three decimals ("0,350"); the empty text when it cannot be shown.
QString UWertText(double wert);

class SqlRecordset;

class CDatenbankDialog : public DatenDialog {
public:
    // The single entry of a list without rows.
    static const QString Platzhalter;
    static const QString LoeschFehlerText; // "Fehler: Kann Datensatz nicht löschen"
    // "Fehler: Datenbank kann nicht bearbeitet werden": a connection that may
    // not write refuses a delete or a store.
    static const QString NichtBearbeitbarText;

    // The dialog opens before it is shown; when it ends while opening (the
    // immediate take-over, a file that cannot be opened), that is the result
    // and it is never shown. Otherwise it is shown as usual.
    int exec() override;

    // The year of the year filter (the house's year of construction when the
    // dialog opens, then the last one typed) and whether the filter is on.
    int m_nBaujahr = 1001;
    int m_bBaujahrEinschraenken = 0;

protected:
    explicit CDatenbankDialog(QWidget* parent);
    ~CDatenbankDialog() override;

    // Whether the caller asked to take the preselected entry at once.
    virtual bool SofortUebernehmen() const { return false; }
    // Runs OnOK at once when the caller asked for it; OnOK tells by
    // SofortLaeuft() that a missing choice ends the dialog as cancelled.
    void UebernimmSofort();
    bool SofortLaeuft() const { return m_sofortLaeuft; }

    // A push button with its id.
    static QPushButton* Knopf(QWidget* eltern, const QString& text, int id);
    // A drop-down list of names with its id, wide enough for long names.
    static QComboBox* Namensauswahl(QWidget* eltern, int id);
    // The same list that also reports when its drop-down closes, chosen or
    // not, so that closing it shows its entry afresh.
    static QComboBox* Namensauswahl(QWidget* eltern, int id, std::function<void()> beimZuklappen);

    // The column of buttons right of a browse dialog's lists: "Über&nehmen"
    // (1, the default, accepts), "&Schließen" (2, rejects) and, when asked,
    // "&Löschen" (1030); "Über&nehmen" and "&Löschen" start disabled.
    struct Knopfspalte {
        QVBoxLayout* spalte = nullptr;
        QPushButton* uebernehmen = nullptr;
        QPushButton* loeschen = nullptr;
    };
    Knopfspalte ErzeugeKnopfspalte(bool mitLoeschen);
    // The two columns of a browse dialog: `links` with the lists and values,
    // the button column (ErzeugeKnopfspalte) right of it; "&Löschen", when
    // there is one and a handler is given, runs the handler.
    Knopfspalte OrdneBrowseDialogAn(QLayout* links, bool mitLoeschen, std::function<void()> beimLoeschen = {});
    // A line of the value box: the name, the right-aligned value label with
    // its id ("00" until a row is shown) and the unit.
    static QLabel* Wertzeile(QGridLayout* raster, int zeile, const char* name, int id, const char* einheit);

    // The characteristic lines of a boiler in three rows of a grid from
    // `zeile` on: flue-gas (1204), radiation (1205) and standby loss (1206)
    // in "% der Nennleistung", or in the radiation row's place the annual
    // efficiency (1207, "%"). Zeige shows the losses for an efficiency below
    // 1e-20, else the efficiency alone.
    struct Kennwertzeilen {
        QLabel* abgas = nullptr;
        QLabel* strahlung = nullptr;
        QLabel* bereitschaft = nullptr;
        QLabel* nutzungsgrad = nullptr;
        QList<QWidget*> verlustGruppe;
        QList<QWidget*> nutzungsgradGruppe;
        void Zeige(double kesselnutzungsgrad) const;
    };
    static Kennwertzeilen ErzeugeKennwertzeilen(QGridLayout* gitter, int zeile, const char* abgas,
                                                const char* strahlung, const char* bereitschaft);

    // A framed row that shows one value of the chosen row: its name left,
    // the value right-aligned in a text with its id (wide enough for ten
    // digits, stored in *wert), the unit behind it.
    QGroupBox* Wertkasten(const QString& name, int id, const QString& einheit, QLabel** wert);

    // The buttons right of a storing dialog's fields: the default button
    // (id 1, accepts) and "&Abbrechen" (id 2, rejects). Further buttons may
    // be added to the column before SetzeFelderLayout.
    struct Speicherspalte {
        QVBoxLayout* spalte = nullptr;
        QPushButton* ok = nullptr;
    };
    Speicherspalte ErzeugeSpeicherspalte(const QString& okText);
    // The description (1113, six lines high, Tab leaves it) and the picture
    // path (1114) with "Durchsuchen" (1274), which runs the picture chooser
    // for that path.
    struct Beschreibungsfelder {
        QPlainTextEdit* langtext = nullptr;
        QLineEdit* bildpfad = nullptr;
        QPushButton* durchsuchen = nullptr;
    };
    Beschreibungsfelder ErzeugeBeschreibungsfelder();
    // The fields left (taking the width), the column right, ending in
    // stretch; the dialog takes the width given and the height it needs.
    void SetzeFelderLayout(QLayout* felder, QVBoxLayout* spalte, int breite);

    // The opening of a browse dialog: the existing-components data base and
    // the sets (failures reported, the lists then stay empty), then the
    // lists; a failure to fill them shows the read-failure text.
    void OeffneBestand(std::initializer_list<SqlRecordset*> sets, const std::function<void()>& fuelle);
    // The same for the renovation-measure data base; the read failure names
    // it as "DB/San2kvyke.db" (SanierungsLesefehler).
    void OeffneSanierung(SqlRecordset& set, const std::function<void()>& fuelle);
    static QString SanierungsLesefehler();

    // The opening of a dialog that stores a row: the file and the sets. A
    // data-base failure shows "Database error: ...", any other "Database
    // error, could not access <file name>"; false then, and the caller ends
    // the dialog as cancelled.
    bool OeffneZumSpeichern(const std::filesystem::path& datei, std::initializer_list<SqlRecordset*> sets);
    // Runs a store (one write transaction that rolls itself back). On a
    // connection that may not write (the template handed out for reading
    // only) it shows NichtBearbeitbarText and stores nothing. A
    // data-base failure shows "Database error: ...", any other "Kann
    // Datensatz nicht in Datenbank <path> übernehmen."; false then, and the
    // dialog stays open with everything typed.
    bool Speichere(const std::function<void()>& speichern);

    // The picture chooser: asks for a picture file until one below the
    // program folder is chosen or the user cancels, and puts its path
    // relative to that folder into the field; no other field changes.
    void WaehleBild(QLineEdit* feld);

    // Opens the connection (for reading only when NurZumLesen says so); on
    // failure shows "Database error: ..." and returns false (the dialog then
    // works with empty lists).
    bool OeffneDatenbank(const std::filesystem::path& datei);
    // Opens a set on the connection (which must be open); on failure shows
    // the same message and returns false, the set stays closed.
    bool OeffneSet(SqlRecordset& set);
    // Opens the file and the sets without a message; throws SqlError (or
    // another exception) and leaves the sets closed.
    void OeffneMitSets(const std::filesystem::path& datei, std::initializer_list<SqlRecordset*> sets);
    SqlDatabase& Datenbank() { return m_Datenbank; }
    // The file opened (or meant to be).
    const std::filesystem::path& Datei() const { return m_datei; }

    // "Fehler beim Lesen aus \n <file>." for the file opened (or meant to be).
    QString Lesefehlertext() const;
    void ZeigeLesefehler();

    // Empties the list and, when the set is open, requeries it under its
    // current filter and lists the [Name] of every row in German,
    // case-insensitive order, the placeholder alone when there is none.
    // Nothing is selected afterwards. Throws SqlError.
    static void FuelleNamensliste(QComboBox* liste, SqlRecordset& set);
    // Selects the first entry that begins with the name, case-insensitive;
    // nothing when no entry does.
    static void WaehleVorgabe(QComboBox* liste, const QString& vorgabe);
    // Selects the first entry (the placeholder, if that is all there is).
    static void WaehleErstenEintrag(QComboBox* liste);
    // Positions the set on the first stored row of the selected name and
    // returns true; with nothing selected, the placeholder selected, no such
    // row or the set not open, leaves it on no row (members cleared) and
    // returns false. Throws SqlError.
    static bool SucheAuswahl(QComboBox* liste, SqlRecordset& set);
    // A value through FormatiereStellen with 10 significant digits; the
    // empty text when it refuses the value.
    static QString Stellen(double wert);

    // Asks the question (Yes, No; Yes the default); on Yes runs the deletion
    // and reports its failure. True when the user said Yes: the list is then
    // to be refilled, whether the deletion succeeded or not.
    bool LoescheNachFrage(const QString& frage, const std::function<void()>& loesche,
                          const QString& fehlertext = LoeschFehlerText);
    // The deletion of a renovation measure's row: asks "Sanierungsmaßnahme
    // ''<name>'' aus der Datenbank löschen?"; a set that cannot be changed
    // gives "Fehler: Datenbank kann nicht bearbeitet werden" and false (the
    // list stays). True when the list is to be refilled.
    bool LoescheSanierungsmassnahme(SqlRecordset& set, const std::string& name);

    // Runs a handler's data-base work; a failure shows its own text with the
    // stop icon and the dialog stays open as it is.
    void Sicher(const std::function<void()>& arbeit);

    // The year filter: builds check box 1132 and field 1125 (disabled) in a
    // row, and calls FuelleListe when the filter is switched or a whole year
    // is typed.
    QLayout* ErzeugeJahresfilter();
    // The exchange of the filter: the year (with the range 1000 to 2100 when
    // asked), then the check box; a failed year check stops before it.
    void TauscheJahresfilter(DatenAustausch& dx, bool mitBereich);
    // Shows the house's year, the filter off and the field disabled.
    void SetzeJahresfilter(int baujahr);
    virtual void FuelleListe() {}

    QCheckBox* m_BaujahrKasten = nullptr;
    QLineEdit* m_BaujahrEdit = nullptr;

private:
    void OnBaujahrEinschraenken();
    void OnChangeBaujahr();

    SqlDatabase m_Datenbank;
    std::filesystem::path m_datei;
    bool m_sofortLaeuft = false;
};

} // namespace zeva
