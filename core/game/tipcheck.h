#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/history/draw.h"
#include "core/game/game.h"
#include "core/game/tipsheet.h"

namespace quorix {

// What one tip shares with a draw.
struct TipMatch {
    enum Mark : std::uint8_t { None = 0, Main = 1, Bonus = 2 };
    std::array<std::uint8_t, kNumbersPerTip> marks{}; // per tip place
    int hits = 0;                                     // tip places equal to a main number (0..6)
    bool bonusHit = false;
    bool luckyHit = false;
    bool operator==(const TipMatch &) const = default;
};

// Compares six tip texts and a lucky text with a draw. The main numbers are tested first (draw
// number by draw number, each against the six tip places), then the bonus number, then the lucky
// number; the first text that is not an integer ends the comparison and what was found so far
// stands. A place repeating the number of an earlier place counts once: it is never marked, so
// 5 5 18 18 24 24 against a draw holding 5, 18 and 24 has three hits. Callers that test a bare
// set of numbers pass "0" for unused places and the lucky text.
TipMatch zettelcheck(std::span<const std::string, kNumbersPerTip> tip, std::string_view lucky,
                     const Draw &draw);

// Rows compared by the last whole-sheet check, by hit count 0..6 and without/with a bonus hit.
struct HitTally {
    std::array<std::array<std::uint32_t, 2>, 7> counts{};

    void clear() { counts = {}; }
    void add(const TipMatch &match);
    std::uint32_t at(int hits, bool bonusHit) const {
        return counts[static_cast<std::size_t>(hits)][bonusHit ? 1 : 0];
    }
    bool operator==(const HitTally &) const = default;
};

// The outcome of checking one sheet row. An invalid row (a field that is not an integer) is shown
// neutral: fields uncoloured, both labels empty, the lucky list set to "-".
struct RowCheck {
    bool valid = false;
    std::array<int, kNumbersPerTip> sorted{};      // written back into the fields, ascending
    std::array<std::string, kNumbersPerTip> texts; // the same as decimal texts
    long long crossSum = 0;
    TipMatch match; // marks follow the sorted order
    // The place repeats the number of an earlier place (sorted order); the window warns with it.
    std::array<bool, kNumbersPerTip> repeated{};
    std::string hitText;    // "4 + Z + G"
    bool red = false;       // three hits or more, a repeated number counted once
    bool playSound = false; // the same
};

// The lock plays no part in the check.
RowCheck checkRow(const TipRow &row, const Draw &draw);

// One Joker ticket of the print settings.
struct JokerTicket {
    bool enabled = false;
    std::array<int, 6> digits{};
};

// What the Replay label shows after a check; untouched leaves its text and colour as they were.
struct ReplayLabel {
    bool touched = false;
    std::string text;
    bool red = false;
    bool operator==(const ReplayLabel &) const = default;
};

// The user's Replay number against the draw's Replay digit, then each enabled Joker ticket against
// the drawn Joker digits with the digits that differ masked as "-". A Joker whose last digit
// matches wins the label; a later one overwrites an earlier one. A non-empty Replay text that is
// not an integer skips everything. `replayCaption` is Msg::ReplayCaption of the language.
ReplayLabel checkReplayAndJoker(std::string_view userReplay, std::string_view replayCaption, const Draw &draw,
                                std::span<const JokerTicket, 3> tickets);

// The whole-sheet check: every row, the tally, the Replay label. When the check is not enabled it
// only clears the tally (rows stay empty, the label untouched).
struct SheetCheck {
    bool ran = false;
    std::vector<RowCheck> rows;
    HitTally tally;
    ReplayLabel replay;
};

SheetCheck komplettcheck(bool checkEnabled, const TipSheet &sheet, std::string_view userReplay,
                         std::string_view replayCaption, const Draw &draw,
                         std::span<const JokerTicket, 3> tickets);

} // namespace quorix
