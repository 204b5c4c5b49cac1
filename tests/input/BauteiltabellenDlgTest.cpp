// The component tables and the window table as the user meets them: opened
// by the frame for a picked carrying surface of the drawn test house, typed
// into, paged, with the details dialog, the window table and the house's
// question before the existing building changes.
#include "DetailsTestHilfen.h"
#include "TabellenTestHaus.h"

#include "input/Bauteiltabellen.h"
#include "input/CFensterDetailsDlg.h"
#include "input/CSchichtDetailsDlg.h"
#include "input/Fenster.h"
#include "model/DOptionen.h"
#include "model/PlaneID.h"
#include "model/Notifier.h"
#include "model/Zahlentext.h"
#include "shell/Befehle.h"
#include "shell/RahmenTestHilfen.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <set>

namespace zeva {
namespace {

using test::Aktiv;
using test::Klicke;
using test::Markiert;
using test::Text;
using test::Tippe;

QString Zahl(double wert)
{
    std::string text;
    EXPECT_TRUE(FormatiereStellen(wert, text, 15));
    return QString::fromStdString(text);
}

class Tabellendialoge : public test::GestartetesProgramm {
protected:
    void SetUp() override
    {
        test::GestartetesProgramm::SetUp();
        test::TabellenHaus(H());
        H().m_defaultFenster.kWertGlas = 2.8;
        const int i = test::IndexVon(H().m_aWand, test::TraegerWand);
        ASSERT_GE(i, 0);
        wandIndex = static_cast<std::size_t>(i);
        W = H().m_aWand[wandIndex].m_plane;
        Dok().SetModifiedFlag(false);
    }
    Haus& H() const { return Dok().HausRef(); }

    // Runs `was` in the details dialog that the click opens, then clicks OK.
    static void InDetails(QDialog& tabelle, int knopf, const QString& uWert)
    {
        bool gesehen = false;
        test::BeiModalemDialog([&](QDialog* d) {
            gesehen = dynamic_cast<CSchichtDetailsDlg*>(d) != nullptr;
            // A typed U-value: without the layer build-up.
            if (Markiert(*d, 1008))
                Klicke(*d, 1008);
            Tippe(*d, 1053, uWert);
            Klicke(*d, 1);
        });
        Klicke(tabelle, knopf);
        EXPECT_TRUE(gesehen);
    }

    std::size_t wandIndex = 0;
    Plane W;
};

TEST_F(Tabellendialoge, WandMitTeilflaechenUndEinemFenster)
{
    const double A = W.Flaeche();
    bool gelaufen = false;
    test::BeiModalemDialog([&](QDialog* dlg) {
        gelaufen = true;
        QDialog& d = *dlg;
        ASSERT_NE(dynamic_cast<Wand*>(dlg), nullptr);
        EXPECT_EQ(d.windowTitle(), "Eingabe Wand - Wa-EG-03-00");
        EXPECT_EQ(Text(d, 1263), "Wand  \ngegen...");
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(test::Id<QRadioButton>(d, 1041 + k)->text(), QString::number(k + 1));
        EXPECT_TRUE(Markiert(d, 1041));
        EXPECT_FALSE(Aktiv(d, 1082)) << "row 1's area is not typed";
        EXPECT_EQ(Text(d, 1082), Zahl(A));
        EXPECT_EQ(test::Eintraege(test::Id<QComboBox>(d, 1015)),
                  QStringList({"Außenluft", "beheizt", "Erdreich", "unbeheizt + 2°C", "unbeheizt + 4°C",
                               "unbeheizt + 6°C", "unbeheizt + 8°C"}));
        EXPECT_EQ(test::Id<QComboBox>(d, 1015)->currentIndex(), 0);
        EXPECT_FALSE(Aktiv(d, 1037)) << "first page";
        EXPECT_FALSE(Aktiv(d, 1038)) << "five rows: also the last";

        Tippe(d, 1023, "Nische");
        Tippe(d, 1083, "2");
        test::Waehle(test::Id<QComboBox>(d, 1019), 3);
        Tippe(d, 1024, "Tür");
        Tippe(d, 1084, "3");
        InDetails(d, 1028, "0,5");
        EXPECT_TRUE(d.isEnabled());
        InDetails(d, 1025, "2");
        EXPECT_EQ(Text(d, 1082), Zahl(A - 5)) << "the net area at the next page display";
        EXPECT_EQ(Text(d, 1023), "Nische");
        test::Bild(d, "wandtabelle");

        // A window on part area 2.
        Klicke(d, 1042);
        bool fenster = false;
        test::BeiModalemDialog([&](QDialog* f) {
            fenster = dynamic_cast<Fenster*>(f) != nullptr;
            EXPECT_EQ(f->windowTitle(), "Eingabe Fenster");
            Tippe(*f, 1082, "0,5");
            Klicke(*f, 1);
        });
        Klicke(d, 1121);
        EXPECT_TRUE(fenster);

        // Typing a third area and OK at once: the net area follows.
        Tippe(d, 1084, "4");
        Klicke(d, 1);
    });
    rahmen->BearbeiteWand(W.ID);
    ASSERT_TRUE(gelaufen);
    EXPECT_TRUE(meldungen.Anfragen().empty()) << meldungen.Texte().join("|").toStdString();

    const DWand& eins = H().m_aWand[wandIndex];
    const DWand& zwei = H().m_aWand[wandIndex + 1];
    const DWand& drei = H().m_aWand[wandIndex + 2];
    EXPECT_EQ(eins.m_plane.ID, W.ID);
    EXPECT_NEAR(eins.Flaeche, A - 6, 1e-9);
    EXPECT_EQ(zwei.Name, "Nische");
    EXPECT_EQ(zwei.Zone, 3);
    EXPECT_DOUBLE_EQ(zwei.kWert, 0.5);
    EXPECT_EQ(zwei.m_plane.ID, W.ID + 10000);
    EXPECT_EQ(drei.m_plane.ID, W.ID + 20000);
    EXPECT_DOUBLE_EQ(drei.Flaeche, 4);
    EXPECT_NEAR(drei.m_plane.Flaeche(), 4, 1e-12);
    int fenster = 0;
    for (const DFenster& f : H().m_aFenster)
        if (f.m_plane.Traeger1ID == W.ID) {
            ++fenster;
            EXPECT_EQ(f.m_plane.Traeger2ID, zwei.m_plane.ID) << "the window follows its part area";
            EXPECT_EQ(f.m_plane.ID, PlaneIDAus(0, 54, 1, 0, 3));
        }
    EXPECT_EQ(fenster, 1);
    EXPECT_EQ(zwei.m_plane.FensterAufFlaechePlaziert, 1);
    EXPECT_EQ(eins.m_plane.FensterAufFlaechePlaziert, 0);
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_TRUE(rahmen->Ansicht3D() == nullptr || rahmen->Ansicht3D()->isEnabled());
}

// The generator's areas have every decimal; the narrow right-aligned field
// shows them to the centimetre, and a row left as shown keeps its exact area.
TEST_F(Tabellendialoge, FlaechenMitZweiNachkommastellen)
{
    // A dormer wall's area: 3.84 / 1.71 = 2.24561403508772 m².
    Plane& p = H().m_aWand[wandIndex].m_plane;
    const double breite = std::hypot(p.ru.x - p.lu.x, p.ru.z - p.lu.z);
    const double hoehe = 3.84 / 1.71 / breite;
    p.lo = p.lu + Punkt3D(0, hoehe, 0);
    p.ro = p.ru + Punkt3D(0, hoehe, 0);
    const double A = p.Flaeche();
    ASSERT_NEAR(A, 2.24561403508772, 1e-12);
    H().m_aWand[wandIndex].Flaeche = A;
    bool gelaufen = false;
    test::BeiModalemDialog([&](QDialog* d) {
        gelaufen = true;
        EXPECT_EQ(Text(*d, 1082), QStringLiteral("2,25"));
        Tippe(*d, 1023, "Nische");
        Tippe(*d, 1083, "1,006");
        InDetails(*d, 1028, "0,5");
        Klicke(*d, 1);
    });
    rahmen->BearbeiteWand(W.ID);
    ASSERT_TRUE(gelaufen);
    EXPECT_TRUE(meldungen.Anfragen().empty()) << meldungen.Texte().join("|").toStdString();
    EXPECT_NEAR(H().m_aWand[wandIndex].Flaeche, A - 1.006, 1e-12) << "the exact area, less what was typed";
    EXPECT_DOUBLE_EQ(H().m_aWand[wandIndex + 1].Flaeche, 1.006) << "a typed area as typed";

    // Shown again: both to the centimetre.
    test::BeiModalemDialog([&](QDialog* d) {
        EXPECT_EQ(Text(*d, 1082), QStringLiteral("1,24"));
        EXPECT_EQ(Text(*d, 1083), QStringLiteral("1,01"));
        Klicke(*d, 1);
    });
    rahmen->BearbeiteWand(W.ID);
    EXPECT_DOUBLE_EQ(H().m_aWand[wandIndex + 1].Flaeche, 1.006) << "left as shown, it keeps its value";
}

TEST_F(Tabellendialoge, FenstertabelleAufDerWand)
{
    const double A = W.Flaeche();
    test::BeiModalemDialog([&](QDialog* d) {
        test::BeiModalemDialog([&](QDialog* f) {
            auto* fenster = dynamic_cast<Fenster*>(f);
            ASSERT_NE(fenster, nullptr);
            ASSERT_EQ(fenster->Tabelle()->Zeilen(), 5);
            for (int id : {1143, 1144, 1145, 1146, 1147}) {
                auto* liste = test::Id<QComboBox>(*f, id);
                EXPECT_FALSE(liste->isEnabled());
                EXPECT_EQ(liste->currentIndex(), W.Richtungsklasse(H().Ausrichtung));
            }
            EXPECT_EQ(test::Eintraege(test::Id<QComboBox>(*f, 1143)),
                      QStringList({"N", "NO", "O", "SO", "S", "SW", "W", "NW"}));
            EXPECT_FALSE(Aktiv(*f, 1119));

            // Deleting row 2 of five leaves five.
            meldungen.Antworte(QMessageBox::Yes);
            Klicke(*f, 1153);
            Klicke(*f, 1030);
            ASSERT_EQ(meldungen.Anfragen().size(), 1u);
            EXPECT_EQ(meldungen.Anfragen()[0].text, "Fenster Nr. 2 löschen?");
            EXPECT_EQ(meldungen.Anfragen()[0].vorgabe, QMessageBox::Yes);
            EXPECT_EQ(meldungen.Anfragen()[0].knoepfe, QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(fenster->Tabelle()->Zeilen(), 5);

            // The whole carrier covered with windows is refused.
            Tippe(*f, 1082, Zahl(A));
            Klicke(*f, 1);
            ASSERT_EQ(meldungen.Anfragen().size(), 2u);
            EXPECT_EQ(meldungen.Anfragen()[1].text,
                      "Die gesamte Fensterfläche ist\ngrößer als die tragende Fläche.\nBitte korrigieren Sie die Eingabe.");
            EXPECT_EQ(meldungen.Anfragen()[1].symbol, Meldung::Symbol::Keins);
            EXPECT_EQ(meldungen.Anfragen()[1].knoepfe, QMessageBox::Ok);
            EXPECT_TRUE(f->isVisible());

            const char* flaechen[] = {"1,5", "2", "1,2"};
            for (int k = 0; k < 3; ++k) {
                Tippe(*f, 1082 + k, flaechen[k]);
                Tippe(*f, 1087 + k, "30");
            }
            // Leaving a field took the page over.
            EXPECT_DOUBLE_EQ(fenster->Tabelle()->Zeile(3).Flaeche, 1.2);
            test::Bild(*f, "fenstertabelle");
            Klicke(*f, 1);
        });
        Klicke(*d, 1121);
        Klicke(*d, 1);
    });
    rahmen->BearbeiteWand(W.ID);
    std::vector<const DFenster*> aufW;
    for (const DFenster& f : H().m_aFenster)
        if (f.m_plane.Traeger2ID == W.ID)
            aufW.push_back(&f);
    ASSERT_EQ(aufW.size(), 3u);
    const std::int32_t ids[] = {54000003, 54100003, 54200003};
    const double flaechen[] = {1.5, 2, 1.2};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(aufW[i]->m_plane.ID, ids[i]);
        EXPECT_EQ(aufW[i]->m_plane.Traeger1ID, W.Traeger1ID);
        EXPECT_DOUBLE_EQ(aufW[i]->Flaeche, flaechen[i]);
        EXPECT_NEAR(aufW[i]->m_plane.Flaeche(), flaechen[i], 1e-12);
        EXPECT_DOUBLE_EQ(aufW[i]->Rahmenanteil, 0.3);
        EXPECT_EQ(aufW[i]->m_aSan.GetSize(), H().Varianten + 1);
    }
    EXPECT_EQ(H().m_aWand[wandIndex].m_plane.FensterAufFlaechePlaziert, 1);

    // Reopened: 30 again.
    test::BeiModalemDialog([&](QDialog* d) {
        test::BeiModalemDialog([&](QDialog* f) {
            EXPECT_EQ(Text(*f, 1087), "30");
            EXPECT_EQ(Text(*f, 1089), "30");
            f->reject();
        });
        Klicke(*d, 1121);
        d->reject();
    });
    rahmen->BearbeiteWand(W.ID);
}

// A window entered in the window table of a basement wall is in the table
// again after the project was saved at the 3D step and opened.
TEST_F(Tabellendialoge, FensterDerKellerwandNachSpeichernUndOeffnen)
{
    // A heated basement of 2.5 m under the drawn zone: its walls are
    // components that carry windows.
    H().m_aZone[0].Kellerhoehe = 2.5;
    H().KellerBeheizt = 1;
    StillerNotifier still;
    ASSERT_EQ(C3DGenerator(H(), still).Erzeuge3DFlaechen(), 1);
    H().ErzeugeBauteilnamen();
    H().Phase = 15;
    Plane keller;
    for (const DWand& w : H().m_aWand)
        if (w.m_plane.ArtAusID() == flaechenart::KellerWand * IdArtFaktor && w.m_plane.Flaeche() > 5) {
            keller = w.m_plane;
            break;
        }
    ASSERT_NE(keller.ID, 0) << "a basement wall";

    auto aufKeller = [&] {
        std::vector<DFenster> fenster;
        for (const DFenster& f : H().m_aFenster)
            if (f.m_plane.Traeger2ID == keller.ID)
                fenster.push_back(f);
        return fenster;
    };
    // The first row of the basement wall's window table, as shown.
    auto tabelle = [&] {
        QString erste;
        test::BeiModalemDialog([&](QDialog* d) {
            test::BeiModalemDialog([&](QDialog* f) {
                erste = Text(*f, 1082);
                f->reject();
            });
            Klicke(*d, 1121);
            d->reject();
        });
        rahmen->BearbeiteWand(keller.ID);
        return erste;
    };

    bool gesehen = false;
    test::BeiModalemDialog([&](QDialog* d) {
        test::BeiModalemDialog([&](QDialog* f) {
            gesehen = dynamic_cast<Fenster*>(f) != nullptr;
            Tippe(*f, 1082, "1,5");
            Tippe(*f, 1087, "30");
            Klicke(*f, 1);
        });
        Klicke(*d, 1121);
        Klicke(*d, 1);
    });
    rahmen->BearbeiteWand(keller.ID);
    ASSERT_TRUE(gesehen);
    ASSERT_EQ(aufKeller().size(), 1u);
    EXPECT_EQ(tabelle(), QStringLiteral("1,5"));

    // Saved, a new project, the file opened again, twice.
    const QString pfad = test::Datei(QStringLiteral("Keller.vza"));
    for (int runde = 0; runde < 2; ++runde) {
        SCOPED_TRACE(runde);
        ASSERT_TRUE(Dok().DoSave(pfad));
        Dok().SetModifiedFlag(false);
        rahmen->Befehl(ID_FILE_NEW);
        ASSERT_TRUE(H().m_aFenster.empty());
        ASSERT_TRUE(app->OpenDocumentFile(pfad));
        ASSERT_EQ(H().Phase, 15);
        ASSERT_EQ(aufKeller().size(), 1u) << "in the file";
        EXPECT_DOUBLE_EQ(aufKeller()[0].Flaeche, 1.5);
        EXPECT_DOUBLE_EQ(aufKeller()[0].Rahmenanteil, 0.3);
        EXPECT_EQ(tabelle(), QStringLiteral("1,5")) << "in the table";
    }
}

// The frame share of a row is refused outside 0 to 100 % with the
// exchange's range prompt; the table stays open and stores nothing.
TEST_F(Tabellendialoge, RahmenanteilZwischenNullUndHundert)
{
    struct Fall {
        const char* text;
        bool angenommen;
        double anteil;
    };
    const Fall faelle[] = {{"0", true, 0}, {"100", true, 1}, {"-1", false, 0}, {"100,5", false, 0}, {"150", false, 0}};
    for (const Fall& fall : faelle) {
        const std::size_t vorher = meldungen.Anfragen().size();
        bool offen = false;
        test::BeiModalemDialog([&](QDialog* d) {
            test::BeiModalemDialog([&](QDialog* f) {
                Tippe(*f, 1082, "1,5");
                Tippe(*f, 1087, fall.text);
                Klicke(*f, 1);
                offen = f->isVisible();
                if (offen)
                    f->reject();
            });
            Klicke(*d, 1121);
            Klicke(*d, 1);
        });
        rahmen->BearbeiteWand(W.ID);
        const DFenster* aufW = nullptr;
        for (const DFenster& f : H().m_aFenster)
            if (f.m_plane.Traeger2ID == W.ID)
                aufW = &f;
        if (fall.angenommen) {
            EXPECT_FALSE(offen) << fall.text;
            ASSERT_NE(aufW, nullptr) << fall.text;
            EXPECT_DOUBLE_EQ(aufW->Rahmenanteil, fall.anteil) << fall.text;
        } else {
            EXPECT_TRUE(offen) << fall.text;
            ASSERT_GT(meldungen.Anfragen().size(), vorher) << fall.text;
            EXPECT_EQ(meldungen.Anfragen()[vorher].text, "Geben Sie eine Zahl zwischen 0 und 100 ein.") << fall.text;
            if (aufW != nullptr) {
                EXPECT_LE(aufW->Rahmenanteil, 1) << fall.text;
            }
        }
    }
}

TEST_F(Tabellendialoge, PruefungenZeilenUndVarianten)
{
    const double A = W.Flaeche();
    H().NeueVariante(true, rahmen->Optionen());
    ASSERT_EQ(H().Varianten, 1);
    const std::vector<DWand> waendeVorher = H().m_aWand.Elemente();
    const std::vector<DFenster> fensterVorher = H().m_aFenster.Elemente();

    // Cancel after typing leaves the house as it was.
    test::BeiModalemDialog([&](QDialog* d) {
        Tippe(*d, 1023, "weg");
        Tippe(*d, 1083, "2");
        InDetails(*d, 1028, "1");
        d->reject();
    });
    rahmen->BearbeiteWand(W.ID);
    EXPECT_TRUE(H().m_aWand.Elemente() == waendeVorher);
    EXPECT_TRUE(H().m_aFenster.Elemente() == fensterVorher);
    EXPECT_FALSE(Dok().IsModified());

    test::BeiModalemDialog([&](QDialog* d) {
        // Row 1 cannot be deleted.
        Klicke(*d, 1041);
        Klicke(*d, 1030);
        ASSERT_EQ(meldungen.Anfragen().size(), 1u);
        EXPECT_EQ(meldungen.Anfragen()[0].text,
                  "Diese Fläche wurde aus der grafischen Eingabe heraus\nautomatisch generiert und kann zu diesem "
                  "Zeitpunkt \nnicht mehr gelöscht werden.");
        EXPECT_EQ(meldungen.Anfragen()[0].symbol, Meldung::Symbol::Keins);

        // Part areas larger than the carrier stop OK.
        Tippe(*d, 1023, "a");
        Tippe(*d, 1083, Zahl(A / 2));
        InDetails(*d, 1028, "1");
        Tippe(*d, 1024, "b");
        Tippe(*d, 1084, Zahl(A / 2 + 0.01));
        InDetails(*d, 1025, "1");
        Klicke(*d, 1);
        ASSERT_EQ(meldungen.Anfragen().size(), 2u);
        EXPECT_EQ(meldungen.Anfragen()[1].text, "Die Summe der auf der tragenden Fläche\nplazierten Teilflächen ist zu "
                                                "groß.\nBitte korrigieren Sie die Eingabe.");
        EXPECT_EQ(meldungen.Anfragen()[1].symbol, Meldung::Symbol::Keins);
        EXPECT_TRUE(d->isVisible());

        // Deleting row 3 asks, with Yes and No.
        meldungen.Antworte(QMessageBox::Yes);
        Klicke(*d, 1043);
        Klicke(*d, 1030);
        ASSERT_EQ(meldungen.Anfragen().size(), 3u);
        EXPECT_EQ(meldungen.Anfragen()[2].text, "Wand Nr. 3 löschen?");
        EXPECT_EQ(meldungen.Anfragen()[2].knoepfe, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(Text(*d, 1024), "") << "an empty row moved up";
        EXPECT_EQ(Text(*d, 1082), Zahl(A - A / 2));

        // "d" on the last page appends and scrolls, "mu" and "md" jump.
        Klicke(*d, 1035);
        EXPECT_EQ(test::Id<QRadioButton>(*d, 1041)->text(), "2");
        EXPECT_TRUE(Aktiv(*d, 1082));
        Klicke(*d, 1035);
        EXPECT_EQ(test::Id<QRadioButton>(*d, 1045)->text(), "7");
        Klicke(*d, 1037);
        EXPECT_EQ(test::Id<QRadioButton>(*d, 1041)->text(), "1");
        EXPECT_FALSE(Aktiv(*d, 1082));
        Klicke(*d, 1038);
        EXPECT_EQ(test::Id<QRadioButton>(*d, 1041)->text(), "3");

        // With a variant OK asks first; No keeps the dialog and the house.
        meldungen.Antworte(QMessageBox::No);
        Klicke(*d, 1);
        ASSERT_EQ(meldungen.Anfragen().size(), 4u);
        EXPECT_EQ(meldungen.Anfragen()[3].text, "Für Änderungen am bestehenden Gebäude müssen alle\n"
                                                "Sanierungsvarianten gelöscht werden. Jetzt löschen?");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(H().Varianten, 1);
        EXPECT_TRUE(H().m_aWand.Elemente() == waendeVorher);
        meldungen.Antworte(QMessageBox::Yes);
        Klicke(*d, 1);
    });
    rahmen->BearbeiteWand(W.ID);
    EXPECT_EQ(H().Varianten, 0);
    EXPECT_EQ(H().m_aWand[wandIndex + 1].Name, "a");
    EXPECT_NE(H().m_aWand[wandIndex + 2].m_plane.Traeger1ID, W.ID);
    for (const DWand& b : H().m_aWand)
        EXPECT_EQ(b.m_aSan.GetSize(), 1);
    EXPECT_TRUE(Dok().IsModified());
}

TEST_F(Tabellendialoge, DieFuenfArten)
{
    // A flat roof made by hand: the drawn house has none.
    DFlachdach flach;
    flach.m_plane.SetzeRechteck(12);
    flach.m_plane.ID = PlaneIDAus(1, 7, 0, 1, 1);
    flach.m_plane.Traeger1ID = flach.m_plane.ID;
    flach.Kurzname = "Fd-1";
    flach.Zone = 3;
    H().m_aFlachdach.Add(flach);
    ASSERT_FALSE(H().m_aBoden.empty());
    H().m_aBoden[0].Zone = 7; // not in the list
    ASSERT_FALSE(H().m_aDecke.empty());
    ASSERT_FALSE(H().m_aSteildach.empty());

    struct Fall {
        CMainFrame::Bauteildialog art;
        std::int32_t id;
        std::string kurzname;
        const char* titel;
        const char* gegen; // nullptr: no border list
        int eintraege;
    };
    const Fall faelle[] = {
        {CMainFrame::Bauteildialog::Boden, H().m_aBoden[0].m_plane.ID, H().m_aBoden[0].Kurzname.str(),
         "Eingabe Boden", "Boden  \ngegen...", 7},
        {CMainFrame::Bauteildialog::Decke, H().m_aDecke[0].m_plane.ID, H().m_aDecke[0].Kurzname.str(),
         "Eingabe Decke", "Decke  \ngegen...", 5},
        {CMainFrame::Bauteildialog::Flachdach, flach.m_plane.ID, "Fd-1", "Eingabe Flachdach", nullptr, 0},
        {CMainFrame::Bauteildialog::Steildach, H().m_aSteildach[0].m_plane.ID, H().m_aSteildach[0].Kurzname.str(),
         "Eingabe Steildach", nullptr, 0},
        {CMainFrame::Bauteildialog::Wand, W.ID, test::TraegerWand, "Eingabe Wand", "Wand  \ngegen...", 7},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.titel);
        bool gesehen = false;
        test::BeiModalemDialog([&](QDialog* d) {
            gesehen = true;
            EXPECT_EQ(d->windowTitle(), QString::fromUtf8(f.titel) + " - " + QString::fromStdString(f.kurzname));
            auto* gegen = FindeId<QLabel>(d, 1263);
            EXPECT_EQ(gegen != nullptr, f.gegen != nullptr);
            if (gegen != nullptr && f.gegen != nullptr) {
                EXPECT_EQ(gegen->text(), QString::fromUtf8(f.gegen));
            }
            auto* liste = FindeId<QComboBox>(d, 1015);
            EXPECT_EQ(liste != nullptr ? liste->count() : 0, f.eintraege);
            if (f.art == CMainFrame::Bauteildialog::Boden && liste != nullptr) {
                EXPECT_EQ(liste->currentIndex(), -1);
            }
            test::Bild(*d, f.titel);
            // The caption stays while the page moves.
            Klicke(*d, 1035);
            EXPECT_EQ(d->windowTitle(), QString::fromUtf8(f.titel) + " - " + QString::fromStdString(f.kurzname));
            Klicke(*d, 1);
        });
        switch (f.art) {
        case CMainFrame::Bauteildialog::Boden: rahmen->BearbeiteBoden(f.id); break;
        case CMainFrame::Bauteildialog::Decke: rahmen->BearbeiteDecke(f.id); break;
        case CMainFrame::Bauteildialog::Flachdach: rahmen->BearbeiteFlachdach(f.id); break;
        case CMainFrame::Bauteildialog::Steildach: rahmen->BearbeiteSteildach(f.id); break;
        case CMainFrame::Bauteildialog::Wand: rahmen->BearbeiteWand(f.id); break;
        }
        EXPECT_TRUE(gesehen);
    }
    EXPECT_EQ(H().m_aFlachdach.back().Zone, 3) << "a flat roof's border kind passes through";
    EXPECT_EQ(H().m_aBoden[0].Zone, 7) << "a list without a selection keeps the stored kind";

    // A carrier without a record of its own opens nothing and locks nothing.
    bool geoeffnet = false;
    QTimer::singleShot(200, rahmen, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            geoeffnet = true;
            d->reject();
        }
    });
    EXPECT_EQ(rahmen->BearbeiteDecke(PlaneIDAus(1, 5, 42, 0, 0)), 0);
    EXPECT_FALSE(geoeffnet);
    if (rahmen->Ansicht3D() != nullptr) {
        EXPECT_TRUE(rahmen->Ansicht3D()->isEnabled());
    }
}

TEST_F(Tabellendialoge, BauteilAusDerDatenbankPrueftDieLuftschicht)
{
    const test::Bestandsdatei datei(test::DialogFixture("tabelle-luftschicht.db"));
    test::BeiModalemDialog([&](QDialog* d) {
        auto* wand = dynamic_cast<Wand*>(d);
        ASSERT_NE(wand, nullptr);
        const auto nimm = [&](int radio, const char* typ) {
            Klicke(*d, radio);
            bool gesehen = false;
            test::BeiModalemDialog([&](QDialog* db) {
                gesehen = true;
                test::Waehle(test::Id<QComboBox>(*db, 1106), QString::fromUtf8(typ));
                Klicke(*db, 1);
            });
            Klicke(*d, 1118);
            EXPECT_TRUE(gesehen) << typ;
        };
        ASSERT_EQ(wand->Tabelle().Zeile(2).SanbarZwischen, 1);
        nimm(1042, "Hohlblockmauerwerk 30 cm");
        EXPECT_EQ(wand->Tabelle().Zeile(2).Name, "Hohlblockmauerwerk 30 cm");
        EXPECT_EQ(Text(*d, 1023), "Hohlblockmauerwerk 30 cm");
        EXPECT_EQ(wand->Tabelle().Zeile(2).SanbarZwischen, 0) << "layers without an air layer";
        EXPECT_EQ(d->focusWidget(), test::Id<QLineEdit>(*d, 1083));
        nimm(1043, "Eins");
        EXPECT_EQ(wand->Tabelle().Zeile(3).Schicht, 0);
        EXPECT_EQ(wand->Tabelle().Zeile(3).SanbarZwischen, 1) << "no build-up: the flag stays";

        // The window table takes glazing and frame for its current row.
        test::BeiModalemDialog([&](QDialog* f) {
            Klicke(*f, 1153);
            bool glas = false;
            test::BeiModalemDialog([&](QDialog* db) {
                glas = true;
                test::Waehle(test::Id<QComboBox>(*db, 1227), "Einfachglas");
                Klicke(*db, 1);
            });
            Klicke(*f, 1118);
            EXPECT_TRUE(glas);
            EXPECT_EQ(Text(*f, 1107), "Einfachglas");
            EXPECT_EQ(f->focusWidget(), test::Id<QLineEdit>(*f, 1083));
            f->reject();
        });
        Klicke(*d, 1121);
        d->reject();
    });
    rahmen->BearbeiteWand(W.ID);
}

TEST_F(Tabellendialoge, NummernUeber99SindGesperrt)
{
    const std::int32_t id = test::HandgemachteWand(H(), 97).m_plane.ID;
    test::BeiModalemDialog([&](QDialog* d) {
        EXPECT_TRUE(Aktiv(*d, 1083));
        EXPECT_TRUE(Aktiv(*d, 1084));
        for (int id : {1085, 1086, 1031, 1032, 1044, 1045, 1026, 1027})
            EXPECT_FALSE(Aktiv(*d, id)) << id;
        Klicke(*d, 1035);
        EXPECT_EQ(test::Id<QRadioButton>(*d, 1041)->text(), "1") << "no row numbered past 99";
        d->reject();
    });
    rahmen->BearbeiteWand(id);
}

} // namespace
} // namespace zeva
