#pragma once
// Reader of the older binary project documents (".zva"): the little-endian
// archive format of the framework the first program versions were built on.
//
// Every count, length and tag is checked against the bytes that are left; a
// damaged or truncated file raises BinaryArchiveError naming the byte offset
// and never reads past the end. Plain C++, no Qt.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zeva {

class BinaryArchiveError : public std::runtime_error {
public:
    BinaryArchiveError(const std::string& what, std::size_t offset);
    std::size_t Offset() const { return m_offset; }

private:
    std::size_t m_offset;
};

class BinaryArchive {
public:
    explicit BinaryArchive(std::vector<std::uint8_t> data);
    // Reads a whole file; raises BinaryArchiveError (offset 0) when it cannot.
    static BinaryArchive FromFile(const std::filesystem::path& path);

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::int16_t ReadShort();
    std::int32_t ReadInt();
    std::uint32_t ReadDWord();
    float ReadFloat();
    double ReadDouble();

    // Element count of object arrays and value arrays: u16, or 0xFFFF and u32.
    // minBytesPerElement > 0 rejects counts that the rest of the file cannot hold.
    std::uint32_t ReadCount(std::size_t minBytesPerElement = 0);

    // A string in any of the archive's length forms; 8-bit text is Windows
    // code page 1252, UTF-16 text is marked by 0xFFFE. Returned as UTF-8.
    std::string ReadString();

    // The head of one object reference: nullopt for a null reference, else the
    // runtime-class name of a new object, which takes the next map index (the
    // class, when new, takes one before it). Back-references to earlier
    // objects, which the model never writes, are rejected.
    std::optional<std::string> ReadObjectHeader();

    void Skip(std::size_t n);
    std::size_t Position() const { return m_pos; }
    std::size_t Size() const { return m_data.size(); }
    bool AtEnd() const { return m_pos == m_data.size(); }

    // Version of the house being read; records that changed their binary form
    // over the versions read by it.
    int Version() const { return m_version; }
    void SetVersion(int version) { m_version = version; }

private:
    void Need(std::size_t n, const char* what) const;

    std::vector<std::uint8_t> m_data;
    std::size_t m_pos = 0;
    int m_version = 0;
    // The one map of the file: index 0 is null, classes and objects share one
    // counter; the class names by index.
    std::vector<std::optional<std::string>> m_map;
};

} // namespace zeva
