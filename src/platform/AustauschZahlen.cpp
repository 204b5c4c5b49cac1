#include "platform/AustauschZahlen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace zeva {

namespace {

bool IstLeer(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString OhneRand(const QString& text)
{
    qsizetype a = 0;
    qsizetype e = text.size();
    while (a < e && IstLeer(text[a]))
        ++a;
    while (e > a && IstLeer(text[e - 1]))
        --e;
    return text.mid(a, e - a);
}

bool IstZiffer(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QString AustauschZahlText(double x)
{
    return FestKommaText(x, 15);
}

QString FestKommaText(double x, int stellen)
{
    stellen = std::clamp(stellen, 1, 17);
    if (!std::isfinite(x))
        return QString();
    if (x == 0)
        return QStringLiteral("0");
    // 15 significant digits in scientific form give the digits and the
    // decimal exponent; the fixed text is built from them.
    char puffer[64];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific, stellen - 1);
    if (fehler != std::errc())
        return QString();
    const std::string wissenschaftlich(puffer, ende);
    const auto e = wissenschaftlich.find('e');
    std::string ziffern;
    bool negativ = false;
    for (std::size_t i = 0; i < e; ++i) {
        const char c = wissenschaftlich[i];
        if (c == '-')
            negativ = true;
        else if (c >= '0' && c <= '9')
            ziffern += c;
    }
    const int exponent = std::stoi(wissenschaftlich.substr(e + 1));
    while (ziffern.size() > 1 && ziffern.back() == '0')
        ziffern.pop_back();

    std::string text;
    if (exponent >= 0) {
        const auto vorKomma = static_cast<std::size_t>(exponent) + 1;
        if (ziffern.size() <= vorKomma) {
            text = ziffern + std::string(vorKomma - ziffern.size(), '0');
        } else {
            text = ziffern.substr(0, vorKomma) + ',' + ziffern.substr(vorKomma);
        }
    } else {
        text = "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + ziffern;
    }
    if (negativ)
        text.insert(text.begin(), '-');
    return QString::fromLatin1(text);
}

bool LeseAustauschZahl(const QString& text, double& wert)
{
    const QString feld = OhneRand(text);
    // Check the form first, so that nothing but this form is ever read.
    qsizetype i = 0;
    const qsizetype n = feld.size();
    if (i < n && (feld[i] == QLatin1Char('+') || feld[i] == QLatin1Char('-')))
        ++i;
    qsizetype ziffern = 0;
    while (i < n && IstZiffer(feld[i])) {
        ++i;
        ++ziffern;
    }
    if (i < n && feld[i] == QLatin1Char(',')) {
        ++i;
        while (i < n && IstZiffer(feld[i])) {
            ++i;
            ++ziffern;
        }
    }
    if (ziffern == 0)
        return false;
    if (i < n && (feld[i] == QLatin1Char('e') || feld[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (feld[i] == QLatin1Char('+') || feld[i] == QLatin1Char('-')))
            ++i;
        qsizetype exponentZiffern = 0;
        while (i < n && IstZiffer(feld[i])) {
            ++i;
            ++exponentZiffern;
        }
        if (exponentZiffern == 0)
            return false;
    }
    if (i != n)
        return false;

    std::string zahl = feld.toStdString();
    for (char& c : zahl)
        if (c == ',')
            c = '.';
    const char* anfang = zahl.c_str();
    if (*anfang == '+')
        ++anfang;
    double gelesen = 0;
    const auto [ende, fehler] = std::from_chars(anfang, zahl.c_str() + zahl.size(), gelesen);
    if (ende != zahl.c_str() + zahl.size())
        return false;
    // Out of the double range (also a value too small for it) is no number
    // that a field can hold.
    if (fehler != std::errc() || !std::isfinite(gelesen))
        return false;
    wert = gelesen;
    return true;
}

bool LeseAustauschGanzzahl(const QString& text, long long& wert, long long min, long long max)
{
    const QString feld = OhneRand(text);
    if (feld.isEmpty())
        return false;
    qsizetype i = 0;
    if (feld[0] == QLatin1Char('+') || feld[0] == QLatin1Char('-'))
        ++i;
    if (i == feld.size())
        return false;
    for (qsizetype k = i; k < feld.size(); ++k)
        if (!IstZiffer(feld[k]))
            return false;
    const std::string zahl = feld.mid(feld[0] == QLatin1Char('+') ? 1 : 0).toStdString();
    long long gelesen = 0;
    const auto [ende, fehler] = std::from_chars(zahl.c_str(), zahl.c_str() + zahl.size(), gelesen);
    if (fehler != std::errc() || ende != zahl.c_str() + zahl.size() || gelesen < min || gelesen > max)
        return false;
    wert = gelesen;
    return true;
}

} // namespace zeva
