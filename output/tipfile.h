#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/calendar.h"
#include "core/base/result.h"
#include "core/game/tipsheet.h"

namespace quorix {

// The tip file (.zqt): 14 lines, line r holding row r as its six field texts, each followed by
// ",", then the lucky text. CR LF line ends, no header; texts are written as the sheet holds them.
struct TipFile {
    static constexpr const char *kExtension = "zqt";
    static constexpr const char *kFilter = "Tippdatei|*.zqt";

    static std::string format(const TipSheet &sheet);
    // Replaces the file as a whole: a failed save leaves the earlier file as it was.
    static Result<void> write(const std::filesystem::path &path, const TipSheet &sheet);

    // One line into a row, texts unchecked (the sheet's fields normalise what they are given).
    // Fields 1 to 5 take the text up to the next ","; with no "," left they get nothing. Field 6
    // takes the text up to the next "," and the lucky box all after it, further commas included;
    // with no "," left field 6 takes the rest and the lucky box "-".
    static TipRow parseLine(std::string_view line);
    // Line r fills row r; missing lines read as empty, lines after the 14th are ignored. A line
    // that is not UTF-8 is read as Windows-1252. No row comes back locked.
    static TipSheet parse(std::string_view bytes);
    // Fourteen lines of at most 1000 characters fit many times over; a larger file, a folder, a
    // FIFO or a device is refused with an error naming the file.
    static constexpr std::size_t kMaxFileBytes = std::size_t{64} * 1024;
    static Result<TipSheet> read(const std::filesystem::path &path);

    // The proposed file name "yyyymmdd.zqt": the next draw day when the end date is a Sunday,
    // Wednesday or Saturday, otherwise today.
    static std::string proposedName(DaySerial endDate, DaySerial today);
};

// The readable tip list Tipp.txt.
struct TipList {
    static constexpr const char *kFileName = "Tipp.txt";

    // The draw after the shown one: with both weekdays in use the next Saturday or Wednesday,
    // with one or none the same weekday a week later.
    static DaySerial nextDrawDate(DaySerial shown, bool saturdays, bool wednesdays);
    // "<product> Tipp für <weekday> dd.mm.yy"; the weekday name comes in the user's language.
    static std::string title(std::string_view product, DaySerial nextDraw, std::string_view weekdayName);
    // " 1. Tipp:  7   12 ...  Plus: 2" for row index 0; `tipWord` labels the row.
    static std::string rowLine(int row, std::string_view tipWord, const std::vector<int> &numbers,
                               std::string_view lucky);
    // Title, tildes, an empty line, then a line per row whose first field is filled. A listed
    // row with a field that is not a whole number is an error naming that text.
    static Result<std::vector<std::string>> lines(const TipSheet &sheet, std::string_view title,
                                                  std::string_view tipWord);
    // CR LF after every line, replacing the file as a whole.
    static Result<void> write(const std::filesystem::path &path, const std::vector<std::string> &lines);
};

} // namespace quorix
