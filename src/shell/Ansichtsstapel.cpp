#include "shell/Ansichtsstapel.h"

namespace zeva {

bool Ansichtsstapel::Push(const AnsichtsEintrag& eintrag)
{
    if (m_nOben + 1 >= MaxEintraege)
        return false;
    m_aEintraege[static_cast<std::size_t>(++m_nOben)] = eintrag;
    return true;
}

bool Ansichtsstapel::Pop(AnsichtsEintrag& eintrag)
{
    if (m_nOben < 0)
        return false;
    AnsichtsEintrag& oben = m_aEintraege[static_cast<std::size_t>(m_nOben--)];
    eintrag = oben;
    oben = {};
    return true;
}

} // namespace zeva
