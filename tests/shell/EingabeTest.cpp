// The guided input as the user walks it: from the start page's "Neues
// Projekt" through every step to the end of the input and back, filling the
// real step panels (project, component and heating pages, on a copy of the
// shipped data base) and with the placeholders of the plan editor's windows;
// and projects opened at a stored step.
#include "RahmenTestHilfen.h"
#include "support/Ausgabedatei.h"

#include "database/Datenbankdateien.h"
#include "geometry/C3DGenerator.h"
#include "geometry/DachTestHilfen.h"
#include "input/CEinzelSeite.h"
#include "model/Haus.h"
#include "shell/Befehle.h"
#include "shell/CIntroDlg.h"
#include "shell/CZEVAView.h"
#include "shell/Schrittplatzhalter.h"
#include "model/Zahlentext.h"
#include "ui/CHideBar.h"
#include "ui/CWertButton.h"
#include "ui/MeldungsNotifier.h"
#include "ui/SteuerelementId.h"

#include <QCheckBox>
#include <cmath>
#include <functional>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace zeva {
namespace {

using Panel = Schrittplatzhalter::Panel;

class Eingabe : public test::GestartetesProgramm {
protected:
    Haus& H() const { return Dok().HausRef(); }

    QString Text(QWidget* seite, int id) const
    {
        QWidget* w = FindeId(seite, id);
        EXPECT_NE(w, nullptr) << id;
        return SteuerText(w);
    }
    bool Sichtbar(QWidget* seite, int id) const
    {
        QWidget* w = FindeId(seite, id);
        return w && w->isVisibleTo(seite);
    }
    bool MenuesAktiv() const
    {
        const QList<QAction*> menues = rahmen->menuBar()->actions();
        EXPECT_EQ(menues[1]->isEnabled(), menues[2]->isEnabled());
        return menues[1]->isEnabled();
    }
    void Symbole(bool eingabe, bool drucken, bool bild, int phase) const
    {
        EXPECT_EQ(rahmen->Aktion(ID_ZURUECK_ZUR_EINGABE)->isEnabled(), eingabe) << phase;
        EXPECT_EQ(rahmen->Aktion(ID_FILE_PRINT)->isEnabled(), drucken) << phase;
        EXPECT_EQ(rahmen->Aktion(ID_3D_ALS_JPEG)->isEnabled(), bild) << phase;
    }
    // Step 1 as the user fills it, the climate region from the postcode.
    void FuelleProjekt(QWidget* projekt)
    {
        const auto tippe = [projekt](int id, const QString& text) {
            auto* feld = FindeId<QLineEdit>(projekt, id);
            ASSERT_NE(feld, nullptr) << id;
            feld->selectAll();
            QTest::keyClicks(feld, text);
        };
        tippe(1122, QStringLiteral("Mehrfamilienhaus Musterweg"));
        tippe(1123, QStringLiteral("Musterweg 7"));
        tippe(1010, QStringLiteral("Freiburg"));
        tippe(1125, QStringLiteral("1965"));
        auto* typ = FindeId<QComboBox>(projekt, 1119);
        typ->setCurrentIndex(typ->findText(QStringLiteral("Mehrfamilien-Wohnhaus")));
        test::BeiModalemDialog([](QDialog* d) {
            auto* plz = FindeId<QLineEdit>(d, 1000);
            QTest::keyClicks(plz, QStringLiteral("79098"));
            QTest::mouseClick(FindeId<QPushButton>(d, 1), Qt::LeftButton);
        });
        QTest::mouseClick(FindeId<QPushButton>(projekt, 1121), Qt::LeftButton);
        EXPECT_EQ(FindeId<QComboBox>(projekt, 1120)->currentText(), QStringLiteral("7: Südl. Oberrheingraben"));
        QTest::mouseClick(FindeId<QRadioButton>(projekt, 1288), Qt::LeftButton);
        FindeId<QCheckBox>(projekt, 1031)->setChecked(true);
        FindeId<QCheckBox>(projekt, 1021)->setChecked(false);
        Bild(projekt, "schritt1");
    }
    static void Bild(QWidget* fenster, const char* name)
    {
        fenster->grab().save(test::Ausgabedatei(QStringLiteral("zeva-%1.png").arg(QString::fromLatin1(name))));
    }
};

Panel PanelFuer(int phase)
{
    return Schrittplatzhalter::PanelDesSchritts(phase);
}

const char* StatusFlachdach =
    "Wählen Sie die Materialien für das Flachdach. Hat Ihr Haus keines, einfach WEITER drücken.";
const char* StatusHeizung = "Wählen Sie eine Heizung aus der Datenbank oder geben Sie die Kennwerte der Heizung an.";

// The windows a step of the guided input may show. Schrittpanel is the
// step's own panel (every other step panel is then hidden or gone).
enum class Fenster { Schrittpanel, Assistent, Plan, Ansicht3D, Hoehenangaben, Dacheingabe, Startseite };
constexpr Fenster AlleFenster[] = {Fenster::Schrittpanel,  Fenster::Assistent,   Fenster::Plan,      Fenster::Ansicht3D,
                                   Fenster::Hoehenangaben, Fenster::Dacheingabe, Fenster::Startseite};
constexpr Panel AllePanels[] = {Panel::Projekt,   Panel::Wand,  Panel::Fenster, Panel::Steildach,
                                Panel::Flachdach, Panel::Decke, Panel::Boden,   Panel::Heizung};

const char* Name(Fenster f)
{
    switch (f) {
    case Fenster::Schrittpanel: return "step panel";
    case Fenster::Assistent: return "assistant";
    case Fenster::Plan: return "2D view";
    case Fenster::Ansicht3D: return "3D view";
    case Fenster::Hoehenangaben: return "height pane";
    case Fenster::Dacheingabe: return "roof pane";
    case Fenster::Startseite: return "start view";
    }
    return "";
}

// What "Weiter >>" is on a step: the panel's own button, the frame's next
// step (the editor panes' button does the same), or nothing (the end).
enum class Weiter { Knopf, Rahmen, Ende };

TEST_F(Eingabe, APitchedRoofHouseWalksFromTheStartPageToTheEndAndBack)
{
    // The mouse over the link names it in the status bar; the hint of every
    // step is what shows afterwards.
    test::BeruehreLink(*rahmen, QStringLiteral("Neues Projekt"));
    EXPECT_EQ(rahmen->statusBar()->currentMessage(), QStringLiteral("#new"));
    test::KlickeLink(*rahmen, QStringLiteral("Neues Projekt"));
    ASSERT_NE(rahmen->Intro(), nullptr);
    EXPECT_TRUE(rahmen->Intro()->isVisible());
    EXPECT_EQ(H().Phase, 0);
    EXPECT_EQ(H().Steildach, 1) << "a pitched roof by default";
    QTest::mouseClick(rahmen->Intro()->Weiter(), Qt::LeftButton);
    EXPECT_EQ(rahmen->Intro(), nullptr) << "the intro goes when the input begins";

    QString wandtyp;
    const auto assistent = [this] { return rahmen->Eingabeassistent(); };
    // The panel steps show no tool or menu the input does not allow yet.
    const auto ohneBefehle = [this](int phase) {
        Symbole(false, false, false, phase);
        EXPECT_FALSE(MenuesAktiv());
        EXPECT_FALSE(rahmen->RechterBalken()->IstKnopfAktiv());
    };

    // One row per step: the step, its name (the panel's middle name or the
    // view's title) with the names before and after it, the hint in the
    // status bar, the windows shown (every other one hidden), what "Weiter"
    // is and the step it leads to, and what the user does on the step (its
    // own checks included) before going on.
    struct Schritt {
        int phase;
        const char* vorher; // nullptr: a step without a panel
        const char* titel;
        const char* nach;
        const char* hinweis;
        std::vector<Fenster> sichtbar;
        Weiter weiter;
        int danach;
        std::function<void(QWidget* panel)> arbeit;
    };
    const std::vector<Fenster> panel = {Fenster::Schrittpanel};
    const Schritt schritte[] = {
        {1, "Intro", "Projekt (1)", "Wand", "", panel, Weiter::Knopf, 2,
         [&](QWidget* projekt) {
             ohneBefehle(1);
             EXPECT_FALSE(Sichtbar(projekt, 1130));
             for (int id : {1128, 1126, 1129, 1007, 1006})
                 EXPECT_FALSE(FindeId(projekt, id)->isEnabled()) << id;
             for (int id : {1288, 1289, 1031, 1021})
                 EXPECT_TRUE(FindeId(projekt, id)->isEnabled()) << id;
             FuelleProjekt(projekt);
         }},
        {2, "Projekt (1)", "Wand", "Fenster", "", panel, Weiter::Knopf, 3,
         [&](QWidget* wand) {
             ohneBefehle(2);
             // Another wall type through "Aus &DB...".
             test::BeiModalemDialog([&wandtyp](QDialog* d) {
                 auto* liste = FindeId<QComboBox>(d, 1106);
                 ASSERT_NE(liste, nullptr);
                 const int index = liste->findText(QStringLiteral("Hohlblockmauerwerk 30 cm")) == 0 ? 1 : 0;
                 liste->setCurrentIndex(index);
                 emit liste->activated(index);
                 wandtyp = liste->currentText();
                 QTest::mouseClick(FindeId<QPushButton>(d, 1), Qt::LeftButton);
             });
             QTest::mouseClick(FindeId<QPushButton>(wand, 1118), Qt::LeftButton);
             EXPECT_EQ(H().m_defaultWand.Name, wandtyp.toStdString());
         }},
        {3, "Wand", "Fenster", "Steildach", "", panel, Weiter::Knopf, 4, [&](QWidget*) { ohneBefehle(3); }},
        {4, "Fenster", "Steildach", "Flachdach", "", panel, Weiter::Knopf, 5, [&](QWidget*) { ohneBefehle(4); }},
        {5, "Steildach", "Flachdach", "Decke", StatusFlachdach, panel, Weiter::Knopf, 6,
         [&](QWidget* flachdach) {
             ohneBefehle(5);
             Bild(flachdach, "schritt5");
         }},
        {6, "Flachdach", "Decke", "Boden", "", panel, Weiter::Knopf, 7,
         [&](QWidget* decke) {
             ohneBefehle(6);
             // The ceiling's U-value through "De&tails...".
             test::BeiModalemDialog([](QDialog* d) {
                 auto* schichten = FindeId<QCheckBox>(d, 1008);
                 if (schichten->isChecked())
                     schichten->click();
                 auto* u = FindeId<QLineEdit>(d, 1053);
                 u->selectAll();
                 QTest::keyClicks(u, QStringLiteral("0,45"));
                 QTest::mouseClick(FindeId<QPushButton>(d, 1), Qt::LeftButton);
             });
             QTest::mouseClick(FindeId<QPushButton>(decke, 1282), Qt::LeftButton);
             EXPECT_DOUBLE_EQ(H().m_defaultDecke.kWert, 0.45);
         }},
        {7, "Decke", "Boden", "Grundriß", "", panel, Weiter::Knopf, 8, [&](QWidget*) { ohneBefehle(7); }},
        {8, nullptr, "Grundrißeingabe", nullptr,
         "linke Maustaste: neuer Grundrisspunkt - rechte Maustaste: letzten Grundrisspunkt löschen",
         {Fenster::Assistent, Fenster::Plan}, Weiter::Rahmen, 10,
         [&](QWidget*) {
             // What the pages left in the house.
             EXPECT_EQ(H().Beschreibung, "Mehrfamilienhaus Musterweg");
             EXPECT_EQ(H().Strasse, "Musterweg 7");
             EXPECT_EQ(H().Ort, "Freiburg");
             EXPECT_EQ(H().Baujahr, 1965);
             EXPECT_EQ(H().Nutzungstyp, 1);
             EXPECT_EQ(H().Klimazone, 7) << "79098 lies in the southern Upper Rhine";
             EXPECT_EQ(H().Steildach, 1);
             EXPECT_EQ(H().DachBeheizt, 1);
             EXPECT_EQ(H().KellerBeheizt, 0);
             EXPECT_EQ(H().m_defaultBoden.Zone, 6) << "over the unheated basement";
             EXPECT_EQ(H().m_defaultDecke.Zone, 0) << "under the heated attic";
             EXPECT_EQ(H().m_defaultFenster.NameGlas, "2-fach Isolierverglasung");
             EXPECT_EQ(H().m_defaultFenster.NameRahmen, "Holzrahmen");
             EXPECT_EQ(H().m_defaultSteildach.Name, "Sparrensteildach, ungedämmt");
             EXPECT_EQ(H().m_defaultBoden.Name, "Ortbeton, schw. Estrich");
             EXPECT_EQ(H().m_defaultFlachdach.Name.rfind("Warmdach", 0), 0u);
             EXPECT_TRUE(Dok().IsModified());

             QWidget* a = assistent();
             ASSERT_NE(a, nullptr);
             EXPECT_EQ(rahmen->Ansicht2D()->geometry(), rahmen->centralWidget()->rect());
             EXPECT_EQ(a->parentWidget(), rahmen->RechterBalken()->Inhalt());
             EXPECT_EQ(a->windowTitle(), QStringLiteral("Grundrißeingabe"));
             EXPECT_EQ(Text(a, 1283), QStringLiteral("Linienlänge :"));
             EXPECT_EQ(Text(a, 1288), QStringLiteral("x-Versatz :"));
             EXPECT_EQ(Text(a, 1290), QStringLiteral("y-Versatz :"));
             EXPECT_EQ(Text(a, 1292), QStringLiteral("x :"));
             EXPECT_EQ(Text(a, 1323), QStringLiteral("y :"));
             EXPECT_EQ(Text(a, 1325), QStringLiteral("m"));
             for (int id : {1329, 1332, 1316})
                 EXPECT_FALSE(Sichtbar(a, id)) << id;
             for (int id : {1326, 1308, 1121})
                 EXPECT_TRUE(Sichtbar(a, id)) << id;
             Symbole(false, false, false, 8);
             EXPECT_EQ(a->geometry(), rahmen->RechterBalken()->Inhalt()->rect());
             auto* assistentWeiter = FindeId<QPushButton>(a, 1281);
             ASSERT_NE(assistentWeiter, nullptr);
             EXPECT_TRUE(assistentWeiter->isVisible());
             EXPECT_LE(assistentWeiter->geometry().bottom(), a->height());
             Bild(rahmen, "schritt8");
             Bild(a, "assistent8");

             // What the plan editor does: one closed outline and the empty
             // zone its closing appends.
             test::GezeichnetesHaus(H());
             H().m_aZone.SetSize(2);
             H().Zonen = 2;
         }},
        {10, nullptr, "Geographische Ausrichtung", nullptr, "linke Maustaste: Nordpfeilausrichtung festlegen",
         {Fenster::Assistent, Fenster::Plan}, Weiter::Rahmen, 13,
         [&](QWidget*) {
             EXPECT_EQ(H().Zonen, 1);
             QWidget* a = assistent();
             ASSERT_NE(a, nullptr);
             EXPECT_EQ(Text(a, 1283), QStringLiteral("Winkel :"));
             EXPECT_EQ(Text(a, 1009), QStringLiteral("0")) << "Ausrichtung 90: north is up";
             EXPECT_EQ(Text(a, 1284), QStringLiteral("°"));
             for (int id : {1288, 1010, 1289, 1292, 1014, 1293, 1323, 1324, 1325})
                 EXPECT_EQ(Text(a, id), QString()) << id;
             EXPECT_FALSE(Sichtbar(a, 1326));
         }},
        {13, nullptr, "Höhenangaben", nullptr,
         "geben Sie auf der rechten Seite die Stockwerkszahl sowie die Höhen ein",
         {Fenster::Hoehenangaben, Fenster::Plan}, Weiter::Rahmen, 14, [&](QWidget*) { EXPECT_EQ(H().Zonen, 1); }},
        {14, nullptr, "Dacheingabe", nullptr,
         "linke Maustaste drücken und gedrückt halten, um die Grundfläche des Dachs aufzuziehen. - "
         "rechte Maustaste: Dach löschen",
         {Fenster::Dacheingabe, Fenster::Plan}, Weiter::Rahmen, 15,
         [&](QWidget*) {
             Symbole(false, false, false, 14);
             Bild(rahmen, "schritt14");
             // What the roof pane does on leaving: areas, volume, the 3D
             // surfaces.
             H().Energiebezugsflaeche = 120.4;
             H().Volumen = 259.6;
             MeldungsNotifier notifier;
             ASSERT_EQ(C3DGenerator(H(), notifier).Erzeuge3DFlaechen(), 1);
             ASSERT_FALSE(H().m_aWand.empty());
         }},
        {15, nullptr, "3D-Editiermodus", nullptr,
         "linke Maustaste: dreht das Gebäude. - rechte Maustaste: wählt ein Bauteil zum Bearbeiten und Fenster "
         "plazieren aus.",
         {Fenster::Ansicht3D, Fenster::Assistent}, Weiter::Rahmen, 17,
         [&](QWidget*) {
             QWidget* a = assistent();
             ASSERT_NE(a, nullptr);
             for (int id : {1283, 1009, 1284, 1323, 1332, 1308, 1326, 1316, 1121})
                 EXPECT_FALSE(Sichtbar(a, id)) << id;
             EXPECT_EQ(a->windowTitle(), QStringLiteral("3D-Editiermodus"));
             Symbole(false, true, true, 15);
             for (const DWand& w : H().m_aWand)
                 EXPECT_FALSE(w.Kurzname.empty());
             for (const DSteildach& d : H().m_aSteildach)
                 EXPECT_FALSE(d.Kurzname.empty());
         }},
        {17, "3D", "Heizung", "Projekt (2)", StatusHeizung, panel, Weiter::Knopf, 18,
         [&](QWidget* heizung) {
             // The boiler from the data base: the page then can go on.
             EXPECT_FALSE(FindeId<QPushButton>(heizung, 1281)->isEnabled());
             test::BeiModalemDialog([](QDialog* d) {
                 auto* liste = FindeId<QComboBox>(d, 1106);
                 ASSERT_NE(liste, nullptr);
                 const int index = liste->findText(QStringLiteral("Gaskessel, Verluste"));
                 ASSERT_GE(index, 0);
                 liste->setCurrentIndex(index);
                 emit liste->activated(index);
                 QTest::mouseClick(FindeId<QPushButton>(d, 1), Qt::LeftButton);
             });
             QTest::mouseClick(FindeId<QPushButton>(heizung, 1118), Qt::LeftButton);
             EXPECT_EQ(Text(heizung, 1146), QStringLiteral("Gaskessel, Verluste"));
             Bild(heizung, "schritt17");
             // The kind of distribution reads whole in the closed box.
             auto* verteilung = FindeId<QComboBox>(heizung, 1154);
             ASSERT_NE(verteilung, nullptr);
             ASSERT_NE(verteilung->lineEdit(), nullptr);
             EXPECT_EQ(verteilung->currentText(), QStringLiteral("Zentralheizung (Wärmeerzeugung im Gebäude)"));
             EXPECT_GE(verteilung->lineEdit()->width(),
                       verteilung->lineEdit()->fontMetrics().horizontalAdvance(verteilung->currentText()));
             // Areas the panel might have left are replaced by the net areas.
             for (DWand& w : H().m_aWand)
                 w.Flaeche = 0;
         }},
        {18, "Heizung", "Projekt (2)", "ENDE", "", panel, Weiter::Knopf, 19,
         [&](QWidget* projekt) {
             EXPECT_TRUE(meldungen.Anfragen().empty()) << "the boiler covers the house";
             Haus netto(H());
             netto.BerechneNettoflaechen();
             ASSERT_EQ(netto.m_aWand.size(), H().m_aWand.size());
             for (std::size_t i = 0; i < H().m_aWand.size(); ++i)
                 EXPECT_EQ(H().m_aWand[i].Flaeche, netto.m_aWand[i].Flaeche) << i;
             EXPECT_GT(H().m_aWand[0].Flaeche, 0);

             EXPECT_EQ(Text(projekt, 1126), QStringLiteral("260"));
             EXPECT_EQ(Text(projekt, 1128), QStringLiteral("120"));
             for (int id : {1128, 1126, 1288, 1031, 1289, 1021})
                 EXPECT_FALSE(FindeId(projekt, id)->isEnabled()) << id;
             for (int id : {1129, 1007, 1006})
                 EXPECT_TRUE(FindeId(projekt, id)->isEnabled()) << id;
             EXPECT_EQ(Text(projekt, 1122), QStringLiteral("Mehrfamilienhaus Musterweg"));
             EXPECT_EQ(H().m_aHeizung[0].Name, "Gaskessel, Verluste");
             EXPECT_GT(H().m_aBedarf[0].Waermebedarf, 0) << "the heating page computed the existing state";
             Bild(projekt, "schritt18");
             H().m_aBedarf[0].Waermebedarf = -1;
         }},
        {19, nullptr, nullptr, nullptr, "", {Fenster::Startseite}, Weiter::Ende, 19,
         [&](QWidget*) {
             EXPECT_GT(H().m_aBedarf[0].Waermebedarf, 0) << "the existing state's demand";
             Haus bestand(H());
             MeldungsNotifier rechner;
             bestand.BerechneBedarf(0, rechner);
             EXPECT_DOUBLE_EQ(H().m_aBedarf[0].Waermebedarf, bestand.m_aBedarf[0].Waermebedarf);
             EXPECT_EQ(H().m_aHeizung[0].Name, "Gaskessel, Verluste");
             EXPECT_EQ(H().m_aHeizung[0].Einzelheiz, 0);
             EXPECT_DOUBLE_EQ(H().m_aHeizung[0].Abgasverlust, 0.11);
             EXPECT_GT(H().m_aHeizung[0].Jahresnutzungsgrad, 0.5);
             EXPECT_TRUE(Dok().IsModified());
             for (Panel p : AllePanels)
                 EXPECT_EQ(rahmen->Schrittpanel(p), nullptr);
             EXPECT_EQ(rahmen->Eingabeassistent(), nullptr);
             EXPECT_EQ(rahmen->Hoehenangaben(), nullptr);
             EXPECT_EQ(rahmen->Dacheingabe(), nullptr);
             EXPECT_TRUE(MenuesAktiv());
             Symbole(true, false, false, 19);
             EXPECT_TRUE(rahmen->Variantenfenster()->isVisible());
             EXPECT_TRUE(rahmen->RechterBalken()->IstKnopfAktiv());
             EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);
             EXPECT_TRUE(meldungen.Anfragen().empty());
             Bild(rahmen, "schritt19");
         }},
    };

    const auto fenster = [this](Fenster f, int phase) -> QWidget* {
        switch (f) {
        case Fenster::Schrittpanel: return rahmen->Schrittpanel(PanelFuer(phase));
        case Fenster::Assistent: return rahmen->Eingabeassistent();
        case Fenster::Plan: return rahmen->Ansicht2D();
        case Fenster::Ansicht3D: return rahmen->Ansicht3D();
        case Fenster::Hoehenangaben: return rahmen->Hoehenangaben();
        case Fenster::Dacheingabe: return rahmen->Dacheingabe();
        case Fenster::Startseite: return rahmen->Startansicht();
        }
        return nullptr;
    };
    // Every wrong step is reported with its number; the walk goes on.
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(testing::Message() << "step " << s.phase);
        EXPECT_EQ(H().Phase, s.phase);
        EXPECT_EQ(rahmen->AngezeigterSchritt(), s.phase);
        const auto zeigt = [&s](Fenster f) {
            return std::find(s.sichtbar.begin(), s.sichtbar.end(), f) != s.sichtbar.end();
        };
        for (Fenster f : AlleFenster) {
            if (f == Fenster::Schrittpanel)
                continue;
            QWidget* w = fenster(f, s.phase);
            EXPECT_EQ(w != nullptr && w->isVisible(), zeigt(f)) << Name(f);
        }
        // No step panel but the step's own is shown.
        const bool mitPanel = zeigt(Fenster::Schrittpanel);
        for (Panel p : AllePanels) {
            QDialog* d = rahmen->Schrittpanel(p);
            const bool soll = mitPanel && p == PanelFuer(s.phase);
            EXPECT_EQ(d != nullptr && d->isVisible(), soll) << Schrittplatzhalter::Titel(p).toStdString();
        }
        if (s.hinweis != nullptr) {
            EXPECT_EQ(test::GezeigterStatus(*rahmen), QString::fromUtf8(s.hinweis));
        }

        QDialog* panelFenster = mitPanel ? rahmen->Schrittpanel(PanelFuer(s.phase)) : nullptr;
        const Schrittplatzhalter::Schrittids ids = Schrittplatzhalter::Ids(PanelFuer(s.phase));
        if (mitPanel && panelFenster == nullptr) {
            ADD_FAILURE() << "no step panel";
        } else if (mitPanel) {
            EXPECT_FALSE(Schrittplatzhalter::IstPlatzhalter(panelFenster)) << "the real page";
            EXPECT_EQ(panelFenster->parentWidget(), rahmen);
            EXPECT_FALSE(panelFenster->windowFlags() & Qt::WindowCloseButtonHint) << "no close box";
            EXPECT_EQ(Text(panelFenster, ids.vorher), QString::fromUtf8(s.vorher));
            EXPECT_EQ(Text(panelFenster, ids.ist), QString::fromUtf8(s.titel));
            EXPECT_EQ(Text(panelFenster, ids.nach), QString::fromUtf8(s.nach));
        } else if (s.titel != nullptr) {
            QWidget* ansicht = zeigt(Fenster::Ansicht3D) ? rahmen->Ansicht3D() : rahmen->Ansicht2D();
            if (ansicht != nullptr) {
                EXPECT_EQ(ansicht->windowTitle(), QString::fromUtf8(s.titel));
            } else {
                ADD_FAILURE() << "no view";
            }
        }

        if (s.arbeit && (!mitPanel || panelFenster != nullptr))
            s.arbeit(panelFenster);

        switch (s.weiter) {
        case Weiter::Knopf: {
            if (panelFenster == nullptr) {
                rahmen->NaechsterSchritt();
                break;
            }
            // Enter and Escape keep the panel.
            QTest::keyClick(panelFenster, Qt::Key_Escape);
            EXPECT_TRUE(panelFenster->isVisible());
            const QPointer<QDialog> weg(panelFenster);
            auto* weiter = FindeId<QPushButton>(panelFenster, ids.weiter);
            if (weiter == nullptr) {
                ADD_FAILURE() << "no button " << ids.weiter;
                rahmen->NaechsterSchritt();
                break;
            }
            EXPECT_EQ(weiter->text(), QStringLiteral("&Weiter >>"));
            QTest::mouseClick(weiter, Qt::LeftButton);
            EXPECT_TRUE(weg.isNull() || !weg->isVisible()) << "hidden on the way";
            break;
        }
        case Weiter::Rahmen: rahmen->NaechsterSchritt(); break;
        case Weiter::Ende: break;
        }
        EXPECT_EQ(H().Phase, s.danach) << "after Weiter";
    }
    ASSERT_EQ(H().Phase, 19);

    // Saved and opened again: step 19 with the same values.
    const QString pfad = test::Datei(QStringLiteral("Rundgang.vza"));
    ASSERT_TRUE(Dok().DoSave(pfad));
    // The placeholder of the 3D view leaves no picture to copy.
    ASSERT_EQ(meldungen.Texte(), QStringList({QString::fromUtf8(CZEVADoc::KeinBild)}));
    const Haus gespeichert(H());
    const DHeizung kessel(H().m_aHeizung[0]);
    const double bedarf = H().m_aBedarf[0].Waermebedarf;
    rahmen->Befehl(ID_FILE_NEW);
    ASSERT_EQ(H().Phase, 0);
    ASSERT_TRUE(app->OpenDocumentFile(pfad));
    EXPECT_EQ(H().Phase, 19);
    EXPECT_EQ(H().Beschreibung, gespeichert.Beschreibung);
    EXPECT_EQ(H().Baujahr, 1965);
    EXPECT_EQ(H().Klimazone, 7);
    EXPECT_EQ(H().Nutzungstyp, 1);
    EXPECT_EQ(H().m_defaultWand.Name, gespeichert.m_defaultWand.Name);
    EXPECT_EQ(H().m_defaultDecke.kWert, gespeichert.m_defaultDecke.kWert);
    EXPECT_EQ(H().m_aHeizung[0].Name, kessel.Name);
    EXPECT_EQ(H().m_aHeizung[0].Jahresnutzungsgrad, kessel.Jahresnutzungsgrad);
    EXPECT_DOUBLE_EQ(H().m_aBedarf[0].Waermebedarf, bedarf);
    EXPECT_TRUE(MenuesAktiv());
    EXPECT_FALSE(Dok().IsModified());

    // Back to the input without variants: nothing a change would delete, so
    // nothing is said; step 18 on a new project page.
    rahmen->Befehl(ID_ZURUECK_ZUR_EINGABE);
    EXPECT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(H().Phase, 18);
    EXPECT_FALSE(MenuesAktiv());
    QDialog* projekt = rahmen->Schrittpanel(Panel::Projekt);
    ASSERT_NE(projekt, nullptr);
    EXPECT_TRUE(projekt->isVisible());
    EXPECT_EQ(Text(projekt, 1126), QStringLiteral("260"));
    EXPECT_EQ(Text(projekt, 1128), QStringLiteral("120"));
    EXPECT_FALSE(FindeId(projekt, 1126)->isEnabled());
    EXPECT_FALSE(FindeId(projekt, 1128)->isEnabled());
    rahmen->Befehl(ID_ZURUECK_ZUR_EINGABE);
    EXPECT_EQ(meldungen.Anfragen().size(), 1u) << "at 18 nothing is said";
    EXPECT_EQ(H().Phase, 18);

    // With a variant the note comes, once.
    rahmen->NaechsterSchritt();
    ASSERT_EQ(H().Phase, 19);
    ASSERT_GE(H().NeueVariante(true, rahmen->Optionen()), 1);
    meldungen.Antworte(QMessageBox::Ok);
    rahmen->Befehl(ID_ZURUECK_ZUR_EINGABE);
    ASSERT_EQ(meldungen.Anfragen().size(), 2u);
    const Meldung::Anfrage& meldung = meldungen.Anfragen()[1];
    EXPECT_EQ(meldung.text, QStringLiteral("Nach Änderungen am bestehenden Gebäude müssen alle\nSanierungsvarianten "
                                           "gelöscht werden."));
    EXPECT_EQ(meldung.titel, QStringLiteral("Vyk-ZEVA"));
    EXPECT_EQ(meldung.symbol, Meldung::Symbol::Information);
    EXPECT_EQ(H().Phase, 18);
    EXPECT_EQ(H().Varianten, 1) << "told, not deleted";
}

TEST_F(Eingabe, AFlatRoofHouseSkipsThePitchedRoofSteps)
{
    rahmen->Befehl(ID_FILE_NEW);
    H().Steildach = 0;
    H().Phase = 3;
    rahmen->ZeigeSchritt();
    QDialog* fenster = rahmen->Schrittpanel(Panel::Fenster);
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(Text(fenster, 1288), QStringLiteral("Fenster")) << "the window page's current name";
    EXPECT_EQ(Text(fenster, 1284), QStringLiteral("Flachdach"));
    const int vor[] = {5, 7};
    for (int erwartet : vor) {
        rahmen->NaechsterSchritt();
        EXPECT_EQ(H().Phase, erwartet);
    }
    QDialog* boden = rahmen->Schrittpanel(Panel::Boden);
    ASSERT_NE(boden, nullptr);
    EXPECT_EQ(Text(boden, 1285), QStringLiteral("Flachdach"));
    EXPECT_EQ(Text(boden, 1286), QStringLiteral("Boden"));
    QTest::mouseClick(FindeId<QPushButton>(boden, 1282), Qt::LeftButton);
    EXPECT_EQ(H().Phase, 5);
    QDialog* flach = rahmen->Schrittpanel(Panel::Flachdach);
    EXPECT_EQ(Text(flach, 1283), QStringLiteral("Fenster"));
    EXPECT_EQ(Text(flach, 1284), QStringLiteral("Boden"));
    rahmen->VorherigerSchritt();
    EXPECT_EQ(H().Phase, 3);
    EXPECT_EQ(rahmen->Schrittpanel(Panel::Steildach), nullptr) << "never shown";
    EXPECT_EQ(rahmen->Schrittpanel(Panel::Decke), nullptr);

    H().Phase = 13;
    rahmen->ZeigeSchritt();
    rahmen->NaechsterSchritt();
    EXPECT_EQ(H().Phase, 15);
    EXPECT_EQ(rahmen->Dacheingabe(), nullptr);
    rahmen->VorherigerSchritt();
    EXPECT_EQ(H().Phase, 13);
}

TEST_F(Eingabe, TheNorthReadOutTurnsTheAngleIntoWholeDegrees)
{
    struct Fall {
        double ausrichtung;
        const char* text;
    };
    const Fall faelle[] = {{90, "0"}, {270, "180"}, {91, "359"}, {90.5, "0"}, {0, "90"}, {-45, "135"}, {450, "0"}};
    rahmen->Befehl(ID_FILE_NEW);
    for (const Fall& f : faelle) {
        H().Ausrichtung = f.ausrichtung;
        H().Phase = 10;
        rahmen->ZeigeSchritt();
        QWidget* assistent = rahmen->Eingabeassistent();
        ASSERT_NE(assistent, nullptr);
        EXPECT_EQ(Text(assistent, 1009), QString::fromLatin1(f.text)) << f.ausrichtung;
        for (int id : {1010, 1011, 1330, 1014, 1324})
            EXPECT_EQ(Text(assistent, id), QString()) << id;
    }
}

TEST_F(Eingabe, DormerStepShowsItsRowsAndKeepsTheAssistant)
{
    rahmen->Befehl(ID_FILE_NEW);
    H().Phase = 15;
    rahmen->ZeigeSchritt();
    QWidget* assistent = rahmen->Eingabeassistent();
    ASSERT_NE(assistent, nullptr);
    // The 3D view starts dormer placing at 16.
    H().Phase = 16;
    rahmen->ZeigeSchritt();
    EXPECT_TRUE(assistent->isVisible()) << "keeps its visibility";
    EXPECT_TRUE(rahmen->Ansicht2D()->isVisible());
    EXPECT_FALSE(rahmen->Ansicht3D()->isVisible());
    EXPECT_EQ(Text(assistent, 1283), QStringLiteral("Höhe Oben :"));
    EXPECT_EQ(Text(assistent, 1288), QStringLiteral("Höhe Mitte :"));
    EXPECT_EQ(Text(assistent, 1290), QStringLiteral("Höhe Unten :"));
    EXPECT_EQ(Text(assistent, 1329), QStringLiteral("Breite :"));
    EXPECT_EQ(Text(assistent, 1331), QStringLiteral("m"));
    EXPECT_TRUE(Sichtbar(assistent, 1332));
    for (int id : {1326, 1308, 1121, 1316, 1292, 1323})
        EXPECT_FALSE(Sichtbar(assistent, id)) << id;
    EXPECT_EQ(rahmen->Ansicht2D()->windowTitle(), QStringLiteral("Gaubeneingabe"));
    EXPECT_EQ(test::GezeigterStatus(*rahmen), QString());
    // Both buttons lead back to 15.
    rahmen->VorherigerSchritt();
    EXPECT_EQ(H().Phase, 15);
    H().Phase = 16;
    rahmen->NaechsterSchritt();
    EXPECT_EQ(H().Phase, 15);
}

// A step panel of a later part: it is made once, kept, handed its step names
// by their ids and told to re-read the house.
class Wanddouble final : public QDialog, public Schrittfenster {
public:
    explicit Wanddouble(CMainFrame& rahmen) : QDialog(&rahmen)
    {
        for (int id : {1283, 1285, 1284}) {
            auto* name = new QLabel(this);
            SetzeId(name, id);
        }
    }
    void LiesHausNeu() override { ++gelesen; }
    int gelesen = 0;
};

TEST_F(Eingabe, APanelMakerReplacesThePlaceholderAndItsPanelReReadsTheHouse)
{
    int gemacht = 0;
    rahmen->SetzePanelErzeuger(Panel::Wand, [&gemacht](CMainFrame& r) {
        ++gemacht;
        return new Wanddouble(r);
    });
    rahmen->Befehl(ID_FILE_NEW);
    H().Phase = 2;
    rahmen->ZeigeSchritt();
    auto* wand = dynamic_cast<Wanddouble*>(rahmen->Schrittpanel(Panel::Wand));
    ASSERT_NE(wand, nullptr);
    EXPECT_FALSE(Schrittplatzhalter::IstPlatzhalter(wand));
    EXPECT_TRUE(wand->isVisible());
    EXPECT_EQ(Text(wand, 1283), QStringLiteral("Projekt (1)"));
    EXPECT_EQ(Text(wand, 1285), QStringLiteral("Wand"));
    EXPECT_EQ(Text(wand, 1284), QStringLiteral("Fenster"));
    rahmen->NaechsterSchritt();
    rahmen->VorherigerSchritt();
    EXPECT_EQ(gemacht, 1) << "kept between visits";
    EXPECT_EQ(wand->gelesen, 0);
    rahmen->Befehl(ID_FILE_NEW);
    EXPECT_EQ(wand->gelesen, 1) << "a new project is re-read";
    EXPECT_FALSE(wand->isVisible());
}

TEST_F(Eingabe, AReplacedHouseLeavesNoPageHoldingARecordOfTheOldOne)
{
    rahmen->Befehl(ID_FILE_NEW);
    HausAnbindung::SetzePhase(H(), 7);
    rahmen->ZeigeSchritt();
    auto* boden = dynamic_cast<Boden_einzel*>(rahmen->Schrittpanel(Panel::Boden));
    ASSERT_NE(boden, nullptr);
    ASSERT_TRUE(boden->isVisible());
    ASSERT_EQ(boden->Bauteil(), &H().m_defaultBoden);

    // The document replaces its house (as reading a project does); then the
    // page becomes active. The page must neither show nor write into the
    // house that is gone (the sanitizer would catch the write).
    Dok().OnNewDocument();
    EXPECT_FALSE(boden->isVisible());
    EXPECT_EQ(boden->Bauteil(), &H().m_defaultBoden) << "re-pointed at the new house";
    H().KellerBeheizt = 1;
    QEvent aktiv(QEvent::WindowActivate);
    QCoreApplication::sendEvent(boden, &aktiv);
    EXPECT_EQ(H().m_defaultBoden.SanbarAussen, 0) << "the page's rule works on the new house";
}

TEST_F(Eingabe, BackToTheInputClosesTheSpecialViewsFirst)
{
    QPointer<QWidget> flaechen;
    rahmen->SetzeFlaechenansichtErzeuger([&flaechen](QWidget* eltern) {
        flaechen = new QLabel(QStringLiteral("Flächen"), eltern);
        return flaechen.data();
    });
    H().Phase = 19;
    rahmen->ZeigeSchritt();
    rahmen->Flaechenansicht(0);
    ASSERT_EQ(rahmen->Stapel().Anzahl(), 1);
    rahmen->Befehl(ID_ZURUECK_ZUR_EINGABE);
    EXPECT_TRUE(flaechen.isNull());
    EXPECT_TRUE(rahmen->Stapel().IstLeer());
    EXPECT_EQ(H().Phase, 18);
    EXPECT_FALSE(rahmen->Variantenfenster()->isVisible());
    EXPECT_FALSE(rahmen->RechterBalken()->IstKnopfAktiv());
}

// ---- Projects opened at a stored step

class GeoeffneteEingabe : public Eingabe {
protected:
    // A drawn house with its surfaces, stored at `phase`, with a demand
    // record that the program must compute anew.
    QString Gespeichert(int phase, const std::function<void(Haus&)>& dazu = {})
    {
        Haus h;
        test::GezeichnetesHaus(h);
        MeldungsNotifier notifier;
        EXPECT_EQ(C3DGenerator(h, notifier).Erzeuge3DFlaechen(), 1);
        if (dazu)
            dazu(h);
        h.Phase = phase;
        h.Steildach = phase == 5 ? 0 : 1;
        h.m_aBedarf[0].Waermebedarf = 12345;
        const QString pfad = test::Datei(QStringLiteral("Stufe%1.vza").arg(phase));
        HausAnbindung::SpeichereProjekt(pfad.toStdString(), h, rahmen->Optionen());
        return pfad;
    }
};

// A boiler that gives a fuel figure, and a window of 4 m² in the first wall
// (its carrier's area still gross, as the generator leaves it).
void MitKesselUndFenster(Haus& h)
{
    DHeizung& k = h.m_aHeizung[0];
    k.Name = "Kessel";
    k.Einzelheiz = 0;
    k.Brennstoff = 0;
    k.Nennwaermeleistung = 40;
    k.Jahresnutzungsgrad = 0.85;
    k.Bereitschaftszeit = 8760;
    k.Heizungsverteilung = "Zentralheizung (Wärmeerzeugung im Gebäude)";
    k.Verteilungsnutzungsgrad = 0.96;
    ASSERT_FALSE(h.m_aWand.empty());
    DFenster fenster;
    fenster.NameGlas = "Isolierglas";
    fenster.kWertGlas = 2.8;
    fenster.kWertRahmen = 2;
    fenster.Rahmenanteil = 0.3;
    fenster.gWert = 0.75;
    fenster.m_plane.SetzeRechteck(4);
    fenster.m_plane.Traeger1ID = fenster.m_plane.Traeger2ID = h.m_aWand[0].m_plane.ID;
    fenster.Flaeche = 4;
    h.m_aFenster.Add(fenster);
}

// The texts of the left bar's figures.
QStringList LinkeLeiste(CMainFrame& rahmen)
{
    QStringList texte;
    for (QWidget* seite : {rahmen.GeoKGSeite(), rahmen.HeizungSeite()})
        for (int id : {1010, 1011, 1012, 1013, 1014, 1015, 1016, 1017, 1018})
            if (auto* feld = FindeDirektId<CWertButton>(seite, id))
                texte << QStringLiteral("%1: %2 | %3").arg(id).arg(feld->Wert(0), feld->Wert(1));
    return texte;
}

// The left bar shows the figures of the project it shows, whatever project
// was loaded before (one at the 3D step, one at the heating step).
TEST_F(GeoeffneteEingabe, TheLeftBarShowsTheOpenedProjectsFigures)
{
    const QString ende = Gespeichert(19, MitKesselUndFenster);
    ASSERT_TRUE(app->OpenDocumentFile(ende));
    const QStringList frisch = LinkeLeiste(*rahmen);
    ASSERT_EQ(frisch.size(), 9);
    auto* heizenergie = FindeDirektId<CWertButton>(rahmen->HeizungSeite(), 1018);
    ASSERT_NE(heizenergie, nullptr);
    EXPECT_NE(heizenergie->Wert(1), QStringLiteral("0,00"));
    EXPECT_NE(heizenergie->Wert(1), QStringLiteral("0"));
    for (int vorher : {15, 17}) {
        SCOPED_TRACE(vorher);
        ASSERT_TRUE(app->OpenDocumentFile(Gespeichert(vorher, MitKesselUndFenster)));
        ASSERT_TRUE(app->OpenDocumentFile(ende));
        EXPECT_EQ(LinkeLeiste(*rahmen), frisch);
    }
}

// Entering the heating step takes the windows off their walls before any
// figure: the page's required power and the left bar's envelope are those
// of the net areas, as at the steps after.
TEST_F(GeoeffneteEingabe, TheHeatingStepShowsTheNetAreasFromItsFirstFigure)
{
    ASSERT_TRUE(app->OpenDocumentFile(Gespeichert(15, MitKesselUndFenster)));
    Haus netto(H());
    netto.BerechneNettoflaechen();
    ASSERT_LT(netto.Huellflaeche(), H().Huellflaeche()) << "the window still counts on top of its wall";
    while (H().Phase < 17)
        rahmen->NaechsterSchritt();
    ASSERT_EQ(H().Phase, 17);
    EXPECT_DOUBLE_EQ(H().Huellflaeche(), netto.Huellflaeche());
    MeldungsNotifier notifier;
    const int kW = static_cast<int>(std::ceil(netto.BerechneNormwaermebedarf(0, notifier)));
    QDialog* seite = rahmen->Schrittpanel(Panel::Heizung);
    ASSERT_NE(seite, nullptr);
    EXPECT_EQ(Text(seite, 1339), QStringLiteral("kW (Erforderlich: %1 kW)").arg(kW));
    CWertButton huelle;
    huelle.SetzeWert(RundeSignifikant(netto.Huellflaeche(), 3));
    EXPECT_EQ(FindeDirektId<CWertButton>(rahmen->GeoKGSeite(), 1010)->Wert(), huelle.Wert());
}

TEST_F(GeoeffneteEingabe, AProjectStoredAtTheEndOpensWithItsMenusAndDemand)
{
    ASSERT_TRUE(app->OpenDocumentFile(Gespeichert(19)));
    EXPECT_EQ(H().Phase, 19);
    EXPECT_TRUE(MenuesAktiv());
    EXPECT_TRUE(rahmen->Variantenfenster()->isVisible());
    EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);
    Symbole(true, false, false, 19);
    for (const DWand& w : H().m_aWand)
        EXPECT_FALSE(w.Kurzname.empty());
    Haus kopie(H());
    MeldungsNotifier notifier;
    kopie.BerechneBedarf(0, notifier);
    EXPECT_NE(H().m_aBedarf[0].Waermebedarf, 12345);
    EXPECT_DOUBLE_EQ(H().m_aBedarf[0].Waermebedarf, kopie.m_aBedarf[0].Waermebedarf);
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST_F(GeoeffneteEingabe, AProjectStoredAtTheFlatRoofPageShowsItWithGreyMenus)
{
    ASSERT_TRUE(app->OpenDocumentFile(Gespeichert(5)));
    QDialog* flach = rahmen->Schrittpanel(Panel::Flachdach);
    ASSERT_NE(flach, nullptr);
    EXPECT_TRUE(flach->isVisible());
    EXPECT_FALSE(MenuesAktiv());
    EXPECT_EQ(test::GezeigterStatus(*rahmen), QString::fromUtf8(StatusFlachdach));
    for (const DSteildach& d : H().m_aSteildach)
        EXPECT_FALSE(d.Kurzname.empty());
}

} // namespace
} // namespace zeva
