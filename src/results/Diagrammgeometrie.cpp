#include "results/Diagrammgeometrie.h"

#include "model/DBedarf.h"
#include "model/Zahlentext.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zeva::diagramm {

namespace {
std::size_t s_begrenzt = 0;
} // namespace

int Ganz(double x)
{
    if (!std::isfinite(x)) {
        ++s_begrenzt;
        return 0;
    }
    const double t = std::trunc(x);
    if (t > GanzGrenze) {
        ++s_begrenzt;
        return GanzGrenze;
    }
    if (t < -GanzGrenze) {
        ++s_begrenzt;
        return -GanzGrenze;
    }
    return static_cast<int>(t);
}

std::size_t AnzahlBegrenzt()
{
    return s_begrenzt;
}

void SetzeBegrenztZurueck()
{
    s_begrenzt = 0;
}

std::string Zahl(double x, int nachkomma)
{
    if (!std::isfinite(x))
        x = 0;
    return Zahltext(x, std::clamp(nachkomma, 0, 6), 0, false);
}

// ---- Energy flow

Energiefluesse Energiefluesse::Aus(const DBedarf& d)
{
    Energiefluesse e;
    e.Intern = d.ElektrizitaetNutzbar + d.PersonenNutzbar;
    e.Solar = d.Fenstergewinnnutzbarsumme;
    e.Heizenergie = d.Brennstoffenergiebedarf;
    e.Dach = d.Flachdachsumme + d.Steildachsumme + d.Deckesumme;
    e.Waende = d.Wandsumme;
    e.Fenster = d.Fensterverlustsumme;
    e.Lueftung = d.Lueftung;
    e.Boden = d.Bodensumme;
    e.Heizungsverlust = d.Heizungsverlust;
    return e;
}

double Energiefluesse::Verlust() const
{
    return std::max(Heizungsverlust, 0.0) + Boden + Lueftung + Fenster + Waende + Dach;
}

Anteile Anteile::Aus(const Energiefluesse& e)
{
    Anteile a;
    const double zufuhr = e.Zufuhr();
    const double verlust = e.Verlust();
    a.Zeichenbar = std::isfinite(zufuhr) && std::isfinite(verlust) && zufuhr > 0 && verlust > 0;
    if (!a.Zeichenbar)
        return a;
    a.fH = e.Heizenergie / zufuhr;
    a.fS = e.Solar / zufuhr;
    a.fI = e.Intern / zufuhr;
    a.fR = e.Dach / verlust;
    a.fWa = e.Waende / verlust;
    a.fWi = e.Fenster / verlust;
    a.fV = e.Lueftung / verlust;
    a.fB = e.Boden / verlust;
    a.fQ = e.Heizungsverlust / verlust;
    return a;
}

SankeyPolygone SankeyEcken(const Bereich& b, const Anteile& a, bool heizungsverlustPositiv)
{
    const double k = SankeyK;
    const double H = b.H;
    const double W = b.W;
    const double aH = std::fabs(H);
    auto X = [&](double f) { return b.X(f); };
    auto Y = [&](double f) { return b.Y(f); };
    SankeyPolygone p;

    p.Haus = {Ecke{X(0.292), Y(0.259)}, Ecke{X(0.669), Y(0.259)}, Ecke{X(0.669), Y(0.835)},
              Ecke{X(0.292), Y(0.835)}};

    // Supply: heating energy lowest, then solar, then the internal gains.
    auto& z = p.Zufuhr;
    const int y1 = Ganz(Y(0.777) - k * H * a.fH);
    const int y2 = Ganz(y1 - k * H * a.fH);
    const int x3 = Ganz(X(0.508) - 0.0774 * aH - 0.0828427 * W * a.fH);
    const int aStrich = Ganz(0.0774 * aH);
    const int aY = Ganz(0.0774 * H);
    const int y4 = y2 - aY;
    const int y7 = Ganz(y4 - k * H * a.fS);
    const int y8 = Ganz(y7 - k * H * a.fS);
    const double rStrich = k * aH * a.fR;
    const double xRd = X(0.615) - 2 * rStrich;
    const int xR = Ganz(xRd);
    z[0] = {X(0.277), y1};
    z[1] = {X(0.254), y2};
    z[2] = {x3, y2};
    z[3] = {x3 + aStrich, y4};
    z[4] = {X(0.5476), y4};
    z[5] = {X(0.254), y4};
    z[6] = {X(0.277), y7};
    z[7] = {X(0.254), y8};
    z[8] = {X(0.332), y8};
    z[9] = {X(0.31), y8};
    z[10] = {X(0.332), Ganz(y8 - k * H * a.fI)};
    z[11] = {X(0.31), Y(0.455)};
    z[12] = {xR, Y(0.455)};
    z[13] = {X(0.508), Y(0.696)};
    z[14] = {Ganz(X(0.508) - 0.0774 * aH), Ganz(0.0774 * H + Y(0.696))};
    z[15] = {X(0.254), Y(0.777)};
    z[16] = z[0];

    // Losses: roof up and right, walls, windows, ventilation, floor, and the
    // heating losses upwards.
    auto& v = p.Verluste;
    const double g = 0.05952 * H;
    const double gStrich = 0.05952 * aH;
    const int x615 = X(0.615);
    const int x731 = X(0.731);
    const int x754 = X(0.754);
    const int y455 = Y(0.455);
    const int y696 = Y(0.696);
    v[0] = {xR, y455};
    v[1] = {xR, Ganz(Y(0.25) - 2 * k * H * a.fR)};
    v[2] = {x731, v[1].y};
    v[3] = {x754, Ganz(Y(0.25) - k * H * a.fR)};
    v[4] = {x731, Y(0.25)};
    v[5] = {x615, Y(0.25)};
    const int y7v = Ganz(Y(0.696) - (1 - a.fWi - a.fWa - a.fV) * k * H - 2 * k * H * (a.fWa + a.fWi + a.fV));
    v[6] = {x615, y7v};
    v[7] = {x615, y7v};
    const int xw = Ganz(gStrich + x615);
    const int y9 = Ganz(y7v - g);
    v[8] = {xw, y9};
    v[9] = {x731, y9};
    const int y11 = Ganz(a.fWa * H * k + y9);
    v[10] = {x754, y11};
    const int y12 = Ganz(a.fWa * H * k + y11);
    v[11] = {x731, y12};
    const int x13 = Ganz(a.fWa * W * 0.0828427 + xw);
    v[12] = {x13, y12};
    const int y14 = Ganz(g + y12);
    v[13] = {Ganz(x13 - gStrich), y14};
    v[14] = {x615, y14};
    v[15] = {x731, y14};
    const int y17 = Ganz(a.fWi * H * k + y14);
    v[16] = {x754, y17};
    const int y18 = Ganz(a.fWi * H * k + y17);
    v[17] = {x731, y18};
    v[18] = {x615, y18};
    const int x20 = Ganz(x615 + a.fV * W * 0.0828427);
    v[19] = {x20, y18};
    const int y21 = Ganz(g + y18);
    v[20] = {Ganz(gStrich + x20), y21};
    v[21] = {x731, y21};
    const int y23 = Ganz(a.fV * H * k + y21);
    v[22] = {x754, y23};
    const int y24 = Ganz(a.fV * H * k + y23);
    v[23] = {x731, y24};
    v[24] = {xw, y24};
    const int y26 = Ganz(y24 - g);
    v[25] = {Ganz(xw - gStrich), y26};
    v[26] = {x615, y26};
    const int y28 = Ganz(Y(0.857) - 2 * a.fB * H * k);
    v[27] = {x615, y28};
    v[28] = {x731, y28};
    const int y30 = Ganz(a.fB * H * k + y28);
    v[29] = {x754, y30};
    const int y31 = Ganz(a.fB * H * k + y30);
    v[30] = {x731, y31};
    const int x32 = Ganz(x615 - 2 * a.fB * aH * k);
    v[31] = {x32, y31};
    v[32] = {x32, y696};
    v[33] = {X(0.508), y696};
    if (heizungsverlustPositiv) {
        const double qStrich = a.fQ * aH * k;
        const int x35 = Ganz(xRd - 2 * qStrich - 0.03 * W);
        const int y36 = Ganz(y455 - 0.232 * H);
        const int x38 = Ganz(xRd - 0.03 * W);
        v[34] = {x35, y455};
        v[35] = {x35, y36};
        v[36] = {Ganz(qStrich) + x35, y36 - Ganz(0.02 * H)};
        v[37] = {x38, y36};
        v[38] = {x38, y455};
    } else {
        for (int i = 34; i <= 38; ++i)
            v[i] = {X(0.508), y455};
    }
    v[39] = {xR, y455};
    return p;
}

// ---- Bar charts

long Achsenmaximum(double m)
{
    if (!std::isfinite(m) || m <= 0.5)
        return 0;
    // Beyond any demand a house can have; keeps the integers whole.
    m = std::min(m, 1e12);
    long long d = static_cast<long long>(std::trunc(m));
    int e = 0;
    while (d > 9) {
        d /= 10;
        ++e;
    }
    const double zehnE = std::pow(10.0, e);
    const double q = static_cast<double>(d) * zehnE;
    const double h = std::pow(10.0, e - 1);
    long long j = 0;
    if (m - q > 5 * h)
        j = static_cast<long long>(std::trunc(static_cast<double>(d + 1) * zehnE));
    else
        j = static_cast<long long>(std::trunc(q + 5 * h));
    if (j % 10 == 9)
        ++j;
    if (j % 10 == 4)
        ++j;
    return static_cast<long>(j);
}

Monatslayout Monatslayout::Aus(int x0, int x1)
{
    Monatslayout l;
    l.x0 = x0;
    l.u = (x1 - x0) / 37;
    l.b = 2 * (x1 - x0) / 37;
    return l;
}

const std::array<const char*, 12>& Monatsnamen()
{
    static const std::array<const char*, 12> namen = {"JAN", "FEB", "MÄR", "APR", "MAI", "JUN",
                                                      "JUL", "AUG", "SEP", "OKT", "NOV", "DEZ"};
    return namen;
}

// ---- Glaser diagram

GlaserLayout GlaserLayout::Aus(int w, int h, int legendenteiler)
{
    GlaserLayout l;
    l.g = w / 20;
    l.tick = l.g / 5;
    l.hl = legendenteiler > 0 ? h / legendenteiler : 0;
    l.W = w - 5 * l.g;
    l.H = h - l.hl - 3 * l.g;
    return l;
}

int GlaserX(double x, int x0, int W, double sd)
{
    return x0 + Ganz(x * W / sd);
}

int GlaserTemperaturY(double t, int B, int H)
{
    return B - Ganz((t + 10) * H / 30);
}

int GlaserDruckY(double p, int B, int H)
{
    return B - Ganz(p * H * 0.0004);
}

int SchichtGrau(int i)
{
    const int c = 255 - Ganz(19.2 * i);
    return ((c % 256) + 256) % 256;
}

std::vector<std::string> SdBeschriftungen(double sd)
{
    std::vector<std::string> texte;
    for (int k = 0; k <= 5; ++k)
        texte.push_back(Zahl(k * sd / 5, 2));
    return texte;
}

} // namespace zeva::diagramm
