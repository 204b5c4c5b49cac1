#pragma once
// The short label of a component ("W 3", "F 12"): set by the component
// labelling, shown in tables and charts, never stored. It keeps at most 19
// characters, as the labels have always been; longer text is cut on a
// character boundary, so a label never ends in half a UTF-8 sequence.
#include <string>
#include <string_view>

namespace zeva {

class KurznameFeld {
public:
    static constexpr std::size_t MaxZeichen = 19;

    KurznameFeld() = default;
    explicit KurznameFeld(std::string_view text) { Setze(text); }
    explicit KurznameFeld(const char* text) { Setze(text ? std::string_view(text) : std::string_view()); }
    KurznameFeld& operator=(std::string_view text)
    {
        Setze(text);
        return *this;
    }
    KurznameFeld& operator=(const char* text)
    {
        Setze(text ? std::string_view(text) : std::string_view());
        return *this;
    }

    void Setze(std::string_view text);
    const std::string& str() const { return m_text; }
    const char* c_str() const { return m_text.c_str(); }
    bool empty() const { return m_text.empty(); }
    operator std::string_view() const { return m_text; }

    friend bool operator==(const KurznameFeld& a, const KurznameFeld& b) { return a.m_text == b.m_text; }
    friend bool operator==(const KurznameFeld& a, std::string_view b) { return a.m_text == b; }

private:
    std::string m_text;
};

} // namespace zeva
