#include "shell/HausAnbindung.h"

#include "model/CXmlObject.h"
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "platform/BinaryArchive.h"
#include "platform/QtProfil.h"

#include <string>
#include <type_traits>

namespace zeva {

namespace {

// The house's fix-up after reading comes with its document form; it runs as
// soon as the house offers it.
template <class H>
void NachDemLesen(H& haus)
{
    if constexpr (requires { haus.NachLaden(); })
        haus.NachLaden();
}

// True when the house reads the older binary form itself (it overrides the
// base's Serialize, which reads nothing).
template <class H>
constexpr bool LiestBinaerform()
{
    return std::is_same_v<decltype(&H::Serialize), void (H::*)(BinaryArchive&)>;
}

} // namespace

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

void SchreibeProjekt(CXmlArchiveFile& ar, Haus& haus, DOptionen& optionen)
{
    haus.WriteXml(ar);
    optionen.WriteXml(ar);
}

void LeseProjekt(CXmlArchiveFile& ar, Haus& haus, DOptionen& optionen)
{
    haus.ReadXml(ar);
    NachDemLesen(haus);
    optionen.ReadXml(ar);
}

void LeseProjekt(BinaryArchive& ar, Haus& haus, DOptionen& optionen)
{
    if constexpr (!LiestBinaerform<Haus>()) {
        // Without the house's reader an old document would open as an empty
        // project that looks like a success.
        throw BinaryArchiveError(BinaryArchiveError::WholeMessage{},
                                 "Dokumente der älteren Form (.zva) können noch nicht gelesen werden.",
                                 ar.Position());
    } else {
        haus.Serialize(ar);
        optionen.LeseBinaer(ar, static_cast<int>(haus.Version));
    }
}

} // namespace HausAnbindung

} // namespace zeva
