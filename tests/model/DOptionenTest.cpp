// The options record: its defaults, the profile section with its 23 values,
// the doubles of the profile, and both document forms.
#include "model/DOptionen.h"
#include "model/RuntimeClass.h"

#include "DatensatzTestHilfen.h"
#include "ProfilTestHilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace zeva {
namespace {

using test::ByteBuilder;
using test::SpeicherProfil;

// The household price of gas in the second half of 2024 (12.28 ct per kWh
// of the gross calorific value), per kWh of the net value: 12.28 * 1.0949.
constexpr double NeuerGaspreis = 0.1345;
// The consumer price of light heating oil in 2024 (100.6 ct per litre), per
// kWh of the fuel unit's 10.0 kWh per litre.
constexpr double NeuerOelpreis = 0.1006;

// A record in which every member differs from its default.
DOptionen Geaendert()
{
    DOptionen o;
    o.Brennstoffkosten1 = 0.11;
    o.Brennstoffkosten2 = 0.12;
    o.Brennstoffkosten3 = 0.13;
    o.Brennstoffkosten4 = 0.14;
    o.Brennstoffkosten5 = 0.15;
    o.Brennstoffkosten6 = 0.16;
    o.Brennstoffkosten7 = 0.17;
    o.Brennstoffkosten8 = 0.18;
    o.Zentralheizung = 55.5;
    o.HeizkesselTauschen = 1750;
    o.AlteHeizung = 3100;
    o.Index = 2;
    o.Grenze = 70;
    o.AnzahlVarianten = 4;
    o.BrennstoffBeibehalten = 0;
    o.Brennstoff = 3;
    o.WaermeverteilungBeibehalten = 0;
    o.HeizungsverteilungsArt = "Fußbodenheizung";
    o.Verteilungsnutzungsgrad = 0.93;
    o.EinschaltdauerBeibehalten = 0;
    o.Einschaltdauer = 5000;
    o.Sanierungsalgorithmus = 1;
    o.Versuche = 9;
    return o;
}

TEST(DOptionen, Vorgaben)
{
    DOptionen o = Geaendert();
    o.SetzeStandard();
    const double preise[] = {NeuerGaspreis, NeuerOelpreis, 0.04, 0.412, 0.045, 0.04, 0.02, 0.02};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(o.Brennstoffpreis(k), preise[k]) << "Brennstoff " << k;
    EXPECT_EQ(o.Zentralheizung, 40);
    EXPECT_EQ(o.HeizkesselTauschen, 1500);
    EXPECT_EQ(o.AlteHeizung, 2500);
    EXPECT_EQ(o.Index, 0);
    EXPECT_EQ(o.GetGrenze(), 10000);
    EXPECT_EQ(o.AnzahlVarianten, 1);
    EXPECT_EQ(o.BrennstoffBeibehalten, 1);
    EXPECT_EQ(o.Brennstoff, 0);
    EXPECT_EQ(o.WaermeverteilungBeibehalten, 1);
    EXPECT_EQ(o.HeizungsverteilungsArt, "");
    EXPECT_EQ(o.Verteilungsnutzungsgrad, 1.0);
    EXPECT_EQ(o.EinschaltdauerBeibehalten, 1);
    EXPECT_EQ(o.Einschaltdauer, 8760);
    EXPECT_EQ(o.Sanierungsalgorithmus, 0);
    EXPECT_EQ(o.Versuche, 5);
    EXPECT_TRUE(o == DOptionen());

    // Fuel codes the record has no price for.
    EXPECT_EQ(o.Brennstoffpreis(-1), 0);
    EXPECT_EQ(o.Brennstoffpreis(8), 0);
    // The eighth price belongs to code 7.
    o.Brennstoffkosten8 = 0.5;
    EXPECT_EQ(o.Brennstoffpreis(7), 0.5);
}

// ---------------------------------------------------------------- profile

std::vector<std::uint8_t> BytesVon(double x)
{
    unsigned char roh[8];
    std::memcpy(roh, &x, 8);
    // The profile keeps the least significant byte first whatever the host.
    std::vector<std::uint8_t> b(8);
    const std::uint16_t eins = 1;
    const bool kleinEndig = *reinterpret_cast<const unsigned char*>(&eins) == 1;
    for (int i = 0; i < 8; ++i)
        b[static_cast<std::size_t>(i)] = roh[kleinEndig ? i : 7 - i];
    return b;
}

TEST(ProfilDouble, BitgenaueRundreise)
{
    const double werte[] = {0.035,
                            -12.5,
                            0.0,
                            -0.0,
                            std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
    for (const double w : werte) {
        SpeicherProfil p;
        EXPECT_TRUE(SchreibeProfilDouble(p, "Optionen", "x", w));
        const auto gespeichert = p.LeseBinaer("Optionen", "x");
        ASSERT_TRUE(gespeichert.has_value());
        EXPECT_EQ(*gespeichert, BytesVon(w)) << w;
        const double gelesen = LeseProfilDouble(p, "Optionen", "x", 99.0);
        EXPECT_EQ(std::memcmp(&gelesen, &w, sizeof w), 0) << w;
    }
    // 1.0 in the stored byte order.
    SpeicherProfil p;
    SchreibeProfilDouble(p, "S", "eins", 1.0);
    EXPECT_EQ(*p.LeseBinaer("S", "eins"), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
}

TEST(ProfilDouble, KurzeFehlendeUndFremdeEintraege)
{
    SpeicherProfil p;
    const std::vector<std::uint8_t> vier = {0, 0, 0xF0, 0x3F};
    p.SchreibeBinaer("S", "vier", vier);
    std::vector<std::uint8_t> zwoelf = BytesVon(-12.5);
    zwoelf.insert(zwoelf.end(), {1, 2, 3, 4});
    p.SchreibeBinaer("S", "zwoelf", zwoelf);
    p.SchreibeInt("S", "zahl", 7);
    p.SchreibeString("S", "text", "12345678");

    EXPECT_EQ(LeseProfilDouble(p, "S", "fehlt", 2.5), 2.5);
    EXPECT_EQ(LeseProfilDouble(p, "Anderer", "vier", 2.5), 2.5);
    EXPECT_EQ(LeseProfilDouble(p, "S", "vier", 2.5), 2.5);
    EXPECT_EQ(LeseProfilDouble(p, "S", "zwoelf", 2.5), -12.5);
    EXPECT_EQ(LeseProfilDouble(p, "S", "zahl", 2.5), 2.5);
    EXPECT_EQ(LeseProfilDouble(p, "S", "text", 2.5), 2.5);
}

const std::vector<std::string> ProfilNamen = {
    "mk_Preis0",         "mk_Preis1",     "mk_Preis2",          "mk_Preis3",
    "mk_Preis4",         "mk_Preis5",     "mk_Preis6",          "mk_Preis7",
    "mk_Zentralheizung", "mk_HeizkesselTauschen", "mk_AlteHeizung", "mo_Index",
    "mo_Grenze",         "mo_Anzahl",     "ms_BrennstoffBeibehalten", "ms_Brennstoff",
    "ms_VertBeibehalten", "ms_Vert",      "ms_EtaV",            "ms_baBeibehalten",
    "ms_ba",             "ma_Index",      "ma_Anzahl"};

TEST(DOptionenProfil, SchreibtDreiundzwanzigWerteInTabellenfolge)
{
    SpeicherProfil p;
    const DOptionen o;
    EXPECT_TRUE(o.SchreibeOptionen(p));

    std::vector<std::string> erwartet;
    for (const std::string& n : ProfilNamen)
        erwartet.push_back("Optionen/" + n);
    EXPECT_EQ(p.reihenfolge, erwartet);
    EXPECT_EQ(p.werte.size(), 23u);

    // Each value in its kind: doubles as 8 bytes, integers, the one string.
    const double preise[] = {NeuerGaspreis, NeuerOelpreis, 0.04, 0.412, 0.045, 0.04, 0.02, 0.02};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(p.LeseBinaer("Optionen", "mk_Preis" + std::to_string(k)), BytesVon(preise[k])) << k;
    struct Doppel {
        const char* name;
        double wert;
    };
    for (const Doppel& d : {Doppel{"mk_Zentralheizung", 40}, Doppel{"mk_HeizkesselTauschen", 1500},
                            Doppel{"mk_AlteHeizung", 2500}, Doppel{"mo_Grenze", 10000}, Doppel{"ms_EtaV", 1.0},
                            Doppel{"ms_ba", 8760}})
        EXPECT_EQ(p.LeseBinaer("Optionen", d.name), BytesVon(d.wert)) << d.name;
    struct Ganz {
        const char* name;
        int wert;
    };
    for (const Ganz& g : {Ganz{"mo_Index", 0}, Ganz{"mo_Anzahl", 1}, Ganz{"ms_BrennstoffBeibehalten", 1},
                          Ganz{"ms_Brennstoff", 0}, Ganz{"ms_VertBeibehalten", 1}, Ganz{"ms_baBeibehalten", 1},
                          Ganz{"ma_Index", 0}, Ganz{"ma_Anzahl", 5}})
        EXPECT_EQ(p.LeseInt("Optionen", g.name), g.wert) << g.name;
    EXPECT_EQ(p.LeseString("Optionen", "ms_Vert"), std::string());
}

TEST(DOptionenProfil, LeerBleibtUnveraendertUndRundreise)
{
    SpeicherProfil leer;
    DOptionen o = Geaendert();
    o.LeseOptionen(leer);
    EXPECT_TRUE(o == Geaendert());

    SpeicherProfil p;
    EXPECT_TRUE(Geaendert().SchreibeOptionen(p));
    DOptionen gelesen;
    gelesen.LeseOptionen(p);
    EXPECT_TRUE(gelesen == Geaendert());

    // A section of another program keeps the record as it is.
    SpeicherProfil fremd;
    fremd.SchreibeInt("Settings", "mo_Index", 2);
    DOptionen v;
    v.LeseOptionen(fremd);
    EXPECT_TRUE(v == DOptionen());
}

// A user who confirmed his options with an earlier program keeps every price
// he stored, even one that was that program's default; what he never stored
// takes the current default.
TEST(DOptionenProfil, GespeicherteFruehereVorgabenBleiben)
{
    SpeicherProfil p;
    SchreibeProfilDouble(p, "Optionen", "mk_Preis0", 0.035);
    SchreibeProfilDouble(p, "Optionen", "mk_HeizkesselTauschen", 1500);
    DOptionen o;
    o.LeseOptionen(p);
    EXPECT_EQ(o.Brennstoffkosten1, 0.035);
    EXPECT_EQ(o.HeizkesselTauschen, 1500);
    EXPECT_EQ(o.Brennstoffkosten4, 0.412);
    EXPECT_EQ(o.Brennstoffpreis(0), 0.035);
    o.SetzeStandard();
    EXPECT_EQ(o.Brennstoffkosten1, NeuerGaspreis);
}

TEST(DOptionenProfil, EinzelneWerteFehlenOderHabenFremdeArt)
{
    SpeicherProfil p;
    p.SchreibeInt("Optionen", "mk_Zentralheizung", 77); // an integer where a double belongs
    p.SchreibeBinaer("Optionen", "mo_Index", BytesVon(2.0)); // bytes where an integer belongs
    SchreibeProfilDouble(p, "Optionen", "mk_Preis3", 0.09);
    p.SchreibeInt("Optionen", "ma_Anzahl", 12);
    DOptionen o;
    o.LeseOptionen(p);
    DOptionen erwartet;
    erwartet.Brennstoffkosten4 = 0.09;
    erwartet.Versuche = 12;
    EXPECT_TRUE(o == erwartet);
}

TEST(DOptionenProfil, FehlgeschlagenerWertMeldetFalschUndDieAnderenFolgen)
{
    SpeicherProfil p;
    p.verweigere = "mo_Grenze";
    EXPECT_FALSE(DOptionen().SchreibeOptionen(p));
    EXPECT_EQ(p.reihenfolge.size(), 23u);
    EXPECT_EQ(p.werte.size(), 22u);
    EXPECT_TRUE(p.LeseInt("Optionen", "ma_Anzahl").has_value());
}

// ---------------------------------------------------------------- documents

TEST(DOptionenXml, ElementOptionenMitKindernInTabellenfolge)
{
    DOptionen o = Geaendert();
    const std::string xml = test::XmlVon(o);
    EXPECT_EQ(xml.rfind("<Optionen>", 0), 0u) << xml;
    EXPECT_EQ(xml.find("DOptionen"), std::string::npos);
    const std::vector<std::string> erwartet = {
        "Brennstoffkosten1", "Brennstoffkosten2", "Brennstoffkosten3", "Brennstoffkosten4", "Brennstoffkosten5",
        "Brennstoffkosten6", "Brennstoffkosten7", "Brennstoffkosten8", "Zentralheizung", "HeizkesselTauschen",
        "AlteHeizung", "Index", "Grenze", "AnzahlVarianten", "BrennstoffBeibehalten", "Brennstoff",
        "WaermeverteilungBeibehalten", "HeizungsverteilungsArt", "Verteilungsnutzungsgrad",
        "EinschaltdauerBeibehalten", "Einschaltdauer", "Sanierungsalgorithmus", "Versuche"};
    EXPECT_EQ(test::Kindelemente(xml), erwartet);
    EXPECT_NE(xml.find("<Grenze>70</Grenze>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<Brennstoffkosten1>0.11</Brennstoffkosten1>"), std::string::npos) << xml;

    DOptionen gelesen;
    test::XmlRundreise(o, gelesen);
    EXPECT_TRUE(gelesen == o);
}

// The members after the prices in the older binary form.
void SchreibeRest(ByteBuilder& b)
{
    b.Double(41).Double(1501).Double(2501).Int(1).Double(20000).Int(3).Int(0).Int(2).Int(0);
    b.String8("Radiatoren");
    b.Double(0.9).Int(0).Double(6000).Int(1).Int(7);
}

void ErwarteRest(const DOptionen& o)
{
    EXPECT_EQ(o.Zentralheizung, 41);
    EXPECT_EQ(o.HeizkesselTauschen, 1501);
    EXPECT_EQ(o.AlteHeizung, 2501);
    EXPECT_EQ(o.Index, 1);
    EXPECT_EQ(o.Grenze, 20000);
    EXPECT_EQ(o.AnzahlVarianten, 3);
    EXPECT_EQ(o.BrennstoffBeibehalten, 0);
    EXPECT_EQ(o.Brennstoff, 2);
    EXPECT_EQ(o.WaermeverteilungBeibehalten, 0);
    EXPECT_EQ(o.HeizungsverteilungsArt, "Radiatoren");
    EXPECT_EQ(o.Verteilungsnutzungsgrad, 0.9);
    EXPECT_EQ(o.EinschaltdauerBeibehalten, 0);
    EXPECT_EQ(o.Einschaltdauer, 6000);
    EXPECT_EQ(o.Sanierungsalgorithmus, 1);
    EXPECT_EQ(o.Versuche, 7);
}

TEST(DOptionenBinaer, FuenfPreiseBisVersionNeun)
{
    struct Fall {
        int version;
        int preise;
    };
    for (const Fall f : {Fall{1, 5}, Fall{9, 5}, Fall{10, 8}}) {
        SCOPED_TRACE("Version " + std::to_string(f.version));
        ByteBuilder b;
        for (int k = 0; k < f.preise; ++k)
            b.Double(1.0 + k);
        SchreibeRest(b);
        BinaryArchive ar = test::Archiv(b, f.version);
        DOptionen o = Geaendert(); // the frame's record
        o.LeseBinaer(ar, f.version);
        EXPECT_TRUE(ar.AtEnd());
        for (int k = 0; k < 8; ++k) {
            const double erwartet = k < f.preise ? 1.0 + k : Geaendert().Brennstoffpreis(k);
            EXPECT_EQ(o.Brennstoffpreis(k), erwartet) << "Preis " << k;
        }
        ErwarteRest(o);
    }
}

TEST(DOptionenBinaer, BeschaedigtesArchivAendertNichts)
{
    ByteBuilder b;
    for (int k = 0; k < 8; ++k)
        b.Double(1.0 + k);
    b.Double(41).Double(1501); // ends in the middle
    BinaryArchive ar = test::Archiv(b, 10);
    DOptionen o = Geaendert();
    EXPECT_THROW(o.LeseBinaer(ar, 10), BinaryArchiveError);
    EXPECT_TRUE(o == Geaendert());
}

TEST(DOptionen, WirdNachKlassennamenErzeugt)
{
    RegisterModelClasses();
    const std::unique_ptr<CXmlObject> objekt = RuntimeClassRegistry::Instance().Create("DOptionen");
    const auto* o = dynamic_cast<const DOptionen*>(objekt.get());
    ASSERT_NE(o, nullptr);
    EXPECT_TRUE(*o == DOptionen());
}

} // namespace
} // namespace zeva
