#pragma once
// What the shell's own step windows (the intro panel and the placeholders)
// ask of the frame: the next or previous step, the start page and the
// version text. The frame implements it, so they need to know no more of the
// frame than this.
#include <QString>

namespace zeva {

class Schrittsteuerung {
public:
    // "Weiter >>" and "<< Zurück" of a step window.
    virtual void NaechsterSchritt() = 0;
    virtual void VorherigerSchritt() = 0;
    // The start page; with the command line the program's arguments first.
    virtual void Startseite(bool befehlszeile) = 0;
    virtual const QString& Version() const = 0;

protected:
    ~Schrittsteuerung() = default;
};

} // namespace zeva
