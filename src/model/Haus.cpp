#include "model/Haus.h"

namespace zeva {

Haus::Haus()
{
    LeseKlimadaten(KlimazoneDIN4108);
    m_aHeizung.SetSize(1);
    m_aBedarf.SetSize(1);
    m_aZone.SetSize(1);
}

Haus::Haus(const Haus& quelle) : CXmlSerializable<Haus>(), Klimadaten()
{
    // Arrays start empty: a copy has no zones, dormers or roofs.
    *this = quelle;
}

Haus& Haus::operator=(const Haus& quelle)
{
    if (this == &quelle)
        return *this;
    Beschreibung = quelle.Beschreibung;
    Strasse = quelle.Strasse;
    Ort = quelle.Ort;
    Kommentar = quelle.Kommentar;
    Baujahr = quelle.Baujahr;
    Nutzungstyp = quelle.Nutzungstyp;
    Energiebezugsflaeche = quelle.Energiebezugsflaeche;
    Etagenflaeche = quelle.Etagenflaeche;
    Innentemperatur = quelle.Innentemperatur;
    Luftwechsel = quelle.Luftwechsel;
    Volumen = quelle.Volumen;
    Elektrizitaet = quelle.Elektrizitaet;
    Personenzahl = quelle.Personenzahl;
    NutzungszeitProTag = quelle.NutzungszeitProTag;
    static_cast<Klimadaten&>(*this) = static_cast<const Klimadaten&>(quelle);
    Monatstage = quelle.Monatstage;
    Varianten = quelle.Varianten;
    Klimazone = quelle.Klimazone;

    m_aFlachdach = quelle.m_aFlachdach;
    m_aSteildach = quelle.m_aSteildach;
    m_aDecke = quelle.m_aDecke;
    m_aWand = quelle.m_aWand;
    m_aBoden = quelle.m_aBoden;
    m_aFenster = quelle.m_aFenster;
    m_aHeizung = quelle.m_aHeizung;
    m_aBedarf = quelle.m_aBedarf;

    m_defaultBoden = quelle.m_defaultBoden;
    m_defaultDecke = quelle.m_defaultDecke;
    m_defaultFenster = quelle.m_defaultFenster;
    m_defaultFlachdach = quelle.m_defaultFlachdach;
    m_defaultSteildach = quelle.m_defaultSteildach;
    m_defaultWand = quelle.m_defaultWand;

    m_aPlane = quelle.m_aPlane;

    Dachhoehe = quelle.Dachhoehe;
    Dachgeschosshoehe = quelle.Dachgeschosshoehe;
    Drempelhoehe = quelle.Drempelhoehe;
    Stockwerkshoehe = quelle.Stockwerkshoehe;
    Stockwerkszahl = quelle.Stockwerkszahl;
    Kellerhoehe = quelle.Kellerhoehe;
    Ausrichtung = quelle.Ausrichtung;
    Haushoehe = quelle.Haushoehe;

    Flag2DAutoGratlinien = quelle.Flag2DAutoGratlinien;
    Flag2DOnlineFirstDocken = quelle.Flag2DOnlineFirstDocken;
    Flag2DNachherFirstDocken = quelle.Flag2DNachherFirstDocken;
    Flag2DGratAnGrundrissDocken = quelle.Flag2DGratAnGrundrissDocken;
    Flag2DGratAnFirstDocken = quelle.Flag2DGratAnFirstDocken;
    Flag2DTesthausGenerieren = quelle.Flag2DTesthausGenerieren;
    Flag2DPixelZaehlraster = quelle.Flag2DPixelZaehlraster;
    Flag2DSchritteDachvolumen = quelle.Flag2DSchritteDachvolumen;
    Flag2DKnotenGrundriss = quelle.Flag2DKnotenGrundriss;
    Flag2DEingabeImUZS = quelle.Flag2DEingabeImUZS;
    m_2DKnotenGrundriss = quelle.m_2DKnotenGrundriss;
    Flaeche2DEingabe = quelle.Flaeche2DEingabe;

    Berechnungsverfahren = quelle.Berechnungsverfahren;
    DachBeheizt = quelle.DachBeheizt;
    KellerBeheizt = quelle.KellerBeheizt;
    Steildach = quelle.Steildach;
    Phase = quelle.Phase;

    OpenGLGrid = quelle.OpenGLGrid;
    OpenGLWidth = quelle.OpenGLWidth;
    OpenGLHeight = quelle.OpenGLHeight;
    RealAreaWidth = quelle.RealAreaWidth;
    RealAreaHeight = quelle.RealAreaHeight;
    RealGridWidth = quelle.RealGridWidth;

    Zonen = quelle.Zonen;
    return *this;
}

int Haus::LeseKlimadaten(int zone)
{
    if (zone < 1 || zone > KlimazonenAnzahl || !LeseKlimablock(KlimaDatei(), zone, *this)) {
        Klimazone = KlimazoneKeine;
        return Klimazone;
    }
    Klimazone = zone;
    return Klimazone;
}

} // namespace zeva
