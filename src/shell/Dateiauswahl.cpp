#include "shell/Dateiauswahl.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>

namespace zeva {

namespace {
Dateiauswahl::Waehler*& Aktuell()
{
    static Dateiauswahl::Waehler* waehler = nullptr;
    return waehler;
}
} // namespace

QStringList Dateiauswahl::OeffnenFilter()
{
    // The XML form first, the older binary form second.
    return {QStringLiteral("Vyk-ZEVA Dokument (*.vza)"), QStringLiteral("ZEVA Dokument (*.zva)"),
            QStringLiteral("Alle Dateien (*.*)")};
}

QStringList Dateiauswahl::SpeichernFilter()
{
    return {QStringLiteral("Vyk-ZEVA Dokument (*.vza)"), QStringLiteral("Alle Dateien (*.*)")};
}

Dateiauswahl::Waehler* Dateiauswahl::SetzeWaehler(Waehler* waehler)
{
    Waehler* vorher = Aktuell();
    Aktuell() = waehler;
    return vorher;
}

QString Dateiauswahl::Oeffnen(QWidget* eltern, const QStringList& filter)
{
    if (Waehler* w = Aktuell())
        return w->Oeffnen(eltern, filter);
    QFileDialog dialog(eltern);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filter);
    dialog.setDirectory(QDir::currentPath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString Dateiauswahl::Speichern(QWidget* eltern, const QString& vorschlag, const QStringList& filter,
                                const QString& endung)
{
    if (Waehler* w = Aktuell())
        return w->Speichern(eltern, vorschlag, filter);
    QFileDialog dialog(eltern);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filter);
    dialog.setDefaultSuffix(endung);
    // A proposal with its folder opens there; a bare name in the folder the
    // program works in.
    const QFileInfo info(vorschlag);
    dialog.setDirectory(info.isAbsolute() ? info.absolutePath() : QDir::currentPath());
    dialog.selectFile(info.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace zeva
