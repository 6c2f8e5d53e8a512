#pragma once

#include <span>
#include <vector>

#include <QString>

namespace quorix {

// The values the settings store keeps and the controls they mirror. The setting names are the
// file's keys and never change (files of earlier runs are read by them, spelling included).
enum class StoredKind { CheckBox, SpinBox, LineEdit, ComboBox, OptionGroup, DatePicker };

struct StoredControl {
    QString setting;
    QString control;
    StoredKind kind;
};

// Values that mirror no control of the main window.
namespace settingname {
inline constexpr char kPaperFormat[] = "Papierformat";
inline constexpr char kHeight[] = "height";
inline constexpr char kWidth[] = "width";
inline constexpr char kTop[] = "TippTop";
inline constexpr char kLeft[] = "TippLeft";
inline constexpr char kLanguage[] = "Sprache";
inline constexpr char kReplay[] = "Losnummer";
// Joker 1, 2 and 3: the box and the six digits.
inline constexpr const char *kJokerBoxes[] = {"Joker1", "Joker2", "Joker3"};
inline constexpr const char *kJokerNumbers[] = {"Joker1Zahl", "Joker2Zahl", "Joker3Zahl"};
// The web sites of the click scripts, read when the tips are handed over: the product's site the
// scripts are updated from and the maker's site with the automation program's installer.
inline constexpr char kScriptSite[] = "ScriptServer";
inline constexpr char kMakerSite[] = "KlickwerkServer";
} // namespace settingname

// Each family in the order start-up reads it.
std::span<const StoredControl> storedCheckBoxes(); // "Chekcbox1" .. "Chekcbox35" without 21
std::span<const StoredControl> storedSpinners();   // "UpDown1" .. "UpDown21" without 19
std::span<const StoredControl> storedTipFields();  // the 84 number fields, "Edit1" .. "Edit107"
std::span<const StoredControl> storedLuckyBoxes(); // "Combobox1" .. "Combobox14"
std::span<const StoredControl> storedOptionGroups();
std::span<const StoredControl> storedFees();
std::span<const StoredControl> storedProxy(); // with the number server's address
const StoredControl &storedStartDate();

// All of the above.
std::vector<StoredControl> allStoredControls();

} // namespace quorix
