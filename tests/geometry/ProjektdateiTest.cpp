// Opening and saving a project: a populated project survives save and
// reopen, old binary projects open with their roofs, heights and steps, and
// a file that cannot be read changes nothing and raises the reader's error.
#include "geometry/C3DGenerator.h"
#include "geometry/DachVerschneidung.h"
#include "geometry/Projektdatei.h"
#include "geometry/ProjektdateiPruefung.h"
#include "model/Arbeitszaehler.h"
#include "model/CXmlArchive.h"
#include "model/CXmlObject.h"
#include "model/DOptionen.h"
#include "model/Dokumentgrenzen.h"
#include "model/Haus.h"
#include "model/Klimadaten.h"
#include "model/RuntimeClass.h"
#include "platform/BinaryArchive.h"

#include "DachTestHilfen.h"
#include "model/BilanzTestHaus.h"
#include "model/AltesDokumentBeispiel.h"
#include "support/AllocationFault.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <iterator>
#include <random>
#include <span>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace zeva {
namespace {

namespace fs = std::filesystem;

using test::AllocationFault;

// Steps of the generator for the largest house the limits admit: every zone
// an outline of the most points, a ring of walls per storey, for the
// basement and the knee wall, and the sections of floor and roof.
constexpr std::uint64_t GeneratorSchritteHoechstens =
    static_cast<std::uint64_t>(C3DGenerator::MaxZonen) * C3DGenerator::MaxGrundrissPunkte
    * (grenzen::MaxStockwerke + 2 + 2 + 2);
using test::MerkNotifier;

class ProjektdateiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetzeKlimaOrdner(fs::path(ZEVA_DATA_DIR) / "klima");
        RegisterModelClasses();
    }
    void TearDown() override { SetzeKlimaOrdner({}); }

    static fs::path Pfad(const std::string& name) { return test::ProcessTempDir() / name; }
};

std::string Inhalt(const fs::path& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Schreibe(const fs::path& pfad, const std::string& inhalt)
{
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

void Schreibe(const fs::path& pfad, const std::vector<std::uint8_t>& bytes)
{
    Schreibe(pfad, std::string(bytes.begin(), bytes.end()));
}

template <class Opak>
void FuelleBauteil(Opak& b, const std::string& name, double flaeche, int zustaende)
{
    b.Name = name;
    b.Langtext = name + " Bestand";
    b.Flaeche = flaeche;
    b.kWert = 0.9 + flaeche / 1000;
    b.Dicke = 0.3;
    b.m_plane.SetzeRechteck(flaeche);
    b.m_plane.ID = 4000100 + static_cast<int>(flaeche);
    DSchicht putz;
    putz.Name = "Putz";
    putz.Dicke = 0.02;
    putz.Lambda = 0.7;
    putz.Mu = 15;
    DSchicht kern;
    kern.Name = "Kern äöü";
    kern.Dicke = 0.28;
    kern.Lambda = 0.5;
    b.m_Schichtaufbau.Add(putz);
    b.m_Schichtaufbau.Add(kern);
    b.m_aSan.SetSize(static_cast<std::size_t>(zustaende));
    for (int n = 1; n < zustaende; ++n) {
        b.m_aSan[n].Name = name + " Maßnahme " + std::to_string(n);
        b.m_aSan[n].Preis = 1000.5 * n;
        b.m_aSan[n].Verwendung = n % 3;
        b.m_aSan[n].kWert = 0.2 + 0.01 * n;
        b.m_aSan[n].Co2 = 1.0 / 3.0; // a value with more digits than the file keeps
    }
}

// A project with everything a house can hold: two zones, two roofs, a
// dormer, components of every kind with layers and measures, three variants.
void Befuelle(Haus& h, DOptionen& o)
{
    h.Beschreibung = "Reihenhaus Müller";
    h.Strasse = "Am Weiher 7";
    h.Ort = "Görlitz";
    h.Kommentar = "Zeile 1\nZeile 2 & <mehr>";
    h.Baujahr = 1971;
    h.Nutzungstyp = 2;
    h.Energiebezugsflaeche = 212.75;
    h.Etagenflaeche = 240.5;
    h.Innentemperatur = 20.5;
    h.Luftwechsel = 0.65;
    h.Volumen = 531.875;
    h.Elektrizitaet = 70;
    h.Personenzahl = 3.5;
    h.NutzungszeitProTag = 15;
    h.LeseKlimadaten(7);
    h.Berechnungsverfahren = BerechnungWSVO95;
    h.Stockwerkshoehe = 2.65;
    h.Stockwerkszahl = 2;
    h.Dachhoehe = 5;
    h.Drempelhoehe = 0.6;
    h.Dachgeschosshoehe = 2.4;
    h.Kellerhoehe = 2.3;
    h.Ausrichtung = 112.5;
    h.Haushoehe = 12;
    h.Flag2DAutoGratlinien = 1;
    h.Flag2DPixelZaehlraster = 180;
    h.Flaeche2DEingabe = 625;
    h.Flag2DKnotenGrundriss = 1;
    h.m_2DKnotenGrundriss = Punkt2D(1.5, -2.25);
    h.DachBeheizt = 0;
    h.KellerBeheizt = 1;
    h.Phase = 17;
    h.RealAreaWidth = h.RealAreaHeight = h.OpenGLWidth = h.OpenGLHeight = 25;
    h.RealGridWidth = h.OpenGLGrid = 0.2;

    h.Varianten = 3;
    const int zustaende = h.Varianten + 1;
    h.m_aHeizung.SetSize(zustaende);
    h.m_aBedarf.SetSize(zustaende);
    for (int n = 0; n < zustaende; ++n) {
        h.m_aHeizung[n].Name = "Heizung " + std::to_string(n);
        h.m_aHeizung[n].Nennwaermeleistung = 18 + n;
        h.m_aHeizung[n].Jahresnutzungsgrad = 0.8 + 0.03 * n;
        h.m_aBedarf[n].Brennstoffenergiebedarf = 180.25 - 20 * n;
        h.m_aBedarf[n].Gesamtkosten = 10000.0 * n;
        h.m_aBedarf[n].Zielfunktion = n == 0 ? 0 : -1;
        h.m_aBedarf[n].m_aBedWand.Add(12.5 + n);
        h.m_aBedarf[n].m_aBedWand.Add(7.25);
        h.m_aBedarf[n].m_aBedFensterverlust.Add(3.125);
    }

    h.m_aWand.SetSize(2);
    FuelleBauteil(h.m_aWand[0], "Außenwand Nord", 42, zustaende);
    FuelleBauteil(h.m_aWand[1], "Außenwand Süd", 38.5, zustaende);
    h.m_aWand[1].Zone = 2;
    h.m_aBoden.SetSize(1);
    FuelleBauteil(h.m_aBoden[0], "Kellerdecke", 96, zustaende);
    h.m_aDecke.SetSize(1);
    FuelleBauteil(h.m_aDecke[0], "Dachbodendecke", 60, zustaende);
    h.m_aFlachdach.SetSize(1);
    FuelleBauteil(h.m_aFlachdach[0], "Garagendach", 18, zustaende);
    h.m_aFlachdach[0].Warmdach = 0;
    h.m_aSteildach.SetSize(1);
    FuelleBauteil(h.m_aSteildach[0], "Sparrendach", 110, zustaende);
    h.m_aFenster.SetSize(1);
    DFenster& f = h.m_aFenster[0];
    f.NameGlas = "Zweischeiben";
    f.Flaeche = 2.4;
    f.kWertGlas = 2.9;
    f.Richtung = 4;
    f.m_aSan.SetSize(zustaende);
    f.m_aSan[2].Name = "Dreifachglas";
    f.m_aSan[2].kWertGlas = 0.7;

    h.m_defaultWand.Name = "Vorgabewand";
    h.m_defaultFenster.Rahmenanteil = 0.35;
    h.m_defaultSteildach.kWert = 0.95;

    h.m_aPlane.SetSize(2);
    h.m_aPlane[0].SetzeRechteck(4);
    h.m_aPlane[0].ID = 90000001;
    h.m_aPlane[1].ID = 91000002;

    h.Zonen = 2;
    h.m_aZone.SetSize(2);
    h.m_aZone[0].m_a2DGrundrissPunkte = Punkt2DArray{{0, 0}, {10, 0}, {10, 6}, {0, 6}};
    h.m_aZone[0].Stockwerkszahl = 2;
    h.m_aZone[1].m_a2DGrundrissPunkte = Punkt2DArray{{10, 0}, {18, 0}, {18, 6}, {10, 6}};
    h.m_aZone[1].Dachhoehe = 4;
    h.m_aZone[1].KlimaZone = 3;

    // Two saddle roofs crossing at equal ridge heights.
    test::DachMasse lang;
    lang.L = 20;
    lang.W = 8;
    lang.hoehe = 3;
    h.m_aDach.Add(test::BaueDach(lang));
    test::DachMasse quer;
    quer.p0 = Punkt2D(6, -6);
    quer.L = 8;
    quer.W = 20;
    quer.hoehe = 3;
    quer.beheizt = 0;
    h.m_aDach.Add(test::BaueDach(quer));

    h.m_aGaube.SetSize(1);
    h.m_aGaube[0].ID = 10000000;
    h.m_aGaube[0].Traeger1ID = 9000101;
    h.m_aGaube[0].m_Stirnflaeche.SetzeRechteck(2.5);

    o.Brennstoffkosten7 = 0.031;
    o.Index = 1;
    o.Grenze = 25000;
    o.HeizungsverteilungsArt = "Fußboden";
    o.Versuche = 12;
}

// ---- The XML project document

TEST_F(ProjektdateiTest, BefuelltesProjektUeberstehtSpeichernUndOeffnen)
{
    auto quelle = std::make_unique<Haus>();
    DOptionen quellOptionen;
    Befuelle(*quelle, quellOptionen);
    const fs::path erst = Pfad("erst.vza");
    const fs::path zweit = Pfad("zweit.vza");
    SpeichereProjekt(erst, *quelle, quellOptionen);

    DOptionen optionen;
    MerkNotifier notifier;
    std::unique_ptr<Haus> h = LadeProjekt(erst, optionen, notifier);
    ASSERT_TRUE(h);
    EXPECT_TRUE(notifier.texte.empty());
    SpeichereProjekt(zweit, *h, optionen);
    // Member for member: writing what was read gives the same document.
    EXPECT_EQ(Inhalt(zweit), Inhalt(erst));

    EXPECT_EQ(optionen, quellOptionen);
    EXPECT_EQ(h->Beschreibung, "Reihenhaus Müller");
    EXPECT_EQ(h->Kommentar, "Zeile 1\nZeile 2 & <mehr>");
    EXPECT_EQ(h->Klimazone, 7);
    EXPECT_EQ(h->Phase, 17);
    EXPECT_EQ(h->m_2DKnotenGrundriss, Punkt2D(1.5, -2.25));
    EXPECT_EQ(h->Varianten, 3);
    ASSERT_EQ(h->m_aHeizung.size(), 4u);
    EXPECT_EQ(h->m_aHeizung[3].Name, "Heizung 3");
    ASSERT_EQ(h->m_aBedarf.size(), 4u);
    EXPECT_EQ(h->m_aBedarf[2].m_aBedWand.Werte(), (std::vector<double>{14.5, 7.25}));
    EXPECT_EQ(h->m_aBedarf[1].Zielfunktion, -1);
    ASSERT_EQ(h->m_aWand.size(), 2u);
    EXPECT_EQ(h->m_aWand[1].Zone, 2);
    ASSERT_EQ(h->m_aWand[1].m_Schichtaufbau.size(), 2u);
    EXPECT_EQ(h->m_aWand[1].m_Schichtaufbau[1].Name, "Kern äöü");
    ASSERT_EQ(h->m_aWand[1].m_aSan.size(), 4u);
    EXPECT_EQ(h->m_aWand[1].m_aSan[3].Name, "Außenwand Süd Maßnahme 3");
    EXPECT_EQ(h->m_aWand[1].m_aSan[3].Preis, 3001.5);
    EXPECT_EQ(h->m_aFlachdach[0].Warmdach, 0);
    EXPECT_EQ(h->m_aSteildach[0].m_aSan[2].Verwendung, 2);
    EXPECT_EQ(h->m_aFenster[0].m_aSan[2].Name, "Dreifachglas");
    EXPECT_EQ(h->m_defaultFenster.Rahmenanteil, 0.35);
    EXPECT_EQ(h->m_aPlane[1].ID, 91000002);
    EXPECT_EQ(h->Zonen, 2);
    ASSERT_EQ(h->m_aZone.size(), 2u);
    EXPECT_EQ(h->m_aZone[1].m_a2DGrundrissPunkte.Elemente(), quelle->m_aZone[1].m_a2DGrundrissPunkte.Elemente());
    EXPECT_EQ(h->m_aZone[1].KlimaZone, 3);
    ASSERT_EQ(h->m_aDach.size(), 2u);
    EXPECT_TRUE(h->m_aDach[0].IstBeheizt());
    EXPECT_FALSE(h->m_aDach[1].IstBeheizt());
    // Rebuilt after reading: points, faces, and where the two roofs meet.
    CObjektArray<CDach> verschnitten = quelle->m_aDach;
    VerschneideDaecher(verschnitten);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(h->m_aDach[i].m_points.Elemente(), quelle->m_aDach[i].m_points.Elemente());
        EXPECT_EQ(h->m_aDach[i].Flaechenzahl(), quelle->m_aDach[i].Flaechenzahl());
        EXPECT_EQ(h->m_aDach[i].m_Anschlusspunkte.size(), 3u);
        EXPECT_EQ(h->m_aDach[i].m_Anschlusspunkte.Elemente(), verschnitten[i].m_Anschlusspunkte.Elemente());
    }
    ASSERT_EQ(h->m_aGaube.size(), 1u);
    EXPECT_EQ(h->m_aGaube[0].Traeger1ID, 9000101);
}

// The document a project is saved as, written as the objects write
// themselves, has the very bytes of the tree that CreateForWrite builds and
// libxml2 writes: for every project of the test data that opens, and for
// texts and numbers that need escaping or cannot be written.
std::string AlsBaum(Haus& haus, DOptionen& optionen)
{
    haus.Version = Haus::AktuelleVersion;
    CXmlArchiveFile ar = CXmlArchiveFile::CreateForWrite("baum.vza", CXmlArchiveFile::ProjektVorlage,
                                                         CXmlArchiveFile::ProjektWurzel);
    haus.WriteXml(ar);
    optionen.WriteXml(ar);
    return ar.Archive().ToString();
}

class TextInAttribut final : public CXmlSerializable<TextInAttribut> {
public:
    static constexpr const char* XmlElementName = "TextInAttribut";
    static auto GetXmlMembers(TextInAttribut& t)
    {
        return std::array{XmlString("a", t.attribut, XmlMember::Attribute), XmlDouble("z", t.zahl, XmlMember::Attribute),
                          XmlString("Text", t.text), XmlObject(t.punkt)};
    }
    std::string attribut;
    double zahl = 0;
    std::string text;
    Punkt2D punkt;
};

TEST_F(ProjektdateiTest, GestreamtGeschriebenesDokumentGleichtDemBaum)
{
    std::vector<fs::path> dateien{fs::path(ZEVA_TEST_DATA_DIR) / "dokument" / "neues_haus.vza"};
    for (const fs::directory_entry& e : fs::directory_iterator(fs::path(ZEVA_TEST_DATA_DIR) / "projektkorpus"))
        dateien.push_back(e.path());
    std::sort(dateien.begin(), dateien.end());
    std::size_t verglichen = 0;
    for (const fs::path& datei : dateien) {
        SCOPED_TRACE(datei.filename().string());
        DOptionen optionen;
        StillerNotifier still;
        std::unique_ptr<Haus> haus;
        try {
            haus = OeffneProjekt(datei, optionen, still);
        } catch (const std::exception&) {
            continue;
        }
        SpeichereProjekt(Pfad("gestreamt.vza"), *haus, optionen);
        EXPECT_EQ(Inhalt(Pfad("gestreamt.vza")), AlsBaum(*haus, optionen));
        ++verglichen;
    }
    EXPECT_GE(verglichen, 6u);

    const std::string schwierig = "Tab\t CR\r LF\n \"Zitat\" 'x' <b>&amp; äöü € \xF0\x9D\x84\x9E \x01\x1F \xFF\xC3 ]]>";
    auto haus = std::make_unique<Haus>();
    DOptionen optionen;
    Befuelle(*haus, optionen);
    haus->Kommentar = schwierig;
    haus->m_aWand[0].Name = schwierig;
    haus->Volumen = std::numeric_limits<double>::quiet_NaN();
    haus->m_aZone[0].m_a2DGrundrissPunkte[1].x = std::numeric_limits<double>::infinity();
    SpeichereProjekt(Pfad("gestreamt.vza"), *haus, optionen);
    EXPECT_EQ(Inhalt(Pfad("gestreamt.vza")), AlsBaum(*haus, optionen));

    TextInAttribut t;
    t.attribut = schwierig;
    t.zahl = std::numeric_limits<double>::quiet_NaN();
    t.text = schwierig;
    CXmlArchiveFile strom = CXmlArchiveFile::CreateStreamed(Pfad("attribut.vza"), CXmlArchiveFile::ProjektWurzel);
    t.WriteXml(strom);
    strom.Commit();
    CXmlArchiveFile baum = CXmlArchiveFile::CreateForWrite("baum.vza", CXmlArchiveFile::ProjektVorlage,
                                                           CXmlArchiveFile::ProjektWurzel);
    t.WriteXml(baum);
    EXPECT_EQ(Inhalt(Pfad("attribut.vza")), baum.Archive().ToString());

    // Nothing below the root: the empty root element.
    CXmlArchiveFile leer = CXmlArchiveFile::CreateStreamed(Pfad("leer.vza"), CXmlArchiveFile::ProjektWurzel);
    leer.Commit();
    EXPECT_EQ(Inhalt(Pfad("leer.vza")), CXmlArchiveFile::CreateForWrite("baum.vza", CXmlArchiveFile::ProjektVorlage,
                                                                       CXmlArchiveFile::ProjektWurzel)
                                             .Archive()
                                             .ToString());
}

// A project read as it goes is the project the loaded tree gives: the same
// house and options (saved, byte for byte), the same messages, or the same
// refusal. Documents of the test data, and hand-made ones whose elements
// stand out of turn, repeat, hide among comments, text, CDATA and
// whitespace, or whose arrays say another size than they hold.
struct Gelesen {
    std::string fehler;
    std::string gespeichert;
    std::vector<std::string> meldungen;
};

Gelesen LiesMit(bool gestreamt, const fs::path& pfad, const fs::path& ablage)
{
    Gelesen g;
    MerkNotifier notifier;
    DOptionen optionen;
    optionen.Versuche = 7;
    try {
        std::unique_ptr<Haus> haus;
        if (gestreamt) {
            haus = LadeProjekt(pfad, optionen, notifier);
        } else {
            CXmlArchiveFile ar = CXmlArchiveFile::OpenForRead(pfad, CXmlArchiveFile::ProjektWurzel);
            haus = LeseProjekt(ar, optionen, notifier);
        }
        SpeichereProjekt(ablage, *haus, optionen);
        g.gespeichert = Inhalt(ablage);
    } catch (const CXmlArchiveException& e) {
        g.fehler = e.Reason();
    }
    g.meldungen = notifier.texte;
    return g;
}

TEST_F(ProjektdateiTest, GestreamtGelesenWieAusDemBaum)
{
    std::vector<fs::path> dateien{fs::path(ZEVA_TEST_DATA_DIR) / "dokument" / "neues_haus.vza"};
    for (const fs::directory_entry& e : fs::directory_iterator(fs::path(ZEVA_TEST_DATA_DIR) / "projektkorpus"))
        if (e.path().extension() == ".vza")
            dateien.push_back(e.path());

    const std::string kopf = "<?xml version=\"1.0\" ?>\n<VykeZeva>";
    const std::string dach = "<Dach><Typ>2</Typ><Hoehe>4</Hoehe></Dach>";
    std::string vieleDaecher;
    for (int i = 0; i < 150; ++i)
        vieleDaecher += dach;
    const std::vector<std::pair<std::string, std::string>> handgemacht{
        {"vertauscht", kopf + "<Optionen><Versuche>9</Versuche></Optionen><Haus><Stockwerkszahl>3</Stockwerkszahl>"
                              "<Baujahr>1930</Baujahr><Ort>Hof</Ort></Haus></VykeZeva>"},
        {"fremde Elemente und Text",
         kopf + "\n  <!-- Kommentar --><Fremd a=\"1\"><Baujahr>1</Baujahr></Fremd>\n <Haus> <?pi x?>"
                "<Baujahr> 1901 </Baujahr><Ort>A<!--x-->B</Ort><Strasse><![CDATA[c]]>d &amp; e</Strasse>"
                "<Kommentar><b/>nach</Kommentar><Beschreibung>\n</Beschreibung></Haus>"
                "<Optionen><Versuche>3</Versuche><Versuche>4</Versuche></Optionen></VykeZeva>"},
        {"doppelt", kopf + "<Haus><Baujahr>1</Baujahr><Baujahr>2</Baujahr><Zonen>1</Zonen></Haus><Haus>"
                           "<Baujahr>3</Baujahr></Haus></VykeZeva>"},
        {"Arrays", kopf + "<Haus><ZoneArray Size=\"5\"><Zone><Stockwerkszahl>2</Stockwerkszahl></Zone><X/>"
                          "<Zone/></ZoneArray><DWandArray Size=\"1\"><DWand><Name>a</Name></DWand><DWand>"
                          "<Name>b</Name></DWand></DWandArray><DFensterArray Size=\"-4\"><DFenster/></DFensterArray>"
                          "</Haus></VykeZeva>"},
        {"Member vor ihrer Zeit",
         kopf + "<Haus><DWandArray Size=\"1\"><DWand><Name>w</Name></DWand></DWandArray><Version>10</Version>"
                "<Baujahr>1977</Baujahr></Haus></VykeZeva>"},
        {"leeres Haus", kopf + "<Haus/><Optionen/></VykeZeva>"},
        {"150 Dächer", kopf + "<Haus><DachArray Size=\"2\">" + vieleDaecher + "</DachArray></Haus></VykeZeva>"},
        {"abgeschnitten nach dem Haus", kopf + "<Haus><Stockwerkszahl>500</Stockwerkszahl></Haus><Optionen>"},
        {"fremde Wurzel", "<?xml version=\"1.0\" ?>\n<Fremd><Haus/></Fremd>"},
        {"Entität", "<?xml version=\"1.0\" ?>\n<!DOCTYPE VykeZeva [<!ENTITY e \"x\">]><VykeZeva><Haus><Ort>a&e;b</Ort>"
                    "<Strasse Size=\"&e;\">s</Strasse></Haus></VykeZeva>"},
        {"leer", ""},
        {"Text nach der Wurzel", kopf + "<Haus/></VykeZeva>x"},
    };
    for (const auto& [name, text] : handgemacht) {
        const fs::path pfad = Pfad("handgemacht_" + std::to_string(dateien.size()) + ".vza");
        Schreibe(pfad, text);
        dateien.push_back(pfad);
    }
    std::size_t geoeffnet = 0;
    std::size_t abgelehnt = 0;
    for (const fs::path& datei : dateien) {
        SCOPED_TRACE(datei.filename().string());
        const Gelesen baum = LiesMit(false, datei, Pfad("baum.vza"));
        const Gelesen strom = LiesMit(true, datei, Pfad("strom.vza"));
        EXPECT_EQ(strom.fehler, baum.fehler);
        EXPECT_EQ(strom.meldungen, baum.meldungen);
        EXPECT_EQ(strom.gespeichert, baum.gespeichert);
        (baum.fehler.empty() ? geoeffnet : abgelehnt) += 1;
    }
    EXPECT_GE(geoeffnet, 10u);
    EXPECT_GE(abgelehnt, 5u);
}

TEST_F(ProjektdateiTest, GespeichertWirdImmerDieAktuelleVersion)
{
    // A house read from an old document and saved; the user is at step 14
    // meanwhile. Reopening must not move the step to 15.
    auto haus = std::make_unique<Haus>();
    haus->Version = 7;
    haus->Phase = 14;
    DOptionen optionen;
    const fs::path pfad = Pfad("version.vza");
    SpeichereProjekt(pfad, *haus, optionen);
    EXPECT_NE(Inhalt(pfad).find("<Version>10</Version>"), std::string::npos);

    MerkNotifier notifier;
    std::unique_ptr<Haus> wieder = LadeProjekt(pfad, optionen, notifier);
    EXPECT_EQ(wieder->Phase, 14);
    EXPECT_EQ(wieder->Version, 10);
}

TEST_F(ProjektdateiTest, UnlesbaresDokumentAendertNichts)
{
    DOptionen optionen;
    optionen.Versuche = 77;
    const DOptionen vorher = optionen;
    MerkNotifier notifier;
    struct Fall {
        const char* name;
        const char* inhalt;
    };
    for (const Fall f : {Fall{"kaputt.vza", "<VykeZeva><Haus><Version>7</Haus>"},
                         Fall{"andere_wurzel.vza", "<?xml version=\"1.0\"?><Bericht><Haus/></Bericht>"},
                         Fall{"leer.vza", ""}}) {
        Schreibe(Pfad(f.name), std::string(f.inhalt));
        EXPECT_THROW(LadeProjekt(Pfad(f.name), optionen, notifier), CXmlArchiveException) << f.name;
        EXPECT_EQ(optionen, vorher) << f.name;
    }
    EXPECT_THROW(LadeProjekt(Pfad("gibt_es_nicht.vza"), optionen, notifier), CXmlArchiveException);
    EXPECT_THROW(SpeichereProjekt(Pfad("kein_ordner") / "x.vza", *std::make_unique<Haus>(), optionen),
                 CXmlArchiveException);
    EXPECT_TRUE(notifier.texte.empty());
}

TEST_F(ProjektdateiTest, LesbaresDokumentMitLueckenNimmtDieWerteEinesNeuenHauses)
{
    // Elements that are missing keep the values of a new house; the
    // options element is missing altogether.
    Schreibe(Pfad("luecken.vza"), std::string("<?xml version=\"1.0\"?><VykeZeva><Haus><Version>8</Version>"
                                              "<Baujahr>1930</Baujahr><Phase>14</Phase></Haus></VykeZeva>"));
    DOptionen optionen;
    optionen.Versuche = 3;
    MerkNotifier notifier;
    std::unique_ptr<Haus> h = LadeProjekt(Pfad("luecken.vza"), optionen, notifier);
    EXPECT_EQ(h->Baujahr, 1930);
    EXPECT_EQ(h->Phase, 14);
    EXPECT_EQ(h->Innentemperatur, 19);
    EXPECT_EQ(h->m_aZone.size(), 1u);
    EXPECT_EQ(h->m_aHeizung.size(), 1u);
    EXPECT_EQ(h->Klimazone, 13);
    EXPECT_EQ(optionen.Versuche, 3);
}

// ---- The older binary document

TEST_F(ProjektdateiTest, AlteDokumenteOeffnenMitIhrenDaechern)
{
    for (int v = 1; v <= 10; ++v) {
        SCOPED_TRACE("Version " + std::to_string(v));
        const fs::path pfad = Pfad("alt" + std::to_string(v) + ".zva");
        Schreibe(pfad, test::AltesDokument(test::BeispielHaus(v), test::BeispielOptionen()).Bytes());
        DOptionen optionen;
        MerkNotifier notifier;
        std::unique_ptr<Haus> h = LadeAltesProjekt(pfad, optionen, notifier);
        ASSERT_TRUE(h);
        EXPECT_TRUE(notifier.texte.empty());
        EXPECT_EQ(h->Version, 10);
        EXPECT_EQ(optionen.Versuche, 9);
        ASSERT_EQ(h->m_aDach.size(), 1u);
        const CDach& d = h->m_aDach[0];
        EXPECT_FALSE(d.IstBeschaedigt());
        // The house's DachBeheizt (0) until the roofs kept their own flag.
        EXPECT_EQ(d.IstBeheizt(), v >= 9);
        if (v < 8) {
            // The hip roof of the ridge and hip lines, at the house's heights.
            EXPECT_EQ(h->Phase, 15);
            EXPECT_EQ(d.Typ, dachtyp::Walmdach);
            EXPECT_EQ(d.Punkt(4), Punkt2D(3, 4));
            EXPECT_EQ(d.Punkt(5), Punkt2D(9, 4));
            EXPECT_EQ(d.GetGroesse(), Punkt2D(12, 8));
            EXPECT_EQ(d.Hoehe, 4.5);
            EXPECT_EQ(d.GeschossHoehe, v >= 2 ? 2.6 : 5.3);
            EXPECT_EQ(d.Sperre & 1, 1);
            EXPECT_FALSE(h->DaecherAusLinienOffen);
        } else {
            EXPECT_EQ(h->Phase, 14);
            EXPECT_EQ(d.Typ, dachtyp::Satteldach);
        }
        EXPECT_GT(d.Flaechenzahl(), 0);
    }
}

TEST_F(ProjektdateiTest, OhneDachschrittKeineDaecherAusLinien)
{
    test::HausBytes b = test::BeispielHaus(1);
    b.phase = 12;
    BinaryArchive ar(test::AltesDokument(b).Bytes());
    DOptionen optionen;
    MerkNotifier notifier;
    std::unique_ptr<Haus> h = LeseAltesProjekt(ar, optionen, notifier);
    EXPECT_TRUE(h->m_aDach.empty());
    EXPECT_EQ(h->Phase, 13);
    // The lines stay with the house (the generator reads the hip lines).
    EXPECT_EQ(h->m_aLinien2.size(), 8u);
}

TEST_F(ProjektdateiTest, Version5GespeichertBehaeltHoehenUndTraegtVersion10)
{
    test::HausBytes b = test::BeispielHaus(5);
    b.phase = 16;
    const fs::path alt = Pfad("fuenf.zva");
    Schreibe(alt, test::AltesDokument(b).Bytes());
    DOptionen optionen;
    MerkNotifier notifier;
    std::unique_ptr<Haus> h = OeffneProjekt(alt, optionen, notifier);
    const fs::path neu = Pfad("fuenf.vza");
    SpeichereProjekt(neu, *h, optionen);
    const std::string text = Inhalt(neu);
    EXPECT_NE(text.find("<Version>10</Version>"), std::string::npos);

    std::unique_ptr<Haus> wieder = OeffneProjekt(neu, optionen, notifier);
    EXPECT_EQ(wieder->Phase, 16);
    EXPECT_EQ(wieder->Berechnungsverfahren, 2);
    EXPECT_EQ(wieder->Zonen, 1);
    ASSERT_EQ(wieder->m_aZone.size(), 1u);
    const Zone& z = wieder->m_aZone[0];
    EXPECT_EQ(z.Stockwerkshoehe, 2.75);
    EXPECT_EQ(z.Stockwerkszahl, 2);
    EXPECT_EQ(z.Dachhoehe, 4.5);
    EXPECT_EQ(z.Drempelhoehe, 0.8);
    EXPECT_EQ(z.Dachgeschosshoehe, 2.6);
    EXPECT_EQ(z.Kellerhoehe, 2.2);
    EXPECT_EQ(z.m_a2DGrundrissPunkte.size(), 4u);
    EXPECT_TRUE(notifier.texte.empty());
}

TEST_F(ProjektdateiTest, DachMitFalscherPunktzahlFaelltWeg)
{
    test::HausBytes b = test::BeispielHaus(9);
    test::DachBytes kaputt = b.daecher[0];
    kaputt.punkte.pop_back(); // five points for a saddle roof
    b.daecher = {kaputt, b.daecher[0]};
    BinaryArchive ar(test::AltesDokument(b).Bytes());
    DOptionen optionen;
    MerkNotifier notifier;
    std::unique_ptr<Haus> h = LeseAltesProjekt(ar, optionen, notifier);
    ASSERT_EQ(h->m_aDach.size(), 1u);
    EXPECT_FALSE(h->m_aDach[0].IstBeschaedigt());
    EXPECT_EQ(notifier.texte, std::vector<std::string>{CDach::MeldungBeschaedigt});
    EXPECT_EQ(h->m_aZone.size(), 2u);
    ASSERT_EQ(h->m_aGaube.size(), 1u);
}

TEST_F(ProjektdateiTest, BeschaedigtesAltesDokumentAendertNichts)
{
    DOptionen optionen;
    optionen.Brennstoffkosten1 = 0.5;
    const DOptionen vorher = optionen;
    const std::vector<std::uint8_t> ganz =
        test::AltesDokument(test::BeispielHaus(10), test::BeispielOptionen()).Bytes();
    // Cut in the options, which come last.
    Schreibe(Pfad("kurz.zva"), std::vector<std::uint8_t>(ganz.begin(), ganz.end() - 3));
    MerkNotifier notifier;
    try {
        LadeAltesProjekt(Pfad("kurz.zva"), optionen, notifier);
        ADD_FAILURE() << "gelesen";
    } catch (const BinaryArchiveError& e) {
        EXPECT_NE(std::string(e.what()).find("beschädigt"), std::string::npos) << e.what();
    }
    EXPECT_EQ(optionen, vorher);
    EXPECT_THROW(LadeAltesProjekt(Pfad("fehlt.zva"), optionen, notifier), BinaryArchiveError);
    EXPECT_EQ(optionen, vorher);
    EXPECT_TRUE(notifier.texte.empty());
}

TEST_F(ProjektdateiTest, FormNachDerEndung)
{
    struct Fall {
        const char* pfad;
        bool alt;
    };
    for (const Fall f : {Fall{"a.zva", true}, Fall{"a.ZVA", true}, Fall{"a.Zva", true}, Fall{"/x/y.z/b.zva", true},
                         Fall{"a.vza", false}, Fall{"a.xml", false}, Fall{"zva", false}, Fall{"a.zva.bak", false},
                         Fall{"a", false}, Fall{"a.zv", false}})
        EXPECT_EQ(IstAlteProjektform(f.pfad), f.alt) << f.pfad;

    // x.ZVA is read as the older form, anything else as XML.
    Schreibe(Pfad("gross.ZVA"), test::AltesDokument(test::BeispielHaus(3)).Bytes());
    DOptionen optionen;
    MerkNotifier notifier;
    EXPECT_EQ(OeffneProjekt(Pfad("gross.ZVA"), optionen, notifier)->Baujahr, 1962);
    auto haus = std::make_unique<Haus>();
    haus->Baujahr = 1999;
    SpeichereProjekt(Pfad("projekt.xml"), *haus, optionen);
    EXPECT_EQ(OeffneProjekt(Pfad("projekt.xml"), optionen, notifier)->Baujahr, 1999);
}

// ---- Documents that ask for more than a house can be

// Each opens as a house within the editors' ranges or is refused with the
// reader's own error; what opens, the generator and the balance of every
// state take no more work than the largest house of the limits. A reader
// that hung would meet the suite's time-out, far beyond any normal run.
TEST_F(ProjektdateiTest, FeindlicheDokumenteOeffnenSchnellOderWerdenAbgelehnt)
{
    constexpr std::int32_t intMax = std::numeric_limits<std::int32_t>::max();
    enum class Form { Xml, Alt };
    struct Fall {
        const char* name;
        Form form;
        std::function<void(Haus&)> xml;            // for Form::Xml: changes the filled house
        std::function<void(test::HausBytes&)> alt; // for Form::Alt: changes the old document of version 10
        std::vector<std::string> meldungen;        // when it opens; refused when empty and abgelehnt
        bool abgelehnt;
    };
    const std::vector<std::string> stockwerke{grenzen::MeldungStockwerke};
    const std::vector<Fall> faelle{
        {"Stockwerkszahl 1e4 einer Zone", Form::Xml, [](Haus& h) { h.m_aZone[0].Stockwerkszahl = 10000; }, {},
         stockwerke, false},
        {"Stockwerkszahl INT_MAX", Form::Xml,
         [](Haus& h) {
             h.Stockwerkszahl = intMax;
             h.m_aZone[1].Stockwerkszahl = intMax;
         },
         {}, stockwerke, false},
        {"negative Stockwerkszahl", Form::Xml, [](Haus& h) { h.m_aZone[1].Stockwerkszahl = -3; }, {}, stockwerke,
         false},
        {"Varianten INT_MAX", Form::Xml, [](Haus& h) { h.Varianten = intMax; }, {},
         {grenzen::MeldungVarianten}, false},
        {"5000 Dächer", Form::Xml,
         [](Haus& h) {
             for (int i = 0; i < 5000; ++i) {
                 test::DachMasse m;
                 m.p0 = Punkt2D(12.0 * (i % 70), 10.0 * (i / 70));
                 h.m_aDach.Add(test::BaueDach(m));
             }
         },
         {}, {}, true},
        {"Volumen 1e308", Form::Xml, [](Haus& h) { h.Volumen = 1e308; }, {}, {}, true},
        {"1e308 in einem Punkt des Grundrisses", Form::Xml,
         [](Haus& h) { h.m_aZone[0].m_a2DGrundrissPunkte[2].x = 1e308; }, {}, {}, true},
        // The reader takes "nan" for a value that does not parse: the roof
        // keeps the height of a new roof.
        {"NaN als Dachhöhe", Form::Xml, [](Haus& h) { h.m_aDach[1].Hoehe = std::nan(""); }, {}, {}, false},
        {"Ecke einer Wand jenseits von 1e5 m", Form::Xml, [](Haus& h) { h.m_aWand[0].m_plane.lo.y = 2e5; }, {}, {},
         true},
        {"Stockwerkszahl INT_MAX im älteren Dokument", Form::Alt, {},
         [](test::HausBytes& b) {
             b.stockwerkszahl = intMax;
             b.zonenListe[0].stockwerkszahl = intMax;
         },
         stockwerke, false},
        {"Varianten INT_MAX im älteren Dokument", Form::Alt, {}, [](test::HausBytes& b) { b.varianten = intMax; },
         {grenzen::MeldungVarianten}, false},
        {"Volumen 1e308 im älteren Dokument", Form::Alt, {}, [](test::HausBytes& b) { b.volumen = 1e308; }, {},
         true},
        {"1e308 in einem Punkt im älteren Dokument", Form::Alt, {},
         [](test::HausBytes& b) { b.zonenListe[0].umriss[1].x = 1e308; }, {}, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        fs::path pfad;
        if (f.form == Form::Xml) {
            auto h = std::make_unique<Haus>();
            DOptionen o;
            Befuelle(*h, o);
            f.xml(*h);
            pfad = Pfad("feindlich.vza");
            SpeichereProjekt(pfad, *h, o);
        } else {
            test::HausBytes b = test::BeispielHaus(10);
            f.alt(b);
            pfad = Pfad("feindlich.zva");
            Schreibe(pfad, test::AltesDokument(b, test::BeispielOptionen()).Bytes());
        }

        DOptionen optionen;
        optionen.Versuche = 41;
        MerkNotifier notifier;
        std::unique_ptr<Haus> h;
        std::string fehler;
        try {
            h = OeffneProjekt(pfad, optionen, notifier);
        } catch (const CXmlArchiveException& e) {
            fehler = e.GetErrorMessage();
        } catch (const BinaryArchiveError& e) {
            fehler = e.what();
        }
        if (f.abgelehnt) {
            EXPECT_FALSE(h);
            EXPECT_NE(fehler.find(f.form == Form::Xml ? "Reason: " : "Die Datei ist beschädigt"), std::string::npos)
                << fehler;
            EXPECT_EQ(optionen.Versuche, 41);
            continue;
        }
        ASSERT_TRUE(h) << fehler;
        EXPECT_EQ(notifier.texte, f.meldungen);
        EXPECT_EQ(test::Unstimmigkeiten(*h), std::vector<std::string>{});

        StillerNotifier still;
        arbeitszaehler::generatorSchritte = 0;
        arbeitszaehler::nettoflaechenSchritte = 0;
        EXPECT_EQ(C3DGenerator(*h, still).Erzeuge3DFlaechen(), 1);
        // What opens stays within the work the largest house of the limits
        // asks for (a storey count that went unclamped would ask a hundred
        // times that), counted in steps, whatever the machine's load.
        EXPECT_LE(arbeitszaehler::generatorSchritte, GeneratorSchritteHoechstens);
        EXPECT_LE(arbeitszaehler::nettoflaechenSchritte, 4 * GeneratorSchritteHoechstens);
        for (int n = 0; n < h->AnzahlZustaende(); ++n) {
            Haus zustand(*h);
            zustand.WendeVarianteAn(n);
            EXPECT_TRUE(std::isfinite(zustand.Waermebilanz(still))) << n;
            h->BerechneBedarf(n, still);
        }
    }
}

TEST_F(ProjektdateiTest, BeschaedigtesDokumentNenntDenWert)
{
    auto h = std::make_unique<Haus>();
    h->Volumen = -1e300;
    DOptionen optionen;
    SpeichereProjekt(Pfad("riesig.vza"), *h, optionen);
    StillerNotifier notifier;
    try {
        LadeProjekt(Pfad("riesig.vza"), optionen, notifier);
        ADD_FAILURE() << "geöffnet";
    } catch (const CXmlArchiveException& e) {
        EXPECT_EQ(e.Reason(), "Der Wert „Volumen“ des Hauses ist keine Zahl oder unmöglich groß.");
        EXPECT_EQ(e.File(), Pfad("riesig.vza").string());
    }
}

// ---- Bytes and texts that are not a project

TEST_F(ProjektdateiTest, VeraenderteAlteDokumenteFuehrenZuLesenOderFehler)
{
    std::mt19937 zufall(20240611);
    auto zahl = [&](std::size_t bis) { return std::uniform_int_distribution<std::size_t>(0, bis)(zufall); };
    std::size_t gelesen = 0;
    std::size_t abgelehnt = 0;
    auto pruefe = [&](const std::vector<std::uint8_t>& bytes) {
        try {
            BinaryArchive ar(bytes);
            DOptionen optionen;
            StillerNotifier notifier;
            LeseAltesProjekt(ar, optionen, notifier);
            ++gelesen;
        } catch (const BinaryArchiveError&) {
            ++abgelehnt;
        }
    };
    for (int v : {1, 4, 6, 8, 10}) {
        const std::vector<std::uint8_t> ganz =
            test::AltesDokument(test::BeispielHaus(v), test::BeispielOptionen()).Bytes();
        for (int i = 0; i < 300; ++i) {
            std::vector<std::uint8_t> b = ganz;
            const std::size_t aenderungen = 1 + zahl(3);
            for (std::size_t k = 0; k < aenderungen; ++k) {
                const std::size_t stelle = zahl(b.size() - 1);
                switch (zahl(3)) {
                case 0:
                    b[stelle] = static_cast<std::uint8_t>(zahl(255));
                    break;
                case 1:
                    b[stelle] = 0xFF;
                    break;
                case 2:
                    b.erase(b.begin() + static_cast<std::ptrdiff_t>(stelle));
                    break;
                default:
                    b.insert(b.begin() + static_cast<std::ptrdiff_t>(stelle), static_cast<std::uint8_t>(zahl(255)));
                    break;
                }
            }
            pruefe(b);
        }
    }
    // Random bytes behind a valid version number.
    for (int i = 0; i < 300; ++i) {
        test::ByteBuilder b;
        b.Int(static_cast<std::int32_t>(1 + zahl(9)));
        const std::size_t n = zahl(3000);
        for (std::size_t k = 0; k < n; ++k)
            b.Byte(static_cast<std::uint8_t>(zahl(255)));
        pruefe(b.Bytes());
    }
    EXPECT_GT(abgelehnt, 0u);
    EXPECT_EQ(gelesen + abgelehnt, 5u * 300 + 300);
}

TEST_F(ProjektdateiTest, VeraenderteXmlDokumenteFuehrenZuLesenOderFehler)
{
    auto quelle = std::make_unique<Haus>();
    DOptionen quellOptionen;
    Befuelle(*quelle, quellOptionen);
    SpeichereProjekt(Pfad("vorlage.vza"), *quelle, quellOptionen);
    const std::string ganz = Inhalt(Pfad("vorlage.vza"));

    std::mt19937 zufall(4711);
    auto zahl = [&](std::size_t bis) { return std::uniform_int_distribution<std::size_t>(0, bis)(zufall); };
    const char zeichen[] = "<>/=\"0123456789-.eE Size x ";
    int geoeffnet = 0;
    for (int i = 0; i < 200; ++i) {
        std::string t = ganz;
        for (std::size_t k = 1 + zahl(4); k > 0; --k) {
            const std::size_t stelle = zahl(t.size() - 1);
            if (zahl(1) == 0)
                t[stelle] = zeichen[zahl(sizeof zeichen - 2)];
            else
                t.erase(stelle, zahl(40));
        }
        // Opens to a house within the loaders' limits that the generator,
        // the balance and a save take, or raises the reader's own error.
        const test::Pruefergebnis e = test::PruefeProjektdatei(
            std::span(reinterpret_cast<const std::uint8_t*>(t.data()), t.size()), Pfad("veraendert.vza"));
        EXPECT_TRUE(e.funde.empty()) << "Fall " << i << ": " << e.funde.front();
        // The binary reader refuses XML text; the XML reader opens or refuses.
        EXPECT_EQ(e.geoeffnet + e.abgelehnt, 2) << "Fall " << i;
        geoeffnet += e.geoeffnet;
    }
    // Most changes hit text or numbers and leave a readable document; the
    // others break the markup.
    EXPECT_GT(geoeffnet, 0);
    EXPECT_LT(geoeffnet, 200);
}

// ---- Failures on the way: only a missing element or a value that does not
// parse is absorbed, everything else aborts the whole save or opening.

// The failure points of one operation: every allocation near both ends
// (setting up, writing the file) and evenly spread in between, about 400.
std::vector<long> Ausfallstellen(long gesamt)
{
    std::vector<long> stellen;
    const long rand = 60;
    const long schritt = std::max(1L, gesamt / 300);
    for (long n = 1; n <= gesamt; n += (n <= rand || n > gesamt - rand) ? 1 : schritt)
        stellen.push_back(n);
    return stellen;
}

std::vector<std::string> DateienIn(const fs::path& ordner)
{
    std::vector<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(ordner))
        namen.push_back(eintrag.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

// What a run with one failing allocation ended in. It must raise; the only
// other outcome accepted is a result identical to that of a run without the
// failure (libxml2 answers a few failures by taking another way, such as
// copying a text it could not share), never a shorter file or house.
struct Ausgang {
    bool ausgefallen = false; // the chosen allocation failed
    bool geworfen = false;    // the operation raised
    std::string grund;
};

template <class F>
Ausgang MitAusfall(long stelle, F&& tun)
{
    Ausgang a;
    AllocationFault fehler(stelle);
    try {
        tun();
    } catch (const std::exception&) {
        a.geworfen = true;
    } catch (...) {
        a.geworfen = true;
        a.grund = "not a std::exception";
    }
    fehler.Disarm();
    a.ausgefallen = fehler.Fired();
    return a;
}

long ZaehleAllokationen(const std::function<void()>& tun)
{
    AllocationFault zaehlen(0);
    tun();
    zaehlen.Disarm();
    return zaehlen.Count();
}

TEST_F(ProjektdateiTest, JederAusfallBeimSpeichernWirftUndLaesstDieAlteDatei)
{
    auto haus = std::make_unique<Haus>();
    DOptionen optionen;
    Befuelle(*haus, optionen);
    // Two folders of one name length, so that counting and failing see the
    // same allocations.
    const fs::path ordner = Pfad("ausfall_s");
    const fs::path probe = Pfad("ausfall_p");
    fs::create_directories(ordner);
    fs::create_directories(probe);
    const fs::path pfad = ordner / "Haus.vza";
    SpeichereProjekt(pfad, *std::make_unique<Haus>(), optionen);
    const std::string alt = Inhalt(pfad);
    SpeichereProjekt(probe / "Haus.vza", *haus, optionen);
    const std::string ganz = Inhalt(probe / "Haus.vza");
    ASSERT_GT(ganz.size(), alt.size());

    const long gesamt = ZaehleAllokationen([&] { SpeichereProjekt(probe / "Haus.vza", *haus, optionen); });
    // Written as it goes, the whole house allocates a few hundred times
    // (a tree took thousands); each of them is made to fail below.
    ASSERT_GT(gesamt, 100) << "the save of a whole house allocates";
    const std::vector<long> stellen = Ausfallstellen(gesamt + 5);
    std::size_t gezaehlt = 0;
    for (long stelle : stellen) {
        const Ausgang a = MitAusfall(stelle, [&] { SpeichereProjekt(pfad, *haus, optionen); });
        EXPECT_EQ(DateienIn(ordner), std::vector<std::string>{"Haus.vza"}) << "allocation " << stelle;
        if (!a.geworfen) {
            // Past the last allocation, or a failure libxml2 took another
            // way around: the save is complete.
            EXPECT_EQ(Inhalt(pfad), ganz) << "allocation " << stelle << " of " << gesamt
                                          << " failed, the save reported success";
            Schreibe(pfad, alt);
            continue;
        }
        ++gezaehlt;
        EXPECT_TRUE(a.ausgefallen) << stelle;
        EXPECT_EQ(a.grund, "") << stelle;
        EXPECT_EQ(Inhalt(pfad), alt) << "allocation " << stelle << ": the old file is replaced";
        if (HasFailure()) {
            Schreibe(pfad, alt);
            break;
        }
    }
    EXPECT_GT(gezaehlt, stellen.size() * 9 / 10) << "nearly every failure ends in an error";
}

TEST_F(ProjektdateiTest, JederAusfallBeimOeffnenWirftUndLaesstDemAufruferSeinHaus)
{
    auto quelle = std::make_unique<Haus>();
    DOptionen quellOptionen;
    Befuelle(*quelle, quellOptionen);
    const fs::path xml = Pfad("ausfall.vza");
    SpeichereProjekt(xml, *quelle, quellOptionen);
    const fs::path binaer = Pfad("ausfall.zva");
    Schreibe(binaer, test::AltesDokument(test::BeispielHaus(10), test::BeispielOptionen()).Bytes());

    for (const fs::path& pfad : {xml, binaer}) {
        SCOPED_TRACE(pfad.filename().string());
        // What a complete opening gives: the house as it saves again, and the
        // junctions of its roofs, which are computed and not stored.
        DOptionen optionen;
        optionen.Versuche = 77;
        const DOptionen vorher = optionen;
        MerkNotifier notifier;
        auto sollHaus = OeffneProjekt(pfad, optionen, notifier);
        const DOptionen sollOptionen = optionen;
        SpeichereProjekt(Pfad("soll.vza"), *sollHaus, optionen);
        const std::string soll = Inhalt(Pfad("soll.vza"));
        ASSERT_GE(sollHaus->m_aDach.size(), 1u);

        optionen = vorher;
        const long gesamt = ZaehleAllokationen([&] { OeffneProjekt(pfad, optionen, notifier); });
        ASSERT_GT(gesamt, 100);
        const std::vector<long> stellen = Ausfallstellen(gesamt + 5);
        std::size_t gezaehlt = 0;
        for (long stelle : stellen) {
            optionen = vorher;
            std::unique_ptr<Haus> haus;
            const Ausgang a = MitAusfall(stelle, [&] { haus = OeffneProjekt(pfad, optionen, notifier); });
            if (a.geworfen) {
                ++gezaehlt;
                EXPECT_TRUE(a.ausgefallen) << stelle;
                EXPECT_EQ(a.grund, "") << stelle;
                EXPECT_EQ(optionen, vorher) << "allocation " << stelle << ": the caller's options changed";
            } else {
                // Past the last allocation, or a failure libxml2 took another
                // way around: the whole project is there.
                ASSERT_TRUE(haus);
                EXPECT_EQ(optionen, sollOptionen) << stelle;
                SpeichereProjekt(Pfad("ist.vza"), *haus, optionen);
                EXPECT_EQ(Inhalt(Pfad("ist.vza")), soll) << "allocation " << stelle << " of " << gesamt
                                                         << " failed, the project opened shorter";
                ASSERT_EQ(haus->m_aDach.size(), sollHaus->m_aDach.size());
                for (std::size_t i = 0; i < haus->m_aDach.size(); ++i)
                    EXPECT_EQ(haus->m_aDach[i].m_Anschlusspunkte.Elemente(),
                              sollHaus->m_aDach[i].m_Anschlusspunkte.Elemente())
                        << "allocation " << stelle;
            }
            if (HasFailure())
                break;
        }
        EXPECT_GT(gezaehlt, stellen.size() * 9 / 10) << "nearly every failure ends in an error";
    }
}

// The arrays move records whose move is noexcept; a move that copied (and
// could run out of memory) would end the program in the middle of an opening.
TEST_F(ProjektdateiTest, DatensaetzeMitZahlenreihenVerschiebenOhneZuAllokieren)
{
    DBedarf bedarf;
    bedarf.m_aBedWand.Add(12.5);
    bedarf.m_aBedFenstergewinnnutzbar.Add(3.25);
    DBedarf zugewiesen;
    AllocationFault zaehlen(0);
    DBedarf verschoben(std::move(bedarf));
    zugewiesen = std::move(verschoben);
    zaehlen.Disarm();
    EXPECT_EQ(zaehlen.Count(), 0);
    EXPECT_EQ(zugewiesen.m_aBedWand.Werte(), std::vector<double>{12.5});
}

// A member whose own code raises aborts the save like a failed allocation.
class WerfendesBauteil final : public CXmlSerializable<WerfendesBauteil> {
public:
    static constexpr const char* XmlElementName = "Werfend";
    bool WriteXml(CXmlArchiveFile&) override { throw std::runtime_error("kaputt"); }
};

class MitWerfendem final : public CXmlSerializable<MitWerfendem> {
public:
    static constexpr const char* XmlElementName = "MitWerfendem";
    static auto GetXmlMembers(MitWerfendem& m) { return std::array{XmlInt("Vorher", m.vorher), XmlObject(m.werfend)}; }
    std::int32_t vorher = 1;
    WerfendesBauteil werfend;
};

// ---- Files that are no project, links, and what a killed save left behind

TEST_F(ProjektdateiTest, NurGewoehnlicheDateienWerdenGelesenUndDieFormZaehltVorDerEndung)
{
    const fs::path ordner = Pfad("formen");
    fs::create_directories(ordner);
    auto haus = std::make_unique<Haus>();
    haus->Baujahr = 1911;
    DOptionen optionen;
    SpeichereProjekt(ordner / "xml_als.zva", *haus, optionen);
    Schreibe(ordner / "alt_als.vza", test::AltesDokument(test::BeispielHaus(10)).Bytes());
    fs::create_directories(ordner / "ordner.vza");
    fs::create_directories(ordner / "ordner.zva");
    ASSERT_EQ(::mkfifo((ordner / "fifo.vza").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((ordner / "fifo.zva").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", ordner / "null.vza");
    fs::create_symlink("/dev/zero", ordner / "null.zva");

    struct Fall {
        const char* name;
        int baujahr;   // 0: refused
        bool alteForm; // which reader's error
    };
    const Fall faelle[] = {
        {"xml_als.zva", 1911, false}, {"alt_als.vza", 1962, true}, {"ordner.vza", 0, false},
        {"ordner.zva", 0, true},      {"fifo.vza", 0, false},      {"fifo.zva", 0, true},
        {"null.vza", 0, false},       {"null.zva", 0, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        DOptionen gelesen;
        MerkNotifier notifier;
        if (f.baujahr != 0) {
            EXPECT_EQ(OeffneProjekt(ordner / f.name, gelesen, notifier)->Baujahr, f.baujahr);
        } else if (f.alteForm) {
            EXPECT_THROW(OeffneProjekt(ordner / f.name, gelesen, notifier), BinaryArchiveError);
        } else {
            EXPECT_THROW(OeffneProjekt(ordner / f.name, gelesen, notifier), CXmlArchiveException);
        }
    }
}

TEST_F(ProjektdateiTest, SpeichernSchreibtDurchDenLinkUndRaeumtAlteTemporaereDateienAuf)
{
    const fs::path ordner = Pfad("link");
    fs::create_directories(ordner / "echt");
    auto haus = std::make_unique<Haus>();
    haus->Baujahr = 1977;
    DOptionen optionen;

    // Through a relative link into another folder; the link stays a link.
    SpeichereProjekt(ordner / "echt" / "Haus.vza", *std::make_unique<Haus>(), optionen);
    fs::create_symlink("echt/Haus.vza", ordner / "Link.vza");
    SpeichereProjekt(ordner / "Link.vza", *haus, optionen);
    EXPECT_TRUE(fs::is_symlink(ordner / "Link.vza"));
    EXPECT_EQ(fs::read_symlink(ordner / "Link.vza"), fs::path("echt/Haus.vza"));
    MerkNotifier notifier;
    EXPECT_EQ(LadeProjekt(ordner / "echt" / "Haus.vza", optionen, notifier)->Baujahr, 1977);
    // A link to a file that does not exist yet creates that file.
    fs::create_symlink("echt/Neu.vza", ordner / "Neu.vza");
    SpeichereProjekt(ordner / "Neu.vza", *haus, optionen);
    EXPECT_TRUE(fs::is_symlink(ordner / "Neu.vza"));
    EXPECT_EQ(LadeProjekt(ordner / "echt" / "Neu.vza", optionen, notifier)->Baujahr, 1977);

    // Beside the project: what earlier saves left, some older than a day.
    struct Rest {
        std::string name;
        bool alt;       // untouched for two days
        bool verzeichnis;
        bool bleibt;
    };
    const Rest reste[] = {
        {".Haus.vza.a1B2c3", true, false, false},   // a save of this project killed long ago
        {".Haus.vza.Zz9xY8", false, false, true},   // a save that may still be running
        {".Haus.vza.q1w2e3", true, true, true},     // not a regular file
        {".Haus.vza.kurz", true, false, true},      // not the program's pattern
        {".Haus.vza.a1B2c3d", true, false, true},
        {".Andere.vza.a1B2c3", true, false, true},  // another project
        {"Haus.vza.a1B2c3", true, false, true},
    };
    const fs::path echt = ordner / "echt";
    for (const Rest& r : reste) {
        if (r.verzeichnis)
            fs::create_directories(echt / r.name);
        else
            Schreibe(echt / r.name, std::string("halb"));
        if (r.alt) {
            const timespec zeiten[2] = {{::time(nullptr) - 2 * 86400, 0}, {::time(nullptr) - 2 * 86400, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, (echt / r.name).c_str(), zeiten, 0), 0);
        }
    }
    SpeichereProjekt(ordner / "Link.vza", *haus, optionen);
    for (const Rest& r : reste)
        EXPECT_EQ(fs::exists(fs::symlink_status(echt / r.name)), r.bleibt) << r.name;
}

TEST_F(ProjektdateiTest, EinAusfallImCodeEinesMitgliedsBrichtDasSpeichernAb)
{
    const fs::path pfad = Pfad("mitglied.vza");
    Schreibe(pfad, std::string("alt"));
    CXmlArchiveFile ar = CXmlArchiveFile::CreateForWrite(pfad, CXmlArchiveFile::ProjektVorlage,
                                                         CXmlArchiveFile::ProjektWurzel);
    MitWerfendem objekt;
    EXPECT_THROW(objekt.WriteXml(ar), std::runtime_error);
    EXPECT_EQ(Inhalt(pfad), "alt");
}

} // namespace
} // namespace zeva
