#include "platform/BinaryArchive.h"

#include "platform/RegularFile.h"

#include <array>
#include <bit>
#include <utility>

namespace zeva {

namespace {

// Tags of an object reference.
constexpr std::uint16_t NullTag = 0x0000;
constexpr std::uint16_t NewClassTag = 0xFFFF;
constexpr std::uint16_t ClassTagBit = 0x8000;
constexpr std::uint16_t BigObjectTag = 0x7FFF;
constexpr std::uint32_t BigClassTagBit = 0x80000000u;

// The only schema number the model's classes ever had.
constexpr std::uint16_t ModelSchema = 1;
// Longest runtime-class name the format allows is 63 characters.
constexpr std::size_t MaxClassNameLength = 63;

// Windows code page 1252, bytes 0x80 to 0x9F. The five bytes the code page
// leaves undefined map to the control characters of the same number, as
// Windows itself converts them.
constexpr std::array<char32_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t FromCp1252(std::uint8_t b)
{
    if (b >= 0x80 && b <= 0x9F)
        return Cp1252High[b - 0x80];
    return b; // ASCII, and 0xA0-0xFF equal Latin-1
}

std::string CorruptMessage(const std::string& what, std::size_t offset)
{
    return "Die Datei ist beschädigt (Byte " + std::to_string(offset) + "): " + what;
}

} // namespace

BinaryArchiveError::BinaryArchiveError(const std::string& what, std::size_t offset)
    : std::runtime_error(CorruptMessage(what, offset))
    , m_offset(offset)
{
}

BinaryArchiveError::BinaryArchiveError(WholeMessage, const std::string& message, std::size_t offset)
    : std::runtime_error(message)
    , m_offset(offset)
{
}

BinaryArchive::BinaryArchive(std::vector<std::uint8_t> data)
    : m_data(std::move(data))
    , m_map(1) // index 0 stands for null
{
}

BinaryArchive BinaryArchive::FromFile(const std::filesystem::path& path)
{
    std::string bytes;
    try {
        bytes = ReadRegularFile(path, MaxFileBytes);
    } catch (const FileReadError&) {
        throw BinaryArchiveError(BinaryArchiveError::WholeMessage{},
                                 "Die Datei „" + path.string() + "“ kann nicht gelesen werden.", 0);
    }
    return BinaryArchive(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

void BinaryArchive::Need(std::size_t n, const char* what) const
{
    if (n > m_data.size() - m_pos)
        throw BinaryArchiveError(std::string("Die Datei endet mitten in ") + what + ".", m_pos);
}

std::uint64_t BinaryArchive::ReadLittleEndian(std::size_t n, const char* what)
{
    Need(n, what);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < n; ++i)
        value |= std::uint64_t(m_data[m_pos + i]) << (8 * i);
    m_pos += n;
    return value;
}

std::uint8_t BinaryArchive::ReadByte()
{
    return static_cast<std::uint8_t>(ReadLittleEndian(1, "einem Byte"));
}

std::uint16_t BinaryArchive::ReadWord()
{
    return static_cast<std::uint16_t>(ReadLittleEndian(2, "einer 16-Bit-Zahl"));
}

std::int16_t BinaryArchive::ReadShort()
{
    return static_cast<std::int16_t>(ReadLittleEndian(2, "einer 16-Bit-Zahl"));
}

std::int32_t BinaryArchive::ReadInt()
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadLittleEndian(4, "einer ganzen Zahl")));
}

std::uint32_t BinaryArchive::ReadDWord()
{
    return static_cast<std::uint32_t>(ReadLittleEndian(4, "einer ganzen Zahl"));
}

float BinaryArchive::ReadFloat()
{
    return std::bit_cast<float>(static_cast<std::uint32_t>(ReadLittleEndian(4, "einer Gleitkommazahl")));
}

double BinaryArchive::ReadDouble()
{
    return std::bit_cast<double>(ReadLittleEndian(8, "einer Gleitkommazahl"));
}

std::uint32_t BinaryArchive::ReadCount(std::size_t minBytesPerElement)
{
    const std::size_t at = m_pos;
    std::uint32_t count = ReadWord();
    if (count == 0xFFFF)
        count = ReadDWord();
    if (minBytesPerElement > 0 && count > (m_data.size() - m_pos) / minBytesPerElement)
        throw BinaryArchiveError("Die Anzahl " + std::to_string(count)
                                     + " ist größer, als der Rest der Datei fassen kann.",
                                 at);
    return count;
}

// The length prefix of a string: u8; 0xFF then u16; 0xFFFF then u32. The
// u16 0xFFFE marks UTF-16 text, whose own length prefix follows in the same
// form (where 0xFFFE is then a plain length).
std::size_t BinaryArchive::ReadStringLength(bool& wide)
{
    wide = false;
    const std::uint8_t b = ReadByte();
    if (b < 0xFF)
        return b;
    std::uint16_t w = ReadWord();
    if (w == 0xFFFE) {
        wide = true;
        const std::uint8_t wb = ReadByte();
        if (wb < 0xFF)
            return wb;
        w = ReadWord();
    }
    if (w < 0xFFFF)
        return w;
    const std::size_t at = m_pos;
    const std::uint32_t d = ReadDWord();
    if (d == 0xFFFFFFFFu)
        throw BinaryArchiveError("Die Länge einer Zeichenkette ist ungültig.", at);
    return d;
}

std::string BinaryArchive::ReadString()
{
    bool wide = false;
    const std::size_t length = ReadStringLength(wide);
    const std::size_t charSize = wide ? 2 : 1;
    if (length > (m_data.size() - m_pos) / charSize)
        throw BinaryArchiveError("Die Datei endet mitten in einer Zeichenkette von " + std::to_string(length)
                                     + " Zeichen.",
                                 m_pos);

    std::string text;
    text.reserve(length);
    const std::uint8_t* p = m_data.data() + m_pos;
    if (!wide) {
        for (std::size_t i = 0; i < length; ++i)
            AppendUtf8(text, FromCp1252(p[i]));
    } else {
        for (std::size_t i = 0; i < length; ++i) {
            char32_t unit = char32_t(p[2 * i]) | (char32_t(p[2 * i + 1]) << 8);
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < length) {
                const char32_t low = char32_t(p[2 * i + 2]) | (char32_t(p[2 * i + 3]) << 8);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                    ++i;
                    continue;
                }
            }
            if (unit >= 0xD800 && unit <= 0xDFFF)
                unit = 0xFFFD; // an unpaired half of a surrogate pair
            AppendUtf8(text, unit);
        }
    }
    m_pos += length * charSize;
    return text;
}

void BinaryArchive::NumberObject()
{
    // The object gets its index before its body is read, so objects nested in
    // it are numbered after it.
    m_map.emplace_back(std::nullopt);
}

std::optional<std::string> BinaryArchive::ReadNewClass()
{
    const std::size_t schemaAt = m_pos;
    const std::uint16_t schema = ReadWord();
    const std::size_t lengthAt = m_pos;
    const std::uint16_t length = ReadWord();
    if (length == 0 || length > MaxClassNameLength)
        throw BinaryArchiveError("Ein Klassenname hat die ungültige Länge " + std::to_string(length) + ".",
                                 lengthAt);
    Need(length, "einem Klassennamen");
    std::string name(reinterpret_cast<const char*>(m_data.data() + m_pos), length);
    for (const unsigned char c : name)
        if (c < 0x21 || c > 0x7E)
            throw BinaryArchiveError("Ein Klassenname enthält ungültige Zeichen.", m_pos);
    m_pos += length;
    if (schema != ModelSchema)
        throw BinaryArchiveError("Die Klasse „" + name + "“ hat die unbekannte Schemanummer "
                                     + std::to_string(schema) + ".",
                                 schemaAt);
    m_map.emplace_back(std::move(name));
    return m_map.back();
}

const std::string& BinaryArchive::ClassAt(std::uint32_t index, std::size_t tagOffset) const
{
    if (index == 0 || index >= m_map.size() || !m_map[index])
        throw BinaryArchiveError("Der Verweis auf die Klasse Nr. " + std::to_string(index) + " ist ungültig.",
                                 tagOffset);
    return *m_map[index];
}

std::optional<std::string> BinaryArchive::ReadObjectHeader()
{
    const std::size_t at = m_pos;
    const std::uint16_t tag = ReadWord();
    std::optional<std::string> name;
    if (tag == NullTag)
        return std::nullopt;
    if (tag == NewClassTag) {
        name = ReadNewClass();
    } else if (tag & ClassTagBit) {
        name = ClassAt(tag & ~ClassTagBit, at);
    } else if (tag == BigObjectTag) {
        const std::uint32_t big = ReadDWord();
        if (!(big & BigClassTagBit))
            throw BinaryArchiveError("Ein Verweis auf das frühere Objekt Nr. " + std::to_string(big)
                                         + " wird nicht unterstützt.",
                                     at);
        name = ClassAt(big & ~BigClassTagBit, at);
    } else {
        // Back-references would share one object between two owners; the
        // model never writes them.
        throw BinaryArchiveError("Ein Verweis auf das frühere Objekt Nr. " + std::to_string(tag)
                                     + " wird nicht unterstützt.",
                                 at);
    }
    NumberObject();
    return name;
}

BinaryArchive::ObjectScope::ObjectScope(BinaryArchive& ar)
    : m_ar(ar)
{
    if (m_ar.m_depth >= MaxObjectDepth)
        throw BinaryArchiveError("Die Objekte sind zu tief ineinander verschachtelt.", m_ar.m_pos);
    ++m_ar.m_depth;
}

void BinaryArchive::Skip(std::size_t n)
{
    Need(n, "übersprungenen Daten");
    m_pos += n;
}

} // namespace zeva
