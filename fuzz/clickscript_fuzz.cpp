// Click scripts (.zqs): any file is filled or refused, a filled one is whole CR LF lines, and its
// size grows linearly with the script and the texts put in, whatever those texts hold.
//
// The input is six texts (each ended by a backslash and one more byte, as FuzzedDataProvider
// reads them) for the first number and the lucky box of rows 1 to 3, then the script; its last
// byte, if any is left, ticks the days and Jokers.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "core/text/textlines.h"
#include "fuzzsupport.h"
#include "output/clickscript.h"

using namespace quorix;
using quorix::fuzz::check;

namespace {

// Placeholder after placeholder over the whole text, in the order of the steps: where no
// replacement can make a placeholder, the one pass must fill exactly as this does.
std::string stepwise(std::string text, const std::vector<std::pair<std::string, std::string>> &steps) {
    for (const auto &[placeholder, replacement] : steps)
        for (std::size_t at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder, at + replacement.size()))
            text.replace(at, placeholder.size(), replacement);
    return text;
}

// A placeholder can arise between a replacement and the text around it only from a "[" of the
// text, then a placeholder before the next "]": two "[" without a "]" between them.
bool opensTwice(std::string_view text) {
    bool open = false;
    for (char c : text) {
        if (c == ']') open = false;
        if (c != '[') continue;
        if (open) return true;
        open = true;
    }
    return false;
}

TipSheet fuzzedSheet(FuzzedDataProvider &provider) {
    TipSheet sheet;
    sheet.rows[0].numbers = {"5", "11", "19", "23", "30", "41"};
    for (std::size_t r = 0; r < 3; ++r) {
        sheet.rows[r].numbers[0] = provider.ConsumeRandomLengthString(2000);
        sheet.rows[r].lucky = provider.ConsumeRandomLengthString(2000);
    }
    return sheet;
}

void checkLines(std::string_view out, std::string_view script) {
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] != '\n') continue;
        check(i > 0 && out[i - 1] == '\r', "every line ends with CR LF");
        ++lineEnds;
    }
    check(lineEnds == decodeTextLines(script).size(), "a line out for every line in");
    check(out.empty() || out.ends_with("\r\n"), "the last line is ended too");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider provider(data, size);
    const TipSheet sheet = fuzzedSheet(provider);
    ClickScriptChoices choices;
    const auto ticks = provider.ConsumeIntegral<std::uint8_t>();
    choices.saturday = (ticks & 1) != 0;
    choices.wednesday = (ticks & 2) != 0;
    choices.jokers = {(ticks & 4) != 0, (ticks & 8) != 0, (ticks & 16) != 0};
    const std::string script = provider.ConsumeRemainingBytesAsString();

    const auto steps = ClickScript::replacements(sheet, choices);
    std::size_t longest = 0;
    bool bracketFree = true;
    for (const auto &[placeholder, replacement] : steps) {
        longest = std::max(longest, replacement.size());
        bracketFree = bracketFree && replacement.find_first_of("[]") == std::string::npos;
    }

    // Every placeholder takes four bytes at least and none is filled twice.
    const std::string text = ClickScript::fillText(script, sheet, choices);
    check(text.size() <= script.size() * std::max<std::size_t>(1, longest), "filling grows linearly");
    if (bracketFree && !opensTwice(script))
        check(text == stepwise(script, steps), "one pass fills as placeholder after placeholder does");

    const Result<std::string> filled = ClickScript::fill(script, sheet, choices);
    if (!filled) return 0;
    check(filled->size() <= ClickScript::kMaxFilledBytes, "the filled script stays within its limit");
    checkLines(*filled, script);
    return 0;
}
