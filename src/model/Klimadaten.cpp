#include "model/Klimadaten.h"

#include "model/Zahlentext.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <mutex>
#include <string_view>
#include <system_error>

namespace zeva {

namespace {

constexpr const char* ZonenNamen[KlimazonenAnzahl] = {
    "Klimaregion 1: Nord-/Ostsee",
    "Klimaregion 2: Norddeutsches Tiefland",
    "Klimaregion 3: Ballungsgebiete",
    "Klimaregion 4: Mittelgebirge ohne Hochlagen",
    "Klimaregion 5: Franken / nördl. Baden-Württemberg",
    "Klimaregion 6: Nördl. Oberrheingraben",
    "Klimaregion 7: Südl. Oberrheingraben",
    "Klimaregion 8: Donaubecken",
    "Klimaregion 9: Alpenvorland (600 - 1000 m)",
    "Klimaregion 10: Schwarzwald",
    "Klimaregion 11: Mittelgebirge / Hochlagen",
    "Klimaregion 12: Bodensee",
    "Klimadaten nach DIN 4108-6",
};

// Lines 1 to 6 of a block hold reals, lines 7 and 8 integers.
constexpr int RealeZeilen = 6;

std::mutex ordnerSperre;
std::filesystem::path gesetzterOrdner;

bool IstLeerraum(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// One line without its line end; false at the end of the file. A carriage
// return before the line feed belongs to the line end.
bool LeseZeile(std::istream& in, std::string& zeile)
{
    if (!std::getline(in, zeile))
        return false;
    if (!zeile.empty() && zeile.back() == '\r')
        zeile.pop_back();
    return true;
}

// A real with an optional sign and a decimal comma or point. The whole token
// must be the number, and it must be finite.
bool LeseReal(std::string_view token, double& wert)
{
    std::string text(token);
    if (!text.empty() && text.front() == '+') {
        text.erase(0, 1);
        if (!text.empty() && text.front() == '-')
            return false;
    }
    if (text.empty() || text.front() == '+')
        return false;
    for (char& c : text) {
        if (c == ',')
            c = '.';
    }
    // Only digits, one sign, the separator and an exponent: no "inf", "nan"
    // or hexadecimal text.
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    }
    double x = 0;
    const char* anfang = text.data();
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(anfang, ende, x, std::chars_format::general);
    if (ec != std::errc() || p != ende || !std::isfinite(x))
        return false;
    wert = x;
    return true;
}

// A decimal integer with an optional sign; leading zeros are plain digits.
bool LeseGanzzahl(std::string_view token, double& wert)
{
    long long x = 0;
    if (!LeseGanzzahlToken(token, x))
        return false;
    wert = static_cast<double>(x);
    return true;
}

// Hands out the white-space separated tokens of the lines that follow.
class TokenStrom {
public:
    explicit TokenStrom(std::istream& in) : m_in(in) {}

    bool Naechster(std::string_view& token)
    {
        for (;;) {
            while (m_pos < m_zeile.size() && IstLeerraum(m_zeile[m_pos]))
                ++m_pos;
            if (m_pos < m_zeile.size()) {
                const std::size_t anfang = m_pos;
                while (m_pos < m_zeile.size() && !IstLeerraum(m_zeile[m_pos]))
                    ++m_pos;
                token = std::string_view(m_zeile).substr(anfang, m_pos - anfang);
                return true;
            }
            if (!LeseZeile(m_in, m_zeile))
                return false;
            m_pos = 0;
        }
    }

private:
    std::istream& m_in;
    std::string m_zeile;
    std::size_t m_pos = 0;
};

} // namespace

std::string KlimazonenName(int zone)
{
    if (zone < 1 || zone > KlimazonenAnzahl)
        return {};
    return ZonenNamen[zone - 1];
}

Klimadaten::Monatsreihe& Klimadaten::Zeile(int i)
{
    return const_cast<Monatsreihe&>(static_cast<const Klimadaten&>(*this).Zeile(i));
}

const Klimadaten::Monatsreihe& Klimadaten::Zeile(int i) const
{
    switch (i) {
    case 0: return StrahlungHorizontal;
    case 1: return StrahlungSued;
    case 2: return StrahlungWest;
    case 3: return StrahlungOst;
    case 4: return StrahlungNord;
    case 5: return Aussentemperatur;
    case 6: return Heiztage;
    default: return Gradtage;
    }
}

std::filesystem::path KlimaOrdner()
{
    {
        std::lock_guard<std::mutex> sperre(ordnerSperre);
        if (!gesetzterOrdner.empty())
            return gesetzterOrdner;
    }
    return std::filesystem::path(ProgrammOrdner()) / "klima";
}

void SetzeKlimaOrdner(const std::filesystem::path& ordner)
{
    std::lock_guard<std::mutex> sperre(ordnerSperre);
    gesetzterOrdner = ordner;
}

std::filesystem::path KlimaDatei()
{
    return KlimaOrdner() / "klima.rdt";
}

std::filesystem::path PlzDatei()
{
    return KlimaOrdner() / "plz.rdt";
}

bool LeseKlimablock(const std::filesystem::path& datei, int zone, Klimadaten& tabellen)
{
    if (zone < 1 || zone > KlimazonenAnzahl)
        return false;
    std::ifstream in(datei, std::ios::binary);
    if (!in)
        return false;
    // A missing file or block leaves the house without climate data; a
    // failure while reading (no memory, an I/O error) is no such answer and
    // raises, or an opened project would lose its climate zone.
    in.exceptions(std::ios::badbit);
    return LeseKlimablock(in, zone, tabellen);
}

bool LeseKlimablock(std::istream& in, int zone, Klimadaten& tabellen)
{
    if (zone < 1 || zone > KlimazonenAnzahl)
        return false;

    // A byte-order mark is not part of the first line.
    static constexpr char Bom[] = "\xEF\xBB\xBF";
    char kopf[3] = {};
    in.read(kopf, 3);
    if (!(in.gcount() == 3 && std::string_view(kopf, 3) == std::string_view(Bom, 3))) {
        in.clear();
        in.seekg(0);
        if (!in)
            return false;
    }

    std::string zeile;
    for (int i = 0; i < (zone - 1) * KlimablockZeilen; ++i) {
        if (!LeseZeile(in, zeile))
            return false;
    }

    TokenStrom werte(in);
    for (int z = 0; z < KlimablockZeilen; ++z) {
        Klimadaten::Monatsreihe& reihe = tabellen.Zeile(z);
        for (double& ziel : reihe) {
            std::string_view token;
            if (!werte.Naechster(token))
                return false;
            double wert = 0;
            const bool gelesen = z < RealeZeilen ? LeseReal(token, wert) : LeseGanzzahl(token, wert);
            if (!gelesen)
                return false;
            ziel = wert;
        }
    }
    return true;
}

} // namespace zeva
