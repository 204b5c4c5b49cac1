#include "geometry/DachEingabe.h"

#include "geometry/DachGeometrie.h"
#include "geometry/DachPolygon.h"
#include "geometry/DachVerschneidung.h"
#include "geometry/Vektorhilfen.h"
#include "model/GeometrieToleranzen.h"
#include "model/Haus.h"

#include <cmath>
#include <numbers>

namespace zeva {

namespace {

constexpr double Pi = std::numbers::pi;
// A placed rectangle is accepted when its diagonal exceeds this and both
// sides exceed MindestSeite (plan units).
constexpr double MindestDiagonale = 2;
constexpr double MindestSeite = 1;

int Grundzustand(const CDach& dach)
{
    return dach.Zustand & ~CDach::ZustandDrehen;
}

Punkt2D& P(CDach& dach, int i)
{
    return dach.m_points[static_cast<std::size_t>(i)];
}

void Verschneide(Dachumfeld& umfeld)
{
    if (umfeld.daecher.size() > 1)
        VerschneideDaecher(umfeld.daecher);
}

bool Akzeptabel(const CDach& dach, const Punkt2D& p)
{
    return (dach.Punkt(0) - p).Betrag() > MindestDiagonale && std::fabs(dach.m_size.x) > MindestSeite &&
           std::fabs(dach.m_size.y) > MindestSeite;
}

// The crossing of the lines through a1, a2 and b1, b2, written into ziel
// unless they run parallel; true when both segments hold it.
int Kreuze(const Punkt2D& a1, const Punkt2D& a2, const Punkt2D& b1, const Punkt2D& b2, Punkt2D& ziel)
{
    return Strecke2D(a1, a2).Schnittpunkt(Strecke2D(b1, b2), ziel);
}

Punkt2D Fuss(const Punkt2D& a, const Punkt2D& b, const Punkt2D& p)
{
    Punkt2D f = p;
    Strecke2D(a, b).Lotfusspunkt(p, f);
    return f;
}

// The point indices of edge e, or false.
bool Kantenpunkte(const CDach& dach, int e, int& i, int& j)
{
    const std::size_t k = 2 * static_cast<std::size_t>(e);
    if (e < 0 || k + 1 >= dach.m_Kanten.size())
        return false;
    i = dach.m_Kanten[k];
    j = dach.m_Kanten[k + 1];
    const int n = static_cast<int>(dach.m_points.size());
    return i >= 0 && i < n && j >= 0 && j < n;
}

// The form rules: besides checking the move they carry the dependent points
// along (into the roof) and may correct the move itself (a, b).
bool NachfuehrenSatteldach(CDach& d, int punkt, int kante, Punkt2D& a, Punkt2D* b)
{
    const Punkt2D r4 = d.Punkt(4), r5 = d.Punkt(5);
    if (punkt >= 0 && punkt <= 3) {
        Punkt2D s[4] = {d.Punkt(0), d.Punkt(1), d.Punkt(2), d.Punkt(3)};
        s[punkt] = a;
        if (punkt <= 1)
            Kreuze(s[0], s[1], r4, r5, P(d, 4));
        else
            Kreuze(s[2], s[3], r4, r5, P(d, 5));
        return true;
    }
    if (punkt == 4 || punkt == 5) {
        const Punkt2D v = a - d.Punkt(punkt);
        const int e1 = punkt == 4 ? 0 : 2;
        P(d, e1) += v;
        P(d, e1 + 1) += v;
        return true;
    }
    if (punkt >= 0 || !b)
        return true;
    switch (kante) {
    case 0:
    case 2:
        if ((r5 - r4).Betrag() < toleranz::StreckeEntartet)
            return false;
        Kreuze(a, *b, r4, r5, P(d, kante == 0 ? 4 : 5));
        return true;
    case 1:
    case 3: {
        Punkt2D s[4] = {d.Punkt(0), d.Punkt(1), d.Punkt(2), d.Punkt(3)};
        if (kante == 1) {
            s[1] = a;
            s[2] = *b;
        } else {
            s[3] = a;
            s[0] = *b;
        }
        Kreuze(s[0], s[1], r4, r5, P(d, 4));
        Kreuze(s[2], s[3], r4, r5, P(d, 5));
        return true;
    }
    case 4: {
        Punkt2D x;
        if (Kreuze(d.Punkt(0), d.Punkt(1), a, *b, x) != 1)
            return false;
        const Punkt2D alt = a;
        a = x;
        Kreuze(d.Punkt(2), d.Punkt(3), alt, *b, *b);
        return true;
    }
    default:
        return true;
    }
}

bool NachfuehrenKrueppelwalmdach(CDach& d, int punkt, int kante, Punkt2D& a, Punkt2D* b)
{
    if (punkt >= 0 && punkt <= 3) {
        Punkt2D s[4] = {d.Punkt(0), d.Punkt(1), d.Punkt(2), d.Punkt(3)};
        s[punkt] = a;
        const Punkt2D p6 = d.Punkt(6), p7 = d.Punkt(7), p8 = d.Punkt(8), p9 = d.Punkt(9);
        if (punkt <= 1) {
            Kreuze(s[0], s[1], p6, p9, P(d, 6));
            Kreuze(s[0], s[1], p7, p8, P(d, 7));
        } else {
            Kreuze(s[2], s[3], p6, p9, P(d, 9));
            Kreuze(s[2], s[3], p7, p8, P(d, 8));
        }
        return true;
    }
    if (punkt >= 6 && punkt <= 9) {
        const int partner = punkt == 6 ? 9 : punkt == 9 ? 6 : punkt == 7 ? 8 : 7;
        const Punkt2D verschoben = d.Punkt(partner) + (a - d.Punkt(punkt));
        Punkt2D x;
        if (Kreuze(d.Punkt(0), d.Punkt(1), verschoben, a, x) != 1)
            return false;
        P(d, partner) = verschoben;
        return true;
    }
    if (punkt >= 0 || !b)
        return true;
    switch (kante) {
    case 0:
        P(d, 6) = Fuss(a, *b, d.Punkt(6));
        P(d, 7) = Fuss(a, *b, d.Punkt(7));
        return true;
    case 2:
        P(d, 8) = Fuss(a, *b, d.Punkt(8));
        P(d, 9) = Fuss(a, *b, d.Punkt(9));
        return true;
    case 4: {
        const Punkt2D F = Fuss(d.Punkt(6), d.Punkt(7), a);
        Punkt2D x;
        return Kreuze(d.Punkt(6), d.Punkt(7), F, *b, x) == 1;
    }
    default:
        return true;
    }
}

bool PruefeMansarddach(const CDach& d, int punkt, int kante, const Punkt2D& a, const Punkt2D* b)
{
    if (punkt >= 0 || !b)
        return true;
    if (kante == 4) {
        const double dd = Strecke2D(d.Punkt(7), d.Punkt(8)).Abstand(d.Punkt(9));
        const double d1 = Strecke2D(d.Punkt(7), d.Punkt(8)).Abstand(a);
        const double d2 = Strecke2D(d.Punkt(9), d.Punkt(6)).Abstand(a);
        return dd - d1 - d2 >= -0.01;
    }
    if (kante == 5 || kante == 7) {
        Punkt2D x;
        return Kreuze(a, *b, d.Punkt(4), d.Punkt(5), x) != 1;
    }
    return true;
}

CPolygon2D Flaechenpolygon(const CDach& dach, int flaeche, int i1, const Punkt2D& a, int i2, const Punkt2D& b)
{
    CPolygon2D poly;
    const auto tabelle = Dachflaechentabelle(dach.Typ);
    if (flaeche < 0 || static_cast<std::size_t>(flaeche) >= tabelle.size())
        return poly;
    for (int index : tabelle[static_cast<std::size_t>(flaeche)].punkt)
        poly.FuegeHinzu(index == i1 ? a : index == i2 ? b : dach.Punkt(index));
    return poly;
}

} // namespace

Dachumfeld UmfeldVon(Haus& haus, DachAnsicht& ansicht)
{
    return Dachumfeld{haus.m_aDach, haus.OpenGLGrid, ansicht};
}

void BeginneNeu(CDach& dach)
{
    dach.SetzePunktzahl();
    dach.Zustand = CDach::ZustandErsterPunkt;
}

Punkt2D FangePunkt(const CDach& dach, Punkt2D p, Dachumfeld& umfeld)
{
    umfeld.ansicht.FangePunkt(p);
    for (const Punkt2D& q : dach.m_Anschlusspunkte)
        if ((q - p).Betrag() < 3 * umfeld.raster)
            return q;
    return p;
}

int OnLButtonDown(CDach& dach, int /*flags*/, Punkt2D p, Dachumfeld& umfeld)
{
    switch (Grundzustand(dach)) {
    case CDach::ZustandErsterPunkt:
        p = FangePunkt(dach, p, umfeld);
        umfeld.ansicht.FangeMaus();
        if (!dach.PunkteVollstaendig())
            dach.SetzePunktzahl();
        dach.SetzeKanten();
        // Every point on the press, so that nothing is drawn elsewhere
        // before the first move.
        for (Punkt2D& q : dach.m_points)
            q = p;
        return 0;
    case CDach::ZustandPlatzieren:
        dach.BerechneDachpunkte(true);
        Verschneide(umfeld);
        dach.BaueFlaechenliste();
        return 0;
    case CDach::ZustandFertig:
        if (!dach.PunkteVollstaendig())
            return 0;
        p = FangePunkt(dach, p, umfeld);
        return WaehleElement(dach, p, true);
    default:
        return 0;
    }
}

void OnMouseMove(CDach& dach, int flags, Punkt2D p, Dachumfeld& umfeld)
{
    const int zustand = Grundzustand(dach);
    if (zustand == CDach::ZustandErsterPunkt || zustand == CDach::ZustandPlatzieren) {
        if (!dach.PunkteVollstaendig())
            return;
        const Punkt2D p0 = dach.Punkt(0);
        if (flags & (mausflag::Rechts | mausflag::Strg)) {
            // Turning about corner 0, by the unsnapped point.
            const Punkt2D v = p - p0;
            double w;
            if (v.x == 0)
                w = Pi;
            else if (v.y == 0)
                w = 0;
            else
                w = Pi - std::atan2(v.y, v.x);
            dach.Winkel = w - dach.DiagonalWinkel;
            dach.Zustand |= CDach::ZustandDrehen;
        } else {
            if (dach.Zustand & CDach::ZustandDrehen) {
                dach.Zustand &= ~CDach::ZustandDrehen;
                // The cursor goes to the corner that follows it again.
                const Punkt2D q = umfeld.ansicht.ModellZuFenster(dach.Punkt(2));
                umfeld.ansicht.SetzeCursor(static_cast<int>(q.x), static_cast<int>(q.y));
            }
            p = FangePunkt(dach, p, umfeld);
            const Punkt2D d = p - p0;
            const double D = d.Betrag();
            if (d.x == 0) {
                dach.DiagonalWinkel = Pi;
                dach.m_size = Punkt2D(D, 0);
            } else if (d.y == 0) {
                dach.DiagonalWinkel = 0;
                dach.m_size = Punkt2D(0, D);
            } else {
                const double a = Pi - std::atan2(d.y, d.x) - dach.Winkel;
                dach.DiagonalWinkel = a;
                dach.m_size = Punkt2D(-D * std::cos(a), D * std::sin(a));
            }
        }
        dach.BerechneDachpunkte(true);
        Verschneide(umfeld);
        return;
    }
    if (zustand == CDach::ZustandFertig && (flags & mausflag::Links) && dach.PunkteVollstaendig()) {
        p = FangePunkt(dach, p, umfeld);
        Ziehe(dach, p, umfeld);
    }
}

void OnLButtonUp(CDach& dach, int /*flags*/, Punkt2D p, Dachumfeld& umfeld)
{
    if (!dach.PunkteVollstaendig())
        return;
    if (Grundzustand(dach) == CDach::ZustandErsterPunkt) {
        p = FangePunkt(dach, p, umfeld);
        dach.SetzeKanten();
        dach.Zustand = CDach::ZustandPlatzieren | (dach.Zustand & CDach::ZustandDrehen);
        if (!Akzeptabel(dach, p))
            return;
        dach.BerechneDachpunkte(true);
        dach.BaueFlaechenliste();
    }
    if (Grundzustand(dach) != CDach::ZustandPlatzieren)
        return;
    p = FangePunkt(dach, p, umfeld);
    if (!Akzeptabel(dach, p))
        return;
    umfeld.ansicht.GibMausFrei();
    umfeld.ansicht.Neuzeichnen();
    dach.SetzeFirstachse();
    // A rectangle finished by a release after moves alone has had no press
    // that built its faces.
    dach.BaueFlaechenliste();
    dach.Zustand = CDach::ZustandFertig;
    Verschneide(umfeld);
}

int WaehleElement(CDach& dach, const Punkt2D& p, bool auswaehlen)
{
    const int altPunkt = dach.AuswahlPunkt;
    const int altKante = dach.AuswahlKante;
    dach.AuswahlPunkt = -1;
    dach.AuswahlKante = -1;
    int wert = 0;
    if (!dach.PunkteVollstaendig())
        return 0;

    const int n = static_cast<int>(dach.m_points.size());
    const int erster = dach.Typ == dachtyp::Mansarddach ? 4 : 0;
    const int letzter = dach.Typ == dachtyp::Mansarddach ? 5 : n - 1;
    for (int i = erster; i <= letzter; ++i) {
        if ((dach.Punkt(i) - p).Betrag() >= Fangradius)
            continue;
        if (auswaehlen) {
            dach.AuswahlPunkt = i;
            dach.m_Zugpunkt = dach.Punkt(i);
            wert = 2;
            dach.AuswahlKante =
                static_cast<std::size_t>(i) < dach.m_Zugkanten.size() ? dach.m_Zugkanten[static_cast<std::size_t>(i)] : -1;
            if (dach.AuswahlKante != -1) {
                const Strecke2D zug = Kante(dach, dach.AuswahlKante);
                dach.m_Zuglinie = CDach::Linie{zug.A, zug.B};
                if (zug.Laenge() < toleranz::StreckeEntartet) {
                    dach.AuswahlPunkt = altPunkt;
                    dach.m_Zuglinie = dach.m_Firstachse;
                    if (dach.AuswahlPunkt > 5)
                        dach.m_Zuglinie.B = DrehePunkt(dach.m_Zuglinie.B, Pi / 2);
                    dach.m_Zuglinie.A += dach.m_Zugpunkt;
                    dach.m_Zuglinie.B += dach.m_Zugpunkt;
                }
            }
        }
        break;
    }

    if (dach.AuswahlPunkt == -1) {
        const int kanten = static_cast<int>(dach.m_Kanten.size() / 2);
        for (int e = 0; e < kanten; ++e) {
            const Strecke2D k = Kante(dach, e);
            const double abstand = k.Abstand(p);
            if (!(abstand > -1 && abstand < Fangradius))
                continue;
            Punkt2D fuss;
            if (!k.Lotfusspunkt(p, fuss) || !k.LiegtAuf(fuss))
                continue;
            dach.AuswahlKante = e;
            if (e != altKante) {
                if (auswaehlen)
                    dach.m_Zugpunkt = p;
                ++wert;
                break;
            }
        }
    }

    if (!auswaehlen) {
        dach.AuswahlPunkt = altPunkt;
        dach.AuswahlKante = altKante;
        return wert;
    }
    if (dach.AuswahlKante != -1 && dach.AuswahlPunkt == -1) {
        // The slide line runs along the selected edge, through the origin.
        dach.m_Zuglinie = dach.m_Firstachse;
        const int e = dach.AuswahlKante;
        if (!dach.FirstLaengs())
            dach.m_Zuglinie.B = DrehePunkt(dach.m_Zuglinie.B, Pi / 2);
        if (e == 0 || e == 2 || e == 5 || e == 7)
            dach.m_Zuglinie.B = DrehePunkt(dach.m_Zuglinie.B, Pi / 2);
    }
    return wert;
}

int Trefferwert(CDach& dach, const Punkt2D& p)
{
    if (!dach.PunkteVollstaendig())
        return 0;
    const int innen = Grundriss(dach).PunktInPolygon(p, 1) == 1 ? 1 : 0;
    return innen + WaehleElement(dach, p, false);
}

void Ziehe(CDach& dach, const Punkt2D& p, Dachumfeld& umfeld)
{
    if (dach.AuswahlPunkt != -1) {
        Punkt2D ziel = p;
        if (dach.AuswahlKante != -1)
            Strecke2D(dach.m_Zuglinie.A, dach.m_Zuglinie.B).Lotfusspunkt(p, ziel);
        dach.m_Zugpunkt = ziel;
        VerschiebeElement(dach, ziel, nullptr, umfeld);
        return;
    }
    if (dach.AuswahlKante == -1)
        return;
    const Strecke2D k = Kante(dach, dach.AuswahlKante);
    const double c = k.Abstand(p);
    if (!(c > 0.0001))
        return;
    Punkt2D S;
    if (!k.Lotfusspunkt(p, S))
        return;
    Strecke2D zug(dach.m_Zuglinie.A, dach.m_Zuglinie.B);
    Punkt2D fussS;
    if (!zug.Lotfusspunkt(S, fussS))
        return;
    const Punkt2D schub = S - fussS;
    zug.Setze(zug.A + schub, zug.B + schub);
    Punkt2D U = p;
    zug.Lotfusspunkt(p, U);
    Punkt2D D = p - U;
    const double betrag = D.Betrag();
    if (betrag > 0.0001)
        D = D * (c / betrag);
    const Punkt2D b = k.B + D;
    VerschiebeElement(dach, k.A + D, &b, umfeld);
}

CPolygon2D TestpolygonPunkt(CDach& dach, int v, const Punkt2D& a)
{
    int flaeche = 0;
    switch (dach.Typ) {
    case dachtyp::Satteldach:
    case dachtyp::Walmdach:
        flaeche = (v == 0 || v == 3) ? 1 : 0;
        break;
    case dachtyp::Krueppelwalmdach:
    case dachtyp::Mansarddach:
        flaeche = (v == 0 || v == 3) ? 3 : (v == 6 || v == 9) ? 2 : (v == 1 || v == 2) ? 1 : 0;
        break;
    default:
        break;
    }
    dach.Testflaeche = flaeche;
    return Flaechenpolygon(dach, flaeche, v, a, -1, a);
}

CPolygon2D TestpolygonKante(CDach& dach, int e, const Punkt2D& a, const Punkt2D& b)
{
    int i1 = -1, i2 = -1;
    Kantenpunkte(dach, e, i1, i2);
    int flaeche = 0;
    switch (dach.Typ) {
    case dachtyp::Satteldach:
        flaeche = e == 4 ? 1 : 0;
        break;
    case dachtyp::Walmdach:
        flaeche = (e == 0 || e == 3) ? 1 : 0;
        break;
    case dachtyp::Krueppelwalmdach:
        flaeche = (e == 0 || e == 3) ? 3 : (e == 1 || e == 2) ? 1 : 0;
        break;
    case dachtyp::Mansarddach:
        if (e >= 0 && e <= 3) {
            dach.Testflaeche = 0;
            CPolygon2D poly;
            for (int i = 0; i < 4; ++i)
                poly.FuegeHinzu(i == i1 ? a : i == i2 ? b : dach.Punkt(i));
            return poly;
        }
        flaeche = e == 8 ? 2 : 0;
        break;
    default:
        break;
    }
    dach.Testflaeche = flaeche;
    return Flaechenpolygon(dach, flaeche, i1, a, i2, b);
}

bool VerschiebeElement(CDach& dach, Punkt2D a, const Punkt2D* b, Dachumfeld& umfeld)
{
    if (!dach.PunkteVollstaendig())
        return false;
    CPolygon2D test;
    int erster = -1, zweiter = -1;
    Punkt2D bWert;
    Punkt2D* bZeiger = nullptr;
    if (dach.AuswahlPunkt != -1 && !b) {
        test = TestpolygonPunkt(dach, dach.AuswahlPunkt, a);
        erster = dach.AuswahlPunkt;
    } else if (dach.AuswahlKante != -1 && b) {
        if (!Kantenpunkte(dach, dach.AuswahlKante, erster, zweiter))
            return false;
        bWert = *b;
        bZeiger = &bWert;
        test = TestpolygonKante(dach, dach.AuswahlKante, a, bWert);
        if (dach.Typ == dachtyp::Satteldach || (dach.Typ != dachtyp::Mansarddach && dach.AuswahlKante > 3))
            dach.Testflaeche = -1;
    } else {
        return false;
    }

    int vorzeichen = 0;
    if (dach.Testflaeche >= 0 && static_cast<std::size_t>(dach.Testflaeche) < dach.m_Flaechen.size()) {
        vorzeichen = dach.m_Flaechen[static_cast<std::size_t>(dach.Testflaeche)].Umlaufsinn;
        if (dach.FirstGedreht == 1)
            vorzeichen = -vorzeichen;
    }
    if (!BehaeltUmlaufsinn(test, vorzeichen))
        return false;

    // The form rules move the dependent points; on a refusal they are put
    // back, so that a refused move changes nothing.
    const Punkt2DArray vorher = dach.m_points;
    const int punkt = bZeiger ? -1 : erster;
    bool erlaubt = true;
    switch (dach.Typ) {
    case dachtyp::Satteldach:
        erlaubt = NachfuehrenSatteldach(dach, punkt, dach.AuswahlKante, a, bZeiger);
        break;
    case dachtyp::Krueppelwalmdach:
        erlaubt = NachfuehrenKrueppelwalmdach(dach, punkt, dach.AuswahlKante, a, bZeiger);
        break;
    case dachtyp::Mansarddach:
        erlaubt = PruefeMansarddach(dach, punkt, dach.AuswahlKante, a, bZeiger);
        break;
    default:
        break;
    }
    if (!erlaubt) {
        dach.m_points = vorher;
        return false;
    }

    dach.Sperre |= 1;
    P(dach, erster) = a;
    if (bZeiger)
        P(dach, zweiter) = bWert;
    dach.BerechneKnickhoehen();
    Verschneide(umfeld);
    return true;
}

void DreheFirst(CDach& dach, Dachumfeld& umfeld)
{
    dach.FirstGedreht = 1 - dach.FirstGedreht;
    dach.BerechneDachpunkte(true);
    Verschneide(umfeld);
    umfeld.ansicht.Neuzeichnen();
}

Strecke2D Kante(const CDach& dach, int e)
{
    int i = 0, j = 0;
    if (!Kantenpunkte(dach, e, i, j))
        return {};
    return {dach.Punkt(i), dach.Punkt(j)};
}

double LaengeAuswahlKante(const CDach& dach)
{
    if (dach.AuswahlKante == -1)
        return 0;
    return Kante(dach, dach.AuswahlKante).Laenge();
}

} // namespace zeva
