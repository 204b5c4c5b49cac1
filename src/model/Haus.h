#pragma once
// The root of the building model: project and usage data, the climate tables
// of the chosen climate zone, house-wide heights, the settings of the plan
// and 3D input, the wizard step, the number of renovation variants and the
// selected heat-demand method, and every record of the building: components,
// one heating and one demand record per building state, zones, planes,
// dormers, roofs and the six default component records of the wizard.
//
// Building states: 0 is the existing building, 1 to Varianten the variants.
// The heating and demand arrays hold Varianten + 1 records and every
// component's measure array one slot per state. A copy of a house (for a
// variant's calculation, the variant dialog, the optimiser) has no zones,
// dormers or roofs although Zonen is copied: loops over zones go by the
// zone array's size, never by Zonen.
#include "model/Bilanzkern.h"
#include "model/CDach.h"
#include "model/CXmlObject.h"
#include "model/DBedarf.h"
#include "model/DBoden.h"
#include "model/DDecke.h"
#include "model/DFenster.h"
#include "model/DFlachdach.h"
#include "model/DHeizung.h"
#include "model/DSteildach.h"
#include "model/DWand.h"
#include "model/Gaube.h"
#include "model/Klimadaten.h"
#include "model/Notifier.h"
#include "model/Plane.h"
#include "model/Punkt2D.h"
#include "model/Punkt2DArray.h"
#include "model/Zone.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>
#include <type_traits>

namespace zeva {

// Heat-demand methods (Berechnungsverfahren).
enum Berechnungsart : std::int32_t {
    BerechnungEnEV = 0,   // "EnEV", monthly balance with the constants of DIN V 4108-6
    BerechnungSIA = 1,    // "SIA 380/1", monthly degree-day balance
    BerechnungWSVO95 = 2, // "WSVO´95", annual balance
};

using CPlaneArray = CXmlObjektArray<Plane>;

class DOptionen;
class VariantenAnzeige;

class Haus : public CXmlSerializable<Haus>, public Klimadaten {
public:
    static constexpr const char* XmlElementName = "Haus";
    // Document order of the house element; it differs from the declaration
    // order in places (Energiebezugsflaeche before Etagenflaeche, Drempelhoehe
    // before Dachgeschosshoehe, the grid after the area values, planes,
    // roofs, zones and dormers last).
    static auto GetXmlMembers(Haus& h)
    {
        return std::array{XmlInt("Version", h.Version),
                          XmlString("Beschreibung", h.Beschreibung),
                          XmlString("Strasse", h.Strasse),
                          XmlString("Ort", h.Ort),
                          XmlString("Kommentar", h.Kommentar),
                          XmlInt("Baujahr", h.Baujahr),
                          XmlInt("Nutzungstyp", h.Nutzungstyp),
                          XmlDouble("Energiebezugsflaeche", h.Energiebezugsflaeche),
                          XmlDouble("Etagenflaeche", h.Etagenflaeche),
                          XmlDouble("Innentemperatur", h.Innentemperatur),
                          XmlDouble("Luftwechsel", h.Luftwechsel),
                          XmlDouble("Volumen", h.Volumen),
                          XmlDouble("Elektrizitaet", h.Elektrizitaet),
                          XmlDouble("Personenzahl", h.Personenzahl),
                          XmlDouble("NutzungszeitProTag", h.NutzungszeitProTag),
                          XmlInt("Klimazone", h.Klimazone),
                          XmlInt("Varianten", h.Varianten),
                          XmlInt("Berechnungsverfahren", h.Berechnungsverfahren),
                          XmlDouble("Stockwerkshoehe", h.Stockwerkshoehe),
                          XmlInt("Stockwerkszahl", h.Stockwerkszahl),
                          XmlDouble("Dachhoehe", h.Dachhoehe),
                          XmlDouble("Drempelhoehe", h.Drempelhoehe),
                          XmlDouble("Dachgeschosshoehe", h.Dachgeschosshoehe),
                          XmlDouble("Kellerhoehe", h.Kellerhoehe),
                          XmlDouble("Ausrichtung", h.Ausrichtung),
                          XmlDouble("Haushoehe", h.Haushoehe),
                          XmlInt("Flag2DAutoGratlinien", h.Flag2DAutoGratlinien),
                          XmlInt("Flag2DOnlineFirstDocken", h.Flag2DOnlineFirstDocken),
                          XmlInt("Flag2DNachherFirstDocken", h.Flag2DNachherFirstDocken),
                          XmlInt("Flag2DGratAnGrundrissDocken", h.Flag2DGratAnGrundrissDocken),
                          XmlInt("Flag2DGratAnFirstDocken", h.Flag2DGratAnFirstDocken),
                          XmlInt("Flag2DTesthausGenerieren", h.Flag2DTesthausGenerieren),
                          XmlInt("Flag2DPixelZaehlraster", h.Flag2DPixelZaehlraster),
                          XmlInt("Flag2DSchritteDachvolumen", h.Flag2DSchritteDachvolumen),
                          XmlDouble("Flaeche2DEingabe", h.Flaeche2DEingabe),
                          XmlInt("Flag2DEingabeImUZS", h.Flag2DEingabeImUZS),
                          XmlInt("Flag2DKnotenGrundriss", h.Flag2DKnotenGrundriss),
                          XmlObject(h.m_2DKnotenGrundriss),
                          XmlInt("DachBeheizt", h.DachBeheizt),
                          XmlInt("KellerBeheizt", h.KellerBeheizt),
                          XmlInt("Steildach", h.Steildach),
                          XmlInt("Phase", h.Phase),
                          XmlDouble("RealAreaWidth", h.RealAreaWidth),
                          XmlDouble("RealAreaHeight", h.RealAreaHeight),
                          XmlDouble("RealGridWidth", h.RealGridWidth),
                          XmlDouble("OpenGLGrid", h.OpenGLGrid),
                          XmlDouble("OpenGLWidth", h.OpenGLWidth),
                          XmlDouble("OpenGLHeight", h.OpenGLHeight),
                          XmlInt("Zonen", h.Zonen),
                          XmlObject(h.m_aFlachdach),
                          XmlObject(h.m_aSteildach),
                          XmlObject(h.m_aDecke),
                          XmlObject(h.m_aWand),
                          XmlObject(h.m_aBoden),
                          XmlObject(h.m_aFenster),
                          XmlObject(h.m_aHeizung),
                          XmlObject(h.m_aBedarf),
                          XmlObject(h.m_defaultBoden),
                          XmlObject(h.m_defaultDecke),
                          XmlObject(h.m_defaultFenster),
                          XmlObject(h.m_defaultFlachdach),
                          XmlObject(h.m_defaultSteildach),
                          XmlObject(h.m_defaultWand),
                          XmlObject(h.m_aPlane),
                          XmlObject(h.m_aDach),
                          XmlObject(h.m_aZone),
                          XmlObject(h.m_aGaube)};
    }

    // Version of every house this program makes and writes; older binary
    // documents carry 1 to 9.
    static constexpr std::int32_t AktuelleVersion = 10;

    // A new house: the defaults below, the climate data of zone 13 (or
    // Klimazone 0 when the climate file cannot be read), one zone, one
    // heating and one demand record.
    Haus();
    // An empty house (no zones, dormers or roofs) that then takes what the
    // assignment takes from the source.
    Haus(const Haus& quelle);
    // Copies everything the calculations need. Keeps the target's Version,
    // Monatswerte, ListeNeuAufbauen, AktuelleTraegerID, zones, legacy point
    // lists, dormers and roofs.
    Haus& operator=(const Haus& quelle);
    ~Haus() override = default;

    // Loads the climate tables of the zone (1 to 13) from the climate file;
    // sets Klimazone to the zone, or to 0 when the zone is out of range or
    // the file cannot be read, and returns it. Shows nothing. Values read
    // before a failure stay in the tables.
    int LeseKlimadaten(int zone);

    // Number of building states: the existing building and the variants.
    int AnzahlZustaende() const { return Varianten + 1; }

    // Heat balance of the house as it stands (the existing building, or a
    // copy with a variant's measures applied) by Berechnungsverfahren:
    // clears the 16 sums of demand record 0, sizes its eight per-component
    // arrays to the component counts with zeros, runs the method and returns
    // the annual heat demand of the whole house in MJ (methods 0 and 1 the
    // gross losses, method 2 the demand after gains; any other code 0).
    // Methods 0 and 1 also fill the monthly tables. Missing climate data are
    // reported through the notifier. Innentemperatur is never changed.
    double Waermebilanz(Notifier& notifier);
    // The group sums and constants the last monthly balance (method 0 or 1)
    // combined; Gueltig is false after any other method or a balance without
    // climate data. Not copied with the house.
    const Bilanzteile& LetzteBilanzteile() const { return m_Bilanzteile; }

    // ---- Net areas and component labels (HausNettoflaechen.cpp)

    // Sets the Flaeche of every wall, pitched roof, ceiling, flat roof and
    // floor to the area of its plane minus the planes it carries (other
    // records of its kind standing on it, windows, dormer footprints); an
    // attic ceiling gains the ceilings of the dormers of its zone. Plane
    // areas, unrounded; a result may be negative. Windows keep their area.
    void BerechneNettoflaechen();
    // Sum of the stored Flaeche of all windows and opaque components, m².
    double Huellflaeche() const;
    // The share of the heated gross volume that counts as air volume: 0.76
    // for a residential house (Nutzungstyp 0) of at most two storeys, else
    // 0.8. Volumen is the gross volume times this factor.
    double Luftvolumenfaktor() const;
    // The heated gross volume, m³: the volume Volumen was made from.
    double Bruttovolumen() const;
    // Writes every record's Kurzname from the digit groups of its plane ID
    // ("Wa-EG-05-00"; the zone is named when Zonen > 1).
    void ErzeugeBauteilnamen();

    // ---- Demand per building state and standard heat load (HausBedarf.cpp)

    // Heat and fuel demand of state n (0 the existing building, 1 to
    // Varianten a variant, computed on a copy with the variant applied),
    // stored in demand record n; returns Brennstoffenergiebedarf in kWh/m²a
    // (0 for method 2). A state that does not exist gives 0 and changes
    // nothing.
    double BerechneBedarf(int n, Notifier& notifier);
    // False when the heating of state n turns no heat into fuel energy
    // (Endenergie 0 for a positive demand, e.g. a record without power): the
    // fuel demand of BerechneBedarf(n) then means nothing and may be
    // negative. Asks the records as BerechneBedarf(n) left them.
    bool EndenergieBerechenbar(int n) const;
    // Standard heat load of state n in kW with Innentemperatur; 0 (and a
    // message) without climate data, 0 for a state that does not exist.
    double BerechneNormwaermebedarf(int n, Notifier& notifier);
    // The fuel-energy demand in kWh/m²a of a heat demand b (MJ per year, the
    // balance's answer) with the usable gains per m² the balance found,
    // through the heating's BerechneEndenergiewerte(b); of the heating
    // record only the four results change.
    static double Brennstoffenergie(double energiebezugsflaeche, DHeizung& heizung, double b,
                                    double fenstergewinnNutzbar, double elektrizitaetNutzbar,
                                    double personenNutzbar);

    // ---- Renovation variants (HausVarianten.cpp)

    // 0 to Varianten, with a heating and a demand record.
    bool IstZustand(int n) const;
    // Adds variant Varianten + 1: the existing heating with the options'
    // overrides, an empty demand record, empty measures. Returns its number,
    // or 0 and changes nothing when the house already has
    // grenzen::MaxVarianten variants.
    int NeueVariante(bool manuell, const DOptionen& optionen);
    // The heating a new automatic or manual variant starts with: the
    // existing heating with the options' overrides for fuel, switch-on time
    // and distribution.
    DHeizung Variantenheizung(const DOptionen& optionen) const;
    static void SetzeHeizungsvorgaben(DHeizung& heizung, const DOptionen& optionen);
    // Applies the measures and the heating of variant n to this house's
    // existing state (done on a copy of the house).
    void WendeVarianteAn(int n);
    // The U-value of an opaque component of U-value u with measure m, as a
    // variant computes it. luftschichtFall is the case of LuftschichtWert for
    // the air layer a cavity fill takes the place of (LuftschichtFall). A
    // measure that cannot be applied leaves u.
    static double UWertMitMassnahme(double u, const DSBauteilOpaque& m, int luftschichtFall);
    // The case of LuftschichtWert per component kind: 1 for flat roofs,
    // pitched roofs and ceilings, 0 for walls, 2 for floors.
    template <class B>
    static constexpr int LuftschichtFall()
    {
        if constexpr (std::is_same_v<B, DWand>)
            return 0;
        else if constexpr (std::is_same_v<B, DBoden>)
            return 2;
        else
            return 1;
    }
    void LoescheVariante(int n);
    void LoescheAlleVarianten();
    // Whether states a and b are the same renovation: every component has
    // the same measure (or none) in both, and the heating records are equal.
    bool GleicheVarianten(int a, int b) const;
    // Before a change of the existing building: asks (when fragen) whether
    // all variants may be deleted and deletes them; false when the user
    // said No. The display, when given, refreshes the demand pane first and
    // closes the variant dialogs before the variants go.
    bool BestandAendernErlaubt(bool fragen, Notifier& notifier, VariantenAnzeige* anzeige = nullptr);
    // One row of a variant's costs: a measure on a component, the amount
    // due anyway of a component that must be renovated and gets no measure,
    // a new heating or the amount due for the old one. Preis is in whole
    // euros (GanzeEuro); Gesamtkosten is the sum of the rows.
    struct Kostenposten {
        std::string gruppe;   // "Flachdach", "Steildach", "Decke", "Wand", "Boden", "Fenster", "Heizung"
        std::string position; // the component's Kurzname; empty for the heating
        std::string name;     // the measure's or heating's name; empty for an amount due anyway
        double preis = 0;     // EUR, whole euros
        bool massnahme = false; // a measure or a new heating (counts per year by its life)
        double lebensdauer = 0; // years, for a measure or a new heating
    };
    // The rows of variant n in the order of the groups (flat roofs, pitched
    // roofs, ceilings, walls, floors, windows, heating); none for state 0.
    std::vector<Kostenposten> Kostenzeilen(int n, const DOptionen& optionen) const;
    // Costs of variant n into its demand record; false when a measure or a
    // new heating has no service life (its price still counts).
    bool BerechneKosten(int n, const DOptionen& optionen);
    // The components' part of variant n's Gesamtkosten: the prices of their
    // measures and the amounts due anyway of those without one, summed as
    // BerechneKosten sums them (the heating's part comes after).
    double Bauteilkosten(int n) const;
    // CO2 and cumulative energy expenditure of variant n's measures into its
    // demand record; false only for a state that does not exist.
    bool BerechneCo2(int n);
    bool BerechneKea(int n);
    // Costs that the required renovations of the existing building cause
    // anyway (EUR).
    double SowiesoKosten(const DOptionen& optionen) const;
    // Takes variant i of another house (a copy of this one with the same
    // components) into variant j and computes it; false when either number
    // is out of range or the component lists differ.
    bool UebernehmeVariante(const Haus& andere, int i, int j, const DOptionen& optionen, Notifier& notifier);

    // ---- Project document (HausDokument.cpp, HausBinaer.cpp)

    // The fix-up after the house element was read into a new house: below
    // Version 8 the wizard steps 11 and 12 become 13 and 14 becomes 15; the
    // climate tables of the stored Klimazone are loaded (Klimazone 0 when
    // they cannot be); roofs that cannot be used are dropped with a message
    // each and the others are rebuilt from their stored members. The house
    // is then a document of the current version. The junctions between the
    // roofs need the roof geometry: the project loader runs them afterwards.
    // First of all the house is held to the limits of PruefeDokumentgrenzen:
    // DokumentBeschaedigt leaves the house as it was read.
    void NachLaden(Notifier& notifier);

    // Reads the older binary form into a new house (the program never writes
    // it). Planes, dormers and roofs read by the Version read first, which the
    // archive carries meanwhile; the house keeps it for the options that
    // follow in the file. A damaged document raises BinaryArchiveError part
    // way and leaves the house half read. Below Version 8 the roofs of a
    // project past the wizard's step 12 are to be built from the line lists
    // afterwards (DaecherAusLinienOffen); roofs that cannot be used stay in
    // the array for the loader to drop.
    void Serialize(BinaryArchive& ar) override;
    // Set by Serialize when the roofs are to be built from m_aLinien1 and
    // m_aLinien2 (the geometry's DaecherAusLinien); not stored.
    bool DaecherAusLinienOffen = false;

    // Default records of the wizard, one per component kind.
    DBoden m_defaultBoden;
    DDecke m_defaultDecke;
    DFenster m_defaultFenster;
    DFlachdach m_defaultFlachdach;
    DSteildach m_defaultSteildach;
    DWand m_defaultWand;

    std::int32_t Version = AktuelleVersion;
    std::string Beschreibung;
    std::string Strasse;
    std::string Ort;
    std::string Kommentar;
    std::int32_t Baujahr = 1955;
    // 0 "Ein- bis Zweifamilien-Wohnhaus", 1 "Mehrfamilien-Wohnhaus",
    // 2 "Verwaltungsgebäude", 3 "Schule", 4 "Heim", 5 "(Sonstige)".
    std::int32_t Nutzungstyp = 0;
    // The use whose internal gains the balances count as offices.
    static constexpr std::int32_t Verwaltungsgebaeude = 2;
    double Etagenflaeche = 0;        // m²
    double Energiebezugsflaeche = 0; // m², heated floor area
    // 1 to 12 the climate regions, 13 DIN V 4108-6, 0 no climate data.
    std::int32_t Klimazone = KlimazoneDIN4108;
    double Innentemperatur = 19;    // °C
    double Luftwechsel = 0.8;       // 1/h
    double Volumen = 0;             // m³, heated air volume
    double Elektrizitaet = 80;      // MJ per m² and year
    double Personenzahl = 2;
    double NutzungszeitProTag = 12; // h
    std::int32_t Varianten = 0;
    std::int32_t Berechnungsverfahren = BerechnungEnEV;
    std::int32_t DachBeheizt = 1;
    std::int32_t KellerBeheizt = 0;
    std::int32_t Steildach = 1; // 1 pitched roof, 0 flat roof
    // Set by every change the 3D view must show; the view clears it.
    std::int32_t ListeNeuAufbauen = 1;
    std::int32_t Flag2DAutoGratlinien = 0;
    std::int32_t Flag2DOnlineFirstDocken = 0;
    std::int32_t Flag2DNachherFirstDocken = 1;
    std::int32_t Flag2DGratAnGrundrissDocken = 1;
    std::int32_t Flag2DGratAnFirstDocken = 1;
    std::int32_t Flag2DTesthausGenerieren = 1;
    std::int32_t Flag2DPixelZaehlraster = 200; // pixels
    std::int32_t Flag2DSchritteDachvolumen = 10;
    std::int32_t Flag2DKnotenGrundriss = 0;
    Punkt2D m_2DKnotenGrundriss;
    double Ausrichtung = 90;       // degrees, north direction of the plan
    double Dachhoehe = 3.0;        // m
    double Dachgeschosshoehe = 3.0; // m
    double Drempelhoehe = 0;       // m
    double Stockwerkshoehe = 2.5;  // m
    std::int32_t Stockwerkszahl = 1;
    double Kellerhoehe = 2.5;      // m
    double Haushoehe = 8.0;        // m
    double Flaeche2DEingabe = 400; // m²
    std::int32_t Flag2DEingabeImUZS = 0;
    std::int32_t Phase = 0; // wizard step
    double OpenGLGrid = 0.1;    // drawing units
    double OpenGLWidth = 20;    // drawing units
    double OpenGLHeight = 20;   // drawing units
    double RealAreaWidth = 20;  // m
    double RealAreaHeight = 20; // m
    double RealGridWidth = 0.1; // m
    // Plane ID of the carrying surface picked last in the 3D view.
    std::int32_t AktuelleTraegerID = 0;

    // Monthly results of the heat balance of the existing state in kWh per
    // m² of Energiebezugsflaeche, index 0 = January; not stored.
    Monatsreihe MonatWand{};
    Monatsreihe MonatDecke{};
    Monatsreihe MonatBoden{};
    Monatsreihe MonatFenster{};
    Monatsreihe MonatSteildach{};
    Monatsreihe MonatFlachdach{};
    Monatsreihe MonatLueftung{};
    Monatsreihe MonatSolar{};
    Monatsreihe MonatIntern{};

    // Days per month of the balances (no leap year).
    std::array<std::int32_t, 12> Monatstage{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

    CDFlachdachArray m_aFlachdach;
    CDSteildachArray m_aSteildach;
    CDDeckeArray m_aDecke;
    CDWandArray m_aWand;
    CDBodenArray m_aBoden;
    CDFensterArray m_aFenster;
    CDHeizungArray m_aHeizung; // index = building state
    CDBedarfArray m_aBedarf;   // index = building state
    // Zones in use; more than 1 adds the zone to component labels.
    std::int32_t Zonen = 1;
    CZoneArray m_aZone;
    // Ridge lines (1) and hip lines (2) of binary documents below version 8,
    // two points per line; the roof conversion builds roofs from them.
    Punkt2DArray m_aLinien1;
    Punkt2DArray m_aLinien2;
    CPlaneArray m_aPlane; // geometry-only planes (kinds 90 to 92)
    CGaubeArray m_aGaube;
    CDachArray m_aDach;

private:
    // The three methods; they expect the demand record prepared by
    // Waermebilanz.
    double MonatsbilanzEnEV(Notifier& notifier); // 0 "EnEV", DIN V 4108-6
    double MonatsbilanzSIA(Notifier& notifier);  // 1 "SIA 380/1"
    double JahresbilanzWSVO95();                 // 2 "WSVO´95"

    Bilanzteile m_Bilanzteile;
};

} // namespace zeva
