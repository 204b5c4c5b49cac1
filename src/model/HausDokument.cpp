// The house after its element of the project document was read.
#include "model/Dokumentgrenzen.h"
#include "model/Dokumentversion.h"
#include "model/Haus.h"

namespace zeva {

void Haus::NachLaden(Notifier& notifier)
{
    // Before anything works on it: a document that asks for more than any
    // house can be is refused, or brought within the editors' ranges.
    PruefeDokumentgrenzen(*this, notifier);
    Phase = dokumentversion::SchrittHeute(Version, Phase);
    // The climate tables are not stored; a zone outside 1 to 13 leaves 0.
    LeseKlimadaten(Klimazone);
    // A roof whose points do not fit its form would break every geometric
    // operation on it; the rest of the project is still worth opening.
    EntferneBeschaedigteDaecher(m_aDach, notifier);
    for (CDach& dach : m_aDach)
        dach.AktualisiereNachLaden();
    // Everything of the current version is now in memory, so the next save
    // writes the current version and the step rule above never runs twice.
    Version = AktuelleVersion;
}

} // namespace zeva
