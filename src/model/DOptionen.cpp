#include "model/DOptionen.h"

#include "model/Profil.h"
#include "platform/BinaryArchive.h"

#include <optional>
#include <string>

namespace zeva {

namespace {

// One value of the profile section: its name, its kind and the member.
struct ProfilWert {
    enum Art { Zahl, Ganzzahl, Text };
    const char* name;
    Art art;
    void* member;
};

// The section in the order of the members.
std::array<ProfilWert, 23> ProfilTabelle(DOptionen& o)
{
    using W = ProfilWert;
    return {W{"mk_Preis0", W::Zahl, &o.Brennstoffkosten1},
            W{"mk_Preis1", W::Zahl, &o.Brennstoffkosten2},
            W{"mk_Preis2", W::Zahl, &o.Brennstoffkosten3},
            W{"mk_Preis3", W::Zahl, &o.Brennstoffkosten4},
            W{"mk_Preis4", W::Zahl, &o.Brennstoffkosten5},
            W{"mk_Preis5", W::Zahl, &o.Brennstoffkosten6},
            W{"mk_Preis6", W::Zahl, &o.Brennstoffkosten7},
            W{"mk_Preis7", W::Zahl, &o.Brennstoffkosten8},
            W{"mk_Zentralheizung", W::Zahl, &o.Zentralheizung},
            W{"mk_HeizkesselTauschen", W::Zahl, &o.HeizkesselTauschen},
            W{"mk_AlteHeizung", W::Zahl, &o.AlteHeizung},
            W{"mo_Index", W::Ganzzahl, &o.Index},
            W{"mo_Grenze", W::Zahl, &o.Grenze},
            W{"mo_Anzahl", W::Ganzzahl, &o.AnzahlVarianten},
            W{"ms_BrennstoffBeibehalten", W::Ganzzahl, &o.BrennstoffBeibehalten},
            W{"ms_Brennstoff", W::Ganzzahl, &o.Brennstoff},
            W{"ms_VertBeibehalten", W::Ganzzahl, &o.WaermeverteilungBeibehalten},
            W{"ms_Vert", W::Text, &o.HeizungsverteilungsArt},
            W{"ms_EtaV", W::Zahl, &o.Verteilungsnutzungsgrad},
            W{"ms_baBeibehalten", W::Ganzzahl, &o.EinschaltdauerBeibehalten},
            W{"ms_ba", W::Zahl, &o.Einschaltdauer},
            W{"ma_Index", W::Ganzzahl, &o.Sanierungsalgorithmus},
            W{"ma_Anzahl", W::Ganzzahl, &o.Versuche}};
}

} // namespace

void DOptionen::SetzeStandard()
{
    // Gas and electricity: the average prices private households paid in
    // the second half of 2024, taxes and levies included (Statistisches
    // Bundesamt, gas and electricity prices of private households): 12.28 ct
    // per kWh of gas as billed, that is of the gross calorific value, which
    // is 12.28 * 1.0949 = 13.45 ct per kWh of the net value the balance
    // counts in; 41.20 ct per kWh of electricity. Light heating oil: about
    // 100.6 ct per litre, the average consumer price including VAT of 2024
    // up to September (Statista, after Destatis), that is 10.06 ct per kWh
    // at the 10.0 kWh per litre (net) of the fuel unit. The other fuels keep
    // their earlier defaults: no such statistic of theirs was at hand.
    Brennstoffkosten1 = 0.1345;
    Brennstoffkosten2 = 0.1006;
    Brennstoffkosten3 = 0.04;
    Brennstoffkosten4 = 0.412;
    Brennstoffkosten5 = 0.045;
    Brennstoffkosten6 = 0.04;
    Brennstoffkosten7 = 0.02;
    Brennstoffkosten8 = 0.02;
    Zentralheizung = 40;
    HeizkesselTauschen = 1500;
    AlteHeizung = 2500;
    Index = 0;
    Grenze = 10000;
    AnzahlVarianten = 1;
    BrennstoffBeibehalten = 1;
    Brennstoff = 0;
    WaermeverteilungBeibehalten = 1;
    HeizungsverteilungsArt.clear();
    Verteilungsnutzungsgrad = 1.0;
    EinschaltdauerBeibehalten = 1;
    Einschaltdauer = 8760;
    Sanierungsalgorithmus = 0;
    Versuche = 5;
}

bool DOptionen::operator==(const DOptionen& o) const
{
    return Brennstoffkosten1 == o.Brennstoffkosten1 && Brennstoffkosten2 == o.Brennstoffkosten2 &&
           Brennstoffkosten3 == o.Brennstoffkosten3 && Brennstoffkosten4 == o.Brennstoffkosten4 &&
           Brennstoffkosten5 == o.Brennstoffkosten5 && Brennstoffkosten6 == o.Brennstoffkosten6 &&
           Brennstoffkosten7 == o.Brennstoffkosten7 && Brennstoffkosten8 == o.Brennstoffkosten8 &&
           Zentralheizung == o.Zentralheizung && HeizkesselTauschen == o.HeizkesselTauschen &&
           AlteHeizung == o.AlteHeizung && Index == o.Index && Grenze == o.Grenze &&
           AnzahlVarianten == o.AnzahlVarianten && BrennstoffBeibehalten == o.BrennstoffBeibehalten &&
           Brennstoff == o.Brennstoff && WaermeverteilungBeibehalten == o.WaermeverteilungBeibehalten &&
           HeizungsverteilungsArt == o.HeizungsverteilungsArt &&
           Verteilungsnutzungsgrad == o.Verteilungsnutzungsgrad &&
           EinschaltdauerBeibehalten == o.EinschaltdauerBeibehalten && Einschaltdauer == o.Einschaltdauer &&
           Sanierungsalgorithmus == o.Sanierungsalgorithmus && Versuche == o.Versuche;
}

double DOptionen::Brennstoffpreis(int brennstoff) const
{
    const std::array preise{Brennstoffkosten1, Brennstoffkosten2, Brennstoffkosten3, Brennstoffkosten4,
                            Brennstoffkosten5, Brennstoffkosten6, Brennstoffkosten7, Brennstoffkosten8};
    if (brennstoff < 0 || brennstoff >= static_cast<int>(preise.size()))
        return 0;
    return preise[static_cast<std::size_t>(brennstoff)];
}

bool DOptionen::SchreibeOptionen(Profil& profil) const
{
    const std::string a = ProfilAbschnitt;
    bool ok = true;
    // The table only reads the members here.
    for (const ProfilWert& w : ProfilTabelle(const_cast<DOptionen&>(*this))) {
        bool geschrieben = false;
        switch (w.art) {
        case ProfilWert::Zahl:
            geschrieben = SchreibeProfilDouble(profil, a, w.name, *static_cast<const double*>(w.member));
            break;
        case ProfilWert::Ganzzahl:
            geschrieben = profil.SchreibeInt(a, w.name, *static_cast<const std::int32_t*>(w.member));
            break;
        case ProfilWert::Text:
            geschrieben = profil.SchreibeString(a, w.name, *static_cast<const std::string*>(w.member));
            break;
        }
        // Every value is written even after a failure, so that one bad entry
        // does not cost the others.
        ok = geschrieben && ok;
    }
    return ok;
}

void DOptionen::LeseOptionen(const Profil& profil)
{
    const std::string a = ProfilAbschnitt;
    for (const ProfilWert& w : ProfilTabelle(*this)) {
        switch (w.art) {
        case ProfilWert::Zahl: {
            auto& wert = *static_cast<double*>(w.member);
            wert = LeseProfilDouble(profil, a, w.name, wert);
            break;
        }
        case ProfilWert::Ganzzahl:
            if (const std::optional<int> v = profil.LeseInt(a, w.name))
                *static_cast<std::int32_t*>(w.member) = *v;
            break;
        case ProfilWert::Text:
            if (std::optional<std::string> v = profil.LeseString(a, w.name))
                *static_cast<std::string*>(w.member) = std::move(*v);
            break;
        }
    }
}

void DOptionen::LeseBinaer(BinaryArchive& ar, int version)
{
    // Read into a copy so that a damaged archive changes nothing.
    DOptionen o = *this;
    double* const preise[] = {&o.Brennstoffkosten1, &o.Brennstoffkosten2, &o.Brennstoffkosten3,
                              &o.Brennstoffkosten4, &o.Brennstoffkosten5, &o.Brennstoffkosten6,
                              &o.Brennstoffkosten7, &o.Brennstoffkosten8};
    // Documents up to version 9 knew five fuels.
    const int anzahlPreise = version <= 9 ? 5 : 8;
    for (int k = 0; k < anzahlPreise; ++k)
        *preise[k] = ar.ReadDouble();
    o.Zentralheizung = ar.ReadDouble();
    o.HeizkesselTauschen = ar.ReadDouble();
    o.AlteHeizung = ar.ReadDouble();
    o.Index = ar.ReadInt();
    o.Grenze = ar.ReadDouble();
    o.AnzahlVarianten = ar.ReadInt();
    o.BrennstoffBeibehalten = ar.ReadInt();
    o.Brennstoff = ar.ReadInt();
    o.WaermeverteilungBeibehalten = ar.ReadInt();
    o.HeizungsverteilungsArt = ar.ReadString();
    o.Verteilungsnutzungsgrad = ar.ReadDouble();
    o.EinschaltdauerBeibehalten = ar.ReadInt();
    o.Einschaltdauer = ar.ReadDouble();
    o.Sanierungsalgorithmus = ar.ReadInt();
    o.Versuche = ar.ReadInt();
    *this = std::move(o);
}

} // namespace zeva
