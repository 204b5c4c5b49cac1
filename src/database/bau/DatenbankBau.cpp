// Build step: makes a data-base file from SQL scripts (schema and rows), run
// in the given order inside one transaction. The file is written under a
// temporary name and renamed at the end, so a failed build never leaves a
// half-filled data base beside the program.
//
//   zeva_dbbau <output.db> <script.sql>...
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

bool Ausfuehren(sqlite3* db, const std::string& sql, const std::string& quelle)
{
    char* fehler = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &fehler) != SQLITE_OK) {
        std::fprintf(stderr, "zeva_dbbau: %s: %s\n", quelle.c_str(), fehler != nullptr ? fehler : "?");
        sqlite3_free(fehler);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    if (argc < 3) {
        std::fputs("usage: zeva_dbbau <output.db> <script.sql>...\n", stderr);
        return 2;
    }
    const fs::path ziel = argv[1];
    fs::path temp = ziel;
    temp += ".neu";
    std::error_code ec;
    fs::remove(temp, ec);

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "zeva_dbbau: %s: %s\n", temp.c_str(), db != nullptr ? sqlite3_errmsg(db) : "?");
        sqlite3_close(db);
        return 1;
    }
    bool ok = Ausfuehren(db, "BEGIN", "BEGIN");
    for (int i = 2; ok && i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "zeva_dbbau: cannot read %s\n", argv[i]);
            ok = false;
            break;
        }
        const std::string sql((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ok = Ausfuehren(db, sql, argv[i]);
    }
    ok = ok && Ausfuehren(db, "COMMIT", "COMMIT") && Ausfuehren(db, "VACUUM", "VACUUM");
    sqlite3_close(db);
    if (!ok) {
        fs::remove(temp, ec);
        return 1;
    }
    fs::rename(temp, ziel, ec);
    if (ec) {
        std::fprintf(stderr, "zeva_dbbau: %s: %s\n", ziel.c_str(), ec.message().c_str());
        fs::remove(temp, ec);
        return 1;
    }
    return 0;
}
