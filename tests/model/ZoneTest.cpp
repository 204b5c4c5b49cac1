// The zone: defaults, copies of the outline and both document forms.
#include "model/RuntimeClass.h"
#include "model/Zone.h"

#include "DatensatzTestHilfen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeva {
namespace {

using test::ByteBuilder;

Zone ZoneMit(int punkte)
{
    Zone z;
    for (int i = 0; i < punkte; ++i)
        z.m_a2DGrundrissPunkte.Add(Punkt2D(i * 10.0, i % 2 == 0 ? 0.0 : 7.5));
    return z;
}

TEST(Zone, NeueZoneAlsXml)
{
    Zone z;
    EXPECT_EQ(test::XmlVon(z), test::TextDatei("zone/neu.xml"));
}

TEST(Zone, ZuweisungUebernimmtGenauDieUmrisspunkte)
{
    const Zone fuenf = ZoneMit(5);
    Zone acht = ZoneMit(8);
    acht.Dachhoehe = 5;
    acht = fuenf;
    ASSERT_EQ(acht.m_a2DGrundrissPunkte.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(acht.m_a2DGrundrissPunkte[i], fuenf.m_a2DGrundrissPunkte[i]) << i;
    EXPECT_EQ(acht.Dachhoehe, 3.0);
    EXPECT_EQ(acht, fuenf);

    acht.m_a2DGrundrissPunkte[0].x = 99;
    EXPECT_EQ(fuenf.m_a2DGrundrissPunkte[0].x, 0);

    const Zone kopie(fuenf);
    EXPECT_EQ(kopie, fuenf);
}

Zone BeispielZone()
{
    Zone z = ZoneMit(4);
    z.Innerhalb = 1;
    z.Dachhoehe = 4.5;
    z.Dachgeschosshoehe = 2.75;
    z.Drempelhoehe = 0.8;
    z.Stockwerkshoehe = 2.6;
    z.Stockwerkszahl = 2;
    z.Kellerhoehe = 2.2;
    z.HoeheUeberGrund = 0.45;
    z.Geschlossen = 1;
    z.StartPunktInZone = 1;
    z.StartPunktAufLinie = 0;
    z.EndPunktInZone = 0;
    z.EndPunktAufLinie = 1;
    z.KlimaZone = 3;
    z.KellerBeheizt = 1;
    return z;
}

TEST(Zone, XmlRundreise)
{
    const Zone z = BeispielZone();
    Zone quelle = z;
    const std::string xml = test::XmlVon(quelle);
    EXPECT_EQ(test::Kindelemente(xml),
              (std::vector<std::string>{"Innerhalb", "Dachhoehe", "Dachgeschosshoehe", "Drempelhoehe",
                                        "Stockwerkshoehe", "Stockwerkszahl", "Kellerhoehe", "Geschlossen",
                                        "StartPunktInZone", "StartPunktAufLinie", "EndPunktInZone",
                                        "EndPunktAufLinie", "KlimaZone", "KellerBeheizt", "HoeheUeberGrund",
                                        "Punkt2DArray"}));
    Zone gelesen = ZoneMit(8);
    test::LiesXml(xml, gelesen);
    EXPECT_EQ(gelesen, z);
    ASSERT_EQ(gelesen.m_a2DGrundrissPunkte.size(), 4u);
    EXPECT_EQ(gelesen.m_a2DGrundrissPunkte[3].x, 30);
    EXPECT_EQ(gelesen.m_a2DGrundrissPunkte[3].y, 7.5);
}

TEST(Zone, AusDemBinaerformat)
{
    RegisterModelClasses();
    ByteBuilder b;
    b.NewClass("Zone")
        .Int(1)       // Innerhalb
        .Double(4.5)  // Dachhoehe
        .Double(2.75) // Dachgeschosshoehe
        .Double(0.8)  // Drempelhoehe
        .Double(2.6)  // Stockwerkshoehe
        .Int(2)       // Stockwerkszahl
        .Double(2.2)  // Kellerhoehe
        .Int(1)       // Geschlossen
        .Int(1)       // StartPunktInZone
        .Int(0)       // StartPunktAufLinie
        .Int(0)       // EndPunktInZone
        .Int(1)       // EndPunktAufLinie
        .Int(3)       // KlimaZone
        .Int(1)       // KellerBeheizt
        .Double(0.45) // HoeheUeberGrund
        .Count(4);
    for (int i = 0; i < 4; ++i)
        b.Repeat(0xCD, 8).Double(i * 10.0).Double(i % 2 == 0 ? 0.0 : 7.5);
    BinaryArchive ar = test::Archiv(b, 6);
    std::unique_ptr<Zone> z = ReadObject<Zone>(ar);
    ASSERT_TRUE(z);
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_EQ(*z, BeispielZone());
}

TEST(Zone, AbgeschnittenerUmrissIstEinSchaden)
{
    ByteBuilder b;
    b.Int(0).Double(3).Double(3).Double(0).Double(2.5).Int(1).Double(2.5);
    for (int i = 0; i < 7; ++i)
        b.Int(0);
    b.Double(0).Count(3).Repeat(0, 24);
    BinaryArchive ar = test::Archiv(b, 6);
    Zone z;
    EXPECT_THROW(z.Serialize(ar), BinaryArchiveError);
}

} // namespace
} // namespace zeva
