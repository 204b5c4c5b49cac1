// The docked bars of the main window: fill and scroll mode, the hide button
// (collapse to the strip, restore the remembered width, inactive button),
// no floating, and the drag limit that keeps the main pane.
#include "FesterBildschirm.h"
#include "QtAusgabe.h"

#include "ui/CHideBar.h"
#include "ui/CRollupCtrl.h"

#include <QApplication>
#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace zeva {
namespace {

class BalkenTest : public testing::Test {
protected:
    // A frame as the main window builds it: a bar on each side, a quarter
    // of the width each when wider than 800, else 242 and scroll mode.
    void Baue(int breite, int hoehe)
    {
        rahmen.setAnimated(false);
        rahmen.setCentralWidget(new QWidget);
        rahmen.resize(breite, hoehe);
        const bool schmal = breite <= 800;
        const int w = schmal ? 242 : breite / 4;
        const int stil = schmal ? CSizingControlBar::SB_ROLLEN : CSizingControlBar::SB_KINDER_FUELLEN;
        ASSERT_TRUE(links->Create(&rahmen, Qt::LeftDockWidgetArea, w, 59646, stil));
        ASSERT_TRUE(rechts->Create(&rahmen, Qt::RightDockWidgetArea, w, 59645, stil));
        rollup = new CRollupCtrl(links->Inhalt());
        rollup->setGeometry(0, 0, w, 200);
        rechtsInhalt = new QWidget(rechts->Inhalt());
        rahmen.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&rahmen));
        Warte();
    }

    static void Warte()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    void Klick(CHideBar* balken)
    {
        QTest::mouseClick(balken->Fenster(), Qt::LeftButton, {}, balken->KnopfRechteck().center());
        Warte();
    }

    void Maus(QEvent::Type art, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons knoepfe)
    {
        QMouseEvent e(art, p, rahmen.mapToGlobal(p), knopf, knoepfe, Qt::NoModifier);
        QApplication::sendEvent(&rahmen, &e);
        Warte();
    }

    // Drags the separator right of the left bar to x.
    void ZieheTrenner(int x)
    {
        const QPoint start(links->geometry().right() + 3, 300);
        Maus(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        for (int schritt = 1; schritt <= 4; ++schritt)
            Maus(QEvent::MouseMove, QPoint(start.x() + (x - start.x()) * schritt / 4, 300), Qt::NoButton,
                 Qt::LeftButton);
        Maus(QEvent::MouseButtonRelease, QPoint(x, 300), Qt::LeftButton, Qt::NoButton);
    }

    QMainWindow rahmen;
    CHideBar* links = new CHideBar;
    CHideBar* rechts = new CHideBar;
    CRollupCtrl* rollup = nullptr;
    QWidget* rechtsInhalt = nullptr;
};

TEST_F(BalkenTest, FillModeKeepsTheChildrenAtTheClientSize)
{
    Baue(1024, 768);
    EXPECT_EQ(links->objectName(), QString("id59646"));
    EXPECT_EQ(rahmen.dockWidgetArea(links), Qt::LeftDockWidgetArea);
    EXPECT_EQ(links->width(), 256);
    EXPECT_EQ(rechts->width(), 256);
    EXPECT_EQ(links->Rollbereich(), nullptr);
    // Client: the window inset by 3, less the strip of 8 on the inner side.
    EXPECT_EQ(links->KlientRechteck(), QRect(3, 3, 242, 762));
    EXPECT_EQ(rechts->KlientRechteck(), QRect(11, 3, 242, 762));
    EXPECT_EQ(rollup->geometry(), QRect(0, 0, 242, 762));
    EXPECT_EQ(rechtsInhalt->geometry(), QRect(0, 0, 242, 762));
    links->SetzeDicke(300);
    Warte();
    EXPECT_EQ(links->width(), 300);
    EXPECT_EQ(rollup->size(), QSize(286, 762));
}

TEST_F(BalkenTest, ScrollModeKeepsTheContentWidthUnderABottomScrollBar)
{
    Baue(800, 600);
    QScrollArea* bereich = links->Rollbereich();
    ASSERT_NE(bereich, nullptr);
    QScrollBar* balken = links->Rollbalken();
    ASSERT_NE(balken, nullptr);
    EXPECT_EQ(links->width(), 242);
    EXPECT_EQ(bereich->geometry(), links->KlientRechteck());
    EXPECT_EQ(links->Inhalt()->width(), 242);
    EXPECT_EQ(rollup->width(), 242);
    // The scroll bar lies along the bottom of the client area.
    const QRect sb(balken->mapTo(links->Fenster(), QPoint(0, 0)), balken->size());
    EXPECT_EQ(sb.bottom(), links->KlientRechteck().bottom());
    EXPECT_EQ(sb.width(), links->KlientRechteck().width());
    EXPECT_EQ(links->Inhalt()->height(), bereich->viewport()->height());
    const int sicht = bereich->viewport()->width();
    EXPECT_EQ(sicht, 242 - 6 - 8);
    EXPECT_EQ(balken->minimum(), 0);
    EXPECT_EQ(balken->maximum(), 242 - sicht);
    EXPECT_EQ(balken->pageStep(), sicht);
    EXPECT_EQ(balken->singleStep(), 1);
    // One arrow click: one pixel.
    balken->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(links->RollPos(), 1);
    EXPECT_EQ(links->Inhalt()->x(), -1);
    balken->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(links->RollPos(), balken->maximum());
    EXPECT_EQ(links->Inhalt()->x(), -balken->maximum());
    // Wider than the content: position and content go back to 0 together.
    links->SetzeDicke(300);
    Warte();
    EXPECT_EQ(balken->maximum(), 0);
    EXPECT_EQ(links->RollPos(), 0);
    EXPECT_EQ(links->Inhalt()->x(), 0);
    EXPECT_EQ(links->Inhalt()->width(), 242);
}

TEST_F(BalkenTest, TheButtonSitsCentredOnTheStrip)
{
    Baue(1024, 406); // inner height 400
    EXPECT_EQ(links->KnopfRechteck(), QRect(256 - 10, 3 + 200 - 25, 8, 50));
    EXPECT_EQ(rechts->KnopfRechteck(), QRect(3, 178, 8, 50));
    rahmen.resize(1024, 768); // inner height 762: 95 high at 3 + 381 − 47
    Warte();
    EXPECT_EQ(links->KnopfRechteck(), QRect(246, 337, 8, 95));
}

TEST_F(BalkenTest, TheButtonCollapsesAndRestoresTheRememberedWidth)
{
    Baue(1024, 768);
    links->SetzeDicke(270);
    Warte();
    EXPECT_EQ(links->Pfeilrichtung(), Qt::LeftArrow);
    Klick(links);
    EXPECT_TRUE(links->IstVersteckt());
    EXPECT_EQ(links->width(), 8 + 2 * 2 + 2);
    EXPECT_EQ(links->KlientRechteck().width(), 0);
    EXPECT_EQ(links->Pfeilrichtung(), Qt::RightArrow);
    EXPECT_EQ(rechts->width(), 256);
    // The frame changes size while collapsed: expanding still restores 270.
    rahmen.resize(900, 700);
    Warte();
    EXPECT_EQ(links->width(), 14);
    Klick(links);
    EXPECT_FALSE(links->IstVersteckt());
    EXPECT_EQ(links->width(), 270);
    EXPECT_EQ(rollup->width(), 270 - 14);
    // The right bar mirrors it.
    EXPECT_EQ(rechts->Pfeilrichtung(), Qt::RightArrow);
    Klick(rechts);
    EXPECT_EQ(rechts->width(), 14);
    EXPECT_EQ(rechts->Pfeilrichtung(), Qt::LeftArrow);
    rechts->SetzeVersteckt(false);
    Warte();
    EXPECT_EQ(rechts->width(), 256);
}

TEST_F(BalkenTest, AnInactiveButtonIgnoresClicks)
{
    Baue(1024, 768);
    // The frame keeps the right bar's button inactive until the end of the input.
    rechts->SetzeKnopfAktiv(false);
    rechts->SetzeVersteckt(false);
    Klick(rechts);
    EXPECT_FALSE(rechts->IstVersteckt());
    EXPECT_EQ(rechts->width(), 256);
    QTest::mousePress(rechts->Fenster(), Qt::LeftButton, {}, rechts->KnopfRechteck().center());
    EXPECT_FALSE(rechts->IstGedrueckt());
    QTest::mouseRelease(rechts->Fenster(), Qt::LeftButton, {}, rechts->KnopfRechteck().center());
    // Activated, the next click collapses it.
    rechts->SetzeKnopfAktiv(true);
    QTest::mousePress(rechts->Fenster(), Qt::LeftButton, {}, rechts->KnopfRechteck().center());
    EXPECT_TRUE(rechts->IstGedrueckt());
    QTest::mouseRelease(rechts->Fenster(), Qt::LeftButton, {}, rechts->KnopfRechteck().center());
    Warte();
    EXPECT_FALSE(rechts->IstGedrueckt());
    EXPECT_TRUE(rechts->IstVersteckt());
    EXPECT_EQ(rechts->width(), 14);
    // Pressed on the button but released elsewhere: nothing.
    QTest::mousePress(links->Fenster(), Qt::LeftButton, {}, links->KnopfRechteck().center());
    QTest::mouseRelease(links->Fenster(), Qt::LeftButton, {}, QPoint(100, 50));
    Warte();
    EXPECT_FALSE(links->IstVersteckt());
    EXPECT_FALSE(links->IstGedrueckt());
}

TEST_F(BalkenTest, ClicksAndDoubleClicksNeverFloatTheBars)
{
    Baue(1024, 768);
    QTest::mouseDClick(links->Fenster(), Qt::LeftButton, {}, QPoint(1, 100));
    QTest::mouseDClick(rollup, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseDClick(rechtsInhalt, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mousePress(links->Fenster(), Qt::LeftButton, {}, QPoint(1, 100));
    QTest::mouseMove(links->Fenster(), QPoint(500, 300));
    QTest::mouseRelease(links->Fenster(), Qt::LeftButton, {}, QPoint(500, 300));
    Warte();
    EXPECT_FALSE(links->isFloating());
    EXPECT_FALSE(rechts->isFloating());
    EXPECT_EQ(rahmen.dockWidgetArea(links), Qt::LeftDockWidgetArea);
    EXPECT_EQ(rahmen.dockWidgetArea(rechts), Qt::RightDockWidgetArea);
    EXPECT_EQ(links->features(), QDockWidget::NoDockWidgetFeatures);
    EXPECT_EQ(links->geometry(), QRect(0, 0, 256, 768));
}

TEST_F(BalkenTest, DraggingTheEdgeKeepsTheMainPaneAndTheOtherBar)
{
    Baue(1024, 768);
    QWidget* zentral = rahmen.centralWidget();
    ZieheTrenner(300);
    EXPECT_NEAR(links->width(), 300 - 3, 3);
    ZieheTrenner(1020);
    EXPECT_GE(zentral->width(), 2);
    EXPECT_LE(zentral->width(), 3);
    EXPECT_EQ(rechts->width(), 256);
    EXPECT_TRUE(rechts->isVisible());
    // Down to the left edge: the hide bar has no least width of its own (what
    // remains is the grip's offset within the separator).
    ZieheTrenner(10);
    ZieheTrenner(1);
    EXPECT_LE(links->width(), 3);
    EXPECT_EQ(rechts->width(), 256);
}

TEST(CSizingControlBar, APlainBarFillsItsChildrenAndKeepsItsLeastWidth)
{
    QMainWindow rahmen;
    rahmen.setAnimated(false);
    rahmen.setCentralWidget(new QWidget);
    rahmen.resize(1024, 768);
    auto* balken = new CSizingControlBar;
    ASSERT_TRUE(balken->Create(&rahmen, Qt::LeftDockWidgetArea, 200, 59646, CSizingControlBar::SB_KINDER_FUELLEN));
    auto* eins = new QWidget(balken->Inhalt());
    rahmen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&rahmen));
    balken->SetzeDicke(200);
    QApplication::processEvents();
    EXPECT_EQ(balken->KlientRechteck(), QRect(5, 5, 190, 758));
    EXPECT_EQ(eins->geometry(), QRect(0, 0, 190, 758));
    // A child added later fills the client at once, every child alike.
    auto* zwei = new QWidget(balken->Inhalt());
    EXPECT_EQ(zwei->geometry(), QRect(0, 0, 190, 758));
    balken->SetzeDicke(20); // below the least width of a plain bar
    QApplication::processEvents();
    EXPECT_EQ(balken->width(), 33);
    EXPECT_EQ(eins->size(), QSize(23, 758));
    EXPECT_EQ(CSizingControlBar().Create(nullptr, Qt::LeftDockWidgetArea, 1, 1, 0), false);
}

} // namespace
} // namespace zeva
