#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/base/result.h"

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

// One field of TipParameters with everything the program knows about it: the one place a setting
// is described. The command line sets it by `name`; the window builds its control from this row
// and the settings store keeps it under `settingsName`. Exactly one of flag/value is set. The
// default is the member's initialiser in TipParameters, read through the member pointer.
// Every text is a string literal, so `data()` of each is null-terminated.
struct TipParameterInfo {
    std::string_view name;
    bool TipParameters::*flag = nullptr;
    int TipParameters::*value = nullptr;
    int minimum = 0;
    int maximum = 1;
    int step = 1; // of the spin buttons
    // The check box, edit field or option group; the spin buttons beside an edit field (empty
    // where there are none). The window's controls carry these names.
    std::string_view control;
    std::string_view spinner;
    std::string_view settingsName;
    std::string_view caption; // design caption of a check box (an edit field has none)
    std::string_view hint;
    // The run may loosen this setting to finish the sheet and puts it back at the end.
    bool relaxed = false;
    // Its place among the relaxed settings (1 first): forcePair is loosened at half the budget,
    // the others near its end.
    int relaxOrder = 0;

    bool isFlag() const { return flag != nullptr; }
    int get(const TipParameters &p) const { return isFlag() ? (p.*flag ? 1 : 0) : p.*value; }
    int defaultValue() const { return get(TipParameters{}); }
    // Copies this field alone from one set of parameters to another.
    void copy(const TipParameters &from, TipParameters &to) const {
        if (isFlag())
            to.*flag = from.*flag;
        else
            to.*value = from.*value;
    }
};

// Every field in page order.
std::span<const TipParameterInfo> tipParameterTable();
const TipParameterInfo *findTipParameter(std::string_view name);
// The relaxed settings of the table in their relaxOrder: the run puts them back, and the window
// shows them, in this order.
std::span<const TipParameterInfo *const> relaxedParameters();

// Sets a field from text: "on"/"off" for flags, a whole number inside the range otherwise.
// Unknown names and bad or out-of-range values are BadArgument errors; nothing is changed then.
Result<void> setTipParameter(TipParameters &parameters, std::string_view name, std::string_view text);
// "on"/"off" or the decimal value.
std::string tipParameterText(const TipParameters &parameters, const TipParameterInfo &info);

} // namespace quorix
