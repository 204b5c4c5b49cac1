#include "views/GLZeichnung.h"

#include <GL/gl.h>

namespace zeva {

void SpieleAb(const Zeichenliste& liste)
{
    for (const Zeichenprimitiv& p : liste) {
        glColor4f(p.farbe[0], p.farbe[1], p.farbe[2], p.farbe[3]);
        glLineWidth(p.linienbreite);
        if (p.muster) {
            glEnable(GL_LINE_STIPPLE);
            glLineStipple(1, p.muster);
        } else {
            glDisable(GL_LINE_STIPPLE);
        }
        if (p.mischen) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        }
        GLenum art = GL_LINES;
        switch (p.art) {
        case Zeichenprimitiv::Art::Linien: art = GL_LINES; break;
        case Zeichenprimitiv::Art::Linienschleife: art = GL_LINE_LOOP; break;
        case Zeichenprimitiv::Art::Polygon: art = GL_POLYGON; break;
        }
        glBegin(art);
        for (const Punkt2D& q : p.punkte)
            glVertex2d(q.x, q.y);
        glEnd();
        if (p.mischen) {
            glBlendFunc(GL_ONE, GL_ZERO);
            glDisable(GL_BLEND);
        }
    }
    glDisable(GL_LINE_STIPPLE);
    glLineWidth(1);
}

} // namespace zeva
