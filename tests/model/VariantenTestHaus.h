#pragma once
// Houses with renovation variants for the tests of the demand per building
// state and of the variant operations: the reference house of the balance
// tests with its boiler, measures of every kind, and a notifier and a display
// that answer as told and record what they were asked.
#include "BilanzTestHaus.h"

#include "model/DOptionen.h"
#include "model/VariantenAnzeige.h"

#include <string>
#include <vector>

namespace zeva::test {

// The boiler of the reference house: central, distribution 0.9, 20 kW, all
// year ready, losses 1 % radiation, 8 % flue gas, 1 % standby.
inline DHeizung ReferenzKessel()
{
    DHeizung h;
    h.Name = "Kessel";
    h.Einzelheiz = 0;
    h.Verteilungsnutzungsgrad = 0.9;
    h.Nennwaermeleistung = 20;
    h.Bereitschaftszeit = 8760;
    h.Strahlungsverlust = 0.01;
    h.Abgasverlust = 0.08;
    h.Bereitschaftsverlust = 0.01;
    return h;
}

inline void ReferenzHausMitKessel(Haus& h)
{
    ReferenzHaus(h);
    h.m_aHeizung[0] = ReferenzKessel();
}

template <class S>
S OpakeMassnahme(const std::string& name, double kWert, int verwendung, double dicke = 0.1)
{
    S m;
    m.Name = name;
    m.kWert = kWert;
    m.Verwendung = verwendung;
    m.Dicke = dicke;
    return m;
}

inline DSFenster FensterMassnahme(const std::string& name, double uGlas, double g, double uRahmen, double ra)
{
    DSFenster m;
    m.Name = name;
    m.kWertGlas = uGlas;
    m.gWert = g;
    m.kWertRahmen = uRahmen;
    m.Rahmenanteil = ra;
    return m;
}

// Answers every question with the given answer and keeps every text.
class AntwortNotifier final : public Notifier {
public:
    explicit AntwortNotifier(bool antwort = false) : antwort(antwort) {}
    void Nachricht(const std::string& text, Art) override { nachrichten.push_back(text); }
    bool Frage(const std::string& text) override
    {
        fragen.push_back(text);
        return antwort;
    }
    bool antwort;
    std::vector<std::string> nachrichten;
    std::vector<std::string> fragen;
};

class MerkAnzeige final : public VariantenAnzeige {
public:
    void AktualisiereBestandsbedarf() override { aufrufe.push_back("Bedarf"); }
    void BeendeVariantendialoge() override { aufrufe.push_back("Dialoge"); }
    std::vector<std::string> aufrufe;
};

} // namespace zeva::test
