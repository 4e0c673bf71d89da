#include "shooting/point_mannager.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/engine/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void ExpectName(const HighScoreName& n, int32_t c1, int32_t c2, int32_t c3, int32_t level) {
    EXPECT_EQ(n.c1, c1);
    EXPECT_EQ(n.c2, c2);
    EXPECT_EQ(n.c3, c3);
    EXPECT_EQ(n.level, level);
}

void ExpectInitialTable(const CPointMannager& pm) {
    EXPECT_EQ(pm.hiScore, 0);
    for (int i = 0; i < CPointMannager::kTableSize; ++i) {
        EXPECT_EQ(pm.scores[i], 0);
        ExpectName(pm.names[i], 92, 92, 92, 0);
    }
}

TEST(PointMannager, GaugesAndThresholds) {
    CPointMannager pm;
    pm.chain = 1;
    pm.Update();
    EXPECT_EQ(pm.chain, 0);
    EXPECT_EQ(pm.score, 0);
    pm.chain = 100;
    pm.Update();
    EXPECT_EQ(pm.chain, 98);
    EXPECT_EQ(pm.score, 98);
    pm.chain = 152;
    pm.AddGauge(10);
    EXPECT_EQ(pm.chain, 152);
    // Nothing stops a negative feed; the next drain brings it back to 0.
    pm.AddGauge(-200);
    EXPECT_EQ(pm.chain, -48);
    pm.Update();
    EXPECT_EQ(pm.chain, 0);

    pm.extendGauge = 6999;
    pm.powerGauge = 7599;
    EXPECT_FALSE(pm.ExtendDue() || pm.PowerUpDue());
    pm.extendGauge = 7000;
    pm.powerGauge = 7600;
    EXPECT_TRUE(pm.ExtendDue() && pm.PowerUpDue());
}

TEST(PointMannager, DrawNumberRightAlignsDigitsAndSkipsNegatives) {
    // Digit cells of plain colours 0x101010 * (d + 1), so each drawn cell tells its digit.
    CImage32 strip;
    strip.Create(120, 15);
    for (int32_t i = 0; i < 120 * 15; ++i)
        strip.pixels[i] = 0x101010u * static_cast<uint32_t>(i % 120 / 12 + 1);
    CImage32 dest;
    dest.Create(640, 480);
    const auto digitAt = [&](int32_t right, int32_t y) {
        const uint32_t c = *dest.GetPixelAddress(right - 12, y);
        EXPECT_EQ(*dest.GetPixelAddress(right - 1, y + 14), c);
        return static_cast<int32_t>(c / 0x101010u) - 1;
    };

    CPointMannager::DrawNumber(dest, strip, 300, 100, 907);
    EXPECT_EQ(digitAt(300, 100), 7);
    EXPECT_EQ(digitAt(288, 100), 0);
    EXPECT_EQ(digitAt(276, 100), 9);
    EXPECT_EQ(digitAt(264, 100), -1);
    CPointMannager::DrawNumber(dest, strip, 300, 150, 0);
    EXPECT_EQ(digitAt(300, 150), 0);
    EXPECT_EQ(digitAt(288, 150), -1);
    CPointMannager::DrawNumber(dest, strip, 300, 200, 10);
    EXPECT_EQ(digitAt(300, 200), 0);
    EXPECT_EQ(digitAt(288, 200), 1);

    EXPECT_EQ(CPointMannager::DigitCount(INT32_MAX), 10);
    CPointMannager::DrawNumber(dest, strip, 500, 300, INT32_MAX);
    const int32_t expected[] = {7, 4, 6, 3, 8, 4, 7, 4, 1, 2};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(digitAt(500 - 12 * k, 300), expected[k]) << "digit " << k;

    CPointMannager::DrawNumber(dest, strip, 300, 400, -5);
    CPointMannager::DrawNumber(dest, strip, 300, 400, INT32_MIN);
    for (int32_t x = 134; x < 508; ++x)
        EXPECT_EQ(*dest.GetPixelAddress(x, 400), 0u);
}

TEST(HighScoreFile, SavesTheExactBytesAndReadsThemBack) {
    InTempDir dir;
    CPointMannager pm;
    const int32_t scores[] = {1234567, 500000, 30000, 2000, 7};
    const HighScoreName names[] = {
        {0, 1, 2, 0}, {10, 20, 30, 1}, {95, 92, 92, 2}, {5, 6, 7, 0}, {0, 0, 0, 0}};
    for (int i = 0; i < CPointMannager::kTableSize; ++i) {
        pm.scores[i] = scores[i];
        pm.names[i] = names[i];
    }
    pm.SaveScores();
    const std::string bytes =
        "1234567\n500000\n30000\n2000\n 7\n0001020\n1020301\n9292922\n0506070\n0000000\n";
    EXPECT_EQ(ReadAll(kHighScoreFile), bytes);
    EXPECT_EQ(pm.names[2].c1, 92);
    EXPECT_FALSE(fs::exists(kHighScoreTempFile));

    CPointMannager loaded;
    loaded.LoadScores();
    EXPECT_EQ(loaded.hiScore, 1234567);
    for (int i = 0; i < CPointMannager::kTableSize; ++i) {
        EXPECT_EQ(loaded.scores[i], pm.scores[i]);
        ExpectName(loaded.names[i], pm.names[i].c1, pm.names[i].c2, pm.names[i].c3,
                   pm.names[i].level);
    }

    // Nine digits stay nine; a level above 92 is saved as 0.
    pm.scores[0] = 123456789;
    pm.names[0] = {93, 100, 92, 93};
    pm.SaveScores();
    EXPECT_EQ(ReadAll(kHighScoreFile).substr(0, 10), "123456789\n");
    ExpectName(pm.names[0], 92, 92, 92, 0);
}

TEST(HighScoreFile, MissingFileIsCreatedEmptyAndShortFilesSetOnlyTheirLines) {
    InTempDir dir;
    CPointMannager pm;
    pm.LoadScores();
    ASSERT_TRUE(fs::exists(kHighScoreFile));
    EXPECT_EQ(fs::file_size(kHighScoreFile), 0u);
    ExpectInitialTable(pm);
    pm.LoadScores();
    ExpectInitialTable(pm);

    // 127 characters fill the read buffer; the rest of that line is read as the next line.
    WriteAll(kHighScoreFile, "300\n7" + std::string(126, ' ') + "31\n");
    pm.LoadScores();
    EXPECT_EQ(pm.hiScore, 300);
    EXPECT_EQ(pm.scores[1], 7);
    EXPECT_EQ(pm.scores[2], 31);
    EXPECT_EQ(pm.scores[3], 0);
    ExpectName(pm.names[0], 92, 92, 92, 0);
}

TEST(HighScoreFile, ScoresReadAreBroughtIntoRange) {
    InTempDir dir;
    WriteAll(kHighScoreFile, "-5\r\n99999999999\r\nabc\r\n 42xyz\r\n-99999999999999999999999\r\n");
    CPointMannager pm;
    pm.LoadScores();
    EXPECT_EQ(pm.hiScore, 0);
    const int32_t scores[] = {0, INT32_MAX, 0, 42, 0};
    for (int i = 0; i < CPointMannager::kTableSize; ++i)
        EXPECT_EQ(pm.scores[i], scores[i]);
}

// Columns 1-2, 3-4 and 5-6 are each read as two digits and column 7 as one, every field on its
// own: a field that does not parse keeps its value and the others are still read; letters are
// brought to 0..92 and the level to 0..2.
TEST(HighScoreFile, NameColumnsAreReadOneByOne) {
    const struct {
        const char* line;
        HighScoreName expected;
    } cases[] = {
        {"0405069", {4, 5, 6, 2}},  {"9999993", {92, 92, 92, 2}}, {"-1-2-3-", {0, 0, 0, 0}},
        {"12ab", {12, 51, 52, 0}},  {"010203", {1, 2, 3, 0}},     {"010203\r", {1, 2, 3, 0}},
        {"xx01020", {50, 1, 2, 0}}, {" 5 6 7 1", {5, 6, 7, 0}},   {"01  0302", {1, 51, 3, 0}},
        {"07", {7, 51, 52, 0}},     {"", {50, 51, 52, 0}},        {"aab 031", {50, 51, 3, 1}},
    };
    InTempDir dir;
    for (const auto& c : cases) {
        WriteAll(kHighScoreFile, std::string("1\n2\n3\n4\n5\n") + c.line + "\n");
        CPointMannager pm;
        pm.names[0] = {50, 51, 52, 0};
        pm.LoadScores();
        SCOPED_TRACE(c.line);
        ExpectName(pm.names[0], c.expected.c1, c.expected.c2, c.expected.c3, c.expected.level);
    }
}

TEST(HighScoreFile, FilesThatCannotBeOpenedOrReplacedAreLeftAlone) {
    InTempDir dir;
    // A link to itself exists but can never be opened: it is neither read nor recreated.
    fs::create_symlink(kHighScoreFile, kHighScoreFile);
    CPointMannager pm;
    pm.LoadScores();
    EXPECT_EQ(fs::read_symlink(kHighScoreFile), kHighScoreFile);
    ExpectInitialTable(pm);
    fs::remove(kHighScoreFile);

    // The temporary file cannot be made: nothing is written and the table is not touched.
    WriteAll(kHighScoreFile, "old table\n");
    pm.names[0].c1 = 95;
    fs::create_directory(kHighScoreTempFile);
    pm.SaveScores();
    EXPECT_EQ(ReadAll(kHighScoreFile), "old table\n");
    EXPECT_EQ(pm.names[0].c1, 95);
    fs::remove(kHighScoreTempFile);

    // The rename fails: the temporary file is removed again.
    fs::remove(kHighScoreFile);
    fs::create_directories(fs::path(kHighScoreFile) / "kept");
    pm.SaveScores();
    EXPECT_TRUE(fs::is_directory(fs::path(kHighScoreFile) / "kept"));
    EXPECT_FALSE(fs::exists(kHighScoreTempFile));
}

}  // namespace
