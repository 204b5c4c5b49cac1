// The demand result record: what its copy keeps, its document forms.
#include "model/DBedarf.h"
#include "model/RuntimeClass.h"

#include "DatensatzTestHilfen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeva {
namespace {

using test::ByteBuilder;

DBedarf Gefuellt()
{
    DBedarf b;
    double wert = 1;
    for (double* summe : {&b.Brennstoffenergiebedarf, &b.Waermebedarf, &b.Heizungsverlust, &b.Lueftung,
                          &b.Elektrizitaet, &b.ElektrizitaetNutzbar, &b.Personen, &b.PersonenNutzbar,
                          &b.Flachdachsumme, &b.Steildachsumme, &b.Deckesumme, &b.Wandsumme, &b.Bodensumme,
                          &b.Fensterverlustsumme, &b.Fenstergewinnsumme, &b.Fenstergewinnnutzbarsumme})
        *summe = wert++;
    b.m_aBedFlachdach = {1.5};
    b.m_aBedSteildach = {2.5, 2.25};
    b.m_aBedDecke = {3.5};
    b.m_aBedWand = {4.5, 4.25, 4.125};
    b.m_aBedBoden = {5.5};
    b.m_aBedFensterverlust = {6.5, 6.25};
    b.m_aBedFenstergewinn = {7.5, 7.25};
    b.m_aBedFenstergewinnnutzbar = {8.5, 8.25};
    b.Gesamtkosten = 12000;
    b.GesamtkostenProJahr = 480;
    b.SetKeaSanierung(5);
    b.SetCo2Sanierung(6);
    b.Zielfunktion = 2;
    b.Grenze = 70;
    return b;
}

void ErwarteGleicheWerte(const DBedarf& a, const DBedarf& b)
{
    EXPECT_EQ(a.Brennstoffenergiebedarf, b.Brennstoffenergiebedarf);
    EXPECT_EQ(a.Waermebedarf, b.Waermebedarf);
    EXPECT_EQ(a.Heizungsverlust, b.Heizungsverlust);
    EXPECT_EQ(a.Lueftung, b.Lueftung);
    EXPECT_EQ(a.Elektrizitaet, b.Elektrizitaet);
    EXPECT_EQ(a.ElektrizitaetNutzbar, b.ElektrizitaetNutzbar);
    EXPECT_EQ(a.Personen, b.Personen);
    EXPECT_EQ(a.PersonenNutzbar, b.PersonenNutzbar);
    EXPECT_EQ(a.Flachdachsumme, b.Flachdachsumme);
    EXPECT_EQ(a.Steildachsumme, b.Steildachsumme);
    EXPECT_EQ(a.Deckesumme, b.Deckesumme);
    EXPECT_EQ(a.Wandsumme, b.Wandsumme);
    EXPECT_EQ(a.Bodensumme, b.Bodensumme);
    EXPECT_EQ(a.Fensterverlustsumme, b.Fensterverlustsumme);
    EXPECT_EQ(a.Fenstergewinnsumme, b.Fenstergewinnsumme);
    EXPECT_EQ(a.Fenstergewinnnutzbarsumme, b.Fenstergewinnnutzbarsumme);
    EXPECT_EQ(a.m_aBedFlachdach, b.m_aBedFlachdach);
    EXPECT_EQ(a.m_aBedSteildach, b.m_aBedSteildach);
    EXPECT_EQ(a.m_aBedDecke, b.m_aBedDecke);
    EXPECT_EQ(a.m_aBedWand, b.m_aBedWand);
    EXPECT_EQ(a.m_aBedBoden, b.m_aBedBoden);
    EXPECT_EQ(a.m_aBedFensterverlust, b.m_aBedFensterverlust);
    EXPECT_EQ(a.m_aBedFenstergewinn, b.m_aBedFenstergewinn);
    EXPECT_EQ(a.m_aBedFenstergewinnnutzbar, b.m_aBedFenstergewinnnutzbar);
    EXPECT_EQ(a.Gesamtkosten, b.Gesamtkosten);
    EXPECT_EQ(a.GesamtkostenProJahr, b.GesamtkostenProJahr);
}

TEST(DBedarf, NeuIstAllesNull)
{
    const DBedarf b;
    EXPECT_EQ(b.Brennstoffenergiebedarf, 0);
    EXPECT_EQ(b.Fenstergewinnnutzbarsumme, 0);
    EXPECT_TRUE(b.m_aBedWand.empty());
    EXPECT_TRUE(b.m_aBedFenstergewinnnutzbar.empty());
    EXPECT_EQ(b.GetKeaSanierung(), 0);
    EXPECT_EQ(b.GetCo2Sanierung(), 0);
    EXPECT_EQ(b.GetZielfunktion(), 0); // the existing state's record, not -1
    EXPECT_EQ(b.GetGrenze(), 0);
}

TEST(DBedarf, ZuweisungLaesstKeaUndCo2DesZiels)
{
    const DBedarf quelle = Gefuellt();
    DBedarf ziel;
    ziel.SetKeaSanierung(7);
    ziel.SetCo2Sanierung(8);
    ziel.m_aBedWand = {9, 9, 9, 9, 9};
    ziel = quelle;
    ErwarteGleicheWerte(ziel, quelle);
    EXPECT_EQ(ziel.GetZielfunktion(), 2);
    EXPECT_EQ(ziel.GetGrenze(), 70);
    EXPECT_EQ(ziel.GetKeaSanierung(), 7);
    EXPECT_EQ(ziel.GetCo2Sanierung(), 8);

    const DBedarf kopie(quelle);
    ErwarteGleicheWerte(kopie, quelle);
    EXPECT_EQ(kopie.GetZielfunktion(), 2);
    EXPECT_EQ(kopie.GetKeaSanierung(), 0);
    EXPECT_EQ(kopie.GetCo2Sanierung(), 0);
}

// Removing variant 1 moves the records of the later variants down; their
// cumulative energy and CO2 must move with them.
TEST(DBedarf, VerschiebenImArrayBehaeltKeaUndCo2)
{
    CDBedarfArray a;
    a.SetSize(4);
    for (int i = 0; i < 4; ++i) {
        a[i].SetKeaSanierung(10 + i);
        a[i].SetCo2Sanierung(20 + i);
        a[i].Gesamtkosten = 100 + i;
    }
    a.RemoveAt(1);
    a.SetSize(12); // growing reallocates
    ASSERT_EQ(a.size(), 12u);
    EXPECT_EQ(a[1].GetKeaSanierung(), 12);
    EXPECT_EQ(a[1].GetCo2Sanierung(), 22);
    EXPECT_EQ(a[2].GetKeaSanierung(), 13);
    EXPECT_EQ(a[2].Gesamtkosten, 103);
    EXPECT_EQ(a[0].GetKeaSanierung(), 10);
}

TEST(DBedarf, XmlReihenfolgeUndRundreise)
{
    DBedarf quelle = Gefuellt();
    const std::string xml = test::XmlVon(quelle);
    std::vector<std::string> erwartet = {
        "Brennstoffenergiebedarf", "Waermebedarf", "Heizungsverlust", "Lueftung", "Elektrizitaet",
        "ElektrizitaetNutzbar", "Personen", "PersonenNutzbar", "Flachdachsumme", "Steildachsumme", "Deckesumme",
        "Wandsumme", "Bodensumme", "Fensterverlustsumme", "Fenstergewinnsumme", "Fenstergewinnnutzbarsumme"};
    erwartet.insert(erwartet.end(), 8, "DoubleArray");
    erwartet.insert(erwartet.end(), {"Gesamtkosten", "GesamtkostenProJahr", "Zielfunktion", "Grenze"});
    EXPECT_EQ(test::Kindelemente(xml), erwartet);
    EXPECT_EQ(xml.find("Kea"), std::string::npos);
    EXPECT_EQ(xml.find("Co2"), std::string::npos);
    EXPECT_NE(xml.find("<DoubleArray Size=\"3\"><Double>4.5</Double><Double>4.25</Double><Double>4.125</Double>"
                       "</DoubleArray>"),
              std::string::npos)
        << xml;

    DBedarf ziel;
    ziel.SetKeaSanierung(3);
    ASSERT_TRUE(test::LiesXml(xml, ziel));
    ErwarteGleicheWerte(ziel, quelle);
    EXPECT_EQ(ziel.GetZielfunktion(), 2);
    EXPECT_EQ(ziel.GetGrenze(), 70);
    EXPECT_EQ(ziel.GetKeaSanierung(), 3);
}

TEST(DBedarf, HausOhneFensterSchreibtLeereFensterreihen)
{
    DBedarf b = Gefuellt();
    b.m_aBedFensterverlust.RemoveAll();
    b.m_aBedFenstergewinn.RemoveAll();
    b.m_aBedFenstergewinnnutzbar.RemoveAll();
    const std::string xml = test::XmlVon(b);
    const std::string leer = "<DoubleArray Size=\"0\"/>";
    std::size_t anzahl = 0;
    for (std::size_t p = xml.find(leer); p != std::string::npos; p = xml.find(leer, p + 1))
        ++anzahl;
    EXPECT_EQ(anzahl, 3u) << xml;

    DBedarf ziel = Gefuellt();
    ASSERT_TRUE(test::LiesXml(xml, ziel));
    EXPECT_TRUE(ziel.m_aBedFensterverlust.empty());
    EXPECT_TRUE(ziel.m_aBedFenstergewinnnutzbar.empty());
    EXPECT_EQ(ziel.m_aBedWand.size(), 3u);
}

TEST(DBedarf, BinaerformOhneZielfunktionUndGrenze)
{
    RegisterModelClasses();
    ByteBuilder b;
    b.NewClass("DBedarf");
    for (int i = 1; i <= 16; ++i)
        b.Double(i * 1.5);
    // The eight arrays: flat roofs 1 value, pitched roofs 0, ceilings 2, walls
    // 1, floors 0, the three window series 1 each.
    b.Count(1).Double(10);
    b.Count(0);
    b.Count(2).Double(20).Double(21);
    b.Count(1).Double(30);
    b.Count(0);
    b.Count(1).Double(40);
    b.Count(1).Double(50);
    b.Count(1).Double(60);
    b.Double(9999).Double(333);

    BinaryArchive ar = test::Archiv(b, 9);
    std::unique_ptr<DBedarf> r = ReadObject<DBedarf>(ar);
    ASSERT_TRUE(r);
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_EQ(r->Brennstoffenergiebedarf, 1.5);
    EXPECT_EQ(r->Lueftung, 6);
    EXPECT_EQ(r->Fenstergewinnnutzbarsumme, 24);
    EXPECT_EQ(r->m_aBedFlachdach, CXmlDoubleArray({10}));
    EXPECT_TRUE(r->m_aBedSteildach.empty());
    EXPECT_EQ(r->m_aBedDecke, CXmlDoubleArray({20, 21}));
    EXPECT_EQ(r->m_aBedWand, CXmlDoubleArray({30}));
    EXPECT_TRUE(r->m_aBedBoden.empty());
    EXPECT_EQ(r->m_aBedFensterverlust, CXmlDoubleArray({40}));
    EXPECT_EQ(r->m_aBedFenstergewinn, CXmlDoubleArray({50}));
    EXPECT_EQ(r->m_aBedFenstergewinnnutzbar, CXmlDoubleArray({60}));
    EXPECT_EQ(r->Gesamtkosten, 9999);
    EXPECT_EQ(r->GesamtkostenProJahr, 333);
    EXPECT_EQ(r->GetZielfunktion(), 0);
    EXPECT_EQ(r->GetGrenze(), 0);

    // An array count larger than the bytes left is refused.
    ByteBuilder kaputt;
    for (int i = 0; i < 16; ++i)
        kaputt.Double(0);
    kaputt.Count(50000).Double(1);
    BinaryArchive ar2 = test::Archiv(kaputt);
    DBedarf d;
    EXPECT_THROW(d.Serialize(ar2), BinaryArchiveError);
}

} // namespace
} // namespace zeva
