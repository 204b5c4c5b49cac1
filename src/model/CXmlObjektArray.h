#pragma once
// The persistent form of an owning record array: the element named after the
// record's element followed by "Array" (DWand → "DWandArray") with the
// attribute "Size" and one element per record in array order. A record class
// gets its array by naming the instantiation:
//
//   using CDWandArray = CXmlObjektArray<DWand>;
//
// X must be a persistent class (CXmlSerializable) with a static XmlElementName
// and, for the older binary form, a runtime class registered under its name.
#include "model/CObjektArray.h"
#include "model/CXmlArchive.h"
#include "model/CXmlObject.h"

#include <cstdint>
#include <string>

namespace zeva {

namespace detail {

// Number of child elements of that name below the current element; the child
// cursor is left at the start.
std::size_t ZaehleKindElemente(CXmlArchiveFile& ar, const char* name);

// The element count to read: the "Size" attribute when it is a number from 0
// to the number of elements present, else that number. A document whose size
// is missing, damaged or absurd (Size="2000000000") thus reads the records it
// really holds.
std::size_t GelesenesSize(std::int32_t size, std::size_t vorhanden);

} // namespace detail

template <class X>
class CXmlObjektArray : public CObjektArray<X>, public CXmlObject {
public:
    static std::string ElementName() { return std::string(X::XmlElementName) + "Array"; }

    CXmlObjektArray() = default;
    CXmlObjektArray(const CXmlObjektArray&) = default;
    CXmlObjektArray& operator=(const CXmlObjektArray&) = default;
    CXmlObjektArray(const CObjektArray<X>& quelle) : CObjektArray<X>(quelle) {}
    CXmlObjektArray& operator=(const CObjektArray<X>& quelle)
    {
        CObjektArray<X>::operator=(quelle);
        return *this;
    }

    // A record that cannot be written aborts the whole save. A record class
    // may keep records out of the document that could not be read back
    // (X::WirdGespeichert).
    bool WriteXml(CXmlArchiveFile& ar) override
    {
        ar.BeginWriteElement(ElementName());
        std::int32_t size = 0;
        for (const X& x : this->m_elemente)
            size += WirdGespeichert(x) ? 1 : 0;
        ar.WriteMember(XmlInt("Size", size, XmlMember::Attribute));
        for (X& x : this->m_elemente)
            if (WirdGespeichert(x))
                ar.WriteMember(XmlObject(x));
        ar.EndWriteElement();
        return true;
    }

    // Reading leaves exactly as many records as the element holds (see
    // GelesenesSize); without the element the array stays as it is.
    bool ReadXml(CXmlArchiveFile& ar) override
    {
        if (!ar.BeginReadElement(ElementName()))
            return false;
        const std::size_t vorhanden = detail::ZaehleKindElemente(ar, X::XmlElementName);
        std::int32_t size = -1;
        ar.ReadMember(XmlInt("Size", size, XmlMember::Attribute));
        this->SetSize(detail::GelesenesSize(size, vorhanden));
        for (X& x : this->m_elemente)
            ar.ReadMember(XmlObject(x));
        ar.EndReadElement();
        return true;
    }

    void Serialize(BinaryArchive& ar) override { CObjektArray<X>::Serialize(ar); }

private:
    static bool WirdGespeichert(const X& x)
    {
        if constexpr (requires { x.WirdGespeichert(); })
            return x.WirdGespeichert();
        else
            return true;
    }
};

} // namespace zeva
