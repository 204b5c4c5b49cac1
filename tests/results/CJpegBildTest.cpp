// JPEG pictures from bitmaps of every bit count, read back with libjpeg.
#include "results/CJpegBild.h"
#include "results/JpegLesen.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zeva {
namespace {

namespace fs = std::filesystem;
using test::JpegBild;
using test::LiesJpeg;

class JpegBildTest : public testing::Test {
protected:
    void SetUp() override
    {
        ordner = fs::temp_directory_path() / ("zeva_jpeg_" + std::to_string(::getpid()));
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string Datei(const char* name) const { return (ordner / name).string(); }

    // A bitmap of flat blocks: each stored row filled by `pixel(x, y)` where
    // y counts stored rows (0 = the bottom of the picture).
    template <class F>
    static std::vector<std::uint8_t> Zeilen(const BitmapKopf& k, F setze)
    {
        const std::size_t laenge = CJpegBild::Zeilenlaenge(k.breite, k.bitzahl);
        std::vector<std::uint8_t> z(laenge * static_cast<std::size_t>(k.hoehe), 0xEE);
        for (int y = 0; y < k.hoehe; ++y)
            for (int x = 0; x < k.breite; ++x)
                setze(z.data() + laenge * static_cast<std::size_t>(y), x, y);
        return z;
    }
    static void ErwarteFarbe(const test::JpegPixel& p, int r, int g, int b, const std::string& wo)
    {
        EXPECT_NEAR(p.r, r, 3) << wo;
        EXPECT_NEAR(p.g, g, 3) << wo;
        EXPECT_NEAR(p.b, b, 3) << wo;
    }

    fs::path ordner;
};

TEST_F(JpegBildTest, RefusesBadInputWithoutAFile)
{
    BitmapKopf k{.breite = 8, .hoehe = 8, .bitzahl = 24, .farbtabelle = {}};
    const auto z = Zeilen(k, [](std::uint8_t*, int, int) {});
    const std::string f = Datei("a.jpg");
    struct Fall {
        const BitmapKopf* kopf;
        std::string datei;
        int qualitaet;
    };
    for (const Fall& fall : {Fall{&k, f, -1}, Fall{&k, f, 101}, Fall{nullptr, f, 100}, Fall{&k, "", 100}}) {
        CJpegBild bild;
        EXPECT_FALSE(bild.SchreibeJpeg(fall.kopf, z.data(), fall.datei, fall.qualitaet));
        EXPECT_EQ(bild.Fehlertext(), "Invalid input data");
        EXPECT_FALSE(fs::exists(f));
    }

    CJpegBild bild;
    k.bitzahl = 2;
    EXPECT_FALSE(bild.SchreibeJpeg(&k, z.data(), f, 100));
    EXPECT_EQ(bild.Fehlertext(), "Invalid bitmap bit count");
    EXPECT_FALSE(fs::exists(f)) << "the count is checked before the file is made";

    k.bitzahl = 24;
    const std::string fehlt = (ordner / "fehlt" / "b.jpg").string();
    EXPECT_FALSE(bild.SchreibeJpeg(&k, z.data(), fehlt, 100));
    EXPECT_EQ(bild.Fehlertext(), std::strerror(ENOENT));
}

// The reason for a file that cannot be made or written is the system's, in
// the user's language: the German run reads it in German.
TEST_F(JpegBildTest, TheReasonOfAFailedFileIsTheSystemsInTheUsersLanguage)
{
    const char* deutsch = std::getenv("ZEVA_EXPECT_GERMAN_LOCALE");
    const bool de = deutsch != nullptr && std::string(deutsch) == "1";
    BitmapKopf k{.breite = 8, .hoehe = 8, .bitzahl = 24, .farbtabelle = {}};
    const auto z = Zeilen(k, [](std::uint8_t* r, int x, int) { r[3 * x] = static_cast<std::uint8_t>(x); });
    // A folder that is not there, and a path that runs through a file.
    std::ofstream(Datei("datei.txt")) << "kein Ordner";
    struct Fall {
        std::string datei;
        const char* c;
        const char* deutsch;
    };
    const Fall faelle[] = {
        {Datei("fehlt/b.jpg"), "No such file or directory", "Datei oder Verzeichnis nicht gefunden"},
        {Datei("datei.txt/b.jpg"), "Not a directory", "Ist kein Verzeichnis"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.datei);
        CJpegBild bild;
        EXPECT_FALSE(bild.SchreibeJpeg(&k, z.data(), f.datei, 100));
        EXPECT_EQ(bild.Fehlertext(), de ? f.deutsch : f.c);
    }
    if (!fs::exists("/dev/full"))
        return;
    CJpegBild bild;
    EXPECT_FALSE(bild.SchreibeJpeg(&k, z.data(), "/dev/full", 100));
    EXPECT_EQ(bild.Fehlertext(), de ? "Auf dem Gerät ist kein Speicherplatz mehr verfügbar" : "No space left on device");
}

TEST_F(JpegBildTest, AFailedWriteReturnsAnErrorAndTheProcessRunsOn)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    BitmapKopf k{.breite = 200, .hoehe = 200, .bitzahl = 24, .farbtabelle = {}};
    const auto z = Zeilen(k, [](std::uint8_t* r, int x, int y) {
        r[3 * x] = static_cast<std::uint8_t>(x * 7 + y);
        r[3 * x + 1] = static_cast<std::uint8_t>(y * 13);
        r[3 * x + 2] = static_cast<std::uint8_t>(x ^ y);
    });
    CJpegBild bild;
    EXPECT_FALSE(bild.SchreibeJpeg(&k, z.data(), "/dev/full", 100));
    EXPECT_FALSE(bild.Fehlertext().empty());
    EXPECT_TRUE(fs::exists("/dev/full")) << "a device is never removed";
    // The writer is usable again afterwards.
    EXPECT_TRUE(bild.SchreibeJpeg(&k, z.data(), Datei("c.jpg"), 100));
    EXPECT_TRUE(bild.Fehlertext().empty());
}

TEST_F(JpegBildTest, TwentyFourAndThirtyTwoBitRowsKeepTheirOrderAndColours)
{
    // Width 5: 15 bytes a row, stored with 16. The lower half red, the upper
    // half blue; a skewed row would move the border.
    for (int bits : {24, 32}) {
        BitmapKopf k{.breite = 5, .hoehe = 16, .bitzahl = bits, .farbtabelle = {}};
        const int n = bits / 8;
        const auto z = Zeilen(k, [n](std::uint8_t* r, int x, int y) {
            std::uint8_t* p = r + n * x;
            p[0] = y < 8 ? 0 : 255;   // blue
            p[1] = 0;                 // green
            p[2] = y < 8 ? 255 : 0;   // red
            if (n == 4)
                p[3] = 0x55;
        });
        CJpegBild bild;
        ASSERT_TRUE(bild.SchreibeJpeg(&k, z.data(), Datei("d.jpg"), 100)) << bild.Fehlertext();
        const JpegBild j = LiesJpeg(Datei("d.jpg"));
        ASSERT_EQ(j.breite, 5);
        ASSERT_EQ(j.hoehe, 16);
        for (int x = 0; x < 5; ++x) {
            ErwarteFarbe(j.Pixel(x, 2), 0, 0, 255, "top: the stored last rows, " + std::to_string(bits));
            ErwarteFarbe(j.Pixel(x, 13), 255, 0, 0, "bottom, " + std::to_string(bits));
        }
    }
}

TEST_F(JpegBildTest, SixteenBitRowsOfEvenAndOddWidth)
{
    EXPECT_EQ(CJpegBild::Erweitere5Bit(0), 0);
    EXPECT_EQ(CJpegBild::Erweitere5Bit(1), 16);
    EXPECT_EQ(CJpegBild::Erweitere5Bit(2), 24);
    EXPECT_EQ(CJpegBild::Erweitere5Bit(30), 248);
    EXPECT_EQ(CJpegBild::Erweitere5Bit(31), 255);
    // Columns of 8 pixels with the red values 0, 1, 2, 30, 31 (green and
    // blue the same); the odd width leaves a padded row.
    const int werte[] = {0, 1, 2, 30, 31};
    const int erwartet[] = {0, 16, 24, 248, 255};
    for (int breite : {40, 41}) {
        BitmapKopf k{.breite = breite, .hoehe = 8, .bitzahl = 16, .farbtabelle = {}};
        const auto z = Zeilen(k, [&](std::uint8_t* r, int x, int) {
            const unsigned v = static_cast<unsigned>(werte[std::min(x / 8, 4)]);
            const unsigned wort = (v << 10) | (v << 5) | v;
            r[2 * x] = static_cast<std::uint8_t>(wort & 0xFF);
            r[2 * x + 1] = static_cast<std::uint8_t>(wort >> 8);
        });
        CJpegBild bild;
        ASSERT_TRUE(bild.SchreibeJpeg(&k, z.data(), Datei("e.jpg"), 100));
        const JpegBild j = LiesJpeg(Datei("e.jpg"));
        ASSERT_EQ(j.breite, breite);
        for (int s = 0; s < 5; ++s)
            for (int y : {0, 7}) {
                const int e = erwartet[s];
                ErwarteFarbe(j.Pixel(8 * s + 4, y), e, e, e, "width " + std::to_string(breite));
            }
    }
}

TEST_F(JpegBildTest, PalettePicturesTakeTheColourTable)
{
    // Entries blue, green, red, reserved: 0 black, 1 orange, 2 teal, 3 white.
    const std::vector<std::array<std::uint8_t, 4>> tabelle = {
        {0, 0, 0, 0}, {0, 128, 255, 0}, {128, 128, 0, 0}, {255, 255, 255, 0}};
    const auto farbe = [](unsigned i) {
        switch (i) {
        case 1: return test::JpegPixel{255, 128, 0};
        case 2: return test::JpegPixel{0, 128, 128};
        case 3: return test::JpegPixel{255, 255, 255};
        default: return test::JpegPixel{};
        }
    };
    // Blocks of 8 × 8: index = column block + 2 × (stored row block) over a
    // 16 × 16 picture, so the top left of the picture is stored row block 1.
    const auto index = [](int x, int y) { return static_cast<unsigned>(x / 8 + 2 * (y / 8)); };
    for (int bits : {1, 4, 8}) {
        BitmapKopf k{.breite = 21, .hoehe = 16, .bitzahl = bits, .farbtabelle = tabelle};
        const unsigned maske = bits == 1 ? 1u : 3u;
        const auto z = Zeilen(k, [&](std::uint8_t* r, int x, int y) {
            const unsigned i = index(x, y) & maske;
            if (bits == 8)
                r[x] = static_cast<std::uint8_t>(i);
            else if (bits == 4)
                r[x / 2] = static_cast<std::uint8_t>(x % 2 ? (r[x / 2] & 0xF0) | i : (r[x / 2] & 0x0F) | (i << 4));
            else
                r[x / 8] = static_cast<std::uint8_t>((r[x / 8] & ~(0x80 >> (x % 8))) | (i << (7 - x % 8)));
        });
        CJpegBild bild;
        ASSERT_TRUE(bild.SchreibeJpeg(&k, z.data(), Datei("f.jpg"), 100)) << bits;
        const JpegBild j = LiesJpeg(Datei("f.jpg"));
        ASSERT_EQ(j.breite, 21);
        for (int bx : {0, 1})
            for (int by : {0, 1}) {
                const int x = 8 * bx + 3;
                const int yGespeichert = 8 * by + 3;
                const test::JpegPixel e = farbe(index(x, yGespeichert) & maske);
                ErwarteFarbe(j.Pixel(x, 15 - yGespeichert), e.r, e.g, e.b, std::to_string(bits) + " bits");
            }
    }
}

} // namespace
} // namespace zeva
