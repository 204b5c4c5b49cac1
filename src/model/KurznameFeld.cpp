#include "model/KurznameFeld.h"

namespace zeva {

void KurznameFeld::Setze(std::string_view text)
{
    // Count characters as UTF-8 lead bytes; continuation bytes (10xxxxxx)
    // belong to the character before them.
    std::size_t zeichen = 0;
    std::size_t ende = 0;
    for (; ende < text.size(); ++ende) {
        const auto byte = static_cast<unsigned char>(text[ende]);
        if ((byte & 0xC0) != 0x80) {
            if (zeichen == MaxZeichen)
                break;
            ++zeichen;
        }
    }
    // The loop stops only in front of a lead byte, so no character is split.
    m_text.assign(text.substr(0, ende));
}

} // namespace zeva
