#pragma once
// Dialog data exchange: one run either shows members in a dialog's fields
// (Speichern() false) or takes the fields into the members with their checks
// (Speichern() true). The checks report with the German prompts of the
// message service ("Geben Sie eine Zahl ein.", "Geben Sie eine Zahl zwischen
// %1 und %2 ein.", ...); the first failing field gets the focus with its text
// selected, the run stops there, and every later exchange call of the same
// run does nothing. A failed field leaves its member unchanged.
//
// Fields are QLineEdit, QPlainTextEdit, QTextEdit (plain text), editable
// QComboBox, QLabel or any button for texts; numbers are read the same way.
#include <QString>
#include <initializer_list>
#include <string>

class QAbstractButton;
class QComboBox;
class QWidget;

namespace zeva {

class DatenAustausch {
public:
    // The prompts of the exchange, exactly as the user sees them.
    static const QString TextZahl;            // "Geben Sie eine Zahl ein."
    static const QString TextGanzzahl;        // "Geben Sie eine ganze Zahl ein."
    static const QString TextZahlBereich;     // "... zwischen %1 und %2 ein."
    static const QString TextGanzzahlBereich; // "... ganze Zahl zwischen %1 und %2 ein."
    static const QString TextZeichen;         // "Geben Sie nicht mehr als %1 Zeichen ein."

    DatenAustausch(QWidget* dialog, bool speichern);

    bool Speichern() const { return m_speichern; }
    bool Fehlgeschlagen() const { return m_fehlgeschlagen; }
    QWidget* Dialog() const { return m_dialog; }
    // The field of the failed check, else nullptr.
    QWidget* FehlerFeld() const { return m_fehlerFeld; }

    // Text; with maxZeichen >= 0 a longer text fails with TextZeichen, and a
    // line edit that passes stops taking typed text beyond the limit (a text
    // already longer is kept whole until it is shortened).
    void Text(QWidget* feld, QString& wert, int maxZeichen = -1);
    void Text(QWidget* feld, std::string& wert, int maxZeichen = -1); // UTF-8

    // Whole numbers; the forms with bounds check min <= wert <= max.
    void Ganzzahl(QWidget* feld, int& wert);
    void Ganzzahl(QWidget* feld, int& wert, int min, int max);
    void Ganzzahl(QWidget* feld, short& wert); // 16 bit
    void Ganzzahl(QWidget* feld, short& wert, short min, short max);

    // Numbers with a decimal comma.
    void Zahl(QWidget* feld, double& wert);
    void Zahl(QWidget* feld, double& wert, double min, double max);
    // A number the field shows rounded (`gezeigt`, the caller's text for
    // wert, e.g. a U-value's three decimals): a field left as shown keeps
    // the full value, so showing rounds nothing; a changed text is read and
    // checked as Zahl does.
    void GerundeteZahl(QWidget* feld, double& wert, const QString& gezeigt);
    void GerundeteZahl(QWidget* feld, double& wert, const QString& gezeigt, double min, double max);

    // Check box: 0 off, 1 on, 2 partly (tri-state boxes only).
    void Kontrollkaestchen(QAbstractButton* kasten, int& wert);
    void Kontrollkaestchen(QAbstractButton* kasten, bool& wert);

    // A group of radio buttons: the index of the checked one, −1 for none.
    void Optionsgruppe(std::initializer_list<QAbstractButton*> gruppe, int& index);

    // The selected entry of a list (−1 for none).
    void ListenIndex(QComboBox* liste, int& index);

    // Reports a failed check of a field the way the exchange does: the
    // message, then the focus on the field with its text selected; the run
    // counts as failed. For checks a dialog makes itself during a run.
    void Fehler(QWidget* feld, const QString& text);

private:
    bool Aktiv() const { return !m_fehlgeschlagen; }
    void GanzzahlBereich(QWidget* feld, long long& wert, long long typMin, long long typMax,
                         bool mitGrenzen, long long min, long long max);
    template <typename T>
    void GanzzahlVon(QWidget* feld, T& wert, bool mitGrenzen, long long min, long long max);
    void ZahlBereich(QWidget* feld, double& wert, bool mitGrenzen, double min, double max);
    void GerundeteZahlBereich(QWidget* feld, double& wert, const QString& gezeigt, bool mitGrenzen, double min,
                              double max);

    QWidget* m_dialog;
    bool m_speichern;
    bool m_fehlgeschlagen = false;
    QWidget* m_fehlerFeld = nullptr;
};

// The text a field shows and takes, for every field kind the exchange knows.
QString FeldText(const QWidget* feld);
void SetzeFeldText(QWidget* feld, const QString& text);

} // namespace zeva
