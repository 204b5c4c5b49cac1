#include "shell/HausAnbindung.h"

#include "geometry/Projektdatei.h"
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "shell/QtProfil.h"

#include <string>

namespace zeva {


void HausLoescher::operator()(Haus* haus) const noexcept
{
    delete haus;
}

void OptionenLoescher::operator()(DOptionen* optionen) const noexcept
{
    delete optionen;
}

namespace HausAnbindung {

HausZeiger NeuesHaus()
{
    return HausZeiger(new Haus());
}

OptionenZeiger NeueOptionen()
{
    return OptionenZeiger(new DOptionen());
}

void KopiereOptionen(DOptionen& ziel, const DOptionen& quelle)
{
    ziel = quelle;
}

void LeseOptionenAusProfil(DOptionen& optionen)
{
    const QtProfil profil;
    optionen.LeseOptionen(profil);
}

int Phase(const Haus& haus)
{
    return static_cast<int>(haus.Phase);
}

void SetzePhase(Haus& haus, int phase)
{
    haus.Phase = phase;
}

Projektangaben Angaben(const Haus& haus)
{
    return {haus.Beschreibung, haus.Strasse, haus.Ort, static_cast<int>(haus.Baujahr)};
}

void SetzeAngaben(Haus& haus, const Projektangaben& angaben)
{
    haus.Beschreibung = angaben.Beschreibung;
    haus.Strasse = angaben.Strasse;
    haus.Ort = angaben.Ort;
    haus.Baujahr = angaben.Baujahr;
}

void SpeichereProjekt(const std::filesystem::path& pfad, Haus& haus, DOptionen& optionen)
{
    zeva::SpeichereProjekt(pfad, haus, optionen);
}

HausZeiger OeffneProjekt(const std::filesystem::path& pfad, DOptionen& optionen, Notifier& notifier)
{
    return HausZeiger(zeva::OeffneProjekt(pfad, optionen, notifier).release());
}

} // namespace HausAnbindung

} // namespace zeva
