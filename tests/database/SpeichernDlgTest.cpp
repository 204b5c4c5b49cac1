// Storing a build-up with its layer list, and storing a boiler, on fixture
// data bases checked with SQLite.
#include "DialogTestHilfen.h"

#include "database/CBauteilSchichtenDlg.h"
#include "database/CBauteilSpeichernDlg.h"
#include "database/CHeizkesselBestandDBDlg.h"
#include "database/CHeizkesselSpeichernDlg.h"
#include "platform/SkriptMeldungen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <vector>

namespace zeva {
namespace {

using test::Id;

QLineEdit* Feld(const QWidget& d, int id)
{
    return Id<QLineEdit>(d, id);
}
QPushButton* Knopf(const QWidget& d, int id)
{
    return Id<QPushButton>(d, id);
}
void Tippe(QLineEdit* feld, const QString& text)
{
    feld->selectAll();
    QTest::keyClicks(feld, text);
}
// The whole text as one edit of the user (pasted, say).
void Ersetze(QLineEdit* feld, const QString& text)
{
    feld->setText(text);
    emit feld->textEdited(text);
}

DSchicht Schicht(const char* name, double dicke, double lambda = 0, double mu = 0)
{
    DSchicht s;
    s.Name = name;
    s.Dicke = dicke;
    s.Lambda = lambda;
    s.Mu = mu;
    return s;
}

// A data base whose five type tables hold the keys 1, 2 and 7.
std::filesystem::path Schluesselfixture(const std::string& name, const std::string& extraSql = {})
{
    std::string sql;
    for (Bauteilart art : AlleBauteilarten) {
        const std::string tabelle = Tabellen(art).typen;
        for (int id : {1, 2, 7}) {
            sql += "INSERT INTO [" + tabelle + "]([" + Tabellen(art).schluessel + "],[Kategorie],[Name]) VALUES (" +
                   std::to_string(id) + ", 1, 'Typ " + std::to_string(id) + "');";
        }
    }
    return test::BaueDatenbank(name, {test::Schema("Bestand2000.1-schema.sql")}, sql + extraSql);
}

// Runs the layer list that "&Schichten..." opens, with the work done on it.
void Schichten(QDialog& speichern, const std::function<void(CBauteilSchichtenDlg&)>& arbeit)
{
    bool gelaufen = false;
    QTimer::singleShot(0, &speichern, [&] {
        auto* liste = speichern.findChild<CBauteilSchichtenDlg*>();
        ASSERT_NE(liste, nullptr);
        gelaufen = true;
        arbeit(*liste);
        if (liste->isVisible())
            liste->reject();
    });
    QTest::mouseClick(Knopf(speichern, 1136), Qt::LeftButton);
    EXPECT_TRUE(gelaufen);
}

struct Lauf {
    QString dicke;
    QString uWert;
};

// Opens the kind's store dialog on the record, ticks the box and runs the
// layer list once when asked, puts the picture path in, then stores.
template <class T>
Lauf Speichere(const std::vector<DSchicht>& schichten, bool leerMitListe, const std::string& bild)
{
    T bauteil;
    bauteil.Name = "Eigen";
    for (const auto& s : schichten)
        bauteil.m_Schichtaufbau.Add(s);
    CBauteilSpeichernDlg<T> dlg(bauteil);
    dlg.show();
    if (leerMitListe) {
        QTest::mouseClick(Id<QCheckBox>(dlg, 1137), Qt::LeftButton);
        Schichten(dlg, [](CBauteilSchichtenDlg& liste) { QTest::mouseClick(Knopf(liste, 1), Qt::LeftButton); });
    }
    Feld(dlg, 1114)->setText(QString::fromStdString(bild));
    const Lauf lauf{Feld(dlg, 1133)->text(), Feld(dlg, 1053)->text()};
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(dlg.Gespeichert());
    return lauf;
}

Lauf Speichere(Bauteilart art, const std::vector<DSchicht>& schichten, bool leerMitListe, const std::string& bild)
{
    switch (art) {
    case Bauteilart::Boden: return Speichere<DBoden>(schichten, leerMitListe, bild);
    case Bauteilart::Decke: return Speichere<DDecke>(schichten, leerMitListe, bild);
    case Bauteilart::Flachdach: return Speichere<DFlachdach>(schichten, leerMitListe, bild);
    case Bauteilart::Steildach: return Speichere<DSteildach>(schichten, leerMitListe, bild);
    case Bauteilart::Wand: return Speichere<DWand>(schichten, leerMitListe, bild);
    }
    return {};
}

TEST(SpeichernDlg, ComputesThicknessAndUValueAndStoresTypeAndLayers)
{
    const auto pfad = Schluesselfixture("speichern.db");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen;

    struct Fall {
        Bauteilart art;
        std::vector<DSchicht> schichten;
        bool leerMitListe;
        const char* dicke;
        const char* uWert;
    };
    const Fall faelle[] = {
        {Bauteilart::Boden, {Schicht("Beton", 0.20, 2.0), Schicht("Luftschicht", 0.03)}, false, "23", "2,41"},
        {Bauteilart::Wand, {Schicht("Beton", 0.20, 2.0), Schicht("Luftschicht", 0.03)}, false, "23", "2,381"},
        {Bauteilart::Decke,
         {Schicht("Dämmung", 0.10, 0.04), Schicht("Hinterlüftung", 0.04), Schicht("Schalung", 0.02, 0.13)},
         false, "16", "0,3636"},
        {Bauteilart::Steildach, {Schicht("Hinterlüftung", 0.03), Schicht("Dämmung", 0.10, 0.04)}, false, "13", "4"},
        {Bauteilart::Flachdach, {}, true, "0", "6,061"},
        {Bauteilart::Boden, {Schicht("Luftschicht", 0)}, false, "0", "6,061"},
        {Bauteilart::Boden, {Schicht("luftschicht", 0.05, 0)}, false, "5", "6,061"},
    };
    // Each kind's next key: 8, then 9 for the second floor, ...
    std::map<Bauteilart, int> naechster;
    int nr = 0;
    for (const auto& fall : faelle) {
        SCOPED_TRACE(nr);
        const std::string bild = "Bilder/Typ" + std::to_string(nr++) + ".emf";
        const Lauf lauf = Speichere(fall.art, fall.schichten, fall.leerMitListe, bild);
        EXPECT_EQ(lauf.dicke, fall.dicke);
        EXPECT_EQ(lauf.uWert, fall.uWert);

        const auto t = Tabellen(fall.art);
        const int key = naechster.count(fall.art) ? naechster[fall.art] : 8;
        naechster[fall.art] = key + 1;
        const std::string wo = std::string(" WHERE [") + t.schluessel + "] = " + std::to_string(key);
        const int n = static_cast<int>(fall.schichten.size());
        EXPECT_EQ(test::Zeilen(pfad, std::string("SELECT count(*) FROM [") + t.typen + "]" + wo +
                                         " AND [Kategorie] = 0 AND [Name] = 'Eigen' AND [Schichtzahl] = " +
                                         std::to_string(n) + " AND [Bitmappfad] = '" + bild +
                                         "' AND abs([Dicke] - " + fall.dicke + " * 0.01) < 1e-12"
                                         " AND [BaujahrAb] = 1000 AND [BaujahrBis] = 2100"),
                  1);
        EXPECT_EQ(test::Zeilen(pfad, std::string("SELECT count(*) FROM [") + t.schichten + "]" + wo), n);
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(test::Zeilen(pfad, std::string("SELECT count(*) FROM [") + t.schichten + "]" + wo +
                                             " AND [Position] = " + std::to_string(i + 1) + " AND [Name] = '" +
                                             fall.schichten[static_cast<std::size_t>(i)].Name + "'"),
                      1);
        }
    }
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(SpeichernDlg, OpensFromTheLayersOrFromTheRecord)
{
    const test::Bestandsdatei datei(Schluesselfixture("oeffnen.db"));
    SkriptMeldungen meldungen;
    DWand mitSchichten;
    mitSchichten.Schicht = 0;
    mitSchichten.Dicke = 0.5;
    mitSchichten.kWert = 9;
    mitSchichten.m_Schichtaufbau.Add(Schicht("Mauerwerk", 0.24, 0.5));
    CWandSpeichernDlg dlg(mitSchichten);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Wand in Datenbank speichern");
    EXPECT_TRUE(Id<QCheckBox>(dlg, 1137)->isChecked());
    EXPECT_FALSE(Feld(dlg, 1133)->isEnabled());
    EXPECT_FALSE(Feld(dlg, 1053)->isEnabled());
    EXPECT_TRUE(Knopf(dlg, 1136)->isEnabled());
    EXPECT_EQ(Feld(dlg, 1133)->text(), "24");
    EXPECT_EQ(Feld(dlg, 1053)->text(), "1,55");
    EXPECT_EQ(Feld(dlg, 1134)->text(), "1000");
    EXPECT_EQ(Feld(dlg, 1135)->text(), "2100");
    EXPECT_EQ(Feld(dlg, 1114)->text(), "");
    test::Bild(dlg, "wand-speichern");

    DBoden ohne;
    ohne.Schicht = 1;
    ohne.Dicke = 0.25;
    ohne.kWert = 1.75;
    CBodenSpeichernDlg boden(ohne);
    boden.show();
    EXPECT_FALSE(Id<QCheckBox>(boden, 1137)->isChecked());
    EXPECT_TRUE(Feld(boden, 1133)->isEnabled());
    EXPECT_FALSE(Knopf(boden, 1136)->isEnabled());
    EXPECT_EQ(Feld(boden, 1133)->text(), "25");
    EXPECT_EQ(Feld(boden, 1053)->text(), "1,75");
    // Ticking with no layers keeps the typed values.
    QTest::mouseClick(Id<QCheckBox>(boden, 1137), Qt::LeftButton);
    EXPECT_EQ(Feld(boden, 1133)->text(), "25");
    EXPECT_FALSE(Feld(boden, 1133)->isEnabled());
    EXPECT_TRUE(Knopf(boden, 1136)->isEnabled());
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(SpeichernDlg, FlatRoofStoresItsRoofKindTypedValuesAndEveryLayer)
{
    const auto pfad = Schluesselfixture("flachdach.db");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen;
    DFlachdach dach;
    dach.Warmdach = 0;
    dach.m_Schichtaufbau.Add(Schicht("Beton", 0.2, 2.0, 80));
    dach.m_Schichtaufbau.Add(Schicht("Bitumen", 0.01, 0.17, 12.7));
    CFlachdachSpeichernDlg dlg(dach);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Flachdach in Datenbank speichern");
    EXPECT_FALSE(Id<QRadioButton>(dlg, 1264)->isChecked());
    EXPECT_TRUE(Id<QRadioButton>(dlg, 1265)->isChecked());
    test::Bild(dlg, "flachdach-speichern");
    // Unticked, the last computed values stay and can be typed over.
    QTest::mouseClick(Id<QCheckBox>(dlg, 1137), Qt::LeftButton);
    EXPECT_TRUE(Feld(dlg, 1133)->isEnabled());
    EXPECT_FALSE(Knopf(dlg, 1136)->isEnabled());
    EXPECT_EQ(Feld(dlg, 1133)->text(), "21");
    Tippe(Feld(dlg, 1133), "30");
    Tippe(Feld(dlg, 1053), "1,2");
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Flachdach] WHERE [Flachdach-ID] = 8 AND [Warmdach] = 0 "
                                 "AND [Dicke] = 0.3 AND [kWert] = 1.2 AND [Schichtzahl] = 2"),
              1);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Flachdachschicht] WHERE [Flachdach-ID] = 8"), 2);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT [Mu] FROM [Flachdachschicht] WHERE [Flachdach-ID] = 8 AND [Position] = 2"),
              12);
}

TEST(SpeichernDlg, RefusedFieldsAndAFailedStoreKeepTheDialogOpen)
{
    const auto pfad = test::BaueDatenbank(
        "speichern-fehler.db", {test::Schema("Bestand2000.1-schema.sql")},
        "CREATE TRIGGER voll BEFORE INSERT ON [Wandschicht] BEGIN SELECT RAISE(ABORT, 'voll'); END;");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen;
    DWand wand;
    wand.Name = std::string(31, 'w');
    wand.m_Schichtaufbau.Add(Schicht("Mauerwerk", 0.24, 0.5));
    CWandSpeichernDlg dlg(wand);
    dlg.show();
    EXPECT_EQ(Feld(dlg, 1106)->text(), QString(31, 'w'));
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    Feld(dlg, 1106)->setText("Wand");
    Tippe(Feld(dlg, 1134), "999");
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    Tippe(Feld(dlg, 1134), "1950");
    Tippe(Feld(dlg, 1135), "2101");
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    Tippe(Feld(dlg, 1135), "1960");
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    const QString jahre = "Geben Sie eine ganze Zahl zwischen 1000 und 2100 ein.";
    ASSERT_EQ(meldungen.Texte().size(), 4);
    EXPECT_EQ(meldungen.Texte().mid(0, 3), (QStringList{"Geben Sie nicht mehr als 30 Zeichen ein.", jahre, jahre}));
    EXPECT_TRUE(meldungen.Texte()[3].startsWith("Database error: ")) << meldungen.Texte()[3].toStdString();
    EXPECT_TRUE(meldungen.Texte()[3].contains("voll"));
    // Neither the type nor a layer; the dialog stays with its input.
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.Gespeichert());
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Wand]"), 0);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Wandschicht]"), 0);
    EXPECT_EQ(Feld(dlg, 1106)->text(), "Wand");
    EXPECT_EQ(Feld(dlg, 1135)->text(), "1960");
}

TEST(SpeichernDlg, AnEmptyTableGivesKeyOne)
{
    const auto pfad = test::BaueDatenbank("speichern-leer.db", {test::Schema("Bestand2000.1-schema.sql")});
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen;
    DSteildach dach;
    dach.m_Schichtaufbau.Add(Schicht("Sparren", 0.16, 0.13));
    CSteildachSpeichernDlg dlg(dach);
    dlg.show();
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT [Steildach-ID] FROM [Steildach] WHERE [Kategorie] = 0"), 1);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Steildachschicht] WHERE [Steildach-ID] = 1"), 1);
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(SpeichernDlg, MissingDataBaseEndsTheDialogUnshown)
{
    const test::Bestandsdatei datei(test::ProcessTempDir() / "keine" / "Bestand2000.db");
    SkriptMeldungen meldungen{QMessageBox::Ok};
    CDeckeSpeichernDlg dlg;
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    ASSERT_EQ(meldungen.Texte().size(), 1);
    EXPECT_TRUE(meldungen.Texte()[0].startsWith("Database error: "));
}

// The layer list, driven on a list of its own.
struct Liste {
    explicit Liste(std::vector<DSchicht> schichten)
    {
        for (auto& s : schichten)
            this->schichten.Add(s);
    }
    CObjektArray<DSchicht> schichten;
};

TEST(BauteilSchichtenDlg, SwitchesGrowsAndWritesTheShownLayer)
{
    SkriptMeldungen meldungen;
    Liste l({Schicht("Mauerwerk", 0.24, 0.5, 10), Schicht("Putz", 0.015, 0.87, 15)});
    CBauteilSchichtenDlg dlg(Bauteilart::Wand, l.schichten);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Schichten im Wandaufbau");
    EXPECT_EQ(CBauteilSchichtenDlg::Titel(Bauteilart::Decke), "Schichten im Deckenaufbau");
    EXPECT_EQ(Feld(dlg, 1138)->text(), "1");
    EXPECT_EQ(Feld(dlg, 1133)->text(), "24");
    EXPECT_EQ(Feld(dlg, 1106)->text(), "Mauerwerk");
    EXPECT_FALSE(Knopf(dlg, 2)->isVisible());
    test::Bild(dlg, "wand-schichten");

    // Numbers that are no layer change nothing.
    Feld(dlg, 1106)->setText("Mauerwerk neu");
    for (const char* text : {"0", "-1", "2,5", ""}) {
        Ersetze(Feld(dlg, 1138), text);
        EXPECT_EQ(Feld(dlg, 1106)->text(), "Mauerwerk neu") << text;
        EXPECT_EQ(l.schichten.size(), 2u) << text;
    }
    EXPECT_EQ(l.schichten[0].Name, "Mauerwerk");

    // Beyond the end: the list grows to five and shows the empty layer 5.
    Tippe(Feld(dlg, 1138), "5");
    EXPECT_EQ(l.schichten.size(), 5u);
    EXPECT_EQ(l.schichten[0].Name, "Mauerwerk neu");
    EXPECT_EQ(Feld(dlg, 1106)->text(), "");
    EXPECT_EQ(Feld(dlg, 1133)->text(), "0");
    EXPECT_TRUE(l.schichten[2].IstLeer());

    // A wrong field keeps the shown layer, writes nothing, prompts once.
    Feld(dlg, 1106)->setText("halb");
    Feld(dlg, 1108)->setText("x");
    Tippe(Feld(dlg, 1138), "2");
    EXPECT_EQ(meldungen.Texte(), QStringList{"Geben Sie eine Zahl ein."});
    EXPECT_EQ(Feld(dlg, 1138)->text(), "5");
    EXPECT_TRUE(l.schichten[4].IstLeer());
    Feld(dlg, 1108)->setText("0,04");

    // Typed far beyond: layer 99 with 99 in the field.
    Tippe(Feld(dlg, 1138), "1000000");
    EXPECT_EQ(Feld(dlg, 1138)->text(), "99");
    EXPECT_EQ(l.schichten.size(), 99u);
    EXPECT_EQ(l.schichten[4].Name, "halb");
    EXPECT_EQ(l.schichten[4].Lambda, 0.04);

    // The up-down control steps from the shown number.
    QTest::keyClick(Feld(dlg, 1138), Qt::Key_Up);
    EXPECT_EQ(Feld(dlg, 1138)->text(), "99");
    QTest::keyClick(Feld(dlg, 1138), Qt::Key_Down);
    EXPECT_EQ(Feld(dlg, 1138)->text(), "98");
    EXPECT_EQ(meldungen.Texte().size(), 1);
}

TEST(BauteilSchichtenDlg, TheLayerNumberActsOnlyOnAPlainWholeNumberTypedKeyByKey)
{
    SkriptMeldungen meldungen;
    Liste l({Schicht("Mauerwerk", 0.24, 0.5, 10), Schicht("Putz", 0.015, 0.87, 15),
             Schicht("Dämmung", 0.1, 0.04, 1)});
    CBauteilSchichtenDlg dlg(Bauteilart::Wand, l.schichten);
    dlg.show();
    // Key by key: "2" shows layer 2; the comma and the 5 wait silently.
    struct Schritt {
        const char* taste;
        const char* feld;
        const char* name;
    };
    Feld(dlg, 1138)->selectAll();
    for (const Schritt& s : {Schritt{"2", "2", "Putz"}, Schritt{",", "2,", "Putz"}, Schritt{"5", "2,5", "Putz"}}) {
        QTest::keyClicks(Feld(dlg, 1138), QString::fromUtf8(s.taste));
        EXPECT_EQ(Feld(dlg, 1138)->text(), QString::fromUtf8(s.feld)) << s.taste;
        EXPECT_EQ(Feld(dlg, 1106)->text(), QString::fromUtf8(s.name)) << s.taste;
        EXPECT_TRUE(meldungen.Texte().isEmpty()) << s.taste;
    }
    // A minus sign first, then the digits: nothing until the number is plain.
    Tippe(Feld(dlg, 1138), "-3");
    EXPECT_EQ(Feld(dlg, 1106)->text(), "Putz");
    Tippe(Feld(dlg, 1138), "3");
    EXPECT_EQ(Feld(dlg, 1106)->text(), "Dämmung");
    EXPECT_TRUE(meldungen.Texte().isEmpty());
    EXPECT_EQ(l.schichten.size(), 3u);
}

TEST(BauteilSchichtenDlg, ANumberOutOfRangeGetsTheRangeNamed)
{
    SkriptMeldungen meldungen;
    Liste l({Schicht("Mauerwerk", 0.24, 0.5, 10), Schicht("Putz", 0.015, 0.87, 15)});
    CBauteilSchichtenDlg dlg(Bauteilart::Wand, l.schichten);
    dlg.show();
    for (int id : {1133, 1108, 1109}) {
        const auto bisher = meldungen.Texte().size();
        const QString vorher = Feld(dlg, id)->text();
        Feld(dlg, id)->setText("-5");
        Tippe(Feld(dlg, 1138), "2");
        EXPECT_EQ(meldungen.Texte().mid(bisher), QStringList{"Geben Sie eine Zahl zwischen 0 und 999999999999 ein."}) << id;
        EXPECT_EQ(Feld(dlg, 1138)->text(), "1") << id;
        EXPECT_DOUBLE_EQ(l.schichten[0].Dicke, 0.24) << id;
        Feld(dlg, id)->setText(vorher);
    }
}

TEST(BauteilSchichtenDlg, EscapeKeepsWhatANumberChangeWrote)
{
    SkriptMeldungen meldungen;
    Liste l({Schicht("A", 0.1, 1), Schicht("B", 0.1, 1), Schicht("C", 0.1, 1), Schicht("D", 0.1, 1)});
    CBauteilSchichtenDlg dlg(Bauteilart::Boden, l.schichten);
    dlg.show();
    Tippe(Feld(dlg, 1138), "3");
    Feld(dlg, 1106)->setText("C neu");
    Tippe(Feld(dlg, 1133), "12");
    Tippe(Feld(dlg, 1138), "4");
    Feld(dlg, 1106)->setText("D neu");
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(l.schichten[2].Name, "C neu");
    EXPECT_DOUBLE_EQ(l.schichten[2].Dicke, 0.12);
    EXPECT_EQ(l.schichten[3].Name, "D");
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(SpeichernDlg, LayerListEditsTheDialogsCopyAndDropsTrailingEmptyLayers)
{
    const auto pfad = Schluesselfixture("liste.db");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen;
    DBoden boden;
    boden.m_Schichtaufbau.Add(Schicht("Estrich", 0.05, 1.4));
    boden.m_Schichtaufbau.Add(Schicht("Beton", 0.2, 2.0));
    {
        // "&Abbrechen" after editing layers: the caller's record is untouched.
        CBodenSpeichernDlg dlg(boden);
        dlg.show();
        Schichten(dlg, [](CBauteilSchichtenDlg& liste) {
            Feld(liste, 1106)->setText("anders");
            QTest::mouseClick(Knopf(liste, 1), Qt::LeftButton);
        });
        EXPECT_EQ(dlg.m_Bauteil.m_Schichtaufbau[0].Name, "anders");
        QTest::mouseClick(Knopf(dlg, 2), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
    }
    EXPECT_EQ(boden.m_Schichtaufbau[0].Name, "Estrich");
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Boden] WHERE [Kategorie] = 0"), 0);

    CBodenSpeichernDlg dlg(boden);
    dlg.show();
    // Layer 2 emptied, layer 3 filled, 4 and 5 left empty.
    Schichten(dlg, [](CBauteilSchichtenDlg& liste) {
        Tippe(Feld(liste, 1138), "2");
        for (int id : {1106, 1108, 1133})
            Feld(liste, id)->setText(id == 1106 ? "" : "0");
        Tippe(Feld(liste, 1138), "5");
        Tippe(Feld(liste, 1138), "3");
        Feld(liste, 1106)->setText("Dämmung");
        Feld(liste, 1108)->setText("0,04");
        Feld(liste, 1133)->setText("8");
        QTest::mouseClick(Knopf(liste, 1), Qt::LeftButton);
    });
    ASSERT_EQ(dlg.m_Bauteil.m_Schichtaufbau.size(), 3u);
    EXPECT_TRUE(dlg.m_Bauteil.m_Schichtaufbau[1].IstLeer());
    EXPECT_EQ(Feld(dlg, 1133)->text(), "13");
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Bodenschicht] WHERE [Boden-ID] = 8"), 3);
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Bodenschicht] WHERE [Boden-ID] = 8 AND [Position] = 2 "
                                 "AND [Name] = '' AND [Dicke] = 0 AND [Lambda] = 0"),
              1);
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

DHeizung Kessel(double abgas, double strahlung, double bereitschaft, double nutzungsgrad, int brennstoff)
{
    DHeizung h;
    h.Name = "Mein Kessel";
    h.Langtext = "Keller";
    h.Brennstoff = brennstoff;
    h.Nennwaermeleistung = 24;
    h.Abgasverlust = abgas;
    h.Strahlungsverlust = strahlung;
    h.Bereitschaftsverlust = bereitschaft;
    h.Jahresnutzungsgrad = nutzungsgrad;
    return h;
}

TEST(HeizkesselSpeichernDlg, OpensFestOrGleitendAndStoresTheChosenDescription)
{
    const auto pfad = test::DialogFixture("kessel-speichern.db");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen;
    const int hoechster = test::Zeilen(pfad, "SELECT max([HeizungID]) FROM [Heizkessel]");
    {
        CHeizkesselSpeichernDlg dlg(Kessel(0.06, 0.01, 0.005, 0.85, 1));
        dlg.show();
        EXPECT_EQ(dlg.windowTitle(), "Heizkessel in Datenbank speichern");
        EXPECT_EQ(test::Eintraege(Id<QComboBox>(dlg, 1006)), CHeizkesselSpeichernDlg::Brennstoffe());
        EXPECT_EQ(Id<QComboBox>(dlg, 1006)->currentIndex(), 1);
        EXPECT_TRUE(Id<QRadioButton>(dlg, 1216)->isChecked());
        EXPECT_EQ(Feld(dlg, 1204)->text(), "6");
        EXPECT_EQ(Feld(dlg, 1205)->text(), "1");
        EXPECT_EQ(Feld(dlg, 1206)->text(), "0,5");
        EXPECT_FALSE(Feld(dlg, 1207)->isVisible());
        test::Bild(dlg, "kessel-speichern");
        QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Heizkessel] WHERE [HeizungID] = " +
                                     std::to_string(hoechster + 1) +
                                     " AND [Kategorie] = 0 AND [Name] = 'Mein Kessel' AND [Brennstoff] = 1"
                                     " AND abs([Abgasverlust] - 0.06) < 1e-12 AND abs([Strahlungsverlust] - 0.01) < 1e-12"
                                     " AND abs([Bereitschaftsverlust] - 0.005) < 1e-12 AND [Kesselnutzungsgrad] = 0"
                                     " AND [BaujahrAb] = 1000 AND [BaujahrBis] = 2100"),
              1);
    {
        // All losses 0: "gleitend" with the efficiency in per cent; fuel 6 is kept.
        CHeizkesselSpeichernDlg dlg(Kessel(0, 0, 0, 0.85, 6));
        dlg.show();
        EXPECT_TRUE(Id<QRadioButton>(dlg, 1217)->isChecked());
        EXPECT_EQ(Feld(dlg, 1207)->text(), "85");
        EXPECT_EQ(Id<QComboBox>(dlg, 1006)->currentText(), "Braunkohle");
        // Typed losses under "gleitend" are not stored.
        QTest::mouseClick(Id<QRadioButton>(dlg, 1216), Qt::LeftButton);
        Tippe(Feld(dlg, 1204), "7");
        QTest::mouseClick(Id<QRadioButton>(dlg, 1217), Qt::LeftButton);
        EXPECT_EQ(Feld(dlg, 1204)->text(), "7");
        QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Heizkessel] WHERE [HeizungID] = " +
                                     std::to_string(hoechster + 2) +
                                     " AND [Brennstoff] = 6 AND [Abgasverlust] = 0 AND [Strahlungsverlust] = 0"
                                     " AND [Bereitschaftsverlust] = 0 AND abs([Kesselnutzungsgrad] - 0.85) < 1e-12"),
              1);
    // The browse dialog lists it under its fuel.
    CHeizkesselBestandDBDlg liste(1990);
    liste.m_nBrennstoff = 6;
    liste.show();
    EXPECT_TRUE(test::Eintraege(Id<QComboBox>(liste, 1106)).contains("Mein Kessel"));
    EXPECT_TRUE(meldungen.Texte().isEmpty());
}

TEST(HeizkesselSpeichernDlg, WaitsForAFuelAndKeepsTheInputAfterAFailedStore)
{
    const auto pfad = test::DialogFixture(
        "kessel-fehler.db", "CREATE TRIGGER voll BEFORE INSERT ON [Heizkessel] BEGIN SELECT RAISE(ABORT, 'voll'); END;");
    const test::Bestandsdatei datei(pfad);
    SkriptMeldungen meldungen;
    CHeizkesselSpeichernDlg dlg(Kessel(0.06, 0.01, 0.005, 0, 9));
    dlg.show();
    EXPECT_EQ(Id<QComboBox>(dlg, 1006)->currentIndex(), -1);
    EXPECT_FALSE(Knopf(dlg, 1)->isEnabled());
    test::Waehle(Id<QComboBox>(dlg, 1006), "Steinkohle");
    EXPECT_TRUE(Knopf(dlg, 1)->isEnabled());
    Feld(dlg, 1106)->setText(QString(40, 'k'));
    QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
    ASSERT_EQ(meldungen.Texte().size(), 1);
    EXPECT_TRUE(meldungen.Texte()[0].startsWith("Database error: "));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(Feld(dlg, 1106)->text(), QString(40, 'k'));
    EXPECT_EQ(test::Zeilen(pfad, "SELECT count(*) FROM [Heizkessel] WHERE length([Name]) = 40"), 0);
}

// No data folder can be made: the dialogs get the template beside the
// program for reading only. The user is told once why nothing can be stored;
// storing a build-up or a boiler is refused, and the
// template keeps every byte.
TEST(SpeichernDlg, TheTemplateHandedOutAsFallbackIsNeverWritten)
{
    const test::OhneDatenordner ort;
    const auto vorlage = ort.Vorlage("Bestand2000.db");
    const std::string vorher = test::OhneDatenordner::Inhalt(vorlage);
    SkriptMeldungen meldungen;
    const QString verweigert = QStringLiteral("Fehler: Datenbank kann nicht bearbeitet werden");
    {
        DWand wand;
        wand.Name = "Meine Wand";
        wand.m_Schichtaufbau.Add(Schicht("Mauerwerk", 0.24, 0.5));
        CWandSpeichernDlg dlg(wand);
        dlg.show();
        ASSERT_TRUE(dlg.isVisible());
        test::Bild(dlg, "speichern-nur-lesen");
        QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(dlg.Gespeichert());
    }
    {
        CHeizkesselSpeichernDlg dlg(Kessel(0.06, 0.01, 0.005, 0.85, 1));
        dlg.show();
        QTest::mouseClick(Knopf(dlg, 1), Qt::LeftButton);
        EXPECT_TRUE(dlg.isVisible());
    }
    ASSERT_EQ(meldungen.Texte().size(), 3) << meldungen.Texte().join("\n").toStdString();
    const QString warum = meldungen.Texte()[0];
    EXPECT_TRUE(warum.contains(QString::fromStdString((ort.daten / "DB").string()))) << warum.toStdString();
    EXPECT_TRUE(warum.contains(QString::fromStdString(vorlage.string()))) << warum.toStdString();
    EXPECT_TRUE(warum.contains("eigene Einträge können nicht gespeichert werden")) << warum.toStdString();
    EXPECT_FALSE(warum.contains("Database error"));
    EXPECT_EQ(meldungen.Texte().mid(1), (QStringList{verweigert, verweigert}));
    EXPECT_EQ(test::OhneDatenordner::Inhalt(vorlage), vorher);
    EXPECT_FALSE(std::filesystem::exists(ort.daten));
}

} // namespace
} // namespace zeva
