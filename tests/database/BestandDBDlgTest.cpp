// The browse dialogs of the existing construction types, driven as the user
// meets them: opened on the fixture data base (and on a missing, a damaged
// and a half data base), the year filter switched and typed, types taken and
// deleted, every message box answered through the message service.
#include "DialogTestHilfen.h"

#include "database/CBestandDBDlg.h"
#include "platform/SkriptMeldungen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <memory>

namespace zeva {
namespace {

using test::Eintraege;
using test::Id;
using test::Waehle;

std::unique_ptr<CBestandDBDlg> Erzeuge(Bauteilart art, int baujahr = 1955)
{
    switch (art) {
    case Bauteilart::Boden: return std::make_unique<CBodenBestandDBDlg>(baujahr);
    case Bauteilart::Decke: return std::make_unique<CDeckeBestandDBDlg>(baujahr);
    case Bauteilart::Flachdach: return std::make_unique<CFlachdachBestandDBDlg>(baujahr);
    case Bauteilart::Steildach: return std::make_unique<CSteildachBestandDBDlg>(baujahr);
    case Bauteilart::Wand: return std::make_unique<CWandBestandDBDlg>(baujahr);
    }
    return nullptr;
}

QComboBox* Liste(const QDialog& d)
{
    return Id<QComboBox>(d, 1106);
}
QString UWert(const QDialog& d)
{
    return Id<QLabel>(d, 1053)->text();
}
QPushButton* Uebernehmen(const QDialog& d)
{
    return Id<QPushButton>(d, 1);
}
QPushButton* Loeschen(const QDialog& d)
{
    return Id<QPushButton>(d, 1030);
}
QCheckBox* Filter(const QDialog& d)
{
    return Id<QCheckBox>(d, 1132);
}
QLineEdit* Jahr(const QDialog& d)
{
    return Id<QLineEdit>(d, 1125);
}

const QString Platzhalter = QStringLiteral("(keine Einträge vorhanden)");

// A wall record with every member set, as a table dialog hands it over.
DWand GefuellteWand()
{
    DWand w;
    w.Kurzname = "W 7";
    w.Nummer = 7;
    w.Name = "Alter Typ";
    w.Langtext = "alter Text";
    w.Flaeche = 12.5;
    w.Dicke = 0.1;
    w.kWert = 9;
    w.Zone = 2;
    w.Schicht = 1;
    w.SanbarInnen = 1;
    w.SanbarZwischen = 0;
    w.SanbarAussen = 0;
    w.SanMussInnen = 1;
    w.SanMussAussen = 1;
    w.SowiesoInnen = 3;
    w.SowiesoAussen = 4;
    w.GesamteFassadeBetrachten = 0;
    w.Bitmappfad = "bilder/wand.wmf";
    w.Kommentar = "Nordseite";
    w.m_plane.SetzeRechteck(12.5);
    w.m_plane.ID = 104010101;
    w.m_plane.Traeger1ID = 104010100;
    w.m_aSan.SetSize(3);
    w.m_aSan[1].Name = "Dämmung aussen";
    DSchicht alt;
    alt.Name = "Alte Schicht";
    alt.Dicke = 0.3;
    alt.Bitmappfad = "bilder/alt.wmf";
    w.m_Schichtaufbau.Add(alt);
    w.m_Schichtaufbau.Add(alt);
    return w;
}

DSchicht Schicht(const char* name, double dicke, double lambda, double mu, const char* langtext = "")
{
    DSchicht s;
    s.Name = name;
    s.Dicke = dicke;
    s.Lambda = lambda;
    s.Mu = mu;
    s.Langtext = langtext;
    return s;
}

TEST(BestandDBDlg, OpensWithTheKindsCaptionAndPreselectsItsDefaultByItsBeginning)
{
    const test::Bestandsdatei datei(test::DialogFixture("oeffnen.db"));
    struct Case {
        Bauteilart art;
        const char* titel;
        const char* auswahl; // "" for nothing selected
        const char* uWert;
    };
    const Case cases[] = {
        // No floor type begins with "Ortbeton, schw. Estrich": nothing is selected.
        {Bauteilart::Boden, "Bestandsdatenbank Boden", "", ""},
        // Matched without regard to case, and a longer name matches.
        {Bauteilart::Decke, "Bestandsdatenbank Decke", "HOLZDECKE, BEGEHBAR, gedämmt", "0,400"},
        // The alphabetically first of the names beginning with "Warmdach". The
    // U-value with the program's three decimals.
        {Bauteilart::Flachdach, "Bestandsdatenbank Flachdach", "Warmdach Beton", "0,800"},
        {Bauteilart::Steildach, "Bestandsdatenbank Steildach", "Sparrensteildach, ungedämmt", "2,100"},
        {Bauteilart::Wand, "Bestandsdatenbank Wand", "Hohlblockmauerwerk 30 cm", "1,235"},
    };
    for (const auto& c : cases) {
        SkriptMeldungen meldungen;
        auto dlg = Erzeuge(c.art);
        dlg->show();
        SCOPED_TRACE(c.titel);
        EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8(c.titel));
        EXPECT_EQ(Liste(*dlg)->currentText(), QString::fromUtf8(c.auswahl));
        EXPECT_EQ(Liste(*dlg)->currentIndex() < 0, *c.auswahl == '\0');
        EXPECT_EQ(UWert(*dlg), QString::fromUtf8(c.uWert));
        EXPECT_EQ(Uebernehmen(*dlg)->isEnabled(), *c.auswahl != '\0');
        EXPECT_TRUE(Uebernehmen(*dlg)->isDefault());
        EXPECT_FALSE(Loeschen(*dlg)->isEnabled()); // delivered types only
        EXPECT_FALSE(Filter(*dlg)->isChecked());
        EXPECT_FALSE(Jahr(*dlg)->isEnabled());
        EXPECT_EQ(Jahr(*dlg)->text(), "1955");
        EXPECT_EQ(FindeId(dlg.get(), 57670), nullptr); // no help button
        EXPECT_TRUE(meldungen.Texte().isEmpty());
        test::Bild(*dlg, (std::string("bestand-") + Tabellen(c.art).typen).c_str());
    }
}

TEST(BestandDBDlg, ListsAllTypesInGermanOrderAndTheYearsTypesWithTheFilter)
{
    const test::Bestandsdatei datei(test::DialogFixture("filter.db"));
    SkriptMeldungen meldungen;
    CWandBestandDBDlg dlg(1960);
    dlg.show();
    // Case-insensitive German order; a name stored twice is listed twice.
    const QStringList alle{"Äußere Schale", "Doppelt",  "Doppelt",   "Drei",        "Eins",
                           "Hohlblockmauerwerk 30 cm", "Jahr 1",    "Jahr 19",     "Jahr 197",
                           "Ohne Lagen",    "Ungültig", "Vier",      "wand 1975",   "Wand 1975 B",
                           "Wand d'Orsay",  "Zwei"};
    EXPECT_EQ(Eintraege(Liste(dlg)), alle);
    EXPECT_EQ(Jahr(dlg)->text(), "1960");

    // 1960: [BaujahrAb] <= 1960 <= [BaujahrBis], both ends included; "Vier"
    // has no years and is not listed. The first name is preselected.
    QTest::mouseClick(Filter(dlg), Qt::LeftButton);
    EXPECT_EQ(dlg.m_bBaujahrEinschraenken, 1);
    EXPECT_EQ(Eintraege(Liste(dlg)), (QStringList{"Äußere Schale", "Drei", "Eins", "Hohlblockmauerwerk 30 cm"}));
    EXPECT_EQ(Liste(dlg)->currentIndex(), 0);
    EXPECT_EQ(UWert(dlg), "2,000");
    EXPECT_TRUE(Uebernehmen(dlg)->isEnabled());
    // The focus goes into the year field with its text selected.
    EXPECT_TRUE(Jahr(dlg)->isEnabled());
    EXPECT_EQ(dlg.focusWidget(), Jahr(dlg));
    EXPECT_EQ(Jahr(dlg)->selectedText(), "1960");

    // A year no type covers: the placeholder alone, nothing to take.
    QTest::keyClicks(Jahr(dlg), "2050");
    EXPECT_EQ(dlg.m_nBaujahr, 2050);
    EXPECT_EQ(Eintraege(Liste(dlg)), QStringList{Platzhalter});
    EXPECT_EQ(Liste(dlg)->currentText(), Platzhalter);
    EXPECT_EQ(UWert(dlg), "");
    EXPECT_FALSE(Uebernehmen(dlg)->isEnabled());
    EXPECT_FALSE(Loeschen(dlg)->isEnabled());

    // A negative U-value is shown as nothing, but the type can be taken.
    QTest::mouseClick(Filter(dlg), Qt::LeftButton);
    EXPECT_EQ(dlg.m_bBaujahrEinschraenken, 0);
    EXPECT_FALSE(Jahr(dlg)->isEnabled());
    EXPECT_EQ(Eintraege(Liste(dlg)), alle);
    EXPECT_EQ(Liste(dlg)->currentText(), "Hohlblockmauerwerk 30 cm");
    Waehle(Liste(dlg), "Ungültig");
    EXPECT_EQ(UWert(dlg), "");
    EXPECT_TRUE(Uebernehmen(dlg)->isEnabled());
    test::Bild(dlg, "bestand-wand-filter");

    // The year typed while the filter was on is used again.
    QTest::mouseClick(Filter(dlg), Qt::LeftButton);
    EXPECT_EQ(Jahr(dlg)->text(), "2050");
    EXPECT_EQ(Eintraege(Liste(dlg)), QStringList{Platzhalter});
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(BestandDBDlg, TypingAYearRefillsTheListForEveryWholeNumber)
{
    const test::Bestandsdatei datei(test::DialogFixture("tippen.db"));
    SkriptMeldungen meldungen;
    CWandBestandDBDlg dlg(1960);
    dlg.show();
    QTest::mouseClick(Filter(dlg), Qt::LeftButton);
    QLineEdit* jahr = Jahr(dlg);

    // The selected text is replaced digit by digit: 1, 19, 197, 1975.
    const struct {
        char taste;
        int jahr;
        QStringList liste;
    } schritte[] = {
        {'1', 1, {"Jahr 1"}},
        {'9', 19, {"Jahr 19"}},
        {'7', 197, {"Jahr 197"}},
        {'5', 1975, {"wand 1975", "Wand 1975 B"}},
    };
    for (const auto& s : schritte) {
        QTest::keyClick(jahr, s.taste);
        EXPECT_EQ(dlg.m_nBaujahr, s.jahr);
        EXPECT_EQ(Eintraege(Liste(dlg)), s.liste) << s.jahr;
        EXPECT_EQ(Liste(dlg)->currentIndex(), 0) << s.jahr;
    }

    // "1975,5" sets the year 1975 without a refill: the user's choice stays.
    QTest::keyClick(jahr, ',');
    Waehle(Liste(dlg), "Wand 1975 B");
    QTest::keyClick(jahr, '5');
    EXPECT_EQ(jahr->text(), "1975,5");
    EXPECT_EQ(dlg.m_nBaujahr, 1975);
    EXPECT_EQ(Liste(dlg)->currentText(), "Wand 1975 B");

    // Text that is no number changes nothing.
    QTest::keyClick(jahr, 'x');
    EXPECT_EQ(dlg.m_nBaujahr, 1975);
    EXPECT_EQ(Liste(dlg)->currentText(), "Wand 1975 B");

    // The exchange takes whole years only: "Über&nehmen" keeps the dialog open.
    meldungen.Antworte(QMessageBox::Ok);
    QTest::mouseClick(Uebernehmen(dlg), Qt::LeftButton);
    EXPECT_EQ(meldungen.Texte(), QStringList{"Geben Sie eine ganze Zahl ein."});
    EXPECT_TRUE(dlg.isVisible());

    // An emptied field lists the types of the year 0.
    jahr->selectAll();
    QTest::keyClick(jahr, Qt::Key_Backspace);
    EXPECT_EQ(dlg.m_nBaujahr, 0);
    EXPECT_EQ(Eintraege(Liste(dlg)), QStringList{Platzhalter});
    EXPECT_EQ(meldungen.Ungeplant(), 0);
}

TEST(BestandDBDlg, ARefusedYearKeepsTheFilterAsItWas)
{
    const test::Bestandsdatei datei(test::DialogFixture("bereich.db"));
    struct Case {
        const char* eingabe;
        const char* meldung;
    };
    const Case cases[] = {
        {"abc", "Geben Sie eine ganze Zahl ein."},
        {"999", "Geben Sie eine ganze Zahl zwischen 1000 und 2100 ein."},
    };
    for (const auto& c : cases) {
        SkriptMeldungen meldungen{QMessageBox::Ok};
        CWandBestandDBDlg dlg(1960);
        dlg.show();
        QTest::mouseClick(Filter(dlg), Qt::LeftButton);
        QTest::keyClicks(Jahr(dlg), c.eingabe);
        QTest::mouseClick(Filter(dlg), Qt::LeftButton);
        EXPECT_EQ(meldungen.Texte(), QStringList{QString::fromUtf8(c.meldung)}) << c.eingabe;
        EXPECT_EQ(dlg.m_bBaujahrEinschraenken, 1) << c.eingabe;
        EXPECT_TRUE(Filter(dlg)->isChecked()) << c.eingabe;
        EXPECT_TRUE(Jahr(dlg)->isEnabled()) << c.eingabe;
    }
}

TEST(BestandDBDlg, TakesTheTypeAndItsLayersAndKeepsEveryOtherMember)
{
    const test::Bestandsdatei datei(test::DialogFixture("nehmen.db"));
    struct Case {
        const char* was;
        const char* eintrag;
        int index; // which of equal entries
        const char* name;
        const char* langtext;
        double dicke;
        double kWert;
        int schicht;
        std::vector<DSchicht> schichten;
    };
    const Case cases[] = {
        {"layers by position, no picture paths", "Hohlblockmauerwerk 30 cm", 0, "Hohlblockmauerwerk 30 cm",
         "Bims-Hohlblock", 0.345, 1.234567, 1,
         {Schicht("Kalkputz", 0.015, 0.7, 10, "innen"), Schicht("Hohlblock", 0.31, 0.44, 5, "Bims"),
          Schicht("Kalkzementputz", 0.02, 0.87, 15, "aussen")}},
        {"[Schichtzahl] 0 still brings the rows, equal positions in stored order", "Eins", 0, "Eins", "", 0.2, 1.5,
         0,
         {Schicht("Putz innen", 0.015, 0.7, 10), Schicht("Mauerwerk", 0.24, 0.5, 10), Schicht("Dämmung", 0.06, 0.04, 1),
          Schicht("Putz aussen", 0.02, 0.87, 15)}},
        {"a type without layer rows empties the build-up", "Ohne Lagen", 0, "Ohne Lagen", "", 0.25, 1.1, 1, {}},
        {"the first of two equal names", "Doppelt", 0, "Doppelt", "erster", 0.2, 2.5, 1, {Schicht("Erste", 0.2, 1, 1)}},
        {"the second entry takes the first stored, too", "Doppelt", 1, "Doppelt", "erster", 0.2, 2.5, 1,
         {Schicht("Erste", 0.2, 1, 1)}},
        {"an apostrophe in the name", "Wand d'Orsay", 0, "Wand d'Orsay", "eigene", 0.3, 0.5, 1,
         {Schicht("Eigenes Innen", 0.1, 0.5, 10), Schicht("Eigenes Aussen", 0.2, 0.5, 10)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.was);
        SkriptMeldungen meldungen;
        CWandBestandDBDlg dlg(1955);
        const DWand vorher = GefuellteWand();
        dlg.m_Bauteil = vorher;
        dlg.show();
        const int index = Liste(dlg)->findText(QString::fromUtf8(c.eintrag), Qt::MatchExactly) + c.index;
        ASSERT_EQ(Liste(dlg)->itemText(index), QString::fromUtf8(c.eintrag));
        Waehle(Liste(dlg), index);
        QTest::mouseClick(Uebernehmen(dlg), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);

        DWand erwartet = vorher;
        erwartet.Name = c.name;
        erwartet.Langtext = c.langtext;
        erwartet.Dicke = c.dicke;
        erwartet.kWert = c.kWert;
        erwartet.Schicht = c.schicht;
        erwartet.m_Schichtaufbau.RemoveAll();
        for (const auto& s : c.schichten)
            erwartet.m_Schichtaufbau.Add(s);
        EXPECT_TRUE(dlg.m_Bauteil == erwartet);
        ASSERT_EQ(dlg.m_Bauteil.m_Schichtaufbau.size(), c.schichten.size());
        for (std::size_t i = 0; i < c.schichten.size(); ++i)
            EXPECT_EQ(dlg.m_Bauteil.m_Schichtaufbau[i].Name, c.schichten[i].Name) << i;
        EXPECT_TRUE(meldungen.Texte().isEmpty());
    }
}

TEST(BestandDBDlg, FlatRoofBringsItsRoofKindAndWholeNumberMu)
{
    const test::Bestandsdatei datei(test::DialogFixture("flach.db"));
    SkriptMeldungen meldungen;
    struct Case {
        const char* name;
        int warmdachVorher;
        int warmdach;
        std::vector<DSchicht> schichten;
    };
    const Case cases[] = {
        {"Kaltdach", 1, 0, {Schicht("Holz", 0.024, 0.13, 40)}},
        {"Warmdach Beton", 0, 1, {Schicht("Beton", 0.2, 2.1, 80), Schicht("Bitumen", 0.01, 0.17, 50000)}},
    };
    for (const auto& c : cases) {
        CFlachdachBestandDBDlg dlg(1955);
        dlg.m_Bauteil.Warmdach = c.warmdachVorher;
        dlg.m_Bauteil.Flaeche = 80;
        dlg.show();
        Waehle(Liste(dlg), c.name);
        QTest::mouseClick(Uebernehmen(dlg), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.m_Bauteil.Name, c.name);
        EXPECT_EQ(dlg.m_Bauteil.Warmdach, c.warmdach) << c.name;
        EXPECT_EQ(dlg.m_Bauteil.Flaeche, 80);
        EXPECT_EQ(dlg.m_Bauteil.m_Schichtaufbau.Elemente(), c.schichten) << c.name;
    }
}

TEST(BestandDBDlg, DeletesTheUsersOwnTypeAndItsLayersAfterTheQuestion)
{
    struct Case {
        Bauteilart art;
        const char* name;
        const char* frage;
        const char* danach; // preselected after the refill
    };
    const Case cases[] = {
        {Bauteilart::Boden, "Eigener Boden", "Boden ''Eigener Boden'' aus der Datenbank löschen?", ""},
        {Bauteilart::Decke, "Eigene Decke", "Decke ''Eigene Decke'' aus der Datenbank löschen?",
         "HOLZDECKE, BEGEHBAR, gedämmt"},
        {Bauteilart::Flachdach, "Eigenes Flachdach", "Flachdach ''Eigenes Flachdach'' aus der Datenbank löschen?",
         "Warmdach Beton"},
        {Bauteilart::Steildach, "Eigenes Steildach", "Steildach ''Eigenes Steildach'' aus der Datenbank löschen?",
         "Sparrensteildach, ungedämmt"},
        {Bauteilart::Wand, "Wand d'Orsay", "Wand ''Wand d'Orsay'' aus der Datenbank löschen?",
         "Hohlblockmauerwerk 30 cm"},
    };
    for (const auto& c : cases) {
        const std::string tabelle = Tabellen(c.art).typen;
        SCOPED_TRACE(tabelle);
        const auto pfad = test::DialogFixture("loeschen-" + tabelle + ".db");
        const test::Bestandsdatei datei(pfad);
        const std::string anzahl = "SELECT count(*) FROM [" + tabelle + "] WHERE [Name] = '" +
                                   (c.art == Bauteilart::Wand ? std::string("Wand d''Orsay") : c.name) + "'";
        SkriptMeldungen meldungen{QMessageBox::No, QMessageBox::Yes};
        auto dlg = Erzeuge(c.art);
        dlg->show();
        Waehle(Liste(*dlg), c.name);
        ASSERT_TRUE(Loeschen(*dlg)->isEnabled());

        // No: nothing happens.
        QTest::mouseClick(Loeschen(*dlg), Qt::LeftButton);
        EXPECT_EQ(test::Zeilen(pfad, anzahl), 1);
        EXPECT_EQ(Liste(*dlg)->currentText(), QString::fromUtf8(c.name));

        // Yes: the type goes, and the list is filled again as on opening.
        QTest::mouseClick(Loeschen(*dlg), Qt::LeftButton);
        ASSERT_EQ(meldungen.Anfragen().size(), 2u);
        for (const auto& frage : meldungen.Anfragen()) {
            EXPECT_EQ(frage.text, QString::fromUtf8(c.frage));
            EXPECT_EQ(frage.knoepfe, QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(frage.vorgabe, QMessageBox::Yes);
            EXPECT_EQ(frage.symbol, Meldung::Symbol::Ausruf);
        }
        EXPECT_EQ(test::Zeilen(pfad, anzahl), 0);
        EXPECT_FALSE(Eintraege(Liste(*dlg)).contains(QString::fromUtf8(c.name)));
        EXPECT_EQ(Liste(*dlg)->currentText(), QString::fromUtf8(c.danach));
        EXPECT_FALSE(Loeschen(*dlg)->isEnabled());
    }
    // The wall's layers went with it (checked on the wall's own file).
    // Deleted above; the layers of the other walls are still there.
    const auto pfad = test::ProcessTempDir() / "loeschen-Wand.db";
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Wandschicht] WHERE [Wand-ID] = 13"), 0);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Wandschicht] WHERE [Wand-ID] = 10"), 3);
}

TEST(BestandDBDlg, RefusedDeletionIsReportedAndTheListRefilled)
{
    const auto pfad = test::DialogFixture(
        "gesperrt.db", "CREATE TRIGGER sperre BEFORE DELETE ON [Wand] BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen{QMessageBox::Yes, QMessageBox::Ok};
    CWandBestandDBDlg dlg(1955);
    dlg.show();
    Waehle(Liste(dlg), "Wand d'Orsay");
    QTest::mouseClick(Loeschen(dlg), Qt::LeftButton);
    EXPECT_EQ(meldungen.Texte(), (QStringList{"Wand ''Wand d'Orsay'' aus der Datenbank löschen?",
                                              "Fehler: Kann Datensatz nicht löschen"}));
    EXPECT_EQ(meldungen.Anfragen().back().symbol, Meldung::Symbol::Ausruf);
    // Neither the type nor its layers are gone; the list shows the default again.
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Wand] WHERE [Wand-ID] = 13"), 1);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Wandschicht] WHERE [Wand-ID] = 13"), 2);
    EXPECT_TRUE(Eintraege(Liste(dlg)).contains("Wand d'Orsay"));
    EXPECT_EQ(Liste(dlg)->currentText(), "Hohlblockmauerwerk 30 cm");
    EXPECT_TRUE(dlg.isVisible());
}

TEST(BestandDBDlg, ImmediateTakeOverNeverShowsTheDialog)
{
    const test::Bestandsdatei datei(test::DialogFixture("sofort.db"));
    SkriptMeldungen meldungen;
    {
        CWandBestandDBDlg dlg(1955);
        dlg.m_bSofortUebernehmen = true;
        dlg.m_Bauteil = GefuellteWand();
        bool gezeigt = false;
        EXPECT_EQ(test::ExecOhneAnzeige(dlg, gezeigt), QDialog::Accepted);
        EXPECT_FALSE(gezeigt);
        EXPECT_EQ(dlg.m_Bauteil.Name, "Hohlblockmauerwerk 30 cm");
        EXPECT_EQ(dlg.m_Bauteil.m_Schichtaufbau.size(), 3u);
        EXPECT_EQ(dlg.m_Bauteil.Kommentar, "Nordseite");
    }
    {
        // No floor type of the default: cancelled, the record as it came.
        CBodenBestandDBDlg dlg(1955);
        dlg.m_bSofortUebernehmen = true;
        dlg.m_Bauteil.Name = "Mein Boden";
        bool gezeigt = false;
        EXPECT_EQ(test::ExecOhneAnzeige(dlg, gezeigt), QDialog::Rejected);
        EXPECT_FALSE(gezeigt);
        EXPECT_EQ(dlg.m_Bauteil.Name, "Mein Boden");
    }
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(BestandDBDlg, MissingOrDamagedDataBaseIsReportedAndTheDialogOffersNothing)
{
    const auto damaged = test::ProcessTempDir() / "kaputt.db";
    {
        std::ofstream aus(damaged, std::ios::binary);
        aus << "Dies ist keine Datenbank, sondern ein Stück Text, lang genug für einen Kopf.";
    }
    const auto missing = test::ProcessTempDir() / "fehlt" / "Bestand2000.db";
    for (const auto& pfad : {missing, damaged}) {
        SCOPED_TRACE(pfad.string());
        const test::Bestandsdatei datei(pfad);
        {
            SkriptMeldungen meldungen{QMessageBox::Ok};
            CWandBestandDBDlg dlg(1955);
            dlg.show();
            ASSERT_EQ(meldungen.Texte().size(), 1);
            EXPECT_TRUE(meldungen.Texte()[0].startsWith("Database error: ")) << meldungen.Texte()[0].toStdString();
            EXPECT_EQ(meldungen.Anfragen()[0].symbol, Meldung::Symbol::Ausruf);
            EXPECT_EQ(Liste(dlg)->count(), 0);
            EXPECT_EQ(UWert(dlg), "");
            EXPECT_FALSE(Uebernehmen(dlg)->isEnabled());
            EXPECT_FALSE(Loeschen(dlg)->isEnabled());
            // Nothing to list for a year either, and no further message.
            QTest::mouseClick(Filter(dlg), Qt::LeftButton);
            EXPECT_EQ(Liste(dlg)->count(), 0);
            QTest::mouseClick(Id<QPushButton>(dlg, 2), Qt::LeftButton);
            EXPECT_EQ(dlg.result(), QDialog::Rejected);
            EXPECT_EQ(meldungen.Texte().size(), 1);
            EXPECT_FALSE(std::filesystem::exists(missing)); // never created
        }
        {
            SkriptMeldungen meldungen{QMessageBox::Ok};
            CWandBestandDBDlg dlg(1955);
            dlg.m_bSofortUebernehmen = true;
            const DWand vorher = GefuellteWand();
            dlg.m_Bauteil = vorher;
            bool gezeigt = false;
            EXPECT_EQ(test::ExecOhneAnzeige(dlg, gezeigt), QDialog::Rejected);
            EXPECT_FALSE(gezeigt);
            EXPECT_TRUE(dlg.m_Bauteil == vorher);
            ASSERT_EQ(meldungen.Texte().size(), 1);
            EXPECT_TRUE(meldungen.Texte()[0].startsWith("Database error: "));
        }
    }
}

TEST(BestandDBDlg, UnreadableLayersEndTheTakeOverCancelledWithTheRecordUntouched)
{
    const auto pfad = test::DialogFixture("ohne-lagen.db", "DROP TABLE [Wandschicht];");
    const test::Bestandsdatei datei(pfad);
    const QString text = QStringLiteral("Fehler beim Lesen aus \n ") + QString::fromStdString(pfad.string()) + ".";
    for (const bool sofort : {false, true}) {
        SCOPED_TRACE(sofort);
        SkriptMeldungen meldungen{QMessageBox::Ok};
        CWandBestandDBDlg dlg(1955);
        const DWand vorher = GefuellteWand();
        dlg.m_Bauteil = vorher;
        dlg.m_bSofortUebernehmen = sofort;
        if (sofort) {
            bool gezeigt = false;
            EXPECT_EQ(test::ExecOhneAnzeige(dlg, gezeigt), QDialog::Rejected);
            EXPECT_FALSE(gezeigt);
        } else {
            dlg.show();
            QTest::mouseClick(Uebernehmen(dlg), Qt::LeftButton);
            EXPECT_EQ(dlg.result(), QDialog::Rejected);
            EXPECT_FALSE(dlg.isVisible());
        }
        EXPECT_EQ(meldungen.Texte(), QStringList{text});
        EXPECT_TRUE(dlg.m_Bauteil == vorher);
    }
}

TEST(BestandDBDlg, AFailureInAHandlerIsShownWithTheStopIconAndTheDialogStays)
{
    const auto pfad = test::DialogFixture("weg.db");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen{QMessageBox::Ok, QMessageBox::Ok};
    CWandBestandDBDlg dlg(1955);
    dlg.show();
    // The table goes away behind the dialog's back.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(pfad.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "DROP TABLE [Wand]", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    Waehle(Liste(dlg), "Eins");
    QTest::mouseClick(Filter(dlg), Qt::LeftButton);
    ASSERT_EQ(meldungen.Anfragen().size(), 2u);
    for (const auto& a : meldungen.Anfragen()) {
        EXPECT_TRUE(a.text.startsWith("Database error: ")) << a.text.toStdString();
        EXPECT_EQ(a.symbol, Meldung::Symbol::Stopp);
    }
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(Uebernehmen(dlg)->isEnabled());
    EXPECT_EQ(UWert(dlg), "");
}

} // namespace
} // namespace zeva
