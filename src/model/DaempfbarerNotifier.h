#pragma once
// A notifier that a caller can mute for the length of a run. A loop that
// computes thousands of variants (the optimiser) must not stop at every
// message: it mutes the notifier, and afterwards reports once what was
// swallowed. Questions asked while muted are answered No, the answer that
// changes nothing.
#include "model/Notifier.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zeva {

class DaempfbarerNotifier final : public Notifier {
public:
    // Passes everything on to ziel while not muted; ziel must outlive this.
    explicit DaempfbarerNotifier(Notifier& ziel) : m_ziel(ziel) {}

    void Nachricht(const std::string& text, Art art) override;
    bool Frage(const std::string& text) override;

    bool IstStumm() const { return m_stumm > 0; }

    // What was swallowed while muted: each different text once, in the order
    // it first came, and how many messages and questions came in all.
    const std::vector<std::string>& VerschluckteTexte() const { return m_texte; }
    std::size_t AnzahlVerschluckt() const { return m_anzahl; }
    void VergissVerschluckte();

    // Mutes the notifier while it lives; mutes nest.
    class Stumm {
    public:
        explicit Stumm(DaempfbarerNotifier& n) : m_n(n) { ++m_n.m_stumm; }
        ~Stumm() { --m_n.m_stumm; }
        Stumm(const Stumm&) = delete;
        Stumm& operator=(const Stumm&) = delete;

    private:
        DaempfbarerNotifier& m_n;
    };

private:
    void Merke(const std::string& text);

    Notifier& m_ziel;
    int m_stumm = 0;
    std::vector<std::string> m_texte;
    std::size_t m_anzahl = 0;
};

} // namespace zeva
