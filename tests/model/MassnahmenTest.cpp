// Renovation measures: emptiness, clearing, copying and both document forms.
#include "model/DSBauteilOpaque.h"
#include "model/DSFenster.h"
#include "model/RuntimeClass.h"
#include "model/SHaus.h"

#include "DatensatzTestHilfen.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zeva {
namespace {

using test::ByteBuilder;

void FuelleOpaque(DSBauteilOpaque& m)
{
    m.Name = "WDVS 12 cm";
    m.Langtext = "Wärmedämmverbundsystem, Mineralwolle";
    m.Lebensdauer = 40;
    m.Preis = 1250.5;
    m.Preisfix = 300;
    m.PreisProQm = 95.25;
    m.Bitmappfad = "bilder/wdvs.bmp";
    m.Co2 = 12.5;
    m.Kea = 180;
    m.Schichten = "Kleber, Dämmung, Putz";
    m.Tauwassermenge = 0.125;
    m.Dicke = 0.12;
    m.kWert = 0.31;
    m.Verwendung = DSBauteilOpaque::Aussen;
    m.MoeglichInnen = 1;
    m.MoeglichAussen = 1;
    m.MoeglichZwischen = 0;
}

void FuelleFenster(DSFenster& m)
{
    m.Name = "Wärmeschutzglas";
    m.Langtext = "Zweischeiben-Wärmeschutzverglasung";
    m.Lebensdauer = 30;
    m.Preis = 875;
    m.Preisfix = 50;
    m.PreisProQm = 350;
    m.Bitmappfad = "bilder/fenster.bmp";
    m.Co2 = 5;
    m.Kea = 60;
    m.kWertGlas = 1.1;
    m.gWert = 0.6;
    m.Rahmenanteil = 0.25;
    m.kWertRahmen = 1.5;
}

// --- emptiness ------------------------------------------------------------

TEST(Massnahmen, NeueMassnahmenSindLeer)
{
    DSBoden boden;
    EXPECT_TRUE(boden.IstLeer());
    EXPECT_EQ(boden.Verwendung, -1);
    EXPECT_EQ(boden.MoeglichInnen, 0);

    DSFenster fenster;
    EXPECT_TRUE(fenster.IstLeer());
    EXPECT_EQ(fenster.Rahmenanteil, 0.2);
    EXPECT_EQ(fenster.Co2, 0);
}

TEST(Massnahmen, WasEineOpakeMassnahmeFuellt)
{
    struct Fall {
        const char* was;
        std::function<void(DSWand&)> setze;
        bool leer;
    };
    const std::vector<Fall> faelle = {
        {"Verwendung 0 alone", [](DSWand& m) { m.Verwendung = 0; }, false},
        {"Name", [](DSWand& m) { m.Name = "x"; }, false},
        {"Langtext", [](DSWand& m) { m.Langtext = "x"; }, false},
        {"Bitmappfad", [](DSWand& m) { m.Bitmappfad = "x"; }, false},
        {"Schichten", [](DSWand& m) { m.Schichten = "x"; }, false},
        {"Lebensdauer", [](DSWand& m) { m.Lebensdauer = 1; }, false},
        {"Preis", [](DSWand& m) { m.Preis = 1; }, false},
        {"Preisfix", [](DSWand& m) { m.Preisfix = 1; }, false},
        {"PreisProQm", [](DSWand& m) { m.PreisProQm = 1; }, false},
        {"Tauwassermenge", [](DSWand& m) { m.Tauwassermenge = 1; }, false},
        {"Dicke", [](DSWand& m) { m.Dicke = 1; }, false},
        {"kWert", [](DSWand& m) { m.kWert = 1; }, false},
        {"Co2 alone", [](DSWand& m) { m.Co2 = 3; }, true},
        {"Kea alone", [](DSWand& m) { m.Kea = 3; }, true},
        {"row flags alone", [](DSWand& m) { m.MoeglichInnen = m.MoeglichAussen = m.MoeglichZwischen = 1; }, true},
    };
    for (const auto& f : faelle) {
        DSWand m;
        f.setze(m);
        EXPECT_EQ(m.IstLeer(), f.leer) << f.was;
    }
}

TEST(Massnahmen, WasEineFenstermassnahmeFuellt)
{
    struct Fall {
        const char* was;
        std::function<void(DSFenster&)> setze;
        bool leer;
    };
    const std::vector<Fall> faelle = {
        {"Name", [](DSFenster& m) { m.Name = "x"; }, false},
        {"kWertGlas", [](DSFenster& m) { m.kWertGlas = 1.1; }, false},
        {"gWert", [](DSFenster& m) { m.gWert = 0.6; }, false},
        {"kWertRahmen", [](DSFenster& m) { m.kWertRahmen = 1.5; }, false},
        {"Preisfix", [](DSFenster& m) { m.Preisfix = 1; }, false},
        {"Rahmenanteil alone", [](DSFenster& m) { m.Rahmenanteil = 0.4; }, true},
        {"Co2 and Kea alone", [](DSFenster& m) { m.Co2 = m.Kea = 2; }, true},
    };
    for (const auto& f : faelle) {
        DSFenster m;
        f.setze(m);
        EXPECT_EQ(m.IstLeer(), f.leer) << f.was;
    }
}

TEST(Massnahmen, LeereSetztZurueck)
{
    DSDecke decke;
    FuelleOpaque(decke);
    decke.Leere();
    EXPECT_TRUE(decke.IstLeer());
    EXPECT_EQ(decke.Verwendung, -1);
    EXPECT_EQ(decke.Co2, 0);
    EXPECT_EQ(decke.Kea, 0);
    EXPECT_EQ(decke.MoeglichInnen, 0);
    EXPECT_EQ(decke.MoeglichAussen, 0);

    // A window measure keeps Co2 and Kea when cleared, and gets the frame
    // share of a new measure back.
    DSFenster fenster;
    FuelleFenster(fenster);
    fenster.Leere();
    EXPECT_TRUE(fenster.IstLeer());
    EXPECT_EQ(fenster.Co2, 5);
    EXPECT_EQ(fenster.Kea, 60);
    EXPECT_EQ(fenster.Rahmenanteil, 0.2);
    EXPECT_EQ(fenster.Preisfix, 0);
}

// --- copying --------------------------------------------------------------

TEST(Massnahmen, KopiereUebernimmtAlles)
{
    DSSteildach quelle;
    FuelleOpaque(quelle);
    DSSteildach ziel;
    ziel.Kopiere(quelle);
    EXPECT_EQ(ziel, quelle);
    EXPECT_EQ(ziel.MoeglichInnen, 1);

    DSFenster fq;
    FuelleFenster(fq);
    DSFenster fz;
    fz.Kopiere(fq);
    EXPECT_EQ(fz, fq);
}

TEST(Massnahmen, KopiereDesGemeinsamenTeilsLaesstDenRestStehen)
{
    DSWand quelle;
    FuelleOpaque(quelle);
    DSWand ziel;
    ziel.Kopiere(static_cast<const DSBauteil&>(quelle));
    EXPECT_EQ(ziel.Name, quelle.Name);
    EXPECT_EQ(ziel.Co2, quelle.Co2);
    EXPECT_EQ(ziel.Kea, quelle.Kea);
    EXPECT_EQ(ziel.Preisfix, quelle.Preisfix);
    EXPECT_EQ(ziel.Verwendung, -1);
    EXPECT_EQ(ziel.Dicke, 0);
    EXPECT_TRUE(ziel.Schichten.empty());
}

TEST(Massnahmen, ArrayKopienSindUnabhaengig)
{
    CDSWandArray a;
    a.SetSize(2);
    FuelleOpaque(a[1]);
    CDSWandArray b;
    b.SetSize(5);
    b = a;
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1], a[1]);
    b[1].Name = "anders";
    b[1].Verwendung = 2;
    EXPECT_EQ(a[1].Name, "WDVS 12 cm");
    EXPECT_EQ(a[1].Verwendung, 1);
}

// --- XML ------------------------------------------------------------------

TEST(Massnahmen, BodenmassnahmeAlsXml)
{
    DSBoden m;
    FuelleOpaque(m);
    EXPECT_EQ(test::XmlVon(m), test::TextDatei("massnahmen/dsboden.xml"));

    // The row flags are not stored: the reading object keeps its own.
    DSBoden gelesen;
    gelesen.MoeglichInnen = 0;
    gelesen.MoeglichAussen = 0;
    gelesen.MoeglichZwischen = 1;
    test::XmlRundreise(m, gelesen);
    EXPECT_EQ(gelesen.MoeglichZwischen, 1);
    gelesen.MoeglichInnen = m.MoeglichInnen;
    gelesen.MoeglichAussen = m.MoeglichAussen;
    gelesen.MoeglichZwischen = m.MoeglichZwischen;
    EXPECT_EQ(gelesen, m);
}

TEST(Massnahmen, FenstermassnahmeAlsXml)
{
    DSFenster m;
    FuelleFenster(m);
    EXPECT_EQ(test::Kindelemente(test::XmlVon(m)),
              (std::vector<std::string>{"DSBauteil", "kWertGlas", "gWert", "Rahmenanteil", "kWertRahmen"}));
    DSFenster gelesen;
    test::XmlRundreise(m, gelesen);
    EXPECT_EQ(gelesen, m);
}

TEST(Massnahmen, OpakeArtenSchreibenIhrElement)
{
    DSWand w;
    DSDecke d;
    DSFlachdach f;
    DSSteildach s;
    const std::vector<std::string> nurBasis = {"DSBauteilOpaque"};
    for (CXmlObject* m : std::vector<CXmlObject*>{&w, &d, &f, &s}) {
        const std::string xml = test::XmlVon(*m);
        EXPECT_EQ(test::Kindelemente(xml), nurBasis) << xml;
    }
    EXPECT_EQ(test::XmlVon(f).rfind("<DSFlachdach><DSBauteilOpaque><DSBauteil>", 0), 0u);
}

TEST(Massnahmen, SHausSchreibtSeinWandArray)
{
    SHaus h;
    h.m_aSWand.SetSize(1);
    h.m_aSWand[0].Name = "A";
    const std::string xml = test::XmlVon(h);
    EXPECT_EQ(test::Kindelemente(xml), std::vector<std::string>{"DSWandArray"});
    SHaus gelesen;
    test::LiesXml(xml, gelesen);
    ASSERT_EQ(gelesen.m_aSWand.size(), 1u);
    EXPECT_EQ(gelesen.m_aSWand[0].Name, "A");
}

// --- older binary form ----------------------------------------------------

TEST(Massnahmen, OpakeMassnahmeAusDemBinaerformat)
{
    ByteBuilder b;
    b.String8("D\xE4mmung")                 // Name, code page 1252
        .String8("unter Estrich")           // Langtext
        .String8("EPS 035")                 // Schichten
        .Double(0.08)                       // Dicke
        .Double(0.35)                       // kWert
        .Double(40)                         // Lebensdauer
        .Int(2)                             // Verwendung
        .Double(960)                        // Preis
        .Double(100)                        // Preisfix
        .Double(43.5)                       // PreisProQm
        .String8("bilder\\boden.bmp");      // Bitmappfad
    BinaryArchive ar = test::Archiv(b);
    DSBoden m;
    m.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_EQ(m.Name, "Dämmung");
    EXPECT_EQ(m.Langtext, "unter Estrich");
    EXPECT_EQ(m.Schichten, "EPS 035");
    EXPECT_EQ(m.Dicke, 0.08);
    EXPECT_EQ(m.kWert, 0.35);
    EXPECT_EQ(m.Lebensdauer, 40);
    EXPECT_EQ(m.Verwendung, 2);
    EXPECT_EQ(m.Preis, 960);
    EXPECT_EQ(m.Preisfix, 100);
    EXPECT_EQ(m.PreisProQm, 43.5);
    EXPECT_EQ(m.Bitmappfad, "bilder\\boden.bmp");
    EXPECT_EQ(m.Tauwassermenge, 0);
    EXPECT_EQ(m.Co2, 0);
    EXPECT_EQ(m.Kea, 0);
}

TEST(Massnahmen, FenstermassnahmeAusDemBinaerformat)
{
    ByteBuilder b;
    b.String8("WSG").String8("2-fach")
        .Double(1.1)   // kWertGlas
        .Double(0.6)   // gWert
        .Double(0.25)  // Rahmenanteil
        .Double(1.5)   // kWertRahmen
        .Double(30)    // Lebensdauer
        .Double(875)   // Preis
        .Double(0)     // Preisfix
        .Double(350)   // PreisProQm
        .String8("");  // Bitmappfad
    BinaryArchive ar = test::Archiv(b);
    DSFenster m;
    m.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_EQ(m.Name, "WSG");
    EXPECT_EQ(m.kWertGlas, 1.1);
    EXPECT_EQ(m.gWert, 0.6);
    EXPECT_EQ(m.Rahmenanteil, 0.25);
    EXPECT_EQ(m.kWertRahmen, 1.5);
    EXPECT_EQ(m.Lebensdauer, 30);
    EXPECT_EQ(m.Preis, 875);
    EXPECT_EQ(m.PreisProQm, 350);
    EXPECT_EQ(m.Co2, 0);
    EXPECT_EQ(m.Kea, 0);
}

TEST(Massnahmen, AbgeschnitteneMassnahmeMeldetDenSchaden)
{
    ByteBuilder b;
    b.String8("WSG").String8("2-fach").Double(1.1);
    BinaryArchive ar = test::Archiv(b);
    DSFenster m;
    EXPECT_THROW(m.Serialize(ar), BinaryArchiveError);
}

TEST(Massnahmen, SHausAusDemBinaerformatNachKlassennamen)
{
    RegisterModelClasses();
    // SHaus (class 1, object 2) holding an array of two wall measures
    // (class DSWand 3, objects 4 and 5).
    ByteBuilder b;
    b.NewClass("SHaus").Count(2);
    for (int i = 0; i < 2; ++i) {
        if (i == 0)
            b.NewClass("DSWand");
        else
            b.ClassRef(3);
        b.String8(i == 0 ? "A" : "B").String8("").String8("").Double(0).Double(0).Double(0).Int(i).Double(0)
            .Double(0).Double(0).String8("");
    }
    BinaryArchive ar = test::Archiv(b);
    std::unique_ptr<SHaus> h = ReadObject<SHaus>(ar);
    ASSERT_TRUE(h);
    EXPECT_TRUE(ar.AtEnd());
    ASSERT_EQ(h->m_aSWand.size(), 2u);
    EXPECT_EQ(h->m_aSWand[0].Name, "A");
    EXPECT_EQ(h->m_aSWand[1].Name, "B");
    EXPECT_EQ(h->m_aSWand[1].Verwendung, 1);
}

TEST(Massnahmen, AlleMassnahmenSindNachNamenErzeugbar)
{
    RegisterModelClasses();
    const auto& reg = RuntimeClassRegistry::Instance();
    for (const char* name : {"DSBoden", "DSDecke", "DSWand", "DSFlachdach", "DSSteildach", "DSFenster", "SHaus"}) {
        std::unique_ptr<CXmlObject> o = reg.Create(name);
        ASSERT_TRUE(o) << name;
    }
    EXPECT_TRUE(dynamic_cast<DSFlachdach*>(reg.Create("DSFlachdach").get()));
    // The intermediate classes are never created on their own.
    EXPECT_FALSE(reg.Contains("DSBauteil"));
    EXPECT_FALSE(reg.Contains("DSBauteilOpaque"));
}

} // namespace
} // namespace zeva
