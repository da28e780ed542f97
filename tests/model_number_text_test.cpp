// Typed numbers: normalising the comma, the one parsing rule, rounding of counts.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>

#include "NumberText.h"
#include "PointSet.h"
#include "SharedState.h"

namespace {

struct NormalizeCase {
    const char* name;
    std::string typed;
    std::string normalised;
    double value;
};

class NormalizeThenValue : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeThenValue, KeepsTheTextAndReadsTheNumber) {
    const auto& c = GetParam();
    std::string stored = NormalizeNumberText(c.typed);
    EXPECT_EQ(stored, c.normalised);
    EXPECT_DOUBLE_EQ(NumberValue(stored), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    TypedTexts, NormalizeThenValue,
    testing::Values(NormalizeCase{"Empty", "", "0", 0},
                    NormalizeCase{"Comma", "12,5", "12.5", 12.5},
                    NormalizeCase{"LeadingComma", ",5", ".5", 0.5},
                    NormalizeCase{"TrailingComma", "5,", "5.", 5},
                    NormalizeCase{"OnlyFirstComma", "1,2,3", "1.2,3", 1.2},
                    NormalizeCase{"SecondCommaEndsNumber", "1,5,7", "1.5,7", 1.5},
                    NormalizeCase{"BlanksKept", "  7", "  7", 7},
                    NormalizeCase{"PointUnchanged", "2.75", "2.75", 2.75},
                    NormalizeCase{"WordAfterNumber", "3 apples", "3 apples", 3},
                    NormalizeCase{"Letters", "abc", "abc", 0},
                    NormalizeCase{"BlanksOnly", "   ", "   ", 0},
                    NormalizeCase{"InnerBlankJoinsDigits", "1 2", "1 2", 12},
                    NormalizeCase{"ExponentE", "1.5e3", "1.5e3", 1500},
                    NormalizeCase{"ExponentD", "2D-2", "2D-2", 0.02},
                    NormalizeCase{"NegativeWithBlanks", " - 4 , 5", " - 4 . 5", -4.5},
                    NormalizeCase{"PlusSign", "+8", "+8", 8},
                    NormalizeCase{"ExponentWithoutDigits", "3e", "3e", 3},
                    NormalizeCase{"TabAndLineFeedSkipped", "1\t2\n3", "1\t2\n3", 123}),
    [](const auto& info) { return info.param.name; });

TEST(NumberValue, BeyondTheRangeOfADoubleIsZero) {
    EXPECT_EQ(NumberValue("1e999"), 0.0);
    EXPECT_EQ(NumberValue("-1e999"), 0.0);
    EXPECT_EQ(NumberValue(std::string(1000, '9')), 0.0);
    EXPECT_EQ(NumberValue("1e-999"), 0.0);
    EXPECT_TRUE(std::isfinite(NumberValue("1.7976931348623157e308")));
}

TEST(NumberValue, BeyondTheRangeIsToldFromZero) {
    // Text and value must agree: a text whose number a double cannot hold is refused
    // by the number boxes, while one below its precision is simply 0.
    for (const char* beyond : {"1e309", "-1e400", "2e99999", "1.8e308", "  1 e 3 1 0"})
        EXPECT_TRUE(NumberBeyondRange(beyond)) << beyond;
    for (const char* within :
         {"1e308", "-1.7976931348623157e308", "1e-400", "0", "abc", "", "1e", "5,5"})
        EXPECT_FALSE(NumberBeyondRange(within)) << within;
    EXPECT_EQ(WholeNumberValue("1e309"), 32767);
    EXPECT_EQ(WholeNumberValue("-1e309"), -32768);

    // The mantissa's own digits count, whatever the exponent's sign.
    const std::string zeros(400, '0');
    EXPECT_TRUE(NumberBeyondRange("1" + zeros + "e-5"));
    EXPECT_TRUE(NumberBeyondRange("-0.00" + zeros + "7e+800"));
    EXPECT_FALSE(NumberBeyondRange("0.000" + zeros + "1e+5"));
    EXPECT_EQ(NumberValue("0.000" + zeros + "1e+5"), 0.0);
    EXPECT_EQ(NumberValue("1" + zeros + "e-395"), 1e5);
    EXPECT_FALSE(NumberBeyondRange("0e99999999999999999999999"));
}

TEST(NumberValue, LongTextsAreReadInLinearTime) {
    std::string pasted = "1" + std::string(100'000, ' ') + "5" + std::string(100'000, 'x');
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(NumberValue(pasted), 15);
    EXPECT_EQ(NormalizeNumberText(std::string(100'000, ',')).substr(0, 2), ".,");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(WholeNumberValue, RoundsHalfToEven) {
    EXPECT_EQ(WholeNumberValue("2.5"), 2);
    EXPECT_EQ(WholeNumberValue("3.5"), 4);
    EXPECT_EQ(WholeNumberValue("-2.5"), -2);
    EXPECT_EQ(WholeNumberValue(NormalizeNumberText("4,4")), 4);
    EXPECT_EQ(WholeNumberValue(NormalizeNumberText("3,6")), 4);
}

TEST(WholeNumberValue, SaturatesInsteadOfWrapping) {
    EXPECT_EQ(WholeNumberValue("65539"), std::numeric_limits<std::int16_t>::max());
    EXPECT_EQ(WholeNumberValue("-70000"), std::numeric_limits<std::int16_t>::min());
    EXPECT_EQ(WholeNumberValue("32767"), 32767);
    EXPECT_EQ(WholeNumberValue("1e300"), 32767);
}

TEST(BlankFill, FillsTheRestOfTheColumn) {
    EXPECT_EQ(BlankFill("1234", 30), std::string(26, ' '));
    EXPECT_EQ(BlankFill(std::string(30, 'x'), 30), "");
    EXPECT_EQ(BlankFill(std::string(40, 'x'), 30), "");
    EXPECT_EQ(BlankFill("ЖЖ", 5), "   ");  // characters, not bytes
}

class SortPoints : public testing::Test {
protected:
    void SetPoints(std::initializer_list<std::pair<double, double>> points) {
        Shared = SharedState{};
        int i = 0;
        for (auto [x, y] : points) {
            ++i;
            Shared.PointX[i] = x;
            Shared.PointY[i] = y;
            Shared.PointXText[i] = std::to_string(x);
            Shared.PointYText[i] = std::to_string(y);
        }
        Shared.PointCount = static_cast<std::int16_t>(i);
    }
};

TEST_F(SortPoints, MovesWholePairs) {
    SetPoints({{3, 30}, {1, 10}, {2, 20}});
    SortPointsByX();
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(Shared.PointX[i], i);
        EXPECT_EQ(Shared.PointY[i], 10 * i);
        EXPECT_EQ(Shared.PointYText[i], std::to_string(10.0 * i));
    }
}

TEST_F(SortPoints, EqualXAreNeverExchangedWithEachOther) {
    SetPoints({{5, 10}, {5, 20}, {5, 30}});
    SortPointsByX();
    EXPECT_EQ(Shared.PointY[1], 10);
    EXPECT_EQ(Shared.PointY[2], 20);
    EXPECT_EQ(Shared.PointY[3], 30);
}

TEST_F(SortPoints, EqualXFollowTheExchanges) {
    SetPoints({{2, 10}, {2, 20}, {1, 30}});
    SortPointsByX();
    EXPECT_EQ(Shared.PointX[1], 1);
    EXPECT_EQ(Shared.PointX[2], 2);
    EXPECT_EQ(Shared.PointX[3], 2);
    EXPECT_EQ(Shared.PointY[1], 30);
    EXPECT_EQ(Shared.PointY[2], 20);
    EXPECT_EQ(Shared.PointY[3], 10);
}

}  // namespace
