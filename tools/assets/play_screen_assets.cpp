// The frame around the play field, the boss life gauge and the replay-select backdrop.
#include "tools/assets/assets.h"

namespace assets {
namespace {

constexpr uint32_t kPanel = 0x202838;
constexpr uint32_t kPanelLine = 0x5A6A8A;
constexpr uint32_t kLabel = 0xC8D0E0;

// The panels left and right of the play field, with the field itself left as the colour key
// so the conversation scene can draw the whole picture over the background.
Picture BattleFrame() {
    Picture p(640, 480, kPanel);
    FillRect(p, 132, 6, 376, 462, kKey);
    FrameRect(p, 131, 5, 378, 464, kPanelLine);
    FrameRect(p, 4, 4, 124, 472, kPanelLine);
    FrameRect(p, 512, 4, 124, 472, kPanelLine);
    DrawText(p, 14, 412, "STAGE", kLabel, 2);
    DrawText(p, 14, 362, "LEVEL", kLabel, 2);
    DrawText(p, 14, 292, "EXTEND", kLabel);
    DrawText(p, 14, 246, "POWER", kLabel);
    DrawText(p, 14, 150, "WEAPON", kLabel);
    DrawText(p, 520, 420, "HI-SCORE", kLabel);
    DrawText(p, 520, 366, "SCORE", kLabel);
    return p;
}

Picture LifeBar() {
    Picture p(360, 8, 0x301010);
    FrameRect(p, 0, 0, 360, 8, 0xA04040);
    return p;
}

Picture LifeGage() {
    Picture p(360, 8, kKey);
    for (int x = 0; x < 360; ++x) {
        const uint32_t red = 0xC0 + static_cast<uint32_t>(x * 0x3F / 359);
        FillRect(p, x, 1, 1, 6, (red << 16) | 0x3020);
    }
    return p;
}

Picture ReplaySelect() {
    Picture p(640, 480, 0x101820);
    Checker(p, 0, 0, 640, 480, 40, 0x101820, 0x141E28);
    DrawText(p, 320 - TextWidth("REPLAY", 4) / 2, 400, "REPLAY", kLabel, 4);
    for (int i = 0; i < 5; ++i)
        FrameRect(p, 130, 252 - 31 * i, 380, 26, kPanelLine);
    return p;
}

}  // namespace

void AddPlayScreenAssets(AssetList& list) {
    AddBmp(list, "img/BattleFrame.bmp", BattleFrame());
    AddBmp(list, "img/life_bar.bmp", LifeBar());
    AddBmp(list, "img/life_gage.bmp", LifeGage());
    AddBmp(list, "img/replay.bmp", ReplaySelect());
}

}  // namespace assets
