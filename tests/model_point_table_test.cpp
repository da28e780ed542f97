// Point sets read from the text of a file or the clipboard, and written back.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "PointSetup.h"
#include "PointTable.h"
#include "ScratchFolder.h"
#include "SharedState.h"

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    std::vector<TypedPair> pairs;  // the first three read, at least
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class Reads : public testing::TestWithParam<ReadCase> {};

TEST_P(Reads, TheCellsOfEachLine) {
    const auto& c = GetParam();
    const PointTable table = ReadPointTable(c.text);
    ASSERT_EQ(table.error, "");
    ASSERT_GE(table.pairs.size(), c.pairs.size());
    for (std::size_t i = 0; i < c.pairs.size(); ++i) {
        EXPECT_EQ(table.pairs[i].x, c.pairs[i].x) << "pair " << i + 1;
        EXPECT_EQ(table.pairs[i].y, c.pairs[i].y) << "pair " << i + 1;
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
                 "\"1,5\",\"2,5\"\n\"2,5\",3\n4,\"5\"\"\"\n",
                 {{"1,5", "2,5"}, {"2,5", "3"}, {"4", "5\""}}},
        ReadCase{
            "CommasAndBlanks", "1.5, 2.5\n2,3\n3 , 4\n", {{"1.5", "2.5"}, {"2", "3"}, {"3", "4"}}},
        ReadCase{"BlanksBetweenDecimalCommas",
                 "1,5 2,5\n  2,5    3,5  \n4 5\n",
                 {{"1,5", "2,5"}, {"2,5", "3,5"}, {"4", "5"}}},
        ReadCase{"ByteOrderMarkCommentsAndBlankLines",
                 "\xEF\xBB\xBF# measured 8 Dec\n\n1\t2\n   \n#\n3\t4\n\r5\t6",
                 {{"1", "2"}, {"3", "4"}, {"5", "6"}}},
        ReadCase{
            "FurtherColumnsIgnored", "1;2;x;9\n3;4\n5;6;7\n", {{"1", "2"}, {"3", "4"}, {"5", "6"}}},
        ReadCase{"QuotedBlanksKept",
                 "\"  7\"\t8\n1\t\"2 \"\n3\t1e5\n",
                 {{"  7", "8"}, {"1", "2 "}, {"3", "1e5"}}},
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
    testing::Values(BadCase{"NoX", "X\tY\n1\t2\n2\t3\n\n#\n3\t4\nабв\t7\n",
                            "в строке 7 нет числа X"},
                    BadCase{"OneNumber", "1\t2\n2\t3\n4\n", "в строке 3 нет числа Y"},
                    BadCase{"TwoPairs", "1 2\n3 4\n", "пар точек меньше 3 (2)"},
                    BadCase{"Nothing", "", "пар точек меньше 3 (0)"},
                    BadCase{"FortyOnePairs", Lines(41), "больше 40 пар точек"},
                    BadCase{"BeyondADouble", "1\t2\n1e309\t3\n3\t4\n",
                            "в строке 2 число X вне допустимого диапазона"},
                    BadCase{"Binary", std::string("1\t2\n\0\x01\x02", 7), "в нём не текст"},
                    BadCase{"NotUtf8", "1\t2\n\xFF\xFE\t3\n3\t4\n", "в нём не текст"}),
    [](const auto& info) { return info.param.name; });

TEST(PointFiles, FortyPairsAreRead) { EXPECT_EQ(ReadPointTable(Lines(40)).pairs.size(), 40u); }

TEST(PointFiles, SavedPairsComeBackAsTyped) {
    UsePoints({{"3", "7.6"},
               {"1,5", "2.7"},
               {"  2", "4.4 "},
               {"1,5,7", "7\"\""},
               {"5e-3", "-0"},
               {"4", "abc"}});
    const std::string text = PointTableText();
    EXPECT_EQ(text.substr(0, 4), "X\tY\n");
    const PointTable table = ReadPointTable(text);
    ASSERT_EQ(table.error, "");
    const SharedState before = Shared;
    UsePoints(std::vector<TypedPoint>{});
    UsePointTable(table);
    ASSERT_EQ(Shared.PointCount, before.PointCount);
    for (int i = 1; i <= before.PointCount; ++i) {
        EXPECT_EQ(Shared.PointX[i], before.PointX[i]) << i;
        EXPECT_EQ(Shared.PointY[i], before.PointY[i]) << i;
        EXPECT_EQ(Shared.PointXText[i], before.PointXText[i]) << i;
        // The text the entry took for 0 comes back as that 0.
        EXPECT_EQ(Shared.PointYText[i], before.PointYText[i] == "abc" ? "0" : before.PointYText[i])
            << i;
    }
}

TEST(PointFiles, FileRulesAndFailures) {
    const ScratchFolder folder("approximation-points");
    const std::string big = folder.Path("big.csv");
    {
        std::ofstream out(big);
        out << Lines(3) << std::string(MaxPointFileBytes, '#');
    }
    EXPECT_EQ(ReadPointFile(big).error, "файл не прочитан: он больше 1 МБ");
    EXPECT_EQ(ReadPointFile(folder.Path("missing.csv")).error, "файл не прочитан: файла нет");

    UsePoints({{"1", "2"}, {"2", "3"}, {"3", "5"}});
    std::string error;
    const std::string saved = folder.Path("saved.tsv");
    ASSERT_TRUE(WritePointFile(saved, error)) << error;
    EXPECT_EQ(ReadPointFile(saved).pairs.size(), 3u);
    EXPECT_FALSE(WritePointFile(folder.Path("no/such/folder.tsv"), error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(WritePointFile("/dev/full", error)) << "a full disk is not a saved file";
    EXPECT_FALSE(error.empty());
}

}  // namespace
