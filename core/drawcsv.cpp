#include "core/drawcsv.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include <cerrno>
#include <cstring>

#include "core/calendar.h"

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

Error reject(std::string reason) {
    return badInput(std::move(reason));
}

// A field for an error message: cut short, control bytes made harmless for a terminal.
std::string quoted(std::string_view field) {
    std::string q = "\"";
    for (char c : field.substr(0, 40))
        q += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    if (field.size() > 40) q += "...";
    return q + "\"";
}

} // namespace

Result<Draw> parseDrawCsvLine(std::string_view line) {
    const auto fields = splitFields(line);
    if (fields.size() != 11) return reject("expected 11 fields, found " + std::to_string(fields.size()));
    Draw d;
    const auto date = parseIsoDate(fields[0]);
    if (!date) return reject("date is not a real date (YYYY-MM-DD): " + quoted(fields[0]));
    d.date = *date;

    struct Range {
        const char *name;
        int lo, hi;
    };
    auto number = [&](std::size_t i, Range r) -> Result<int> {
        const auto v = smallNumber(fields[i]);
        if (!v || *v < r.lo || *v > r.hi)
            return reject(std::string(r.name) + " must be a number " + std::to_string(r.lo) + ".." +
                          std::to_string(r.hi) + ": " + quoted(fields[i]));
        return *v;
    };
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string name = "n" + std::to_string(i + 1);
        auto v = number(1 + i, {name.c_str(), 1, 45});
        if (!v) return v.error();
        if (std::find(d.numbers.begin(), d.numbers.begin() + static_cast<std::ptrdiff_t>(i), *v) !=
            d.numbers.begin() + static_cast<std::ptrdiff_t>(i))
            return reject("number " + std::to_string(*v) + " occurs twice");
        d.numbers[i] = *v;
    }
    auto bonus = number(7, {"bonus", 0, 45});
    if (!bonus) return bonus.error();
    auto lucky = number(8, {"lucky", 0, 6});
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
            return reject("joker must be six digits or empty: " + quoted(joker));
        for (std::size_t i = 0; i < 6; ++i)
            d.joker[i] = joker[i] - '0';
    }
    return d;
}

Result<DrawCsv> parseDrawCsv(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    DrawCsv csv;
    std::size_t lineNumber = 0;
    bool headerSeen = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!headerSeen) {
            if (line != kDrawCsvHeader)
                return badInput("line 1 is not the header \"" + std::string(kDrawCsvHeader) + "\"");
            headerSeen = true;
            continue;
        }
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
        auto draw = parseDrawCsvLine(line);
        if (draw)
            csv.draws.push_back(*draw);
        else
            csv.rejects.push_back({lineNumber, draw.error().message});
    }
    if (!headerSeen)
        return badInput("empty file; expected the header \"" + std::string(kDrawCsvHeader) + "\"");
    return csv;
}

Result<DrawCsv> readDrawCsv(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Error{errno == ENOENT ? Error::Code::NotFound : Error::Code::Io,
                     "Cannot open " + path.string() + ": " + std::strerror(errno)};
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return ioError("Cannot read " + path.string() + ": " + std::strerror(errno));
    return parseDrawCsv(text.str());
}

std::string drawCsvLine(const Draw &draw) {
    std::string line = formatIso(draw.date);
    for (int n : draw.numbers)
        line += "," + std::to_string(n);
    line += "," + std::to_string(draw.bonus) + "," + std::to_string(draw.lucky) + "," +
            std::to_string(draw.replay) + ",";
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
