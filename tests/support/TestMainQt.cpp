// Test main for widget tests. The QApplication is created in a GoogleTest
// environment rather than here, so that listing the tests (which CTest does
// when it discovers them) never needs a display.
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <clocale>
#include <gtest/gtest.h>
#include <memory>

// Qt, fontconfig and the GL drivers keep caches alive until exit, which the
// leak checker would report in every widget test.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

namespace {

class QtEnvironment : public testing::Environment {
public:
    QtEnvironment(int& argc, char** argv) : m_argc(argc), m_argv(argv) {}

    void SetUp() override
    {
        m_app = std::make_unique<QApplication>(m_argc, m_argv);
        // The program fixes the C runtime's number format right after the
        // application object exists; the tests do the same.
        std::setlocale(LC_NUMERIC, "C");
    }

    void TearDown() override { m_app.reset(); }

private:
    int& m_argc;
    char** m_argv;
    std::unique_ptr<QApplication> m_app;
};

} // namespace

int main(int argc, char** argv)
{
    zeva::test::UnpackTestEnvironment();
    testing::InitGoogleTest(&argc, argv);
    zeva::test::PrepareProcessEnvironment();
    zeva::test::InstallFreshFolderPerTest();
    zeva::test::CheckRequestedLocale();
    testing::AddGlobalTestEnvironment(new QtEnvironment(argc, argv));
    return RUN_ALL_TESTS();
}
