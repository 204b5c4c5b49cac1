// The plan editor as a user meets it: the started program with its frame,
// the editor shown at 400 × 400 pixels, the mouse driven by QTest, the
// read-outs in the input-assistant pane and the picture read back from the
// frame buffer. Runs under Xvfb with Mesa's software renderer.
#include "views/PlaneditorFixture.h"
#include "support/Ausgabedatei.h"

#include "geometry/C3DGenerator.h"
#include "model/Haus.h"
#include "model/PunktTestHilfen.h"
#include "platform/GLAnsicht.h"
#include "shell/CAnsichtDlg.h"
#include "shell/Schrittfolge.h"
#include "shell/Befehle.h"
#include "shell/Schrittplatzhalter.h"
#include "ui/CRollupCtrl.h"
#include "shell/Vorschaufabrik.h"
#include "ui/CHideBar.h"
#include "ui/SteuerelementId.h"
#include "views/C2DView.h"
#include "views/C3DView.h"
#include "views/CEingabeAssistentDlg.h"
#include "views/Planeditoransichten.h"

#include <GL/gl.h>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <optional>

namespace zeva {
namespace {

using test::ErwartePunkte;
using test::Planeditor;

TEST_F(Planeditor, TheContextIsACompatibilityProfileAndPaintsWithoutErrors)
{
    EXPECT_TRUE(ansicht->GLVersion().contains(QLatin1String("Compatibility Profile"))) << ansicht->GLVersion().toStdString();
    EXPECT_EQ(ansicht->objectName(), QStringLiteral("id209"));
    EXPECT_EQ(ansicht->windowTitle(), QStringLiteral("Grundrißeingabe")) << "the step switch names the step";
    Klicks({{2, 2}, {8, 2}});
    Bild();
    EXPECT_EQ(ansicht->windowTitle(), QStringLiteral("Grundrißeingabe")) << "no GL error";
}

// A view whose paint leaves a GL error behind.
class FehlerhafteAnsicht : public GLAnsicht {
protected:
    void paintGL() override
    {
        glEnd(); // without glBegin: GL_INVALID_OPERATION
        PruefeGLFehler();
    }
};

TEST_F(Planeditor, AGLErrorAfterAPaintBecomesTheWindowTitle)
{
    const std::pair<unsigned, const char*> texte[] = {
        {0x500, "OpenGL GL_INVALID_ENUM"},      {0x501, "OpenGL GL_INVALID_VALUE"},
        {0x502, "OpenGL GL_INVALID_OPERATION"}, {0x503, "OpenGL GL_STACK_OVERFLOW"},
        {0x504, "OpenGL GL_STACK_UNDERFLOW"},   {0x505, "OpenGL GL_OUT_OF_MEMORY"}};
    for (const auto& [code, text] : texte)
        EXPECT_EQ(GLAnsicht::GLFehlertext(code), QString::fromLatin1(text));
    EXPECT_TRUE(GLAnsicht::GLFehlertext(0).isEmpty());

    FehlerhafteAnsicht fehlerhaft;
    fehlerhaft.setWindowTitle(QStringLiteral("Test"));
    fehlerhaft.resize(50, 50);
    fehlerhaft.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fehlerhaft));
    fehlerhaft.grabFramebuffer();
    EXPECT_EQ(fehlerhaft.windowTitle(), QStringLiteral("OpenGL GL_INVALID_OPERATION"));
}

TEST_F(Planeditor, DrawingARectangleByMouse)
{
    Klick(2, 2);
    Bewege(12, 2);
    EXPECT_EQ(Wert(1009), QStringLiteral("10,00"));
    EXPECT_EQ(Wert(1010), QStringLiteral("10,00"));
    EXPECT_EQ(Wert(1011), QStringLiteral("0,00"));
    EXPECT_EQ(Wert(1014), QStringLiteral("12,00"));
    EXPECT_EQ(Wert(1324), QStringLiteral("2,00"));
    Klicks({{12, 2}, {12, 10}, {2, 10}});

    // Open: the closing edge (2,10)–(2,2) is grey.
    const QImage offen = Bild();
    offen.save(test::Ausgabedatei(QStringLiteral("planeditor_offen.png")));
    EXPECT_NEAR(Grau(offen, 2, 6, true), 128, 1);
    EXPECT_EQ(Grau(offen, 7, 2, false), 0);

    Klick(2.2, 2.1);
    ErwartePunkte(Umriss(), {{2, 10}, {12, 10}, {12, 2}, {2, 2}});
    EXPECT_EQ(Haus().m_aZone[0].Geschlossen, 1);
    EXPECT_EQ(Haus().Zonen, 2);
    EXPECT_EQ(Haus().m_aZone.size(), 2u);
    EXPECT_EQ(Haus().Flag2DEingabeImUZS, 0);
    EXPECT_TRUE(Haus().m_aLinien1.empty());
    EXPECT_TRUE(Haus().m_aLinien2.empty());
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_EQ(ansicht->EingabeAktiv(), 0);

    const QImage zu = Bild();
    zu.save(test::Ausgabedatei(QStringLiteral("planeditor_geschlossen.png")));
    EXPECT_EQ(Grau(zu, 2, 6, true), 0);
}

TEST_F(Planeditor, ACrossingEdgeIsRefusedAndMarkedInRed)
{
    Klicks({{2, 2}, {8, 2}, {8, 6}});
    Klick(5, 0.5);
    EXPECT_EQ(Umriss().size(), 4u);
    EXPECT_EQ(Haus().Flag2DKnotenGrundriss, 1);
    EXPECT_NEAR(Haus().m_2DKnotenGrundriss.x, 5.8181818, 1e-6);
    EXPECT_NEAR(Haus().m_2DKnotenGrundriss.y, 2, 1e-9);
    const QImage bild = Bild();
    bild.save(test::Ausgabedatei(QStringLiteral("planeditor_knoten.png")));
    // The marker's left side, 0.3 left of the crossing.
    const QPoint seite = Pixel(5.8181818 - 0.3, 2.15);
    bool rot = false;
    for (int dx = -1; dx <= 1; ++dx) {
        const QRgb c = bild.pixel(seite + QPoint(dx, 0));
        rot = rot || (qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60);
    }
    EXPECT_TRUE(rot);
    Bewege(9, 5);
    EXPECT_EQ(Haus().Flag2DKnotenGrundriss, 0);
}

TEST_F(Planeditor, DoubleClicks)
{
    Klicks({{2, 2}, {8, 2}});
    Doppelklick(5, 6);
    EXPECT_EQ(Haus().Zonen, 2);
    EXPECT_EQ(Umriss().size(), 3u);

    // A new plan: after a single point a double click leaves two points.
    Haus().m_aZone.SetSize(1);
    Haus().m_aZone[0] = Zone();
    Haus().Zonen = 1;
    Klick(2, 2);
    Doppelklick(8, 2);
    EXPECT_EQ(Haus().Zonen, 1);
    EXPECT_EQ(ansicht->EingabeAktiv(), 1);
    EXPECT_EQ(Umriss().size(), 3u);
}

TEST_F(Planeditor, RightClicksUndo)
{
    Klick(2, 2);
    Klick(5, 5, Qt::RightButton);
    EXPECT_TRUE(Umriss().empty());

    Klicks({{2, 2}, {8, 2}, {8, 6}, {2.1, 2.2}});
    ASSERT_EQ(Haus().Zonen, 2);
    Dok().SetModifiedFlag(false);
    Klick(5, 5, Qt::RightButton);
    EXPECT_EQ(Haus().Zonen, 1);
    EXPECT_EQ(ansicht->EingabeAktiv(), 1);
    EXPECT_EQ(Haus().m_aZone[0].Geschlossen, 1);
    EXPECT_EQ(Haus().m_aZone.size(), 2u);
    EXPECT_TRUE(Dok().IsModified());
    Doppelklick(3, 5);
    EXPECT_EQ(Haus().Zonen, 2);
    EXPECT_EQ(Haus().m_aZone.size(), 3u);
}

TEST_F(Planeditor, TheHundredAndFirstPointIsRefused)
{
    Punkt2DArray zickzack;
    for (int i = 0; i < 100; ++i)
        zickzack.Add(Punkt2D(0.5 + 0.15 * i, i % 2 ? 3 : 1));
    zickzack.Add(zickzack.back());
    Haus().m_aZone[0].m_a2DGrundrissPunkte = zickzack;
    Klick(10, 3, Qt::RightButton); // the outline floats at its last point
    Klick(10, 3, Qt::RightButton);
    Klick(15.35, 3);               // the 100th point again
    ASSERT_EQ(Umriss().size(), 101u);
    Klick(16, 1);
    EXPECT_EQ(Umriss().size(), 101u);
    ASSERT_EQ(meldungen.Texte(), QStringList{QString::fromUtf8(C3DGenerator::MeldungZuVielePunkte)});
}

TEST_F(Planeditor, NorthDirection)
{
    ZeigeSchritt(10);
    EXPECT_EQ(Wert(1283), QStringLiteral("Winkel :"));
    EXPECT_EQ(Wert(1009), QStringLiteral("0"));
    struct Case {
        Punkt2D p;
        double ausrichtung;
        const char* text;
    };
    for (const Case& c : {Case{{10, 15}, 90, "0"}, Case{{15, 10}, 0, "90"}, Case{{10, 5}, 270, "180"},
                          Case{{5, 10}, 180, "270"}}) {
        Klick(c.p.x, c.p.y);
        EXPECT_NEAR(Haus().Ausrichtung, c.ausrichtung, 1e-9);
        EXPECT_EQ(Wert(1009), QString::fromLatin1(c.text));
    }
    // A drag to one pixel left of straight up, 8 above the centre.
    QTest::mousePress(ansicht, Qt::LeftButton, {}, Pixel(10, 15));
    BewegeZu(ansicht, Pixel(10, 18) - QPoint(1, 0), Qt::LeftButton);
    EXPECT_NEAR(Haus().Ausrichtung, 90.358, 1e-3);
    EXPECT_EQ(Wert(1009), QStringLiteral("0"));
    QTest::mouseRelease(ansicht, Qt::LeftButton, {}, Pixel(10, 18) - QPoint(1, 0));

    Klick(10, 15);
    const QImage bild = Bild();
    bild.save(test::Ausgabedatei(QStringLiteral("planeditor_nord.png")));
    const QRgb spitze = bild.pixel(Pixel(10, 17.2) + QPoint(0, 1));
    const QRgb spitzeL = bild.pixel(Pixel(10, 17.2) + QPoint(-1, 1));
    EXPECT_TRUE((qBlue(spitze) > 200 && qRed(spitze) < 60) || (qBlue(spitzeL) > 200 && qRed(spitzeL) < 60));

    // The centre gives no direction.
    Klick(10, 10);
    EXPECT_NEAR(Haus().Ausrichtung, 90, 1e-9);
    EXPECT_EQ(Wert(1009), QStringLiteral("0"));
}

TEST_F(Planeditor, AWideViewShowsMorePlanAndTheGrid)
{
    ansicht->resize(600, 400);
    QCoreApplication::processEvents();
    EXPECT_NEAR(ansicht->Projektion().XMax(), 30, 1e-9);
    EXPECT_NEAR(ansicht->Seitenverhaeltnis(), 1.5, 1e-9);
    Klick(29.5, 5);
    EXPECT_TRUE(Umriss().empty());
    const QImage bild = Bild();
    bild.save(test::Ausgabedatei(QStringLiteral("planeditor_breit.png")));
    EXPECT_EQ(bild.width(), 600);
    EXPECT_EQ(Grau(bild, 5, 7.3, true), 204);     // a grid line
    EXPECT_NEAR(Grau(bild, 20, 7.3, true), 128, 1); // the plot border, two pixels wide
    const QPoint rand = Pixel(20, 7.3);
    EXPECT_NEAR(std::max(qGray(bild.pixel(rand)), qGray(bild.pixel(rand - QPoint(1, 0)))), 128, 1);
    EXPECT_EQ(qGray(bild.pixel(Pixel(5.25, 7.3))), 255); // background
}

TEST_F(Planeditor, ReparentedTheViewDrawsTheSamePicture)
{
    Klicks({{2, 2}, {8, 2}, {8, 6}, {2.1, 2.2}});
    const QImage vorher = Bild();
    auto* halter = new QWidget;
    halter->resize(400, 400);
    ansicht->setParent(halter);
    ansicht->setGeometry(0, 0, 400, 400);
    ansicht->show();
    halter->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(halter));
    const QImage nachher = Bild();
    EXPECT_EQ(nachher.convertToFormat(QImage::Format_RGB32), vorher.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(ansicht->windowTitle(), QStringLiteral("Grundrißeingabe"));
    ansicht->setParent(nullptr);
    delete halter;
}

TEST_F(Planeditor, ThePreviewDrawsTheOutlineWithoutGridAndIgnoresTheMouse)
{
    Haus().m_aZone[0].m_a2DGrundrissPunkte = {{2, 2}, {2, 10}, {12, 10}, {12, 2}};
    Haus().m_aZone[0].Geschlossen = 1;
    Haus().Zonen = 2;
    Haus().m_aZone.SetSize(2);
    Haus().Phase = 15;
    Dok().SetModifiedFlag(false);
    CAnsichtDlg* seite = rahmen->AnsichtSeite();
    rahmen->Rollup()->OeffneSeite(3, true);
    seite->AktualisiereSchritt(15);
    seite->Tab()->setCurrentIndex(CAnsichtDlg::REITER_GRUNDRISS);
    auto* vorschau = qobject_cast<C2DView*>(seite->Vorschau2D());
    ASSERT_NE(vorschau, nullptr);
    EXPECT_TRUE(vorschau->IstVorschau());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(vorschau));
    const QImage bild = vorschau->grabFramebuffer();
    bild.save(test::Ausgabedatei(QStringLiteral("planeditor_vorschau.png")));
    seite->grab().save(test::Ausgabedatei(QStringLiteral("planeditor_grafiken.png")));

    Punkt2D gitter(5, 15), kante(7, 10);
    vorschau->ModellZuFenster(gitter);
    vorschau->ModellZuFenster(kante);
    EXPECT_EQ(qGray(bild.pixel(QPoint(int(gitter.x), int(gitter.y)) + QPoint(0, 0))), 255);
    const QPoint k(int(std::lround(kante.x)), int(std::lround(kante.y)));
    EXPECT_LT(std::min(qGray(bild.pixel(k)), qGray(bild.pixel(k - QPoint(0, 1)))), 60);

    BewegeZu(vorschau, QPoint(10, 10));
    QTest::mouseClick(vorschau, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(vorschau, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(Umriss().size(), 4u);
    EXPECT_EQ(Haus().Zonen, 2);
    EXPECT_FALSE(Dok().IsModified());
}

// ----- the input-assistant pane ---------------------------------------------------------

TEST_F(Planeditor, NextLeavesTheFloorPlanOnlyWithAClosedOutline)
{
    QPushButton* weiter = assistent->Knopf(CEingabeAssistentDlg::IDC_WEITER);
    weiter->click();
    EXPECT_EQ(Haus().Phase, 8) << "no outline";

    Klicks({{2, 2}, {8, 2}, {8, 6}});
    weiter->click();
    EXPECT_EQ(Haus().Phase, 8) << "a point follows the cursor";

    // An outline saved open: nothing floats after loading.
    ansicht->Eingabe().EingabeAktiv = 0;
    weiter->click();
    EXPECT_EQ(Haus().Phase, 8);
    EXPECT_EQ(Haus().Zonen, 1);

    ansicht->Eingabe().EingabeAktiv = 1;
    Klick(2.1, 2.2);
    ASSERT_EQ(Haus().Zonen, 2);
    weiter->click();
    EXPECT_EQ(Haus().Phase, 10);
    EXPECT_EQ(Haus().Zonen, 1) << "the empty zone of the closing goes";
    EXPECT_EQ(Umriss().size(), 3u);
}

TEST_F(Planeditor, BackFromThe3DPhaseAsksAndDeletesTheVariants)
{
    Haus().Phase = 15;
    Haus().NeueVariante(true, rahmen->Optionen());
    Haus().NeueVariante(true, rahmen->Optionen());
    ASSERT_EQ(Haus().Varianten, 2);
    QPushButton* zurueckKnopf = assistent->Knopf(CEingabeAssistentDlg::IDC_ZURUECK);

    meldungen.Antworte(QMessageBox::No);
    zurueckKnopf->click();
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    const Meldung::Anfrage& frage = meldungen.Anfragen()[0];
    EXPECT_EQ(frage.text,
              QStringLiteral("Warnung:\nRückkehr in den 2D-Editiermodus löscht alle Gauben-, Fenster- sowie "
                             "erweiterte Bauteileingaben.\nZEVA generiert bei erneutem Eintritt in die "
                             "3D-Eingabephase\ndas Gebäude komplett neu aus den Vorgabe-Materialdaten sowie\nden "
                             "Grundriß-, Dachlinien- und Höheneingaben.\nMöchten Sie trotzdem zurück gehen?"));
    EXPECT_EQ(frage.knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(frage.vorgabe, QMessageBox::No);
    EXPECT_EQ(Haus().Varianten, 2);
    EXPECT_EQ(Haus().Phase, 15);

    meldungen.Antworte(QMessageBox::Yes);
    zurueckKnopf->click();
    EXPECT_EQ(meldungen.Anfragen().size(), 2u);
    EXPECT_EQ(Haus().Varianten, 0);
    EXPECT_EQ(Haus().Phase, Schrittfolge::Vorheriger(15, Haus().Steildach == 1));
}

TEST_F(Planeditor, InputOptionsResizeTheDrawingSquare)
{
    Dok().SetModifiedFlag(false);
    test::BeiModalemDialog([](QDialog* dialog) {
        auto* breite = FindeId<QLineEdit>(dialog, 1002);
        ASSERT_NE(breite, nullptr);
        breite->setText(QStringLiteral("30"));
        FindeId<QPushButton>(dialog, 1)->click();
    });
    assistent->Knopf(CEingabeAssistentDlg::IDC_OPTIONEN)->click();
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_NEAR(ansicht->Projektion().XMax(), 30, 1e-9);
    Klick(25, 25);
    EXPECT_EQ(Umriss().size(), 2u) << "inside the larger square";
}

TEST_F(Planeditor, TheStepInto3DComputesAreaVolumeAndSurfaces)
{
    Klicks({{2, 2}, {12, 2}, {12, 10}, {2, 10}, {2.1, 2.2}});
    ASSERT_EQ(Haus().Zonen, 2);
    Haus().Steildach = 0;
    Haus().Phase = 14;
    Haus().ListeNeuAufbauen = 0;
    Dok().SetModifiedFlag(false);
    assistent->Knopf(CEingabeAssistentDlg::IDC_WEITER)->click();
    EXPECT_DOUBLE_EQ(Haus().Energiebezugsflaeche, 80);
    EXPECT_NEAR(Haus().Volumen, 152, 1e-9);
    EXPECT_NEAR(Haus().Huellflaeche(), 250, 1e-9);
    // The 3D view rebuilds its list for the new surfaces (it may have
    // painted already and taken the request).
    auto* raum = qobject_cast<C3DView*>(rahmen->Ansicht3D());
    ASSERT_NE(raum, nullptr);
    EXPECT_TRUE(Haus().ListeNeuAufbauen == 1 || raum->Liste() != 0);
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_EQ(Haus().Phase, 15);
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST_F(Planeditor, TheStepInto3DStopsWhenTheGeneratorRefuses)
{
    Punkt2DArray viele;
    for (int i = 0; i < 101; ++i)
        viele.Add(Punkt2D(10 + 8 * std::cos(i * 0.0622), 10 + 8 * std::sin(i * 0.0622)));
    Haus().m_aZone[0].m_a2DGrundrissPunkte = viele;
    Haus().m_aZone[0].Geschlossen = 1;
    Haus().m_aZone.SetSize(2);
    Haus().Zonen = 2;
    Haus().Phase = 14;
    // Without a roof the user goes on all the same.
    meldungen.Antworte(QMessageBox::Yes);
    assistent->Knopf(CEingabeAssistentDlg::IDC_WEITER)->click();
    EXPECT_EQ(meldungen.Texte(), (QStringList{QString::fromUtf8(CEingabeAssistentDlg::FrageKeinDach),
                                              QString::fromUtf8(C3DGenerator::MeldungZuVielePunkte)}));
    EXPECT_EQ(Haus().Phase, 14);
}

TEST_F(Planeditor, ThePaneOfTheSteps)
{
    rahmen->RechterBalken()->show();
    ZeigeSchritt(8);
    Klick(2, 2);
    Bewege(7, 5);
    assistent->grab().save(test::Ausgabedatei(QStringLiteral("planeditor_assistent.png")));
    EXPECT_EQ(Wert(1283), QStringLiteral("Linienlänge :"));
    EXPECT_EQ(Wert(1284), QStringLiteral("m"));
    EXPECT_EQ(Wert(1009), QStringLiteral("5,83"));
    EXPECT_FALSE(assistent->Feld(1330)->isVisibleTo(assistent));
    EXPECT_TRUE(FindeId<QWidget>(assistent, 1326)->isVisibleTo(assistent));

    // The north step has its angle only: no empty boxes below it.
    ZeigeSchritt(10);
    EXPECT_EQ(Wert(1283), QStringLiteral("Winkel :"));
    EXPECT_TRUE(assistent->Feld(1009)->isVisibleTo(assistent));
    for (int id : {1010, 1011, 1014, 1324})
        EXPECT_FALSE(assistent->Feld(id)->isVisibleTo(assistent)) << id;
    assistent->grab().save(test::Ausgabedatei(QStringLiteral("planeditor_assistent10.png")));

    // Whatever pane the step before left up, the dormer step shows its own.
    for (int vorher : {13, 14, 17}) {
        ZeigeSchritt(vorher);
        ZeigeSchritt(16);
        EXPECT_EQ(rahmen->SichtbaresRechtesFenster(), assistent) << vorher;
    }
    EXPECT_EQ(Wert(1283), QStringLiteral("Höhe Oben :"));
    EXPECT_EQ(Wert(1329), QStringLiteral("Breite :"));
    EXPECT_EQ(Wert(1009), QString());
    EXPECT_TRUE(assistent->Feld(1009)->isVisibleTo(assistent));
    EXPECT_TRUE(assistent->Feld(1330)->isVisibleTo(assistent));
    EXPECT_FALSE(FindeId<QWidget>(assistent, 1308)->isVisibleTo(assistent));
    assistent->grab().save(test::Ausgabedatei(QStringLiteral("planeditor_assistent16.png")));

    ZeigeSchritt(15);
    EXPECT_FALSE(assistent->Feld(1009)->isVisibleTo(assistent));
    EXPECT_FALSE(assistent->Knopf(CEingabeAssistentDlg::IDC_OPTIONEN)->isVisibleTo(assistent));
    EXPECT_TRUE(assistent->Knopf(CEingabeAssistentDlg::IDC_WEITER)->isVisibleTo(assistent));

    ZeigeSchritt(8);
    EXPECT_TRUE(assistent->Feld(1009)->isVisibleTo(assistent));
    EXPECT_TRUE(FindeId<QWidget>(assistent, 1308)->isVisibleTo(assistent));
    rahmen->grab().save(test::Ausgabedatei(QStringLiteral("planeditor_rahmen.png")));
}

TEST_F(Planeditor, TheFrameShowsTheEditorAndItsPaneInTheFloorPlanAndNorthSteps)
{
    // Back over the view area, as the program has it.
    rahmen->SetzeEingabeansichten(ansicht, rahmen->Ansicht3D());
    rahmen->ZeigeSchritt();
    QCoreApplication::processEvents();
    EXPECT_TRUE(ansicht->isVisible());
    EXPECT_EQ(ansicht->geometry(), rahmen->centralWidget()->rect());
    EXPECT_EQ(rahmen->Eingabeassistent(), assistent.data());
    EXPECT_TRUE(assistent->isVisible());
    EXPECT_TRUE(assistent->Knopf(CEingabeAssistentDlg::IDC_WEITER)->isVisible());
    EXPECT_EQ(Wert(1283), QStringLiteral("Linienlänge :"));
    Klick(2, 2);
    Bewege(7, 5);
    EXPECT_EQ(Wert(1009), QStringLiteral("5,83"));
    rahmen->grab().save(test::Ausgabedatei(QStringLiteral("planeditor_schritt8.png")));

    Klicks({{7, 2}, {7, 5}, {2, 5}, {2.1, 2.1}});
    assistent->Knopf(CEingabeAssistentDlg::IDC_WEITER)->click();
    ASSERT_EQ(Haus().Phase, 10);
    EXPECT_TRUE(ansicht->isVisible());
    EXPECT_TRUE(assistent->isVisible());
    EXPECT_EQ(Wert(1283), QStringLiteral("Winkel :"));
    EXPECT_EQ(ansicht->windowTitle(), QStringLiteral("Geographische Ausrichtung"));
    rahmen->grab().save(test::Ausgabedatei(QStringLiteral("planeditor_schritt10.png")));
}

TEST_F(Planeditor, WithoutOpenGLAPlaceholderStandsInAndThePaneStillWorks)
{
    Vorschaufabrik::SetzeOpenGLVerfuegbar(false);
    CMainFrame anderer;
    InstalliereEingabeansichten(anderer);
    anderer.AktuellesHaus().Phase = 8;
    anderer.ZeigeSchritt();
    Vorschaufabrik::SetzeOpenGLVerfuegbar(std::nullopt);
    ASSERT_NE(anderer.Ansicht2D(), nullptr);
    EXPECT_EQ(qobject_cast<C2DView*>(anderer.Ansicht2D()), nullptr);
    EXPECT_TRUE(Schrittplatzhalter::IstPlatzhalter(anderer.Ansicht2D()));
    auto* pane = qobject_cast<CEingabeAssistentDlg*>(anderer.Eingabeassistent());
    ASSERT_NE(pane, nullptr) << "the pane needs no OpenGL";

    Zone& z = anderer.AktuellesHaus().m_aZone[0];
    z.m_a2DGrundrissPunkte = {{0, 0}, {10, 0}, {10, 8}, {0, 8}};
    z.Geschlossen = 1;
    anderer.AktuellesHaus().m_aZone.SetSize(2);
    anderer.AktuellesHaus().Zonen = 2;
    anderer.AktuellesHaus().Steildach = 0;
    anderer.AktuellesHaus().Phase = 14;
    pane->Knopf(CEingabeAssistentDlg::IDC_WEITER)->click();
    EXPECT_EQ(anderer.AktuellesHaus().Phase, 15);
    EXPECT_DOUBLE_EQ(anderer.AktuellesHaus().Energiebezugsflaeche, 80);
}

// The step panels are windows of their own: the frame's accelerators reach
// them all the same. Run on the real window system: the offscreen platform
// hands a frame's window shortcuts to any of its windows.
class Schrittpanels : public test::GestartetesProgramm {};

TEST_F(Schrittpanels, TheFileShortcutsWorkFromThePanelsAsFromTheFrame)
{
    struct Fall {
        int phase;
        Schrittplatzhalter::Panel panel;
    };
    for (const Fall& f : {Fall{1, Schrittplatzhalter::Panel::Projekt}, Fall{2, Schrittplatzhalter::Panel::Wand},
                          Fall{3, Schrittplatzhalter::Panel::Fenster}, Fall{17, Schrittplatzhalter::Panel::Heizung},
                          Fall{18, Schrittplatzhalter::Panel::Projekt}}) {
        SCOPED_TRACE(f.phase);
        rahmen->Befehl(ID_FILE_NEW);
        HausAnbindung::SetzePhase(rahmen->AktuellesHaus(), f.phase);
        rahmen->ZeigeSchritt();
        QDialog* panel = rahmen->Schrittpanel(f.panel);
        ASSERT_NE(panel, nullptr);
        // The intro window that the previous case's new project opened may
        // still take the activation back while it hides.
        QTest::qWait(200);
        panel->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(panel));
        ASSERT_EQ(QApplication::activeWindow(), panel);
        QWidget* ziel = panel->focusWidget() ? panel->focusWidget() : panel;
        QSignalSpy befehle(rahmen, &CMainFrame::befehlAusgefuehrt);
        test::SkriptDateiauswahl auswahl; // the file dialogs are cancelled
        QTest::keyClick(ziel, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(ziel, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(ziel, Qt::Key_F12);
        QList<int> ids;
        for (const QList<QVariant>& b : befehle)
            ids << b[0].toInt();
        EXPECT_EQ(ids, (QList<int>{ID_FILE_SAVE, ID_FILE_OPEN, ID_FILE_SAVE_AS}));
        EXPECT_EQ(auswahl.Gefragt(), 3);
        QTest::keyClick(ziel, Qt::Key_N, Qt::ControlModifier);
        ASSERT_EQ(befehle.count(), 4);
        EXPECT_EQ(befehle[3][0].toInt(), ID_FILE_NEW);
        EXPECT_EQ(rahmen->AktuellesHaus().Phase, 0) << "a new project at the intro";
    }
}

} // namespace
} // namespace zeva
