#pragma once

#include <cstdint>
#include <memory>

#include "engine/image.h"

// One line of the high-score table: three letters of the name-entry character set (0..92) and
// the difficulty level the run was played at.
struct HighScoreName {
    int32_t c1 = 92;
    int32_t c2 = 92;
    int32_t c3 = 92;
    int32_t level = 0;
};

// The low 32 bits of n: the score is shown as an unsigned 32-bit number, so sums wrap around
// rather than overflow.
inline int32_t WrapScore(int64_t n) {
    return static_cast<int32_t>(static_cast<uint32_t>(n));
}

// The score, the high-score table with its file "init.bin", and the gauges the shooting feeds.
class CPointMannager {
public:
    static constexpr int kTableSize = 5;
    static constexpr int32_t kChainMax = 152;
    static constexpr int32_t kLetterMax = 92;
    // The gauges are compared in hundreds: extend at 70, power-up at 76.
    static constexpr int32_t kExtendHundreds = 70;
    static constexpr int32_t kPowerHundreds = 76;

    int32_t score = 0;
    int32_t hiScore = 0;
    int32_t scores[kTableSize] = {};
    HighScoreName names[kTableSize];
    std::unique_ptr<CImageShooting> pointImage;
    std::unique_ptr<CImageShooting> digitImage;
    int32_t itemCount = 0;
    int32_t killCount = 0;
    int32_t powerGauge = 0;
    int32_t workValue = 0;
    int32_t chain = 0;
    int32_t extendGauge = 0;

    // chain += n, at most kChainMax; nothing stops it going below 0 here.
    void AddGauge(int32_t n);
    // score += n: every addition to the score goes through here and wraps like the panel's
    // unsigned 32-bit number.
    void AddScore(int64_t n) { score = WrapScore(int64_t{score} + n); }
    // Once per frame of play: the chain drains by 2 (kept within 0..kChainMax) and what is left
    // is added to the score.
    void Update();

    bool ExtendDue() const { return extendGauge / 100 >= kExtendHundreds; }
    bool PowerUpDue() const { return powerGauge / 100 >= kPowerHundreds; }

    void LoadCompressedImage(const char* file);
    void LoadImage(const char* file);

    // Decimal digits of n: 1 for 0..9 (and for any n below 10), 10 for ten-digit numbers.
    static int32_t DigitCount(int32_t n);
    // n right-aligned with its last digit in columns x - 12 .. x - 1, from the 12x15 cells of the
    // strip (digit d at source x 12d), colour-keyed and clipped to the play field. A negative n
    // draws nothing.
    static void DrawNumber(CImage32& dest, const CImage32& strip, int32_t x, int32_t y, int32_t n);

    // Reads "init.bin" from the current folder. A missing file is created empty; a file that
    // exists but cannot be opened is left alone. Every value read is brought into range.
    void LoadScores();
    // Writes "init.bin" through a temporary file renamed over it, so a failed save leaves the
    // old file whole; true once the new file is in place. Letters above 92 become 92 and levels
    // above 92 become 0, in the table too.
    bool SaveScores();
    // The two halves of SaveScores, for a save that must move other files in between: the
    // table written to the temporary file, then that file put in place of "init.bin". Each
    // removes the temporary file when it fails.
    bool WriteScoresAside();
    static bool ReplaceScores();
    static void DiscardScores();
};

extern CPointMannager* g_pPointMannager;

// The high-score file and the temporary name a save is written under before it replaces it.
inline constexpr const char* kHighScoreFile = "init.bin";
inline constexpr const char* kHighScoreTempFile = "init.bin.tmp";
