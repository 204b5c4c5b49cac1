// The demand of a building state as the panes, dialogs, optimiser and report
// ask for it, and the standard heat load that sizes the boiler.
#include "model/Haus.h"
#include "model/Einheiten.h"

#include <cstddef>

namespace zeva {

namespace {

// Conversion of an annual total in MJ into kWh per m² of the heated area;
// 0 for a house without a (meaningful) area.
double ProQuadratmeter(double energiebezugsflaeche)
{
    return energiebezugsflaeche > 1 ? 1.0 / (MJProKWh * energiebezugsflaeche) : 0.0;
}

// Design outdoor temperature of the climate zone (°C); false for a zone
// without one.
bool Auslegungstemperatur(int klimazone, double& theta)
{
    switch (klimazone) {
    case 1: theta = -8; return true;
    case 2:
    case 4:
    case 13: theta = -10; return true;
    case 3:
    case 7:
    case 12: theta = -9; return true;
    case 5:
    case 10: theta = -13; return true;
    case 6: theta = -11; return true;
    case 8:
    case 11: theta = -12; return true;
    case 9: theta = -14; return true;
    default: return false;
    }
}

// How a component's border kind enters the heat load: with the full
// temperature difference, with a difference smaller by an allowance (a space
// warmer than outside; never below 0), or not at all (a heated neighbour, or a
// code the house does not know).
struct Grenzart {
    enum Art { Voll, Abschlag, Keine } art;
    double abschlag = 0; // K
};

// Walls: 0 outside air, 1 heated, 2 ground, 3 to 6 unheated + 2 to 8 °C.
Grenzart WandGrenze(int code)
{
    switch (code) {
    case 0: return {Grenzart::Voll};
    case 2:
    case 3: return {Grenzart::Abschlag, 2};
    case 4: return {Grenzart::Abschlag, 4};
    case 5: return {Grenzart::Abschlag, 6};
    case 6: return {Grenzart::Abschlag, 8};
    default: return {Grenzart::Keine};
    }
}

// Floors: as walls, but the ground allows 4 K.
Grenzart BodenGrenze(int code)
{
    switch (code) {
    case 0: return {Grenzart::Voll};
    case 2: return {Grenzart::Abschlag, 4};
    case 3: return {Grenzart::Abschlag, 2};
    case 4: return {Grenzart::Abschlag, 4};
    case 5: return {Grenzart::Abschlag, 6};
    case 6: return {Grenzart::Abschlag, 8};
    default: return {Grenzart::Keine};
    }
}

// Ceilings: 0 heated, 1 to 4 unheated + 2 to 8 °C.
Grenzart DeckeGrenze(int code)
{
    switch (code) {
    case 1: return {Grenzart::Abschlag, 2};
    case 2: return {Grenzart::Abschlag, 4};
    case 3: return {Grenzart::Abschlag, 6};
    case 4: return {Grenzart::Abschlag, 8};
    default: return {Grenzart::Keine};
    }
}

// Heat flow in W through a component of the border kind g.
double Verlust(Grenzart g, double dT, double u, double flaeche)
{
    switch (g.art) {
    case Grenzart::Voll: return u * flaeche * dT;
    case Grenzart::Abschlag: {
        const double d = dT - g.abschlag;
        return d > 0 ? d * u * flaeche : 0.0;
    }
    default: return 0;
    }
}

} // namespace

double Haus::BerechneBedarf(int n, Notifier& notifier)
{
    if (!IstZustand(n))
        return 0;

    if (n > 0) {
        // A variant never touches the house itself: its measures go onto a
        // copy, whose existing state is then computed.
        Haus kopie(*this);
        kopie.WendeVarianteAn(n);
        const double r = kopie.BerechneBedarf(0, notifier);
        // This also carries the existing state's costs into record n; the
        // variant's own costs are computed after its demand.
        m_aBedarf[static_cast<std::size_t>(n)] = kopie.m_aBedarf[0];
        return r;
    }

    const double e = ProQuadratmeter(Energiebezugsflaeche);
    const double b = Waermebilanz(notifier); // MJ per year
    DBedarf& bedarf = m_aBedarf[0];
    if (Berechnungsverfahren != BerechnungEnEV && Berechnungsverfahren != BerechnungSIA) {
        // WSVO´95 (and unknown methods) give no fuel figure.
        bedarf.Heizungsverlust = 0;
        return 0;
    }

    DHeizung& heizung = m_aHeizung[0];
    bedarf.Brennstoffenergiebedarf =
        Brennstoffenergie(Energiebezugsflaeche, heizung, b, bedarf.Fenstergewinnnutzbarsumme,
                          bedarf.ElektrizitaetNutzbar, bedarf.PersonenNutzbar);
    bedarf.Heizungsverlust = (heizung.Endenergie - b) * e;
    return bedarf.Brennstoffenergiebedarf;
}

double Haus::Brennstoffenergie(double energiebezugsflaeche, DHeizung& heizung, double b,
                               double fenstergewinnNutzbar, double elektrizitaetNutzbar, double personenNutzbar)
{
    // Only the four results: the annual efficiency and the full-load hours
    // the calculation derives are the user's input fields, which the
    // variants compare and the file keeps.
    const DHeizung::Endenergiewerte w = heizung.BerechneEndenergiewerte(b);
    heizung.SetzeErgebnisse(w);
    const double E = w.Endenergie;
    // A heating record that cannot turn heat into fuel energy (no power, an
    // efficiency of 0, ...) leaves Endenergie 0, and the formula then gives
    // minus the usable gains. The figure is kept as the formula has it;
    // EndenergieBerechenbar tells the panes not to show it.
    return ProQuadratmeter(energiebezugsflaeche) * E - fenstergewinnNutzbar -
           elektrizitaetNutzbar - personenNutzbar;
}

bool Haus::EndenergieBerechenbar(int n) const
{
    if (!IstZustand(n))
        return false;
    if (Berechnungsverfahren != BerechnungEnEV && Berechnungsverfahren != BerechnungSIA)
        return true; // no fuel figure to distrust
    if (Energiebezugsflaeche <= 1)
        return true; // every figure per m² is 0
    // The gross losses that the heating of the state had to cover, back from
    // the demand record (the balances store them per m²).
    const double b = m_aBedarf[static_cast<std::size_t>(n)].Waermebedarf * MJProKWh * Energiebezugsflaeche;
    if (!(b > 0))
        return true;
    return m_aHeizung[static_cast<std::size_t>(n)].BerechneEndenergiewerte(b).Endenergie > 0;
}

double Haus::BerechneNormwaermebedarf(int n, Notifier& notifier)
{
    if (!IstZustand(n))
        return 0;
    if (n > 0) {
        Haus kopie(*this);
        kopie.WendeVarianteAn(n);
        return kopie.BerechneNormwaermebedarf(0, notifier);
    }

    double thetaE = 0;
    if (Klimazone == KlimazoneKeine || !Auslegungstemperatur(Klimazone, thetaE)) {
        notifier.Nachricht("Die Datei KLIMA.RDT konnte nicht geöffnet werden oder ist beschädigt. Berechnung des "
                           "Normwärmebedarfs nicht möglich.",
                           Notifier::Art::Warnung);
        return 0;
    }
    const double dT = Innentemperatur - thetaE;

    double transmission = 0; // W
    for (const DFlachdach& d : m_aFlachdach)
        transmission += d.kWert * d.Flaeche * dT;
    for (const DSteildach& d : m_aSteildach)
        transmission += d.kWert * d.Flaeche * dT;
    for (const DDecke& d : m_aDecke)
        transmission += Verlust(DeckeGrenze(d.Zone), dT, d.kWert, d.Flaeche);
    for (const DWand& w : m_aWand)
        transmission += Verlust(WandGrenze(w.Zone), dT, w.kWert, w.Flaeche);
    for (const DBoden& b : m_aBoden)
        transmission += Verlust(BodenGrenze(b.Zone), dT, b.kWert, b.Flaeche);
    // Windows with the glazing's U-value less the solar share (equivalent
    // U-value of the glazing).
    for (const DFenster& f : m_aFenster)
        transmission += ((f.kWertGlas - 0.35 * f.gWert) * (1 - f.Rahmenanteil) + f.kWertRahmen * f.Rahmenanteil) *
                        f.Flaeche * dT;

    const double lueftung = dT * Volumen * Luftwechsel * 1.15 * 0.5; // W
    // kW, with a surcharge of 15 %.
    return (transmission + lueftung) * 0.00115;
}

} // namespace zeva
