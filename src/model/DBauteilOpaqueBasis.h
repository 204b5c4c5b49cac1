#pragma once
// What the five opaque component records (DWand, DBoden, DDecke, DFlachdach,
// DSteildach) share: their members, deep copy, the test for a record that is
// not filled in, the measure setting from a data-base row, and both document
// forms. Each record adds what sets it apart: its element name, its measure
// kind, the defaults of the renovation flags, and the border kind (Zone, all
// but DSteildach) and roof kind (Warmdach, DFlachdach only).
//
// T is the record class, S its measure class.
#include "model/CXmlObjektArray.h"
#include "model/DSBauteilOpaque.h"
#include "model/DSchicht.h"
#include "model/GleichePlane.h"
#include "model/KurznameFeld.h"
#include "model/Plane.h"
#include "model/SanierungsZeile.h"
#include "platform/BinaryArchive.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace zeva {

// The measure setting of every opaque record on measure m of a record with
// the given area, layer flag and build-up. Returns false only for a core fill
// of a layered component without air layers; the measure is filled even then.
bool SetzeOpakeSanierung(DSBauteilOpaque& m, const SanZeileOpaque& zeile, double flaeche, std::int32_t schicht,
                         const CDSchichtArray& schichtaufbau);

namespace detail {
// The parts of a member table, one after the other.
template <std::size_t A, std::size_t B, std::size_t C>
std::array<XmlMember, A + B + C> VerbindeTabellen(const std::array<XmlMember, A>& a,
                                                  const std::array<XmlMember, B>& b,
                                                  const std::array<XmlMember, C>& c)
{
    std::array<XmlMember, A + B + C> r;
    std::copy(a.begin(), a.end(), r.begin());
    std::copy(b.begin(), b.end(), r.begin() + A);
    std::copy(c.begin(), c.end(), r.begin() + A + B);
    return r;
}
} // namespace detail

template <class T, class S>
class DBauteilOpaqueBasis : public CXmlSerializable<T> {
public:
    using Massnahme = S;
    using MassnahmenArray = CXmlObjektArray<S>;

    // Record with area <= 0 or U-value <= 0: not filled in.
    bool IstUngueltig() const { return Flaeche <= 0 || kWert <= 0; }

    // Fills the measure of building state n from a row of the measure table
    // of this kind (see SetzeOpakeSanierung). A slot n that does not exist is
    // left alone and gives false.
    bool SetzeSanierung(int n, const SanZeileOpaque& zeile)
    {
        if (n < 0 || static_cast<std::size_t>(n) >= m_aSan.size())
            return false;
        return SetzeOpakeSanierung(m_aSan[static_cast<std::size_t>(n)], zeile, Flaeche, Schicht, m_Schichtaufbau);
    }

    // Document order; Dicke before Flaeche. The three embedded objects write
    // elements of their own. Kurzname is never written.
    static auto GetXmlMembers(T& b)
    {
        const std::array kopf{XmlInt("Nummer", b.Nummer),
                              XmlString("Name", b.Name),
                              XmlString("Langtext", b.Langtext),
                              XmlDouble("Dicke", b.Dicke),
                              XmlDouble("Flaeche", b.Flaeche),
                              XmlDouble("kWert", b.kWert)};
        const std::array rest{XmlInt("SanbarInnen", b.SanbarInnen),
                              XmlInt("SanbarZwischen", b.SanbarZwischen),
                              XmlInt("SanbarAussen", b.SanbarAussen),
                              XmlInt("SanMussInnen", b.SanMussInnen),
                              XmlInt("SanMussAussen", b.SanMussAussen),
                              XmlString("Bitmappfad", b.Bitmappfad),
                              XmlDouble("SowiesoInnen", b.SowiesoInnen),
                              XmlDouble("SowiesoAussen", b.SowiesoAussen),
                              XmlString("Kommentar", b.Kommentar),
                              XmlInt("GesamteFassadeBetrachten", b.GesamteFassadeBetrachten),
                              XmlObject(b.m_plane),
                              XmlObject(b.m_Schichtaufbau),
                              XmlObject(b.m_aSan)};
        if constexpr (T::HatWarmdach)
            return detail::VerbindeTabellen(
                kopf, std::array{XmlInt("Zone", b.Zone), XmlInt("Schicht", b.Schicht), XmlInt("Warmdach", b.Warmdach)},
                rest);
        else if constexpr (T::HatZone)
            return detail::VerbindeTabellen(kopf, std::array{XmlInt("Zone", b.Zone), XmlInt("Schicht", b.Schicht)},
                                            rest);
        else
            return detail::VerbindeTabellen(kopf, std::array{XmlInt("Schicht", b.Schicht)}, rest);
    }

    // Older binary form: the members in document order, then the plane, the
    // build-up and the measures. A flat roof's binary form has no Zone (it
    // keeps its value); there is no version test of the record's own.
    void Serialize(BinaryArchive& ar) override
    {
        T& b = static_cast<T&>(*this);
        Nummer = ar.ReadInt();
        Name = ar.ReadString();
        Langtext = ar.ReadString();
        Dicke = ar.ReadDouble();
        Flaeche = ar.ReadDouble();
        kWert = ar.ReadDouble();
        if constexpr (T::HatZone && !T::HatWarmdach)
            b.Zone = ar.ReadInt();
        Schicht = ar.ReadInt();
        if constexpr (T::HatWarmdach)
            b.Warmdach = ar.ReadInt();
        SanbarInnen = ar.ReadInt();
        SanbarZwischen = ar.ReadInt();
        SanbarAussen = ar.ReadInt();
        SanMussInnen = ar.ReadInt();
        SanMussAussen = ar.ReadInt();
        Bitmappfad = ar.ReadString();
        SowiesoInnen = ar.ReadDouble();
        SowiesoAussen = ar.ReadDouble();
        Kommentar = ar.ReadString();
        GesamteFassadeBetrachten = ar.ReadInt();
        m_plane.Serialize(ar);
        m_Schichtaufbau.Serialize(ar);
        m_aSan.Serialize(ar);
    }

    // Every member equal, Kurzname, Zone and Warmdach included; the planes by
    // GleichePlane, the layers and measures one by one.
    bool operator==(const DBauteilOpaqueBasis& o) const
    {
        if (!(Kurzname == o.Kurzname && GesamteFassadeBetrachten == o.GesamteFassadeBetrachten &&
              SowiesoInnen == o.SowiesoInnen && SowiesoAussen == o.SowiesoAussen && Nummer == o.Nummer &&
              Name == o.Name && Langtext == o.Langtext && Flaeche == o.Flaeche && Dicke == o.Dicke &&
              kWert == o.kWert && Schicht == o.Schicht && SanbarInnen == o.SanbarInnen &&
              SanbarZwischen == o.SanbarZwischen && SanbarAussen == o.SanbarAussen &&
              SanMussInnen == o.SanMussInnen && SanMussAussen == o.SanMussAussen && Bitmappfad == o.Bitmappfad &&
              Kommentar == o.Kommentar && GleichePlane(m_plane, o.m_plane)))
            return false;
        const T& a = static_cast<const T&>(*this);
        const T& b = static_cast<const T&>(o);
        if constexpr (T::HatZone) {
            if (a.Zone != b.Zone)
                return false;
        }
        if constexpr (T::HatWarmdach) {
            if (a.Warmdach != b.Warmdach)
                return false;
        }
        return m_Schichtaufbau.Elemente() == o.m_Schichtaufbau.Elemente() && m_aSan.Elemente() == o.m_aSan.Elemente();
    }

    KurznameFeld Kurzname; // short label, never stored
    std::int32_t GesamteFassadeBetrachten = 1;
    double SowiesoInnen = 0;  // EUR
    double SowiesoAussen = 0; // EUR
    std::int32_t Nummer = 0;
    std::string Name;
    std::string Langtext;
    double Flaeche = 0; // m²
    double Dicke = 0;   // m
    double kWert = 0;   // W/(m²K)
    std::int32_t Schicht = 1; // 1: U-value and thickness follow from the build-up
    std::int32_t SanbarInnen = 0;
    std::int32_t SanbarZwischen = 0;
    std::int32_t SanbarAussen = 0;
    std::int32_t SanMussInnen = 0;
    std::int32_t SanMussAussen = 0;
    std::string Bitmappfad;
    std::string Kommentar;
    Plane m_plane;
    CDSchichtArray m_Schichtaufbau; // inside to outside
    MassnahmenArray m_aSan;         // one measure per building state; slot 0 stays empty

protected:
    DBauteilOpaqueBasis(std::int32_t sanbarInnen, std::int32_t sanbarZwischen, std::int32_t sanbarAussen)
        : SanbarInnen(sanbarInnen), SanbarZwischen(sanbarZwischen), SanbarAussen(sanbarAussen)
    {
    }
    DBauteilOpaqueBasis(const DBauteilOpaqueBasis&) = default;
    DBauteilOpaqueBasis& operator=(const DBauteilOpaqueBasis&) = default;
};

} // namespace zeva
