#define ZLIB_CONST
#include "engine/inflate.h"

#include <zlib.h>

#include <algorithm>
#include <new>
#include <string>

#include "platform/platform.h"

namespace {

// Input is fed and output collected in blocks of this size, as the file-to-file expansion did.
constexpr size_t kBlock = 4096;

constexpr char kInitError[] = "展開初期化エラー（inflateInit関数）: ";
constexpr char kInflateError[] = "展開エラー（inflate関数）: ";
constexpr char kWriteError[] = "書込エラー（fwrite関数）\n";
constexpr char kEndError[] = "展開終了エラー（inflateEnd関数）: ";

void ShowZlibBox(const char* caption, const char* prefix, const z_stream& stream) {
    std::string text = prefix;
    text += stream.msg != nullptr ? stream.msg : "???";
    text += '\n';
    platform::ErrorBox(caption, text.c_str(), false);
}

enum class WriteResult { Ok, TooLarge, OutOfMemory };

// Appends one block of output, the in-memory counterpart of writing it to a file.
WriteResult WriteBlock(std::vector<uint8_t>& out, const uint8_t* block, size_t n) {
    if (n > kMaxInflatedSize - out.size()) return WriteResult::TooLarge;
    try {
        out.insert(out.end(), block, block + n);
    } catch (const std::bad_alloc&) {
        return WriteResult::OutOfMemory;
    }
    return WriteResult::Ok;
}

// Shows the box for a failed write and releases the stream.
bool FailWrite(WriteResult result, const char* caption, z_stream& stream) {
    if (result == WriteResult::TooLarge) {
        ShowZlibBox(caption, kInflateError, stream);
    } else {
        platform::ErrorBox(caption, kWriteError, false);
    }
    inflateEnd(&stream);
    return false;
}

}  // namespace

bool InflateBuffer(const uint8_t* data, size_t size, const char* captionPath,
                   std::vector<uint8_t>& out) {
    out.clear();
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        ShowZlibBox(captionPath, kInitError, stream);
        return false;
    }

    uint8_t block[kBlock];
    stream.next_out = block;
    stream.avail_out = kBlock;
    size_t consumed = 0;
    for (;;) {
        // At the end of the input this hands zlib nothing, so a truncated stream ends with
        // Z_BUF_ERROR instead of looping.
        if (stream.avail_in == 0) {
            const size_t n = std::min(kBlock, size - consumed);
            stream.next_in = data + consumed;
            stream.avail_in = static_cast<uInt>(n);
            consumed += n;
        }
        const int result = inflate(&stream, Z_NO_FLUSH);
        if (result == Z_STREAM_END) break;
        if (result != Z_OK) {
            ShowZlibBox(captionPath, kInflateError, stream);
            inflateEnd(&stream);
            return false;
        }
        if (stream.avail_out == 0) {
            const WriteResult written = WriteBlock(out, block, kBlock);
            if (written != WriteResult::Ok) return FailWrite(written, captionPath, stream);
            stream.next_out = block;
            stream.avail_out = kBlock;
        }
    }

    const size_t rest = kBlock - stream.avail_out;
    if (rest > 0) {
        const WriteResult written = WriteBlock(out, block, rest);
        if (written != WriteResult::Ok) return FailWrite(written, captionPath, stream);
    }
    // The expansion is complete by now, so a failing end only warrants the box.
    if (inflateEnd(&stream) != Z_OK) ShowZlibBox(captionPath, kEndError, stream);
    return true;
}
