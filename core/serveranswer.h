#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/calendar.h"
#include "core/draw.h"

namespace quorix {

// One draw line of the number server's answer:
//   tag,n1,n2,n3,n4,n5,n6,bonus,lucky,replay;joker;anything
// The tag is ignored and the line carries no date: the draw gets the date that was asked for.
struct ServerDraw {
    Draw draw;
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

// The line `quorix-cli serve` answers for a stored draw, which parseServerLine reads back.
std::string serverLineFor(const Draw &draw);

} // namespace quorix
