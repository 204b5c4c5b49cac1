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
    const std::size_t vorhanden = detail::ZaehleKindElemente(ar, WertElement);
    std::int32_t size = -1;
    ar.ReadMember(XmlInt("Size", size, XmlMember::Attribute));
    m_werte.assign(detail::GelesenesSize(size, vorhanden), 0.0);
    for (double& wert : m_werte)
        ar.ReadMember(XmlDouble(WertElement, wert));
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
