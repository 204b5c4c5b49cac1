#include "model/Profil.h"

#include <array>
#include <bit>
#include <limits>

namespace zeva {

namespace {
constexpr std::size_t DoubleBytes = 8;
static_assert(sizeof(double) == DoubleBytes && std::numeric_limits<double>::is_iec559);
} // namespace

bool SchreibeProfilDouble(Profil& profil, const std::string& abschnitt, const std::string& eintrag, double wert)
{
    const auto bits = std::bit_cast<std::uint64_t>(wert);
    std::array<std::uint8_t, DoubleBytes> bytes{};
    for (std::size_t i = 0; i < DoubleBytes; ++i)
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return profil.SchreibeBinaer(abschnitt, eintrag, bytes);
}

double LeseProfilDouble(const Profil& profil, const std::string& abschnitt, const std::string& eintrag,
                        double standard)
{
    const std::optional<std::vector<std::uint8_t>> bytes = profil.LeseBinaer(abschnitt, eintrag);
    if (!bytes || bytes->size() < DoubleBytes)
        return standard;
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < DoubleBytes; ++i)
        bits |= static_cast<std::uint64_t>((*bytes)[i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

} // namespace zeva
