#include "ui/MausZustandKnopf.h"

#include <QGuiApplication>
#include <QMouseEvent>

namespace zeva {

MausZustandKnopf::MausZustandKnopf(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

int MausZustandKnopf::BefehlsId() const
{
    const QString name = objectName();
    if (!name.startsWith(QLatin1String("id")))
        return 0;
    bool ok = false;
    const int id = name.mid(2).toInt(&ok);
    return ok ? id : 0;
}

void MausZustandKnopf::SetzeZustand(int zustand)
{
    if (zustand == m_nZustand)
        return;
    m_nZustand = zustand;
    repaint(); // at once, as the mouse moves
}

void MausZustandKnopf::mouseMoveEvent(QMouseEvent* ereignis)
{
    if (rect().contains(ereignis->position().toPoint()))
        SetzeZustand(ereignis->buttons() & Qt::LeftButton ? Gedrueckt : Ueber);
    else if (ereignis->buttons() == Qt::NoButton && ereignis->modifiers() == Qt::NoModifier)
        SetzeZustand(Flach);
    QWidget::mouseMoveEvent(ereignis);
}

void MausZustandKnopf::mousePressEvent(QMouseEvent* ereignis)
{
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        SetzeZustand(Gedrueckt);
    ereignis->accept();
}

void MausZustandKnopf::mouseReleaseEvent(QMouseEvent* ereignis)
{
    if (ereignis->button() != Qt::LeftButton) {
        ereignis->accept();
        return;
    }
    if (rect().contains(ereignis->position().toPoint())) {
        SetzeZustand(Ueber);
        const int id = BefehlsId();
        QMetaObject::invokeMethod(this, [this, id] { emit Befehl(id); }, Qt::QueuedConnection);
    } else {
        SetzeZustand(Flach);
    }
    ereignis->accept();
}

void MausZustandKnopf::leaveEvent(QEvent* ereignis)
{
    // The mouse left without a button held: flat again.
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        SetzeZustand(Flach);
    QWidget::leaveEvent(ereignis);
}

} // namespace zeva
