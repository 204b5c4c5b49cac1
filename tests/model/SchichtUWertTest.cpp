#include "model/SchichtUWert.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zeva {
namespace {

DSchicht Schicht(std::string name, double dicke, double lambda = 0)
{
    DSchicht s;
    s.Name = std::move(name);
    s.Dicke = dicke;
    s.Lambda = lambda;
    return s;
}

struct UWertFall {
    const char* was;
    std::vector<DSchicht> schichten;
    int fall;
    double uWert;
    double dickeCm;
};

TEST(SchichtUWert, Aufbauten)
{
    const std::vector<UWertFall> faelle = {
        {"empty build-up: surface resistances only", {}, 1, 6.061, 0},
        {"brick and air layer (roof case)",
         {Schicht("Ziegel", 0.20, 2.0), Schicht("Luftschicht", 0.03)},
         1,
         2.41,
         23},
        {"same air layer as a wall: 0.155 in place of 0.15",
         {Schicht("Ziegel", 0.20, 2.0), Schicht("Luftschicht", 0.03)},
         0,
         2.381,
         23},
        {"rear ventilation first ends the sum",
         {Schicht("Hinterlüftung", 0.04), Schicht("Ziegel", 0.2, 0.5), Schicht("Putz", 0.02, 0.7)},
         1,
         4,
         26},
        {"only the first rear ventilation counts",
         {Schicht("Ziegel", 0.2, 0.5), Schicht("Hinterlüftung", 0.04), Schicht("Hinterlüftung", 0.04)},
         1,
         1.538,
         28},
        {"zero-thickness air layer adds nothing; 1/0.265 to four digits",
         {Schicht("Ziegel", 0.20, 2.0), Schicht("Luftschicht", 0.0)},
         1,
         3.774,
         20},
        {"layer without lambda adds thickness but no resistance",
         {Schicht("Folie", 0.001, 0.0), Schicht("Dämmung", 0.1, 0.04)},
         1,
         0.3752,
         10.1},
        {"air layer ignores its lambda",
         {Schicht("Luftschicht", 0.2, 0.001)},
         1,
         3.077,
         20},
        {"names are case-sensitive: 'luftschicht' is a plain layer",
         {Schicht("luftschicht", 0.03, 0.025)},
         1,
         0.7326,
         3},
    };
    for (const auto& f : faelle) {
        const SchichtUWert r = BerechneSchichtUWert(f.schichten, f.fall);
        EXPECT_DOUBLE_EQ(r.UWert, f.uWert) << f.was;
        EXPECT_NEAR(r.DickeCm, f.dickeCm, 1e-9) << f.was;
    }
}

TEST(SchichtUWert, BeitragJederSchicht)
{
    // What each layer adds, and whether it has a resistance of its own to
    // show: not the rear ventilation, not what lies outside it, not a layer
    // that adds nothing.
    struct Fall {
        DSchicht schicht;
        double r;
        bool eigenerWert;
    };
    const std::vector<Fall> faelle = {
        {Schicht("Sparren", 0.24, 0.8), 0.3, true},
        {Schicht("Luftschicht", 0.0), 0, false},
        {Schicht("Luftschicht", 0.04), 0.155, true},
        {Schicht("Folie", 0.001, 0.0), 0, false},
        {Schicht("Hinterlüftung", 0.03), 0.085, false},
        {Schicht("Ziegel", 0.02, 0.13), 0, false},
        {Schicht("Luftschicht", 0.04), 0, false},
    };
    SchichtUWertRechner rechner(1);
    for (const auto& f : faelle) {
        const SchichtBeitrag b = rechner.Schicht(f.schicht);
        EXPECT_NEAR(b.r, f.r, 1e-12) << f.schicht.Name;
        EXPECT_EQ(b.eigenerWert, f.eigenerWert) << f.schicht.Name;
    }
    // 0.165 + 0.3 + 0.155 + 0.085
    EXPECT_DOUBLE_EQ(rechner.Ergebnis().UWert, 1.418);
}

TEST(SchichtUWert, NimmtZeigerFolgen)
{
    std::vector<std::unique_ptr<DSchicht>> besitzend;
    besitzend.push_back(std::make_unique<DSchicht>(Schicht("Ziegel", 0.20, 2.0)));
    besitzend.push_back(std::make_unique<DSchicht>(Schicht("Luftschicht", 0.03)));
    EXPECT_DOUBLE_EQ(BerechneSchichtUWert(besitzend, 1).UWert, 2.41);

    const std::vector<const DSchicht*> zeiger = {besitzend[0].get(), besitzend[1].get()};
    EXPECT_DOUBLE_EQ(BerechneSchichtUWert(zeiger, 1).UWert, 2.41);
}

TEST(SchichtUWert, LeereEndschichtenFallenWeg)
{
    CDSchichtArray aufbau;
    aufbau.Add(Schicht("Ziegel", 0.2, 0.8));
    aufbau.Add(DSchicht());
    aufbau.Add(Schicht("Putz", 0.01, 0.7));
    aufbau.Add(DSchicht());
    DSchicht nurBild;
    nurBild.Bitmappfad = "b.bmp";
    aufbau.Add(nurBild);
    aufbau.Add(DSchicht());
    aufbau.Add(DSchicht());

    EntferneLeereEndschichten(aufbau);
    ASSERT_EQ(aufbau.size(), 5u); // the layer with only a picture is not empty
    EXPECT_EQ(aufbau[4].Bitmappfad, "b.bmp");
    EXPECT_TRUE(aufbau[1].IstLeer()); // inner empty layers stay

    CDSchichtArray leer;
    leer.SetSize(3);
    EntferneLeereEndschichten(leer);
    EXPECT_TRUE(leer.empty());
}

} // namespace
} // namespace zeva
