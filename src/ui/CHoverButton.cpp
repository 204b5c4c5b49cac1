#include "ui/CHoverButton.h"

#include <QPainter>
#include <QPixmap>
#include <qdrawutil.h>
#include <optional>

namespace zeva {

namespace {

// The shared check mark, made at the first painting of a marked button with
// that button's height and kept for the rest of the run.
const QPixmap& Haken(int seite)
{
    static std::optional<QPixmap> haken;
    if (!haken) {
        QPixmap bild(std::max(1, seite), std::max(1, seite));
        bild.fill(Qt::white);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        // The menu's check mark: a short stroke down and a long one up.
        const double s = bild.width();
        QPen stift(Qt::black, std::max(1.5, s / 8));
        stift.setCapStyle(Qt::RoundCap);
        stift.setJoinStyle(Qt::RoundJoin);
        maler.setPen(stift);
        const QPointF punkte[] = {{s * 0.25, s * 0.55}, {s * 0.42, s * 0.72}, {s * 0.75, s * 0.3}};
        maler.drawPolyline(punkte, 3);
        maler.end();
        haken = bild;
    }
    return *haken;
}

constexpr int KantenBreite = 2;

} // namespace

CHoverButton::CHoverButton(QWidget* parent) : MausZustandKnopf(parent) {}

CHoverButton::CHoverButton(const QString& text, QWidget* parent) : MausZustandKnopf(parent), m_text(text) {}

void CHoverButton::SetzeStil(std::uint16_t stil)
{
    m_nStil = stil;
}

void CHoverButton::SetzeMarkiert(bool markiert)
{
    if (markiert)
        m_nStil |= HB_MARKIERT;
    else
        m_nStil &= static_cast<std::uint16_t>(~HB_MARKIERT);
}

void CHoverButton::SetzeText(const QString& text)
{
    m_text = text;
    update();
}

QSize CHoverButton::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(m_text) + 2 * fm.height() + 8, fm.height() + 8);
}

QRect CHoverButton::TextRechteck() const
{
    QRect r = rect();
    if (m_nZustand == Gedrueckt)
        r.translate(1, 1);
    r.adjust(2, 2, -2, -2);
    r.setLeft(r.left() + 2 * KantenBreite);
    return r;
}

QRect CHoverButton::HakenRechteck() const
{
    const QRect r = TextRechteck();
    const QFontMetrics fm(font());
    const int L = r.left();
    const int Rr = r.right() + 1;
    const int h = r.height();
    const int x = std::min(Rr - h, std::max(Rr + (6 * (L - Rr)) / 10, fm.horizontalAdvance(m_text) + fm.height()));
    return QRect(x, r.top(), h, h);
}

void CHoverButton::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    const QPalette& pal = palette();
    maler.fillRect(rect(), pal.color(QPalette::Button));
    if (m_nZustand == Ueber)
        qDrawShadeRect(&maler, rect(), pal, false, 1);
    else if (m_nZustand == Gedrueckt)
        qDrawShadeRect(&maler, rect(), pal, true, 1);
    const QRect text = TextRechteck();
    maler.setFont(font());
    maler.setPen(pal.color(QPalette::WindowText));
    maler.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_text);
    if (m_nStil & HB_MARKIERT) {
        const QRect haken = HakenRechteck();
        maler.setCompositionMode(QPainter::CompositionMode_Multiply);
        maler.drawPixmap(haken.topLeft(), Haken(haken.height()));
    }
}

} // namespace zeva
