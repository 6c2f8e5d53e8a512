#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/base/calendar.h"
#include "core/history/draw.h"

namespace quorix {

// One draw line of the number server's answer:
//   tag,n1,n2,n3,n4,n5,n6,bonus,lucky,replay;joker;anything
// The line carries no date: the draw gets the date that was asked for. The tag is often a letter;
// where it is a date (yyyymmdd), it must be the date asked for.
struct ServerDraw {
    Draw draw;
    std::string tag; // field 0 as sent
    // The Joker text as sent: what stood before the second ";", or the rest of the line when there
    // is none. Six digits become the draw's Joker; anything else leaves all six digits 0.
    std::string jokerText;
    // What the Joker line shows: the Joker text when it was closed by ";", else "000000".
    std::string jokerShown;
};

// A line that is no draw (a notice of the server, or a broken line): what was still unread when
// the reading failed, so the player sees the notice itself rather than its tag.
struct ServerNotice {
    std::string unread;
};

using ServerLine = std::variant<ServerDraw, ServerNotice>;

// Reads one line (without its line end) for the draw of `date`. A field of the numbers that is not
// a whole decimal number 0..255 makes the line a notice: the draw file stores each value as one
// byte, and a larger value would be stored as a different number.
ServerLine parseServerLine(std::string_view line, DaySerial date);

// The answer's lines: split at LF, a CR before it dropped, each decoded to UTF-8 (older servers
// send Windows-1252). Blank lines carry nothing and are left out.
std::vector<std::string> serverAnswerLines(std::string_view body);

// A draw day's answer is one line of some forty bytes; a larger answer is no answer of the server.
// Both HTTP clients stop reading there, and readServerAnswer refuses what is larger.
inline constexpr std::size_t kMaxServerAnswerBytes = std::size_t{64} << 10;
inline constexpr const char *kServerAnswerTooLarge = "answer larger than 64 KiB";

// One answer for the draw of `date`, read line by line up to the first line that is no draw (a
// notice; what follows it is not read). The draw lines before it are checked together before any
// of them is taken: at most one of them, its date tag (if any) the date asked for, its values those
// of the game of that date. A fault refuses the whole answer.
struct ServerAnswer {
    std::optional<ServerDraw> draw;
    std::optional<ServerNotice> notice;
    std::string fault; // what is wrong; empty when the answer may be taken
};
ServerAnswer readServerAnswer(std::string_view body, DaySerial date);

// The line `quorix-cli serve` answers for a stored draw, which parseServerLine reads back.
std::string serverLineFor(const Draw &draw);

} // namespace quorix
