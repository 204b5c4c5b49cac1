// The build-up details dialogs of the five opaque kinds, driven as the user
// meets them: layers typed into the page rows, paging, deleting, switching
// the build-up off and on, the renovation flags, and what OK and Abbrechen
// hand back to the record and to the table that opened the dialog.
#include "DetailsTestHilfen.h"

#include "input/CSchichtDetailsDlg.h"
#include "platform/DatenAustausch.h"
#include "platform/SkriptMeldungen.h"

#include <QRadioButton>
#include <memory>
#include <string>
#include <vector>

namespace zeva {
namespace {

using test::Aktiv;
using test::Id;
using test::Klicke;
using test::Markiert;
using test::Text;
using test::Tippe;

// Ids of the page rows 1 to 5.
constexpr int NameId[] = {1022, 1023, 1024, 1025, 1026};
constexpr int LambdaId[] = {1095, 1096, 1097, 1015, 1016};
constexpr int DickeId[] = {1017, 1018, 1019, 1098, 1021};
constexpr int MuId[] = {1020, 1027, 1028, 1099, 1029};
constexpr int RId[] = {1090, 1091, 1092, 1093, 1094};
constexpr int RadioId[] = {1046, 1047, 1048, 1049, 1050};
constexpr int ErsteSeite = 1038, Hoch = 1054, Runter = 1055, LetzteSeite = 1039;
constexpr int Schichtaufbau = 1008, UWert = 1053, Dicke = 1052, Loeschen = 4, OK = 1, Abbrechen = 2;

DSchicht L(std::string name, double dickeM = 0, double lambda = 0, double mu = 0)
{
    DSchicht s;
    s.Name = std::move(name);
    s.Dicke = dickeM;
    s.Lambda = lambda;
    s.Mu = mu;
    return s;
}

template <class T>
T Bauteil(std::vector<DSchicht> schichten = {}, int schicht = 1)
{
    T b;
    b.Nummer = 4;
    b.Kurzname = "X 4";
    b.Name = "Bestand";
    b.Schicht = schicht;
    for (const auto& s : schichten)
        b.m_Schichtaufbau.Add(s);
    return b;
}

std::vector<DSchicht> Nummeriert(int n)
{
    std::vector<DSchicht> v;
    for (int i = 1; i <= n; ++i)
        v.push_back(L(std::string("S") + std::to_string(i), 0.01 * i, 0.5));
    return v;
}

template <class T>
std::unique_ptr<CBauteilDetailsDlg<T>> Oeffne(const T& b, int kellerBeheizt = 0, double kellerhoehe = 2.5)
{
    std::unique_ptr<CBauteilDetailsDlg<T>> d;
    if constexpr (std::is_same_v<T, DBoden>)
        d = std::make_unique<CBodenDetailsDlg>(kellerBeheizt, kellerhoehe);
    else
        d = std::make_unique<CBauteilDetailsDlg<T>>();
    d->m_Bauteil = b;
    d->EinzelModus = 1;
    d->show();
    d->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(d.get()));
    return d;
}

QStringList Zeilennummern(const QWidget& d)
{
    QStringList n;
    for (int id : RadioId)
        n << Id<QRadioButton>(d, id)->text();
    return n;
}

QStringList Namen(const QWidget& d)
{
    QStringList n;
    for (int id : NameId)
        n << Text(d, id);
    return n;
}

QStringList RWerte(const QWidget& d)
{
    QStringList n;
    for (int id : RId)
        n << Text(d, id);
    return n;
}

struct Getippt {
    QString name, dicke, lambda;
};

struct LiveFall {
    const char* was;
    Bauteilart art;
    std::vector<Getippt> zeilen;
    QString u, dicke;
    QStringList r; // the first rows' R displays
};

// Opens the kind's dialog on an empty build-up and types the rows.
std::unique_ptr<CSchichtDetailsDlg> OeffneArt(Bauteilart art, const std::vector<DSchicht>& schichten = {})
{
    switch (art) {
    case Bauteilart::Boden: return Oeffne(Bauteil<DBoden>(schichten));
    case Bauteilart::Decke: return Oeffne(Bauteil<DDecke>(schichten));
    case Bauteilart::Flachdach: return Oeffne(Bauteil<DFlachdach>(schichten));
    case Bauteilart::Steildach: return Oeffne(Bauteil<DSteildach>(schichten));
    case Bauteilart::Wand: return Oeffne(Bauteil<DWand>(schichten));
    }
    return nullptr;
}

TEST(SchichtDetails, LiveWerteFolgenDemTippen)
{
    const std::vector<LiveFall> faelle = {
        {"floor, 20 cm with lambda 2", Bauteilart::Boden, {{"Beton", "20", "2"}}, "3,774", "20", {"0,1"}},
        {"wall, air layer 4 cm", Bauteilart::Wand, {{"Luftschicht", "4", ""}}, "3,053", "4", {"0,163"}},
        {"ceiling, air layer 4 cm", Bauteilart::Decke, {{"Luftschicht", "4", ""}}, "3,125", "4", {"0,155"}},
        {"pitched roof, rear ventilation ends the sum but not the thickness",
         Bauteilart::Steildach,
         {{"Sparren", "24", "0,8"}, {"Hinterlüftung", "3", ""}, {"Ziegel", "2", "0,13"}},
         "1,818",
         "29",
         {"0,3", "-  ", "-  "}},
        {"flat roof without layers", Bauteilart::Flachdach, {}, "6,061", "0", {"-  ", "-  ", "-  ", "-  ", "-  "}},
        {"air layer without thickness adds nothing", Bauteilart::Boden, {{"Luftschicht", "", ""}}, "6,061", "0",
         {"-  "}},
        {"a thickness that does not read counts as 0", Bauteilart::Boden, {{"Beton", "2x", "2"}}, "6,061", "0",
         {"-  "}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        auto d = OeffneArt(f.art);
        for (std::size_t k = 0; k < f.zeilen.size(); ++k) {
            Tippe(*d, NameId[k], f.zeilen[k].name);
            Tippe(*d, DickeId[k], f.zeilen[k].dicke);
            Tippe(*d, LambdaId[k], f.zeilen[k].lambda);
        }
        EXPECT_EQ(Text(*d, UWert), f.u);
        EXPECT_EQ(Text(*d, Dicke), f.dicke);
        EXPECT_EQ(RWerte(*d).mid(0, f.r.size()), f.r);
        EXPECT_FALSE(Aktiv(*d, UWert));
        EXPECT_FALSE(Aktiv(*d, Dicke));
    }
}

TEST(SchichtDetails, GleicherUWertAufJederSeite)
{
    // The rear ventilation as layer 2 of seven: whichever page shows it, the
    // U-value and the thickness stay.
    std::vector<DSchicht> aufbau = {L("Sparren", 0.24, 0.8), L("Hinterlüftung", 0.03), L("Ziegel", 0.02, 0.13),
                                    L("Luftschicht", 0.04), L("Rest", 0.01, 0.1), L("Putz", 0.0, 0.7),
                                    L("Folie")};
    auto d = Oeffne(Bauteil<DSteildach>(aufbau));
    EXPECT_EQ(Text(*d, UWert), "1,818");
    EXPECT_EQ(Text(*d, Dicke), "34");
    Klicke(*d, Runter);
    Klicke(*d, Runter);
    EXPECT_EQ(Zeilennummern(*d), QStringList({"3", "4", "5", "6", "7"}));
    EXPECT_EQ(Text(*d, UWert), "1,818");
    EXPECT_EQ(Text(*d, Dicke), "34");
    EXPECT_EQ(RWerte(*d), QStringList({"-  ", "-  ", "-  ", "-  ", "-  "}));
    // An air layer anywhere in the build-up allows work in the cavities.
    EXPECT_TRUE(Aktiv(*d, 1132));
}

TEST(SchichtDetails, LeeresFlachdachSpeichertLeereListe)
{
    auto d = Oeffne(Bauteil<DFlachdach>());
    EXPECT_EQ(Namen(*d), QStringList({"", "", "", "", ""}));
    Klicke(*d, OK);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_TRUE(d->m_Bauteil.m_Schichtaufbau.empty());
    EXPECT_EQ(d->m_Bauteil.Schicht, 1);
    EXPECT_DOUBLE_EQ(d->m_Bauteil.kWert, 6.061);
    EXPECT_DOUBLE_EQ(d->m_Bauteil.Dicke, 0);
}

TEST(SchichtDetails, ZeileOhneNamenWirdAbgewiesen)
{
    const QString meldung = QStringLiteral("Der Schichtaufbau ist nicht korrekt ausgefüllt.");
    for (int feld : {DickeId[2], LambdaId[2]}) {
        SkriptMeldungen antworten{QMessageBox::Ok, QMessageBox::Ok};
        auto d = Oeffne(Bauteil<DWand>({L("Putz", 0.01, 0.7)}));
        Tippe(*d, feld, "3");
        Klicke(*d, Runter);
        EXPECT_EQ(Zeilennummern(*d).front(), "1") << "paging refused";
        Klicke(*d, OK);
        EXPECT_TRUE(d->isVisible()) << "OK refused";
        ASSERT_EQ(antworten.Texte(), QStringList({meldung, meldung}));
        EXPECT_EQ(antworten.Anfragen()[0].symbol, Meldung::Symbol::Stopp);
        EXPECT_EQ(Text(*d, feld), "3") << "the input stays";
    }
    // A name without numbers passes, and µ alone is never checked.
    SkriptMeldungen keine;
    auto d = Oeffne(Bauteil<DWand>());
    Tippe(*d, NameId[0], "Folie");
    Tippe(*d, MuId[1], "50000");
    Klicke(*d, OK);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_TRUE(keine.Anfragen().empty());
    ASSERT_EQ(d->m_Bauteil.m_Schichtaufbau.size(), 2u);
    EXPECT_EQ(d->m_Bauteil.m_Schichtaufbau[0].Name, "Folie");
    EXPECT_DOUBLE_EQ(d->m_Bauteil.m_Schichtaufbau[1].Mu, 50000);
}

TEST(SchichtDetails, Blaettern)
{
    {
        auto d = Oeffne(Bauteil<DWand>(Nummeriert(5)));
        EXPECT_FALSE(Aktiv(*d, ErsteSeite));
        EXPECT_FALSE(Aktiv(*d, Hoch));
        EXPECT_FALSE(Aktiv(*d, LetzteSeite));
        EXPECT_TRUE(Aktiv(*d, Runter));
        Klicke(*d, Runter);
        EXPECT_EQ(Zeilennummern(*d), QStringList({"2", "3", "4", "5", "6"}));
        EXPECT_EQ(Namen(*d), QStringList({"S2", "S3", "S4", "S5", ""}));
        EXPECT_TRUE(Aktiv(*d, Hoch));
        Klicke(*d, Hoch);
        EXPECT_EQ(Zeilennummern(*d).front(), "1");
        // Trailing empty layers that paging appended are gone at OK.
        Klicke(*d, OK);
        EXPECT_EQ(d->m_Bauteil.m_Schichtaufbau.size(), 5u);
    }
    {
        auto d = Oeffne(Bauteil<DWand>(Nummeriert(12)));
        Klicke(*d, LetzteSeite);
        EXPECT_EQ(Zeilennummern(*d), QStringList({"8", "9", "10", "11", "12"}));
        EXPECT_FALSE(Aktiv(*d, LetzteSeite));
        Klicke(*d, ErsteSeite);
        EXPECT_EQ(Zeilennummern(*d).front(), "1");
    }
    {
        // At most 100 layers: from layer 96 on top "d" moves nothing.
        auto d = Oeffne(Bauteil<DWand>(Nummeriert(100)));
        Klicke(*d, LetzteSeite);
        EXPECT_EQ(Zeilennummern(*d), QStringList({"96", "97", "98", "99", "100"}));
        Klicke(*d, Runter);
        EXPECT_EQ(Zeilennummern(*d), QStringList({"96", "97", "98", "99", "100"}));
        Klicke(*d, OK);
        EXPECT_EQ(d->m_Bauteil.m_Schichtaufbau.size(), 100u);
    }
    {
        // Edits on a page reach the layers when the page moves; an empty
        // layer between filled ones stays.
        auto d = Oeffne(Bauteil<DWand>(Nummeriert(6)));
        Tippe(*d, NameId[1], "");
        Tippe(*d, DickeId[1], "0");
        Tippe(*d, LambdaId[1], "0");
        Klicke(*d, Runter);
        Tippe(*d, NameId[4], "Neu");
        Klicke(*d, OK);
        const auto& s = d->m_Bauteil.m_Schichtaufbau;
        ASSERT_EQ(s.size(), 6u);
        EXPECT_EQ(s[1].Name, "");
        EXPECT_EQ(s[5].Name, "Neu");
    }
}

TEST(SchichtDetails, ZeileWaehlenUndLoeschen)
{
    {
        SkriptMeldungen antworten{QMessageBox::No, QMessageBox::Yes};
        auto d = Oeffne(Bauteil<DWand>(Nummeriert(5)));
        EXPECT_FALSE(Aktiv(*d, Loeschen));
        Klicke(*d, RadioId[1]);
        EXPECT_TRUE(Markiert(*d, RadioId[1]));
        EXPECT_TRUE(Aktiv(*d, Loeschen));
        Klicke(*d, Loeschen);
        EXPECT_EQ(Namen(*d), QStringList({"S1", "S2", "S3", "S4", "S5"})) << "No keeps the layer";
        Klicke(*d, Loeschen);
        EXPECT_EQ(Namen(*d), QStringList({"S1", "S3", "S4", "S5", ""}));
        ASSERT_EQ(antworten.Texte(), QStringList({"Schicht Nr. 2 löschen?", "Schicht Nr. 2 löschen?"}));
        EXPECT_EQ(antworten.Anfragen()[0].symbol, Meldung::Symbol::Ausruf);
        EXPECT_EQ(antworten.Anfragen()[0].knoepfe, QMessageBox::Yes | QMessageBox::No);
        EXPECT_FALSE(Aktiv(*d, Loeschen)) << "no layer is selected after deleting";
    }
    {
        // Seven layers shown from layer 3: deleting one leaves six shown
        // from layer 2.
        SkriptMeldungen antworten{QMessageBox::Yes};
        auto d = Oeffne(Bauteil<DWand>(Nummeriert(7)));
        Klicke(*d, Runter);
        Klicke(*d, Runter);
        // The focus in a field of row 1 selects its layer.
        Id(*d, DickeId[0])->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        EXPECT_TRUE(Markiert(*d, RadioId[0]));
        Klicke(*d, Loeschen);
        EXPECT_EQ(antworten.Texte(), QStringList({"Schicht Nr. 3 löschen?"}));
        EXPECT_EQ(Zeilennummern(*d), QStringList({"2", "3", "4", "5", "6"}));
        EXPECT_EQ(Namen(*d), QStringList({"S2", "S4", "S5", "S6", "S7"}));
        // The selection leaves the page with paging: no radio is checked.
        Klicke(*d, RadioId[4]);
        Klicke(*d, ErsteSeite);
        for (int id : RadioId)
            EXPECT_FALSE(Markiert(*d, id));
        EXPECT_FALSE(Aktiv(*d, Loeschen));
    }
}

TEST(SchichtDetails, OhneSchichtaufbau)
{
    // Direct entry: the list is emptied at OK and the typed values count.
    auto d = Oeffne(Bauteil<DWand>(Nummeriert(3)));
    Klicke(*d, Schichtaufbau);
    EXPECT_TRUE(Aktiv(*d, UWert));
    EXPECT_EQ(Namen(*d), QStringList({"", "", "", "", ""}));
    EXPECT_EQ(RWerte(*d), QStringList({"", "", "", "", ""}));
    for (int id : {ErsteSeite, Hoch, Runter, LetzteSeite, Loeschen, NameId[0]})
        EXPECT_FALSE(Aktiv(*d, id)) << id;
    Tippe(*d, UWert, "0,45");
    Tippe(*d, Dicke, "36,5");
    Klicke(*d, OK);
    EXPECT_EQ(d->m_Bauteil.Schicht, 0);
    EXPECT_TRUE(d->m_Bauteil.m_Schichtaufbau.empty());
    EXPECT_DOUBLE_EQ(d->m_Bauteil.kWert, 0.45);
    EXPECT_DOUBLE_EQ(d->m_Bauteil.Dicke, 0.365);
}

TEST(SchichtDetails, FlachdachAusUndEinLaesstSchichtenStehen)
{
    DFlachdach dach = Bauteil<DFlachdach>(Nummeriert(5));
    dach.SanbarInnen = 1;
    dach.SanbarAussen = 1;
    auto d = Oeffne(dach);
    Klicke(*d, Schichtaufbau);
    // Both exchange the page; the empty rows must not reach the layers.
    Klicke(*d, 1134);
    Klicke(*d, 1136);
    EXPECT_TRUE(Aktiv(*d, 1000));
    EXPECT_TRUE(Aktiv(*d, 1001));
    Klicke(*d, Schichtaufbau);
    EXPECT_EQ(Namen(*d), QStringList({"S1", "S2", "S3", "S4", "S5"}));
    Klicke(*d, OK);
    EXPECT_EQ(d->m_Bauteil.m_Schichtaufbau.size(), 5u);
    EXPECT_EQ(d->m_Bauteil.SanMussInnen, 1);
    EXPECT_EQ(d->m_Bauteil.SanMussAussen, 1);
}

TEST(SchichtDetails, SanierungsFlags)
{
    {
        // Unticking "möglich" clears "erforderlich", hidden as it is here.
        DWand w = Bauteil<DWand>();
        w.SanbarInnen = 1;
        w.SanMussInnen = 1;
        w.SanbarAussen = 1;
        w.SanMussAussen = 1;
        w.SowiesoInnen = 120;
        w.GesamteFassadeBetrachten = 0;
        auto d = Oeffne(w);
        EXPECT_FALSE(Id(*d, 1134)->isVisible());
        EXPECT_FALSE(Id(*d, 1000)->isVisible());
        Klicke(*d, 1131);
        Klicke(*d, 1133);
        Klicke(*d, OK);
        EXPECT_EQ(d->m_Bauteil.SanbarInnen, 0);
        EXPECT_EQ(d->m_Bauteil.SanMussInnen, 0);
        EXPECT_EQ(d->m_Bauteil.SanMussAussen, 0);
        EXPECT_DOUBLE_EQ(d->m_Bauteil.SowiesoInnen, 120);
        EXPECT_EQ(d->m_Bauteil.GesamteFassadeBetrachten, 0);
    }
    {
        // Cavities need an air layer; without a build-up they are free.
        DWand w = Bauteil<DWand>({L("Ziegel", 0.3, 0.8)});
        w.SanbarZwischen = 1;
        auto d = Oeffne(w);
        EXPECT_FALSE(Aktiv(*d, 1132));
        Klicke(*d, OK);
        EXPECT_EQ(d->m_Bauteil.SanbarZwischen, 0);

        DWand direkt = Bauteil<DWand>({}, 0);
        direkt.SanbarZwischen = 0;
        auto ohne = Oeffne(direkt);
        EXPECT_TRUE(Aktiv(*ohne, 1132));
        Klicke(*ohne, 1132);
        Klicke(*ohne, OK);
        EXPECT_EQ(ohne->m_Bauteil.SanbarZwischen, 1);

        auto getippt = Oeffne(Bauteil<DWand>());
        Tippe(*getippt, NameId[2], "Luftschicht");
        EXPECT_TRUE(Aktiv(*getippt, 1132));
    }
    {
        // The floor's outside is fixed above a heated or a low basement.
        struct Keller {
            int beheizt;
            double hoehe;
            bool frei;
        };
        for (const Keller k : {Keller{1, 2.5, false}, Keller{0, 0.9, false}, Keller{0, 1.0, true}}) {
            for (int aussen : {0, 1}) {
                DBoden b = Bauteil<DBoden>();
                b.SanbarAussen = aussen;
                auto d = Oeffne(b, k.beheizt, k.hoehe);
                EXPECT_EQ(Aktiv(*d, 1133), k.frei) << k.beheizt << " " << k.hoehe;
                Klicke(*d, OK);
                EXPECT_EQ(d->m_Bauteil.SanbarAussen, aussen);
            }
        }
    }
}

TEST(SchichtDetails, MuBereich)
{
    {
        auto d = Oeffne(Bauteil<DDecke>());
        Tippe(*d, NameId[0], "Dampfbremse");
        Tippe(*d, MuId[0], "-1");
        Klicke(*d, OK);
        EXPECT_EQ(d->result(), QDialog::Accepted);
        EXPECT_DOUBLE_EQ(d->m_Bauteil.m_Schichtaufbau[0].Mu, -1);
    }
    SkriptMeldungen antworten{QMessageBox::Ok};
    auto d = Oeffne(Bauteil<DSteildach>());
    Tippe(*d, NameId[0], "Dampfbremse");
    Tippe(*d, MuId[0], "-1");
    Klicke(*d, OK);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(antworten.Texte(), QStringList({"Geben Sie eine Zahl zwischen 0 und 10000000000 ein."}));
}

TEST(SchichtDetails, WarmUndKaltdach)
{
    for (int warm : {1, 0}) {
        DFlachdach f = Bauteil<DFlachdach>();
        f.Warmdach = warm;
        auto d = Oeffne(f);
        EXPECT_EQ(Markiert(*d, 1264), warm == 1);
        EXPECT_EQ(Markiert(*d, 1265), warm == 0);
        EXPECT_TRUE(Id(*d, 1134)->isVisible());
        EXPECT_FALSE(Aktiv(*d, 1000)) << "cost fields follow SanMuss";
        Klicke(*d, warm == 1 ? 1265 : 1264);
        Klicke(*d, OK);
        EXPECT_EQ(d->m_Bauteil.Warmdach, 1 - warm);
    }
}

TEST(SchichtDetails, TitelUndNummer)
{
    struct Fall {
        Bauteilart art;
        const char* titel;
        const char* nummer;
    };
    for (const Fall& f : {Fall{Bauteilart::Boden, "Details Boden - X 4", "Bearbeitet wird Boden Nr. 4"},
                          Fall{Bauteilart::Decke, "Details Decke - X 4", "Bearbeitet wird Decke Nr. 4"},
                          Fall{Bauteilart::Flachdach, "Details Flachdach - X 4", "Bearbeitet wird Flachdach Nr. 4"},
                          Fall{Bauteilart::Steildach, "Details Steildach - X 4", "Bearbeitet wird Steildach Nr. 4"},
                          Fall{Bauteilart::Wand, "Details Wand - X 4", "Bearbeitet wird Wand Nr. 4"}}) {
        auto d = OeffneArt(f.art, Nummeriert(6));
        Klicke(*d, Runter);
        Klicke(*d, ErsteSeite);
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8(f.titel));
        EXPECT_EQ(Text(*d, 1100), QString::fromUtf8(f.nummer));
        EXPECT_EQ(FindeId(d.get(), 57670), nullptr) << "no help button";
        if (f.art == Bauteilart::Flachdach)
            test::Bild(*d, "details-flachdach");
        if (f.art == Bauteilart::Wand)
            test::Bild(*d, "details-wand");
    }
    // The default component of an input step has no short name yet: the
    // caption ends with the kind.
    DWand ohneName = Bauteil<DWand>();
    ohneName.Kurzname = "";
    EXPECT_EQ(Oeffne(ohneName)->windowTitle(), QStringLiteral("Details Wand"));
}

// A table that records what the details dialog tells it.
class Tabelle : public DetailsEmpfaenger<DDecke> {
public:
    void DetailsUebernehmen(const DDecke& b) override { aufrufe.push_back("Uebernehmen " + b.Name); }
    void DetailsGeschlossen() override { aufrufe.push_back("Geschlossen"); }
    std::vector<std::string> aufrufe;
};

TEST(SchichtDetails, MeldetDerTabelle)
{
    struct Fall {
        int modus;
        int knopf;
        std::vector<std::string> erwartet;
    };
    for (const Fall& f : {Fall{0, OK, {"Uebernehmen Neu", "Geschlossen"}}, Fall{0, Abbrechen, {"Geschlossen"}},
                          Fall{1, OK, {}}, Fall{1, Abbrechen, {}}}) {
        Tabelle tabelle;
        CDeckeDetailsDlg d;
        d.m_Bauteil = Bauteil<DDecke>();
        d.EinzelModus = f.modus;
        d.SetzeEmpfaenger(&tabelle);
        d.show();
        Tippe(d, 1051, "Neu");
        Klicke(d, f.knopf);
        EXPECT_EQ(tabelle.aufrufe, f.erwartet) << f.modus << " " << f.knopf;
        EXPECT_EQ(d.result(), f.knopf == OK ? QDialog::Accepted : QDialog::Rejected);
    }
}

} // namespace
} // namespace zeva
