#include "bosses/boss.h"

#include <algorithm>
#include <cmath>

#include "bosses/boss1.h"
#include "bosses/boss2.h"
#include "bosses/boss3.h"
#include "bosses/boss4.h"
#include "bosses/boss5.h"
#include "bosses/boss_child.h"
#include "bosses/bossb.h"
#include "enemies/background.h"
#include "engine/angle.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/requests.h"
#include "engine/trunc.h"
#include "shooting/effect.h"
#include "shooting/enemy_bullet.h"
#include "shooting/hit_test.h"
#include "shooting/killer_shot.h"
#include "shooting/player.h"

uint8_t g_bBossFlash = 0;
CBoss* g_pBossList[kBossCount] = {};

namespace {

constexpr int32_t kKeyMode = 2;
constexpr int32_t kFlashMode = 19;
constexpr int32_t kFlashLevel = 100;

constexpr double kPush = 8;
constexpr double kPushFloor = 5;

constexpr int32_t kGaugeMax = 360;
constexpr int32_t kGaugeX = 140;
constexpr int32_t kGaugeY = 458;
constexpr int32_t kGaugeH = 8;

// The defeat sequence, in frames counted from the frame the last phase is beaten.
constexpr int32_t kDefeatPhaseBlast = 10;
constexpr int32_t kDefeatChildrenOff = 15;
constexpr int32_t kDefeatBurstsEnd = 30;
constexpr int32_t kDefeatRing = 40;
constexpr int32_t kDefeatChat = 100;
constexpr int32_t kDefeatEnd = 160;
constexpr int32_t kStageWithDefeatChat = 4;
constexpr int32_t kDefeatChatNumber = 42;
constexpr int32_t kSceneChat = 100;

constexpr int32_t kBlastImage = 16;
constexpr int32_t kBlastImage2 = 20;

}  // namespace

void CBoss::Reset() {
    x = 0;
    y = 0;
    vx = 0;
    vy = 0;
    hp = 2;
    kind = 0;
    flag = 0;
    alive = 0;
    draw = CDrawMode(kKeyMode);
    step = 0;
    w = 10;
    h = 10;
    age = 0;
    shotBoxHalfW = 100;
    shotBoxLow = 50;
    shotBoxHigh = h;
    // Option-laser contacts left over from an earlier fight would make a replay or a second
    // run reach this boss's first hit a few contacts early.
    laserTouched = 0;
    laserCount = 0;
    tick = 0;
    frameX = 0;
    animCount = 0;
    param3 = 1;

    work1 = 0;
    work2 = 0;
    work3 = 0;
    emitter.Reset();
    rotation = 0.0;
    dying = 0;
    scriptFrame = 0;
    defeatTimer = 0;
    routeRow = 0;
    hotX = 0;
    hotY = 0;
    phaseHp = 0;
    phaseFrame = 0;
    phaseCount = 0;
    phasesLeft = 0;
    frameCol = 0;
    frameRow = 0;
    entered = 0;
}

void CBoss::StartSetUp(int32_t extraPhases, int32_t hitPoints, double startX, double startY) {
    Reset();
    phasesLeft = extraPhases;
    phaseCount = extraPhases;
    hp = hitPoints;
    phaseHp = hitPoints;
    x = startX;
    y = startY;
}

void CBoss::SetBody(int32_t bodyW, int32_t bodyH, int32_t spotX, int32_t spotY) {
    w = bodyW;
    h = bodyH;
    hotX = spotX;
    hotY = spotY;
}

void LoadKillerShot(int32_t row, const char* file, int32_t w, int32_t h) {
    g_KillerShotImage[row].Load(file);
    KillerShotSizeTable[row] = {w, h};
}

void CBoss::Hit() {
    hp -= 1;
    RequestSound(kSoundHitLoop);
    if (g_bBossFlash != 0) {
        draw.mode = kFlashMode;
        draw.level = kFlashLevel;
    } else {
        draw.mode = kKeyMode;
    }
    g_bBossFlash = g_bBossFlash == 0 ? 1 : 0;
}

void CBoss::PushPlayer() {
    if (g_Player.y - kPush > kPushFloor) g_Player.y -= kPush;
}

void CBoss::TakeShots() {
    if (HitByShotBox(*this)) {
        Hit();
    } else {
        draw.mode = kKeyMode;
    }
}

bool CBoss::BeginFrame() {
    if (phasesLeft < 0) return false;
    phaseFrame += 1;
    scriptFrame = phaseFrame;
    return true;
}

void CBoss::Act() {
    if (phasesLeft < 0) return;
    if (x > 0 && x < 640 && y > -80 && y <= 480) {
        x += vx;
        y -= vy;
    } else {
        alive = 0;
    }
    if (HitPlayerBox(*this)) PushPlayer();
    if (HitByShotBox(*this)) {
        RequestSound(kSoundHitLoop);
        Hit();
    } else {
        draw.mode = kKeyMode;
    }
}

bool CBoss::CheckDefeat() {
    if (hp >= 1) {
        defeatTimer = 0;
        dying = 0;
        return false;
    }
    frameCol = 0;
    frameRow = 0;
    if (defeatTimer < kDefeatPhaseBlast && phasesLeft >= 0) {
        RequestSound(kSoundExplosion);
        g_EffectMannager.AddMidEx(Trunc(x + w / 2), Trunc(y + h / 2), kBlastImage, kBlastImage2, 0,
                                  0, 0, 2);
    }
    // Every bullet still flying when a phase falls, or fired during the defeat, pays out.
    g_EBMannager.ChangeToItems();
    phaseFrame = 0;
    phasesLeft -= 1;
    if (phasesLeft >= 0) {
        hp = phaseHp;
        defeatTimer = 0;
        ClearBossChildren();
    } else {
        hp = 0;
    }
    if (hp != 0) {
        phaseFrame = 0;
        return false;
    }
    dying = 1;
    if (phasesLeft >= 0) {
        phaseFrame = 0;
        return false;
    }

    defeatTimer += 1;
    const int32_t cx = Trunc(x + w / 2);
    const int32_t cy = Trunc(y + h / 2);
    if (defeatTimer == kDefeatChildrenOff) ClearBossChildren();
    if (defeatTimer < kDefeatBurstsEnd && defeatTimer % 4 == 0) {
        RequestSound(kSoundDeath);
        const int32_t dy = Rand() % 100;
        const int32_t dx = Rand() % 100;
        g_EffectMannager.AddMidEx(cx + dx - 50, cy + dy - 50, kBlastImage, kBlastImage2, 0, 0, 0,
                                  0);
    }
    if (defeatTimer == kDefeatRing) {
        RequestSound(kSoundExplosion);
        for (int32_t i = 0; i < 12; ++i) {
            const double a = DegToRad(30 * i);
            g_EffectMannager.AddMidEx(cx, cy, kBlastImage, kBlastImage2,
                                      static_cast<float>(std::cos(a) * 6),
                                      static_cast<float>(std::sin(a) * 6), 0, 0);
        }
    }
    // The body shrinks to a point: nothing can touch it and its parts are no longer drawn.
    if (defeatTimer > kDefeatRing) {
        w = 1;
        h = 1;
    }
    if (defeatTimer == kDefeatChat && g_nStage == kStageWithDefeatChat && g_bChat != 0) {
        g_nNextScene = kSceneChat;
        g_nChat = kDefeatChatNumber;
    }
    if (defeatTimer > kDefeatEnd) {
        hp = phaseHp;
        defeatTimer = 0;
        return true;
    }
    phaseFrame = 0;
    return false;
}

int32_t CBoss::GaugeWidth() const {
    if (phaseHp <= 0) return 0;
    const int64_t width = int64_t{hp} * kGaugeMax / phaseHp;
    return static_cast<int32_t>(std::clamp<int64_t>(width, 0, kGaugeMax));
}

void CreateBosses() {
    if (g_pBossList[0] != nullptr) return;
    // The bosses load their sprites into the shared boss images, and the current sprite is
    // always one of those five: the empty picture made with them would only be lost.
    CreateBackgrounds();
    if (g_pBossImage != g_pBossImage1) {
        delete g_pBossImage;
        g_pBossImage = g_pBossImage1;
    }
    g_pBossList[0] = new CBossB;
    g_pBossList[1] = new CBoss1;
    g_pBossList[2] = new CBoss2;
    g_pBossList[3] = new CBoss3;
    g_pBossList[4] = new CBoss4;
    g_pBossList[5] = new CBoss5;
    g_pBossList[6] = new CBoss1;
}

void DrawBoss(CImage32& dest, const CBoss& boss) {
    if (g_pBossImage == nullptr) return;
    const CImageShooting& image = *g_pBossImage;
    if (boss.rotation == 0.0) {
        dest.BltField(boss.draw, Trunc(boss.x), Trunc(boss.y), image, boss.frameCol * boss.w,
                      boss.frameRow * boss.h, boss.w, boss.h);
        if (boss.w != 1) DrawBossParts(dest, boss.x, boss.y, boss.draw.mode == kFlashMode);
    } else {
        dest.BltRotatedKey(Trunc(boss.x + boss.w / 2), Trunc(boss.y + boss.h / 2), boss.rotation,
                           1.0, boss.draw, image, 0, 0, boss.w, boss.h);
    }
}

void DrawBossGauge(CImage32& dest, const CBoss& boss, const CImage32& bar, const CImage32& fill) {
    const CDrawMode keyed(kKeyMode);
    dest.BltNoClip(keyed, kGaugeX, kGaugeY, bar, 0, 0, bar.width, bar.height);
    dest.BltNoClip(keyed, kGaugeX, kGaugeY, fill, 0, 0, boss.GaugeWidth(), kGaugeH);
}
