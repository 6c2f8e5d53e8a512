#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QString>

#include "core/history/drawbrowser.h"
#include "core/text/messages.h"
#include "core/history/drawentry.h"
#include "core/history/drawfile.h"
#include "core/statistics/statistics.h"

class QAbstractButton;
class QCheckBox;
class QDateEdit;
class QLabel;
class QWidget;

namespace quorix {

class DrawEntryDialog;
class MessageTable;

// The draw history as the window shows and keeps it: the selected draw with its lines (sheet,
// "Datenbank" and Joker page), stepping through the draws, the statistics window of the weekday
// boxes and the two dates, and the history's upkeep by hand (entry, deletion, CSV import).
class DrawHistoryPanel final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DrawHistoryPanel)

public:
    struct Controls {
        QLabel *drawLine = nullptr;      // "Datenbank": the selected draw
        QLabel *sheetDrawLine = nullptr; // the same line above the tip sheet
        QLabel *jokerLine = nullptr;
        QLabel *crossSum = nullptr;
        QCheckBox *saturday = nullptr;
        QCheckBox *wednesday = nullptr;
        QDateEdit *startDate = nullptr;
        QDateEdit *endDate = nullptr;
        QAbstractButton *evaluate = nullptr;
        std::vector<QAbstractButton *> stepBack;    // the sheet's and the Joker page's
        std::vector<QAbstractButton *> stepForward; // likewise
        QAbstractButton *enter = nullptr;           // BitBtn8
        QAbstractButton *remove = nullptr;          // BitBtn6
        QAbstractButton *csvImport = nullptr;
    };
    // The program folder, known once the start-up has resolved it.
    using ProgramFolder = std::function<QString()>;
    using StatusText = std::function<void(int panel, const QString &text)>;
    // Answers the chosen path, empty when cancelled; without one the panel shows its dialog.
    using FileChooser = std::function<QString(bool save, const QString &proposedPath)>;

    // `window` parents the entry dialog and the boxes; `checkSheet` checks the sheet against the
    // draw that became current.
    DrawHistoryPanel(QWidget &window, const Controls &controls, const MessageTable &messages,
                     ProgramFolder programFolder, StatusText status, std::function<void()> checkSheet);
    ~DrawHistoryPanel() override;

    DrawEntryDialog &entryDialog() { return *m_entryDialog; }
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    DrawFile drawFile() const;
    StatisticsWindow statisticsWindow() const;
    WeekdayFilter weekdayFilter() const;
    DrawBrowser &browser() { return m_browser; }
    const Draw &currentDraw() const { return m_browser.current().draw; }
    int currentIndex() const { return static_cast<int>(m_browser.current().index); }
    // Sets the end date picker; a date outside its range leaves it as it is.
    void setEndDate(DaySerial date);

    // How the current draw came: selected for the end date, or stepped to.
    enum class Shown { Selected, Stepped };
    void showDraw(Shown how);

public Q_SLOTS:
    // SpeedButton5Click: the draw of the end date becomes current.
    void showSelectedDraw();
    // SpeedButton6Click / SpeedButton7Click
    void stepBack();
    void stepForward();
    // BitBtn8Click
    void enterDraw();
    // BitBtn4Click: deletes the shown draw after asking.
    void deleteShownDraw();
    // CsvImportClick
    void importCsv();

private:
    void step(bool back);
    void writeEnteredDraw(const DrawEntryForm &form);
    QString chooseCsvFile();
    QString message(Msg message) const;

    QWidget &m_window;
    Controls m_ui;
    const MessageTable &m_messages;
    ProgramFolder m_programFolder;
    StatusText m_status;
    std::function<void()> m_checkSheet;
    FileChooser m_chooseFile;
    DrawBrowser m_browser;
    DrawEntryDialog *m_entryDialog = nullptr;
};

} // namespace quorix
