#pragma once

#include <functional>

#include <QString>

#include "core/game/tipcheck.h"
#include "core/game/tipsheet.h"
#include "core/history/drawbrowser.h"
#include "core/history/drawfile.h"
#include "core/statistics/statistics.h"

class QWidget;

namespace quorix {

// What the analyses need from the rest of the window: the history, the sheet, the draw browser,
// the chart and the status bar. Each analysis uses the part it needs.
struct AnalysisSources {
    QWidget *window = nullptr; // parent of the boxes, repainted while a walk goes
    std::function<DrawFile()> drawFile;
    std::function<QString()> programFolder;
    std::function<StatisticsWindow()> statisticsWindow;
    std::function<WeekdayFilter()> weekdays;
    std::function<DaySerial()> endDate;
    std::function<void(DaySerial)> setEndDate;
    // Selects the end date's draw and checks the sheet against it.
    std::function<void()> evaluate;
    // The draw browser's position, and showing a position as a step shows it.
    std::function<BrowsedDraw()> currentDraw;
    std::function<void(const BrowsedDraw &)> showSteppedDraw;
    // The draw compared by a search, on the draw lines (the Joker line and end date stay).
    std::function<void(const Draw &)> showComparedDraw;
    std::function<TipSheet()> sheet;
    std::function<void()> checkSheet;
    // A searched row's hits in its result label.
    std::function<void(int row, const TipMatch &)> showRowHits;
    // Writes every row's numbers and lucky text (the last computed sheet of a walk).
    std::function<void(const TipSheet &)> showSheetRows;
    // Empties the unlocked rows without checking; the colours of an earlier check go.
    std::function<void()> clearUnlockedUnchecked;
    // Row 1 shows a draw's numbers unchecked, locked or not; its lucky box stays.
    std::function<void(const Draw &)> showDrawInRowOne;
    std::function<void()> clearChart;
    std::function<void()> showSheetPage;
    std::function<void(int panel, const QString &text)> setStatus;
    std::function<void(const QString &path)> openDocument; // shows a written report
};

} // namespace quorix
