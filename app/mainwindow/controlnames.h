#pragma once

// The object names of the main window's single controls that the code works with. The names are
// keys: the settings store and the language files find controls by them, and the GUI tests drive
// the window by them. Families of controls built from a table (tip rows, check boxes, spin fields,
// buttons of the pages) carry their names in controltables.cpp; the computation settings' controls
// are named in the settings table of core.
namespace quorix::controlname {

// Pages.
inline constexpr char kPages[] = "PageControl1";
inline constexpr char kComputationPages[] = "PageControl2";
inline constexpr const char *kPageNames[] = {"TabSheet1", "TabSheet2", "TabSheet3",
                                             "TabSheet4", "TabSheet5", "TabSheet6"};

// The draw browser.
inline constexpr char kDrawLine[] = "Label29";      // "Datenbank": the selected draw
inline constexpr char kSheetDrawLine[] = "Label35"; // the same line above the tip sheet
inline constexpr char kJokerLine[] = "Label77";
inline constexpr char kCrossSum[] = "Label13";
inline constexpr char kReplay[] = "Losnummer";
inline constexpr char kSaturday[] = "CheckBox16";
inline constexpr char kWednesday[] = "CheckBox17";
inline constexpr char kEndDate[] = "DateTimePicker1";
inline constexpr char kStartDate[] = "DateTimePicker2";
inline constexpr char kEvaluate[] = "SpeedButton5";
inline constexpr char kStepBack[] = "SpeedButton6";
inline constexpr char kStepForward[] = "SpeedButton7";
inline constexpr char kJokerStepBack[] = "SpeedButton30";
inline constexpr char kJokerStepForward[] = "SpeedButton18";

// The draw update.
inline constexpr char kUpdate[] = "BitBtn1";            // "&Datenbank aktualisieren"
inline constexpr char kSheetUpdate[] = "SpeedButton10"; // the draw panel's "Aktualisieren"
inline constexpr char kStopUpdate[] = "SpeedButton8";
inline constexpr char kParameterAnalysis[] = "BitBtn9";
inline constexpr char kRecomputeAfterWin[] = "CheckBox31";

// The tip sheet's side panel.
inline constexpr char kTipCount[] = "Edit80"; // its spinner is "UpDown8"
inline constexpr char kCompute[] = "TippsBerechnen";
inline constexpr char kSeed[] = "SpeedButton13";
inline constexpr char kClearTips[] = "Loeschen";
inline constexpr char kDistribution[] = "Button6";
inline constexpr char kTipList[] = "BitBtn7";
inline constexpr char kSaveTips[] = "SpeedButton15";
inline constexpr char kLoadTips[] = "SpeedButton16";
inline constexpr char kProductBanner[] = "Label43";
inline constexpr char kMakerBanner[] = "Label44";

// Spin fields of the "Berechnung" pages whose limits follow each other.
inline constexpr char kMinCrossSum[] = "Edit37";
inline constexpr char kMaxCrossSum[] = "Edit38";
inline constexpr char kMinEven[] = "Edit89";
inline constexpr char kMinOdd[] = "Edit90";
inline constexpr char kMaxShared[] = "Edit39";
inline constexpr char kMinShared[] = "Edit88";

// Charts.
inline constexpr char kStatisticsChart[] = "Chart1";
inline constexpr char kJokerChart[] = "Chart2";

// "Internet-Optionen".
inline constexpr char kProxyHost[] = "ProxyHostEdit";
inline constexpr char kProxyPort[] = "ProxyPortEdit";
inline constexpr char kServer[] = "ServerEdit"; // the number server's address
inline constexpr char kSingleFee[] = "Edit81";
inline constexpr char kDoubleFee[] = "Edit82";

// Menu items.
inline constexpr char kUpdateAction[] = "Aktualisieren1";
inline constexpr char kComputeAction[] = "Berechnen1";
inline constexpr char kSubmitAction[] = "Abgeben1";
inline constexpr char kCloseAction[] = "Schlieen1";

} // namespace quorix::controlname
