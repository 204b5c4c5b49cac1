#pragma once
// Pins the offscreen platform's screen to 1024 × 768 at 96 dpi for the widget
// tests of one binary: the platform's own default (800 wide) is exactly the
// width at which the frame switches to its narrow mode. Include this header
// in one source file of a test binary. The environment registered here is
// set up before the one that creates the application object.
#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace zeva::test {

class FesterBildschirm : public testing::Environment {
public:
    void SetUp() override
    {
        if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
            qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + ZEVA_TEST_DATA_DIR
                                           "/ui/bildschirm-1024x768.json");
    }
};

static testing::Environment* const festerBildschirm = testing::AddGlobalTestEnvironment(new FesterBildschirm);

} // namespace zeva::test
