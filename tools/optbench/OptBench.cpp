// Benchmark of the optimiser's search: a synthetic renovation-measure data
// base of the shipped schema with lists of 8, 6, 5, 8, 6, 10 and 8 entries
// (921 600 combinations), run on a house of 15 and one of 100 components.
// Prints per house the list sizes, the combinations, the passing boiler
// combinations, the time of the candidate phase, the reference mode's rate
// over the first 20 000 combinations, the fast mode's rate over all of them
// and their ratio; exits with 1 when the two modes' results over the same
// first 20 000 combinations differ.
//
//   zeva_optbench [folder for the data base]
#include "renovation/ProgSan.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace zeva;

namespace {

constexpr std::uint64_t Vergleichsumfang = 20000;

std::string Z(double x)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.17g", x);
    return puffer;
}

bool Ausfuehren(sqlite3* db, const std::string& sql)
{
    char* fehler = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &fehler) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "SQLite: %s\n", fehler != nullptr ? fehler : "?");
    sqlite3_free(fehler);
    return false;
}

// Rows: n - 1 measures per group (the list adds its no-measure entry);
// boilers of gas for loads up to twice the house's load.
bool BaueDatenbank(const std::filesystem::path& datei, double last)
{
    std::filesystem::remove(datei);
    sqlite3* db = nullptr;
    if (sqlite3_open(datei.c_str(), &db) != SQLITE_OK)
        return false;
    std::ifstream schema(std::filesystem::path(ZEVA_DATA_DIR) / "DB" / "San2kvyke.1-schema.sql");
    std::string sql(std::istreambuf_iterator<char>(schema), {});
    auto opak = [&](const char* tabelle, int n, double basis, bool warmdach) {
        for (int i = 0; i < n - 1; ++i) {
            const double d = 0.04 + 0.02 * i;
            sql += std::string("INSERT INTO [") + tabelle +
                   "] ([ID], [Name], [Innen], [Zwischen], [Aussen], [kWert], [Dicke], [Lebensdauer], "
                   "[Zusatzkosten], [KEA], [CO2]" +
                   (warmdach ? ", [Warmdach]" : "") + ") VALUES (" + std::to_string(i + 1) + ", 'M" +
                   std::to_string(i) + "', 1, 0, 1, " + Z(0.035 / d) + ", " + Z(d) + ", 40, " +
                   Z(basis + 270 * d + i % 3) + ", " + Z(10 * d) + ", " + Z(3 * d) + (warmdach ? ", 1" : "") +
                   ");\n";
        }
    };
    opak("SanFlachdach", 8, 30, true);
    opak("SanSteildach", 6, 25, false);
    opak("SanDecke", 5, 12, false);
    opak("SanWand", 8, 10, false);
    opak("SanBoden", 6, 15, false);
    for (int i = 0; i < 9; ++i)
        sql += "INSERT INTO [SanFenster] ([FensterID], [Name], [kWertGlas], [gWert], [kWertRahmen], "
               "[Rahmenaustausch], [Lebensdauer], [Zusatzkosten]) VALUES (" +
               std::to_string(i + 1) + ", 'F" + std::to_string(i) + "', " + Z(1.3 - 0.08 * i) + ", " +
               Z(0.6 - 0.01 * i) + ", " + Z(1.4 - 0.05 * i) + ", " + std::to_string(i % 2) + ", 30, " +
               Z(250 + 25 * i) + ");\n";
    for (int i = 0; i < 7; ++i)
        sql += "INSERT INTO [SanHeizkessel] ([HeizungID], [Name], [Leistung ab], [Leistung bis], [Abgasverlust], "
               "[Strahlungsverlust], [Bereitschaftsverlust], [Kesselnutzungsgrad], [Brennstoff], [Preis], "
               "[Lebensdauer]) VALUES (" +
               std::to_string(i + 1) + ", 'K" + std::to_string(i) + "', 0, " + Z(last * (2 + 0.2 * i)) + ", " +
               Z(0.05 + 0.004 * i) + ", 0.01, 0.005, 0.9, 0, " + Z(4000 + 300 * i) + ", 20);\n";
    const bool ok = Ausfuehren(db, sql);
    sqlite3_close(db);
    return ok;
}

void Klima(Haus& h)
{
    h.Klimazone = KlimazoneDIN4108;
    for (std::size_t m = 0; m < 12; ++m) {
        h.Aussentemperatur[m] = 4;
        h.StrahlungSued[m] = 50;
        h.StrahlungWest[m] = h.StrahlungOst[m] = 30;
        h.StrahlungNord[m] = 15;
        h.StrahlungHorizontal[m] = 60;
        h.Heiztage[m] = h.Monatstage[m];
        h.Gradtage[m] = 16.0 * h.Monatstage[m];
    }
}

// A house of n components (n ≥ 6) spread over the six groups, with a gas
// boiler.
void BaueHaus(Haus& h, int n)
{
    Klima(h);
    h.Energiebezugsflaeche = 8.0 * n + 40;
    h.Volumen = 2.7 * h.Energiebezugsflaeche;
    std::uint32_t x = 4711;
    auto zufall = [&x](double a, double b) {
        x = x * 1664525u + 1013904223u;
        return a + (b - a) * static_cast<double>(x >> 8) / 16777216.0;
    };
    for (int i = 0; i < n; ++i) {
        switch (i % 6) {
        case 0: {
            DFlachdach d;
            d.Flaeche = zufall(5, 40);
            d.kWert = zufall(0.5, 1.5);
            h.m_aFlachdach.Add(d);
            break;
        }
        case 1: {
            DSteildach d;
            d.Flaeche = zufall(10, 60);
            d.kWert = zufall(0.4, 1.2);
            h.m_aSteildach.Add(d);
            break;
        }
        case 2: {
            DDecke d;
            d.Flaeche = zufall(10, 50);
            d.kWert = zufall(0.5, 1.5);
            d.Zone = i % 5;
            h.m_aDecke.Add(d);
            break;
        }
        case 3: {
            DWand w;
            w.Flaeche = zufall(5, 40);
            w.kWert = zufall(0.6, 1.8);
            w.Zone = i % 7;
            h.m_aWand.Add(w);
            break;
        }
        case 4: {
            DBoden b;
            b.Flaeche = zufall(10, 80);
            b.kWert = zufall(0.6, 1.6);
            b.Zone = i % 7;
            h.m_aBoden.Add(b);
            break;
        }
        default: {
            DFenster f;
            f.Flaeche = zufall(1, 6);
            f.Richtung = i % 8;
            f.Neigung = i % 3;
            f.kWertGlas = zufall(1.2, 3);
            f.kWertRahmen = zufall(1.3, 2.5);
            f.Rahmenanteil = zufall(0.2, 0.4);
            f.gWert = zufall(0.5, 0.8);
            f.Reduktionsfaktor = 0.7;
            h.m_aFenster.Add(f);
            break;
        }
        }
    }
    DHeizung& k = h.m_aHeizung[0];
    k.Name = "Kessel";
    k.Einzelheiz = 0;
    k.Verteilungsnutzungsgrad = 0.9;
    k.Nennwaermeleistung = 40;
    k.Strahlungsverlust = 0.01;
    k.Abgasverlust = 0.08;
    k.Bereitschaftsverlust = 0.01;
}

double Sekunden(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b)
{
    return std::chrono::duration<double>(b - a).count();
}

struct Lauf {
    std::unique_ptr<ProgSan> p;
    double phase1 = 0;
    double phase2 = 0;
};

Lauf Starte(const Haus& h, const DOptionen& o, const std::filesystem::path& db, ProgSan::Modus modus,
            std::uint64_t hoechstens)
{
    Lauf l;
    l.p = std::make_unique<ProgSan>(h, o);
    l.p->SetzeModus(modus);
    l.p->SetzeDatenbankdatei(db);
    l.p->m_nHoechstens = hoechstens;
    StillerNotifier n;
    l.p->BerechneBasis(n);
    const auto t0 = std::chrono::steady_clock::now();
    l.p->OeffneDatenbank(n, n);
    const auto t1 = std::chrono::steady_clock::now();
    l.p->Suche(n);
    const auto t2 = std::chrono::steady_clock::now();
    l.phase1 = Sekunden(t0, t1);
    l.phase2 = Sekunden(t1, t2);
    return l;
}

bool Gleich(const ProgSan& a, const ProgSan& b)
{
    if (a.m_Ergebnisse.size() != b.m_Ergebnisse.size() || a.m_BestwertText != b.m_BestwertText)
        return false;
    for (std::size_t i = 0; i < a.m_Ergebnisse.size(); ++i) {
        const SanErgebnis& x = a.m_Ergebnisse[i];
        const SanErgebnis& y = b.m_Ergebnisse[i];
        if (!(x.m_Kombination == y.m_Kombination) || x.m_bHeizkessel != y.m_bHeizkessel ||
            x.m_Kosten != y.m_Kosten || x.m_Einsparung != y.m_Einsparung || x.m_Gewinn != y.m_Gewinn ||
            x.m_Reduktion != y.m_Reduktion)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path ordner = argc > 1 ? argv[1] : std::filesystem::temp_directory_path();
    DOptionen o;
    o.Index = 0;
    o.AnzahlVarianten = 20;
    int antwort = 0;
    for (const int n : {15, 100}) {
        Haus h;
        BaueHaus(h, n);
        double last = 0;
        {
            ProgSan p(h, o);
            StillerNotifier still;
            p.BerechneBasis(still);
            last = p.m_Last0;
        }
        const std::filesystem::path db = ordner / ("zeva_optbench_" + std::to_string(n) + ".db");
        if (!BaueDatenbank(db, last)) {
            std::fprintf(stderr, "Die Datenbank %s konnte nicht angelegt werden.\n", db.c_str());
            return 2;
        }
        const Lauf schnell = Starte(h, o, db, ProgSan::Modus::Schnell, 0);
        const Lauf referenz = Starte(h, o, db, ProgSan::Modus::Referenz, Vergleichsumfang);
        const Lauf schnellTeil = Starte(h, o, db, ProgSan::Modus::Schnell, Vergleichsumfang);
        const auto g = schnell.p->Gruppengroessen();
        const double rateSchnell = static_cast<double>(schnell.p->m_nUntersucht) / schnell.phase2;
        const double rateReferenz = static_cast<double>(referenz.p->m_nUntersucht) / referenz.phase2;
        const bool gleich = Gleich(*referenz.p, *schnellTeil.p);
        std::printf("Haus mit %d Bauteilen\n", n);
        std::printf("  Listen: %d %d %d %d %d %d %d\n", g[0], g[1], g[2], g[3], g[4], g[5], g[6]);
        std::printf("  Kombinationen: %lld, davon mit bestandener Kesselpruefung: %llu\n",
                    static_cast<long long>(schnell.p->m_nKombinationen),
                    static_cast<unsigned long long>(schnell.p->m_nKesselBestanden));
        std::printf("  Phase 1 (Kandidaten): %.3f s\n", schnell.phase1);
        std::printf("  Referenz: %.0f Kombinationen/s (erste %llu)\n", rateReferenz,
                    static_cast<unsigned long long>(referenz.p->m_nUntersucht));
        std::printf("  Schnell:  %.0f Kombinationen/s (alle %llu)\n", rateSchnell,
                    static_cast<unsigned long long>(schnell.p->m_nUntersucht));
        std::printf("  Verhaeltnis: %.0f\n", rateSchnell / rateReferenz);
        std::printf("  Ergebnisse der ersten %llu Kombinationen: %s\n",
                    static_cast<unsigned long long>(Vergleichsumfang), gleich ? "gleich" : "VERSCHIEDEN");
        if (!gleich)
            antwort = 1;
        std::filesystem::remove(db);
    }
    return antwort;
}
