#include "shell/Vorschaufabrik.h"

#include <QGuiApplication>
#include <QLabel>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <map>

namespace zeva {

namespace {

struct Vorschaueintrag {
    Vorschaufabrik::Erzeuger erzeuger;
    bool brauchtOpenGL = false;
};

std::map<Vorschaufabrik::Art, Vorschaueintrag>& Tabelle()
{
    static std::map<Vorschaufabrik::Art, Vorschaueintrag> tabelle;
    return tabelle;
}

std::optional<bool>& GlAntwort()
{
    static std::optional<bool> antwort;
    return antwort;
}

constexpr const char* PlatzhalterName = "Vorschauplatzhalter";

} // namespace

QString Vorschaufabrik::Name(Art art)
{
    switch (art) {
    case Art::Grundriss: return QStringLiteral("Grundriß");
    case Art::Ansicht3D: return QStringLiteral("3D-Ansicht");
    case Art::Sankey: return QStringLiteral("Sankey");
    }
    return {};
}

void Vorschaufabrik::SetzeErzeuger(Art art, Erzeuger erzeuger, bool brauchtOpenGL)
{
    if (erzeuger)
        Tabelle()[art] = {std::move(erzeuger), brauchtOpenGL};
    else
        Tabelle().erase(art);
}

bool Vorschaufabrik::OpenGLVerfuegbar()
{
    std::optional<bool>& antwort = GlAntwort();
    if (!antwort) {
        const QString plattform = QGuiApplication::platformName();
        if (plattform == QLatin1String("offscreen") || plattform == QLatin1String("minimal")) {
            antwort = false;
        } else {
            QOpenGLContext kontext;
            bool gut = kontext.create();
            if (gut) {
                QOffscreenSurface flaeche;
                flaeche.setFormat(kontext.format());
                flaeche.create();
                gut = flaeche.isValid() && kontext.makeCurrent(&flaeche);
                if (gut)
                    kontext.doneCurrent();
            }
            antwort = gut;
        }
    }
    return *antwort;
}

void Vorschaufabrik::SetzeOpenGLVerfuegbar(std::optional<bool> antwort)
{
    GlAntwort() = antwort;
}

QWidget* Vorschaufabrik::Erzeuge(Art art, QWidget* eltern)
{
    const auto it = Tabelle().find(art);
    if (it != Tabelle().end() && (!it->second.brauchtOpenGL || OpenGLVerfuegbar()))
        if (QWidget* fenster = it->second.erzeuger(eltern))
            return fenster;

    auto* platzhalter = new QLabel(eltern);
    platzhalter->setObjectName(QString::fromLatin1(PlatzhalterName));
    platzhalter->setAlignment(Qt::AlignCenter);
    platzhalter->setFrameShape(QFrame::StyledPanel);
    platzhalter->setFrameShadow(QFrame::Sunken);
    platzhalter->setAutoFillBackground(true);
    platzhalter->setBackgroundRole(QPalette::Base);
    platzhalter->setText(Name(art));
    platzhalter->setEnabled(false);
    return platzhalter;
}

bool Vorschaufabrik::IstPlatzhalter(const QWidget* fenster)
{
    return fenster && fenster->objectName() == QLatin1String(PlatzhalterName);
}

} // namespace zeva
