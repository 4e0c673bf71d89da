#include "enemies/enemy.h"

#include "enemies/kind_scripts.h"
#include "engine/game_state.h"
#include "engine/requests.h"
#include "shooting/hit_test.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"

// w, h, hp, death kind, hit offset, sound class, shot-box width. The shot box is usually the
// sprite height, not its width; kind 2's is wider than its sprite. Both are as the game plays.
const EnemyKind EnemyKindTable[kEnemyKindCount] = {
    {346, 256, 800, 3, 110, 1, 256},  // 0 mid-boss 5
    {45, 28, 1, 0, 0, 0, 28},         // 1 bat
    {220, 239, 440, 3, 110, 0, 259},  // 2 ship 1
    {56, 54, 8, 1, 0, 0, 54},         // 3
    {113, 30, 5, 0, 0, 0, 30},        // 4
    {113, 69, 14, 1, 0, 2, 69},       // 5
    {150, 109, 28, 1, 0, 1, 109},     // 6
    {48, 44, 8, 1, 0, 0, 44},         // 7
    {45, 45, 2, 0, 0, 0, 45},         // 8
    {54, 54, 2, 0, 0, 0, 54},         // 9
    {130, 99, 24, 1, 0, 2, 80},       // 10
    {69, 18, 2, 0, 0, 0, 18},         // 11
    {69, 65, 4, 0, 0, 0, 65},         // 12
    {72, 47, 8, 1, 0, 0, 47},         // 13
    {209, 129, 50, 1, 0, 2, 129},     // 14
    {191, 101, 26, 1, 0, 1, 101},     // 15
    {236, 104, 50, 1, 0, 1, 104},     // 16
    {300, 231, 44, 1, 0, 0, 231},     // 17
    {97, 96, 24, 2, 0, 1, 96},        // 18
    {192, 106, 44, 0, 0, 1, 106},     // 19
    {260, 126, 44, 1, 50, 1, 100},    // 20
    {181, 178, 54, 1, 0, 0, 178},     // 21
    {156, 126, 24, 2, 60, 1, 126},    // 22
    {118, 106, 24, 1, 60, 2, 106},    // 23
    {270, 148, 80, 1, 0, 1, 148},     // 24
    {176, 149, 90, 2, 60, 1, 149},    // 25
    {114, 53, 10, 1, 0, 3, 53},       // 26
    {112, 65, 10, 1, 0, 1, 65},       // 27
    {222, 131, 24, 1, 0, 1, 131},     // 28
    {86, 105, 16, 1, 0, 1, 105},      // 29
    {118, 42, 4, 1, 0, 0, 42},        // 30
    {359, 269, 740, 3, 110, 0, 269},  // 31 mid-boss 3
    {98, 57, 20, 0, 0, 2, 57},        // 32
    {138, 107, 62, 1, 0, 2, 107},     // 33
    {44, 27, 1, 0, 0, 0, 27},         // 34
    {54, 54, 1, 0, 0, 0, 54},         // 35
    {195, 219, 740, 3, 0, 1, 219},    // 36 ship 2
    {54, 54, 2, 0, 0, 0, 54},         // 37
    {79, 37, 4, 0, 0, 0, 37},         // 38
    {75, 20, 2, 0, 0, 0, 20},         // 39
    {86, 50, 2, 0, 0, 0, 50},         // 40
    {190, 81, 10, 1, 0, 1, 81},       // 41
    {378, 285, 750, 4, 110, 0, 378},  // 42 fortress
    {379, 420, 800, 4, 180, 0, 378},  // 43 fortress
};

namespace {

constexpr int32_t kKindFortress = 43;
constexpr int32_t kFortressContactTop = 150;
constexpr int32_t kKindPod = 6;

// Below this height an enemy is far enough into the field to touch the ship and be shot.
constexpr double kActiveBelow = 450;
constexpr double kPush = 8;
constexpr double kPushFloor = 5;

constexpr int32_t kHitFlash = 10;
constexpr int32_t kFlashMode = 19;
constexpr int32_t kFlashLevel = 100;
constexpr int32_t kKeyMode = 2;

constexpr int32_t kKillScore = 500;
constexpr int32_t kKillPower = 100;

// The death sound of each sound class; any other class sounds like class 0.
SoundId DeathSound(int32_t soundClass) {
    switch (soundClass) {
        case 1:
            return kSoundBlastLarge;
        case 2:
            return kSoundExplosion;
        case 3:
            return kSoundBlastSmall;
        default:
            return kSoundDeath;
    }
}

}  // namespace

void CEnemy::Clear() {
    *this = CEnemy();
}

void CEnemy::Set(int32_t px, int32_t py, int32_t k, float fvx, float fvy, int32_t np1,
                 int32_t np2) {
    if (!IsEnemyKind(k)) return;
    Launch(px, py, k, fvx, fvy);
    draw.vflip = 0;
    draw.mirror = 0;
    draw.mode = kKeyMode;
    age = 0;
    p1 = np1;
    p2 = np2;
    angle = 0;
    frameX = 0;
    animCount = 0;
    step = 0;

    const EnemyKind& row = EnemyKindTable[k];
    w = row.w;
    hp = row.hp;
    h = row.h;
    deathKind = row.deathKind;
    shotBoxW = row.shotBoxW;
    contactTop = row.hitOffset / 2;
    if (k == kKindFortress) contactTop = kFortressContactTop;

    toggle = 0;
    halfW = w / 2;
    halfH = h / 2;
    work = 0;
    flash = 0;
    noContact = 0;
    sub.on = 0;
    sub.angle = 0;
    sub.w = 0;
    sub.h = 0;
    sub.srcX = 0;
}

void CEnemy::Move() {
    if (x + w < 0 || x >= 640 || y <= -40 - h || y > 480) {
        alive = 0;
        return;
    }
    y -= vy;
    x += vx;
}

void CEnemy::Act() {
    if (alive == 0) return;
    // A cull does not end the frame: the enemy still ages, is tested and runs its script once.
    Move();
    age += 1;
    if (y < kActiveBelow) {
        if (HitPlayerBoxFrom(*this, contactTop) && noContact == 0 &&
            g_Player.y - kPush > kPushFloor) {
            g_Player.y -= kPush;
        }
        if (HitByShotInset(*this, shotBoxW, EnemyKindTable[kind].hitOffset)) {
            flash = kHitFlash;
            // A kill ends the frame: the dead enemy's script does not run.
            if (Damage()) return;
        }
    }
    draw.mode = kKeyMode;
    flash -= 1;
    if (flash > 0) {
        if (flash % 2 == 1) {
            draw.mode = kKeyMode;
            draw.level = 255;
        } else {
            draw.mode = kFlashMode;
            draw.level = kFlashLevel;
        }
    }
    RunScript();
}

bool CEnemy::Damage() {
    hp -= 1;
    if (hp >= 0) return false;
    Kill();
    return true;
}

void CEnemy::Kill() {
    const EnemyKind& row = EnemyKindTable[kind];
    RequestSound(DeathSound(row.soundClass));
    g_pPointMannager->AddScore(kKillScore);
    if (g_Player.hitY > 0) {
        g_pPointMannager->powerGauge += kKillPower;
        g_pPointMannager->killCount += 1;
    }
    // The quicker the kill, the larger the bonus; Act has counted the age, so it is at least 1.
    const int32_t n = row.hp;
    g_pPointMannager->AddGauge((n * 110 / age) * 10 / age * n);
    PlayDeathEffect(*this);
    alive = 0;
}

void CEnemy::RunScript() {
    switch (kind) {
        case 1:
            BatScript(*this);
            break;
        case kKindPod:
            // The pod stays a 1x1 box until it has come down to its p2 height.
            if (p2 > y) {
                step = 1;
                w = EnemyKindTable[kKindPod].w;
                h = EnemyKindTable[kKindPod].h;
            }
            if (step == 0) {
                w = 1;
                h = 1;
            }
            CarrierScript(*this);
            break;
        case 7:
            Zako7Script(*this);
            break;
        case 41:
            Zako8Script(*this);
            break;
        case 4:
            ActKind4(*this);
            break;
        case 8:
            ActKind8(*this);
            break;
        case 9:
            ActKind9(*this);
            break;
        case 10:
            ActKind10(*this);
            break;
        case 11:
            ActKind11(*this);
            break;
        case 14:
            ActKind14(*this);
            break;
        case 15:
            ActKind15(*this);
            break;
        case 16:
            ActKind16(*this);
            break;
        case 17:
            ActKind17(*this);
            break;
        case 19:
            ActKind19(*this);
            break;
        case 25:
            ActKind25(*this);
            break;
        case 26:
            ActKind26(*this);
            break;
        case 27:
            ActKind27(*this);
            break;
        case 32:
            ActKind32(*this);
            break;
        case 34:
            if (g_nStage == 3) {
                ActKind34Stage3(*this);
            } else {
                ActKind34(*this);
            }
            break;
        case 35:
            ActKind35(*this);
            break;
        case 38:
            ActKind38(*this);
            break;
        case 39:
            ActKind39(*this);
            break;
        case 40:
            ActKind40(*this);
            break;
        case 0:
            ActKind0(*this);
            break;
        case 2:
            ActKind2(*this);
            break;
        case 31:
            ActKind31(*this);
            break;
        case 36:
            ActKind36(*this);
            break;
        case 42:
            ActKind42(*this);
            break;
        case 43:
            ActKind43(*this);
            break;
        case 3:
            Fo11Script(*this, p1);
            break;
        case 5:
            Fo15Script(*this);
            break;
        case 12:
            Fo4Script(*this, p1);
            break;
        case 13:
            ItemerScript(*this);
            break;
        case 18:
            FanGunnerScript(*this);
            break;
        case 20:
            GunshipScript(*this);
            break;
        case 21:
            StandInGunnerScript(*this);
            break;
        case 22:
            SpiralGunnerScript(*this);
            break;
        case 23:
            TwinFanGunnerScript(*this);
            break;
        case 24:
            Fo7Script(*this);
            break;
        case 28:
            Fo8Script(*this);
            break;
        case 29:
            Fo9Script(*this);
            break;
        case 30:
            DartingPodScript(*this);
            break;
        case 33:
            WalkerScript(*this);
            break;
        default:
            break;
    }
}
