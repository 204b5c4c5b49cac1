#pragma once
// The automatic renovation: reads every renovation measure that fits the
// house from the renovation-measure data base, evaluates each one on its own
// (candidates, one sorted list per component group and one for the boilers),
// walks every combination of one list entry per group, keeps the best
// combinations by the chosen criterion and adopts them as new automatic
// variants of a house.
//
// Two modes give bit for bit the same candidates, results and variants: the
// reference mode evaluates every combination on the optimiser's copy of the
// house as the method describes it; the fast mode (the program's) evaluates a
// combination from what each candidate stored: its figures and its group's
// share of the balance, combined through the balance core the house itself
// uses. Plain C++, no Qt; the progress dialog implements SanFortschritt.
#include "database/XDBFensterSanSet.h"
#include "database/XDBHeizungSanSet.h"
#include "database/XDBOpakSanSet.h"
#include "model/Bilanzkern.h"
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/Notifier.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zeva {

class SqlDatabase;

// What the run shows while it works, and how it learns of Cancel. The run
// sets the texts when they change and asks Abgebrochen on a time budget (40
// ms); the dialog repaints and takes input there.
class SanFortschritt {
public:
    virtual ~SanFortschritt() = default;
    // The run starts: the kind line and the best value emptied, position 0.
    virtual void Beginne() = 0;
    virtual void Phase(const std::string& text) = 0;    // "Was mache ich gerade?"
    virtual void Status(const std::string& text) = 0;   // group name, then "Analysiere Variante ..."
    virtual void Position(int promille) = 0;            // 0 .. 1000
    virtual void Bestwert(const std::string& text) = 0; // "Bester Wert: ..."
    // Lets the user interface breathe; true once Cancel was pressed.
    virtual bool Abgebrochen() = 0;
    // The run ends (the dialog hides).
    virtual void Beende() = 0;
};

// Microseconds of a steady clock; tests put a clock of their own in place.
using SanUhr = std::function<std::int64_t()>;

// The four figures of a list entry; m_bKeineMassnahme marks the entry every
// list ends with, which stands for "no measure in this group".
struct SanKandidatenwerte {
    std::int32_t m_bKeineMassnahme = 0;
    double m_Kosten = 0;     // EUR
    double m_Einsparung = 0; // kWh/m²a of Brennstoffenergiebedarf
    double m_Gewinn = 0;     // per 1000 EUR invested
    double m_Reduktion = 0;  // MJ of the annual balance
    // The group's share of the monthly balance with this measure on every
    // component of the group (the fast search combines these).
    Gruppensumme m_Summe;
};

class XDBFlachdachSanKandidat : public XDBFlachdachSanSet, public SanKandidatenwerte {
public:
    XDBFlachdachSanKandidat() = default;
    explicit XDBFlachdachSanKandidat(const XDBFlachdachSanSet& s) : XDBFlachdachSanSet(s) {}
};
// The four opaque groups share their row; the class names the group.
template <int G, class Set>
class XDBOpakSanKandidat : public Set, public SanKandidatenwerte {
public:
    XDBOpakSanKandidat() = default;
    explicit XDBOpakSanKandidat(const Set& s) : Set(s) {}
};
using XDBSteildachSanKandidat = XDBOpakSanKandidat<GruppeSteildach, XDBSteildachSanSet>;
using XDBDeckeSanKandidat = XDBOpakSanKandidat<GruppeDecke, XDBDeckeSanSet>;
using XDBWandSanKandidat = XDBOpakSanKandidat<GruppeWand, XDBWandSanSet>;
using XDBBodenSanKandidat = XDBOpakSanKandidat<GruppeBoden, XDBBodenSanSet>;
class XDBFensterSanKandidat : public XDBFensterSanSet, public SanKandidatenwerte {
public:
    XDBFensterSanKandidat() = default;
    explicit XDBFensterSanKandidat(const XDBFensterSanSet& s) : XDBFensterSanSet(s) {}
};
class XDBHeizungSanKandidat : public XDBHeizungSanSet, public SanKandidatenwerte {
public:
    XDBHeizungSanKandidat() = default;
    explicit XDBHeizungSanKandidat(const XDBHeizungSanSet& s) : XDBHeizungSanSet(s) {}
    // The boiler list's "no new boiler" entry: a blank row.
    void SetzeKeineMassnahme();
};

// Order of two list entries by the sort mode (the criterion): -1, 0 or 1;
// the no-measure entry comes after every measure, equal ones keep their
// order.
int Vergleiche(const SanKandidatenwerte& a, const SanKandidatenwerte& b, int modus);

// An owning list kept in order by sorted insertion.
template <class T>
class SortierteListe {
public:
    std::size_t size() const { return m_a.size(); }
    bool empty() const { return m_a.empty(); }
    T& operator[](std::size_t i) { return *m_a[i]; }
    const T& operator[](std::size_t i) const { return *m_a[i]; }
    const T& back() const { return *m_a.back(); }
    // Inserts before the first element e for which vergleiche(neu, e) is 1,
    // else at the end.
    template <class V>
    void FuegeEin(std::unique_ptr<T> neu, V&& vergleiche)
    {
        std::size_t i = 0;
        while (i < m_a.size() && vergleiche(*neu, *m_a[i]) != 1)
            ++i;
        m_a.insert(m_a.begin() + static_cast<std::ptrdiff_t>(i), std::move(neu));
    }
    void Einfuegen(std::size_t i, std::unique_ptr<T> neu)
    {
        m_a.insert(m_a.begin() + static_cast<std::ptrdiff_t>(i), std::move(neu));
    }
    void Anhaengen(std::unique_ptr<T> neu) { m_a.push_back(std::move(neu)); }
    // Removes the entries from position n on.
    void Kuerze(std::size_t n)
    {
        if (n < m_a.size())
            m_a.resize(n);
    }
    void Leere() { m_a.clear(); }

private:
    std::vector<std::unique_ptr<T>> m_a;
};

constexpr int AnzahlSanierungsgruppen = 7;

struct SanKombination {
    std::array<int, AnzahlSanierungsgruppen> m_anIndex{};
    bool operator==(const SanKombination& o) const { return m_anIndex == o.m_anIndex; }
};

struct SanErgebnis {
    SanKombination m_Kombination;
    std::int32_t m_bHeizkessel = 0;
    double m_Kosten = 0;     // EUR
    double m_Einsparung = 0; // kWh/m²a
    double m_Gewinn = 0;     // EUR/a per 1000 EUR
    double m_Reduktion = 0;
};

class ProgSan {
public:
    enum class Modus { Referenz, Schnell };

    static constexpr const char* TextWSVO = "Die automatische Sanierung ist mit dem Verfahren WSVO´95 nicht möglich. "
                                            "Bitte wählen Sie EnEV oder SIA 380/1.";
    static constexpr const char* TextFehler =
        "Bei der programmgesteuerten Sanierung ist ein Fehler aufgetreten. Es sind keine Ergebnisse vorhanden.";
    static constexpr const char* TextKeineErgebnisse =
        "Für das eingegebene Gebäude konnten keine Sanierungsvorschläge ermittelt werden.";
    // How long the run works between two looks at the user interface.
    static constexpr std::int64_t AbfrageIntervall = 40000; // µs
    // The fast search reads the clock at least this often.
    static constexpr std::uint64_t UhrTakt = 1024;

    // A copy of the house with all its variants removed and one automatic
    // variant (the scratch variant 1) added, and the options for the whole
    // run (not owned; they must outlive the optimiser).
    ProgSan(const Haus& haus, const DOptionen& optionen);
    virtual ~ProgSan();
    ProgSan(const ProgSan&) = delete;
    ProgSan& operator=(const ProgSan&) = delete;

    void SetzeModus(Modus modus) { m_Modus = modus; }
    Modus GetModus() const { return m_Modus; }
    void SetzeDatenbankdatei(std::filesystem::path datei) { m_Datei = std::move(datei); }
    void SetzeFortschritt(SanFortschritt* fortschritt) { m_pFortschritt = fortschritt; }
    void SetzeUhr(SanUhr uhr) { m_Uhr = std::move(uhr); }

    // The whole run: the refusals, the data base and its seven queries, the
    // search. Messages go to anzeige; the model's own are held back during
    // the run and shown once each afterwards. 1 when at least one result was
    // stored; 0 otherwise (the caller then shows its between page).
    int Optimiere(Notifier& anzeige);
    // Adds the best results to the house as new automatic variants, as many
    // as the variant limit leaves room for; answers the number the house
    // gained. Results left out for the limit are told to the notifier once
    // (TextVariantengrenze).
    int UebernehmeBeste(Haus& haus, Notifier& notifier);
    static std::string TextVariantengrenze(int nichtUebernommen);
    // "Bester Wert: …" of the progress dialog for the best value v of a
    // criterion (0 gain, 1 saving, 2 costs); empty for any other criterion.
    static std::string BestwertText(int kriterium, double v);
    // Writes a result's measures into variant n of a house and computes it.
    void WendeKombinationAn(Haus& haus, int n, const SanErgebnis& r, Notifier& notifier) const;

    // ---- the steps one by one (the run calls them; tests call them too)

    // The existing state and the scratch variant without measures: B0, B1′,
    // W0, the component and heating parts of the costs, the boiler load.
    void BerechneBasis(Notifier& notifier);
    // Opens the data base and runs the seven queries; 1 on success.
    int OeffneDatenbank(Notifier& anzeige, Notifier& modell);
    // The search over every combination of the lists as they stand.
    void Suche(Notifier& modell);
    // The search ranks by the sum of the groups' savings, which overstates
    // a combination of several groups a little. Every result kept is
    // computed here as its adopted variant will be (WendeKombinationAn on a
    // copy), takes that variant's saving, cost and gain, and the list is
    // ordered by them: the value shown for a proposal is its variant's.
    void BewerteErgebnisseGenau(Notifier& modell);
    // The fitness of a boiler for the combination's summed figures.
    bool PasstHeizkessel(const SanErgebnis& r, const XDBHeizungSanKandidat& kessel) const;
    // Whether a combination is accepted by the criterion.
    bool IstZulaessig(const SanErgebnis& r) const;
    // Whether a result carries a measure in any group.
    bool HatMassnahme(const SanKombination& k) const;
    // The evaluation of a single boiler row with heating record 1 of the
    // scratch house holding it; true when it is a candidate.
    bool BewerteHeizkessel(XDBHeizungSanKandidat& k, Notifier& modell);
    // The list size of each group (0 for a group without list).
    std::array<int, AnzahlSanierungsgruppen> Gruppengroessen() const;

    // ---- state, read by tests and the dialog
    Haus m_Haus;
    const DOptionen* m_pOptionen;
    int m_nKriterium = 0;
    std::int64_t m_nKombinationen = 0;
    double m_LetzterBestwert = 0;
    double m_Bedarf0 = 0;    // B0, kWh/m²a
    double m_Lastfaktor = 0; // kW of standard heat load per kWh/m²a
    double m_Bedarf1 = 0;    // B1′: the scratch variant without measures
    double m_Bilanz0 = 0;    // W0, MJ
    double m_KostenBauteile = 0; // K_B
    double m_KostenHeizung = 0;  // K_H
    double m_Last0 = 0;          // kW, the boiler load of the existing state
    Bilanzteile m_Basisteile;    // the balance of the existing state

    SortierteListe<XDBFlachdachSanKandidat> m_Flachdach;
    SortierteListe<XDBSteildachSanKandidat> m_Steildach;
    SortierteListe<XDBDeckeSanKandidat> m_Decke;
    SortierteListe<XDBWandSanKandidat> m_Wand;
    SortierteListe<XDBBodenSanKandidat> m_Boden;
    SortierteListe<XDBFensterSanKandidat> m_Fenster;
    SortierteListe<XDBHeizungSanKandidat> m_Heizung;
    SortierteListe<SanErgebnis> m_Ergebnisse;
    std::size_t m_nErgebnisGroesse = 20; // K

    // The entry i of group g's list (0..6).
    const SanKandidatenwerte& Eintrag(int g, int i) const;

    // The last best-value text and how often it changed.
    std::string m_BestwertText;
    std::uint64_t m_nBestwertWechsel = 0;
    // Counters of the run: combinations evaluated, passing boiler
    // combinations, asks of the progress interface.
    std::uint64_t m_nUntersucht = 0;
    std::uint64_t m_nKesselBestanden = 0;
    std::uint64_t m_nAbfragen = 0;
    bool m_bAbgebrochen = false;
    // Called with every evaluated combination when set (tests).
    std::function<void(const SanKombination&)> m_Beobachter;
    // Stops the search after this many combinations (0: all); the benchmark
    // compares the modes over the same first combinations.
    std::uint64_t m_nHoechstens = 0;

private:
    template <class Liste, class Set, class Bauteile>
    bool SucheBauteil(int gruppe, Liste& liste, Set& set, Bauteile& bauteile, Notifier& modell);
    bool SucheHeizung(SqlDatabase& db, Notifier& modell);
    template <class Kandidat>
    bool BewerteBauteil(int gruppe, Kandidat& k, Notifier& modell);
    void LoescheKandidatenmassnahmen();
    template <class Liste>
    void HaengeKeineMassnahmeAn(int gruppe, Liste& liste);

    void SucheReferenz(Notifier& modell);
    void SucheSchnell(Notifier& modell);
    void BewerteReferenz(SanErgebnis& r, Notifier& modell);
    // Stores an accepted result (sorted insertion, cut to K, best value).
    void Speichere(const SanErgebnis& r);
    // True when a result would certainly not stay in a full list.
    bool FaelltHeraus(const SanErgebnis& r) const;
    double Gewinn(double einsparung, double kosten, int brennstoff) const;
    DHeizung Kesselheizung(const XDBHeizungSanKandidat& k, const Haus& haus) const;
    void ZeigeBestenWert();
    // Looks at the clock; asks the progress interface when 40 ms passed
    // since the last ask. True once the run was cancelled.
    bool Pruefe();
    void Frage();

    Modus m_Modus = Modus::Schnell;
    std::filesystem::path m_Datei;
    SanFortschritt* m_pFortschritt = nullptr;
    SanUhr m_Uhr;
    std::int64_t m_LetzteAbfrage = 0;
    bool m_bSuche = false;           // phase 2 running
    std::uint64_t m_nZaehler = 0;    // combinations done
    std::string m_GezeigterBestwert; // what the dialog shows
    bool m_bListeMitNaN = false;
};

} // namespace zeva
