#include "model/Eingabehilfen.h"

#include "model/Einheiten.h"
#include "model/Klimadaten.h"
#include "model/Zahlentext.h"

#include <vector>

namespace zeva {

double ElektrizitaetAusStromverbrauch(double stromverbrauchKWh, double nutzflaeche)
{
    return nutzflaeche >= 1 ? stromverbrauchKWh / nutzflaeche * MJProKWh : 0.0;
}

int KlimazoneAusAuswahl(int eintrag)
{
    return eintrag == 0 ? KlimazoneDIN4108 : eintrag;
}

bool KesselDecktWaermebedarf(double waermebilanzMJ, const DHeizung& heizung)
{
    return !(waermebilanzMJ > heizung.Nennwaermeleistung * heizung.Bereitschaftszeit * MJProKWh);
}

bool KesselDecktNormwaermebedarf(double normwaermebedarfKW, const DHeizung& heizung)
{
    return !(normwaermebedarfKW > heizung.Nennwaermeleistung);
}

bool KesselkennwerteBrauchbar(const Kesselkennwerte& k)
{
    const auto prozent = [](double x) { return x >= 0 && x <= 100; };
    return k.verteilungsnutzungsgrad > 1 && prozent(k.abgasverlust) && prozent(k.strahlungsverlust) &&
           prozent(k.bereitschaftsverlust) && k.nennleistung > 0.1 && k.einschaltdauer >= 0 &&
           k.einschaltdauer <= 8760;
}

std::optional<double> KesselnutzungsgradAusVerlusten(double q, const Kesselkennwerte& k, DHeizung& heizung)
{
    if (!KesselkennwerteBrauchbar(k))
        return std::nullopt;
    if (!(k.nennleistung * k.einschaltdauer * MJProKWh > q))
        return std::nullopt;
    if (k.abgasverlust == 0 && k.strahlungsverlust == 0 && k.bereitschaftsverlust == 0)
        return std::nullopt;
    heizung.Abgasverlust = k.abgasverlust * 0.01;
    heizung.Strahlungsverlust = k.strahlungsverlust * 0.01;
    heizung.Bereitschaftsverlust = k.bereitschaftsverlust * 0.01;
    heizung.Nennwaermeleistung = k.nennleistung;
    heizung.Bereitschaftszeit = k.einschaltdauer;
    heizung.Einzelheiz = 0;
    heizung.Verteilungsnutzungsgrad = k.verteilungsnutzungsgrad * 0.01;
    return RundeSignifikant(heizung.BerechneEndenergie(q) * 100, 4);
}

bool SetzeFensterPlanes(const Plane& traeger, std::span<DFenster* const> fenster,
                        std::span<const std::int32_t> belegteIDs)
{
    bool alle = true;
    std::vector<std::int32_t> vergeben(belegteIDs.begin(), belegteIDs.end());
    for (std::size_t n = 0; n < fenster.size(); ++n) {
        Plane& p = fenster[n]->m_plane;
        p.SetzeRechteck(fenster[n]->Flaeche);
        p.Traeger1ID = traeger.Traeger1ID;
        p.Traeger2ID = traeger.ID;
        p.GaubenID = traeger.GaubenID;
        p.FassadenID = traeger.FassadenID;
        if (const auto id = FensterPlaneID(traeger.ID, static_cast<int>(n), vergeben)) {
            p.ID = *id;
            vergeben.push_back(*id);
        } else {
            alle = false;
        }
    }
    return alle;
}

} // namespace zeva
