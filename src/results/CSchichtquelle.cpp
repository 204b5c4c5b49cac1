#include "results/CSchichtquelle.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <set>

namespace zeva {

std::vector<SchichtEinfuegung> PlatziereSanierungsschichten(std::size_t anzahl,
                                                            const std::vector<SanierungsSchicht>& schichten)
{
    std::vector<SchichtEinfuegung> einfuegungen;
    std::set<int> platziert;
    long long n = static_cast<long long>(anzahl);

    auto ersteMitCode = [&](int code) -> std::optional<std::size_t> {
        for (std::size_t k = 0; k < schichten.size(); ++k)
            if (schichten[k].Position == code)
                return k;
        return std::nullopt;
    };

    // Walks one series from `erster` in steps of `schritt` while the code lies
    // in [min, max] and some layer carries it; `index` gives the position for a
    // code in a list of the current length.
    auto reihe = [&](int erster, int schritt, int min, int max, auto index) {
        for (long long code = erster; code >= min && code <= max; code += schritt) {
            const int c = static_cast<int>(code);
            const std::optional<std::size_t> k = ersteMitCode(c);
            // A code that an earlier series already placed ends this one too:
            // the same layer must not go in twice.
            if (!k || !platziert.insert(c).second)
                break;
            const long long i = std::clamp(index(code, n), 0LL, n);
            einfuegungen.push_back({static_cast<std::size_t>(i), *k});
            ++n;
        }
    };

    reihe(1, 1, 1, 9, [](long long c, long long count) { return count - c; });
    reihe(-1, -1, INT_MIN, -1, [](long long, long long count) { return count; });
    reihe(9, -1, 1, 9, [](long long c, long long) { return 10 - c; });
    reihe(11, 1, 11, INT_MAX, [](long long, long long) { return 0LL; });
    return einfuegungen;
}

} // namespace zeva
