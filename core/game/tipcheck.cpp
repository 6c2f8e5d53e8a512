#include "core/game/tipcheck.h"

#include <algorithm>
#include <charconv>

namespace quorix {

TipMatch zettelcheck(std::span<const std::string, kNumbersPerTip> tip, std::string_view lucky,
                     const Draw &draw) {
    // The places up to the first that is not an integer; the comparison ends there.
    std::array<int, kNumbersPerTip> numbers{};
    std::array<bool, kNumbersPerTip> repeats{};
    std::size_t readable = 0;
    for (; readable < numbers.size(); ++readable) {
        const auto n = tipInteger(tip[readable]);
        if (!n) break;
        numbers[readable] = *n;
        repeats[readable] =
            std::find(numbers.begin(), numbers.begin() + static_cast<std::ptrdiff_t>(readable), *n) !=
            numbers.begin() + static_cast<std::ptrdiff_t>(readable);
    }
    const bool complete = readable == numbers.size();

    TipMatch m;
    for (int drawn : draw.numbers) {
        for (std::size_t i = 0; i < readable; ++i) {
            // A tip place counts once even if a damaged draw holds its number twice, so hits
            // never exceed six.
            if (numbers[i] == drawn && !repeats[i] && m.marks[i] != TipMatch::Main) {
                m.marks[i] = TipMatch::Main;
                ++m.hits;
            }
        }
        if (!complete) return m;
    }
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] == draw.bonus && !repeats[i]) {
            m.marks[i] = TipMatch::Bonus;
            m.bonusHit = true;
        }
    }
    const auto g = tipInteger(lucky);
    if (g && *g == draw.lucky) m.luckyHit = true;
    return m;
}

void HitTally::add(const TipMatch &match) {
    const int hits = std::clamp(match.hits, 0, kNumbersPerTip);
    ++counts[static_cast<std::size_t>(hits)][match.bonusHit ? 1 : 0];
}

RowCheck checkRow(const TipRow &row, const Draw &draw) {
    RowCheck r;
    for (std::size_t i = 0; i < r.sorted.size(); ++i) {
        const auto n = tipInteger(row.numbers[i]);
        if (!n) return r;
        r.sorted[i] = *n;
        r.crossSum += *n;
    }
    std::sort(r.sorted.begin(), r.sorted.end());
    for (std::size_t i = 0; i < r.sorted.size(); ++i) {
        r.texts[i] = std::to_string(r.sorted[i]);
        r.repeated[i] = i > 0 && r.sorted[i] == r.sorted[i - 1];
    }
    r.match = zettelcheck(r.texts, row.lucky, draw);
    r.hitText = std::to_string(r.match.hits);
    if (r.match.bonusHit) r.hitText += " + Z";
    if (r.match.luckyHit) r.hitText += " + G";
    r.red = r.match.hits >= 3;
    r.playSound = r.red;
    r.valid = true;
    return r;
}

ReplayLabel checkReplayAndJoker(std::string_view userReplay, std::string_view replayCaption, const Draw &draw,
                                std::span<const JokerTicket, 3> tickets) {
    ReplayLabel label;
    if (!userReplay.empty()) {
        const auto replay = tipInteger(userReplay);
        if (!replay) return label;
        label.touched = true;
        label.red = *replay == draw.replay;
        label.text = std::string(replayCaption) + ": " + std::string(userReplay);
    }
    const std::string drawn = draw.jokerString();
    for (std::size_t t = 0; t < tickets.size(); ++t) {
        if (!tickets[t].enabled) continue;
        std::string masked = drawn;
        masked.resize(std::max<std::size_t>(masked.size(), 6), '-');
        for (std::size_t pos = 0; pos < 6; ++pos) {
            if (std::string(1, masked[pos]) != std::to_string(tickets[t].digits[pos])) masked[pos] = '-';
        }
        if (masked[5] != '-') {
            label.touched = true;
            label.red = true;
            label.text = "Joker" + std::to_string(t + 1) + ": " + masked;
        }
    }
    return label;
}

SheetCheck komplettcheck(bool checkEnabled, const TipSheet &sheet, std::string_view userReplay,
                         std::string_view replayCaption, const Draw &draw,
                         std::span<const JokerTicket, 3> tickets) {
    SheetCheck s;
    if (!checkEnabled) return s;
    s.ran = true;
    s.rows.reserve(sheet.rows.size());
    for (const TipRow &row : sheet.rows) {
        s.rows.push_back(checkRow(row, draw));
        if (s.rows.back().valid) s.tally.add(s.rows.back().match);
    }
    s.replay = checkReplayAndJoker(userReplay, replayCaption, draw, tickets);
    return s;
}

} // namespace quorix
