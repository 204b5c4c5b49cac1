#pragma once
// A profile in memory for the tests of the model: it keeps the three kinds of
// value apart, records the order of the writes and can be told to refuse
// writes.
#include "model/Profil.h"

#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace zeva::test {

class SpeicherProfil final : public Profil {
public:
    using Wert = std::variant<int, std::string, std::vector<std::uint8_t>>;

    bool SchreibeInt(const std::string& a, const std::string& e, int w) override { return Merke(a, e, w); }
    bool SchreibeString(const std::string& a, const std::string& e, const std::string& w) override
    {
        return Merke(a, e, w);
    }
    bool SchreibeBinaer(const std::string& a, const std::string& e, std::span<const std::uint8_t> b) override
    {
        return Merke(a, e, std::vector<std::uint8_t>(b.begin(), b.end()));
    }

    std::optional<int> LeseInt(const std::string& a, const std::string& e) const override { return Hole<int>(a, e); }
    std::optional<std::string> LeseString(const std::string& a, const std::string& e) const override
    {
        return Hole<std::string>(a, e);
    }
    std::optional<std::vector<std::uint8_t>> LeseBinaer(const std::string& a, const std::string& e) const override
    {
        return Hole<std::vector<std::uint8_t>>(a, e);
    }

    std::map<std::pair<std::string, std::string>, Wert> werte;
    std::vector<std::string> reihenfolge; // "section/entry" of every write
    std::string verweigere;               // entry name whose write fails

private:
    bool Merke(const std::string& a, const std::string& e, Wert w)
    {
        reihenfolge.push_back(a + "/" + e);
        if (e == verweigere)
            return false;
        werte[{a, e}] = std::move(w);
        return true;
    }

    template <class T>
    std::optional<T> Hole(const std::string& a, const std::string& e) const
    {
        const auto it = werte.find({a, e});
        if (it == werte.end() || !std::holds_alternative<T>(it->second))
            return std::nullopt;
        return std::get<T>(it->second);
    }
};

} // namespace zeva::test
