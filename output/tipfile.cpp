#include "output/tipfile.h"

#include <charconv>
#include <cstdio>

#include "core/game/game.h"
#include "core/base/regularfile.h"
#include "core/text/textlines.h"
#include "core/base/atomicfile.h"

namespace quorix {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A written line is six short numbers and a lucky digit; the limits only stop hostile files from
// growing into huge texts. A lone CR ends a line too, so no field ever holds one.
constexpr TextLimits kTipFileLimits{1000, kTipRowCount, true};

// The text before the first "," (or all of it) and what follows the comma.
struct Split {
    std::string_view head;
    std::string_view tail;
    bool found = false;
};
Split splitAtComma(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return {text, {}, false};
    return {text.substr(0, comma), text.substr(comma + 1), true};
}

bool parseWholeNumber(std::string_view text, int &value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

} // namespace

std::string TipFile::format(const TipSheet &sheet) {
    std::string text;
    for (const TipRow &row : sheet.rows) {
        for (const std::string &number : row.numbers)
            text += number + ",";
        text += row.lucky + "\r\n";
    }
    return text;
}

Result<void> TipFile::write(const std::filesystem::path &path, const TipSheet &sheet) {
    return writeAtomically(path, format(sheet));
}

TipRow TipFile::parseLine(std::string_view line) {
    TipRow row;
    for (std::size_t field = 0; field + 1 < row.numbers.size(); ++field) {
        const Split split = splitAtComma(line);
        if (!split.found) continue; // the field stays empty, the text waits for field 6
        row.numbers[field] = split.head;
        line = split.tail;
    }
    const Split last = splitAtComma(line);
    row.numbers.back() = last.head;
    row.lucky = last.found ? std::string(last.tail) : std::string("-");
    return row;
}

TipSheet TipFile::parse(std::string_view bytes) {
    std::vector<std::string> lines = decodeTextLines(bytes, kTipFileLimits);
    // decodeTextLines drops one byte-order mark; more of them are no text anybody typed.
    if (!lines.empty())
        while (lines.front().starts_with(kByteOrderMark))
            lines.front().erase(0, kByteOrderMark.size());
    TipSheet sheet;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r)
        sheet.rows[r] = parseLine(r < lines.size() ? std::string_view(lines[r]) : std::string_view());
    return sheet;
}

Result<TipSheet> TipFile::read(const std::filesystem::path &path) {
    const Result<std::string> bytes = readRegularFile(path, kMaxFileBytes);
    if (!bytes) return bytes.error();
    return parse(*bytes);
}

std::string TipFile::proposedName(DaySerial endDate, DaySerial today) {
    const int weekday = weekdayOf(endDate);
    const bool drawWeekday = isSaturdayDraw(weekday) || isWednesdayDraw(weekday);
    const Ymd date = ymdFromSerial(drawWeekday ? nextDrawDay(endDate) : today);
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%02d.%s", date.year, date.month, date.day, kExtension);
    return name;
}

DaySerial TipList::nextDrawDate(DaySerial shown, bool saturdays, bool wednesdays) {
    if (saturdays && wednesdays) return shown + (isWednesdayDraw(weekdayOf(shown)) ? 3 : 4);
    return shown + 7;
}

std::string TipList::title(std::string_view product, DaySerial nextDraw, std::string_view weekdayName) {
    std::string title(product);
    title += " Tipp für ";
    title += weekdayName;
    title += ' ';
    title += formatShortDmy(nextDraw);
    return title;
}

std::string TipList::rowLine(int row, std::string_view tipWord, const std::vector<int> &numbers,
                             std::string_view lucky) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%2d. ", row + 1);
    std::string line = prefix;
    line += tipWord;
    line += ": ";
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%2d", numbers[i]);
        if (i > 0) line += "   ";
        line += number;
    }
    line += "  Plus: ";
    line += lucky;
    return line;
}

Result<std::vector<std::string>> TipList::lines(const TipSheet &sheet, std::string_view title,
                                                std::string_view tipWord) {
    std::vector<std::string> lines{std::string(title), std::string(46, '~'), std::string()};
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const TipRow &row = sheet.rows[r];
        if (row.numbers.front().empty()) continue;
        std::vector<int> numbers;
        for (const std::string &text : row.numbers) {
            int value = 0;
            if (!parseWholeNumber(text, value)) {
                Error error = errorOf(Error::Code::BadInput, ErrorKind::NotWholeNumber);
                error.text = text;
                error.line = static_cast<long long>(r) + 1;
                return describedError(std::move(error));
            }
            numbers.push_back(value);
        }
        lines.push_back(rowLine(static_cast<int>(r), tipWord, numbers, row.lucky));
    }
    return lines;
}

Result<void> TipList::write(const std::filesystem::path &path, const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return writeAtomically(path, text);
}

} // namespace quorix
