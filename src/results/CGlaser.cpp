#include "results/CGlaser.h"

#include "model/Zahlentext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace zeva {

namespace {

// Winter climate and periods of the check.
constexpr double InnenTemperatur = 20.0;
constexpr double AussenTemperatur = -10.0;
constexpr double InnenFeuchte = 0.5;
constexpr double AussenFeuchte = 0.8;
constexpr double Rsi = 1.0 / 8.0;  // m²K/W
constexpr double Rse = 1.0 / 25.0; // m²K/W
constexpr double Tauperiode = 1440.0;        // h
constexpr double Verdunstungsperiode = 2160.0; // h
// Diffusion resistance of still air, m·h·Pa/kg.
constexpr double LuftDiffusionswiderstand = 1.5e6;
// Vapour-pressure difference towards the inside during the summer, Pa.
constexpr double SommerDruckdifferenz = 420.6;
// Winter condensate above which the build-up fails whatever dries out, kg/m².
constexpr double TauwasserGrenze = 0.35;

constexpr const char* Luftschicht = "Luftschicht";

bool IstLuftschicht(const GlaserSchicht& s)
{
    return s.Name == Luftschicht;
}

// Thermal resistance of one layer; air layers by their thickness alone
// (heat flowing upwards, the least favourable case for roofs and walls).
double Widerstand(const GlaserSchicht& s)
{
    return IstLuftschicht(s) ? LuftschichtWert(s.Dicke, 1) : s.Dicke / s.Lambda;
}

struct Koeffizienten {
    double a;
    double b;
};

Koeffizienten Magnus(double t)
{
    return t > 0 ? Koeffizienten{17.27, 237.3} : Koeffizienten{21.87, 265.5};
}

bool IstLeerraum(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A field from its number on: leading blanks and a plus sign skipped, which
// std::from_chars would not take.
std::string_view AbZahl(std::string_view feld)
{
    std::size_t i = 0;
    while (i < feld.size() && IstLeerraum(feld[i]))
        ++i;
    if (i < feld.size() && feld[i] == '+')
        ++i;
    return feld.substr(i);
}

// The number at the start of a field; a decimal comma counts as a point.
// Only the field is read, so the C locale of the process plays no part.
double LeseFeldZahl(std::string_view feld)
{
    std::string zahl(AbZahl(feld));
    std::replace(zahl.begin(), zahl.end(), ',', '.');
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    (void)ende;
    if (fehler != std::errc() || !std::isfinite(wert))
        return 0;
    return wert;
}

int LeseFeldGanzzahl(std::string_view feld)
{
    const std::string_view zahl = AbZahl(feld);
    int wert = 0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    (void)ende;
    return fehler == std::errc() ? wert : 0;
}

// Takes the text up to the next separator off the front of `rest`; without a
// separator the whole rest.
std::string_view NaechstesFeld(std::string_view& rest, char trenner)
{
    const std::size_t pos = rest.find(trenner);
    const std::string_view feld = rest.substr(0, pos);
    rest = pos == std::string_view::npos ? std::string_view() : rest.substr(pos + 1);
    return feld;
}

bool IstLeer(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IstLeerraum);
}

bool AlleEndlich(const std::vector<double>& werte)
{
    return std::all_of(werte.begin(), werte.end(), [](double v) { return std::isfinite(v); });
}

} // namespace

double CGlaser::Saettigungsdruck(double t)
{
    const Koeffizienten k = Magnus(t);
    return 610.7 * std::exp(k.a * t / (k.b + t));
}

double CGlaser::SaettigungsdruckAbleitung(double t)
{
    const Koeffizienten k = Magnus(t);
    return Saettigungsdruck(t) * k.a * k.b / ((k.b + t) * (k.b + t));
}

void CGlaser::Zuruecksetzen()
{
    m_Kondensat = 0;
    m_Verdunstung = 0;
    m_Ergebnis = 0;
    m_q = 0;
    m_SdSumme = 0;
    m_nErsteSchicht = 0;
    m_aSd.clear();
    m_aTemperatur.clear();
    m_aSaettigungsdruck.clear();
    m_aSanierungsSchichten.clear();
    m_aSaettigungskurve.clear();
    m_aDampfdrucklinie.clear();
}

void CGlaser::SetzeSchichtquelle(CSchichtquelle* quelle)
{
    Zuruecksetzen();
    m_pQuelle = quelle;
}

void CGlaser::LeseSchichttext(std::string_view text)
{
    Zuruecksetzen();
    // Entries first, then their fields: a damaged entry then cannot pull its
    // neighbour's fields into itself.
    std::string_view rest = text;
    while (!rest.empty()) {
        std::string_view eintrag = NaechstesFeld(rest, ';');
        if (IstLeer(eintrag))
            continue;
        SanierungsSchicht s;
        s.Name = std::string(NaechstesFeld(eintrag, '/'));
        s.Position = LeseFeldGanzzahl(NaechstesFeld(eintrag, '/'));
        s.Dicke = LeseFeldZahl(NaechstesFeld(eintrag, '/'));
        s.Lambda = LeseFeldZahl(NaechstesFeld(eintrag, '/'));
        s.Mu = LeseFeldZahl(eintrag);
        m_aSanierungsSchichten.push_back(std::move(s));
    }
    if (m_pQuelle)
        m_pQuelle->UebernehmeSanierungsschichten(m_aSanierungsSchichten);
}

bool CGlaser::Berechne()
{
    const std::vector<GlaserSchicht> schichten = m_pQuelle ? m_pQuelle->HoleSchichtaufbau() : std::vector<GlaserSchicht>{};
    if (schichten.size() == m_aSd.size())
        return std::fabs(m_Ergebnis) > 1e-5;
    Zuruecksetzen();
    const bool kondensation = Rechne(schichten);
    // Whatever the build-up, nothing undefined reaches the pages or the diagram.
    bool endlich = std::isfinite(m_Kondensat) && std::isfinite(m_Verdunstung) && std::isfinite(m_Ergebnis)
                   && std::isfinite(m_q) && std::isfinite(m_SdSumme) && AlleEndlich(m_aSd)
                   && AlleEndlich(m_aTemperatur) && AlleEndlich(m_aSaettigungsdruck);
    for (const Punkt2D& p : m_aDampfdrucklinie)
        endlich = endlich && std::isfinite(p.x) && std::isfinite(p.y);
    if (!endlich) {
        Zuruecksetzen();
        return false;
    }
    return kondensation;
}

bool CGlaser::Rechne(const std::vector<GlaserSchicht>& schichten)
{
    const std::size_t n = schichten.size();
    if (n == 0)
        return false;

    // Thermal resistance and heat flux.
    double r = Rsi + Rse;
    for (const GlaserSchicht& s : schichten) {
        // Only a finite, positive conductivity gives a layer a resistance;
        // anything else is a damaged record, not a build-up.
        if (!std::isfinite(s.Dicke) || !std::isfinite(s.Mu))
            return false;
        if (!IstLuftschicht(s) && !(s.Lambda > 0 && std::isfinite(s.Lambda)))
            return false;
        r += Widerstand(s);
    }
    if (!(r > 0))
        return false;

    // Diffusion-equivalent thicknesses and positions on the sd axis.
    std::vector<double> sd(n);
    std::vector<double> x(n + 1, 0.0);
    double sdSumme = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sd[i] = std::fabs(schichten[i].Mu * schichten[i].Dicke);
        sdSumme += sd[i];
        x[i + 1] = sdSumme;
    }
    if (!(sdSumme > 0))
        return false;

    m_q = (InnenTemperatur - AussenTemperatur) / r;
    m_aSd = sd;
    m_SdSumme = sdSumme;

    // Temperatures and saturation pressures at the boundaries.
    m_aTemperatur.resize(n + 1);
    m_aTemperatur[0] = InnenTemperatur - m_q * Rsi;
    for (std::size_t i = 0; i < n; ++i)
        m_aTemperatur[i + 1] = m_aTemperatur[i] - m_q * Widerstand(schichten[i]);
    m_aSaettigungsdruck.resize(n + 1);
    for (std::size_t j = 0; j <= n; ++j)
        m_aSaettigungsdruck[j] = Saettigungsdruck(m_aTemperatur[j]);

    // The straight vapour-pressure line between the surfaces.
    const double pi = InnenFeuchte * m_aSaettigungsdruck[0];
    const double pe = AussenFeuchte * m_aSaettigungsdruck[n];
    const double k = (pe - pi) / sdSumme;
    auto linie = [&](double xx) { return pi + k * xx; };
    m_aDampfdrucklinie.emplace_back(0.0, pi);

    // Temperature at sd position xx, linear inside layer i. A layer without
    // diffusion resistance is a single point on the sd axis: its outer side.
    auto temperatur = [&](std::size_t i, double xx) {
        if (!(sd[i] > 0))
            return m_aTemperatur[i + 1];
        return m_aTemperatur[i] + (xx - x[i]) * (m_aTemperatur[i + 1] - m_aTemperatur[i]) / sd[i];
    };

    // First layer in which the line meets the saturation curve: from the
    // layer's outer end inwards, at N points.
    bool gefunden = false;
    for (std::size_t i = 0; i < n && !gefunden; ++i) {
        const double d0 = m_aSaettigungsdruck[i] - linie(x[i]);
        const long long anzahl = std::max(4LL, static_cast<long long>(100.0 * sd[i] / sdSumme));
        for (long long j = 0; j < anzahl; ++j) {
            const double xx = x[i + 1] - sd[i] * static_cast<double>(j) / static_cast<double>(anzahl);
            const double tt = j == 0 ? m_aTemperatur[i + 1] : temperatur(i, xx);
            if (d0 * (Saettigungsdruck(tt) - linie(xx)) < 0) {
                gefunden = true;
                m_nErsteSchicht = static_cast<int>(i);
                break;
            }
        }
    }
    if (!gefunden) {
        m_aDampfdrucklinie.emplace_back(sdSumme, pe);
        return false;
    }

    // Tangent from the inner point (0, pi) to the saturation curve within the
    // first crossing layer, by the secant method.
    const std::size_t f = static_cast<std::size_t>(m_nErsteSchicht);
    const double anfang = x[f];
    const double ende = x[f + 1];
    double xt = ende;
    if (ende > anfang) {
        const double g = (m_aTemperatur[f + 1] - m_aTemperatur[f]) / sd[f];
        auto tangente = [&](double xx) {
            const double tt = temperatur(f, xx);
            return xx * SaettigungsdruckAbleitung(tt) * g - (Saettigungsdruck(tt) - pi);
        };
        double xa = anfang;
        double xb = ende;
        double xNeu = xb;
        int zaehler = 0;
        double fb = 0;
        do {
            fb = tangente(xb);
            const double fa = tangente(xa);
            xNeu = xb - fb * (xb - xa) / (fb - fa);
            xa = xb;
            xb = xNeu;
        } while (std::fabs(fb) >= 1e-6 && zaehler++ <= 200);
        // A search that ran away stays within the layer: the tangent point of
        // a crossing in this layer lies in it.
        xt = std::isfinite(xNeu) ? std::clamp(xNeu, anfang, ende) : ende;
    }
    const double pt = Saettigungsdruck(temperatur(f, xt));
    m_aDampfdrucklinie.emplace_back(xt, pt);
    m_aDampfdrucklinie.emplace_back(sdSumme, pe);

    // Winter condensate and summer evaporation from the fluxes on either side
    // of the condensation plane.
    const Punkt2D& p1 = m_aDampfdrucklinie[1];
    const Punkt2D& p2 = m_aDampfdrucklinie[m_aDampfdrucklinie.size() - 2];
    const double zufluss = (pi - p1.y) / (LuftDiffusionswiderstand * p1.x);
    const double abfluss = (p2.y - pe) / (LuftDiffusionswiderstand * (sdSumme - p2.x));
    m_Kondensat = Tauperiode * std::fabs(zufluss - abfluss);
    m_Verdunstung = Verdunstungsperiode * (SommerDruckdifferenz / (LuftDiffusionswiderstand * p1.x) + abfluss);
    m_Ergebnis = 0;
    if (m_Kondensat > m_Verdunstung)
        m_Ergebnis = m_Kondensat - m_Verdunstung;
    if (m_Kondensat > TauwasserGrenze)
        m_Ergebnis = -m_Kondensat;
    return true;
}

void CGlaser::ErzeugeSaettigungskurve(int w)
{
    if (!m_aSaettigungskurve.empty() || m_aSd.empty() || !(m_SdSumme > 0))
        return;
    double xi = 0;
    for (std::size_t i = 0; i < m_aSd.size(); ++i) {
        const double sd = m_aSd[i];
        const int m = std::max(1, static_cast<int>(sd * w / m_SdSumme));
        for (int j = 0; j < m; ++j) {
            const double anteil = static_cast<double>(j) / m;
            const double t = m_aTemperatur[i] + (m_aTemperatur[i + 1] - m_aTemperatur[i]) * anteil;
            m_aSaettigungskurve.emplace_back(xi + sd * anteil, Saettigungsdruck(t));
        }
        xi += sd;
    }
    // The curve reaches the outer face: with thin-in-sd outside insulation
    // as the last layer the pressure falls steeply there, and a crossing
    // with the vapour-pressure line in that layer must be visible.
    m_aSaettigungskurve.emplace_back(xi, Saettigungsdruck(m_aTemperatur[m_aSd.size()]));
}

} // namespace zeva
