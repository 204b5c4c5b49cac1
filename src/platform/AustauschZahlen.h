#pragma once
// Number text of the dialog data exchange: what a dialog field shows for a
// member and what it accepts back. German whatever the system locale, and
// independent of the C runtime's locale.
#include <QString>

namespace zeva {

// The shortest text of up to 15 significant digits with a decimal comma, no
// grouping and never an exponent: 0.01 → "0,01", 1e5 → "100000",
// -2.5 → "-2,5", 1e20 → "100000000000000000000". Not finite: empty text.
QString AustauschZahlText(double x);

// The same with up to `stellen` (1 to 17) significant digits: with 6 it is
// C's "%g" with a decimal comma, but without its exponent form
// (1234567 → "1234570", 0.0000123 → "0,0000123").
QString FestKommaText(double x, int stellen);

// Reads a whole field as a number: blanks and tabs around it, an optional
// sign, digits with at most one decimal comma, an optional exponent
// ("1,5e3"). A point is never read ("1.500" and "0.5" are not numbers), nor
// is an empty field, "inf", "nan" or a value outside the double range.
bool LeseAustauschZahl(const QString& text, double& wert);

// Reads a whole field as a whole number (blanks around it, optional sign,
// decimal digits); false when it does not fit into the range given.
bool LeseAustauschGanzzahl(const QString& text, long long& wert, long long min, long long max);

} // namespace zeva
