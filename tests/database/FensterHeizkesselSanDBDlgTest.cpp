// The browse dialogs of the window measures and of the replacement boilers,
// driven as the user meets them on the shipped renovation-measure data base
// (built from the shipped scripts, with rows of the user's own added).
#include "DialogTestHilfen.h"

#include "database/CFensterSanDBDlg.h"
#include "database/CHeizkesselSanDBDlg.h"
#include "model/DOptionen.h"
#include "platform/SkriptMeldungen.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace zeva {
namespace {

using test::Eintraege;
using test::Id;
using test::Waehle;

class SanDatei {
public:
    explicit SanDatei(const std::string& name, const std::string& zusatz = {})
        : pfad(test::BaueDatenbank(
              name, {test::Schema("San2kvyke.1-schema.sql"), test::Schema("San2kvyke.2-daten.sql")}, zusatz))
    {
        SetzeSanierungsdatenbankdatei(pfad);
    }
    ~SanDatei() { SetzeSanierungsdatenbankdatei({}); }
    SanDatei(const SanDatei&) = delete;
    SanDatei& operator=(const SanDatei&) = delete;
    std::filesystem::path pfad;
};

QString Wert(const QDialog& d, int id) { return Id<QLabel>(d, id)->text(); }
QPushButton* Knopf(const QDialog& d, int id) { return Id<QPushButton>(d, id); }

const QStringList MitRahmen{"Holz-Alu-Fenster, 3-fach WSV", "Holzfenster, 3-fach WSV", "Kunststofffenster, 2-fach WSV",
                            "Kunststofffenster, 3-fach WSV", "Passivhausfenster"};
const QStringList OhneRahmen{"Austauschverglasung 2-fach WSV", "Austauschverglasung 3-fach WSV"};

TEST(FensterSanDBDlg, FrameKindsListsPricesAndTheTakenRow)
{
    const SanDatei datei("fenster.db");
    SkriptMeldungen meldungen;
    CFensterSanDBDlg dlg;
    dlg.m_nAuswahl = 1;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Sanierungsdatenbank Fenster"));
    auto* liste = Id<QComboBox>(dlg, 1236);
    auto* beibehalten = Id<QRadioButton>(dlg, 1234);
    auto* austauschen = Id<QRadioButton>(dlg, 1235);
    EXPECT_TRUE(austauschen->isChecked()) << "every run starts on austauschen";
    EXPECT_EQ(Eintraege(liste), MitRahmen);
    EXPECT_EQ(liste->currentText(), "Holzfenster, 3-fach WSV");
    EXPECT_EQ(Wert(dlg, 1229), "0,700"); // U-values with three decimals
    EXPECT_EQ(Wert(dlg, 1054), "1,500");
    EXPECT_EQ(Wert(dlg, 1075), "0,5");
    EXPECT_EQ(Wert(dlg, 1057), "0");
    EXPECT_EQ(Wert(dlg, 1055), "438") << "the study's full cost, all of it extra";
    EXPECT_EQ(Wert(dlg, 1056), "40");
    EXPECT_DOUBLE_EQ(dlg.m_PreisProQm, 438);
    EXPECT_FALSE(Knopf(dlg, 1030)->isEnabled()) << "a delivered measure";
    test::Bild(dlg, "sanierung-fenster-db");

    // The other kind keeps the list position, not the measure.
    QTest::mouseClick(beibehalten, Qt::LeftButton);
    EXPECT_EQ(dlg.m_bRahmenAustauschen, 0);
    EXPECT_EQ(Eintraege(liste), OhneRahmen);
    EXPECT_EQ(liste->currentText(), "Austauschverglasung 3-fach WSV");
    EXPECT_EQ(Wert(dlg, 1054), "0,000") << "the frame stays: the window record as constructed";
    EXPECT_EQ(Wert(dlg, 1055), "180");
    Waehle(liste, 0);
    EXPECT_EQ(dlg.GetAuswahl(), 0);
    EXPECT_EQ(Wert(dlg, 1055), "120");
    QTest::mouseClick(austauschen, Qt::LeftButton);
    EXPECT_EQ(liste->currentText(), "Holz-Alu-Fenster, 3-fach WSV");
    EXPECT_EQ(Wert(dlg, 1055), "630") << "180 extra + 450 anyway";
    QTest::mouseClick(beibehalten, Qt::LeftButton);
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ASSERT_TRUE(dlg.HatZeile());
    EXPECT_EQ(dlg.Zeile().Name, "Austauschverglasung 2-fach WSV");
    EXPECT_EQ(dlg.Zeile().FensterID, 6);
    EXPECT_EQ(dlg.m_bRahmenAustauschen, 0);
    EXPECT_DOUBLE_EQ(dlg.m_PreisProQm, 120);
    EXPECT_DOUBLE_EQ(dlg.m_Preisfix, 0);
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST(FensterSanDBDlg, PricesAreAlwaysTheSumsAndOnlyTheUsersRowsGo)
{
    const SanDatei datei(
        "fenster-eigen.db",
        "INSERT INTO [SanFenster] ([FensterID], [Kategorie], [Name], [kWertGlas], [gWert], [kWertRahmen], "
        "[Rahmenaustausch], [Lebensdauer], [Sowiesokostenfix], [Sowiesokosten], [Zusatzkostenfix], [Zusatzkosten]) "
        "VALUES (20, 0, 'Aaa eigenes', 1.0, 0.55, 1.2, 1, 30, 40, 200, 60, 0);");
    SkriptMeldungen meldungen;
    CFensterSanDBDlg dlg;
    dlg.show();
    auto* liste = Id<QComboBox>(dlg, 1236);
    ASSERT_EQ(liste->currentText(), "Aaa eigenes") << "a negative position selects the first";
    EXPECT_EQ(Wert(dlg, 1057), "100") << "60 extra + 40 anyway";
    EXPECT_EQ(Wert(dlg, 1055), "200") << "only costs arising anyway";
    ASSERT_TRUE(Knopf(dlg, 1030)->isEnabled());
    meldungen.Antworte(QMessageBox::Yes);
    QTest::mouseClick(Knopf(dlg, 1030), Qt::LeftButton);
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text,
              QStringLiteral("Sanierungsmaßnahme ''Aaa eigenes'' aus der Datenbank löschen?"));
    EXPECT_EQ(test::Zeilen(datei.pfad, "SELECT COUNT(*) FROM [SanFenster] WHERE [FensterID] = 20"), 0);
    EXPECT_EQ(Eintraege(liste), MitRahmen) << "the same frame kind";
}

TEST(FensterSanDBDlg, AWindowThatMayNotBeRenovatedIsOfferedNothing)
{
    const SanDatei datei("fenster-sanbar.db");
    SkriptMeldungen meldungen;
    CFensterSanDBDlg dlg;
    dlg.m_Bauteil.Sanbar = 0;
    dlg.show();
    EXPECT_EQ(Eintraege(Id<QComboBox>(dlg, 1236)), QStringList{CDatenbankDialog::Platzhalter});
    EXPECT_FALSE(Knopf(dlg, 1)->isEnabled());
    QTest::keyClick(&dlg, Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible()) << "nothing to take";
}

DOptionen Kosten()
{
    DOptionen o;
    o.HeizkesselTauschen = 1000;
    o.Zentralheizung = 50;
    return o;
}

DHeizung Gasheizung(double verteilung)
{
    DHeizung h;
    h.Name = "Alt";
    h.Brennstoff = BrennstoffGas;
    h.Verteilungsnutzungsgrad = verteilung;
    h.Bereitschaftszeit = 4000;
    h.Heizungsverteilung = "Zentralheizung (Wärmeerzeugung im Gebäude)";
    h.Sanbar = 1;
    return h;
}

TEST(HeizkesselSanDBDlg, RequiredPowerChoosesTheBoilerAndTheTakeOverWritesIt)
{
    const SanDatei datei("kessel.db");
    SkriptMeldungen meldungen;
    const DOptionen optionen = Kosten();
    CHeizkesselSanDBDlg dlg;
    dlg.m_pOptionen = &optionen;
    dlg.m_Normheizlast = 15;
    dlg.m_Energiebezugsflaeche = 120;
    dlg.m_Heizung = Gasheizung(0.96);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Sanierungsdatenbank Heizkessel"));
    EXPECT_DOUBLE_EQ(dlg.Leistung(), 15.625);
    EXPECT_EQ(Eintraege(Id<QComboBox>(dlg, 1106)), QStringList{"Gas-Brennwertkessel 15-25 kW"})
        << "not the 4-15 kW boiler";
    EXPECT_EQ(Wert(dlg, 1055), "8500") << "7500 + HeizkesselTauschen";
    EXPECT_EQ(Wert(dlg, 1056), "20");
    EXPECT_EQ(Wert(dlg, 1207), "101,4") << "1.0949 / 1.08, on the net calorific value";
    EXPECT_TRUE(Id<QLabel>(dlg, 1207)->isVisible());
    EXPECT_FALSE(Id<QLabel>(dlg, 1204)->isVisible()) << "an efficiency replaces the losses";
    EXPECT_FALSE(Knopf(dlg, 1030)->isEnabled());
    test::Bild(dlg, "sanierung-heizkessel-db");
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    const DHeizung& h = dlg.m_Heizung;
    EXPECT_EQ(h.Name, "Gas-Brennwertkessel 15-25 kW");
    EXPECT_DOUBLE_EQ(h.Nennwaermeleistung, 20) << "the mean of the band";
    EXPECT_EQ(h.Einzelheiz, 0);
    EXPECT_DOUBLE_EQ(h.EtaEinzel, 0);
    EXPECT_DOUBLE_EQ(h.Jahresnutzungsgrad, 1.014);
    EXPECT_DOUBLE_EQ(h.Preis, 8500);
    EXPECT_DOUBLE_EQ(h.Lebensdauer, 20);
    EXPECT_DOUBLE_EQ(h.Kea, 1800);
    EXPECT_DOUBLE_EQ(h.Co2, 420);
    // What the dialog does not own stays the caller's.
    EXPECT_EQ(h.Brennstoff, BrennstoffGas);
    EXPECT_DOUBLE_EQ(h.Verteilungsnutzungsgrad, 0.96);
    EXPECT_DOUBLE_EQ(h.Bereitschaftszeit, 4000);
    EXPECT_EQ(h.Heizungsverteilung, "Zentralheizung (Wärmeerzeugung im Gebäude)");
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST(HeizkesselSanDBDlg, PowerRulesPricesAndTheNotRenovatableHeating)
{
    const SanDatei datei("kessel-regeln.db",
                         "INSERT INTO [SanHeizkessel] ([HeizungID], [Kategorie], [Name], [Leistung ab], "
                         "[Leistung bis], "
                         "[Abgasverlust], [Strahlungsverlust], [Bereitschaftsverlust], [Kesselnutzungsgrad], "
                         "[Brennstoff], [Preis], [Lebensdauer]) VALUES "
                         "(30, 0, 'Gas Eigenbau 10-20 kW', 10, 20, 0.08, 0.01, 0.015, 0, 0, 3000, 15);");
    const DOptionen optionen = Kosten();
    struct Fall {
        const char* was;
        double last;
        double verteilung;
        int einzel;
        int sanbar;
        QStringList namen;
        double leistung;
    };
    const Fall faelle[] = {
        {"undivided below 1e-8", 15, 0, 0, 1,
         {"Gas Eigenbau 10-20 kW", "Gas-Brennwertkessel 15-25 kW", "Gas-Brennwertkessel 4-15 kW"}, 15},
        {"raised to the smallest lower limit", 1, 0.96, 0, 1, {"Gas-Brennwertkessel 4-15 kW"}, 4},
        {"not renovatable", 15, 0.96, 0, 0, {CDatenbankDialog::Platzhalter}, 15.625},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        SkriptMeldungen meldungen;
        CHeizkesselSanDBDlg dlg;
        dlg.m_pOptionen = &optionen;
        dlg.m_Normheizlast = f.last;
        dlg.m_Heizung = Gasheizung(f.verteilung);
        dlg.m_Heizung.Sanbar = f.sanbar;
        dlg.show();
        EXPECT_EQ(Eintraege(Id<QComboBox>(dlg, 1106)), f.namen);
        EXPECT_DOUBLE_EQ(dlg.Leistung(), f.leistung);
        EXPECT_EQ(Knopf(dlg, 1)->isEnabled(), f.sanbar != 0);
    }

    // A single-room heating pays a new central heating on the area; a boiler
    // with losses shows them.
    SkriptMeldungen meldungen;
    CHeizkesselSanDBDlg dlg;
    dlg.m_pOptionen = &optionen;
    dlg.m_Normheizlast = 15;
    dlg.m_Energiebezugsflaeche = 120;
    dlg.m_Heizung = Gasheizung(1);
    dlg.m_Heizung.Einzelheiz = 1;
    dlg.show();
    Waehle(Id<QComboBox>(dlg, 1106), "Gas-Brennwertkessel 15-25 kW");
    EXPECT_EQ(Wert(dlg, 1055), "13500") << "7500 + 50 EUR/m² · 120 m²";
    Waehle(Id<QComboBox>(dlg, 1106), "Gas Eigenbau 10-20 kW");
    EXPECT_TRUE(Id<QLabel>(dlg, 1204)->isVisible());
    EXPECT_FALSE(Id<QLabel>(dlg, 1207)->isVisible());
    EXPECT_EQ(Wert(dlg, 1204), "8");
    EXPECT_EQ(Wert(dlg, 1205), "1");
    EXPECT_EQ(Wert(dlg, 1206), "1,5");
    EXPECT_TRUE(Knopf(dlg, 1030)->isEnabled());
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(dlg.m_Heizung.Nennwaermeleistung, 15);
    EXPECT_EQ(dlg.m_Heizung.Einzelheiz, 0);
    EXPECT_DOUBLE_EQ(dlg.m_Heizung.Abgasverlust, 0.08);
    EXPECT_DOUBLE_EQ(dlg.m_Heizung.Preis, 9000);
}

TEST(HeizkesselSanDBDlg, AfterADeletionTheSmallestLowerLimitIsThatOfTheWholeTable)
{
    const SanDatei datei("kessel-loeschen.db",
                         "INSERT INTO [SanHeizkessel] ([HeizungID], [Kategorie], [Name], [Leistung ab], "
                         "[Leistung bis], "
                         "[Kesselnutzungsgrad], [Brennstoff], [Preis], [Lebensdauer]) VALUES "
                         "(30, 0, 'Mein Kleinkessel', 4, 15, 0.9, 0, 3000, 15);");
    SkriptMeldungen meldungen;
    const DOptionen optionen = Kosten();
    CHeizkesselSanDBDlg dlg;
    dlg.m_pOptionen = &optionen;
    dlg.m_Normheizlast = 1;
    dlg.m_Heizung = Gasheizung(0.96);
    dlg.show();
    auto* liste = Id<QComboBox>(dlg, 1106);
    ASSERT_EQ(Eintraege(liste), (QStringList{"Gas-Brennwertkessel 4-15 kW", "Mein Kleinkessel"}));
    Waehle(liste, "Mein Kleinkessel");
    meldungen.Antworte(QMessageBox::Yes);
    QTest::mouseClick(Knopf(dlg, 1030), Qt::LeftButton);
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text,
              QStringLiteral("Sanierungsmaßnahme ''Mein Kleinkessel'' aus der Datenbank löschen?"));
    EXPECT_EQ(test::Zeilen(datei.pfad, "SELECT COUNT(*) FROM [SanHeizkessel]"), 28); // the shipped boilers
    EXPECT_EQ(Eintraege(liste), QStringList{"Gas-Brennwertkessel 4-15 kW"});
    EXPECT_DOUBLE_EQ(dlg.Leistung(), 4);
    EXPECT_TRUE(Knopf(dlg, 1)->isEnabled());
}

TEST(HeizkesselSanDBDlg, MissingFileGivesAnEmptyDialogThatHandsNothingBack)
{
    SetzeSanierungsdatenbankdatei(test::ProcessTempDir() / "gibtesnicht.db");
    SkriptMeldungen meldungen;
    CHeizkesselSanDBDlg kessel;
    kessel.m_Heizung = Gasheizung(0.96);
    kessel.show();
    ASSERT_FALSE(meldungen.Anfragen().empty());
    EXPECT_TRUE(meldungen.Anfragen()[0].text.startsWith(QStringLiteral("Database error: ")));
    EXPECT_FALSE(Knopf(kessel, 1)->isEnabled());
    QTest::keyClick(&kessel, Qt::Key_Return);
    EXPECT_EQ(kessel.m_Heizung.Name, "Alt");
    CFensterSanDBDlg fenster;
    fenster.show();
    EXPECT_FALSE(Knopf(fenster, 1)->isEnabled());
    EXPECT_FALSE(fenster.HatZeile());
    SetzeSanierungsdatenbankdatei({});
}

} // namespace
} // namespace zeva
