#pragma once
// Houses, options and renovation-measure data bases for the optimiser tests:
// a 15- and a 100-component house, rows written into a data base built from
// the shipped schema, and a progress interface with a clock of its own.
#include "database/DatenbankFixture.h"
#include "model/VariantenTestHaus.h"
#include "renovation/ProgSan.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

namespace zeva::test {

// A number as SQL text, whatever the locale.
inline std::string Z(double x)
{
    char puffer[64];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x);
    return fehler == std::errc() ? std::string(puffer, ende) : std::string("0");
}

// Options that leave the heating of a new variant as it is (no heating part
// in the costs of an automatic variant unless the test wants one).
inline DOptionen Optionen(int kriterium, double grenze, int anzahl = 5)
{
    DOptionen o;
    o.Index = kriterium;
    o.Grenze = grenze;
    o.AnzahlVarianten = anzahl;
    o.BrennstoffBeibehalten = 1;
    o.EinschaltdauerBeibehalten = 1;
    o.WaermeverteilungBeibehalten = 1;
    return o;
}

// One opaque measure row; flags where it may be applied, price per m².
inline std::string OpakZeile(const char* tabelle, int id, const std::string& name, int innen, int zwischen,
                             int aussen, double k, double d, double zusatz, double sowieso = 0,
                             double lebensdauer = 40, int warmdach = -1)
{
    std::string spalten = "[ID], [Name], [Innen], [Zwischen], [Aussen], [kWert], [Dicke], [Lebensdauer], "
                          "[Sowiesokosten], [Zusatzkosten], [KEA], [CO2]";
    std::string werte = std::to_string(id) + ", '" + name + "', " + std::to_string(innen) + ", " +
                        std::to_string(zwischen) + ", " + std::to_string(aussen) + ", " + Z(k) + ", " + Z(d) +
                        ", " + Z(lebensdauer) + ", " + Z(sowieso) + ", " + Z(zusatz) + ", " + Z(10 * d) + ", " +
                        Z(3 * d);
    if (warmdach >= 0) {
        spalten += ", [Warmdach]";
        werte += ", " + std::to_string(warmdach);
    }
    return std::string("INSERT INTO [") + tabelle + "] (" + spalten + ") VALUES (" + werte + ");\n";
}

inline std::string FensterZeile(int id, const std::string& name, double uGlas, double g, double uRahmen,
                                int rahmen, double zusatz, double sowieso = 0)
{
    return "INSERT INTO [SanFenster] ([FensterID], [Name], [kWertGlas], [gWert], [kWertRahmen], "
           "[Rahmenaustausch], [Lebensdauer], [Sowiesokosten], [Zusatzkosten], [KEA], [CO2]) VALUES (" +
           std::to_string(id) + ", '" + name + "', " + Z(uGlas) + ", " + Z(g) + ", " + Z(uRahmen) + ", " +
           std::to_string(rahmen) + ", 30, " + Z(sowieso) + ", " + Z(zusatz) + ", 5, 2);\n";
}

inline std::string KesselZeile(int id, const std::string& name, double ab, double bis, int brennstoff,
                               double preis, double abgas = 0.06, double strahlung = 0.01,
                               double bereitschaft = 0.005)
{
    return "INSERT INTO [SanHeizkessel] ([HeizungID], [Name], [Leistung ab], [Leistung bis], [Abgasverlust], "
           "[Strahlungsverlust], [Bereitschaftsverlust], [Kesselnutzungsgrad], [Brennstoff], [Preis], "
           "[Lebensdauer], [KEA], [CO2]) VALUES (" +
           std::to_string(id) + ", '" + name + "', " + Z(ab) + ", " + Z(bis) + ", " + Z(abgas) + ", " +
           Z(strahlung) + ", " + Z(bereitschaft) + ", 0.9, " + std::to_string(brennstoff) + ", " + Z(preis) +
           ", 20, 800, 300);\n";
}

// A data base of the shipped schema holding the given rows.
inline std::filesystem::path SanDatenbank(const std::string& name, const std::string& zeilen)
{
    return BaueDatenbank(name, {Schema("San2kvyke.1-schema.sql")}, zeilen);
}

// A small synthetic data base for every group: n rows each (n ≥ 1), outside
// measures of growing thickness and price; boilers of the fuel for loads
// from ab to bis, each a little larger.
inline std::string SynthetischeZeilen(int nFlach, int nSteil, int nDecke, int nWand, int nBoden, int nFenster,
                                      int nKessel, int brennstoff, double kesselAb, double kesselBis)
{
    std::string sql;
    auto opak = [&](const char* tabelle, int n, double preisBasis, int warmdach) {
        for (int i = 0; i < n; ++i) {
            const double d = 0.04 + 0.02 * i;
            sql += OpakZeile(tabelle, i + 1, std::string(tabelle) + " " + std::to_string(i), 1, 0, 1, 0.035 / d,
                             d, preisBasis + 2.7 * 100 * d + (i % 3), 0, 40, warmdach);
        }
    };
    opak("SanFlachdach", nFlach, 30, 1);
    opak("SanSteildach", nSteil, 25, -1);
    opak("SanDecke", nDecke, 12, -1);
    opak("SanWand", nWand, 10, -1);
    opak("SanBoden", nBoden, 15, -1);
    for (int i = 0; i < nFenster; ++i)
        sql += FensterZeile(i + 1, "Fenster " + std::to_string(i), 1.3 - 0.08 * i, 0.6 - 0.01 * i, 1.4 - 0.05 * i,
                            i % 2, 250 + 25 * i);
    for (int i = 0; i < nKessel; ++i) {
        const double ab = kesselAb * (1 + 0.05 * i);
        sql += KesselZeile(i + 1, "Kessel " + std::to_string(i), ab, kesselBis * (1 + 0.1 * i), brennstoff,
                           4000 + 300 * i, 0.05 + 0.004 * i);
    }
    return sql;
}

// 15 components: a flat roof, two pitched roof faces, two ceilings, four
// walls, two floors and four windows, borders and orientations of every
// kind the balances know.
inline void Haus15(Haus& h)
{
    LeeresHaus(h, 160, 420, 0.7);
    h.m_aFlachdach.Add(Opak<DFlachdach>(12, 0.9));
    h.m_aSteildach.Add(Opak<DSteildach>(40, 0.8));
    h.m_aSteildach.Add(Opak<DSteildach>(38, 0.75));
    h.m_aDecke.Add(Opak<DDecke>(30, 0.7, 2));
    h.m_aDecke.Add(Opak<DDecke>(12, 1.1, 0));
    h.m_aWand.Add(Opak<DWand>(60, 1.2, 0));
    h.m_aWand.Add(Opak<DWand>(45, 1.4, 0));
    h.m_aWand.Add(Opak<DWand>(20, 0.9, 2));
    h.m_aWand.Add(Opak<DWand>(15, 1.0, 4));
    h.m_aBoden.Add(Opak<DBoden>(70, 1.1, 3));
    h.m_aBoden.Add(Opak<DBoden>(10, 0.8, 2));
    h.m_aFenster.Add(Fenster(12, 4, 0, 2.8, 2.0, 0.3, 0.75));
    h.m_aFenster.Add(Fenster(6, 2, 0, 2.8, 2.0, 0.3, 0.75));
    h.m_aFenster.Add(Fenster(5, 6, 1, 2.8, 2.0, 0.25, 0.75));
    h.m_aFenster.Add(Fenster(3, 0, 0, 2.8, 2.0, 0.35, 0.75));
}

// 100 components from a fixed pseudo-random sequence.
inline void Haus100(Haus& h)
{
    LeeresHaus(h, 900, 2600, 0.6);
    std::uint32_t x = 12345;
    auto zufall = [&x](double a, double b) {
        x = x * 1664525u + 1013904223u;
        return a + (b - a) * static_cast<double>(x >> 8) / 16777216.0;
    };
    for (int i = 0; i < 5; ++i)
        h.m_aFlachdach.Add(Opak<DFlachdach>(zufall(5, 40), zufall(0.5, 1.5)));
    for (int i = 0; i < 10; ++i)
        h.m_aSteildach.Add(Opak<DSteildach>(zufall(10, 60), zufall(0.4, 1.2)));
    for (int i = 0; i < 10; ++i)
        h.m_aDecke.Add(Opak<DDecke>(zufall(10, 50), zufall(0.5, 1.5), i % 5));
    for (int i = 0; i < 35; ++i)
        h.m_aWand.Add(Opak<DWand>(zufall(5, 40), zufall(0.6, 1.8), i % 7));
    for (int i = 0; i < 10; ++i)
        h.m_aBoden.Add(Opak<DBoden>(zufall(10, 80), zufall(0.6, 1.6), i % 7));
    for (int i = 0; i < 30; ++i)
        h.m_aFenster.Add(Fenster(zufall(1, 6), i % 8, i % 3, zufall(1.2, 3), zufall(1.3, 2.5), zufall(0.2, 0.4),
                                 zufall(0.5, 0.8)));
}

// A progress interface that keeps what it was told and answers Cancel at
// the n-th ask (0: never).
class MerkFortschritt final : public SanFortschritt {
public:
    void Beginne() override { ++begonnen; }
    void Phase(const std::string& t) override { phasen.push_back(t); }
    void Status(const std::string& t) override { status.push_back(t); }
    void Position(int p) override { positionen.push_back(p); }
    void Bestwert(const std::string& t) override { bestwerte.push_back(t); }
    bool Abgebrochen() override
    {
        ++fragen;
        if (beiFrage)
            beiFrage();
        if (abbrechenBei != 0 && fragen >= abbrechenBei)
            abgebrochen = true;
        return abgebrochen;
    }
    void Beende() override { ++beendet; }

    int begonnen = 0;
    int beendet = 0;
    int fragen = 0;
    int abbrechenBei = 0;
    bool abgebrochen = false;
    std::function<void()> beiFrage;
    std::vector<std::string> phasen, status, bestwerte;
    std::vector<int> positionen;
};

} // namespace zeva::test
