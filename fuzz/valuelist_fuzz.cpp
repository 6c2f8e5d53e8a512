// The number value list (.zqw): any file reads into a list, and that list survives saving.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/text/textlines.h"
#include "output/valuelist.h"

using namespace quorix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const NumberList read = ValueListFile::parse(bytes);
    for (const NumberListEntry &entry : read)
        if (entry.weight.empty() || !isValidUtf8(entry.weight) || utf8Length(entry.weight) > 64) std::abort();

    NumberList saved = read;
    const std::string text = ValueListFile::format(saved);
    for (std::size_t i = 0; i < read.size(); ++i)
        if (saved[i].ticked != read[i].ticked || saved[i].weight != read[i].weight) std::abort();
    const NumberList reloaded = ValueListFile::parse(text);
    for (std::size_t i = 0; i < read.size(); ++i)
        if (reloaded[i].ticked != read[i].ticked || reloaded[i].weight != read[i].weight) std::abort();
    NumberList again = reloaded;
    if (ValueListFile::format(again) != text) std::abort();
    return 0;
}
