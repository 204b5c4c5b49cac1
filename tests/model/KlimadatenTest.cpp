// The climate file: its reader (zones, damaged files, line ends, number
// forms) and the file the program ships.
#include "model/Haus.h"
#include "model/Klimadaten.h"
#include "model/Postleitzahl.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

namespace zeva {
namespace {

namespace fs = std::filesystem;

const fs::path Fixturen = fs::path(ZEVA_TEST_DATA_DIR) / "klima";

std::string LiesText(const fs::path& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Zeilen(const std::string& text)
{
    std::vector<std::string> zeilen;
    std::istringstream in(text);
    for (std::string z; std::getline(in, z);)
        zeilen.push_back(z);
    return zeilen;
}

std::string Verbinde(const std::vector<std::string>& zeilen, const std::string& ende = "\n")
{
    std::string text;
    for (const auto& z : zeilen)
        text += z + ende;
    return text;
}

// The fixture holds, for zone z, line l (1 to 8) and month m (1 to 12):
// z·1000 + l·100 + m + 0.5 in the real lines (decimal comma in the even
// zones) and z·10 + m in the integer lines.
double Fixturwert(int zone, int zeile, int monat)
{
    if (zeile <= 6)
        return zone * 1000 + zeile * 100 + monat + 0.5;
    return zone * 10 + monat;
}

void ErwarteZone(const Klimadaten& k, int zone, const std::string& fall)
{
    for (int z = 1; z <= 8; ++z)
        for (int m = 1; m <= 12; ++m)
            ASSERT_EQ(k.Zeile(z - 1)[m - 1], Fixturwert(zone, z, m)) << fall << " Zeile " << z << " Monat " << m;
}

fs::path Schreibe(const std::string& name, const std::string& text)
{
    const fs::path ordner = test::ProcessTempDir() / name;
    fs::create_directories(ordner);
    std::ofstream(ordner / "klima.rdt", std::ios::binary) << text;
    return ordner;
}

// Points the climate folder at a folder for the life of the object.
class KlimaOrdnerFuer {
public:
    explicit KlimaOrdnerFuer(const fs::path& ordner) { SetzeKlimaOrdner(ordner); }
    ~KlimaOrdnerFuer() { SetzeKlimaOrdner({}); }
};

TEST(Klimadaten, ZonenNamen)
{
    EXPECT_EQ(KlimazonenName(1), "Klimaregion 1: Nord-/Ostsee");
    EXPECT_EQ(KlimazonenName(9), "Klimaregion 9: Alpenvorland (600 - 1000 m)");
    EXPECT_EQ(KlimazonenName(12), "Klimaregion 12: Bodensee");
    EXPECT_EQ(KlimazonenName(13), "Klimadaten nach DIN 4108-6");
    EXPECT_EQ(KlimazonenName(0), "");
    EXPECT_EQ(KlimazonenName(14), "");
}

TEST(Klimadaten, JedeZoneLiestIhrenBlock)
{
    const fs::path datei = Fixturen / "dreizehn_zonen.rdt";
    for (int zone = 1; zone <= 13; ++zone) {
        Klimadaten k;
        ASSERT_TRUE(LeseKlimablock(datei, zone, k)) << zone;
        ErwarteZone(k, zone, "Zone " + std::to_string(zone));
    }
}

// A stream that counts how often it was asked for characters.
class ZaehlenderPuffer : public std::stringbuf {
public:
    using std::stringbuf::stringbuf;
    int zugriffe = 0;

protected:
    int_type underflow() override
    {
        ++zugriffe;
        return std::stringbuf::underflow();
    }
    std::streamsize xsgetn(char* s, std::streamsize n) override
    {
        ++zugriffe;
        return std::stringbuf::xsgetn(s, n);
    }
};

TEST(Klimadaten, ZoneAusserhalbLiestNichts)
{
    for (const int zone : {0, 14, -1}) {
        ZaehlenderPuffer puffer(LiesText(Fixturen / "dreizehn_zonen.rdt"));
        std::istream in(&puffer);
        Klimadaten k;
        k.Aussentemperatur[0] = 7;
        EXPECT_FALSE(LeseKlimablock(in, zone, k)) << zone;
        EXPECT_EQ(puffer.zugriffe, 0) << zone;
        EXPECT_EQ(k.Aussentemperatur[0], 7) << zone;
    }
}

TEST(Klimadaten, HausSetztKlimazone)
{
    const KlimaOrdnerFuer ordner(Schreibe("dreizehn", LiesText(Fixturen / "dreizehn_zonen.rdt")));
    Haus haus;
    ASSERT_EQ(haus.Klimazone, 13);
    ErwarteZone(haus, 13, "Konstruktor");

    struct Fall {
        int zone;
        int klimazone;   // after the call
        int tabellenZone; // whose values the tables hold
    };
    const std::vector<Fall> faelle = {
        {4, 4, 4},
        {0, 0, 4},  // out of range: tables stay
        {14, 0, 4},
        {1, 1, 1},
        {13, 13, 13},
        {-3, 0, 13},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(haus.LeseKlimadaten(f.zone), f.klimazone) << f.zone;
        EXPECT_EQ(haus.Klimazone, f.klimazone) << f.zone;
        ErwarteZone(haus, f.tabellenZone, "nach Zone " + std::to_string(f.zone));
    }
}

TEST(Klimadaten, ZwoelfBloeckeLassenZone13Scheitern)
{
    const KlimaOrdnerFuer ordner(Schreibe("zwoelf", LiesText(Fixturen / "zwoelf_zonen.rdt")));
    Haus haus;
    EXPECT_EQ(haus.Klimazone, 0);
    ASSERT_EQ(haus.LeseKlimadaten(5), 5);
    EXPECT_EQ(haus.LeseKlimadaten(13), 0);
    EXPECT_EQ(haus.Klimazone, 0);
    ErwarteZone(haus, 5, "vorige Zone bleibt");
}

// Variants of the fixture: each changes the text and names the zone to load,
// whether it loads, and how the tables look afterwards.
struct Abwandlung {
    const char* name;
    std::function<std::string(std::vector<std::string>)> text;
    int zone;
    bool gelingt;
};

TEST(Klimadaten, AbgewandelteDateien)
{
    const std::vector<std::string> basis = Zeilen(LiesText(Fixturen / "dreizehn_zonen.rdt"));
    const std::vector<Abwandlung> faelle = {
        {"CRLF-Zeilenenden", [](auto z) { return Verbinde(z, "\r\n"); }, 13, true},
        {"Byte-Order-Mark, Zone 1", [](auto z) { return "\xEF\xBB\xBF" + Verbinde(z); }, 1, true},
        {"Byte-Order-Mark und CRLF, Zone 13", [](auto z) { return "\xEF\xBB\xBF" + Verbinde(z, "\r\n"); }, 13, true},
        {"lange Zeile davor",
         [](auto z) {
             z[3] += std::string(300, ' ') + "\t";
             return Verbinde(z);
         },
         2, true},
        {"ohne Zeilenende am Schluss",
         [](auto z) {
             std::string t = Verbinde(z);
             t.pop_back();
             return t;
         },
         13, true},
        {"Werte ungleich verteilt",
         [](auto z) {
             // Zone 2's 96 values: 20 on its first line, 4 on its second.
             std::istringstream a(z[8] + " " + z[9]);
             std::vector<std::string> w{std::istream_iterator<std::string>(a), {}};
             z[8] = Verbinde({w.begin(), w.begin() + 20}, " ");
             z[9] = Verbinde({w.begin() + 20, w.end()}, " ");
             return Verbinde(z);
         },
         2, true},
        {"Tabulatoren und Leerzeichen",
         [](auto z) {
             std::replace(z[96].begin(), z[96].end(), ' ', '\t');
             z[97] = "   " + z[97] + "  ";
             return Verbinde(z);
         },
         13, true},
        {"kaputte Zahl in einer anderen Zone", [](auto z) { z[0] = "kaputt"; return Verbinde(z); }, 2, true},
        {"kaputte Zahl", [](auto z) { z[17].replace(0, 6, "1x01,5"); return Verbinde(z); }, 3, false},
        {"zwei Dezimaltrenner", [](auto z) { z[16].replace(0, 6, "3.101,5"); return Verbinde(z); }, 3, false},
        {"Komma statt Leerzeichen", [](auto z) { z[16].replace(6, 1, ","); return Verbinde(z); }, 3, false},
        {"Kommazahl in der Heiztagezeile", [](auto z) { z[22].replace(0, 2, "31.5"); return Verbinde(z); }, 3, false},
        {"inf", [](auto z) { z[16].replace(0, 6, "inf"); return Verbinde(z); }, 3, false},
        {"nan", [](auto z) { z[16].replace(0, 6, "nan"); return Verbinde(z); }, 3, false},
        {"hexadezimal", [](auto z) { z[23].replace(0, 2, "0x1F"); return Verbinde(z); }, 3, false},
        {"zu wenige Werte", [](auto z) { z.resize(103); return Verbinde(z); }, 13, false},
        {"leere Datei", [](auto) { return std::string(); }, 1, false},
        {"zu wenige Zeilen davor", [](auto z) { z.resize(40); return Verbinde(z); }, 7, false},
    };
    for (const auto& f : faelle) {
        const KlimaOrdnerFuer ordner(Schreibe("abw", f.text(basis)));
        Haus haus;
        haus.LeseKlimadaten(f.zone);
        EXPECT_EQ(haus.Klimazone, f.gelingt ? f.zone : 0) << f.name;
        if (f.gelingt)
            ErwarteZone(haus, f.zone, f.name);
    }
}

TEST(Klimadaten, FehlerMittendrinBehaeltGeleseneWerte)
{
    std::vector<std::string> z = Zeilen(LiesText(Fixturen / "dreizehn_zonen.rdt"));
    // Zone 3, line 2, month 5 is damaged.
    std::istringstream zeile(z[17]);
    std::vector<std::string> w{std::istream_iterator<std::string>(zeile), {}};
    w[4] = "?";
    z[17] = Verbinde(w, " ");
    std::istringstream in(Verbinde(z));

    Klimadaten k;
    k.StrahlungSued.fill(-1);
    k.Gradtage.fill(-2);
    EXPECT_FALSE(LeseKlimablock(in, 3, k));
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(k.StrahlungHorizontal[m - 1], Fixturwert(3, 1, m));
    for (int m = 1; m <= 4; ++m)
        EXPECT_EQ(k.StrahlungSued[m - 1], Fixturwert(3, 2, m));
    for (int m = 5; m <= 12; ++m)
        EXPECT_EQ(k.StrahlungSued[m - 1], -1) << m;
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(k.Gradtage[m - 1], -2);
}

TEST(Klimadaten, ZahlenformenUnabhaengigVomLocale)
{
    struct Fall {
        const char* text;
        double wert;
    };
    // Real line 1, month 1 of zone 1; and integer line 7, month 1.
    const std::vector<Fall> reale = {
        {"0.1", 0.1}, {"0,1", 0.1}, {"-1,3", -1.3}, {"+2.5", 2.5}, {"1e2", 100}, {"7", 7}, {"-0", 0}, {"1,", 1}, {",5", 0.5},
    };
    const std::vector<Fall> ganze = {
        {"010", 10}, {"08", 8}, {"-3", -3}, {"+4", 4}, {"0", 0},
    };
    const std::vector<std::string> basis = Zeilen(LiesText(Fixturen / "dreizehn_zonen.rdt"));
    for (const auto& f : reale) {
        auto z = basis;
        z[0].replace(0, 6, f.text);
        std::istringstream in(Verbinde(z));
        Klimadaten k;
        ASSERT_TRUE(LeseKlimablock(in, 1, k)) << f.text;
        EXPECT_EQ(k.StrahlungHorizontal[0], f.wert) << f.text;
        EXPECT_EQ(k.StrahlungHorizontal[1], 1102.5) << f.text;
    }
    for (const auto& f : ganze) {
        auto z = basis;
        z[6].replace(0, 2, f.text);
        std::istringstream in(Verbinde(z));
        Klimadaten k;
        ASSERT_TRUE(LeseKlimablock(in, 1, k)) << f.text;
        EXPECT_EQ(k.Heiztage[0], f.wert) << f.text;
        EXPECT_EQ(k.Heiztage[1], 12) << f.text;
    }
    for (const char* falsch : {"--1", "+-1", "1,2,3", ",", "0x10", "1e", "e5", "1;", "1.5.", "1 .5x"}) {
        auto z = basis;
        z[0].replace(0, 6, falsch);
        std::istringstream in(Verbinde(z));
        Klimadaten k;
        EXPECT_FALSE(LeseKlimablock(in, 1, k)) << falsch;
    }
}

TEST(Klimadaten, FehlendeDateiGibtZoneNull)
{
    const KlimaOrdnerFuer ordner(test::ProcessTempDir() / "gibt_es_nicht");
    Haus haus;
    EXPECT_EQ(haus.Klimazone, 0);
    // Nothing was loaded: the tables are zero, not left undefined.
    for (int z = 0; z < 8; ++z)
        for (double w : haus.Zeile(z))
            EXPECT_EQ(w, 0);
    EXPECT_EQ(haus.LeseKlimadaten(13), 0);
}

// The file the program ships.
class MitgelieferteKlimadatei : public ::testing::Test {
protected:
    const fs::path datei = fs::path(ZEVA_DATA_DIR) / "klima" / "klima.rdt";
};

TEST_F(MitgelieferteKlimadatei, Aufbau)
{
    const std::vector<std::string> zeilen = Zeilen(LiesText(datei));
    EXPECT_EQ(zeilen.size(), 104u);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        EXPECT_LE(zeilen[i].size(), 197u) << "Zeile " << i + 1;
        std::istringstream in(zeilen[i]);
        const std::vector<std::string> w{std::istream_iterator<std::string>(in), {}};
        EXPECT_EQ(w.size(), 12u) << "Zeile " << i + 1;
    }
}

TEST_F(MitgelieferteKlimadatei, PlausibleWerteJederZone)
{
    const int tage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int zone = 1; zone <= 13; ++zone) {
        Klimadaten k;
        ASSERT_TRUE(LeseKlimablock(datei, zone, k)) << zone;
        const std::string z = "Zone " + std::to_string(zone);
        for (int m = 0; m < 12; ++m) {
            EXPECT_GE(k.Aussentemperatur[m], -15) << z;
            EXPECT_LE(k.Aussentemperatur[m], 25) << z;
            EXPECT_GT(k.StrahlungSued[m], k.StrahlungNord[m]) << z << " Monat " << m + 1;
            for (int r = 0; r < 5; ++r)
                EXPECT_GT(k.Zeile(r)[m], 0) << z;
            // Irradiation is a monthly sum in kWh/m²: below 8 kWh/m² a day.
            EXPECT_LT(k.StrahlungHorizontal[m], 8.0 * tage[m]) << z;
            EXPECT_GE(k.Heiztage[m], 0) << z;
            EXPECT_LE(k.Heiztage[m], tage[m]) << z;
            EXPECT_EQ(k.Heiztage[m] == 0, k.Gradtage[m] == 0) << z << " Monat " << m + 1;
            // Every heating day contributes at least 20 - 12 K.
            EXPECT_GE(k.Gradtage[m], 8 * k.Heiztage[m] - 1) << z;
        }
        const double gradtage = std::accumulate(k.Gradtage.begin(), k.Gradtage.end(), 0.0);
        EXPECT_GE(gradtage, 2500) << z;
        EXPECT_LE(gradtage, 6000) << z;
        // Winter colder than summer.
        EXPECT_LT(k.Aussentemperatur[0], k.Aussentemperatur[6]) << z;
    }
}

TEST_F(MitgelieferteKlimadatei, Zone13IstDasReferenzklima)
{
    Klimadaten k;
    ASSERT_TRUE(LeseKlimablock(datei, 13, k));
    EXPECT_EQ(k.Aussentemperatur[0], -1.3);
    EXPECT_EQ(k.Aussentemperatur[6], 18.0);
    const double heiztage = std::accumulate(k.Heiztage.begin(), k.Heiztage.end(), 0.0);
    const double gradtage = std::accumulate(k.Gradtage.begin(), k.Gradtage.end(), 0.0);
    // The reference climate's heating season: about 222 days and 3 460 K·d.
    EXPECT_NEAR(heiztage, 222, 222 * 0.03);
    EXPECT_NEAR(gradtage, 3463, 3463 * 0.03);
}

// The postcode table: pairs "prefix region", the first pair of a prefix wins.
TEST(MitgeliefertePostleitzahlen, JedesPraefixEinerRegion)
{
    std::ifstream in(fs::path(ZEVA_DATA_DIR) / "klima" / "plz.rdt");
    ASSERT_TRUE(in);
    std::map<int, int> region;
    int praefix = 0, r = 0, paare = 0;
    while (in >> praefix >> r) {
        ++paare;
        EXPECT_GE(praefix, 1);
        EXPECT_LE(praefix, 999);
        EXPECT_GE(r, 1) << praefix;
        EXPECT_LE(r, 12) << praefix;
        EXPECT_TRUE(region.emplace(praefix, r).second) << "doppelt: " << praefix;
    }
    EXPECT_TRUE(in.eof()) << "nicht lesbarer Rest nach " << paare << " Paaren";

    // Every three-digit prefix of the postal regions in use is there.
    for (int leit = 1; leit <= 99; ++leit) {
        if (leit == 5 || leit == 43 || leit == 62)
            continue;
        for (int p = leit * 10; p < leit * 10 + 10; ++p)
            EXPECT_EQ(region.count(p), 1u) << p;
    }
    // All twelve regions occur.
    std::set<int> regionen;
    for (const auto& [p, reg] : region)
        regionen.insert(reg);
    EXPECT_EQ(regionen.size(), 12u);

    struct Ort {
        const char* name;
        int plz;
        int region;
    };
    const std::vector<Ort> orte = {
        {"Rostock", 18055, 1},       {"Husum", 25813, 1},         {"Hamburg", 20095, 2},
        {"Dresden", 1067, 2},        {"Berlin", 10115, 3},        {"Essen", 45127, 3},
        {"Kassel", 34117, 4},        {"Würzburg", 97070, 5},      {"Stuttgart", 70173, 5},
        {"Mannheim", 68159, 6},      {"Frankfurt", 60311, 6},     {"Freiburg", 79098, 7},
        {"Passau", 94032, 8},        {"München", 80331, 8},       {"Garmisch", 82467, 9},
        {"Kempten", 87435, 9},       {"Titisee", 79822, 10},      {"Freudenstadt", 72250, 10},
        {"Braunlage", 38700, 11},    {"Winterberg", 59955, 11},   {"Konstanz", 78462, 12},
        {"Friedrichshafen", 88045, 12},
    };
    for (const auto& o : orte)
        EXPECT_EQ(region[o.plz / 100], o.region) << o.name;
}

// ---------------------------------------------------------------- postcodes

TEST(Postleitzahl, WelcheEingabenGesuchtWerden)
{
    struct Fall {
        const char* eingabe;
        int praefix; // -1: refused
    };
    const Fall faelle[] = {
        {"01067", 10},  {"79098", 790}, {"99999", 999}, {"00100", 1},   {"00099", -1},
        {"1234", -1},   {"123456", -1}, {"1234 ", -1},  {" 1234", 12},  {"123,4", -1},
        {"12,00", -1},  {"", -1},       {"abcde", -1},  {"-1234", -1},  {"1234a", -1},
    };
    for (const Fall& f : faelle) {
        const std::optional<int> p = PlzPraefix(f.eingabe);
        EXPECT_EQ(p.value_or(-1), f.praefix) << '"' << f.eingabe << '"';
    }
}

TEST(Postleitzahl, SucheInDerTabelle)
{
    struct Fall {
        const char* tabelle;
        const char* eingabe;
        int klimaregion; // region + 1, 0 not found
        const char* text;
    };
    const Fall faelle[] = {
        {"10 2\n", "01067", 3, "Klimaregion 2: Norddeutsches Tiefland"},
        {"790 7\n10 2\n", "01099", 3, "Klimaregion 2: Norddeutsches Tiefland"},
        {"10 1\n10 2\n", "01067", 2, "Klimaregion 1: Nord-/Ostsee"},
        {"10 0\n", "01067", 1, ""},
        {"10 13\n", "01067", 0, ""},
        {"10 -1\n", "01067", 0, ""},
        {"11 2\n", "01067", 0, ""},
        {"11 x\n10 2\n", "01067", 0, ""},
        {"11 2,5 10 2\n", "01067", 0, ""},
        {"10\n", "01067", 0, ""},
        {"", "01067", 0, ""},
        {"10\t2", "01067", 3, "Klimaregion 2: Norddeutsches Tiefland"},
        {"11 2 12 4 10 12", "01067", 13, "Klimaregion 12: Bodensee"},
        {"10 2\n", "0106", 0, ""},
        {"12 9\r\n", " 1234", 10, "Klimaregion 9: Alpenvorland (600 - 1000 m)"},
    };
    for (const Fall& f : faelle) {
        std::istringstream tabelle(f.tabelle);
        const PlzErgebnis e = KlimaregionAusPlz(tabelle, f.eingabe);
        EXPECT_EQ(e.klimaregion, f.klimaregion) << f.tabelle << " / " << f.eingabe;
        EXPECT_EQ(e.text, f.text) << f.tabelle << " / " << f.eingabe;
    }

    // Every search starts from the beginning, also after one that ran to the
    // end or stopped at a bad token.
    std::istringstream tabelle("10 2 20 3 x 4");
    EXPECT_EQ(SucheKlimaregion(tabelle, 20).value_or(-1), 3);
    EXPECT_FALSE(SucheKlimaregion(tabelle, 99).has_value());
    EXPECT_EQ(SucheKlimaregion(tabelle, 10).value_or(-1), 2);
}

TEST(Postleitzahl, NamenAllerRegionen)
{
    const char* namen[] = {"Klimaregion 1: Nord-/Ostsee",
                           "Klimaregion 2: Norddeutsches Tiefland",
                           "Klimaregion 3: Ballungsgebiete",
                           "Klimaregion 4: Mittelgebirge ohne Hochlagen",
                           "Klimaregion 5: Franken / nördl. Baden-Württemberg",
                           "Klimaregion 6: Nördl. Oberrheingraben",
                           "Klimaregion 7: Südl. Oberrheingraben",
                           "Klimaregion 8: Donaubecken",
                           "Klimaregion 9: Alpenvorland (600 - 1000 m)",
                           "Klimaregion 10: Schwarzwald",
                           "Klimaregion 11: Mittelgebirge / Hochlagen",
                           "Klimaregion 12: Bodensee"};
    for (int r = 1; r <= 12; ++r) {
        std::istringstream tabelle("10 " + std::to_string(r));
        const PlzErgebnis e = KlimaregionAusPlz(tabelle, "01067");
        EXPECT_EQ(e.klimaregion, r + 1);
        EXPECT_EQ(e.text, namen[r - 1]);
    }
}

TEST(Postleitzahl, AusgelieferteTabelle)
{
    std::ifstream tabelle(fs::path(ZEVA_DATA_DIR) / "klima" / "plz.rdt");
    ASSERT_TRUE(tabelle.good());
    EXPECT_EQ(KlimaregionAusPlz(tabelle, "01067").text, "Klimaregion 2: Norddeutsches Tiefland");
    EXPECT_EQ(KlimaregionAusPlz(tabelle, "78462").klimaregion, 13);
    EXPECT_EQ(KlimaregionAusPlz(tabelle, "00501").klimaregion, 0) << "prefix 5 is not given";
}

} // namespace
} // namespace zeva
