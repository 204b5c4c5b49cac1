// The opaque component records: defaults, validity, deep copies, the measure
// setting from a data-base row and both document forms.
#include "model/DBoden.h"
#include "model/DDecke.h"
#include "model/DFlachdach.h"
#include "model/DSteildach.h"
#include "model/DWand.h"
#include "model/RuntimeClass.h"

#include "DatensatzTestHilfen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeva {
namespace {

using test::ByteBuilder;

DSchicht Schicht(std::string name, double dicke, double lambda = 0, double mu = 0, std::string langtext = "",
                 std::string bild = "")
{
    DSchicht s;
    s.Name = std::move(name);
    s.Dicke = dicke;
    s.Lambda = lambda;
    s.Mu = mu;
    s.Langtext = std::move(langtext);
    s.Bitmappfad = std::move(bild);
    return s;
}

// The wall of the fixture tests/data/bauteile/dwand.xml.
DWand BeispielWand()
{
    DWand w;
    w.Kurzname = "W 1";
    w.Nummer = 7;
    w.Name = "Außenwand Nord";
    w.Langtext = "Ziegel, verputzt";
    w.Dicke = 0.385;
    w.Flaeche = 24.5;
    w.kWert = 1.35;
    w.Zone = 2;
    w.SanMussAussen = 1;
    w.Bitmappfad = "bilder/wand.bmp";
    w.SowiesoAussen = 1500;
    w.Kommentar = "Nordseite & Hof";
    w.m_plane.lo = Punkt3D(0, 2.5, 0);
    w.m_plane.ro = Punkt3D(4, 2.5, 0);
    w.m_plane.ru = Punkt3D(4, 0, 0);
    w.m_plane.lu = Punkt3D(0, 0, 0);
    w.m_plane.ID = 104000101;
    w.m_plane.FassadenID = 3;
    w.m_plane.FlaecheWurdeBearbeitet = 1;
    w.m_Schichtaufbau.Add(Schicht("Kalkputz", 0.015, 0.87, 15, "innen"));
    w.m_Schichtaufbau.Add(Schicht("Luftschicht", 0.04));
    w.m_Schichtaufbau.Add(Schicht("Vollziegel", 0.33, 0.81, 10, "", "bilder/ziegel.bmp"));
    w.m_aSan.SetSize(2);
    DSWand& m = w.m_aSan[1];
    m.Name = "Kerndämmung";
    m.Langtext = "Einblasdämmung";
    m.Lebensdauer = 40;
    m.Preis = 490;
    m.PreisProQm = 20;
    m.Co2 = 2.5;
    m.Kea = 30;
    m.Schichten = "Mineralwolle";
    m.Dicke = 0.04;
    m.kWert = 0.875;
    m.Verwendung = 2;
    return w;
}

// --- defaults and validity ------------------------------------------------

template <class T>
void PruefeVorgaben(int innen, int zwischen, int aussen)
{
    const T b;
    SCOPED_TRACE(T::XmlElementName);
    EXPECT_EQ(b.SanbarInnen, innen);
    EXPECT_EQ(b.SanbarZwischen, zwischen);
    EXPECT_EQ(b.SanbarAussen, aussen);
    EXPECT_EQ(b.SanMussInnen, 0);
    EXPECT_EQ(b.SanMussAussen, 0);
    EXPECT_EQ(b.Schicht, 1);
    EXPECT_EQ(b.GesamteFassadeBetrachten, 1);
    EXPECT_TRUE(b.m_Schichtaufbau.empty());
    EXPECT_TRUE(b.m_aSan.empty());
    EXPECT_TRUE(b.IstUngueltig());
    EXPECT_EQ(b.m_plane.ID, -1);
}

TEST(OpakeBauteile, Vorgaben)
{
    PruefeVorgaben<DWand>(0, 1, 1);
    PruefeVorgaben<DBoden>(1, 1, 0);
    PruefeVorgaben<DDecke>(1, 1, 1);
    PruefeVorgaben<DFlachdach>(1, 1, 1);
    PruefeVorgaben<DSteildach>(1, 1, 1);
    EXPECT_EQ(DFlachdach().Warmdach, 1);
    EXPECT_EQ(DFlachdach().Zone, 0);
}

TEST(OpakeBauteile, IstUngueltig)
{
    struct Fall {
        double flaeche, kwert;
        bool ungueltig;
    };
    const std::vector<Fall> faelle = {
        {12.5, 0, true}, {0, 1.2, true}, {-3, 1.2, true}, {12.5, -0.1, true}, {12.5, 1.2, false}, {1e-9, 1e-9, false},
    };
    for (const auto& f : faelle) {
        DDecke d;
        d.Flaeche = f.flaeche;
        d.kWert = f.kwert;
        EXPECT_EQ(d.IstUngueltig(), f.ungueltig) << f.flaeche << " / " << f.kwert;
        DSteildach s;
        s.Flaeche = f.flaeche;
        s.kWert = f.kwert;
        EXPECT_EQ(s.IstUngueltig(), f.ungueltig) << f.flaeche << " / " << f.kwert;
    }
}

TEST(OpakeBauteile, SchichtIstLeer)
{
    EXPECT_TRUE(DSchicht().IstLeer());
    EXPECT_FALSE(Schicht("", 0, 0, 0, "", "bild.bmp").IstLeer());
    EXPECT_FALSE(Schicht("", 0, 0, 1e-12).IstLeer());
    EXPECT_EQ(Schicht("Ziegel", 0.2, 0.8), Schicht("Ziegel", 0.2, 0.8));
    EXPECT_FALSE(Schicht("Ziegel", 0.2, 0.8) == Schicht("Ziegel", 0.2, 0.8, 0, "x"));
}

// --- copies ---------------------------------------------------------------

TEST(OpakeBauteile, KopienSindUnabhaengig)
{
    const DWand quelle = BeispielWand();

    DWand kopie(quelle);
    EXPECT_EQ(kopie, quelle);
    EXPECT_EQ(kopie.Kurzname, "W 1");
    kopie.m_Schichtaufbau[1].Dicke = 0.06;
    kopie.m_aSan[1].Name = "anders";
    kopie.m_aSan[1].Verwendung = 0;
    kopie.m_plane.lo.x = 9;
    EXPECT_EQ(quelle.m_Schichtaufbau[1].Dicke, 0.04);
    EXPECT_EQ(quelle.m_aSan[1].Name, "Kerndämmung");
    EXPECT_EQ(quelle.m_aSan[1].Verwendung, 2);
    EXPECT_EQ(quelle.m_plane.lo.x, 0);

    // Assignment onto a record with more layers and measures: exactly the
    // source's, and again independent.
    DWand ziel;
    ziel.m_Schichtaufbau.SetSize(5);
    ziel.m_aSan.SetSize(4);
    ziel = quelle;
    EXPECT_EQ(ziel, quelle);
    ASSERT_EQ(ziel.m_Schichtaufbau.size(), 3u);
    ASSERT_EQ(ziel.m_aSan.size(), 2u);
    ziel.m_Schichtaufbau[0].Name = "Gips";
    EXPECT_EQ(quelle.m_Schichtaufbau[0].Name, "Kalkputz");

    DFlachdach dach;
    dach.Warmdach = 0;
    dach.Zone = 3;
    DFlachdach dachKopie;
    dachKopie = dach;
    EXPECT_EQ(dachKopie.Warmdach, 0);
    EXPECT_EQ(dachKopie.Zone, 3);
}

// --- measure setting ------------------------------------------------------

SanZeileOpaque Zeile(int innen, int zwischen, int aussen, double kWert = 0.5, double dicke = 0.06)
{
    SanZeileOpaque z;
    z.ID = 12;
    z.Kategorie = 3;
    z.Name = "Maßnahme";
    z.Langtext = "Text";
    z.Innen = innen;
    z.Zwischen = zwischen;
    z.Aussen = aussen;
    z.Schichten = "Dämmung";
    z.kWert = kWert;
    z.Dicke = dicke;
    z.Lebensdauer = 35;
    z.Sowiesokostenfix = 1000;
    z.Sowiesokosten = 10;
    z.Zusatzkostenfix = 500;
    z.Zusatzkosten = 40;
    z.KEA = 120;
    z.CO2 = 9;
    z.Bitmappfad = "bild.bmp";
    return z;
}

DWand WandMit(std::vector<DSchicht> schichten, int schicht = 1)
{
    DWand w;
    w.Flaeche = 20;
    w.kWert = 1.4;
    w.Schicht = schicht;
    for (auto& s : schichten)
        w.m_Schichtaufbau.Add(s);
    w.m_aSan.SetSize(2);
    return w;
}

TEST(OpakeBauteile, SetzeSanierungVerwendungUndPreis)
{
    struct Fall {
        const char* was;
        SanZeileOpaque zeile;
        int verwendung;
        double proQm;
    };
    const std::vector<Fall> faelle = {
        {"inside: both sums", Zeile(1, 0, 0), 0, 50},
        {"outside: additional costs alone", Zeile(0, 0, 1), 1, 40},
        {"core fill: both sums", Zeile(0, 1, 0), 2, 50},
        {"inside and outside: inside", Zeile(1, 0, 1), 0, 50},
        {"outside and core fill: outside", Zeile(0, 1, 1), 1, 40},
    };
    for (const auto& f : faelle) {
        DWand w = WandMit({Schicht("Ziegel", 0.24, 0.8)}, 0);
        w.m_aSan[1].Preisfix = 77;
        w.SetzeSanierung(1, f.zeile);
        const DSWand& m = w.m_aSan[1];
        EXPECT_EQ(m.Verwendung, f.verwendung) << f.was;
        EXPECT_DOUBLE_EQ(m.PreisProQm, f.proQm) << f.was;
        EXPECT_DOUBLE_EQ(m.Preis, f.proQm * 20) << f.was; // no fixed price added
        EXPECT_EQ(m.Preisfix, 77) << f.was;
        EXPECT_EQ(m.Name, "Maßnahme") << f.was;
        EXPECT_EQ(m.Langtext, "Text") << f.was;
        EXPECT_EQ(m.Schichten, "Dämmung") << f.was;
        EXPECT_EQ(m.Lebensdauer, 35) << f.was;
        EXPECT_EQ(m.Bitmappfad, "bild.bmp") << f.was;
        EXPECT_EQ(m.Kea, 120) << f.was;
        EXPECT_EQ(m.Co2, 9) << f.was;
        EXPECT_TRUE(w.m_aSan[0].IstLeer()) << f.was;
    }
}

TEST(OpakeBauteile, SetzeSanierungOhneOrtBehaeltVerwendungUndPreis)
{
    DWand w = WandMit({});
    DSWand& m = w.m_aSan[1];
    m.Verwendung = 2;
    m.PreisProQm = 12;
    m.Tauwassermenge = 0.5;
    m.MoeglichInnen = 1;
    EXPECT_TRUE(w.SetzeSanierung(1, Zeile(0, 0, 0, 0.3, 0.1)));
    EXPECT_EQ(m.Verwendung, 2);
    EXPECT_EQ(m.PreisProQm, 12);
    EXPECT_EQ(m.Preis, 240);
    EXPECT_EQ(m.Dicke, 0.1);
    EXPECT_EQ(m.kWert, 0.3);
    // Not the row's business.
    EXPECT_EQ(m.Tauwassermenge, 0.5);
    EXPECT_EQ(m.MoeglichInnen, 1);
}

TEST(OpakeBauteile, SetzeSanierungKernfuellung)
{
    struct Fall {
        const char* was;
        std::vector<DSchicht> schichten;
        int schicht;
        SanZeileOpaque zeile;
        int verwendung;
        double dicke;
        double kWert;
        bool ergebnis;
    };
    const std::vector<Fall> faelle = {
        {"two air layers fill 0.06 m",
         {Schicht("Ziegel", 0.115, 0.8), Schicht("Luftschicht", 0.04), Schicht("Luftschicht", 0.02)},
         1, Zeile(0, 1, 0), 2, 0.06, 0.5, true},
        {"one 0.03 m air layer: the fill spread over less thickness",
         {Schicht("Ziegel", 0.115, 0.8), Schicht("Luftschicht", 0.03)},
         1, Zeile(0, 1, 0), 2, 0.03, 1.0, true},
        {"no air layer (rear ventilation does not count)",
         {Schicht("Ziegel", 0.115, 0.8), Schicht("Hinterlüftung", 0.04)},
         1, Zeile(0, 1, 0), 2, 0, 0.06 * 0.5 * 1e8, false},
        {"outside and core fill: outside price, core-fill thickness",
         {Schicht("Ziegel", 0.115, 0.8), Schicht("Luftschicht", 0.03)},
         1, Zeile(0, 1, 1), 1, 0.03, 1.0, true},
        {"U-value and thickness entered directly: the row's",
         {Schicht("Luftschicht", 0.03)},
         0, Zeile(0, 1, 0), 2, 0.06, 0.5, true},
        {"no core fill: the row's, air layers or not",
         {Schicht("Luftschicht", 0.03)},
         1, Zeile(0, 0, 1), 1, 0.06, 0.5, true},
    };
    for (const auto& f : faelle) {
        DWand w = WandMit(f.schichten, f.schicht);
        EXPECT_EQ(w.SetzeSanierung(1, f.zeile), f.ergebnis) << f.was;
        const DSWand& m = w.m_aSan[1];
        EXPECT_EQ(m.Verwendung, f.verwendung) << f.was;
        EXPECT_NEAR(m.Dicke, f.dicke, 1e-12) << f.was;
        EXPECT_NEAR(m.kWert, f.kWert, 1e-9 * f.kWert) << f.was;
        // Even a failed core fill fills the slot.
        EXPECT_FALSE(m.IstLeer()) << f.was;
    }
}

TEST(OpakeBauteile, SetzeSanierungAllerArten)
{
    const SanZeileOpaque z = Zeile(0, 0, 1);
    DBoden boden;
    DDecke decke;
    DSteildach steildach;
    boden.Flaeche = decke.Flaeche = steildach.Flaeche = 10;
    boden.m_aSan.SetSize(3);
    decke.m_aSan.SetSize(3);
    steildach.m_aSan.SetSize(3);
    EXPECT_TRUE(boden.SetzeSanierung(2, z));
    EXPECT_TRUE(decke.SetzeSanierung(2, z));
    EXPECT_TRUE(steildach.SetzeSanierung(2, z));
    EXPECT_EQ(boden.m_aSan[2].Preis, 400);
    EXPECT_EQ(decke.m_aSan[2].Preis, 400);
    EXPECT_EQ(steildach.m_aSan[2].Preis, 400);
    EXPECT_TRUE(boden.m_aSan[1].IstLeer());

    // A flat-roof row carries the roof kind, which plays no part.
    SanZeileFlachdach fz;
    fz.Name = "Umkehrdach";
    fz.Warmdach = 0;
    fz.Aussen = 1;
    fz.Zusatzkosten = 60;
    fz.Sowiesokosten = 15;
    fz.kWert = 0.25;
    fz.Dicke = 0.14;
    fz.KEA = 3;
    fz.CO2 = 4;
    fz.Lebensdauer = 30;
    fz.Schichten = "XPS";
    fz.Bitmappfad = "b";
    fz.Langtext = "l";
    DFlachdach dach;
    dach.Flaeche = 100;
    dach.m_aSan.SetSize(2);
    EXPECT_TRUE(dach.SetzeSanierung(1, fz));
    const DSFlachdach& m = dach.m_aSan[1];
    EXPECT_EQ(m.Name, "Umkehrdach");
    EXPECT_EQ(m.Verwendung, 1);
    EXPECT_EQ(m.PreisProQm, 60);
    EXPECT_EQ(m.Preis, 6000);
    EXPECT_EQ(m.kWert, 0.25);
    EXPECT_EQ(m.Dicke, 0.14);
    EXPECT_EQ(m.Kea, 3);
    EXPECT_EQ(m.Co2, 4);
    EXPECT_EQ(m.Lebensdauer, 30);
    EXPECT_EQ(m.Schichten, "XPS");
    EXPECT_EQ(m.Bitmappfad, "b");
    EXPECT_EQ(m.Langtext, "l");
    EXPECT_EQ(dach.Warmdach, 1);
}

TEST(OpakeBauteile, SetzeSanierungOhneSlotAendertNichts)
{
    DWand w = WandMit({});
    const DWand vorher = w;
    EXPECT_FALSE(w.SetzeSanierung(2, Zeile(1, 0, 0)));
    EXPECT_FALSE(w.SetzeSanierung(-1, Zeile(1, 0, 0)));
    EXPECT_EQ(w, vorher);
}

// --- XML ------------------------------------------------------------------

TEST(OpakeBauteile, WandAlsXml)
{
    DWand wand = BeispielWand();
    const std::string xml = test::XmlVon(wand);
    EXPECT_EQ(xml, test::TextDatei("bauteile/dwand.xml"));
    EXPECT_EQ(xml.find("W 1"), std::string::npos); // Kurzname is never written

    DWand gelesen;
    gelesen.m_Schichtaufbau.SetSize(5);
    gelesen.m_aSan.SetSize(4);
    test::LiesXml(xml, gelesen);
    EXPECT_TRUE(gelesen.Kurzname.empty());
    gelesen.Kurzname = wand.Kurzname;
    EXPECT_EQ(gelesen, wand);
}

TEST(OpakeBauteile, ElementfolgeJeArt)
{
    const std::vector<std::string> kopf = {"Nummer", "Name", "Langtext", "Dicke", "Flaeche", "kWert"};
    const std::vector<std::string> sanbar = {"SanbarInnen", "SanbarZwischen", "SanbarAussen", "SanMussInnen",
                                             "SanMussAussen", "Bitmappfad", "SowiesoInnen", "SowiesoAussen",
                                             "Kommentar", "GesamteFassadeBetrachten", "Plane", "DSchichtArray"};
    auto folge = [&](std::vector<std::string> mitte, const std::string& sanArray) {
        std::vector<std::string> v = kopf;
        v.insert(v.end(), mitte.begin(), mitte.end());
        v.insert(v.end(), sanbar.begin(), sanbar.end());
        v.push_back(sanArray);
        return v;
    };
    DBoden boden;
    DDecke decke;
    DFlachdach flachdach;
    DSteildach steildach;
    const auto b = test::Kindelemente(test::XmlVon(boden));
    const auto d = test::Kindelemente(test::XmlVon(decke));
    const auto f = test::Kindelemente(test::XmlVon(flachdach));
    const auto s = test::Kindelemente(test::XmlVon(steildach));
    EXPECT_EQ(b, folge({"Zone", "Schicht"}, "DSBodenArray"));
    EXPECT_EQ(d, folge({"Zone", "Schicht"}, "DSDeckeArray"));
    EXPECT_EQ(f, folge({"Zone", "Schicht", "Warmdach"}, "DSFlachdachArray"));
    EXPECT_EQ(s, folge({"Schicht"}, "DSSteildachArray"));
    EXPECT_EQ(b.size(), 21u);
    EXPECT_EQ(f.size(), 22u);
    EXPECT_EQ(s.size(), 20u);
}

TEST(OpakeBauteile, FlachdachRundreise)
{
    DFlachdach dach;
    dach.Warmdach = 0;
    dach.Zone = 4;
    dach.Flaeche = 80;
    dach.kWert = 0.9;
    dach.m_Schichtaufbau.Add(Schicht("Beton", 0.18, 2.1));
    dach.m_aSan.SetSize(2);
    dach.m_aSan[1].Name = "Aufdach";
    DFlachdach gelesen;
    test::XmlRundreise(dach, gelesen);
    EXPECT_EQ(gelesen, dach);
}

// --- older binary form ----------------------------------------------------

// The members of an opaque record in the binary form, up to kWert.
void Kopf(ByteBuilder& b, int nummer, const char* name)
{
    b.Int(nummer).String8(name).String8("Langtext").Double(0.3).Double(12.5).Double(0.8);
}

// From SanbarInnen to GesamteFassadeBetrachten.
void Rumpf(ByteBuilder& b)
{
    b.Int(1).Int(0).Int(1).Int(0).Int(1).String8("bild.bmp").Double(100).Double(200).String8("Kommentar").Int(0);
}

void Massnahme(ByteBuilder& b, const char* name, int verwendung)
{
    b.String8(name).String8("").String8("").Double(0.1).Double(0.3).Double(40).Int(verwendung).Double(1000)
        .Double(0).Double(80).String8("");
}

TEST(OpakeBauteile, WandAusDemBinaerformat)
{
    RegisterModelClasses();
    ByteBuilder b;
    Kopf(b, 3, "Au\xDF" "enwand"); // code page 1252
    b.Int(2);                       // Zone
    b.Int(1);                       // Schicht
    Rumpf(b);
    test::PlaneBytes plane;
    plane.ecken[1][0] = 4;
    plane.id = 104000101;
    plane.traeger1 = 5;
    plane.fassaden = 5;
    plane.Schreibe(b);
    // Layers: class DSchicht 1, objects 2 and 3.
    b.Count(2);
    b.NewClass("DSchicht").String8("Putz").Double(0.015).Double(0.87).Double(15).String8("").String8("");
    b.ClassRef(1).String8("Luftschicht").Double(0.04).Double(0).Double(1).String8("ruhend").String8("l.bmp");
    // Measures: class DSWand 4, objects 5 and 6.
    b.Count(2);
    b.NewClass("DSWand");
    Massnahme(b, "", -1);
    b.ClassRef(4);
    Massnahme(b, "WDVS", 1);

    BinaryArchive ar = test::Archiv(b);
    DWand w;
    w.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_EQ(w.Nummer, 3);
    EXPECT_EQ(w.Name, "Außenwand");
    EXPECT_EQ(w.Dicke, 0.3);
    EXPECT_EQ(w.Flaeche, 12.5);
    EXPECT_EQ(w.kWert, 0.8);
    EXPECT_EQ(w.Zone, 2);
    EXPECT_EQ(w.Schicht, 1);
    EXPECT_EQ(w.SanbarInnen, 1);
    EXPECT_EQ(w.SanbarZwischen, 0);
    EXPECT_EQ(w.SanbarAussen, 1);
    EXPECT_EQ(w.SanMussInnen, 0);
    EXPECT_EQ(w.SanMussAussen, 1);
    EXPECT_EQ(w.Bitmappfad, "bild.bmp");
    EXPECT_EQ(w.SowiesoInnen, 100);
    EXPECT_EQ(w.SowiesoAussen, 200);
    EXPECT_EQ(w.Kommentar, "Kommentar");
    EXPECT_EQ(w.GesamteFassadeBetrachten, 0);
    EXPECT_EQ(w.m_plane.ro.x, 4);
    EXPECT_EQ(w.m_plane.ID, 104000101);
    ASSERT_EQ(w.m_Schichtaufbau.size(), 2u);
    EXPECT_EQ(w.m_Schichtaufbau[1], Schicht("Luftschicht", 0.04, 0, 1, "ruhend", "l.bmp"));
    ASSERT_EQ(w.m_aSan.size(), 2u);
    EXPECT_EQ(w.m_aSan[0].Verwendung, -1);
    EXPECT_EQ(w.m_aSan[0].PreisProQm, 80);
    EXPECT_EQ(w.m_aSan[1].Name, "WDVS");
    EXPECT_EQ(w.m_aSan[1].Verwendung, 1);
}

TEST(OpakeBauteile, PlaneFolgtDerHausversion)
{
    // A house of version 3 has planes without FassadenID: it becomes the
    // first carrier's ID, and the record reads on in step.
    RegisterModelClasses();
    ByteBuilder b;
    Kopf(b, 1, "Decke");
    b.Int(1).Int(1);
    Rumpf(b);
    for (int i = 0; i < 12; ++i)
        b.Double(i);
    b.Int(305000000).Int(-1).Int(501000000).Int(-1).Int(1).Int(0); // no FassadenID
    b.Count(0).Count(0);
    BinaryArchive ar = test::Archiv(b, 3);
    DDecke d;
    d.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_EQ(d.m_plane.FassadenID, 305000000);
    EXPECT_EQ(d.m_plane.ID, 501000000);
    EXPECT_EQ(d.Zone, 1);
}

TEST(OpakeBauteile, FlachdachUndSteildachOhneZone)
{
    RegisterModelClasses();
    {
        ByteBuilder b;
        Kopf(b, 4, "Flachdach");
        b.Int(1); // Schicht
        b.Int(0); // Warmdach
        Rumpf(b);
        test::PlaneBytes().Schreibe(b);
        b.Count(0).Count(1).NewClass("DSFlachdach");
        Massnahme(b, "Aufdach", 1);
        BinaryArchive ar = test::Archiv(b);
        DFlachdach f;
        f.Zone = 0;
        f.Serialize(ar);
        EXPECT_TRUE(ar.AtEnd());
        EXPECT_EQ(f.Zone, 0);
        EXPECT_EQ(f.Schicht, 1);
        EXPECT_EQ(f.Warmdach, 0);
        EXPECT_EQ(f.SanbarInnen, 1);
        ASSERT_EQ(f.m_aSan.size(), 1u);
        EXPECT_EQ(f.m_aSan[0].Name, "Aufdach");
        // Written to XML it carries "Zone" all the same.
        EXPECT_NE(test::XmlVon(f).find("<Zone>0</Zone>"), std::string::npos);
    }
    {
        ByteBuilder b;
        Kopf(b, 5, "Steildach");
        b.Int(0); // Schicht
        Rumpf(b);
        test::PlaneBytes().Schreibe(b);
        b.Count(0).Count(0);
        BinaryArchive ar = test::Archiv(b);
        DSteildach s;
        s.Serialize(ar);
        EXPECT_TRUE(ar.AtEnd());
        EXPECT_EQ(s.Schicht, 0);
        EXPECT_EQ(s.SanbarInnen, 1);
        EXPECT_EQ(s.Kommentar, "Kommentar");
    }
}

TEST(OpakeBauteile, FalscheMassnahmeImArrayIstEinSchaden)
{
    // A floor whose measure array holds a wall measure is a damaged file.
    RegisterModelClasses();
    ByteBuilder b;
    Kopf(b, 1, "Boden");
    b.Int(2).Int(1);
    Rumpf(b);
    test::PlaneBytes().Schreibe(b);
    b.Count(0).Count(1).NewClass("DSWand");
    Massnahme(b, "x", 0);
    BinaryArchive ar = test::Archiv(b);
    DBoden boden;
    EXPECT_THROW(boden.Serialize(ar), BinaryArchiveError);
}

TEST(OpakeBauteile, AlleArtenNachNamenErzeugbar)
{
    RegisterModelClasses();
    const auto& reg = RuntimeClassRegistry::Instance();
    EXPECT_TRUE(dynamic_cast<DWand*>(reg.Create("DWand").get()));
    EXPECT_TRUE(dynamic_cast<DBoden*>(reg.Create("DBoden").get()));
    EXPECT_TRUE(dynamic_cast<DDecke*>(reg.Create("DDecke").get()));
    EXPECT_TRUE(dynamic_cast<DFlachdach*>(reg.Create("DFlachdach").get()));
    EXPECT_TRUE(dynamic_cast<DSteildach*>(reg.Create("DSteildach").get()));
    EXPECT_TRUE(dynamic_cast<DSchicht*>(reg.Create("DSchicht").get()));
}

} // namespace
} // namespace zeva
