#pragma once
// The link scheme of the start page and the between page: every link that
// begins with "zeva:///" is a command of the program or the path of a
// project, never a place the browser goes to. This file holds the pure part
// (what a link means, how a recent project becomes a list entry), so it can
// be checked without any window.
#include <QString>
#include <QStringList>
#include <variant>

namespace zeva {

inline constexpr const char* ZevaSchema = "zeva:///";

// What a "zeva:///" link asks for.
struct LinkBefehl {
    int id; // a command id (Befehl) or WM_FLAECHENANSICHT for the areas page
};
struct LinkDatei {
    QString pfad; // the decoded project path
};
struct LinkUngueltig {}; // a path that cannot be decoded: nothing happens

using LinkZiel = std::variant<LinkBefehl, LinkDatei, LinkUngueltig>;

// The longest project path a link may carry (the file system's limit).
inline constexpr int MaxPfadLaenge = 4096;

// True when the link text starts with the scheme exactly (case-sensitive).
bool IstZevaLink(const QString& link);

// Meaning of a link text that starts with "zeva:///" (as the browser passes
// it, percent-encoded). A fragment after the first "#" is compared exactly:
// "new", "open", "auto-san", "manu-san", "eingabe", "grafik", "report" are
// commands; any other fragment, also an empty one, opens the areas page.
// Without "#" the rest is a percent-encoded project path.
LinkZiel DeuteZevaLink(const QString& link);

// The command a fragment names (WM_FLAECHENANSICHT for anything else).
int BefehlFuerFragment(const QString& fragment);

// The status-bar text for a link: "zeva:///" dropped and the rest decoded
// (the plain path of a project, "#new" for a command); other links as given.
QString StatusTextFuerLink(const QString& link);

// One entry of the recent-project list, index i from 0:
//   <li class="odd"><a accesskey="i" href="zeva:///<path>" title="<display
//   form>"><file name without extension></a></li>
// The path is percent-encoded whole (also "/", "#", "%" and blanks), so a
// project named "a#b" or "100%.vza" opens as itself; title and text are
// HTML-escaped. Entries 0, 2, 4 … of a non-empty path carry class "odd".
QString RecentEintrag(int i, const QString& pfad);
QString RecentListe(const QStringList& pfade);

// Puts the entries into the page at the list "mru-list" (its marker
// comment); a page without the marker is returned unchanged.
QString FuelleRecentListe(const QString& seite, const QStringList& pfade);
inline constexpr const char* RecentMarke = "<!--mru-list-->";

} // namespace zeva
