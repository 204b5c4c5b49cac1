#include "platform/SkriptMeldungen.h"

namespace zeva {

SkriptMeldungen::SkriptMeldungen(std::initializer_list<QMessageBox::StandardButton> antworten)
    : m_antworten(antworten)
{
    m_vorher = Meldung::SetzeBeantworter(this);
}

SkriptMeldungen::~SkriptMeldungen()
{
    Meldung::SetzeBeantworter(m_vorher);
}

void SkriptMeldungen::Antworte(QMessageBox::StandardButton knopf)
{
    m_antworten.push_back(knopf);
}

QStringList SkriptMeldungen::Texte() const
{
    QStringList texte;
    for (const auto& anfrage : m_anfragen)
        texte << anfrage.text;
    return texte;
}

QMessageBox::StandardButton SkriptMeldungen::Beantworte(const Meldung::Anfrage& anfrage)
{
    m_anfragen.push_back(anfrage);
    if (!m_antworten.empty()) {
        const QMessageBox::StandardButton geplant = m_antworten.front();
        m_antworten.pop_front();
        if (anfrage.knoepfe.testFlag(geplant))
            return geplant;
    }
    ++m_ungeplant;
    if (anfrage.vorgabe != QMessageBox::NoButton)
        return anfrage.vorgabe;
    // The lowest flag stands first among QMessageBox's standard buttons.
    const auto bits = static_cast<unsigned>(anfrage.knoepfe.toInt());
    return static_cast<QMessageBox::StandardButton>(bits & (~bits + 1));
}

} // namespace zeva
