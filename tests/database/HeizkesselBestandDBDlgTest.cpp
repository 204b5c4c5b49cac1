// The boiler browse dialog on the fixture data base.
#include "DialogTestHilfen.h"

#include "database/CHeizkesselBestandDBDlg.h"
#include "database/CHeizkesselSanDBDlg.h"
#include "database/CHeizkesselSpeichernDlg.h"
#include "platform/SkriptMeldungen.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace zeva {
namespace {

using test::Eintraege;
using test::Id;
using test::Waehle;

QComboBox* Liste(const QDialog& d)
{
    return Id<QComboBox>(d, 1106);
}
QString Text(const QDialog& d, int id)
{
    return Id<QLabel>(d, id)->text();
}
QPushButton* Knopf(const QDialog& d, int id)
{
    return Id<QPushButton>(d, id);
}

// Which of the two groups is shown: the loss lines or the efficiency line.
void PruefeGruppe(const QDialog& d, bool verluste)
{
    for (int id : {1214, 1204, 1215, 1212, 1205, 1213, 1210, 1206, 1211})
        EXPECT_EQ(!Id<QWidget>(d, id)->isHidden(), verluste) << id;
    for (int id : {1208, 1207, 1209})
        EXPECT_EQ(!Id<QWidget>(d, id)->isHidden(), !verluste) << id;
}

TEST(HeizkesselBestandDBDlg, ListsTheFuelsBoilersAndNarrowsThemByTheYear)
{
    const test::Bestandsdatei datei(test::DialogFixture("kessel.db"));
    SkriptMeldungen meldungen;
    CHeizkesselBestandDBDlg dlg(1975);
    dlg.m_nBrennstoff = 1;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Bestandsdatenbank Heizkessel");
    EXPECT_EQ(Eintraege(Liste(dlg)), (QStringList{"Öl 1-1975", "Öl 1970-1980", "Öl 1990-2000"}));
    EXPECT_EQ(Liste(dlg)->currentIndex(), 0);
    EXPECT_EQ(Id<QLineEdit>(dlg, 1125)->text(), "1975");
    EXPECT_FALSE(Id<QLineEdit>(dlg, 1125)->isEnabled());

    // "Öl 1-1975": an efficiency of 0.8 shows "80" alone.
    EXPECT_EQ(Text(dlg, 1203), "20");
    EXPECT_EQ(Text(dlg, 1207), "80");
    PruefeGruppe(dlg, false);
    test::Bild(dlg, "bestand-heizkessel-nutzungsgrad");

    // "Öl 1990-2000": the three losses in per cent, no efficiency.
    Waehle(Liste(dlg), "Öl 1990-2000");
    EXPECT_EQ(Text(dlg, 1204), "6");
    EXPECT_EQ(Text(dlg, 1205), "1");
    EXPECT_EQ(Text(dlg, 1206), "1");
    PruefeGruppe(dlg, true);
    EXPECT_TRUE(Knopf(dlg, 1)->isEnabled());
    EXPECT_FALSE(Knopf(dlg, 1030)->isEnabled());
    test::Bild(dlg, "bestand-heizkessel-verluste");

    // The year filter: both ends included; the first entry is selected.
    QTest::mouseClick(Id<QCheckBox>(dlg, 1132), Qt::LeftButton);
    EXPECT_EQ(Eintraege(Liste(dlg)), (QStringList{"Öl 1-1975", "Öl 1970-1980"}));
    EXPECT_EQ(Liste(dlg)->currentText(), "Öl 1-1975");
    EXPECT_EQ(dlg.focusWidget(), Id<QLineEdit>(dlg, 1125));

    // No range in this dialog: the year 1 is typed and listed.
    Id<QLineEdit>(dlg, 1125)->selectAll();
    QTest::keyClick(Id<QLineEdit>(dlg, 1125), '1');
    EXPECT_EQ(Eintraege(Liste(dlg)), QStringList{"Öl 1-1975"});
    Id<QLineEdit>(dlg, 1125)->selectAll();
    QTest::keyClicks(Id<QLineEdit>(dlg, 1125), "2050");
    EXPECT_EQ(Eintraege(Liste(dlg)), QStringList{"(keine Einträge vorhanden)"});
    EXPECT_FALSE(Knopf(dlg, 1)->isEnabled());
    for (int id : {1203, 1204, 1205, 1206, 1207})
        EXPECT_EQ(Text(dlg, id), "") << id;
    PruefeGruppe(dlg, true);
    QTest::mouseClick(Id<QCheckBox>(dlg, 1132), Qt::LeftButton);
    EXPECT_EQ(meldungen.Texte(), QStringList{});
    EXPECT_EQ(Liste(dlg)->count(), 3);
}

// A mnemonic of a value line must not press a button: Alt+U shows the
// efficiency line's letter and leaves the dialog open.
TEST(HeizkesselBestandDBDlg, AltULeavesTheDialogOpenAndNoLabelPressesAButton)
{
    const test::Bestandsdatei datei(test::DialogFixture("kessel.db"));
    SkriptMeldungen meldungen;
    CHeizkesselBestandDBDlg dlg(1975);
    dlg.m_nBrennstoff = 1;
    dlg.show();
    ASSERT_TRUE(Knopf(dlg, 1)->isEnabled());
    QTest::keyClick(&dlg, Qt::Key_U, Qt::AltModifier);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), 0);

    CHeizkesselSanDBDlg ersatz;
    CHeizkesselSpeichernDlg speichern;
    for (const QDialog* d : std::initializer_list<const QDialog*>{&dlg, &ersatz, &speichern}) {
        for (const QLabel* label : d->findChildren<QLabel*>())
            EXPECT_EQ(qobject_cast<QAbstractButton*>(label->buddy()), nullptr)
                << d->metaObject()->className() << " " << label->text().toStdString();
    }
}

TEST(HeizkesselBestandDBDlg, HandsBackTheRowsFractionsUnchanged)
{
    const test::Bestandsdatei datei(test::DialogFixture("kessel-nehmen.db"));
    SkriptMeldungen meldungen;
    CHeizkesselBestandDBDlg dlg(1955);
    dlg.m_nBrennstoff = 5;
    dlg.show();
    Waehle(Liste(dlg), "Hackschnitzel");
    EXPECT_EQ(Text(dlg, 1204), "6,5");
    EXPECT_EQ(Text(dlg, 1206), "1,2");
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_Name, "Hackschnitzel");
    EXPECT_EQ(dlg.m_Langtext, "Schnitzel");
    EXPECT_EQ(dlg.m_Kesselleistung, 30);
    EXPECT_EQ(dlg.m_Abgasverlust, 0.065);
    EXPECT_EQ(dlg.m_Strahlungsverlust, 0.01);
    EXPECT_EQ(dlg.m_Bereitschaftsverlust, 0.012);
    EXPECT_EQ(dlg.m_Kesselnutzungsgrad, 0);
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(HeizkesselBestandDBDlg, DeletesTheUsersOwnBoilerAfterTheQuestion)
{
    const auto pfad = test::DialogFixture("kessel-loeschen.db");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen{QMessageBox::Yes};
    CHeizkesselBestandDBDlg dlg(1955);
    dlg.m_nBrennstoff = 5;
    dlg.show();
    EXPECT_EQ(Liste(dlg)->currentText(), "Eigener Kessel");
    ASSERT_TRUE(Knopf(dlg, 1030)->isEnabled());
    QTest::mouseClick(Knopf(dlg, 1030), Qt::LeftButton);
    EXPECT_EQ(meldungen.Texte(), QStringList{"Heizkessel ''Eigener Kessel'' aus der Datenbank löschen?"});
    EXPECT_EQ(meldungen.Anfragen()[0].vorgabe, QMessageBox::Yes);
    EXPECT_EQ(meldungen.Anfragen()[0].symbol, Meldung::Symbol::Ausruf);
    EXPECT_EQ(Eintraege(Liste(dlg)), QStringList{"Hackschnitzel"});
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Heizkessel] WHERE [HeizungID] = 6"), 0);
}

TEST(HeizkesselBestandDBDlg, MissingDataBaseLeavesAnEmptyDialog)
{
    const test::Bestandsdatei datei(test::ProcessTempDir() / "keine" / "Bestand2000.db");
    SkriptMeldungen meldungen{QMessageBox::Ok};
    CHeizkesselBestandDBDlg dlg(1955);
    dlg.m_nBrennstoff = 1;
    dlg.show();
    ASSERT_EQ(meldungen.Texte().size(), 1);
    EXPECT_TRUE(meldungen.Texte()[0].startsWith("Database error: "));
    EXPECT_EQ(Liste(dlg)->count(), 0);
    EXPECT_FALSE(Knopf(dlg, 1)->isEnabled());
    EXPECT_FALSE(Knopf(dlg, 1030)->isEnabled());
    QTest::mouseClick(Knopf(dlg, 2), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.m_Name, "");
}

} // namespace
} // namespace zeva
