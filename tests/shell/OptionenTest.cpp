// The options sheet and the 3D-input options: range prompts that keep the
// user on the page, the limit row that follows the criterion, "&Vorgabe",
// the distribution kinds and the "wie Bestand" rows, what OK writes back into
// the options, the house and the profile, and the "changed" report.
#include "ShellTestHilfen.h"
#include "ui/QtAusgabe.h"

#include "model/DHeizung.h"
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/ProfilTestHilfen.h"
#include "platform/SkriptMeldungen.h"
#include "shell/C3DOptionenDlg.h"
#include "shell/OptProgSan.h"
#include "shell/OptSanHeizung.h"
#include "shell/Optionen.h"
#include "shell/OptionenBefehl.h"
#include "shell/OptionenSeite.h"
#include "shell/QtProfil.h"
#include "ui/SteuerelementId.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace zeva {
namespace {

static testing::Environment* const bildschirm =
    testing::AddGlobalTestEnvironment(new test::Bildschirm("ui/bildschirm-1024x768.json"));

enum SeitenIndex { Optimierung = 0, Kosten = 1, Sanierung = 2 };

const QString ZahlBereich = QStringLiteral("Geben Sie eine Zahl zwischen %1 und %2 ein.");
const QString GanzzahlBereich = QStringLiteral("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.");

void Aktiviere(QWidget& fenster)
{
    fenster.show();
    QApplication::setActiveWindow(&fenster);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
}

// Replaces the text of an edit as the user would: focus, select all, type.
void Tippe(QLineEdit* edit, const QString& text)
{
    ASSERT_NE(edit, nullptr);
    edit->setFocus(Qt::MouseFocusReason);
    // What follows the move of the focus runs before the user types.
    QApplication::processEvents();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// A click on a button; check and radio boxes are hit at their indicator
// (their width may reach beyond their text).
void Klicke(QAbstractButton* knopf)
{
    ASSERT_NE(knopf, nullptr);
    const bool kasten = qobject_cast<QCheckBox*>(knopf) || qobject_cast<QRadioButton*>(knopf);
    const QPoint punkt = kasten ? QPoint(8, knopf->height() / 2) : knopf->rect().center();
    QTest::mouseClick(knopf, Qt::LeftButton, {}, punkt);
}

// The heating of the existing building that the page "Sanierung" offers.
DHeizung Bestandsheizung()
{
    DHeizung h;
    h.Brennstoff = BrennstoffOel;
    h.Bereitschaftszeit = 5000;
    h.Heizungsverteilung = "Fernwärme-Übergabestation";
    h.Verteilungsnutzungsgrad = 0.9;
    return h;
}

// A sheet on options that differ from the defaults where it matters, shown
// and active, with every message box scripted.
class OptionenBlatt : public testing::Test {
protected:
    void SetUp() override
    {
        start.Sanierungsalgorithmus = 2;
        start.Versuche = 9;
        start.Brennstoffkosten1 = 0.05;
        sheet.m_Optionen = start;
        Aktiviere(sheet);
    }

    template <typename T = QWidget>
    T* Feld(int seite, int id) const
    {
        T* feld = FindeId<T>(sheet.Seite(seite), id);
        EXPECT_NE(feld, nullptr) << "page " << seite << " id " << id;
        return feld;
    }
    QLineEdit* Edit(int seite, int id) const { return Feld<QLineEdit>(seite, id); }
    QPushButton* Knopf(int id) const { return FindeDirektId<QPushButton>(&sheet, id); }

    // A click on the tab of a page.
    void KlickeSeite(int index)
    {
        QTabBar* leiste = sheet.Seiten()->tabBar();
        QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->tabRect(index).center());
    }
    void GeheZu(int index)
    {
        KlickeSeite(index);
        ASSERT_EQ(sheet.AktiveSeite(), index);
        ASSERT_EQ(sheet.Seiten()->currentIndex(), index);
    }

    SkriptMeldungen skript;
    DOptionen start;
    Optionen sheet{Bestandsheizung()};
};

TEST_F(OptionenBlatt, HasThreePagesOkAbbrechenAndVorgabeLeftOfOk)
{
    EXPECT_EQ(sheet.windowTitle(), QString("Optionen"));
    ASSERT_EQ(sheet.Seiten()->count(), 3);
    EXPECT_EQ(sheet.Seiten()->tabText(0), QString("Optimierung"));
    EXPECT_EQ(sheet.Seiten()->tabText(1), QString("Kosten"));
    EXPECT_EQ(sheet.Seiten()->tabText(2), QString("Sanierung"));
    EXPECT_EQ(sheet.AktiveSeite(), 0);

    QPushButton* vorgabe = Knopf(1257);
    QPushButton* ok = Knopf(1);
    QPushButton* abbrechen = Knopf(2);
    ASSERT_TRUE(vorgabe && ok && abbrechen);
    EXPECT_EQ(vorgabe->text(), QString("&Vorgabe"));
    EXPECT_EQ(ok->text(), QString("OK"));
    EXPECT_EQ(abbrechen->text(), QString("Abbrechen"));
    EXPECT_LT(vorgabe->geometry().right(), ok->geometry().left());
    EXPECT_LT(ok->geometry().right(), abbrechen->geometry().left());
    EXPECT_EQ(sheet.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).size(), 3);
}

TEST_F(OptionenBlatt, OutOfRangeValuesArePromptedAndKeepTheUserOnThePage)
{
    struct Case {
        int seite;
        int id;
        const char* eingabe;
        QString meldung;
        bool mitOk; // leave by OK, otherwise by the next tab
    };
    const Case cases[] = {
        {Kosten, 1257, "11", ZahlBereich.arg("0", "10"), false},
        {Kosten, 1266, "10,5", ZahlBereich.arg("0", "10"), true},
        {Kosten, 1263, "-0,01", ZahlBereich.arg("0", "10"), false},
        {Kosten, 1262, "1001", ZahlBereich.arg("0", "1000"), true},
        {Kosten, 1256, "100001", ZahlBereich.arg("0", "100000"), false},
        {Kosten, 1264, "-1", ZahlBereich.arg("0", "100000"), true},
        {Kosten, 1258, "0.5", QStringLiteral("Geben Sie eine Zahl ein."), false},
        {Optimierung, 1258, "26", GanzzahlBereich.arg("1", "25"), false},
        {Optimierung, 1258, "0", GanzzahlBereich.arg("1", "25"), true},
        {Optimierung, 1258, "2,5", QStringLiteral("Geben Sie eine ganze Zahl ein."), false},
        {Sanierung, 1148, "8761", ZahlBereich.arg("0", "8760"), false},
        {Sanierung, 1148, "-1", ZahlBereich.arg("0", "8760"), true},
    };
    DOptionen einstellung = start;
    einstellung.EinschaltdauerBeibehalten = 0; // the switch-on time is an input
    for (const auto& c : cases) {
        SCOPED_TRACE(c.meldung.toStdString() + " for " + c.eingabe);
        sheet.m_Optionen = einstellung;
        sheet.Seite(sheet.AktiveSeite())->OnSetActive();
        if (sheet.AktiveSeite() != c.seite)
            GeheZu(c.seite);
        const std::size_t vorher = skript.Anfragen().size();

        QLineEdit* feld = Edit(c.seite, c.id);
        const QString alterText = feld->text();
        Tippe(feld, QString::fromUtf8(c.eingabe));
        if (c.mitOk)
            Klicke(Knopf(1));
        else
            KlickeSeite((c.seite + 1) % 3);

        ASSERT_EQ(skript.Anfragen().size(), vorher + 1);
        EXPECT_EQ(skript.Anfragen().back().text, c.meldung);
        EXPECT_EQ(skript.Anfragen().back().knoepfe, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(sheet.AktiveSeite(), c.seite);
        EXPECT_EQ(sheet.Seiten()->currentIndex(), c.seite);
        EXPECT_EQ(QApplication::focusWidget(), feld);
        EXPECT_EQ(feld->selectedText(), QString::fromUtf8(c.eingabe));
        EXPECT_TRUE(sheet.m_Optionen == einstellung);

        Tippe(feld, alterText); // put right so that the next case can leave
    }
}

TEST_F(OptionenBlatt, ValuesReachTheRecordWhenThePageIsLeftAndOnOk)
{
    GeheZu(Kosten);
    Tippe(Edit(Kosten, 1257), "0,06");
    Tippe(Edit(Kosten, 1265), "0,025");
    Tippe(Edit(Kosten, 1262), "55");
    Tippe(Edit(Kosten, 1256), "1800");
    Tippe(Edit(Kosten, 1264), "3000");
    GeheZu(Optimierung);
    EXPECT_DOUBLE_EQ(sheet.m_Optionen.Brennstoffkosten1, 0.06);
    EXPECT_DOUBLE_EQ(sheet.m_Optionen.Brennstoffkosten7, 0.025);
    EXPECT_DOUBLE_EQ(sheet.m_Optionen.Zentralheizung, 55);
    EXPECT_DOUBLE_EQ(sheet.m_Optionen.HeizkesselTauschen, 1800);
    EXPECT_DOUBLE_EQ(sheet.m_Optionen.AlteHeizung, 3000);

    Tippe(Edit(Optimierung, 1258), "25");
    Klicke(Knopf(1));
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.m_Optionen.AnzahlVarianten, 25);
    // The options without a page keep their values.
    EXPECT_EQ(sheet.m_Optionen.Sanierungsalgorithmus, 2);
    EXPECT_EQ(sheet.m_Optionen.Versuche, 9);
    EXPECT_TRUE(skript.Anfragen().empty());
}

TEST_F(OptionenBlatt, TheLimitRowFollowsTheCriterion)
{
    QLabel* label = Feld<QLabel>(Optimierung, 1260);
    QLineEdit* grenze = Edit(Optimierung, 1259);
    QLabel* einheit = Feld<QLabel>(Optimierung, 1261);
    const auto zeile = [&] { return std::vector<QWidget*>{label, grenze, einheit}; };

    // Criterion 0 (the default) shows no limit.
    EXPECT_TRUE(Feld<QRadioButton>(Optimierung, 1216)->isChecked());
    for (QWidget* w : zeile()) {
        EXPECT_FALSE(w->isVisible());
        EXPECT_FALSE(w->isEnabled());
    }

    struct Case {
        int radio;
        bool sichtbar;
        const char* label;
        const char* einheit;
    };
    const Case cases[] = {
        {1217, true, "K&ostenlimit:", "EUR"},
        {1218, true, "&Verbrauch:", "kWh/m²a"},
        {1216, false, nullptr, nullptr},
        {1217, true, "K&ostenlimit:", "EUR"},
    };
    Klicke(Feld<QRadioButton>(Optimierung, 1217));
    EXPECT_EQ(grenze->text(), QString("10000"));
    Tippe(grenze, "7500");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radio);
        Klicke(Feld<QRadioButton>(Optimierung, c.radio));
        for (QWidget* w : zeile()) {
            EXPECT_EQ(w->isVisible(), c.sichtbar);
            EXPECT_EQ(w->isEnabled(), c.sichtbar);
        }
        if (c.sichtbar) {
            EXPECT_EQ(label->text(), QString::fromUtf8(c.label));
            EXPECT_EQ(einheit->text(), QString::fromUtf8(c.einheit));
            EXPECT_EQ(grenze->text(), QString("7500")); // the previous limit comes back
        }
    }
    Klicke(Knopf(1));
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.m_Optionen.Index, 1);
    EXPECT_DOUBLE_EQ(sheet.m_Optionen.GetGrenze(), 7500);
}

TEST_F(OptionenBlatt, AStoredCriterionShowsItsRowWhenThePageOpens)
{
    DOptionen o = start;
    o.Index = 2;
    o.SetGrenze(85);
    sheet.m_Optionen = o;
    sheet.Seite(Optimierung)->OnSetActive();
    EXPECT_TRUE(Feld<QRadioButton>(Optimierung, 1218)->isChecked());
    EXPECT_EQ(Feld<QLabel>(Optimierung, 1260)->text(), QString("&Verbrauch:"));
    EXPECT_EQ(Feld<QLabel>(Optimierung, 1261)->text(), QString("kWh/m²a"));
    EXPECT_EQ(Edit(Optimierung, 1259)->text(), QString("85"));
    EXPECT_TRUE(Edit(Optimierung, 1259)->isVisible());
}

TEST_F(OptionenBlatt, AHiddenLimitIsNeitherCheckedNorTaken)
{
    Klicke(Feld<QRadioButton>(Optimierung, 1217));
    Tippe(Edit(Optimierung, 1259), "viel");
    Klicke(Feld<QRadioButton>(Optimierung, 1216));
    Klicke(Knopf(1));
    EXPECT_TRUE(skript.Anfragen().empty());
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.m_Optionen.Index, 0);
    EXPECT_DOUBLE_EQ(sheet.m_Optionen.GetGrenze(), 10000);
}

TEST_F(OptionenBlatt, VorgabeAnsweredNoChangesNothing)
{
    GeheZu(Kosten);
    Tippe(Edit(Kosten, 1257), "0,08");
    skript.Antworte(QMessageBox::No);
    Klicke(Knopf(1257));
    ASSERT_EQ(skript.Anfragen().size(), 1u);
    const Meldung::Anfrage& frage = skript.Anfragen().front();
    EXPECT_EQ(frage.text, QString("Alle Einstellungen zurücksetzen?"));
    EXPECT_EQ(frage.knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(frage.symbol, Meldung::Symbol::Frage);
    EXPECT_EQ(Edit(Kosten, 1257)->text(), QString("0,08"));
    EXPECT_TRUE(sheet.m_Optionen == start);
}

TEST_F(OptionenBlatt, VorgabeAnsweredYesShowsTheDefaultsAtOnceAndOnTheOtherPages)
{
    DOptionen o = start;
    o.AnzahlVarianten = 12;
    o.Zentralheizung = 70;
    o.BrennstoffBeibehalten = 0;
    o.Brennstoff = 3;
    sheet.m_Optionen = o;
    GeheZu(Kosten);
    EXPECT_EQ(Edit(Kosten, 1262)->text(), QString("70"));

    skript.Antworte(QMessageBox::Yes);
    Klicke(Knopf(1257));
    EXPECT_EQ(Edit(Kosten, 1257)->text(), QString("0,1345"));
    EXPECT_EQ(Edit(Kosten, 1262)->text(), QString("40"));
    EXPECT_EQ(Edit(Kosten, 1256)->text(), QString("1500"));
    EXPECT_EQ(QApplication::focusWidget(), Knopf(1257));
    EXPECT_TRUE(sheet.m_Optionen == DOptionen());

    GeheZu(Optimierung);
    EXPECT_EQ(Edit(Optimierung, 1258)->text(), QString("1"));
    GeheZu(Sanierung);
    EXPECT_TRUE(Feld<QCheckBox>(Sanierung, 1267)->isChecked());
    Klicke(Knopf(1));
    EXPECT_TRUE(sheet.m_Optionen == DOptionen());
}

TEST_F(OptionenBlatt, DistributionKindsSetTheirEfficiency)
{
    DOptionen o = start;
    o.WaermeverteilungBeibehalten = 0;
    o.Verteilungsnutzungsgrad = 0.85;
    o.HeizungsverteilungsArt = "eigene Verteilung";
    sheet.m_Optionen = o;
    GeheZu(Sanierung);
    auto* art = Feld<QComboBox>(Sanierung, 1271);
    QLineEdit* eta = Edit(Sanierung, 1270);
    EXPECT_EQ(art->currentText(), QString("eigene Verteilung"));
    EXPECT_EQ(eta->text(), QString("85"));

    ASSERT_EQ(art->count(), 4);
    // Choosing an entry from the program's side is no choice of the user.
    art->setCurrentIndex(0);
    EXPECT_EQ(eta->text(), QString("85"));

    // The arrow keys choose the entries as the list does.
    const char* const raeume = "Stockwerksheizung mit (mehreren) Wärmeerzeugern in den Räumen";
    const char* const wohnung = "Stockwerksheizung mit einem Wärmeerzeuger innerhalb der Wohnung";
    const char* const zentral = "Zentralheizung (Wärmeerzeugung im Gebäude)";
    const char* const block = "Blockheizung (Wärmeerzeugung für mehrere Gebäude)";
    struct Case {
        Qt::Key taste;
        const char* text;
        const char* prozent;
    };
    const Case cases[] = {
        {Qt::Key_Down, wohnung, "98"}, {Qt::Key_Down, zentral, "96"}, {Qt::Key_Down, block, "93"},
        {Qt::Key_Up, zentral, "96"},   {Qt::Key_Up, wohnung, "98"},   {Qt::Key_Up, raeume, "100"},
        {Qt::Key_Down, wohnung, "98"}, {Qt::Key_Down, zentral, "96"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QTest::keyClick(art, c.taste);
        EXPECT_EQ(art->currentText(), QString::fromUtf8(c.text));
        EXPECT_EQ(eta->text(), QString::fromUtf8(c.prozent));
    }
    Klicke(Knopf(1));
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.m_Optionen.HeizungsverteilungsArt, "Zentralheizung (Wärmeerzeugung im Gebäude)");
    EXPECT_DOUBLE_EQ(sheet.m_Optionen.Verteilungsnutzungsgrad, 0.96);
}

TEST_F(OptionenBlatt, ATypedDistributionKeepsTheEfficiency)
{
    DOptionen o = start;
    o.WaermeverteilungBeibehalten = 0;
    sheet.m_Optionen = o;
    GeheZu(Sanierung);
    auto* art = Feld<QComboBox>(Sanierung, 1271);
    Tippe(Edit(Sanierung, 1270), "91,5");
    art->lineEdit()->selectAll();
    QTest::keyClicks(art->lineEdit(), "Nahwaerme");
    QTest::keyClick(art->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(Edit(Sanierung, 1270)->text(), QString("91,5"));
    EXPECT_EQ(art->count(), 4); // typing adds no entry
    Klicke(Knopf(1));
    EXPECT_EQ(sheet.m_Optionen.HeizungsverteilungsArt, "Nahwaerme");
    EXPECT_DOUBLE_EQ(sheet.m_Optionen.Verteilungsnutzungsgrad, 0.915);
}

TEST_F(OptionenBlatt, WieBestandShowsTheExistingHeatingAndDisablesTheInput)
{
    DOptionen o = start;
    o.BrennstoffBeibehalten = 1;
    o.Brennstoff = 3;
    o.EinschaltdauerBeibehalten = 0;
    o.Einschaltdauer = 2000;
    o.WaermeverteilungBeibehalten = 1;
    o.HeizungsverteilungsArt = "Blockheizung (Wärmeerzeugung für mehrere Gebäude)";
    o.Verteilungsnutzungsgrad = 0.93;
    sheet.m_Optionen = o;
    GeheZu(Sanierung);

    auto* brennstoff = Feld<QComboBox>(Sanierung, 1006);
    QLineEdit* dauer = Edit(Sanierung, 1148);
    auto* art = Feld<QComboBox>(Sanierung, 1271);
    QLineEdit* eta = Edit(Sanierung, 1270);
    // Ticked rows show the existing heating, disabled; the others the record.
    EXPECT_EQ(brennstoff->currentText(), QString("Öl"));
    EXPECT_FALSE(brennstoff->isEnabled());
    EXPECT_EQ(dauer->text(), QString("2000"));
    EXPECT_TRUE(dauer->isEnabled());
    EXPECT_EQ(art->currentText(), QString("Fernwärme-Übergabestation"));
    EXPECT_EQ(eta->text(), QString("90"));
    EXPECT_FALSE(art->isEnabled());
    EXPECT_FALSE(eta->isEnabled());

    // Ticking copies the existing value at once; clearing keeps it and
    // enables the input again.
    auto* dauerBestand = Feld<QCheckBox>(Sanierung, 1268);
    EXPECT_EQ(dauerBestand->text(), QString("wie &Bestand"));
    Klicke(dauerBestand);
    EXPECT_EQ(dauer->text(), QString("5000"));
    EXPECT_FALSE(dauer->isEnabled());
    Klicke(dauerBestand);
    EXPECT_EQ(dauer->text(), QString("5000"));
    EXPECT_TRUE(dauer->isEnabled());
    Tippe(dauer, "4000");

    Klicke(Feld<QCheckBox>(Sanierung, 1269));
    EXPECT_TRUE(art->isEnabled());
    EXPECT_TRUE(eta->isEnabled());
    EXPECT_EQ(art->currentText(), QString("Fernwärme-Übergabestation"));

    Klicke(Knopf(1));
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    const DOptionen& r = sheet.m_Optionen;
    EXPECT_EQ(r.BrennstoffBeibehalten, 1);
    EXPECT_EQ(r.Brennstoff, 3); // a ticked row keeps the record's own value
    EXPECT_EQ(r.EinschaltdauerBeibehalten, 0);
    EXPECT_DOUBLE_EQ(r.Einschaltdauer, 4000);
    EXPECT_EQ(r.WaermeverteilungBeibehalten, 0);
    EXPECT_EQ(r.HeizungsverteilungsArt, "Fernwärme-Übergabestation");
    EXPECT_DOUBLE_EQ(r.Verteilungsnutzungsgrad, 0.9);
}

TEST_F(OptionenBlatt, AFuelBeyondTheListIsKept)
{
    for (int brennstoff : {5, 6, 7}) {
        SCOPED_TRACE(brennstoff);
        DOptionen o = start;
        o.BrennstoffBeibehalten = 0;
        o.Brennstoff = brennstoff;
        sheet.m_Optionen = o;
        if (sheet.AktiveSeite() == Sanierung)
            sheet.Seite(Sanierung)->OnSetActive();
        else
            GeheZu(Sanierung);
        EXPECT_EQ(Feld<QComboBox>(Sanierung, 1006)->currentIndex(), -1);
        GeheZu(Kosten);
        EXPECT_EQ(sheet.m_Optionen.Brennstoff, brennstoff);
        GeheZu(Sanierung);
    }
    // A fuel chosen from the list is stored by its code.
    auto* liste = Feld<QComboBox>(Sanierung, 1006);
    EXPECT_EQ(liste->itemText(2), QString("fester Brennstoff"));
    liste->setCurrentIndex(3);
    Klicke(Knopf(1));
    EXPECT_EQ(sheet.m_Optionen.Brennstoff, 3);
}

TEST_F(OptionenBlatt, AbbrechenLeavesTheCallerSRecordAlone)
{
    GeheZu(Kosten);
    Tippe(Edit(Kosten, 1257), "11"); // wrong, but Abbrechen asks nothing
    Klicke(Knopf(2));
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(sheet.result(), QDialog::Rejected);
    EXPECT_TRUE(skript.Anfragen().empty());
}

// ----- the options command --------------------------------------------------

// Runs `schritte` on the modal sheet as soon as it shows.
void AmModalenBlatt(std::function<void(Optionen&)> schritte)
{
    QTimer::singleShot(0, [schritte] {
        auto* sheet = qobject_cast<Optionen*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        schritte(*sheet);
    });
}

class OptionenBefehlTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        optionen.Sanierungsalgorithmus = 1;
        haus.m_aHeizung[0] = Bestandsheizung();
    }
    QString ProfilDatei() const { return ordner.filePath("profil.ini"); }

    QTemporaryDir ordner;
    SkriptMeldungen skript;
    Haus haus;
    DOptionen optionen;
};

TEST_F(OptionenBefehlTest, OkTakesTheSheetAndYesStoresItAsDefaults)
{
    QtProfil profil(ProfilDatei());
    skript.Antworte(QMessageBox::Yes);
    AmModalenBlatt([](Optionen& sheet) {
        sheet.Seiten()->setCurrentIndex(Kosten);
        Tippe(FindeId<QLineEdit>(sheet.Seite(Kosten), 1257), "0,07");
        sheet.Seiten()->setCurrentIndex(Sanierung);
        // The page "Sanierung" offers the existing heating of the house.
        Klicke(FindeId<QCheckBox>(sheet.Seite(Sanierung), 1268));
        Klicke(FindeId<QCheckBox>(sheet.Seite(Sanierung), 1268));
        EXPECT_EQ(FindeId<QLineEdit>(sheet.Seite(Sanierung), 1148)->text(), QString("5000"));
        Klicke(FindeDirektId<QPushButton>(&sheet, 1));
    });
    const DialogErgebnis e = ZeigeOptionen(nullptr, optionen, haus, profil);
    EXPECT_TRUE(e.uebernommen);
    EXPECT_TRUE(e.geaendert);
    EXPECT_DOUBLE_EQ(optionen.Brennstoffkosten1, 0.07);
    EXPECT_EQ(optionen.EinschaltdauerBeibehalten, 1);
    EXPECT_EQ(optionen.Sanierungsalgorithmus, 1);

    ASSERT_EQ(skript.Anfragen().size(), 1u);
    EXPECT_EQ(skript.Anfragen()[0].text,
              QString("Sollen die Optionen als Standard für\nzukünftige Projekte gespeichert werden?"));
    EXPECT_EQ(skript.Anfragen()[0].knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(skript.Anfragen()[0].symbol, Meldung::Symbol::Frage);

    // The profile holds the options: a fresh record read from it equals them.
    QtProfil wieder(ProfilDatei());
    DOptionen gelesen;
    gelesen.Brennstoffkosten1 = 0;
    gelesen.LeseOptionen(wieder);
    EXPECT_TRUE(gelesen == optionen);
    EXPECT_DOUBLE_EQ(LeseProfilDouble(wieder, "Optionen", "mk_Preis0", -1), 0.07);
}

TEST_F(OptionenBefehlTest, NoLeavesTheProfileAndAbbrechenLeavesEverything)
{
    {
        QtProfil profil(ProfilDatei());
        skript.Antworte(QMessageBox::No);
        AmModalenBlatt([](Optionen& sheet) {
            Tippe(FindeId<QLineEdit>(sheet.Seite(Optimierung), 1258), "3");
            Klicke(FindeDirektId<QPushButton>(&sheet, 1));
        });
        const DialogErgebnis e = ZeigeOptionen(nullptr, optionen, haus, profil);
        EXPECT_TRUE(e.uebernommen);
        EXPECT_TRUE(e.geaendert);
        EXPECT_EQ(optionen.AnzahlVarianten, 3);
        EXPECT_FALSE(profil.LeseInt("Optionen", "mo_Anzahl").has_value());
    }
    {
        QtProfil profil(ProfilDatei());
        const DOptionen vorher = optionen;
        AmModalenBlatt([](Optionen& sheet) {
            Tippe(FindeId<QLineEdit>(sheet.Seite(Optimierung), 1258), "7");
            Klicke(FindeDirektId<QPushButton>(&sheet, 2));
        });
        const DialogErgebnis e = ZeigeOptionen(nullptr, optionen, haus, profil);
        EXPECT_FALSE(e.uebernommen);
        EXPECT_FALSE(e.geaendert);
        EXPECT_TRUE(optionen == vorher);
    }
    EXPECT_EQ(skript.Anfragen().size(), 1u); // Abbrechen asks nothing
}

TEST_F(OptionenBefehlTest, OkWithoutAChangeIsNoChange)
{
    QtProfil profil(ProfilDatei());
    skript.Antworte(QMessageBox::No);
    AmModalenBlatt([](Optionen& sheet) {
        sheet.Seiten()->setCurrentIndex(Sanierung);
        sheet.Seiten()->setCurrentIndex(Kosten);
        Klicke(FindeDirektId<QPushButton>(&sheet, 1));
    });
    const DOptionen vorher = optionen;
    const DialogErgebnis e = ZeigeOptionen(nullptr, optionen, haus, profil);
    EXPECT_TRUE(e.uebernommen);
    EXPECT_FALSE(e.geaendert);
    EXPECT_TRUE(optionen == vorher);
}

TEST_F(OptionenBefehlTest, AProfileThatRefusesAValueIsReported)
{
    test::SpeicherProfil profil;
    profil.verweigere = "ms_Vert";
    skript.Antworte(QMessageBox::Yes);
    EXPECT_FALSE(SpeichereOptionenAlsStandard(nullptr, optionen, profil));
    ASSERT_EQ(skript.Anfragen().size(), 2u);
    EXPECT_EQ(skript.Anfragen()[1].text, QString("Die Optionen konnten nicht als Standard gespeichert werden."));
    EXPECT_EQ(skript.Anfragen()[1].symbol, Meldung::Symbol::Stopp);

    // Answered No, nothing is written and nothing is reported.
    profil.reihenfolge.clear();
    skript.Antworte(QMessageBox::No);
    EXPECT_TRUE(SpeichereOptionenAlsStandard(nullptr, optionen, profil));
    EXPECT_TRUE(profil.reihenfolge.empty());
    EXPECT_EQ(skript.Anfragen().size(), 3u);
}

// ----- the 3D-input options -------------------------------------------------

class DreiDOptionen : public testing::Test {
protected:
    void SetUp() override { Aktiviere(dlg); }
    QLineEdit* Edit(int id) const { return FindeDirektId<QLineEdit>(&dlg, id); }
    QCheckBox* Kasten(int id) const { return FindeDirektId<QCheckBox>(&dlg, id); }
    QPushButton* Knopf(int id) const { return FindeDirektId<QPushButton>(&dlg, id); }

    SkriptMeldungen skript;
    Haus haus;
    const Haus vorher{haus};
    C3DOptionenDlg dlg{haus};
};

bool GleicheEingabeOptionen(const Haus& a, const Haus& b)
{
    return a.RealAreaWidth == b.RealAreaWidth && a.RealAreaHeight == b.RealAreaHeight &&
           a.OpenGLWidth == b.OpenGLWidth && a.OpenGLHeight == b.OpenGLHeight &&
           a.Flaeche2DEingabe == b.Flaeche2DEingabe && a.RealGridWidth == b.RealGridWidth &&
           a.OpenGLGrid == b.OpenGLGrid && a.Flag2DSchritteDachvolumen == b.Flag2DSchritteDachvolumen &&
           a.Flag2DPixelZaehlraster == b.Flag2DPixelZaehlraster &&
           a.Flag2DAutoGratlinien == b.Flag2DAutoGratlinien &&
           a.Flag2DOnlineFirstDocken == b.Flag2DOnlineFirstDocken &&
           a.Flag2DNachherFirstDocken == b.Flag2DNachherFirstDocken;
}

TEST_F(DreiDOptionen, ShowsTheHouseAndWritesEveryFieldOnOk)
{
    EXPECT_EQ(dlg.windowTitle(), QString("Optionen der 3D-Eingabe"));
    EXPECT_EQ(Edit(1002)->text(), QString("20"));
    EXPECT_EQ(Edit(1003)->text(), QString("0,1"));
    EXPECT_EQ(Edit(1000)->text(), QString("10"));
    EXPECT_EQ(Edit(1001)->text(), QString("200"));
    EXPECT_FALSE(Kasten(1277)->isChecked());
    EXPECT_FALSE(Kasten(1032)->isChecked());
    EXPECT_TRUE(Kasten(1033)->isChecked());
    EXPECT_EQ(Kasten(1277)->text(), QString("Gratlinien automatisch generieren"));

    Tippe(Edit(1002), "35,5");
    Tippe(Edit(1003), "0,25");
    Tippe(Edit(1000), "40");
    Tippe(Edit(1001), "350");
    Klicke(Kasten(1277));
    Klicke(Kasten(1032));
    Klicke(Kasten(1033));
    Klicke(Knopf(1));

    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(dlg.Geaendert());
    for (double breite : {haus.RealAreaWidth, haus.RealAreaHeight, haus.OpenGLWidth, haus.OpenGLHeight})
        EXPECT_DOUBLE_EQ(breite, 35.5);
    EXPECT_DOUBLE_EQ(haus.Flaeche2DEingabe, 35.5 * 35.5);
    EXPECT_DOUBLE_EQ(haus.RealGridWidth, 0.25);
    EXPECT_DOUBLE_EQ(haus.OpenGLGrid, 0.25);
    EXPECT_EQ(haus.Flag2DSchritteDachvolumen, 40);
    EXPECT_EQ(haus.Flag2DPixelZaehlraster, 350);
    EXPECT_EQ(haus.Flag2DAutoGratlinien, 1);
    EXPECT_EQ(haus.Flag2DOnlineFirstDocken, 1);
    EXPECT_EQ(haus.Flag2DNachherFirstDocken, 0);
    EXPECT_TRUE(skript.Anfragen().empty());
}

TEST_F(DreiDOptionen, WidthTwentyGivesAnAreaOfFourHundred)
{
    haus.RealAreaWidth = haus.RealAreaHeight = haus.OpenGLWidth = haus.OpenGLHeight = 50;
    haus.Flaeche2DEingabe = 2500;
    Tippe(Edit(1002), "20");
    Klicke(Knopf(1));
    EXPECT_DOUBLE_EQ(haus.RealAreaWidth, 20);
    EXPECT_DOUBLE_EQ(haus.RealAreaHeight, 20);
    EXPECT_DOUBLE_EQ(haus.OpenGLWidth, 20);
    EXPECT_DOUBLE_EQ(haus.OpenGLHeight, 20);
    EXPECT_DOUBLE_EQ(haus.Flaeche2DEingabe, 400);
}

TEST_F(DreiDOptionen, OutOfRangeValuesAreRefusedOnOkAndTheHouseStaysAsItWas)
{
    struct Case {
        int id;
        const char* eingabe;
        QString meldung;
    };
    const Case cases[] = {
        {1003, "0,005", ZahlBereich.arg("0,01", "5")},
        {1003, "5,01", ZahlBereich.arg("0,01", "5")},
        {1002, "0,99", ZahlBereich.arg("1", "100")},
        {1002, "101", ZahlBereich.arg("1", "100")},
        {1002, "", QStringLiteral("Geben Sie eine Zahl ein.")},
        {1000, "4", GanzzahlBereich.arg("5", "100")},
        {1000, "101", GanzzahlBereich.arg("5", "100")},
        {1001, "49", GanzzahlBereich.arg("50", "500")},
        {1001, "501", GanzzahlBereich.arg("50", "500")},
        {1001, "2,5", QStringLiteral("Geben Sie eine ganze Zahl ein.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.meldung.toStdString() + " for " + c.eingabe);
        QLineEdit* feld = Edit(c.id);
        const QString alt = feld->text();
        Tippe(feld, QString::fromUtf8(c.eingabe));
        const std::size_t vorherAnzahl = skript.Anfragen().size();
        QTest::keyClick(feld, Qt::Key_Return); // OK is the default button
        QApplication::processEvents();
        ASSERT_EQ(skript.Anfragen().size(), vorherAnzahl + 1);
        EXPECT_EQ(skript.Anfragen().back().text, c.meldung);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), feld);
        EXPECT_TRUE(GleicheEingabeOptionen(haus, vorher));
        Tippe(feld, alt);
    }
    // The smallest grid is taken.
    Tippe(Edit(1003), "0,01");
    Klicke(Knopf(1));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(haus.RealGridWidth, 0.01);
    EXPECT_DOUBLE_EQ(haus.OpenGLGrid, 0.01);
}

TEST_F(DreiDOptionen, AFieldIsCheckedWhenItLosesTheFocus)
{
    QLineEdit* raster = Edit(1003);
    Tippe(raster, "0,005");
    QTest::keyClick(raster, Qt::Key_Tab);
    QApplication::processEvents();
    ASSERT_EQ(skript.Texte(), QStringList({ZahlBereich.arg("0,01", "5")}));
    EXPECT_EQ(QApplication::focusWidget(), raster);
    EXPECT_EQ(raster->selectedText(), QString("0,005"));

    // A click on a check box leaves the field as well.
    Klicke(Kasten(1277));
    QApplication::processEvents();
    EXPECT_EQ(skript.Anfragen().size(), 2u);
    EXPECT_EQ(QApplication::focusWidget(), raster);

    // Going to OK reports it once, through OK's own check.
    Klicke(Knopf(1));
    QApplication::processEvents();
    EXPECT_EQ(skript.Anfragen().size(), 3u);
    EXPECT_TRUE(dlg.isVisible());

    // Abbrechen with the wrong value asks nothing and changes nothing.
    Klicke(Knopf(2));
    QApplication::processEvents();
    EXPECT_EQ(skript.Anfragen().size(), 3u);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(GleicheEingabeOptionen(haus, vorher));
    EXPECT_FALSE(dlg.Geaendert());
}

TEST_F(DreiDOptionen, TwoWrongFieldsGiveOnePromptForTheFirst)
{
    Tippe(Edit(1000), "1");
    Tippe(Edit(1002), "500"); // leaving 1000 for 1002 reports 1000
    QApplication::processEvents();
    ASSERT_EQ(skript.Texte(), QStringList({GanzzahlBereich.arg("5", "100")}));
    EXPECT_EQ(QApplication::focusWidget(), Edit(1000));
    QTest::keyClick(Edit(1000), Qt::Key_Return);
    QApplication::processEvents();
    // OK reports the width first (the fields' order), and moving the focus to
    // it does not report the other field again.
    ASSERT_EQ(skript.Anfragen().size(), 2u);
    EXPECT_EQ(skript.Anfragen().back().text, ZahlBereich.arg("1", "100"));
    EXPECT_EQ(QApplication::focusWidget(), Edit(1002));
    EXPECT_TRUE(dlg.isVisible());
}

TEST_F(DreiDOptionen, OkWithoutAChangeReportsNoChange)
{
    Tippe(Edit(1002), "20,0");
    Klicke(Knopf(1));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.Geaendert());
}

TEST(Zeige3DOptionen, ReportsTakenAndChanged)
{
    SkriptMeldungen skript;
    Haus haus;
    struct Case {
        const char* breite;
        int knopf;
        bool uebernommen;
        bool geaendert;
    };
    const Case cases[] = {{"30", 2, false, false}, {"20", 1, true, false}, {"30", 1, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.breite);
        haus.RealAreaWidth = haus.RealAreaHeight = haus.OpenGLWidth = haus.OpenGLHeight = 20;
        haus.Flaeche2DEingabe = 400;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<C3DOptionenDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            Tippe(FindeDirektId<QLineEdit>(dlg, 1002), QString::fromUtf8(c.breite));
            Klicke(FindeDirektId<QPushButton>(dlg, c.knopf));
        });
        const DialogErgebnis e = Zeige3DOptionen(nullptr, haus);
        EXPECT_EQ(e.uebernommen, c.uebernommen);
        EXPECT_EQ(e.geaendert, c.geaendert);
        EXPECT_DOUBLE_EQ(haus.Flaeche2DEingabe, c.geaendert ? 900 : 400);
    }
    EXPECT_TRUE(skript.Anfragen().empty());
}

} // namespace
} // namespace zeva
