#include "support/TestEnvironment.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace zeva::test {

namespace {
std::filesystem::path g_tempDir;
}

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
    g_tempDir = pattern;
    // The folder goes with the process; a test that wants to look at what was
    // left behind can copy it elsewhere.
    std::atexit([] {
        std::error_code ec;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
        std::filesystem::remove_all(g_tempDir, ec);
    });
    std::filesystem::create_directories(g_tempDir / "config");
    ::setenv("XDG_CONFIG_HOME", (g_tempDir / "config").c_str(), 1);
    std::filesystem::current_path(g_tempDir);
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
