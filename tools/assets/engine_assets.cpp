#include "tools/assets/assets.h"

namespace assets {
namespace {

// The frame-rate counter: digit n in the 12x15 cell at x = 12n, yellow with a black shadow so
// that it reads on any background.
Picture FrameRateDigits() {
    constexpr int kCellW = 12;
    constexpr int kCellH = 15;
    Picture picture(kCellW * 10, kCellH);
    for (int n = 0; n < 10; ++n) {
        const char digit[] = {static_cast<char>('0' + n), '\0'};
        DrawTextInCell(picture, kCellW * n, 0, kCellW, kCellH, digit, 0xFFE040, kBlack);
    }
    return picture;
}

}  // namespace

void AddEngineAssets(AssetList& list) {
    AddBmp(list, "img/figur12_15_2.bmp", FrameRateDigits());
}

}  // namespace assets
