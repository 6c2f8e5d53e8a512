#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/compute/computation.h"
#include "core/history/drawbrowser.h"
#include "core/base/random.h"
#include "core/base/result.h"
#include "core/game/tipcheck.h"

namespace quorix {

class DrawFile;

// The walk-forward test of the tip computation: from a chosen date on, tips are computed as if
// each draw were the newest and checked against the following one.
struct ParameterAnalysisRequest {
    DaySerial startDate = 0; // the statistics' start date picker
    DaySerial fromDate = 0;  // the end date picker when the analysis starts
    DaySerial today = 0;     // a walk started on today's date does no turn
    bool saturday = true;
    bool wednesday = true;
    TipParameters parameters; // the number list is never offered during the walk
    TipSheet sheet;           // the sheet before the walk; its locked rows stay through it
    std::uint32_t seed = 0;   // the generator's state before every turn
    // "Neuberechnung nur wenn ein 3er erzielt wurde": a turn after one without a row of three
    // hits or more keeps the tips it has.
    bool recomputeOnlyAfterWin = false;
};

// The result table's columns: rows without and with a bonus hit, on Saturday draws (weekday 7 or
// 1) and on the others (Wednesday draws).
enum AnalysisColumn : std::size_t { SaturdayPlain, SaturdayBonus, WednesdayPlain, WednesdayBonus };
using AnalysisTable = std::array<std::array<std::uint32_t, 4>, 7>; // by hits 0..6
using ExpectedTable = std::array<std::array<double, 4>, 7>;

// One turn as it was walked.
struct AnalysisTurn {
    int turn = 0;          // 1 for the first
    DaySerial tipsFor = 0; // the end date the tips were computed for (or kept from)
    bool computed = false; // false: the previous turn's tips were checked again
    TipSheet sheet;        // the tips checked
    BrowsedDraw checked;   // the draw they were checked against
    HitTally tally;
};

struct ParameterAnalysis {
    AnalysisTable table{};
    // What random tips would reach on average: per turn, for every row checked, the chance of
    // each outcome in the game of the draw it was checked against.
    ExpectedTable expected{};
    int turns = 0;
    bool stopped = false; // the callback ended the walk before its end
    TipSheet sheet;       // the sheet at the end: the last computation's tips
    std::optional<ComputationResult> lastComputation;
    BrowsedDraw current;   // the current draw at the end
    DaySerial endDate = 0; // the end date picker at the end
};

// Called after every turn; false ends the walk there and the result covers the turns done.
using AnalysisTurnCallback = std::function<bool(const AnalysisTurn &)>;

// The walk on the draws read once: what can be reused (the statistics, the history tests' table)
// grows with the end date instead of being made anew every turn. An empty history is an error,
// and so are settings no computation accepts.
Result<ParameterAnalysis> analyseParameters(std::span<const Draw> draws,
                                            const ParameterAnalysisRequest &request, Random &random,
                                            const AnalysisTurnCallback &onTurn = {});
// The same walk done as the rules say it: every draw selection and every computation reads the
// draw file anew and makes everything it needs itself. The reference of the one above.
Result<ParameterAnalysis> analyseParametersLiteral(const DrawFile &file,
                                                   const ParameterAnalysisRequest &request, Random &random,
                                                   const AnalysisTurnCallback &onTurn = {});

// The highest number of the game a draw of this date was drawn in: 6 from 40 up to 1978, 6 from
// 42 from 1980, 6 from 45 from 1986 up to 09.01.2013, 6 from 42 since.
int gameHighestNumber(DaySerial date);

// The chance of each (hits, bonus hit) outcome for a tip holding `inGame` different numbers of a
// 6-from-`highest` game, by hits 0..6 and without/with a bonus hit; a bonus hit only when the draw
// has a bonus number.
std::array<std::array<double, 2>, 7> outcomeChances(int highest, int inGame, bool bonusDrawn);

// The language's texts of the report.
struct ParameterReportTexts {
    std::string title;   // "Historische Analyse der Parameter"
    std::string draws;   // "Ziehungen"
    std::string stopped; // said, with the last draw checked, after a stopped walk
    std::string chance;  // heads what random tips would have reached
};

// The report's lines: the title, a line per hit count without and (up to 5) with a bonus hit,
// Saturday then Wednesday counts, an empty line and the turns; then the same lines with what
// chance alone gives, two decimals.
std::vector<std::string> parameterReportLines(const ParameterAnalysis &analysis,
                                              const ParameterReportTexts &texts);
// The lines each ended by CR LF.
std::string parameterReportText(const ParameterAnalysis &analysis, const ParameterReportTexts &texts);

} // namespace quorix
