#include "platform/Datenbankort.h"

#include "platform/SqlDatabase.h"


#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <map>
#include <set>
#include <system_error>
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

bool SchreibeStand(const fs::path& kopie, const Vorlagenstand& stand)
{
    std::ofstream out(Standdatei(kopie), std::ios::trunc);
    out << stand.version << ' ' << stand.bauzeit << '\n';
    return static_cast<bool>(out.flush());
}

// Copies through a temporary name, so a copy cut short never passes for the
// user's data base at the next start.
void Kopiere(const fs::path& quelle, const fs::path& ziel)
{
    std::error_code ec;
    fs::create_directories(ziel.parent_path(), ec);
    if (ec)
        throw SqlError(ec.message() + " (" + ziel.parent_path().string() + ")");
    fs::path temp = ziel;
    temp += ".part";
    fs::copy_file(quelle, temp, fs::copy_options::overwrite_existing, ec);
    if (!ec) {
        // The copy of a write-protected template is write-protected too.
        fs::permissions(temp, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
        if (!ec)
            fs::rename(temp, ziel, ec);
    }
    if (ec) {
        const std::string text = ec.message() + " (" + ziel.string() + ")";
        fs::remove(temp, ec);
        throw SqlError(text);
    }
}

// "Bestand2000.db" -> "Bestand2000.bis-2026-12-11-0950.db": the old copy while
// its successor is being made.
fs::path DatierterName(const fs::path& kopie)
{
    const std::time_t jetzt = std::time(nullptr);
    std::tm zeit{};
    localtime_r(&jetzt, &zeit);
    char datum[32];
    std::strftime(datum, sizeof datum, "%Y-%m-%d-%H%M%S", &zeit);
    return kopie.parent_path() / (kopie.stem().string() + ".bis-" + datum + kopie.extension().string());
}

// Makes a fresh copy of the template beside the old copy, carries the user's
// rows over and only then puts it in the old copy's place. The old copy is
// kept under a dated name until the new one is complete.
void Erneuere(const fs::path& vorlage, const fs::path& kopie, const Vorlagenstand& stand)
{
    fs::path neu = kopie;
    neu += ".neu";
    const fs::path gesichert = DatierterName(kopie);
    std::error_code ec;
    try {
        Kopiere(kopie, gesichert);
        Kopiere(vorlage, neu);
        UebernimmBenutzerzeilen(kopie, neu);
        fs::rename(neu, kopie, ec);
        if (ec)
            throw SqlError(ec.message() + " (" + kopie.string() + ")");
    } catch (...) {
        fs::remove(neu, ec);
        fs::remove(gesichert, ec);
        throw;
    }
    SchreibeStand(kopie, stand);
    fs::remove(gesichert, ec);
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

void UebernimmBenutzerzeilen(const fs::path& alt, const fs::path& neu)
{
    SqlDatabase db;
    db.Open(neu);
    db.Execute("ATTACH DATABASE ? AS alt", {alt.string()});
    {
        SqlTransaction transaktion(db);
        const auto neueTabellen = Tabellen(db, "main");
        const auto alteTabellen = Tabellen(db, "alt");
        for (const auto& [name, tabelle] : neueTabellen) {
            const auto alte = alteTabellen.find(name);
            if (alte == alteTabellen.end() || !Hat(tabelle, "Kategorie") || !Hat(alte->second, "Kategorie"))
                continue;
            const auto schluessel = KopiereZeilen(db, name, tabelle, alte->second, "[Kategorie] = 0", {}, {}, {});
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
                KopiereZeilen(db, abhName, abh, alteAbh->second, bedingung, werte, tabelle.schluessel, schluessel);
            }
        }
        transaktion.Commit();
    }
    db.Execute("DETACH DATABASE alt");
}

fs::path Datenbankdatei(const Datenbankort& ort, const std::string& dateiname, std::string* fehler)
{
    if (fehler != nullptr)
        fehler->clear();
    const fs::path vorlage = ort.programmOrdner / "DB" / dateiname;
    if (ort.benutzerOrdner.empty())
        return vorlage;
    std::error_code ec;
    const bool vorlageDa = fs::is_regular_file(vorlage, ec);
    const fs::path kopie = ort.benutzerOrdner / "DB" / dateiname;
    const bool kopieDa = fs::is_regular_file(kopie, ec);
    if (!vorlageDa)
        return kopieDa ? kopie : vorlage;

    const Vorlagenstand stand = StandDerVorlage(vorlage);
    try {
        if (!kopieDa) {
            Kopiere(vorlage, kopie);
            SchreibeStand(kopie, stand);
            return kopie;
        }
        // A copy without its note (made before the notes were kept) is
        // renewed once: carrying the user's rows over loses nothing.
        Vorlagenstand gemacht;
        if (!LeseStand(kopie, gemacht) || IstNeuer(stand, gemacht))
            Erneuere(vorlage, kopie, stand);
        return kopie;
    } catch (const SqlError& e) {
        if (fehler != nullptr)
            *fehler = e.Meldung();
        return kopieDa ? kopie : vorlage;
    }
}

} // namespace zeva
