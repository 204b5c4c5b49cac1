#pragma once
// Writes documents of the older binary form byte by byte, for tests of the
// reader. It is written from the format's description on its own, not from
// the reader, so that a misreading in one does not hide in the other.
//
// Everything is little-endian. Object references are emitted with explicit
// map indices: the test states which index a class got, so the numbering
// (classes and objects share one counter from 1) is checked, not copied.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace zeva::test {

class ByteBuilder {
public:
    // The length prefix forms of a string.
    enum class Length {
        Auto, // the shortest form, as the writer of the format chooses it
        Byte, // u8 (below 0xFF)
        Word, // 0xFF, u16 (below 0xFFFF)
        DWord, // 0xFF, 0xFFFF, u32
    };

    ByteBuilder& Byte(std::uint8_t v)
    {
        m_bytes.push_back(v);
        return *this;
    }
    ByteBuilder& Word(std::uint16_t v) { return Little(v, 2); }
    ByteBuilder& Short(std::int16_t v) { return Little(static_cast<std::uint16_t>(v), 2); }
    ByteBuilder& Int(std::int32_t v) { return Little(static_cast<std::uint32_t>(v), 4); }
    ByteBuilder& DWord(std::uint32_t v) { return Little(v, 4); }
    ByteBuilder& Float(float v)
    {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        return Little(bits, 4);
    }
    ByteBuilder& Double(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        return Little(bits, 8);
    }
    ByteBuilder& Raw(std::string_view bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    ByteBuilder& Repeat(std::uint8_t v, std::size_t n)
    {
        m_bytes.insert(m_bytes.end(), n, v);
        return *this;
    }

    // Count of an array: u16 below 0xFFFF, else 0xFFFF and u32.
    ByteBuilder& Count(std::uint32_t n, bool longForm = false)
    {
        if (n < 0xFFFF && !longForm)
            return Word(static_cast<std::uint16_t>(n));
        return Word(0xFFFF).DWord(n);
    }

    // The length prefix alone, in the given form.
    ByteBuilder& LengthPrefix(std::uint32_t n, Length form = Length::Auto)
    {
        if (form == Length::Auto)
            form = n < 0xFF ? Length::Byte : n < 0xFFFE ? Length::Word : Length::DWord;
        switch (form) {
        case Length::Byte:
            return Byte(static_cast<std::uint8_t>(n));
        case Length::Word:
            return Byte(0xFF).Word(static_cast<std::uint16_t>(n));
        default:
            return Byte(0xFF).Word(0xFFFF).DWord(n);
        }
    }

    // 8-bit string; the bytes are the code page 1252 text as stored.
    ByteBuilder& String8(std::string_view cp1252, Length form = Length::Auto)
    {
        LengthPrefix(static_cast<std::uint32_t>(cp1252.size()), form);
        return Raw(cp1252);
    }

    // UTF-16 string: 0xFF, 0xFFFE, then the length in code units in one of
    // the same forms, then the code units.
    ByteBuilder& String16(std::u16string_view text, Length form = Length::Auto)
    {
        Byte(0xFF).Word(0xFFFE);
        LengthPrefix(static_cast<std::uint32_t>(text.size()), form);
        for (const char16_t c : text)
            Word(static_cast<std::uint16_t>(c));
        return *this;
    }

    // Object references.
    ByteBuilder& NullObject() { return Word(0x0000); }
    ByteBuilder& NewClass(std::string_view name, std::uint16_t schema = 1)
    {
        Word(0xFFFF).Word(schema).Word(static_cast<std::uint16_t>(name.size()));
        return Raw(name);
    }
    ByteBuilder& ClassRef(std::uint16_t index) { return Word(static_cast<std::uint16_t>(0x8000 | index)); }
    ByteBuilder& BigClassRef(std::uint32_t index) { return Word(0x7FFF).DWord(0x80000000u | index); }
    ByteBuilder& BigTag(std::uint32_t value) { return Word(0x7FFF).DWord(value); }
    ByteBuilder& BackReference(std::uint16_t index) { return Word(index); }

    std::size_t Size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    ByteBuilder& Little(std::uint64_t v, int n)
    {
        for (int i = 0; i < n; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }

    std::vector<std::uint8_t> m_bytes;
};

} // namespace zeva::test
