#pragma once

#include <array>
#include <span>

#include "core/compute/tipparameters.h"
#include "core/game/game.h"

namespace quorix {

// The names below are keys: the settings store and the language files find controls by them.
// Every family of named controls is built from one table here.

// One row of the tip sheet. Rows 13 and 14 interleave their field numbers.
struct TipRowControls {
    std::array<int, kNumbersPerTip> edits; // number of each field: "Edit" + n
    const char *lucky;                     // lucky-number box
    const char *caption;                   // row caption, click locks
    const char *editButton;                // opens the number dialog
    const char *crossSum;                  // cross-sum label
    const char *result;                    // result label
};

extern const std::array<TipRowControls, kTipRowCount> kTipRows;

// A check box on one of the pages. The computation's boxes and spin fields are built from the
// parameter table of the core (tipParameterTable), which holds their names, defaults, ranges,
// captions and hints; the tables here add only the controls that are no computation setting.
struct CheckBoxEntry {
    const char *name;
    const char *caption;
    bool ticked;
    const char *hint;
    const TipParameterInfo *parameter = nullptr; // the setting it shows, if any
};

// An edit field with spin buttons; the field and its spinner have separate names.
struct SpinFieldEntry {
    const char *upDown;
    const char *edit;
    int value;
    int minimum;
    int maximum;
    int step;
    const char *hint;
    const TipParameterInfo *parameter = nullptr; // the setting it shows
};

// A push or speed button.
struct ButtonEntry {
    const char *name;
    const char *caption;
    const char *hint;
};

std::span<const CheckBoxEntry> checkBoxEntries();
std::span<const SpinFieldEntry> spinFieldEntries();
std::span<const ButtonEntry> buttonEntries();

const CheckBoxEntry *findCheckBox(const char *name);
const SpinFieldEntry *findSpinField(const char *edit);
const ButtonEntry *findButton(const char *name);

// A line of a "Berechnung" page: tokens separated by '|' in reading order. A token naming a
// check box, spin field or button of the tables becomes that control, "#" followed by text is a
// heading, an empty line is a gap, any other token is a plain text.
struct PageLayout {
    const char *title;
    std::span<const char *const> lines;
};

std::span<const PageLayout> berechnungPages();

} // namespace quorix
