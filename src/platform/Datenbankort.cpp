#include "platform/Datenbankort.h"

#include <unistd.h>

#include <system_error>

namespace zeva {

namespace fs = std::filesystem;

namespace {

bool StandardTest(const fs::path& datei)
{
    const fs::path ordner = datei.has_parent_path() ? datei.parent_path() : fs::path(".");
    return ::access(datei.c_str(), W_OK) == 0 && ::access(ordner.c_str(), W_OK | X_OK) == 0;
}

Schreibbarkeitstest& AktuellerTest()
{
    static Schreibbarkeitstest test;
    return test;
}

// Copies through a temporary name, so a copy cut short never passes for the
// user's data base at the next start.
bool KopiereEinmal(const fs::path& quelle, const fs::path& ziel)
{
    std::error_code ec;
    fs::create_directories(ziel.parent_path(), ec);
    if (ec)
        return false;
    fs::path temp = ziel;
    temp += ".part";
    fs::copy_file(quelle, temp, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    // The copy of a write-protected file is write-protected too.
    fs::permissions(temp, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    fs::rename(temp, ziel, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace

void SetzeSchreibbarkeitstest(Schreibbarkeitstest test)
{
    AktuellerTest() = std::move(test);
}

bool IstSchreibbar(const fs::path& datei)
{
    const auto& test = AktuellerTest();
    return test ? test(datei) : StandardTest(datei);
}

fs::path Datenbankdatei(const Datenbankort& ort, const std::string& dateiname)
{
    const fs::path daneben = ort.programmOrdner / "DB" / dateiname;
    std::error_code ec;
    const bool vorhanden = fs::is_regular_file(daneben, ec);
    if (vorhanden && IstSchreibbar(daneben))
        return daneben;
    if (ort.benutzerOrdner.empty())
        return daneben;

    const fs::path kopie = ort.benutzerOrdner / "DB" / dateiname;
    if (fs::is_regular_file(kopie, ec))
        return kopie;
    if (vorhanden && KopiereEinmal(daneben, kopie))
        return kopie;
    return daneben;
}

} // namespace zeva
