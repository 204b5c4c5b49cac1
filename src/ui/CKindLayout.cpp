#include "ui/CKindLayout.h"

#include "ui/SteuerelementId.h"

#include <QEvent>
#include <algorithm>

namespace zeva {

namespace {

// One axis: near edge a, far edge b, recorded; d = change of the extent,
// s = ratio of the extents.
void Achse(int a, int b, int anker, int d, double s, int& neuA, int& neuB)
{
    const bool anfang = anker & CKindLayout::ANKER_ANFANG;
    const bool ende = anker & CKindLayout::ANKER_ENDE;
    const bool groesse = anker & CKindLayout::ANKER_GROESSE;
    if (anfang)
        neuA = a;
    else if (groesse && ende)
        neuA = a + d;
    else
        neuA = static_cast<int>(a * s); // truncates toward zero
    if (ende)
        neuB = b + d;
    else if (groesse)
        neuB = b + (neuA - a);
    else
        neuB = static_cast<int>(b * s);
}

} // namespace

CKindLayout::Kanten CKindLayout::Anordne(const Kanten& r, int horizontal, int vertikal, QSize gebunden,
                                         QSize aktuell)
{
    // A widget bound before it had a size cannot scale; its children then
    // keep their recorded places on the scaled edges.
    const double sx = gebunden.width() > 0 ? static_cast<double>(aktuell.width()) / gebunden.width() : 1.0;
    const double sy = gebunden.height() > 0 ? static_cast<double>(aktuell.height()) / gebunden.height() : 1.0;
    Kanten neu;
    Achse(r.links, r.rechts, horizontal, aktuell.width() - gebunden.width(), sx, neu.links, neu.rechts);
    Achse(r.oben, r.unten, vertikal, aktuell.height() - gebunden.height(), sy, neu.oben, neu.unten);
    return neu;
}

void CKindLayout::ErfasseKinder(QWidget* fenster)
{
    if (m_fenster)
        m_fenster->removeEventFilter(this);
    m_eintraege.clear();
    m_fenster = fenster;
    m_gebunden = QSize();
    if (!fenster)
        return;
    m_gebunden = fenster->size();
    for (QWidget* kind : fenster->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!kind->isWindow())
            Erfasse(kind);
    fenster->installEventFilter(this);
}

void CKindLayout::Erfasse(QWidget* kind)
{
    m_eintraege.push_back({AusRechteck(kind->geometry()), kind, 0, 0});
}

void CKindLayout::FuegeFensterHinzu(QWidget* kind)
{
    if (m_fenster && kind)
        Erfasse(kind);
}

bool CKindLayout::SetzeAnkerFenster(QWidget* kind, int horizontal, int vertikal)
{
    auto it = std::find_if(m_eintraege.begin(), m_eintraege.end(),
                           [kind](const KindEintrag& e) { return kind != nullptr && e.fenster == kind; });
    if (it == m_eintraege.end())
        return false;
    it->horizontal = horizontal;
    it->vertikal = vertikal;
    return true;
}

bool CKindLayout::SetzeAnkerId(int id, int horizontal, int vertikal)
{
    if (!m_fenster)
        return false;
    return SetzeAnkerFenster(FindeDirektId(m_fenster, id), horizontal, vertikal);
}

void CKindLayout::Anordnen()
{
    if (!m_fenster)
        return;
    const QSize aktuell = m_fenster->size();
    for (const KindEintrag& e : m_eintraege) {
        if (!e.fenster)
            continue;
        const Kanten k = Anordne(e.rechteck, e.horizontal, e.vertikal, m_gebunden, aktuell);
        e.fenster->setGeometry(k.links, k.oben, std::max(0, k.rechts - k.links), std::max(0, k.unten - k.oben));
    }
}

bool CKindLayout::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == m_fenster && ereignis->type() == QEvent::Resize)
        Anordnen();
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace zeva
