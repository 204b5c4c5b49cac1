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

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace zeva {

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

    // Reading leaves exactly as many records as the element holds: the
    // "Size" attribute when it is a number from 0 to the number of elements
    // present, else that number, so that a document whose size is missing,
    // damaged or absurd (Size="2000000000") reads the records it really
    // holds. The records there are read again, new ones start as default
    // records. Without the element the array stays as it is. An
    // array whose element holds more records than the archive allows
    // (BegrenzeArray) stops making records there and notes the count.
    bool ReadXml(CXmlArchiveFile& ar) override
    {
        const std::string name = ElementName();
        if (!ar.BeginReadElement(name))
            return false;
        std::int32_t size = -1;
        ar.ReadMember(XmlInt("Size", size, XmlMember::Attribute));
        const std::size_t grenze = ar.ArrayGrenze(name);
        this->m_elemente.reserve(std::min(ar.PlatzFuerKindelemente(X::XmlElementName, size), grenze));
        std::size_t n = 0;
        while ((size < 0 || n < static_cast<std::size_t>(size)) && n < grenze
               && ar.FolgtKindelement(X::XmlElementName)) {
            if (n == this->m_elemente.size())
                this->m_elemente.emplace_back();
            ar.ReadMember(XmlObject(this->m_elemente[n]));
            ++n;
        }
        this->SetSize(n);
        if (grenze != std::numeric_limits<std::size_t>::max())
            ar.MerkeArrayAnzahl(name, n + ar.UeberspringeRest(X::XmlElementName));
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
