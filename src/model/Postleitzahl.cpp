#include "model/Postleitzahl.h"

#include "model/Klimadaten.h"
#include "model/Zahlentext.h"

#include <climits>
#include <cmath>

namespace zeva {

namespace {

constexpr std::size_t PlzLaenge = 5;
constexpr int HoechsteRegion = 12;

// The next white-space separated token as a whole number; false at the end
// of the table or for a token that is not one.
bool LeseGanzzahl(std::istream& in, int& wert)
{
    std::string token;
    if (!(in >> token))
        return false;
    long long x = 0;
    if (!LeseGanzzahlToken(token, x) || x < INT_MIN || x > INT_MAX)
        return false;
    wert = static_cast<int>(x);
    return true;
}

} // namespace

std::optional<int> PlzPraefix(std::string_view eingabe)
{
    if (eingabe.size() != PlzLaenge)
        return std::nullopt;
    double wert = 0;
    if (!LeseZahl(eingabe, wert))
        return std::nullopt;
    if (wert < 100 || wert > 99999 || wert != std::trunc(wert))
        return std::nullopt;
    return static_cast<int>(wert * 0.01);
}

std::optional<int> SucheKlimaregion(std::istream& tabelle, int praefix)
{
    tabelle.clear();
    tabelle.seekg(0);
    int p = 0;
    int region = 0;
    while (LeseGanzzahl(tabelle, p) && LeseGanzzahl(tabelle, region)) {
        if (p == praefix) {
            if (region < 0 || region > HoechsteRegion)
                return std::nullopt;
            return region;
        }
    }
    return std::nullopt;
}

PlzErgebnis KlimaregionAusPlz(std::istream& tabelle, std::string_view eingabe)
{
    PlzErgebnis e;
    const std::optional<int> praefix = PlzPraefix(eingabe);
    if (!praefix)
        return e;
    const std::optional<int> region = SucheKlimaregion(tabelle, *praefix);
    if (!region)
        return e;
    e.klimaregion = *region + 1;
    if (*region >= 1)
        e.text = KlimazonenName(*region);
    return e;
}

} // namespace zeva
