#pragma once
// What the manual measure pages of a renovation variant work out without a
// window: the texts of a component row, the measure a chosen data-base row
// gives a component, µ of a measure's layer text, the layer text of a measure
// the user defines, the test whether a variant still equals the existing
// building, and the layer source the Glaser check reads for the three groups
// that have one. Plain C++, no Qt.
#include "model/DBauteilOpaqueBasis.h"
#include "model/DFlachdach.h"
#include "model/DSteildach.h"
#include "model/DWand.h"
#include "model/SanierungsZeile.h"
#include "results/CSchichtquelle.h"

#include <array>
#include <string>

namespace zeva {

class Haus;

// The measure of state n of a component, or null when the component has no
// such slot (a damaged document).
template <class B>
auto* MassnahmeSlot(B& bauteil, int n)
{
    using Zeiger = decltype(&bauteil.m_aSan[0]);
    if (n < 0 || static_cast<std::size_t>(n) >= bauteil.m_aSan.size())
        return Zeiger{nullptr};
    return &bauteil.m_aSan[static_cast<std::size_t>(n)];
}

// Column "Nr." of row i (0-based): the number right-aligned in three places,
// " ##" after it when the measure lets condensate form.
std::string Zeilennummer(int i, bool tauwasser);
// A value in ten significant digits, "##########" when it cannot be shown.
std::string Zehnstellen(double wert);

// The six cell texts of a component row with its measure (none: empty
// measure texts); the condensate mark only where the group has a Glaser check.
std::array<std::string, 6> Zeilentexte(int i, const std::string& kurzname, const std::string& name,
                                       const DSBauteilOpaque* massnahme, bool mitTauwasser);

// The summed thickness of the layers named exactly "Luftschicht".
double Luftschichtdicke(const CDSchichtArray& schichten);

// Gives measure m the chosen row with the prices the browse dialog worked out:
// name, texts, life, layers, use (inside before outside before core fill),
// the row's flags (or, with nurGewaehlteVerwendung, only the chosen use's),
// the price on the area, thickness and U-value with the core-fill rule, CO2
// and KEA. The condensate of the last Glaser check and the picture stay.
void WendeAuswahlAn(DSBauteilOpaque& m, const SanZeileOpaque& zeile, double preisfix, double preisProQm,
                    double flaeche, std::int32_t schicht, const CDSchichtArray& schichtaufbau,
                    bool nurGewaehlteVerwendung);

// µ of a measure: the number after the last blank of its layer text, with a
// decimal comma or point; 0 when there is none.
double MuAusSchichten(const std::string& schichten);

// The layer text of a measure the user defines: one layer with the placement
// code of the use (0 inside: 11, 1 outside: -1, otherwise 0), thickness in m,
// conductivity U·d and µ.
std::string EigeneSchichten(const std::string& name, int verwendungsort, double dickeCm, double uWert, double mu);

// Variant n of the house still equals the existing building: every
// component's measure n as its measure 0 (opaque: name and price; windows:
// name, price and both U-values), the heating n as heating 0 (name, price,
// annual efficiency within 1e-12). A missing slot counts as empty.
bool IstWieBestand(const Haus& haus, int n);

// The layer source of the Glaser check on one component of a group: the
// component as it exists, and a working copy into which the measure's
// placed layers go.
template <class T>
class CSanPaar : public CSchichtquelle {
public:
    void SetzeBauteil(const T& bauteil)
    {
        m_Saniert = T();
        m_Bestand = bauteil;
    }

    std::vector<GlaserSchicht> HoleSchichtaufbau() const override
    {
        std::vector<GlaserSchicht> aufbau;
        for (const DSchicht& s : m_Saniert.m_Schichtaufbau)
            aufbau.push_back(GlaserSchicht{s.Name, s.Dicke, s.Lambda, s.Mu});
        return aufbau;
    }

    void UebernehmeSanierungsschichten(const std::vector<SanierungsSchicht>& schichten) override
    {
        m_Saniert = m_Bestand;
        for (const SchichtEinfuegung& e : PlatziereSanierungsschichten(m_Saniert.m_Schichtaufbau.size(), schichten)) {
            const SanierungsSchicht& q = schichten[e.Schicht];
            DSchicht s;
            s.Name = q.Name;
            s.Dicke = q.Dicke;
            s.Lambda = q.Lambda;
            s.Mu = q.Mu;
            m_Saniert.m_Schichtaufbau.InsertAt(e.Index, s);
        }
    }

    const T& Saniert() const { return m_Saniert; }

private:
    T m_Saniert;
    T m_Bestand;
};

using CFlachdachSanPaar = CSanPaar<DFlachdach>;
using CSteildachSanPaar = CSanPaar<DSteildach>;
using CWandSanPaar = CSanPaar<DWand>;

} // namespace zeva
