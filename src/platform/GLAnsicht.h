#pragma once
// Base of the program's OpenGL views. Every view draws with OpenGL 1.1 in
// immediate mode (and GLU) in a compatibility-profile context that the
// widget owns; Qt renders it into a frame buffer object and composes it, so
// no view ever selects or swaps buffers itself.
//
// Conventions for the views built on it:
// - the context is current inside initializeGL, resizeGL and paintGL; any
//   other work that needs GL is bracketed by a GLAktiv guard;
// - glViewport takes device pixels (GeraetePixel);
// - Qt makes a new context when the widget is re-parented and then runs
//   initializeGL again: state kept across paints (display lists, textures)
//   is built there, never in the constructor;
// - after every paint the GL error state is read; an error becomes the
//   window title ("OpenGL GL_INVALID_OPERATION", …), which tests read.
#include <QOpenGLWidget>
#include <QSize>
#include <QString>
#include <QSurfaceFormat>

namespace zeva {

class GLAnsicht : public QOpenGLWidget {
public:
    explicit GLAnsicht(QWidget* eltern = nullptr);

    // Compatibility profile, version 2.1 asked for, depth buffer of 16 bits.
    static QSurfaceFormat Format();

    // "OpenGL GL_INVALID_ENUM" … "OpenGL GL_OUT_OF_MEMORY" for the six
    // standard error codes; empty for others.
    static QString GLFehlertext(unsigned int fehler);

    // GL_VERSION of the view's context (the context is made current for the
    // call); empty before the view was first shown.
    QString GLVersion();

    // The client size in device pixels.
    QSize GeraetePixel() const;

    // Makes the view's context current for its lifetime.
    class GLAktiv {
    public:
        explicit GLAktiv(GLAnsicht& ansicht);
        ~GLAktiv();
        GLAktiv(const GLAktiv&) = delete;
        GLAktiv& operator=(const GLAktiv&) = delete;

    private:
        GLAnsicht& m_ansicht;
    };

protected:
    // Reads every pending GL error; the last one becomes the window title.
    // Returns false when there was one.
    bool PruefeGLFehler();
};

} // namespace zeva
