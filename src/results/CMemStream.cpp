#include "results/CMemStream.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace zeva {

long CMemStream::Read(void* ziel, std::uint32_t count, std::uint32_t* gelesen)
{
    if (!m_buffer || m_size == 0 || ziel == nullptr)
        return E_FAIL;
    const std::uint32_t n = std::min(count, m_size - m_position);
    if (n > 0)
        std::memcpy(ziel, m_buffer.get() + m_position, n);
    m_position += n;
    if (gelesen)
        *gelesen = n;
    return S_OK;
}

long CMemStream::Write(const void* quelle, std::uint32_t count, std::uint32_t* geschrieben)
{
    if (count > 0 && quelle == nullptr)
        return E_FAIL;
    const std::uint64_t ende = std::uint64_t{m_position} + count;
    if (ende > std::numeric_limits<std::uint32_t>::max())
        return E_FAIL;
    if (ende > m_size && SetSize(ende) != S_OK)
        return E_FAIL;
    if (count > 0)
        std::memcpy(m_buffer.get() + m_position, quelle, count);
    m_position += count;
    if (geschrieben)
        *geschrieben = count;
    return S_OK;
}

long CMemStream::Seek(std::int64_t verschiebung, int origin, std::uint64_t* neuePosition)
{
    std::int64_t basis = 0;
    switch (origin) {
    case 0:
        basis = 0;
        break;
    case 1:
        basis = m_position;
        break;
    case 2:
        basis = m_size;
        break;
    default:
        return E_FAIL;
    }
    // Displacements near the limits of 64 bits cannot name a place in the
    // stream; they fail before the sum could overflow.
    if (verschiebung > std::int64_t{std::numeric_limits<std::uint32_t>::max()} ||
        verschiebung < -std::int64_t{std::numeric_limits<std::uint32_t>::max()})
        return E_FAIL;
    const std::int64_t ziel = basis + verschiebung;
    if (ziel < 0 || ziel > std::int64_t{m_size})
        return E_FAIL;
    m_position = static_cast<std::uint32_t>(ziel);
    if (neuePosition)
        *neuePosition = m_position;
    return S_OK;
}

long CMemStream::SetSize(std::uint64_t groesse)
{
    const auto neu = static_cast<std::uint32_t>(groesse);
    if (neu == 0) {
        m_buffer.reset();
        m_capacity = 0;
        m_size = 0;
        m_position = 0;
        return S_OK;
    }
    if (neu > m_capacity) {
        // Grows by half again, so that a page written in many small pieces
        // is not copied at every piece.
        std::uint64_t kapazitaet = std::max<std::uint64_t>(neu, std::uint64_t{m_capacity} + m_capacity / 2);
        kapazitaet = std::min<std::uint64_t>(kapazitaet, std::numeric_limits<std::uint32_t>::max());
        std::unique_ptr<char[]> puffer(new (std::nothrow) char[kapazitaet]);
        if (!puffer)
            return E_FAIL;
        if (m_buffer && m_size > 0)
            std::memcpy(puffer.get(), m_buffer.get(), m_size);
        m_buffer = std::move(puffer);
        m_capacity = static_cast<std::uint32_t>(kapazitaet);
    }
    if (neu > m_size)
        std::memset(m_buffer.get() + m_size, 0, neu - m_size);
    m_size = neu;
    m_position = std::min(m_position, m_size);
    return S_OK;
}

CMemStreamBuf::int_type CMemStreamBuf::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const char zeichen = traits_type::to_char_type(c);
    return m_stream.Write(&zeichen, 1, nullptr) == CMemStream::S_OK ? c : traits_type::eof();
}

std::streamsize CMemStreamBuf::xsputn(const char* s, std::streamsize n)
{
    if (n <= 0)
        return 0;
    if (n > std::numeric_limits<std::uint32_t>::max())
        return 0;
    return m_stream.Write(s, static_cast<std::uint32_t>(n), nullptr) == CMemStream::S_OK ? n : 0;
}

} // namespace zeva
