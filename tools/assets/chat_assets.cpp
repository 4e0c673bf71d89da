#include <string>
#include <vector>

#include "tools/assets/assets.h"

// The conversation pictures: the text window, the face sheet of the insets, the speakers'
// faces and one text image per conversation set, its pages stacked from the top.
namespace assets {
namespace {

constexpr int kTextWidth = 320;
constexpr int kPageRows = 120;
constexpr uint32_t kTextColour = 0xE0E8FF;
constexpr uint32_t kHeadColour = 0xF0D060;

// A dark panel with a light rim; no colour key, so the keyed pages show it whole too.
Picture Window() {
    Picture p(364, 140, 0x101830);
    FrameRect(p, 2, 2, 360, 136, 0x6080C0);
    return p;
}

// Five 70x70 faces side by side, the insets' source squares.
Picture FaceSheet() {
    Picture p(350, 70, kKey);
    const uint32_t colour[] = {0xC08060, 0x80A0C0, 0xA0C080, 0xC0A060, 0xB070B0};
    for (int i = 0; i < 5; ++i) {
        FillCircle(p, 70 * i + 35, 38, 28, colour[i]);
        DrawTextInCell(p, 70 * i, 2, 70, 14, "FACE " + std::to_string(i + 1), kHeadColour,
                       0x202020);
    }
    return p;
}

// A speaker: a head and shoulders on the colour key, named by its file.
Picture Face(const char* name, uint32_t colour) {
    Picture p(180, 250, kKey);
    FillEllipse(p, 10, 0, 160, 90, colour);
    FillEllipse(p, 40, 80, 100, 130, colour);
    FillCircle(p, 70, 160, 8, 0x202020);
    FillCircle(p, 110, 160, 8, 0x202020);
    DrawTextInCell(p, 20, 20, 140, 40, name, kHeadColour, 0x202020);
    return p;
}

struct Band {
    int rows;
    std::string title;
};

// The bands stacked from the top of the picture, each with its title and two lines of
// placeholder words, added onto the screen over black.
Picture TextImage(const std::vector<Band>& bands) {
    int height = 0;
    for (const Band& band : bands)
        height += band.rows;
    Picture p(kTextWidth, height, kBlack);
    int top = 0;
    for (const Band& band : bands) {
        const int head = p.height - top - 6 - 2 * kGlyphHeight;
        DrawText(p, 8, head, band.title, kHeadColour, 2);
        DrawText(p, 8, head - 12, "PLACEHOLDER WORDS OF THIS PAGE.", kTextColour);
        if (band.rows > 40) DrawText(p, 8, head - 24, "PRESS SHOT TO GO ON.", kTextColour);
        top += band.rows;
    }
    return p;
}

// Whole 120-row pages of one conversation.
Picture Pages(const std::string& name, int pages) {
    std::vector<Band> bands;
    for (int i = 1; i <= pages; ++i)
        bands.push_back({kPageRows, name + " PAGE " + std::to_string(i)});
    return TextImage(bands);
}

}  // namespace

void AddChatAssets(AssetList& list) {
    AddBmp(list, "img/bbs2.bmp", Window());
    AddBmp(list, "img/face.bmp", FaceSheet());

    const struct {
        const char* path;
        const char* name;
        uint32_t colour;
    } faces[] = {
        {"img/cb1.bmp", "CB1", 0xD0A080}, {"img/cb2.bmp", "CB2", 0xC09070},
        {"img/cb3.bmp", "CB3", 0xB08060}, {"img/cc1.bmp", "CC1", 0x80A0D0},
        {"img/cc2.bmp", "CC2", 0x7090C0}, {"img/ct1.bmp", "CT1", 0x90C090},
        {"img/cm1.bmp", "CM1", 0xC080C0}, {"img/cm2.bmp", "CM2", 0xB070B0},
        {"img/ch1.bmp", "CH1", 0xC0C070}, {"img/ch2.bmp", "CH2", 0xB0B060},
        {"img/cl1.bmp", "CL1", 0xD06060},
    };
    for (const auto& face : faces)
        AddBmp(list, face.path, Face(face.name, face.colour));

    AddBmp(list, "text/chatstr1.bmp", Pages("TALK 1", 1));
    AddBmp(list, "text/chatstr2.bmp", Pages("TALK 2", 3));
    AddBmp(list, "text/chatstr3.bmp", Pages("TALK 3", 4));
    AddBmp(list, "text/chatstrb.bmp", Pages("BONUS TALK", 4));
    // Stage 4's text holds both its conversations: the pre-boss one (a page and a 40-row
    // line) and the mid-fight one below it.
    AddBmp(list, "text/chatstr5.bmp",
           TextImage({{kPageRows, "TALK 4 PAGE 1"},
                      {40, "TALK 4 PAGE 2"},
                      {80, "TALK 42 PAGE 1"},
                      {40, "TALK 42 PAGE 2"},
                      {40, "TALK 42 PAGE 3"},
                      {80, "TALK 42 PAGE 4"},
                      {40, "TALK 42 PAGE 5"}}));
    AddBmp(list, "text/chatstr6.bmp", Pages("TALK 52", 4));
}

}  // namespace assets
