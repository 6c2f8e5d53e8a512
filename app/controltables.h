#pragma once

#include <array>
#include <span>

namespace quorix {

// The names below are keys: the settings store and the language files find controls by them.
// Every family of named controls is built from one table here.

// One row of the tip sheet. Rows 13 and 14 interleave their field numbers.
struct TipRowSpec {
    std::array<int, 6> edits; // number of each field: "Edit" + n
    const char *lucky;        // lucky-number box
    const char *caption;      // row caption, click locks
    const char *editButton;   // opens the number dialog
    const char *crossSum;     // cross-sum label
    const char *result;       // result label
};

inline constexpr int kTipRowCount = 14;
extern const std::array<TipRowSpec, kTipRowCount> kTipRows;

// A check box on one of the pages.
struct CheckSpec {
    const char *name;
    const char *caption;
    bool ticked;
    const char *hint;
};

// An edit field with spin buttons; the field and its spinner have separate names.
struct SpinSpec {
    const char *upDown;
    const char *edit;
    int value;
    int minimum;
    int maximum;
    int step;
    const char *hint;
};

// A push or speed button.
struct ButtonSpec {
    const char *name;
    const char *caption;
    const char *hint;
};

std::span<const CheckSpec> checkSpecs();
std::span<const SpinSpec> spinSpecs();
std::span<const ButtonSpec> buttonSpecs();

const CheckSpec *findCheckSpec(const char *name);
const SpinSpec *findSpinSpecByEdit(const char *edit);
const ButtonSpec *findButtonSpec(const char *name);

// A line of a "Berechnung" page: tokens separated by '|' in reading order. A token naming a
// check box, spin field or button of the tables becomes that control, "#" followed by text is a
// heading, an empty line is a gap, any other token is a plain text.
struct PageSpec {
    const char *title;
    std::span<const char *const> lines;
};

std::span<const PageSpec> berechnungPages();

} // namespace quorix
