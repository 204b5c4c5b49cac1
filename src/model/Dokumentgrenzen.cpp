// Holding a house just read to what a house can be.
#include "model/Dokumentgrenzen.h"

#include "model/CXmlObjektArray.h"
#include "model/Haus.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zeva {

namespace {

// Finds the first value that no house can have and says which it is.
class Pruefung {
public:
    void Laenge(double x, const char* name, const char* wo) { Wert(x, grenzen::MaxLaenge, name, wo); }
    void Flaeche(double x, const char* name, const char* wo) { Wert(x, grenzen::MaxFlaeche, name, wo); }
    void Volumen(double x, const char* name, const char* wo) { Wert(x, grenzen::MaxVolumen, name, wo); }
    // An angle or a share only has to be a number.
    void Zahl(double x, const char* name, const char* wo)
    {
        if (!std::isfinite(x))
            Fehler(name, wo);
    }

    void Punkt(const Punkt2D& p, const char* wo)
    {
        Laenge(p.x, "x", wo);
        Laenge(p.y, "y", wo);
    }
    void Punkt(const Punkt3D& p, const char* wo)
    {
        Laenge(p.x, "x", wo);
        Laenge(p.y, "y", wo);
        Laenge(p.z, "z", wo);
    }
    void Punkte(const Punkt2DArray& punkte, const char* wo)
    {
        for (const Punkt2D& p : punkte)
            Punkt(p, wo);
    }
    void Ebene(const Plane& p, const char* wo)
    {
        for (int k = 0; k < 4; ++k)
            Punkt(p.Ecke(k), wo);
    }

    template <class Opak>
    void OpakesBauteil(const Opak& b, const char* wo)
    {
        Flaeche(b.Flaeche, "Flaeche", wo);
        Laenge(b.Dicke, "Dicke", wo);
        Ebene(b.m_plane, wo);
        for (const DSchicht& s : b.m_Schichtaufbau)
            Laenge(s.Dicke, "Dicke", wo);
        for (const auto& m : b.m_aSan)
            Laenge(m.Dicke, "Dicke", wo);
    }
    template <class Array>
    void OpakeBauteile(const Array& bauteile, const char* wo)
    {
        for (const auto& b : bauteile)
            OpakesBauteil(b, wo);
    }
    void Fenster(const DFenster& f, const char* wo)
    {
        Flaeche(f.Flaeche, "Flaeche", wo);
        Ebene(f.m_plane, wo);
    }

private:
    void Wert(double x, double grenze, const char* name, const char* wo)
    {
        if (!(std::fabs(x) <= grenze))
            Fehler(name, wo);
    }
    [[noreturn]] static void Fehler(const char* name, const char* wo)
    {
        throw DokumentBeschaedigt(std::string("Der Wert „") + name + "“ " + wo
                                  + " ist keine Zahl oder unmöglich groß.");
    }
};

void PruefeWerte(const Haus& h)
{
    Pruefung p;
    const char* haus = "des Hauses";
    p.Flaeche(h.Energiebezugsflaeche, "Energiebezugsflaeche", haus);
    p.Flaeche(h.Etagenflaeche, "Etagenflaeche", haus);
    p.Flaeche(h.Flaeche2DEingabe, "Flaeche2DEingabe", haus);
    p.Volumen(h.Volumen, "Volumen", haus);
    p.Laenge(h.Dachhoehe, "Dachhoehe", haus);
    p.Laenge(h.Dachgeschosshoehe, "Dachgeschosshoehe", haus);
    p.Laenge(h.Drempelhoehe, "Drempelhoehe", haus);
    p.Laenge(h.Stockwerkshoehe, "Stockwerkshoehe", haus);
    p.Laenge(h.Kellerhoehe, "Kellerhoehe", haus);
    p.Laenge(h.Haushoehe, "Haushoehe", haus);
    p.Laenge(h.RealAreaWidth, "RealAreaWidth", haus);
    p.Laenge(h.RealAreaHeight, "RealAreaHeight", haus);
    p.Laenge(h.RealGridWidth, "RealGridWidth", haus);
    p.Laenge(h.OpenGLGrid, "OpenGLGrid", haus);
    p.Laenge(h.OpenGLWidth, "OpenGLWidth", haus);
    p.Laenge(h.OpenGLHeight, "OpenGLHeight", haus);
    p.Zahl(h.Ausrichtung, "Ausrichtung", haus);
    p.Punkt(h.m_2DKnotenGrundriss, haus);
    p.Punkte(h.m_aLinien1, haus);
    p.Punkte(h.m_aLinien2, haus);

    const char* zone = "einer Zone";
    for (const Zone& z : h.m_aZone) {
        p.Laenge(z.Dachhoehe, "Dachhoehe", zone);
        p.Laenge(z.Dachgeschosshoehe, "Dachgeschosshoehe", zone);
        p.Laenge(z.Drempelhoehe, "Drempelhoehe", zone);
        p.Laenge(z.Stockwerkshoehe, "Stockwerkshoehe", zone);
        p.Laenge(z.Kellerhoehe, "Kellerhoehe", zone);
        p.Laenge(z.HoeheUeberGrund, "HoeheUeberGrund", zone);
        p.Punkte(z.m_a2DGrundrissPunkte, zone);
    }

    const char* bauteil = "eines Bauteils";
    p.OpakeBauteile(h.m_aWand, bauteil);
    p.OpakeBauteile(h.m_aBoden, bauteil);
    p.OpakeBauteile(h.m_aDecke, bauteil);
    p.OpakeBauteile(h.m_aFlachdach, bauteil);
    p.OpakeBauteile(h.m_aSteildach, bauteil);
    for (const DFenster& f : h.m_aFenster)
        p.Fenster(f, bauteil);
    const char* vorgabe = "eines Vorgabebauteils";
    p.OpakesBauteil(h.m_defaultWand, vorgabe);
    p.OpakesBauteil(h.m_defaultBoden, vorgabe);
    p.OpakesBauteil(h.m_defaultDecke, vorgabe);
    p.OpakesBauteil(h.m_defaultFlachdach, vorgabe);
    p.OpakesBauteil(h.m_defaultSteildach, vorgabe);
    p.Fenster(h.m_defaultFenster, vorgabe);

    for (const Plane& e : h.m_aPlane)
        p.Ebene(e, "einer Fläche");

    const char* gaube = "einer Gaube";
    for (const Gaube& g : h.m_aGaube) {
        for (const Plane* e : {&g.m_Dachflaeche, &g.m_Deckenflaeche, &g.m_Stirnflaeche, &g.m_Seitenflaeche_rechts,
                               &g.m_Seitenflaeche_links, &g.m_Dachauflage})
            p.Ebene(*e, gaube);
    }

    const char* dach = "eines Dachs";
    for (const CDach& d : h.m_aDach) {
        p.Zahl(d.Winkel, "Winkel", dach);
        p.Zahl(d.DiagonalWinkel, "DiagonalWinkel", dach);
        p.Punkt(d.m_size, dach);
        p.Punkte(d.m_points, dach);
        p.Laenge(d.Hoehe, "Hoehe", dach);
        p.Laenge(d.GeschossHoehe, "GeschossHoehe", dach);
        p.Laenge(d.MansardHoehe, "MansardHoehe", dach);
    }
}

void PruefeAnzahl(std::size_t anzahl, std::size_t hoechstens, const char* was)
{
    if (anzahl > hoechstens)
        throw DokumentBeschaedigt("Das Projekt hat " + std::to_string(anzahl) + " " + was + "; möglich sind höchstens "
                                  + std::to_string(hoechstens) + ".");
}

// Brings the count into 0 to hoechstens; true when it had to.
bool Begrenze(std::int32_t& zahl, std::int32_t hoechstens)
{
    const std::int32_t begrenzt = std::clamp(zahl, std::int32_t{0}, hoechstens);
    const bool geaendert = begrenzt != zahl;
    zahl = begrenzt;
    return geaendert;
}

} // namespace

void BegrenzeAnzahlenImDokument(CXmlArchiveFile& ar)
{
    ar.BegrenzeArray(CDachArray::ElementName(), grenzen::MaxDaecher);
    ar.BegrenzeArray(CGaubeArray::ElementName(), grenzen::MaxGauben);
}

void PruefeGezaehlteAnzahlen(const CXmlArchiveFile& ar)
{
    PruefeAnzahl(ar.GezaehlteAnzahl(CDachArray::ElementName()), grenzen::MaxDaecher, "Dächer");
    PruefeAnzahl(ar.GezaehlteAnzahl(CGaubeArray::ElementName()), grenzen::MaxGauben, "Gauben");
}

void PruefeDokumentgrenzen(Haus& haus, Notifier& notifier)
{
    // Counted first: the values of a hundred thousand roofs are not worth
    // looking at.
    PruefeAnzahl(haus.m_aDach.size(), grenzen::MaxDaecher, "Dächer");
    PruefeAnzahl(haus.m_aGaube.size(), grenzen::MaxGauben, "Gauben");
    PruefeWerte(haus);

    bool stockwerke = Begrenze(haus.Stockwerkszahl, grenzen::MaxStockwerke);
    for (Zone& z : haus.m_aZone)
        stockwerke = Begrenze(z.Stockwerkszahl, grenzen::MaxStockwerke) || stockwerke;
    if (stockwerke)
        notifier.Nachricht(grenzen::MeldungStockwerke, Notifier::Art::Warnung);
    if (Begrenze(haus.Varianten, grenzen::MaxVarianten))
        notifier.Nachricht(grenzen::MeldungVarianten, Notifier::Art::Warnung);
}

} // namespace zeva
