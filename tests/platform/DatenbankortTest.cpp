// Where the data bases are opened from: beside the program while that folder
// can be written, otherwise a copy in the user's data folder made once.
#include "platform/Datenbankort.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zeva {
namespace {

namespace fs = std::filesystem;

std::string Inhalt(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Schreibe(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// Each test gets fresh folders and restores the real writability test.
class DatenbankortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = test::ProcessTempDir() / info->name();
        fs::remove_all(root);
        ort.programmOrdner = root / "programm";
        ort.benutzerOrdner = root / "benutzer";
        daneben = ort.programmOrdner / "DB" / "Bestand2000.db";
        kopie = ort.benutzerOrdner / "DB" / "Bestand2000.db";
    }
    void TearDown() override { SetzeSchreibbarkeitstest({}); }

    void Schreibbar(bool ja)
    {
        SetzeSchreibbarkeitstest([ja](const fs::path&) { return ja; });
    }

    fs::path root;
    Datenbankort ort;
    fs::path daneben;
    fs::path kopie;
};

TEST_F(DatenbankortTest, WritableFileBesideTheProgramIsUsedInPlace)
{
    Schreibe(daneben, "original");
    Schreibbar(true);
    EXPECT_EQ(Datenbankdatei(ort, "Bestand2000.db"), daneben);
    EXPECT_FALSE(fs::exists(ort.benutzerOrdner));
}

TEST_F(DatenbankortTest, WriteProtectedFileIsCopiedOnceAndTheCopyKept)
{
    Schreibe(daneben, "original");
    Schreibbar(false);
    EXPECT_EQ(Datenbankdatei(ort, "Bestand2000.db"), kopie);
    EXPECT_EQ(Inhalt(kopie), "original");
    EXPECT_FALSE(fs::exists(kopie.string() + ".part"));

    // The user's entries live in the copy: a later start must not overwrite it,
    // not even when the installed file changed.
    Schreibe(kopie, "mit Benutzereintrag");
    Schreibe(daneben, "neu installiert");
    EXPECT_EQ(Datenbankdatei(ort, "Bestand2000.db"), kopie);
    EXPECT_EQ(Inhalt(kopie), "mit Benutzereintrag");
}

TEST_F(DatenbankortTest, MissingFileIsReportedWhereItShouldBe)
{
    Schreibbar(false);
    EXPECT_EQ(Datenbankdatei(ort, "Bestand2000.db"), daneben);
    EXPECT_FALSE(fs::exists(kopie));

    // ... unless the user already has a copy.
    Schreibe(kopie, "kopie");
    EXPECT_EQ(Datenbankdatei(ort, "Bestand2000.db"), kopie);
}

TEST_F(DatenbankortTest, WithoutAUserFolderOrACopyTheInstalledFileIsOpened)
{
    Schreibe(daneben, "original");
    Schreibbar(false);
    Datenbankort ohne = ort;
    ohne.benutzerOrdner.clear();
    EXPECT_EQ(Datenbankdatei(ohne, "Bestand2000.db"), daneben);

    // A user folder that cannot be made (a file stands in its way).
    Schreibe(root / "datei", "x");
    Datenbankort versperrt = ort;
    versperrt.benutzerOrdner = root / "datei";
    EXPECT_EQ(Datenbankdatei(versperrt, "Bestand2000.db"), daneben);
}

TEST_F(DatenbankortTest, DefaultTestAsksTheFileSystem)
{
    Schreibe(daneben, "original");
    EXPECT_TRUE(IstSchreibbar(daneben));
    EXPECT_FALSE(IstSchreibbar(root / "gibt" / "es" / "nicht.db"));
}

} // namespace
} // namespace zeva
