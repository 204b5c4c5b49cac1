// The document: new, open (XML and the older binary form, by content, else
// by extension), save (always XML, atomically, "…zva" written as "…vza"), the
// project picture on Save As, the save question and the German failure
// messages, also when the writer or reader fails on the way.
#include "ShellTestHilfen.h"
#include "ui/QtAusgabe.h"

#include "platform/SkriptMeldungen.h"
#include "model/AltesDokumentBeispiel.h"
#include "shell/CZEVADoc.h"
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "shell/HausAnbindung.h"
#include "support/AllocationFault.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace zeva {
namespace {

const QString FehlerOeffnen = QStringLiteral("Fehler beim Öffnen des Dokuments.");
const QString FehlerSpeichern = QStringLiteral("Fehler beim Speichern des Dokuments.");

// What the document asks of the frame, recorded.
class TestUmgebung final : public DokumentUmgebung {
public:
    TestUmgebung() : optionen(HausAnbindung::NeueOptionen()) {}
    DOptionen& Optionen() override { return *optionen; }
    QString Startordner() const override { return startordner; }
    bool UebernimmVariantendaten() override
    {
        protokoll << QStringLiteral("uebernehmen");
        return variantenGeben;
    }
    void EntferneAlleVarianten() override { protokoll << QStringLiteral("entfernen"); }
    void AktualisiereMenue() override { protokoll << QStringLiteral("aktualisiere"); }
    void ZeigeNeuesProjekt() override { protokoll << QStringLiteral("neu"); }
    bool SpeichereAnsichtJpeg() override
    {
        protokoll << QStringLiteral("bild");
        if (bildInhalt.isEmpty())
            return false;
        QFile bild(QDir(startordner).filePath(bildName));
        bild.open(QIODevice::WriteOnly);
        bild.write(bildInhalt);
        return true;
    }
    QWidget* Fenster() override { return nullptr; }

    OptionenZeiger optionen;
    QString startordner = QDir::currentPath();
    QStringList protokoll;
    bool variantenGeben = true;
    QByteArray bildInhalt; // what the 3D view would render
    QString bildName;
};

class DokumentTest : public testing::Test {
protected:
    void SetUp() override
    {
        test::LeeresProfil();
        ordner = QDir::current().absoluteFilePath(
            QStringLiteral("dok-%1").arg(testing::UnitTest::GetInstance()->current_test_info()->name()));
        QDir(ordner).removeRecursively();
        QDir().mkpath(ordner);
        umgebung.startordner = ordner;
        dok.OnNewDocument();
        umgebung.protokoll.clear();
    }
    QString Pfad(const QString& name) const { return QDir(ordner).filePath(name); }

    int Phase() const { return HausAnbindung::Phase(dok.HausRef()); }
    Projektangaben Angaben() const { return HausAnbindung::Angaben(dok.HausRef()); }

    QString ordner;
    TestUmgebung umgebung;
    CZEVADoc dok{umgebung};
};

TEST_F(DokumentTest, NewDocumentIsUntitledWithANewHouse)
{
    HausAnbindung::SetzePhase(dok.HausRef(), 7);
    HausAnbindung::SetzeAngaben(dok.HausRef(), {"Altes Haus", "", "", 1930});
    dok.SetModifiedFlag(true);
    QSignalSpy ersetzt(&dok, &CZEVADoc::hausErsetzt);
    ASSERT_TRUE(dok.OnNewDocument());
    EXPECT_EQ(dok.GetTitle(), QStringLiteral("Unbenannt"));
    EXPECT_TRUE(dok.GetPathName().isEmpty());
    EXPECT_FALSE(dok.IsModified());
    EXPECT_EQ(ersetzt.count(), 1);
    EXPECT_EQ(Angaben().Beschreibung, std::string()) << "nothing of the old house is left";
    EXPECT_EQ(Phase(), 0);
    EXPECT_EQ(Angaben().Baujahr, 1955);
}

TEST_F(DokumentTest, ReaderIsChosenByTheLastThreeLetters)
{
    struct Case {
        const char* pfad;
        bool binaer;
        const char* gespeichert;
    };
    const Case cases[] = {
        {"x.zva", true, "x.vza"},     {"x.ZVA", true, "x.vza"},   {"x.Zva", true, "x.vza"},
        {"x.vza", false, "x.vza"},    {"x.xml", false, "x.xml"},  {"x.foo", false, "x.foo"},
        {"/a.zva/x.vza", false, "/a.zva/x.vza"}, {"xzva", true, "xvza"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CZEVADoc::IstBinaerform(QString::fromLatin1(c.pfad)), c.binaer) << c.pfad;
        EXPECT_EQ(CZEVADoc::SpeicherPfad(QString::fromLatin1(c.pfad)), QString::fromLatin1(c.gespeichert)) << c.pfad;
    }
}

TEST_F(DokumentTest, SaveAndOpenRoundTripTheProject)
{
    HausAnbindung::SetzeAngaben(dok.HausRef(), {"Haus Müller", "Lindenstraße 4", "Kassel", 1968});
    HausAnbindung::SetzePhase(dok.HausRef(), 5);
    dok.SetModifiedFlag(true);
    SkriptMeldungen meldungen;
    QSignalSpy pfade(&dok, &CZEVADoc::pfadGesetzt);
    ASSERT_TRUE(dok.DoSave(Pfad(QStringLiteral("Haus1.vza"))));
    EXPECT_FALSE(dok.IsModified());
    EXPECT_EQ(dok.GetTitle(), QStringLiteral("Haus1.vza"));
    ASSERT_EQ(pfade.count(), 1);
    EXPECT_EQ(pfade[0][0].toString(), Pfad(QStringLiteral("Haus1.vza")));

    const QByteArray xml = test::LiesDatei(Pfad(QStringLiteral("Haus1.vza")));
    EXPECT_TRUE(xml.startsWith("<?xml version=\"1.0\"")) << xml.left(60).toStdString();
    const qsizetype haus = xml.indexOf("<Haus>");
    const qsizetype optionen = xml.indexOf("<Optionen");
    EXPECT_GT(haus, 0);
    EXPECT_GT(optionen, haus) << "the root holds \"Haus\", then \"Optionen\"";
    EXPECT_TRUE(xml.contains("<VykeZeva>"));

    dok.OnNewDocument();
    ASSERT_TRUE(dok.OeffneDatei(Pfad(QStringLiteral("Haus1.vza"))));
    EXPECT_EQ(meldungen.Anfragen().size(), 0u);
    EXPECT_EQ(Angaben().Beschreibung, "Haus Müller");
    EXPECT_EQ(Angaben().Strasse, "Lindenstraße 4");
    EXPECT_EQ(Angaben().Ort, "Kassel");
    EXPECT_EQ(Angaben().Baujahr, 1968);
    EXPECT_EQ(Phase(), 5);
    EXPECT_FALSE(dok.IsModified());
    EXPECT_EQ(dok.GetTitle(), QStringLiteral("Haus1.vza"));
    EXPECT_TRUE(umgebung.protokoll.contains(QStringLiteral("aktualisiere")));
}

TEST_F(DokumentTest, DamagedFilesReportAndLeaveANewEmptyProject)
{
    struct Case {
        const char* name;
        QByteArray inhalt;
    };
    const Case cases[] = {
        {"kaputt.vza", QByteArray("<?xml version=\"1.0\"?>\n<VykeZeva><Haus><Beschreibung>x</Besch")},
        {"falsch.vza", QByteArray("<?xml version=\"1.0\"?>\n<AnderesProgramm/>")},
        {"leer.xml", QByteArray()},
        // An older binary document cut off after its version number.
        {"kurz.zva", QByteArray("\x0A\x00\x00\x00", 4)},
        {"fehlt.vza", QByteArray()},
    };
    for (const Case& c : cases) {
        const QString pfad = Pfad(QString::fromLatin1(c.name));
        if (QByteArray(c.name) != "fehlt.vza")
            test::SchreibeDatei(pfad, c.inhalt);
        // A project with other values is open before.
        dok.OnNewDocument();
        HausAnbindung::SetzeAngaben(dok.HausRef(), {"Vorher", "", "", 2001});
        HausAnbindung::SetzePhase(dok.HausRef(), 12);
        umgebung.protokoll.clear();

        SkriptMeldungen meldungen;
        EXPECT_FALSE(dok.OeffneDatei(pfad)) << c.name;
        const QStringList texte = meldungen.Texte();
        ASSERT_EQ(texte.size(), 2) << c.name;
        EXPECT_FALSE(texte[0].isEmpty()) << "the reader's own reason comes first";
        EXPECT_EQ(texte[1], FehlerOeffnen) << c.name;
        EXPECT_EQ(dok.GetTitle(), QStringLiteral("Unbenannt")) << c.name;
        EXPECT_TRUE(dok.GetPathName().isEmpty());
        EXPECT_FALSE(dok.IsModified());
        EXPECT_EQ(Angaben().Beschreibung, "") << c.name;
        EXPECT_EQ(Angaben().Baujahr, 1955) << c.name;
        EXPECT_EQ(Phase(), 0) << c.name;
        EXPECT_TRUE(umgebung.protokoll.contains(QStringLiteral("neu"))) << "the frame shows the new project";
        EXPECT_FALSE(umgebung.protokoll.contains(QStringLiteral("aktualisiere")));
    }
}

TEST_F(DokumentTest, OpeningTakesTheProjectsOptionsAndAFailedOpenKeepsThem)
{
    ASSERT_DOUBLE_EQ(umgebung.optionen->Brennstoffkosten1, 0.1345);
    const QString pfad = Pfad(QStringLiteral("Preise.vza"));
    QString xml = test::ProjektXml(QStringLiteral("Preise"), 1);
    xml.replace(QStringLiteral("<Optionen/>"),
                QStringLiteral("<Optionen><Brennstoffkosten1>0.05</Brennstoffkosten1></Optionen>"));
    test::SchreibeDatei(pfad, xml.toUtf8());
    ASSERT_TRUE(dok.OeffneDatei(pfad));
    EXPECT_DOUBLE_EQ(umgebung.optionen->Brennstoffkosten1, 0.05);

    // Saved with the project and read back from it.
    umgebung.optionen->Brennstoffkosten2 = 0.061;
    ASSERT_TRUE(dok.DoFileSave());
    EXPECT_TRUE(test::LiesDatei(pfad).contains("<Brennstoffkosten2>0.061</Brennstoffkosten2>"));

    umgebung.optionen->Brennstoffkosten1 = 0.07;
    test::SchreibeDatei(Pfad(QStringLiteral("kaputt.vza")), "<VykeZeva><Haus>");
    SkriptMeldungen meldungen;
    EXPECT_FALSE(dok.OeffneDatei(Pfad(QStringLiteral("kaputt.vza"))));
    EXPECT_DOUBLE_EQ(umgebung.optionen->Brennstoffkosten1, 0.07);
}

TEST_F(DokumentTest, SavingToZvaWritesVzaAndTakesThatName)
{
    HausAnbindung::SetzeAngaben(dok.HausRef(), {"Umbenannt", "", "", 1930});
    test::SchreibeDatei(Pfad(QStringLiteral("Alt.ZVA")), QByteArray("altes binaeres Dokument"));
    ASSERT_TRUE(dok.DoSave(Pfad(QStringLiteral("Alt.ZVA"))));
    EXPECT_EQ(test::LiesDatei(Pfad(QStringLiteral("Alt.ZVA"))), QByteArray("altes binaeres Dokument"))
        << "the old binary file is left alone";
    EXPECT_TRUE(test::LiesDatei(Pfad(QStringLiteral("Alt.vza"))).contains("<Beschreibung>Umbenannt</Beschreibung>"));
    EXPECT_EQ(dok.GetPathName(), Pfad(QStringLiteral("Alt.vza")));
    EXPECT_EQ(dok.GetTitle(), QStringLiteral("Alt.vza"));

    // A later plain Save writes the same XML file again.
    HausAnbindung::SetzeAngaben(dok.HausRef(), {"Zweiter Stand", "", "", 1930});
    dok.SetModifiedFlag(true);
    ASSERT_TRUE(dok.DoFileSave());
    EXPECT_TRUE(test::LiesDatei(Pfad(QStringLiteral("Alt.vza"))).contains("Zweiter Stand"));
}

// Writes fail as on a full disk, for every user including root: the file
// size limit of the process is lowered while the guard lives.
class VollePlatte {
public:
    VollePlatte()
    {
        ::getrlimit(RLIMIT_FSIZE, &m_vorher);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit klein = m_vorher;
        klein.rlim_cur = 64;
        ::setrlimit(RLIMIT_FSIZE, &klein);
    }
    ~VollePlatte()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_vorher);
        std::signal(SIGXFSZ, m_signal);
    }
    VollePlatte(const VollePlatte&) = delete;
    VollePlatte& operator=(const VollePlatte&) = delete;

private:
    rlimit m_vorher{};
    void (*m_signal)(int) = nullptr;
};

TEST_F(DokumentTest, FailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    const QString pfad = Pfad(QStringLiteral("Bestand.vza"));
    test::SchreibeDatei(pfad, test::ProjektXml(QStringLiteral("Gespeichert"), 3).toUtf8());
    const QByteArray vorher = test::LiesDatei(pfad);
    ASSERT_TRUE(dok.OeffneDatei(pfad));
    HausAnbindung::SetzeAngaben(dok.HausRef(), {"Neu mit viel mehr Text als vorher", "", "", 1955});
    test::SchreibeDatei(Pfad(QStringLiteral("Unben.jpg")), "bild");

    for (const QString& ziel : {pfad, Pfad(QStringLiteral("Anders.vza"))}) {
        SCOPED_TRACE(ziel.toStdString());
        dok.SetModifiedFlag(true);
        SkriptMeldungen meldungen;
        bool gespeichert = true;
        {
            VollePlatte voll;
            gespeichert = dok.DoSave(ziel);
        }
        EXPECT_FALSE(gespeichert);
        ASSERT_EQ(meldungen.Texte().size(), 2);
        EXPECT_EQ(meldungen.Texte()[1], FehlerSpeichern);
        EXPECT_TRUE(dok.IsModified());
        EXPECT_EQ(dok.GetPathName(), pfad);
        EXPECT_EQ(test::LiesDatei(pfad), vorher) << "the old file is untouched";
        EXPECT_FALSE(QFile::exists(Pfad(QStringLiteral("Anders.vza"))));
        EXPECT_FALSE(QFile::exists(Pfad(QStringLiteral("Anders.jpg")))) << "no picture after a failed save";
        EXPECT_EQ(QDir(ordner).entryList({QStringLiteral(".*.vza.*")}, QDir::Files | QDir::Hidden), QStringList{})
            << "no temporary file is left behind";
    }
}

TEST_F(DokumentTest, AFailureInsideTheWriterOrReaderReportsAndLosesNothing)
{
    // A realistic project: the old example house read from the older form.
    const auto dokument = test::AltesDokument(test::BeispielHaus(10), test::BeispielOptionen());
    test::SchreibeDatei(Pfad(QStringLiteral("Haus.zva")),
                        QByteArray(reinterpret_cast<const char*>(dokument.Bytes().data()),
                                   static_cast<qsizetype>(dokument.Bytes().size())));
    {
        SkriptMeldungen leise;
        ASSERT_TRUE(dok.OeffneDatei(Pfad(QStringLiteral("Haus.zva"))));
    }
    const QString pfad = Pfad(QStringLiteral("Haus.vza"));
    const QByteArray alt = test::ProjektXml(QStringLiteral("Gespeichert"), 3).toUtf8();
    test::SchreibeDatei(pfad, alt);
    const auto zaehle = [](const std::function<void()>& tun) {
        test::AllocationFault zaehlen(0, test::AllocationFault::Scope::LibXml2Only);
        tun();
        zaehlen.Disarm();
        return zaehlen.Count();
    };
    // Only libxml2's allocations fail here: the Qt code on the way is not
    // built to survive a failing operator new (the model's own tests fail
    // every allocation).
    const long beimSpeichern = zaehle([&] { dok.OnSaveDocument(Pfad(QStringLiteral("Probe.vza"))); });
    ASSERT_GT(beimSpeichern, 100);
    const QByteArray ganz = test::LiesDatei(Pfad(QStringLiteral("Probe.vza")));
    ASSERT_TRUE(ganz.contains("Doppelhaush"));

    for (long stelle : {1L, beimSpeichern / 3, 2 * beimSpeichern / 3, beimSpeichern * 19 / 20}) {
        SCOPED_TRACE(stelle);
        dok.SetModifiedFlag(true);
        SkriptMeldungen meldungen;
        bool gespeichert = true;
        {
            test::AllocationFault fehler(stelle, test::AllocationFault::Scope::LibXml2Only);
            gespeichert = dok.OnSaveDocument(pfad);
            fehler.Disarm();
            ASSERT_TRUE(fehler.Fired());
        }
        EXPECT_FALSE(gespeichert);
        ASSERT_EQ(meldungen.Texte().size(), 2);
        EXPECT_EQ(meldungen.Texte()[1], FehlerSpeichern);
        EXPECT_TRUE(dok.IsModified());
        EXPECT_EQ(test::LiesDatei(pfad), alt) << "the old file is untouched";
        EXPECT_EQ(QDir(ordner).entryList({QStringLiteral(".*.vza.*")}, QDir::Files | QDir::Hidden), QStringList{});
    }

    test::SchreibeDatei(pfad, ganz);
    dok.SetModifiedFlag(false);
    const long beimOeffnen = zaehle([&] {
        SkriptMeldungen leise;
        dok.OeffneDatei(pfad);
    });
    ASSERT_GT(beimOeffnen, 100);
    for (long stelle : {1L, beimOeffnen / 3, 2 * beimOeffnen / 3, beimOeffnen * 19 / 20}) {
        SCOPED_TRACE(stelle);
        dok.SetModifiedFlag(false);
        SkriptMeldungen meldungen;
        bool geoeffnet = true;
        {
            test::AllocationFault fehler(stelle, test::AllocationFault::Scope::LibXml2Only);
            geoeffnet = dok.OeffneDatei(pfad);
            fehler.Disarm();
            ASSERT_TRUE(fehler.Fired());
        }
        EXPECT_FALSE(geoeffnet);
        ASSERT_EQ(meldungen.Texte().size(), 2);
        EXPECT_EQ(meldungen.Texte()[1], FehlerOeffnen);
        EXPECT_EQ(dok.GetTitle(), QStringLiteral("Unbenannt")) << "a new project, never a half-read one";
        EXPECT_EQ(Angaben().Beschreibung, "");
        EXPECT_EQ(test::LiesDatei(pfad), ganz);
    }
}

TEST_F(DokumentTest, SavingAProjectReadFromZvaAsksBeforeReplacingAnotherVza)
{
    // A project read from the older form is saved under the XML name. When a
    // different XML project of that name exists, the user is asked first.
    const QString alt = Pfad(QStringLiteral("Haus.zva"));
    const QString xml = Pfad(QStringLiteral("Haus.vza"));
    const QByteArray binaer = [] {
        const auto dokument = test::AltesDokument(test::BeispielHaus(10), test::BeispielOptionen());
        const auto& bytes = dokument.Bytes();
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    }();
    const QByteArray spaetereArbeit = test::ProjektXml(QStringLiteral("Wochen späterer Arbeit"), 19).toUtf8();
    const QString frage = QStringLiteral("Die Datei „%1“ existiert bereits.\nSoll sie ersetzt werden?").arg(xml);

    struct Case {
        const char* was;
        QMessageBox::StandardButton antwort;
        QString anderer; // the name chosen in "Speichern unter" after "Nein"
        bool gespeichert;
    };
    const Case cases[] = {
        {"Ja replaces it", QMessageBox::Yes, {}, true},
        {"Nein saves under another name", QMessageBox::No, Pfad(QStringLiteral("Kopie.vza")), true},
        {"Nein and a cancelled chooser save nothing", QMessageBox::No, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        QFile::remove(Pfad(QStringLiteral("Kopie.vza")));
        test::SchreibeDatei(alt, binaer);
        test::SchreibeDatei(xml, spaetereArbeit);
        dok.SetModifiedFlag(false);
        {
            SkriptMeldungen leise;
            ASSERT_TRUE(dok.OeffneDatei(alt)) << leise.Texte().join(QStringLiteral(" | ")).toStdString();
        }
        ASSERT_EQ(dok.GetPathName(), alt);
        dok.SetModifiedFlag(true);

        test::SkriptDateiauswahl auswahl;
        if (!c.anderer.isEmpty())
            auswahl.Antworte(c.anderer);
        SkriptMeldungen meldungen{c.antwort};
        EXPECT_EQ(dok.DoFileSave(), c.gespeichert);
        ASSERT_EQ(meldungen.Anfragen().size(), 1u);
        EXPECT_EQ(meldungen.Texte()[0], frage);
        EXPECT_EQ(meldungen.Anfragen()[0].knoepfe, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(meldungen.Anfragen()[0].symbol, Meldung::Symbol::Frage);
        EXPECT_EQ(auswahl.Gefragt(), c.antwort == QMessageBox::No ? 1 : 0) << "Nein opens \"Speichern unter\"";

        const QByteArray jetzt = test::LiesDatei(xml);
        if (c.antwort == QMessageBox::Yes) {
            EXPECT_TRUE(jetzt.contains("Doppelhaush")) << "replaced by the project read from the older form";
            EXPECT_EQ(dok.GetPathName(), xml);
        } else {
            EXPECT_EQ(jetzt, spaetereArbeit) << "the other project is left alone";
            EXPECT_EQ(dok.GetPathName(), c.gespeichert ? c.anderer : alt);
            EXPECT_EQ(QFile::exists(Pfad(QStringLiteral("Kopie.vza"))), c.gespeichert);
        }
        EXPECT_EQ(dok.IsModified(), !c.gespeichert);
        EXPECT_EQ(test::LiesDatei(alt), binaer) << "the older file is never written";
    }

    // Once the project is saved under its XML name, saving it again asks nothing.
    test::SchreibeDatei(alt, binaer);
    dok.SetModifiedFlag(false);
    {
        SkriptMeldungen leise;
        ASSERT_TRUE(dok.OeffneDatei(alt));
    }
    SkriptMeldungen ja{QMessageBox::Yes};
    ASSERT_TRUE(dok.DoFileSave());
    dok.SetModifiedFlag(true);
    ASSERT_TRUE(dok.DoFileSave());
    EXPECT_EQ(ja.Anfragen().size(), 1u);
}

TEST_F(DokumentTest, FailedSaveIntoAFolderThatIsAFileReports)
{
    // Works for every user: a path below a plain file cannot be written.
    test::SchreibeDatei(Pfad(QStringLiteral("Datei")), "x");
    dok.SetModifiedFlag(true);
    SkriptMeldungen meldungen;
    EXPECT_FALSE(dok.DoSave(Pfad(QStringLiteral("Datei/Haus.vza"))));
    ASSERT_EQ(meldungen.Texte().size(), 2);
    EXPECT_EQ(meldungen.Texte()[1], FehlerSpeichern);
    EXPECT_TRUE(dok.IsModified());
    EXPECT_EQ(dok.GetTitle(), QStringLiteral("Unbenannt"));
}

TEST_F(DokumentTest, ProjectPictureFollowsTheNameOnSaveAs)
{
    struct Case {
        const char* was;
        int phase;
        bool altesBild;      // Unben.jpg exists before
        QByteArray gerendert; // what the 3D view renders at step 15
        bool neuesBild;
        bool meldung;
    };
    const Case cases[] = {
        {"copied when it exists", 3, true, {}, true, false},
        {"nothing below step 15", 14, false, {}, false, false},
        {"message above step 15 without a 3D view", 16, false, {}, false, true},
        {"rendered above step 15 by the 3D view", 19, false, "gerendert", true, false},
        {"rendered at step 15", 15, false, "gerendert", true, false},
        {"no 3D view at step 15", 15, false, {}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        dok.OnNewDocument();
        HausAnbindung::SetzePhase(dok.HausRef(), c.phase);
        QFile::remove(Pfad(QStringLiteral("Unben.jpg")));
        QFile::remove(Pfad(QStringLiteral("Haus1.jpg")));
        test::SchreibeDatei(Pfad(QStringLiteral("Haus1.jpg")), "alter Inhalt");
        if (c.altesBild)
            test::SchreibeDatei(Pfad(QStringLiteral("Unben.jpg")), "bild");
        umgebung.bildInhalt = c.gerendert;
        umgebung.bildName = QStringLiteral("Unben.jpg");
        SkriptMeldungen meldungen;
        ASSERT_TRUE(dok.DoSave(Pfad(QStringLiteral("Haus1.vza"))));
        const QByteArray neu = test::LiesDatei(Pfad(QStringLiteral("Haus1.jpg")));
        if (c.neuesBild)
            EXPECT_EQ(neu, c.altesBild ? QByteArray("bild") : c.gerendert) << "copied over the existing picture";
        else
            EXPECT_EQ(neu, QByteArray("alter Inhalt"));
        EXPECT_EQ(meldungen.Texte(),
                  c.meldung ? QStringList{QStringLiteral("Kein Bild vorhanden, bitte 3D-Ansicht aufrufen!")}
                            : QStringList{});
        EXPECT_EQ(dok.GetTitle(), QStringLiteral("Haus1.vza")) << "the save succeeds in every case";
    }
}

TEST_F(DokumentTest, SameNameCopiesNoPicture)
{
    ASSERT_TRUE(dok.DoSave(Pfad(QStringLiteral("Haus2.vza"))));
    test::SchreibeDatei(Pfad(QStringLiteral("Haus2.jpg")), "eigenes");
    test::SchreibeDatei(Pfad(QStringLiteral("Unben.jpg")), "fremdes");
    ASSERT_TRUE(dok.DoFileSave());
    EXPECT_EQ(test::LiesDatei(Pfad(QStringLiteral("Haus2.jpg"))), QByteArray("eigenes"));
}

// "Speichern unter" opens where the project's file lies, not in the folder
// the program started in; the dialog the user sees opens there too.
TEST_F(DokumentTest, SaveAsStartsInTheFolderOfTheCurrentFile)
{
    ASSERT_TRUE(QDir(ordner).mkpath(QStringLiteral("Projekte")));
    ASSERT_TRUE(dok.DoSave(Pfad(QStringLiteral("Projekte/Haus.vza"))));
    {
        test::SkriptDateiauswahl auswahl;
        EXPECT_FALSE(dok.DoSave(QString()));
        EXPECT_EQ(auswahl.Vorschlag(), Pfad(QStringLiteral("Projekte/Haus.vza")));
    }
    QString ordnerDesDialogs;
    QString dateiDesDialogs;
    QTimer zeit;
    zeit.setInterval(10);
    QObject::connect(&zeit, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            zeit.stop();
            ordnerDesDialogs = dialog->directory().absolutePath();
            dateiDesDialogs = dialog->selectedFiles().value(0);
            dialog->reject();
        }
    });
    zeit.start();
    EXPECT_FALSE(dok.DoSave(QString()));
    EXPECT_EQ(ordnerDesDialogs, QDir(Pfad(QStringLiteral("Projekte"))).absolutePath());
    EXPECT_EQ(QFileInfo(dateiDesDialogs).fileName(), QStringLiteral("Haus.vza"));
}

TEST_F(DokumentTest, SaveAsAsksForANameProposingTheTitle)
{
    test::SkriptDateiauswahl auswahl;
    EXPECT_FALSE(dok.DoSave(QString())) << "cancelled";
    EXPECT_EQ(auswahl.Vorschlag(), QStringLiteral("Unbenannt.vza"));
    EXPECT_EQ(auswahl.Filter().value(0), QStringLiteral("Vyk-ZEVA Dokument (*.vza)"));
    auswahl.Antworte(Pfad(QStringLiteral("Gewählt.vza")));
    ASSERT_TRUE(dok.DoFileSave());
    EXPECT_EQ(dok.GetTitle(), QStringLiteral("Gewählt.vza"));
    EXPECT_EQ(auswahl.Gefragt(), 2);
}

TEST_F(DokumentTest, SaveQuestionAsksOnlyForAModifiedProject)
{
    struct Case {
        const char* was;
        bool geaendert;
        QMessageBox::StandardButton antwort;
        bool ergebnis;
        bool gespeichert;
        bool entfernt;
    };
    const Case cases[] = {
        {"unchanged: no question", false, QMessageBox::NoButton, true, false, true},
        {"Yes saves", true, QMessageBox::Yes, true, true, true},
        {"No goes on", true, QMessageBox::No, true, false, true},
        {"Cancel stops", true, QMessageBox::Cancel, false, false, false},
    };
    const QString pfad = Pfad(QStringLiteral("Frage.vza"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        ASSERT_TRUE(dok.DoSave(pfad));
        const QByteArray vorher = test::LiesDatei(pfad);
        HausAnbindung::SetzeAngaben(dok.HausRef(), {c.was, "", "", 1955});
        dok.SetModifiedFlag(c.geaendert);
        umgebung.protokoll.clear();
        SkriptMeldungen meldungen;
        if (c.antwort != QMessageBox::NoButton)
            meldungen.Antworte(c.antwort);
        EXPECT_EQ(dok.SaveModified(), c.ergebnis);
        if (c.geaendert) {
            ASSERT_EQ(meldungen.Anfragen().size(), 1u);
            EXPECT_EQ(meldungen.Anfragen()[0].text, QStringLiteral("Änderungen in Frage.vza speichern?"));
            EXPECT_EQ(meldungen.Anfragen()[0].knoepfe, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        } else {
            EXPECT_TRUE(meldungen.Anfragen().empty());
        }
        EXPECT_EQ(test::LiesDatei(pfad) != vorher, c.gespeichert);
        EXPECT_EQ(umgebung.protokoll.first(), QStringLiteral("uebernehmen")) << "variant data first";
        EXPECT_EQ(umgebung.protokoll.contains(QStringLiteral("entfernen")), c.entfernt);
    }
}

TEST_F(DokumentTest, RefusingVariantDialogCancelsBeforeTheQuestion)
{
    dok.SetModifiedFlag(true);
    umgebung.variantenGeben = false;
    SkriptMeldungen meldungen;
    EXPECT_FALSE(dok.SaveModified());
    EXPECT_TRUE(meldungen.Anfragen().empty());
    EXPECT_FALSE(umgebung.protokoll.contains(QStringLiteral("entfernen")));
}

TEST_F(DokumentTest, OpeningAsksTheSaveQuestionFirst)
{
    const QString pfad = Pfad(QStringLiteral("Ziel.vza"));
    test::SchreibeDatei(pfad, test::ProjektXml(QStringLiteral("Ziel"), 2).toUtf8());
    HausAnbindung::SetzeAngaben(dok.HausRef(), {"Ungespeichert", "", "", 1955});
    dok.SetModifiedFlag(true);
    {
        SkriptMeldungen meldungen{QMessageBox::Cancel};
        EXPECT_FALSE(dok.OeffneDatei(pfad));
        EXPECT_EQ(Angaben().Beschreibung, "Ungespeichert") << "Cancel keeps the open project";
    }
    SkriptMeldungen meldungen{QMessageBox::No};
    EXPECT_TRUE(dok.OeffneDatei(pfad));
    EXPECT_EQ(Angaben().Beschreibung, "Ziel");
}

} // namespace
} // namespace zeva
