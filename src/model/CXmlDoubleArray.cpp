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
    bool begonnen = false;
    try {
        begonnen = ar.BeginWriteElement(XmlElementName);
        if (begonnen) {
            std::int32_t size = static_cast<std::int32_t>(m_werte.size());
            ar.WriteMember(XmlInt("Size", size, XmlMember::Attribute));
            for (double& wert : m_werte)
                ar.WriteMember(XmlDouble(WertElement, wert));
        }
    } catch (...) {
    }
    if (begonnen) {
        try {
            ar.EndWriteElement();
        } catch (...) {
        }
    }
    return true;
}

bool CXmlDoubleArray::ReadXml(CXmlArchiveFile& ar)
{
    bool begonnen = false;
    try {
        begonnen = ar.BeginReadElement(XmlElementName);
        if (begonnen) {
            const std::size_t vorhanden = detail::ZaehleKindElemente(ar, WertElement);
            std::int32_t size = -1;
            ar.ReadMember(XmlInt("Size", size, XmlMember::Attribute));
            m_werte.assign(detail::GelesenesSize(size, vorhanden), 0.0);
            for (double& wert : m_werte)
                ar.ReadMember(XmlDouble(WertElement, wert));
        }
    } catch (...) {
    }
    if (begonnen) {
        try {
            ar.EndReadElement();
        } catch (...) {
        }
    }
    return begonnen;
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
