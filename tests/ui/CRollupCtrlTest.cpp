// The roll-up control: its exact geometry, scrolling by wheel, strip and page
// drag, the clamping of the offset, opening and closing by header click and
// context menu, and disabled pages.
#include "FesterBildschirm.h"
#include "QtAusgabe.h"

#include "ui/CRollupCtrl.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace zeva {
namespace {

// Four pages of 100 pixels in a control of 242 × 300.
class RollupTest : public testing::Test {
protected:
    void SetUp() override
    {
        rollup.resize(242, 300);
        for (const char* titel : {"Objekt", "Geometrische Kenngrößen", "Heizung", "Grafiken"}) {
            auto* seite = new QWidget(&rollup);
            seite->resize(200, 100);
            auto* label = new QLabel(titel, seite);
            label->setGeometry(10, 10, 120, 20);
            seiten.push_back(seite);
            ASSERT_EQ(rollup.FuegeSeiteEin(QString::fromUtf8(titel), seite), static_cast<int>(seiten.size()) - 1);
        }
        rollup.show();
    }

    void Rad(QWidget* ziel, int delta)
    {
        const QPointF p(20, 20);
        QWheelEvent rad(p, ziel->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
        QApplication::sendEvent(ziel, &rad);
    }

    void Maus(QWidget* ziel, QEvent::Type art, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons knoepfe)
    {
        QMouseEvent e(art, p, ziel->mapToGlobal(p), knopf, knoepfe, Qt::NoModifier);
        QApplication::sendEvent(ziel, &e);
    }

    int KopfY(int i) { return rollup.Kopf(i)->geometry().y(); }

    CRollupCtrl rollup;
    std::vector<QWidget*> seiten;
};

TEST_F(RollupTest, FourOpenPagesHaveTheExactGeometry)
{
    EXPECT_EQ(rollup.GesamtHoehe(), 84); // all closed after inserting
    EXPECT_FALSE(rollup.IstSeiteOffen(0));
    rollup.OeffneAlleSeiten(true);
    EXPECT_EQ(rollup.GesamtHoehe(), 484);
    EXPECT_EQ(rollup.Kopf(0)->geometry(), QRect(6, 0, 224, 18));
    EXPECT_EQ(seiten[0]->geometry(), QRect(6, 18, 224, 100));
    EXPECT_EQ(rollup.Rahmen(0)->geometry(), QRect(2, 0, 233, 120));
    EXPECT_EQ(KopfY(1), 121);
    EXPECT_EQ(KopfY(3), 363);
    EXPECT_TRUE(seiten[3]->isVisible());
    EXPECT_TRUE(rollup.Kopf(2)->isChecked());
    const auto griff = rollup.BerechneGriff();
    EXPECT_EQ(griff.g, 296);
    EXPECT_EQ(griff.c, 184);
    EXPECT_EQ(griff.t, 0);
    EXPECT_EQ(rollup.StreifenRechteck(), QRect(236, 0, 6, 300));

    rollup.OeffneSeite(1, false);
    EXPECT_EQ(rollup.GesamtHoehe(), 384);
    EXPECT_EQ(rollup.Rahmen(1)->geometry(), QRect(2, 121, 233, 16));
    EXPECT_FALSE(seiten[1]->isVisible());
    EXPECT_FALSE(rollup.Kopf(1)->isChecked());
    EXPECT_EQ(KopfY(2), 142);
}

TEST_F(RollupTest, WheelScrollsThirtyPixelsPerNotchWithinTheStack)
{
    rollup.OeffneAlleSeiten(true);
    Rad(&rollup, -120); // toward the user
    EXPECT_EQ(rollup.ScrollPos(), -30);
    EXPECT_EQ(KopfY(0), -30);
    EXPECT_EQ(rollup.BerechneGriff().t, 18); // 30 · 296 / 484
    Rad(&rollup, -120);
    EXPECT_EQ(rollup.ScrollPos(), -60);
    Rad(&rollup, 120);
    Rad(&rollup, 120); // away from the user at the top stays at 0
    EXPECT_EQ(rollup.ScrollPos(), 0);
    for (int i = 0; i < 10; ++i)
        Rad(&rollup, -120);
    EXPECT_EQ(rollup.ScrollPos(), -184); // no space below the last page
    EXPECT_EQ(seiten[3]->geometry().bottom() + 1, 300 - 3);
}

TEST_F(RollupTest, GrowingTheControlPullsTheStackDown)
{
    rollup.OeffneAlleSeiten(true);
    for (int i = 0; i < 7; ++i)
        Rad(&rollup, -120);
    ASSERT_EQ(rollup.ScrollPos(), -184);
    rollup.resize(242, 400);
    EXPECT_EQ(rollup.ScrollPos(), -84);
    EXPECT_EQ(KopfY(0), -84);
    rollup.resize(242, 600);
    EXPECT_EQ(rollup.ScrollPos(), 0);
    rollup.resize(242, 300);
    EXPECT_EQ(rollup.ScrollPos(), 0);
    // Closing pages while scrolled never leaves an offset with space below.
    Rad(&rollup, -120);
    rollup.OeffneSeite(3, false);
    EXPECT_EQ(rollup.ScrollPos(), -30);
    rollup.OeffneSeite(2, false);
    EXPECT_EQ(rollup.ScrollPos(), 0);
}

TEST_F(RollupTest, HeaderClicksToggleAndBringTheOpenedPageIntoView)
{
    QTest::mouseClick(rollup.Kopf(0), Qt::LeftButton);
    EXPECT_TRUE(rollup.IstSeiteOffen(0));
    EXPECT_TRUE(rollup.Kopf(0)->isChecked());
    QTest::mouseClick(rollup.Kopf(1), Qt::LeftButton);
    EXPECT_EQ(KopfY(3), 263);
    EXPECT_EQ(rollup.ScrollPos(), 0);
    // Page 3 would reach below the control: its header goes up as far as
    // the stack allows (the offset is clamped to 300 − 384).
    QTest::mouseClick(rollup.Kopf(3), Qt::LeftButton);
    EXPECT_TRUE(rollup.IstSeiteOffen(3));
    EXPECT_EQ(rollup.ScrollPos(), -84);
    EXPECT_EQ(KopfY(3), 179);
    EXPECT_LE(seiten[3]->geometry().bottom() + 1, 300);
    // A second click closes it again.
    QTest::mouseClick(rollup.Kopf(3), Qt::LeftButton);
    EXPECT_FALSE(rollup.IstSeiteOffen(3));
    EXPECT_FALSE(seiten[3]->isVisible());
    EXPECT_EQ(rollup.ScrollPos(), 0);
    // Forced, a page's header goes to the top when the stack allows it.
    rollup.OeffneAlleSeiten(true);
    rollup.ZeigeSeite(1, true);
    EXPECT_EQ(KopfY(1), 0);
    EXPECT_EQ(rollup.ScrollPos(), -121);
    // Headers never take the focus.
    EXPECT_EQ(rollup.Kopf(0)->focusPolicy(), Qt::NoFocus);
}

TEST_F(RollupTest, DisabledPagesAreClosedAndCannotBeOpened)
{
    rollup.OeffneAlleSeiten(true);
    rollup.AktiviereSeite(1, false);
    EXPECT_FALSE(rollup.IstSeiteOffen(1));
    EXPECT_FALSE(rollup.Kopf(1)->isChecked());
    EXPECT_FALSE(rollup.Kopf(1)->isEnabled());
    EXPECT_FALSE(seiten[1]->isVisible());
    EXPECT_EQ(rollup.GesamtHoehe(), 384);
    rollup.OeffneSeite(1, true);
    rollup.OeffneAlleSeiten(true);
    EXPECT_FALSE(rollup.IstSeiteOffen(1));
    rollup.AktiviereSeite(1, true);
    EXPECT_FALSE(rollup.IstSeiteOffen(1)); // enabled again, still closed
    EXPECT_TRUE(rollup.Kopf(1)->isEnabled());
    rollup.AktiviereAlleSeiten(false);
    EXPECT_EQ(rollup.GesamtHoehe(), 84);
    rollup.AktiviereAlleSeiten(true);
    rollup.OeffneSeite(1, true);
    EXPECT_TRUE(rollup.IstSeiteOffen(1));
    // Invalid indexes are ignored or read as closed.
    rollup.OeffneSeite(7, true);
    rollup.ZeigeSeite(-1, true);
    EXPECT_FALSE(rollup.IstSeiteOffen(7));
}

TEST_F(RollupTest, ContextMenuListsThePagesAndOpensOrClosesThem)
{
    rollup.OeffneSeite(0, true);
    rollup.OeffneSeite(2, true);
    std::unique_ptr<QMenu> menue = rollup.ErzeugeKontextMenue();
    const QList<QAction*> aktionen = menue->actions();
    ASSERT_EQ(aktionen.size(), 7);
    EXPECT_EQ(aktionen[0]->text(), QString("Alle öffnen"));
    EXPECT_EQ(aktionen[1]->text(), QString("Alle schließen"));
    EXPECT_TRUE(aktionen[2]->isSeparator());
    const bool offen[] = {true, false, true, false};
    const char* titel[] = {"Objekt", "Geometrische Kenngrößen", "Heizung", "Grafiken"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(aktionen[3 + i]->text(), QString::fromUtf8(titel[i]));
        EXPECT_TRUE(aktionen[3 + i]->isCheckable());
        EXPECT_EQ(aktionen[3 + i]->isChecked(), offen[i]) << i;
        EXPECT_EQ(aktionen[3 + i]->data().toInt(), 258 + i);
    }
    aktionen[1]->trigger();
    EXPECT_EQ(rollup.GesamtHoehe(), 84);
    aktionen[0]->trigger();
    EXPECT_EQ(rollup.GesamtHoehe(), 484);
    aktionen[4]->trigger(); // toggles page 1
    EXPECT_FALSE(rollup.IstSeiteOffen(1));
}

TEST_F(RollupTest, ARightClickShowsTheContextMenu)
{
    rollup.OeffneAlleSeiten(true);
    QStringList gesehen;
    QTimer::singleShot(0, [&gesehen] {
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        for (QAction* a : menue->actions())
            gesehen << a->text();
        menue->actions()[1]->trigger();
        menue->close();
    });
    QContextMenuEvent ereignis(QContextMenuEvent::Mouse, QPoint(50, 60), rollup.mapToGlobal(QPoint(50, 60)));
    QApplication::sendEvent(seiten[0], &ereignis); // a page passes it on
    EXPECT_EQ(gesehen.size(), 7);
    EXPECT_EQ(rollup.GesamtHoehe(), 84);
}

TEST_F(RollupTest, NothingScrollsWhenEverythingFits)
{
    ASSERT_EQ(rollup.GesamtHoehe(), 84);
    Maus(&rollup, QEvent::MouseButtonPress, {238, 150}, Qt::LeftButton, Qt::LeftButton);
    Maus(&rollup, QEvent::MouseMove, {238, 250}, Qt::NoButton, Qt::LeftButton);
    Maus(&rollup, QEvent::MouseButtonRelease, {238, 250}, Qt::LeftButton, Qt::NoButton);
    Rad(&rollup, -120);
    rollup.OeffneSeite(0, true); // 184: still fits
    Maus(seiten[0], QEvent::MouseButtonPress, {150, 80}, Qt::LeftButton, Qt::LeftButton);
    Maus(seiten[0], QEvent::MouseMove, {150, 20}, Qt::NoButton, Qt::LeftButton);
    Maus(seiten[0], QEvent::MouseButtonRelease, {150, 20}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(rollup.ScrollPos(), 0);
    EXPECT_EQ(KopfY(0), 0);
    EXPECT_EQ(rollup.BerechneGriff().c, 296);
    // The page keeps its own cursor.
    EXPECT_FALSE(seiten[0]->testAttribute(Qt::WA_SetCursor));
}

TEST_F(RollupTest, DraggingAPageScrollsWithAHandCursor)
{
    seiten[0]->setCursor(Qt::CrossCursor); // a page's own cursor comes back later
    rollup.OeffneAlleSeiten(true);
    EXPECT_EQ(seiten[1]->cursor().shape(), Qt::PointingHandCursor);
    QWidget* label = seiten[1]->findChild<QLabel*>();
    EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);

    Maus(seiten[1], QEvent::MouseButtonPress, {150, 80}, Qt::LeftButton, Qt::LeftButton);
    Maus(seiten[1], QEvent::MouseMove, {150, 40}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(rollup.ScrollPos(), -40);
    // The page moved with the cursor; the next step counts from there.
    Maus(seiten[1], QEvent::MouseMove, {150, 40}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(rollup.ScrollPos(), -80);
    // Another button held as well: no drag.
    Maus(seiten[1], QEvent::MouseMove, {150, 0}, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(rollup.ScrollPos(), -80);
    Maus(seiten[1], QEvent::MouseButtonRelease, {150, 0}, Qt::LeftButton, Qt::NoButton);
    Maus(seiten[1], QEvent::MouseMove, {150, -50}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(rollup.ScrollPos(), -80);
    // The middle button drags as well.
    Maus(seiten[1], QEvent::MouseButtonPress, {150, 10}, Qt::MiddleButton, Qt::MiddleButton);
    Maus(seiten[1], QEvent::MouseMove, {150, 60}, Qt::NoButton, Qt::MiddleButton);
    Maus(seiten[1], QEvent::MouseButtonRelease, {150, 60}, Qt::MiddleButton, Qt::NoButton);
    EXPECT_EQ(rollup.ScrollPos(), -30);

    rollup.OeffneAlleSeiten(false);
    EXPECT_EQ(seiten[0]->cursor().shape(), Qt::CrossCursor);
    EXPECT_FALSE(seiten[1]->testAttribute(Qt::WA_SetCursor));
    EXPECT_FALSE(label->testAttribute(Qt::WA_SetCursor));
}

TEST_F(RollupTest, TheStripMovesTheStack)
{
    rollup.OeffneAlleSeiten(true);
    // g = 296, c = 184, t = 0: a press inside the thumb at y 100 keeps the
    // thumb where it is (offset t − y + 1 = −99).
    Maus(&rollup, QEvent::MouseButtonPress, {238, 100}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(rollup.ScrollPos(), -1); // −((100 − 99) · 484 / 296)
    Maus(&rollup, QEvent::MouseMove, {238, 160}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(rollup.ScrollPos(), -99); // −(61 · 484 / 296)
    Maus(&rollup, QEvent::MouseButtonRelease, {238, 160}, Qt::LeftButton, Qt::NoButton);
    Maus(&rollup, QEvent::MouseMove, {238, 260}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(rollup.ScrollPos(), -99);
    // A press below the thumb (t = 60, c = 184) puts the thumb's end at the cursor.
    Maus(&rollup, QEvent::MouseButtonPress, {238, 290}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(rollup.ScrollPos(), -173); // −((290 − 184) · 484 / 296)
    Maus(&rollup, QEvent::MouseMove, {238, 400}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(rollup.ScrollPos(), -184); // clamped
    Maus(&rollup, QEvent::MouseButtonRelease, {238, 400}, Qt::LeftButton, Qt::NoButton);
    // A press above the thumb puts its top at the cursor.
    Maus(&rollup, QEvent::MouseButtonPress, {238, 40}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(rollup.ScrollPos(), -65); // −(40 · 484 / 296)
    Maus(&rollup, QEvent::MouseButtonRelease, {238, 40}, Qt::LeftButton, Qt::NoButton);
}

TEST_F(RollupTest, InsertingBeforeAndLosingPages)
{
    auto* vorne = new QWidget(&rollup);
    vorne->resize(10, 50);
    EXPECT_EQ(rollup.FuegeSeiteEin("Vorne", vorne, true, 0), 0);
    EXPECT_EQ(rollup.Kopf(0)->text(), QString("Vorne"));
    EXPECT_EQ(rollup.Seite(1), seiten[0]);
    auto* hinten = new QWidget; // not yet a child: the control adopts it
    hinten->resize(10, 50);
    EXPECT_EQ(rollup.FuegeSeiteEin("Hinten", hinten, false, 99), 5);
    EXPECT_EQ(hinten->parentWidget(), &rollup);
    EXPECT_EQ(rollup.FuegeSeiteEin("Leer", nullptr), -1);
    EXPECT_EQ(rollup.GesamtHoehe(), 6 * 21);

    rollup.OeffneAlleSeiten(true);
    delete seiten[1]; // its owner deletes a page: it leaves the stack
    EXPECT_EQ(rollup.Seitenanzahl(), 5);
    EXPECT_EQ(rollup.GesamtHoehe(), 5 * 21 + 50 + 100 + 100 + 100 + 50);
    EXPECT_EQ(rollup.Kopf(2)->text(), QString("Heizung"));
}

} // namespace
} // namespace zeva
