// Number text of the dialog data exchange: German, whole field, no exponent in
// what is shown, independent of the C runtime's locale (the suite also runs
// under de_DE).
#include "platform/AustauschZahlen.h"

#include <gtest/gtest.h>
#include <limits>

namespace zeva {
namespace {

TEST(AustauschZahlText, ShortestGermanFormWithoutExponent)
{
    struct Case {
        double x;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {0.01, "0,01"},
        {100000.0, "100000"},
        {999999999999.0, "999999999999"},
        {-2.5, "-2,5"},
        {0.1 + 0.2, "0,3"},              // 15 digits hide the binary rest
        {1.0 / 3.0, "0,333333333333333"},
        {1e20, "100000000000000000000"},
        {1.5e-5, "0,000015"},
        {123456789012345678.0, "123456789012346000"},
        {2100.0, "2100"},
        {-0.035, "-0,035"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AustauschZahlText(c.x).toStdString(), c.text) << c.x;
    EXPECT_TRUE(AustauschZahlText(std::numeric_limits<double>::infinity()).isEmpty());
    EXPECT_TRUE(AustauschZahlText(std::numeric_limits<double>::quiet_NaN()).isEmpty());
}

TEST(FestKommaText, IsPercentGWithoutItsExponent)
{
    struct Case {
        double x;
        int stellen;
        const char* text;
    };
    const Case cases[] = {
        {12.345, 6, "12,345"},
        {1234567.0, 6, "1234570"},  // "%g" would write 1.23457e+06
        {0.0000123, 6, "0,0000123"}, // and 1.23e-05
        {25.0, 6, "25"},
        {-0.5, 6, "-0,5"},
        {999999.5, 6, "1000000"},
        {2.0 / 3.0, 3, "0,667"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FestKommaText(c.x, c.stellen).toStdString(), c.text) << c.x;
}

TEST(LeseAustauschZahl, AcceptsOnlyAWholeFieldWithDecimalComma)
{
    struct Case {
        const char* text;
        bool gelesen;
        double wert;
    };
    const Case cases[] = {
        {"12,5", true, 12.5},
        {"  -0,035\t", true, -0.035},
        {"+7", true, 7.0},
        {",5", true, 0.5},
        {"3,", true, 3.0},
        {"1,5e3", true, 1500.0},
        {"2E-2", true, 0.02},
        {"1.500", false, 0},    // grouping is never read
        {"0.5", false, 0},      // nor a decimal point
        {"", false, 0},
        {"   ", false, 0},
        {"12,5x", false, 0},
        {"1 000", false, 0},
        {"1,2,3", false, 0},
        {",", false, 0},
        {"-", false, 0},
        {"1e", false, 0},
        {"inf", false, 0},
        {"nan", false, 0},
        {"0x10", false, 0},
        {"1e400", false, 0},
    };
    for (const auto& c : cases) {
        double wert = -99;
        EXPECT_EQ(LeseAustauschZahl(QString::fromUtf8(c.text), wert), c.gelesen) << c.text;
        EXPECT_DOUBLE_EQ(wert, c.gelesen ? c.wert : -99) << c.text;
    }
}

TEST(LeseAustauschZahl, ReadsBackEveryShownText)
{
    for (double x : {0.0, 0.01, 1e-7, 123.456, -98765.4321, 1e15, 4.2e17, 0.1 + 0.2}) {
        double wert = 0;
        ASSERT_TRUE(LeseAustauschZahl(AustauschZahlText(x), wert)) << x;
        EXPECT_NEAR(wert, x, std::abs(x) * 1e-14) << x;
    }
}

TEST(LeseAustauschGanzzahl, WholeDigitsWithinTheType)
{
    struct Case {
        const char* text;
        bool gelesen;
        long long wert;
    };
    const Case cases[] = {
        {"1955", true, 1955},
        {" -12 ", true, -12},
        {"+3", true, 3},
        {"32767", true, 32767},
        {"32768", false, 0}, // beyond 16 bits
        {"-32769", false, 0},
        {"12,0", false, 0},
        {"1.000", false, 0},
        {"", false, 0},
        {"+", false, 0},
        {"1e3", false, 0},
        {"99999999999999999999999", false, 0},
    };
    for (const auto& c : cases) {
        long long wert = -99;
        EXPECT_EQ(LeseAustauschGanzzahl(QString::fromUtf8(c.text), wert, -32768, 32767), c.gelesen) << c.text;
        EXPECT_EQ(wert, c.gelesen ? c.wert : -99) << c.text;
    }
}

} // namespace
} // namespace zeva
