#pragma once
// The file dialogs of the program go through this service, so that a test
// can put a scripted chooser in place of the real dialog (a modal dialog
// would block the test), as the message service does for message boxes.
#include <QString>
#include <QStringList>

class QWidget;

namespace zeva {

class Dateiauswahl {
public:
    class Waehler {
    public:
        virtual ~Waehler() = default;
        // A path, or an empty text when the user cancels.
        virtual QString Oeffnen(QWidget* eltern, const QStringList& filter) = 0;
        virtual QString Speichern(QWidget* eltern, const QString& vorschlag, const QStringList& filter) = 0;
    };

    // The file-open dialog: the file must exist.
    static QString Oeffnen(QWidget* eltern, const QStringList& filter);
    // The save dialog: proposes `vorschlag` (opening in its folder when it
    // has one, else in the current folder), adds the default suffix
    // (".vza" for projects) to a name without extension and asks before it
    // overwrites a file.
    static QString Speichern(QWidget* eltern, const QString& vorschlag, const QStringList& filter,
                             const QString& endung = QStringLiteral("vza"));

    // Installs a chooser (nullptr: the real dialogs); returns the previous one.
    static Waehler* SetzeWaehler(Waehler* waehler);

    // The filters of the open and the save dialog.
    static QStringList OeffnenFilter();
    static QStringList SpeichernFilter();
};

} // namespace zeva
