#pragma once
// The print dialogs of the program and the start of every print and picture
// go through this service: one dialog with the same choices everywhere
// (printing to a PDF file always offered, as a desktop without a printer
// prints that way), and one German message when the output cannot start or
// a picture cannot be written, so that no output command fails without a
// word. A test can put a scripted chooser in place of the real dialog, as
// the file dialogs allow.
#include <QAbstractPrintDialog>
#include <QString>

class QPainter;
class QPaintDevice;
class QPrinter;
class QWidget;

namespace zeva {

class Druckauswahl {
public:
    static constexpr const char* MeldungDruck = "Der Druck konnte nicht gestartet werden.";
    static constexpr const char* MeldungBild = "Das Bild konnte nicht gespeichert werden:\n%1\n%2";

    class Waehler {
    public:
        virtual ~Waehler() = default;
        // The choice of the dialog: sets up the printer and returns true to
        // print, false when the user cancels. `optionen` are the dialog's
        // options as the real dialog would get them.
        virtual bool Waehle(QPrinter& drucker, QWidget* eltern, QAbstractPrintDialog::PrintDialogOptions optionen) = 0;
    };

    // The program's one printer: the page set-up edits it, and every print
    // and print preview goes to it, so paper and orientation chosen once
    // reach every output.
    static QPrinter& Drucker();
    // "Druckereinrichtung…": the page set-up dialog on that printer.
    static void Seiteneinrichtung(QWidget* eltern);

    // The options of every print dialog: printing to a file, no selection,
    // no page range, no current page.
    static QAbstractPrintDialog::PrintDialogOptions Optionen();
    // Asks for the printer; true when the user chose to print.
    static bool Frage(QPrinter& drucker, QWidget* eltern);
    // Starts painting on the device; when it cannot start, the user is told
    // so and the answer is false.
    static bool Beginne(QPainter& maler, QPaintDevice* geraet, QWidget* eltern);
    // Tells the user that the picture `datei` could not be written, with the
    // reason.
    static void MeldeBildfehler(const QString& datei, const QString& grund, QWidget* eltern);

    // Installs a chooser (nullptr: the real dialog); returns the previous one.
    static Waehler* SetzeWaehler(Waehler* waehler);
};

} // namespace zeva
