// The window record: defaults, validity, U-value, measure setting and both
// document forms.
#include "model/DFenster.h"
#include "model/RuntimeClass.h"

#include "DatensatzTestHilfen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeva {
namespace {

using test::ByteBuilder;

TEST(DFenster, Vorgaben)
{
    const DFenster f;
    EXPECT_EQ(f.Rahmenanteil, 0.3);
    EXPECT_EQ(f.Reduktionsfaktor, 0.7);
    EXPECT_EQ(f.Sanbar, 1);
    EXPECT_EQ(f.SanMuss, 0);
    EXPECT_EQ(f.Richtung, 0);
    EXPECT_EQ(f.Neigung, 0);
    EXPECT_EQ(f.GesamteFassadeBetrachten, 1);
    EXPECT_TRUE(f.m_aSan.empty());
    EXPECT_TRUE(f.IstUngueltig());
}

TEST(DFenster, IstUngueltigSiehtNurFlaecheUndGlas)
{
    struct Fall {
        double flaeche, glas, rahmen;
        bool ungueltig;
    };
    const std::vector<Fall> faelle = {
        {2.0, 0, 1.8, true},  // the frame's U-value does not count
        {0, 1.1, 1.8, true},
        {-1, 1.1, 1.8, true},
        {2.0, 1.1, 0, false}, // nor does a missing one
        {2.0, 1.1, 1.8, false},
    };
    for (const auto& f : faelle) {
        DFenster w;
        w.Flaeche = f.flaeche;
        w.kWertGlas = f.glas;
        w.kWertRahmen = f.rahmen;
        EXPECT_EQ(w.IstUngueltig(), f.ungueltig) << f.flaeche << " " << f.glas << " " << f.rahmen;
    }
}

TEST(DFenster, UWertAusGlasUndRahmen)
{
    DFenster f;
    f.kWertGlas = 1.1;
    f.kWertRahmen = 1.5;
    EXPECT_DOUBLE_EQ(f.UWert(), 1.22);
    f.Rahmenanteil = 0;
    EXPECT_DOUBLE_EQ(f.UWert(), 1.1);
}

SanZeileFenster Zeile(int rahmenaustausch)
{
    SanZeileFenster z;
    z.FensterID = 4;
    z.Name = "3-fach";
    z.Langtext = "Dreischeiben-Wärmeschutzglas";
    z.kWertGlas = 0.7;
    z.gWert = 0.5;
    z.kWertRahmen = 1.3;
    z.Rahmenaustausch = rahmenaustausch;
    z.Lebensdauer = 30;
    z.Sowiesokostenfix = 200;
    z.Sowiesokosten = 50;
    z.Zusatzkostenfix = 100;
    z.Zusatzkosten = 300;
    z.KEA = 80;
    z.CO2 = 11;
    z.Bitmappfad = "f.bmp";
    return z;
}

TEST(DFenster, SetzeSanierung)
{
    struct Fall {
        const char* was;
        int rahmenaustausch;
        double rahmen;
    };
    const std::vector<Fall> faelle = {
        {"without a new frame the window's own frame stays", 0, 2.0},
        {"a new frame takes the row's", 1, 1.3},
        {"any non-zero flag replaces the frame", -1, 1.3},
    };
    for (const auto& f : faelle) {
        DFenster w;
        w.Flaeche = 2.5;
        w.kWertGlas = 2.8;
        w.kWertRahmen = 2.0;
        w.m_aSan.SetSize(2);
        w.m_aSan[1].Rahmenanteil = 0.35;
        w.m_aSan[1].Preisfix = 40;
        EXPECT_TRUE(w.SetzeSanierung(1, Zeile(f.rahmenaustausch))) << f.was;
        const DSFenster& m = w.m_aSan[1];
        EXPECT_EQ(m.kWertRahmen, f.rahmen) << f.was;
        EXPECT_EQ(m.Name, "3-fach") << f.was;
        EXPECT_EQ(m.Langtext, "Dreischeiben-Wärmeschutzglas") << f.was;
        EXPECT_EQ(m.Bitmappfad, "f.bmp") << f.was;
        EXPECT_EQ(m.kWertGlas, 0.7) << f.was;
        EXPECT_EQ(m.gWert, 0.5) << f.was;
        EXPECT_EQ(m.Lebensdauer, 30) << f.was;
        EXPECT_EQ(m.PreisProQm, 350) << f.was;
        EXPECT_EQ(m.Preis, 875) << f.was;
        EXPECT_EQ(m.Kea, 80) << f.was;
        EXPECT_EQ(m.Co2, 11) << f.was;
        // Not touched by a data-base row.
        EXPECT_EQ(m.Rahmenanteil, 0.35) << f.was;
        EXPECT_EQ(m.Preisfix, 40) << f.was;
        EXPECT_TRUE(w.m_aSan[0].IstLeer()) << f.was;
    }

    DFenster ohneSlot;
    EXPECT_FALSE(ohneSlot.SetzeSanierung(1, Zeile(1)));
}

DFenster BeispielFenster()
{
    DFenster f;
    f.Kurzname = "F 2";
    f.GesamteFassadeBetrachten = 0;
    f.Sowieso = 120;
    f.Nummer = 2;
    f.NameGlas = "Isolierglas";
    f.NameRahmen = "Holz";
    f.Langtext = "Wohnzimmer";
    f.Flaeche = 2.25;
    f.kWertGlas = 2.8;
    f.gWert = 0.75;
    f.Richtung = 4;
    f.Neigung = 1;
    f.Rahmenanteil = 0.25;
    f.kWertRahmen = 1.9;
    f.Sanbar = 0;
    f.SanMuss = 1;
    f.Reduktionsfaktor = 0.6;
    f.Bitmappfad = "fenster.bmp";
    f.Kommentar = "Süd";
    f.m_plane.ID = 154000101;
    f.m_plane.Traeger1ID = 4000101;
    f.m_plane.ro = Punkt3D(1.5, 0, 0);
    f.m_aSan.SetSize(2);
    f.m_aSan[1].Name = "WSG";
    f.m_aSan[1].kWertGlas = 1.1;
    f.m_aSan[1].Co2 = 3;
    return f;
}

TEST(DFenster, XmlFolgeUndRundreise)
{
    DFenster f = BeispielFenster();
    const std::string xml = test::XmlVon(f);
    EXPECT_EQ(test::Kindelemente(xml),
              (std::vector<std::string>{"Nummer", "NameGlas", "NameRahmen", "Langtext", "Flaeche", "kWertGlas",
                                        "gWert", "Richtung", "Neigung", "Rahmenanteil", "kWertRahmen", "Sanbar",
                                        "SanMuss", "Reduktionsfaktor", "Bitmappfad", "Sowieso", "Kommentar",
                                        "GesamteFassadeBetrachten", "Plane", "DSFensterArray"}));
    EXPECT_EQ(xml.find("F 2"), std::string::npos);
    EXPECT_NE(xml.find("<DSFensterArray Size=\"2\"><DSFenster><DSBauteil>"), std::string::npos);

    DFenster gelesen;
    gelesen.m_aSan.SetSize(5);
    test::LiesXml(xml, gelesen);
    EXPECT_TRUE(gelesen.Kurzname.empty());
    gelesen.Kurzname = f.Kurzname;
    EXPECT_EQ(gelesen, f);
}

TEST(DFenster, KopienSindUnabhaengig)
{
    const DFenster quelle = BeispielFenster();
    DFenster kopie;
    kopie.m_aSan.SetSize(4);
    kopie = quelle;
    EXPECT_EQ(kopie, quelle);
    EXPECT_EQ(kopie.Kurzname, "F 2");
    kopie.m_aSan[1].Name = "anders";
    kopie.m_aSan[1].Co2 = 9;
    EXPECT_EQ(quelle.m_aSan[1].Name, "WSG");
    EXPECT_EQ(quelle.m_aSan[1].Co2, 3);
}

TEST(DFenster, AusDemBinaerformat)
{
    RegisterModelClasses();
    ByteBuilder b;
    b.Int(2)                          // Nummer
        .String8("Isolierglas")       // NameGlas
        .String8("Holz")              // NameRahmen
        .String8("W\xF6hnzimmer")     // Langtext, code page 1252
        .Double(2.25)                 // Flaeche
        .Double(2.8)                  // kWertGlas
        .Double(0.75)                 // gWert
        .Int(4)                       // Richtung
        .Int(1)                       // Neigung
        .Double(0.25)                 // Rahmenanteil
        .Double(1.9)                  // kWertRahmen
        .Int(0)                       // Sanbar
        .Int(1)                       // SanMuss
        .Double(0.6)                  // Reduktionsfaktor
        .String8("fenster.bmp")       // Bitmappfad
        .Double(120)                  // Sowieso
        .String8("S\xFC" "d")         // Kommentar
        .Int(0);                      // GesamteFassadeBetrachten
    test::PlaneBytes plane;
    plane.id = 154000101;
    plane.traeger1 = 4000101;
    plane.Schreibe(b);
    b.Count(1).NewClass("DSFenster");
    b.String8("WSG").String8("").Double(1.1).Double(0.6).Double(0.2).Double(1.5).Double(30).Double(875).Double(0)
        .Double(350).String8("");
    BinaryArchive ar = test::Archiv(b);
    DFenster f;
    f.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_EQ(f.Nummer, 2);
    EXPECT_EQ(f.NameGlas, "Isolierglas");
    EXPECT_EQ(f.NameRahmen, "Holz");
    EXPECT_EQ(f.Langtext, "Wöhnzimmer");
    EXPECT_EQ(f.Flaeche, 2.25);
    EXPECT_EQ(f.kWertGlas, 2.8);
    EXPECT_EQ(f.gWert, 0.75);
    EXPECT_EQ(f.Richtung, 4);
    EXPECT_EQ(f.Neigung, 1);
    EXPECT_EQ(f.Rahmenanteil, 0.25);
    EXPECT_EQ(f.kWertRahmen, 1.9);
    EXPECT_EQ(f.Sanbar, 0);
    EXPECT_EQ(f.SanMuss, 1);
    EXPECT_EQ(f.Reduktionsfaktor, 0.6);
    EXPECT_EQ(f.Bitmappfad, "fenster.bmp");
    EXPECT_EQ(f.Sowieso, 120);
    EXPECT_EQ(f.Kommentar, "Süd");
    EXPECT_EQ(f.GesamteFassadeBetrachten, 0);
    EXPECT_EQ(f.m_plane.ID, 154000101);
    EXPECT_EQ(f.m_plane.Traeger1ID, 4000101);
    ASSERT_EQ(f.m_aSan.size(), 1u);
    EXPECT_EQ(f.m_aSan[0].PreisProQm, 350);
}

TEST(DFenster, NachNamenErzeugbar)
{
    RegisterModelClasses();
    EXPECT_TRUE(dynamic_cast<DFenster*>(RuntimeClassRegistry::Instance().Create("DFenster").get()));
}

} // namespace
} // namespace zeva
