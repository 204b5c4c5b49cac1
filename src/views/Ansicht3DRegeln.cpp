#include "views/Ansicht3DRegeln.h"

#include "model/PlaneID.h"

#include <limits>

namespace zeva::ansicht3d {

Rahmung BerechneRahmung(double realAreaWidth, double haushoehe)
{
    Rahmung r;
    r.mitteX = realAreaWidth / 2;
    r.mitteY = haushoehe / 2;
    r.d0 = realAreaWidth / 2 < haushoehe ? 10 * haushoehe : 10 * realAreaWidth;
    r.fern = 5 * r.d0;
    return r;
}

int NaechsteFlaeche(std::span<const std::uint32_t> puffer, int treffer)
{
    if (treffer <= 0 || puffer.empty() || puffer[0] == 0)
        return -1;
    constexpr std::uint32_t leer = std::numeric_limits<std::uint32_t>::max();
    std::array<std::uint32_t, 10> tiefe;
    std::array<std::int64_t, 10> name;
    tiefe.fill(leer);
    name.fill(-1);
    std::size_t i = 0;
    for (int t = 0; t < treffer; ++t) {
        if (i + 3 > puffer.size())
            break;
        const std::uint32_t namen = puffer[i];
        const std::uint32_t zmin = puffer[i + 1];
        if (namen == 0 || i + 3 + namen > puffer.size()) {
            i += 3 + namen;
            continue;
        }
        // The top of the name stack is the drawn piece's name.
        const std::uint32_t n = puffer[i + 2 + namen];
        i += 3 + namen;
        std::size_t slot = 0;
        while (slot < tiefe.size() && !(tiefe[slot] > zmin))
            ++slot;
        if (slot == tiefe.size() || n < KleinsterFlaechenname)
            continue;
        for (std::size_t k = tiefe.size() - 1; k > slot; --k) {
            tiefe[k] = tiefe[k - 1];
            name[k] = name[k - 1];
        }
        tiefe[slot] = zmin;
        name[slot] = n;
    }
    if (name[0] < 0 || name[0] > std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(name[0]);
}

namespace {
Popup PopupMit(bool flaeche)
{
    return {Popupeintrag{BefehlFlaecheEditieren, "Fläche editieren", true},
            Popupeintrag{BefehlGaubePlazieren, "Gaube plazieren", flaeche},
            Popupeintrag{BefehlGaubeBearbeiten, "Gaube bearbeiten", !flaeche},
            Popupeintrag{BefehlGaubeLoeschen, "Gaube löschen", !flaeche}};
}
} // namespace

Auswahl Verteile(int id)
{
    Auswahl a;
    a.id = id;
    if (id < 0)
        return a;
    using namespace flaechenart;
    switch (ArtAusID(id)) {
    case KellerBoden:
    case Bodenplatte: a.aktion = Aktion::Boden; break;
    case KellerWand:
    case Geschosswand:
    case Drempel:
    case Giebelwand: a.aktion = Aktion::Wand; break;
    case DeckeUnterDach: a.aktion = Aktion::Decke; break;
    case flaechenart::Flachdach: a.aktion = Aktion::Flachdach; break;
    case flaechenart::Steildach:
        a.aktion = Aktion::Popup;
        a.popup = PopupMit(true);
        break;
    case GaubenDach:
    case GaubenFront:
    case GaubenLinks:
    case GaubenRechts:
    case GaubenDecke:
        a.aktion = Aktion::Popup;
        a.popup = PopupMit(false);
        break;
    default: break;
    }
    return a;
}

Auswahl FlaecheEditieren(int id, int deckenID)
{
    Auswahl a;
    a.id = id;
    if (id < 0)
        return a;
    switch (ArtAusID(id)) {
    case flaechenart::Steildach:
    case flaechenart::GaubenDach: a.aktion = Aktion::Steildach; break;
    case flaechenart::GaubenFront:
    case flaechenart::GaubenLinks:
    case flaechenart::GaubenRechts: a.aktion = Aktion::Wand; break;
    case flaechenart::GaubenDecke:
        if (deckenID >= 0) {
            a.aktion = Aktion::Decke;
            a.id = deckenID;
        }
        break;
    default: break;
    }
    return a;
}

Folge Tastenfolgen::Taste(char buchstabe)
{
    if (m_anzahl >= MaxTasten)
        return Folge::Keine;
    ++m_anzahl;
    if (buchstabe >= 'A' && buchstabe <= 'Z')
        m_tasten += buchstabe;
    static constexpr std::pair<const char*, Folge> folgen[] = {
        {"WUXTOR", Folge::AllesAn},      {"WUXHOLMEN", Folge::Kanten},   {"WUXSEDA", Folge::Nordpfeil},
        {"WUXPIRTEL", Folge::Normalen},  {"WUXFALMO", Folge::Boeden},    {"WUXQUIRE", Folge::Zonendecken},
        {"WUXBRANTIL", Folge::Flaechen}, {"QOVINTA", Folge::GLFehler},   {"ZEPHAK", Folge::Explosion},
    };
    for (const auto& [text, folge] : folgen) {
        const std::string f(text);
        if (static_cast<std::size_t>(m_anzahl) == f.size() && m_tasten.starts_with(f)) {
            Leere();
            return folge;
        }
    }
    return Folge::Keine;
}

void Tastenfolgen::Leere()
{
    m_tasten.clear();
    m_anzahl = 0;
}

} // namespace zeva::ansicht3d
