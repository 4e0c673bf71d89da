#pragma once

#include <cstdint>

// One button as a menu sees it: the held byte of this frame and of the frame before. Each menu
// keeps its own pairs, so what one scene took as a press never counts as a press in another.
struct MenuButton {
    uint8_t previous = 0;
    uint8_t current = 0;

    // Feeds this frame's held byte; true on the frame the button goes down. Called every frame,
    // also on frames whose input the menu ignores, so a press held across them is no edge.
    bool Edge(uint8_t held) {
        previous = current;
        current = held;
        return current == 1 && previous == 0;
    }
};
