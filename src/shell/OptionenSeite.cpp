#include "shell/OptionenSeite.h"

#include "model/DOptionen.h"

namespace zeva {

OptionenSeite::OptionenSeite(DOptionen& optionen, const QString& titel, QWidget* parent)
    : QWidget(parent), m_optionen(optionen), m_titel(titel)
{
}

void OptionenSeite::OnSetActive()
{
    DatenAustausch dx(this, false);
    DoDataExchange(dx, m_optionen);
    NachAnzeige();
}

bool OptionenSeite::OnKillActive()
{
    // The fields go into a copy first, so that a failed check leaves the
    // record exactly as it was.
    DOptionen kopie(m_optionen);
    DatenAustausch dx(this, true);
    DoDataExchange(dx, kopie);
    if (dx.Fehlgeschlagen())
        return false;
    m_optionen = kopie;
    return true;
}

} // namespace zeva
