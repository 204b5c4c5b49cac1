#include "ui/MeldungsNotifier.h"

#include "platform/Meldung.h"

namespace zeva {

void MeldungsNotifier::Nachricht(const std::string& text, Art art)
{
    Meldung::Symbol symbol = Meldung::Symbol::Vorgabe;
    switch (art) {
    case Art::Information: symbol = Meldung::Symbol::Information; break;
    case Art::Warnung: symbol = Meldung::Symbol::Ausruf; break;
    case Art::Fehler: symbol = Meldung::Symbol::Stopp; break;
    }
    Meldung::Hinweis(QString::fromStdString(text), symbol, m_eltern);
}

bool MeldungsNotifier::Frage(const std::string& text)
{
    return Meldung::Frage(QString::fromStdString(text), QMessageBox::Yes, Meldung::Symbol::Vorgabe, m_eltern);
}

} // namespace zeva
