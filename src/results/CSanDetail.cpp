#include "results/CSanDetail.h"

#include "model/Haus.h"
#include "model/Kennzahlen.h"
#include "model/Zahlentext.h"
#include "results/Sanierungsdetails.h"
#include "shell/Befehle.h"
#include "shell/CMainFrame.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zeva {

// ----- the page ----------------------------------------------------------------------

CSanDetail::CSanDetail(CMainFrame& rahmen, QWidget* parent) : CErgebnisView(rahmen, parent)
{
    setObjectName(QStringLiteral("CSanDetail"));
}

void CSanDetail::SetzeHaus(Haus& haus)
{
    m_pHaus = &haus;
}

void CSanDetail::SetzeKriterium(int kriterium, int variante)
{
    if (kriterium < 0 || kriterium >= sandetail::AnzahlKriterien)
        return;
    m_nKriterium = kriterium;
    m_nVariante = variante;
    Schreibe();
}

QString CSanDetail::HoleEinheit() const
{
    return QString::fromStdString(sandetail::Einheit(m_nKriterium));
}

void CSanDetail::Schreibe()
{
    // The document's house of the moment (a house handed earlier may have
    // been replaced since), its states computed on a copy as the variant
    // pane computes them: the stored records may stem from another method,
    // other options or the file as it was read.
    Haus haus(m_rahmen.AktuellesHaus());
    if (haus.IstZustand(m_nVariante) && m_nVariante >= 1)
        BerechneZustaende(haus, m_nVariante, m_rahmen.Optionen());
    m_Werte = {};
    SchreibeSeite(sandetail::Seite(haus, m_rahmen.Optionen(), m_nKriterium, m_nVariante, m_Werte));
    // The values follow the page once it stands, after the frame has shown
    // the chart with zeros and the new unit.
    QMetaObject::invokeMethod(
        this, [this] { m_rahmen.SanierungsdetailsWerte(m_Werte); }, Qt::QueuedConnection);
}

void CSanDetail::BearbeiteLink(const QString& befehl)
{
    const int n = static_cast<int>(m_rahmen.AktuellesHaus().m_aBedarf.size());
    if (befehl == QLatin1String("next")) {
        m_nVariante = m_nVariante + 1 > n - 1 ? 1 : m_nVariante + 1;
        Schreibe();
    } else if (befehl == QLatin1String("prev")) {
        m_nVariante = m_nVariante - 1 < 1 ? n - 1 : m_nVariante - 1;
        Schreibe();
    } else if (befehl == QLatin1String("close")) {
        // Posted: the splitter and this view go once the click is done.
        CMainFrame* rahmen = &m_rahmen;
        QMetaObject::invokeMethod(
            rahmen, [rahmen] { rahmen->Sanierungsdetails(ANSICHT_SCHLIESSEN, 0); }, Qt::QueuedConnection);
    } else if (befehl.size() == 1 && befehl.at(0).isDigit()) {
        const int gruppe = befehl.at(0).digitValue();
        if (gruppe < sandetail::AnzahlGruppen)
            m_rahmen.Variantenseite(m_nVariante, sandetail::GruppenTab(gruppe));
    }
}

// ----- the chart ---------------------------------------------------------------------

CSanDetailDia::CSanDetailDia(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CSanDetailDia"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    QFont schrift(QStringLiteral("Times"));
    schrift.setWeight(QFont::DemiBold); // 600
    setFont(schrift);
}

void CSanDetailDia::SetzeWerte(const std::array<double, 7>* werte, const QString& einheit)
{
    if (werte)
        m_Werte = *werte;
    else
        m_Werte = {};
    m_strEinheit = einheit.left(63);
    update();
}

QString CSanDetailDia::Zahltext(double x)
{
    return QString::fromStdString(zeva::Zahltext(x, 0));
}

void CSanDetailDia::Skala(double gesamt, int& schritt, int& anzahl)
{
    schritt = 0;
    anzahl = 0;
    if (!(gesamt > 0) || !std::isfinite(gesamt))
        return;
    // The smallest power of ten not below the total, in whole numbers: a
    // step built by repeated tenths would carry 0.6000000000000001 and count
    // a tick on the total itself.
    long long n = 1;
    while (n < gesamt && n < 1000000000000LL)
        n *= 10;
    schritt = static_cast<int>(std::min<long long>(n / 10, 1000000000LL));
    if (schritt <= 0)
        return;
    // Ticks below the total only; the total carries its own label.
    anzahl = static_cast<int>(std::ceil(gesamt / schritt * (1 - 1e-9)));
}

CSanDetailDia::Aufbau CSanDetailDia::Berechne(const std::array<double, 7>& werte, QSize groesse, int h)
{
    Aufbau a;
    QRect p(10, 10, std::max(0, groesse.width() - 20), std::max(0, groesse.height() - 20));
    p.setLeft(p.left() + 100);
    p.setTop(p.top() + 25);
    p.setBottom(p.bottom() - 2 * h);
    a.plot = p;
    const int s = std::max(0, p.width()) / 7;
    a.breite = static_cast<int>(0.75 * s);
    for (int i = 0; i < 7; ++i)
        a.balkenX[static_cast<std::size_t>(i)] = p.left() + i * s;

    const double gesamt = werte[6];
    // Without a positive total there is no scale: axes and labels only.
    if (!(gesamt > 0) || !std::isfinite(gesamt) || p.height() <= 0)
        return a;
    // The scale holds the total and every group's own bar (one group may
    // save more than the variant as a whole when another loses).
    double hoechster = gesamt;
    for (int g = 0; g < 6; ++g)
        if (std::isfinite(werte[static_cast<std::size_t>(g)]))
            hoechster = std::max(hoechster, werte[static_cast<std::size_t>(g)]);
    const double k = (p.bottom() - p.top()) / hoechster; // pixels per unit
    a.oben = true;
    a.obenY = p.bottom() - static_cast<int>(k * gesamt);
    a.obenText = Zahltext(gesamt);
    int anzahl = 0;
    Skala(hoechster, a.teilung, anzahl);
    for (int i = 0; i < anzahl; ++i) {
        const int wert = i * a.teilung;
        const int y = p.bottom() - static_cast<int>(wert * k);
        // A tick too close to the total keeps its mark, not its label: the
        // labels stand in the order of their values.
        a.teilungen.push_back({wert, y, std::abs(y - a.obenY) < h ? QString() : Zahltext(wert)});
    }

    // The total bar is as high as its label says: the groups that save
    // stacked from the axis, cut where the total ends when others lose, and
    // what the measures save together on top.
    int stapel = p.bottom();
    for (int g = 0; g < 6; ++g) {
        const double x = werte[static_cast<std::size_t>(g)];
        const int t = std::isfinite(x) ? static_cast<int>(std::clamp(k * x, -1e6, 1e6)) : 0;
        const int links = a.balkenX[static_cast<std::size_t>(g + 1)];
        // A negative value (a variant that loses in one group) hangs below
        // the axis.
        a.gruppen[static_cast<std::size_t>(g)] = QRect(QPoint(links, std::min(p.bottom() - t, p.bottom())),
                                                       QPoint(links + a.breite - 1, std::max(p.bottom() - t, p.bottom()) - 1));
        const int oben = std::max(stapel - std::max(t, 0), a.obenY);
        if (oben < stapel) {
            a.gesamt[static_cast<std::size_t>(g)] = QRect(QPoint(p.left(), oben), QPoint(p.left() + a.breite - 1, stapel - 1));
            stapel = oben;
        }
    }
    if (stapel > a.obenY)
        a.wechselwirkung = QRect(QPoint(p.left(), a.obenY), QPoint(p.left() + a.breite - 1, stapel - 1));
    return a;
}

void CSanDetailDia::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.setFont(font());
    const int h = maler.fontMetrics().height();
    const Aufbau a = Berechne(m_Werte, size(), h);
    const QRect& p = a.plot;

    // Axes with the arrow head.
    maler.setPen(Qt::black);
    maler.drawLine(p.left() - 10, p.top() - 10, p.left() - 10, p.bottom());
    maler.drawLine(p.left() - 10, p.bottom(), p.right(), p.bottom());
    QPainterPath pfeil;
    pfeil.moveTo(p.left() - 15, p.top() - 10);
    pfeil.lineTo(p.left() - 5, p.top() - 10);
    pfeil.lineTo(p.left() - 10, p.top() - 25);
    pfeil.closeSubpath();
    maler.fillPath(pfeil, Qt::black);

    // The unit, right-aligned beside the axis.
    const QRect einheit(QPoint(10, 10), QPoint(90, 10 + h));
    maler.drawText(einheit, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, m_strEinheit);

    for (const Teilung& t : a.teilungen) {
        maler.drawLine(p.left() - 15, t.y, p.left() - 10, t.y);
        const QRect box(QPoint(10, t.y - h / 2), QPoint(90, t.y - h / 2 + h));
        if (!t.text.isEmpty())
            maler.drawText(box, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, t.text);
    }
    if (a.oben) {
        maler.drawLine(p.left() - 15, a.obenY, p.left() - 10, a.obenY);
        const QRect box(QPoint(10, a.obenY - h / 2), QPoint(90, a.obenY - h / 2 + h));
        maler.drawText(box, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, a.obenText);
    }

    for (int g = 0; g < 6; ++g) {
        const unsigned farbe = sandetail::GruppenFarbe(g);
        const QColor c((farbe >> 16) & 0xff, (farbe >> 8) & 0xff, farbe & 0xff);
        if (!a.gruppen[static_cast<std::size_t>(g)].isEmpty())
            maler.fillRect(a.gruppen[static_cast<std::size_t>(g)], c);
        if (!a.gesamt[static_cast<std::size_t>(g)].isEmpty())
            maler.fillRect(a.gesamt[static_cast<std::size_t>(g)], c);
    }
    if (!a.wechselwirkung.isEmpty())
        maler.fillRect(a.wechselwirkung, QColor(160, 160, 160));

    // Labels under the bars; neighbouring group names alternate between the
    // top and the bottom of their box.
    for (int i = 0; i < 7; ++i) {
        const int x = a.balkenX[static_cast<std::size_t>(i)];
        const QRect box(QPoint(x - a.breite, p.bottom() + 5), QPoint(x + 2 * a.breite, p.bottom() + 5 + 2 * h));
        if (i == 0) {
            maler.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, QStringLiteral("Gesamt"));
        } else {
            const int g = i - 1;
            const Qt::Alignment oben = g % 2 == 1 ? Qt::AlignTop : Qt::AlignBottom;
            maler.drawText(box, Qt::AlignHCenter | oben | Qt::TextSingleLine,
                           QString::fromStdString(sandetail::GruppenName(g)));
        }
    }
}

} // namespace zeva
