// Click scripts (.zqs): any file is filled or refused, and a filled one is whole CR LF lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/textlines.h"
#include "fuzzsupport.h"
#include "output/clickscript.h"

using namespace quorix;
using quorix::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    TipSheet sheet;
    sheet.rows[0].numbers = {"5", "11", "19", "23", "30", "41"};
    sheet.rows[0].lucky = "3";
    ClickScriptChoices choices;
    choices.saturday = size % 2 == 0;
    choices.jokers[1] = size % 3 == 0;
    const Result<std::string> filled = ClickScript::fill(bytes, sheet, choices);
    if (!filled) return 0;
    const std::string &out = *filled;
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] != '\n') continue;
        check(i > 0 && out[i - 1] == '\r', "every line ends with CR LF");
        ++lineEnds;
    }
    check(lineEnds == decodeTextLines(bytes).size(), "a line out for every line in");
    check(out.empty() || out.ends_with("\r\n"), "the last line is ended too");
    // The last step's placeholder cannot survive: nothing after it puts one back.
    check(out.find("[JOKER2]") == std::string::npos, "[JOKER2] is replaced everywhere");
    return 0;
}
