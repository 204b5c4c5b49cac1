#pragma once
// What the component tables (Boden, Decke, Flachdach, Steildach, Wand) do
// with their rows, without any window: the rows of one carrying surface (row
// 1 its own record, the others part areas on it), paging five at a time, row
// 1's net area, taking a page over, deleting, the area checks, and on OK the
// final numbering of part areas and windows and the write-back into the
// house. The dialogs only show, ask and call it.
#include "model/Eingabehilfen.h"
#include "input/Seitenlage.h"
#include "model/Haus.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace zeva {

// The kind-dependent parts of a table.
template <class T>
struct Bauteiltabellenart;

template <>
struct Bauteiltabellenart<DBoden> {
    static constexpr const char* Wort = "Boden";
    static constexpr bool BehaeltFlaeche = false;   // takes the plane's area on opening
    static constexpr bool ZeigtFlaeche = false;     // part areas show their plane's area
    static constexpr int Grenzarten = 7;            // entries of the border list, 0: none
    static CDBodenArray& Feld(Haus& h) { return h.m_aBoden; }
    static const CDBodenArray& Feld(const Haus& h) { return h.m_aBoden; }
};
template <>
struct Bauteiltabellenart<DDecke> {
    static constexpr const char* Wort = "Decke";
    static constexpr bool BehaeltFlaeche = false;
    static constexpr bool ZeigtFlaeche = false;
    static constexpr int Grenzarten = 5;
    static CDDeckeArray& Feld(Haus& h) { return h.m_aDecke; }
    static const CDDeckeArray& Feld(const Haus& h) { return h.m_aDecke; }
};
template <>
struct Bauteiltabellenart<DFlachdach> {
    static constexpr const char* Wort = "Flachdach";
    static constexpr bool BehaeltFlaeche = false;
    static constexpr bool ZeigtFlaeche = false;
    static constexpr int Grenzarten = 0;
    static CDFlachdachArray& Feld(Haus& h) { return h.m_aFlachdach; }
    static const CDFlachdachArray& Feld(const Haus& h) { return h.m_aFlachdach; }
};
template <>
struct Bauteiltabellenart<DSteildach> {
    static constexpr const char* Wort = "Steildach";
    static constexpr bool BehaeltFlaeche = true;
    static constexpr bool ZeigtFlaeche = true;
    static constexpr int Grenzarten = 0;
    static CDSteildachArray& Feld(Haus& h) { return h.m_aSteildach; }
    static const CDSteildachArray& Feld(const Haus& h) { return h.m_aSteildach; }
};
template <>
struct Bauteiltabellenart<DWand> {
    static constexpr const char* Wort = "Wand";
    static constexpr bool BehaeltFlaeche = true;
    static constexpr bool ZeigtFlaeche = false;
    static constexpr int Grenzarten = 7;
    static CDWandArray& Feld(Haus& h) { return h.m_aWand; }
    static const CDWandArray& Feld(const Haus& h) { return h.m_aWand; }
};

// The border lists: floors and walls, ceilings.
inline constexpr const char* GrenzartenBodenWand[] = {"Außenluft",       "beheizt",         "Erdreich",
                                                      "unbeheizt + 2°C", "unbeheizt + 4°C", "unbeheizt + 6°C",
                                                      "unbeheizt + 8°C"};
inline constexpr const char* GrenzartenDecke[] = {"beheizt", "unbeheizt + 2°C", "unbeheizt + 4°C", "unbeheizt + 6°C",
                                                  "unbeheizt + 8°C"};

// What the checks before OK found.
enum class Flaechenpruefung { Gut, FensterZuGross, TeilflaechenZuGross };

inline constexpr const char* MeldungFensterZuGrossNr1 =
    "Die gesamte Fensterfläche ist\ngrößer als die tragende Fläche \"Nr. 1\".\nBitte korrigieren Sie die Eingabe.";
inline constexpr const char* MeldungTeilflaechenZuGross =
    "Die Summe der auf der tragenden Fläche\nplazierten Teilflächen ist zu groß.\nBitte korrigieren Sie die Eingabe.";
inline constexpr const char* MeldungZeile1NichtLoeschbar =
    "Diese Fläche wurde aus der grafischen Eingabe heraus\nautomatisch generiert und kann zu diesem Zeitpunkt "
    "\nnicht mehr gelöscht werden.";

// A layered record keeps its cavity renovation flag only with a layer named
// exactly "Luftschicht"; without a build-up nothing changes.
template <class T>
void PruefeLuftschicht(T& bauteil)
{
    if (bauteil.Schicht == 0)
        return;
    bool luftschicht = false;
    for (const DSchicht& s : bauteil.m_Schichtaufbau)
        luftschicht = luftschicht || s.IstLuftschicht();
    bauteil.SanbarZwischen = bauteil.SanbarZwischen != 0 && luftschicht ? 1 : 0;
}

// Window orientation presets of a row's window table: the classes of the
// orientation plane, or -1/-1 when the window table takes its carrying plane.
struct Fenstervorgabe {
    int richtung = -1;
    int neigung = -1;
};

template <class T>
class Bauteiltabelle : public Seitenlage {
public:
    using Art = Bauteiltabellenart<T>;
    static constexpr std::int32_t ErsteTemporaereID = 99000000;
    // A net area this little below 0 is rounding of the subtraction, not an
    // overfull carrier.
    static constexpr double Nettotoleranz = 1e-9;

    // One page line as the dialog shows and takes it.
    struct Seitenzeile {
        std::string name;
        double flaeche = 0;
        int zone = -1; // border-list selection, -1 none
    };

    // Copies the records and windows of the house's carrier AktuelleTraegerID.
    // False (and nothing to show) when the carrier has no record of its own.
    bool Oeffne(const Haus& haus)
    {
        const std::int32_t traeger = haus.AktuelleTraegerID;
        m_aZeilen.RemoveAll();
        m_aFenster.RemoveAll();
        int eigener = -1;
        for (const T& b : Art::Feld(haus)) {
            if (b.m_plane.Traeger1ID != traeger)
                continue;
            if (eigener < 0 && b.m_plane.ID == traeger)
                eigener = m_aZeilen.GetSize();
            T kopie = b;
            if constexpr (!Art::BehaeltFlaeche)
                kopie.Flaeche = kopie.m_plane.Flaeche();
            m_aZeilen.Add(kopie);
        }
        if (eigener < 0) {
            // Without its own record a temporary ID would stand for the
            // carrier and reach the house.
            m_aZeilen.RemoveAll();
            return false;
        }
        if (eigener > 0) {
            T eigen = m_aZeilen[static_cast<std::size_t>(eigener)];
            m_aZeilen.RemoveAt(static_cast<std::size_t>(eigener));
            m_aZeilen.InsertAt(0, eigen);
        }
        for (const DFenster& f : haus.m_aFenster)
            if (f.m_plane.Traeger1ID == traeger)
                m_aFenster.Add(f);
        m_nZeilen = m_aZeilen.GetSize();
        m_nErsteZeile = 0;
        m_nAktuelleZeile = 1;
        NeueFlaecheID = ErsteTemporaereID;
        while (m_nZeilen < ZeilenProSeite)
            HaengeZeileAn();
        BerechneNettoflaeche();
        return true;
    }

    // Row r (1-based).
    T& Zeile(int r) { return m_aZeilen[static_cast<std::size_t>(r - 1)]; }
    const T& Zeile(int r) const { return m_aZeilen[static_cast<std::size_t>(r - 1)]; }
    CDFensterArray& Fensterliste() { return m_aFenster; }
    const CDFensterArray& Fensterliste() const { return m_aFenster; }

    // Row r can hold a part area: its final number part (row 1's + r - 1)
    // stays below 100.
    bool Fuellbar(int r) const { return Zeile(1).m_plane.NummerAusID() + (r - 1) <= 99; }

    // Row 1's area: its plane's area minus the planes of the filled part
    // areas. Unrounded, may be negative.
    void BerechneNettoflaeche()
    {
        T& erste = Zeile(1);
        erste.Flaeche = erste.m_plane.Flaeche();
        for (int r = 2; r <= m_nZeilen; ++r)
            if (!Zeile(r).IstUngueltig())
                erste.Flaeche -= Zeile(r).m_plane.Flaeche();
    }

    // What line k (1 to 5) of the page shows.
    Seitenzeile Anzeige(int k) const
    {
        const int r = m_nErsteZeile + k;
        const T& b = Zeile(r);
        Seitenzeile z;
        z.name = b.Name;
        z.flaeche = r == 1 || Art::ZeigtFlaeche ? b.Flaeche : b.m_plane.Flaeche();
        if constexpr (Art::Grenzarten > 0) {
            int zone = b.Zone;
            if constexpr (std::is_same_v<T, DWand>) {
                if (zone > 10)
                    zone %= 10;
            }
            z.zone = zone >= 0 && zone < Art::Grenzarten ? zone : -1;
        }
        return z;
    }

    // Takes the five page lines into their rows. Row 1's plane never changes;
    // a part area's plane becomes a rectangle of its area. A border list
    // without a selection keeps the stored kind.
    void UebernimmSeite(const std::array<Seitenzeile, ZeilenProSeite>& seite)
    {
        for (int k = 1; k <= ZeilenProSeite; ++k) {
            const int r = m_nErsteZeile + k;
            const Seitenzeile& z = seite[static_cast<std::size_t>(k - 1)];
            T& b = Zeile(r);
            b.Nummer = r;
            b.Name = z.name;
            if (r != 1)
                b.m_plane.SetzeRechteck(z.flaeche);
            b.Flaeche = z.flaeche;
            if constexpr (Art::Grenzarten > 0) {
                if (z.zone >= 0)
                    b.Zone = z.zone;
            }
        }
    }

    // One row down; on the last page a new row is appended first. Nothing at
    // 100 rows, nor when the new row's number part would pass 99.
    bool Runter()
    {
        if (!KannRunter())
            return false;
        if (LetzteSeite()) {
            if (!Fuellbar(m_nZeilen + 1))
                return false;
            HaengeZeileAn();
        }
        ++m_nErsteZeile;
        return true;
    }

    // Deletes the current row (2 … m_nZeilen) with its windows; with five
    // rows a new empty row takes the last place. The current row stays on an
    // existing row.
    bool LoescheAktuelleZeile()
    {
        if (m_nAktuelleZeile < 2 || m_nAktuelleZeile > m_nZeilen)
            return false;
        LoescheFensterDerZeile(Zeile(m_nAktuelleZeile).m_plane.ID);
        m_aZeilen.RemoveAt(static_cast<std::size_t>(m_nAktuelleZeile - 1));
        if (m_nZeilen > ZeilenProSeite) {
            --m_nZeilen;
        } else {
            // A fresh part area with a temporary ID of its own: two rows with
            // the default ID -1 would share the windows placed on either.
            --m_nZeilen;
            HaengeZeileAn();
        }
        NachLoeschen();
        return true;
    }

    // The checks of OK, on the rows as taken over.
    Flaechenpruefung PruefeFlaechen() const
    {
        const T& erste = Zeile(1);
        double fenster = 0;
        for (const DFenster& f : m_aFenster)
            if (f.m_plane.Traeger2ID == erste.m_plane.ID)
                fenster += f.Flaeche;
        if (erste.m_plane.Flaeche() <= fenster)
            return Flaechenpruefung::FensterZuGross;
        if (erste.Flaeche < -Nettotoleranz)
            return Flaechenpruefung::TeilflaechenZuGross;
        return Flaechenpruefung::Gut;
    }

    // The orientation presets of row r's window table.
    Fenstervorgabe Fenstervorgaben(const Haus& haus, int r) const
    {
        if constexpr (std::is_same_v<T, DSteildach> || std::is_same_v<T, DWand>) {
            // A part area lies on the carrier: its rectangle says nothing of
            // the direction, the carrier's plane does.
            const Plane& zeile = r == 1 ? Zeile(r).m_plane : Zeile(1).m_plane;
            int gesucht = -1;
            if constexpr (std::is_same_v<T, DSteildach>)
                gesucht = flaechenart::DachGeometrie;
            else if (zeile.ArtAusID() == flaechenart::Giebelwand * IdArtFaktor)
                gesucht = flaechenart::DachSenkrecht;
            const Plane* orientierung = &zeile;
            if (gesucht >= 0) {
                for (const Plane& p : haus.m_aPlane) {
                    if (p.ArtAusID() == gesucht * IdArtFaktor && p.IndexAusID() == zeile.IndexAusID()) {
                        orientierung = &p;
                        break;
                    }
                }
            }
            return {orientierung->Richtungsklasse(haus.Ausrichtung), orientierung->Neigungsklasse()};
        } else {
            (void)haus;
            (void)r;
            return {};
        }
    }

    // OK after the checks and the house's consent: drops the rows not filled
    // in (with their windows), numbers part areas and their windows finally
    // and replaces the carrier's records and windows in the house.
    void Zurueckschreiben(Haus& haus)
    {
        for (int r = m_nZeilen; r >= 2; --r) {
            if (!Zeile(r).IstUngueltig() && Fuellbar(r))
                continue;
            LoescheFensterDerZeile(Zeile(r).m_plane.ID);
            m_aZeilen.RemoveAt(static_cast<std::size_t>(r - 1));
            --m_nZeilen;
        }
        for (T& b : m_aZeilen)
            PruefeLuftschicht(b);
        Nummeriere();

        const Plane erste = Zeile(1).m_plane;
        const std::int32_t id1 = erste.ID;
        auto& feld = Art::Feld(haus);
        const std::size_t ort = EntferneTraeger(feld, id1);
        for (std::size_t i = 0; i < m_aZeilen.size(); ++i)
            feld.InsertAt(ort + i, m_aZeilen[i]);
        const auto plaetze = static_cast<std::size_t>(haus.Varianten + 1);
        for (T& b : feld)
            b.m_aSan.SetSize(plaetze);

        const std::size_t fensterOrt = EntferneTraeger(haus.m_aFenster, id1);
        for (std::size_t i = 0; i < m_aFenster.size(); ++i) {
            DFenster f = m_aFenster[i];
            f.m_aSan.SetSize(plaetze);
            haus.m_aFenster.InsertAt(fensterOrt + i, f);
        }

        const auto traegtFenster = [&](std::int32_t id) {
            for (const DFenster& f : haus.m_aFenster)
                if (f.m_plane.Traeger2ID == id)
                    return 1;
            return 0;
        };
        for (T& b : feld)
            if (b.m_plane.Traeger1ID == erste.Traeger1ID)
                b.m_plane.FensterAufFlaechePlaziert = traegtFenster(b.m_plane.ID);
        for (Plane& p : haus.m_aPlane)
            if (p.Traeger1ID == erste.Traeger1ID)
                p.FensterAufFlaechePlaziert = traegtFenster(p.ID);

        if constexpr (std::is_same_v<T, DBoden>)
            haus.BerechneNettoflaechen();
        haus.ListeNeuAufbauen = 1;
    }

private:
    void HaengeZeileAn()
    {
        const Plane& erste = Zeile(1).m_plane;
        T neu;
        // Reduced about its centre to the new row's area, which is 0.
        neu.m_plane = erste.Skaliert(0);
        neu.m_plane.ID = NeueFlaecheID++;
        neu.m_plane.Traeger1ID = erste.ID;
        neu.m_plane.Traeger2ID = erste.ID;
        neu.m_plane.GaubenID = erste.GaubenID;
        neu.m_plane.FassadenID = erste.FassadenID;
        m_aZeilen.Add(neu);
        ++m_nZeilen;
    }

    void LoescheFensterDerZeile(std::int32_t id)
    {
        for (int i = m_aFenster.GetSize() - 1; i >= 0; --i)
            if (m_aFenster[static_cast<std::size_t>(i)].m_plane.Traeger2ID == id)
                m_aFenster.RemoveAt(static_cast<std::size_t>(i));
    }

    // Part area k (0-based) gets row 1's ID + 10000·k; windows follow their
    // row, and no two windows of the carrier share an ID.
    void Nummeriere()
    {
        const Plane erste = Zeile(1).m_plane;
        // Which row each window stands on, taken before any ID changes: a
        // row's new ID may be another row's old one.
        std::vector<int> zeileDesFensters(m_aFenster.size(), -1);
        for (std::size_t i = 0; i < m_aFenster.size(); ++i)
            for (int r = 1; r <= m_nZeilen; ++r)
                if (m_aFenster[i].m_plane.Traeger2ID == Zeile(r).m_plane.ID) {
                    zeileDesFensters[i] = r;
                    break;
                }
        std::vector<std::int32_t> vergeben;
        for (std::size_t i = 0; i < m_aFenster.size(); ++i)
            if (zeileDesFensters[i] == 1)
                vergeben.push_back(m_aFenster[i].m_plane.ID);
        for (int r = 2; r <= m_nZeilen; ++r) {
            Plane& p = Zeile(r).m_plane;
            p.ID = erste.ID + IdNummerFaktor * (r - 1);
            p.Traeger1ID = erste.ID;
            p.Traeger2ID = erste.ID;
            p.GaubenID = erste.GaubenID;
            p.FassadenID = erste.FassadenID;
            int n = 0;
            for (std::size_t i = 0; i < m_aFenster.size(); ++i) {
                if (zeileDesFensters[i] != r)
                    continue;
                Plane& f = m_aFenster[i].m_plane;
                if (const auto id = FensterPlaneID(p.ID, n, vergeben)) {
                    f.ID = *id;
                    vergeben.push_back(*id);
                }
                f.Traeger1ID = p.Traeger1ID;
                f.Traeger2ID = p.ID;
                f.GaubenID = p.GaubenID;
                f.FassadenID = p.FassadenID;
                ++n;
            }
        }
    }

    // Removes the records of the carrier; returns the lowest index removed,
    // 0 when there was none.
    template <class Feld>
    static std::size_t EntferneTraeger(Feld& feld, std::int32_t traeger)
    {
        std::size_t ort = 0;
        for (int i = feld.GetSize() - 1; i >= 0; --i) {
            if (feld[static_cast<std::size_t>(i)].m_plane.Traeger1ID != traeger)
                continue;
            feld.RemoveAt(static_cast<std::size_t>(i));
            ort = static_cast<std::size_t>(i);
        }
        return ort;
    }

    CObjektArray<T> m_aZeilen;
    CDFensterArray m_aFenster;
    std::int32_t NeueFlaecheID = ErsteTemporaereID;
};

} // namespace zeva
