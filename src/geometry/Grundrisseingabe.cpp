#include "geometry/Grundrisseingabe.h"

#include "geometry/C3DGenerator.h"
#include "model/Haus.h"
#include "model/Notifier.h"
#include "model/Zahlentext.h"

#include <cmath>

namespace zeva {

namespace {

// Two directions this close (degrees) make the middle point superfluous.
constexpr double Kollinear = 5.0;
// Points closer than this are one point.
constexpr double Gleich = 0.0001;

bool Fast(double w1, double w2)
{
    return std::fabs(w1 - w2) <= Kollinear;
}

Zone& Zone0(Haus& haus)
{
    if (haus.m_aZone.empty())
        haus.m_aZone.SetSize(1);
    return haus.m_aZone[0];
}

// The zone the right click and the cursor work on: the last counted one.
std::size_t LetzteZone(Haus& haus)
{
    const int z = std::max(haus.Zonen - 1, 0);
    if (haus.m_aZone.size() <= static_cast<std::size_t>(z))
        haus.m_aZone.SetSize(static_cast<std::size_t>(z) + 1);
    return static_cast<std::size_t>(z);
}

// Whether the edge von→bis, which replaces merged corners, meets the chain of
// fixed corners only at its own two ends. The chain runs from its first
// corner to its last; von and bis are those ends or the floating point that
// follows them.
bool MergekanteFrei(const Punkt2DArray& kette, const Punkt2D& von, const Punkt2D& bis)
{
    // The edge test skips the chain's last member, the floating point.
    Punkt2DArray mit = kette;
    mit.Add(bis);
    Punkt2D schnitt;
    return !SchneidetUmriss(von, bis, schnitt, mit, 1);
}

// The fixed corners u[erste..letzte].
Punkt2DArray Teilkette(const Punkt2DArray& u, std::size_t erste, std::size_t letzte)
{
    Punkt2DArray kette;
    for (std::size_t i = erste; i <= letzte; ++i)
        kette.Add(u[i]);
    return kette;
}

// The closed outline u[0..n-1] is about to lose its last corner (dropA) and/or
// its first (dropB). The edge that then closes it, from the new last corner
// to the new first, must meet the rest only at those two corners; otherwise
// a corner stays. Dropping just one of them is tried before keeping both.
void PruefeSchlussMerge(const Punkt2DArray& u, int n, bool& dropA, bool& dropB)
{
    const auto frei = [&](bool a, bool b) {
        const std::size_t erste = b ? 1 : 0;
        const std::size_t letzte = static_cast<std::size_t>(n - 1 - (a ? 1 : 0));
        return MergekanteFrei(Teilkette(u, erste, letzte), u[letzte], u[erste]);
    };
    if (!dropA && !dropB)
        return;
    if (frei(dropA, dropB))
        return;
    if (dropA && dropB) {
        if (frei(true, false)) {
            dropB = false;
            return;
        }
        if (frei(false, true)) {
            dropA = false;
            return;
        }
    }
    dropA = false;
    dropB = false;
}

} // namespace

std::string Ablesetext(double wert)
{
    std::string text;
    FormatiereNachkomma(wert, text, 2);
    return text;
}

bool Grundrisseingabe::ImZeichenbereich(const Haus& haus, const Punkt2D& p)
{
    return p.x > 0 && p.x < haus.OpenGLWidth && p.y > 0 && p.y < haus.OpenGLHeight;
}

void Grundrisseingabe::NeuerGrundrisspunkt(Haus& haus, const Punkt2D& p, Notifier& notifier)
{
    haus.m_aLinien1.RemoveAll();
    haus.m_aLinien2.RemoveAll();
    Punkt2DArray& u = Zone0(haus).m_a2DGrundrissPunkte;

    if (u.empty()) {
        if (ImZeichenbereich(haus, p)) {
            u.Add(p);
            u.Add(p);
            EingabeAktiv = 1;
        }
        return;
    }

    const int n = u.GetSize() - 1;
    if (n <= 0 || !EingabeAktiv || !ImZeichenbereich(haus, p))
        return;

    const Punkt2D a = u[static_cast<std::size_t>(n - 1)];
    const Punkt2D b = u[0];
    haus.Flag2DKnotenGrundriss = SchneidetUmriss(a, p, haus.m_2DKnotenGrundriss, u, 1, &Spur) ? 1 : 0;

    bool dropA = false;
    bool dropB = false;
    if (!haus.Flag2DKnotenGrundriss && n > 1) {
        const Punkt2D c = u[1];
        const Punkt2D d = u[static_cast<std::size_t>(n - 2)];
        dropA = Fast(Richtungswinkel(a, p), Richtungswinkel(d, a));
        if (p == b)
            dropB = Fast(Richtungswinkel(b, c), Richtungswinkel(a, b));
    }

    const double fang = 4 * haus.OpenGLGrid;
    if (Abstand(p, b) < fang && n > 2) {
        // Closing by a click near the start: only when the closing edge is
        // free, as for the double click; otherwise the marker shows why.
        if (!SchliesskanteFrei(haus)) {
            haus.Flag2DKnotenGrundriss = 1;
            return;
        }
        PruefeSchlussMerge(u, n, dropA, dropB);
        // What is left after merging the straight corners must enclose something.
        if (n - dropA - dropB < 3)
            return;
        u.RemoveAt(static_cast<std::size_t>(n));
        if (dropA)
            u.RemoveAt(static_cast<std::size_t>(n - 1));
        if (dropB)
            u.RemoveAt(0);
        Schliesse(haus);
        return;
    }

    if (Abstand(p, a) < Gleich || haus.Flag2DKnotenGrundriss || Abstand(p, b) < fang)
        return;
    // The edge that replaces a merged corner is an edge like any other: a
    // merge that would cross the outline keeps the corner; the click itself
    // made a free edge and is taken as drawn.
    if (dropA && !MergekanteFrei(Teilkette(u, 0, static_cast<std::size_t>(n - 2)), u[static_cast<std::size_t>(n - 2)], p))
        dropA = false;
    // The floating point becomes fixed; the surface generator takes at most
    // MaxGrundrissPunkte corners, so the outline never gets more.
    const int fest = dropA ? n : n + 1;
    if (fest > C3DGenerator::MaxGrundrissPunkte) {
        notifier.Nachricht(C3DGenerator::MeldungZuVielePunkte, Notifier::Art::Fehler);
        return;
    }
    u.Add(p);
    if (dropA)
        u.RemoveAt(static_cast<std::size_t>(n - 1));
}

bool Grundrisseingabe::SchliesskanteFrei(Haus& haus)
{
    const Punkt2DArray& u = Zone0(haus).m_a2DGrundrissPunkte;
    const int n = u.GetSize() - 1;
    const Punkt2D a = u[static_cast<std::size_t>(n - 1)];
    const Punkt2D b = u[0];
    // Every edge is examined; the closing edge may touch only its two
    // neighbours, at the corners it shares with them.
    Punkt2D schnitt;
    Pruefspur spur;
    if (!SchneidetUmriss(b, a, schnitt, u, 1, &spur))
        return true;
    haus.m_2DKnotenGrundriss = schnitt;
    Spur = spur;
    return false;
}

void Grundrisseingabe::Schliesse(Haus& haus)
{
    EingabeAktiv = 0;
    haus.Flag2DKnotenGrundriss = 0;
    haus.m_aZone.Add(Zone());
    Zone& zone = haus.m_aZone[0];
    zone.Geschlossen = 1;
    ++haus.Zonen;
    haus.Flag2DEingabeImUZS = IstImUhrzeigersinn(zone.m_a2DGrundrissPunkte) ? 1 : 0;
    if (!haus.Flag2DEingabeImUZS)
        KehreUm(zone.m_a2DGrundrissPunkte);
}

void Grundrisseingabe::Doppelklick(Haus& haus)
{
    Punkt2DArray& u = Zone0(haus).m_a2DGrundrissPunkte;
    const int n = u.GetSize() - 1;
    if (!EingabeAktiv || n <= 2 || haus.Flag2DKnotenGrundriss || haus.Zonen != 1)
        return;

    if (!SchliesskanteFrei(haus)) {
        // The point that the double click's first press fixed follows the
        // cursor again.
        haus.Flag2DKnotenGrundriss = 1;
        u.RemoveAt(static_cast<std::size_t>(n));
        return;
    }
    const Punkt2D a = u[static_cast<std::size_t>(n - 1)];
    const Punkt2D b = u[0];
    const Punkt2D d = u[static_cast<std::size_t>(n - 2)];
    const double ab = Richtungswinkel(a, b);
    bool dropA = Fast(ab, Richtungswinkel(d, a));
    bool dropB = Fast(ab, Richtungswinkel(b, u[1]));
    PruefeSchlussMerge(u, n, dropA, dropB);
    if (n - dropA - dropB < 3) {
        // What is left after merging the straight corners encloses nothing.
        haus.Flag2DKnotenGrundriss = 1;
        haus.m_2DKnotenGrundriss = a;
        u.RemoveAt(static_cast<std::size_t>(n));
        return;
    }
    u.RemoveAt(static_cast<std::size_t>(n));
    if (dropA)
        u.RemoveAt(static_cast<std::size_t>(n - 1));
    if (dropB)
        u.RemoveAt(0);
    Schliesse(haus);
}

void Grundrisseingabe::Rechtsklick(Haus& haus)
{
    haus.m_aLinien1.RemoveAll();
    haus.m_aLinien2.RemoveAll();
    std::size_t z = LetzteZone(haus);
    Punkt2DArray* u = &haus.m_aZone[z].m_a2DGrundrissPunkte;
    const int m = u->GetSize() - 1;
    if (m > 1) {
        if (!EingabeAktiv)
            EingabeAktiv = 1;
        else
            u->RemoveAt(static_cast<std::size_t>(m));
    } else if (m == 1) {
        u->RemoveAll();
        EingabeAktiv = 0;
    } else {
        EingabeAktiv = 0;
        if (haus.Zonen > 1) {
            --haus.Zonen;
            z = LetzteZone(haus);
            u = &haus.m_aZone[z].m_a2DGrundrissPunkte;
        }
    }
    if (u->size() > 1) {
        EingabeAktiv = 1;
        haus.Flag2DKnotenGrundriss = 0;
    }
}

Ablesungen Grundrisseingabe::Bewegung(Haus& haus, const Punkt2D& p)
{
    Ablesungen werte;
    if (haus.Phase < 13 && haus.Phase != 10) {
        werte.emplace_back(ablesung::X, Ablesetext(p.x));
        werte.emplace_back(ablesung::Y, Ablesetext(p.y));
    }
    const std::size_t z = LetzteZone(haus);
    Punkt2DArray& u = haus.m_aZone[z].m_a2DGrundrissPunkte;
    const int n = u.GetSize() - 1;
    if (n < 1)
        return werte;
    const Punkt2D a = u[static_cast<std::size_t>(n - 1)];
    if (EingabeAktiv) {
        u[static_cast<std::size_t>(n)] = p;
        werte.emplace_back(ablesung::Laenge, Ablesetext(Abstand(a, p)));
        werte.emplace_back(ablesung::XVersatz, Ablesetext(std::fabs(p.x - a.x)));
        werte.emplace_back(ablesung::YVersatz, Ablesetext(std::fabs(p.y - a.y)));
    }
    haus.Flag2DKnotenGrundriss = SchneidetUmriss(a, p, haus.m_2DKnotenGrundriss, u, 1, &Spur) ? 1 : 0;
    for (std::size_t vorher = z; !haus.Flag2DKnotenGrundriss && vorher-- > 0;)
        if (SchneidetUmriss(a, p, haus.m_2DKnotenGrundriss, haus.m_aZone[vorher].m_a2DGrundrissPunkte, 0, &Spur))
            haus.Flag2DKnotenGrundriss = 1;
    return werte;
}

Ablesungen Grundrisseingabe::Nordrichtung(Haus& haus, const Punkt2D& p)
{
    const Punkt2D mitte(haus.OpenGLWidth / 2, haus.OpenGLWidth / 2);
    const double alpha = Richtungswinkel(mitte, p);
    // At the centre there is no direction: nothing changes.
    if (alpha < 0)
        return {};
    haus.Ausrichtung = alpha;
    return {{ablesung::Laenge, Nordwinkeltext(alpha)}};
}

Ablesungen Grundrisseingabe::NordDruck(Haus& haus, const Punkt2D& p)
{
    Ablesungen werte = Nordrichtung(haus, p);
    EingabeAktiv = 1;
    return werte;
}

Ablesungen Grundrisseingabe::NordBewegung(Haus& haus, const Punkt2D& p)
{
    if (!EingabeAktiv)
        return {};
    return Nordrichtung(haus, p);
}

void Grundrisseingabe::NordLoslassen(Haus& haus, const Punkt2D& p)
{
    Nordrichtung(haus, p);
    EingabeAktiv = 0;
}

} // namespace zeva
