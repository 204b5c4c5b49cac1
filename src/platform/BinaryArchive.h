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
    // A damaged file: the message reads "Die Datei ist beschädigt (Byte
    // <offset>): <what>", which is what the user is shown.
    BinaryArchiveError(const std::string& what, std::size_t offset);

    // A message that is shown as given (the file could not be read at all).
    struct WholeMessage {};
    BinaryArchiveError(WholeMessage, const std::string& message, std::size_t offset);

    std::size_t Offset() const { return m_offset; }

private:
    std::size_t m_offset;
};

class BinaryArchive {
public:
    // Fewest bytes one element of an object array takes (its 16-bit tag).
    static constexpr std::size_t ObjectRefMinBytes = 2;
    // Deepest nesting of objects inside objects that is accepted; the model
    // nests a few levels, a damaged file could otherwise exhaust the stack.
    static constexpr int MaxObjectDepth = 100;

    // Largest file FromFile reads; the biggest real project is a few hundred
    // kilobytes.
    static constexpr std::size_t MaxFileBytes = 256u * 1024u * 1024u;

    explicit BinaryArchive(std::vector<std::uint8_t> data);
    // Reads a whole regular file; raises BinaryArchiveError (offset 0) when it
    // cannot, also for a folder, a device or a FIFO, at once.
    static BinaryArchive FromFile(const std::filesystem::path& path);

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::int16_t ReadShort();
    std::int32_t ReadInt();
    std::uint32_t ReadDWord();
    float ReadFloat();
    double ReadDouble();

    // Element count of object arrays and value arrays: u16, or 0xFFFF and u32.
    // Counts that the rest of the file cannot hold at minBytesPerElement bytes
    // per element are rejected (0 turns the check off), so a caller may
    // reserve the count it gets.
    std::uint32_t ReadCount(std::size_t minBytesPerElement = 1);

    // A string in any of the archive's length forms; 8-bit text is Windows
    // code page 1252, UTF-16 text is marked by 0xFFFE. Returned as UTF-8.
    std::string ReadString();

    // The head of one object reference: nullopt for a null reference, else the
    // runtime-class name of a new object, which takes the next map index (the
    // class, when new, takes one before it). Back-references to earlier
    // objects, which the model never writes, are rejected.
    std::optional<std::string> ReadObjectHeader();

    // Marks the body of one object being read, for the nesting limit.
    class ObjectScope {
    public:
        explicit ObjectScope(BinaryArchive& ar);
        ~ObjectScope() { --m_ar.m_depth; }
        ObjectScope(const ObjectScope&) = delete;
        ObjectScope& operator=(const ObjectScope&) = delete;

    private:
        BinaryArchive& m_ar;
    };

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
    std::uint64_t ReadLittleEndian(std::size_t n, const char* what);
    std::size_t ReadStringLength(bool& wide);
    std::optional<std::string> ReadNewClass();
    const std::string& ClassAt(std::uint32_t index, std::size_t tagOffset) const;
    void NumberObject();

    std::vector<std::uint8_t> m_data;
    std::size_t m_pos = 0;
    int m_version = 0;
    // The one map of the file: index 0 is null, classes and objects share one
    // counter; the class names by index.
    std::vector<std::optional<std::string>> m_map;
    int m_depth = 0;
};

} // namespace zeva
