// The house's part of the older binary project document (".zva"): the
// house's members, its record arrays, the six default records, the planes,
// roofs (or the two line lists they were kept in before), zones (or the one
// outline) and dormers, with the rules of the ten versions. Only reading:
// the program always saves the XML document.
#include "model/Dokumentversion.h"
#include "model/Haus.h"
#include "platform/BinaryArchive.h"

#include <string>

namespace zeva {

namespace {

std::int32_t LeseDokumentversion(BinaryArchive& ar)
{
    const std::size_t at = ar.Position();
    const std::int32_t version = ar.ReadInt();
    // Every later rule depends on the version; a number no program ever
    // wrote means the bytes are not a project of this kind.
    if (version < dokumentversion::Aelteste || version > Haus::AktuelleVersion)
        throw BinaryArchiveError("Das Dokument hat die unbekannte Version " + std::to_string(version) + ".", at);
    return version;
}

} // namespace

void Haus::Serialize(BinaryArchive& ar)
{
    using namespace dokumentversion;

    m_aHeizung.RemoveAll();
    m_aBedarf.RemoveAll();
    DaecherAusLinienOffen = false;

    Version = LeseDokumentversion(ar);
    const int v = Version;
    // Planes, dormers, roofs and the options read their forms by it.
    ar.SetVersion(v);

    Beschreibung = ar.ReadString();
    Strasse = ar.ReadString();
    Ort = ar.ReadString();
    Kommentar = ar.ReadString();
    Baujahr = ar.ReadInt();
    Nutzungstyp = ar.ReadInt();
    Energiebezugsflaeche = ar.ReadDouble();
    Etagenflaeche = ar.ReadDouble();
    Innentemperatur = ar.ReadDouble();
    Luftwechsel = ar.ReadDouble();
    Volumen = ar.ReadDouble();
    Elektrizitaet = ar.ReadDouble();
    Personenzahl = ar.ReadDouble();
    NutzungszeitProTag = ar.ReadDouble();
    Klimazone = ar.ReadInt();
    Varianten = ar.ReadInt();
    // Before the method could be chosen, every project was computed by
    // SIA 380/1.
    Berechnungsverfahren = v >= MitBerechnungsverfahren ? ar.ReadInt() : BerechnungSIA;
    Stockwerkshoehe = ar.ReadDouble();
    Stockwerkszahl = ar.ReadInt();
    Dachhoehe = ar.ReadDouble();
    Drempelhoehe = ar.ReadDouble();
    Dachgeschosshoehe = v >= MitDachgeschosshoehe ? ar.ReadDouble() : Dachhoehe + Drempelhoehe;
    Kellerhoehe = ar.ReadDouble();
    Ausrichtung = ar.ReadDouble();
    Haushoehe = ar.ReadDouble();
    Flag2DAutoGratlinien = ar.ReadInt();
    Flag2DOnlineFirstDocken = ar.ReadInt();
    Flag2DNachherFirstDocken = ar.ReadInt();
    Flag2DGratAnGrundrissDocken = ar.ReadInt();
    Flag2DGratAnFirstDocken = ar.ReadInt();
    Flag2DTesthausGenerieren = ar.ReadInt();
    Flag2DPixelZaehlraster = ar.ReadInt();
    Flag2DSchritteDachvolumen = ar.ReadInt();
    Flaeche2DEingabe = ar.ReadDouble();
    Flag2DEingabeImUZS = ar.ReadInt();
    Flag2DKnotenGrundriss = ar.ReadInt();
    m_2DKnotenGrundriss.Serialize(ar);
    DachBeheizt = ar.ReadInt();
    KellerBeheizt = ar.ReadInt();
    Steildach = ar.ReadInt();
    Phase = ar.ReadInt();
    RealAreaWidth = ar.ReadDouble();
    RealAreaHeight = ar.ReadDouble();
    RealGridWidth = ar.ReadDouble();
    if (v >= MitRasterAlsDouble) {
        OpenGLGrid = ar.ReadDouble();
        OpenGLWidth = ar.ReadDouble();
        OpenGLHeight = ar.ReadDouble();
    } else {
        OpenGLGrid = ar.ReadInt();
        OpenGLWidth = ar.ReadInt();
        OpenGLHeight = ar.ReadInt();
    }
    if (v >= MitZonen) {
        Zonen = ar.ReadInt();
    } else {
        // The heights were the house's alone; today the generator and the
        // roofs take them from the zone, so the only zone gets them (before
        // the roofs are built from the line lists, which take their break
        // height from it).
        if (m_aZone.empty())
            m_aZone.SetSize(1);
        Zone& zone = m_aZone[0];
        zone.Stockwerkshoehe = Stockwerkshoehe;
        zone.Stockwerkszahl = Stockwerkszahl;
        zone.Dachhoehe = Dachhoehe;
        zone.Drempelhoehe = Drempelhoehe;
        zone.Dachgeschosshoehe = Dachgeschosshoehe;
        zone.Kellerhoehe = Kellerhoehe;
    }

    LeseKlimadaten(Klimazone);

    m_aFlachdach.Serialize(ar);
    m_aSteildach.Serialize(ar);
    m_aDecke.Serialize(ar);
    m_aWand.Serialize(ar);
    m_aBoden.Serialize(ar);
    m_aFenster.Serialize(ar);
    m_aHeizung.Serialize(ar);
    m_aBedarf.Serialize(ar);
    m_defaultBoden.Serialize(ar);
    m_defaultDecke.Serialize(ar);
    m_defaultFenster.Serialize(ar);
    m_defaultFlachdach.Serialize(ar);
    m_defaultSteildach.Serialize(ar);
    m_defaultWand.Serialize(ar);

    m_aPlane.Serialize(ar);

    m_aLinien1.RemoveAll();
    m_aLinien2.RemoveAll();
    if (v >= MitDaechern) {
        m_aDach.Serialize(ar);
        // Until roofs kept their own flag, the house's said it for all.
        for (CDach& dach : m_aDach)
            if (!dach.BeheiztGelesen())
                dach.SetzeBeheizt(DachBeheizt);
    } else {
        m_aLinien1.Serialize(ar);
        m_aLinien2.Serialize(ar);
        m_aDach.RemoveAll();
        // Only a project that had reached the roof step has roof lines worth
        // converting (the step is compared before it is renumbered below).
        DaecherAusLinienOffen = Phase > 12;
    }

    if (v >= MitZonen)
        m_aZone.Serialize(ar);
    else
        m_aZone[0].m_a2DGrundrissPunkte.Serialize(ar);

    m_aGaube.RemoveAll();
    if (v >= MitGauben)
        m_aGaube.Serialize(ar);

    Phase = SchrittHeute(v, Phase);
}

} // namespace zeva
