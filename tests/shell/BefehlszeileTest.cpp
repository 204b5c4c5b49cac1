// The program as a separate process: what its command line accepts, and
// the exit codes of the forms that end it at once.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct Lauf {
    int code = -1;
    QString ausgabe;
    QString fehler;
};

Lauf Starte(const QStringList& argumente)
{
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    umgebung.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    prozess.setProcessEnvironment(umgebung);
    prozess.start(QStringLiteral(ZEVA_PROGRAMM), argumente);
    Lauf lauf;
    if (!prozess.waitForFinished(30000)) {
        prozess.kill();
        prozess.waitForFinished();
        return lauf;
    }
    lauf.code = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -2;
    lauf.ausgabe = QString::fromUtf8(prozess.readAllStandardOutput());
    lauf.fehler = QString::fromUtf8(prozess.readAllStandardError());
    return lauf;
}

TEST(Befehlszeile, HelpAndVersionEndWithCodeZero)
{
    const Lauf hilfe = Starte({QStringLiteral("--help")});
    EXPECT_EQ(hilfe.code, 0);
    EXPECT_TRUE(hilfe.ausgabe.contains(QStringLiteral("datei"))) << hilfe.ausgabe.toStdString();
    const Lauf version = Starte({QStringLiteral("--version")});
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(version.ausgabe.contains(QStringLiteral("1.3")));
}

TEST(Befehlszeile, UnknownOptionsAndTwoProjectsAreRefused)
{
    const Lauf zwei = Starte({QStringLiteral("a.vza"), QStringLiteral("b.vza")});
    EXPECT_EQ(zwei.code, 2);
    EXPECT_TRUE(zwei.fehler.contains(QStringLiteral("nur ein Projekt"))) << zwei.fehler.toStdString();
    const Lauf unbekannt = Starte({QStringLiteral("--drucken"), QStringLiteral("a.vza")});
    EXPECT_EQ(unbekannt.code, 2);
}

} // namespace
