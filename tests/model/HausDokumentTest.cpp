// The house in the project document: the element of a new house, the fix-up
// after reading, and the older binary form of versions 1 to 10 read from
// documents built byte by byte.
#include "model/CDach.h"
#include "model/CXmlArchive.h"
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/Klimadaten.h"
#include "model/RuntimeClass.h"
#include "platform/BinaryArchive.h"

#include "BilanzTestHaus.h"
#include "AltesDokumentBeispiel.h"
#include "DatensatzTestHilfen.h"
#include "DokumentVergleich.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zeva {
namespace {

namespace fs = std::filesystem;

using test::MerkNotifier;

class HausDokumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetzeKlimaOrdner(fs::path(ZEVA_DATA_DIR) / "klima");
        RegisterModelClasses();
    }
    void TearDown() override { SetzeKlimaOrdner({}); }
};

std::string Dokument(Haus& haus, DOptionen& optionen)
{
    CXmlArchiveFile ar = CXmlArchiveFile::CreateForWrite("unbenutzt.vza", CXmlArchiveFile::ProjektVorlage,
                                                          CXmlArchiveFile::ProjektWurzel);
    haus.WriteXml(ar);
    optionen.WriteXml(ar);
    return ar.Archive().ToString();
}

fs::path Datei(const std::string& name, const std::string& inhalt)
{
    const fs::path pfad = test::ProcessTempDir() / name;
    std::ofstream(pfad, std::ios::binary) << inhalt;
    return pfad;
}

// Reads the house element of the text into a new house and runs the fix-up.
void LiesUndRichteEin(const std::string& text, Haus& haus, Notifier& notifier)
{
    CXmlArchiveFile ar = CXmlArchiveFile::OpenForRead(Datei("lesen.vza", text), CXmlArchiveFile::ProjektWurzel);
    haus.ReadXml(ar);
    haus.NachLaden(notifier);
}

// ---- The house element

TEST_F(HausDokumentTest, NeuesHausGleichtDemHandgeschriebenenDokument)
{
    Haus haus;
    DOptionen optionen;
    const std::string text = Dokument(haus, optionen);
    EXPECT_EQ(test::KanonischeForm(text), test::KanonischeForm(test::TextDatei("dokument/neues_haus.vza")));
    // No white space between the elements.
    std::string koerper = text.substr(text.find("<VykeZeva"));
    while (!koerper.empty() && koerper.back() == '\n')
        koerper.pop_back();
    EXPECT_EQ(koerper.find('\n'), std::string::npos) << koerper.substr(0, 200);
}

TEST_F(HausDokumentTest, XmllintNimmtDasDokumentAn)
{
    // tools/install-deps installs xmllint (libxml2-utils).
    ASSERT_EQ(std::system("xmllint --version > /dev/null 2>&1"), 0) << "xmllint fehlt";
    Haus haus;
    DOptionen optionen;
    haus.Beschreibung = "Müller & Söhne <Altbau>";
    const std::string text = Dokument(haus, optionen);
    // UTF-8, with the markup characters escaped.
    EXPECT_NE(text.find("<Beschreibung>M\xC3\xBCller &amp; S\xC3\xB6hne &lt;Altbau&gt;</Beschreibung>"),
              std::string::npos);
    const fs::path pfad = Datei("xmllint.vza", text);
    EXPECT_EQ(std::system(("xmllint --noout '" + pfad.string() + "'").c_str()), 0);
}

// ---- The fix-up after reading

TEST_F(HausDokumentTest, WizardSchrittAlterDokumente)
{
    struct Fall {
        int version;
        int phase;
        int erwartet;
    };
    const Fall faelle[] = {
        {7, 14, 15}, {7, 11, 13}, {7, 12, 13}, {7, 13, 13}, {7, 15, 15}, {7, 16, 16}, {1, 14, 15},
        {8, 14, 14}, {8, 11, 11}, {8, 12, 12}, {10, 14, 14},
    };
    for (const Fall& f : faelle) {
        Haus quelle;
        quelle.Version = f.version;
        quelle.Phase = f.phase;
        DOptionen optionen;
        const std::string text = Dokument(quelle, optionen);

        Haus haus;
        MerkNotifier notifier;
        LiesUndRichteEin(text, haus, notifier);
        EXPECT_EQ(haus.Phase, f.erwartet) << "Version " << f.version << ", Schritt " << f.phase;
        // The house is now of the current version: a second fix-up (or the
        // next opening after a save) leaves the step alone.
        EXPECT_EQ(haus.Version, Haus::AktuelleVersion);
        haus.NachLaden(notifier);
        EXPECT_EQ(haus.Phase, f.erwartet);
        EXPECT_TRUE(notifier.texte.empty());
    }
}

TEST_F(HausDokumentTest, KlimazoneDesDokumentsWirdGeladen)
{
    // A climate file whose thirteen zones all differ.
    const fs::path ordner = test::ProcessTempDir() / "klima13";
    fs::create_directories(ordner);
    fs::copy_file(fs::path(ZEVA_TEST_DATA_DIR) / "klima" / "dreizehn_zonen.rdt", ordner / "klima.rdt",
                  fs::copy_options::overwrite_existing);
    SetzeKlimaOrdner(ordner);
    Klimadaten region5;
    ASSERT_TRUE(LeseKlimablock(KlimaDatei(), 5, region5));
    Haus neu; // the tables of zone 13
    bool verschieden = false;
    for (int zeile = 0; zeile < KlimablockZeilen; ++zeile)
        verschieden = verschieden || neu.Zeile(zeile) != region5.Zeile(zeile);
    ASSERT_TRUE(verschieden);

    struct Fall {
        int gespeichert;
        int erwartet;
    };
    for (const Fall f : {Fall{5, 5}, Fall{13, 13}, Fall{0, 0}, Fall{14, 0}, Fall{-3, 0}}) {
        Haus quelle;
        quelle.Klimazone = f.gespeichert;
        DOptionen optionen;
        Haus haus;
        MerkNotifier notifier;
        LiesUndRichteEin(Dokument(quelle, optionen), haus, notifier);
        EXPECT_EQ(haus.Klimazone, f.erwartet) << f.gespeichert;
        if (f.erwartet == 5) {
            for (int zeile = 0; zeile < KlimablockZeilen; ++zeile)
                EXPECT_EQ(haus.Zeile(zeile), region5.Zeile(zeile)) << "Zeile " << zeile;
        }
    }
}

TEST_F(HausDokumentTest, UnbrauchbaresDachFaelltMitMeldungWeg)
{
    Haus quelle;
    CDach gut(dachtyp::Satteldach);
    gut.m_size = Punkt2D(10, 6);
    gut.SetzePunktzahl();
    gut.SetzeKanten();
    gut.BerechneDachpunkte(true);
    gut.Hoehe = 4;
    CDach kaputt = gut;
    kaputt.m_points.SetSize(3); // a saddle roof has six points
    CDach unbekannt = gut;
    unbekannt.Typ = 9;
    quelle.m_aDach.Add(kaputt);
    quelle.m_aDach.Add(gut);
    quelle.m_aDach.Add(unbekannt);
    DOptionen optionen;

    // Such roofs are never written.
    std::string text = Dokument(quelle, optionen);
    const std::string kopf = "<DachArray Size=\"1\">";
    const auto anfang = text.find(kopf + "<Dach>");
    ASSERT_NE(anfang, std::string::npos);
    const auto ende = text.find("</DachArray>", anfang);
    ASSERT_NE(ende, std::string::npos);
    // A document written otherwise holds them: six points for a
    // Krüppelwalmdach (it has ten), and a form that does not exist.
    const std::string element = text.substr(anfang + kopf.size(), ende - anfang - kopf.size());
    const auto mitTyp = [&element](const char* typ) {
        std::string e = element;
        e.replace(e.find("<Typ>2</Typ>"), 12, typ);
        return e;
    };
    text.replace(anfang, ende - anfang,
                 "<DachArray Size=\"3\">" + mitTyp("<Typ>4</Typ>") + element + mitTyp("<Typ>9</Typ>"));

    Haus haus;
    MerkNotifier notifier;
    LiesUndRichteEin(text, haus, notifier);
    ASSERT_EQ(haus.m_aDach.size(), 1u);
    EXPECT_EQ(haus.m_aDach[0].Hoehe, 4);
    EXPECT_TRUE(haus.m_aDach[0].IstFertig());
    // Rebuilt from its stored members: the face list is there again.
    EXPECT_GT(haus.m_aDach[0].Flaechenzahl(), 0);
    EXPECT_EQ(notifier.texte, (std::vector<std::string>(2, CDach::MeldungBeschaedigt)));
}

// ---- The older binary form

// Reads house and options as the document holds them, with the options a
// new record had before.
struct Gelesen {
    Haus haus;
    DOptionen optionen;
};

void LiesAlt(const test::ByteBuilder& bytes, Gelesen& g)
{
    BinaryArchive ar(bytes.Bytes());
    g.haus.Serialize(ar);
    g.optionen.LeseBinaer(ar, g.haus.Version);
    EXPECT_TRUE(ar.AtEnd()) << "Byte " << ar.Position() << " von " << ar.Size();
}

TEST_F(HausDokumentTest, JedeVersionLiestIhreFelder)
{
    for (int v = 1; v <= 10; ++v) {
        SCOPED_TRACE("Version " + std::to_string(v));
        const test::HausBytes b = test::BeispielHaus(v);
        Gelesen g;
        ASSERT_NO_THROW(LiesAlt(test::AltesDokument(b, test::BeispielOptionen()), g));
        const Haus& h = g.haus;

        // Always present.
        EXPECT_EQ(h.Version, v);
        EXPECT_EQ(h.Beschreibung, "Doppelhaushälfte");
        EXPECT_EQ(h.Strasse, "Gartenstraße 3");
        EXPECT_EQ(h.Ort, "Münster");
        EXPECT_EQ(h.Kommentar, "Angebot 12.000 €");
        EXPECT_EQ(h.Baujahr, 1962);
        EXPECT_EQ(h.Nutzungstyp, 1);
        EXPECT_EQ(h.Energiebezugsflaeche, 142.5);
        EXPECT_EQ(h.Etagenflaeche, 160.25);
        EXPECT_EQ(h.Innentemperatur, 20);
        EXPECT_EQ(h.Luftwechsel, 0.7);
        EXPECT_EQ(h.Volumen, 356.5);
        EXPECT_EQ(h.Elektrizitaet, 75);
        EXPECT_EQ(h.Personenzahl, 4);
        EXPECT_EQ(h.NutzungszeitProTag, 14);
        EXPECT_EQ(h.Klimazone, 5);
        EXPECT_EQ(h.Varianten, 1);
        EXPECT_EQ(h.Stockwerkshoehe, 2.75);
        EXPECT_EQ(h.Stockwerkszahl, 2);
        EXPECT_EQ(h.Dachhoehe, 4.5);
        EXPECT_EQ(h.Drempelhoehe, 0.8);
        EXPECT_EQ(h.Kellerhoehe, 2.2);
        EXPECT_EQ(h.Ausrichtung, 75);
        EXPECT_EQ(h.Haushoehe, 11);
        EXPECT_EQ(h.Flag2DAutoGratlinien, 1);
        EXPECT_EQ(h.Flag2DOnlineFirstDocken, 1);
        EXPECT_EQ(h.Flag2DNachherFirstDocken, 0);
        EXPECT_EQ(h.Flag2DGratAnGrundrissDocken, 0);
        EXPECT_EQ(h.Flag2DGratAnFirstDocken, 1);
        EXPECT_EQ(h.Flag2DTesthausGenerieren, 0);
        EXPECT_EQ(h.Flag2DPixelZaehlraster, 150);
        EXPECT_EQ(h.Flag2DSchritteDachvolumen, 12);
        EXPECT_EQ(h.Flaeche2DEingabe, 900);
        EXPECT_EQ(h.Flag2DEingabeImUZS, 1);
        EXPECT_EQ(h.Flag2DKnotenGrundriss, 1);
        EXPECT_EQ(h.m_2DKnotenGrundriss.x, 3.5);
        EXPECT_EQ(h.m_2DKnotenGrundriss.y, 4.25);
        EXPECT_EQ(h.DachBeheizt, 0);
        EXPECT_EQ(h.KellerBeheizt, 1);
        EXPECT_EQ(h.Steildach, 1);
        EXPECT_EQ(h.RealAreaWidth, 30);
        EXPECT_EQ(h.RealAreaHeight, 25);
        EXPECT_EQ(h.RealGridWidth, 0.25);
        EXPECT_EQ(h.OpenGLWidth, 20.0);
        EXPECT_EQ(h.OpenGLHeight, 25.0);

        // The records, with the nested layers and measures (their objects
        // and classes are numbered on through the whole file).
        ASSERT_EQ(h.m_aWand.size(), 1u);
        const DWand& w = h.m_aWand[0];
        EXPECT_EQ(w.Name, "Außenwand Süd");
        EXPECT_EQ(w.Dicke, 0.38);
        EXPECT_EQ(w.Flaeche, 42.5);
        EXPECT_EQ(w.Zone, 2);
        EXPECT_EQ(w.SanMussAussen, 1);
        EXPECT_EQ(w.SowiesoAussen, 1800);
        EXPECT_EQ(w.Kommentar, "Nordseite feucht");
        EXPECT_EQ(w.m_plane.ID, 4000101);
        ASSERT_EQ(w.m_Schichtaufbau.size(), 2u);
        EXPECT_EQ(w.m_Schichtaufbau[1].Name, "Vollziegel");
        EXPECT_EQ(w.m_Schichtaufbau[1].Langtext, "1800 kg/m³");
        EXPECT_EQ(w.m_Schichtaufbau[1].Lambda, 0.81);
        ASSERT_EQ(w.m_aSan.size(), 2u);
        EXPECT_EQ(w.m_aSan[1].Name, "WDVS 12 cm");
        EXPECT_EQ(w.m_aSan[1].Verwendung, 1);
        EXPECT_EQ(w.m_aSan[1].PreisProQm, 110);
        EXPECT_EQ(w.m_aSan[1].Bitmappfad, "wdvs.bmp");
        ASSERT_EQ(h.m_aBoden.size(), 1u);
        EXPECT_EQ(h.m_aBoden[0].Zone, 3);
        ASSERT_EQ(h.m_aFenster.size(), 1u);
        EXPECT_EQ(h.m_aFenster[0].Rahmenanteil, 0.25);
        EXPECT_EQ(h.m_aFenster[0].Reduktionsfaktor, 0.6);
        ASSERT_EQ(h.m_aFenster[0].m_aSan.size(), 2u);
        EXPECT_EQ(h.m_aFenster[0].m_aSan[1].Name, "Wärmeschutzglas");
        EXPECT_EQ(h.m_aFenster[0].m_aSan[1].Preis, 2600);
        EXPECT_TRUE(h.m_aFlachdach.empty());
        EXPECT_TRUE(h.m_aSteildach.empty());
        EXPECT_TRUE(h.m_aDecke.empty());
        ASSERT_EQ(h.m_aHeizung.size(), 2u);
        EXPECT_EQ(h.m_aHeizung[0].Name, "Gaskessel 1985");
        EXPECT_EQ(h.m_aHeizung[1].Name, "Brennwertkessel");
        EXPECT_EQ(h.m_aHeizung[1].Preis, 7500);
        ASSERT_EQ(h.m_aBedarf.size(), 2u);
        EXPECT_EQ(h.m_aBedarf[0].Waermebedarf, 11);
        EXPECT_EQ(h.m_aBedarf[0].Fenstergewinnnutzbarsumme, 25);
        EXPECT_EQ(h.m_aBedarf[1].GesamtkostenProJahr, 491.875);
        EXPECT_EQ(h.m_aBedarf[0].m_aBedWand.Werte(), std::vector<double>{12.5});
        EXPECT_EQ(h.m_defaultBoden.Name, "Vorgabeboden");
        EXPECT_EQ(h.m_defaultDecke.Name, "Vorgabedecke");
        EXPECT_EQ(h.m_defaultFenster.NameGlas, "Vorgabeglas");
        EXPECT_EQ(h.m_defaultFlachdach.Name, "Vorgabeflachdach");
        EXPECT_EQ(h.m_defaultFlachdach.Warmdach, 0);
        EXPECT_EQ(h.m_defaultSteildach.Name, "Vorgabesteildach");
        EXPECT_EQ(h.m_defaultWand.Name, "Vorgabewand");
        ASSERT_EQ(h.m_defaultWand.m_Schichtaufbau.size(), 1u);
        EXPECT_EQ(h.m_defaultWand.m_Schichtaufbau[0].Name, "Porenbeton");

        // Version 2: Dachgeschosshoehe, the dormers, the planes' edit flags.
        ASSERT_EQ(h.m_aPlane.size(), 1u);
        const Plane& p = h.m_aPlane[0];
        EXPECT_EQ(p.ID, 190000001);
        EXPECT_EQ(p.Traeger1ID, 4000102);
        EXPECT_EQ(p.lo, Punkt3D(5, 3, 0));
        if (v >= 2) {
            EXPECT_EQ(h.Dachgeschosshoehe, 2.6);
            ASSERT_EQ(h.m_aGaube.size(), 1u);
            EXPECT_EQ(h.m_aGaube[0].ID, 10000000);
            EXPECT_EQ(h.m_aGaube[0].Traeger2ID, 5000100);
            EXPECT_EQ(h.m_aGaube[0].m_Stirnflaeche.ID, 16000000);
            EXPECT_EQ(p.FlaecheWurdeBearbeitet, 1);
            EXPECT_EQ(p.FensterAufFlaechePlaziert, 1);
        } else {
            EXPECT_EQ(h.Dachgeschosshoehe, 4.5 + 0.8);
            EXPECT_TRUE(h.m_aGaube.empty());
            EXPECT_EQ(p.FlaecheWurdeBearbeitet, 0);
            EXPECT_EQ(p.FensterAufFlaechePlaziert, 0);
        }
        // Version 3: GaubenID; version 4: FassadenID of planes and dormers.
        EXPECT_EQ(p.GaubenID, v >= 3 ? 10000000 : -1);
        EXPECT_EQ(p.FassadenID, v >= 4 ? 4000100 : 4000102);
        if (v >= 2) {
            EXPECT_EQ(h.m_aGaube[0].FassadenID, v >= 4 ? 4000103 : 9000101);
        }
        // Version 5: the method; SIA 380/1 before.
        EXPECT_EQ(h.Berechnungsverfahren, v >= 5 ? 2 : 1);
        // Version 6: the zones; before, the one outline and the house's
        // heights go into the only zone.
        if (v >= 6) {
            EXPECT_EQ(h.Zonen, 2);
            ASSERT_EQ(h.m_aZone.size(), 2u);
            EXPECT_EQ(h.m_aZone[1].Stockwerkszahl, 3);
            EXPECT_EQ(h.m_aZone[1].HoeheUeberGrund, 0.5);
            EXPECT_EQ(h.m_aZone[1].KlimaZone, 4);
            EXPECT_EQ(h.m_aZone[1].m_a2DGrundrissPunkte.size(), 4u);
        } else {
            EXPECT_EQ(h.Zonen, 1);
            ASSERT_EQ(h.m_aZone.size(), 1u);
            const Zone& z = h.m_aZone[0];
            EXPECT_EQ(z.Stockwerkshoehe, 2.75);
            EXPECT_EQ(z.Stockwerkszahl, 2);
            EXPECT_EQ(z.Dachhoehe, 4.5);
            EXPECT_EQ(z.Drempelhoehe, 0.8);
            EXPECT_EQ(z.Dachgeschosshoehe, h.Dachgeschosshoehe);
            EXPECT_EQ(z.Kellerhoehe, 2.2);
        }
        ASSERT_FALSE(h.m_aZone.empty());
        const std::vector<Punkt2D> umriss = {{0, 0}, {12, 0}, {12, 8}, {0, 8}};
        EXPECT_EQ(h.m_aZone[0].m_a2DGrundrissPunkte.Elemente(), umriss);
        // Version 7: the grid as a double; a whole number before.
        EXPECT_EQ(h.OpenGLGrid, v >= 7 ? 0.25 : 1.0);
        // Version 8: roofs in place of the line lists, and today's wizard
        // steps; version 9: the roof's own heated flag.
        if (v >= 8) {
            EXPECT_EQ(h.Phase, 14);
            EXPECT_FALSE(h.DaecherAusLinienOffen);
            EXPECT_TRUE(h.m_aLinien1.empty());
            ASSERT_EQ(h.m_aDach.size(), 1u);
            EXPECT_EQ(h.m_aDach[0].Typ, 2);
            EXPECT_EQ(h.m_aDach[0].Hoehe, 4.5);
            EXPECT_EQ(h.m_aDach[0].Punkt(5), Punkt2D(10, 3));
            EXPECT_FALSE(h.m_aDach[0].IstBeschaedigt());
            EXPECT_EQ(h.m_aDach[0].IstBeheizt(), v >= 9) << "DachBeheizt 0, das Dach selbst 1";
        } else {
            EXPECT_EQ(h.Phase, 15);
            EXPECT_TRUE(h.DaecherAusLinienOffen);
            EXPECT_TRUE(h.m_aDach.empty());
            EXPECT_EQ(h.m_aLinien1.size(), 2u);
            ASSERT_EQ(h.m_aLinien2.size(), 8u);
            EXPECT_EQ(h.m_aLinien2[7], Punkt2D(9, 4));
        }
        // Version 10: eight fuel prices; the last three keep theirs before.
        const DOptionen neu;
        EXPECT_EQ(g.optionen.Brennstoffkosten1, 0.061);
        EXPECT_EQ(g.optionen.Brennstoffkosten5, 0.084);
        EXPECT_EQ(g.optionen.Brennstoffkosten6, v >= 10 ? 0.095 : neu.Brennstoffkosten6);
        EXPECT_EQ(g.optionen.Brennstoffkosten8, v >= 10 ? 0.047 : neu.Brennstoffkosten8);
        EXPECT_EQ(g.optionen.HeizungsverteilungsArt, "Fußbodenheizung");
        EXPECT_EQ(g.optionen.Versuche, 9);
        // The climate tables of the stored zone.
        Klimadaten region5;
        ASSERT_TRUE(LeseKlimablock(KlimaDatei(), 5, region5));
        EXPECT_EQ(h.Gradtage, region5.Gradtage);
    }
}

TEST_F(HausDokumentTest, RasterAlsGanzeZahlenVorVersion7)
{
    test::HausBytes b = test::BeispielHaus(6);
    b.openGLGrid = 2;
    b.openGLWidth = 20;
    b.openGLHeight = 40;
    Gelesen g;
    LiesAlt(test::AltesDokument(b), g);
    EXPECT_EQ(g.haus.OpenGLGrid, 2.0);
    EXPECT_EQ(g.haus.OpenGLWidth, 20.0);
    EXPECT_EQ(g.haus.OpenGLHeight, 40.0);
}

TEST_F(HausDokumentTest, DachlinienNurAbSchritt13Umzubauen)
{
    struct Fall {
        int phase;
        bool umbauen;
        int danach;
    };
    for (const Fall f : {Fall{14, true, 15}, Fall{13, true, 13}, Fall{12, false, 13}, Fall{11, false, 13},
                         Fall{8, false, 8}, Fall{17, true, 17}}) {
        test::HausBytes b = test::BeispielHaus(7);
        b.phase = f.phase;
        Gelesen g;
        LiesAlt(test::AltesDokument(b), g);
        EXPECT_EQ(g.haus.DaecherAusLinienOffen, f.umbauen) << f.phase;
        EXPECT_EQ(g.haus.Phase, f.danach) << f.phase;
    }
}

TEST_F(HausDokumentTest, NeuesHausImAltenFormat)
{
    // The smallest document of each version: a new house with its defaults.
    for (int v = 1; v <= 10; ++v) {
        test::HausBytes b;
        b.version = v;
        Gelesen g;
        ASSERT_NO_THROW(LiesAlt(test::AltesDokument(b), g)) << v;
        EXPECT_EQ(g.haus.m_aHeizung.size(), 1u);
        EXPECT_EQ(g.haus.m_aBedarf.size(), 1u);
        EXPECT_EQ(g.haus.m_aZone.size(), 1u);
        EXPECT_EQ(g.haus.m_defaultWand.SanbarInnen, 0);
        EXPECT_EQ(g.haus.m_defaultBoden.SanbarAussen, 0);
        EXPECT_EQ(g.haus.Klimazone, 13);
    }
}

// ---- Damaged documents

// Raises BinaryArchiveError for the bytes, whatever else happens.
::testing::AssertionResult WirdAbgelehnt(const std::vector<std::uint8_t>& bytes)
{
    try {
        BinaryArchive ar(bytes);
        Haus haus;
        DOptionen optionen;
        haus.Serialize(ar);
        optionen.LeseBinaer(ar, haus.Version);
    } catch (const BinaryArchiveError& e) {
        if (std::string(e.what()).empty())
            return ::testing::AssertionFailure() << "Fehler ohne Text";
        return ::testing::AssertionSuccess();
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << "andere Ausnahme: " << e.what();
    }
    return ::testing::AssertionFailure() << "gelesen";
}

TEST_F(HausDokumentTest, BeschaedigteDokumenteWerdenAbgelehnt)
{
    auto mit = [](auto aendere) {
        test::HausBytes b = test::BeispielHaus(10);
        aendere(b);
        return test::AltesDokument(b, test::BeispielOptionen()).Bytes();
    };
    struct Fall {
        const char* was;
        std::vector<std::uint8_t> bytes;
    };
    const Fall faelle[] = {
        {"Version 0", mit([](test::HausBytes& b) { b.version = 0; })},
        {"Version 11", mit([](test::HausBytes& b) { b.version = 11; })},
        {"Version -1", mit([](test::HausBytes& b) { b.version = -1; })},
        {"unbekannte Klasse", mit([](test::HausBytes& b) { b.waende[0].klasse = "DMauer"; })},
        {"Boden in der Wandliste", mit([](test::HausBytes& b) { b.waende[0].klasse = "DBoden"; })},
        {"mehr Ebenen als Bytes", mit([](test::HausBytes& b) { b.ebenenZahl = 0x7FFFFFFF; })},
        {"leere Datei", {}},
    };
    for (const Fall& f : faelle)
        EXPECT_TRUE(WirdAbgelehnt(f.bytes)) << f.was;

    // Schema 2 for a class of the model.
    std::vector<std::uint8_t> bytes = test::AltesDokument(test::BeispielHaus(10)).Bytes();
    const std::string name = "DHeizung";
    std::vector<std::uint8_t> kopf = {0xFF, 0xFF, 0x01, 0x00, 0x08, 0x00};
    kopf.insert(kopf.end(), name.begin(), name.end());
    const auto stelle = std::search(bytes.begin(), bytes.end(), kopf.begin(), kopf.end());
    ASSERT_NE(stelle, bytes.end());
    *(stelle + 2) = 2;
    EXPECT_TRUE(WirdAbgelehnt(bytes)) << "Schema 2";
}

TEST_F(HausDokumentTest, JedesAbgeschnitteneDokumentWirdAbgelehnt)
{
    for (int v = 1; v <= 10; ++v) {
        const std::vector<std::uint8_t> ganz =
            test::AltesDokument(test::BeispielHaus(v), test::BeispielOptionen()).Bytes();
        for (std::size_t n = 0; n < ganz.size(); ++n) {
            const std::vector<std::uint8_t> teil(ganz.begin(), ganz.begin() + static_cast<std::ptrdiff_t>(n));
            ASSERT_TRUE(WirdAbgelehnt(teil)) << "Version " << v << ", " << n << " von " << ganz.size() << " Bytes";
        }
    }
}

} // namespace
} // namespace zeva
