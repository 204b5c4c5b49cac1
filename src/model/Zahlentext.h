#pragma once
// Rounding and number text, as the whole program shows and reads numbers.
//
// Rounding is always half away from zero, computed in double arithmetic.
// Number text for people is German whatever the system locale: decimal comma,
// "." as thousands separator. No function here depends on the C runtime
// locale; files of ours use their own locale-free readers and writers.
#include <string>
#include <string_view>

namespace zeva {

// The separators of number text for people. They are fixed, not taken from
// the system: the program speaks German on every machine.
inline constexpr char DezimalTrenner = ',';
inline constexpr char TausenderTrenner = '.';

// Rounds x to n significant digits (n > 30: x unchanged; n <= 0 or x == 0: 0).
double RundeSignifikant(double x, int n);

// Rounds x to n decimals (n > 30: x unchanged; a negative n counts as 0).
double RundeNachkomma(double x, int n);

// Thermal resistance (m²K/W) of an air layer of thickness d (m);
// fall 0 wall, 1 roof / flat roof / ceiling, 2 floor; any other fall gives 0.
double LuftschichtWert(double d, int fall);

// Divides |x| by powers of 10^a for a unit prefix (steps = number of decimal
// powers taken off) and rounds to b digits; see the value field.
double SkaliereEinheit(double x, int& steps, int a, int b, bool limited);

// Reads a whole field as a number with a decimal comma. Leading blanks are
// skipped; an empty text gives 0 and true; anything left over (trailing text,
// blanks, "inf", "nan", hexadecimal, a non-finite result) gives false, with
// value set to what the digits before it give (0 when there are none).
bool LeseZahl(std::string_view text, double& value);

// The same strict reader with another decimal separator, for number text
// that does not come from a person (data files of ours use ".").
bool LeseZahl(std::string_view text, double& value, char dezimalTrenner);

// Reads one token of a data file of ours as a decimal whole number: an
// optional sign, then digits only (leading zeros are plain digits); false
// for anything else or a number out of range.
bool LeseGanzzahlToken(std::string_view token, long long& wert);

// A figure as every page, chart and the report show it: rounded half away
// from zero on the shown digits, first to `signifikant` significant digits
// (0: no such cut), then to `nachkomma` decimals; decimal comma and, with
// tausender, "." grouping (1234.5 with 2 and 3: "1.230,00"). A non-finite
// figure gives an empty text.
std::string Zahltext(double x, int nachkomma, int signifikant = 0, bool tausender = true);

// Money is counted and shown in whole euros: every amount that stands in a
// row (a measure's price, an amount due anyway, a heating) is rounded to
// whole euros (half away from zero) before rows are added, so that the rows
// shown add up to the total shown.
double GanzeEuro(double betrag);
// An amount of money as every page, pane, dialog and the report show it:
// whole euros with "." grouping (12141.87 → "12.142"); Zahltext's rule.
std::string Geldtext(double betrag);

// A key figure as the panes show it: three significant digits, decimals
// only as far as those digits reach, "." grouping (27040 → "27.000",
// 946.45 → "946", 12.345 → "12,3"); Zahltext's rule.
std::string Kennwerttext(double x);

// Formats a number text (decimal "," or ".") with German grouping and two
// decimals; with shorten, keeps fewer decimals as the figure panes need them
// (none from n places before the comma on), rounding as Zahltext does.
// On failure the text becomes empty and the result is false.
bool FormatiereTausender(std::string& text, bool shorten, int n);

// n significant digits, decimal comma, trailing zeros removed.
// Fails (text unchanged) for n < 1, x < 0 or x >= 10^n - 0.5.
bool FormatiereStellen(const double& x, std::string& text, int n);

// About n decimals for values from 0.01 to below 1000 (see the digit rule),
// decimal comma, zeros kept. Fails (text unchanged) like FormatiereStellen.
bool FormatiereNachkomma(const double& x, std::string& text, int n);

// Text with a decimal comma from n significant digits, as written into the
// data bases ("12,3450", "0,05", "0,").
std::string DoubleToKomma(double x, int n);

// The decimal digits of value; returns text.
std::string& IntToString(std::string& text, const int& value);

// The folder of the program file, without a trailing separator; empty when
// it cannot be found.
std::string ProgrammOrdner();

} // namespace zeva
