#pragma once
// A flat push button that shows a raised edge while the mouse is over it
// and a sunken edge while it is pressed; a release inside sends its command.
// With HB_MARKIERT it shows a check mark to the right of its text; all
// hover buttons share one check-mark picture.
#include "ui/MausZustandKnopf.h"

#include <cstdint>

namespace zeva {

class CHoverButton : public MausZustandKnopf {
    Q_OBJECT
public:
    enum Stil : std::uint16_t { HB_MARKIERT = 0x0004 };

    explicit CHoverButton(QWidget* parent = nullptr);
    CHoverButton(const QString& text, QWidget* parent = nullptr);

    void SetzeStil(std::uint16_t stil);
    std::uint16_t StilBits() const { return m_nStil; }
    void SetzeMarkiert(bool markiert);
    bool IstMarkiert() const { return m_nStil & HB_MARKIERT; }

    void SetzeText(const QString& text);
    QString Text() const { return m_text; }

    // Where the check mark goes: its left edge and its side, for the text
    // rectangle of the present size.
    QRect HakenRechteck() const;
    QRect TextRechteck() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    std::uint16_t m_nStil = 0;
    QString m_text;
};

} // namespace zeva
