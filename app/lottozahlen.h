#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QString>

#include "app/jokernumbers.h"
#include "app/messagetable.h"
#include "core/draw.h"
#include "core/drawbrowser.h"
#include "core/drawfile.h"
#include "core/random.h"
#include "core/statistics.h"
#include "core/tipcheck.h"
#include "core/tipparameters.h"
#include "core/tipsheet.h"

class QLabel;
class QTabWidget;
class QLineEdit;
class QComboBox;
class QSpinBox;
class QCheckBox;
class QDateEdit;
class QChartView;
class QMenu;
class QAction;
class QGridLayout;
class QBoxLayout;

namespace quorix {

class SoundPlayer;

// The main window. It owns all state of a session; most of it lives in its controls, which
// carry the names other parts of the program (settings, language files) key on.
class LottoZahlen final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LottoZahlen)
public:
    explicit LottoZahlen(QWidget *parent = nullptr);
    ~LottoZahlen() override;

    // Every named control, by its name (spin fields are found under both their names).
    QWidget *control(const QString &name) const;
    template <class T> T *control(const QString &name) const { return qobject_cast<T *>(control(name)); }
    const QHash<QString, QWidget *> &controls() const { return m_controls; }
    QAction *action(const QString &name) const;

    QTabWidget *pages() const { return m_pages; }
    QLabel *statusPanel(int index) const;
    void setStatusText(int panel, const QString &text);

    // State the operations share.
    const QString &programFolder() const { return m_programFolder; }
    DrawFile drawFile() const;
    StatisticsWindow statisticsWindow() const;
    const MessageTable &messages() const { return m_messages; }
    QString message(int index) const { return m_messages.text(index); }
    const Draw &currentDraw() const { return m_browser.current().draw; }
    int currentIndex() const { return static_cast<int>(m_browser.current().index); }
    Random &random() { return m_random; }
    JokerNumbers &jokerNumbers() { return m_jokers; }
    SoundPlayer &sound() { return *m_sound; }
    int maxComputationRuns() const { return m_maxRuns; }

    bool checkEnabled() const { return m_checkEnabled; }
    void setCheckEnabled(bool enabled) { m_checkEnabled = enabled; }
    const HitTally &hitTally() const { return m_hitTally; }

    const QString &replayNumber() const { return m_replayNumber; }
    void setReplayNumber(const QString &number);

    // The sheet as the page shows it: field texts, lucky boxes, locks.
    TipSheet tipSheet() const;
    QLineEdit *tipField(int row, int column) const;
    bool isRowLocked(int row) const { return m_locked.at(static_cast<std::size_t>(row)); }
    int tipCount() const;

    // The computation settings as the "Berechnung" pages and the tip-count spinner show them;
    // writing puts every value back into its control (the computation's relaxation does that).
    TipParameters tipParameters() const;
    void setTipParameters(const TipParameters &parameters);

    // The background of a field whose number repeats an earlier one of its row.
    static inline const QColor kRepeatedColour{255, 165, 0};

    // The number dialog used by TippEdit: called with the dialog caption and the numbers to
    // tick, answers the ticked numbers after OK and nullopt otherwise. Set by whoever owns the
    // dialog; without one TippEdit only re-checks the sheet.
    using TipEditor = std::function<std::optional<std::vector<int>>(const QString &caption,
                                                                    const std::vector<int> &ticked)>;
    void setTipEditor(TipEditor editor) { m_tipEditor = std::move(editor); }

    // The start-up sequence; runs once, on the first showing.
    void FormShow();
    void setVisible(bool visible) override;
    // Shutdown: runs when the window closes, however it closes.
    void FormClose();

Q_SIGNALS:
    // Start-up wants the number distribution chart drawn (the chart controller answers).
    void frequencyChartWanted();

public Q_SLOTS:
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void Komplettcheck();
    void SpeedButton11Click();
    void Loeschendertipp();
    void Label30Click(int row);
    void TippEdit(int row);
    void LosnummerClick();
    void Berechnen1Click();
    void Aktualisieren1Click();
    void Schlieen1Click();
    void Label43Click();
    void Label52Click(const QString &address);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Seams for later parts of the start-up: settings, language, command line.
    void restoreSettings();
    void saveSettings();
    void applyLanguage(const QString &code);
    void runCommandLine();

    void buildMenu();
    void buildStatusBar();
    QWidget *buildLottotipp();
    QWidget *buildBerechnung();
    QWidget *buildBerechnungPage(int index);
    QWidget *buildDiagramm();
    QWidget *buildDatenbank();
    QWidget *buildJoker();
    QWidget *buildInternet();
    QWidget *makeButton(const char *name, bool toolButton);
    QWidget *makeToken(const QString &token);
    void addControl(QWidget *widget, const QString &name);
    void showsHint(QWidget *widget);
    void fixWidth(QWidget *widget, int width);
    void applyScale();
    QWidget *parameterControl(const TipParameterInfo &info) const;

    void normaliseField(QLineEdit *field);
    // The sheet row a number field belongs to, -1 for any other widget.
    int rowOfField(const QWidget *widget) const;
    enum class Shown { Selected, Stepped };
    void showDraw(Shown how);
    void step(bool back);
    WeekdayFilter weekdayFilter() const;
    void setEndDate(DaySerial date);
    void setRowLocked(int row, bool locked);
    void setTextColour(QWidget *widget, const QColor &colour);
    // The background of a checked row's field: repeated numbers warn, hits show only with a draw.
    static QColor fieldColour(const RowCheck &row, std::size_t column, bool haveDraw);
    QString replayCaption() const;

    QHash<QString, QWidget *> m_controls;
    QHash<QString, QAction *> m_actions;
    QTabWidget *m_pages = nullptr;
    std::array<QLabel *, 2> m_status{};
    std::array<std::array<QLineEdit *, 6>, 14> m_fields{};
    std::array<QComboBox *, 14> m_lucky{};
    std::array<QLabel *, 14> m_captions{};
    std::array<QLabel *, 14> m_results{};
    std::array<QLabel *, 14> m_crossSums{};
    std::array<bool, 14> m_locked{};

    QString m_programFolder;
    MessageTable m_messages;
    DrawBrowser m_browser;
    Random m_random;
    JokerNumbers m_jokers;
    SoundPlayer *m_sound = nullptr;
    QString m_replayNumber;
    bool m_checkEnabled = false;
    HitTally m_hitTally;
    int m_maxRuns = 100000;
    TipEditor m_tipEditor;

    bool m_started = false;
    int m_lastHeight = 0;
    double m_scale = 1.0;
};

} // namespace quorix
