#pragma once
// The value field: a framed box whose label sits in the frame's top line
// like a group box caption, showing one or two values with their units,
// optionally in a power-of-ten form with a raised exponent ("25·10³"),
// optionally clickable like a flat button (WB_KLICKBAR; otherwise the mouse
// passes through it to what lies beneath).
//
// Values are set as text: SetzeWert formats a number the German way
// (decimal comma, thousands grouping as the style asks), SetzeGanzzahl a
// whole number, SetzeText takes a text verbatim. The texts stay readable
// through Wert() and Einheit().
#include "ui/MausZustandKnopf.h"

#include <QString>
#include <array>
#include <cstdint>

namespace zeva {

class CWertButton : public MausZustandKnopf {
    Q_OBJECT
public:
    enum Stil : std::uint16_t {
        WB_ZENTRIERT = 0x0001,      // values centred
        WB_LINKS = 0x0002,          // values left-aligned after the indent (else right-aligned)
        WB_OHNE_EINZUG = 0x0004,    // with WB_LINKS: no indent
        WB_MEHRZEILIG = 0x0008,     // the values use the whole box and wrap at words
        WB_KLICKBAR = 0x0800,       // reacts to the mouse like a flat button
        WB_ZWEI_WERTE = 0x1000,     // value 0 in the left half, value 1 in the right half
        WB_EXPONENT = 0x2000,       // large values as mantissa and power of ten
        WB_OHNE_TAUSENDER = 0x4000, // no thousands grouping
        WB_FREIE_STELLEN = 0x8000,  // grouping keeps its two decimals
    };

    explicit CWertButton(QWidget* parent = nullptr);

    void SetzeStil(std::uint16_t stil);
    std::uint16_t StilBits() const { return m_nStil; }

    void SetzeWert(double wert, int index = 0);
    void SetzeGanzzahl(int wert, int index = 0);
    void SetzeText(const QString& text, int index = 0);
    void SetzeEinheit(const QString& text, int index = 0);

    // The label in the frame's top line.
    void SetzeBeschriftung(const QString& text);
    QString Beschriftung() const { return m_beschriftung; }

    QString Wert(int index = 0) const;
    QString Einheit(int index = 0) const;
    int Einzug() const { return m_nEinzug; }

    // How a value with "^" is drawn: " 25·10", raised "3", " kWh/a".
    struct Exponentform {
        QString mantisse;
        QString exponent;
        QString einheit;
    };
    // False when the value is drawn as plain text.
    bool ZerlegeExponent(int index, Exponentform& form) const;

    // The font of the raised exponent: the control's font, 2 pixels smaller.
    QFont ExponentSchrift() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void ZeichneWert(QPainter& maler, int index, const QRect& bereich);
    static bool GueltigerIndex(int index) { return index == 0 || index == 1; }

    std::uint16_t m_nStil = 0;
    int m_nEinzug = 0;
    bool m_einzugFest = false;
    std::array<QString, 2> m_strWert;
    std::array<QString, 2> m_strEinheit;
    QString m_beschriftung;
};

} // namespace zeva
