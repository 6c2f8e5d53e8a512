// A base or translation file as the program reads it: decoded, capped, cut into entries, searched.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/text/languagefile.h"

using namespace quorix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto lines = decodeLanguageFile(bytes);
    if (lines.size() > kLanguageFileLimits.maxLines) std::abort();
    for (const std::string &line : lines) {
        // What comes out is UTF-8 a caption can take, within the cap, one line each.
        if (!isValidUtf8(line)) std::abort();
        if (utf8Length(line) > kLanguageFileLimits.maxLineChars) std::abort();
        if (line.find('\n') != std::string::npos) std::abort();
    }
    const auto base = parseBaseEntries(lines);
    const auto translation = parseTranslationEntries(lines);
    if (base.size() != lines.size() / 5 || translation.size() != lines.size() / 2) std::abort();
    std::size_t cursor = 0;
    for (const BaseEntry &entry : base) {
        // Every entry is found by its own names from the cursor on, never before the cursor.
        const auto k = findBaseEntry(base, cursor, entry.window, entry.control);
        if (k && (*k < cursor || *k >= base.size())) std::abort();
        if (k) cursor = *k;
        (void)isDecimalNumber(entry.caption);
        (void)parseCharset(entry.charset);
    }
    return 0;
}
