// The user's profile in the settings file: where it lies, the three kinds of
// value, the doubles bit for bit, and the options' section.
#include "shell/QtProfil.h"

#include "model/DOptionen.h"
#include "support/TestEnvironment.h"

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <QStringList>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace zeva {
namespace {

// A fresh settings file for each test.
QString NeueDatei()
{
    static int zaehler = 0;
    const std::filesystem::path pfad = test::ProcessTempDir() / ("profil" + std::to_string(++zaehler) + ".ini");
    return QString::fromStdString(pfad.string());
}

TEST(QtProfil, LiegtImKonfigurationsordnerDesBenutzers)
{
    QtProfil p;
    const QString erwartet = QDir(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))).filePath("Welm-VKD/ZEVA.conf");
    EXPECT_EQ(p.Dateiname().toStdString(), erwartet.toStdString());
    EXPECT_TRUE(p.SchreibeInt("Settings", "PreviewPages", 2));
    EXPECT_TRUE(std::filesystem::exists(erwartet.toStdString()));
    QtProfil wieder;
    EXPECT_EQ(wieder.LeseInt("Settings", "PreviewPages"), 2);
}

// The tests of one program share a process; each must still start without
// the settings and files of the one before (the first writes, the second,
// which runs after it, looks).
TEST(Testumgebung, ErsterTestHinterlaesstEinstellungUndDatei)
{
    QtProfil p;
    ASSERT_TRUE(p.SchreibeInt("Settings", "PreviewPages", 7));
    ASSERT_TRUE(std::filesystem::exists(p.Dateiname().toStdString()));
    std::FILE* datei = std::fopen("hinterlassen.txt", "w");
    ASSERT_NE(datei, nullptr);
    std::fclose(datei);
}

TEST(Testumgebung, NaechsterTestSiehtNichtsDavon)
{
    QtProfil p;
    EXPECT_FALSE(p.LeseInt("Settings", "PreviewPages").has_value());
    EXPECT_FALSE(std::filesystem::exists("hinterlassen.txt"));
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::current_path()));
}

TEST(QtProfil, DoublesBitgenauUeberDieDatei)
{
    const QString datei = NeueDatei();
    const double werte[] = {0.035, -12.5, 0.0, -0.0, 1e300, std::numeric_limits<double>::denorm_min()};
    {
        QtProfil p(datei);
        for (std::size_t i = 0; i < std::size(werte); ++i)
            EXPECT_TRUE(SchreibeProfilDouble(p, "Optionen", std::string("d") + std::to_string(i), werte[i]));
    }
    QtProfil p(datei); // read back from the file, not from the writer's cache
    for (std::size_t i = 0; i < std::size(werte); ++i) {
        const double gelesen = LeseProfilDouble(p, "Optionen", std::string("d") + std::to_string(i), 99);
        EXPECT_EQ(std::memcmp(&gelesen, &werte[i], sizeof(double)), 0) << werte[i];
    }
    // Stored as 8 bytes, least significant first.
    QSettings s(datei, QSettings::IniFormat);
    const QVariant v = s.value("Optionen/d1");
    ASSERT_EQ(v.typeId(), QMetaType::QByteArray);
    EXPECT_EQ(v.toByteArray(), QByteArray("\x00\x00\x00\x00\x00\x00\x29\xC0", 8));
}

TEST(QtProfil, KurzeLangeFehlendeUndFremdeEintraege)
{
    const QString datei = NeueDatei();
    {
        QSettings s(datei, QSettings::IniFormat);
        s.setValue("S/vier", QByteArray("\x00\x00\xF0\x3F", 4));
        s.setValue("S/zwoelf", QByteArray("\x00\x00\x00\x00\x00\x00\x29\xC0\x01\x02\x03\x04", 12));
        s.setValue("S/zahl", 7);
        s.setValue("S/text", QStringLiteral("Fußboden"));
    }
    QtProfil p(datei);
    EXPECT_EQ(LeseProfilDouble(p, "S", "fehlt", 2.5), 2.5);
    EXPECT_EQ(LeseProfilDouble(p, "S", "vier", 2.5), 2.5);
    EXPECT_EQ(LeseProfilDouble(p, "S", "zwoelf", 2.5), -12.5);
    EXPECT_EQ(LeseProfilDouble(p, "S", "zahl", 2.5), 2.5);
    EXPECT_EQ(LeseProfilDouble(p, "S", "text", 2.5), 2.5);

    EXPECT_EQ(p.LeseInt("S", "zahl"), 7);
    EXPECT_FALSE(p.LeseInt("S", "text").has_value());
    EXPECT_FALSE(p.LeseInt("S", "zwoelf").has_value());
    EXPECT_FALSE(p.LeseInt("Anderer", "zahl").has_value());
    EXPECT_EQ(p.LeseString("S", "text"), std::string("Fußboden"));
    EXPECT_FALSE(p.LeseString("S", "vier").has_value());
    EXPECT_FALSE(p.LeseBinaer("S", "text").has_value());
    EXPECT_EQ(p.LeseBinaer("S", "vier"), (std::vector<std::uint8_t>{0, 0, 0xF0, 0x3F}));
}

TEST(QtProfil, OptionenSchreibenDreiundzwanzigWerte)
{
    const QString datei = NeueDatei();
    {
        QtProfil p(datei);
        EXPECT_TRUE(DOptionen().SchreibeOptionen(p));
    }
    QSettings s(datei, QSettings::IniFormat);
    EXPECT_EQ(s.childGroups(), QStringList{"Optionen"});
    s.beginGroup("Optionen");
    QStringList namen = s.childKeys();
    namen.sort();
    QStringList erwartet = {"mk_Preis0", "mk_Preis1", "mk_Preis2", "mk_Preis3", "mk_Preis4", "mk_Preis5",
                            "mk_Preis6", "mk_Preis7", "mk_Zentralheizung", "mk_HeizkesselTauschen",
                            "mk_AlteHeizung", "mo_Index", "mo_Grenze", "mo_Anzahl", "ms_BrennstoffBeibehalten",
                            "ms_Brennstoff", "ms_VertBeibehalten", "ms_Vert", "ms_EtaV", "ms_baBeibehalten",
                            "ms_ba", "ma_Index", "ma_Anzahl"};
    erwartet.sort();
    EXPECT_EQ(namen, erwartet);
    for (const char* d : {"mk_Preis0", "mk_Preis7", "mk_Zentralheizung", "mk_HeizkesselTauschen", "mk_AlteHeizung",
                          "mo_Grenze", "ms_EtaV", "ms_ba"}) {
        const QVariant v = s.value(d);
        EXPECT_EQ(v.typeId(), QMetaType::QByteArray) << d;
        EXPECT_EQ(v.toByteArray().size(), 8) << d;
    }
    EXPECT_EQ(s.value("ma_Anzahl").toInt(), 5);
    EXPECT_EQ(s.value("mo_Anzahl").toInt(), 1);
    EXPECT_EQ(s.value("ms_Vert").toString(), QString());

    // Read back into a record that differs everywhere.
    QtProfil p(datei);
    DOptionen o;
    o.Grenze = 1;
    o.Versuche = 2;
    o.Brennstoffkosten8 = 3;
    o.HeizungsverteilungsArt = "x";
    o.LeseOptionen(p);
    EXPECT_TRUE(o == DOptionen());
}

TEST(QtProfil, LeererAbschnittAendertNichts)
{
    QtProfil p(NeueDatei());
    DOptionen o;
    o.Index = 2;
    o.Grenze = 55;
    o.HeizungsverteilungsArt = "Radiatoren";
    o.Brennstoffkosten3 = 0.5;
    const DOptionen vorher = o;
    o.LeseOptionen(p);
    EXPECT_TRUE(o == vorher);
}

// The file's place is taken by a folder: nothing can be written there,
// whoever runs the program, and every write says so.
TEST(QtProfil, NichtBeschreibbareDateiMeldetFalsch)
{
    const std::filesystem::path ordner = test::ProcessTempDir() / "kein-profil.ini";
    std::filesystem::create_directories(ordner);
    QtProfil p(QString::fromStdString(ordner.string()));
    EXPECT_FALSE(DOptionen().SchreibeOptionen(p));
    EXPECT_FALSE(p.SchreibeInt("Optionen", "mo_Index", 1));
    EXPECT_FALSE(SchreibeProfilDouble(p, "Optionen", "mo_Grenze", 1.0));
    EXPECT_TRUE(std::filesystem::is_directory(ordner));
}

} // namespace
} // namespace zeva
