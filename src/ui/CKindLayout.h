#pragma once
// Keeps the children of a widget laid out by anchors when the widget is
// resized. Every child is recorded with its rectangle at the moment the
// table is bound; each resize places it anew from that recorded rectangle
// (never from where it is now), so sizing back restores it exactly.
//
// Anchor flags per axis (near edge = left or top, far edge = right or bottom):
//   ANKER_ANFANG  the near edge keeps its recorded position;
//   ANKER_ENDE    the far edge keeps its distance from the widget's far side;
//   ANKER_GROESSE the child keeps its extent (with ANKER_ENDE and without
//                 ANKER_ANFANG it moves with the far side);
//   an edge that no flag fixes scales with the widget's extent.
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <vector>

namespace zeva {

class CKindLayout : public QObject {
public:
    enum Anker : int { ANKER_GROESSE = 1, ANKER_ANFANG = 2, ANKER_ENDE = 4 };

    // Edges as the layout keeps them: right and bottom lie just outside the
    // child (width = rechts − links).
    struct Kanten {
        int links = 0;
        int oben = 0;
        int rechts = 0;
        int unten = 0;
        friend bool operator==(const Kanten&, const Kanten&) = default;
    };

    struct KindEintrag {
        Kanten rechteck; // recorded, in the bound widget's coordinates
        QPointer<QWidget> fenster;
        int horizontal = 0;
        int vertikal = 0;
    };

    CKindLayout() = default;

    // Where a child recorded at `aufgezeichnet` belongs when the bound widget,
    // bound at size `gebunden`, now has size `aktuell`.
    static Kanten Anordne(const Kanten& aufgezeichnet, int horizontal, int vertikal, QSize gebunden, QSize aktuell);

    static Kanten AusRechteck(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

    // Binds the table to the widget and records each of its direct child
    // widgets with anchors 0, 0; watches the widget's resizes from then on.
    void ErfasseKinder(QWidget* fenster);

    // Records one more child (no check for a duplicate).
    void FuegeFensterHinzu(QWidget* kind);

    // Sets both anchors of the first record of that child; false when the
    // child is not recorded.
    bool SetzeAnkerFenster(QWidget* kind, int horizontal, int vertikal);

    // The same for the bound widget's direct child named "id<id>".
    bool SetzeAnkerId(int id, int horizontal, int vertikal);

    // Places every recorded child for the bound widget's present size.
    void Anordnen();

    QWidget* Gebunden() const { return m_fenster; }
    QSize GebundeneGroesse() const { return m_gebunden; }
    const std::vector<KindEintrag>& Eintraege() const { return m_eintraege; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void Erfasse(QWidget* kind);

    std::vector<KindEintrag> m_eintraege;
    QPointer<QWidget> m_fenster;
    QSize m_gebunden;
};

} // namespace zeva
