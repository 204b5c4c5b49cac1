// The height and roof steps as a user meets them: the heights pane and the
// roof pane on their own (no plan editor), then the plan editor under Xvfb
// with the height section and roofs dragged by the mouse.
#include "views/PlaneditorFixture.h"
#include "support/Ausgabedatei.h"

#include "geometry/DachTestHilfen.h"
#include "model/CDach.h"
#include "ui/CBitmapComboBox.h"
#include "ui/CHideBar.h"
#include "views/C3DView.h"
#include "views/CDacheingabeDlg.h"
#include "views/CHoehenangabenDlg.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace zeva {
namespace {

using test::BaueDach;
using test::Planeditor;

const QString FrageDreiD = QStringLiteral(
    "Warnung:\nSind alle bisherigen Eingaben korrekt?\nBei Eintritt in die 3D-Editierphase wird das Gebäude\naus den "
    "bisherigen Eingaben zusammengesetzt.\nAlle weiteren Eingaben gehen bei Rückkehr in den\n2D-Editiermodus "
    "verloren.");

// A closed outline 10 × 8 as the floor-plan step leaves it.
void Grundriss(Haus& h)
{
    h.m_aZone[0].m_a2DGrundrissPunkte = {{0, 8}, {10, 8}, {10, 0}, {0, 0}};
    h.m_aZone[0].Geschlossen = 1;
    h.m_aZone.SetSize(2);
    h.Zonen = 2;
}

// The panes without a plan editor; the step switch's signal is counted.
class Seitenfenster : public test::GestartetesProgramm {
protected:
    void SetUp() override
    {
        test::GestartetesProgramm::SetUp();
        QObject::connect(rahmen, &CMainFrame::schrittAngezeigt, [this](int phase) { schritte.push_back(phase); });
    }
    zeva::Haus& Haus() const { return rahmen->AktuellesHaus(); }
    template <typename T = QWidget>
    T* Id(QWidget* w, int id) const
    {
        return FindeId<T>(w, id);
    }
    static void Tippe(QLineEdit* feld, const QString& text)
    {
        feld->clear();
        QTest::keyClicks(feld, text);
    }
    // Focus moves as the window system reports them, sent to the field.
    static void Betrete(QWidget* feld)
    {
        QFocusEvent ein(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(feld, &ein);
    }
    static void Verlasse(QWidget* feld)
    {
        QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(feld, &aus);
        QCoreApplication::processEvents();
    }
    std::vector<int> schritte;
};

// ----- the heights pane -----------------------------------------------------------

class Hoehenpane : public Seitenfenster {
protected:
    void Oeffne()
    {
        pane = std::make_unique<CHoehenangabenDlg>(rahmen, nullptr);
        pane->resize(242, 700);
        pane->Create();
        pane->show();
    }
    QLineEdit* Feld(int id) const { return Id<QLineEdit>(pane.get(), id); }
    QString Text(int id) const { return Feld(id)->text(); }
    void Eingabe(int id, const QString& text)
    {
        Betrete(Feld(id));
        Tippe(Feld(id), text);
        Verlasse(Feld(id));
    }
    std::unique_ptr<CHoehenangabenDlg> pane;
};

TEST_F(Hoehenpane, TheFieldsShowAndWriteTheFirstZone)
{
    Haus().m_aZone.SetSize(2);
    Zone& z = Haus().m_aZone[0];
    z.HoeheUeberGrund = 0.4;
    z.Stockwerkshoehe = 2.6;
    z.Stockwerkszahl = 2;
    z.Kellerhoehe = 2.2;
    z.Drempelhoehe = 0.5;
    z.Dachhoehe = 4;
    z.Dachgeschosshoehe = 2.5;
    z.KlimaZone = 3;
    Zone& z1 = Haus().m_aZone[1];
    z1.Stockwerkshoehe = 3.3;
    z1.Dachhoehe = 7;
    Oeffne();
    pane->grab().save(test::Ausgabedatei(QStringLiteral("hoehenangaben.png")));
    EXPECT_EQ(pane->windowTitle(), QStringLiteral("Höhenangaben"));
    const std::pair<int, const char*> erwartet[] = {{1000, "0,4"}, {1018, "2,6"}, {1015, "2"}, {1021, "2,2"},
                                                    {1012, "0,5"}, {1008, "4"},   {1013, "2,5"}};
    for (const auto& [id, text] : erwartet)
        EXPECT_EQ(Text(id), QString::fromUtf8(text)) << id;
    for (int id : {1334, 1335, 1333, 1005})
        EXPECT_FALSE(Id(pane.get(), id)->isVisibleTo(pane.get())) << id;
    EXPECT_EQ(Haus().Stockwerkszahl, 2) << "opening writes the zone's values into the house";

    // Typing marks the project before any value is taken.
    Dok().SetModifiedFlag(false);
    Betrete(Feld(1018));
    Tippe(Feld(1018), QStringLiteral("2,8"));
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_DOUBLE_EQ(z.Stockwerkshoehe, 2.6);
    Verlasse(Feld(1018));
    EXPECT_DOUBLE_EQ(z.Stockwerkshoehe, 2.8);
    EXPECT_DOUBLE_EQ(Haus().Stockwerkshoehe, 2.8);

    Eingabe(1000, QStringLiteral("0,7"));
    Eingabe(1015, QStringLiteral("3"));
    Eingabe(1021, QStringLiteral("2,4"));
    Eingabe(1008, QStringLiteral("5"));
    EXPECT_DOUBLE_EQ(z.HoeheUeberGrund, 0.7);
    EXPECT_EQ(z.Stockwerkszahl, 3);
    EXPECT_EQ(Haus().Stockwerkszahl, 3);
    EXPECT_DOUBLE_EQ(Haus().Kellerhoehe, 2.4);
    EXPECT_DOUBLE_EQ(z.Dachhoehe, 5);
    EXPECT_DOUBLE_EQ(Haus().Dachhoehe, 5);
    EXPECT_EQ(z.KlimaZone, 3);
    EXPECT_DOUBLE_EQ(z1.Stockwerkshoehe, 3.3) << "zone 1 stays";
    EXPECT_DOUBLE_EQ(z1.Dachhoehe, 7);
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST_F(Hoehenpane, TheAtticIsLimitedAndWrongValuesAreRefused)
{
    Oeffne();
    Eingabe(1012, QStringLiteral("0,5"));
    Eingabe(1008, QStringLiteral("4"));
    Eingabe(1013, QStringLiteral("6"));
    EXPECT_EQ(Text(1013), QStringLiteral("4,5")) << "knee wall plus roof height";
    EXPECT_DOUBLE_EQ(Haus().Dachgeschosshoehe, 4.5);
    EXPECT_DOUBLE_EQ(Haus().m_aZone[0].Dachgeschosshoehe, 4.5);
    Eingabe(1013, QStringLiteral("-1"));
    EXPECT_EQ(Text(1013), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(Haus().Dachgeschosshoehe, 0);
    EXPECT_TRUE(meldungen.Anfragen().empty());

    const int geschosse = Haus().Stockwerkszahl;
    Eingabe(1015, QStringLiteral("100"));
    EXPECT_EQ(meldungen.Texte(), QStringList{QStringLiteral("Geben Sie eine ganze Zahl zwischen 0 und 99 ein.")});
    EXPECT_EQ(Haus().Stockwerkszahl, geschosse);
    EXPECT_EQ(Haus().m_aZone[0].Stockwerkszahl, geschosse);
    Eingabe(1015, QStringLiteral("1"));
    Eingabe(1021, QStringLiteral("-2"));
    EXPECT_EQ(meldungen.Texte().last(), QStringLiteral("Geben Sie eine Zahl zwischen 0 und 100 ein."));
    EXPECT_DOUBLE_EQ(Haus().Kellerhoehe, 2.5);
}

TEST_F(Hoehenpane, TheFocusedFieldChoosesThePicture)
{
    Oeffne();
    EXPECT_EQ(pane->Bildnummer(), 256);
    const std::pair<int, int> faelle[] = {{1000, 256}, {1018, 261}, {1015, 257}, {1021, 262},
                                          {1012, 260}, {1008, 259}, {1013, 258}};
    int feld = 0;
    for (const auto& [id, bild] : faelle) {
        Betrete(Feld(id));
        EXPECT_EQ(pane->FokusFeld(), ++feld);
        EXPECT_EQ(pane->Bildnummer(), bild) << id;
    }
    QCoreApplication::processEvents();
    const QRect r = pane->BildRechteck();
    EXPECT_GT(r.width(), 100);
    EXPECT_NEAR(double(r.height()) / r.width(), 795.0 / 630, 0.02);
    EXPECT_TRUE(pane->rect().contains(r)) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    pane->grab().save(test::Ausgabedatei(QStringLiteral("hoehenangaben_dachgeschoss.png")));
    Hoehenbild(6).save(test::Ausgabedatei(QStringLiteral("hoehenbild_dach.png")));
}

TEST_F(Hoehenpane, NextAndBack)
{
    Grundriss(Haus());
    Haus().Phase = 13;
    Haus().Steildach = 0;
    Oeffne();
    for (int id : {1008, 1012, 1013})
        EXPECT_FALSE(Feld(id)->isEnabled()) << id;
    EXPECT_TRUE(Feld(1018)->isEnabled());

    QPushButton* weiter = Id<QPushButton>(pane.get(), CHoehenangabenDlg::IDC_WEITER);
    meldungen.Antworte(QMessageBox::No);
    weiter->click();
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, FrageDreiD);
    EXPECT_EQ(meldungen.Anfragen()[0].vorgabe, QMessageBox::No);
    EXPECT_EQ(Haus().Phase, 13);
    EXPECT_TRUE(schritte.empty());

    meldungen.Antworte(QMessageBox::Yes);
    weiter->click();
    EXPECT_DOUBLE_EQ(Haus().Energiebezugsflaeche, 80);
    EXPECT_NEAR(Haus().Volumen, 152, 1e-9);
    EXPECT_EQ(schritte.size(), 1u);
    EXPECT_EQ(Haus().Phase, 15);

    // A pitched-roof house goes to the roof input without a question.
    Haus().Phase = 13;
    Haus().Steildach = 1;
    pane->Neuladen();
    schritte.clear();
    weiter->click();
    EXPECT_EQ(meldungen.Anfragen().size(), 2u);
    EXPECT_EQ(Haus().Phase, 14);
    EXPECT_EQ(schritte, std::vector<int>{14});

    // Back takes the fields first.
    Haus().Phase = 13;
    Tippe(Feld(1018), QStringLiteral("2,75"));
    Id<QPushButton>(pane.get(), CHoehenangabenDlg::IDC_ZURUECK)->click();
    EXPECT_DOUBLE_EQ(Haus().Stockwerkshoehe, 2.75);
    EXPECT_LT(Haus().Phase, 13);
}

// ----- the roof pane -------------------------------------------------------------------

class Dachpane : public Seitenfenster {
protected:
    void SetUp() override
    {
        Seitenfenster::SetUp();
        Haus().Phase = 14;
        pane = std::make_unique<CDacheingabeDlg>(rahmen, nullptr);
        pane->resize(242, 700);
        pane->Create();
        pane->show();
    }
    QLineEdit* Feld(int id) const { return Id<QLineEdit>(pane.get(), id); }
    QPushButton* Knopf(int id) const { return Id<QPushButton>(pane.get(), id); }
    std::unique_ptr<CDacheingabeDlg> pane;
};

TEST_F(Dachpane, TheFormsAndTheRoofsTheyMake)
{
    QCoreApplication::processEvents();
    pane->grab().save(test::Ausgabedatei(QStringLiteral("dacheingabe.png")));
    CBitmapComboBox* liste = pane->Typliste();
    ASSERT_EQ(liste->count(), 6);
    const char* namen[] = {"Flachdach", "Satteldach", "Walmdach", "Krüppelwalmdach", "Mansarddach", "Zeltdach"};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(liste->itemText(k), QString::fromUtf8(namen[k]));
        const QPixmap bild = liste->itemIcon(k).pixmap(96, 96);
        EXPECT_EQ(bild.size(), QSize(96, 96));
    }
    liste->itemIcon(1).pixmap(96, 96).save(test::Ausgabedatei(QStringLiteral("dachform_satteldach.png")));
    liste->itemIcon(4).pixmap(96, 96).save(test::Ausgabedatei(QStringLiteral("dachform_mansarddach.png")));
    EXPECT_EQ(liste->currentIndex(), 1);

    for (int k = 0; k < 6; ++k) {
        liste->setCurrentIndex(k);
        Knopf(CDacheingabeDlg::IDC_NEUES_DACH)->click();
        ASSERT_EQ(Haus().m_aDach.size(), 1u) << "the roof not yet placed is replaced";
        EXPECT_EQ(Haus().m_aDach[0].GetTyp(), k + 1);
        EXPECT_EQ(pane->AusgewaehltesDach(), 0);
    }
    // Another form chosen while a roof is being placed replaces it.
    liste->setCurrentIndex(4);
    emit liste->activated(4);
    ASSERT_EQ(Haus().m_aDach.size(), 1u);
    EXPECT_EQ(Haus().m_aDach[0].GetTyp(), dachtyp::Mansarddach);
}

TEST_F(Dachpane, SwitchesFollowTheSelectedRoof)
{
    Haus().m_aDach.Add(BaueDach({.typ = dachtyp::Mansarddach, .L = 12, .W = 8}));
    Haus().m_aDach.Add(BaueDach({.typ = dachtyp::Satteldach, .L = 12, .W = 8, .p0 = {0, 10}}));
    QWidget* drehen = Knopf(CDacheingabeDlg::IDC_FIRST_DREHEN);
    QWidget* mansard = Feld(CDacheingabeDlg::IDC_MANSARDHOEHE);
    QWidget* mansardText = Id(pane.get(), CDacheingabeDlg::IDC_MANSARD_TEXT);
    pane->WaehleDach(0);
    pane->AktualisiereSchalter();
    EXPECT_TRUE(drehen->isEnabled());
    EXPECT_TRUE(mansard->isEnabled());
    EXPECT_TRUE(mansardText->isEnabled());
    Haus().m_aDach[0].Sperre = 1;
    pane->AktualisiereSchalter();
    EXPECT_FALSE(drehen->isEnabled());
    pane->WaehleDach(1);
    pane->AktualisiereSchalter();
    EXPECT_TRUE(drehen->isEnabled());
    EXPECT_FALSE(mansard->isEnabled());
    EXPECT_FALSE(mansardText->isEnabled());
    Haus().m_aDach[1].Zustand = CDach::ZustandPlatzieren;
    pane->AktualisiereSchalter();
    EXPECT_FALSE(drehen->isEnabled());

    // "First drehen" on the finished roof.
    Haus().m_aDach[1].Zustand = CDach::ZustandFertig;
    pane->AktualisiereSchalter();
    Knopf(CDacheingabeDlg::IDC_FIRST_DREHEN)->click();
    EXPECT_EQ(Haus().m_aDach[1].FirstGedreht, 1);
}

TEST_F(Dachpane, TheRoofAtAPointAndTheValuesShown)
{
    // Two equal roofs over each other: the later one wins the tie.
    Haus().m_aDach.Add(BaueDach({.L = 10, .W = 8, .hoehe = 3}));
    Haus().m_aDach.Add(BaueDach({.L = 10, .W = 8, .hoehe = 5, .geschossHoehe = 2, .beheizt = 0}));
    EXPECT_EQ(pane->WaehleDachAmPunkt({5, 3}), 1);
    EXPECT_EQ(pane->AusgewaehltesDach(), 1);
    EXPECT_EQ(Feld(1008)->text(), QStringLiteral("5"));
    EXPECT_EQ(Feld(1013)->text(), QStringLiteral("2"));
    EXPECT_FALSE(Id<QCheckBox>(pane.get(), 1031)->isChecked());
    EXPECT_EQ(pane->WaehleDachAmPunkt({30, 30}), -1);

    // A new roof takes the pane's values but shows the house's defaults.
    Haus().Dachgeschosshoehe = 2.7;
    Haus().Dachhoehe = 4.5;
    Haus().DachBeheizt = 0;
    Feld(1013)->setText(QStringLiteral("1"));
    Feld(1008)->setText(QStringLiteral("2"));
    Feld(1341)->setText(QStringLiteral("1"));
    Id<QCheckBox>(pane.get(), 1031)->setChecked(true);
    Knopf(CDacheingabeDlg::IDC_NEUES_DACH)->click();
    ASSERT_EQ(Haus().m_aDach.size(), 3u);
    const CDach& neu = Haus().m_aDach[2];
    EXPECT_DOUBLE_EQ(neu.GetGeschossHoehe(), 1);
    EXPECT_DOUBLE_EQ(neu.GetHoehe(), 2);
    EXPECT_DOUBLE_EQ(neu.GetMansardHoehe(), 1);
    EXPECT_TRUE(neu.IstBeheizt());
    EXPECT_FALSE(neu.IstFertig());
    EXPECT_EQ(Feld(1013)->text(), QStringLiteral("2,7"));
    EXPECT_EQ(Feld(1008)->text(), QStringLiteral("4,5"));
    EXPECT_EQ(Feld(1341)->text(), QStringLiteral("3"));
    EXPECT_FALSE(Id<QCheckBox>(pane.get(), 1031)->isChecked());
    EXPECT_EQ(pane->WaehleDachAmPunkt({5, 3}), -1) << "while a roof is being placed";

    // Two thirds of a height go to the centimetre, shown and stored.
    Haus().Dachhoehe = 4;
    Knopf(CDacheingabeDlg::IDC_NEUES_DACH)->click();
    EXPECT_EQ(Feld(1341)->text(), QStringLiteral("2,67"));
    Knopf(CDacheingabeDlg::IDC_NEUES_DACH)->click();
    ASSERT_EQ(Haus().m_aDach.size(), 3u) << "the roof not yet placed is replaced";
    EXPECT_DOUBLE_EQ(Haus().m_aDach[2].GetMansardHoehe(), 2.67);

    // The selection follows a removal before it.
    EXPECT_EQ(pane->AusgewaehltesDach(), 2);
    pane->EntferneDach(0);
    EXPECT_EQ(pane->AusgewaehltesDach(), 1);
    EXPECT_EQ(Haus().m_aDach.size(), 2u);
}

TEST_F(Dachpane, NextAsksAndARefusedHeightStopsIt)
{
    Grundriss(Haus());
    Haus().m_aDach.Add(BaueDach({.L = 10, .W = 8}));
    QPushButton* weiter = Knopf(CEingabeAssistentDlg::IDC_WEITER);
    Feld(1008)->setText(QStringLiteral("-1"));
    weiter->click();
    EXPECT_EQ(meldungen.Texte(), QStringList{QStringLiteral("Geben Sie eine Zahl zwischen 0 und 100 ein.")});
    EXPECT_EQ(Haus().Phase, 14);

    Feld(1008)->setText(QStringLiteral("3"));
    meldungen.Antworte(QMessageBox::No);
    Haus().Energiebezugsflaeche = 0;
    weiter->click();
    ASSERT_EQ(meldungen.Anfragen().size(), 2u);
    EXPECT_EQ(meldungen.Anfragen()[1].text, FrageDreiD);
    EXPECT_EQ(meldungen.Anfragen()[1].knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(meldungen.Anfragen()[1].vorgabe, QMessageBox::No);
    EXPECT_EQ(Haus().Phase, 14);
    EXPECT_EQ(Haus().Energiebezugsflaeche, 0);
    EXPECT_TRUE(schritte.empty());
}

// ----- the plan editor in the height and roof steps --------------------------------------

class Dachschritt : public Planeditor {
protected:
    CDacheingabeDlg* Pane() const { return qobject_cast<CDacheingabeDlg*>(rahmen->Dacheingabe()); }
    QString PaneText(int id) const
    {
        QWidget* w = FindeId<QWidget>(Pane(), id);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return edit->text();
        return Pane()->Text(id);
    }
    // A closed 16 × 8 m outline with two roofs side by side, drawn at the
    // roof step.
    void ZweiDaecherAufgezogen()
    {
        Klicks({{2, 2}, {18, 2}, {18, 10}, {2, 10}, {2.1, 2.2}});
        ZeigeSchritt(14);
        Ziehe({2, 2}, {9, 10});
        Pane()->Knopf(CDacheingabeDlg::IDC_NEUES_DACH)->click();
        Ziehe({11, 2}, {18, 10});
    }
    void Ziehe(Punkt2D von, Punkt2D bis)
    {
        QTest::mousePress(ansicht, Qt::LeftButton, {}, Pixel(von.x, von.y));
        BewegeZu(ansicht, Pixel(bis.x, bis.y), Qt::LeftButton);
        BewegeZu(ansicht, Pixel(bis.x, bis.y), Qt::LeftButton);
        QTest::mouseRelease(ansicht, Qt::LeftButton, {}, Pixel(bis.x, bis.y));
    }
    // The colour at a plan point, or at a pixel next to it when that is
    // closer to the colour looked for (lines may fall on either side).
    QRgb Farbe(const QImage& bild, double x, double y, QRgb gesucht) const
    {
        const QPoint p = Pixel(x, y);
        QRgb best = bild.pixel(p);
        auto abstand = [&](QRgb c) {
            return std::abs(qRed(c) - qRed(gesucht)) + std::abs(qGreen(c) - qGreen(gesucht)) +
                   std::abs(qBlue(c) - qBlue(gesucht));
        };
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QRgb c = bild.pixel(p + QPoint(dx, dy));
                if (abstand(c) < abstand(best))
                    best = c;
            }
        return best;
    }
    static void ErwarteFarbe(QRgb c, int r, int g, int b, int toleranz)
    {
        EXPECT_NEAR(qRed(c), r, toleranz);
        EXPECT_NEAR(qGreen(c), g, toleranz);
        EXPECT_NEAR(qBlue(c), b, toleranz);
    }
};

TEST_F(Dachschritt, TheHeightStepDrawsTheSection)
{
    Zone& z = Haus().m_aZone[0];
    z.Stockwerkszahl = 2;
    z.Stockwerkshoehe = 2.5;
    z.Kellerhoehe = 2.5;
    z.Drempelhoehe = 0.5;
    z.Dachhoehe = 4;
    z.Dachgeschosshoehe = 2.5;
    ZeigeSchritt(13);
    ASSERT_NE(qobject_cast<CHoehenangabenDlg*>(rahmen->Hoehenangaben()), nullptr);
    const QImage bild = Bild();
    bild.save(test::Ausgabedatei(QStringLiteral("planeditor_schnitt.png")));
    // Halfway along the left roof line from (10, 19.5) to (2, 13.167).
    ErwarteFarbe(Farbe(bild, 6, 16.3333, qRgb(255, 102, 102)), 255, 102, 102, 1);
    // The line between the two storeys.
    ErwarteFarbe(Farbe(bild, 10, 8.4167, qRgb(153, 153, 153)), 153, 153, 153, 1);
    // The basement's floor line, lifted off the bottom edge.
    ErwarteFarbe(Farbe(bild, 10, 0.5, qRgb(102, 102, 102)), 102, 102, 102, 1);
    // Where the grid would have lines: white.
    EXPECT_EQ(bild.pixel(Pixel(5, 18)), qRgb(255, 255, 255));
    EXPECT_EQ(bild.pixel(Pixel(15, 1)), qRgb(255, 255, 255));

    // The explanatory picture of a flat-roof house has no roof either.
    const auto rotePunkte = [](const QImage& bild) {
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                n += bild.pixel(x, y) == qRgb(255, 102, 102);
        return n;
    };
    EXPECT_GT(rotePunkte(Hoehenbild(3, true).toImage()), 0);
    EXPECT_EQ(rotePunkte(Hoehenbild(3, false).toImage()), 0);

    // A flat-roof house: the section shows no roof at all.
    Haus().Steildach = 0;
    rahmen->Hoehenangaben()->hide();
    ZeigeSchritt(13);
    const QImage flach = Bild();
    flach.save(test::Ausgabedatei(QStringLiteral("planeditor_schnitt_flachdach.png")));
    rahmen->grab().save(test::Ausgabedatei(QStringLiteral("planeditor_hoehen_flachdach.png")));
    int rot = 0;
    for (int y = 0; y < flach.height(); ++y)
        for (int x = 0; x < flach.width(); ++x)
            if (flach.pixel(x, y) == qRgb(255, 102, 102))
                ++rot;
    EXPECT_EQ(rot, 0) << "no roof line";
    // The top storey's ceiling reaches the top of the drawing.
    ErwarteFarbe(Farbe(flach, 10, 19.5, qRgb(153, 153, 153)), 153, 153, 153, 1);
}

TEST_F(Dachschritt, RoofsDraggedOnThePlanAndTheStepInto3D)
{
    Klicks({{2, 2}, {12, 2}, {12, 10}, {2, 10}, {2.1, 2.2}});
    ASSERT_EQ(Haus().Zonen, 2);
    rahmen->RechterBalken()->show();
    assistent->hide(); // the step switch of the program hides it on the way
    ZeigeSchritt(14);
    ASSERT_NE(Pane(), nullptr);
    EXPECT_EQ(PaneText(1013), QStringLiteral("3"));
    EXPECT_EQ(PaneText(1008), QStringLiteral("3"));
    EXPECT_EQ(PaneText(1341), QStringLiteral("2"));
    EXPECT_TRUE(FindeId<QCheckBox>(Pane(), 1031)->isChecked());

    QTest::mousePress(ansicht, Qt::LeftButton, {}, Pixel(2, 2));
    EXPECT_TRUE(ansicht->MausGefangen());
    // One move: the read-outs tell the rectangle it drew.
    BewegeZu(ansicht, Pixel(12, 10), Qt::LeftButton);
    EXPECT_EQ(PaneText(1009), QString());
    EXPECT_EQ(PaneText(1010), QStringLiteral("10,00"));
    EXPECT_EQ(PaneText(1011), QStringLiteral("8,00"));
    EXPECT_EQ(PaneText(1014), QStringLiteral("12,00"));
    QTest::mouseRelease(ansicht, Qt::LeftButton, {}, Pixel(12, 10));
    EXPECT_FALSE(ansicht->MausGefangen());
    ASSERT_EQ(Haus().m_aDach.size(), 1u);
    const CDach& dach = Haus().m_aDach[0];
    EXPECT_TRUE(dach.IstFertig());
    EXPECT_EQ(dach.GetTyp(), dachtyp::Satteldach);
    EXPECT_NEAR(dach.GetGroesse().x, 10, 1e-9);
    EXPECT_NEAR(dach.GetGroesse().y, 8, 1e-9);
    EXPECT_DOUBLE_EQ(dach.GetHoehe(), 3);
    EXPECT_DOUBLE_EQ(dach.GetGeschossHoehe(), 3);
    EXPECT_DOUBLE_EQ(dach.GetMansardHoehe(), 2);
    EXPECT_TRUE(dach.IstBeheizt());
    EXPECT_EQ(ansicht->AktivesDach(), 0);

    const QImage bild = Bild();
    bild.save(test::Ausgabedatei(QStringLiteral("planeditor_dach.png")));
    rahmen->grab().save(test::Ausgabedatei(QStringLiteral("planeditor_dachschritt.png")));
    ErwarteFarbe(bild.pixel(Pixel(4.25, 3.75)), 255, 242, 242, 2);
    ErwarteFarbe(Farbe(bild, 4.25, 6, qRgb(255, 51, 255)), 255, 51, 255, 1);

    // A right click deletes it without a question.
    QTest::mouseClick(ansicht, Qt::RightButton, {}, Pixel(5, 4));
    EXPECT_TRUE(Haus().m_aDach.empty());
    EXPECT_EQ(ansicht->AktivesDach(), -1);
    EXPECT_TRUE(meldungen.Anfragen().empty());

    Ziehe({2, 2}, {12, 10});
    ASSERT_EQ(Haus().m_aDach.size(), 1u);
    ASSERT_TRUE(Haus().m_aDach[0].IstFertig());
    Dok().SetModifiedFlag(false);
    Haus().ListeNeuAufbauen = 0;
    std::vector<int> schritte;
    QObject::connect(rahmen, &CMainFrame::schrittAngezeigt, [&schritte](int phase) { schritte.push_back(phase); });
    meldungen.Antworte(QMessageBox::Yes);
    Pane()->Knopf(CEingabeAssistentDlg::IDC_WEITER)->click();
    EXPECT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_NEAR(Haus().Energiebezugsflaeche, 120, 1e-9);
    EXPECT_NEAR(Haus().Volumen, 243.2, 1e-9);
    EXPECT_NEAR(Haus().Huellflaeche(), 294, 1e-9);
    // The 3D view rebuilds its list for the new surfaces (it may have
    // painted already and taken the request).
    auto* raum = qobject_cast<C3DView*>(rahmen->Ansicht3D());
    ASSERT_NE(raum, nullptr);
    EXPECT_TRUE(Haus().ListeNeuAufbauen == 1 || raum->Liste() != 0);
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_EQ(schritte, std::vector<int>{15});
    EXPECT_FALSE(ansicht->MausGefangen());
    EXPECT_NE(QWidget::mouseGrabber(), ansicht.data());
}

TEST_F(Dachschritt, ARoofNeverPlacedIsDroppedAndTheProjectOpensCleanly)
{
    Klicks({{2, 2}, {12, 2}, {12, 10}, {2, 10}, {2.1, 2.2}});
    ZeigeSchritt(14);
    Ziehe({2, 2}, {12, 10});
    ASSERT_EQ(Haus().m_aDach.size(), 1u);
    Pane()->Knopf(CDacheingabeDlg::IDC_NEUES_DACH)->click();
    ASSERT_EQ(Haus().m_aDach.size(), 2u);
    EXPECT_EQ(ansicht->AktivesDach(), -1);

    // Saved at this step, the roof without points is not written.
    QTemporaryDir ordner;
    const QString schritt14 = ordner.filePath(QStringLiteral("Schritt14.vza"));
    ASSERT_TRUE(Dok().OnSaveDocument(schritt14));
    EXPECT_EQ(Haus().m_aDach.size(), 2u) << "the user may still place it";
    ASSERT_TRUE(Dok().OnOpenDocument(schritt14));
    EXPECT_EQ(Haus().m_aDach.size(), 1u);
    EXPECT_FALSE(meldungen.Texte().contains(QString::fromUtf8(CDach::MeldungBeschaedigt)));

    // "<< Zurück" drops it as well.
    ZeigeSchritt(14);
    Pane()->Knopf(CDacheingabeDlg::IDC_NEUES_DACH)->click();
    ASSERT_EQ(Haus().m_aDach.size(), 2u);
    Pane()->Knopf(CEingabeAssistentDlg::IDC_ZURUECK)->click();
    EXPECT_EQ(Haus().Phase, 13);
    EXPECT_EQ(Haus().m_aDach.size(), 1u);

    ZeigeSchritt(14);
    Pane()->Knopf(CDacheingabeDlg::IDC_NEUES_DACH)->click();
    ASSERT_EQ(Haus().m_aDach.size(), 2u);
    meldungen.Antworte(QMessageBox::Yes);
    Pane()->Knopf(CEingabeAssistentDlg::IDC_WEITER)->click();
    ASSERT_EQ(Haus().Phase, 15);
    EXPECT_EQ(Haus().m_aDach.size(), 1u);

    const QString pfad = ordner.filePath(QStringLiteral("Dach.vza"));
    ASSERT_TRUE(Dok().OnSaveDocument(pfad));
    ASSERT_TRUE(Dok().OnOpenDocument(pfad));
    EXPECT_EQ(rahmen->AktuellesHaus().m_aDach.size(), 1u);
    EXPECT_FALSE(meldungen.Texte().contains(QString::fromUtf8(CDach::MeldungBeschaedigt)));
}

// A pitched-roof house without a roof would have an open top and no roof
// losses: the user is asked before the step into 3D.
TEST_F(Dachschritt, NextWithoutARoofAsksFirst)
{
    Klicks({{2, 2}, {12, 2}, {12, 10}, {2, 10}, {2.1, 2.2}});
    ZeigeSchritt(14);
    const QString frage = QStringLiteral("Es wurde kein Dach eingegeben. Trotzdem fortfahren?");
    for (QPushButton* weiter : {Pane()->Knopf(CEingabeAssistentDlg::IDC_WEITER),
                                assistent->Knopf(CEingabeAssistentDlg::IDC_WEITER)}) {
        // A roof added but not placed is no roof.
        Pane()->Knopf(CDacheingabeDlg::IDC_NEUES_DACH)->click();
        const std::size_t vorher = meldungen.Anfragen().size();
        meldungen.Antworte(QMessageBox::No);
        weiter->click();
        ASSERT_EQ(meldungen.Anfragen().size(), vorher + 1);
        EXPECT_EQ(meldungen.Anfragen().back().text, frage);
        EXPECT_EQ(meldungen.Anfragen().back().knoepfe, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(Haus().Phase, 14) << "No stays";
    }

    // Yes goes on into 3D (the roof pane then asks its own question).
    meldungen.Antworte(QMessageBox::Yes);
    meldungen.Antworte(QMessageBox::Yes);
    Pane()->Knopf(CEingabeAssistentDlg::IDC_WEITER)->click();
    EXPECT_EQ(meldungen.Anfragen()[meldungen.Anfragen().size() - 2].text, frage);
    EXPECT_EQ(Haus().Phase, 15);
    EXPECT_TRUE(Haus().m_aDach.empty());

    // With a roof placed nothing is asked about it; neither in a flat-roof house.
    for (bool steildach : {true, false}) {
        ZeigeSchritt(14);
        Haus().Steildach = steildach ? 1 : 0;
        if (steildach)
            Ziehe({2, 2}, {12, 10});
        else
            Haus().m_aDach.RemoveAll();
        const std::size_t vorher = meldungen.Anfragen().size();
        assistent->Knopf(CEingabeAssistentDlg::IDC_WEITER)->click();
        EXPECT_EQ(meldungen.Anfragen().size(), vorher);
        EXPECT_EQ(Haus().Phase, 15);
    }
}

// The editor in the middle of an input (a point floating, a crossing marked)
// when a document is opened: the opened plan starts without any.
TEST_F(Dachschritt, OpeningADocumentResetsTheInput)
{
    Klicks({{2, 2}, {12, 2}, {12, 10}, {2, 10}, {2.1, 2.2}});
    ASSERT_EQ(Haus().Zonen, 2);
    QTemporaryDir ordner;
    for (int phase : {8, 10, 14}) {
        SCOPED_TRACE(phase);
        Haus().Phase = phase;
        const QString pfad = ordner.filePath(QStringLiteral("Schritt%1.vza").arg(phase));
        ASSERT_TRUE(Dok().OnSaveDocument(pfad));
        ansicht->Eingabe().EingabeAktiv = 1;
        ansicht->Eingabe().Spur.Schnittart = 1;
        ASSERT_TRUE(Dok().OnOpenDocument(pfad));
        ZeigeSchritt(phase);
        EXPECT_EQ(ansicht->EingabeAktiv(), 0);
        EXPECT_EQ(ansicht->Eingabe().Spur.Schnittart, 0);
        const std::size_t ecken = Umriss().size();
        const double nord = Haus().Ausrichtung;
        Bewege(15, 11);
        EXPECT_FALSE(Dok().IsModified());
        if (phase == 8)
            Klick(15, 11);
        EXPECT_EQ(Umriss().size(), ecken) << "no corner added";
        EXPECT_DOUBLE_EQ(Haus().Ausrichtung, nord) << "the north arrow stays";
        if (phase == 14) {
            Pane()->Knopf(CEingabeAssistentDlg::IDC_ZURUECK)->click();
            EXPECT_EQ(Haus().Phase, 13);
        } else {
            assistent->Knopf(CEingabeAssistentDlg::IDC_WEITER)->click();
            EXPECT_GT(Haus().Phase, phase);
        }
    }
}

// The hand-edit lock and the ridge flip are stored with the roof: after
// opening, "First drehen" stays disabled on the edited roof, and the flipped
// one keeps its flip.
TEST_F(Dachschritt, TheLockAndTheFlipSurviveSavingAndOpening)
{
    ZweiDaecherAufgezogen();
    ASSERT_EQ(Haus().m_aDach.size(), 2u);
    ASSERT_TRUE(Haus().m_aDach[0].IstFertig() && Haus().m_aDach[1].IstFertig());
    // The first roof's ridge moved by hand, the second one flipped.
    const Punkt2D first = Haus().m_aDach[0].Punkt(4);
    Ziehe(first, {first.x + 1, first.y});
    ASSERT_EQ(Haus().m_aDach[0].Sperre & 1, 1) << "the drag is a hand edit";
    const Punkt2DArray gezogen = Haus().m_aDach[0].m_points;
    Pane()->WaehleDach(1);
    Pane()->AktualisiereSchalter();
    Pane()->Knopf(CDacheingabeDlg::IDC_FIRST_DREHEN)->click();
    ASSERT_EQ(Haus().m_aDach[1].FirstGedreht, 1);

    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Daecher.vza"));
    ASSERT_TRUE(Dok().OnSaveDocument(pfad));
    ASSERT_TRUE(Dok().OnOpenDocument(pfad));
    ZeigeSchritt(14);
    ASSERT_EQ(Haus().m_aDach.size(), 2u);
    EXPECT_EQ(Haus().m_aDach[0].Sperre & 1, 1);
    EXPECT_EQ(Haus().m_aDach[1].FirstGedreht, 1);
    EXPECT_EQ(Haus().m_aDach[1].Sperre, 0);
    QPushButton* drehen = Pane()->Knopf(CDacheingabeDlg::IDC_FIRST_DREHEN);
    Pane()->WaehleDach(0);
    Pane()->AktualisiereSchalter();
    EXPECT_FALSE(drehen->isEnabled()) << "the hand edit stays";
    for (std::size_t i = 0; i < gezogen.size(); ++i)
        EXPECT_EQ(Haus().m_aDach[0].m_points[i], gezogen[i]) << i;
    Pane()->WaehleDach(1);
    Pane()->AktualisiereSchalter();
    EXPECT_TRUE(drehen->isEnabled());
    drehen->click();
    EXPECT_EQ(Haus().m_aDach[1].FirstGedreht, 0) << "flipped back as the user left it";
}

// A click that only selects a roof changes nothing to save; dragging its
// ridge does.
TEST_F(Dachschritt, OnlyARealChangeOfARoofMarksTheProject)
{
    ZweiDaecherAufgezogen();
    ASSERT_EQ(Haus().m_aDach.size(), 2u);
    ASSERT_TRUE(Haus().m_aDach[0].IstFertig() && Haus().m_aDach[1].IstFertig());
    Dok().SetModifiedFlag(false);
    for (const auto& [x, dach] : {std::pair{5.0, 0}, std::pair{14.0, 1}, std::pair{5.0, 0}}) {
        QTest::mouseClick(ansicht, Qt::LeftButton, {}, Pixel(x, 6));
        EXPECT_EQ(Pane()->AusgewaehltesDach(), dach);
        EXPECT_FALSE(Dok().IsModified()) << "selecting roof " << dach;
    }
    QTest::mouseDClick(ansicht, Qt::LeftButton, {}, Pixel(14, 6));
    EXPECT_FALSE(Dok().IsModified()) << "a double click";
    const Punkt2D first = Haus().m_aDach[0].Punkt(4);
    Ziehe(first, {first.x + 1, first.y});
    EXPECT_TRUE(Dok().IsModified()) << "the ridge moved";
}

// After opening a project at the roof step, the pane shows the opened house:
// its heights, and no read-outs of the house before.
TEST_F(Dachschritt, AfterOpeningThePaneShowsTheOpenedHouse)
{
    Klicks({{2, 2}, {12, 2}, {12, 10}, {2, 10}, {2.1, 2.2}});
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Anderes.vza"));
    Haus().Phase = 14;
    Haus().m_aZone[0].Dachhoehe = 4.5;
    Haus().m_aZone[0].Dachgeschosshoehe = 2.5;
    ASSERT_TRUE(Dok().OnSaveDocument(pfad));
    Haus().m_aZone[0].Dachhoehe = 3;
    Haus().m_aZone[0].Dachgeschosshoehe = 3;
    ZeigeSchritt(14);
    ASSERT_NE(Pane(), nullptr);
    EXPECT_EQ(PaneText(1008), QStringLiteral("3"));
    QTest::mousePress(ansicht, Qt::LeftButton, {}, Pixel(2, 2));
    BewegeZu(ansicht, Pixel(12, 10), Qt::LeftButton);
    ASSERT_EQ(PaneText(1010), QStringLiteral("10,00"));
    ASSERT_EQ(PaneText(1014), QStringLiteral("12,00"));
    QTest::mouseRelease(ansicht, Qt::LeftButton, {}, Pixel(12, 10));
    ASSERT_EQ(PaneText(1010), QStringLiteral("10,00")) << "the read-outs stay after the release";

    Dok().SetModifiedFlag(false);
    ASSERT_TRUE(Dok().OeffneDatei(pfad));
    QCoreApplication::processEvents();
    ASSERT_EQ(Haus().Phase, 14);
    ASSERT_NE(Pane(), nullptr);
    EXPECT_TRUE(Pane()->isVisible());
    for (int id : {1009, 1010, 1011, 1014, 1324})
        EXPECT_EQ(PaneText(id), QString()) << id;
    EXPECT_EQ(PaneText(1008), QStringLiteral("4,5"));
    EXPECT_EQ(PaneText(1013), QStringLiteral("2,5"));
    EXPECT_FALSE(ansicht->MausGefangen());
    rahmen->grab().save(test::Ausgabedatei(QStringLiteral("dachschritt-nach-oeffnen.png")));
}

TEST_F(Dachschritt, APressWhilePlacingGoesToTheRoofAndARightClickIsIgnored)
{
    Klicks({{2, 2}, {12, 2}, {12, 10}, {2, 10}, {2.1, 2.2}});
    ZeigeSchritt(14);
    // Press and release at one point: the roof follows the mouse.
    QTest::mouseClick(ansicht, Qt::LeftButton, {}, Pixel(2, 2));
    ASSERT_EQ(Haus().m_aDach.size(), 1u);
    EXPECT_EQ(Haus().m_aDach[0].Zustand, CDach::ZustandPlatzieren);
    EXPECT_TRUE(ansicht->MausGefangen());
    BewegeZu(ansicht, Pixel(8, 7));
    QTest::mouseClick(ansicht, Qt::RightButton, {}, Pixel(5, 4));
    EXPECT_EQ(Haus().m_aDach.size(), 1u) << "the right click does nothing while placing";
    QTest::mouseClick(ansicht, Qt::LeftButton, {}, Pixel(8, 7));
    EXPECT_TRUE(Haus().m_aDach[0].IstFertig());
    EXPECT_FALSE(ansicht->MausGefangen());
    // Leaving the step in the middle of a placing gives the mouse back.
    QTest::mouseClick(ansicht, Qt::LeftButton, {}, Pixel(15, 15));
    ASSERT_EQ(Haus().m_aDach.size(), 1u) << "a press beside the roof goes to the pane's roof";
    Pane()->Knopf(CDacheingabeDlg::IDC_NEUES_DACH)->click();
    QTest::mousePress(ansicht, Qt::LeftButton, {}, Pixel(14, 14));
    EXPECT_TRUE(ansicht->MausGefangen());
    ansicht->hide();
    EXPECT_FALSE(ansicht->MausGefangen());
}

} // namespace
} // namespace zeva
