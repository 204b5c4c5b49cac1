#pragma once
// A program whose data folder cannot be made, for the tests of the fallback
// to the templates beside the program.
#include "database/Datenbankdateien.h"
#include "support/TestEnvironment.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace zeva::test {

// The shipped templates beside a program whose data folder cannot be made
// (its parent is a file, which stops root as well): the program must fall
// back to the templates, for reading only. Restores the default on leaving.
class OhneDatenordner {
public:
    OhneDatenordner()
    {
        const auto root = ProcessTempDir() / "ohne-datenordner";
        std::filesystem::remove_all(root);
        programm = root / "programm";
        std::filesystem::create_directories(programm / "DB");
        for (const char* name : {"Bestand2000.db", "San2kvyke.db"})
            std::filesystem::copy_file(std::filesystem::path(ZEVA_BUILT_DB_DIR) / name, programm / "DB" / name);
        std::ofstream(root / "kein-ordner") << "eine Datei";
        daten = root / "kein-ordner" / "daten";
        SetzeDatenbankort(Datenbankort{programm, daten});
    }
    ~OhneDatenordner() { SetzeDatenbankort(std::nullopt); }
    OhneDatenordner(const OhneDatenordner&) = delete;
    OhneDatenordner& operator=(const OhneDatenordner&) = delete;

    std::filesystem::path Vorlage(const char* name) const { return programm / "DB" / name; }
    static std::string Inhalt(const std::filesystem::path& datei)
    {
        std::ifstream in(datei, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path programm;
    std::filesystem::path daten;
};

} // namespace zeva::test
