#include "core/history/serveranswer.h"

#include <algorithm>
#include <optional>

#include "core/game/gameera.h"
#include "core/text/textlines.h"

namespace quorix {

namespace {

// A notice is shown in a message box; a line longer than this is no draw anyway.
constexpr TextLimits kAnswerLimits{1000, TextLimits::kUnlimited, false};

std::optional<int> byteValue(std::string_view text) {
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 255) return std::nullopt;
    }
    return value;
}

// Takes the text before `separator` as a byte value and drops it with the separator.
std::optional<int> takeField(std::string_view &rest, char separator) {
    const std::size_t end = rest.find(separator);
    if (end == std::string_view::npos) return std::nullopt;
    const auto value = byteValue(rest.substr(0, end));
    if (value) rest.remove_prefix(end + 1);
    return value;
}

bool isBlank(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

// A tag of eight digits is a date; anything else (a letter, nothing) says nothing about the date.
std::optional<std::string> tagFault(const std::string &tag, DaySerial date) {
    const bool isDate =
        tag.size() == 8 && std::all_of(tag.begin(), tag.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!isDate) return std::nullopt;
    const Ymd ymd = ymdFromSerial(date);
    if (std::stoi(tag) == ymd.year * 10000 + ymd.month * 100 + ymd.day) return std::nullopt;
    return "the draw is dated " + tag + ", not the day asked for";
}

} // namespace

ServerLine parseServerLine(std::string_view line, DaySerial date) {
    const std::size_t tagEnd = line.find(',');
    if (tagEnd == std::string_view::npos) return ServerNotice{std::string(line)};
    std::string_view rest = line.substr(tagEnd + 1);

    ServerDraw result;
    result.tag = std::string(line.substr(0, tagEnd));
    Draw &draw = result.draw;
    draw.date = date;
    int *const fields[] = {&draw.numbers[0], &draw.numbers[1], &draw.numbers[2], &draw.numbers[3],
                           &draw.numbers[4], &draw.numbers[5], &draw.bonus,      &draw.lucky};
    for (int *field : fields) {
        const auto value = takeField(rest, ',');
        if (!value) return ServerNotice{std::string(rest)};
        *field = *value;
    }
    const auto replay = takeField(rest, ';');
    if (!replay) return ServerNotice{std::string(rest)};
    draw.replay = *replay;

    const std::size_t jokerEnd = rest.find(';');
    if (jokerEnd != std::string_view::npos) {
        result.jokerText = std::string(rest.substr(0, jokerEnd));
        result.jokerShown = result.jokerText;
    } else {
        result.jokerText = std::string(rest);
        result.jokerShown = "000000";
    }
    const std::string_view joker = result.jokerText;
    const bool sixDigits =
        joker.size() >= draw.joker.size() &&
        std::all_of(joker.begin(), joker.begin() + static_cast<std::ptrdiff_t>(draw.joker.size()),
                    [](char c) { return c >= '0' && c <= '9'; });
    for (std::size_t i = 0; i < draw.joker.size(); ++i)
        draw.joker[i] = sixDigits ? joker[i] - '0' : 0;
    return result;
}

std::vector<std::string> serverAnswerLines(std::string_view body) {
    std::vector<std::string> lines = decodeTextLines(body, kAnswerLimits);
    std::erase_if(lines, [](const std::string &line) { return isBlank(line); });
    return lines;
}

ServerAnswer readServerAnswer(std::string_view body, DaySerial date) {
    ServerAnswer answer;
    if (body.size() > kMaxServerAnswerBytes) {
        answer.fault = kServerAnswerTooLarge;
        return answer;
    }
    int draws = 0;
    for (const std::string &line : serverAnswerLines(body)) {
        ServerLine parsed = parseServerLine(line, date);
        if (auto *notice = std::get_if<ServerNotice>(&parsed)) {
            answer.notice = std::move(*notice);
            break;
        }
        auto &draw = std::get<ServerDraw>(parsed);
        if (++draws > 1) {
            answer.fault = "more than one draw";
        } else if (auto fault = tagFault(draw.tag, date)) {
            answer.fault = *fault;
        } else if (auto wrong = drawFaultInEra(draw.draw)) {
            answer.fault = *wrong;
        }
        if (!answer.fault.empty()) break;
        answer.draw = std::move(draw);
    }
    if (!answer.fault.empty()) {
        answer.draw.reset();
        answer.notice.reset();
    }
    return answer;
}

std::string serverLineFor(const Draw &draw) {
    const Ymd ymd = ymdFromSerial(draw.date);
    std::string line = std::to_string(ymd.year * 10000 + ymd.month * 100 + ymd.day);
    draw.appendValueFields(line);
    line += ';';
    line += draw.jokerString();
    line += ';';
    return line;
}

} // namespace quorix
