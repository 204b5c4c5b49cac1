#pragma once
// What the component tables and the window table share: the document they
// write into, the frame's display and closing callback, the five line radios
// and the page buttons with their enabling, the input-check box without icon
// and the question before the existing building changes.
#include "ui/DatenDialog.h"

#include <array>
#include <functional>
#include <initializer_list>

class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zeva {

class CZEVADoc;
class Haus;
class Seitenknoepfe;
class VariantenAnzeige;

// Where a table dialog works: the document whose house it edits and whose
// modified flag it sets, the display the house asks before the existing
// building changes (may be null), and the frame's callback on OK and cancel
// (may be empty).
struct Tabellenumgebung {
    CZEVADoc* dokument = nullptr;
    VariantenAnzeige* anzeige = nullptr;
    std::function<void()> geschlossen;
};

class CTabellenDialog : public DatenDialog {
public:
    static constexpr int ZeilenProSeite = 5;

protected:
    CTabellenDialog(const Tabellenumgebung& umgebung, QWidget* parent);

    Haus& HausRef() const;
    const Tabellenumgebung& Umgebung() const { return m_umgebung; }

    QPushButton* Knopf(QWidget* eltern, const char* text, int id);
    // A right-aligned number field as wide as `ziffern` digits.
    QLineEdit* Zahlenfeld(int id, int ziffern);
    // Makes the page buttons (first page 1037, up 1036, down 1035, last page
    // 1038) and the buttons "&OK" 1, "Aus &DB..." 1118, "&Nach DB..." 1119,
    // "&Löschen" 1030 and "&Abbrechen" 2, and lays the table out with the
    // page buttons to its right and the buttons below; `vorne` (may be null)
    // stands before OK. The buttons call the handlers below.
    void BaueRahmen(QGridLayout* tabelle, QPushButton* vorne);

    // The handlers of the page and row buttons. Not pure: a focus change
    // while the widgets go after the derived part is gone must find
    // something to call.
    virtual void OnBlaettern(int) {} // 0 first page, 1 up, 2 down, 3 last page
    virtual void OnLoeschen() {}
    virtual void OnAusDB() {}
    virtual void OnNachDB() {}

    // Checks the radio of the current row when it is on the page and enables
    // the row buttons with it; enables the page buttons by the page's place.
    // The radios are captioned with the absolute row numbers.
    void AktualisiereZeilen(int ersteZeile, int aktuelleZeile, int zeilen, std::initializer_list<QPushButton*> zeilenKnoepfe);

    // An input check of the table: OK only, no icon.
    void Eingabefehler(const char* text);
    // Asks (when there are variants) whether they may go; false on No.
    bool BestandAendernErlaubt();
    void SetzeGeaendert();
    void MeldeGeschlossen();

    std::array<QRadioButton*, ZeilenProSeite> m_Radios{};
    Seitenknoepfe* m_Seiten = nullptr;
    QPushButton* m_AusDBButton = nullptr;
    QPushButton* m_NachDBButton = nullptr;
    QPushButton* m_LoeschenButton = nullptr;
    QPushButton* m_AbbrechenButton = nullptr;

private:
    Tabellenumgebung m_umgebung;
};

} // namespace zeva
