#include "ui/CHoverButton.h"

#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <qdrawutil.h>
#include <optional>

namespace zeva {

namespace {

// The shared check mark, made at the first painting of a marked button with
// that button's height and kept for the rest of the run.
const QPixmap& Haken(int seite, const QWidget* knopf)
{
    static std::optional<QPixmap> haken;
    if (!haken) {
        QPixmap bild(std::max(1, seite), std::max(1, seite));
        bild.fill(Qt::white);
        QPainter maler(&bild);
        QStyleOptionMenuItem option;
        option.initFrom(knopf);
        option.rect = bild.rect();
        option.state = QStyle::State_Enabled | QStyle::State_On;
        option.palette.setColor(QPalette::Text, Qt::black);
        option.palette.setColor(QPalette::ButtonText, Qt::black);
        option.palette.setColor(QPalette::WindowText, Qt::black);
        knopf->style()->drawPrimitive(QStyle::PE_IndicatorMenuCheckMark, &option, &maler, knopf);
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
        maler.drawPixmap(haken.topLeft(), Haken(haken.height(), this));
    }
}

} // namespace zeva
