#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Compressed bitmaps are zlib streams of whole bitmap files, expanded in memory.

// A stream that expands past this is treated as broken rather than exhausting memory.
inline constexpr size_t kMaxInflatedSize = size_t{64} << 20;

// Expands the zlib stream in data[0, size) into out; bytes after the stream's end are ignored.
// Every failure shows an error box captioned with captionPath (the compressed file's path) and
// returns false; a stream that runs out of input or expands past kMaxInflatedSize fails too.
bool InflateBuffer(const uint8_t* data, size_t size, const char* captionPath,
                   std::vector<uint8_t>& out);
