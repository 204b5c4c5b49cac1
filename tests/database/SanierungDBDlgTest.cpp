// The browse dialogs of the opaque renovation measures, driven as the user
// meets them on data bases of the shipped schema.
#include "DialogTestHilfen.h"

#include "database/CSanierungDBDlg.h"
#include "platform/SkriptMeldungen.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace zeva {
namespace {

using test::Eintraege;
using test::Id;
using test::Waehle;

class Sanierungsdatei {
public:
    explicit Sanierungsdatei(const std::filesystem::path& datei) { SetzeSanierungsdatenbankdatei(datei); }
    ~Sanierungsdatei() { SetzeSanierungsdatenbankdatei({}); }
    Sanierungsdatei(const Sanierungsdatei&) = delete;
    Sanierungsdatei& operator=(const Sanierungsdatei&) = delete;
};

std::string Zeile(const char* tabelle, int id, int kategorie, const std::string& name, int innen, int zwischen,
                  int aussen, const char* werte)
{
    std::string sqlName;
    for (char c : name)
        sqlName += c == '\'' ? std::string("''") : std::string(1, c);
    return std::string("INSERT INTO [") + tabelle +
           "] ([ID], [Kategorie], [Name], [Innen], [Zwischen], [Aussen], [kWert], [Dicke], [Lebensdauer], "
           "[Sowiesokostenfix], [Sowiesokosten], [Zusatzkostenfix], [Zusatzkosten]) VALUES (" +
           std::to_string(id) + ", " + std::to_string(kategorie) + ", '" + sqlName + "', " + std::to_string(innen) +
           ", " + std::to_string(zwischen) + ", " + std::to_string(aussen) + ", " + werte + ");\n";
}

std::filesystem::path Datei(const std::string& name, const std::string& zeilen)
{
    return test::BaueDatenbank(name, {test::Schema("San2kvyke.1-schema.sql")}, zeilen);
}

QComboBox* Liste(const QDialog& d) { return Id<QComboBox>(d, 1106); }
QString Wert(const QDialog& d, int id) { return Id<QLabel>(d, id)->text(); }
QPushButton* Uebernehmen(const QDialog& d) { return Id<QPushButton>(d, 1); }
QPushButton* Loeschen(const QDialog& d) { return Id<QPushButton>(d, 1030); }

std::unique_ptr<CSanierungDBDlg> Erzeuge(SanGruppe g)
{
    switch (g) {
    case SanGruppe::Boden: return std::make_unique<CBodenSanDBDlg>();
    case SanGruppe::Decke: return std::make_unique<CDeckeSanDBDlg>();
    case SanGruppe::Flachdach: return std::make_unique<CFlachdachSanDBDlg>();
    case SanGruppe::Steildach: return std::make_unique<CSteildachSanDBDlg>();
    case SanGruppe::Wand: return std::make_unique<CWandSanDBDlg>();
    }
    return nullptr;
}

TEST(SanierungDBDlg, CaptionsAndEveryRowOfTheGroupsTable)
{
    std::string zeilen;
    zeilen += Zeile("SanBoden", 1, 1, "Boden B", 1, 0, 0, "0.3, 0.1, 30, 0, 0, 0, 10");
    zeilen += Zeile("SanDecke", 1, 1, "Decke D", 1, 0, 0, "0.3, 0.1, 30, 0, 0, 0, 10");
    zeilen += "INSERT INTO [SanFlachdach] ([ID], [Kategorie], [Name], [Warmdach], [Innen], [kWert], [Dicke]) VALUES "
              "(1, 1, 'Warm', 1, 1, 0.2, 0.1), (2, 1, 'kalt', 0, 1, 0.2, 0.1);\n";
    zeilen += Zeile("SanSteildach", 1, 1, "Steil S", 0, 0, 1, "0.3, 0.1, 30, 0, 0, 0, 10");
    zeilen += Zeile("SanWand", 1, 1, "Wand W", 0, 0, 1, "0.3, 0.1, 30, 0, 0, 0, 10");
    const Sanierungsdatei datei(Datei("titel.db", zeilen));
    const struct {
        SanGruppe gruppe;
        const char* titel;
        QStringList namen;
    } faelle[] = {
        {SanGruppe::Boden, "Sanierungsdatenbank Boden", {"Boden B"}},
        {SanGruppe::Decke, "Sanierungsdatenbank Decke", {"Decke D"}},
        {SanGruppe::Flachdach, "Sanierungsdatenbank Flachdach", {"kalt", "Warm"}},
        {SanGruppe::Steildach, "Sanierungsdatenbank Steildach", {"Steil S"}},
        {SanGruppe::Wand, "Sanierungsdatenbank Wand", {"Wand W"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.titel);
        SkriptMeldungen meldungen;
        auto dlg = Erzeuge(f.gruppe);
        // The flags of the caller do not narrow the list.
        dlg->m_bInnen = 1;
        dlg->show();
        EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8(f.titel));
        EXPECT_EQ(Eintraege(Liste(*dlg)), f.namen);
        EXPECT_EQ(dlg->GetAuswahl(), 0);
        EXPECT_TRUE(Uebernehmen(*dlg)->isEnabled());
        EXPECT_FALSE(Loeschen(*dlg)->isEnabled());
        EXPECT_TRUE(meldungen.Anfragen().empty());
    }
}

TEST(SanierungDBDlg, PricesByTheFlagsAfreshForEveryRow)
{
    // columns: kWert, Dicke, Lebensdauer, Sowiesofix, Sowieso, Zusatzfix, Zusatz
    std::string z;
    z += Zeile("SanWand", 1, 1, "A innen", 1, 0, 0, "0.3, 0.12, 40, 100, 5, 200, 30");
    z += Zeile("SanWand", 2, 1, "B zwischen", 0, 1, 0, "0.04, 0.06, 50, 100, 5, 200, 30");
    z += Zeile("SanWand", 3, 1, "C aussen", 0, 0, 1, "0.25, 0.14, 30, 100, 5, 200, 30");
    z += Zeile("SanWand", 4, 1, "D ohne", 0, 0, 0, "0.5, 0.2, 20, 100, 5, 200, 30");
    z += Zeile("SanWand", 5, 0, "E d'Eigen", 0, 0, 1, "-1, 0.1, 25, 0, 0, 0, 60");
    const Sanierungsdatei datei(Datei("preise.db", z));
    SkriptMeldungen meldungen;
    CWandSanDBDlg dlg;
    dlg.m_nAuswahl = -1;
    dlg.show();
    ASSERT_EQ(Eintraege(Liste(dlg)), (QStringList{"A innen", "B zwischen", "C aussen", "D ohne", "E d'Eigen"}));
    EXPECT_EQ(Liste(dlg)->currentIndex(), 0) << "-1 selects the first";
    const struct {
        int index;
        const char* u;
        const char* d;
        const char* fix;
        const char* qm;
        const char* leben;
        bool loeschbar;
    } faelle[] = {
        {0, "0,300", "12", "300", "35", "40", false},
        {1, "0,040", "6", "200", "30", "50", false},
        {2, "0,250", "14", "300", "35", "30", false},
        {3, "0,500", "20", "0", "0", "20", false}, // right after a row with prices
        {4, "", "10", "0", "60", "25", true},    // a name with an apostrophe; U not showable
        {1, "0,040", "6", "200", "30", "50", false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.index);
        Waehle(Liste(dlg), f.index);
        EXPECT_EQ(dlg.GetAuswahl(), f.index);
        EXPECT_EQ(Wert(dlg, 1053), f.u);
        EXPECT_EQ(Wert(dlg, 1133), f.d);
        EXPECT_EQ(Wert(dlg, 1057), f.fix);
        EXPECT_EQ(Wert(dlg, 1055), f.qm);
        EXPECT_EQ(Wert(dlg, 1056), f.leben);
        EXPECT_EQ(Loeschen(dlg)->isEnabled(), f.loeschbar);
        EXPECT_TRUE(Uebernehmen(dlg)->isEnabled());
    }
    // Taking the apostrophe row hands it back with its prices.
    Waehle(Liste(dlg), 4);
    QTest::mouseClick(Uebernehmen(dlg), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ASSERT_TRUE(dlg.HatZeile());
    EXPECT_EQ(dlg.Zeile().Name, "E d'Eigen");
    EXPECT_EQ(dlg.Zeile().ID, 5);
    EXPECT_DOUBLE_EQ(dlg.m_PreisProQm, 60);
    EXPECT_DOUBLE_EQ(dlg.m_Preisfix, 0);
    test::Bild(dlg, "sanierung-wand-db");
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST(SanierungDBDlg, PositionPastTheEndAndCancelKeepThePosition)
{
    std::string z;
    z += Zeile("SanDecke", 1, 1, "Eins", 1, 0, 0, "0.3, 0.1, 30, 0, 0, 0, 10");
    z += Zeile("SanDecke", 2, 1, "Zwei", 1, 0, 0, "0.3, 0.1, 30, 0, 0, 0, 10");
    const Sanierungsdatei datei(Datei("position.db", z));
    SkriptMeldungen meldungen;
    {
        CDeckeSanDBDlg dlg;
        dlg.m_nAuswahl = 5;
        dlg.show();
        EXPECT_EQ(Liste(dlg)->currentIndex(), -1);
        EXPECT_EQ(dlg.GetAuswahl(), -1);
        EXPECT_FALSE(Uebernehmen(dlg)->isEnabled());
        EXPECT_FALSE(dlg.HatZeile());
    }
    {
        CDeckeSanDBDlg dlg;
        dlg.m_nAuswahl = 1;
        dlg.show();
        EXPECT_EQ(Liste(dlg)->currentText(), "Zwei");
        Waehle(Liste(dlg), 0);
        QTest::mouseClick(Id<QPushButton>(dlg, 2), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(dlg.GetAuswahl(), 0);
    }
}

TEST(SanierungDBDlg, EmptyTableAndDeletingOnlyTheUsersRows)
{
    SkriptMeldungen meldungen;
    {
        const Sanierungsdatei datei(Datei("leer.db", ""));
        CBodenSanDBDlg dlg;
        dlg.show();
        EXPECT_EQ(Eintraege(Liste(dlg)), QStringList{CDatenbankDialog::Platzhalter});
        EXPECT_FALSE(Uebernehmen(dlg)->isEnabled());
        EXPECT_FALSE(Loeschen(dlg)->isEnabled());
        QTest::keyClick(&dlg, Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible()) << "nothing to take";
    }
    std::string z;
    z += Zeile("SanSteildach", 1, 1, "Geliefert", 0, 0, 1, "0.3, 0.1, 30, 0, 0, 0, 10");
    z += Zeile("SanSteildach", 2, 0, "Meine", 0, 0, 1, "0.3, 0.1, 30, 0, 0, 0, 10");
    const auto pfad = Datei("loeschen.db", z);
    const Sanierungsdatei datei(pfad);
    CSteildachSanDBDlg dlg;
    dlg.m_nAuswahl = 1;
    dlg.show();
    ASSERT_EQ(Liste(dlg)->currentText(), "Meine");
    ASSERT_TRUE(Loeschen(dlg)->isEnabled());
    meldungen.Antworte(QMessageBox::No);
    QTest::mouseClick(Loeschen(dlg), Qt::LeftButton);
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text,
              QStringLiteral("Sanierungsmaßnahme ''Meine'' aus der Datenbank löschen?"));
    EXPECT_EQ(meldungen.Anfragen()[0].knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT COUNT(*) FROM [SanSteildach]"), 2);
    meldungen.Antworte(QMessageBox::Yes);
    QTest::mouseClick(Loeschen(dlg), Qt::LeftButton);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT COUNT(*) FROM [SanSteildach]"), 1);
    EXPECT_EQ(Eintraege(Liste(dlg)), QStringList{"Geliefert"});
    EXPECT_EQ(Liste(dlg)->currentIndex(), -1) << "the deleted one was the last";
    Waehle(Liste(dlg), 0);
    EXPECT_FALSE(Loeschen(dlg)->isEnabled()) << "a delivered measure stays";
}

TEST(SanierungDBDlg, MissingFileGivesTheMessageAndAnEmptyDialog)
{
    const Sanierungsdatei datei(test::ProcessTempDir() / "gibtesnicht.db");
    SkriptMeldungen meldungen;
    CWandSanDBDlg dlg;
    dlg.show();
    ASSERT_FALSE(meldungen.Anfragen().empty());
    EXPECT_TRUE(meldungen.Anfragen()[0].text.startsWith(QStringLiteral("Database error: ")));
    EXPECT_FALSE(Uebernehmen(dlg)->isEnabled());
    EXPECT_FALSE(Loeschen(dlg)->isEnabled());
    EXPECT_FALSE(dlg.HatZeile());
}

} // namespace
} // namespace zeva
