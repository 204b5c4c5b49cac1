#pragma once
// The per-user profile: named values in named sections that outlive the
// program. The model reads and writes it only through this interface; the
// shell provides it (QtProfil) and keeps it in the user's configuration
// folder. Values are integers, strings or byte strings; a byte string is
// missing for a reader of integers or strings and the other way round (a
// store may keep integers and strings in one text form).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zeva {

class Profil {
public:
    virtual ~Profil() = default;

    // Each write returns true when the value was stored.
    virtual bool SchreibeInt(const std::string& abschnitt, const std::string& eintrag, int wert) = 0;
    virtual bool SchreibeString(const std::string& abschnitt, const std::string& eintrag,
                                const std::string& wert) = 0;
    virtual bool SchreibeBinaer(const std::string& abschnitt, const std::string& eintrag,
                                std::span<const std::uint8_t> bytes) = 0;

    // Each read gives the stored value of its kind, or nothing when the entry
    // is missing or holds a value it cannot take.
    virtual std::optional<int> LeseInt(const std::string& abschnitt, const std::string& eintrag) const = 0;
    virtual std::optional<std::string> LeseString(const std::string& abschnitt,
                                                  const std::string& eintrag) const = 0;
    virtual std::optional<std::vector<std::uint8_t>> LeseBinaer(const std::string& abschnitt,
                                                                const std::string& eintrag) const = 0;
};

// A double is kept as a byte string of exactly its 8 bytes, least significant
// first (IEEE 754), so that it comes back bit for bit, -0.0 included.
bool SchreibeProfilDouble(Profil& profil, const std::string& abschnitt, const std::string& eintrag, double wert);

// The first 8 bytes of the entry as a double; the default when the entry is
// missing, is no byte string or holds fewer than 8 bytes.
double LeseProfilDouble(const Profil& profil, const std::string& abschnitt, const std::string& eintrag,
                        double standard);

} // namespace zeva
