#include "geometry/Gaubeneingabe.h"

#include "geometry/CPolygon2D.h"
#include "geometry/Plangeometrie.h"
#include "model/Haus.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zeva {

namespace {

constexpr double Pi = std::numbers::pi;
// An empty extent of the face's box is widened to this, so the scales stay
// finite for a face seen edge-on.
constexpr double KleinsteAusdehnung = 0.0001;
// Front-view outlines that share less area than this merely touch.
constexpr double Beruehrung = 1e-9;

// X→Y:f.
Punkt3D Teilpunkt(const Punkt3D& x, const Punkt3D& y, double f)
{
    return x + (y - x) * f;
}

Punkt2D Plan(const Punkt3D& p)
{
    return {p.x, p.z};
}

// p turned in plan about the centre c by the angle w (radians).
Punkt3D DreheUm(const Punkt3D& p, const Punkt3D& c, double w)
{
    const double r = Abstand(Plan(c), Plan(p));
    if (!(r > 0))
        return p;
    const double d = Richtungswinkel(Plan(c), Plan(p)) * Pi / 180.0;
    return {c.x + r * std::cos(d + w), p.y, c.z + r * std::sin(d + w)};
}

constexpr auto Viereck = &Plane::AusEcken;

Zeichenprimitiv Primitiv(Zeichenprimitiv::Art art, std::vector<Punkt2D> punkte, float r, float g, float b)
{
    Zeichenprimitiv z;
    z.art = art;
    z.punkte = std::move(punkte);
    z.farbe = {r, g, b, 1};
    return z;
}

// Whether the wall's horizontal normal points the way the face's does.
bool SchautWieDieFlaeche(const Plane& wand, const Plane& flaeche)
{
    const Punkt3D w = wand.Normale();
    const Punkt3D f = flaeche.Normale();
    return w.x * f.x + w.z * f.z >= 0;
}

template <class A>
void LoescheVonHinten(A& records, int gaubenID)
{
    for (std::size_t i = records.size(); i-- > 0;)
        if (records[i].m_plane.GaubenID == gaubenID)
            records.RemoveAt(i);
}

} // namespace

double Dachgeschossdecke(const Haus& haus)
{
    return haus.Stockwerkszahl * haus.Stockwerkshoehe + haus.Kellerhoehe + haus.Dachgeschosshoehe;
}

Gaubenanteile BerechneGaubenanteile(double b, double m, double t, double hc)
{
    Gaubenanteile a;
    if (hc >= t) {
        a.front = a.flaeche = a.dach = 1;
    } else if (hc <= b) {
        // all 0
    } else if (hc <= m) {
        a.front = (hc - b) / (m - b);
        a.flaeche = (hc - b) / (t - b);
    } else {
        a.dach = (hc - m) / (t - m);
        a.flaeche = (hc - b) / (t - b);
        a.front = 1;
    }
    return a;
}

Plane FindePlane(const Haus& haus, int id)
{
    for (const Plane& p : haus.m_aPlane)
        if (p.ID == id)
            return p;
    return Plane();
}

Plane MitDachgeometrie(const Haus& haus, const Plane& flaeche)
{
    Plane ergebnis = flaeche;
    for (const Plane& p : haus.m_aPlane)
        if (p.ArtAusID() == flaechenart::DachGeometrie * IdArtFaktor && p.NummerAusID() == flaeche.NummerAusID()
            && p.GeschossAusID() == flaeche.GeschossAusID() && p.IndexAusID() == flaeche.IndexAusID()) {
            for (int k = 0; k < 4; ++k)
                ergebnis.Ecke(k) = p.Ecke(k);
            break;
        }
    return ergebnis;
}

std::optional<Plane> DachflaecheFuerGaube(const Haus& haus, int steildachID)
{
    for (const DSteildach& d : haus.m_aSteildach)
        if (d.m_plane.ID == steildachID)
            return MitDachgeometrie(haus, d.m_plane);
    return std::nullopt;
}

std::optional<Plane> DachflaecheDerGaube(const Haus& haus, int gaubenIndex)
{
    if (gaubenIndex < 0 || static_cast<std::size_t>(gaubenIndex) >= haus.m_aGaube.size())
        return std::nullopt;
    // Not by FassadenID: outside zone 0 the face's ID carries its zone and
    // the FassadenID does not.
    const Plane flaeche = FindePlane(haus, haus.m_aGaube[static_cast<std::size_t>(gaubenIndex)].Traeger1ID);
    if (flaeche.ID < 0)
        return std::nullopt;
    return MitDachgeometrie(haus, flaeche);
}

int GaubenIndexVon(const Haus& haus, int gaubenID)
{
    for (std::size_t i = 0; i < haus.m_aGaube.size(); ++i)
        if (haus.m_aGaube[i].ID == gaubenID)
            return static_cast<int>(i);
    return -1;
}

int DeckeDerGaube(const Haus& haus, int gaubenID)
{
    const int index = GaubenIndexVon(haus, gaubenID);
    if (index < 0)
        return -1;
    // The rule by which the net areas add the dormer's ceiling.
    const int zone = ZoneAusID(haus.m_aGaube[static_cast<std::size_t>(index)].Traeger1ID);
    for (const DDecke& d : haus.m_aDecke)
        if (d.m_plane.ArtAusID() == flaechenart::DeckeUnterDach * IdArtFaktor && d.m_plane.ZoneAusID() == zone)
            return d.m_plane.ID;
    return -1;
}

void LoescheGaube(Haus& haus, int gaubenID)
{
    LoescheVonHinten(haus.m_aWand, gaubenID);
    LoescheVonHinten(haus.m_aDecke, gaubenID);
    LoescheVonHinten(haus.m_aSteildach, gaubenID);
    LoescheVonHinten(haus.m_aFenster, gaubenID);
    for (std::size_t i = haus.m_aPlane.size(); i-- > 0;)
        if (haus.m_aPlane[i].GaubenID == gaubenID)
            haus.m_aPlane.RemoveAt(i);
    for (std::size_t i = haus.m_aGaube.size(); i-- > 0;)
        if (haus.m_aGaube[i].ID == gaubenID)
            haus.m_aGaube.RemoveAt(i);
}

// ----- set-up ------------------------------------------------------------------------

Punkt3D Gaubeneingabe::Gedreht(const Punkt3D& p) const
{
    return DreheUm(p, Flaeche.lu, Drehwinkel);
}

Punkt2D Gaubeneingabe::ImUnterenPanel(const Punkt3D& g) const
{
    const double f = Zeichenfaktor * s1;
    return {(g.x - Mittelpunkt.x) * f + Mitte_unten.x, (g.y - Mittelpunkt.y) * f + Mitte_unten.y};
}

Punkt2D Gaubeneingabe::ImOberenPanel(const Punkt3D& g) const
{
    const double f = Zeichenfaktor * s2;
    return {(g.z - Mittelpunkt.z) * f + Mitte_oben.x, (g.y - Mittelpunkt.y) * f + Mitte_oben.y};
}

Punkt3D Gaubeneingabe::Zurueck(const Punkt2D& ansicht, const Punkt2D& profil) const
{
    const double f1 = Zeichenfaktor * s1;
    const double f2 = Zeichenfaktor * s2;
    const Punkt3D gedreht((ansicht.x - Mitte_unten.x) / f1 + Mittelpunkt.x, (profil.y - Mitte_oben.y) / f2 + Mittelpunkt.y,
                          (profil.x - Mitte_oben.x) / f2 + Mittelpunkt.z);
    return DreheUm(gedreht, Flaeche.lu, -Drehwinkel);
}

void Gaubeneingabe::Einrichten(const Haus& haus, const Plane& flaeche, int gaubenIndex)
{
    GaubenIndex = gaubenIndex;
    GaubenID = gaubenIndex >= 0 && static_cast<std::size_t>(gaubenIndex) < haus.m_aGaube.size()
                   ? haus.m_aGaube[static_cast<std::size_t>(gaubenIndex)].ID
                   : -1;
    if (GaubenID < 0)
        GaubenIndex = -1;
    EingabeAktiv = 0;
    GezogeneLinie = gaubenlinie::Keine;
    Flaechenprofil.RemoveAll();
    Flaechenansicht.RemoveAll();
    FremdeGauben.clear();
    W = haus.OpenGLWidth;
    H = haus.OpenGLHeight;
    Mitte_oben = Punkt2D(0.5 * W, 0.7125 * H);
    Mitte_unten = Punkt2D(0.5 * W, 0.3125 * H);
    Dachgeschosshoehe = Dachgeschossdecke(haus);

    Flaeche = flaeche;
    Drehwinkel = 1.5 * Pi - flaeche.AzimutBogen();
    if (Drehwinkel < 0)
        Drehwinkel += 2 * Pi;
    if (Drehwinkel > 2 * Pi)
        Drehwinkel -= 2 * Pi;

    Traegerflaeche = flaeche;
    Traegerflaeche.lo = Gedreht(flaeche.lo);
    Traegerflaeche.ro = Gedreht(flaeche.ro);
    Traegerflaeche.ru = Gedreht(flaeche.ru);
    const Plane& t = Traegerflaeche;

    const double xmin = std::min({t.lo.x, t.ro.x, t.ru.x, t.lu.x});
    const double xmax = std::max({t.lo.x, t.ro.x, t.ru.x, t.lu.x});
    const double ymin = std::min(t.lu.y, t.ru.y);
    const double ymax = std::max(t.lo.y, t.ro.y);
    Mittelpunkt = Punkt3D((xmin + xmax) / 2, (ymin + ymax) / 2, (t.lo.z + t.lu.z) / 2);
    double w = xmax - xmin;
    double h = ymax - ymin;
    if (!(w > 0))
        w = KleinsteAusdehnung;
    if (!(h > 0))
        h = KleinsteAusdehnung;
    if (w / (0.95 * W) > h / (0.425 * H)) {
        s1 = s2 = 0.95 * W / w;
    } else {
        s1 = 0.425 * H / h;
        s2 = 0.375 * H / h;
    }

    for (const Punkt3D* p : {&t.lu, &t.ru, &t.ro, &t.lo})
        Flaechenansicht.Add(ImUnterenPanel(*p));
    const Punkt2D E = ImOberenPanel(t.ru);
    const Punkt2D T = ImOberenPanel(t.lo);
    Flaechenprofil.Add(E);
    Flaechenprofil.Add(T);

    if (GaubenIndex < 0) {
        LinieOben = E.y + 0.75 * (T.y - E.y);
        LinieMitte = E.y + 0.65 * (T.y - E.y);
        LinieUnten = E.y + 0.25 * (T.y - E.y);
        LinieLinks = 0.47 * H;
        LinieRechts = 0.53 * H;
    }

    const auto hoehe = [this](double y) { return ImOberenPanel(Punkt3D(0, y, Mittelpunkt.z)).y; };
    for (std::size_t i = 0; i < haus.m_aGaube.size(); ++i) {
        const Gaube& g = haus.m_aGaube[i];
        if (g.Traeger1ID != flaeche.ID)
            continue;
        const Plane& a = g.m_Dachauflage;
        if (static_cast<int>(i) == GaubenIndex) {
            // Older dormers were stored with either corner order, so the
            // front edge may run either way.
            const double x1 = Unten(a.lo).x;
            const double x2 = Unten(a.ru).x;
            LinieLinks = std::min(x1, x2);
            LinieRechts = std::max(x1, x2);
        } else {
            for (const Punkt3D* p : {&a.lu, &a.ru, &a.ro, &a.lo})
                FremdeGauben.push_back(Unten(*p));
        }
        LinieOben = hoehe(a.lo.y);
        LinieUnten = hoehe(a.ru.y);
        // The top of the front wall is the dormer roof's lower edge; the
        // stored front wall ends at the attic ceiling when that cuts it.
        LinieMitte = hoehe(g.m_Dachflaeche.lu.y);
    }

    const double hc = Dachgeschosshoehe;
    Dachgeschossmarke = flaeche.lu.y < hc && hc < flaeche.lo.y ? hoehe(hc) : -1;
    m_offen = true;
    Aktualisiere();
}

void Gaubeneingabe::Schliesse()
{
    m_offen = false;
    EingabeAktiv = 0;
    GezogeneLinie = gaubenlinie::Keine;
}

// ----- shapes and read-outs ---------------------------------------------------------------

void Gaubeneingabe::Aktualisiere()
{
    if (Flaechenprofil.size() < 2)
        return;
    const Punkt2D E = Flaechenprofil[0];
    const Punkt2D T = Flaechenprofil[1];
    const auto aufHang = [this](double y, const Punkt2D& sonst) {
        Punkt2D s;
        if (SchneidetUmriss(Punkt2D(0, y), Punkt2D(W, y), s, Flaechenprofil, 0))
            return s;
        return sonst;
    };
    const Punkt2D PO = aufHang(LinieOben, T);
    const Punkt2D PU = aufHang(LinieUnten, E);
    GaubenProfil = {PU, Punkt2D(PU.x, LinieMitte), PO};

    const double q = s1 / s2;
    const auto unten = [this, q](double v) { return (v - Mitte_oben.y) * q + Mitte_unten.y; };
    const double u = unten(LinieUnten);
    const double m = unten(LinieMitte);
    const double o = unten(LinieOben);
    GaubenAnsicht = {Punkt2D(LinieLinks, u),  Punkt2D(LinieRechts, u), Punkt2D(LinieRechts, m),
                     Punkt2D(LinieRechts, o), Punkt2D(LinieLinks, o),  Punkt2D(LinieLinks, m)};
}

Ablesungen Gaubeneingabe::Ablesewerte(const Haus& haus) const
{
    const double boden = haus.Stockwerkszahl * haus.Stockwerkshoehe + haus.Kellerhoehe;
    const auto hoehe = [&](double linie) {
        return (linie - Mitte_oben.y) / (Zeichenfaktor * s2) + Mittelpunkt.y - boden;
    };
    return {{gaubenablesung::HoeheOben, Ablesetext(hoehe(LinieOben))},
            {gaubenablesung::HoeheMitte, Ablesetext(hoehe(LinieMitte))},
            {gaubenablesung::HoeheUnten, Ablesetext(hoehe(LinieUnten))},
            {gaubenablesung::Breite, Ablesetext((LinieRechts - LinieLinks) / (Zeichenfaktor * s1))}};
}

// ----- mouse --------------------------------------------------------------------------------

void Gaubeneingabe::Druck(const Punkt2D& punkt, double fangweite)
{
    if (EingabeAktiv || !m_offen || Flaechenprofil.size() < 2)
        return;
    Punkt2D p = punkt;
    const auto nimm = [&](double& linie, double wert, int nummer) {
        if (std::fabs(linie - wert) < fangweite) {
            linie = wert;
            GezogeneLinie = nummer;
            EingabeAktiv = 1;
        }
    };
    if (p.y > H / 2) {
        const double E = Flaechenprofil[0].y;
        const double T = Flaechenprofil[1].y;
        p.y = std::clamp(p.y, std::min(E, T), std::max(E, T));
        nimm(LinieOben, p.y, gaubenlinie::Oben);
        nimm(LinieMitte, p.y, gaubenlinie::Mitte);
        nimm(LinieUnten, p.y, gaubenlinie::Unten);
    } else {
        nimm(LinieRechts, p.x, gaubenlinie::Rechts);
        nimm(LinieLinks, p.x, gaubenlinie::Links);
    }
}

std::pair<double, double> Gaubeneingabe::Seiten(double y) const
{
    const auto aufLinie = [y](const Punkt2D& a, const Punkt2D& b) {
        if (std::fabs(b.y - a.y) < 1e-12)
            return a.x;
        return a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y);
    };
    const Punkt2DArray& f = Flaechenansicht;
    const double links = aufLinie(f[0], f[3]);
    const double rechts = aufLinie(f[1], f[2]);
    return {std::min(links, rechts), std::max(links, rechts)};
}

void Gaubeneingabe::Bewegung(const Punkt2D& punkt)
{
    if (!EingabeAktiv || Flaechenprofil.size() < 2 || Flaechenansicht.size() < 4)
        return;
    Punkt2D p = punkt;
    const double E = Flaechenprofil[0].y;
    const double T = Flaechenprofil[1].y;
    p.y = std::clamp(p.y, std::min(E, T), std::max(E, T));
    if (GezogeneLinie == gaubenlinie::Links || GezogeneLinie == gaubenlinie::Rechts) {
        // The dormer spans its lower to its upper edge; the sides of the face
        // are straight, so it stays on the face when both edges do.
        const auto [l1, r1] = Seiten(GaubenAnsicht[0].y);
        const auto [l2, r2] = Seiten(GaubenAnsicht[3].y);
        const double links = std::max(l1, l2);
        const double rechts = std::min(r1, r2);
        if (links <= rechts)
            p.x = std::clamp(p.x, links, rechts);
    }
    switch (GezogeneLinie) {
    case gaubenlinie::Oben: LinieOben = std::max(p.y, LinieMitte); break;
    case gaubenlinie::Mitte: LinieMitte = std::clamp(p.y, LinieUnten, std::max(LinieUnten, LinieOben)); break;
    case gaubenlinie::Unten: LinieUnten = std::min(p.y, LinieMitte); break;
    case gaubenlinie::Links: LinieLinks = std::min(p.x, LinieRechts); break;
    case gaubenlinie::Rechts: LinieRechts = std::max(p.x, LinieLinks); break;
    default: break;
    }
    Aktualisiere();
}

void Gaubeneingabe::Loslassen()
{
    Aktualisiere();
    GezogeneLinie = gaubenlinie::Keine;
    EingabeAktiv = 0;
}

// ----- check and build ----------------------------------------------------------------------

Gaubeneingabe::Pruefung Gaubeneingabe::Pruefe() const
{
    CPolygon2D flaeche;
    for (const Punkt2D& p : Flaechenansicht)
        flaeche.FuegeHinzu(p);
    for (int i : {0, 1, 3, 4})
        if (!flaeche.PunktInPolygon(GaubenAnsicht[static_cast<std::size_t>(i)], 1))
            return Pruefung::RagtHeraus;

    Punkt2DArray ansicht;
    for (const Punkt2D& p : GaubenAnsicht)
        ansicht.Add(p);
    const CPolygon2D ansichtPolygon(std::span<const Punkt2D>(GaubenAnsicht.data(), GaubenAnsicht.size()));
    for (std::size_t i = 0; i + 4 <= FremdeGauben.size(); i += 4) {
        Punkt2DArray andere;
        for (std::size_t k = 0; k < 4; ++k)
            andere.Add(FremdeGauben[i + k]);
        for (const Punkt2D& p : GaubenAnsicht)
            if (PunktInUmriss(p, andere))
                return Pruefung::Ueberschneidet;
        for (const Punkt2D& p : andere)
            if (PunktInUmriss(p, ansicht))
                return Pruefung::Ueberschneidet;
        // Two dormers crossing like a plus sign have no corner in each
        // other; their outlines still share an area.
        const CPolygon2D anderesPolygon(std::span<const Punkt2D>(FremdeGauben.data() + i, 4));
        CPolygon2D schnitt;
        if (ansichtPolygon.Schnittflaeche(anderesPolygon, schnitt) > Beruehrung)
            return Pruefung::Ueberschneidet;
    }
    return Pruefung::Zulaessig;
}

std::array<Punkt3D, 6> Gaubeneingabe::Ecken3D() const
{
    // Lower corners take the profile's foot, middle ones the top of the front
    // wall, upper ones the meeting with the main roof.
    constexpr std::array<std::size_t, 6> profilpunkt{0, 0, 1, 2, 2, 1};
    std::array<Punkt3D, 6> a;
    for (std::size_t i = 0; i < 6; ++i)
        a[i] = Zurueck(GaubenAnsicht[i], GaubenProfil[profilpunkt[i]]);
    return a;
}

int Gaubeneingabe::Baue(Haus& haus)
{
    Aktualisiere();
    if (GaubenID >= 0)
        LoescheGaube(haus, GaubenID);

    int n = 0;
    for (const Gaube& g : haus.m_aGaube)
        if (g.ID >= Gaube::IdBasis)
            n = std::max(n, g.ID - Gaube::IdBasis + 1);

    Gaube g;
    g.ID = Gaube::IdBasis + n;
    g.Traeger1ID = Flaeche.ID;
    g.Traeger2ID = Flaeche.Traeger1ID;
    g.FassadenID = Flaeche.FassadenID;

    const std::array<Punkt3D, 6> A = Ecken3D();
    // The corner order decides which side of every part is outside. The
    // roof faces are built the same way however the outline was drawn, so
    // the order is the one whose front wall looks where the face looks.
    Plane F = Viereck(A[4], A[3], A[1], A[0]);
    Plane R = Viereck(A[4], A[3], A[2], A[5]);
    if (!SchautWieDieFlaeche(Viereck(R.lu, R.ru, F.ru, F.lu), Flaeche)) {
        F = Viereck(A[3], A[4], A[0], A[1]);
        R = Viereck(A[3], A[4], A[5], A[2]);
    }
    F.GaubenID = R.GaubenID = g.ID;
    g.m_Dachauflage = F;
    g.m_Dachflaeche = R;

    const double hc = Dachgeschosshoehe;
    const double m = R.lu.y;
    const Gaubenanteile f = BerechneGaubenanteile(F.lu.y, m, F.lo.y, hc);
    const Punkt3D P = Teilpunkt(F.lu, F.lo, f.flaeche);
    const Punkt3D Q = Teilpunkt(F.ru, F.ro, f.flaeche);
    const bool ersteForm = hc < m;
    const std::int32_t D = g.FassadenID;
    const std::int32_t DFront = D - flaechenart::DeckeUnterDach * IdArtFaktor;

    const auto kennung = [&g](Plane p, std::int32_t id, std::int32_t fassade) {
        p.ID = p.Traeger1ID = p.Traeger2ID = id;
        p.GaubenID = g.ID;
        p.FassadenID = fassade;
        return p;
    };
    const std::int32_t geometrie = flaechenart::GaubenGeometrie * IdArtFaktor;
    const auto teil = [n](int art) { return art * IdArtFaktor + n; };

    // The parts whole, as geometry.
    const std::array<Plane, 4> ganz{
        kennung(R, geometrie, D),
        kennung(Viereck(R.lu, R.ru, F.ru, F.lu), geometrie, DFront),
        kennung(Viereck(F.lo, R.lu, F.lu, F.lo), geometrie, D),
        kennung(Viereck(R.ru, F.ro, F.ro, F.ru), geometrie, D),
    };
    for (const Plane& p : ganz)
        haus.m_aPlane.Add(p);

    const auto wand = [&haus](const Plane& p) {
        const std::size_t i = haus.m_aWand.Add(haus.m_defaultWand);
        DWand& w = haus.m_aWand[i];
        w.Zone = 0;
        w.m_plane = p;
        w.Flaeche = p.Flaeche();
        w.Nummer = static_cast<std::int32_t>(i);
    };

    // The parts below the attic ceiling, as components.
    if (f.dach != 0) {
        const Plane p = kennung(Viereck(Teilpunkt(R.lu, R.lo, f.dach), Teilpunkt(R.ru, R.ro, f.dach), R.ru, R.lu),
                                teil(flaechenart::GaubenDach), D);
        haus.m_aPlane.Add(p);
        const std::size_t i = haus.m_aSteildach.Add(haus.m_defaultSteildach);
        DSteildach& s = haus.m_aSteildach[i];
        s.m_plane = p;
        s.Flaeche = p.Flaeche();
        s.Nummer = static_cast<std::int32_t>(i);
    }
    const Punkt3D frontLinks = Teilpunkt(F.lu, R.lu, f.front);
    const Punkt3D frontRechts = Teilpunkt(F.ru, R.ru, f.front);
    if (f.front != 0) {
        const Plane p = kennung(Viereck(frontLinks, frontRechts, F.ru, F.lu), teil(flaechenart::GaubenFront), DFront);
        haus.m_aPlane.Add(p);
        wand(p);
        g.m_Stirnflaeche = p;
    }
    const Punkt3D dachLinks = Teilpunkt(R.lu, R.lo, f.dach);
    const Punkt3D dachRechts = Teilpunkt(R.ru, R.ro, f.dach);
    if (f.flaeche != 0) {
        const Plane links = ersteForm ? Viereck(P, frontLinks, F.lu, P) : Viereck(dachLinks, R.lu, F.lu, P);
        const Plane pl = kennung(links, teil(flaechenart::GaubenLinks), D);
        haus.m_aPlane.Add(pl);
        wand(pl);
        g.m_Seitenflaeche_links = pl;

        const Plane rechts = ersteForm ? Viereck(frontRechts, Q, Q, F.ru) : Viereck(R.ru, dachRechts, Q, F.ru);
        const Plane pr = kennung(rechts, teil(flaechenart::GaubenRechts), D);
        haus.m_aPlane.Add(pr);
        wand(pr);
        g.m_Seitenflaeche_rechts = pr;
    }
    if (f.flaeche > 0 && f.flaeche < 1) {
        const Plane decke = ersteForm ? Viereck(P, Q, frontRechts, frontLinks) : Viereck(P, Q, dachRechts, dachLinks);
        const Plane p = kennung(decke, teil(flaechenart::GaubenDecke), flaechenart::DeckeUnterDach * IdArtFaktor);
        haus.m_aPlane.Add(p);
        g.m_Deckenflaeche = p;
    }

    const std::size_t index = haus.m_aGaube.Add(g);
    haus.ErzeugeBauteilnamen();
    haus.ListeNeuAufbauen = 1;
    Schliesse();
    return static_cast<int>(index);
}

// ----- picture ------------------------------------------------------------------------------------

void Gaubeneingabe::Zeichne(Zeichenliste& liste) const
{
    if (Flaechenprofil.size() < 2 || Flaechenansicht.size() < 4)
        return;
    using Art = Zeichenprimitiv::Art;
    const double links = 0.025 * W;
    const double rechts = 0.975 * W;
    const double oben = 0.9 * H;
    const double mitte = 0.525 * H;
    const double unten = 0.1 * H;

    if (Dachgeschossmarke > 0)
        liste.push_back(Primitiv(Art::Linien, {{links, Dachgeschossmarke}, {rechts, Dachgeschossmarke}}, 0.7f, 1, 0.7f));

    for (std::size_t i = 0; i + 4 <= FremdeGauben.size(); i += 4) {
        const Punkt2D* g = FremdeGauben.data() + i;
        liste.push_back(Primitiv(Art::Linienschleife, {g[0], g[1], g[2], g[3]}, 1, 0.4f, 0.4f));
        liste.push_back(Primitiv(Art::Linien, {g[0], g[2], g[1], g[3]}, 1, 0.4f, 0.4f));
    }

    std::vector<Punkt2D> grau;
    for (double y : {LinieOben, LinieMitte, LinieUnten}) {
        grau.emplace_back(links, y);
        grau.emplace_back(rechts, y);
    }
    for (double x : {LinieLinks, LinieRechts}) {
        grau.emplace_back(x, unten);
        grau.emplace_back(x, mitte);
    }
    liste.push_back(Primitiv(Art::Linien, std::move(grau), 0.7f, 0.7f, 0.7f));
    liste.push_back(Primitiv(Art::Linienschleife, {{links, mitte}, {rechts, mitte}, {rechts, oben}, {links, oben}},
                             0.7f, 0.7f, 0.7f));
    liste.push_back(Primitiv(Art::Linienschleife, {{links, unten}, {rechts, unten}, {rechts, mitte}, {links, mitte}},
                             0.7f, 0.7f, 0.7f));

    const Punkt2D E = Flaechenprofil[0];
    const Punkt2D T = Flaechenprofil[1];
    const Punkt2D knick(T.x, E.y);
    liste.push_back(Primitiv(Art::Linien, {E, T}, 1, 0.4f, 0.4f));
    liste.push_back(Primitiv(Art::Linien, {E, knick, knick, T}, 0.4f, 0.4f, 0.4f));
    liste.push_back(Primitiv(Art::Linienschleife, {Flaechenansicht.begin(), Flaechenansicht.end()}, 1, 0.4f, 0.4f));

    liste.push_back(Primitiv(Art::Linien, {GaubenProfil[0], GaubenProfil[1]}, 0.6f, 0.6f, 1));
    liste.push_back(Primitiv(Art::Linien, {GaubenProfil[1], GaubenProfil[2]}, 1, 0.6f, 0.6f));
    const auto& a = GaubenAnsicht;
    liste.push_back(Primitiv(Art::Polygon, {a[2], a[3], a[4], a[5]}, 1, 0.6f, 0.6f));
    liste.push_back(Primitiv(Art::Polygon, {a[0], a[1], a[2], a[5]}, 0.6f, 0.6f, 1));
}

} // namespace zeva
