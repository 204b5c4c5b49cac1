#pragma once
// Persistent objects. Every class of the building model that is stored in the
// project document derives from CXmlSerializable<T, B>, names its element and
// lists its members; the archive does the rest:
//
//   class Punkt2D : public CXmlSerializable<Punkt2D> {
//   public:
//       static constexpr const char* XmlElementName = "Punkt2D";
//       static auto GetXmlMembers(Punkt2D& p) {
//           return std::array{XmlDouble("x", p.x, XmlMember::Attribute),
//                             XmlDouble("y", p.y, XmlMember::Attribute)};
//       }
//       double x = 0, y = 0;
//   };
//
// The table is built per object on the stack, so nesting objects of the same
// class is allowed and describing a member allocates nothing. A class without
// members of its own may leave GetXmlMembers out: its element then holds only
// its base element (an inherited table is never written twice).
#include "model/CXmlArchive.h"

#include <array>
#include <string_view>
#include <type_traits>

namespace zeva {

namespace detail {
template <class R, class A>
A XmlTableArgument(R (*)(A));

// True when the GetXmlMembers that T names is its base's (taking a base
// reference), or when there is none at all: T then has no members of its own.
template <class T>
constexpr bool InheritsXmlMembers()
{
    if constexpr (requires { XmlTableArgument(&T::GetXmlMembers); }) {
        using Arg = std::remove_cvref_t<decltype(XmlTableArgument(&T::GetXmlMembers))>;
        return !std::is_same_v<Arg, T> && std::is_base_of_v<Arg, T>;
    } else {
        return !requires(T& t) { T::GetXmlMembers(t); };
    }
}

template <class T>
auto XmlMembersOf(T& object)
{
    if constexpr (!InheritsXmlMembers<T>())
        return T::GetXmlMembers(object);
    else
        return std::array<XmlMember, 0>{};
}
} // namespace detail

class BinaryArchive;

class CXmlObject : public XmlSerialisierbar {
public:
    virtual ~CXmlObject() = default;

    // The older binary document form; classes that have one override it.
    virtual void Serialize(BinaryArchive&) {}

    bool WriteXml(CXmlArchiveFile&) override { return false; }
    bool ReadXml(CXmlArchiveFile&) override { return false; }

protected:
    CXmlObject() = default;
    CXmlObject(const CXmlObject&) = default;
    CXmlObject& operator=(const CXmlObject&) = default;
};

// T: the persistent class; B: its persistent base (CXmlObject, or another
// persistent class whose element is then written first inside T's element).
template <class T, class B = CXmlObject>
class CXmlSerializable : public B {
public:
    using B::B;

    static constexpr bool HasOwnElementName()
    {
        if constexpr (std::is_same_v<B, CXmlObject>)
            return true;
        else
            return std::string_view(T::XmlElementName) != std::string_view(B::XmlElementName);
    }

    // Every failure raises and aborts the whole save; the element is then
    // not closed, as the document is thrown away.
    bool WriteXml(CXmlArchiveFile& ar) override
    {
        static_assert(HasOwnElementName(), "a persistent class names its own element (XmlElementName)");
        ar.BeginWriteElement(T::XmlElementName);
        if constexpr (!std::is_same_v<B, CXmlObject>)
            B::WriteXml(ar);
        for (const XmlMember& m : detail::XmlMembersOf(static_cast<T&>(*this)))
            ar.WriteMember(m);
        ar.EndWriteElement();
        return true;
    }

    // Without its element the object keeps every value it has, and the
    // position stays where it was (leaving the parent would misread every
    // later sibling). Every other failure raises and aborts the reading.
    bool ReadXml(CXmlArchiveFile& ar) override
    {
        if (!ar.BeginReadElement(T::XmlElementName))
            return false;
        bool result = false;
        if constexpr (!std::is_same_v<B, CXmlObject>)
            B::ReadXml(ar);
        for (const XmlMember& m : detail::XmlMembersOf(static_cast<T&>(*this)))
            result = ar.ReadMember(m);
        ar.EndReadElement();
        return result;
    }
};

} // namespace zeva
