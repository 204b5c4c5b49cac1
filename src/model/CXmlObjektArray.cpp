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

std::size_t GelesenesSize(std::int32_t size, std::size_t vorhanden)
{
    if (size < 0 || static_cast<std::size_t>(size) > vorhanden)
        return vorhanden;
    return static_cast<std::size_t>(size);
}

} // namespace zeva::detail
