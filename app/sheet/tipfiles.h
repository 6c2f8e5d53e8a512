#pragma once

#include <functional>

#include <QObject>
#include <QString>

#include "app/language/messagetable.h"
#include "app/platform/today.h"
#include "core/game/tipsheet.h"
#include "core/history/draw.h"
#include "core/history/drawbrowser.h"

class QWidget;

namespace quorix {

// What the tip files need from the rest of the window.
struct TipFileSources {
    QWidget *parent = nullptr; // of the boxes and file dialogs
    std::function<QString()> programFolder;
    std::function<TipSheet()> sheet;
    std::function<void(const TipSheet &)> loadSheet; // clears the unlocked rows, then fills all
    std::function<void()> evaluate;                  // selects the end date's draw and checks
    std::function<DaySerial()> endDate;
    std::function<WeekdayFilter()> weekdays;
    std::function<Draw()> currentDraw;
    std::function<void(const QString &path)> openDocument; // shows a written file
};

// The tip sheet's files: saving and loading tip files, and the tip list shown in the viewer.
class TipFiles final : public QObject {
    Q_OBJECT

public:
    TipFiles(const MessageTable &messages, Today today, TipFileSources sources, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TipFiles)

    // The file dialogs: called with whether to save and the proposed path, answers the chosen
    // path, empty when cancelled. Without one the program's dialogs.
    using FileChooser = std::function<QString(bool save, const QString &proposedPath)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    // Textladen: fills the sheet from a tip file. A file that cannot be read changes nothing and
    // answers false.
    bool load(const QString &path);

public Q_SLOTS:
    // SpeedButton15Click
    void save();
    // SpeedButton16Click: loads a chosen file, then shows the end date's draw.
    void open();
    // BitBtn7Click: writes the tip list and shows it.
    void showTipList();

private:
    QString chooseTipFile(bool save, const QString &proposedName);
    QString folder() const { return m_sources.programFolder ? m_sources.programFolder() : QString(); }
    void showError(const QString &text);

    const MessageTable &m_messages;
    Today m_today;
    TipFileSources m_sources;
    FileChooser m_chooseFile;
};

} // namespace quorix
