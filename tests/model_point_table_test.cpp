// Point sets read from the text of a file or the clipboard, and written back.
#include <gtest/gtest.h>

#include "PointSetup.h"
#include "PointTable.h"
#include "SharedState.h"

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    std::vector<std::pair<std::string, std::string>> pairs;  // the first three read, at least
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class Reads : public testing::TestWithParam<ReadCase> {};

TEST_P(Reads, TheCellsOfEachLine) {
    const auto& c = GetParam();
    const PointTable table = ReadPointTable(c.text);
    ASSERT_EQ(table.error, "");
    ASSERT_GE(table.pairs.size(), c.pairs.size());
    for (std::size_t i = 0; i < c.pairs.size(); ++i) {
        EXPECT_EQ(table.pairs[i].x, c.pairs[i].first) << "pair " << i + 1;
        EXPECT_EQ(table.pairs[i].y, c.pairs[i].second) << "pair " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Reads,
    testing::Values(
        ReadCase{
            "TabsWithAHeader", "X\tY\n1\t2\n3\t4\n5\t6\n", {{"1", "2"}, {"3", "4"}, {"5", "6"}}},
        ReadCase{"SemicolonsAndDecimalCommas",
                 "x;y\r\n0,5;2,7\r\n1,5;4,4\r\n2,5;7,6\r\n",
                 {{"0,5", "2,7"}, {"1,5", "4,4"}, {"2,5", "7,6"}}},
        ReadCase{"QuotedCommaIsOneCell",
                 "\"1,5\",\"2,5\"\n\"2,5\",3\n4,\"5\"\n",
                 {{"1,5", "2,5"}, {"2,5", "3"}, {"4", "5"}}},
        ReadCase{
            "CommasAndBlanks", "1.5, 2.5\n2,3\n3 , 4\n", {{"1.5", "2.5"}, {"2", "3"}, {"3", "4"}}},
        ReadCase{"BlanksBetweenDecimalCommas",
                 "1,5 2,5\n  2,5    3,5  \n4 5\n",
                 {{"1,5", "2,5"}, {"2,5", "3,5"}, {"4", "5"}}},
        ReadCase{"ByteOrderMarkCommentsAndBlankLines",
                 "\xEF\xBB\xBF# measured 8 Dec\n\n1\t2\n   \n#\n3\t4\n\r5\t6",
                 {{"1", "2"}, {"3", "4"}, {"5", "6"}}},
        ReadCase{"ATextColumnIsNoColumnOfNumbers",
                 "Образец;X;Y\nA;1;2\nB;3;4\nC;5;6\n",
                 {{"1", "2"}, {"3", "4"}, {"5", "6"}}},
        ReadCase{"ColumnsTheHeaderNames",
                 "N\tУ\tх\n1\t2\t10\n2\t4\t20\n3\t6\t30\n",
                 {{"10", "2"}, {"20", "4"}, {"30", "6"}}},
        ReadCase{"QuotedBlanksTrimmed",
                 "\"  7\"\t8\n1\t\"2 \"\n3\t1e5\n",
                 {{"7", "8"}, {"1", "2"}, {"3", "1e5"}}},
        ReadCase{"GroupsOfThreeAsSpreadsheetsWriteThem",
                 "1;2 306,48\n2;-1\u00A0234\n3;\u00A0+1\u202F234\u00A0567,5E-3 \n4;1'000.25\n",
                 {{"1", "2306,48"}, {"2", "-1234"}, {"3", "+1234567,5E-3"}, {"4", "1000.25"}}},
        ReadCase{"SeparatorNamedOnTheFirstLine",
                 "sep=,\nX,Y\n1,2\n3.5,4\n5,6e2\n",
                 {{"1", "2"}, {"3.5", "4"}, {"5", "6e2"}}},
        ReadCase{"HeaderWithOneNumberlessCell",
                 "1/T, 1/K;lg p\n0,0033;2,1\n0,0031;.5\n0,0029;3.\n",
                 {{"0,0033", "2,1"}, {"0,0031", ".5"}, {"0,0029", "3."}}},
        ReadCase{"HeaderOnlyOnTheFirstLine",
                 "Время, с;Путь, м\n-1;-2\n.5;+3\n7;8\n",
                 {{"-1", "-2"}, {".5", "+3"}}}),
    [](const auto& info) { return info.param.name; });

struct BadCase {
    const char* name;
    std::string text;
    std::string error;
};

void PrintTo(const BadCase& c, std::ostream* out) { *out << c.name; }

class Refuses : public testing::TestWithParam<BadCase> {};

TEST_P(Refuses, NamingTheLine) {
    const auto& c = GetParam();
    const PointTable table = ReadPointTable(c.text);
    EXPECT_EQ(table.error, c.error);
}

std::string Lines(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i) text += std::to_string(i) + "\t" + std::to_string(2 * i) + "\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Bad, Refuses,
    testing::Values(
        BadCase{"NoX", "X\tY\n1\t2\n2\t3\n\n#\n3\t4\n\t7\n", "в строке 7 нет числа X"},
        BadCase{"ADate", "X;Y\n1;2\n2;01.02.2026\n3;4\n",
                "в строке 3 в ячейке Y не число: «01.02.2026»"},
        BadCase{"Letters", "X\tY\n1\t2\nабв\t7\n", "в строке 3 в ячейке X не число: «абв»"},
        BadCase{"APercentSign", "1;2\n2;10%\n", "в строке 2 в ячейке Y не число: «10%»"},
        BadCase{"AUnit", "1;2\n2;5 kg\n", "в строке 2 в ячейке Y не число: «5 kg»"},
        BadCase{"GroupsNotOfThree", "1;2\n2;12 34\n", "в строке 2 в ячейке Y не число: «12 34»"},
        BadCase{"TwoDecimalMarks", "1;2\n2,5,1;3\n", "в строке 2 в ячейке X не число: «2,5,1»"},
        BadCase{"ANumberAndText", "1;2\n2;3x\n", "в строке 2 в ячейке Y не число: «3x»"},
        BadCase{"OneNumber", "1\t2\n2\t3\n4\n", "в строке 3 нет числа Y"},
        BadCase{"TwoPairs", "1 2\n3 4\n", "пар точек меньше 3 (2)"},
        BadCase{"Nothing", "", "нет точек"},
        BadCase{"OnlyAHeader", "X;Y\n# none yet\n", "нет точек"},
        BadCase{"FortyOnePairs", Lines(41), "больше 40 пар точек"},
        BadCase{"BeyondADouble", "1\t2\n1e309\t3\n3\t4\n",
                "в строке 2 число X вне допустимого диапазона"},
        BadCase{"Binary", std::string("1\t2\n\0\x01\x02", 7), "в нём не текст"},
        BadCase{"NotUtf8", "1\t2\n\xFF\xFE\t3\n3\t4\n", "в нём не текст"},
        // A first line with a number in it is data, refused like any other.
        BadCase{"ADateOnTheFirstLine", "1;01.02.2026\n2;3,5\n3;4,1\n4;5,0\n",
                "в строке 1 в ячейке Y не число: «01.02.2026»"},
        BadCase{"NoYOnTheFirstLine", "1;\n2;4\n3;6\n4;8\n", "в строке 1 нет числа Y"},
        BadCase{"AFirstGroupOfFour", "1;2\n2;1234 567\n3;4\n",
                "в строке 2 в ячейке Y не число: «1234 567»"},
        BadCase{"ThreeColumnsOfNumbers", "1;0.5;2.7\n2;1.5;4.4\n3;2.5;7.6\n",
                "столбцов с числами больше двух"},
        BadCase{"ASigmaOfZero", "X;Y;σ\n1;2;0,5\n2;3;0\n3;4;1\n",
                "в строке 3 в ячейке σ не больше нуля: «0»"},
        BadCase{"ANegativeSigma", "x\ty\tsigma\n1\t2\t-1\n",
                "в строке 2 в ячейке σ не больше нуля: «-1»"},
        BadCase{"ASigmaThatIsNoNumber", "X;Y;погрешность\n1;2;0.1\n2;3;abc\n",
                "в строке 3 в ячейке σ не число: «abc»"},
        BadCase{"NoSigma", "X;Y;dY\n1;2;0.1\n2;3\n", "в строке 3 нет числа σ"},
        BadCase{"ASigmaBelowADouble", "X;Y;ошибка\n1;2;1e-400\n",
                "в строке 2 в ячейке σ не больше нуля: «1e-400»"},
        BadCase{"CommaInTwoRoles", "1;1,234.5\n2;2,5\n3;4\n",
                "в строке 2 в ячейке Y «2,5» запятая — десятичный знак, а в строке 1 — "
                "разделитель разрядов"}),
    [](const auto& info) { return info.param.name; });

// The roles of "," and "." in one table: its own cells decide, else the user's
// regional convention (English: "," separates thousands; Russian: "," is decimal).
struct MarksCase {
    const char* name;
    std::string text;
    RegionalMarks regional;
    std::string x, y;  // of the first pair
};

void PrintTo(const MarksCase& c, std::ostream* out) { *out << c.name; }

class Marks : public testing::TestWithParam<MarksCase> {};

TEST_P(Marks, DecideEveryCell) {
    const MarksCase& c = GetParam();
    const PointTable table = ReadPointTable(c.text, {"нет точек", c.regional, std::nullopt});
    ASSERT_EQ(table.error, "");
    EXPECT_EQ(table.pairs[0].x, c.x);
    EXPECT_EQ(table.pairs[0].y, c.y);
}

constexpr RegionalMarks English{'.', ','}, Russian{',', 0}, German{',', '.'};

INSTANTIATE_TEST_SUITE_P(
    Roles, Marks,
    testing::Values(
        MarksCase{"ThousandsUnderEnglish", "1\t1,234\n2\t2,468\n3\t3,702\n", English, "1", "1234"},
        MarksCase{"DecimalUnderRussian", "1\t1,234\n2\t2,468\n3\t3,702\n", Russian, "1", "1,234"},
        MarksCase{"PointBeforeCommaSettlesIt", "1\t1,234\n2\t1,234.50\n3\t7\n", Russian, "1",
                  "1234"},
        MarksCase{"TwoCommasSettleIt", "12,345,678\t1,234\n2\t5\n3\t7\n", Russian, "12345678",
                  "1234"},
        MarksCase{"CommaAfterPointSettlesIt", "1.234,5\t2.345\n2\t5\n3\t7\n", English, "1234,5",
                  "2345"},
        MarksCase{"PointsGroupUnderGerman", "1.234\t0,5\n2\t5\n3\t7\n", German, "1234", "0,5"},
        MarksCase{"ALoneZeroIsNoGroup", "0,123\t1,234\n2\t5\n3\t7\n", English, "0,123", "1,234"},
        MarksCase{"FourDigitsAreDecimals", "1,2345\t1,234\n2\t5\n3\t7\n", English, "1,2345",
                  "1,234"},
        MarksCase{"BlanksAndCommasGroupTogether", "1\t1 234,567\n2\t5\n3\t7\n", English, "1",
                  "1234,567"}),
    [](const auto& info) { return info.param.name; });

TEST(PointFiles, ColumnsChosenByNumberOrByHeader) {
    const std::string text = "N;Время;Путь\n1;0.5;2.7\n2;1.5;4.4\n3;2.5;7.6\n";
    const PointTable unchosen = ReadPointTable(text);
    EXPECT_EQ(unchosen.columns, (std::vector<std::string>{"1 «N»", "2 «Время»", "3 «Путь»"}));
    for (const ColumnRequest& request :
         {ColumnRequest{"2", "3", ""}, ColumnRequest{"время", "ПУТЬ", ""},
          ColumnRequest{" 2", "Путь", ""}}) {
        const PointTable table = ReadPointTable(text, {"нет точек", {}, request});
        ASSERT_EQ(table.error, "") << request.x << "," << request.y;
        EXPECT_EQ(table.pairs[2].x, "2.5");
        EXPECT_EQ(table.pairs[2].y, "7.6");
    }
    EXPECT_EQ(ReadPointTable(text, {"нет точек", {}, ColumnRequest{"2", "4", ""}}).error,
              "нет столбца «4»");
    EXPECT_EQ(ReadPointTable(text, {"нет точек", {}, ColumnRequest{"3", "Путь", ""}}).error,
              "X и Y — один столбец");
    // Without a header, each column by its first values.
    EXPECT_EQ(ReadPointTable("1;0.5;2.7\n2;1.5;4.4\n3;2.5;7.6\n4;3;9\n").columns[1],
              "2 «0.5; 1.5; 2.5…»");
}

// The uncertainty of Y: the column a header names so, or the one asked for; it moves
// with its pair when the pairs are sorted, and is saved as a third column.
TEST(PointFiles, AColumnOfUncertaintiesIsReadSortedAndSaved) {
    for (const char* name : {"σ", "Sigma", "DY", "Погрешность", "ошибка"}) {
        const PointTable table =
            ReadPointTable("N;" + std::string(name) + ";x;y\n1;0,5;3;30\n2;0,25;1;10\n3;2;2;20\n");
        ASSERT_EQ(table.error, "") << name;
        ASSERT_TRUE(table.withSigma) << name;
        EXPECT_EQ(table.pairs[1].sigma, "0,25") << name;
    }
    const std::string text = "N;Время;Путь;Разброс\n1;3;30;0.5\n2;1;10;0.25\n3;2;20;2\n";
    const ColumnRequest asked{"2", "путь", "4"};
    PointTable table = ReadPointTable(text, {"нет точек", {}, asked});
    ASSERT_EQ(table.error, "");
    UsePoints(std::vector<TypedPoint>{});
    ReplacePointsWith(table);
    EXPECT_TRUE(Shared.SigmaPresent);
    EXPECT_EQ(Shared.PointSigma[1], 0.25);
    EXPECT_EQ(Shared.PointSigma[3], 0.5);
    EXPECT_EQ(PointTableText(","), "X\tY\tσ\n1\t10\t0,25\n2\t20\t2\n3\t30\t0,5\n");
    // Without one asked for, the four columns of numbers are not told apart.
    EXPECT_EQ(ReadPointTable(text).error, "столбцов с числами больше двух");
    EXPECT_EQ(ReadPointTable(text, {"нет точек", {}, ColumnRequest{"2", "3", "3"}}).error,
              "X, Y и σ — не три разных столбца");
    EXPECT_EQ(ReadPointTable(text, {"нет точек", {}, ColumnRequest{"2", "3", "5"}}).error,
              "нет столбца «5»");
    // A table without one leaves the points unweighted.
    ReplacePointsWith(ReadPointTable("1;2\n2;3\n3;5\n"));
    EXPECT_FALSE(Shared.SigmaPresent);
    EXPECT_EQ(PointTableText("."), "X\tY\n1\t2\n2\t3\n3\t5\n");
}

TEST(PointFiles, FortyPairsAreRead) { EXPECT_EQ(ReadPointTable(Lines(40)).pairs.size(), 40u); }

TEST(PointFiles, SavedInTheUsersConventionAndReadBackToTheSameDoubles) {
    UsePoints({{"3", "7.6"},
               {"1,5", "2.7"},
               {"  2", "4.4 "},
               {"1,6,7", "7\"\""},
               {"5e-3", "-0"},
               {"4", "abc"},
               {"2 306,48", "0.1"}});
    // Each stored number as read, with the regional comma; a text the entry read up
    // to its first other character as the value it gave.
    const std::string text = PointTableText(",");
    EXPECT_EQ(text, "X\tY\n5e-3\t-0\n1,5\t2,7\n1,6\t7\n2\t4,4\n3\t7,6\n4\t0\n2306,48\t0,1\n");
    const PointTable table = ReadPointTable(text);
    ASSERT_EQ(table.error, "");
    const SharedState before = Shared;
    UsePoints(std::vector<TypedPoint>{});
    ReplacePointsWith(table);
    ASSERT_EQ(Shared.PointCount, before.PointCount);
    for (int i = 1; i <= before.PointCount; ++i) {
        EXPECT_EQ(Shared.PointX[i], before.PointX[i]) << i;
        EXPECT_EQ(Shared.PointY[i], before.PointY[i]) << i;
    }
}

}  // namespace
