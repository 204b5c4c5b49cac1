#pragma once
// Makes the preview windows of the "Grafiken" page and the other windows that
// the later parts of the program add (plan and 3D views, the Sankey chart).
// Each kind gets its maker from the part that builds it. A maker that draws
// with OpenGL is used only when an OpenGL context can really be made: on a
// platform without one (the offscreen platform of the tests, a bare remote
// session) an OpenGL widget would end the process, so a plain placeholder
// stands in and the rest of the window works.
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace zeva {

class Vorschaufabrik {
public:
    enum class Art { Grundriss, Ansicht3D, Sankey };
    using Erzeuger = std::function<QWidget*(QWidget* eltern)>;

    // Installs the maker of a kind (an empty function removes it).
    static void SetzeErzeuger(Art art, Erzeuger erzeuger, bool brauchtOpenGL);

    // A new window of that kind under `eltern`: the maker's, or a placeholder
    // when there is no maker or it needs OpenGL that is not there.
    static QWidget* Erzeuge(Art art, QWidget* eltern);

    // True when the window `fenster` is a placeholder.
    static bool IstPlatzhalter(const QWidget* fenster);

    // Whether an OpenGL context can be made on this display (asked once).
    static bool OpenGLVerfuegbar();
    // For tests: pretend an answer (nullopt: ask the platform again).
    static void SetzeOpenGLVerfuegbar(std::optional<bool> antwort);

    static QString Name(Art art);
};

} // namespace zeva
