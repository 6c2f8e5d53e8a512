#pragma once

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include <QElapsedTimer>
#include <QObject>

#include "core/computation.h"
#include "core/tipparameters.h"

class QPushButton;

namespace quorix {

class LottoZahlen;

// The tip computation of the main window: the settings of the "Berechnung" pages, the run behind
// "Tipps &berechnen", the menu item and Ctrl+R, the number list and the seeding button. A child of
// the window named "WindowComputation", living as long as it does.
class WindowComputation final : public QObject {
    Q_OBJECT

public:
    explicit WindowComputation(LottoZahlen &window);
    ~WindowComputation() override;
    Q_DISABLE_COPY_MOVE(WindowComputation)

    static WindowComputation *of(const LottoZahlen &window);

    // The settings as the pages and the tip-count spinner show them.
    TipParameters readParameters() const;
    // Puts the named fields of the settings on the pages.
    void showParameters(const TipParameters &parameters, std::initializer_list<std::string_view> names);
    void showAllParameters(const TipParameters &parameters);

    bool running() const { return m_running; }
    // The last finished run (not a cancelled number list) and its wall time.
    const std::optional<ComputationResult> &lastResult() const { return m_lastResult; }
    std::chrono::milliseconds lastDuration() const { return m_lastDuration; }

    QPushButton *computeButton() const;

public Q_SLOTS:
    // Computes the tips; during a run it is the stop request.
    void Label28Click();
    // "Glückszahl setzen": seeds the window's random generator with the user's number.
    void SpeedButton13Click();

Q_SIGNALS:
    // Emitted from the run's progress calls, before pending events are processed.
    void progressed(int row, qint64 runs);
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enableControls();
    void coupleSpinFields(QObject *watched, bool press);
    // The cross-sum minimum never above the maximum, however either is edited.
    void orderCrossSumFields();
    void showComputationPage(bool chart);
    std::optional<NumberListAnswer> askNumberList(const NumberPool &pool);
    bool stopRequested() const;
    void repaintWindow();

    static constexpr int kRepaintIntervalMs = 30;

    LottoZahlen &m_window;
    bool m_running = false;
    bool m_closeAfterRun = false;
    std::optional<ComputationResult> m_lastResult;
    std::chrono::milliseconds m_lastDuration{0};
    QElapsedTimer m_sinceRepaint;
};

} // namespace quorix
