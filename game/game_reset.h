#pragma once

#include <cstdint>

// Set when a menu choice is confirmed; the menu fades out while it is set and clears it when it
// leaves.
extern uint8_t g_bMenuConfirm;

// Clears the held and previous bytes of shot, bomb, change and the four directions in g_Input;
// a pause request stays.
void ResetInputEdges();

// A fresh ship with 3 lives, 3 bombs and the given shot power, shot type 0, the generator
// seeded with 1: what going back to the title, giving up and continuing all start with.
void NewShip(int32_t power);

// Every piece of shared game state back at its value at program start: the game-state table,
// the scene numbers and current objects, input, menus and prompts, the pools, effects, bomb and
// ship, the replay recorder, the generator and the frame counters. The window's creation starts
// from it, so a program that creates its window again starts over as a fresh one would.
void ResetProgramState();

// The new-game reset: the ship, the high-score table, the stage scripts and bosses, every pool,
// the bomb, stage 1 with its boss current, a black screen, both replay positions 0 and the
// generator seeded with 1.
void ResetGameState();
