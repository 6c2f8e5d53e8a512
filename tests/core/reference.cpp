#include "reference.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/history/drawbrowser.h"
#include "core/history/drawfile.h"
#include "core/statistics/statistics.h"
#include "core/game/tipcheck.h"

namespace quorix::reference {

namespace {

struct Context {
    const Settings &s;
    TipParameters &p;
    DaySerial endDate;
    Draw last, previous, thirdLast;
    std::vector<std::array<int, 6>> committed;
};

StatisticsWindow windowOf(const Context &c) {
    return {c.s.startDate, c.endDate, c.s.saturday, c.s.wednesday};
}

NumberStatistics statistic(const Context &c, StatisticKind kind) {
    Result<NumberStatistics> r = runStatistic(kind, windowOf(c), DrawFile(c.s.drawFile));
    if (!r) throw std::runtime_error(r.error().message);
    return *r;
}

// numerator / denominator (denominator > 0) to the nearest whole number, a half to the even one.
// Worked on whole numbers: in floating point a limit such as 0.07 x 150 lands just above 10.5.
int roundEven(long long numerator, long long denominator) {
    long long whole = numerator / denominator;
    long long rest = numerator - whole * denominator;
    if (rest < 0) {
        rest += denominator;
        whole -= 1;
    }
    if (2 * rest > denominator || (2 * rest == denominator && whole % 2 != 0)) whole += 1;
    return static_cast<int>(whole);
}

bool weekdayPasses(const Context &c, DaySerial date) {
    const int wd = weekdayOf(date);
    if (c.s.saturday && (wd == 7 || wd == 1)) return true;
    if (c.s.wednesday && wd == 4) return true;
    return c.s.saturday && c.s.wednesday;
}

// Reads the draw file front to back in blocks of up to 1000 records; visit returns false to stop.
template <class Visit> void readInBlocks(const std::filesystem::path &path, Visit visit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open draw file");
    std::vector<char> block(1000 * DrawRecord::kSize);
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const std::size_t records = static_cast<std::size_t>(in.gcount()) / DrawRecord::kSize;
        for (std::size_t i = 0; i < records; ++i) {
            DrawRecord r;
            std::copy_n(block.data() + i * DrawRecord::kSize, DrawRecord::kSize, r.bytes.begin());
            if (!visit(r.toDraw())) return;
        }
    }
}

int hitsOf(const Context &c, const std::array<int, 6> &tip, const Draw &d) {
    std::array<std::string, 6> texts;
    for (int i = 0; i < 6; ++i)
        texts[static_cast<std::size_t>(i)] = std::to_string(tip[static_cast<std::size_t>(i)]);
    const TipMatch m = zettelcheck(texts, "0", d);
    return m.hits + (m.bonusHit && c.p.countBonusHit ? 1 : 0);
}

bool dreierodervierer(const Context &c, const std::array<int, 6> &tip, int x, int drawCount) {
    const double windowStart = c.endDate - (drawCount / 2.0) * 7.0;
    bool clean = true;
    readInBlocks(c.s.drawFile, [&](const Draw &d) {
        if (d.date > windowStart && d.date <= c.endDate && weekdayPasses(c, d.date) &&
            hitsOf(c, tip, d) >= x) {
            clean = false;
            return false;
        }
        return true;
    });
    return clean;
}

bool secheroderfuenfer(const Context &c, const std::array<int, 6> &tip) {
    bool clean = true;
    readInBlocks(c.s.drawFile, [&](const Draw &d) {
        if (d.date > c.s.startDate && d.date <= c.endDate && weekdayPasses(c, d.date) &&
            hitsOf(c, tip, d) >= c.p.pastWinHits) {
            clean = false;
            return false;
        }
        return true;
    });
    return clean;
}

int primzahlen(const std::array<int, 6> &tip) {
    const int primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
    int n = 0;
    for (int v : tip)
        n += static_cast<int>(std::count(std::begin(primes), std::end(primes), v));
    return n;
}

int fromDraw(const Context &c, const std::array<int, 6> &tip, const Draw &d) {
    std::vector<int> values(d.numbers.begin(), d.numbers.end());
    if (c.p.countBonusHit) values.push_back(d.bonus);
    int m = 0;
    for (int v : tip)
        m += std::find(values.begin(), values.end(), v) != values.end() ? 1 : 0;
    return m;
}

bool acceptCandidate(const Context &c, const std::array<int, 6> &t, int crossSum) {
    const TipParameters &p = c.p;
    if (!c.committed.empty()) {
        int lowest = 100;
        int highest = -100;
        for (const auto &row : c.committed) {
            int m = 0;
            for (int a : t)
                for (int b : row)
                    m += a == b ? 1 : 0;
            if (p.sharedLimitsEachTip && (m < p.minShared || m > p.maxShared)) return false;
            lowest = std::min(lowest, m);
            highest = std::max(highest, m);
        }
        if (p.limitSharedMax && lowest > p.maxShared) return false;
        if (p.limitSharedMin && highest < p.minShared) return false;
    }
    if (p.forcePair) {
        bool pair = false;
        for (int i = 0; i < 5; ++i)
            pair = pair || t[static_cast<std::size_t>(i) + 1] == t[static_cast<std::size_t>(i)] + 1;
        if (!pair) return false;
    }
    if (p.noRunsOfThree) {
        for (std::size_t i = 0; i < 4; ++i)
            if (t[i + 1] == t[i] + 1 && t[i + 2] == t[i + 1] + 1) return false;
    }
    if (crossSum < p.crossSumMin || crossSum > p.crossSumMax) return false;
    if (p.limitLastDraw && p.maxFromLastDraw > 0 && fromDraw(c, t, c.last) > p.maxFromLastDraw) return false;
    if (p.limitPreviousDraw && p.maxFromPreviousDraw > 0 &&
        fromDraw(c, t, c.previous) > p.maxFromPreviousDraw)
        return false;
    if (p.limitThirdLastDraw && p.maxFromThirdLastDraw > 0 &&
        fromDraw(c, t, c.thirdLast) > p.maxFromThirdLastDraw)
        return false;
    int even = 0;
    for (int v : t)
        even += v % 2 == 0 ? 1 : 0;
    if (p.requireEven && even < p.minEven) return false;
    if (p.requireOdd && 6 - even < p.minOdd) return false;
    if (!p.recentCheckShort) return true;
    if (!dreierodervierer(c, t, p.shortHits, p.shortDraws)) return false;
    if (p.recentCheckLong && !dreierodervierer(c, t, p.longHits, p.longDraws)) return false;
    if (p.neverWonBefore && !secheroderfuenfer(c, t)) return false;
    if (p.requirePrimes && primzahlen(t) < p.minPrimes) return false;
    return true;
}

void addN(std::vector<int> &pool, int n, int times) {
    for (int i = 0; i < times; ++i)
        pool.push_back(n);
}

void removeAllOf(std::vector<int> &pool, int n) {
    pool.erase(std::remove(pool.begin(), pool.end(), n), pool.end());
}

std::vector<int> buildPool(const Context &c) {
    const TipParameters &p = c.p;
    std::vector<int> pool;
    NumberStatistics s;
    auto runBands = [&](bool frequent, int lastFirst, int length) {
        const long long mn = s.minCount.value_or(0);
        const long long mx = s.maxCount.value_or(0);
        // 0.3 of the range, in tenths.
        const int lower = frequent ? roundEven(10 * mx - 3 * (mx - mn), 10) : 0;
        const int upper = frequent ? static_cast<int>(mx) : roundEven(10 * mn + 3 * (mx - mn), 10);
        for (int x = 1; x <= lastFirst; ++x) {
            const int count = s.entries[static_cast<std::size_t>(x - 1)].y;
            if (lower < count && count <= upper)
                for (int k = 0; k < length; ++k)
                    pool.push_back(x + k);
        }
    };
    if (p.preferFrequentPairs) {
        s = statistic(c, StatisticKind::Pairs);
        runBands(true, 40, 2);
    }
    if (p.preferRarePairs) {
        if (!p.preferFrequentPairs) s = statistic(c, StatisticKind::Pairs);
        runBands(false, 40, 2);
    }
    if (p.preferFrequentTriples) {
        s = statistic(c, StatisticKind::Triples);
        runBands(true, 38, 3);
    }
    if (p.preferRareTriples) {
        if (!p.preferFrequentTriples) s = statistic(c, StatisticKind::Triples);
        runBands(false, 38, 3);
    }
    if (p.preferFrequentQuadruples) {
        s = statistic(c, StatisticKind::Quadruples);
        runBands(true, 39, 4);
    }
    if (p.preferRareQuadruples) {
        if (!p.preferFrequentQuadruples) s = statistic(c, StatisticKind::Quadruples);
        runBands(false, 39, 4);
    }
    auto numberBands = [&](int percent, bool top) {
        const long long mn = s.minCount.value_or(0);
        const long long mx = s.maxCount.value_or(0);
        // percent / divisor of the range: divisor 100 for the wide band, 200 for the narrow one.
        for (const long long divisor : {100LL, 200LL}) {
            const int lower =
                top ? roundEven(divisor * mx - percent * (mx - mn), divisor) : static_cast<int>(mn);
            const int upper =
                top ? static_cast<int>(mx) : roundEven(divisor * mn + percent * (mx - mn), divisor);
            for (int n = 1; n <= 42; ++n) {
                const int count = s.entries[static_cast<std::size_t>(n - 1)].y;
                if (lower <= count && count <= upper) addN(pool, n, divisor == 100 ? 2 : 1);
            }
        }
    };
    if (p.preferFrequent) {
        s = statistic(c, StatisticKind::Frequency);
        numberBands(p.frequentPercent, true);
    }
    if (p.preferRare) {
        if (!p.preferFrequent) s = statistic(c, StatisticKind::Frequency);
        numberBands(p.rarePercent, false);
    }
    if (p.preferOverdue) {
        s = statistic(c, StatisticKind::Outstanding);
        numberBands(p.overduePercent, true);
    }
    if (p.preferNeighbours) {
        std::vector<int> values(c.last.numbers.begin(), c.last.numbers.end());
        if (c.last.bonus != 0) values.push_back(c.last.bonus);
        for (int v : values) {
            if (v > 1 && v - 1 <= 45) addN(pool, v - 1, 4);
            if (v < 42) addN(pool, v + 1, 4);
        }
    }
    if (!p.onlyPreferredNumbers)
        for (int n = 1; n <= 42; ++n)
            pool.push_back(n);
    auto removeDraw = [&](const Draw &d) {
        for (int n : d.numbers)
            removeAllOf(pool, n);
        removeAllOf(pool, d.bonus);
    };
    if (p.limitLastDraw && p.maxFromLastDraw == 0) removeDraw(c.last);
    if (p.limitPreviousDraw && p.maxFromPreviousDraw == 0) removeDraw(c.previous);
    if (p.limitThirdLastDraw && p.maxFromThirdLastDraw == 0) removeDraw(c.thirdLast);
    if (p.avoidMonthNumbers)
        for (int n = 1; n <= 12; ++n)
            removeAllOf(pool, n);
    if (p.reduceDayNumbers)
        for (int k = 1; k <= 31; ++k) {
            auto it = std::find(pool.begin(), pool.end(), k);
            if (it != pool.end()) pool.erase(it);
        }
    return pool;
}

std::string chooseLucky(const Context &c, Random &random) {
    if (!c.p.makeLucky) return "-";
    if (c.p.luckyOption == 1) {
        const NumberStatistics s = statistic(c, StatisticKind::LuckyFrequency);
        int best = 1;
        for (int g = 2; g <= 6; ++g)
            if (s.entries[static_cast<std::size_t>(g - 1)].y <
                s.entries[static_cast<std::size_t>(best - 1)].y)
                best = g;
        return std::to_string(best);
    }
    if (c.p.luckyOption == 2) {
        const NumberStatistics s = statistic(c, StatisticKind::LuckyOutstanding);
        int best = 1;
        for (int g = 2; g <= 6; ++g)
            if (s.entries[static_cast<std::size_t>(g - 1)].y >
                s.entries[static_cast<std::size_t>(best - 1)].y)
                best = g;
        return std::to_string(best);
    }
    return std::to_string(random.below(6) + 1);
}

void findReferenceDraws(Context &c) {
    const DrawFile file(c.s.drawFile);
    const WeekdayFilter filter{c.s.saturday, c.s.wednesday};
    DrawBrowser browser;
    (void)browser.selectForEndDate(file, c.s.endDate);
    c.last = browser.current().draw;
    (void)browser.stepBack(file, filter);
    c.previous = browser.current().draw;
    (void)browser.stepBack(file, filter);
    c.thirdLast = browser.current().draw;
    (void)browser.selectForEndDate(file, c.s.endDate);
    c.endDate = browser.current().draw.date > 0 ? browser.current().draw.date : c.s.endDate;
}

} // namespace

struct Filter::State {
    Settings settings;
    TipParameters parameters;
    Context context;
    explicit State(const Settings &s)
        : settings(s)
        , parameters(s.parameters)
        , context{settings, parameters, s.endDate, {}, {}, {}, {}} {
        findReferenceDraws(context);
    }
};

Filter::Filter(const Settings &settings)
    : m_state(std::make_unique<State>(settings)) {}
Filter::~Filter() = default;

bool Filter::accept(const std::array<int, 6> &sorted, int crossSum) {
    return acceptCandidate(m_state->context, sorted, crossSum);
}

std::vector<int> pool(const Settings &settings) {
    TipParameters p = settings.parameters;
    Context c{settings, p, settings.endDate, {}, {}, {}, {}};
    findReferenceDraws(c);
    return buildPool(c);
}

Outcome run(const Settings &settings, Random &random) {
    Outcome out;
    TipParameters p = settings.parameters;
    Context c{settings, p, settings.endDate, {}, {}, {}, {}};
    const std::int64_t runBudget = static_cast<std::int64_t>(p.maxRunsThousands) * 1000;
    const TipParameters saved = p;
    findReferenceDraws(c);
    const std::vector<int> pool = buildPool(c);
    std::vector<int> distinct = pool;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());

    std::int64_t runs = 0;
    auto changed = [&] {
        out.changes.push_back({runs, p.forcePair, p.maxFromLastDraw, p.maxFromPreviousDraw, p.pastWinHits});
    };
    for (int r = 1; r <= 14; ++r) {
        const std::size_t ri = static_cast<std::size_t>(r - 1);
        std::array<int, 6> candidate{};
        bool complete = false;
        if (settings.sheet.rows[ri].locked) {
            bool readable = true;
            for (std::size_t i = 0; i < 6; ++i) {
                readable = readable && tipInteger(settings.sheet.rows[ri].numbers[i]).has_value();
                candidate[i] = tipInteger(settings.sheet.rows[ri].numbers[i]).value_or(0);
            }
            // The clearing's tip check has already sorted the fields of a complete row.
            if (readable) std::sort(candidate.begin(), candidate.end());
            out.lucky[ri].assign(1, '-');
            out.crossSum[ri] =
                candidate[0] + candidate[1] + candidate[2] + candidate[3] + candidate[4] + candidate[5];
        } else {
            int crossSum = 0;
            if (runs < runBudget && (r == 1 || p.tipCount >= r)) {
                if (distinct.size() < 6) runs = runBudget;
                while (!complete && runs < runBudget) {
                    runs += 1;
                    if (runs == runBudget / 2 && p.forcePair) {
                        p.forcePair = false;
                        changed();
                    }
                    if (r >= 3) {
                        if (runs == runBudget - 20000) {
                            p.pastWinHits = 6;
                            changed();
                        }
                        if (runs == runBudget - 10000) {
                            if (r == 8) {
                                p.maxFromPreviousDraw = 2;
                            } else {
                                p.maxFromPreviousDraw = 2;
                                p.maxFromLastDraw = 1;
                            }
                            changed();
                        }
                        if (runs == runBudget - 5000) {
                            if (r == 8) {
                                p.maxFromLastDraw = 2;
                            } else {
                                p.maxFromPreviousDraw = 3;
                                p.maxFromLastDraw = 2;
                            }
                            changed();
                        }
                    }
                    for (int pos = 0; pos < 6; ++pos) {
                        bool again = true;
                        while (again) {
                            candidate[static_cast<std::size_t>(pos)] =
                                pool[random.below(static_cast<std::uint32_t>(pool.size()))];
                            again = false;
                            for (int q = 0; q < pos; ++q)
                                if (candidate[static_cast<std::size_t>(q)] ==
                                    candidate[static_cast<std::size_t>(pos)])
                                    again = true;
                        }
                    }
                    crossSum = 0;
                    for (int v : candidate)
                        crossSum += v;
                    std::sort(candidate.begin(), candidate.end());
                    if (acceptCandidate(c, candidate, crossSum))
                        complete = true;
                    else
                        candidate = {};
                }
            }
            if (runs >= runBudget) {
                candidate = {};
                complete = false;
            }
            std::sort(candidate.begin(), candidate.end());
            out.crossSum[ri] = complete ? crossSum : 0;
            out.lucky[ri] = chooseLucky(c, random);
        }
        out.numbers[ri] = candidate;
        c.committed.push_back(candidate);
    }
    out.runs = runs;
    out.message = runs >= runBudget ? 25 : 26;
    p.forcePair = saved.forcePair;
    p.maxFromLastDraw = saved.maxFromLastDraw;
    p.maxFromPreviousDraw = saved.maxFromPreviousDraw;
    p.pastWinHits = saved.pastWinHits;
    out.parametersAfter = p;
    return out;
}

void writeDrawFile(const std::filesystem::path &path, const std::vector<Draw> &draws) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const Draw &d : draws) {
        const DrawRecord r = DrawRecord::fromDraw(d);
        out.write(reinterpret_cast<const char *>(r.bytes.data()),
                  static_cast<std::streamsize>(r.bytes.size()));
    }
}

std::vector<Draw> madeUpHistory(DaySerial first, int count, std::uint32_t seed, DaySerial bonusUntil) {
    Random random(seed);
    std::vector<Draw> draws;
    auto nextDay = [](DaySerial d) {
        while (weekdayOf(d) != 4 && weekdayOf(d) != 7)
            ++d;
        return d;
    };
    DaySerial date = nextDay(first);
    for (int i = 0; i < count; ++i) {
        Draw d;
        d.date = date;
        std::vector<int> picked;
        while (picked.size() < 7) {
            const int n = static_cast<int>(random.below(42)) + 1;
            if (std::find(picked.begin(), picked.end(), n) == picked.end()) picked.push_back(n);
        }
        std::sort(picked.begin(), picked.begin() + 6);
        std::copy_n(picked.begin(), 6, d.numbers.begin());
        if (date <= bonusUntil)
            d.bonus = picked[6];
        else
            d.lucky = static_cast<int>(random.below(6)) + 1;
        draws.push_back(d);
        date = nextDay(date + 1);
    }
    return draws;
}

std::vector<Draw> realHistory(const std::filesystem::path &csv) {
    std::ifstream in(csv);
    std::vector<Draw> draws;
    std::string line;
    while (std::getline(in, line)) {
        std::stringstream fields(line);
        std::string date;
        std::getline(fields, date, ',');
        const std::optional<DaySerial> serial = parseIsoDate(date);
        if (!serial) continue;
        Draw d;
        d.date = *serial;
        std::string v;
        for (int &n : d.numbers) {
            std::getline(fields, v, ',');
            n = std::stoi(v);
        }
        std::getline(fields, v, ',');
        d.bonus = std::stoi(v);
        std::getline(fields, v, ',');
        d.lucky = std::stoi(v);
        std::getline(fields, v, ',');
        d.replay = std::stoi(v);
        draws.push_back(d);
    }
    return draws;
}

} // namespace quorix::reference
