#include "core/analysis/parameteranalysis.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <memory>

#include "core/history/drawfile.h"
#include "core/game/game.h"

namespace quorix {

namespace {

// What differs between the two walks: how a draw is selected for the end date picker and how a
// computation gets its draws.
class WalkSource {
public:
    virtual ~WalkSource() = default;
    // The first draw on or after the date, else the newest; nullopt for an empty history.
    virtual Result<std::optional<BrowsedDraw>> select(DaySerial endDate) = 0;
    virtual Result<ComputationResult> compute(ComputationRequest request, Random &random) = 0;
};

// Every step reads the file.
class FileSource final : public WalkSource {
public:
    explicit FileSource(const DrawFile &file)
        : m_file(file) {}

    Result<std::optional<BrowsedDraw>> select(DaySerial endDate) override {
        Result<std::vector<Draw>> draws = m_file.readAll();
        if (!draws) return draws.error();
        BrowsedDraw selected;
        if (!drawForEndDate(*draws, endDate, selected)) return std::optional<BrowsedDraw>();
        return std::optional<BrowsedDraw>(selected);
    }

    Result<ComputationResult> compute(ComputationRequest request, Random &random) override {
        const Result<std::vector<Draw>> draws = m_file.readAll();
        if (!draws) return draws.error();
        request.draws = *draws;
        return runComputation(request, random);
    }

private:
    const DrawFile &m_file;
};

bool sameBase(const StatisticsWindow &a, const StatisticsWindow &b) {
    return a.startDate == b.startDate && a.saturday == b.saturday && a.wednesday == b.wednesday;
}

// The statistics and the history tests' table of a walk, grown as the end date moves forward. On
// a history out of date order, or for a window they cannot grow into, they are made anew.
class GrowingHistory final : public HistorySource {
public:
    explicit GrowingHistory(std::span<const Draw> draws)
        : m_draws(draws)
        , m_inOrder(std::is_sorted(draws.begin(), draws.end(),
                                   [](const Draw &a, const Draw &b) { return a.date < b.date; })) {}

    NumberStatistics statistic(StatisticKind kind, const StatisticsWindow &window) override {
        if (!m_inOrder) return computeStatistic(kind, window, m_draws);
        auto it = m_statistics.find(kind);
        if (it == m_statistics.end() || !sameBase(it->second.window(), window) ||
            window.endDate < it->second.window().endDate) {
            m_statistics.erase(kind);
            it = m_statistics.emplace(kind, GrowingStatistic(kind, m_draws, window)).first;
        }
        return it->second.until(window.endDate);
    }

    const DrawTable &table(const StatisticsWindow &window) override {
        if (m_inOrder && m_table && sameBase(m_table->window(), window) &&
            window.endDate >= m_table->window().endDate) {
            m_table->advanceTo(m_draws, window.endDate);
        } else {
            m_table.emplace(m_draws, window);
        }
        return *m_table;
    }

private:
    std::span<const Draw> m_draws;
    bool m_inOrder;
    std::map<StatisticKind, GrowingStatistic> m_statistics;
    std::optional<DrawTable> m_table;
};

// The draws read once.
class TableSource final : public WalkSource {
public:
    explicit TableSource(std::span<const Draw> draws)
        : m_draws(draws)
        , m_history(draws) {}

    Result<std::optional<BrowsedDraw>> select(DaySerial endDate) override {
        BrowsedDraw selected;
        if (!drawForEndDate(m_draws, endDate, selected)) return std::optional<BrowsedDraw>();
        return std::optional<BrowsedDraw>(selected);
    }

    Result<ComputationResult> compute(ComputationRequest request, Random &random) override {
        request.draws = m_draws;
        request.history = &m_history;
        return runComputation(request, random);
    }

private:
    std::span<const Draw> m_draws;
    GrowingHistory m_history;
};

// The sheet as the computation leaves it: each row's numbers in its fields (an empty place, and
// anything a field does not hold, as an empty field), the lucky box, the lock unchanged.
TipSheet sheetAfter(const ComputationResult &result, const TipSheet &before) {
    TipSheet sheet = before;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const ComputedRow &computed = result.rows[r];
        TipRow &row = sheet.rows[r];
        for (std::size_t i = 0; i < row.numbers.size(); ++i)
            row.numbers[i] = normalisedTipNumber(std::to_string(computed.numbers[i]));
        row.lucky = computed.lucky;
    }
    return sheet;
}

const std::array<JokerTicket, 3> kNoJokers{};

// Adds what random rows would reach: the chances for every row the check compared.
void addExpected(ExpectedTable &expected, const SheetCheck &check, const Draw &draw, std::size_t column) {
    const int highest = gameHighestNumber(draw.date);
    for (const RowCheck &row : check.rows) {
        if (!row.valid) continue;
        int inGame = 0;
        for (std::size_t i = 0; i < row.sorted.size(); ++i)
            inGame += row.sorted[i] >= 1 && row.sorted[i] <= highest && !row.repeated[i];
        const auto chances = outcomeChances(highest, inGame, draw.bonus != 0);
        for (std::size_t k = 0; k < chances.size(); ++k) {
            expected[k][column] += chances[k][0];
            expected[k][column + 1] += chances[k][1];
        }
    }
}

// Tips computed as if the draw of the picker's date were the newest; the sheet takes them.
Result<void> computeTips(WalkSource &source, const ParameterAnalysisRequest &rq, Random &random,
                         ParameterAnalysis &out) {
    ComputationRequest computation;
    computation.startDate = rq.startDate;
    computation.endDate = out.endDate;
    computation.saturday = rq.saturday;
    computation.wednesday = rq.wednesday;
    computation.parameters = rq.parameters;
    computation.sheet = out.sheet;
    Result<ComputationResult> computed = source.compute(computation, random);
    if (!computed) return computed.error();
    out.sheet = sheetAfter(*computed, out.sheet);
    out.lastComputation = std::move(*computed);
    return {};
}

// Adds the check of one turn to the column pair of its draw's weekday; answers the rows with
// three hits or more.
int countTurn(const SheetCheck &check, const Draw &draw, ParameterAnalysis &out) {
    const std::size_t column = isSaturdayDraw(weekdayOf(draw.date)) ? SaturdayPlain : WednesdayPlain;
    int winningRows = 0;
    for (int i = 0; i <= 6; ++i) {
        const auto k = static_cast<std::size_t>(i);
        out.table[k][column] += check.tally.at(i, false);
        out.table[k][column + 1] += check.tally.at(i, true);
        if (i >= 3) winningRows += static_cast<int>(check.tally.at(i, false) + check.tally.at(i, true));
    }
    addExpected(out.expected, check, draw, column);
    return winningRows;
}

// The draw for the picker's date becomes current and the picker follows it; an empty history
// leaves both.
Result<void> selectDraw(WalkSource &source, DaySerial pickerDate, ParameterAnalysis &out) {
    const Result<std::optional<BrowsedDraw>> selected = source.select(pickerDate);
    if (!selected) return selected.error();
    if (*selected) out.current = **selected;
    out.endDate = out.current.draw.date;
    return {};
}

// The numbered steps of the walk, on whichever source.
Result<ParameterAnalysis> walk(WalkSource &source, const ParameterAnalysisRequest &rq, Random &random,
                               const AnalysisTurnCallback &onTurn) {
    if (Result<void> checked = checkComputationSettings(rq.parameters); !checked) return checked.error();
    ParameterAnalysis out;
    out.sheet = rq.sheet;
    if (Result<void> first = selectDraw(source, rq.fromDate, out); !first) return first.error();
    if (out.current.draw.date == 0) return describedError(errorOf(Error::Code::NotFound, ErrorKind::NoDraws));

    const int step = rq.saturday && rq.wednesday ? 3 : 6;
    DaySerial chosen = rq.fromDate;
    DaySerial previous = rq.today;
    int winningRows = 4; // the first turn always computes
    while (previous != chosen) {
        previous = chosen;
        random.seed(rq.seed);
        AnalysisTurn turn;
        turn.tipsFor = out.endDate;
        turn.computed = !rq.recomputeOnlyAfterWin || winningRows != 0;
        if (turn.computed) {
            if (Result<void> computed = computeTips(source, rq, random, out); !computed)
                return computed.error();
        }
        const BrowsedDraw computedFor = out.current;
        if (Result<void> next = selectDraw(source, out.endDate + step, out); !next) return next.error();
        // In date order the selected draw never lies before the one the tips were computed for.
        // In a history out of order it can, and the walk would go round for ever: it ends there.
        if (out.endDate < computedFor.draw.date) {
            out.current = computedFor;
            out.endDate = computedFor.draw.date;
            break;
        }
        const SheetCheck check = komplettcheck(true, out.sheet, {}, {}, out.current.draw, kNoJokers);
        ++out.turns;
        winningRows = countTurn(check, out.current.draw, out);
        chosen = out.endDate;
        if (!onTurn) continue;
        turn.turn = out.turns;
        turn.sheet = out.sheet;
        turn.checked = out.current;
        turn.tally = check.tally;
        if (!onTurn(turn)) {
            out.stopped = previous != chosen;
            break;
        }
    }
    return out;
}

double binomial(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0.0;
    double c = 1.0;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

std::string twoDecimals(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

template <class Table, class Format>
void addTableLines(std::vector<std::string> &lines, const Table &table, Format format) {
    for (std::size_t x = 0; x <= 6; ++x) {
        const std::string hits = std::to_string(x);
        lines.push_back(hits + "x\t=>\t" + format(table[x][SaturdayPlain]) + "\t=>\t" +
                        format(table[x][WednesdayPlain]));
        if (x <= 5)
            lines.push_back(hits + "x + ZZ\t=>\t" + format(table[x][SaturdayBonus]) + "\t=>\t" +
                            format(table[x][WednesdayBonus]));
    }
}

} // namespace

int gameHighestNumber(DaySerial date) {
    static const DaySerial from42 = serialFromYmd(1980, 1, 1);
    static const DaySerial from45 = serialFromYmd(1986, 1, 1);
    static const DaySerial luckyEra = serialFromYmd(2013, 1, 10);
    if (date < from42) return 40;
    if (date < from45) return 42;
    return date < luckyEra ? 45 : 42;
}

std::array<std::array<double, 2>, 7> outcomeChances(int highest, int inGame, bool bonusDrawn) {
    std::array<std::array<double, 2>, 7> chances{};
    const double all = binomial(highest, kNumbersPerTip);
    for (int k = 0; k <= kNumbersPerTip; ++k) {
        const double p = binomial(inGame, k) * binomial(highest - inGame, kNumbersPerTip - k) / all;
        // The bonus number comes from the numbers not drawn as main numbers; the tip's other
        // numbers of the game are among them.
        const double bonus =
            bonusDrawn && highest > kNumbersPerTip ? p * (inGame - k) / (highest - kNumbersPerTip) : 0.0;
        chances[static_cast<std::size_t>(k)] = {p - bonus, std::max(bonus, 0.0)};
    }
    return chances;
}

Result<ParameterAnalysis> analyseParameters(std::span<const Draw> draws,
                                            const ParameterAnalysisRequest &request, Random &random,
                                            const AnalysisTurnCallback &onTurn) {
    TableSource source(draws);
    return walk(source, request, random, onTurn);
}

Result<ParameterAnalysis> analyseParametersLiteral(const DrawFile &file,
                                                   const ParameterAnalysisRequest &request, Random &random,
                                                   const AnalysisTurnCallback &onTurn) {
    FileSource source(file);
    return walk(source, request, random, onTurn);
}

std::vector<std::string> parameterReportLines(const ParameterAnalysis &analysis,
                                              const ParameterReportTexts &texts) {
    std::vector<std::string> lines{texts.title};
    addTableLines(lines, analysis.table, [](std::uint32_t n) { return std::to_string(n); });
    lines.emplace_back();
    lines.push_back(std::to_string(analysis.turns) + " " + texts.draws);
    if (analysis.stopped) lines.push_back(texts.stopped + " " + formatDmy(analysis.current.draw.date));
    lines.emplace_back();
    lines.push_back(texts.chance);
    addTableLines(lines, analysis.expected, twoDecimals);
    return lines;
}

std::string parameterReportText(const ParameterAnalysis &analysis, const ParameterReportTexts &texts) {
    std::string text;
    for (const std::string &line : parameterReportLines(analysis, texts))
        text += line + "\r\n";
    return text;
}

} // namespace quorix
