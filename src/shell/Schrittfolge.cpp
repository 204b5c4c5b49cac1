#include "shell/Schrittfolge.h"

#include "geometry/Plangeometrie.h"
#include "model/Haus.h"

namespace zeva::Schrittfolge {

int Naechster(int phase, bool steildach)
{
    switch (phase) {
    case 0: return 1;
    case 1: return 2;
    case 2: return 3;
    case 3: return steildach ? 4 : 5;
    case 4: return 5;
    case 5: return steildach ? 6 : 7;
    case 6: return 7;
    case 7: return 8;
    case 8: return 10;
    case 9: return 10;
    case 10: return 13;
    case 11:
    case 12: return 13;
    case 13: return steildach ? 14 : 15;
    case 14: return 15;
    case 15: return 17;
    case 16: return 15;
    case 17: return 18;
    case 18: return 19;
    default: return phase; // 19 stays
    }
}

int Vorheriger(int phase, bool steildach)
{
    switch (phase) {
    case 0: return 0;
    case 1: return 0;
    case 2: return 1;
    case 3: return 2;
    case 4: return 3;
    case 5: return steildach ? 4 : 3;
    case 6: return 5;
    case 7: return steildach ? 6 : 5;
    case 8: return 7;
    case 9: return 8;
    case 10: return 8;
    case 11:
    case 12: return 10;
    case 13: return 10;
    case 14: return 13;
    case 15: return steildach ? 14 : 13;
    case 16: return 15;
    case 17: return 15;
    case 18: return 17;
    case 19: return 18;
    default: return phase;
    }
}

QString Name(int phase)
{
    switch (phase) {
    case 0: return QStringLiteral("Intro");
    case 1: return QStringLiteral("Projekt (1)");
    case 2: return QStringLiteral("Wand");
    case 3: return QStringLiteral("Fenster");
    case 4: return QStringLiteral("Steildach");
    case 5: return QStringLiteral("Flachdach");
    case 6: return QStringLiteral("Decke");
    case 7: return QStringLiteral("Boden");
    case 8: return QStringLiteral("Grundriß");
    case 10: return QStringLiteral("Geographische Ausrichtung");
    case 13: return QStringLiteral("Höhenangaben");
    case 14: return QStringLiteral("Dacheingabe");
    case 15: return QStringLiteral("3D");
    case 16: return QStringLiteral("Gaubeneingabe");
    case 17: return QStringLiteral("Heizung");
    case 18: return QStringLiteral("Projekt (2)");
    case 19: return QStringLiteral("ENDE");
    default: return {};
    }
}

Beschriftung Beschriftungen(int phase, bool steildach)
{
    // Step 0 has nothing before it, although "<< Zurück" keeps it there.
    return {phase == 0 ? QString() : Name(Vorheriger(phase, steildach)), Name(phase),
            Name(Naechster(phase, steildach))};
}

QString Nordwinkel(double ausrichtung)
{
    // The plan editor writes the same read-out while the arrow is dragged.
    return QString::fromStdString(Nordwinkeltext(ausrichtung));
}

bool IstPanelschritt(int phase)
{
    return (phase >= 0 && phase <= 7) || phase == Heizung || phase == Projekt2;
}

int Weiter(Haus& haus, Notifier& notifier)
{
    const int phase = static_cast<int>(haus.Phase);
    switch (phase) {
    case Grundriss: --haus.Zonen; break;
    case Editier3D: haus.ErzeugeBauteilnamen(); break;
    case Heizung:
        // The demand of the existing state after the net areas: computed
        // before them, the walls would still hold their windows and the roof
        // faces their dormers, and step 18 would show another figure than
        // the same house at step 19.
        haus.BerechneNettoflaechen();
        haus.BerechneBedarf(0, notifier);
        break;
    case Projekt2: haus.BerechneBedarf(0, notifier); break;
    default: break;
    }
    haus.Phase = Naechster(phase, haus.Steildach == 1);
    return static_cast<int>(haus.Phase);
}

int Zurueck(Haus& haus)
{
    const int phase = static_cast<int>(haus.Phase);
    if (phase == Ausrichtung)
        ++haus.Zonen;
    haus.Phase = Vorheriger(phase, haus.Steildach == 1);
    return static_cast<int>(haus.Phase);
}

} // namespace zeva::Schrittfolge
