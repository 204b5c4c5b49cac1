#pragma once
// A growable byte stream in memory: the report writer transforms the report
// page into it and the report view reads the page from it. Positions and
// sizes are 32 bits wide, as the report pages are far smaller.
#include <cstdint>
#include <memory>
#include <streambuf>

namespace zeva {

class CMemStream {
public:
    // The result codes of the stream operations.
    enum Ergebnis : long { S_OK = 0, E_FAIL = static_cast<long>(0x80004005L) };

    CMemStream() = default;
    CMemStream(const CMemStream&) = delete;
    CMemStream& operator=(const CMemStream&) = delete;

    // Copies min(count, size - position) bytes from the position into ziel
    // and advances; fails without a buffer, with size 0 or without a target.
    long Read(void* ziel, std::uint32_t count, std::uint32_t* gelesen);
    // Writes count bytes at the position, growing the stream so that it
    // ends with them when they pass its end, and advances.
    long Write(const void* quelle, std::uint32_t count, std::uint32_t* geschrieben);
    // origin 0: from the start, 1: from the position, 2: from the end. A
    // result before 0 or beyond the size fails and leaves the position.
    long Seek(std::int64_t verschiebung, int origin, std::uint64_t* neuePosition);
    // 0 frees the buffer and sets the position 0; any other size keeps the
    // bytes up to the smaller size and pulls the position back within it.
    long SetSize(std::uint64_t groesse);

    std::uint32_t Size() const { return m_size; }
    std::uint32_t Position() const { return m_position; }
    bool HatPuffer() const { return m_buffer != nullptr; }

private:
    std::uint32_t m_size = 0;
    std::unique_ptr<char[]> m_buffer;
    std::uint32_t m_capacity = 0;
    std::uint32_t m_position = 0;
};

// Lets a std::ostream write into a CMemStream (the transformation writes its
// page through it).
class CMemStreamBuf : public std::streambuf {
public:
    explicit CMemStreamBuf(CMemStream& stream) : m_stream(stream) {}

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;

private:
    CMemStream& m_stream;
};

} // namespace zeva
