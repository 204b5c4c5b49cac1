// The step panels of the guided input in the started program: the project
// page with the postcode dialog, the six single-component pages and the
// heating page, driven as the user meets them, with the shipped data base.
#include "DetailsTestHilfen.h"
#include "support/Ausgabedatei.h"
#include "shell/RahmenTestHilfen.h"

#include "database/CHeizkesselSpeichernDlg.h"
#include "database/Datenbankdateien.h"
#include "geometry/C3DGenerator.h"
#include "geometry/DachTestHilfen.h"
#include "input/CEinzelSeite.h"
#include "input/CHeizungEingabeDlg.h"
#include "input/CKlimaregionDlg.h"
#include "input/CProjektDlg.h"
#include "model/Eingabehilfen.h"
#include "model/Haus.h"
#include "model/Klimadaten.h"
#include "model/Zahlentext.h"
#include "platform/DatenAustausch.h"
#include "shell/Befehle.h"
#include "shell/Schrittplatzhalter.h"
#include "ui/MeldungsNotifier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <fstream>

namespace zeva {
namespace {

using Panel = Schrittplatzhalter::Panel;
using test::Aktiv;
using test::Eintraege;
using test::Id;
using test::Klicke;
using test::Tippe;
using test::Waehle;

const QString TextUnzulaessig = QString::fromUtf8(CEinzelSeite::TextUnzulaessig);

Panel PanelFuer(int phase)
{
    return Schrittplatzhalter::PanelDesSchritts(phase);
}

QString Feld(const QWidget* seite, int id)
{
    const QWidget* w = FindeId(seite, id);
    EXPECT_NE(w, nullptr) << id;
    if (auto* text = qobject_cast<const QPlainTextEdit*>(w))
        return text->toPlainText();
    if (auto* liste = qobject_cast<const QComboBox*>(w))
        return liste->currentText();
    return w ? SteuerText(w) : QString();
}

void SetzeFeld(const QWidget* seite, int id, const QString& text)
{
    auto* feld = FindeId<QLineEdit>(seite, id);
    ASSERT_NE(feld, nullptr) << id;
    feld->setText(text);
}

void Bild(QWidget* fenster, const char* name)
{
    fenster->grab().save(test::Ausgabedatei(QStringLiteral("zeva-%1.png").arg(QString::fromLatin1(name))));
}

// The started program on a copy of the shipped data base.
class Schrittseiten : public test::GestartetesProgramm {
protected:
    Haus& H() const { return Dok().HausRef(); }

    // The step as a move shows it; a page made before re-reads the house as
    // the frame's refresh has it do, since the tests change the house behind
    // its back.
    template <class Seite = QDialog>
    Seite* Zeige(int phase)
    {
        rahmen->VerbergeSchrittfenster();
        H().Phase = phase;
        const bool neu = rahmen->Schrittpanel(PanelFuer(phase)) == nullptr;
        rahmen->ZeigeSchritt();
        QDialog* panel = rahmen->Schrittpanel(PanelFuer(phase));
        if (!neu)
            if (auto* leser = dynamic_cast<Schrittfenster*>(panel))
                leser->LiesHausNeu();
        EXPECT_NE(panel, nullptr) << phase;
        EXPECT_FALSE(Schrittplatzhalter::IstPlatzhalter(panel)) << phase;
        auto* seite = dynamic_cast<Seite*>(panel);
        EXPECT_NE(seite, nullptr) << phase;
        return seite;
    }

    // A drawn house with its components, at the heating step's data.
    void GebautesHaus()
    {
        test::GezeichnetesHaus(H());
        MeldungsNotifier notifier;
        ASSERT_EQ(C3DGenerator(H(), notifier).Erzeuge3DFlaechen(), 1);
        H().BerechneNettoflaechen();
    }
};

// ---------------------------------------------------------------- the project page

TEST_F(Schrittseiten, ProjectPageListsAndTheElectricityConversion)
{
    H().Energiebezugsflaeche = 150;
    H().Elektrizitaet = 80;
    auto* p = Zeige<CProjektDlg>(18);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->windowTitle(), QStringLiteral("Projekt"));
    EXPECT_EQ(Eintraege(Id<QComboBox>(*p, 1119)), CProjektDlg::Gebaeudetypen());
    EXPECT_EQ(Eintraege(Id<QComboBox>(*p, 1120)),
              QStringList({"0: Klimadaten nach DIN 4108-6", "1: Nord-/Ostsee", "2: Norddeutsches Tiefland",
                           "3: Ballungsgebiete", "4: Mittelgebirge ohne Hochlagen",
                           "5: Franken / nördl. Baden-Württemberg", "6: Nördl. Oberrheingraben",
                           "7: Südl. Oberrheingraben", "8: Donaubecken", "9: Alpenvorland (600 - 1000 m)",
                           "10: Schwarzwald", "11: Mittelgebirge / Hochlagen", "12: Bodensee"}));
    EXPECT_EQ(CProjektDlg::Gebaeudetypen(),
              QStringList({"Ein- bis Zweifamilien-Wohnhaus", "Mehrfamilien-Wohnhaus", "Verwaltungsgebäude", "Schule",
                           "Heim", "(Sonstige)"}));
    EXPECT_EQ(Feld(p, 1129), QStringLiteral("3330")) << "80 MJ/m² on 150 m², rounded to 3 digits";
    EXPECT_EQ(Feld(p, 1128), QStringLiteral("150"));
    for (int id : {1128, 1126, 1129, 1127, 1007, 1006, 1130})
        EXPECT_FALSE(FindeId(p, id)->isVisibleTo(p)) << "hidden " << id;
    EXPECT_EQ(Feld(p, 1282), QStringLiteral("<< Zurück"));
    Bild(p, "projekt");
    ASSERT_TRUE(p->SpeichereDaten());
    EXPECT_NEAR(H().Elektrizitaet, 79.92, 1e-9) << "3330 kWh back to MJ/m²";
    EXPECT_TRUE(Dok().IsModified());

    // The hidden area shows whole square metres; the conversion takes the
    // house's exact area, not the rounded text.
    H().Energiebezugsflaeche = 120.4;
    H().Elektrizitaet = 80;
    p = Zeige<CProjektDlg>(18);
    EXPECT_EQ(Feld(p, 1128), QStringLiteral("120"));
    EXPECT_EQ(Feld(p, 1129), QStringLiteral("2680"));
    ASSERT_TRUE(p->SpeichereDaten());
    EXPECT_DOUBLE_EQ(H().Elektrizitaet, 2680 / 120.4 * 3.6);

    // Step 1: no floor area yet; the house keeps its electricity.
    H().Energiebezugsflaeche = 0;
    H().Elektrizitaet = 80;
    p = Zeige<CProjektDlg>(1);
    EXPECT_EQ(Feld(p, 1129), QStringLiteral("0"));
    ASSERT_TRUE(p->SpeichereDaten());
    EXPECT_EQ(H().Elektrizitaet, 80);
}

TEST_F(Schrittseiten, ProjectPageClimateZones)
{
    auto* p = Zeige<CProjektDlg>(1);
    ASSERT_NE(p, nullptr);
    auto* klima = Id<QComboBox>(*p, 1120);
    EXPECT_EQ(H().Klimazone, 13);
    EXPECT_EQ(klima->currentIndex(), 0) << "zone 13: the DIN entry";

    // Entry 7 by "&Weiter >>": zone 7 with its tables.
    Waehle(klima, 7);
    Klicke(*p, 1281);
    EXPECT_EQ(H().Phase, 2);
    EXPECT_EQ(H().Klimazone, 7);
    Klimadaten zone7;
    ASSERT_TRUE(LeseKlimablock(KlimaDatei(), 7, zone7));
    EXPECT_EQ(static_cast<const Klimadaten&>(H()).Aussentemperatur, zone7.Aussentemperatur);

    // Enter stores the same zone.
    p = Zeige<CProjektDlg>(1);
    EXPECT_EQ(klima->currentIndex(), 7);
    Waehle(klima, 3);
    QTest::keyClick(Id(*p, 1125), Qt::Key_Return);
    EXPECT_EQ(H().Klimazone, 3);
    EXPECT_EQ(H().Phase, 1) << "Enter stays";
    EXPECT_TRUE(p->isVisible());

    // A house without climate data shows the DIN entry and gets zone 13.
    H().Klimazone = 0;
    p = Zeige<CProjektDlg>(1);
    EXPECT_EQ(klima->currentIndex(), 0);
    ASSERT_TRUE(p->SpeichereDaten());
    EXPECT_EQ(H().Klimazone, 13);
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST_F(Schrittseiten, ProjectPageRefusedAndImplausibleValues)
{
    auto* p = Zeige<CProjektDlg>(1);
    ASSERT_NE(p, nullptr);
    H().Beschreibung = "alt";
    // Year 999: the exchange refuses it and neither step button moves.
    Tippe(*p, 1122, QStringLiteral("neu"));
    Tippe(*p, 1125, QStringLiteral("999"));
    for (int knopf : {1281, 1282}) {
        Klicke(*p, knopf);
        ASSERT_FALSE(meldungen.Anfragen().empty());
        EXPECT_EQ(meldungen.Anfragen().back().text, QStringLiteral("Geben Sie eine ganze Zahl zwischen 1000 und 2100 ein."));
        EXPECT_EQ(H().Phase, 1) << knopf;
        EXPECT_EQ(H().Beschreibung, "alt") << "nothing stored";
    }

    // An air change of 50 passes the exchange; Enter stores it and then
    // refuses it with the stop sign.
    Tippe(*p, 1125, QStringLiteral("1965"));
    SetzeFeld(p, 1127, QStringLiteral("50"));
    const std::size_t vorher = meldungen.Anfragen().size();
    QTest::keyClick(Id(*p, 1122), Qt::Key_Return);
    ASSERT_EQ(meldungen.Anfragen().size(), vorher + 1);
    EXPECT_EQ(meldungen.Anfragen().back().text, QStringLiteral("Die Projektdaten sind nicht korrekt ausgefüllt."));
    EXPECT_EQ(meldungen.Anfragen().back().symbol, Meldung::Symbol::Stopp);
    EXPECT_EQ(H().Luftwechsel, 50);
    EXPECT_EQ(H().Baujahr, 1965);
    SetzeFeld(p, 1127, QStringLiteral("49,9"));
    QTest::keyClick(Id(*p, 1122), Qt::Key_Return);
    EXPECT_EQ(meldungen.Anfragen().size(), vorher + 1) << "below 50 passes";
    // Escape does nothing.
    QTest::keyClick(p, Qt::Key_Escape);
    EXPECT_TRUE(p->isVisible());
}

TEST_F(Schrittseiten, ProjectPageSetsTheDefaultBordersOnWeiter)
{
    struct Fall {
        bool keller, dach;
        int boden, decke;
    };
    const Fall faelle[] = {{true, true, 2, 0}, {false, true, 6, 0}, {true, false, 2, 2}, {false, false, 6, 2}};
    for (const Fall& f : faelle) {
        H().m_defaultBoden.Zone = 4;
        H().m_defaultDecke.Zone = 4;
        auto* p = Zeige<CProjektDlg>(1);
        ASSERT_NE(p, nullptr);
        Id<QCheckBox>(*p, 1021)->setChecked(f.keller);
        Id<QCheckBox>(*p, 1031)->setChecked(f.dach);
        // "<< Zurück" leaves the defaults.
        Klicke(*p, 1282);
        EXPECT_EQ(H().Phase, 0);
        EXPECT_EQ(H().m_defaultBoden.Zone, 4);
        p = Zeige<CProjektDlg>(1);
        Id<QCheckBox>(*p, 1021)->setChecked(f.keller);
        Id<QCheckBox>(*p, 1031)->setChecked(f.dach);
        Klicke(*p, 1281);
        EXPECT_EQ(H().Phase, 2);
        EXPECT_EQ(H().KellerBeheizt, f.keller ? 1 : 0);
        EXPECT_EQ(H().m_defaultBoden.Zone, f.boden) << f.keller;
        EXPECT_EQ(H().m_defaultDecke.Zone, f.decke) << f.dach;
    }

    // A flat roof after the roof was ticked: the tick is hidden, still stored.
    H().Steildach = 1;
    H().DachBeheizt = 0;
    auto* p = Zeige<CProjektDlg>(1);
    Id<QCheckBox>(*p, 1031)->setChecked(true);
    Id<QRadioButton>(*p, 1289)->click();
    EXPECT_FALSE(Id(*p, 1031)->isVisibleTo(p));
    Klicke(*p, 1281);
    EXPECT_EQ(H().Steildach, 0);
    EXPECT_EQ(H().DachBeheizt, 1);
    EXPECT_EQ(H().m_defaultDecke.Zone, 0);
    EXPECT_EQ(H().Phase, 2);
    p = Zeige<CProjektDlg>(1);
    EXPECT_TRUE(Id<QRadioButton>(*p, 1289)->isChecked());
    EXPECT_FALSE(Id(*p, 1031)->isVisibleTo(p));
    Id<QRadioButton>(*p, 1288)->click();
    EXPECT_TRUE(Id(*p, 1031)->isVisibleTo(p));
}

TEST_F(Schrittseiten, ProjectPageEnterAsksBeforeVariantsGo)
{
    H().Beschreibung = "alt";
    ASSERT_EQ(H().NeueVariante(true, rahmen->Optionen()), 1);
    auto* p = Zeige<CProjektDlg>(18);
    ASSERT_NE(p, nullptr);
    Tippe(*p, 1122, QStringLiteral("neu"));
    meldungen.Antworte(QMessageBox::No);
    QTest::keyClick(Id(*p, 1122), Qt::Key_Return);
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_TRUE(meldungen.Anfragen()[0].text.startsWith(QStringLiteral("Für Änderungen am bestehenden Gebäude")));
    EXPECT_EQ(meldungen.Anfragen()[0].symbol, Meldung::Symbol::Ausruf);
    EXPECT_EQ(H().Beschreibung, "alt") << "No leaves the house as it was";
    EXPECT_EQ(H().Varianten, 1);
    meldungen.Antworte(QMessageBox::Yes);
    QTest::keyClick(Id(*p, 1122), Qt::Key_Return);
    EXPECT_EQ(H().Beschreibung, "neu");
    EXPECT_EQ(H().Varianten, 0);
}

TEST_F(Schrittseiten, ProjectPagePostcodeSelectsTheRegionWithoutStoring)
{
    const std::filesystem::path ordner = std::filesystem::current_path() / "klima-plz";
    std::filesystem::create_directories(ordner);
    std::filesystem::copy_file(std::filesystem::path(ZEVA_DATA_DIR) / "klima" / "klima.rdt", ordner / "klima.rdt");
    std::ofstream(ordner / "plz.rdt") << "11 5\n10 2\n";
    SetzeKlimaOrdner(ordner);

    auto* p = Zeige<CProjektDlg>(1);
    ASSERT_NE(p, nullptr);
    QString label;
    bool okVorher = true;
    test::BeiModalemDialog([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Klimaregion aus Postleitzahl"));
        okVorher = Aktiv(*d, 1);
        Tippe(*d, 1000, QStringLiteral("01067"));
        label = test::Text(*d, 1276);
        Bild(d, "klimaregion");
        Klicke(*d, 1);
    });
    Klicke(*p, 1121);
    EXPECT_FALSE(okVorher) << "OK waits for a postcode";
    EXPECT_EQ(label, QStringLiteral("Klimaregion 2: Norddeutsches Tiefland"));
    EXPECT_EQ(Id<QComboBox>(*p, 1120)->currentIndex(), 2);
    EXPECT_EQ(H().Klimazone, 13) << "nothing stored before the next store";

    // Cancel selects nothing.
    test::BeiModalemDialog([](QDialog* d) {
        Tippe(*d, 1000, QStringLiteral("01100"));
        Klicke(*d, 2);
    });
    Klicke(*p, 1121);
    EXPECT_EQ(Id<QComboBox>(*p, 1120)->currentIndex(), 2);
    ASSERT_TRUE(p->SpeichereDaten());
    EXPECT_EQ(H().Klimazone, 2);
}

TEST_F(Schrittseiten, PostcodeDialogOnItsOwn)
{
    const std::filesystem::path ordner = std::filesystem::current_path() / "plz";
    std::filesystem::create_directories(ordner);
    std::ofstream(ordner / "plz.rdt") << "10 0\n12 13\n13 4\n";
    SetzeKlimaOrdner(ordner);
    {
        CKlimaregionDlg d;
        test::BeiModalemDialog([](QDialog* dlg) {
            struct Fall {
                const char* plz;
                const char* text;
                bool ok;
            };
            const Fall faelle[] = {{"01067", "", true},
                                   {" 1234", "", false},
                                   {"01300", "Klimaregion 4: Mittelgebirge ohne Hochlagen", true},
                                   {"1300", "", false},
                                   {"01300 ", "", false}};
            for (const Fall& f : faelle) {
                Tippe(*dlg, 1000, QString::fromLatin1(f.plz));
                EXPECT_EQ(test::Text(*dlg, 1276), QString::fromUtf8(f.text)) << f.plz;
                EXPECT_EQ(Aktiv(*dlg, 1), f.ok) << f.plz;
            }
            Tippe(*dlg, 1000, QStringLiteral("01067"));
            Klicke(*dlg, 1);
        });
        EXPECT_EQ(d.exec(), QDialog::Accepted);
        EXPECT_EQ(d.m_nKlimaregion, 1) << "region 0: the DIN entry";
    }

    // A missing table: the real path in the message, and Rejected.
    std::filesystem::remove(ordner / "plz.rdt");
    CKlimaregionDlg d;
    EXPECT_EQ(d.exec(), QDialog::Rejected);
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, QStringLiteral("Datei ") + QString::fromStdString(PlzDatei().string()) +
                                                QStringLiteral(" kann nicht geöffnet werden."));
    EXPECT_FALSE(d.isVisible());
}

// ---------------------------------------------------------------- the component pages

TEST_F(Schrittseiten, FirstShowingTakesTheDefaultTypesSilently)
{
    rahmen->Befehl(ID_FILE_NEW);
    int dialoge = 0;
    QTimer zaehler;
    QObject::connect(&zaehler, &QTimer::timeout, [&dialoge] {
        if (QApplication::activeModalWidget() != nullptr) {
            ++dialoge;
            QApplication::activeModalWidget()->close();
        }
    });
    zaehler.start(1);
    struct Fall {
        int phase;
        const char* titel;
        std::function<std::string(const Haus&)> name;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {2, "Eingabe Wand", [](const Haus& h) { return h.m_defaultWand.Name; }, "Hohlblockmauerwerk 30 cm"},
        {3, "Eingabe Fenster", [](const Haus& h) { return h.m_defaultFenster.NameGlas; }, "2-fach Isolierverglasung"},
        {4, "Eingabe Steildach", [](const Haus& h) { return h.m_defaultSteildach.Name; },
         "Sparrensteildach, ungedämmt"},
        {5, "Eingabe Flachdach", [](const Haus& h) { return h.m_defaultFlachdach.Name.substr(0, 8); }, "Warmdach"},
        {6, "Eingabe Decke", [](const Haus& h) { return h.m_defaultDecke.Name; }, "Holzdecke, begehbar"},
        {7, "Eingabe Boden", [](const Haus& h) { return h.m_defaultBoden.Name; }, "Ortbeton, schw. Estrich"},
    };
    for (const Fall& f : faelle) {
        auto* seite = Zeige<CEinzelSeite>(f.phase);
        ASSERT_NE(seite, nullptr);
        EXPECT_EQ(seite->windowTitle(), QString::fromUtf8(f.titel));
        EXPECT_EQ(f.name(H()), f.erwartet) << f.phase;
        EXPECT_EQ(Feld(seite, f.phase == 3 ? 1106 : 1051).left(8), QString::fromUtf8(f.erwartet).left(8));
        Bild(seite, (std::string("einzel") + std::to_string(f.phase)).c_str());
    }
    EXPECT_EQ(H().m_defaultFenster.NameRahmen, "Holzrahmen");
    EXPECT_GT(H().m_defaultFenster.kWertGlas, 0);
    EXPECT_GT(H().m_defaultWand.kWert, 0);
    EXPECT_FALSE(H().m_defaultWand.m_Schichtaufbau.empty());
    EXPECT_EQ(dialoge, 0) << "no dialog was shown";
    EXPECT_TRUE(meldungen.Anfragen().empty());
    EXPECT_FALSE(Dok().IsModified()) << "a new project stays unchanged";
}

TEST_F(Schrittseiten, WeiterChecksTheUValueAndTheNames)
{
    auto* wand = Zeige<CEinzelSeite>(2);
    ASSERT_NE(wand, nullptr);
    struct Fall {
        double u;
        bool weiter;
    };
    for (const Fall& f : {Fall{6, false}, Fall{0, false}, Fall{-1, false}, Fall{5.99, true}}) {
        Zeige<CEinzelSeite>(2);
        Dok().SetModifiedFlag(false);
        H().m_defaultWand.kWert = f.u;
        meldungen.Antworte(QMessageBox::Ok);
        Klicke(*wand, 1281);
        EXPECT_EQ(H().Phase, f.weiter ? 3 : 2) << f.u;
        EXPECT_EQ(Dok().IsModified(), f.weiter) << f.u;
        if (!f.weiter) {
            ASSERT_FALSE(meldungen.Anfragen().empty());
            EXPECT_EQ(meldungen.Anfragen().back().text, TextUnzulaessig);
            EXPECT_EQ(meldungen.Anfragen().back().knoepfe, QMessageBox::Ok);
            EXPECT_EQ(meldungen.Anfragen().back().symbol, Meldung::Symbol::Keins);
        }
    }
    const std::size_t gemeldet = meldungen.Anfragen().size();
    EXPECT_EQ(gemeldet, 3u);

    // An empty name is refused as well.
    Zeige<CEinzelSeite>(2);
    Tippe(*wand, 1051, QString());
    Klicke(*wand, 1281);
    EXPECT_EQ(H().Phase, 2);
    EXPECT_EQ(meldungen.Anfragen().size(), gemeldet + 1);

    // "<< Zurück" takes a changed name without the checks, and the project
    // is modified by it.
    Tippe(*wand, 1051, QStringLiteral("Neue Wand"));
    Dok().SetModifiedFlag(false);
    H().m_defaultWand.kWert = 9;
    Klicke(*wand, 1282);
    EXPECT_EQ(H().Phase, 1);
    EXPECT_EQ(H().m_defaultWand.Name, "Neue Wand");
    EXPECT_TRUE(Dok().IsModified());

    // A name over 30 characters, as a data-base type may have, is shown
    // whole; the next button brings the length prompt.
    H().m_defaultWand.Name = std::string(31, 'x');
    Zeige<CEinzelSeite>(2);
    EXPECT_EQ(Feld(wand, 1051).size(), 31);
    Klicke(*wand, 1281);
    EXPECT_EQ(meldungen.Anfragen().back().text, QStringLiteral("Geben Sie nicht mehr als 30 Zeichen ein."));
    EXPECT_EQ(H().m_defaultWand.Name, std::string(31, 'x'));
    EXPECT_EQ(H().Phase, 2);
    // Enter and Escape do nothing.
    QTest::keyClick(Id(*wand, 1051), Qt::Key_Return);
    QTest::keyClick(wand, Qt::Key_Escape);
    EXPECT_TRUE(wand->isVisible());
    EXPECT_EQ(H().Phase, 2);
}

TEST_F(Schrittseiten, PageIdsNumbersAndBorderLists)
{
    struct Fall {
        int phase;
        int gegen;        // border list, 0 none
        int eintraege;    // entries of the list
        int weiter, zurueck;
        const char* zurueckText;
        int details;
        int nummer;
    };
    const Fall faelle[] = {{2, 1291, 7, 1281, 1282, "<<&Zurück", 1289, 1},
                           {3, 0, 0, 1281, 1282, "<< &Zurück", 1287, 1},
                           {4, 0, 0, 1281, 1282, "<< &Zurück", 1289, 1},
                           {5, 0, 0, 1281, 1282, "<< &Zurück", 1292, 0},
                           {6, 1281, 5, 1283, 1284, "<< &Zurück", 1282, 1},
                           {7, 1284, 7, 1281, 1282, "<< &Zurück", 1283, 1}};
    for (const Fall& f : faelle) {
        auto* seite = Zeige<CEinzelSeite>(f.phase);
        ASSERT_NE(seite, nullptr);
        EXPECT_EQ(Feld(seite, f.weiter), QStringLiteral("&Weiter >>")) << f.phase;
        EXPECT_EQ(Feld(seite, f.zurueck), QString::fromUtf8(f.zurueckText)) << f.phase;
        EXPECT_EQ(Feld(seite, f.details), QStringLiteral("De&tails...")) << f.phase;
        EXPECT_EQ(FindeId<QComboBox>(seite, 1281) != nullptr, f.phase == 6);
        if (f.gegen != 0) {
            auto* liste = Id<QComboBox>(*seite, f.gegen);
            EXPECT_EQ(liste->count(), f.eintraege);
            EXPECT_EQ(liste->itemText(0), f.phase == 6 ? QStringLiteral("beheizt") : QStringLiteral("Außenluft"));
            EXPECT_EQ(liste->itemText(f.eintraege - 1), QStringLiteral("unbeheizt + 8°C"));
            EXPECT_TRUE(Feld(seite, 1263).endsWith(QStringLiteral("  \ngegen...")));
        } else {
            EXPECT_EQ(FindeId(seite, 1263), nullptr);
        }
        EXPECT_EQ(Aktiv(*seite, 1119), f.phase != 3) << "windows go into no data base";
        QTest::mouseClick(Id<QPushButton>(*seite, f.weiter), Qt::LeftButton);
        const Haus& h = H();
        const int nummer[] = {0, 0, h.m_defaultWand.Nummer, h.m_defaultFenster.Nummer, h.m_defaultSteildach.Nummer,
                              h.m_defaultFlachdach.Nummer, h.m_defaultDecke.Nummer, h.m_defaultBoden.Nummer};
        EXPECT_EQ(nummer[f.phase], f.nummer) << f.phase;
    }

    // The list writes the border at once, and nothing else; a list without
    // a selection keeps it.
    auto* boden = Zeige<CEinzelSeite>(7);
    Tippe(*boden, 1051, QStringLiteral("noch nicht übernommen"));
    Waehle(Id<QComboBox>(*boden, 1284), 3);
    EXPECT_EQ(H().m_defaultBoden.Zone, 3);
    EXPECT_NE(H().m_defaultBoden.Name, "noch nicht übernommen");
    H().m_defaultBoden.Zone = 9;
    Zeige<CEinzelSeite>(7);
    EXPECT_EQ(Id<QComboBox>(*boden, 1284)->currentIndex(), -1);
    Klicke(*boden, 1282);
    EXPECT_EQ(H().m_defaultBoden.Zone, 9);
}

TEST_F(Schrittseiten, WindowPageFrameShareAndNames)
{
    H().m_defaultFenster.Richtung = 5;
    auto* f = Zeige<CEinzelSeite>(3);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Eingabe Fenster"));
    EXPECT_FALSE(Aktiv(*f, 1286));
    EXPECT_EQ(Feld(f, 1286), QString());
    Tippe(*f, 1285, QStringLiteral("30"));
    Klicke(*f, 1281);
    EXPECT_DOUBLE_EQ(H().m_defaultFenster.Rahmenanteil, 0.3);
    EXPECT_EQ(H().m_defaultFenster.Richtung, 5);
    EXPECT_EQ(H().Phase, 4);

    // Without a frame name the page stays.
    H().m_defaultFenster.NameRahmen.clear();
    Zeige<CEinzelSeite>(3);
    Klicke(*f, 1281);
    EXPECT_EQ(H().Phase, 3);
    EXPECT_EQ(meldungen.Anfragen().back().text, TextUnzulaessig);
    H().m_defaultFenster.NameRahmen = "Holzrahmen";
    H().m_defaultFenster.kWertGlas = 6;
    Klicke(*f, 1281);
    EXPECT_EQ(H().Phase, 3);
}

// Whatever writes a page's record marks the project modified, so that
// leaving it backwards or through a dialog loses nothing without the save
// question; a button that leaves the record as it was marks nothing.
TEST_F(Schrittseiten, EveryWriteOfASinglePageMarksTheProject)
{
    for (int phase = 2; phase <= 7; ++phase) {
        SCOPED_TRACE("Schritt " + std::to_string(phase));
        auto* seite = Zeige<CEinzelSeite>(phase);
        ASSERT_NE(seite, nullptr);
        const Einzelseitenart& art = seite->Art();
        Klicke(*seite, art.zurueckId);

        // "<< Zurück" with nothing changed, then with a new name.
        Zeige<CEinzelSeite>(phase);
        Dok().SetModifiedFlag(false);
        Klicke(*seite, art.zurueckId);
        EXPECT_FALSE(Dok().IsModified()) << "nothing changed";
        Zeige<CEinzelSeite>(phase);
        Tippe(*seite, art.nameId, QStringLiteral("Geändert %1").arg(phase));
        Klicke(*seite, art.zurueckId);
        EXPECT_TRUE(Dok().IsModified()) << "<< Zurück";

        // "Aus DB..." with another type.
        Zeige<CEinzelSeite>(phase);
        Dok().SetModifiedFlag(false);
        test::BeiModalemDialog([phase](QDialog* d) {
            // The window's glazing list, the other pages' type list.
            auto* liste = Id<QComboBox>(*d, phase == 3 ? 1227 : 1106);
            Waehle(liste, liste->count() - 1);
            Klicke(*d, 1);
        });
        Klicke(*seite, 1118);
        EXPECT_TRUE(Dok().IsModified()) << "Aus DB";

        // "Details..." with a typed U-value (the window's glass U-value).
        Dok().SetModifiedFlag(false);
        test::BeiModalemDialog([phase](QDialog* d) {
            if (phase == 3) {
                Tippe(*d, 1132, QStringLiteral("2,7"));
            } else {
                auto* schicht = Id<QCheckBox>(*d, 1008);
                if (schicht->isChecked())
                    schicht->click();
                Tippe(*d, 1053, QStringLiteral("0,37"));
            }
            Klicke(*d, 1);
        });
        Klicke(*seite, art.detailsId);
        EXPECT_TRUE(Dok().IsModified()) << "Details";

        // The border list writes at once.
        if (art.gegenId != 0) {
            Dok().SetModifiedFlag(false);
            auto* liste = Id<QComboBox>(*seite, art.gegenId);
            Waehle(liste, liste->currentIndex() == 2 ? 3 : 2);
            EXPECT_TRUE(Dok().IsModified()) << "border list";
        }
    }
}

// The frame share is a share: 0 and 100 % are taken, anything outside is
// refused with the exchange's range prompt and leaves the record.
TEST_F(Schrittseiten, WindowPageFrameShareWithinZeroAndHundred)
{
    struct Fall {
        const char* text;
        bool angenommen;
        double anteil;
    };
    const Fall faelle[] = {{"0", true, 0}, {"100", true, 1}, {"-1", false, 0}, {"100,5", false, 0}, {"150", false, 0}};
    for (const Fall& f : faelle) {
        H().m_defaultFenster.Rahmenanteil = 0.25;
        auto* seite = Zeige<CEinzelSeite>(3);
        ASSERT_NE(seite, nullptr);
        const std::size_t vorher = meldungen.Anfragen().size();
        Tippe(*seite, 1285, QString::fromUtf8(f.text));
        Klicke(*seite, 1281);
        if (f.angenommen) {
            EXPECT_EQ(H().Phase, 4) << f.text;
            EXPECT_DOUBLE_EQ(H().m_defaultFenster.Rahmenanteil, f.anteil) << f.text;
        } else {
            EXPECT_EQ(H().Phase, 3) << f.text;
            EXPECT_EQ(H().m_defaultFenster.Rahmenanteil, 0.25) << f.text;
            ASSERT_EQ(meldungen.Anfragen().size(), vorher + 1) << f.text;
            EXPECT_EQ(meldungen.Anfragen().back().text, QStringLiteral("Geben Sie eine Zahl zwischen 0 und 100 ein."))
                << f.text;
        }
    }
}

TEST_F(Schrittseiten, FloorPageFollowsTheBasementWhenActive)
{
    struct Fall {
        int beheizt;
        double hoehe;
        int aussen;
    };
    auto* boden = Zeige<CEinzelSeite>(7);
    ASSERT_NE(boden, nullptr);
    for (const Fall& f : {Fall{1, 2.5, 0}, Fall{0, 0.9, 0}, Fall{0, 1.0, 1}, Fall{1, 0.5, 0}}) {
        H().KellerBeheizt = f.beheizt;
        H().Kellerhoehe = f.hoehe;
        H().m_defaultBoden.SanbarAussen = 1 - f.aussen;
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(boden, &aktiv);
        EXPECT_EQ(H().m_defaultBoden.SanbarAussen, f.aussen) << f.beheizt << " " << f.hoehe;
    }
    // Other pages leave their records' flags alone.
    auto* wand = Zeige<CEinzelSeite>(2);
    H().m_defaultWand.SanbarAussen = 1;
    QEvent aktiv(QEvent::WindowActivate);
    QApplication::sendEvent(wand, &aktiv);
    EXPECT_EQ(H().m_defaultWand.SanbarAussen, 1);
}

TEST_F(Schrittseiten, AirLayerRuleAfterATakeOver)
{
    DSchicht luft;
    luft.Name = "Luftschicht";
    DSchicht stein;
    stein.Name = "Mauerwerk";
    struct Fall {
        int schicht;
        std::vector<DSchicht> schichten;
        int vorher, nachher;
    };
    const Fall faelle[] = {{1, {stein}, 1, 0}, {1, {stein, luft}, 1, 1}, {1, {stein, luft}, 0, 0}, {0, {}, 1, 1}};
    for (const Fall& f : faelle) {
        DWand w;
        w.Schicht = f.schicht;
        for (const DSchicht& s : f.schichten)
            w.m_Schichtaufbau.Add(s);
        w.SanbarZwischen = f.vorher;
        Wand_einzel::PruefeLuftschicht(w);
        EXPECT_EQ(w.SanbarZwischen, f.nachher) << f.schichten.size();
    }

    // The user's take-over on the wall page: the chosen type, then the rule.
    Zeige<CEinzelSeite>(2);
    H().m_defaultWand.SanbarZwischen = 1;
    H().m_defaultWand.Zone = 4;
    auto* wand = Zeige<CEinzelSeite>(2);
    ASSERT_NE(wand, nullptr);
    QString gewaehlt;
    test::BeiModalemDialog([&gewaehlt](QDialog* d) {
        auto* liste = Id<QComboBox>(*d, 1106);
        const int index = liste->findText(QStringLiteral("Vollziegel"), Qt::MatchStartsWith);
        Waehle(liste, index >= 0 ? index : 1);
        gewaehlt = liste->currentText();
        Klicke(*d, 1);
    });
    Klicke(*wand, 1118);
    EXPECT_EQ(H().m_defaultWand.Name, gewaehlt.toStdString());
    EXPECT_EQ(Feld(wand, 1051), gewaehlt);
    bool luftschicht = false;
    for (const DSchicht& s : H().m_defaultWand.m_Schichtaufbau)
        luftschicht = luftschicht || s.Name == "Luftschicht";
    EXPECT_EQ(H().m_defaultWand.SanbarZwischen, luftschicht ? 1 : 0);
    EXPECT_EQ(H().m_defaultWand.Zone, 4) << "the type leaves the border";
}

TEST_F(Schrittseiten, DetailsCopyBackOnOKOnly)
{
    auto* decke = Zeige<CEinzelSeite>(6);
    ASSERT_NE(decke, nullptr);
    const double u = H().m_defaultDecke.kWert;
    test::BeiModalemDialog([](QDialog* d) {
        Id<QCheckBox>(*d, 1008)->setChecked(false);
        Tippe(*d, 1053, QStringLiteral("0,35"));
        Klicke(*d, 2);
    });
    Klicke(*decke, 1282);
    EXPECT_EQ(H().m_defaultDecke.kWert, u) << "Abbrechen";
    test::BeiModalemDialog([](QDialog* d) {
        auto* schicht = Id<QCheckBox>(*d, 1008);
        if (schicht->isChecked())
            schicht->click();
        Tippe(*d, 1053, QStringLiteral("0,35"));
        Klicke(*d, 1);
    });
    Klicke(*decke, 1282);
    EXPECT_DOUBLE_EQ(H().m_defaultDecke.kWert, 0.35);
    EXPECT_EQ(H().Phase, 6);

    // The window's details.
    auto* fenster = Zeige<CEinzelSeite>(3);
    test::BeiModalemDialog([](QDialog* d) {
        Tippe(*d, 1132, QStringLiteral("2,7"));
        Klicke(*d, 1);
    });
    Klicke(*fenster, 1287);
    EXPECT_DOUBLE_EQ(H().m_defaultFenster.kWertGlas, 2.7);
}

// ---------------------------------------------------------------- the heating page

class Heizungsseite : public Schrittseiten {
protected:
    void SetUp() override
    {
        Schrittseiten::SetUp();
        GebautesHaus();
        MeldungsNotifier n;
        erforderlich = static_cast<int>(std::ceil(H().BerechneNormwaermebedarf(0, n)));
        ASSERT_GT(erforderlich, 0);
        seite = Zeige<CHeizungEingabeDlg>(17);
        ASSERT_NE(seite, nullptr);
    }
    void NimmKessel()
    {
        test::BeiModalemDialog([](QDialog* d) {
            Waehle(Id<QComboBox>(*d, 1106), QStringLiteral("Gaskessel, Verluste"));
            Klicke(*d, 1);
        });
        Klicke(*seite, 1118);
    }

    int erforderlich = 0;
    CHeizungEingabeDlg* seite = nullptr;
};

TEST_F(Heizungsseite, ANewHouseShowsTheRequiredPowerAndWaitsForAName)
{
    EXPECT_EQ(seite->windowTitle(), QStringLiteral("Eingabe Heizung"));
    EXPECT_TRUE(Id<QRadioButton>(*seite, 1142)->isChecked());
    EXPECT_EQ(Feld(seite, 1147), QString::number(erforderlich));
    EXPECT_EQ(Feld(seite, 1339), QStringLiteral("kW (Erforderlich: %1 kW)").arg(erforderlich));
    EXPECT_EQ(Feld(seite, 1154), QStringLiteral("Zentralheizung (Wärmeerzeugung im Gebäude)"));
    EXPECT_EQ(Feld(seite, 1153), QStringLiteral("96"));
    EXPECT_EQ(Eintraege(Id<QComboBox>(*seite, 1006)), CHeizungEingabeDlg::Brennstoffe());
    EXPECT_FALSE(Aktiv(*seite, 1281));
    EXPECT_FALSE(Aktiv(*seite, 1145)) << "the single-room block waits";
    Bild(seite, "heizung");
    // Typing a name is enough.
    Tippe(*seite, 1146, QStringLiteral("Mein Kessel"));
    EXPECT_TRUE(Aktiv(*seite, 1281));
    Tippe(*seite, 1146, QString());
    EXPECT_FALSE(Aktiv(*seite, 1281));

    // "Blockheizung" sets 93 at once.
    Waehle(Id<QComboBox>(*seite, 1154), 3);
    EXPECT_EQ(Feld(seite, 1153), QStringLiteral("93"));
}

TEST_F(Heizungsseite, ABoilerFromTheDataBaseAndTheEfficiencyFromItsLosses)
{
    NimmKessel();
    EXPECT_EQ(Feld(seite, 1146), QStringLiteral("Gaskessel, Verluste"));
    EXPECT_EQ(Feld(seite, 1149), QStringLiteral("11"));
    EXPECT_EQ(Feld(seite, 1150), QStringLiteral("1,5"));
    EXPECT_EQ(Feld(seite, 1151), QStringLiteral("2"));
    EXPECT_EQ(Feld(seite, 1147), QString::number(erforderlich)) << "the building's power, not the boiler's";
    EXPECT_TRUE(Aktiv(*seite, 1281));
    // The efficiency is that of the losses with the balance's demand.
    Haus kopie(H());
    MeldungsNotifier n;
    const double q = kopie.Waermebilanz(n);
    DHeizung h;
    const std::optional<double> eta =
        KesselnutzungsgradAusVerlusten(q, {double(erforderlich), 8760, 11, 1.5, 2, 96}, h);
    ASSERT_TRUE(eta.has_value());
    std::string text;
    ASSERT_TRUE(FormatiereStellen(*eta, text, 3));
    EXPECT_EQ(Feld(seite, 1152), QString::fromStdString(text));

    // Every keystroke in a loss recomputes; typing an efficiency clears the losses.
    Tippe(*seite, 1149, QStringLiteral("7"));
    EXPECT_NE(Feld(seite, 1152), QString::fromStdString(text));
    Tippe(*seite, 1152, QStringLiteral("88"));
    for (int id : {1149, 1150, 1151})
        EXPECT_EQ(Feld(seite, id), QStringLiteral("0")) << id;
    EXPECT_EQ(Feld(seite, 1152), QStringLiteral("88")) << "not recomputed from zero losses";

    // "&Nach DB..." hands over the working record with the fields as fractions.
    DHeizung uebergeben;
    test::BeiModalemDialog([&uebergeben](QDialog* d) {
        if (auto* s = dynamic_cast<CHeizkesselSpeichernDlg*>(d))
            uebergeben = s->m_Bauteil;
        d->reject();
    });
    Waehle(Id<QComboBox>(*seite, 1006), 1);
    Klicke(*seite, 1119);
    EXPECT_EQ(uebergeben.Name, "Gaskessel, Verluste");
    EXPECT_EQ(uebergeben.Brennstoff, 1);
    EXPECT_DOUBLE_EQ(uebergeben.Jahresnutzungsgrad, 0.88);
    EXPECT_EQ(uebergeben.Abgasverlust, 0);
    EXPECT_DOUBLE_EQ(uebergeben.Nennwaermeleistung, erforderlich);
    EXPECT_FALSE(uebergeben.Langtext.empty());

    // Weiter stores record 0, computes the demand and goes to step 18.
    H().m_aBedarf[0].Waermebedarf = -1;
    Klicke(*seite, 1281);
    EXPECT_EQ(H().Phase, 18);
    const DHeizung& k = H().m_aHeizung[0];
    EXPECT_EQ(k.Name, "Gaskessel, Verluste");
    EXPECT_EQ(k.Einzelheiz, 0);
    EXPECT_DOUBLE_EQ(k.Jahresnutzungsgrad, 0.88);
    EXPECT_EQ(k.Heizungsverteilung, "Zentralheizung (Wärmeerzeugung im Gebäude)");
    EXPECT_DOUBLE_EQ(k.Verteilungsnutzungsgrad, 0.96);
    EXPECT_GT(H().m_aBedarf[0].Waermebedarf, 0);
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

// On the net calorific value, which the fuel units count in, a condensing
// boiler of the data base exceeds 100 %; the page takes it as it comes and
// refuses only more than the design's 120 %, beyond every fuel's gross over
// net ratio (gas 109.5 %).
TEST_F(Heizungsseite, ACondensingBoilerAboveHundredPercentIsTakenAndStored)
{
    test::BeiModalemDialog([](QDialog* d) {
        if (test::Markiert(*d, 1132))
            Klicke(*d, 1132); // every year of construction
        Waehle(Id<QComboBox>(*d, 1106), QStringLiteral("Gas, Brennwert verbessert"));
        Klicke(*d, 1);
    });
    Klicke(*seite, 1118);
    EXPECT_EQ(Feld(seite, 1146), QStringLiteral("Gas, Brennwert verbessert"));
    EXPECT_EQ(Feld(seite, 1152), QStringLiteral("101,4"));

    Tippe(*seite, 1152, QStringLiteral("120,5"));
    const std::size_t vorher = meldungen.Anfragen().size();
    Klicke(*seite, 1281);
    ASSERT_EQ(meldungen.Anfragen().size(), vorher + 1);
    EXPECT_EQ(meldungen.Anfragen().back().text, QStringLiteral("Geben Sie eine Zahl zwischen 0 und 120 ein."));
    EXPECT_EQ(H().Phase, 17);

    Tippe(*seite, 1152, QStringLiteral("101,4"));
    Klicke(*seite, 1281);
    EXPECT_EQ(H().Phase, 18);
    const DHeizung& k = H().m_aHeizung[0];
    EXPECT_DOUBLE_EQ(k.Jahresnutzungsgrad, 1.014);
    // The fuel energy is the heat to be generated over that efficiency.
    MeldungsNotifier n;
    Haus kopie(H());
    const double q = kopie.Waermebilanz(n);
    DHeizung h = k;
    h.BerechneEndenergie(q);
    EXPECT_NEAR(h.Endenergie, q / (1.014 * k.Verteilungsnutzungsgrad), 1e-9 * h.Endenergie);
    EXPECT_LT(h.Endenergie * k.Verteilungsnutzungsgrad, q);
}

TEST_F(Heizungsseite, SingleRoomHeaters)
{
    Id<QRadioButton>(*seite, 1141)->click();
    EXPECT_TRUE(Aktiv(*seite, 1145));
    EXPECT_FALSE(Aktiv(*seite, 1146));
    auto* erzeuger = Id<QComboBox>(*seite, 1144);
    EXPECT_EQ(Eintraege(erzeuger), QStringList({"Außenwand-Gasraumheizer", "Flüssiggasheizgerät", "Gasheizstrahler",
                                                "Gasraumheizer", "Raumheizstrahler"}));
    EXPECT_FALSE(Aktiv(*seite, 1281));
    Waehle(Id<QComboBox>(*seite, 1006), 2);
    EXPECT_EQ(erzeuger->currentText(), QStringLiteral("Durchbrandofen")) << "the first of the fuel";
    EXPECT_EQ(Feld(seite, 1145), QStringLiteral("68"));
    Waehle(erzeuger, QStringLiteral("offener Kamin"));
    EXPECT_EQ(Feld(seite, 1145), QStringLiteral("18"));
    EXPECT_TRUE(Aktiv(*seite, 1281));
    Waehle(Id<QComboBox>(*seite, 1006), 4);
    EXPECT_EQ(erzeuger->count(), 0);
    EXPECT_EQ(erzeuger->currentText(), QString());
    EXPECT_EQ(Feld(seite, 1145), QStringLiteral("0"));
    EXPECT_FALSE(Aktiv(*seite, 1281));

    // Weiter as a single-room heating, whatever the central fields hold.
    Waehle(Id<QComboBox>(*seite, 1006), 3);
    Waehle(erzeuger, QStringLiteral("Speicherheizgerät"));
    Tippe(*seite, 1146, QStringLiteral("Kessel"));
    Klicke(*seite, 1281);
    EXPECT_EQ(H().Phase, 18);
    const DHeizung& k = H().m_aHeizung[0];
    EXPECT_EQ(k.Einzelheiz, 1);
    EXPECT_EQ(k.Name, "Speicherheizgerät");
    EXPECT_EQ(k.Brennstoff, 3);
    EXPECT_DOUBLE_EQ(k.EtaEinzel, 0.98);
    EXPECT_EQ(k.Bereitschaftszeit, 8760);
    EXPECT_EQ(k.Verteilungsnutzungsgrad, 1.0);
    EXPECT_EQ(k.Jahresnutzungsgrad, 0);
    EXPECT_EQ(k.Nennwaermeleistung, 0);
    EXPECT_EQ(k.Abgasverlust + k.Strahlungsverlust + k.Bereitschaftsverlust, 0);
    EXPECT_EQ(k.Heizungsverteilung, "");

    // Loaded again (the frame's refresh), the page shows the single-room record.
    seite->LiesHausNeu();
    EXPECT_TRUE(Id<QRadioButton>(*seite, 1141)->isChecked());
    EXPECT_EQ(Feld(seite, 1006), QStringLiteral("Strom"));
    EXPECT_EQ(erzeuger->currentText(), QStringLiteral("Speicherheizgerät"));
    EXPECT_EQ(erzeuger->count(), 4);
    EXPECT_EQ(Feld(seite, 1145), QStringLiteral("98"));
    EXPECT_EQ(Feld(seite, 1146), QString());
    EXPECT_TRUE(Aktiv(*seite, 1281));
    EXPECT_FALSE(Aktiv(*seite, 1147));
}

TEST_F(Heizungsseite, ABoilerTooSmallAsksTwiceAndNoStoresNothing)
{
    NimmKessel();
    H().m_aHeizung[0].Name = "vorher";
    Tippe(*seite, 1147, QStringLiteral("1"));
    Tippe(*seite, 1148, QStringLiteral("100"));
    meldungen.Antworte(QMessageBox::Yes);
    meldungen.Antworte(QMessageBox::No);
    Klicke(*seite, 1281);
    ASSERT_EQ(meldungen.Anfragen().size(), 2u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, QString::fromUtf8(WarnungWaermebedarf));
    EXPECT_EQ(meldungen.Anfragen()[1].text, QString::fromUtf8(WarnungNormwaermebedarf));
    for (const Meldung::Anfrage& a : meldungen.Anfragen()) {
        EXPECT_EQ(a.knoepfe, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(a.vorgabe, QMessageBox::No);
        EXPECT_EQ(a.symbol, Meldung::Symbol::Ausruf);
    }
    EXPECT_EQ(H().Phase, 17);
    EXPECT_EQ(H().m_aHeizung[0].Name, "vorher");

    // "<< &Zurück" stores nothing either.
    Klicke(*seite, 1282);
    EXPECT_EQ(H().Phase, 15);
    EXPECT_EQ(H().m_aHeizung[0].Name, "vorher");
    rahmen->NaechsterSchritt();
    ASSERT_EQ(H().Phase, 17);
    EXPECT_EQ(Feld(seite, 1147), QStringLiteral("1")) << "the page keeps its fields";
    meldungen.Antworte(QMessageBox::Yes);
    meldungen.Antworte(QMessageBox::Yes);
    Klicke(*seite, 1281);
    EXPECT_EQ(H().Phase, 18);
    EXPECT_EQ(H().m_aHeizung[0].Nennwaermeleistung, 1);
    EXPECT_EQ(H().m_aHeizung[0].Bereitschaftszeit, 100);
}

// "&Weiter >>" marks the project when it changes the existing heating; with
// variants it first asks, as every other page does, and "Nein" puts the
// stored heating back into the page and goes on with it.
TEST_F(Heizungsseite, WeiterMarksTheProjectAndAsksBeforeVariantsGo)
{
    Tippe(*seite, 1146, QStringLiteral("Kessel A"));
    Dok().SetModifiedFlag(false);
    Klicke(*seite, 1281);
    EXPECT_EQ(H().Phase, 18);
    EXPECT_EQ(H().m_aHeizung[0].Name, "Kessel A");
    EXPECT_TRUE(Dok().IsModified());

    // Unchanged: nothing written, nothing marked.
    Zeige<CHeizungEingabeDlg>(17);
    Dok().SetModifiedFlag(false);
    Klicke(*seite, 1281);
    EXPECT_EQ(H().Phase, 18);
    EXPECT_FALSE(Dok().IsModified());

    // With a variant: the question; "Nein" writes nothing.
    H().NeueVariante(true, rahmen->Optionen());
    Zeige<CHeizungEingabeDlg>(17);
    Dok().SetModifiedFlag(false);
    Tippe(*seite, 1146, QStringLiteral("Kessel B"));
    meldungen.Antworte(QMessageBox::No);
    const std::size_t vorher = meldungen.Anfragen().size();
    Klicke(*seite, 1281);
    ASSERT_EQ(meldungen.Anfragen().size(), vorher + 1);
    EXPECT_EQ(meldungen.Anfragen().back().text,
              QStringLiteral("Für Änderungen am bestehenden Gebäude müssen alle\nSanierungsvarianten gelöscht werden. "
                             "Jetzt löschen?"));
    EXPECT_EQ(H().Phase, 18) << "never stuck";
    EXPECT_EQ(H().m_aHeizung[0].Name, "Kessel A");
    EXPECT_EQ(H().Varianten, 1);
    EXPECT_FALSE(Dok().IsModified());
    EXPECT_EQ(Feld(seite, 1146), QStringLiteral("Kessel A")) << "the stored heating is back in the page";

    // "Ja": the variants go, the heating is written and the project marked.
    Zeige<CHeizungEingabeDlg>(17);
    Tippe(*seite, 1146, QStringLiteral("Kessel B"));
    meldungen.Antworte(QMessageBox::Yes);
    Klicke(*seite, 1281);
    EXPECT_EQ(H().Phase, 18);
    EXPECT_EQ(H().Varianten, 0);
    EXPECT_EQ(H().m_aHeizung[0].Name, "Kessel B");
    EXPECT_TRUE(Dok().IsModified());
}

// The annual efficiency that the page derives from a boiler's losses follows
// the demand of the moment: after a change of the method it is another
// figure, but not the user's change. "&Weiter >>" without a change asks
// nothing and keeps the variants; a change the user made asks, and "Nein"
// goes on with the stored heating.
TEST_F(Heizungsseite, ADerivedEfficiencyIsNoChangeAndNeinGoesOnWithTheStoredHeating)
{
    H().Berechnungsverfahren = BerechnungEnEV;
    NimmKessel();
    Klicke(*seite, 1281);
    ASSERT_EQ(H().Phase, 18);
    const DHeizung gespeichert = H().m_aHeizung[0];
    ASSERT_GT(gespeichert.Abgasverlust, 0) << "a boiler described by its losses";
    // Variant 1 keeps the existing heating, variant 2 has a new one.
    ASSERT_EQ(H().NeueVariante(true, rahmen->Optionen()), 1);
    ASSERT_EQ(H().NeueVariante(true, rahmen->Optionen()), 2);
    H().m_aHeizung[2].Name = "Neuer Kessel";
    H().m_aHeizung[2].Abgasverlust = 0.05;
    const DHeizung neuerKessel = H().m_aHeizung[2];
    const std::size_t anfragen = meldungen.Anfragen().size();

    // The method changes; the page, shown again, derives another efficiency.
    H().Berechnungsverfahren = BerechnungSIA;
    Zeige<CHeizungEingabeDlg>(17);
    double eta = 0;
    ASSERT_TRUE(LeseZahl(Feld(seite, 1152).toStdString(), eta, ','));
    ASSERT_NE(RundeSignifikant(eta, 3), RundeSignifikant(gespeichert.Jahresnutzungsgrad * 100, 3))
        << "the new method gives another efficiency";
    Klicke(*seite, 1281);
    EXPECT_EQ(meldungen.Anfragen().size(), anfragen) << "no question";
    EXPECT_EQ(H().Phase, 18);
    ASSERT_EQ(H().Varianten, 2) << "no variant lost";
    // The field shows three digits of it.
    EXPECT_NEAR(H().m_aHeizung[0].Jahresnutzungsgrad * 100, eta, 0.05) << "written without a question";
    EXPECT_EQ(H().m_aHeizung[1].Jahresnutzungsgrad, H().m_aHeizung[0].Jahresnutzungsgrad)
        << "the variant keeps the existing heating";
    EXPECT_TRUE(H().m_aHeizung[1].IstGleich(H().m_aHeizung[0]));
    EXPECT_TRUE(H().m_aHeizung[2].IstGleich(neuerKessel)) << "the renovated heating stays";
    EXPECT_EQ(H().m_aHeizung[0].Abgasverlust, gespeichert.Abgasverlust);
    // Again, nothing asked: the page asks as long as nothing changes.
    Zeige<CHeizungEingabeDlg>(17);
    Klicke(*seite, 1281);
    EXPECT_EQ(meldungen.Anfragen().size(), anfragen);
    EXPECT_EQ(H().Phase, 18);

    // A loss the user types is a change: the question; "Nein" goes on with
    // the stored heating, which the page shows again.
    Zeige<CHeizungEingabeDlg>(17);
    Tippe(*seite, 1149, QStringLiteral("9"));
    meldungen.Antworte(QMessageBox::No);
    Klicke(*seite, 1281);
    ASSERT_EQ(meldungen.Anfragen().size(), anfragen + 1);
    EXPECT_EQ(meldungen.Anfragen().back().text,
              QStringLiteral("Für Änderungen am bestehenden Gebäude müssen alle\nSanierungsvarianten gelöscht werden. "
                             "Jetzt löschen?"));
    EXPECT_EQ(H().Phase, 18) << "never stuck";
    EXPECT_EQ(H().Varianten, 2);
    EXPECT_EQ(H().m_aHeizung[0].Abgasverlust, gespeichert.Abgasverlust);
    EXPECT_EQ(Feld(seite, 1149), QStringLiteral("11")) << "the stored heating is back in the page";
    EXPECT_EQ(Feld(seite, 1146), QString::fromStdString(gespeichert.Name));
    Bild(seite, "heizung-nach-nein");
    // Shown again, it asks nothing: the stored heating is no change.
    Zeige<CHeizungEingabeDlg>(17);
    Klicke(*seite, 1281);
    EXPECT_EQ(meldungen.Anfragen().size(), anfragen + 1);
    EXPECT_EQ(H().Varianten, 2);

    // "Ja": the variants go and the typed loss is stored.
    Zeige<CHeizungEingabeDlg>(17);
    Tippe(*seite, 1149, QStringLiteral("9"));
    meldungen.Antworte(QMessageBox::Yes);
    Klicke(*seite, 1281);
    EXPECT_EQ(H().Phase, 18);
    EXPECT_EQ(H().Varianten, 0);
    EXPECT_DOUBLE_EQ(H().m_aHeizung[0].Abgasverlust, 0.09);
}

// A stored project at the heating step: "&Weiter >>" asks nothing and
// keeps what the file holds, its empty distribution too, for which the page
// offers the central one.
TEST_F(Schrittseiten, AStoredProjectAtTheHeatingStepAsksNothing)
{
    ASSERT_TRUE(app->OpenDocumentFile(QStringLiteral(ZEVA_TEST_DATA_DIR "/projektkorpus/befuellt.vza")));
    ASSERT_EQ(H().Phase, 17);
    ASSERT_EQ(H().Varianten, 3);
    const DHeizung vorher = H().m_aHeizung[0];
    ASSERT_EQ(vorher.Heizungsverteilung, "");
    auto* seite = dynamic_cast<CHeizungEingabeDlg*>(rahmen->Schrittpanel(Panel::Heizung));
    ASSERT_NE(seite, nullptr);
    ASSERT_TRUE(seite->isVisible());
    const std::size_t anfragen = meldungen.Anfragen().size();
    Klicke(*seite, 1281);
    EXPECT_EQ(meldungen.Anfragen().size(), anfragen);
    EXPECT_EQ(H().Phase, 18);
    EXPECT_EQ(H().Varianten, 3);
    EXPECT_TRUE(H().m_aHeizung[0].IstGleich(vorher));
    EXPECT_EQ(H().m_aHeizung[0].Heizungsverteilung, "");
    EXPECT_EQ(H().m_aHeizung[0].Verteilungsnutzungsgrad, vorher.Verteilungsnutzungsgrad);
}

// Step 18 and step 19 show one demand for one house: a window on a wall and
// a dormer on the roof come off their carriers' areas before the existing
// state is computed, not only at the step after.
TEST_F(Heizungsseite, Step18AndStep19ShowTheSameDemandWithWindowsAndADormer)
{
    ASSERT_FALSE(H().m_aWand.empty());
    ASSERT_FALSE(H().m_aSteildach.empty());
    DFenster fenster;
    fenster.NameGlas = "Isolierglas";
    fenster.kWertGlas = 2.8;
    fenster.kWertRahmen = 2;
    fenster.Rahmenanteil = 0.3;
    fenster.gWert = 0.75;
    fenster.m_plane.SetzeRechteck(4);
    fenster.m_plane.Traeger1ID = fenster.m_plane.Traeger2ID = H().m_aWand[0].m_plane.ID;
    fenster.Flaeche = 4;
    H().m_aFenster.Add(fenster);
    Gaube gaube;
    gaube.Traeger1ID = H().m_aSteildach[0].m_plane.ID;
    gaube.m_Dachauflage.SetzeRechteck(3);
    gaube.m_Deckenflaeche.SetzeRechteck(2);
    H().m_aGaube.Add(gaube);
    seite->LiesHausNeu();

    Tippe(*seite, 1146, QStringLiteral("Kessel"));
    Klicke(*seite, 1281);
    ASSERT_EQ(H().Phase, 18);
    const double schritt18 = H().m_aBedarf[0].Waermebedarf;
    const double brennstoff18 = H().m_aBedarf[0].Brennstoffenergiebedarf;
    rahmen->NaechsterSchritt();
    ASSERT_EQ(H().Phase, 19);
    EXPECT_GT(schritt18, 0);
    EXPECT_EQ(H().m_aBedarf[0].Waermebedarf, schritt18);
    EXPECT_EQ(H().m_aBedarf[0].Brennstoffenergiebedarf, brennstoff18);
}

TEST_F(Heizungsseite, AnotherProjectShowsItsOwnRequiredPower)
{
    EXPECT_EQ(Feld(seite, 1339), QStringLiteral("kW (Erforderlich: %1 kW)").arg(erforderlich));
    rahmen->Befehl(ID_FILE_NEW);
    EXPECT_EQ(Feld(seite, 1339), QStringLiteral("kW (Erforderlich: 0 kW)"));
    EXPECT_EQ(Feld(seite, 1146), QString());
}

} // namespace
} // namespace zeva
