#include "core/history/drawcsv.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <optional>

#include <cerrno>

#include <unistd.h>

#include "core/base/calendar.h"
#include "core/history/drawfile.h"
#include "core/game/game.h"
#include "core/base/regularfile.h"

namespace quorix {

namespace {

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(
            line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

// Plain decimal digits only (no sign, no blanks), at most three of them.
std::optional<int> smallNumber(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

Error reject(ErrorKind kind) {
    return errorOf(Error::Code::BadInput, kind);
}

// A field for an error message: cut short, control bytes made harmless for a terminal.
std::string quoted(std::string_view field) {
    std::string q = "\"";
    for (char c : field.substr(0, 40))
        q += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    if (field.size() > 40) q += "...";
    return q + "\"";
}

// A field that is not what its column needs, as found (quoted).
Error badField(ErrorKind kind, std::string_view field) {
    Error error = reject(kind);
    error.text = quoted(field);
    return describedError(std::move(error));
}

Error badNumber(const char *name, int lo, int hi, std::string_view field) {
    Error error = reject(ErrorKind::CsvBadNumber);
    error.field = name;
    error.low = lo;
    error.high = hi;
    error.text = quoted(field);
    return describedError(std::move(error));
}

Error numberError(ErrorKind kind, long long number, long long expected = 0) {
    Error error = reject(kind);
    error.number = number;
    error.high = expected;
    return describedError(std::move(error));
}

} // namespace

Result<Draw> parseDrawCsvLine(std::string_view line) {
    const auto fields = splitFields(line);
    if (fields.size() != 11)
        return numberError(ErrorKind::CsvFieldCount, static_cast<long long>(fields.size()), 11);
    Draw d;
    const auto date = parseIsoDate(fields[0]);
    if (!date) return badField(ErrorKind::CsvBadDate, fields[0]);
    d.date = *date;

    struct Range {
        const char *name;
        int lo, hi;
    };
    auto number = [&](std::size_t i, Range r) -> Result<int> {
        const auto v = smallNumber(fields[i]);
        if (!v || *v < r.lo || *v > r.hi) return badNumber(r.name, r.lo, r.hi, fields[i]);
        return *v;
    };
    for (std::size_t i = 0; i < 6; ++i) {
        std::string name(1, 'n');
        name += std::to_string(i + 1);
        auto v = number(1 + i, {name.c_str(), 1, kHighestNumberOfAnyEra});
        if (!v) return v.error();
        if (std::find(d.numbers.begin(), d.numbers.begin() + static_cast<std::ptrdiff_t>(i), *v) !=
            d.numbers.begin() + static_cast<std::ptrdiff_t>(i))
            return numberError(ErrorKind::NumberTwice, *v);
        d.numbers[i] = *v;
    }
    auto bonus = number(7, {"bonus", 0, kHighestNumberOfAnyEra});
    if (!bonus) return bonus.error();
    auto lucky = number(8, {"lucky", 0, kHighestLucky});
    if (!lucky) return lucky.error();
    auto replay = number(9, {"replay", 0, 255});
    if (!replay) return replay.error();
    d.bonus = *bonus;
    d.lucky = *lucky;
    d.replay = *replay;

    const std::string_view joker = fields[10];
    if (!joker.empty()) {
        if (joker.size() != 6 ||
            !std::all_of(joker.begin(), joker.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return badField(ErrorKind::CsvBadJoker, joker);
        for (std::size_t i = 0; i < 6; ++i)
            d.joker[i] = joker[i] - '0';
    }
    return d;
}

namespace {
// Takes the lines of a CSV one by one; the text and the file reader share it.
class CsvLines {
public:
    // `line` is without its LF; `tooLong` when the reader dropped bytes of it.
    void take(std::string_view line, bool tooLong) {
        ++m_lineNumber;
        if (m_failure) return;
        if (m_lineNumber == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        tooLong = tooLong || line.size() > kMaxDrawCsvLineBytes;
        if (m_lineNumber == 1) {
            if (tooLong || line != kDrawCsvHeader) m_failure = headerError(ErrorKind::CsvNoHeader);
            return;
        }
        if (tooLong) {
            add(numberError(ErrorKind::CsvLineTooLong, static_cast<long long>(kMaxDrawCsvLineBytes)));
            return;
        }
        if (line.find_first_not_of(" \t") == std::string_view::npos) return;
        auto draw = parseDrawCsvLine(line);
        if (draw)
            m_csv.draws.push_back(*draw);
        else
            add(draw.error());
    }
    Result<DrawCsv> finish() {
        if (m_failure) return *m_failure;
        if (m_lineNumber == 0) return headerError(ErrorKind::CsvEmpty);
        return std::move(m_csv);
    }

private:
    static Error headerError(ErrorKind kind) {
        Error error = reject(kind);
        error.text = kDrawCsvHeader;
        return describedError(std::move(error));
    }
    void add(const Error &error) { m_csv.rejects.push_back({m_lineNumber, error.message, error}); }

    DrawCsv m_csv;
    std::size_t m_lineNumber = 0;
    std::optional<Error> m_failure;
};

// What is kept of a line: room for a byte order mark, a CR and one byte too many.
constexpr std::size_t kLineCap = kMaxDrawCsvLineBytes + 5;
} // namespace

Result<DrawCsv> parseDrawCsv(std::string_view text) {
    CsvLines lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        lines.take(line.substr(0, kLineCap), line.size() > kLineCap);
    }
    return lines.finish();
}

Result<DrawCsv> readDrawCsv(const std::filesystem::path &path) {
    const Result<std::string> text = readRegularFile(path, kMaxDrawCsvFileBytes);
    if (!text) return text.error();
    return parseDrawCsv(*text);
}

bool looksLikeDrawCsv(std::string_view firstBytes) {
    if (firstBytes.substr(0, 3) == "\xEF\xBB\xBF") return true;
    firstBytes = firstBytes.substr(0, 8);
    return !firstBytes.empty() && std::all_of(firstBytes.begin(), firstBytes.end(), [](char c) {
        return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\r' || c == '\n';
    });
}

Result<std::vector<Draw>> readDrawHistory(const std::filesystem::path &path) {
    {
        const Result<RegularFile> file = RegularFile::open(path);
        if (!file) return file.error();
        std::array<char, 8> first{};
        ssize_t got = -1;
        do {
            got = ::pread(file->fd(), first.data(), first.size(), 0);
        } while (got < 0 && errno == EINTR);
        if (got < 0) return fileError(ErrorKind::CannotRead, path.string(), errno);
        if (!looksLikeDrawCsv({first.data(), static_cast<std::size_t>(got)})) return DrawFile(path).readAll();
    }
    auto csv = readDrawCsv(path);
    if (!csv) return csv.error();
    if (!csv->rejects.empty())
        return lineError(path.string(), static_cast<long long>(csv->rejects.front().line),
                         csv->rejects.front().error);
    return std::move(csv->draws);
}

std::string drawCsvLine(const Draw &draw) {
    std::string line = formatIso(draw.date);
    draw.appendValueFields(line);
    line += ',';
    if (std::any_of(draw.joker.begin(), draw.joker.end(), [](int d) { return d != 0; }))
        line += draw.jokerString();
    return line;
}

std::vector<Draw> mergeDraws(const std::vector<Draw> &existing, const std::vector<Draw> &incoming) {
    std::map<DaySerial, Draw> byDate;
    for (const Draw &d : incoming)
        byDate[d.date] = d;
    std::vector<Draw> merged;
    merged.reserve(existing.size() + byDate.size());
    std::copy_if(existing.begin(), existing.end(), std::back_inserter(merged),
                 [&](const Draw &d) { return !byDate.count(d.date); });
    for (const auto &entry : byDate)
        merged.push_back(entry.second);
    std::stable_sort(merged.begin(), merged.end(),
                     [](const Draw &a, const Draw &b) { return a.date < b.date; });
    return merged;
}

} // namespace quorix
