#include "model/KurznameFeld.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeva {
namespace {

TEST(KurznameFeld, KuerztAufNeunzehnZeichen)
{
    struct Fall {
        std::string text;
        std::string erwartet;
    };
    const std::vector<Fall> faelle = {
        {"W 3", "W 3"},
        {"1234567890123456789", "1234567890123456789"},
        {"12345678901234567890", "1234567890123456789"},
        // 18 ASCII characters and two umlauts: 19 characters, 21 bytes; the
        // second umlaut goes whole, not half.
        {"123456789012345678ÄÖ", "123456789012345678Ä"},
        {"ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ", "ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ"},
        // A four-byte character counts as one.
        {"🏠23456789012345678901", "🏠234567890123456789"},
        {"", ""},
    };
    for (const auto& f : faelle) {
        KurznameFeld k;
        k = f.text;
        EXPECT_EQ(k.str(), f.erwartet) << f.text;
        EXPECT_EQ(KurznameFeld(f.text.c_str()).str(), f.erwartet) << f.text;
    }
}

} // namespace
} // namespace zeva
