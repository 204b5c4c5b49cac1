#include "platform/Datenbankort.h"

#include "platform/SqlDatabase.h"
#include "platform/SqlStatement.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <system_error>
#include <thread>
#include <vector>

namespace zeva {

namespace fs = std::filesystem;

namespace {

long long AlsZahl(const SqlValue& wert)
{
    if (const auto* i = std::get_if<long long>(&wert))
        return *i;
    if (const auto* d = std::get_if<double>(&wert))
        return static_cast<long long>(*d);
    return 0;
}

std::string AlsText(const SqlValue& wert)
{
    const auto* s = std::get_if<std::string>(&wert);
    return s != nullptr ? *s : std::string();
}

struct Tabelle {
    std::vector<std::string> spalten;
    std::string schluessel; // the INTEGER PRIMARY KEY column, empty without one
};

// The tables of one schema ("main" or "alt") by name.
std::map<std::string, Tabelle> Tabellen(SqlDatabase& db, const std::string& schema)
{
    std::map<std::string, Tabelle> tabellen;
    for (const auto& name :
         db.Query("SELECT name FROM " + schema + ".sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'")) {
        Tabelle& t = tabellen[AlsText(name[0])];
        // table_info: cid, name, type, notnull, dflt_value, pk
        const auto spalten = db.Query("PRAGMA " + schema + ".table_info(" + SqlName(AlsText(name[0])) + ")");
        int schluesselteile = 0;
        for (const auto& s : spalten) {
            t.spalten.push_back(AlsText(s[1]));
            if (AlsZahl(s[5]) > 0) {
                ++schluesselteile;
                t.schluessel = AlsText(s[1]);
            }
        }
        if (schluesselteile != 1)
            t.schluessel.clear();
    }
    return tabellen;
}

std::string Liste(const std::vector<std::string>& namen)
{
    std::string text;
    for (const auto& n : namen)
        text += (text.empty() ? "" : ", ") + SqlName(n);
    return text;
}

bool Hat(const Tabelle& t, const std::string& spalte)
{
    return std::find(t.spalten.begin(), t.spalten.end(), spalte) != t.spalten.end();
}

// Copies rows of alt.<name> into main.<name>: the key is kept where free and
// otherwise the next free one; `verweis` (a column referring to another
// table's key) is translated through `neueSchluessel`. Returns old key -> new key.
std::map<long long, long long> KopiereZeilen(SqlDatabase& db, const std::string& name, const Tabelle& neu,
                                             const Tabelle& alt, const std::string& bedingung,
                                             const std::vector<SqlValue>& werte, const std::string& verweis,
                                             const std::map<long long, long long>& neueSchluessel)
{
    std::vector<std::string> spalten;
    for (const auto& s : neu.spalten)
        if (Hat(alt, s))
            spalten.push_back(s);
    std::map<long long, long long> zuordnung;
    if (spalten.empty())
        return zuordnung;
    const auto schluesselSpalte = std::find(spalten.begin(), spalten.end(), neu.schluessel);
    const auto verweisSpalte = std::find(spalten.begin(), spalten.end(), verweis);

    std::string marker;
    for (std::size_t i = 0; i < spalten.size(); ++i)
        marker += i == 0 ? "?" : ", ?";
    const std::string einfuegen =
        "INSERT INTO main." + SqlName(name) + " (" + Liste(spalten) + ") VALUES (" + marker + ")";
    std::string lesen = "SELECT " + Liste(spalten) + " FROM alt." + SqlName(name) + " WHERE " + bedingung;
    if (!neu.schluessel.empty() && Hat(alt, neu.schluessel))
        lesen += " ORDER BY " + SqlName(neu.schluessel);

    for (auto zeile : db.Query(lesen, werte)) {
        if (verweisSpalte != spalten.end()) {
            auto& wert = zeile[static_cast<std::size_t>(verweisSpalte - spalten.begin())];
            const auto it = neueSchluessel.find(AlsZahl(wert));
            if (it != neueSchluessel.end())
                wert = it->second;
        }
        if (schluesselSpalte != spalten.end()) {
            auto& wert = zeile[static_cast<std::size_t>(schluesselSpalte - spalten.begin())];
            const long long alterSchluessel = AlsZahl(wert);
            const bool belegt =
                !db.Query("SELECT 1 FROM main." + SqlName(name) + " WHERE " + SqlName(neu.schluessel) + " = ?",
                          {alterSchluessel})
                     .empty();
            const long long neuerSchluessel = belegt ? db.NextKey(name, neu.schluessel) : alterSchluessel;
            wert = neuerSchluessel;
            zuordnung[alterSchluessel] = neuerSchluessel;
        }
        db.Execute(einfuegen, zeile);
    }
    return zuordnung;
}

std::string Bedingung(const std::string& spalte, const std::map<long long, long long>& schluessel,
                      std::vector<SqlValue>& werte)
{
    std::string in;
    for (const auto& [alt, neu] : schluessel) {
        in += in.empty() ? "?" : ", ?";
        werte.emplace_back(alt);
    }
    return SqlName(spalte) + " IN (" + in + ")";
}

// A failure of one step, with the system's reason only: the sentence the
// user reads names the real file itself, never a temporary one.
class Fehlschlag : public std::runtime_error {
public:
    explicit Fehlschlag(const std::error_code& ec) : std::runtime_error(ec.message()) {}
};

// The reason of a failure for the user's sentence. SqlDatabase adds the file
// it opened in brackets; that may be a temporary one, so it goes.
std::string Grund(const std::exception& e)
{
    std::string text = e.what();
    const auto klammer = text.rfind(" (");
    if (klammer != std::string::npos && !text.empty() && text.back() == ')' &&
        fs::path(text.substr(klammer + 2, text.size() - klammer - 3)).has_root_directory())
        text.erase(klammer);
    return text;
}

// "<name>-<process id>": the temporary names of two programs never meet.
fs::path MitProzess(const fs::path& datei, const char* zusatz)
{
    fs::path p = datei;
    p += std::string(zusatz) + "-" + std::to_string(::getpid());
    return p;
}

// "file:/pfad/zu%20mir.db?mode=ro": the file for reading only, as ATTACH
// takes it.
std::string NurLesenUri(const fs::path& datei)
{
    std::string uri = "file:";
    static const char* const hex = "0123456789ABCDEF";
    for (const unsigned char c : datei.string()) {
        if (std::isalnum(c) != 0 || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 0xF];
        }
    }
    return uri + "?mode=ro";
}

fs::path Standdatei(const fs::path& kopie)
{
    fs::path p = kopie;
    p += ".vorlage";
    return p;
}

bool LeseStand(const fs::path& kopie, Vorlagenstand& stand)
{
    std::ifstream in(Standdatei(kopie));
    return static_cast<bool>(in >> stand.version >> stand.bauzeit);
}

// Written beside and renamed, so the note is never seen half-written. A
// note that cannot be written is no failure: without it the copy is renewed
// once more at the next start, which keeps every row.
void SchreibeStand(const fs::path& kopie, const Vorlagenstand& stand)
{
    const fs::path temp = MitProzess(Standdatei(kopie), ".neu");
    bool geschrieben = false;
    {
        std::ofstream out(temp, std::ios::trunc);
        out << stand.version << ' ' << stand.bauzeit << '\n';
        geschrieben = static_cast<bool>(out.flush());
    }
    std::error_code ec;
    if (geschrieben)
        fs::rename(temp, Standdatei(kopie), ec);
    if (!geschrieben || ec)
        fs::remove(temp, ec);
}

// Copies through a temporary name, so a copy cut short never passes for the
// user's data base at the next start.
void Kopiere(const fs::path& quelle, const fs::path& ziel)
{
    const fs::path temp = MitProzess(ziel, ".part");
    std::error_code ec;
    fs::copy_file(quelle, temp, fs::copy_options::overwrite_existing, ec);
    if (!ec) {
        // The copy of a write-protected template is write-protected too.
        fs::permissions(temp, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
        if (!ec)
            fs::rename(temp, ziel, ec);
    }
    if (ec) {
        std::error_code egal;
        fs::remove(temp, egal);
        throw Fehlschlag(ec);
    }
}

// "Bestand2000.db" -> "Bestand2000.<art>-2026-12-11-095012.db".
fs::path DatierterName(const fs::path& kopie, const char* art)
{
    const std::time_t jetzt = std::time(nullptr);
    std::tm zeit{};
    localtime_r(&jetzt, &zeit);
    char datum[32];
    std::strftime(datum, sizeof datum, "%Y-%m-%d-%H%M%S", &zeit);
    return kopie.parent_path() / (kopie.stem().string() + "." + art + "-" + datum + kopie.extension().string());
}

// The exclusive lock of one copy: a lock file beside it ("<copy>.sperre"),
// locked with flock, so it is released when the process ends in any way.
// The file stays; removing it would let a third program lock a new file
// while the second still waits on the old one.
class Sperre {
public:
    Sperre(const fs::path& kopie, std::chrono::milliseconds frist)
    {
        fs::path datei = kopie;
        datei += ".sperre";
        m_fd = ::open(datei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (m_fd < 0) {
            m_grund = std::error_code(errno, std::generic_category()).message();
            return;
        }
        const auto ende = std::chrono::steady_clock::now() + frist;
        for (;;) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
                m_gehalten = true;
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR) {
                m_grund = std::error_code(errno, std::generic_category()).message();
                return;
            }
            if (std::chrono::steady_clock::now() >= ende) {
                m_besetzt = true;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;
    // Closing the file releases the lock.
    ~Sperre()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool Gehalten() const { return m_gehalten; }
    // Another program held it for the whole wait.
    bool Besetzt() const { return m_besetzt; }
    // Why the lock file could not be made or locked.
    const std::string& Grund() const { return m_grund; }

private:
    int m_fd = -1;
    bool m_gehalten = false;
    bool m_besetzt = false;
    std::string m_grund;
};

// Makes a fresh copy of the template beside the old copy, carries the user's
// rows over and only then puts it in the old copy's place. The old copy is
// kept under a dated name until the new one is in place; while the renewal
// fails, the old copy itself is still in place, so its dated twin goes.
// The caller holds the lock.
void Erneuere(const fs::path& vorlage, const fs::path& kopie, const Vorlagenstand& stand)
{
    const fs::path neu = MitProzess(kopie, ".neu");
    const fs::path gesichert = DatierterName(kopie, "bis");
    std::error_code ec;
    try {
        Kopiere(kopie, gesichert);
        Kopiere(vorlage, neu);
        UebernimmBenutzerzeilen(kopie, neu);
        fs::rename(neu, kopie, ec);
        if (ec)
            throw Fehlschlag(ec);
    } catch (...) {
        fs::remove(neu, ec);
        fs::remove(gesichert, ec);
        throw;
    }
    // The new copy is in place with the user's rows: the dated one is no
    // longer the only copy of them.
    SchreibeStand(kopie, stand);
    fs::remove(gesichert, ec);
}

// Why the copy is damaged, or empty when it is sound. Only damage counts:
// a copy that is merely busy or unreadable now is left alone (opening it
// reports why).
std::string Schaden(const fs::path& kopie)
{
    sqlite3* roh = nullptr;
    const int offen = sqlite3_open_v2(kopie.c_str(), &roh, SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(roh, sqlite3_close_v2);
    if (offen != SQLITE_OK)
        return {};
    sqlite3_busy_timeout(db.get(), 5000);
    std::string ergebnis;
    char* fehler = nullptr;
    const int rc = sqlite3_exec(
        db.get(), "PRAGMA quick_check",
        [](void* ziel, int, char** werte, char**) {
            auto& text = *static_cast<std::string*>(ziel);
            if (text.empty() && werte[0] != nullptr)
                text = werte[0];
            return 0;
        },
        &ergebnis, &fehler);
    const std::string meldung = fehler != nullptr ? fehler : sqlite3_errmsg(db.get());
    sqlite3_free(fehler);
    if ((rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB)
        return meldung;
    if (rc != SQLITE_OK)
        return {};
    if (ergebnis != "ok")
        return ergebnis;
    // A file cut to nothing opens as an empty data base: it holds no table.
    try {
        SqlStatement satz(db.get(), "SELECT count(*) FROM sqlite_master");
        if (satz.Step() && satz.ColumnInt64(0) == 0)
            return "die Datei enthält keine Tabellen";
    } catch (const SqlError&) {
        // Unreadable now is no damage: opening it reports why.
    }
    return {};
}

std::string Anfuehrung(const fs::path& datei)
{
    return "\u201E" + datei.string() + "\u201C";
}

std::string NurLesenSatz(const fs::path& vorlage)
{
    return " Die mitgelieferte Datenbank " + Anfuehrung(vorlage) +
           " wird nur gelesen; eigene Einträge können nicht gespeichert werden.";
}

Datenbankwahl NurDieVorlage(const fs::path& vorlage, const fs::path& ordner, const std::string& grund)
{
    return {vorlage, true,
            "Im Ordner " + Anfuehrung(ordner) + " kann keine Kopie der Datenbank " +
                vorlage.filename().string() + " angelegt werden (" + grund + ")." + NurLesenSatz(vorlage) +
                " Der nächste Start versucht es erneut."};
}

// The old copy stays in use when it cannot be renewed.
Datenbankwahl NichtErneuert(const fs::path& kopie, const std::string& grund)
{
    return {kopie, false,
            "Die Datenbank " + Anfuehrung(kopie) + " konnte nicht aktualisiert werden (" + grund +
                "). Die bisherige Kopie mit Ihren eigenen Einträgen bleibt in Gebrauch; der nächste Start "
                "versucht es erneut."};
}

// Sets a damaged copy aside and puts a fresh copy of the template with the
// user's readable rows in its place. The caller holds the lock.
Datenbankwahl Ersetze(const fs::path& vorlage, const fs::path& kopie, const Vorlagenstand& stand,
                      const std::string& schaden)
{
    const fs::path neu = MitProzess(kopie, ".neu");
    const fs::path beiseite = DatierterName(kopie, "beschaedigt");
    const std::string anfang =
        "Die Datenbank " + Anfuehrung(kopie) + " ist beschädigt (" + schaden + ")";
    std::error_code ec;
    try {
        Kopiere(vorlage, neu);
        try {
            UebernimmBenutzerzeilen(kopie, neu, true);
        } catch (const SqlError&) {
            // Not even the list of its tables can be read: there is nothing
            // to carry, and nothing has been written to the fresh copy.
        }
        fs::rename(kopie, beiseite, ec);
        if (ec)
            throw Fehlschlag(ec);
        fs::rename(neu, kopie, ec);
        if (ec) {
            const Fehlschlag grund(ec);
            fs::rename(beiseite, kopie, ec);
            throw grund;
        }
    } catch (const std::exception& e) {
        fs::remove(neu, ec);
        return {vorlage, true,
                anfang + " und konnte nicht ersetzt werden (" + Grund(e) + "); sie bleibt unverändert liegen." +
                    NurLesenSatz(vorlage) + " Der nächste Start versucht es erneut."};
    }
    SchreibeStand(kopie, stand);
    return {kopie, false,
            anfang + ". Sie wurde als " + Anfuehrung(beiseite) +
                " beiseitegelegt und durch eine neue Kopie der mitgelieferten Datenbank ersetzt; die eigenen "
                "Einträge, die sich aus ihr noch lesen ließen, wurden übernommen."};
}

} // namespace

Vorlagenstand StandDerVorlage(const fs::path& vorlage)
{
    Vorlagenstand stand;
    std::error_code ec;
    const auto zeit = fs::last_write_time(vorlage, ec);
    if (!ec)
        stand.bauzeit = std::chrono::duration_cast<std::chrono::nanoseconds>(zeit.time_since_epoch()).count();
    try {
        SqlDatabase db;
        db.Open(vorlage, true);
        if (!db.Query("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Versionsnummer'").empty()) {
            const auto zeilen = db.Query("SELECT MAX([Version-Nr]) FROM [Versionsnummer]");
            if (!zeilen.empty() && !std::holds_alternative<std::monostate>(zeilen[0][0]))
                stand.version = AlsZahl(zeilen[0][0]);
        }
    } catch (const SqlError&) {
        // A template that cannot be read has no version; opening it reports why.
    }
    return stand;
}

bool IstNeuer(const Vorlagenstand& vorlage, const Vorlagenstand& kopie)
{
    if (vorlage.version >= 0 && kopie.version >= 0 && vorlage.version != kopie.version)
        return vorlage.version > kopie.version;
    return vorlage.bauzeit > kopie.bauzeit;
}

void UebernimmBenutzerzeilen(const fs::path& alt, const fs::path& neu, bool nurLesbare)
{
    SqlDatabase db;
    db.Open(neu);
    // Read only: nothing of the old copy is written, not even when it is
    // damaged or empty.
    db.Execute("ATTACH DATABASE ? AS alt", {NurLesenUri(alt)});
    // In a damaged data base each table is carried in a transaction of its
    // own: what cannot be read is undone and the rest goes on (an error of a
    // damaged file may end the whole transaction).
    const auto Teil = [&](const std::function<void()>& arbeit) {
        if (!nurLesbare) {
            arbeit();
            return true;
        }
        try {
            SqlTransaction transaktion(db);
            arbeit();
            transaktion.Commit();
        } catch (const SqlError&) {
            db.Rollback();
            return false;
        }
        return true;
    };
    {
        std::optional<SqlTransaction> ganz;
        if (!nurLesbare)
            ganz.emplace(db);
        const auto neueTabellen = Tabellen(db, "main");
        const auto alteTabellen = Tabellen(db, "alt");
        for (const auto& [name, tabelle] : neueTabellen) {
            const auto alte = alteTabellen.find(name);
            if (alte == alteTabellen.end() || !Hat(tabelle, "Kategorie") || !Hat(alte->second, "Kategorie"))
                continue;
            std::map<long long, long long> schluessel;
            if (!Teil([&] {
                    schluessel = KopiereZeilen(db, name, tabelle, alte->second, "[Kategorie] = 0", {}, {}, {});
                }))
                continue;
            if (schluessel.empty() || tabelle.schluessel.empty())
                continue;
            // The rows that belong to the user's rows: the layers of a build-up.
            for (const auto& [abhName, abh] : neueTabellen) {
                const auto alteAbh = alteTabellen.find(abhName);
                if (abhName == name || alteAbh == alteTabellen.end() || abh.schluessel == tabelle.schluessel ||
                    !Hat(abh, tabelle.schluessel) || !Hat(alteAbh->second, tabelle.schluessel))
                    continue;
                std::vector<SqlValue> werte;
                const std::string bedingung = Bedingung(tabelle.schluessel, schluessel, werte);
                Teil([&] {
                    KopiereZeilen(db, abhName, abh, alteAbh->second, bedingung, werte, tabelle.schluessel,
                                  schluessel);
                });
            }
        }
        if (ganz)
            ganz->Commit();
    }
    db.Execute("DETACH DATABASE alt");
}

Datenbankwahl Datenbankdatei(const Datenbankort& ort, const std::string& dateiname)
{
    const fs::path vorlage = ort.programmOrdner / "DB" / dateiname;
    std::error_code ec;
    const bool vorlageDa = fs::is_regular_file(vorlage, ec);
    if (ort.benutzerOrdner.empty()) {
        if (!vorlageDa)
            return {vorlage, true, {}};
        return {vorlage, true,
                "Für Ihre eigenen Einträge ist kein Datenordner bekannt, so dass keine Kopie der Datenbank " +
                    vorlage.filename().string() + " angelegt werden kann." + NurLesenSatz(vorlage)};
    }
    const fs::path ordner = ort.benutzerOrdner / "DB";
    const fs::path kopie = ordner / dateiname;
    if (!vorlageDa) {
        if (fs::is_regular_file(kopie, ec))
            return {kopie, false, {}};
        return {vorlage, true, {}};
    }

    fs::create_directories(ordner, ec);
    if (ec)
        return NurDieVorlage(vorlage, ordner, ec.message());
    // Everything from here to the renamed copy runs under the lock, and every
    // look at the copy and its note is taken once the lock is held: a second
    // program finds the copy the first one made or renewed and uses it.
    const Sperre sperre(kopie, ort.sperrfrist);
    const bool kopieDa = fs::is_regular_file(kopie, ec);
    if (!sperre.Gehalten()) {
        if (kopieDa) {
            if (sperre.Besetzt())
                return {kopie, false, {}};
            Vorlagenstand gemacht;
            if (LeseStand(kopie, gemacht) && !IstNeuer(StandDerVorlage(vorlage), gemacht))
                return {kopie, false, {}};
            return NichtErneuert(kopie, sperre.Grund());
        }
        return NurDieVorlage(vorlage, ordner,
                             sperre.Besetzt() ? "ein anderes Programm legt sie gerade an" : sperre.Grund());
    }

    const Vorlagenstand stand = StandDerVorlage(vorlage);
    if (!kopieDa) {
        try {
            Kopiere(vorlage, kopie);
        } catch (const Fehlschlag& e) {
            return NurDieVorlage(vorlage, ordner, Grund(e));
        }
        SchreibeStand(kopie, stand);
        return {kopie, false, {}};
    }
    const std::string schaden = Schaden(kopie);
    if (!schaden.empty())
        return Ersetze(vorlage, kopie, stand, schaden);
    // A copy without its note (made before the notes were kept) is
    // renewed once: carrying the user's rows over loses nothing.
    Vorlagenstand gemacht;
    if (!LeseStand(kopie, gemacht) || IstNeuer(stand, gemacht)) {
        try {
            Erneuere(vorlage, kopie, stand);
        } catch (const std::exception& e) {
            return NichtErneuert(kopie, Grund(e));
        }
    }
    return {kopie, false, {}};
}

} // namespace zeva
