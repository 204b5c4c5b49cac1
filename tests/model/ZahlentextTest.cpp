// Rounding and number text. The suite runs once under LANG=C and once under
// de_DE.UTF-8 with the same expectations: the C runtime locale must change
// nothing in what we read or show.
#include "model/Zahlentext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace zeva {
namespace {

// ---------------------------------------------------------------- rounding

TEST(RundeSignifikant, RoundsToSignificantDigitsHalfAwayFromZero)
{
    struct Case {
        double x;
        int n;
        double erwartet;
    };
    const Case cases[] = {
        {0.034567, 3, 0.0346},
        {1234.5, 2, 1200},
        {-2.5, 1, -3},
        {2.5, 1, 3},
        {0.0049999, 1, 0.005},
        {-0.034567, 3, -0.0346},
        {999.96, 4, 1000}, // carry into a new digit
        {123456789.0, 3, 123000000},
        {0.34567, 30, 0.34567},
        {1e-300, 3, 1e-300}, // far out: the scaling must not overflow
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(RundeSignifikant(c.x, c.n), c.erwartet) << c.x << " n=" << c.n;
}

TEST(RundeSignifikant, LimitsAndSpecialValues)
{
    EXPECT_EQ(RundeSignifikant(0.123456789, 31), 0.123456789); // n > 30: unchanged
    EXPECT_EQ(RundeSignifikant(1234.5, 0), 0);
    EXPECT_EQ(RundeSignifikant(1234.5, -2), 0);
    EXPECT_EQ(RundeSignifikant(0, 3), 0);
    EXPECT_TRUE(std::isinf(RundeSignifikant(std::numeric_limits<double>::infinity(), 3)));
    EXPECT_TRUE(std::isnan(RundeSignifikant(std::nan(""), 3)));
    // Up to 30 digits: an integer cast would overflow here.
    EXPECT_DOUBLE_EQ(RundeSignifikant(1.5e25, 30), 1.5e25);
    // A whole number with more digits than a double holds stays as it is.
    EXPECT_EQ(RundeSignifikant(4503599627370497.0, 30), 4503599627370497.0);
}

TEST(RundeNachkomma, FollowsTheFormulaInDoubleArithmetic)
{
    struct Case {
        double x;
        int n;
        double erwartet;
    };
    const Case cases[] = {
        // 2.675 · 100 is exactly 267.5 in double, so it rounds up...
        {2.675, 2, 2.68},
        // ...while 1.005 · 100 stays just below 100.5.
        {1.005, 2, 1.00},
        {-2.675, 2, -2.68},
        {0.5, 0, 1},
        {-0.5, 0, -1},
        {2.4, -3, 2}, // a negative n counts as 0
        {1.23456, 3, 1.235},
        {0.1 + 0.2, 1, 0.3},
        {0, 2, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RundeNachkomma(c.x, c.n), c.erwartet) << c.x << " n=" << c.n;
}

TEST(RundeNachkomma, LimitsAndSpecialValues)
{
    EXPECT_EQ(RundeNachkomma(2.675, 31), 2.675);
    // A value without digits that far out is returned unchanged, not moved
    // by an ulp.
    EXPECT_EQ(RundeNachkomma(4503599627370497.0, 2), 4503599627370497.0);
    EXPECT_EQ(RundeNachkomma(1e300, 30), 1e300);
    EXPECT_TRUE(std::isinf(RundeNachkomma(-std::numeric_limits<double>::infinity(), 2)));
}

// ---------------------------------------------------------------- air layers

TEST(LuftschichtWert, PiecewiseByThicknessAndCase)
{
    struct Case {
        double d;
        int fall;
        double erwartet;
    };
    const Case cases[] = {
        {0, 0, 1e8},          {0, 1, 1e8},          {0, 2, 1e8},
        {5e-9, 2, 1e8},       {0.005, 0, 0.14},     {0.005, 1, 0.14},
        {0.005, 2, 0.15},     {0.03, 0, 0.155},     {0.03, 1, 0.15},
        {0.03, 2, 0.18},      {0.05, 0, 0.18},      {0.1, 0, 0.17},
        {0.1, 1, 0.16},       {0.1, 2, 0.21},       {0.2, 0, 0.16},
        {0.2, 1, 0.16},       {0.2, 2, 0.21},       {0.15, 0, 0.16},
        {0.03, 3, 0},         {0.03, -1, 0},        {0, 7, 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(LuftschichtWert(c.d, c.fall), c.erwartet) << c.d << " case " << c.fall;
}

TEST(LuftschichtWert, WallJumpsAtFiveCentimetres)
{
    EXPECT_NEAR(LuftschichtWert(0.049, 0), 0.16925, 1e-12);
    EXPECT_DOUBLE_EQ(LuftschichtWert(0.05, 0), 0.18);
}

// ---------------------------------------------------------------- unit scaling

TEST(SkaliereEinheit, ValueFieldScaling)
{
    struct Case {
        double x;
        double erwartet;
        int steps;
    };
    const Case cases[] = {
        {123456, 123, 3},
        {12345, 12.3, 3},
        {9999, 10000, 0}, // one division would leave 9.999, not above 10
        {-123456, -123, 3},
        {1234, 1230, 0},
        {1235, 1240, 0}, // ties away from zero
        {123.4, 123, 0},
        {1.23456, 1.23, 0},
        {0.0123456, 0.0123, 0},
        {123456789, 123, 6},
        {0.000001, 0, 0}, // values of 0.00001 and below are not scaled
        {0, 0, 0},
    };
    for (const auto& c : cases) {
        int steps = -1;
        EXPECT_DOUBLE_EQ(SkaliereEinheit(c.x, steps, 3, 3, true), c.erwartet) << c.x;
        EXPECT_EQ(steps, c.steps) << c.x;
    }
}

TEST(SkaliereEinheit, UnlimitedKeepsTheFirstDivision)
{
    int steps = -1;
    EXPECT_DOUBLE_EQ(SkaliereEinheit(9999, steps, 3, 3, false), 10);
    EXPECT_EQ(steps, 3);
}

TEST(SkaliereEinheit, DegenerateArgumentsEnd)
{
    int steps = -1;
    EXPECT_DOUBLE_EQ(SkaliereEinheit(5000, steps, 0, 3, true), 5000);
    EXPECT_EQ(steps, 0);
    EXPECT_TRUE(std::isinf(SkaliereEinheit(std::numeric_limits<double>::infinity(), steps, 3, 3, true)));
    EXPECT_EQ(steps, 0);
}

// ---------------------------------------------------------------- reading

struct LeseFall {
    const char* text;
    double value;
    bool ok;
};

TEST(LeseZahl, ReadsTheWholeFieldWithDecimalComma)
{
    const LeseFall cases[] = {
        {"", 0, true},
        {"12,5", 12.5, true},
        {"12,5x", 12.5, false},
        {"12.5", 12, false}, // a point is no decimal separator here
        {"1.234,5", 1, false},
        {"  7,25", 7.25, true}, // leading blanks are skipped
        {"\t-3", -3, true},
        {"7,25 ", 7.25, false}, // trailing blanks are left over
        {"   ", 0, false},
        {"+4", 4, true},
        {"-0,5", -0.5, true},
        {",5", 0.5, true},
        {"5,", 5, true},
        {",", 0, false},
        {"-", 0, false},
        {"1,5e3", 1500, true},
        {"2E-2", 0.02, true},
        {"3e", 3, false}, // an exponent needs digits
        {"3e+", 3, false},
        {"1e999", 1, false}, // out of range: the digits before the exponent
        {"1e-999", 0, true}, // too small for a double: zero
        {"inf", 0, false},
        {"-Infinity", 0, false},
        {"nan", 0, false},
        {"NAN(123)", 0, false},
        {"0x10", 0, false},
        {"0X1p3", 0, false},
        {"12,5,3", 12.5, false},
        {"abc", 0, false},
        {"0,1", 0.1, true},
        {"00012", 12, true},
    };
    for (const auto& c : cases) {
        double value = -99;
        EXPECT_EQ(LeseZahl(c.text, value), c.ok) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(value, c.value) << '"' << c.text << '"';
    }
}

TEST(LeseZahl, ConvertsLongDigitStringsExactly)
{
    double value = 0;
    ASSERT_TRUE(LeseZahl("0,1000000000000000055511151231257827021181583404541015625", value));
    EXPECT_EQ(value, 0.1);
    // The largest double written out in full: 309 digits.
    ASSERT_TRUE(LeseZahl("17976931348623157" + std::string(292, '0'), value));
    EXPECT_EQ(value, std::numeric_limits<double>::max());
    // One digit more is beyond any double: no number, and no infinity either.
    EXPECT_FALSE(LeseZahl("17976931348623157" + std::string(293, '0'), value));
    EXPECT_EQ(value, 0);
}

TEST(LeseZahl, ExplicitSeparatorForFilesOfOurs)
{
    const LeseFall cases[] = {
        {"12.5", 12.5, true},
        {"12,5", 12, false},
        {" -0.25e1", -2.5, true},
        {"nan", 0, false},
    };
    for (const auto& c : cases) {
        double value = -99;
        EXPECT_EQ(LeseZahl(c.text, value, '.'), c.ok) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(value, c.value) << '"' << c.text << '"';
    }
}

// ---------------------------------------------------------------- grouping

TEST(FormatiereTausender, GermanGroupingWithTwoDecimals)
{
    struct Case {
        const char* text;
        bool shorten;
        int n;
        const char* erwartet;
    };
    const Case cases[] = {
        {"1234567,891", false, 0, "1.234.567,89"},
        {"1234567.891", false, 0, "1.234.567,89"},
        // Shortening rounds to the decimals kept, as every other figure
        // text does; it never cuts (387,6 m² is 388 m² on every page).
        {"1234567,891", true, -1, "1.234.568"},
        {"12,345", true, 3, "12,3"}, // rounded on its own digits, not via 12,35
        {"12,36", true, 3, "12,4"},
        {"387,6", true, 3, "388"},
        {"99,96", true, 3, "100,0"},
        {"12,345", false, 0, "12,35"}, // the text's own digits round half away
        {"0,125", false, 0, "0,13"},
        {"-0,125", false, 0, "-0,13"},
        {"999,995", false, 0, "1.000,00"},
        {"-1234", false, 0, "-1.234,00"},
        {"123", false, 0, "123,00"},
        {"1000", false, 0, "1.000,00"},
        {"100000", false, 0, "100.000,00"},
        {"007", false, 0, "7,00"},
        {",5", false, 0, "0,50"},
        {"-0,001", false, 0, "0,00"},
        {"1,23", true, 3, "1,23"},
        {"123,45", true, 3, "123"},
        {"1234,5", true, 3, "1.235"},
        {"12", true, -1, "12"},
        {"-1234", true, -1, "-1.234"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_TRUE(FormatiereTausender(text, c.shorten, c.n)) << c.text;
        EXPECT_EQ(text, c.erwartet) << c.text;
    }
}

TEST(Zahltext, OneRoundingRuleForEveryPlaceThatShowsAFigure)
{
    struct Case {
        double x;
        int nachkomma, signifikant;
        bool tausender;
        const char* erwartet;
    };
    const Case cases[] = {
        {320.1, 2, 3, true, "320,00"},  // the balance page
        {320.1, 1, 3, true, "320,0"},   // the same flow in the Sankey
        {387.6, 0, 0, true, "388"},     // an area in the side bar
        {0.625, 2, 0, true, "0,63"},    // half away from zero on the decimal digits
        {-0.625, 2, 0, true, "-0,63"},
        {2.675, 2, 0, true, "2,68"},    // not 2,67 of the binary value
        {1234.5, 2, 3, true, "1.230,00"},
        {1234.5, 0, 0, true, "1.235"},
        {1234.5, 0, 0, false, "1235"},
        {6000, 0, 0, true, "6.000"},
        {-0.001, 2, 0, true, "0,00"},  // no "-0,00"
        {9.996, 2, 0, true, "10,00"},
        // The cut to significant digits is made on the decimal digits too:
        // 1.005 and 0.0145 lie just below their ties as doubles.
        {1.005, 2, 3, true, "1,01"},
        {-1.005, 2, 3, true, "-1,01"},
        {0.0145, 4, 2, true, "0,0150"},
        {2.675, 2, 3, true, "2,68"},
        {27040, 0, 3, true, "27.000"},
        {99950, 0, 3, true, "100.000"},
        {946.45, 1, 3, true, "946,0"},
        {0.0012345, 6, 3, true, "0,001230"},
        {0, 2, 3, true, "0,00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Zahltext(c.x, c.nachkomma, c.signifikant, c.tausender), c.erwartet) << c.x;
    EXPECT_EQ(Zahltext(std::numeric_limits<double>::infinity(), 2), "");
    EXPECT_EQ(Zahltext(std::nan(""), 2), "");
}

// The named variants of Zahltext: money in whole euros, key figures to three
// digits with decimals only as far as they reach; both round on the shown
// digits as Zahltext does.
TEST(Zahltext, MoneyAndKeyFiguresAreNamedVariantsOfTheOneRule)
{
    struct Fall {
        double wert;
        const char* geld;
        const char* kennwert;
    };
    const Fall faelle[] = {
        {0.625, "1", "0,625"},         {2.675, "3", "2,68"},       {12141.8732782369, "12.142", "12.100"},
        {123.5, "124", "124"},         {27040, "27.040", "27.000"}, {9.996, "10", "10,0"},
        {-1234.5, "-1.235", "-1.230"}, {0.0123456, "0", "0,0123"},  {0, "0", "0"},
        {999.6, "1.000", "1.000"},     {0.5, "1", "0,500"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wert);
        EXPECT_EQ(Geldtext(f.wert), f.geld);
        EXPECT_EQ(Kennwerttext(f.wert), f.kennwert);
        EXPECT_EQ(Geldtext(f.wert), Zahltext(GanzeEuro(f.wert), 0));
    }
    EXPECT_EQ(GanzeEuro(900.5), 901);
    EXPECT_EQ(GanzeEuro(-900.5), -901);
    EXPECT_EQ(GanzeEuro(12141.8732782369), 12142);
    EXPECT_EQ(Kennwerttext(std::nan("")), "");
}

TEST(FormatiereTausender, TextThatIsNoNumberBecomesEmpty)
{
    for (const char* falsch : {"", "abc", "12a", " 12", "1e+06", "1.2.3", "--1", "+5", "-", "1.234,5"}) {
        std::string text = falsch;
        EXPECT_FALSE(FormatiereTausender(text, true, 3)) << '"' << falsch << '"';
        EXPECT_EQ(text, "") << '"' << falsch << '"';
    }
}

// ---------------------------------------------------------------- significant digits

TEST(FormatiereStellen, SignificantDigitsWithDecimalComma)
{
    struct Case {
        double x;
        int n;
        const char* erwartet;
    };
    const Case cases[] = {
        {12.5, 4, "12,5"},
        {0.347, 3, "0,347"},
        {0.0347, 3, "0,0347"},
        {300, 3, "300"}, // zeros go only after the separator
        {0, 3, "0"},
        {2.5, 1, "3"},     // a tie rounds away from zero, not to even
        {0.125, 2, "0,13"},
        {2.675, 3, "2,68"},
        {1.005, 3, "1"},
        {999.4, 3, "999"},
        {9.996, 3, "10"},
        {0.0001234, 2, "0,00012"},
        {1234567.891, 10, "1234567,891"},
        {0.1, 10, "0,1"},
        {123.456, 5, "123,46"},
        {1, 20, "1"}, // more digits than a double has
    };
    for (const auto& c : cases) {
        std::string text = "alt";
        EXPECT_TRUE(FormatiereStellen(c.x, text, c.n)) << c.x << " n=" << c.n;
        EXPECT_EQ(text, c.erwartet) << c.x << " n=" << c.n;
    }
}

TEST(FormatiereStellen, RefusedValuesLeaveTheTextUnchanged)
{
    struct Case {
        double x;
        int n;
    };
    const Case cases[] = {
        {999.6, 3},
        {999.5, 3},
        {1000, 3},
        {-0.5, 3},
        {-1e-300, 10},
        {5, 0},
        {5, -1},
        {std::numeric_limits<double>::infinity(), 10},
        {std::nan(""), 10},
    };
    for (const auto& c : cases) {
        std::string text = "alt";
        EXPECT_FALSE(FormatiereStellen(c.x, text, c.n)) << c.x << " n=" << c.n;
        EXPECT_EQ(text, "alt") << c.x << " n=" << c.n;
    }
}

// ---------------------------------------------------------------- decimals

TEST(FormatiereNachkomma, DigitCountFollowsTheMagnitude)
{
    struct Case {
        double x;
        int n;
        const char* erwartet;
    };
    const Case cases[] = {
        {1234.5678, 2, "1234,6"},
        {9.996, 2, "10,0"}, // the carry costs one decimal
        {0.5, 2, "0,50"},
        {12.345, 2, "12,35"},
        {123.456, 2, "123,46"},
        {5, 2, "5,00"},
        {0.05, 2, "0,05"},
        {0.095, 2, "0,10"}, // rounds up to 0,1 and gets its second decimal back
        {0.1, 2, "0,10"},
        {0, 2, "0,00"},
        {0.12345, 3, "0,123"},
        {1000, 2, "1000,0"},
        {12345.6, 2, "12346,"}, // no decimal left, the separator stays
    };
    for (const auto& c : cases) {
        std::string text = "alt";
        EXPECT_TRUE(FormatiereNachkomma(c.x, text, c.n)) << c.x << " n=" << c.n;
        EXPECT_EQ(text, c.erwartet) << c.x << " n=" << c.n;
    }
}

TEST(FormatiereNachkomma, RefusedValuesLeaveTheTextUnchanged)
{
    struct Case {
        double x;
        int n;
    };
    const Case cases[] = {
        {-1, 2},
        {0.05, 1}, // one digit less than one decimal: none left
        {0.5, 0},  // below 1 the digit count is n: none
        {99999.6, 2}, // five digits from 100 on
        {std::nan(""), 2},
    };
    for (const auto& c : cases) {
        std::string text = "alt";
        EXPECT_FALSE(FormatiereNachkomma(c.x, text, c.n)) << c.x << " n=" << c.n;
        EXPECT_EQ(text, "alt") << c.x << " n=" << c.n;
    }
}

// ---------------------------------------------------------------- data base text

TEST(DoubleToKomma, CommaTextFromSignificantDigits)
{
    struct Case {
        double x;
        int n;
        const char* erwartet;
    };
    const Case cases[] = {
        {12.345, 5, "12,3450"},
        {12, 5, "12,0"},
        {100000, 5, "100000,0"},
        {0.05, 5, "0,05"},
        {-0.5, 5, "-0,5"},
        {0, 5, "0,"},
        {-12.5, 5, "-12,50"},
        {123456789, 3, "123000000,0"},
        {0.999999, 5, "1,0"},
        {2.5, 1, "3,0"},
        {0.00125, 2, "0,0013"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DoubleToKomma(c.x, c.n), c.erwartet) << c.x << " n=" << c.n;
}

// ---------------------------------------------------------------- integers, folder

TEST(IntToString, DecimalDigits)
{
    struct Case {
        int value;
        const char* erwartet;
    };
    const Case cases[] = {
        {0, "0"}, {42, "42"}, {-7, "-7"}, {1234567, "1234567"},
        {std::numeric_limits<int>::min(), "-2147483648"},
    };
    for (const auto& c : cases) {
        std::string text = "alt";
        EXPECT_EQ(&IntToString(text, c.value), &text);
        EXPECT_EQ(text, c.erwartet);
    }
}

TEST(ProgrammOrdner, IsTheFolderOfTheTestProgram)
{
    const std::string ordner = ProgrammOrdner();
    ASSERT_FALSE(ordner.empty());
    EXPECT_NE(ordner.back(), '/');
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(std::filesystem::path(ordner), exe.parent_path());
    EXPECT_TRUE(std::filesystem::is_directory(ordner));
}

// ---------------------------------------------------------------- locale

bool DeutscherLauf()
{
    const char* lang = std::getenv("LANG");
    const char* erwartet = std::getenv("ZEVA_EXPECT_GERMAN_LOCALE");
    return (lang != nullptr && std::strncmp(lang, "de_DE", 5) == 0)
        || (erwartet != nullptr && std::strcmp(erwartet, "1") == 0);
}

// The German run takes the C runtime locale from the environment, as a
// program started by a German user would have it, so that every test of
// this file runs with a decimal comma in the C runtime.
class DeutscheLaufzeit : public testing::Environment {
public:
    void SetUp() override
    {
        if (DeutscherLauf() && std::setlocale(LC_ALL, "") == nullptr) {
            std::fputs("de_DE.UTF-8 is not installed: run tools/install-deps\n", stderr);
            std::exit(3);
        }
    }
};
[[maybe_unused]] testing::Environment* const g_deutscheLaufzeit =
    testing::AddGlobalTestEnvironment(new DeutscheLaufzeit);

// The German run is real: there the C runtime writes a decimal comma, so
// the other tests of this file prove that our text does not follow it.
TEST(ZahlentextLocale, RunUsesTheRequestedRuntimeLocale)
{
    EXPECT_STREQ(std::localeconv()->decimal_point, DeutscherLauf() ? "," : ".");
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.1f", 2.5);
    EXPECT_STREQ(puffer, DeutscherLauf() ? "2,5" : "2.5");
}

// Every helper gives the same text under the C locale and the German one,
// within one process.
TEST(ZahlentextLocale, SameTextUnderCAndGerman)
{
    auto alles = [] {
        std::vector<std::string> texte;
        std::string t;
        for (double x : {0.0, 0.125, 2.5, 12.5, 999.4, 1234.5678}) {
            t = "-";
            FormatiereStellen(x, t, 4);
            texte.push_back(t);
            t = "-";
            FormatiereNachkomma(x, t, 2);
            texte.push_back(t);
            texte.push_back(DoubleToKomma(x, 5));
        }
        for (const char* s : {"1234567,891", "12,345", "-0,5"}) {
            t = s;
            FormatiereTausender(t, false, 0);
            texte.push_back(t);
        }
        for (const char* s : {"12,5", "12.5", "1e3", " 0,25"}) {
            double v = -1;
            const bool ok = LeseZahl(s, v);
            texte.push_back(DoubleToKomma(v, 6) + (ok ? "+" : "-"));
        }
        return texte;
    };

    const std::string vorher = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    const auto imC = alles();
    // tools/install-deps makes the locale; without it this check would
    // prove nothing, so it fails rather than passing unseen.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        std::setlocale(LC_ALL, vorher.c_str());
        FAIL() << "de_DE.UTF-8 is not installed";
    }
    const auto deutsch = alles();
    std::setlocale(LC_ALL, vorher.c_str());
    EXPECT_EQ(imC, deutsch);
    EXPECT_EQ(imC[1 * 3], "0,125"); // FormatiereStellen(0.125, 4)
    EXPECT_EQ(imC.back(), "0,25+");
}

} // namespace
} // namespace zeva
