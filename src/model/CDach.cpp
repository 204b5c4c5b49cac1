#include "model/CDach.h"

#include "model/CXmlArchive.h"
#include "model/GeometrieToleranzen.h"
#include "model/Zahlentext.h"
#include "platform/BinaryArchive.h"

#include <cassert>
#include <cmath>
#include <utility>

namespace zeva {

namespace {

// Binary form of a stored roof point: x and y as doubles.
constexpr std::size_t BytesJeDachpunkt = 16;
// From this document version on the roof stores its heating flag.
constexpr int VersionMitBeheizt = 9;

// A local offset turned by the rectangle's angle (clockwise in the plan).
Punkt2D Drehe(double u, double v, double winkel)
{
    const double c = std::cos(winkel);
    const double s = std::sin(winkel);
    return {u * c + v * s, v * c - u * s};
}

// Where the line through a1, a2 crosses the line through b1, b2; false when
// they run parallel (or one has no length).
bool Linienschnitt(const Punkt2D& a1, const Punkt2D& a2, const Punkt2D& b1, const Punkt2D& b2, Punkt2D& schnitt)
{
    const Punkt2D d = a2 - a1;
    const Punkt2D e = b2 - b1;
    const double det = d.x * e.y - d.y * e.x;
    if (std::fabs(det) < toleranz::Parallel2D)
        return false;
    const double t = ((b1.x - a1.x) * e.y - (b1.y - a1.y) * e.x) / det;
    schnitt = a1 + d * t;
    return true;
}

} // namespace

CDach::CDach(int typ) : Typ(static_cast<std::uint8_t>(typ)) {}

CDach::CDach(int typ, const Zone& ersteZone)
    : Typ(static_cast<std::uint8_t>(typ)),
      Hoehe(ersteZone.Dachhoehe),
      GeschossHoehe(ersteZone.Dachgeschosshoehe),
      MansardHoehe(ersteZone.Dachhoehe * 2.0 / 3.0)
{
}

double CDach::VorgabeMansardHoehe(double hoehe)
{
    return RundeNachkomma(hoehe * 2.0 / 3.0, 2);
}

bool CDach::PunkteVollstaendig() const
{
    const int n = DachPunktzahl(Typ);
    return n > 0 && static_cast<int>(m_points.size()) == n;
}

bool CDach::IstFertig() const
{
    return PunkteVollstaendig() && Zustand == ZustandFertig;
}

bool CDach::KannFirstDrehen() const
{
    return Typ >= dachtyp::Satteldach && (Sperre & 1) == 0;
}

bool CDach::IstBeschaedigt() const
{
    return m_beschaedigt || !PunkteVollstaendig();
}

const Punkt2D& CDach::Punkt(int i) const
{
    assert(i >= 0 && static_cast<std::size_t>(i) < m_points.size());
    return m_points[static_cast<std::size_t>(i)];
}

void CDach::SetzeHoehe(double h)
{
    Hoehe = h;
    if (IstFertig())
        BerechneKnickhoehen();
}

void CDach::SetzeMansardHoehe(double h)
{
    MansardHoehe = h;
    SetzeHoehe(Hoehe);
}

void CDach::SetzePunktzahl()
{
    m_points.SetSize(static_cast<std::size_t>(DachPunktzahl(Typ)));
}

void CDach::SetzeKanten()
{
    m_Kanten.clear();
    for (const auto& kante : DachKanten(Typ)) {
        m_Kanten.push_back(kante[0]);
        m_Kanten.push_back(kante[1]);
    }

    const std::size_t n = m_points.size();
    m_Zugkanten.assign(n, -1);
    auto setze = [&](std::size_t i, int kante) {
        if (i < n)
            m_Zugkanten[i] = kante;
    };
    // Each corner slides along its eave.
    setze(0, 3);
    setze(1, 1);
    setze(2, 1);
    setze(3, 3);
    switch (Typ) {
    case dachtyp::Satteldach:
    case dachtyp::Walmdach:
        setze(4, 4);
        setze(5, 4);
        break;
    case dachtyp::Krueppelwalmdach:
        setze(4, 4);
        setze(5, 4);
        setze(6, 0);
        setze(7, 0);
        setze(8, 2);
        setze(9, 2);
        break;
    case dachtyp::Mansarddach:
        setze(4, 4);
        setze(5, 4);
        setze(6, 5);
        setze(7, 5);
        setze(8, 7);
        setze(9, 7);
        break;
    case dachtyp::Zeltdach:
        m_Zugkanten.assign(n, -1);
        break;
    default:
        break;
    }
}

bool CDach::FirstLaengs() const
{
    bool r = std::fabs(m_size.y) < std::fabs(m_size.x);
    if (FirstGedreht == 1)
        r = !r;
    return r;
}

void CDach::BerechneDachpunkte(bool neu)
{
    if (neu && !PunkteVollstaendig())
        SetzePunktzahl();

    // The slide edges of the corners and, for the forms that have them, of
    // the inner points.
    if (m_Zugkanten.size() < m_points.size())
        m_Zugkanten.resize(m_points.size(), -1);
    auto zug = [&](std::size_t i, int kante) {
        if (i < m_Zugkanten.size())
            m_Zugkanten[i] = kante;
    };
    zug(0, 3);
    zug(1, 1);
    zug(2, 1);
    zug(3, 3);
    if (Typ == dachtyp::Krueppelwalmdach) {
        zug(6, 0);
        zug(7, 0);
        zug(8, 2);
        zug(9, 2);
    } else if (Typ == dachtyp::Mansarddach) {
        zug(6, 5);
        zug(7, 5);
        zug(8, 7);
        zug(9, 7);
    } else if (Typ == dachtyp::Zeltdach) {
        for (int& z : m_Zugkanten)
            z = -1;
    }

    if (neu && PunkteVollstaendig()) {
        const double L = m_size.x;
        const double W = m_size.y;
        const Punkt2D p0 = m_points[0];
        auto setze = [&](int i, double u, double v) {
            m_points[static_cast<std::size_t>(i)] = p0 + Drehe(u, v, Winkel);
        };
        const bool r = FirstLaengs();
        if (r) {
            setze(1, 0, W);
            setze(2, L, W);
            setze(3, L, 0);
        } else {
            setze(1, L, 0);
            setze(2, L, W);
            setze(3, 0, W);
        }
        switch (Typ) {
        case dachtyp::Satteldach:
            if (r) {
                setze(4, 0, W / 2);
                setze(5, L, W / 2);
            } else {
                setze(4, L / 2, 0);
                setze(5, L / 2, W);
            }
            break;
        case dachtyp::Walmdach:
        case dachtyp::Krueppelwalmdach:
        case dachtyp::Mansarddach:
            if (r) {
                setze(4, L / 4, W / 2);
                setze(5, 3 * L / 4, W / 2);
            } else {
                setze(4, L / 2, W / 4);
                setze(5, L / 2, 3 * W / 4);
            }
            if (Typ == dachtyp::Krueppelwalmdach) {
                if (r) {
                    setze(6, 0, W / 4);
                    setze(7, 0, 3 * W / 4);
                    setze(8, L, 3 * W / 4);
                    setze(9, L, W / 4);
                } else {
                    setze(6, L / 4, 0);
                    setze(7, 3 * L / 4, 0);
                    setze(8, 3 * L / 4, W);
                    setze(9, L / 4, W);
                }
            } else if (Typ == dachtyp::Mansarddach) {
                setze(6, L / 8, W / 8);
                if (r) {
                    setze(7, L / 8, 7 * W / 8);
                    setze(9, 7 * L / 8, W / 8);
                } else {
                    setze(7, 7 * L / 8, W / 8);
                    setze(9, L / 8, 7 * W / 8);
                }
                setze(8, 7 * L / 8, 7 * W / 8);
            }
            break;
        case dachtyp::Zeltdach:
            setze(4, L / 2, W / 2);
            break;
        default:
            break;
        }
    }
    BerechneKnickhoehen();
}

void CDach::BerechneKnickhoehen()
{
    if (!PunkteVollstaendig())
        return;
    if (Typ == dachtyp::Krueppelwalmdach) {
        // The tops of the gable walls lie on the hip lines between the eave
        // corner and the ridge line; their height is their share of that way.
        Punkt2D m;
        const bool schnitt = Linienschnitt(Punkt(0), Punkt(1), Punkt(4), Punkt(5), m);
        auto knick = [&](const Punkt2D& ecke, const Punkt2D& oben) {
            const double weg = (ecke - m).Betrag();
            if (!schnitt || weg < toleranz::StreckeEntartet)
                return Hoehe / 2; // no ridge line to reach: the form's own value
            return Hoehe * (ecke - oben).Betrag() / weg;
        };
        Knickhoehe2 = knick(Punkt(1), Punkt(7));
        Knickhoehe3 = knick(Punkt(0), Punkt(6));
    } else if (Typ == dachtyp::Mansarddach) {
        Knickhoehe2 = MansardHoehe;
    }
}

void CDach::SetzeFirstachse()
{
    m_Firstachse = Linie{};
    if (!PunkteVollstaendig())
        return;
    Punkt2D ende;
    if (FirstLaengs()) {
        ende = Punkt(2) - Punkt(1);
        if (ende.Betrag() < toleranz::StreckeEntartet)
            ende = Punkt(3) - Punkt(0);
    } else {
        ende = Punkt(0) - Punkt(1);
    }
    m_Firstachse = Linie{Punkt2D(0, 0), ende};
}

const DachFlaechenZeile& CDach::Flaechenzeile(int i) const
{
    const auto tabelle = Dachflaechentabelle(Typ);
    assert(i >= 0 && static_cast<std::size_t>(i) < tabelle.size());
    return tabelle[static_cast<std::size_t>(i)];
}

double CDach::HoeheVonCode(int code) const
{
    switch (code) {
    case hoehencode::First:
        return Hoehe;
    case hoehencode::Knick2:
        return Knickhoehe2;
    case hoehencode::Knick3:
        return Knickhoehe3;
    default:
        return 0;
    }
}

void CDach::BaueFlaechenliste()
{
    m_Flaechen.clear();
    if (!PunkteVollstaendig())
        return;
    const auto tabelle = Dachflaechentabelle(Typ);
    m_Flaechen.resize(tabelle.size());
    for (std::size_t i = 0; i < tabelle.size(); ++i) {
        m_Flaechen[i].zeile = static_cast<int>(i);
        m_Flaechen[i].Umlaufsinn = zeva::Umlaufsinn(FlaechenPunkte(static_cast<int>(i)));
    }
}

std::vector<Punkt2D> CDach::FlaechenPunkte(int i) const
{
    std::vector<Punkt2D> punkte;
    if (!PunkteVollstaendig())
        return punkte;
    for (int index : Flaechenzeile(i).punkt) {
        const Punkt2D& p = Punkt(index);
        bool vorhanden = false;
        for (const Punkt2D& q : punkte)
            vorhanden = vorhanden || q == p;
        if (!vorhanden)
            punkte.push_back(p);
    }
    return punkte;
}

void CDach::AktualisiereNachLaden()
{
    SetzeKanten();
    BerechneDachpunkte(false);
    SetzeFirstachse();
    BaueFlaechenliste();
}

bool CDach::ReadXml(CXmlArchiveFile& ar)
{
    constexpr std::int32_t NichtGelesen = -1;
    const std::int32_t sperre = Sperre;
    const std::int32_t gedreht = FirstGedreht;
    Sperre = FirstGedreht = NichtGelesen;
    const bool gelesen = CXmlSerializable<CDach>::ReadXml(ar);
    if (FirstGedreht == NichtGelesen)
        FirstGedreht = gedreht;
    if (Sperre == NichtGelesen) {
        Sperre = sperre;
        LeiteSperreAb();
    }
    return gelesen;
}

void CDach::LeiteSperreAb()
{
    if (!PunkteVollstaendig())
        return;
    CDach neu = *this;
    neu.BerechneDachpunkte(true);
    constexpr double Gleich = 1e-9;
    bool gleich = true;
    for (std::size_t i = 0; i < m_points.size(); ++i)
        gleich = gleich && std::fabs(neu.m_points[i].x - m_points[i].x) <= Gleich &&
                 std::fabs(neu.m_points[i].y - m_points[i].y) <= Gleich;
    if (!gleich)
        Sperre |= 1;
}

void CDach::Serialize(BinaryArchive& ar)
{
    m_beschaedigt = false;
    Typ = ar.ReadByte();
    DiagonalWinkel = ar.ReadDouble();
    Winkel = ar.ReadDouble();
    m_size.Serialize(ar);

    SetzePunktzahl();
    SetzeKanten();
    BerechneDachpunkte(true);

    const std::size_t at = ar.Position();
    const std::int32_t anzahl = ar.ReadInt();
    if (anzahl < 0 || static_cast<std::size_t>(anzahl) > (ar.Size() - ar.Position()) / BytesJeDachpunkt)
        throw BinaryArchiveError("Punktzahl eines Dachs", at);
    // A count other than the form's makes the roof unusable; its points are
    // read all the same so that the rest of the document stays in step.
    if (anzahl != DachPunktzahl(Typ) || DachPunktzahl(Typ) == 0)
        m_beschaedigt = true;
    for (std::int32_t i = 0; i < anzahl; ++i) {
        Punkt2D p;
        p.Serialize(ar);
        if (static_cast<std::size_t>(i) < m_points.size())
            m_points[static_cast<std::size_t>(i)] = p;
    }

    Hoehe = ar.ReadDouble();
    GeschossHoehe = ar.ReadDouble();
    MansardHoehe = ar.ReadDouble();
    m_beheiztGelesen = ar.Version() >= VersionMitBeheizt;
    if (m_beheiztGelesen)
        m_IstBeheizt = ar.ReadInt();

    BerechneKnickhoehen();
    LeiteSperreAb();
    SetzeFirstachse();
    BaueFlaechenliste();
}

std::size_t EntferneBeschaedigteDaecher(CObjektArray<CDach>& daecher, Notifier& notifier)
{
    std::size_t entfernt = 0;
    for (std::size_t i = daecher.size(); i-- > 0;) {
        if (!daecher[i].IstBeschaedigt())
            continue;
        daecher.RemoveAt(i);
        ++entfernt;
    }
    for (std::size_t k = 0; k < entfernt; ++k)
        notifier.Nachricht(CDach::MeldungBeschaedigt, Notifier::Art::Warnung);
    return entfernt;
}

} // namespace zeva
