// The layer rows and the existing-components data base: a material taken
// into the selected layer, and the selected layer offered for storing.
#include "DetailsTestHilfen.h"

#include "database/CSchichtSpeichernDlg.h"
#include "database/CSchichtenDBDlg.h"
#include "input/CSchichtDetailsDlg.h"
#include "platform/SkriptMeldungen.h"
#include "shell/RahmenTestHilfen.h"

#include <QPushButton>

namespace zeva {
namespace {

using test::Aktiv;
using test::Klicke;
using test::Text;

constexpr int AusDB = 3, NachDB = 6;

// The user's own material is the first one the dialog shows.
const char* EigenesMaterial = "INSERT INTO [Schicht]([Kategorie],[Name],[Langtext],[Lambda],[Mu])"
                              " VALUES (0, 'Holzfaser', 'Platte 160 kg/m3', 0.045, 5);";

std::unique_ptr<CWandDetailsDlg> OeffneWand()
{
    auto d = std::make_unique<CWandDetailsDlg>();
    DSchicht putz;
    putz.Name = "Putz";
    putz.Dicke = 0.015;
    putz.Lambda = 0.7;
    putz.Mu = 10;
    putz.Bitmappfad = "bilder/putz.wmf";
    DSchicht ziegel = putz;
    ziegel.Name = "Ziegel";
    ziegel.Dicke = 0.24;
    ziegel.Lambda = 0.5;
    d->m_Bauteil.m_Schichtaufbau.Add(putz);
    d->m_Bauteil.m_Schichtaufbau.Add(ziegel);
    d->show();
    d->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(d.get()));
    return d;
}

TEST(SchichtDetailsDatenbank, MaterialAusDerDatenbank)
{
    const test::Bestandsdatei datei(test::DialogFixture("details-schichten.db", EigenesMaterial));
    SkriptMeldungen meldungen;
    auto d = OeffneWand();
    EXPECT_FALSE(Aktiv(*d, AusDB)) << "no layer selected";
    EXPECT_FALSE(Aktiv(*d, NachDB));
    Klicke(*d, 1047);
    ASSERT_TRUE(Aktiv(*d, AusDB));
    bool gesehen = false;
    test::BeiModalemDialog([&](QDialog* dialog) {
        gesehen = dynamic_cast<CSchichtenDBDlg*>(dialog) != nullptr;
        ASSERT_EQ(test::Id<QComboBox>(*dialog, 1106)->currentText(), "Holzfaser");
        test::Id<QPushButton>(*dialog, 1)->click();
    });
    Klicke(*d, AusDB);
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(Text(*d, 1023), "Holzfaser");
    EXPECT_EQ(Text(*d, 1096), "0,045");
    EXPECT_EQ(Text(*d, 1027), "5");
    EXPECT_EQ(Text(*d, 1018), "24") << "the thickness stays";
    auto* dicke = test::Id<QLineEdit>(*d, 1018);
    EXPECT_EQ(d->focusWidget(), dicke);
    EXPECT_EQ(dicke->selectedText(), "24");
    // 0.165 + 0.015/0.7 + 0.24/0.045
    EXPECT_EQ(Text(*d, 1053), "0,1812");
    Klicke(*d, 1);
    const DSchicht& s = d->m_Bauteil.m_Schichtaufbau[1];
    EXPECT_EQ(s.Name, "Holzfaser");
    EXPECT_EQ(s.Langtext, "Platte 160 kg/m3");
    EXPECT_DOUBLE_EQ(s.Lambda, 0.045);
    EXPECT_DOUBLE_EQ(s.Mu, 5);
    EXPECT_DOUBLE_EQ(s.Dicke, 0.24);
    EXPECT_EQ(s.Bitmappfad, "bilder/putz.wmf");
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST(SchichtDetailsDatenbank, SchichtInDieDatenbank)
{
    const auto pfad = test::DialogFixture("details-speichern.db");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen;
    auto d = OeffneWand();
    Klicke(*d, 1046);
    QStringList vorbelegt;
    test::BeiModalemDialog([&](QDialog* dialog) {
        ASSERT_NE(dynamic_cast<CSchichtSpeichernDlg*>(dialog), nullptr);
        for (int id : {1106, 1108, 1109})
            vorbelegt << test::Id<QLineEdit>(*dialog, id)->text();
        dialog->reject();
    });
    Klicke(*d, NachDB);
    EXPECT_EQ(vorbelegt, QStringList({"Putz", "0,7", "10"}));
    Klicke(*d, 1);
    const DSchicht& s = d->m_Bauteil.m_Schichtaufbau[0];
    EXPECT_EQ(s.Name, "Putz");
    EXPECT_DOUBLE_EQ(s.Dicke, 0.015);
    EXPECT_DOUBLE_EQ(s.Lambda, 0.7);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT COUNT(*) FROM [Schicht] WHERE [Name] = 'Putz'"), 0);
}

} // namespace
} // namespace zeva
