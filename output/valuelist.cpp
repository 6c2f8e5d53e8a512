#include "output/valuelist.h"

#include <cstdio>

#include "core/game/game.h"
#include "core/base/regularfile.h"
#include "core/text/textlines.h"
#include "core/base/atomicfile.h"

namespace quorix {

namespace {

// Longest weight text kept, in characters; anything longer is not a weight anybody typed.
constexpr std::size_t kMaxWeightChars = 64;

constexpr TextLimits kValueListLimits{TextLimits::kUnlimited, kHighestNumberOfAnyEra, true};

// What a weight can hold so that saving and loading it gives it back unchanged: no control
// characters (they could end the line), no zero-width no-break space (a leading one would be
// taken for a byte-order mark), at most kMaxWeightChars characters.
std::string cleanWeight(std::string_view text) {
    const std::string decoded = decodeLine(text);
    std::string kept;
    std::size_t keptChars = 0;
    for (std::string_view rest = decoded; !rest.empty() && keptChars < kMaxWeightChars;) {
        const std::string_view ch = utf8Prefix(rest, 1);
        rest.remove_prefix(ch.size());
        const auto lead = static_cast<unsigned char>(ch[0]);
        const bool c0 = lead < 0x20 || lead == 0x7F;
        const bool c1 = lead == 0xC2 && static_cast<unsigned char>(ch[1]) < 0xA0;
        if (c0 || c1 || ch == "\xEF\xBB\xBF") continue;
        kept += ch;
        ++keptChars;
    }
    return kept;
}

} // namespace

std::string ValueListFile::format(NumberList &list) {
    std::string text;
    for (NumberListEntry &entry : list) {
        if (entry.ticked) {
            entry.weight = cleanWeight(entry.weight);
            if (entry.weight.empty()) entry.weight.assign(1, '1');
            text += entry.weight;
        }
        text += "\r\n";
    }
    return text;
}

Result<void> ValueListFile::write(const std::filesystem::path &path, NumberList &list) {
    NumberList saved = list;
    const std::string text = format(saved);
    // Replaced as a whole: a write that fails (a full disk) leaves the earlier list as it was, and a
    // link in the list's place is replaced, its target untouched.
    if (auto written = writeAtomically(path, text); !written) return written;
    list = saved;
    return {};
}

NumberList ValueListFile::parse(std::string_view text) {
    const std::vector<std::string> lines = decodeTextLines(text, kValueListLimits);
    NumberList list;
    for (std::size_t n = 0; n < list.size(); ++n) {
        NumberListEntry &entry = list[n];
        const std::string weight = n < lines.size() ? cleanWeight(lines[n]) : std::string();
        entry.ticked = !weight.empty();
        if (weight.empty())
            entry.weight.assign(1, '1');
        else
            entry.weight = weight;
    }
    return list;
}

Result<NumberList> ValueListFile::read(const std::filesystem::path &path) {
    const Result<std::string> text = readRegularFile(path, kMaxFileBytes);
    if (!text) return text.error();
    return parse(*text);
}

std::string ValueListFile::proposedName(int year, int month, int day) {
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%02d.zqw", year, month, day);
    return name;
}

} // namespace quorix
