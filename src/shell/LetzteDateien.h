#pragma once
// The list of the projects opened or saved last: at most ten paths, the most
// recent first, a path that comes again moves to the top. It lives in the
// profile (section "Recent File List", entries "File1" … "File10") and is
// written at once whenever it changes, so a crash loses nothing.
#include <QString>
#include <QStringList>

class QSettings;

namespace zeva {

class LetzteDateien {
public:
    static constexpr int MaxEintraege = 10;
    static constexpr const char* Abschnitt = "Recent File List";

    // Reads the list from the profile.
    LetzteDateien();

    // Puts a path on top (made absolute and clean; an empty path is ignored)
    // and writes the list.
    void Hinzufuegen(const QString& pfad);
    // Removes a path and writes the list.
    void Entfernen(const QString& pfad);

    const QStringList& Pfade() const { return m_pfade; }
    int Anzahl() const { return static_cast<int>(m_pfade.size()); }
    bool IstLeer() const { return m_pfade.isEmpty(); }

    // How a path is shown to people: a path in the home folder starts with
    // "~", and a path too long for a menu keeps its first folder and its
    // file name with "…" between them. The file name is always shown whole.
    static QString Anzeigeform(const QString& pfad, int maxLaenge = 60);

    // Reads the list again from the profile (another window wrote it).
    void Lade();

private:
    void Schreibe() const;

    QStringList m_pfade;
};

} // namespace zeva
