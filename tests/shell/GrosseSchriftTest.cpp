// A screen with a scale of 120 dpi: the large-font warning, and start-up
// carries on.
#include "RahmenTestHilfen.h"

#include "shell/CZEVAView.h"

#include <QScreen>
#include <gtest/gtest.h>

namespace zeva {
namespace {

static testing::Environment* const bildschirm =
    testing::AddGlobalTestEnvironment(new test::Bildschirm("shell/bildschirm-1024x768-120dpi.json"));

TEST(GrosseSchrift, WarnsOnceAndStartsAllTheSame)
{
    test::LeeresProfil();
    const QScreen* schirm = QGuiApplication::primaryScreen();
    EXPECT_GT(schirm->logicalDotsPerInch() * schirm->devicePixelRatio(), 110.0);
    ASSERT_TRUE(CZEVAApp::GrosseSchriftarten());

    SkriptMeldungen meldungen;
    CZEVAApp app({QStringLiteral("zeva")});
    ASSERT_TRUE(app.InitInstance());
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    const Meldung::Anfrage& a = meldungen.Anfragen()[0];
    EXPECT_EQ(a.text, QStringLiteral("ZEVA funktioniert nicht mit \"Großen Schriftarten\".\nBitte stellen Sie den "
                                     "Schriftgrad auf \"Kleine Schriftarten\" um."));
    EXPECT_EQ(a.knoepfe, QMessageBox::Ok);
    EXPECT_EQ(a.symbol, Meldung::Symbol::Keins);
    EXPECT_TRUE(app.Hauptfenster()->Startansicht()->isVisible());
}

} // namespace
} // namespace zeva
