// The settings file: any input is read or refused without harm, and what is read survives saving.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzzsupport.h"
#include "output/settingsfile.h"

using namespace quorix;
using quorix::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto read = SettingsFile::parse(bytes);
    if (!read) return 0;
    check(read->size() <= SettingsFile::kMaxValues, "the value count is capped");
    const auto text = SettingsFile::format(*read);
    check(text.ok(), "what was read can be saved");
    const auto again = SettingsFile::parse(*text);
    check(again.ok() && *again == *read, "a read file survives saving");
    check(SettingsFile::format(*again).value() == *text, "saving is stable");
    for (const auto &[name, value] : *read)
        if (const auto *binary = std::get_if<SettingsFile::Binary>(&value))
            if (const auto number = SettingsFile::doubleFromBytes(binary->bytes))
                check(SettingsFile::doubleBytes(*number) == binary->bytes, "8 bytes survive as a double");
    return 0;
}
