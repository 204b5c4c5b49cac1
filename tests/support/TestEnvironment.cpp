#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace zeva::test {

namespace {
std::filesystem::path g_processDir; // removed at exit
std::filesystem::path g_tempDir;    // the running test's folder inside it
int g_testNumber = 0;

// Moves into a new empty folder and empties the configuration folder. Qt
// fixes the path of its default settings once per process, so the folder
// stays the same and only its contents go: each test starts without
// settings, as in a process of its own.
void EnterFreshFolder()
{
    const std::filesystem::path config = g_processDir / "config";
    std::error_code ec;
    std::filesystem::remove_all(config, ec);
    std::filesystem::create_directories(config);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    g_tempDir = g_processDir / "t";
    g_tempDir += std::to_string(++g_testNumber);
    std::filesystem::create_directories(g_tempDir);
    std::filesystem::current_path(g_tempDir);
}

class FreshFolderPerTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { EnterFreshFolder(); }
};
} // namespace

void UnpackTestEnvironment()
{
    const char* packed = std::getenv("ZEVA_TEST_ENV");
    if (packed == nullptr)
        return;
    const std::string all = packed;
    std::size_t start = 0;
    while (start <= all.size()) {
        std::size_t end = all.find('|', start);
        if (end == std::string::npos)
            end = all.size();
        const std::string item = all.substr(start, end - start);
        const std::size_t eq = item.find('=');
        if (eq != std::string::npos && eq > 0)
            ::setenv(item.substr(0, eq).c_str(), item.substr(eq + 1).c_str(), 1);
        start = end + 1;
    }
}

void PrepareProcessEnvironment()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zeva-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    g_processDir = pattern;
    // The user's data folder (the program's copies of its data bases) lies in
    // it too, one for the whole process: the program finds its copies once
    // per run.
    const std::filesystem::path daten = g_processDir / "data";
    std::filesystem::create_directories(daten);
    ::setenv("XDG_DATA_HOME", daten.c_str(), 1);
    // Caches too (Mesa's and Qt's shader caches, font caches): a test run
    // leaves nothing in the user's home.
    const std::filesystem::path cache = g_processDir / "cache";
    std::filesystem::create_directories(cache);
    ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    // The folder goes with the process; a test that wants to look at what was
    // left behind can copy it elsewhere.
    std::atexit([] {
        std::error_code ec;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
        std::filesystem::remove_all(g_processDir, ec);
    });
    EnterFreshFolder();
}

void InstallFreshFolderPerTest()
{
    testing::UnitTest::GetInstance()->listeners().Append(new FreshFolderPerTest);
}

const std::filesystem::path& ProcessTempDir()
{
    return g_tempDir;
}

void CheckRequestedLocale()
{
    const char* want = std::getenv("ZEVA_EXPECT_GERMAN_LOCALE");
    if (want == nullptr || std::strcmp(want, "1") != 0)
        return;
    // Take the locale from the environment, as the program's start-up does;
    // a missing de_DE.UTF-8 would make the German run a second C run.
    if (std::setlocale(LC_ALL, "") == nullptr) {
        std::fputs("de_DE.UTF-8 is not installed: run tools/install-deps\n", stderr);
        std::exit(3);
    }
    const std::lconv* lc = std::localeconv();
    if (lc == nullptr || std::strcmp(lc->decimal_point, ",") != 0) {
        std::fputs("the German locale does not use a decimal comma\n", stderr);
        std::exit(3);
    }
}

} // namespace zeva::test
