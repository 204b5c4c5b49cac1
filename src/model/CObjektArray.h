#pragma once
// An owning array of records of one class X: it creates default records when
// it grows, destroys records when it shrinks, and copies deeply, so that two
// arrays never share a record. The dialogs copy the house's arrays into
// working arrays of this kind, edit the copies and assign them back on OK.
//
// Records are held by value; each array holds exactly one concrete class.
#include "model/RuntimeClass.h"
#include "platform/BinaryArchive.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <typeinfo>
#include <vector>

namespace zeva {

// How one record of an array takes over the content of another when arrays
// are assigned. Assignment by default; record classes whose copy is a
// function of their own (the renovation measures' Kopiere) specialise it.
template <class X>
struct ObjektArrayKopie {
    static void Kopiere(X& ziel, const X& quelle) { ziel = quelle; }
};

template <class X>
class CObjektArray {
public:
    using value_type = X;
    using iterator = typename std::vector<X>::iterator;
    using const_iterator = typename std::vector<X>::const_iterator;

    CObjektArray() = default;
    CObjektArray(const CObjektArray& quelle) { Kopiere(quelle); }
    CObjektArray(CObjektArray&&) noexcept = default;
    CObjektArray& operator=(const CObjektArray& quelle)
    {
        if (this != &quelle)
            Kopiere(quelle);
        return *this;
    }
    CObjektArray& operator=(CObjektArray&&) noexcept = default;
    ~CObjektArray() = default;

    std::size_t size() const { return m_elemente.size(); }
    bool empty() const { return m_elemente.empty(); }
    int GetSize() const { return static_cast<int>(m_elemente.size()); }

    X& operator[](std::size_t i) { return m_elemente[i]; }
    const X& operator[](std::size_t i) const { return m_elemente[i]; }
    X& at(std::size_t i) { return m_elemente.at(i); }
    const X& at(std::size_t i) const { return m_elemente.at(i); }
    X& front() { return m_elemente.front(); }
    const X& front() const { return m_elemente.front(); }
    X& back() { return m_elemente.back(); }
    const X& back() const { return m_elemente.back(); }

    iterator begin() { return m_elemente.begin(); }
    iterator end() { return m_elemente.end(); }
    const_iterator begin() const { return m_elemente.begin(); }
    const_iterator end() const { return m_elemente.end(); }

    const std::vector<X>& Elemente() const { return m_elemente; }

    // Grows with default-constructed records in index order, or destroys the
    // records from n on.
    void SetSize(std::size_t n) { m_elemente.resize(n); }
    void RemoveAll() { m_elemente.clear(); }
    // Room for n records before a run of Add: the records have no move of
    // their own, so every growth would copy each record deeply.
    void Reserve(std::size_t n) { m_elemente.reserve(n); }

    // Appends a copy of the value; returns its index. The value may be a
    // record of this array: growing moves the records, so it is then copied
    // from its new place.
    std::size_t Add(const X& wert)
    {
        const std::size_t eigener = IndexVon(wert);
        m_elemente.emplace_back();
        ObjektArrayKopie<X>::Kopiere(m_elemente.back(), eigener != KeinEigener ? m_elemente[eigener] : wert);
        return m_elemente.size() - 1;
    }

    // Inserts count copies of the value at the index (an index past the end
    // first grows the array to it).
    void InsertAt(std::size_t index, const X& wert, std::size_t count = 1)
    {
        if (index > m_elemente.size())
            SetSize(index);
        std::vector<X> neu(count);
        for (X& x : neu)
            ObjektArrayKopie<X>::Kopiere(x, wert);
        m_elemente.insert(m_elemente.begin() + static_cast<std::ptrdiff_t>(index),
                          std::make_move_iterator(neu.begin()), std::make_move_iterator(neu.end()));
    }

    // Removes count records from the index on; a range beyond the end is cut
    // to the records present.
    void RemoveAt(std::size_t index, std::size_t count = 1)
    {
        if (index >= m_elemente.size())
            return;
        const std::size_t bis = index + std::min(count, m_elemente.size() - index);
        m_elemente.erase(m_elemente.begin() + static_cast<std::ptrdiff_t>(index),
                         m_elemente.begin() + static_cast<std::ptrdiff_t>(bis));
    }

    // Stores a copy of the value at the index, growing the array when needed;
    // with index == size() it appends.
    void SetAtGrow(std::size_t index, const X& wert)
    {
        const std::size_t eigener = IndexVon(wert);
        if (index >= m_elemente.size())
            SetSize(index + 1);
        ObjektArrayKopie<X>::Kopiere(m_elemente[index], eigener != KeinEigener ? m_elemente[eigener] : wert);
    }

    // Older binary form of an object array: the count, then each record as an
    // object reference with its class name. The array is emptied first.
    void Serialize(BinaryArchive& ar)
    {
        m_elemente.clear();
        const std::uint32_t n = ar.ReadCount(BinaryArchive::ObjectRefMinBytes);
        m_elemente.reserve(n);
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::size_t at = ar.Position();
            std::unique_ptr<X> objekt = ReadObject<X>(ar);
            if (!objekt) {
                // A null slot has no record; a default one keeps the indices.
                m_elemente.emplace_back();
                continue;
            }
            if (typeid(*objekt) != typeid(X))
                throw BinaryArchiveError("Objekt einer abgeleiteten Klasse in einer Liste", at);
            m_elemente.push_back(std::move(*objekt));
        }
    }

protected:
    void Kopiere(const CObjektArray& quelle)
    {
        SetSize(quelle.size());
        for (std::size_t i = 0; i < m_elemente.size(); ++i)
            ObjektArrayKopie<X>::Kopiere(m_elemente[i], quelle.m_elemente[i]);
    }

    static constexpr std::size_t KeinEigener = static_cast<std::size_t>(-1);
    // The index of a record of this array; KeinEigener for any other value.
    std::size_t IndexVon(const X& wert) const
    {
        const std::less<const X*> vor;
        const X* p = &wert;
        const X* anfang = m_elemente.data();
        if (m_elemente.empty() || vor(p, anfang) || !vor(p, anfang + m_elemente.size()))
            return KeinEigener;
        return static_cast<std::size_t>(p - anfang);
    }

    std::vector<X> m_elemente;
};

} // namespace zeva
