#include "model/Zahlentext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace zeva {

namespace {

// From 2^52 on every double is a whole number; adding 0.5 there could only
// round up to the next whole number and spoil a value that needs no rounding.
constexpr double kGanzAb = 4503599627370496.0;

// A double carries at most 17 meaningful significant digits; digits asked
// for beyond those are zeros.
constexpr int kMaxRechenStellen = 17;

double ZehnHoch(int k)
{
    return std::pow(10.0, k);
}

// a · 10^k. A negative power divides by the exact power of ten, so that the
// result is the double nearest to the decimal value (0.0346, not
// 0.034600000000000006); huge powers go in steps so that neither factor
// overflows on the way.
double MalZehnHoch(double a, int k)
{
    while (k > 300) {
        a *= 1e300;
        k -= 300;
    }
    while (k < -300) {
        a /= 1e300;
        k += 300;
    }
    return k >= 0 ? a * ZehnHoch(k) : a / ZehnHoch(-k);
}

// The integer part of v + 0.5 for v >= 0: rounding half away from zero.
double GanzHalbWeg(double v)
{
    if (v >= kGanzAb)
        return v;
    return std::floor(v + 0.5);
}

// The m significant digits of a >= 0, rounded half away from zero in double
// arithmetic, and the decimal exponent e: the value is 0.<ziffern> · 10^e,
// so e is the number of digits before the decimal point (0 or negative
// below 1). Zero gives m zeros and e = 0.
struct Ziffern {
    std::string ziffern;
    int exponent = 0;
};

Ziffern SignifikanteZiffern(double a, int m)
{
    Ziffern z;
    if (a == 0) {
        z.ziffern.assign(static_cast<std::size_t>(m), '0');
        return z;
    }
    const int rechen = std::min(m, kMaxRechenStellen);
    const double tief = ZehnHoch(rechen - 1);
    const double hoch = ZehnHoch(rechen);
    int e = static_cast<int>(std::floor(std::log10(a))) + 1;
    double r = 0;
    // log10 may miss the exponent by one near a power of ten, and rounding
    // may carry into a new digit (9.996 → 10.0): both are put right by taking
    // the neighbouring exponent.
    for (int versuch = 0; versuch < 4; ++versuch) {
        r = GanzHalbWeg(MalZehnHoch(a, rechen - e));
        if (r >= hoch)
            ++e;
        else if (r < tief)
            --e;
        else
            break;
    }
    char puffer[400];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, r, std::chars_format::fixed, 0);
    z.ziffern.assign(puffer, ergebnis.ptr);
    z.ziffern.resize(static_cast<std::size_t>(m), '0');
    z.exponent = e;
    return z;
}

// Integer part, separator and fraction of the m digits of x >= 0, zeros kept.
std::string StellenText(double x, int m, char trenner)
{
    const Ziffern z = SignifikanteZiffern(x, m);
    std::string text;
    if (z.exponent > 0) {
        const auto e = static_cast<std::size_t>(z.exponent);
        std::string ganz = z.ziffern.substr(0, std::min(e, z.ziffern.size()));
        ganz.resize(e, '0');
        text = ganz;
        text += trenner;
        if (e < z.ziffern.size())
            text += z.ziffern.substr(e);
    } else {
        const auto nullen = static_cast<std::size_t>(-z.exponent);
        text.reserve(2 + nullen + z.ziffern.size());
        text.push_back('0');
        text.push_back(trenner);
        text.append(nullen, '0');
        text.append(z.ziffern);
    }
    return text;
}

// Removes trailing "0" characters, never past the decimal separator.
void EntferneNachnullen(std::string& text, char trenner)
{
    if (text.find(trenner) == std::string::npos)
        return;
    while (!text.empty() && text.back() == '0')
        text.pop_back();
}

bool IstBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

// Converts a number already checked by the reader ("-12.5e3" form) without
// any locale. Values too small for a double become zero, as they are;
// values too large are no number.
bool Umwandeln(const std::string& zahl, double& value)
{
    double v = 0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), v,
                                                std::chars_format::general);
    if (fehler == std::errc() && ende == zahl.data() + zahl.size() && std::isfinite(v)) {
        value = v;
        return true;
    }
    if (fehler == std::errc::result_out_of_range) {
        // Tell underflow from overflow by the position of the first
        // significant digit and the exponent.
        long long exponent = 0;
        const std::size_t e = zahl.find_first_of("eE");
        const std::string mantisse = zahl.substr(0, e);
        if (e != std::string::npos) {
            const std::string_view exp(zahl.data() + e + 1, zahl.size() - e - 1);
            long long wert = 0;
            const auto gelesen = std::from_chars(exp.data() + (exp.front() == '+' ? 1 : 0),
                                                 exp.data() + exp.size(), wert);
            // An exponent beyond long long is beyond any double either way.
            exponent = gelesen.ec == std::errc() ? wert : (exp.front() == '-' ? -100000 : 100000);
        }
        const std::size_t punkt = mantisse.find('.');
        const std::size_t erste = mantisse.find_first_of("123456789");
        long long lage = 0; // decimal position of the first significant digit
        if (erste != std::string::npos) {
            const std::size_t bezug = punkt == std::string::npos ? mantisse.size() : punkt;
            lage = erste < bezug ? static_cast<long long>(bezug - erste)
                                 : -static_cast<long long>(erste - bezug - 1);
        }
        if (erste == std::string::npos || lage + exponent < 0) {
            value = zahl.front() == '-' ? -0.0 : 0.0;
            return true;
        }
    }
    return false;
}

} // namespace

double RundeSignifikant(double x, int n)
{
    if (n > 30)
        return x;
    if (n <= 0 || x == 0)
        return 0;
    if (!std::isfinite(x))
        return x;
    const double a = std::fabs(x);
    const int d = static_cast<int>(std::floor(std::log10(a)));
    const double r = GanzHalbWeg(MalZehnHoch(a, n - d - 1));
    const double ergebnis = MalZehnHoch(r, d - n + 1);
    return x < 0 ? -ergebnis : ergebnis;
}

double RundeNachkomma(double x, int n)
{
    if (n > 30)
        return x;
    if (n < 0)
        n = 0;
    if (x == 0)
        return 0;
    if (!std::isfinite(x))
        return x;
    const double a = std::fabs(x);
    const double skaliert = MalZehnHoch(a, n);
    if (!std::isfinite(skaliert) || skaliert >= kGanzAb)
        return x; // no digit of x lies as far out as the n-th decimal
    const double ergebnis = MalZehnHoch(std::floor(skaliert + 0.5), -n);
    return x < 0 ? -ergebnis : ergebnis;
}

double LuftschichtWert(double d, int fall)
{
    if (fall < 0 || fall > 2)
        return 0;
    if (d < 1e-8)
        return 1e8;
    if (d < 0.01)
        return fall == 2 ? 0.15 : 0.14;
    if (d < 0.05) {
        switch (fall) {
        case 0: return 0.14 + (d - 0.01) * 0.75;
        case 1: return 0.14 + (d - 0.01) * 0.5;
        default: return 0.15 + (d - 0.01) * 1.5;
        }
    }
    if (d < 0.15) {
        switch (fall) {
        case 0: return 0.18 - (d - 0.05) * 0.2;
        case 1: return 0.16;
        default: return 0.21;
        }
    }
    return fall == 2 ? 0.21 : 0.16;
}

double SkaliereEinheit(double x, int& steps, int a, int b, bool limited)
{
    steps = 0;
    if (!std::isfinite(x))
        return x;
    // Keeps the loops finite for any arguments; the value field asks for 3 and 3.
    b = std::clamp(b, -300, 300);

    double v = std::fabs(x);
    int s = 0;
    if (a >= 1) {
        const double teiler = ZehnHoch(a);
        while (v > teiler) {
            v = MalZehnHoch(v, -a);
            ++s;
        }
    }
    if (limited && s == 1 && v <= 10) {
        v = std::fabs(x);
        s = 0;
    }
    steps = s * a;

    const double grenze = ZehnHoch(b);
    int k = 0;
    if (v > grenze) {
        while (v > grenze) {
            v /= 10;
            ++k;
        }
    } else if (v > 0.00001) {
        while (v < grenze) {
            v *= 10;
            --k;
        }
        v /= 10;
        ++k;
    }
    const double ergebnis = MalZehnHoch(GanzHalbWeg(v), k);
    return x < 0 ? -ergebnis : ergebnis;
}

bool LeseZahl(std::string_view text, double& value)
{
    return LeseZahl(text, value, DezimalTrenner);
}

bool LeseZahl(std::string_view text, double& value, char dezimalTrenner)
{
    value = 0;
    if (text.empty())
        return true;

    std::size_t i = 0;
    while (i < text.size() && IstBlank(text[i]))
        ++i;

    std::string zahl; // the accepted part in the form from_chars reads
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            zahl += '-';
        ++i;
    }
    std::size_t ziffern = 0;
    while (i < text.size() && IstZiffer(text[i])) {
        zahl += text[i++];
        ++ziffern;
    }
    std::size_t nachTrenner = i;
    if (i < text.size() && text[i] == dezimalTrenner) {
        std::string bruch;
        std::size_t j = i + 1;
        while (j < text.size() && IstZiffer(text[j]))
            bruch += text[j++];
        if (ziffern + bruch.size() > 0) {
            zahl += '.';
            zahl += bruch;
            ziffern += bruch.size();
            nachTrenner = j;
        }
    }
    if (ziffern == 0)
        return false; // no number at all: "inf", "nan", "abc", a lone sign
    i = nachTrenner;

    if (!Umwandeln(zahl, value)) {
        value = 0;
        return false;
    }
    const double mantisse = value;

    // The exponent belongs to the number only with at least one digit.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        if (j < text.size() && IstZiffer(text[j])) {
            while (j < text.size() && IstZiffer(text[j]))
                exponent += text[j++];
            if (!Umwandeln(zahl + exponent, value)) {
                value = mantisse; // what the digits before the exponent give
                return false;
            }
            i = j;
        }
    }
    return i == text.size();
}

namespace {

// The digits of a number text: sign, integer and decimal digits.
struct Dezimalziffern {
    bool negativ = false;
    std::string ganz;
    std::string bruch;
};

// Reads an optional leading minus, digits and at most one decimal point
// ("," or "."); nothing else (no blanks, no grouping, no exponent).
bool LeseDezimalziffern(std::string_view text, Dezimalziffern& z)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        z.negativ = true;
        ++i;
    }
    bool punkt = false;
    for (; i < text.size(); ++i) {
        if (IstZiffer(text[i]))
            (punkt ? z.bruch : z.ganz) += text[i];
        else if ((text[i] == '.' || text[i] == ',') && !punkt)
            punkt = true;
        else
            return false;
    }
    return z.ganz.size() + z.bruch.size() > 0;
}

// Adds one to a string of decimal digits, carrying into a new place.
void ErhoeheUmEins(std::string& ziffern)
{
    std::size_t p = ziffern.size();
    while (p > 0) {
        --p;
        if (ziffern[p] != '9') {
            ++ziffern[p];
            return;
        }
        ziffern[p] = '0';
    }
    ziffern.insert(ziffern.begin(), '1');
}

// The digits rounded half away from zero to `stellen` decimals; a negative
// number of decimals rounds to tens, hundreds and so on.
Dezimalziffern RundeZiffern(const Dezimalziffern& z, int stellen)
{
    Dezimalziffern r;
    r.negativ = z.negativ;
    if (stellen >= 0) {
        const auto s = static_cast<std::size_t>(stellen);
        std::string bruch = z.bruch;
        bruch.resize(std::max(bruch.size(), s + 1), '0');
        std::string ziffern = (z.ganz.empty() ? std::string("0") : z.ganz) + bruch.substr(0, s);
        if (bruch[s] >= '5')
            ErhoeheUmEins(ziffern);
        r.ganz = ziffern.substr(0, ziffern.size() - s);
        r.bruch = ziffern.substr(ziffern.size() - s);
    } else {
        const auto s = static_cast<std::size_t>(-static_cast<long>(stellen));
        std::string ganz = z.ganz;
        if (ganz.size() < s + 1)
            ganz.insert(0, s + 1 - ganz.size(), '0');
        std::string ziffern = ganz.substr(0, ganz.size() - s);
        if (ganz[ganz.size() - s] >= '5')
            ErhoeheUmEins(ziffern);
        r.ganz = ziffern + std::string(s, '0');
    }
    return r;
}

// The digits rounded to n significant digits, on the digits themselves (so
// 2.675 keeps its tie and becomes 2.68, as the decimals are cut).
Dezimalziffern RundeZiffernSignifikant(const Dezimalziffern& z, int n)
{
    const std::size_t ersteGanz = z.ganz.find_first_not_of('0');
    if (ersteGanz != std::string::npos)
        return RundeZiffern(z, n - static_cast<int>(z.ganz.size() - ersteGanz));
    const std::size_t ersteBruch = z.bruch.find_first_not_of('0');
    if (ersteBruch == std::string::npos)
        return z; // zero
    return RundeZiffern(z, n + static_cast<int>(ersteBruch));
}

// The digits rounded half away from zero on the decimal digits themselves
// to `nachkomma` decimals, so that the text's own value is rounded, not a
// double's; German separators, with `tausender` "." grouping.
std::string GerundeterText(const Dezimalziffern& z, int nachkomma, bool tausender)
{
    const Dezimalziffern r = RundeZiffern(z, std::max(nachkomma, 0));
    const std::size_t ersteZiffer = r.ganz.find_first_not_of('0');
    const std::string vorne = ersteZiffer == std::string::npos ? "0" : r.ganz.substr(ersteZiffer);
    const std::string& hinten = r.bruch;
    const bool null = vorne == "0" && hinten.find_first_not_of('0') == std::string::npos;

    std::string ergebnis = r.negativ && !null ? "-" : ""; // no "-0,00"
    for (std::size_t k = 0; k < vorne.size(); ++k) {
        if (tausender && k > 0 && (vorne.size() - k) % 3 == 0)
            ergebnis += TausenderTrenner;
        ergebnis += vorne[k];
    }
    if (!hinten.empty()) {
        ergebnis += DezimalTrenner;
        ergebnis += hinten;
    }
    return ergebnis;
}

} // namespace

std::string Zahltext(double x, int nachkomma, int signifikant, bool tausender)
{
    if (!std::isfinite(x))
        return {};
    // The shortest exact text of the figure: both cuts, to the significant
    // digits and to the decimals shown, are made on its digits (0.625 shows
    // "0,63", 2.675 to three digits "2,68").
    char puffer[400];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed);
    Dezimalziffern z;
    if (fehler != std::errc() || !LeseDezimalziffern(std::string_view(puffer, static_cast<std::size_t>(ende - puffer)), z))
        return {};
    if (signifikant > 0 && signifikant <= 30)
        z = RundeZiffernSignifikant(z, signifikant);
    return GerundeterText(z, nachkomma, tausender);
}

double GanzeEuro(double betrag)
{
    return RundeNachkomma(betrag, 0);
}

std::string Geldtext(double betrag)
{
    return Zahltext(betrag, 0);
}

std::string Kennwerttext(double x)
{
    if (!std::isfinite(x))
        return {};
    if (x == 0)
        return Zahltext(0, 0);
    const int e = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    // From 100 on the digits cut off are whole places (27040 → 27000);
    // below, the decimals are cut on the shown digits as Zahltext cuts them
    // (2,675 → "2,68").
    if (e >= 2)
        return Zahltext(x, 0, 3);
    int nachkomma = 2 - e;
    // Rounding may carry into a new place (9,996 → 10,0): one decimal less.
    double gerundet = 0;
    if (nachkomma > 0 && LeseZahl(Zahltext(x, nachkomma, 0, false), gerundet) &&
        std::fabs(gerundet) >= ZehnHoch(e + 1))
        --nachkomma;
    return Zahltext(x, nachkomma);
}

bool FormatiereTausender(std::string& text, bool shorten, int n)
{
    Dezimalziffern z;
    if (!LeseDezimalziffern(text, z)) {
        text.clear();
        return false;
    }
    std::string ergebnis = GerundeterText(z, 2, true);
    if (ergebnis.size() > 254) { // the text field of the value button holds no more
        text.clear();
        return false;
    }
    if (shorten) {
        // Fewer decimals the more places stand before the comma; the figure
        // is then rounded to the decimals kept, not cut.
        int stellen = 0;
        if (n >= 0) {
            const auto p = static_cast<int>(ergebnis.find(DezimalTrenner));
            if (p < n)
                stellen = std::min(2, n - p);
        }
        ergebnis = GerundeterText(z, stellen, true);
    }
    text = ergebnis;
    return true;
}

bool FormatiereStellen(const double& x, std::string& text, int n)
{
    if (n < 1 || !(x >= 0) || std::isinf(x) || x >= ZehnHoch(n) - 0.5)
        return false;
    std::string ergebnis = StellenText(x, n, DezimalTrenner);
    EntferneNachnullen(ergebnis, DezimalTrenner);
    if (!ergebnis.empty() && ergebnis.back() == DezimalTrenner)
        ergebnis.pop_back();
    text = ergebnis;
    return true;
}

bool FormatiereNachkomma(const double& x, std::string& text, int n)
{
    int m = n + 1;
    if (x >= 10)
        ++m;
    if (x >= 100)
        ++m;
    if (x >= 0.1 && x < 1)
        m = n;
    if (x < 0.1)
        m = n - 1;
    if (x == 0)
        m = n;
    if (m < 1 || !(x >= 0) || std::isinf(x) || x >= ZehnHoch(m) - 0.5)
        return false;
    std::string ergebnis = StellenText(x, m, DezimalTrenner);
    // A value that rounds up to 0.1 has lost its second decimal to the carry.
    if (n == 2 && ergebnis == std::string("0") + DezimalTrenner + "1")
        ergebnis += '0';
    text = ergebnis;
    return true;
}

std::string DoubleToKomma(double x, int n)
{
    if (!std::isfinite(x))
        return {};
    n = std::max(n, 1);
    const bool negativ = x < 0;
    const Ziffern z = SignifikanteZiffern(std::fabs(x), n);
    std::string text = negativ ? "-" : "";
    if (z.exponent > 0) {
        const auto e = static_cast<std::size_t>(z.exponent);
        std::string ganz = z.ziffern.substr(0, std::min(e, z.ziffern.size()));
        ganz.resize(e, '0');
        text += ganz;
        text += ',';
        if (e < z.ziffern.size())
            text += z.ziffern.substr(e);
        EntferneNachnullen(text, ',');
        text += '0';
    } else {
        text += "0,";
        text.append(static_cast<std::size_t>(-z.exponent), '0');
        text += z.ziffern;
        EntferneNachnullen(text, ',');
    }
    return text;
}

std::string& IntToString(std::string& text, const int& value)
{
    char puffer[16];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, value);
    text.assign(puffer, ergebnis.ptr);
    return text;
}

std::string ProgrammOrdner()
{
    std::vector<char> puffer(256);
    for (;;) {
        const ssize_t laenge = ::readlink("/proc/self/exe", puffer.data(), puffer.size());
        if (laenge < 0)
            return {};
        if (static_cast<std::size_t>(laenge) < puffer.size()) {
            const std::string pfad(puffer.data(), static_cast<std::size_t>(laenge));
            const std::size_t schnitt = pfad.rfind('/');
            if (schnitt == std::string::npos)
                return {};
            return pfad.substr(0, schnitt);
        }
        if (puffer.size() >= (1u << 20))
            return {};
        puffer.resize(puffer.size() * 2); // the path may have been cut: try a larger buffer
    }
}

bool LeseGanzzahlToken(std::string_view token, long long& wert)
{
    if (!token.empty() && token.front() == '+') {
        token.remove_prefix(1);
        if (!token.empty() && token.front() == '-')
            return false;
    }
    if (token.empty() || token.front() == '+')
        return false;
    long long x = 0;
    const auto [p, ec] = std::from_chars(token.data(), token.data() + token.size(), x, 10);
    if (ec != std::errc() || p != token.data() + token.size())
        return false;
    wert = x;
    return true;
}

} // namespace zeva
