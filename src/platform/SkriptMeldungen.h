#pragma once
// A message-box responder for tests: while it lives it answers every box of
// the message service from a list of planned answers, in order, and records
// every request, so that no test ever blocks on a modal box and every German
// text can be checked exactly.
#include "platform/Meldung.h"

#include <QStringList>
#include <deque>
#include <initializer_list>
#include <vector>

namespace zeva {

class SkriptMeldungen final : public Meldung::Beantworter {
public:
    explicit SkriptMeldungen(std::initializer_list<QMessageBox::StandardButton> antworten = {});
    ~SkriptMeldungen() override;

    SkriptMeldungen(const SkriptMeldungen&) = delete;
    SkriptMeldungen& operator=(const SkriptMeldungen&) = delete;

    // Plans one more answer.
    void Antworte(QMessageBox::StandardButton knopf);

    // Every box asked for so far, in order.
    const std::vector<Meldung::Anfrage>& Anfragen() const { return m_anfragen; }
    QStringList Texte() const;

    // Boxes that came when no answer was planned, or whose planned answer
    // was not among their buttons. They were answered with the box's
    // default button (or its first one).
    int Ungeplant() const { return m_ungeplant; }

    // Answers not yet used.
    std::size_t Offen() const { return m_antworten.size(); }

    QMessageBox::StandardButton Beantworte(const Meldung::Anfrage& anfrage) override;

private:
    std::deque<QMessageBox::StandardButton> m_antworten;
    std::vector<Meldung::Anfrage> m_anfragen;
    int m_ungeplant = 0;
    Meldung::Beantworter* m_vorher = nullptr;
};

} // namespace zeva
