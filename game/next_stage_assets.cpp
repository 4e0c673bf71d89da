#include "game/next_stage_assets.h"

#include "engine/music.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/missile.h"

namespace {

// What one stage swaps in, and in which order; a null name leaves that picture as it is.
struct NextStageRow {
    int stageIndex;
    const char* music;
    const char* sheets[3];
    const char* effect24;
    const char* lazer;
    // The order of the loads, by letter: M music, S the three sheets, E effect 24, L the laser
    // picture, G the magic sheet.
    const char* order;
};

constexpr const char* kMagicSheet = "img/magic1.bmp";

constexpr NextStageRow NextStageAssets[] = {
    {2,
     "BGM/stage2.ogg",
     {"img/e-bullets-st2.bmp", "img/e-d-bullets-st2.bmp", "img/dark-bullets-st2.bmp"},
     "img/effect-lazer1.bmp",
     "img/effect-lazer1.bmp",
     "MSGEL"},
    {3,
     "BGM/stage3-1.ogg",
     {"img/e-bullets-st3.bmp", "img/e-d-bullets-st3.bmp", "img/dark-bullets-st3.bmp"},
     "img/effect-lazer1.bmp",
     nullptr,
     "MSEG"},
    {0,
     "BGM/stageb.ogg",
     {"img/e-bullets-stb.bmp", "img/e-d-bullets-stb.bmp", "img/dark-bullets-stb.bmp"},
     "img/effect-lazer3.bmp",
     nullptr,
     "MSEG"},
    {4,
     "BGM/stage4.ogg",
     {"img/e-bullets-st4.bmp", "img/e-d-bullets-st4.bmp", "img/dark-bullets-st4.bmp"},
     "img/effect-lazer2.bmp",
     "img/effect-lazer2.bmp",
     "SELGM"},
    {5,
     "BGM/stage5.ogg",
     {"img/e-bullets-st5.bmp", "img/e-d-bullets-st5.bmp", "img/dark-bullets-st5.bmp"},
     "img/effect-lazer4.bmp",
     "img/effect-lazer4.bmp",
     "MSELG"},
};

void Load(const NextStageRow& row, char step) {
    switch (step) {
        case 'M':
            g_Music.Load(row.music);
            break;
        case 'S':
            if (g_pEBImage == nullptr) break;
            for (int i = 0; i < 3; ++i)
                g_pEBImage[i].Load(row.sheets[i]);
            break;
        case 'E':
            g_EffectMannager.images[24].Load(row.effect24);
            break;
        case 'L':
            g_LazerImage.Load(row.lazer);
            break;
        case 'G':
            g_MissileMannager.images[1].Load(kMagicSheet);
            break;
        default:
            break;
    }
}

}  // namespace

void LoadNextStageAssets(int stageIndex) {
    for (const NextStageRow& row : NextStageAssets) {
        if (row.stageIndex != stageIndex) continue;
        for (const char* step = row.order; *step != '\0'; ++step)
            Load(row, *step);
    }
}
