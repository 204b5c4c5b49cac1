#pragma once
// The one place where the program shows a message box. Every box goes through
// Meldung::Zeige, so that the German button texts, the caption and the icon
// rules hold everywhere, and so that a test can put a scripted responder in
// place of the real box (see SkriptMeldungen).
//
// Icon rules: a box asked for without an icon (Symbol::Vorgabe) gets the
// exclamation mark; a dialog's own input-check box asks for Symbol::Keins.
// The caption is the application's title "ZEVA" unless the caller names one.
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <memory>

namespace zeva {

class Meldung {
public:
    enum class Symbol {
        Vorgabe,     // nothing asked for: shown with the exclamation mark
        Keins,       // explicitly no icon
        Ausruf,      // exclamation mark
        Frage,       // question mark
        Stopp,       // stop sign (errors)
        Information, // "i"
    };

    // Everything a box shows; what a responder gets to answer.
    struct Anfrage {
        QString text;
        QString titel;                         // already resolved ("ZEVA" when none given)
        QMessageBox::StandardButtons knoepfe;  // never empty
        QMessageBox::StandardButton vorgabe = QMessageBox::NoButton; // the default button, if any
        Symbol symbol = Symbol::Ausruf;        // already resolved (never Vorgabe)
        QPointer<QWidget> eltern;
    };

    // Answers boxes in place of the user. Installed for tests; the program
    // itself runs without one and shows real boxes.
    class Beantworter {
    public:
        virtual ~Beantworter() = default;
        virtual QMessageBox::StandardButton Beantworte(const Anfrage& anfrage) = 0;
    };

    // Shows a box and returns the button the user chose. A default button
    // that is not among the buttons is ignored.
    static QMessageBox::StandardButton Zeige(const QString& text,
                                             QMessageBox::StandardButtons knoepfe = QMessageBox::Ok,
                                             Symbol symbol = Symbol::Vorgabe,
                                             QMessageBox::StandardButton vorgabe = QMessageBox::NoButton,
                                             QWidget* eltern = nullptr,
                                             const QString& titel = QString());

    // A message with the OK button.
    static void Hinweis(const QString& text, Symbol symbol = Symbol::Vorgabe, QWidget* eltern = nullptr,
                        const QString& titel = QString());

    // A Yes/No question; true for Yes. Without an icon the exclamation mark is
    // shown, as for every box called without one.
    static bool Frage(const QString& text, QMessageBox::StandardButton vorgabe = QMessageBox::Yes,
                      Symbol symbol = Symbol::Vorgabe, QWidget* eltern = nullptr,
                      const QString& titel = QString());

    // The caption of boxes that name none; "ZEVA" at start.
    static QString Titel();
    static void SetzeTitel(const QString& titel);

    // Installs a responder (nullptr: real boxes again); returns the previous one.
    static Beantworter* SetzeBeantworter(Beantworter* beantworter);

    // The German text of a standard button ("Ja", "Nein", "Abbrechen", "OK", ...).
    static QString KnopfText(QMessageBox::StandardButton knopf);

    // Builds, without showing it, the real box for an answered request; the
    // service runs it modally. Public so that the look can be checked.
    static std::unique_ptr<QMessageBox> ErzeugeBox(const Anfrage& anfrage);
};

} // namespace zeva
