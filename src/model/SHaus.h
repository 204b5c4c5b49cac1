#pragma once
// A record that only very old binary documents may name: it holds a wall
// measure array and nothing else. Nothing in the program creates or uses it;
// it exists so that such a document can still be read.
#include "model/DSBauteilOpaque.h"

#include <array>

namespace zeva {

class SHaus : public CXmlSerializable<SHaus> {
public:
    static constexpr const char* XmlElementName = "SHaus";
    static auto GetXmlMembers(SHaus& h) { return std::array{XmlObject(h.m_aSWand)}; }

    SHaus() = default;
    SHaus(const SHaus&) = default;
    SHaus& operator=(const SHaus&) = default;

    void Serialize(BinaryArchive& ar) override { m_aSWand.Serialize(ar); }

    CDSWandArray m_aSWand;
};

} // namespace zeva
