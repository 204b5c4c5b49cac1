// The glazing and frame browse dialog on the fixture data base.
#include "DialogTestHilfen.h"

#include "database/CFensterBestandDBDlg.h"
#include "platform/SkriptMeldungen.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace zeva {
namespace {

using test::Eintraege;
using test::Id;
using test::Waehle;

QComboBox* Glas(const QDialog& d)
{
    return Id<QComboBox>(d, 1227);
}
QComboBox* Rahmen(const QDialog& d)
{
    return Id<QComboBox>(d, 1228);
}
QString Text(const QDialog& d, int id)
{
    return Id<QLabel>(d, id)->text();
}
QPushButton* Knopf(const QDialog& d, int id)
{
    return Id<QPushButton>(d, id);
}

DFenster GefuelltesFenster()
{
    DFenster f;
    f.Kurzname = "F 3";
    f.Nummer = 3;
    f.NameGlas = "Altglas";
    f.NameRahmen = "Altrahmen";
    f.Langtext = "alt";
    f.Flaeche = 2.4;
    f.kWertGlas = 5;
    f.gWert = 0.9;
    f.Richtung = 5;
    f.Neigung = 1;
    f.Rahmenanteil = 0.25;
    f.kWertRahmen = 3;
    f.Sanbar = 0;
    f.SanMuss = 1;
    f.Reduktionsfaktor = 0.6;
    f.Bitmappfad = "bilder/fenster.wmf";
    f.Sowieso = 120;
    f.Kommentar = "Bad";
    f.GesamteFassadeBetrachten = 0;
    f.m_plane.SetzeRechteck(2.4);
    f.m_plane.ID = 154010101;
    f.m_aSan.SetSize(2);
    return f;
}

TEST(FensterBestandDBDlg, OpensWithBothDefaultsAndShowsTheValuesAsStored)
{
    const test::Bestandsdatei datei(test::DialogFixture("fenster.db"));
    SkriptMeldungen meldungen;
    CFensterBestandDBDlg dlg;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Bestandsdatenbank Fenster");
    EXPECT_EQ(Eintraege(Glas(dlg)), (QStringList{"2-fach Isolierverglasung", "2-fach Isolierverglasung, Argon",
                                                  "Dreifach", "Dreifach", "Eigene", "Einfachglas"}));
    EXPECT_EQ(Eintraege(Rahmen(dlg)), (QStringList{"Eigener Rahmen", "Holzrahmen", "Kunststoff"}));
    EXPECT_EQ(Glas(dlg)->currentText(), "2-fach Isolierverglasung");
    EXPECT_EQ(Rahmen(dlg)->currentText(), "Holzrahmen");
    // The g-value is a fraction and shown as one.
    EXPECT_EQ(Text(dlg, 1229), "2,900"); // U-values with three decimals
    EXPECT_EQ(Text(dlg, 1075), "0,6");
    EXPECT_EQ(Text(dlg, 1054), "2,000");
    EXPECT_TRUE(Knopf(dlg, 1)->isEnabled());
    EXPECT_FALSE(Knopf(dlg, 1230)->isEnabled());
    EXPECT_FALSE(Knopf(dlg, 1031)->isEnabled());
    EXPECT_EQ(FindeId(&dlg, 57670), nullptr);
    test::Bild(dlg, "bestand-fenster");

    // Two glazings of one name: both entries show the first one stored.
    for (int i : {2, 3}) {
        Waehle(Glas(dlg), i);
        EXPECT_EQ(Text(dlg, 1229), "0,700") << i;
        EXPECT_EQ(Text(dlg, 1075), "0,5") << i;
    }
    Waehle(Glas(dlg), "Eigene");
    EXPECT_TRUE(Knopf(dlg, 1230)->isEnabled());
    Waehle(Rahmen(dlg), "Eigener Rahmen");
    EXPECT_TRUE(Knopf(dlg, 1031)->isEnabled());
    EXPECT_EQ(Text(dlg, 1054), "1,300");
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(FensterBestandDBDlg, TakesGlazingAndFrameAndKeepsEveryOtherMember)
{
    const test::Bestandsdatei datei(test::DialogFixture("fenster-nehmen.db"));
    struct Case {
        const char* glas;
        int glasIndex;
        const char* rahmen;
        const char* langtext;
        double kWertGlas;
        double gWert;
        double kWertRahmen;
    };
    const Case cases[] = {
        // Two empty descriptions still give their blank.
        {"2-fach Isolierverglasung", 0, "Holzrahmen", " ", 2.9, 0.6, 2.0},
        {"Dreifach", 1, "Kunststoff", "Drei Scheiben PVC", 0.7, 0.5, 1.8},
        {"2-fach Isolierverglasung, Argon", 0, "Eigener Rahmen", "Argon ", 2.7, 0.76, 1.3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.glas);
        SkriptMeldungen meldungen;
        CFensterBestandDBDlg dlg;
        const DFenster vorher = GefuelltesFenster();
        dlg.m_Bauteil = vorher;
        dlg.show();
        Waehle(Glas(dlg), Glas(dlg)->findText(QString::fromUtf8(c.glas), Qt::MatchExactly) + c.glasIndex);
        Waehle(Rahmen(dlg), c.rahmen);
        QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        DFenster erwartet = vorher;
        erwartet.NameGlas = c.glas;
        erwartet.NameRahmen = c.rahmen;
        erwartet.Langtext = c.langtext;
        erwartet.kWertGlas = c.kWertGlas;
        erwartet.gWert = c.gWert;
        erwartet.kWertRahmen = c.kWertRahmen;
        EXPECT_TRUE(dlg.m_Bauteil == erwartet);
        EXPECT_EQ(dlg.m_Bauteil.Langtext, c.langtext);
        EXPECT_EQ(dlg.m_Bauteil.gWert, c.gWert);
        EXPECT_TRUE(meldungen.Texte().isEmpty());
    }
}

TEST(FensterBestandDBDlg, AListThatGetsTheFocusReadsItsRowAfresh)
{
    const auto pfad = test::DialogFixture("fenster-fokus.db");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen;
    CFensterBestandDBDlg dlg;
    dlg.show();
    ASSERT_TRUE(Knopf(dlg, 1)->isEnabled());

    // Another connection changes the shown glazing, then deletes it.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(pfad.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "UPDATE [Verglasung] SET [k-Wert] = 2.8 WHERE [VerglasungID] = 3", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    QFocusEvent hinein(QEvent::FocusIn);
    QApplication::sendEvent(Glas(dlg), &hinein);
    EXPECT_EQ(Text(dlg, 1229), "2,800");
    EXPECT_TRUE(Knopf(dlg, 1)->isEnabled());

    ASSERT_EQ(sqlite3_exec(db, "DELETE FROM [Verglasung] WHERE [VerglasungID] = 3", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    QApplication::sendEvent(Glas(dlg), &hinein);
    EXPECT_EQ(Text(dlg, 1229), "");
    EXPECT_EQ(Text(dlg, 1075), "");
    EXPECT_FALSE(Knopf(dlg, 1)->isEnabled());
    // The frame list's row is found, but there is no glazing to take with it.
    QApplication::sendEvent(Rahmen(dlg), &hinein);
    EXPECT_EQ(Text(dlg, 1054), "2,000");
    EXPECT_FALSE(Knopf(dlg, 1)->isEnabled());
    Waehle(Glas(dlg), "Einfachglas");
    EXPECT_TRUE(Knopf(dlg, 1)->isEnabled());
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(FensterBestandDBDlg, DeletesTheUsersOwnGlazingAndFrame)
{
    const auto pfad = test::DialogFixture("fenster-loeschen.db");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen{QMessageBox::Yes, QMessageBox::Yes};
    CFensterBestandDBDlg dlg;
    dlg.show();
    Waehle(Glas(dlg), "Eigene");
    Waehle(Rahmen(dlg), "Eigener Rahmen");
    QTest::mouseClick(Knopf(dlg, 1230), Qt::LeftButton);
    // Only the glazing list is filled again, with its default.
    EXPECT_EQ(Glas(dlg)->currentText(), "2-fach Isolierverglasung");
    EXPECT_FALSE(Eintraege(Glas(dlg)).contains("Eigene"));
    EXPECT_EQ(Rahmen(dlg)->currentText(), "Eigener Rahmen");
    QTest::mouseClick(Knopf(dlg, 1031), Qt::LeftButton);
    EXPECT_EQ(Rahmen(dlg)->currentText(), "Holzrahmen");
    EXPECT_EQ(meldungen.Texte(), (QStringList{"Verglasung ''Eigene'' aus der Datenbank löschen?",
                                              "Rahmen ''Eigener Rahmen'' aus der Datenbank löschen?"}));
    for (const auto& a : meldungen.Anfragen()) {
        EXPECT_EQ(a.vorgabe, QMessageBox::Yes);
        EXPECT_EQ(a.symbol, Meldung::Symbol::Ausruf);
    }
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Verglasung] WHERE [Kategorie] = 0"), 0);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Rahmen] WHERE [Kategorie] = 0"), 0);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Verglasung]"), 5);
}

TEST(FensterBestandDBDlg, ImmediateTakeOverAndFailures)
{
    {
        const test::Bestandsdatei datei(test::DialogFixture("fenster-sofort.db"));
        SkriptMeldungen meldungen;
        CFensterBestandDBDlg dlg;
        dlg.m_bSofortUebernehmen = true;
        bool gezeigt = false;
        EXPECT_EQ(test::ExecOhneAnzeige(dlg, gezeigt), QDialog::Accepted);
        EXPECT_FALSE(gezeigt);
        EXPECT_EQ(dlg.m_Bauteil.NameGlas, "2-fach Isolierverglasung");
        EXPECT_EQ(dlg.m_Bauteil.NameRahmen, "Holzrahmen");
        EXPECT_TRUE(meldungen.Texte().isEmpty());
    }
    {
        // No frame of the default: cancelled, the window as it came.
        const test::Bestandsdatei datei(
            test::DialogFixture("fenster-ohne-rahmen.db", "DELETE FROM [Rahmen] WHERE [Name] = 'Holzrahmen';"));
        SkriptMeldungen meldungen;
        CFensterBestandDBDlg dlg;
        dlg.m_bSofortUebernehmen = true;
        const DFenster vorher = GefuelltesFenster();
        dlg.m_Bauteil = vorher;
        bool gezeigt = false;
        EXPECT_EQ(test::ExecOhneAnzeige(dlg, gezeigt), QDialog::Rejected);
        EXPECT_FALSE(gezeigt);
        EXPECT_TRUE(dlg.m_Bauteil == vorher);
    }
    {
        // A missing frame table: its list stays empty, the glazing is listed.
        const test::Bestandsdatei datei(test::DialogFixture("fenster-halb.db", "DROP TABLE [Rahmen];"));
        SkriptMeldungen meldungen{QMessageBox::Ok};
        CFensterBestandDBDlg dlg;
        dlg.show();
        ASSERT_EQ(meldungen.Texte().size(), 1);
        EXPECT_TRUE(meldungen.Texte()[0].startsWith("Database error: "));
        EXPECT_EQ(Glas(dlg)->currentText(), "2-fach Isolierverglasung");
        EXPECT_EQ(Rahmen(dlg)->count(), 0);
        EXPECT_EQ(Text(dlg, 1054), "");
        EXPECT_FALSE(Knopf(dlg, 1031)->isEnabled());
        EXPECT_FALSE(Knopf(dlg, 1)->isEnabled());
    }
    {
        const test::Bestandsdatei datei(test::ProcessTempDir() / "nirgends" / "Bestand2000.db");
        SkriptMeldungen meldungen{QMessageBox::Ok};
        CFensterBestandDBDlg dlg;
        dlg.m_bSofortUebernehmen = true;
        bool gezeigt = false;
        EXPECT_EQ(test::ExecOhneAnzeige(dlg, gezeigt), QDialog::Rejected);
        EXPECT_FALSE(gezeigt);
        ASSERT_EQ(meldungen.Texte().size(), 1);
        EXPECT_TRUE(meldungen.Texte()[0].startsWith("Database error: "));
    }
}

} // namespace
} // namespace zeva
