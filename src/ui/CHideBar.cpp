#include "ui/CHideBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace zeva {

CHideBar::CHideBar(QWidget* parent) : CSizingControlBar(parent) {}

void CHideBar::SetzeKnopfAktiv(bool aktiv)
{
    m_Knopf.aktiv = aktiv;
    if (!aktiv)
        m_Knopf.gedrueckt = false;
    Fenster()->update();
}

void CHideBar::SetzeVersteckt(bool versteckt)
{
    m_Knopf.versteckt = versteckt;
    WendeZustandAn();
}

QRect CHideBar::BerechneInnenflaeche(const QRect& fenster)
{
    QRect k = fenster.adjusted(3, 3, -3, -3);
    const int s = StreifenDicke;
    if (!IstVertikal()) {
        const int w = std::max(0, k.width());
        const int x = k.left() + w / 2 - w / 16;
        if (DockSeite() == Qt::TopDockWidgetArea) {
            m_Knopf.nahSeite = true;
            const int altUnten = k.top() + k.height();
            k.setHeight(k.height() - s);
            m_Knopf.rechteck = QRect(x, altUnten - s + 1, w / 8, s);
        } else {
            m_Knopf.nahSeite = false;
            m_Knopf.rechteck = QRect(x, k.top(), w / 8, s);
            k.setTop(k.top() + s);
        }
    } else {
        const int h = std::max(0, k.height());
        const int y = k.top() + h / 2 - h / 16;
        if (DockSeite() == Qt::LeftDockWidgetArea) {
            m_Knopf.nahSeite = true;
            const int altRechts = k.left() + k.width();
            k.setWidth(k.width() - s);
            m_Knopf.rechteck = QRect(altRechts - s + 1, y, s, h / 8);
        } else {
            m_Knopf.nahSeite = false;
            m_Knopf.rechteck = QRect(k.left(), y, s, h / 8);
            k.setLeft(k.left() + s);
        }
    }
    return k;
}

Qt::ArrowType CHideBar::Pfeilrichtung() const
{
    // Toward the docked side while expanded, away from it while collapsed.
    const bool zurSeite = !m_Knopf.versteckt;
    switch (DockSeite()) {
    case Qt::LeftDockWidgetArea: return zurSeite ? Qt::LeftArrow : Qt::RightArrow;
    case Qt::RightDockWidgetArea: return zurSeite ? Qt::RightArrow : Qt::LeftArrow;
    case Qt::TopDockWidgetArea: return zurSeite ? Qt::UpArrow : Qt::DownArrow;
    case Qt::BottomDockWidgetArea: return zurSeite ? Qt::DownArrow : Qt::UpArrow;
    default: return Qt::LeftArrow;
    }
}

void CHideBar::ZeichneRahmenTeile(QPainter& maler, const QRect&)
{
    if (!HatKnopf())
        return;
    const QRect knopf = m_Knopf.rechteck;
    QStyleOptionButton option;
    option.initFrom(Fenster());
    option.rect = knopf;
    option.features = QStyleOptionButton::Flat;
    option.state = QStyle::State_Raised;
    if (m_Knopf.aktiv)
        option.state |= QStyle::State_Enabled | QStyle::State_On;
    else
        option.state &= ~QStyle::State_Enabled;
    if (m_Knopf.gedrueckt)
        option.state |= QStyle::State_Sunken;
    Fenster()->style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &maler, Fenster());

    QRect innen = knopf.adjusted(2, 2, -2, -2);
    if (m_Knopf.gedrueckt)
        innen.translate(1, 1);
    const QPalette& pal = Fenster()->palette();
    const QColor farbe = m_Knopf.aktiv ? pal.color(QPalette::Active, QPalette::ButtonText)
                                       : pal.color(QPalette::Disabled, QPalette::Text);
    maler.setPen(farbe);
    maler.setBrush(farbe);
    const Qt::ArrowType richtung = Pfeilrichtung();
    auto dreieck = [&maler, richtung](const QRect& r) {
        QPolygon p;
        const int l = r.left(), o = r.top(), re = r.right(), u = r.bottom();
        switch (richtung) {
        case Qt::LeftArrow: p << QPoint(re, o) << QPoint(re, u) << QPoint(l, (o + u) / 2); break;
        case Qt::RightArrow: p << QPoint(l, o) << QPoint(l, u) << QPoint(re, (o + u) / 2); break;
        case Qt::UpArrow: p << QPoint(l, u) << QPoint(re, u) << QPoint((l + re) / 2, o); break;
        default: p << QPoint(l, o) << QPoint(re, o) << QPoint((l + re) / 2, u); break;
        }
        maler.drawPolygon(p);
    };
    const int w = innen.width();
    const int h = innen.height();
    if (w < h) {
        dreieck(QRect(innen.left(), innen.top(), w, w));
        dreieck(QRect(innen.left(), innen.top() + h - w, w, w));
        const int von = innen.top() + w + 4;
        const int bis = innen.top() + h - w - 4;
        for (int i = 0; i < 2 && bis > von; ++i)
            qDrawShadePanel(&maler, innen.left() + 2 * i, von, 2, bis - von, pal, false, 1);
    } else {
        dreieck(QRect(innen.left(), innen.top(), h, h));
        dreieck(QRect(innen.left() + w - h, innen.top(), h, h));
        const int von = innen.left() + h + 4;
        const int bis = innen.left() + w - h - 4;
        for (int i = 0; i < 2 && bis > von; ++i)
            qDrawShadePanel(&maler, von, innen.top() + 2 * i, bis - von, 2, pal, false, 1);
    }
}

bool CHideBar::RahmenMaus(QMouseEvent* ereignis)
{
    if (!HatKnopf() || !m_Knopf.aktiv)
        return false; // an inactive button is plain bar
    const bool aufKnopf = m_Knopf.rechteck.contains(ereignis->position().toPoint());
    const bool gedrueckt = aufKnopf && (ereignis->buttons() & Qt::LeftButton);
    if (gedrueckt != m_Knopf.gedrueckt) {
        m_Knopf.gedrueckt = gedrueckt;
        Fenster()->update(m_Knopf.rechteck);
    }
    if (ereignis->type() == QEvent::MouseButtonRelease && ereignis->button() == Qt::LeftButton && aufKnopf) {
        m_Knopf.versteckt = !m_Knopf.versteckt;
        WendeZustandAn();
        return true;
    }
    return aufKnopf;
}

void CHideBar::FensterGroesse(const QSize& groesse)
{
    if (!m_Knopf.versteckt)
        m_GroesseGemerkt = groesse;
}

void CHideBar::WendeZustandAn()
{
    const QSize gemerkt = m_GroesseGemerkt.isValid() ? m_GroesseGemerkt : Fenster()->size();
    const int verstecktDicke = (IstVertikal() ? m_Knopf.rechteck.width() : m_Knopf.rechteck.height()) + 2 * Kante + 2;
    const int dicke = m_Knopf.versteckt ? verstecktDicke : (IstVertikal() ? gemerkt.width() : gemerkt.height());
    show();
    SetzeDicke(dicke);
    Fenster()->update();
}

} // namespace zeva
