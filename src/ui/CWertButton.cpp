#include "ui/CWertButton.h"

#include "model/Zahlentext.h"
#include "platform/AustauschZahlen.h"

#include <QFontInfo>
#include <QPainter>
#include <qdrawutil.h>

namespace zeva {

namespace {

// "%g" of the runtime locale (German: decimal comma), in fixed notation so
// that grouping can always read it.
QString GText(double x)
{
    return FestKommaText(x, 6);
}

// Thousands grouping; a text the grouping cannot read stays as it was.
QString Gruppiere(const QString& text, bool kuerzen, int n)
{
    std::string s = text.toStdString();
    if (!FormatiereTausender(s, kuerzen, n))
        return text;
    return QString::fromStdString(s);
}

} // namespace

CWertButton::CWertButton(QWidget* parent) : MausZustandKnopf(parent)
{
    SetzeStil(0);
}

void CWertButton::SetzeStil(std::uint16_t stil)
{
    m_nStil = stil;
    // Without WB_KLICKBAR the field is transparent to the mouse.
    setAttribute(Qt::WA_TransparentForMouseEvents, !(stil & WB_KLICKBAR));
    if (!(stil & WB_KLICKBAR))
        m_nZustand = Flach;
    update();
}

void CWertButton::SetzeWert(double wert, int index)
{
    if (!GueltigerIndex(index))
        return;
    QString text;
    if (m_nStil & WB_EXPONENT) {
        int potenz = 0;
        const double x = SkaliereEinheit(wert, potenz, 3, 3, true);
        if (potenz > 0) {
            m_strWert[index] = GText(x) + QStringLiteral(" 10^") + QString::number(potenz);
            update();
            return;
        }
        text = GText(x);
    } else {
        text = GText(wert);
    }
    if (!(m_nStil & WB_OHNE_TAUSENDER))
        text = Gruppiere(text, !(m_nStil & WB_FREIE_STELLEN), 3);
    m_strWert[index] = text;
    update();
}

void CWertButton::SetzeGanzzahl(int wert, int index)
{
    if (!GueltigerIndex(index))
        return;
    QString text = QString::number(wert);
    if (!(m_nStil & WB_OHNE_TAUSENDER))
        text = Gruppiere(text, true, -1);
    m_strWert[index] = text;
    update();
}

void CWertButton::SetzeText(const QString& text, int index)
{
    if (!GueltigerIndex(index))
        return;
    m_strWert[index] = text;
    update();
}

void CWertButton::SetzeEinheit(const QString& text, int index)
{
    if (!GueltigerIndex(index))
        return;
    m_strEinheit[index] = text;
    update();
}

void CWertButton::SetzeBeschriftung(const QString& text)
{
    m_beschriftung = text;
    update();
}

QString CWertButton::Wert(int index) const
{
    return GueltigerIndex(index) ? m_strWert[index] : QString();
}

QString CWertButton::Einheit(int index) const
{
    return GueltigerIndex(index) ? m_strEinheit[index] : QString();
}

bool CWertButton::ZerlegeExponent(int index, Exponentform& form) const
{
    if (!GueltigerIndex(index) || !(m_nStil & WB_EXPONENT))
        return false;
    const QString& wert = m_strWert[index];
    const qsizetype dach = wert.indexOf(QLatin1Char('^'), 1);
    if (dach < 0)
        return false;
    QString mantisse = wert.left(dach);
    mantisse.replace(QLatin1Char(' '), QChar(0x00B7));
    form.mantisse = QLatin1Char(' ') + mantisse;
    form.exponent = wert.mid(dach + 1);
    form.einheit = QLatin1Char(' ') + m_strEinheit[index];
    return true;
}

QFont CWertButton::ExponentSchrift() const
{
    QFont schrift = font();
    schrift.setPixelSize(std::max(1, QFontInfo(font()).pixelSize() - 2));
    return schrift;
}

QSize CWertButton::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(QLatin1Char(' ') + m_beschriftung + QLatin1Char(' ')) + fm.height() + 40,
                 2 * fm.height() + 6);
}

void CWertButton::resizeEvent(QResizeEvent* ereignis)
{
    // One eighth of the width, until two values fix it to the label's offset.
    if (!m_einzugFest)
        m_nEinzug = width() / 8;
    MausZustandKnopf::resizeEvent(ereignis);
}

void CWertButton::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.setFont(font());
    const QPalette& pal = palette();
    const QString label = QLatin1Char(' ') + m_beschriftung + QLatin1Char(' ');
    const QFontMetrics fm(font());
    const int hL = fm.height();

    QRect r = rect();
    maler.fillRect(r, pal.color(QPalette::Button));
    if (m_nStil & WB_KLICKBAR) {
        if (m_nZustand == Ueber)
            qDrawShadeRect(&maler, r, pal, false, 1);
        else if (m_nZustand == Gedrueckt)
            qDrawShadeRect(&maler, r, pal, true, 1);
        r.adjust(3, 2, -3, -2);
        if (m_nZustand == Gedrueckt)
            r.translate(1, 1);
    } else {
        r.adjust(0, 1, 0, -1);
    }

    const int b = hL / 2;
    maler.setPen(pal.color(QPalette::WindowText));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(QRect(r.left(), r.top() + b, r.width() - 1, std::max(0, r.height() - 2 * b - 1)));
    const QRect labelRect(r.left() + b, r.top(), fm.horizontalAdvance(label), hL);
    maler.fillRect(labelRect, pal.color(QPalette::Button));
    maler.drawText(labelRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, label);

    const int oben = (m_nStil & WB_MEHRZEILIG) ? r.top() + hL : r.bottom() + 1 - hL;
    const int unten = r.bottom() + 1;
    const int L = r.left() + b;
    const int R = r.right() + 1;
    const int W = R - L;
    if (m_nStil & WB_ZWEI_WERTE) {
        m_nEinzug = b;
        m_einzugFest = true;
        ZeichneWert(maler, 0, QRect(QPoint(L, oben), QPoint(W / 2 - b - 1, unten - 1)));
        ZeichneWert(maler, 1, QRect(QPoint(W / 2, oben), QPoint(R - b - 1, unten - 1)));
    } else {
        ZeichneWert(maler, 0, QRect(QPoint(L, oben), QPoint(R - b - 1, unten - 1)));
    }
}

void CWertButton::ZeichneWert(QPainter& maler, int index, const QRect& bereich)
{
    if (m_strWert[index].isEmpty() || bereich.width() <= 0)
        return;
    maler.setPen(palette().color(QPalette::WindowText));
    const bool links = m_nStil & WB_LINKS;
    const bool mitte = m_nStil & WB_ZENTRIERT;
    Exponentform form;
    if (!ZerlegeExponent(index, form)) {
        const QString text = QStringLiteral(" %1 %2 ").arg(m_strWert[index], m_strEinheit[index]);
        const bool mehrzeilig = (m_nStil & WB_MEHRZEILIG) && !(m_nStil & WB_EXPONENT);
        QRect r = bereich;
        int ausrichtung = Qt::AlignVCenter;
        if (mitte) {
            ausrichtung |= Qt::AlignHCenter;
        } else if (links) {
            if (!(m_nStil & WB_OHNE_EINZUG) || (m_nStil & WB_EXPONENT))
                r.setLeft(r.left() + m_nEinzug);
            ausrichtung |= Qt::AlignLeft;
        } else {
            ausrichtung |= Qt::AlignRight;
        }
        const int flags = ausrichtung | (mehrzeilig ? Qt::TextWordWrap : Qt::TextSingleLine);
        const QString gezeigt = links && !mitte && !mehrzeilig
                                    ? maler.fontMetrics().elidedText(text, Qt::ElideRight, r.width())
                                    : text;
        // Drawn on the face colour, so that a value in the bottom line
        // interrupts the frame as the label does at the top.
        maler.fillRect(maler.boundingRect(r, flags, gezeigt).intersected(r), palette().color(QPalette::Button));
        maler.drawText(r, flags, gezeigt);
        return;
    }

    const QFont grundschrift = font();
    const QFont expSchrift = ExponentSchrift();
    const QFontMetrics fm(grundschrift);
    const QFontMetrics fmExp(expSchrift);
    const int wM = fm.horizontalAdvance(form.mantisse);
    const int wE = fmExp.horizontalAdvance(form.exponent);
    const int wU = fm.horizontalAdvance(form.einheit);
    int x = 0;
    if (mitte)
        x = bereich.center().x() - (wM + wE + wU) / 2;
    else if (links)
        x = bereich.left() + m_nEinzug;
    else
        x = bereich.right() + 1 - (wM + wE + wU);
    const int hM = fm.height();
    const QRect zeile(0, bereich.top() + (bereich.height() - hM) / 2, 0, hM);
    const int hoch = hM / 3;
    maler.fillRect(QRect(x, zeile.top() - hoch, wM + wE + wU, hM + hoch).intersected(bereich.adjusted(0, -hoch, 0, 0)),
                   palette().color(QPalette::Button));
    maler.setFont(grundschrift);
    maler.drawText(QRect(x, zeile.top(), wM, hM), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, form.mantisse);
    maler.setFont(expSchrift);
    maler.drawText(QRect(x + wM, zeile.top() - hoch, wE, hM), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   form.exponent);
    maler.setFont(grundschrift);
    maler.drawText(QRect(x + wM + wE, zeile.top(), wU, hM), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   form.einheit);
}

} // namespace zeva
