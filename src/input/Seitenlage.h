#pragma once
// Where a paged table stands: how many rows it has (five at least, 100 at
// most), the 0-based row in page line 1 and the 1-based selected row, and
// the page moves every table makes alike. The tables add what "one row down"
// appends and what deleting does to their rows.
#include <algorithm>

namespace zeva {

class Seitenlage {
public:
    static constexpr int ZeilenProSeite = 5;
    static constexpr int MaxZeilen = 100;

    int Zeilen() const { return m_nZeilen; }
    int ErsteZeile() const { return m_nErsteZeile; }
    int AktuelleZeile() const { return m_nAktuelleZeile; }
    void SetzeAktuelleZeile(int r) { m_nAktuelleZeile = r; }
    bool AktuelleZeileGueltig() const { return m_nAktuelleZeile >= 1 && m_nAktuelleZeile <= m_nZeilen; }

    // Page moves; true when the page is to be shown again.
    bool Hoch()
    {
        if (m_nErsteZeile <= 0)
            return false;
        --m_nErsteZeile;
        return true;
    }
    bool Anfang()
    {
        if (m_nErsteZeile <= 0)
            return false;
        m_nErsteZeile = 0;
        return true;
    }
    bool Ende()
    {
        if (m_nErsteZeile >= m_nZeilen - 4)
            return false;
        m_nErsteZeile = m_nZeilen - ZeilenProSeite;
        return true;
    }

protected:
    // "One row down" moves at all: not from the last possible first row.
    bool KannRunter() const { return m_nErsteZeile < MaxZeilen - ZeilenProSeite; }
    // The last row is on the page: "one row down" appends one first.
    bool LetzteSeite() const { return m_nErsteZeile >= m_nZeilen - ZeilenProSeite; }
    // After a row went: the page stays filled and the selection on a row.
    void NachLoeschen()
    {
        if (m_nZeilen - m_nErsteZeile < ZeilenProSeite)
            --m_nErsteZeile;
        m_nAktuelleZeile = std::clamp(m_nAktuelleZeile, 1, m_nZeilen);
    }

    int m_nZeilen = 0;
    int m_nErsteZeile = 0;
    int m_nAktuelleZeile = 1;
};

} // namespace zeva
