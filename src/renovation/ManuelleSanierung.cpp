#include "renovation/ManuelleSanierung.h"

#include "model/Haus.h"
#include "model/Zahlentext.h"

#include <cmath>

namespace zeva {

std::string Zeilennummer(int i, bool tauwasser)
{
    const int nr = i + 1;
    std::string text = (nr < 10 ? "  " : " ") + std::to_string(nr);
    if (tauwasser)
        text += " ##";
    return text;
}

std::string Zehnstellen(double wert)
{
    std::string text;
    if (!FormatiereStellen(wert, text, 10))
        return "##########";
    return text;
}

std::array<std::string, 6> Zeilentexte(int i, const std::string& kurzname, const std::string& name,
                                       const DSBauteilOpaque* massnahme, bool mitTauwasser)
{
    std::array<std::string, 6> texte;
    texte[0] = Zeilennummer(i, mitTauwasser && massnahme != nullptr && massnahme->Tauwassermenge != 0);
    texte[1] = kurzname;
    texte[2] = name;
    if (massnahme != nullptr) {
        texte[3] = massnahme->Name;
        texte[4] = Zehnstellen(massnahme->kWert);
        texte[5] = Zehnstellen(RundeNachkomma(massnahme->Preis, 2));
    }
    return texte;
}

double Luftschichtdicke(const CDSchichtArray& schichten)
{
    double summe = 0;
    for (const DSchicht& s : schichten)
        if (s.IstLuftschicht())
            summe += s.Dicke;
    return summe;
}

void WendeAuswahlAn(DSBauteilOpaque& m, const SanZeileOpaque& zeile, double preisfix, double preisProQm,
                    double flaeche, std::int32_t schicht, const CDSchichtArray& schichtaufbau,
                    bool nurGewaehlteVerwendung)
{
    const std::string bild = m.Bitmappfad;
    const std::int32_t verwendung = m.Verwendung;
    // Names, texts, thickness and U-value with the core-fill rule that every
    // measure setting shares; use, prices and picture follow this dialog's
    // own rules below.
    SetzeOpakeSanierung(m, zeile, flaeche, schicht, schichtaufbau);
    m.Bitmappfad = bild;

    if (zeile.Innen != 0)
        m.Verwendung = DSBauteilOpaque::Innen;
    else if (zeile.Aussen != 0)
        m.Verwendung = DSBauteilOpaque::Aussen;
    else if (zeile.Zwischen != 0)
        m.Verwendung = DSBauteilOpaque::Zwischen;
    else
        m.Verwendung = verwendung;

    if (nurGewaehlteVerwendung) {
        switch (m.Verwendung) {
        case DSBauteilOpaque::Innen: m.MoeglichInnen = 1; break;
        case DSBauteilOpaque::Aussen: m.MoeglichAussen = 1; break;
        case DSBauteilOpaque::Zwischen: m.MoeglichZwischen = 1; break;
        default: break;
        }
    } else {
        m.MoeglichInnen = zeile.Innen;
        m.MoeglichAussen = zeile.Aussen;
        m.MoeglichZwischen = zeile.Zwischen;
    }

    m.Preisfix = preisfix;
    m.PreisProQm = preisProQm;
    m.Preis = preisProQm * flaeche + preisfix;
}

double MuAusSchichten(const std::string& schichten)
{
    const std::size_t blank = schichten.find_last_of(' ');
    std::string zahl = blank == std::string::npos ? schichten : schichten.substr(blank + 1);
    for (char& c : zahl)
        if (c == ',')
            c = '.';
    double wert = 0;
    if (!LeseZahl(zahl, wert, '.'))
        return 0;
    return std::isfinite(wert) ? wert : 0;
}

std::string EigeneSchichten(const std::string& name, int verwendungsort, double dickeCm, double uWert, double mu)
{
    const int code = verwendungsort == 0 ? 11 : verwendungsort == 1 ? -1 : 0;
    const double d = dickeCm * 0.01;
    return name + "/ " + std::to_string(code) + "/ " + DoubleToKomma(d, 5) + "/ " + DoubleToKomma(uWert * d, 5) +
           "/ " + DoubleToKomma(mu, 5);
}

namespace {

template <class Gruppe>
bool GruppeWieBestand(const Gruppe& gruppe, int n)
{
    for (const auto& bauteil : gruppe) {
        const auto* neu = MassnahmeSlot(bauteil, n);
        const auto* alt = MassnahmeSlot(bauteil, 0);
        const bool neuLeer = neu == nullptr;
        const bool altLeer = alt == nullptr;
        if (neuLeer || altLeer) {
            // A slot that is missing is an empty measure.
            const auto* da = neuLeer ? alt : neu;
            if (da != nullptr && !da->IstLeer())
                return false;
            continue;
        }
        if (neu->Name != alt->Name || neu->Preis != alt->Preis)
            return false;
    }
    return true;
}

} // namespace

bool IstWieBestand(const Haus& haus, int n)
{
    if (!GruppeWieBestand(haus.m_aWand, n) || !GruppeWieBestand(haus.m_aBoden, n) ||
        !GruppeWieBestand(haus.m_aDecke, n) || !GruppeWieBestand(haus.m_aFlachdach, n) ||
        !GruppeWieBestand(haus.m_aSteildach, n))
        return false;
    for (const DFenster& fenster : haus.m_aFenster) {
        const auto* neu = MassnahmeSlot(fenster, n);
        const auto* alt = MassnahmeSlot(fenster, 0);
        if (neu == nullptr || alt == nullptr) {
            const auto* da = neu == nullptr ? alt : neu;
            if (da != nullptr && !da->IstLeer())
                return false;
            continue;
        }
        if (neu->Name != alt->Name || neu->Preis != alt->Preis || neu->kWertGlas != alt->kWertGlas ||
            neu->kWertRahmen != alt->kWertRahmen)
            return false;
    }
    if (n < 0 || static_cast<std::size_t>(n) >= haus.m_aHeizung.size() || haus.m_aHeizung.size() == 0)
        return true;
    const DHeizung& h = haus.m_aHeizung[static_cast<std::size_t>(n)];
    const DHeizung& b = haus.m_aHeizung[0];
    return h.Name == b.Name && h.Preis == b.Preis && std::fabs(h.Jahresnutzungsgrad - b.Jahresnutzungsgrad) < 1e-12;
}

} // namespace zeva
