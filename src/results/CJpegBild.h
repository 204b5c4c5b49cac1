#pragma once
// Writes a bitmap held in memory as a JPEG file. The bitmap is given the way
// a captured screen picture comes: a small header (size, bit count, colour
// table) and the pixel rows, stored bottom-up with every row padded to a
// multiple of four bytes. No Qt here: the views convert their pictures into
// this form.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zeva {

struct BitmapKopf {
    std::int32_t breite = 0;
    // Positive: the rows are stored bottom-up (the last stored row is the top
    // of the picture).
    std::int32_t hoehe = 0;
    // 1, 4, 8, 16 (5-5-5), 24 (B, G, R) or 32 (B, G, R, unused).
    int bitzahl = 0;
    // For bit counts up to 8: entries blue, green, red, reserved.
    std::vector<std::array<std::uint8_t, 4>> farbtabelle;
};

class CJpegBild {
public:
    static constexpr const char* FehlerEingabe = "Invalid input data";
    static constexpr const char* FehlerBitzahl = "Invalid bitmap bit count";

    CJpegBild() = default;
    virtual ~CJpegBild() = default;

    // Writes the picture with a quality of 0 to 100. False when it failed:
    // the reason is left in Fehlertext() and no partial file stays behind.
    // When the file cannot be made or written, the reason is the system's,
    // in the language of the user's locale.
    // `zeilen` holds hoehe stored rows of the header's row length.
    bool SchreibeJpeg(const BitmapKopf* kopf, const std::uint8_t* zeilen, const std::string& datei, int qualitaet);

    const std::string& Fehlertext() const { return m_fehler; }

    // Bytes of one stored row: the bits of a row rounded up to whole 32-bit
    // words.
    static std::size_t Zeilenlaenge(int breite, int bitzahl);
    // A 5-bit channel value widened to 8 bits.
    static std::uint8_t Erweitere5Bit(unsigned v);

private:
    std::string m_fehler;
};

} // namespace zeva
