#include "model/DHeizung.h"
#include "model/Einheiten.h"

#include "model/Zahlentext.h"
#include "platform/BinaryArchive.h"

#include <algorithm>

namespace zeva {

namespace {

// Below these the efficiencies are treated as missing rather than divided by.
constexpr double KleinsterNutzungsgrad = 1e-8;
constexpr double KleinsteEndenergie = 1e-20;

bool IstAnteil(double x)
{
    return x >= 0 && x <= 1;
}

} // namespace

DHeizung::DHeizung(const DHeizung& quelle) : CXmlSerializable<DHeizung>()
{
    *this = quelle;
}

DHeizung& DHeizung::operator=(const DHeizung& quelle)
{
    if (this == &quelle)
        return *this;
    Sowieso = quelle.Sowieso;
    Name = quelle.Name;
    Langtext = quelle.Langtext;
    Sanbar = quelle.Sanbar;
    SanMuss = quelle.SanMuss;
    Brennstoff = quelle.Brennstoff;
    Einzelheiz = quelle.Einzelheiz;
    Jahresnutzungsgrad = quelle.Jahresnutzungsgrad;
    Bitmappfad = quelle.Bitmappfad;
    Kommentar = quelle.Kommentar;
    Co2 = quelle.Co2;
    Kea = quelle.Kea;
    EtaEinzel = quelle.EtaEinzel;
    Nennwaermeleistung = quelle.Nennwaermeleistung;
    Bereitschaftszeit = quelle.Bereitschaftszeit;
    Vollbenutzungsstunden = quelle.Vollbenutzungsstunden;
    Strahlungsverlust = quelle.Strahlungsverlust;
    Abgasverlust = quelle.Abgasverlust;
    Bereitschaftsverlust = quelle.Bereitschaftsverlust;
    Heizungsverteilung = quelle.Heizungsverteilung;
    Verteilungsnutzungsgrad = quelle.Verteilungsnutzungsgrad;
    Preis = quelle.Preis;
    Lebensdauer = quelle.Lebensdauer;
    return *this;
}

DHeizung::Endenergiewerte DHeizung::BerechneEndenergiewerte(double q) const
{
    Endenergiewerte w;
    if (Einzelheiz != 0) {
        if (EtaEinzel > KleinsterNutzungsgrad) {
            w.Endenergie = q / EtaEinzel;
            w.VerlustErzeugung = w.Endenergie - q;
        }
        return w;
    }

    const double p = Nennwaermeleistung;
    const double bz = Bereitschaftszeit;
    const double etaV = Verteilungsnutzungsgrad;
    const double qS = Strahlungsverlust;
    const double qA = Abgasverlust;
    const double qB = Bereitschaftsverlust;
    const bool gueltig =
        etaV > 0.01 && IstAnteil(qB) && IstAnteil(qS) && IstAnteil(qA) && p > 0.1 && bz >= 0 && bz <= 8760;
    if (!gueltig)
        return w;

    const bool verlusteAngegeben = qB != 0 || qS != 0 || qA != 0;
    w.Jahresnutzungsgrad = Jahresnutzungsgrad;

    if (p * bz * MJProKWh > q) {
        w.VerlustVerteilung = q * (1 - etaV) / etaV;
        const double qE = q + w.VerlustVerteilung;
        w.Vollbenutzungsstunden = qE / (MJProKWh * p);
        if (!verlusteAngegeben) {
            // The annual efficiency is given in place of the losses.
            if (Jahresnutzungsgrad > KleinsterNutzungsgrad) {
                w.Endenergie = q / (Jahresnutzungsgrad * etaV);
                w.VerlustErzeugung = (1 - Jahresnutzungsgrad) * w.Endenergie;
            }
            return w;
        }
        w.VerlustErzeugung = (qA + qS) * p * w.Vollbenutzungsstunden * MJProKWh;
        // With a poor distribution the full-load hours may exceed the standby
        // time; the boiler then has no standby hours left, not negative ones.
        const double bereitschaftsstunden = std::max(0.0, bz - w.Vollbenutzungsstunden);
        w.VerlustBereitschaft = bereitschaftsstunden * p * qB * MJProKWh;
        w.Endenergie = q + w.VerlustVerteilung + w.VerlustErzeugung + w.VerlustBereitschaft;
        w.Jahresnutzungsgrad = w.Endenergie > KleinsteEndenergie ? qE / w.Endenergie : 0;
        return w;
    }

    // The boiler cannot deliver the demand within its standby time: it runs
    // all the time, so only its radiation and flue-gas losses count.
    // Losses that together exceed the power leave no efficiency, not a
    // negative one.
    w.VerlustVerteilung = 0;
    w.Vollbenutzungsstunden = 0;
    if (verlusteAngegeben)
        w.Jahresnutzungsgrad = std::max(0.0, 1 - qS - qA);
    // Without a usable efficiency there is no sound fuel figure; 0 marks it
    // rather than a huge made-up one.
    w.Endenergie = w.Jahresnutzungsgrad > KleinsterNutzungsgrad ? q / (w.Jahresnutzungsgrad * etaV) : 0;
    return w;
}

void DHeizung::SetzeErgebnisse(const Endenergiewerte& w)
{
    Endenergie = w.Endenergie;
    VerlustVerteilung = w.VerlustVerteilung;
    VerlustErzeugung = w.VerlustErzeugung;
    VerlustBereitschaft = w.VerlustBereitschaft;
}

double DHeizung::BerechneEndenergie(double q)
{
    const Endenergiewerte w = BerechneEndenergiewerte(q);
    SetzeErgebnisse(w);
    Vollbenutzungsstunden = w.Vollbenutzungsstunden;
    Jahresnutzungsgrad = w.Jahresnutzungsgrad;
    return w.Jahresnutzungsgrad;
}

double DHeizung::Co2Faktor() const
{
    switch (Brennstoff) {
    case BrennstoffGas: return 0.22;
    case BrennstoffOel: return 0.306;
    case BrennstoffHolz: return 0.00181;
    case BrennstoffStrom: return 0.648;
    case BrennstoffSonstige: return 0;
    case BrennstoffHackschnitzel: return 0.141;
    case BrennstoffBraunkohle: return 0.431;
    case BrennstoffSteinkohle: return 0.368;
    default: return -1;
    }
}

double DHeizung::Brennstoffeinheit() const
{
    switch (Brennstoff) {
    case BrennstoffGas: return 1 / 10.4; // m³ per kWh
    case BrennstoffOel: return 1 / 10.0; // l per kWh
    case BrennstoffHolz: return 1 / 3.3; // kg per kWh
    // Electricity and the fuels that the panes show in kWh.
    case BrennstoffStrom:
    case BrennstoffSonstige:
    case BrennstoffHackschnitzel:
    case BrennstoffBraunkohle:
    case BrennstoffSteinkohle: return 1;
    default: return -1;
    }
}

bool DHeizung::IstGleich(const DHeizung& o) const
{
    const bool gleicherNutzungsgrad =
        Einzelheiz != 0 || RundeSignifikant(Jahresnutzungsgrad, 3) == RundeSignifikant(o.Jahresnutzungsgrad, 3);
    return Name == o.Name && Langtext == o.Langtext && Sanbar == o.Sanbar && SanMuss == o.SanMuss &&
           Brennstoff == o.Brennstoff && Einzelheiz == o.Einzelheiz && EtaEinzel == o.EtaEinzel &&
           Nennwaermeleistung == o.Nennwaermeleistung && gleicherNutzungsgrad &&
           Bereitschaftszeit == o.Bereitschaftszeit && Strahlungsverlust == o.Strahlungsverlust &&
           Abgasverlust == o.Abgasverlust && Bereitschaftsverlust == o.Bereitschaftsverlust &&
           Heizungsverteilung == o.Heizungsverteilung && Verteilungsnutzungsgrad == o.Verteilungsnutzungsgrad &&
           Preis == o.Preis && Lebensdauer == o.Lebensdauer && Sowieso == o.Sowieso && Kommentar == o.Kommentar;
}

bool DHeizung::IstLeer() const
{
    return Name.empty() && Langtext.empty() && Heizungsverteilung.empty() && Bitmappfad.empty() && Sanbar == 1 &&
           SanMuss == 0 && Brennstoff == BrennstoffGas && Einzelheiz == 1 && EtaEinzel == 1.0 &&
           Nennwaermeleistung == 0 && Bereitschaftszeit == 8760 && Strahlungsverlust == 0 && Abgasverlust == 0 &&
           Bereitschaftsverlust == 0 && Verteilungsnutzungsgrad == 1.0 && Preis == 0 && Lebensdauer == 0 &&
           Sowieso == 0;
}

void DHeizung::SetzeEinzelheizung(double etaEinzel)
{
    SetzeZentralheizung(Zentralheizungswerte{});
    Einzelheiz = 1;
    EtaEinzel = etaEinzel;
}

void DHeizung::SetzeZentralheizung(const Zentralheizungswerte& werte)
{
    Einzelheiz = 0;
    EtaEinzel = 0;
    Nennwaermeleistung = werte.Nennwaermeleistung;
    Jahresnutzungsgrad = werte.Jahresnutzungsgrad;
    Bereitschaftszeit = werte.Bereitschaftszeit;
    Strahlungsverlust = werte.Strahlungsverlust;
    Abgasverlust = werte.Abgasverlust;
    Bereitschaftsverlust = werte.Bereitschaftsverlust;
    Heizungsverteilung = werte.Heizungsverteilung;
    Verteilungsnutzungsgrad = werte.Verteilungsnutzungsgrad;
}

DHeizung::Zentralheizungswerte DHeizung::Zentralwerte() const
{
    return {Nennwaermeleistung, Jahresnutzungsgrad,   Bereitschaftszeit,  Strahlungsverlust,
            Abgasverlust,       Bereitschaftsverlust, Heizungsverteilung, Verteilungsnutzungsgrad};
}

bool DHeizung::SetzeSanierung(const SanZeileHeizkessel& zeile)
{
    // Stoves have no distribution; the new boiler gets an assumed one. A
    // central heating keeps its own, and every record its standby time (the
    // options may set it after).
    const bool ofen = Einzelheiz != 0;
    SetzeZentralheizung({.Nennwaermeleistung = zeile.LeistungBis,
                         .Jahresnutzungsgrad = zeile.Kesselnutzungsgrad,
                         .Bereitschaftszeit = Bereitschaftszeit,
                         .Strahlungsverlust = zeile.Strahlungsverlust,
                         .Abgasverlust = zeile.Abgasverlust,
                         .Bereitschaftsverlust = zeile.Bereitschaftsverlust,
                         .Heizungsverteilung = ofen ? std::string("(unbestimmt)") : Heizungsverteilung,
                         .Verteilungsnutzungsgrad = ofen ? 0.95 : Verteilungsnutzungsgrad});
    Name = zeile.Name;
    Langtext = zeile.Langtext;
    Bitmappfad = zeile.Bitmappfad;
    // The boiler of a measure counts as renewable and due.
    Sanbar = SanMuss = 1;
    Brennstoff = zeile.Brennstoff;
    Lebensdauer = zeile.Lebensdauer;
    Kea = zeile.KEA;
    Co2 = zeile.CO2;
    return true;
}

void DHeizung::Serialize(BinaryArchive& ar)
{
    Name = ar.ReadString();
    Langtext = ar.ReadString();
    Sanbar = ar.ReadInt();
    SanMuss = ar.ReadInt();
    Brennstoff = ar.ReadInt();
    Einzelheiz = ar.ReadInt();
    EtaEinzel = ar.ReadDouble();
    Nennwaermeleistung = ar.ReadDouble();
    Jahresnutzungsgrad = ar.ReadDouble();
    Bereitschaftszeit = ar.ReadDouble();
    Vollbenutzungsstunden = ar.ReadDouble();
    Strahlungsverlust = ar.ReadDouble();
    Abgasverlust = ar.ReadDouble();
    Bereitschaftsverlust = ar.ReadDouble();
    Heizungsverteilung = ar.ReadString();
    Verteilungsnutzungsgrad = ar.ReadDouble();
    Preis = ar.ReadDouble();
    Lebensdauer = ar.ReadDouble();
    Bitmappfad = ar.ReadString();
    Sowieso = ar.ReadDouble();
    Kommentar = ar.ReadString();
}

} // namespace zeva
