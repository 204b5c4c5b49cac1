// Authoring tool for the existing-components data base: computes layer
// count, total thickness and U-value of every construction type from its
// layers, by the program's own build-up rule (air layers with the heat-flow
// direction of the details dialogs: 0 for walls, 1 for every other kind),
// and writes them as UPDATE statements. Run it after changing construction
// types or layers in the data scripts; the data-base tests check that the
// shipped values still agree.
//
//   zeva_dbkennwerte <output.sql> <script.sql>...   (the scripts without the output)
#include "database/Bauteilart.h"
#include "database/Bestandsdatenbank.h"
#include "database/DBODBCBauteiltypSet.h"
#include "model/DSchicht.h"
#include "model/SchichtUWert.h"
#include "platform/SqlDatabase.h"

#include <sqlite3.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace zeva;

std::string Zahl(double x)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, r.ptr);
}

bool Baue(const fs::path& datei, int argc, char** argv)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(datei.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    bool ok = true;
    for (int i = 2; ok && i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        const std::string sql((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        char* fehler = nullptr;
        if (!in || sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &fehler) != SQLITE_OK) {
            std::fprintf(stderr, "zeva_dbkennwerte: %s: %s\n", argv[i], fehler != nullptr ? fehler : "cannot read");
            ok = false;
        }
        sqlite3_free(fehler);
    }
    sqlite3_close(db);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: zeva_dbkennwerte <output.sql> <script.sql>...\n", stderr);
        return 2;
    }
    const fs::path ausgabe = argv[1];
    const fs::path temp = fs::temp_directory_path() / ("zeva_dbkennwerte-" + std::to_string(::getpid()) + ".db");
    std::error_code ec;
    fs::remove(temp, ec);
    if (!Baue(temp, argc, argv)) {
        fs::remove(temp, ec);
        return 1;
    }

    std::string text =
        "-- Layer count, total thickness (m) and U-value (W/(m²K)) of every construction\n"
        "-- type, computed from its layers by the program's build-up rule (still air layers\n"
        "-- with the heat-flow direction 0 for walls and 1 for all other kinds).\n"
        "-- Written by zeva_dbkennwerte from the scripts before this one: do not edit.\n";
    try {
        SqlDatabase db;
        db.Open(temp, true);
        for (Bauteilart art : AlleBauteilarten) {
            const auto t = Tabellen(art);
            auto set = DBODBCBauteiltypSet::Erzeuge(art, &db);
            set->m_strSort = SqlName(t.schluessel);
            set->Open();
            text += "\n";
            for (; !set->IsEOF(); set->MoveNext()) {
                std::vector<DSchicht> schichten;
                for (const auto& z : LeseSchichtaufbau(db, art, set->ID)) {
                    DSchicht s;
                    s.Name = z.Name;
                    s.Dicke = z.Dicke;
                    s.Lambda = z.Lambda;
                    s.Mu = z.Mu;
                    schichten.push_back(s);
                }
                const SchichtUWert w = BerechneSchichtUWert(schichten, t.luftschichtFall);
                text += "UPDATE " + SqlName(t.typen) + " SET [Schichtzahl] = " +
                        std::to_string(schichten.size()) + ", [Dicke] = " + Zahl(w.DickeCm * 0.01) +
                        ", [kWert] = " + Zahl(w.UWert) + " WHERE " + SqlName(t.schluessel) + " = " +
                        std::to_string(set->ID) + "; -- " + set->Name + "\n";
            }
        }
    } catch (const SqlError& e) {
        std::fprintf(stderr, "zeva_dbkennwerte: %s\n", e.what());
        fs::remove(temp, ec);
        return 1;
    }
    fs::remove(temp, ec);
    std::ofstream out(ausgabe, std::ios::binary);
    out << text;
    return out ? 0 : 1;
}
