// A hostile answer of the number server: splitting it into lines, reading each line as a draw, and
// checking the whole answer against the game of the date asked for (the first two bytes pick it).

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/game/gameera.h"
#include "core/history/serveranswer.h"
#include "core/text/textlines.h"
#include "fuzzsupport.h"

using namespace quorix;
using quorix::fuzz::check;

namespace {

// What a taken answer must hold: one draw of the date asked for that fits the game of that date.
void checkAnswer(std::string_view body, DaySerial date) {
    const ServerAnswer answer = readServerAnswer(body, date);
    if (!answer.fault.empty()) {
        check(!answer.draw && !answer.notice, "nothing of a refused answer is taken");
        return;
    }
    if (!answer.draw) return;
    const Draw &draw = answer.draw->draw;
    check(draw.date == date, "the draw is dated the day asked for");
    check(!drawFaultInEra(draw), "a taken draw fits the game of its date");
    const GameEra &era = gameEraOn(date);
    for (std::size_t i = 0; i < draw.numbers.size(); ++i) {
        check(era.numbers().contains(draw.numbers[i]), "a taken number is one of the game's");
        for (std::size_t j = 0; j < i; ++j)
            check(draw.numbers[i] != draw.numbers[j], "a taken draw repeats no number");
    }
    check(era.hasBonus ? era.numbers().contains(draw.bonus) : draw.bonus == 0, "the additional number fits");
    check(era.lucky ? era.lucky->contains(draw.lucky) : draw.lucky == 0, "the lucky number fits");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2) return 0;
    // A day from 1970 to about 2059, across every game.
    const DaySerial date = serialFromYmd(1970, 1, 1) + ((data[0] << 8) | data[1]) / 2;
    const std::string_view body(reinterpret_cast<const char *>(data) + 2, size - 2);
    checkAnswer(body, date);
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
