// A message file as the program reads it: lines decoded one by one and capped.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/text/textlines.h"

using namespace quorix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto lines = decodeTextLines(bytes, kMessageFileLimits);
    if (lines.size() > kMessageFileLimits.maxLines) std::abort();
    for (const std::string &line : lines) {
        // What comes out is UTF-8 the window can show, within the cap, one line each.
        if (!isValidUtf8(line)) std::abort();
        if (utf8Length(line) > kMessageFileLimits.maxLineChars) std::abort();
        if (line.find('\n') != std::string::npos) std::abort();
    }
    // Without limits, the lines are the same ones, only longer.
    const auto whole = decodeTextLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (whole.at(i).compare(0, lines[i].size(), lines[i]) != 0) std::abort();
    return 0;
}
