// The layer-material dialogs on the fixture data base: taking a material
// into a layer, deleting the user's own, storing one, and the picture rule
// that every dialog storing a picture path shares.
#include "DialogTestHilfen.h"
#include "shell/ShellTestHilfen.h"

#include "database/Bildpfad.h"
#include "database/CSchichtSpeichernDlg.h"
#include "database/CSchichtenDBDlg.h"
#include "model/DSchicht.h"
#include "model/Zahlentext.h"
#include "platform/SkriptMeldungen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace zeva {
namespace {

using test::Eintraege;
using test::Id;
using test::Waehle;

// On top of bestand.sql: two materials of the user (one named like a
// delivered one) and a category without materials.
const char* EigeneSchichten =
    "INSERT INTO [Schicht]([Kategorie],[Name],[Langtext],[Lambda],[Mu]) VALUES"
    " (0, 'Vollziegel', 'eigener', 0.5, 7), (0, 'Eigener Putz', 'Kalk', 0.7, 10);"
    "INSERT INTO [Kategorie] VALUES (3, 'Holz');";

QComboBox* Kategorien(const QDialog& d)
{
    return Id<QComboBox>(d, 1104);
}
QComboBox* Materialien(const QDialog& d)
{
    return Id<QComboBox>(d, 1106);
}
QPushButton* Knopf(const QDialog& d, int id)
{
    return Id<QPushButton>(d, id);
}
QString Lambda(const QDialog& d)
{
    return Id<QLabel>(d, 1108)->text();
}

TEST(SchichtenDBDlg, ListsCategoriesAndTheirMaterials)
{
    const test::Bestandsdatei datei(test::DialogFixture("schichten.db", EigeneSchichten));
    SkriptMeldungen meldungen;
    CSchichtenDBDlg dlg;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Schichten-Datenbank");
    EXPECT_EQ(Eintraege(Kategorien(dlg)), (QStringList{"Benutzerdefiniert", "Dämmstoffe", "Holz", "Mauerwerk"}));
    EXPECT_EQ(Kategorien(dlg)->currentIndex(), 0);
    EXPECT_EQ(Eintraege(Materialien(dlg)), (QStringList{"Eigener Putz", "Vollziegel"}));
    EXPECT_EQ(Materialien(dlg)->currentIndex(), 0);
    EXPECT_EQ(Lambda(dlg), "0,7");
    EXPECT_TRUE(Knopf(dlg, 1030)->isEnabled());
    EXPECT_TRUE(Knopf(dlg, 1)->isEnabled());
    test::Bild(dlg, "schichten-datenbank");

    // Another category: its own row of a shared name, and no deleting.
    Waehle(Kategorien(dlg), "Mauerwerk");
    EXPECT_EQ(Eintraege(Materialien(dlg)), (QStringList{"Kalksandstein", "Vollziegel"}));
    EXPECT_FALSE(Knopf(dlg, 1030)->isEnabled());
    Waehle(Materialien(dlg), "Vollziegel");
    EXPECT_EQ(Lambda(dlg), "0,81");

    // Closing the category's drop-down without a change lists it afresh.
    Kategorien(dlg)->showPopup();
    Kategorien(dlg)->hidePopup();
    EXPECT_EQ(Materialien(dlg)->currentText(), "Kalksandstein");
    EXPECT_EQ(Lambda(dlg), "0,99");

    // A category without materials: the placeholder, nothing to take.
    Waehle(Kategorien(dlg), "Holz");
    EXPECT_EQ(Eintraege(Materialien(dlg)), QStringList{"(keine Einträge vorhanden)"});
    EXPECT_EQ(Lambda(dlg), "");
    EXPECT_FALSE(Knopf(dlg, 1)->isEnabled());
    EXPECT_FALSE(Knopf(dlg, 1030)->isEnabled());
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(SchichtenDBDlg, HandsTheChosenMaterialToTheLayer)
{
    const test::Bestandsdatei datei(test::DialogFixture("schichten-nehmen.db", EigeneSchichten));
    SkriptMeldungen meldungen;
    CSchichtenDBDlg dlg;
    dlg.show();
    Waehle(Kategorien(dlg), "Benutzerdefiniert");
    Waehle(Materialien(dlg), "Vollziegel");
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.GetName(), "Vollziegel");
    EXPECT_EQ(dlg.GetLangtext(), "eigener");

    DSchicht schicht;
    schicht.Name = "alt";
    schicht.Dicke = 0.24;
    schicht.Bitmappfad = "Bilder/alt.emf";
    dlg.UebernimmIn(schicht);
    EXPECT_EQ(schicht.Name, "Vollziegel");
    EXPECT_EQ(schicht.Langtext, "eigener");
    EXPECT_EQ(schicht.Lambda, 0.5);
    EXPECT_EQ(schicht.Mu, 7);
    EXPECT_EQ(schicht.Dicke, 0.24);
    EXPECT_EQ(schicht.Bitmappfad, "Bilder/alt.emf");
}

TEST(SchichtenDBDlg, DeletesOnlyTheUsersOwnRowOfTheName)
{
    const auto pfad = test::DialogFixture("schichten-loeschen.db", EigeneSchichten);
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen{QMessageBox::No, QMessageBox::Yes};
    CSchichtenDBDlg dlg;
    dlg.show();
    Waehle(Materialien(dlg), "Vollziegel");
    QTest::mouseClick(Knopf(dlg, 1030), Qt::LeftButton);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Schicht] WHERE [Name] = 'Vollziegel'"), 2);

    QTest::mouseClick(Knopf(dlg, 1030), Qt::LeftButton);
    EXPECT_EQ(meldungen.Texte(), (QStringList{"Diese Schicht löschen?", "Diese Schicht löschen?"}));
    EXPECT_EQ(meldungen.Anfragen()[0].knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Schicht] WHERE [Name] = 'Vollziegel' AND [Kategorie] = 0"), 0);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Schicht] WHERE [Name] = 'Vollziegel' AND [Kategorie] = 1"), 1);
    EXPECT_EQ(Eintraege(Materialien(dlg)), QStringList{"Eigener Putz"});
    EXPECT_EQ(Materialien(dlg)->currentIndex(), 0);
}

TEST(SchichtenDBDlg, MissingDataBaseEndsTheDialogWithItsName)
{
    const auto pfad = test::ProcessTempDir() / "keine" / "Bestand2000.db";
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen{QMessageBox::Ok};
    CSchichtenDBDlg dlg;
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(meldungen.Texte(), QStringList{"Fehler beim Öffnen von \n " + QString::fromStdString(pfad.string()) + "."});
    EXPECT_FALSE(dlg.isVisible());
}

QLineEdit* Feld(const QDialog& d, int id)
{
    return Id<QLineEdit>(d, id);
}

DSchicht Vorlage()
{
    DSchicht schicht;
    schicht.Name = "Lehmputz";
    schicht.Lambda = 0.8;
    schicht.Mu = 5;
    schicht.Dicke = 0.02;
    return schicht;
}

TEST(SchichtSpeichernDlg, StoresTheUsersMaterialUnderCategoryZero)
{
    const auto pfad = test::DialogFixture("schicht-speichern.db");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen;
    for (int mal = 1; mal <= 2; ++mal) {
        CSchichtSpeichernDlg dlg(Vorlage());
        dlg.show();
        EXPECT_EQ(dlg.windowTitle(), "Schicht in Datenbank speichern");
        EXPECT_EQ(Feld(dlg, 1106)->text(), "Lehmputz");
        EXPECT_EQ(Feld(dlg, 1108)->text(), "0,8");
        EXPECT_EQ(Feld(dlg, 1109)->text(), "5");
        EXPECT_EQ(Feld(dlg, 1114)->text(), "");
        if (mal == 1)
            test::Bild(dlg, "schicht-speichern");
        Id<QPlainTextEdit>(dlg, 1113)->setPlainText("mit Stroh");
        QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_TRUE(dlg.Gespeichert());
    }
    // A name stored twice gives two rows; both are listed as the user's own.
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Schicht] WHERE [Name] = 'Lehmputz' AND [Kategorie] = 0 "
                                 "AND [Lambda] = 0.8 AND [Mu] = 5 AND [Langtext] = 'mit Stroh'"),
              2);
    CSchichtenDBDlg liste;
    liste.show();
    EXPECT_EQ(Kategorien(liste)->currentText(), "Benutzerdefiniert");
    EXPECT_EQ(Eintraege(Materialien(liste)), (QStringList{"Lehmputz", "Lehmputz"}));
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(SchichtSpeichernDlg, RefusesWrongFieldsAndKeepsTheInputAfterAFailedStore)
{
    const auto pfad = test::DialogFixture(
        "schicht-fehler.db", "CREATE TRIGGER voll BEFORE INSERT ON [Schicht] BEGIN SELECT RAISE(ABORT, 'voll'); END;");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen;
    DSchicht lang = Vorlage();
    lang.Name = std::string(31, 'x');
    CSchichtSpeichernDlg dlg(lang);
    dlg.show();
    EXPECT_EQ(Feld(dlg, 1106)->text(), QString(31, 'x'));
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    Feld(dlg, 1106)->setText("Lehm");
    Feld(dlg, 1108)->setText("-1");
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    Feld(dlg, 1108)->setText("0,9");
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    ASSERT_EQ(meldungen.Texte().size(), 3);
    EXPECT_EQ(meldungen.Texte()[0], "Geben Sie nicht mehr als 30 Zeichen ein.");
    EXPECT_EQ(meldungen.Texte()[1], "Geben Sie eine Zahl zwischen 0 und 999999999999 ein.");
    EXPECT_TRUE(meldungen.Texte()[2].startsWith("Database error: "));
    EXPECT_TRUE(meldungen.Texte()[2].contains("voll"));
    // The failed store leaves the dialog open with what was typed.
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.Gespeichert());
    EXPECT_EQ(Feld(dlg, 1106)->text(), "Lehm");
    EXPECT_EQ(Feld(dlg, 1108)->text(), "0,9");
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Schicht] WHERE [Kategorie] = 0"), 0);
}

TEST(Bildpfad, KeepsOnlyFilesBelowTheProgramFolder)
{
    struct Fall {
        const char* datei;
        std::optional<QString> erwartet;
    };
    const Fall faelle[] = {
        {"/opt/zeva/Bilder/Wand.EMF", QString("Bilder/Wand.EMF")},
        {"/opt/zeva/./Bilder/../Bilder/Wand.emf", QString("Bilder/Wand.emf")},
        {"/opt/zeva/Kessel.wmf", QString("Kessel.wmf")},
        {"/opt/zevaneu/Bilder/Wand.emf", std::nullopt}, // a sibling whose name begins alike
        {"/opt/ZEVA/Bilder/Wand.emf", std::nullopt},    // another folder on this file system
        {"/opt/Bilder/Wand.emf", std::nullopt},
        {"/opt/zeva", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(RelativerBildpfad(fall.datei, "/opt/zeva"), fall.erwartet) << fall.datei;
        EXPECT_EQ(RelativerBildpfad(fall.datei, "/opt/zeva/"), fall.erwartet) << fall.datei;
    }
}

TEST(Bildpfad, TheChooserAsksAgainUntilAFileBelowTheProgramFolder)
{
    const test::Bestandsdatei datei(test::DialogFixture("schicht-bild.db"));
    const QString ordner = QString::fromStdString(ProgrammOrdner());
    SkriptMeldungen meldungen;
    test::SkriptDateiauswahl auswahl;
    CSchichtSpeichernDlg dlg(Vorlage());
    dlg.show();
    Feld(dlg, 1106)->setText("getippt");

    // Cancel changes nothing.
    QTest::mouseClick(Knopf(dlg, 1274), Qt::LeftButton);
    EXPECT_EQ(auswahl.Gefragt(), 1);
    EXPECT_EQ(auswahl.Filter(), (QStringList{"Enhanced Metafile (*.emf)", "Metafile (*.wmf)", "All Files (*.*)"}));
    EXPECT_EQ(Feld(dlg, 1114)->text(), "");

    auswahl.Antworte("/tmp/Wand.emf");
    auswahl.Antworte(ordner + "x/Bilder/Wand.emf");
    auswahl.Antworte(ordner + "/Bilder/Wand.EMF");
    QTest::mouseClick(Knopf(dlg, 1274), Qt::LeftButton);
    EXPECT_EQ(auswahl.Gefragt(), 4);
    const QString text = "Datei muss in einem Verzeichnis relativ zum ZEVA-Pfad sein !";
    EXPECT_EQ(meldungen.Texte(), (QStringList{text, text}));
    EXPECT_EQ(Feld(dlg, 1114)->text(), "Bilder/Wand.EMF");
    EXPECT_EQ(Feld(dlg, 1106)->text(), "getippt");
    EXPECT_EQ(Feld(dlg, 1108)->text(), "0,8");
}

} // namespace
} // namespace zeva
