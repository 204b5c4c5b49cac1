#include "model/DaempfbarerNotifier.h"

#include <algorithm>

namespace zeva {

void DaempfbarerNotifier::Nachricht(const std::string& text, Art art)
{
    if (IstStumm())
        Merke(text);
    else
        m_ziel.Nachricht(text, art);
}

bool DaempfbarerNotifier::Frage(const std::string& text)
{
    if (!IstStumm())
        return m_ziel.Frage(text);
    Merke(text);
    return false;
}

void DaempfbarerNotifier::VergissVerschluckte()
{
    m_texte.clear();
    m_anzahl = 0;
}

void DaempfbarerNotifier::Merke(const std::string& text)
{
    ++m_anzahl;
    if (std::find(m_texte.begin(), m_texte.end(), text) == m_texte.end())
        m_texte.push_back(text);
}

} // namespace zeva
