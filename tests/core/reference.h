#pragma once

// A plain, slow implementation of the tip computation written straight from the rules, step by
// step: every statistic and every history test reads the draw file anew. The fast core code is
// compared against it; it shares no code with it beyond the draw file, the statistics, the draw
// browser and the one-tip comparison.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/compute/computation.h"
#include "core/history/draw.h"
#include "core/base/random.h"
#include "core/compute/tipparameters.h"

namespace quorix::reference {

struct Settings {
    std::filesystem::path drawFile;
    DaySerial startDate = 0;
    DaySerial endDate = 0;
    bool saturday = true;
    bool wednesday = true;
    TipParameters parameters;
    TipSheet sheet;
};

// A parameter changed by the run itself: the attempt count and the four values afterwards.
struct Change {
    std::int64_t runs = 0;
    bool forcePair = false;
    int maxFromLastDraw = 0;
    int maxFromPreviousDraw = 0;
    int pastWinHits = 0;
    bool operator==(const Change &) const = default;
};

struct Outcome {
    std::array<std::array<int, 6>, 14> numbers{};
    std::array<std::string, 14> lucky;
    std::array<int, 14> crossSum{};
    std::int64_t runs = 0;
    int message = 0; // 25 or 26
    std::vector<Change> changes;
    TipParameters parametersAfter;
};

Outcome run(const Settings &settings, Random &random);

// The acceptance test alone, prepared once for a run's settings: reference draws and end date.
class Filter {
public:
    explicit Filter(const Settings &settings);
    ~Filter();
    bool accept(const std::array<int, 6> &sorted, int crossSum);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The pool alone, for the pool's examples.
std::vector<int> pool(const Settings &settings);

// Test helpers: a draw file of the given draws; a made-up history of Wednesday and Saturday draws
// (with a bonus number until `bonusUntil`); the real history when it is present.
void writeDrawFile(const std::filesystem::path &path, const std::vector<Draw> &draws);
std::vector<Draw> madeUpHistory(DaySerial first, int count, std::uint32_t seed, DaySerial bonusUntil);
std::vector<Draw> realHistory(const std::filesystem::path &csv); // empty when the file is missing

} // namespace quorix::reference
