#pragma once
// Shared set-up of every test process: its own configuration folder and
// working directory, so that tests never see each other's files or the
// developer's settings.
#include <filesystem>

namespace zeva::test {

// Sets the variables that CTest handed over packed in ZEVA_TEST_ENV
// ("NAME=value|NAME=value"); runs first in every test main.
void UnpackTestEnvironment();

// Creates a fresh temporary folder, points XDG_CONFIG_HOME into it and makes
// it the working directory. Called by both test mains before any test runs.
void PrepareProcessEnvironment();

// The temporary folder of the running test: every test of a process gets a
// fresh one (working directory and configuration folder inside), so that
// tests sharing a process still never see each other's files or settings.
const std::filesystem::path& ProcessTempDir();

// Registers the listener that gives each test its fresh folder; both test
// mains call it after InitGoogleTest.
void InstallFreshFolderPerTest();

// Checks that the locale named by LANG is really installed when the test
// run asks for it (ZEVA_EXPECT_GERMAN_LOCALE), so that the German run of the
// locale suites cannot silently fall back to "C".
void CheckRequestedLocale();

} // namespace zeva::test
