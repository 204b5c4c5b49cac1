#pragma once
// Test data bases: the shipped schema scripts plus a small fixture of rows,
// built with the plain SQLite API into the test process's temporary folder.
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

namespace zeva::test {

inline std::filesystem::path Schema(const char* datei)
{
    return std::filesystem::path(ZEVA_DATA_DIR) / "DB" / datei;
}

inline std::filesystem::path Fixture(const char* datei)
{
    return std::filesystem::path(ZEVA_TEST_DATA_DIR) / "db" / datei;
}

// Runs the scripts in order into a new file <name> and returns its path;
// extraSql runs last (triggers that inject failures, for instance).
inline std::filesystem::path BaueDatenbank(const std::string& name,
                                           std::initializer_list<std::filesystem::path> skripte,
                                           const std::string& extraSql = {})
{
    const std::filesystem::path datei = ProcessTempDir() / name;
    std::filesystem::remove(datei);
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(datei.c_str(), &db), SQLITE_OK);
    auto run = [&](const std::string& sql, const std::string& quelle) {
        char* fehler = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &fehler), SQLITE_OK)
            << quelle << ": " << (fehler != nullptr ? fehler : "");
        sqlite3_free(fehler);
    };
    run("PRAGMA journal_mode = MEMORY; PRAGMA synchronous = OFF;", "pragma");
    for (const auto& skript : skripte) {
        std::ifstream in(skript, std::ios::binary);
        EXPECT_TRUE(in.good()) << skript;
        run(std::string(std::istreambuf_iterator<char>(in), {}), skript.string());
    }
    if (!extraSql.empty())
        run(extraSql, "extra");
    sqlite3_close(db);
    return datei;
}

inline std::filesystem::path BestandFixture(const std::string& name, const std::string& extraSql = {})
{
    return BaueDatenbank(name, {Schema("Bestand2000.1-schema.sql"), Fixture("bestand.sql")}, extraSql);
}

inline std::filesystem::path SanierungFixture(const std::string& name, const std::string& extraSql = {})
{
    return BaueDatenbank(name, {Schema("San2kvyke.1-schema.sql"), Fixture("sanierung.sql")}, extraSql);
}

} // namespace zeva::test
