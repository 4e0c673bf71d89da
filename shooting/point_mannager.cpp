#include "shooting/point_mannager.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

CPointMannager* g_pPointMannager = nullptr;

namespace {

// The file's lines: five scores, then five name records.
constexpr int kFirstNameLine = CPointMannager::kTableSize + 1;
constexpr int kLastLine = 2 * CPointMannager::kTableSize;
constexpr int32_t kLevelMax = 2;

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// A score line as a decimal number; anything outside 0..INT32_MAX, garbage included, is
// brought to the nearest end (garbage reads as 0).
int32_t ParseScore(const char* line) {
    const long value = std::strtol(line, nullptr, 10);
    return static_cast<int32_t>(std::clamp<long>(value, 0, INT32_MAX));
}

// One column field of a name line on its own: the field's characters only, so a field that
// does not parse leaves its value and never lets the read run on into the next column.
void ParseField(const char* line, size_t column, size_t width, int32_t max, int32_t& value) {
    const size_t length = std::strlen(line);
    char field[3] = {};
    for (size_t i = 0; i < width && column + i < length; ++i)
        field[i] = line[column + i];
    int parsed = 0;
    const int read =
        width == 2 ? std::sscanf(field, "%02d", &parsed) : std::sscanf(field, "%01d", &parsed);
    if (read == 1) value = std::clamp(parsed, 0, max);
}

// A name line "LLLLLLV": two digits per letter in columns 1-2, 3-4 and 5-6, one for the level
// in column 7, each read by itself.
void ParseName(const char* line, HighScoreName& name) {
    ParseField(line, 0, 2, CPointMannager::kLetterMax, name.c1);
    ParseField(line, 2, 2, CPointMannager::kLetterMax, name.c2);
    ParseField(line, 4, 2, CPointMannager::kLetterMax, name.c3);
    ParseField(line, 6, 1, kLevelMax, name.level);
}

}  // namespace

void CPointMannager::AddGauge(int32_t n) {
    chain = static_cast<int32_t>(std::min<int64_t>(int64_t{chain} + n, kChainMax));
}

void CPointMannager::Update() {
    chain = std::clamp<int32_t>(chain - 2, 0, kChainMax);
    AddScore(chain);
}

void CPointMannager::LoadCompressedImage(const char* file) {
    if (pointImage == nullptr) pointImage = std::make_unique<CImageShooting>();
    pointImage->LoadCompressed(file);
}

void CPointMannager::LoadImage(const char* file) {
    if (digitImage == nullptr) digitImage = std::make_unique<CImageShooting>();
    digitImage->Load(file);
}

int32_t CPointMannager::DigitCount(int32_t n) {
    int32_t count = 1;
    for (int64_t power = 10; n >= power; power *= 10)
        ++count;
    return count;
}

void CPointMannager::DrawNumber(CImage32& dest, const CImage32& strip, int32_t x, int32_t y,
                                int32_t n) {
    if (n < 0) return;
    const CDrawMode keyed(2);
    const int32_t digits = DigitCount(n);
    int64_t below = 1;
    for (int32_t k = 1; k <= digits; ++k) {
        const int64_t power = below * 10;
        const auto d = static_cast<int32_t>((n % power) / below);
        dest.BltField(keyed, x - 12 * k, y, strip, 12 * d, 0, 12, 15);
        below = power;
    }
}

void CPointMannager::LoadScores() {
    errno = 0;
    File file(std::fopen(kHighScoreFile, "r"), &std::fclose);
    if (file == nullptr) {
        // Only a file that is not there is made, and "x" never truncates one that appeared
        // meanwhile; a file that exists but cannot be read keeps its bytes.
        if (errno == ENOENT) {
            File created(std::fopen(kHighScoreFile, "wx"), &std::fclose);
        }
        return;
    }

    char line[128];
    for (int n = 1; n <= kLastLine && std::fgets(line, sizeof line, file.get()) != nullptr; ++n) {
        if (n < kFirstNameLine) {
            scores[n - 1] = ParseScore(line);
            if (n == 1) hiScore = scores[0];
        } else {
            ParseName(line, names[n - kFirstNameLine]);
        }
    }
}

bool CPointMannager::SaveScores() {
    return WriteScoresAside() && ReplaceScores();
}

bool CPointMannager::WriteScoresAside() {
    File file(std::fopen(kHighScoreTempFile, "w"), &std::fclose);
    if (file == nullptr) return false;

    bool ok = true;
    for (int32_t s : scores)
        ok = ok && std::fprintf(file.get(), "%2d\n", s) > 0;
    for (HighScoreName& name : names) {
        if (name.c1 > kLetterMax) name.c1 = kLetterMax;
        if (name.c2 > kLetterMax) name.c2 = kLetterMax;
        if (name.c3 > kLetterMax) name.c3 = kLetterMax;
        if (name.level > kLetterMax) name.level = 0;
        ok = ok && std::fprintf(file.get(), "%02d%02d%02d%01d\n", name.c1, name.c2, name.c3,
                                name.level) > 0;
    }
    const bool closed = std::fclose(file.release()) == 0;
    // The old file is replaced only by a complete new one.
    if (ok && closed) return true;
    DiscardScores();
    return false;
}

bool CPointMannager::ReplaceScores() {
    if (std::rename(kHighScoreTempFile, kHighScoreFile) == 0) return true;
    DiscardScores();
    return false;
}

void CPointMannager::DiscardScores() {
    std::remove(kHighScoreTempFile);
}
