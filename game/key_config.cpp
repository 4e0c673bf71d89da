#include "game/key_config.h"

#include <algorithm>

#include "engine/image.h"
#include "engine/joystick.h"
#include "engine/requests.h"
#include "game/input.h"
#include "game/scenes.h"
#include "game/sprite_images.h"

KeyConfigMenu g_KeyConfigMenu;

namespace {

constexpr int32_t kBackRow = 4;
constexpr int32_t kBandCount = 5;
constexpr int32_t kDigitY[4] = {296, 236, 176, 116};

// Row 0 is the top band of the label picture, row 4 the bottom one; the selected row is drawn
// keyed, the others dimmed.
void DrawLabels(int32_t cursor) {
    const CImage32& labels = g_KeyConfigLabelImage;
    const int32_t bandH = labels.height / kBandCount;
    for (int32_t band = 0; band < kBandCount; ++band) {
        const CDrawMode dm = band == kBackRow - cursor ? g_DrawKey : CDrawMode(22, 100);
        g_BackBuffer.Blt(dm, 150, 50 + band * bandH, labels, 0, band * bandH, labels.width, bandH);
    }
}

void DrawDigit(int32_t digit, int32_t x, int32_t y) {
    const CImage32& digits = g_KeyConfigDigitImage;
    const int32_t w = digits.width / 10;
    g_BackBuffer.Blt(g_DrawKey, x, y, digits, digit * w, 0, w, digits.height);
}

}  // namespace

void CKeyConfig::Start() {
    frame = 0;
    g_KeyConfigMenu.up.current = g_Input.up;
    g_KeyConfigMenu.down.current = g_Input.down;
    g_KeyConfigMenu.shot.current = g_Input.shot;
}

void CKeyConfig::Run() {
    KeyConfigMenu& m = g_KeyConfigMenu;
    g_BackBuffer.Copy(0, 0, g_KeyConfigImage);
    DrawLabels(m.cursor);
    for (int32_t row = 0; row < 4; ++row) {
        // Assignments are 0..13, so two digits always suffice.
        const int32_t button = std::clamp(g_aJoyButton[row], 0, 99);
        DrawDigit(button / 10, 420, kDigitY[row]);
        DrawDigit(button % 10, 440, kDigitY[row]);
    }

    if (m.down.Edge(g_Input.down)) m.cursor += 1;
    if (m.up.Edge(g_Input.up)) m.cursor -= 1;
    m.cursor = std::clamp(m.cursor, 0, kBackRow);

    if (m.cursor < kBackRow) g_aJoyButton[m.cursor] = GetJoystickButton(g_aJoyButton[m.cursor]);

    if (!m.shot.Edge(g_Input.shot)) return;
    g_Input.shotPrev = 1;
    RequestSound(kSoundCursor);
    if (m.cursor == kBackRow) {
        g_nNextScene = kSceneTitle;
    } else {
        frame = 0;
    }
}
