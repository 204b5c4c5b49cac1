// The main frame on a 1024 × 768 screen: placement, bars and pages, tool bar
// and menus, the saved-view stack, the "Grafiken" tabs, the step 0 panel,
// File New, the start page's links, the recent projects, drops and the
// damaged document.
#include "RahmenTestHilfen.h"

#include "shell/Befehle.h"
#include "shell/CAnsichtDlg.h"
#include "shell/CIntroDlg.h"
#include "shell/CObjektDlg.h"
#include "shell/CZEVAView.h"
#include "shell/LetzteDateien.h"
#include "shell/Vorschaufabrik.h"
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "shell/QtProfil.h"
#include "ui/CHideBar.h"
#include "ui/CRollupCtrl.h"
#include "ui/CWertButton.h"
#include "ui/QtAusgabe.h"
#include "ui/SteuerelementId.h"

#include <QDropEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolBar>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace zeva {
namespace {

static testing::Environment* const bildschirm =
    testing::AddGlobalTestEnvironment(new test::Bildschirm("ui/bildschirm-1024x768.json"));

class Hauptfenster : public test::GestartetesProgramm {
protected:
    Haus& H() const { return Dok().HausRef(); }

    // A project written to the working folder.
    QString Projekt(const QString& name, const QString& beschreibung, int phase, int baujahr = 1955)
    {
        const QString pfad = test::Datei(name);
        test::SchreibeDatei(pfad, test::ProjektXml(beschreibung, phase, baujahr).toUtf8());
        return pfad;
    }

    void KlickeLink(const QString& text) { test::KlickeLink(*rahmen, text); }
};

TEST_F(Hauptfenster, CoversTheWorkAreaWithBarsOfAQuarterOfItsWidth)
{
    const QRect arbeit = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(rahmen->geometry(), arbeit);
    EXPECT_EQ(CMainFrame::Balkenbreite(1024), 256);
    EXPECT_EQ(CMainFrame::Balkenbreite(801), 200);
    EXPECT_EQ(CMainFrame::Balkenbreite(800), 242);
    EXPECT_EQ(rahmen->LinkerBalken()->width(), 256);
    EXPECT_EQ(rahmen->RechterBalken()->width(), 256);
    EXPECT_EQ(rahmen->LinkerBalken()->BalkenStil(), CSizingControlBar::SB_KINDER_FUELLEN);
    EXPECT_EQ(rahmen->dockWidgetArea(rahmen->LinkerBalken()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(rahmen->dockWidgetArea(rahmen->RechterBalken()), Qt::RightDockWidgetArea);
    EXPECT_EQ(rahmen->LinkerBalken()->objectName(), QStringLiteral("id59646"));
    EXPECT_EQ(rahmen->RechterBalken()->objectName(), QStringLiteral("id59645"));
    // The view area lies between the bars.
    const QRect bereich = rahmen->AnsichtsRechteck();
    EXPECT_GE(bereich.left(), rahmen->LinkerBalken()->geometry().right());
    EXPECT_LE(bereich.right(), rahmen->RechterBalken()->geometry().left());
    EXPECT_GT(bereich.width(), 400);
    EXPECT_FALSE(rahmen->RechterBalken()->IstKnopfAktiv()) << "inactive until the input ends";
    EXPECT_EQ(rahmen->windowTitle(), QStringLiteral("Unbenannt - Vyk-ZEVA"));
}

TEST_F(Hauptfenster, ToolBarIsHiddenUntilSwitchedOnAndHoldsItsButtons)
{
    QToolBar* leiste = rahmen->Symbolleiste();
    EXPECT_FALSE(leiste->isVisible());
    EXPECT_FALSE(rahmen->Aktion(ID_VIEW_TOOLBAR)->isChecked());
    EXPECT_EQ(rahmen->Aktion(ID_VIEW_TOOLBAR)->text(), QStringLiteral("&Symbolleiste "));
    rahmen->Aktion(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_TRUE(leiste->isVisible());
    EXPECT_TRUE(rahmen->Aktion(ID_VIEW_TOOLBAR)->isChecked());

    QList<int> ids;
    for (QAction* a : leiste->actions())
        ids << (a->isSeparator() ? 0 : a->data().toInt());
    EXPECT_EQ(ids, (QList<int>{57600, 57601, 0, 57603, 0, 57607, 57664, 0, 32812, 32817}));
    EXPECT_EQ(rahmen->Aktion(32812)->toolTip(), QStringLiteral("Eingabephase"));
    EXPECT_EQ(rahmen->Aktion(32812)->statusTip(), QStringLiteral("Zurück zur Eingabe"));
    EXPECT_EQ(rahmen->Aktion(32817)->toolTip(), QStringLiteral("Bildschirmfoto"));
}

TEST_F(Hauptfenster, MenusAndAcceleratorsFollowTheMainMenu)
{
    QStringList titel;
    for (QAction* a : rahmen->menuBar()->actions())
        titel << a->text();
    EXPECT_EQ(titel, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Berechnung"), QStringLiteral("&Sanierung"),
                                  QStringLiteral("E&xtras"), QStringLiteral("&Hilfe")}));
    const QList<QAction*> menues = rahmen->menuBar()->actions();
    EXPECT_TRUE(menues[0]->isEnabled());
    EXPECT_FALSE(menues[1]->isEnabled());
    EXPECT_FALSE(menues[2]->isEnabled());
    EXPECT_TRUE(menues[3]->isEnabled());

    struct Case {
        int id;
        QKeySequence taste;
    };
    const Case cases[] = {{57600, QKeySequence(Qt::CTRL | Qt::Key_N)}, {57601, QKeySequence(Qt::CTRL | Qt::Key_O)},
                          {57607, QKeySequence(Qt::CTRL | Qt::Key_P)}, {57603, QKeySequence(Qt::CTRL | Qt::Key_S)},
                          {57604, QKeySequence(Qt::Key_F12)}};
    for (const Case& c : cases)
        EXPECT_EQ(rahmen->Aktion(c.id)->shortcut(), c.taste) << c.id;
    EXPECT_EQ(rahmen->Aktion(32779)->statusTip(),
              QStringLiteral("Fügt eine neue Sanierungsvariante hinzu und führt eine automatische Sanierung durch."));
    EXPECT_EQ(rahmen->Aktion(32794)->statusTip(), QStringLiteral("Öffnet das Berechnungsfenster für das bestehende Gebäude"));

    QSignalSpy befehle(rahmen, &CMainFrame::befehlAusgefuehrt);
    test::SkriptDateiauswahl auswahl; // Save of a new project asks for a name: cancelled
    QTest::keyClick(rahmen, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(befehle.count(), 1);
    EXPECT_EQ(befehle[0][0].toInt(), 57603);
    EXPECT_EQ(auswahl.Gefragt(), 1);
}

TEST_F(Hauptfenster, OnlyTheMainWindowCarriesTheProgramsName)
{
    // A display name of the application would make the window system add
    // " — Vyk-ZEVA" to every dialog's caption; the frame's title names the
    // program itself.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_TRUE(rahmen->windowTitle().endsWith(QStringLiteral(" - Vyk-ZEVA")));
}

TEST_F(Hauptfenster, LeftBarHoldsTheFourPagesAllOpen)
{
    CRollupCtrl* rollup = rahmen->Rollup();
    ASSERT_EQ(rollup->Seitenanzahl(), 4);
    const QStringList erwartet{QStringLiteral("Objekt"), QStringLiteral("Geometrische Kenngrößen"),
                               QStringLiteral("Heizung"), QStringLiteral("Grafiken")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rollup->Kopf(i)->text(), erwartet[i]);
        EXPECT_TRUE(rollup->IstSeiteOffen(i)) << i;
    }
    EXPECT_EQ(rollup->Seite(0), rahmen->ObjektSeite());
    EXPECT_EQ(rollup->Seite(3), rahmen->AnsichtSeite());
    EXPECT_EQ(rollup->objectName(), QStringLiteral("id2"));

    // The figure panes replace the empty pages in their places.
    auto* geo = new QLabel(QStringLiteral("Kennwerte"));
    geo->resize(100, 60);
    rahmen->SetzeGeoKGSeite(geo);
    ASSERT_EQ(rollup->Seitenanzahl(), 4);
    EXPECT_EQ(rollup->Seite(1), geo);
    EXPECT_EQ(rollup->Kopf(1)->text(), erwartet[1]);
    EXPECT_TRUE(rollup->IstSeiteOffen(1));
    EXPECT_EQ(rahmen->GeoKGSeite(), geo);
}

// A figure page that counts how often the frame has it re-read the
// document: the heating page computes a copy of the house each time.
class Zaehlseite : public QWidget, public AktualisierbareSeite {
public:
    void Aktualisiere(CZEVADoc&) override { ++aufrufe; }
    int aufrufe = 0;
};

TEST_F(Hauptfenster, ARefreshAfterReadingOrAFailedReadReadsTheFigurePagesOnce)
{
    auto* seite = new Zaehlseite;
    rahmen->SetzeHeizungSeite(seite);
    ASSERT_TRUE(app->OpenDocumentFile(Projekt(QStringLiteral("Gelesen.vza"), QStringLiteral("Gelesen"), 5)));

    struct Fall {
        const char* name;
        void (CMainFrame::*auffrischen)();
    };
    for (const Fall& fall : {Fall{"after reading", &CMainFrame::AktualisiereMenue},
                             Fall{"after a failed read", &CMainFrame::ZeigeNeuesProjekt}}) {
        seite->aufrufe = 0;
        (rahmen->*fall.auffrischen)();
        EXPECT_EQ(seite->aufrufe, 1) << fall.name;
    }
}

TEST_F(Hauptfenster, ObjektPageShowsTitleThenHouseData)
{
    // A page of its own before any refresh.
    CObjektDlg neu;
    neu.Create();
    EXPECT_EQ(neu.Dateiname()->Wert(), QStringLiteral("Unbenannt.vza"));
    EXPECT_EQ(neu.Dateiname()->Beschriftung(), QStringLiteral("Dateiname"));
    EXPECT_EQ(neu.Baujahr()->objectName(), QStringLiteral("id1125"));

    CObjektDlg* seite = rahmen->ObjektSeite();
    EXPECT_EQ(seite->Dateiname()->Wert(), QStringLiteral("Unbenannt"));
    EXPECT_EQ(seite->Baujahr()->Wert(), QStringLiteral("1955"));

    ASSERT_TRUE(app->OpenDocumentFile(Projekt(QStringLiteral("Villa.vza"), QStringLiteral("Villa Sonnenschein"), 3, 12345)));
    EXPECT_EQ(seite->Dateiname()->Wert(), QStringLiteral("Villa.vza"));
    EXPECT_EQ(seite->Projektname()->Wert(), QStringLiteral("Villa Sonnenschein"));
    EXPECT_EQ(seite->Baujahr()->Wert(), QStringLiteral("12345")) << "no thousands grouping";
    EXPECT_FALSE(seite->Baujahr()->StilBits() & CWertButton::WB_LINKS) << "right-aligned";
    EXPECT_TRUE(seite->Projektname()->StilBits() & CWertButton::WB_LINKS);
}

TEST_F(Hauptfenster, StartPageShowsTheRecentProjectsAfterStartUp)
{
    EXPECT_EQ(rahmen->AngezeigterSchritt(), -1) << "no step is shown on the start page";
    EXPECT_TRUE(rahmen->Startansicht()->isVisible());
    EXPECT_EQ(rahmen->Startansicht()->Seitenmodus(), 1);
    EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Startseite);
    EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Startansicht());
    EXPECT_EQ(rahmen->Intro(), nullptr);
}

TEST_F(Hauptfenster, SavedViewStackRestoresViewsAndPanes)
{
    QWidget* varianten = rahmen->Variantenfenster();
    QWidget* report = rahmen->ReportGenerator();
    auto* bedarf = new QWidget;
    rahmen->SetzeBedarfsfenster(bedarf);
    auto sichtbar = [](QWidget* w) { return w && w->isVisibleTo(w->parentWidget()); };
    varianten->show();
    bedarf->hide();

    // The heat-demand page with its pane; then the report with the generator.
    QPointer<QWidget> seite = new QWidget;
    bedarf->show();
    EXPECT_TRUE(rahmen->SchalteAnsichtEin(seite, bedarf));
    varianten->hide();
    report->hide();
    EXPECT_EQ(rahmen->AktiveAnsicht(), seite.data());
    EXPECT_FALSE(rahmen->Startansicht()->isVisible());

    QPointer<QWidget> bericht = new QWidget;
    EXPECT_TRUE(rahmen->SchalteAnsichtEin(bericht, report));
    varianten->hide();
    report->show();
    bedarf->hide();
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 2);

    rahmen->SchliesseAnsicht(bericht);
    EXPECT_TRUE(bericht.isNull()) << "a closed special view is deleted";
    EXPECT_EQ(rahmen->AktiveAnsicht(), seite.data());
    EXPECT_TRUE(sichtbar(bedarf));
    EXPECT_FALSE(sichtbar(report));

    rahmen->SchliesseAnsicht(seite);
    EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Startansicht());
    EXPECT_TRUE(rahmen->Startansicht()->isVisible());
    EXPECT_TRUE(sichtbar(varianten));
    EXPECT_FALSE(sichtbar(bedarf));
    EXPECT_FALSE(sichtbar(report));
    EXPECT_TRUE(rahmen->Stapel().IstLeer());
}

TEST_F(Hauptfenster, SavedViewStackRefusesThe65thEntryButShowsTheView)
{
    std::vector<QPointer<QWidget>> ansichten;
    for (int i = 0; i < Ansichtsstapel::MaxEintraege; ++i) {
        ansichten.emplace_back(new QWidget);
        ASSERT_TRUE(rahmen->SchalteAnsichtEin(ansichten.back(), nullptr)) << i;
    }
    QPointer<QWidget> zuviel = new QWidget;
    EXPECT_FALSE(rahmen->SchalteAnsichtEin(zuviel, nullptr));
    EXPECT_EQ(rahmen->AktiveAnsicht(), zuviel.data());
    EXPECT_TRUE(zuviel->isVisible());
    EXPECT_EQ(rahmen->Stapel().Anzahl(), Ansichtsstapel::MaxEintraege);

    // Closing the oldest view closes every later one first. The view whose
    // entry the refused push left on top is skipped over: the refused view's
    // close restored the one below it.
    rahmen->SchliesseAnsicht(ansichten.front());
    EXPECT_TRUE(rahmen->Stapel().IstLeer());
    EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Startansicht());
    EXPECT_TRUE(zuviel.isNull());
    for (std::size_t i = 0; i + 1 < ansichten.size(); ++i)
        EXPECT_TRUE(ansichten[i].isNull()) << i;
    EXPECT_FALSE(ansichten.back()->isVisible());
}

TEST_F(Hauptfenster, PlanAnd3DViewsCoverTheViewAreaAfterEveryResize)
{
    auto* plan = new QWidget;
    auto* raum = new QWidget;
    rahmen->SetzeEingabeansichten(plan, raum);
    plan->show();
    QWidget* bereich = rahmen->centralWidget();
    EXPECT_EQ(plan->parentWidget(), bereich);
    EXPECT_EQ(plan->geometry(), bereich->rect());
    EXPECT_FALSE(raum->isVisible()) << "created hidden";

    rahmen->resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(plan->geometry(), bereich->rect());
    EXPECT_EQ(raum->geometry(), bereich->rect());
    EXPECT_EQ(rahmen->AnsichtsRechteck(), bereich->geometry());

    // Hiding the step windows hides both views; they stay alive.
    rahmen->VerbergeSchrittfenster();
    EXPECT_FALSE(plan->isVisible());
    EXPECT_EQ(rahmen->Ansicht2D(), plan);
}

TEST_F(Hauptfenster, BetweenPageComesInModeTwo)
{
    rahmen->VerlasseStartseite();
    EXPECT_FALSE(rahmen->Startansicht()->isVisible());
    EXPECT_EQ(rahmen->Startansicht()->Seitenmodus(), 0);
    EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Leerseite);
    rahmen->ZeigeZwischenseite();
    EXPECT_TRUE(rahmen->Startansicht()->isVisible());
    EXPECT_EQ(rahmen->Startansicht()->Seitenmodus(), 2);
    EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);

    // The start page message at a later step changes nothing.
    HausAnbindung::SetzePhase(H(), 5);
    rahmen->Startseite(false);
    EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);
}

TEST_F(Hauptfenster, AreasPageOpensFromTheLinkAndClosesWithMinusOne)
{
    QPointer<QWidget> flaechen;
    rahmen->SetzeFlaechenansichtErzeuger([&flaechen](QWidget* eltern) {
        flaechen = new QLabel(QStringLiteral("Flächen"), eltern);
        return flaechen.data();
    });
    rahmen->Startansicht()->BearbeiteLink(QUrl(QStringLiteral("zeva:///#flaechen")));
    EXPECT_TRUE(flaechen.isNull()) << "queued";
    QCoreApplication::processEvents();
    ASSERT_FALSE(flaechen.isNull());
    EXPECT_EQ(rahmen->AktiveAnsicht(), flaechen.data());
    EXPECT_TRUE(rahmen->ReportGenerator()->isHidden());
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 1);

    rahmen->Flaechenansicht(ANSICHT_SCHLIESSEN);
    EXPECT_TRUE(flaechen.isNull());
    EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Startansicht());
    EXPECT_TRUE(rahmen->Stapel().IstLeer());
}

TEST_F(Hauptfenster, GrafikenTabsFollowTheStep)
{
    CAnsichtDlg* seite = rahmen->AnsichtSeite();
    auto reiter = [seite] {
        QStringList texte;
        for (int i = 0; i < seite->Tab()->count(); ++i)
            texte << seite->Tab()->tabText(i);
        return texte;
    };
    const QString g = QStringLiteral("Grundriß"), d = QStringLiteral("3D-Ansicht"), s = QStringLiteral("Sankey");
    seite->AktualisiereSchritt(14);
    EXPECT_EQ(reiter(), QStringList{g});
    seite->AktualisiereSchritt(15);
    EXPECT_EQ(reiter(), (QStringList{g, d}));
    seite->AktualisiereSchritt(19);
    EXPECT_EQ(reiter(), (QStringList{g, d, s}));

    // Sankey selected, then a project at step 15: the 3D tab is selected.
    seite->Tab()->setCurrentIndex(2);
    EXPECT_TRUE(seite->Sankey()->isVisible());
    seite->AktualisiereSchritt(15);
    EXPECT_EQ(reiter(), (QStringList{g, d}));
    EXPECT_EQ(seite->Tab()->currentIndex(), 1);
    ASSERT_NE(seite->Vorschau3D(), nullptr);
    EXPECT_TRUE(seite->Vorschau3D()->isVisible());
    EXPECT_FALSE(seite->Sankey()->isVisible());

    // Sankey selected, then a project at step 10: only the plan stays.
    seite->AktualisiereSchritt(19);
    seite->Tab()->setCurrentIndex(2);
    seite->AktualisiereSchritt(10);
    EXPECT_EQ(reiter(), QStringList{g});
    EXPECT_EQ(seite->Tab()->currentIndex(), 0);
    ASSERT_NE(seite->Vorschau2D(), nullptr);
    EXPECT_TRUE(seite->Vorschau2D()->isVisible());
    EXPECT_EQ(seite->Vorschau2D()->geometry(), seite->Anzeigebereich());
    EXPECT_TRUE(Vorschaufabrik::IstPlatzhalter(seite->Vorschau2D())) << "no OpenGL offscreen";
}

TEST_F(Hauptfenster, CollapsingGrafikenDestroysThePreviewsAndOpeningMakesThemAgain)
{
    CAnsichtDlg* seite = rahmen->AnsichtSeite();
    ASSERT_NE(seite->Vorschau2D(), nullptr);
    QPointer<QWidget> vorher = seite->Vorschau2D();
    rahmen->Rollup()->OeffneSeite(3, false);
    EXPECT_TRUE(vorher.isNull());
    EXPECT_EQ(seite->Vorschau2D(), nullptr);
    EXPECT_EQ(seite->Vorschau3D(), nullptr);
    rahmen->Rollup()->OeffneSeite(3, true);
    ASSERT_NE(seite->Vorschau2D(), nullptr);
    EXPECT_TRUE(seite->Vorschau2D()->isVisible());
}

TEST_F(Hauptfenster, FileNewShowsTheIntroAndItsBackButtonTheStartPage)
{
    rahmen->Befehl(ID_FILE_NEW);
    EXPECT_TRUE(meldungen.Anfragen().empty()) << "an unchanged project is not asked about";
    ASSERT_NE(rahmen->Intro(), nullptr);
    EXPECT_TRUE(rahmen->Intro()->isVisible());
    EXPECT_FALSE(rahmen->Startansicht()->isVisible());
    EXPECT_EQ(rahmen->AngezeigterSchritt(), 0);
    EXPECT_EQ(FindeId<QLabel>(rahmen->Intro(), 1328)->text(), QStringLiteral("Vyk-ZEVA Version Nr.: 1.3"));
    EXPECT_EQ(FindeId<QPushButton>(rahmen->Intro(), 1285)->text(), QStringLiteral("Intro"));
    EXPECT_EQ(FindeId<QPushButton>(rahmen->Intro(), 1284)->text(), QStringLiteral("Projekt (1)"));
    EXPECT_FALSE(rahmen->Aktion(ID_FILE_PRINT)->isEnabled());

    // Enter and Escape do not close the panel.
    QTest::keyClick(rahmen->Intro(), Qt::Key_Escape);
    QTest::keyClick(rahmen->Intro(), Qt::Key_Return);
    EXPECT_TRUE(rahmen->Intro()->isVisible());

    QTest::mouseClick(rahmen->Intro()->Zurueck(), Qt::LeftButton);
    EXPECT_FALSE(rahmen->Intro()->isVisible());
    EXPECT_TRUE(rahmen->Startansicht()->isVisible());
    EXPECT_EQ(rahmen->Startansicht()->Seitenmodus(), 1);
}

TEST_F(Hauptfenster, FileNewOnAChangedProjectAsksAndReadsTheProfileOnlyOnYes)
{
    QtProfil profil;
    ASSERT_TRUE(SchreibeProfilDouble(profil, "Optionen", "mk_Preis0", 0.09));
    rahmen->Optionen().Brennstoffkosten1 = 0.05;
    HausAnbindung::SetzeAngaben(H(), {"Alt", "", "", 1955});
    Dok().SetModifiedFlag(true);
    const Haus* vorher = &H();

    meldungen.Antworte(QMessageBox::No);
    rahmen->Befehl(ID_FILE_NEW);
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    const Meldung::Anfrage& frage = meldungen.Anfragen()[0];
    EXPECT_EQ(frage.text,
              QStringLiteral("Die Änderungen wurden noch nicht gespeichert.\nMöchten Sie ohne zu speichern fortfahren?"));
    EXPECT_EQ(frage.knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(frage.vorgabe, QMessageBox::No);
    EXPECT_EQ(frage.symbol, Meldung::Symbol::Frage);
    EXPECT_EQ(&H(), vorher);
    EXPECT_EQ(H().Beschreibung, "Alt");
    EXPECT_DOUBLE_EQ(rahmen->Optionen().Brennstoffkosten1, 0.05) << "the profile is read only after Yes";
    EXPECT_TRUE(rahmen->Startansicht()->isVisible()) << "the start page comes back at step 0";

    meldungen.Antworte(QMessageBox::Yes);
    rahmen->Befehl(ID_FILE_NEW);
    EXPECT_EQ(meldungen.Anfragen().size(), 2u);
    EXPECT_EQ(H().Beschreibung, "");
    EXPECT_FALSE(Dok().IsModified());
    EXPECT_DOUBLE_EQ(rahmen->Optionen().Brennstoffkosten1, 0.09);
    ASSERT_NE(rahmen->Intro(), nullptr);
    EXPECT_TRUE(rahmen->Intro()->isVisible());
}

TEST_F(Hauptfenster, StartPageLinksOpenProjectsWithAnyCharacters)
{
    const QStringList namen{QStringLiteral("Mein Haus.vza"), QStringLiteral("Grüne Straße.vza"),
                            QStringLiteral("Haus #2.vza"), QStringLiteral("100%41.vza")};
    QStringList pfade;
    for (int i = 0; i < namen.size(); ++i) {
        pfade << Projekt(namen[i], QStringLiteral("Projekt %1").arg(i), 0);
        app->LetzteDateienListe().Hinzufuegen(pfade.back());
    }
    rahmen->Startseite(false);
    for (int i = 0; i < namen.size(); ++i) {
        rahmen->Startseite(false);
        KlickeLink(QFileInfo(namen[i]).completeBaseName());
        EXPECT_EQ(Dok().GetPathName(), pfade[i]);
        EXPECT_EQ(H().Beschreibung, QStringLiteral("Projekt %1").arg(i).toStdString());
        EXPECT_TRUE(meldungen.Anfragen().empty());
    }
}

TEST_F(Hauptfenster, StartPageButtonsReachTheirCommandsQueued)
{
    QSignalSpy befehle(rahmen, &CMainFrame::befehlAusgefuehrt);
    test::SkriptDateiauswahl auswahl; // File Open is cancelled
    KlickeLink(QStringLiteral("Projekt öffnen"));
    ASSERT_EQ(befehle.count(), 1);
    EXPECT_EQ(befehle[0][0].toInt(), ID_FILE_OPEN);
    EXPECT_EQ(auswahl.Filter(), (QStringList{QStringLiteral("Vyk-ZEVA Dokument (*.vza)"),
                                             QStringLiteral("ZEVA Dokument (*.zva)"), QStringLiteral("Alle Dateien (*.*)")}));
    EXPECT_TRUE(rahmen->Startansicht()->isVisible()) << "Cancel at step 0 shows the start page again";

    KlickeLink(QStringLiteral("Neues Projekt"));
    ASSERT_EQ(befehle.count(), 2);
    EXPECT_EQ(befehle[1][0].toInt(), ID_FILE_NEW);
    EXPECT_TRUE(rahmen->Intro()->isVisible());

    // The status bar shows the plain path of a recent project.
    emit rahmen->Startansicht()->highlighted(QUrl(QStringLiteral("zeva:///%2Fp%2FMein%20Haus.vza")));
    EXPECT_EQ(rahmen->statusBar()->currentMessage(), QStringLiteral("/p/Mein Haus.vza"));
}

TEST_F(Hauptfenster, CancelledOpenAtALaterStepLeavesTheScreen)
{
    ASSERT_TRUE(app->OpenDocumentFile(Projekt(QStringLiteral("Schritt5.vza"), QStringLiteral("S"), 5)));
    EXPECT_EQ(rahmen->AngezeigterSchritt(), 5);
    test::SkriptDateiauswahl auswahl;
    rahmen->Befehl(ID_FILE_OPEN);
    EXPECT_EQ(auswahl.Gefragt(), 1);
    EXPECT_FALSE(rahmen->Startansicht()->isVisible());
    EXPECT_EQ(Dok().GetTitle(), QStringLiteral("Schritt5.vza"));
}

// Ctrl+O over a modified project after the input, a file chosen,
// "Abbrechen" at the save question: the project stays, and so does its
// between page.
TEST_F(Hauptfenster, OpenCancelledAtTheSaveQuestionKeepsThePage)
{
    const QString anderes = Projekt(QStringLiteral("Anderes.vza"), QStringLiteral("Anderes"), 0);
    ASSERT_TRUE(app->OpenDocumentFile(Projekt(QStringLiteral("Offen.vza"), QStringLiteral("Offen"), 19)));
    QCoreApplication::processEvents();
    ASSERT_TRUE(rahmen->Startansicht()->isVisible());
    ASSERT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);
    Dok().SetModifiedFlag(true);
    test::SkriptDateiauswahl auswahl;
    auswahl.Antworte(anderes);
    meldungen.Antworte(QMessageBox::Cancel);
    const std::size_t vorher = meldungen.Anfragen().size();
    QTest::keyClick(rahmen, Qt::Key_O, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(auswahl.Gefragt(), 1);
    ASSERT_EQ(meldungen.Anfragen().size(), vorher + 1) << "the save question";
    EXPECT_EQ(Dok().GetTitle(), QStringLiteral("Offen.vza"));
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_TRUE(rahmen->Startansicht()->isVisible()) << "the main view is not blank";
    EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);
    EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Startansicht());
    Dok().SetModifiedFlag(false);
}

TEST_F(Hauptfenster, RecentListKeepsTenAndIsWrittenAtOnce)
{
    QStringList pfade;
    for (int i = 1; i <= 11; ++i) {
        pfade << Projekt(QStringLiteral("P%1.vza").arg(i), QStringLiteral("P%1").arg(i), 0);
        ASSERT_TRUE(app->OpenDocumentFile(pfade.back()));
    }
    // Opening again moves it to the top.
    ASSERT_TRUE(app->OpenDocumentFile(pfade[5]));
    const QStringList liste = app->LetzteDateienListe().Pfade();
    ASSERT_EQ(liste.size(), 10);
    EXPECT_EQ(liste.first(), pfade[5]);
    EXPECT_EQ(liste[1], pfade[10]);
    EXPECT_FALSE(liste.contains(pfade[0])) << "the oldest is dropped";

    QSettings profil;
    EXPECT_EQ(profil.value(QStringLiteral("Recent File List/File1")).toString(), pfade[5]);
    EXPECT_EQ(profil.value(QStringLiteral("Recent File List/File10")).toString(), pfade[1]);
    EXPECT_FALSE(profil.contains(QStringLiteral("Recent File List/File11")));
    EXPECT_EQ(LetzteDateien().Pfade(), liste) << "a new list reads the same from the profile";

    // The Datei menu lists them with their numbers.
    rahmen->AktualisiereLetzteDateienMenue();
    QAction* erste = rahmen->findChild<QAction*>(IdName(ID_FILE_MRU_FILE1));
    ASSERT_NE(erste, nullptr);
    EXPECT_TRUE(erste->text().startsWith(QStringLiteral("&1 "))) << erste->text().toStdString();
    EXPECT_TRUE(erste->text().endsWith(QStringLiteral("P6.vza")));
}

TEST_F(Hauptfenster, RecentMenuEntryOpensItsProjectAndDropsAMissingOne)
{
    const QString gut = Projekt(QStringLiteral("Gut.vza"), QStringLiteral("Gut"), 0);
    const QString weg = Projekt(QStringLiteral("Weg.vza"), QStringLiteral("Weg"), 0);
    ASSERT_TRUE(app->OpenDocumentFile(gut));
    ASSERT_TRUE(app->OpenDocumentFile(weg));
    ASSERT_TRUE(QFile::remove(weg));
    rahmen->AktualisiereLetzteDateienMenue();

    // Entry 2 is the good project, entry 1 the one that is gone.
    rahmen->findChild<QAction*>(IdName(ID_FILE_MRU_FILE1 + 1))->trigger();
    EXPECT_EQ(Dok().GetPathName(), gut);
    rahmen->findChild<QAction*>(IdName(ID_FILE_MRU_FILE1 + 1))->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(meldungen.Texte().value(1), QStringLiteral("Fehler beim Öffnen des Dokuments."));
    EXPECT_EQ(app->LetzteDateienListe().Pfade(), QStringList{gut});
}

TEST_F(Hauptfenster, DamagedDocumentFromTheMenuReportsAndShowsANewProject)
{
    ASSERT_TRUE(app->OpenDocumentFile(Projekt(QStringLiteral("Gut.vza"), QStringLiteral("Gut"), 5)));
    const QString kaputt = test::Datei(QStringLiteral("Kaputt.vza"));
    test::SchreibeDatei(kaputt, "<?xml version=\"1.0\"?><VykeZeva><Haus><Beschr");
    test::SkriptDateiauswahl auswahl;
    auswahl.Antworte(kaputt);
    rahmen->Befehl(ID_FILE_OPEN);
    ASSERT_EQ(meldungen.Texte().size(), 2);
    EXPECT_EQ(meldungen.Texte()[1], QStringLiteral("Fehler beim Öffnen des Dokuments."));
    EXPECT_EQ(rahmen->windowTitle(), QStringLiteral("Unbenannt - Vyk-ZEVA"));
    EXPECT_EQ(H().Beschreibung, "");
    EXPECT_EQ(rahmen->ObjektSeite()->Dateiname()->Wert(), QStringLiteral("Unbenannt"));
    EXPECT_EQ(rahmen->ObjektSeite()->Projektname()->Wert(), QString());
    EXPECT_EQ(rahmen->AngezeigterSchritt(), 0) << "everything shows the new project";
    EXPECT_FALSE(app->LetzteDateienListe().Pfade().contains(kaputt));
}

TEST_F(Hauptfenster, DroppedProjectOpensAfterTheSaveQuestion)
{
    const QString pfad = Projekt(QStringLiteral("Gezogen.vza"), QStringLiteral("Gezogen"), 0);
    Dok().SetModifiedFlag(true);
    meldungen.Antworte(QMessageBox::No);

    QMimeData daten;
    daten.setUrls({QUrl::fromLocalFile(pfad)});
    QDragEnterEvent betreten(QPoint(500, 300), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rahmen, &betreten);
    EXPECT_TRUE(betreten.isAccepted());
    QDropEvent fallen(QPointF(500, 300), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rahmen, &fallen);
    QCoreApplication::processEvents();

    ASSERT_EQ(meldungen.Texte(), QStringList{QStringLiteral("Änderungen in Unbenannt speichern?")});
    EXPECT_EQ(Dok().GetPathName(), pfad);
    EXPECT_EQ(H().Beschreibung, "Gezogen");
}

TEST_F(Hauptfenster, SaveAsFromTheMenuWritesAndRecordsTheProject)
{
    HausAnbindung::SetzeAngaben(H(), {"Gesichert", "", "", 1990});
    Dok().SetModifiedFlag(true);
    test::SkriptDateiauswahl auswahl;
    auswahl.Antworte(test::Datei(QStringLiteral("Gesichert.zva")));
    rahmen->Befehl(ID_FILE_SAVE_AS);
    EXPECT_EQ(auswahl.Vorschlag(), QStringLiteral("Unbenannt.vza"));
    EXPECT_EQ(Dok().GetPathName(), test::Datei(QStringLiteral("Gesichert.vza")));
    EXPECT_EQ(rahmen->windowTitle(), QStringLiteral("Gesichert.vza - Vyk-ZEVA"));
    EXPECT_EQ(app->LetzteDateienListe().Pfade().value(0), test::Datei(QStringLiteral("Gesichert.vza")));
    EXPECT_TRUE(test::LiesDatei(test::Datei(QStringLiteral("Gesichert.vza"))).contains("Gesichert"));
    EXPECT_FALSE(QFile::exists(test::Datei(QStringLiteral("Gesichert.zva"))));
}

TEST_F(Hauptfenster, ClosingAsksTheSaveQuestionAndCancelKeepsTheWindow)
{
    Dok().SetModifiedFlag(true);
    meldungen.Antworte(QMessageBox::Cancel);
    EXPECT_FALSE(rahmen->close());
    EXPECT_TRUE(rahmen->isVisible());
    meldungen.Antworte(QMessageBox::No);
    EXPECT_TRUE(rahmen->close());
    EXPECT_EQ(meldungen.Anfragen().size(), 2u);
}

TEST_F(Hauptfenster, TheTemporaryBitmapGoesWithTheFrame)
{
    const QString bmp = QDir(rahmen->Startordner()).filePath(QStringLiteral("Unben.bmp"));
    test::SchreibeDatei(bmp, "bmp");
    app.reset();
    EXPECT_FALSE(QFile::exists(bmp));
    // No error when it is missing.
    CMainFrame leer;
    EXPECT_EQ(leer.Startordner(), QDir::currentPath());
}

TEST_F(Hauptfenster, AboutBoxShowsTheVersion)
{
    QString titel, text;
    test::BeiModalemDialog([&](QDialog* dialog) {
        titel = dialog->windowTitle();
        if (auto* feld = FindeId<QLabel>(dialog, 1328))
            text = feld->text();
        QTest::mouseClick(FindeId<QPushButton>(dialog, 1), Qt::LeftButton);
    });
    rahmen->Befehl(ID_APP_ABOUT);
    EXPECT_EQ(titel, QStringLiteral("Info über ZEVA"));
    EXPECT_EQ(text, QStringLiteral("Vyk-ZEVA Version Nr.: 1.3"));
}

TEST(ReportOrdner, IsTheProgramFolderAndStaysTheSame)
{
    const QString erst = ReportOrdner();
    EXPECT_EQ(erst, QCoreApplication::applicationDirPath() + QStringLiteral("/Report"));
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    EXPECT_EQ(ReportOrdner(), erst);
    QDir::setCurrent(vorher);
}

class MitBefehlszeile : public test::GestartetesProgramm {
protected:
    void VorDemStart() override
    {
        pfad = test::Datei(QStringLiteral("Flachdach.vza"));
        test::SchreibeDatei(pfad, test::ProjektXml(QStringLiteral("Flachdach"), 5).toUtf8());
    }
    QStringList Argumente() const override { return {QStringLiteral("zeva"), QStringLiteral("Flachdach.vza")}; }
    QString pfad;
};

TEST_F(MitBefehlszeile, TheNamedProjectOpensAtItsStepWithoutTheStartPage)
{
    EXPECT_EQ(Dok().GetPathName(), pfad);
    EXPECT_EQ(rahmen->windowTitle(), QStringLiteral("Flachdach.vza - Vyk-ZEVA"));
    EXPECT_EQ(rahmen->AngezeigterSchritt(), 5);
    EXPECT_FALSE(rahmen->Startansicht()->isVisible());
    EXPECT_EQ(rahmen->Intro(), nullptr);
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

class MitFehlenderDatei : public test::GestartetesProgramm {
protected:
    QStringList Argumente() const override { return {QStringLiteral("zeva"), QStringLiteral("gibtsnicht.vza")}; }
};

TEST_F(MitFehlenderDatei, AMissingProjectIsReportedAndTheProgramGoesOn)
{
    ASSERT_EQ(meldungen.Texte().size(), 2);
    EXPECT_EQ(meldungen.Texte()[1], QStringLiteral("Fehler beim Öffnen des Dokuments."));
    EXPECT_EQ(Dok().GetTitle(), QStringLiteral("Unbenannt"));
    EXPECT_TRUE(rahmen->isVisible());
}

} // namespace
} // namespace zeva
