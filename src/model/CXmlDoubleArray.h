#pragma once
// A persistent array of numbers: the element "DoubleArray" with the attribute
// "Size" and one "Double" element per value. The demand record keeps its
// per-component result series (one value per component of a group) in it.
#include "model/CXmlObject.h"

#include <cstddef>
#include <initializer_list>
#include <vector>

namespace zeva {

class CXmlDoubleArray : public CXmlObject {
public:
    static constexpr const char* XmlElementName = "DoubleArray";

    CXmlDoubleArray() = default;
    CXmlDoubleArray(std::initializer_list<double> werte) : m_werte(werte) {}
    CXmlDoubleArray(const CXmlDoubleArray&) = default;
    CXmlDoubleArray& operator=(const CXmlDoubleArray&) = default;
    // Records that hold these arrays move without allocating (DBedarf's
    // move is noexcept and would end the program if a copy ran out of memory).
    CXmlDoubleArray(CXmlDoubleArray&&) noexcept = default;
    CXmlDoubleArray& operator=(CXmlDoubleArray&&) noexcept = default;

    std::size_t size() const { return m_werte.size(); }
    bool empty() const { return m_werte.empty(); }
    int GetSize() const { return static_cast<int>(m_werte.size()); }
    double& operator[](std::size_t i) { return m_werte[i]; }
    const double& operator[](std::size_t i) const { return m_werte[i]; }
    auto begin() { return m_werte.begin(); }
    auto end() { return m_werte.end(); }
    auto begin() const { return m_werte.begin(); }
    auto end() const { return m_werte.end(); }
    const std::vector<double>& Werte() const { return m_werte; }

    // New values are 0.
    void SetSize(std::size_t n) { m_werte.resize(n); }
    void RemoveAll() { m_werte.clear(); }
    std::size_t Add(double wert)
    {
        m_werte.push_back(wert);
        return m_werte.size() - 1;
    }

    bool operator==(const CXmlDoubleArray& o) const { return m_werte == o.m_werte; }

    bool WriteXml(CXmlArchiveFile& ar) override;
    // Reading leaves exactly as many values as the element holds; a value
    // that cannot be read is 0. Without the element the array stays as it is.
    bool ReadXml(CXmlArchiveFile& ar) override;
    // Older binary form: the count, then the values as 8-byte doubles.
    void Serialize(BinaryArchive& ar) override;

private:
    std::vector<double> m_werte;
};

} // namespace zeva
