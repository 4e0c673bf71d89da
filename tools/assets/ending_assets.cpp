#include <string>
#include <vector>

#include "tools/assets/assets.h"

// The ending's pictures: two scenes faded in and out behind a keyed frame, six text pages
// added over them, the staff roll and the closing words. Texts are placeholder lines in the
// built-in font.
namespace assets {
namespace {

constexpr int kScreenW = 640;
constexpr int kScreenH = 480;
constexpr uint32_t kText = 0xE8E8F0;
constexpr uint32_t kGold = 0xF0D060;

// A night sky over a horizon, with the sun or moon at (cx, cy).
Picture Scene(uint32_t sky, uint32_t ground, int cx, int cy, uint32_t light) {
    Picture p(kScreenW, kScreenH, sky);
    FillRect(p, 0, 0, kScreenW, 150, ground);
    FillCircle(p, cx, cy, 40, light);
    for (int i = 0; i < 40; ++i)
        p.Set((i * 97) % kScreenW, 200 + (i * 61) % 270, 0xC0C0D0);
    return p;
}

// The borders the ending keeps over its pictures: 66 columns left, 61 right, 42 rows at the
// top and 34 at the bottom; the window between them is the colour key.
Picture EndFrame() {
    Picture p(kScreenW, kScreenH, 0x181410);
    FillRect(p, 66, 34, 513, 404, kKey);
    FrameRect(p, 64, 32, 517, 408, kGold);
    return p;
}

// Lines of text on black, centred, the first line at the top.
Picture TextPage(int w, int h, const std::vector<std::string>& lines, uint32_t colour) {
    Picture p(w, h, kBlack);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int y = h - 24 - 20 * static_cast<int>(i);
        DrawText(p, (w - TextWidth(lines[i], 2)) / 2, y, lines[i], colour, 2);
    }
    return p;
}

}  // namespace

void AddEndingAssets(AssetList& list) {
    AddBmp(list, "img/end-frame.bmp", EndFrame());
    AddBmp(list, "img/end-3.bmp", Scene(0x101838, 0x202818, 480, 330, 0xE0E0C0));
    AddBmp(list, "img/end-4.bmp", Scene(0x402818, 0x281810, 160, 200, 0xF0A040));
    AddBmp(
        list, "text/staff.bmp",
        TextPage(240, 400,
                 {"STAFF", "", "PROGRAM", "PLACEHOLDER", "", "PICTURES", "PLACEHOLDER", "", "MUSIC",
                  "PLACEHOLDER", "", "SOUND", "PLACEHOLDER", "", "THANKS", "FOR PLAYING"},
                 kText));
    const char* pages[6] = {"THE LAST ENEMY FELL.",      "THE SKY WAS QUIET AGAIN.",
                            "THE SHIP TURNED FOR HOME.", "THE LONG NIGHT ENDED.",
                            "A NEW DAY BEGAN.",          "THE END"};
    for (int i = 0; i < 6; ++i) {
        AddBmp(list, "text/endstr" + std::to_string(i + 1) + ".bmp",
               TextPage(440, 120, {pages[i]}, kText));
    }
    AddBmp(list, "text/seeyou.bmp", TextPage(280, 80, {"SEE YOU AGAIN"}, kGold));
}

}  // namespace assets
