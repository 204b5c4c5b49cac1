// The window details dialog: values in and out (the g-value in per cent),
// the range checks, the hidden renovation values that pass through, the
// inclination radios and what the table that opened it is told.
#include "DetailsTestHilfen.h"

#include "input/CFensterDetailsDlg.h"
#include "platform/SkriptMeldungen.h"

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

constexpr int GWert = 1075, UGlas = 1132, URahmen = 1055, Reduktion = 1054, Moeglich = 1180, OK = 1,
              Abbrechen = 2;

DFenster Fenster()
{
    DFenster f;
    f.Nummer = 3;
    f.kWertGlas = 2.8;
    f.kWertRahmen = 1.9;
    f.gWert = 0.6;
    f.Neigung = 1;
    f.Reduktionsfaktor = 0.7;
    f.Sanbar = 1;
    f.SanMuss = 1;
    f.Sowieso = 250;
    f.GesamteFassadeBetrachten = 0;
    return f;
}

std::unique_ptr<CFensterDetailsDlg> Oeffne(const DFenster& f)
{
    auto d = std::make_unique<CFensterDetailsDlg>();
    d->m_Bauteil = f;
    d->EinzelModus = 1;
    d->show();
    QApplication::processEvents();
    return d;
}

TEST(FensterDetails, WerteHinUndZurueck)
{
    auto d = Oeffne(Fenster());
    EXPECT_EQ(d->windowTitle(), "Fensterdetails");
    EXPECT_EQ(Text(*d, 1074), "3");
    EXPECT_EQ(Text(*d, GWert), "60");
    EXPECT_EQ(Text(*d, UGlas), "2,8");
    EXPECT_TRUE(Markiert(*d, 1145));
    EXPECT_FALSE(Id(*d, 1181)->isVisible());
    EXPECT_FALSE(Id(*d, 1000)->isVisible());
    EXPECT_FALSE(Id(*d, 1031)->isVisible());
    test::Bild(*d, "fensterdetails");
    Tippe(*d, GWert, "45");
    Tippe(*d, UGlas, "0");
    Tippe(*d, URahmen, "1,3");
    Tippe(*d, Reduktion, "0,5");
    Klicke(*d, 1146);
    Klicke(*d, OK);
    ASSERT_EQ(d->result(), QDialog::Accepted);
    const DFenster& f = d->m_Bauteil;
    EXPECT_DOUBLE_EQ(f.gWert, 0.45);
    EXPECT_DOUBLE_EQ(f.kWertGlas, 0) << "a U-value of 0 is accepted";
    EXPECT_DOUBLE_EQ(f.kWertRahmen, 1.3);
    EXPECT_DOUBLE_EQ(f.Reduktionsfaktor, 0.5);
    EXPECT_EQ(f.Neigung, 2);
    EXPECT_EQ(f.SanMuss, 1);
    EXPECT_DOUBLE_EQ(f.Sowieso, 250);
    EXPECT_EQ(f.GesamteFassadeBetrachten, 0);
    EXPECT_EQ(f.Nummer, 3);
}

TEST(FensterDetails, BereicheWerdenGeprueft)
{
    struct Fall {
        int feld;
        const char* text;
        const char* meldung;
    };
    for (const Fall& f : {Fall{GWert, "1,9", "Geben Sie eine Zahl zwischen 2 und 100 ein."},
                          Fall{GWert, "100,5", "Geben Sie eine Zahl zwischen 2 und 100 ein."},
                          Fall{GWert, "", "Geben Sie eine Zahl ein."},
                          Fall{Reduktion, "1,2", "Geben Sie eine Zahl zwischen 0 und 1 ein."},
                          Fall{URahmen, "-0,1", "Geben Sie eine Zahl zwischen 0 und 1000000 ein."}}) {
        SkriptMeldungen antworten{QMessageBox::Ok};
        auto d = Oeffne(Fenster());
        Tippe(*d, f.feld, QString::fromUtf8(f.text));
        Klicke(*d, OK);
        EXPECT_TRUE(d->isVisible()) << f.text;
        EXPECT_EQ(antworten.Texte(), QStringList({QString::fromUtf8(f.meldung)})) << f.text;
        EXPECT_DOUBLE_EQ(d->m_Bauteil.gWert, 0.6) << "nothing written";
    }
}

TEST(FensterDetails, MoeglichUndErforderlich)
{
    auto d = Oeffne(Fenster());
    EXPECT_TRUE(Aktiv(*d, 1181));
    Klicke(*d, Moeglich);
    EXPECT_FALSE(Aktiv(*d, 1181));
    Klicke(*d, OK);
    EXPECT_EQ(d->m_Bauteil.Sanbar, 0);
    EXPECT_EQ(d->m_Bauteil.SanMuss, 0) << "required needs possible";
}

TEST(FensterDetails, UnbekannteNeigungBleibt)
{
    DFenster f = Fenster();
    f.Neigung = 5;
    auto d = Oeffne(f);
    for (int id : {1144, 1145, 1146})
        EXPECT_FALSE(Markiert(*d, id));
    Klicke(*d, OK);
    EXPECT_EQ(d->m_Bauteil.Neigung, 5);
}

class Tabelle : public DetailsEmpfaenger<DFenster> {
public:
    void DetailsUebernehmen(const DFenster& f) override { aufrufe.push_back("Uebernehmen " + std::to_string(f.gWert)); }
    void DetailsGeschlossen() override { aufrufe.push_back("Geschlossen"); }
    std::vector<std::string> aufrufe;
};

TEST(FensterDetails, MeldetDerTabelle)
{
    struct Fall {
        int modus;
        int knopf;
        std::vector<std::string> erwartet;
    };
    for (const Fall& f : {Fall{0, OK, {"Uebernehmen 0.450000", "Geschlossen"}}, Fall{0, Abbrechen, {"Geschlossen"}},
                          Fall{1, OK, {}}}) {
        Tabelle tabelle;
        CFensterDetailsDlg d;
        d.m_Bauteil = Fenster();
        d.EinzelModus = f.modus;
        d.SetzeEmpfaenger(&tabelle);
        d.show();
        Tippe(d, GWert, "45");
        Klicke(d, f.knopf);
        EXPECT_EQ(tabelle.aufrufe, f.erwartet) << f.modus << " " << f.knopf;
    }
}

} // namespace
} // namespace zeva
