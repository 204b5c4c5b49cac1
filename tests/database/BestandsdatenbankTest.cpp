// The existing-components data base: the record sets with their filters and
// parameter binding, reading a build-up, and storing and deleting types.
#include "database/Bestandsdatenbank.h"
#include "database/DBODBCBauteiltypSet.h"
#include "database/DBODBCHeizkesselSet.h"
#include "database/DBODBCKategorieSet.h"
#include "database/DBODBCRahmenSet.h"
#include "database/DBODBCSchichtSet.h"
#include "database/DBODBCSchichtaufbauSet.h"
#include "database/DBODBCVerglasungSet.h"
#include "database/DBODBCVersionsnummerSet.h"
#include "database/DatenbankFixture.h"
#include "platform/SqlDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeva {
namespace {

using Namen = std::vector<std::string>;

template <class Set>
Namen Liste(Set& set)
{
    Namen namen;
    for (; !set.IsEOF(); set.MoveNext())
        namen.push_back(set.Name);
    return namen;
}

const char* ArtName(Bauteilart art)
{
    return Tabellen(art).typen;
}

TEST(Bestandsdatenbank, YearFilterIsInclusiveAndTakesBothParametersAsTheYear)
{
    const auto datei = test::BestandFixture("jahr.db");
    SqlDatabase db;
    db.Open(datei);
    for (Bauteilart art : AlleBauteilarten) {
        auto set = DBODBCBauteiltypSet::Erzeuge(art, &db);
        set->Open();
        EXPECT_EQ(Liste(*set), (Namen{"Eins", "Zwei", "Drei", "Vier"})) << ArtName(art);

        struct Case {
            int jahr;
            Namen namen;
        };
        const Case cases[] = {
            {1960, {"Eins", "Drei"}}, // both ends included; no years: never listed
            {1950, {"Eins"}},
            {1970, {"Zwei"}},
            {1949, {}},
        };
        for (const auto& c : cases) {
            set->BJParam = c.jahr;
            set->IDParam() = c.jahr;
            set->m_strFilter = DBODBCBauteiltypSet::Jahresfilter;
            set->Requery();
            EXPECT_EQ(Liste(*set), c.namen) << ArtName(art) << " " << c.jahr;
        }
        set->m_strFilter.clear();
        set->Requery();
        EXPECT_EQ(set->GetRecordCount(), 4u);
    }
}

TEST(Bestandsdatenbank, FlatRoofTypeCarriesItsRoofKind)
{
    const auto datei = test::BestandFixture("flach.db");
    SqlDatabase db;
    db.Open(datei);
    DBODBCFlachdachSet set(&db);
    set.Open();
    EXPECT_EQ(set.Warmdach, 1);
    EXPECT_EQ(set.ID, 1);
    EXPECT_DOUBLE_EQ(set.kWert, 1.5);
    EXPECT_EQ(set.BaujahrBis, 1960);
}

TEST(Bestandsdatenbank, BoilerListBindsFuelFirstAndTheYearOnlyWithTheYearFilter)
{
    const auto datei = test::BestandFixture("kessel.db");
    SqlDatabase db;
    db.Open(datei);
    DBODBCHeizkesselSet set(&db);
    set.Open();

    struct Case {
        bool jahrfilter;
        int brennstoff;
        int jahr;
        Namen namen;
    };
    const Case cases[] = {
        {false, 1, 1975, {"Öl 1970-1980", "Öl 1990-2000", "Öl 1-1975"}},
        {false, 2, 1975, {"Gas 1970-1980"}},
        {true, 1, 1975, {"Öl 1970-1980", "Öl 1-1975"}},
        {true, 1, 1995, {"Öl 1990-2000"}},
        {true, 2, 1995, {}},
    };
    for (const auto& c : cases) {
        set.BrennstoffParam = c.brennstoff;
        set.m_strFilter = DBODBCHeizkesselSet::Brennstofffilter;
        if (c.jahrfilter) {
            set.BJParam = c.jahr;
            set.HeizungIDParam = c.jahr;
            set.m_strFilter += DBODBCHeizkesselSet::Jahreszusatz;
        }
        set.Requery();
        EXPECT_EQ(Liste(set), c.namen) << c.brennstoff << " " << c.jahr << " " << c.jahrfilter;
    }
}

TEST(Bestandsdatenbank, LayersComeByPositionAndEqualPositionsInStoredOrder)
{
    const auto datei = test::BestandFixture("lagen.db");
    SqlDatabase db;
    db.Open(datei);
    DBODBCWandschichtSet set(&db);
    set.WandIDParam = 1;
    set.m_strFilter = set.Schluesselfilter();
    set.m_strSort = DBODBCSchichtaufbauSet::Positionssortierung;
    set.Open();
    EXPECT_EQ(set.Schluesselfilter(), "[Wand-ID] = ?");
    EXPECT_EQ(Liste(set), (Namen{"Putz innen", "Mauerwerk", "Dämmung", "Putz aussen"}));

    const auto schichten = LeseSchichtaufbau(db, Bauteilart::Wand, 1);
    ASSERT_EQ(schichten.size(), 4u);
    EXPECT_EQ(schichten[1].Name, "Mauerwerk");
    EXPECT_DOUBLE_EQ(schichten[1].Dicke, 0.24);
    EXPECT_DOUBLE_EQ(schichten[1].Lambda, 0.5);
    EXPECT_EQ(schichten[1].ID, 1);
    EXPECT_TRUE(LeseSchichtaufbau(db, Bauteilart::Boden, 1).empty());
}

std::vector<SchichtaufbauZeile> DreiSchichten()
{
    std::vector<SchichtaufbauZeile> s(3);
    s[0].Name = "Putz";
    s[0].Dicke = 0.015;
    s[0].Lambda = 0.7;
    s[0].Mu = 10;
    s[1].Name = "Bitumenbahn";
    s[1].Langtext = "Dampfsperre";
    s[1].Dicke = 0.004;
    s[1].Lambda = 0.17;
    s[1].Mu = 12.7;
    s[2].Name = "Luftschicht";
    s[2].Dicke = 0.04;
    s[2].Mu = 1;
    return s;
}

BauteiltypZeile NeuerTyp(const std::string& name)
{
    BauteiltypZeile t;
    t.Kategorie = 5; // never stored: the user's rows get 0
    t.Name = name;
    t.Langtext = "gespeichert";
    t.Warmdach = 1;
    t.Dicke = 0.059;
    t.kWert = 2.5;
    t.BaujahrAb = 1000;
    t.BaujahrBis = 2100;
    return t;
}

TEST(Bestandsdatenbank, StoredTypeTakesTheNextKeyAndItsLayersFollowIt)
{
    struct Case {
        const char* vorher; // rows to delete first
        int schluessel;
    };
    const Case cases[] = {
        {"", 10},                                // keys 1, 2, 7, 9
        {"DELETE FROM [%T] WHERE [%K] = 9;", 8}, // keys 1, 2, 7
        {"DELETE FROM [%T];", 1},                // an empty table takes its first type;
                                                 // the old layers of key 1 stay behind
    };
    for (Bauteilart art : AlleBauteilarten) {
        for (const auto& c : cases) {
            std::string vorher = c.vorher;
            for (auto p = vorher.find("%T"); p != std::string::npos; p = vorher.find("%T"))
                vorher.replace(p, 2, Tabellen(art).typen);
            for (auto p = vorher.find("%K"); p != std::string::npos; p = vorher.find("%K"))
                vorher.replace(p, 2, Tabellen(art).schluessel);
            const auto datei = test::BestandFixture("speichern.db", vorher);
            SqlDatabase db;
            db.Open(datei);
            const int erwartet = c.schluessel;
            const int key = SpeichereBauteiltyp(db, art, NeuerTyp("Neu"), DreiSchichten());
            EXPECT_EQ(key, erwartet) << ArtName(art);

            auto set = DBODBCBauteiltypSet::Erzeuge(art, &db);
            set->Open();
            ASSERT_TRUE(set->FindByName("Neu"));
            EXPECT_EQ(set->ID, erwartet);
            EXPECT_EQ(set->Kategorie, 0);
            EXPECT_EQ(set->Schichtzahl, 3);
            EXPECT_DOUBLE_EQ(set->kWert, 2.5);
            EXPECT_EQ(set->BaujahrAb, 1000);
            EXPECT_EQ(set->Langtext, "gespeichert");
            if (art == Bauteilart::Flachdach) {
                EXPECT_EQ(set->Warmdach, 1);
            }

            auto lagen = DBODBCSchichtaufbauSet::Erzeuge(art, &db);
            lagen->IDParam() = erwartet;
            lagen->m_strFilter = lagen->Schluesselfilter();
            lagen->m_strSort = DBODBCSchichtaufbauSet::Positionssortierung;
            lagen->Open();
            ASSERT_EQ(lagen->GetRecordCount(), 3u) << ArtName(art);
            int lfdnr = 0;
            for (int position = 1; !lagen->IsEOF(); lagen->MoveNext(), ++position) {
                EXPECT_EQ(lagen->Position, position);
                EXPECT_EQ(lagen->ID, erwartet);
                EXPECT_GT(lagen->LfdNr, lfdnr); // assigned by the data base, rising
                lfdnr = lagen->LfdNr;
                EXPECT_EQ(lagen->BitmapPfad, "");
            }
        }
    }
}

TEST(Bestandsdatenbank, FlatRoofLayerMuIsStoredAsAWholeNumber)
{
    const auto datei = test::BestandFixture("mu.db");
    SqlDatabase db;
    db.Open(datei);
    for (Bauteilart art : AlleBauteilarten) {
        const int key = SpeichereBauteiltyp(db, art, NeuerTyp("Mu"), DreiSchichten());
        const auto lagen = LeseSchichtaufbau(db, art, key);
        ASSERT_EQ(lagen.size(), 3u);
        EXPECT_DOUBLE_EQ(lagen[1].Mu, art == Bauteilart::Flachdach ? 12.0 : 12.7) << ArtName(art);
        EXPECT_EQ(lagen[1].Langtext, "Dampfsperre");
    }
    // A real that reached the whole-number column by another way is read cut, too.
    db.Execute("UPDATE [Flachdachschicht] SET [Mu] = 7.9");
    const auto lagen = LeseSchichtaufbau(db, Bauteilart::Flachdach, 10);
    ASSERT_FALSE(lagen.empty());
    EXPECT_DOUBLE_EQ(lagen[0].Mu, 7.0);
}

TEST(Bestandsdatenbank, FailedLayerLeavesNeitherTypeNorLayers)
{
    // The second layer row of any append fails.
    std::string trigger;
    for (Bauteilart art : AlleBauteilarten)
        trigger += std::string("CREATE TRIGGER [Fehler-") + Tabellen(art).schichten + "] BEFORE INSERT ON [" +
                   Tabellen(art).schichten + "] WHEN NEW.[Position] = 2 BEGIN SELECT RAISE(ABORT, 'Platte voll'); END;";
    const auto datei = test::BestandFixture("rollback.db", trigger);
    SqlDatabase db;
    db.Open(datei);
    for (Bauteilart art : AlleBauteilarten) {
        try {
            SpeichereBauteiltyp(db, art, NeuerTyp("Halb"), DreiSchichten());
            ADD_FAILURE() << ArtName(art) << " stored";
        } catch (const SqlError& e) {
            EXPECT_EQ(e.Meldung(), "Database error: Platte voll");
        }
        EXPECT_FALSE(db.InTransaction());
        auto set = DBODBCBauteiltypSet::Erzeuge(art, &db);
        set->Open();
        EXPECT_FALSE(set->FindByName("Halb")) << ArtName(art);
        EXPECT_EQ(set->GetRecordCount(), 0u);
        EXPECT_TRUE(LeseSchichtaufbau(db, art, 10).empty()) << ArtName(art);
    }
}

TEST(Bestandsdatenbank, NameWithApostropheIsStoredAndFound)
{
    const auto datei = test::BestandFixture("apostroph.db");
    SqlDatabase db;
    db.Open(datei);
    const std::string name = "Holzbalkendecke 'alt' ; DROP";
    SpeichereBauteiltyp(db, Bauteilart::Decke, NeuerTyp(name), {});
    DBODBCDeckeSet set(&db);
    set.Open();
    ASSERT_TRUE(set.FindByName(name));
    EXPECT_EQ(set.Name, name);
    EXPECT_EQ(set.Schichtzahl, 0);
    EXPECT_FALSE(set.FindByName("Holzbalkendecke "));
}

TEST(Bestandsdatenbank, DeletingATypeTakesItsLayersAlong)
{
    const auto datei = test::BestandFixture("loeschen.db");
    SqlDatabase db;
    db.Open(datei);

    // Through the browse set, standing on the type.
    DBODBCWandSet set(&db);
    set.Open();
    ASSERT_TRUE(set.FindByName("Eins"));
    set.LoescheMitSchichten();
    EXPECT_TRUE(set.IsDeleted());
    EXPECT_TRUE(LeseSchichtaufbau(db, Bauteilart::Wand, 1).empty());
    EXPECT_EQ(LeseSchichtaufbau(db, Bauteilart::Wand, 2).size(), 1u); // another type keeps its own

    // Deleting the type with the highest key: the next one stored gets that
    // key again and must not find old layers under it.
    const int key = SpeichereBauteiltyp(db, Bauteilart::Wand, NeuerTyp("Alt"), DreiSchichten());
    LoescheBauteiltyp(db, Bauteilart::Wand, key);
    const int wieder = SpeichereBauteiltyp(db, Bauteilart::Wand, NeuerTyp("Neu"), {});
    EXPECT_EQ(wieder, key);
    EXPECT_TRUE(LeseSchichtaufbau(db, Bauteilart::Wand, wieder).empty());
}

TEST(Bestandsdatenbank, MaterialCategoriesGlazingsFramesAndVersionOpen)
{
    const auto datei = test::BestandFixture("rest.db");
    SqlDatabase db;
    db.Open(datei);

    DBODBCKategorieSet kategorien(&db);
    kategorien.Open();
    EXPECT_EQ(kategorien.GetRecordCount(), 3u);
    kategorien.SetLookup("Bezeichnung", "Dämmstoffe");
    kategorien.Requery();
    ASSERT_FALSE(kategorien.IsEOF());
    EXPECT_EQ(kategorien.Kennummer, 2);

    DBODBCSchichtSet schichten(&db);
    schichten.KatParam = 1;
    schichten.m_strFilter = DBODBCSchichtSet::Kategoriefilter;
    schichten.Open();
    EXPECT_EQ(Liste(schichten), (Namen{"Vollziegel", "Kalksandstein"}));
    ASSERT_TRUE(schichten.FindByName("Mineralwolle"));
    EXPECT_DOUBLE_EQ(schichten.Lambda, 0.035);

    SchichtmaterialZeile eigen;
    eigen.Name = "Lehm 'grob'";
    eigen.Lambda = 0.9;
    eigen.Mu = 8;
    SpeichereSchichtmaterial(db, eigen);
    schichten.KatParam = DBODBCKategorieSet::Benutzerdefiniert;
    schichten.m_strFilter = DBODBCSchichtSet::Kategoriefilter;
    schichten.Requery();
    EXPECT_EQ(Liste(schichten), (Namen{"Lehm 'grob'"}));

    DBODBCVerglasungSet glas(&db);
    glas.Open();
    EXPECT_DOUBLE_EQ(glas.kWert, 5.8);
    EXPECT_DOUBLE_EQ(glas.gWert, 0.87);
    ASSERT_TRUE(glas.FindByName("Eigene"));
    EXPECT_DOUBLE_EQ(glas.Kategorie, 0.0);

    DBODBCRahmenSet rahmen(&db);
    rahmen.Open();
    EXPECT_EQ(rahmen.Name, "Holzrahmen");
    EXPECT_DOUBLE_EQ(rahmen.kWert, 2.0);

    DBODBCVersionsnummerSet version(&db);
    version.Open();
    EXPECT_EQ(version.VersionNr, 3);
    EXPECT_EQ(version.Datum, "2001-05-01");
}

TEST(Bestandsdatenbank, StoredBoilerGetsTheNextKeyAndUserCategory)
{
    const auto datei = test::BestandFixture("kesselneu.db");
    SqlDatabase db;
    db.Open(datei);
    HeizkesselZeile k;
    k.Kategorie = 3;
    k.Name = "Mein Kessel";
    k.Kesselleistung = 18;
    k.Kesselnutzungsgrad = 0.91;
    k.Brennstoff = 5;
    k.BaujahrAb = 2001;
    k.BaujahrBis = 2010;
    EXPECT_EQ(SpeichereHeizkessel(db, k), 5);
    DBODBCHeizkesselSet set(&db);
    set.Open();
    ASSERT_TRUE(set.FindByName("Mein Kessel"));
    EXPECT_EQ(set.HeizungID, 5);
    EXPECT_EQ(set.Kategorie, 0);
    EXPECT_EQ(set.Brennstoff, 5);
    EXPECT_DOUBLE_EQ(set.Kesselnutzungsgrad, 0.91);
    EXPECT_DOUBLE_EQ(set.Abgasverlust, 0.0);
}

} // namespace
} // namespace zeva
