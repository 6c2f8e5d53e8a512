// A hostile answer of the number server: splitting it into lines and reading each line as a draw.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/serveranswer.h"
#include "core/textlines.h"
#include "fuzzsupport.h"

using namespace quorix;
using quorix::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view body(reinterpret_cast<const char *>(data), size);
    const DaySerial date = 41738; // 09.04.2014
    for (const std::string &line : serverAnswerLines(body)) {
        check(isValidUtf8(line), "an answer line is decoded to UTF-8");
        const ServerLine parsed = parseServerLine(line, date);
        if (const auto *notice = std::get_if<ServerNotice>(&parsed)) {
            check(line.ends_with(notice->unread), "a notice shows the unread end of its line");
            continue;
        }
        const Draw &draw = std::get<ServerDraw>(parsed).draw;
        check(draw.date == date, "a draw gets the date that was asked for");
        for (int n : draw.numbers)
            check(n >= 0 && n <= 255, "a number fits the draw file's byte");
        for (int d : draw.joker)
            check(d >= 0 && d <= 9, "a Joker digit is a digit");
        const ServerLine again = parseServerLine(serverLineFor(draw), date);
        const auto *back = std::get_if<ServerDraw>(&again);
        check(back && back->draw == draw, "a draw served again reads back unchanged");
    }
    return 0;
}
