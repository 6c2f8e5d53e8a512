#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include <QDialog>
#include <QString>

#include "app/platform/today.h"
#include "core/game/game.h"
#include "core/compute/numberpool.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

namespace quorix {

class Random;

// The number dialog: 45 entries (numbers 1..45) as tick boxes, each with a weight that its hint
// shows. List mode shows the computation's pool with weights; tip mode edits one tip row
// and offers the random run behind "&Zufall".
class NumberDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kEntries = kHighestNumberOfAnyEra;
    static constexpr int kTipNumbers = kHighestNumber; // only these are lottery numbers
    static constexpr int kMaxPicks = 26;
    // "&Rechnen": compute from the list as it stands.
    static constexpr int Retry = 2;

    explicit NumberDialog(Random &random, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(NumberDialog)

    QCheckBox *entry(int n) const;
    bool isTicked(int n) const;
    void setTicked(int n, bool ticked);
    QString weight(int n) const;
    void setWeight(int n, const QString &weight);
    // Yellow marks a number picked in tip mode; otherwise the neutral tooltip background.
    bool isMarked(int n) const;
    void setMarked(int n, bool marked);
    QString statusText() const;

    // Tip mode: "&Rechnen" hidden, "&Zufall" shown, six picks, entries 1..42 unticked and
    // neutral, then the row's numbers ticked and yellow.
    void enterTipMode(std::span<const int> rowNumbers);
    // The ticked entries 1..42, lowest first.
    std::vector<int> tickedTipNumbers() const;
    // Back to list mode: "&Rechnen" shown, "&Zufall" hidden, entries 1..42 neutral, caption.
    void leaveTipMode(const QString &caption);
    // Tip mode as a tip row's edit button uses it: shows the dialog modally and gives the ticked
    // numbers on OK; any other way of closing gives nullopt. The dialog ends in list mode.
    std::optional<std::vector<int>> editTip(const QString &caption, std::span<const int> rowNumbers,
                                            const QString &listCaption);

    // The 45 entries as a number list, and back.
    NumberList list() const;
    void setList(const NumberList &list);
    // List mode: each number of the pool ticked with its count as weight, the others unticked
    // with weight "0".
    void fillFromPool(const NumberPool &pool) { setList(pool.toList()); }
    // The pool rebuilt from the list ("&Rechnen").
    NumberPool poolFromList() const { return NumberPool::fromList(list()); }

    // List mode as the computation uses it: the dialog shows the pool modally. OK keeps the pool
    // as built, "&Rechnen" rebuilds it from the list, any other way of closing gives nullopt
    // (the computation then generates no rows).
    std::optional<NumberPool> choosePool(const NumberPool &pool);

    // Asks for the value-list file to save to (save) or load from; empty when cancelled.
    using FileChooser = std::function<QString(bool save, const QString &proposedName)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    // Today's date names a new value list; without one the system clock's.
    void setToday(Today today) { m_today = std::move(today); }

    int pickCount() const { return m_pickCount; }
    void setPickCount(int count);
    int fixedCount() const { return m_fixedCount; }
    bool randomRunActive() const;
    QPushButton *randomButton() const { return m_randomButton; }
    QPushButton *computeButton() const { return m_computeButton; }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *abortButton() const { return m_abortButton; }

public Q_SLOTS:
    // Saves the list as a value list; an empty weight of a ticked entry becomes "1" first.
    void SpeedButton1Click();
    // Loads a value list into the entries.
    void SpeedButton2Click();
    // "&Zufall": starts the random run, freezes one more pick, or stops the run.
    void BitBtn4Click();
    // One step of the random run: the frozen picks stay, the others are drawn anew.
    void Timer1Timer();
    // A click on entry n: ticking it raises its weight by 1.
    void CheckBox1Click(int n);
    // The right mouse button released over entry n: a ticked entry's weight drops by 1.
    void CheckBox17MouseDown(int n);
    // The mouse over entry n: the status line tells its weight.
    void CheckBox1MouseMove(int n);

protected:
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void normaliseWeight(int n);
    void showWeightStatus(int n);
    void resetEntries(int last);
    int entryIndexOf(const QObject *object) const;
    QString chooseFile(bool save);

    Random &m_random;
    Today m_today = systemToday;
    FileChooser m_chooseFile;
    std::array<QCheckBox *, kEntries + 1> m_entries{}; // index 0 unused
    std::array<bool, kEntries + 1> m_marked{};
    std::array<QString, kEntries + 1> m_weights{};
    QLabel *m_status = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_loadButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_abortButton = nullptr;
    QPushButton *m_computeButton = nullptr;
    QPushButton *m_randomButton = nullptr;
    QTimer *m_timer = nullptr;
    int m_pickCount = kNumbersPerTip;
    int m_fixedCount = 1;
    std::array<int, kMaxPicks + 1> m_picks{}; // 1-based; 0 = not drawn yet
};

} // namespace quorix
