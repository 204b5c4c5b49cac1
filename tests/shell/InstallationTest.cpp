// The installed program: `cmake --install` into an empty prefix gives a tree
// from which the program starts and in which, beside the program file it
// runs as, lie both data bases and the climate and postcode files.
#include "model/Klimadaten.h"
#include "platform/SqlDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int Fuehre(const QString& programm, const QStringList& argumente, QString* ausgabe = nullptr)
{
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    umgebung.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    prozess.setProcessEnvironment(umgebung);
    prozess.setProcessChannelMode(QProcess::MergedChannels);
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(120000)) {
        prozess.kill();
        prozess.waitForFinished();
        return -1;
    }
    if (ausgabe)
        *ausgabe = QString::fromUtf8(prozess.readAll());
    return prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -2;
}

TEST(Installation, AnEmptyPrefixGetsAProgramThatStartsWithItsDataBesideIt)
{
    QTemporaryDir wurzel;
    ASSERT_TRUE(wurzel.isValid());
    const QString prefix = wurzel.filePath(QStringLiteral("prefix"));
    QString protokoll;
    ASSERT_EQ(Fuehre(QStringLiteral(ZEVA_CMAKE),
                     {QStringLiteral("--install"), QStringLiteral(ZEVA_BUILD_DIR), QStringLiteral("--prefix"), prefix},
                     &protokoll),
              0)
        << protokoll.toStdString();

    // The command users start is a link in bin; the program runs as the file
    // it points to and looks for its data in that file's folder.
    const QFileInfo befehl(prefix + QStringLiteral("/bin/zeva"));
    ASSERT_TRUE(befehl.isSymLink()) << protokoll.toStdString();
    const QFileInfo programm(befehl.canonicalFilePath());
    ASSERT_TRUE(programm.isExecutable());
    EXPECT_TRUE(programm.absoluteFilePath().startsWith(QFileInfo(prefix).canonicalFilePath()))
        << "the link points into the installed tree, not into the build";
    const QDir ordner = programm.absoluteDir();

    QString ausgabe;
    EXPECT_EQ(Fuehre(befehl.absoluteFilePath(), {QStringLiteral("--version")}, &ausgabe), 0) << ausgabe.toStdString();

    for (const char* name : {"DB/Bestand2000.db", "DB/San2kvyke.db"}) {
        SCOPED_TRACE(name);
        const std::filesystem::path datei = ordner.filePath(QString::fromLatin1(name)).toStdString();
        zeva::SqlDatabase db;
        EXPECT_NO_THROW(db.Open(datei, true)) << "opens and answers its probe query";
    }
    for (int zone = 1; zone <= 13; ++zone) {
        zeva::Klimadaten tabellen;
        EXPECT_TRUE(zeva::LeseKlimablock(ordner.filePath(QStringLiteral("klima/klima.rdt")).toStdString(), zone, tabellen))
            << "zone " << zone;
    }
    EXPECT_GT(QFileInfo(ordner.filePath(QStringLiteral("klima/plz.rdt"))).size(), 0);
    EXPECT_FALSE(QFileInfo::exists(ordner.filePath(QStringLiteral("DB/Bestand2000.1-schema.sql"))))
        << "only the built data bases are installed, not their scripts";
}

} // namespace
