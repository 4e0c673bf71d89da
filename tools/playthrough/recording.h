#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One line of a recorded run: the frame after which it was taken, the game state's hash and,
// on some lines, the back buffer's.
struct Checkpoint {
    int frame = 0;
    uint64_t state = 0;
    uint64_t picture = 0;
    bool hasPicture = false;
};

// A recording is a text file of one checkpoint a line: "frame state [picture]", hashes in hex.
std::vector<Checkpoint> ReadRecording(const std::string& path);
void WriteRecording(const std::string& path, const std::vector<Checkpoint>& points);
