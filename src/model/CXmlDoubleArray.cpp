#include "model/CXmlDoubleArray.h"

#include "model/CXmlObjektArray.h"
#include "platform/BinaryArchive.h"

#include <cstdint>

namespace zeva {

namespace {
constexpr const char* WertElement = "Double";
}

bool CXmlDoubleArray::WriteXml(CXmlArchiveFile& ar)
{
    ar.BeginWriteElement(XmlElementName);
    std::int32_t size = static_cast<std::int32_t>(m_werte.size());
    ar.WriteMember(XmlInt("Size", size, XmlMember::Attribute));
    for (double& wert : m_werte)
        ar.WriteMember(XmlDouble(WertElement, wert));
    ar.EndWriteElement();
    return true;
}

bool CXmlDoubleArray::ReadXml(CXmlArchiveFile& ar)
{
    if (!ar.BeginReadElement(XmlElementName))
        return false;
    std::int32_t size = -1;
    ar.ReadMember(XmlInt("Size", size, XmlMember::Attribute));
    m_werte.clear();
    m_werte.reserve(ar.PlatzFuerKindelemente(WertElement, size));
    while ((size < 0 || m_werte.size() < static_cast<std::size_t>(size)) && ar.FolgtKindelement(WertElement)) {
        m_werte.push_back(0.0);
        ar.ReadMember(XmlDouble(WertElement, m_werte.back()));
    }
    ar.EndReadElement();
    return true;
}

void CXmlDoubleArray::Serialize(BinaryArchive& ar)
{
    const std::uint32_t n = ar.ReadCount(sizeof(double));
    std::vector<double> werte(n);
    for (double& wert : werte)
        wert = ar.ReadDouble();
    m_werte = std::move(werte);
}

} // namespace zeva
