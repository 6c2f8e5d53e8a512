#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/result.h"

namespace quorix {

// The settings of the pages "Statistisch", "Schein Optimierung", "Mathematisch", "Glückszahl" and
// "Allgemein", plus the tip count of the sheet. Defaults are the controls' design values.
struct TipParameters {
    // "Statistisch"
    bool preferFrequent = false;
    int frequentPercent = 30;
    bool preferRare = true;
    int rarePercent = 20;
    bool preferOverdue = true;
    int overduePercent = 30;
    bool preferFrequentPairs = false;
    bool preferRarePairs = false;
    bool preferFrequentTriples = false;
    bool preferRareTriples = false;
    bool preferFrequentQuadruples = false;
    bool preferRareQuadruples = false;
    bool preferNeighbours = false;
    bool avoidMonthNumbers = false;
    bool reduceDayNumbers = false;

    // "Schein Optimierung"
    bool limitSharedMax = true;
    int maxShared = 2;
    bool limitSharedMin = true;
    int minShared = 0;
    bool sharedLimitsEachTip = false;
    bool neverWonBefore = true;
    int pastWinHits = 5;
    bool recentCheckLong = true;
    int longHits = 4;
    int longDraws = 100;
    bool recentCheckShort = true;
    int shortHits = 3;
    int shortDraws = 10;
    bool limitLastDraw = true;
    int maxFromLastDraw = 0;
    bool limitPreviousDraw = true;
    int maxFromPreviousDraw = 1;
    bool limitThirdLastDraw = true;
    int maxFromThirdLastDraw = 2;
    bool countBonusHit = true;

    // "Mathematisch"
    int crossSumMin = 50;
    int crossSumMax = 250;
    bool requirePrimes = false;
    int minPrimes = 2;
    bool requireEven = false;
    int minEven = 2;
    bool requireOdd = false;
    int minOdd = 2;
    bool forcePair = false;
    bool noRunsOfThree = true;

    // "Glückszahl"
    bool makeLucky = true;
    int luckyOption = 0; // 0 random, 1 rarest, 2 longest outstanding
    int jokerOption = 3; // 0..4, read by the ticket printing

    // "Allgemein"
    bool onlyPreferredNumbers = false;
    bool showNumberList = false;
    int maxRunsThousands = 50;

    // The sheet's spin field beside the compute button.
    int tipCount = 14;

    bool operator==(const TipParameters &) const = default;
};

// One field of TipParameters by name, for the command line and for building the window's controls.
// Exactly one of flag/value is set. `control` is the name the settings store and the language files
// use; `spinner` names the spin buttons beside an edit field (empty where there are none).
struct TipParameterInfo {
    std::string_view name;
    bool TipParameters::*flag = nullptr;
    int TipParameters::*value = nullptr;
    int minimum = 0;
    int maximum = 1;
    std::string_view control;
    std::string_view spinner;
    // The run may loosen this setting to finish the sheet and puts it back at the end.
    bool relaxed = false;

    bool isFlag() const { return flag != nullptr; }
    int get(const TipParameters &p) const { return isFlag() ? (p.*flag ? 1 : 0) : p.*value; }
};

// Every field in page order.
std::span<const TipParameterInfo> tipParameterTable();
const TipParameterInfo *findTipParameter(std::string_view name);

// Sets a field from text: "on"/"off" for flags, a whole number inside the range otherwise.
// Unknown names and bad or out-of-range values are BadArgument errors; nothing is changed then.
Result<void> setTipParameter(TipParameters &parameters, std::string_view name, std::string_view text);
// "on"/"off" or the decimal value.
std::string tipParameterText(const TipParameters &parameters, const TipParameterInfo &info);

} // namespace quorix
