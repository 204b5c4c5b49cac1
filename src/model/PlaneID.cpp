#include "model/PlaneID.h"

#include <algorithm>

namespace zeva {

std::optional<std::int32_t> FensterPlaneID(std::int32_t traegerID, int n, std::span<const std::int32_t> belegteIDs)
{
    const int art = flaechenart::Fenster + ArtAusID(traegerID);
    const int nummer = NummerAusID(traegerID);
    const int geschoss = GeschossAusID(traegerID);
    const int index = IndexAusID(traegerID);
    const auto id = [&](int fensterNummer) { return PlaneIDAus(0, art, fensterNummer, geschoss, index); };

    const auto belegt = [&](std::int32_t kandidat) {
        return std::find(belegteIDs.begin(), belegteIDs.end(), kandidat) != belegteIDs.end();
    };
    if (n >= 0 && n <= 9 && !belegt(id(nummer < 10 ? 10 * n + nummer : n)))
        return id(nummer < 10 ? 10 * n + nummer : n);

    // Past ten windows the plain rule would repeat numbers of the first ten
    // (window 10 on carrier number 0 would get number 10 like window 1), and
    // on part areas of one carrier it repeats numbers of the other rows
    // (window 1 of number 0 and window 0 of number 10 are both number 10).
    for (int kandidat = 0; kandidat < 100; ++kandidat) {
        if (!belegt(id(kandidat)))
            return id(kandidat);
    }
    return std::nullopt;
}

} // namespace zeva
