// Fixed-point texts in fields and centring, under a Russian and a C decimal separator.
#include <gtest/gtest.h>

#include <cmath>

#include "NumberFormat.h"

namespace {

class FixedText : public testing::Test {
protected:
    void TearDown() override { SetDecimalSeparator("."); }
};

TEST_F(FixedText, FollowsTheRegionalSeparator) {
    SetDecimalSeparator(",");
    EXPECT_EQ(FormatFixed(3.14159, 10, 2), "      3,14");
    EXPECT_EQ(FormatFixed(3.7, 5, 0), "   4,");
    EXPECT_EQ(FormatFixed(-0.5, 9, 5), " -0,50000");
    EXPECT_EQ(FormatFixed(12345.678, 10, 3), " 12345,678");
    SetDecimalSeparator(".");
    EXPECT_EQ(FormatFixed(3.14159, 10, 2), "      3.14");
    EXPECT_EQ(FormatFixed(3.7, 5, 0), "   4.");
    EXPECT_EQ(FormatFixed(0, 7, 4), " 0.0000");
    EXPECT_EQ(FormatFixed(-0.0, 7, 4), " 0.0000");
}

TEST_F(FixedText, CutsTheDecimalsOfATextTooLong) {
    SetDecimalSeparator(",");
    EXPECT_EQ(FormatFixed(12345.6, 12, 9), "12345,600000");
    EXPECT_EQ(FormatFixed(1234.5678, 7, 4), "1234,56");
    EXPECT_EQ(FormatFixed(1234567.8, 7, 1), "1234567");
}

TEST_F(FixedText, NeverDropsIntegerDigits) {
    SetDecimalSeparator(",");
    EXPECT_EQ(FormatFixed(123456789, 7, 4), "1,2E+08");
    EXPECT_EQ(FormatFixed(-123456789, 9, 5), "-1,23E+08");
    EXPECT_EQ(FormatFixed(1.5e300, 15, 9), "1,50000000E+300");
}

TEST_F(FixedText, ExponentFormFitsTheField) {
    for (double v : {1e16, -1e16, 9.99999999e99, 1.7976931348623157e308, -1.7976931348623157e308}) {
        for (int width : {7, 9, 10, 12, 15}) {
            std::string text = FormatFixed(v, static_cast<std::int16_t>(width), 4);
            EXPECT_LE(text.size(), static_cast<std::size_t>(width))
                << v << " " << width << " " << text;
            EXPECT_NE(text.find('E'), std::string::npos) << text;
        }
    }
}

TEST(CenterText, CentresWithTheOddBlankOnTheRight) {
    std::string text = "abc";
    EXPECT_EQ(CenterText(text, 8), "  abc   ");
    text = "      3,14";
    EXPECT_EQ(CenterText(text, 10), "   3,14   ");
    EXPECT_EQ(text, "3,14");  // trimmed in the caller's variable too
    text = "  НЕТ РЕШЕНИЯ !!!  ";
    EXPECT_EQ(CenterText(text, 19), "  НЕТ РЕШЕНИЯ !!!  ");
    text = "toolong";
    EXPECT_EQ(CenterText(text, 3), "toolong");
}

}  // namespace
