#include "shell/Druckauswahl.h"

#include "platform/Meldung.h"

#include <QDir>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace zeva {

namespace {
Druckauswahl::Waehler*& Aktuell()
{
    static Druckauswahl::Waehler* waehler = nullptr;
    return waehler;
}
} // namespace

Druckauswahl::Waehler* Druckauswahl::SetzeWaehler(Waehler* waehler)
{
    Waehler* vorher = Aktuell();
    Aktuell() = waehler;
    return vorher;
}

QPrinter& Druckauswahl::Drucker()
{
    static QPrinter drucker(QPrinter::HighResolution);
    return drucker;
}

void Druckauswahl::Seiteneinrichtung(QWidget* eltern)
{
    QPageSetupDialog dialog(&Drucker(), eltern);
    dialog.exec();
}

QAbstractPrintDialog::PrintDialogOptions Druckauswahl::Optionen()
{
    // Printing to a file is what puts "Print to File (PDF)" among the
    // printers of the dialog; without it a machine without a printer has
    // nothing to choose.
    return QAbstractPrintDialog::PrintToFile;
}

bool Druckauswahl::Frage(QPrinter& drucker, QWidget* eltern)
{
    if (Waehler* w = Aktuell())
        return w->Waehle(drucker, eltern, Optionen());
    QPrintDialog dialog(&drucker, eltern);
    dialog.setOptions(Optionen());
    return dialog.exec() == QDialog::Accepted;
}

bool Druckauswahl::Beginne(QPainter& maler, QPaintDevice* geraet, QWidget* eltern)
{
    if (geraet && maler.begin(geraet))
        return true;
    Meldung::Hinweis(QString::fromUtf8(MeldungDruck), Meldung::Symbol::Stopp, eltern);
    return false;
}

void Druckauswahl::MeldeBildfehler(const QString& datei, const QString& grund, QWidget* eltern)
{
    Meldung::Hinweis(QString::fromUtf8(MeldungBild).arg(QDir::toNativeSeparators(datei), grund), Meldung::Symbol::Stopp,
                     eltern);
}

} // namespace zeva
