#include "platform/GLAnsicht.h"

#include <GL/gl.h>

namespace zeva {

GLAnsicht::GLAnsicht(QWidget* eltern) : QOpenGLWidget(eltern)
{
    setFormat(Format());
}

QSurfaceFormat GLAnsicht::Format()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(16);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    return format;
}

QString GLAnsicht::GLFehlertext(unsigned int fehler)
{
    switch (fehler) {
    case GL_INVALID_ENUM: return QStringLiteral("OpenGL GL_INVALID_ENUM");
    case GL_INVALID_VALUE: return QStringLiteral("OpenGL GL_INVALID_VALUE");
    case GL_INVALID_OPERATION: return QStringLiteral("OpenGL GL_INVALID_OPERATION");
    case GL_STACK_OVERFLOW: return QStringLiteral("OpenGL GL_STACK_OVERFLOW");
    case GL_STACK_UNDERFLOW: return QStringLiteral("OpenGL GL_STACK_UNDERFLOW");
    case GL_OUT_OF_MEMORY: return QStringLiteral("OpenGL GL_OUT_OF_MEMORY");
    default: return {};
    }
}

QString GLAnsicht::GLVersion()
{
    if (!context())
        return {};
    GLAktiv aktiv(*this);
    const auto* text = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return text ? QString::fromLatin1(text) : QString();
}

QSize GLAnsicht::GeraetePixel() const
{
    const qreal faktor = devicePixelRatioF();
    return {qRound(width() * faktor), qRound(height() * faktor)};
}

bool GLAnsicht::PruefeGLFehler()
{
    QString text;
    // A bounded loop: a lost context may report an error for ever.
    for (int i = 0; i < 16; ++i) {
        const GLenum fehler = glGetError();
        if (fehler == GL_NO_ERROR)
            break;
        text = GLFehlertext(fehler);
    }
    if (text.isEmpty())
        return true;
    setWindowTitle(text);
    return false;
}

GLAnsicht::GLAktiv::GLAktiv(GLAnsicht& ansicht) : m_ansicht(ansicht)
{
    m_ansicht.makeCurrent();
}

GLAnsicht::GLAktiv::~GLAktiv()
{
    m_ansicht.doneCurrent();
}

} // namespace zeva
