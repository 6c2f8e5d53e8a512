#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/history/draw.h"
#include "core/base/result.h"

namespace quorix {

// The text layout of draw histories for exchange:
//   date,n1,n2,n3,n4,n5,n6,bonus,lucky,replay,joker
// ISO dates, numbers in decimal, the Joker as six digits or empty when none is known.
inline constexpr std::string_view kDrawCsvHeader = "date,n1,n2,n3,n4,n5,n6,bonus,lucky,replay,joker";
// A good line has well under a hundred bytes; a longer one is rejected unread, so a hostile file
// of one huge line costs no memory.
inline constexpr std::size_t kMaxDrawCsvLineBytes = 1000;
// A whole history since 1970 has about 6,000 lines of under 40 bytes; a file beyond 16 MiB is
// refused unread.
inline constexpr std::size_t kMaxDrawCsvFileBytes = std::size_t{16} << 20;

struct CsvReject {
    std::size_t line = 0; // 1-based; the header is line 1
    std::string reason;   // the English line of `error`
    Error error;
};

struct DrawCsv {
    std::vector<Draw> draws; // in the order of the lines
    std::vector<CsvReject> rejects;
};

// One data line (without its line end): a real date, six distinct numbers 1..45, bonus 0..45,
// lucky 0..6, Replay 0..255, Joker six digits or empty. The error names the first fault.
Result<Draw> parseDrawCsvLine(std::string_view line);

// A whole CSV text. It must start with the header (a UTF-8 byte order mark and CR LF line ends
// are accepted); blank lines are skipped; every other line is a draw or a reject. A line longer
// than kMaxDrawCsvLineBytes is a reject.
Result<DrawCsv> parseDrawCsv(std::string_view text);
// The same from a file: a regular file (or a link to one) of at most kMaxDrawCsvFileBytes; a
// FIFO or device is refused, never waited on. The error names the file.
Result<DrawCsv> readDrawCsv(const std::filesystem::path &path);

// Whether the first bytes of a file are text (a draw CSV, or a text file meant as one) rather
// than draw records: a record starts with the bytes of a date, which are never all printable.
bool looksLikeDrawCsv(std::string_view firstBytes);
// The draws of a file given as a draw history: a draw CSV when its content is text, else a draw
// file. A CSV with a rejected line is an error naming the first one. Only a regular file (or a
// link to one) is looked at.
Result<std::vector<Draw>> readDrawHistory(const std::filesystem::path &path);

// One line without line end. A Joker of all zeros is written empty: the draw file cannot tell it
// from "no Joker known".
std::string drawCsvLine(const Draw &draw);

// The draws of `existing` and `incoming` in date order; an incoming draw replaces every existing
// draw of its date, and of several incoming draws of one date the last one wins.
std::vector<Draw> mergeDraws(const std::vector<Draw> &existing, const std::vector<Draw> &incoming);

} // namespace quorix
