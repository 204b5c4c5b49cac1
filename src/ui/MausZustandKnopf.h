#pragma once
// The mouse handling shared by the value field and the hover button: flat
// (0), the mouse over it (1), pressed (2). A release inside sends the
// command of the control (its id, from the object name "id<n>") to whoever
// listens, posted like a window command, so it arrives after the click has
// been handled; a release outside sends nothing and the control is flat
// again.
#include <QWidget>

namespace zeva {

class MausZustandKnopf : public QWidget {
    Q_OBJECT
public:
    enum MausZustand : int { Flach = 0, Ueber = 1, Gedrueckt = 2 };

    explicit MausZustandKnopf(QWidget* parent = nullptr);

    int Zustand() const { return m_nZustand; }
    // The command id: the number of the object name "id<n>", else 0.
    int BefehlsId() const;

signals:
    void Befehl(int id);

protected:
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void leaveEvent(QEvent* ereignis) override;

    void SetzeZustand(int zustand);

    int m_nZustand = Flach;
};

} // namespace zeva
