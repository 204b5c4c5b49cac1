#include "model/CXmlObjektArray.h"

namespace zeva::detail {

std::size_t ZaehleKindElemente(CXmlArchiveFile& ar, const char* name)
{
    CXmlArchive& archiv = ar.Archive();
    archiv.ResetChildCursor();
    std::size_t n = 0;
    while (archiv.FindChildElement(name))
        ++n;
    archiv.ResetChildCursor();
    return n;
}

} // namespace zeva::detail
