// The renovation-measure data base: the optimiser's placement and roof
// filters, the window and boiler filters of the browse dialogs, detached
// copies, and what an appended user measure gets for the columns it leaves out.
#include "database/DatenbankFixture.h"
#include "database/XDBFensterSanSet.h"
#include "database/XDBHeizungSanSet.h"
#include "database/XDBOpakSanSet.h"
#include "platform/SqlDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
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

std::vector<std::unique_ptr<XDBOpakSanSet>> OpakeSets(SqlDatabase& db)
{
    std::vector<std::unique_ptr<XDBOpakSanSet>> sets;
    sets.push_back(std::make_unique<XDBBodenSanSet>(&db));
    sets.push_back(std::make_unique<XDBDeckeSanSet>(&db));
    sets.push_back(std::make_unique<XDBSteildachSanSet>(&db));
    sets.push_back(std::make_unique<XDBWandSanSet>(&db));
    return sets;
}

TEST(Sanierungsdatenbank, PlacementFilterAdmitsTheMeasuresOfEachAllowedPlacementOnce)
{
    const auto datei = test::SanierungFixture("platz.db");
    SqlDatabase db;
    db.Open(datei);

    const std::string filter = XDBOpakSanSet::Platzierungsfilter;
    EXPECT_EQ(std::count(filter.begin(), filter.end(), '\t'), 6);

    struct Case {
        int aussen, innen, zwischen;
        Namen namen;
    };
    const Case cases[] = {
        {1, 0, 0, {"aussen", "innen und aussen"}},
        {0, 1, 0, {"innen", "innen und aussen"}},
        {0, 0, 1, {"kern"}},
        {1, 1, 0, {"aussen", "innen", "innen und aussen"}},
        {1, 1, 1, {"aussen", "innen", "kern", "innen und aussen"}},
        {0, 0, 0, {}},
        {2, 2, 2, {}}, // any other value than 1 excludes the placement
    };
    for (auto& set : OpakeSets(db)) {
        set->m_strFilter = filter;
        set->Open();
        for (const auto& c : cases) {
            set->AussenParam = c.aussen;
            set->InnenParam = c.innen;
            set->ZwischenParam = c.zwischen;
            set->Requery();
            EXPECT_EQ(Liste(*set), c.namen)
                << set->Table() << " aussen " << c.aussen << " innen " << c.innen << " zwischen " << c.zwischen;
        }
    }
}

TEST(Sanierungsdatenbank, FlatRoofFilterUsesTheRoofKindAlone)
{
    const auto datei = test::SanierungFixture("flach.db");
    SqlDatabase db;
    db.Open(datei);
    XDBFlachdachSanSet set(&db);
    set.m_strFilter = XDBFlachdachSanSet::Warmdachfilter;
    struct Case {
        int warmdach;
        Namen namen;
    };
    const Case cases[] = {
        {1, {"warm aussen", "warm innen"}},
        {0, {"kalt zwischen", "kalt aussen"}},
    };
    set.Open();
    for (const auto& c : cases) {
        set.WarmdachParam = c.warmdach;
        // The placement parameters are bound too but meet no marker.
        set.AussenParam = 0;
        set.InnenParam = 1;
        set.ZwischenParam = 1;
        set.Requery();
        EXPECT_EQ(Liste(set), c.namen) << c.warmdach;
    }
    set.WarmdachParam = 1;
    set.Requery();
    EXPECT_EQ(set.Warmdach, 1);
    EXPECT_EQ(set.Aussen, 1);
    EXPECT_DOUBLE_EQ(set.kWert, 0.2);
    EXPECT_DOUBLE_EQ(set.Dicke, 0.16);
}

TEST(Sanierungsdatenbank, WindowFilterSplitsByFrameReplacement)
{
    const auto datei = test::SanierungFixture("fenster.db");
    SqlDatabase db;
    db.Open(datei);
    XDBFensterSanSet set(&db);
    set.m_strFilter = XDBFensterSanSet::MitRahmenFilter;
    set.Open();
    EXPECT_EQ(Liste(set), (Namen{"mit Rahmen"}));
    set.MoveFirst();
    EXPECT_EQ(set.Rahmenaustausch, 1);
    EXPECT_DOUBLE_EQ(set.kWertRahmen, 1.3);
    set.m_strFilter = XDBFensterSanSet::OhneRahmenFilter;
    set.Requery();
    EXPECT_EQ(Liste(set), (Namen{"nur Glas", "auch nur Glas"}));
}

TEST(Sanierungsdatenbank, BoilerFilterTakesPowerPowerFuelWithBothEndsIncluded)
{
    const auto datei = test::SanierungFixture("kessel.db");
    SqlDatabase db;
    db.Open(datei);
    XDBHeizungSanSet set(&db);
    set.m_strFilter = XDBHeizungSanSet::Leistungsfilter;
    set.Open();
    struct Case {
        double leistung;
        int brennstoff;
        Namen namen;
    };
    const Case cases[] = {
        {5, 0, {"Gas klein"}},
        {15, 0, {"Gas klein", "Gas gross"}}, // the shared end of two bands
        {35, 0, {"Gas gross"}},
        {35.01, 0, {}},
        {4.99, 0, {}},
        {20, 1, {"Öl"}},
        {20, 2, {}},
    };
    for (const auto& c : cases) {
        set.LeistungParam = c.leistung;
        set.LeistungParam2 = c.leistung;
        set.BrennstoffParam = c.brennstoff;
        set.Requery();
        EXPECT_EQ(Liste(set), c.namen) << c.leistung << " kW, fuel " << c.brennstoff;
    }
    set.LeistungParam = set.LeistungParam2 = 12;
    set.BrennstoffParam = 1;
    set.Requery();
    ASSERT_FALSE(set.IsEOF());
    EXPECT_DOUBLE_EQ(set.LeistungAb, 10);
    EXPECT_DOUBLE_EQ(set.LeistungBis, 30);
    EXPECT_DOUBLE_EQ(set.Kesselnutzungsgrad, 0.93);
    EXPECT_DOUBLE_EQ(set.Preis, 7000);
}

TEST(Sanierungsdatenbank, CopyKeepsItsRowWhenTheSetMovesOnAndNeverTouchesTheFile)
{
    const auto datei = test::SanierungFixture("kopie.db");
    SqlDatabase db;
    db.Open(datei);
    XDBWandSanSet set(&db);
    set.AussenParam = 1;
    set.m_strFilter = XDBOpakSanSet::Platzierungsfilter;
    set.Open();
    ASSERT_EQ(set.Name, "aussen");
    std::vector<XDBWandSanSet> kandidaten;
    kandidaten.push_back(set);
    set.MoveNext();
    kandidaten.push_back(set);
    set.MoveNext();
    EXPECT_TRUE(set.IsEOF());

    EXPECT_EQ(kandidaten[0].Name, "aussen");
    EXPECT_DOUBLE_EQ(kandidaten[0].kWert, 0.35);
    EXPECT_EQ(kandidaten[0].AussenParam, 1);
    EXPECT_EQ(kandidaten[1].Name, "innen und aussen");
    EXPECT_FALSE(kandidaten[0].IsOpen());
    EXPECT_EQ(kandidaten[0].GetDatabase(), nullptr);

    // The component records take the plain row.
    const SanZeileOpaque& zeile = kandidaten[1];
    EXPECT_EQ(zeile.Innen, 1);
    EXPECT_EQ(zeile.Aussen, 1);
    XDBHeizungSanSet kessel(&db);
    kessel.Open();
    const XDBHeizungSanSet gewaehlt = kessel; // the optimiser passes a chosen boiler on like this
    EXPECT_EQ(gewaehlt.Zeile().Name, "Gas klein");

    kandidaten.clear();
    set.m_strFilter.clear();
    set.Requery();
    EXPECT_EQ(set.GetRecordCount(), 5u);
}

TEST(Sanierungsdatenbank, AppendedUserMeasureGetsDefaultsForWhatItLeavesOut)
{
    const auto datei = test::SanierungFixture("anhaengen.db");
    SqlDatabase db;
    db.Open(datei);

    // The renovation pages' writers: key, category 0, name, text, placement,
    // layer text, U-value, thickness, life and the four costs only.
    XDBFlachdachSanSet set(&db);
    set.Open();
    ASSERT_TRUE(set.CanAppend());
    set.AddNew();
    set.SetField("Kategorie", 0LL);
    set.SetField("Name", std::string("Eigene 'Dämmung'"));
    set.SetField("Langtext", std::string("Benutzerdefinierte Sanierungsmaßnahme!!!"));
    set.SetField("Aussen", 1LL);
    set.SetField("Schichten", std::string("Eigene/ -1/ 0,12/ 0,042/ 20"));
    set.SetField("kWert", 0.35);
    set.SetField("Dicke", 0.12);
    set.SetField("Zusatzkosten", 80.0);
    EXPECT_EQ(set.UpdateWithNewKey("ID"), 5);

    ASSERT_TRUE(set.FindByName("Eigene 'Dämmung'"));
    EXPECT_EQ(set.ID, 5);
    EXPECT_EQ(set.Warmdach, 1);
    EXPECT_DOUBLE_EQ(set.KEA, 0.0);
    EXPECT_DOUBLE_EQ(set.CO2, 0.0);
    EXPECT_EQ(set.Bitmappfad, "");
    EXPECT_FALSE(set.IsFieldNull("Bitmappfad"));
    EXPECT_EQ(set.Innen, 0);
    EXPECT_EQ(set.Zwischen, 0);
    EXPECT_DOUBLE_EQ(set.Sowiesokosten, 0.0);

    // Deleting it again, as the browse dialog offers for the user's rows.
    ASSERT_TRUE(set.CanUpdate());
    set.Delete();
    set.MovePrev();
    EXPECT_TRUE(set.IsBOF());
    set.m_strFilter.clear();
    set.Requery();
    EXPECT_EQ(set.GetRecordCount(), 4u);
}

} // namespace
} // namespace zeva
