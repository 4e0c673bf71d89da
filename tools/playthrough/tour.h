#pragma once

#include <istream>
#include <string>
#include <vector>

#include "tools/playthrough/harness.h"
#include "tools/playthrough/recording.h"

// A walk through the game's scenes written as text, one step a line, '#' starting a comment:
//   every N              a checkpoint on each frame number divisible by N, and after each step
//   wait N               N frames without keys
//   until SCENE LIMIT    frames without keys until SCENE is current, at most LIMIT
//   press KEYS [COUNT]   COUNT presses (one if not given): a frame with KEYS held, one without
//   hold KEYS N          N frames with KEYS held
//   helper [WEAR]        a new helped player for a new game, wearing the boss down by phase
//                        or, given WEAR, on every WEAR-th frame of the boss fights
//   play SCENE LIMIT     the helped player's frames until SCENE
//   fight SCENE LIMIT    the scripted player's keys without help, so the ship can be hit
//   joystick             attaches a joystick: from then on the game reads it, not the keyboard
// KEYS joins with '+' any of Z X C up down left right, esc (sent as the window's key message)
// and b0..b13 (joystick buttons); once a joystick is attached the directions tilt its stick.
// SCENE is one of logo title levelselect intro replayselect game boss stageend chat continue
// continueboss pause pauseboss ending keyconfig.
struct Tour {
    std::vector<Checkpoint> points;  // every checkpoint carries the picture
    std::vector<std::string> steps;  // the script line each point was taken in
};

// Plays `script` on `game`, which stands at program start. Throws std::runtime_error naming the
// line of a step it cannot read or whose scene is not reached in time. The joystick and its
// buttons are put back as they were when the tour ends.
Tour PlayTour(Playthrough& game, std::istream& script);
