#include "geometry/DachAusLinien.h"
#include "geometry/DachFlaechen.h"
#include "geometry/DachTestHilfen.h"
#include "model/CDach.h"
#include "model/CXmlArchive.h"
#include "model/Haus.h"
#include "model/RuntimeClass.h"
#include "platform/BinaryArchive.h"
#include "platform/ByteBuilder.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zeva {
namespace {

namespace fs = std::filesystem;
using test::BaueDach;
using test::ByteBuilder;
using test::Nahe;

class MerkenderNotifier : public Notifier {
public:
    void Nachricht(const std::string& text, Art) override { texte.push_back(text); }
    bool Frage(const std::string&) override { return false; }
    std::vector<std::string> texte;
};

fs::path Ordner(const std::string& name)
{
    const fs::path ordner = test::ProcessTempDir() / "dach" / name;
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    return ordner;
}

std::string Lies(const fs::path& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The roof's element of a document.
std::string DachElement(const std::string& text)
{
    const auto anfang = text.find("<Dach>");
    const auto ende = text.find("</Dach>");
    return anfang == std::string::npos || ende == std::string::npos ? text
                                                                      : text.substr(anfang, ende + 7 - anfang);
}

// Writes the roof as the only element of a document; returns its element.
std::string Schreibe(CDach& d, const fs::path& pfad)
{
    CXmlArchiveFile datei =
        CXmlArchiveFile::CreateForWrite(pfad, CXmlArchiveFile::ProjektVorlage, CXmlArchiveFile::ProjektWurzel);
    d.WriteXml(datei);
    datei.Commit();
    return DachElement(Lies(pfad));
}

CDach LiesDach(const fs::path& pfad)
{
    CXmlArchiveFile datei = CXmlArchiveFile::OpenForRead(pfad, CXmlArchiveFile::ProjektWurzel);
    CDach d;
    d.ReadXml(datei);
    return d;
}

CDach Beispiel()
{
    CDach d = BaueDach({.L = 10, .W = 6, .hoehe = 3, .p0 = {1, 2}, .mansardHoehe = 2, .geschossHoehe = 2.5,
                        .beheizt = 0});
    d.DiagonalWinkel = 0.25;
    d.Sperre = 1;
    // Derived and editing state that is not stored.
    d.Zustand = CDach::ZustandPlatzieren;
    d.AuswahlPunkt = 3;
    d.m_Anschlusspunkte.Add(Punkt2D(5, 5));
    return d;
}

TEST(DachPersistenz, XmlHoldsTheElevenStoredMembersOnly)
{
    const fs::path ordner = Ordner("xml");
    CDach d = Beispiel();
    const std::string geschrieben = Schreibe(d, ordner / "dach.vza");
    const std::string erwartet = DachElement(Lies(fs::path(ZEVA_TEST_DATA_DIR) / "dach" / "satteldach.xml"));
    EXPECT_EQ(geschrieben, erwartet);

    CDach gelesen = LiesDach(ordner / "dach.vza");
    EXPECT_EQ(gelesen.Typ, dachtyp::Satteldach);
    EXPECT_EQ(gelesen.DiagonalWinkel, 0.25);
    EXPECT_EQ(gelesen.Winkel, 0);
    EXPECT_TRUE(Nahe(gelesen.m_size, {10, 6}));
    ASSERT_EQ(gelesen.m_points.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_TRUE(Nahe(gelesen.m_points[i], d.m_points[i])) << i;
    EXPECT_EQ(gelesen.Hoehe, 3);
    EXPECT_EQ(gelesen.GeschossHoehe, 2.5);
    EXPECT_EQ(gelesen.MansardHoehe, 2);
    EXPECT_FALSE(gelesen.IstBeheizt());
    EXPECT_EQ(gelesen.Zustand, CDach::ZustandFertig);
    EXPECT_EQ(gelesen.Sperre, 1);
    EXPECT_EQ(gelesen.FirstGedreht, 0);
    EXPECT_EQ(gelesen.AuswahlPunkt, -1);
    EXPECT_TRUE(gelesen.m_Anschlusspunkte.empty());
    EXPECT_FALSE(gelesen.IstBeschaedigt());

    // Reading does not rebuild; the rebuild after loading does.
    EXPECT_EQ(gelesen.Flaechenzahl(), 0);
    gelesen.AktualisiereNachLaden();
    EXPECT_EQ(gelesen.Flaechenzahl(), 4);
    EXPECT_EQ(gelesen.m_Kanten, d.m_Kanten);
    EXPECT_TRUE(Nahe(gelesen.m_Firstachse.B, d.m_Firstachse.B));
    EXPECT_TRUE(gelesen.IstFertig());
}

TEST(DachPersistenz, HandEditedPointsAndBreakHeightsSurviveTheRoundTrip)
{
    const fs::path ordner = Ordner("krueppelwalm");
    CDach d = BaueDach({.typ = dachtyp::Krueppelwalmdach, .L = 10, .W = 6, .hoehe = 4});
    d.m_points[7] = Punkt2D(0, 3.75);
    d.BerechneKnickhoehen();
    Schreibe(d, ordner / "dach.vza");
    CDach gelesen = LiesDach(ordner / "dach.vza");
    gelesen.AktualisiereNachLaden();
    EXPECT_TRUE(Nahe(gelesen.m_points[7], {0, 3.75}));
    EXPECT_NEAR(gelesen.Knickhoehe2, 3, 1e-12);
    EXPECT_NEAR(gelesen.Knickhoehe3, 2, 1e-12);
    EXPECT_EQ(gelesen.m_Zugkanten, d.m_Zugkanten);
}

// Planes of a roof on a house whose zone lies under it.
std::vector<Plane> Ebenen(const CDach& dach, const Punkt2DArray& zone)
{
    Haus haus;
    haus.m_aZone[0].m_a2DGrundrissPunkte = zone;
    haus.m_aDach.Add(dach);
    CPlaneArray planes;
    ErzeugeFlaechen(haus.m_aDach[0], haus, planes);
    return {planes.begin(), planes.end()};
}

void ErwarteGleicheEbenen(const std::vector<Plane>& a, const std::vector<Plane>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].ID, b[i].ID);
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(Nahe(a[i].Ecke(k), b[i].Ecke(k))) << "Ebene " << i << " Ecke " << k;
    }
}

TEST(DachPersistenz, ReloadedFlippedRoofBuildsTheSamePlanes)
{
    // The reloaded roof keeps its points and its flip, and may be flipped
    // back as the user left it.
    const fs::path ordner = Ordner("gedreht");
    CDach d = BaueDach({.L = 10, .W = 8, .hoehe = 3, .firstGedreht = 1});
    Schreibe(d, ordner / "dach.vza");
    CDach gelesen = LiesDach(ordner / "dach.vza");
    gelesen.AktualisiereNachLaden();
    EXPECT_EQ(gelesen.FirstGedreht, 1);
    EXPECT_EQ(gelesen.Sperre, 0);
    EXPECT_TRUE(gelesen.KannFirstDrehen());
    EXPECT_TRUE(Nahe(gelesen.m_Firstachse.B, d.m_Firstachse.B));
    const Punkt2DArray zone{{0, 0}, {10, 0}, {10, 8}, {0, 8}};
    ErwarteGleicheEbenen(Ebenen(gelesen, zone), Ebenen(d, zone));
}

// A document of an older version holds neither the lock nor the flip: the
// roof reads unflipped, and locked when its points were moved by hand.
TEST(DachPersistenz, OlderDocumentsDeriveTheLockFromThePoints)
{
    struct Fall {
        const char* was;
        const char* punkte;
        int sperre;
    };
    const Fall faelle[] = {
        {"as placed", "<Punkt2D x=\"1\" y=\"2\"/><Punkt2D x=\"1\" y=\"8\"/><Punkt2D x=\"11\" y=\"8\"/>"
                      "<Punkt2D x=\"11\" y=\"2\"/><Punkt2D x=\"1\" y=\"5\"/><Punkt2D x=\"11\" y=\"5\"/>", 0},
        {"ridge moved by hand", "<Punkt2D x=\"1\" y=\"2\"/><Punkt2D x=\"1\" y=\"8\"/><Punkt2D x=\"11\" y=\"8\"/>"
                                "<Punkt2D x=\"11\" y=\"2\"/><Punkt2D x=\"1\" y=\"6\"/><Punkt2D x=\"11\" y=\"6\"/>", 1},
        {"flipped", "<Punkt2D x=\"1\" y=\"2\"/><Punkt2D x=\"11\" y=\"2\"/><Punkt2D x=\"11\" y=\"8\"/>"
                    "<Punkt2D x=\"1\" y=\"8\"/><Punkt2D x=\"6\" y=\"2\"/><Punkt2D x=\"6\" y=\"8\"/>", 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const fs::path pfad = Ordner("alt") / "dach.vza";
        std::ofstream(pfad) << "<?xml version=\"1.0\" ?>\n<VykeZeva><Dach><Typ>2</Typ><DiagonalWinkel>0</DiagonalWinkel>"
                               "<Winkel>0</Winkel><Punkt2D x=\"10\" y=\"6\"/><Punkt2DArray Size=\"6\">"
                            << f.punkte
                            << "</Punkt2DArray><Hoehe>3</Hoehe><GeschossHoehe>3</GeschossHoehe>"
                               "<MansardHoehe>2</MansardHoehe><IstBeheizt>1</IstBeheizt></Dach></VykeZeva>";
        CDach d = LiesDach(pfad);
        ASSERT_FALSE(d.IstBeschaedigt());
        d.AktualisiereNachLaden();
        EXPECT_EQ(d.Sperre, f.sperre);
        EXPECT_EQ(d.FirstGedreht, 0);
        EXPECT_EQ(d.KannFirstDrehen(), f.sperre == 0);
    }
}

TEST(DachPersistenz, XmlRoofWithTheWrongPointCountIsDropped)
{
    const fs::path pfad = Ordner("beschaedigt") / "dach.vza";
    std::ofstream(pfad) << "<?xml version=\"1.0\" ?>\n<VykeZeva><Dach><Typ>2</Typ><DiagonalWinkel>0</DiagonalWinkel>"
                           "<Winkel>0</Winkel><Punkt2D x=\"10\" y=\"6\"/><Punkt2DArray Size=\"4\"><Punkt2D x=\"0\" y=\"0\"/>"
                           "<Punkt2D x=\"0\" y=\"6\"/><Punkt2D x=\"10\" y=\"6\"/><Punkt2D x=\"10\" y=\"0\"/></Punkt2DArray>"
                           "<Hoehe>3</Hoehe><GeschossHoehe>3</GeschossHoehe><MansardHoehe>2</MansardHoehe>"
                           "<IstBeheizt>1</IstBeheizt></Dach></VykeZeva>";
    CDach d = LiesDach(pfad);
    EXPECT_TRUE(d.IstBeschaedigt());
    // The rebuild leaves such a roof without faces instead of reading beyond
    // its points.
    d.AktualisiereNachLaden();
    EXPECT_EQ(d.Flaechenzahl(), 0);
    EXPECT_FALSE(d.IstFertig());

    CObjektArray<CDach> daecher;
    daecher.Add(BaueDach({}));
    daecher.Add(d);
    daecher.Add(BaueDach({.typ = dachtyp::Walmdach}));
    MerkenderNotifier notifier;
    EXPECT_EQ(EntferneBeschaedigteDaecher(daecher, notifier), 1u);
    ASSERT_EQ(daecher.size(), 2u);
    EXPECT_EQ(daecher[0].Typ, dachtyp::Satteldach);
    EXPECT_EQ(daecher[1].Typ, dachtyp::Walmdach);
    EXPECT_EQ(notifier.texte, (std::vector<std::string>{"Ein Dach des Projekts ist beschädigt und wurde nicht geladen."}));
}

// The binary form of a Satteldach 10 × 6 at (1, 2) with count stored points.
ByteBuilder BinaerDach(int typ, int anzahl, bool mitBeheizt)
{
    ByteBuilder b;
    b.NewClass("CDach");
    b.Byte(static_cast<std::uint8_t>(typ)).Double(0.25).Double(0).Double(10).Double(6);
    b.Int(anzahl);
    const std::vector<Punkt2D> punkte = {{1, 2}, {1, 8}, {11, 8}, {11, 2}, {1, 5}, {11, 5}, {7, 7}, {8, 8}};
    for (int i = 0; i < anzahl; ++i)
        b.Double(punkte[static_cast<std::size_t>(i) % punkte.size()].x)
            .Double(punkte[static_cast<std::size_t>(i) % punkte.size()].y);
    b.Double(3).Double(2.5).Double(2);
    if (mitBeheizt)
        b.Int(0);
    return b;
}

std::unique_ptr<CDach> LiesBinaer(const ByteBuilder& b, int version)
{
    RegisterModelClasses();
    BinaryArchive ar(b.Bytes());
    ar.SetVersion(version);
    std::unique_ptr<CDach> d = ReadObject<CDach>(ar);
    EXPECT_TRUE(ar.AtEnd());
    return d;
}

TEST(DachPersistenz, BinaryForm)
{
    const auto d = LiesBinaer(BinaerDach(dachtyp::Satteldach, 6, true), 10);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Typ, dachtyp::Satteldach);
    EXPECT_EQ(d->DiagonalWinkel, 0.25);
    EXPECT_TRUE(Nahe(d->m_size, {10, 6}));
    EXPECT_TRUE(Nahe(d->m_points[4], {1, 5}));
    EXPECT_TRUE(Nahe(d->m_points[2], {11, 8}));
    EXPECT_EQ(d->Hoehe, 3);
    EXPECT_EQ(d->GeschossHoehe, 2.5);
    EXPECT_EQ(d->MansardHoehe, 2);
    EXPECT_TRUE(d->BeheiztGelesen());
    EXPECT_FALSE(d->IstBeheizt());
    EXPECT_FALSE(d->IstBeschaedigt());
    EXPECT_EQ(d->Flaechenzahl(), 4);
    EXPECT_TRUE(Nahe(d->m_Firstachse.B, {10, 0}));

    // Before version 9 the heating flag is not stored: the house's applies.
    const auto alt = LiesBinaer(BinaerDach(dachtyp::Satteldach, 6, false), 8);
    ASSERT_NE(alt, nullptr);
    EXPECT_FALSE(alt->BeheiztGelesen());
    EXPECT_TRUE(alt->IstBeheizt());
}

TEST(DachPersistenz, BinaryRoofWithTheWrongPointCountIsDamaged)
{
    struct Case {
        const char* was;
        int typ;
        int anzahl;
    };
    const Case cases[] = {
        {"zu wenige", dachtyp::Satteldach, 5},
        {"zu viele", dachtyp::Satteldach, 8},
        {"unbekannte Form", 9, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        // The points are read all the same: the archive ends after the roof.
        const auto d = LiesBinaer(BinaerDach(c.typ, c.anzahl, true), 10);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->IstBeschaedigt());
        EXPECT_FALSE(d->IstBeheizt());
    }

    // A count the file cannot hold is a damaged file.
    ByteBuilder b;
    b.NewClass("CDach").Byte(2).Double(0).Double(0).Double(10).Double(6).Int(1000000).Double(1).Double(2);
    RegisterModelClasses();
    BinaryArchive ar(b.Bytes());
    ar.SetVersion(10);
    EXPECT_THROW(ReadObject<CDach>(ar), BinaryArchiveError);
}

TEST(DachPersistenz, HouseCopiesLeaveTheRoofs)
{
    // A copy of a house is for the calculations: it takes no roofs, and an
    // assignment keeps the target's own roofs.
    Haus quelle;
    quelle.m_aDach.Add(BaueDach({}));
    quelle.m_aDach.Add(BaueDach({.typ = dachtyp::Walmdach}));
    const Haus kopie(quelle);
    EXPECT_TRUE(kopie.m_aDach.empty());

    Haus ziel;
    ziel.m_aDach.Add(BaueDach({.typ = dachtyp::Zeltdach}));
    ziel = quelle;
    ASSERT_EQ(ziel.m_aDach.size(), 1u);
    EXPECT_EQ(ziel.m_aDach[0].Typ, dachtyp::Zeltdach);
}

// The older document's line lists as stored: a ridge line from (3,4) to
// (9,4) and four hip lines, given in either direction.
Punkt2DArray LinienAusBytes(const std::vector<Punkt2D>& punkte)
{
    ByteBuilder b;
    b.Count(static_cast<std::uint32_t>(punkte.size()));
    for (const Punkt2D& p : punkte)
        b.Repeat(0, 8).Double(p.x).Double(p.y);
    BinaryArchive ar(b.Bytes());
    Punkt2DArray a;
    a.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    return a;
}

TEST(DachPersistenz, HipRoofFromTheOldestLineLists)
{
    Haus haus;
    haus.m_aZone[0].m_a2DGrundrissPunkte = Punkt2DArray{{0, 0}, {12, 0}, {12, 8}, {0, 8}};
    haus.m_aZone[0].Dachhoehe = 2;
    haus.Dachhoehe = 4;
    haus.Dachgeschosshoehe = 3.5;
    haus.m_aLinien1 = LinienAusBytes({{3, 4}, {9, 4}});
    haus.m_aLinien2 = LinienAusBytes({{3, 4}, {0, 0}, {0, 8}, {3, 4}, {9, 4}, {12, 8}, {12, 0}, {9, 4}});

    ASSERT_EQ(DaecherAusLinien(haus), 1u);
    ASSERT_EQ(haus.m_aDach.size(), 1u);
    const CDach& d = haus.m_aDach[0];
    EXPECT_EQ(d.Typ, dachtyp::Walmdach);
    // The end edges are those the ridge line crosses: corners 0 and 1 on the
    // side nearer the ridge's start.
    const std::vector<Punkt2D> erwartet = {{0, 8}, {0, 0}, {12, 0}, {12, 8}, {3, 4}, {9, 4}};
    ASSERT_EQ(d.m_points.size(), erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i)
        EXPECT_TRUE(Nahe(d.m_points[i], erwartet[i])) << i;
    EXPECT_TRUE(Nahe(d.m_size, {12, 8}));
    EXPECT_EQ(d.Hoehe, 4);
    EXPECT_EQ(d.GeschossHoehe, 3.5);
    EXPECT_NEAR(d.MansardHoehe, 4.0 / 3, 1e-12);
    EXPECT_FALSE(d.KannFirstDrehen());
    EXPECT_EQ(d.Flaechenzahl(), 4);
    EXPECT_EQ(Grundriss(d).Flaeche(), 96);

    // Its faces turn out of the roof: the hip planes of a roof with its
    // corners counter-clockwise are reversed like those of a drawn one.
    CPlaneArray planes;
    ErzeugeFlaechen(haus.m_aDach[0], haus, planes);
    ErwarteGleicheEbenen({planes.begin(), planes.end()},
                         Ebenen(BaueDach({.typ = dachtyp::Walmdach, .L = 12, .W = -8, .hoehe = 4, .p0 = {0, 8},
                                          .geschossHoehe = 3.5}),
                                haus.m_aZone[0].m_a2DGrundrissPunkte));
}

} // namespace
} // namespace zeva
