#pragma once
// What the plan and the space polygon do alike with their point lists.
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace zeva::punktliste {

// Appends p unless an equal point (the point type's equality) is present.
template <class P>
bool FuegeHinzu(std::vector<P>& punkte, const P& p)
{
    if (std::find(punkte.begin(), punkte.end(), p) != punkte.end())
        return false;
    punkte.push_back(p);
    return true;
}

// Orders the points around the first one: walks the neighbouring pairs from
// index ab on and swaps the first pair for which kreuz(erster, r, s) is
// negative, then starts again, until a walk swaps nothing. The pairwise rule
// settles the corners of any convex polygon in fewer than n² walks; points
// that surround the first one could make it cycle, so the walks are capped.
template <class P, class Kreuz>
void SortierePaarweise(std::vector<P>& punkte, std::size_t ab, Kreuz kreuz)
{
    const std::size_t n = punkte.size();
    if (n < 2)
        return;
    const P erster = punkte[0];
    for (std::size_t gang = 0; gang < n * n; ++gang) {
        bool getauscht = false;
        for (std::size_t i = ab; i + 1 < n; ++i) {
            if (kreuz(erster, punkte[i], punkte[i + 1]) < 0) {
                std::swap(punkte[i], punkte[i + 1]);
                getauscht = true;
                break;
            }
        }
        if (!getauscht)
            return;
    }
}

} // namespace zeva::punktliste
