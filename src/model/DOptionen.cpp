#include "model/DOptionen.h"

#include "model/Profil.h"
#include "platform/BinaryArchive.h"

#include <string>

namespace zeva {

namespace {

// Profile value names of the eight prices: "mk_Preis0" to "mk_Preis7".
std::string PreisEintrag(int i)
{
    return "mk_Preis" + std::to_string(i);
}

} // namespace

void DOptionen::SetzeStandard()
{
    Brennstoffkosten1 = 0.035;
    Brennstoffkosten2 = 0.035;
    Brennstoffkosten3 = 0.04;
    Brennstoffkosten4 = 0.07;
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
    // Every value is written even after a failure, so that one bad entry
    // does not cost the others.
    auto d = [&](const char* name, double wert) { ok = SchreibeProfilDouble(profil, a, name, wert) && ok; };
    auto i = [&](const char* name, int wert) { ok = profil.SchreibeInt(a, name, wert) && ok; };

    const std::array preise{Brennstoffkosten1, Brennstoffkosten2, Brennstoffkosten3, Brennstoffkosten4,
                            Brennstoffkosten5, Brennstoffkosten6, Brennstoffkosten7, Brennstoffkosten8};
    for (std::size_t k = 0; k < preise.size(); ++k)
        ok = SchreibeProfilDouble(profil, a, PreisEintrag(static_cast<int>(k)), preise[k]) && ok;
    d("mk_Zentralheizung", Zentralheizung);
    d("mk_HeizkesselTauschen", HeizkesselTauschen);
    d("mk_AlteHeizung", AlteHeizung);
    i("mo_Index", Index);
    d("mo_Grenze", Grenze);
    i("mo_Anzahl", AnzahlVarianten);
    i("ms_BrennstoffBeibehalten", BrennstoffBeibehalten);
    i("ms_Brennstoff", Brennstoff);
    i("ms_VertBeibehalten", WaermeverteilungBeibehalten);
    ok = profil.SchreibeString(a, "ms_Vert", HeizungsverteilungsArt) && ok;
    d("ms_EtaV", Verteilungsnutzungsgrad);
    i("ms_baBeibehalten", EinschaltdauerBeibehalten);
    d("ms_ba", Einschaltdauer);
    i("ma_Index", Sanierungsalgorithmus);
    i("ma_Anzahl", Versuche);
    return ok;
}

void DOptionen::LeseOptionen(const Profil& profil)
{
    const std::string a = ProfilAbschnitt;
    auto d = [&](const std::string& name, double& wert) { wert = LeseProfilDouble(profil, a, name, wert); };
    auto i = [&](const char* name, std::int32_t& wert) {
        if (const std::optional<int> v = profil.LeseInt(a, name))
            wert = *v;
    };

    double* const preise[] = {&Brennstoffkosten1, &Brennstoffkosten2, &Brennstoffkosten3, &Brennstoffkosten4,
                              &Brennstoffkosten5, &Brennstoffkosten6, &Brennstoffkosten7, &Brennstoffkosten8};
    for (int k = 0; k < 8; ++k)
        d(PreisEintrag(k), *preise[k]);
    d("mk_Zentralheizung", Zentralheizung);
    d("mk_HeizkesselTauschen", HeizkesselTauschen);
    d("mk_AlteHeizung", AlteHeizung);
    i("mo_Index", Index);
    d("mo_Grenze", Grenze);
    i("mo_Anzahl", AnzahlVarianten);
    i("ms_BrennstoffBeibehalten", BrennstoffBeibehalten);
    i("ms_Brennstoff", Brennstoff);
    i("ms_VertBeibehalten", WaermeverteilungBeibehalten);
    if (std::optional<std::string> v = profil.LeseString(a, "ms_Vert"))
        HeizungsverteilungsArt = std::move(*v);
    d("ms_EtaV", Verteilungsnutzungsgrad);
    i("ms_baBeibehalten", EinschaltdauerBeibehalten);
    d("ms_ba", Einschaltdauer);
    i("ma_Index", Sanierungsalgorithmus);
    i("ma_Anzahl", Versuche);
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
