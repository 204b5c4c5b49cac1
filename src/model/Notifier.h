#pragma once
// How the model speaks to the user without knowing any window: the user
// interface implements this interface with its message service, tests record
// the texts. The model never shows a message box itself.
#include <string>

namespace zeva {

class Notifier {
public:
    enum class Art { Information, Warnung, Fehler };

    virtual ~Notifier() = default;

    // Shows a message; returns when the user has acknowledged it.
    virtual void Nachricht(const std::string& text, Art art) = 0;

    // Asks a Yes/No question; true for Yes.
    virtual bool Frage(const std::string& text) = 0;
};

// A notifier that shows nothing and answers every question with No; the
// model falls back to it when no user interface is attached.
class StillerNotifier final : public Notifier {
public:
    void Nachricht(const std::string&, Art) override {}
    bool Frage(const std::string&) override { return false; }
};

} // namespace zeva
