// The main frame on an 800 × 600 screen: both bars 242 pixels wide in
// scroll mode, with a horizontal scroll bar.
#include "RahmenTestHilfen.h"

#include "ui/CHideBar.h"
#include "ui/CRollupCtrl.h"

#include <QScrollBar>
#include <gtest/gtest.h>

namespace zeva {
namespace {

static testing::Environment* const bildschirm =
    testing::AddGlobalTestEnvironment(new test::Bildschirm("shell/bildschirm-800x600.json"));

class SchmalerSchirm : public test::GestartetesProgramm {};

TEST_F(SchmalerSchirm, BarsAre242WideAndScroll)
{
    EXPECT_EQ(rahmen->geometry(), QRect(0, 0, 800, 600));
    for (CHideBar* balken : {rahmen->LinkerBalken(), rahmen->RechterBalken()}) {
        EXPECT_EQ(balken->BalkenStil(), CSizingControlBar::SB_ROLLEN);
        ASSERT_NE(balken->Rollbalken(), nullptr);
        EXPECT_TRUE(balken->Rollbalken()->isVisible());
        EXPECT_EQ(balken->InhaltsBreite(), 242);
    }
    EXPECT_EQ(rahmen->LinkerBalken()->width(), 242);
    EXPECT_EQ(rahmen->Rollup()->width(), 242);
    EXPECT_TRUE(meldungen.Anfragen().empty()) << "800 × 600 is enough";
}

} // namespace
} // namespace zeva
