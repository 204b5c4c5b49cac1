// The committed corpus of the project readers' fuzzing, replayed in every
// test run: small realistic documents of both forms and damaged or hostile
// ones. Each goes through both readers and, where it opens, through what the
// program does with a project (PruefeProjektdatei); nothing may go wrong and
// no input may take long.
#include "geometry/ProjektdateiPruefung.h"
#include "model/Klimadaten.h"
#include "model/RuntimeClass.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zeva {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(const fs::path& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProjektdateiKorpus, JedeEingabeOeffnetOderWirdAbgelehntOhneFund)
{
    RegisterModelClasses();
    SetzeKlimaOrdner(fs::path(ZEVA_DATA_DIR) / "klima");

    std::vector<fs::path> dateien;
    for (const fs::directory_entry& e : fs::directory_iterator(fs::path(ZEVA_TEST_DATA_DIR) / "projektkorpus"))
        dateien.push_back(e.path());
    std::sort(dateien.begin(), dateien.end());

    int geoeffnet = 0;
    int abgelehnt = 0;
    for (const fs::path& datei : dateien) {
        SCOPED_TRACE(datei.filename().string());
        const std::vector<std::uint8_t> daten = Bytes(datei);
        const test::Pruefergebnis e = test::PruefeProjektdatei(daten, test::ProcessTempDir() / "korpus.vza");
        for (const std::string& fund : e.funde)
            ADD_FAILURE() << fund;
        EXPECT_EQ(e.geoeffnet + e.abgelehnt, 2);
        geoeffnet += e.geoeffnet;
        abgelehnt += e.abgelehnt;
    }
    // Realistic and damaged documents of both forms: some open, some not.
    EXPECT_GE(dateien.size(), 10u);
    EXPECT_GE(geoeffnet, 5);
    EXPECT_GE(abgelehnt, dateien.size());
    SetzeKlimaOrdner({});
}

} // namespace
} // namespace zeva
