#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include "app/charts/jokernumbers.h"
#include "app/history/drawhistorypanel.h"
#include "app/history/drawupdater.h"
#include "app/history/replaynumber.h"
#include "app/language/languageloader.h"
#include "app/online/onlinehandover.h"
#include "app/printing/ticketprinting.h"
#include "app/settings/windowsettings.h"
#include "app/language/messagetable.h"
#include "app/platform/today.h"
#include "app/analysis/analysissources.h"
#include "app/analysis/parameteranalysisrun.h"
#include "app/analysis/repetitionanalysisrun.h"
#include "app/analysis/tipsearchanalysis.h"
#include "app/charts/chartspanel.h"
#include "app/computation/parametercontrols.h"
#include "app/computation/runstate.h"
#include "app/computation/tipcomputation.h"
#include "app/sheet/tipfiles.h"
#include "app/sheet/tipsheetpanel.h"
#include "core/history/draw.h"
#include "core/game/game.h"
#include "core/text/messages.h"
#include "core/history/drawbrowser.h"
#include "core/history/drawentry.h"
#include "core/history/drawfile.h"
#include "core/base/random.h"
#include "core/statistics/statistics.h"
#include "core/game/tipcheck.h"
#include "core/compute/tipparameters.h"
#include "core/game/tipsheet.h"
#include "output/printsettings.h"

class QLabel;
class QGroupBox;
class QVBoxLayout;
class QTabWidget;
class QLineEdit;
class QComboBox;
class QSpinBox;
class QCheckBox;
class QRadioButton;
class QDateEdit;
class QChartView;
class QMenu;
class QAction;
class QGridLayout;
class QBoxLayout;
class QLayout;
class QAbstractButton;
class QPushButton;

namespace quorix {

struct CheckBoxEntry;
struct SpinFieldEntry;
class SoundPlayer;
class PrintSettingsDialog;

// The main window. It builds the pages, owns the session's state and its helpers: the charts
// (with the number dialog and the tip distribution) and the tip computation. Every control gets
// the name other parts of the program (settings, language files) key on; the controls the code
// works with are held typed in ui().
class LottoZahlen final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LottoZahlen)
public:
    explicit LottoZahlen(QWidget *parent = nullptr);
    ~LottoZahlen() override;

    // The tabs in their order.
    enum class Page { TipSheet, Computation, Chart, Database, Joker, Internet };

    // The controls the window's operations and its helpers work with.
    struct Controls {
        QLabel *drawLine = nullptr;      // "Datenbank": the selected draw
        QLabel *sheetDrawLine = nullptr; // the same line above the tip sheet
        QLabel *jokerLine = nullptr;
        QLabel *crossSum = nullptr;
        QLabel *replay = nullptr;
        QCheckBox *saturday = nullptr;
        QCheckBox *wednesday = nullptr;
        QDateEdit *startDate = nullptr;
        QDateEdit *endDate = nullptr;
        QSpinBox *tipCount = nullptr;
        QPushButton *compute = nullptr;
        QAbstractButton *seed = nullptr;
        QAbstractButton *distribution = nullptr;
        QSpinBox *minEven = nullptr;
        QSpinBox *minOdd = nullptr;
        QSpinBox *maxShared = nullptr;
        QSpinBox *minShared = nullptr;
        QSpinBox *minCrossSum = nullptr;
        QSpinBox *maxCrossSum = nullptr;
        QChartView *statisticsChart = nullptr;
        QChartView *jokerChart = nullptr;
        std::array<QAbstractButton *, 7> jokerPositions{}; // "1xxxxx" .. "xxxxx1", "123456"
        QRadioButton *jokerOften = nullptr;                // "wie oft" (else "ausstehend")
        QLineEdit *proxyHost = nullptr;
        QLineEdit *proxyPort = nullptr;
        QLineEdit *server = nullptr;
        QAbstractButton *update = nullptr;
        QAbstractButton *sheetUpdate = nullptr;
        QAbstractButton *stopUpdate = nullptr;
        QAbstractButton *parameterAnalysis = nullptr; // BitBtn9
        QCheckBox *recomputeAfterWin = nullptr;       // CheckBox31
    };
    const Controls &ui() const { return m_ui; }

    // Every named control, by its name (spin fields are found under both their names), and all
    // of them in the order they were created (a name given twice appears twice).
    using NamedControl = quorix::NamedControl;
    QWidget *control(const QString &name) const;
    template <class T> T *control(const QString &name) const { return qobject_cast<T *>(control(name)); }
    const std::vector<NamedControl> &namedControls() const { return m_controlOrder; }
    QAction *action(const QString &name) const;

    QTabWidget *pages() const { return m_pages; }
    void showPage(Page page);
    QLabel *statusPanel(int index) const;
    void setStatusText(int panel, const QString &text);

    // The helpers, created with the window.
    // ---- the features of the history, printing, online, language, settings ----
    DrawHistoryPanel &history() { return *m_history; }
    DrawEntryDialog &drawEntryDialog() { return m_history->entryDialog(); }
    DrawUpdater &drawUpdate() { return *m_update; }
    TicketPrinting &printing() { return *m_printing; }
    PrintSettingsDialog &printDialog() { return m_printing->dialog(); }
    OnlineHandover &online() { return *m_online; }
    LanguageLoader &language() { return *m_languageLoader; }
    // ---- end of the features' block ----

    // State the operations share.
    const QString &programFolder() const { return m_programFolder; }
    DrawFile drawFile() const { return m_history->drawFile(); }
    StatisticsWindow statisticsWindow() const { return m_history->statisticsWindow(); }
    const MessageTable &messages() const { return m_messages; }
    QString message(Msg message) const { return m_messages.text(messageIndex(message)); }
    const Draw &currentDraw() const { return m_history->currentDraw(); }
    int currentIndex() const { return m_history->currentIndex(); }
    Random &random() { return m_random; }
    JokerNumbers &jokerNumbers() { return m_jokers; }
    TicketDays &ticketDays() { return m_printing->ticketDays(); }
    // Paper format and offsets of the ticket print, kept by the settings store.
    PrintSettings &printSettings() { return m_printing->printSettings(); }
    SoundPlayer &sound() { return *m_sound; }

    // The language (the language loader's): index 0..9 as the settings store keeps it.
    int languageIndex() const { return m_languageLoader->languageIndex(); }
    bool selectLanguage(int index) { return m_languageLoader->selectLanguage(index); }
    // The dialogs whose texts the language files reach besides the window's own, in the order
    // they were created; a dialog registers itself once, when it is made.
    void registerWindow(QWidget *window) { m_windows.push_back(window); }
    const std::vector<QWidget *> &dialogs() const { return m_windows; }

    const QString &replayNumber() const { return m_replay->number(); }
    void setReplayNumber(const QString &number) { m_replay->setNumber(number); }

    int tipCount() const;

    // The file dialogs (tip files, CSV import, ticket PDF, language export): called with whether
    // to save and the proposed path, answers the chosen path, empty when cancelled. Without one
    // the window shows its dialogs.
    using FileChooser = std::function<QString(bool save, const QString &proposedPath)>;
    void setFileChooser(const FileChooser &chooser);
    // Shows a written file in the desktop's viewer; without one the desktop's default handler.
    using DocumentOpener = std::function<void(const QString &path)>;
    void setDocumentOpener(DocumentOpener opener) { m_openDocument = std::move(opener); }

    // ---- tip sheet, computation, charts, analyses ------------------------------------------
    TipSheetPanel &sheet() { return *m_sheet; }
    const TipSheetPanel &sheet() const { return *m_sheet; }
    TipFiles &tipFiles() { return *m_tipFiles; }
    ChartsPanel &charts() { return *m_charts; }
    TipComputation &computation() { return *m_computation; }
    RunState &runState() { return *m_runState; }
    TipSearchAnalysis &search() { return *m_search; }
    ParameterAnalysisRun &parameterAnalysis() { return *m_parameterAnalysis; }
    RepetitionAnalysisRun &repetitionAnalysis() { return *m_repetitionAnalysis; }
    // The computation settings as the "Berechnung" pages and the tip-count spinner show them;
    // writing puts every value back into its control.
    TipParameters tipParameters() const;
    void setTipParameters(const TipParameters &parameters);
    // Where the features learn today's date; tests hand in a fixed day.
    void setToday(Today today) { m_today = std::move(today); }
    // Entries the other operations of the window call (start-up, draw browser, printing).
    TipSheet tipSheet() const;
    void Komplettcheck();
    bool Textladen(const QString &path);
    // ---- end of tip sheet, computation, charts, analyses -----------------------------------

    // The program's arguments after its name; a tip file named there is printed at start-up,
    // then the window closes.
    void setCommandLine(const QStringList &arguments) { m_commandLineTips = commandLineTipFile(arguments); }

    // The start-up sequence; runs once, on the first showing.
    void FormShow();
    void setVisible(bool visible) override;
    // Shutdown: runs when the window closes, however it closes.
    void FormClose();

Q_SIGNALS:
    // Start-up wants the number distribution chart drawn (the chart controller answers).
    void frequencyChartWanted();
    // A language was loaded: texts built from messages are to be built anew.
    void languageChanged();

public Q_SLOTS:
    // The end date's draw becomes current (the history's showSelectedDraw).
    void SpeedButton5Click() { m_history->showSelectedDraw(); }
    void Berechnen1Click();
    void Schlieen1Click();
    void Label43Click();
    void Label52Click(const QString &address);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The command line's tip file is printed here, then the window closes.
    void runCommandLine();

    static void fixProcessFormats();
    void buildMenu();
    void buildStatusBar();
    QWidget *buildLottotipp();
    QWidget *buildDrawPanel();
    QLayout *buildTipRows();
    void addTipRow(QGridLayout &sheet, int row, int line);
    QLineEdit *makeTipField(int number);
    void createSheetFeatures();
    void createComputationFeatures();
    void createAnalysisFeatures();
    AnalysisSources analysisSources();
    std::vector<ChartTrigger> chartTriggers() const;
    QComboBox *makeLuckyBox(const char *name);
    QLayout *buildSidePanel();
    QWidget *buildBanner(const char *name, const QString &text, const QString &hint);
    QWidget *buildBerechnung();
    QWidget *buildBerechnungPage(int index);
    QWidget *buildDiagramm();
    QWidget *buildDatenbank();
    void buildEndDateRow(QVBoxLayout &layout);
    QGroupBox *buildHistoryGroup();
    QLabel *makeNamedLabel(const char *name, const QString &text);
    QGroupBox *makeNamedGroup(const char *name, const QString &title);
    QWidget *buildJoker();
    QWidget *buildInternet();
    QAbstractButton *makeButton(const char *name, bool toolButton);
    template <class T> T *requiredControl(const char *name) const;
    QWidget *makeToken(const QString &token);
    void addControl(QWidget *widget, const QString &name);
    void registerName(const QString &name, QWidget *widget);
    QCheckBox *makeCheckBox(const CheckBoxEntry &entry);
    QSpinBox *makeSpinField(const SpinFieldEntry &entry);
    QWidget *makeOptionGroup(const QString &token);
    void showsHint(QWidget *widget);
    void fixWidth(QWidget *widget, int width);
    void applyScale();
    void setTabAreaScale(double scale);
    void alignLeadingColumns();

    // The draw browser as the analyses reach it until they take it through their constructors.
    using Shown = DrawHistoryPanel::Shown;
    void showDraw(Shown how) { m_history->showDraw(how); }
    WeekdayFilter weekdayFilter() const { return m_history->weekdayFilter(); }
    void setEndDate(DaySerial date) { m_history->setEndDate(date); }
    DrawBrowser &browser() { return m_history->browser(); }
    // ---- the features of the history, printing, online, language, settings ----
    void createHistory();
    void createUpdate();
    void createPrinting();
    void createOnline();
    void createLanguage();
    void createSettings();
    // ---- end of the features' block ----
    void showWrittenDocument(const QString &path);

    Controls m_ui;
    QHash<QString, QWidget *> m_controls;
    std::vector<NamedControl> m_controlOrder;
    QHash<QString, QAction *> m_actions;
    QTabWidget *m_pages = nullptr;
    std::array<QLabel *, 2> m_status{};

    QString m_programFolder;
    MessageTable m_messages;
    Random m_random;
    JokerNumbers m_jokers;
    SoundPlayer *m_sound = nullptr;
    FileChooser m_chooseFile;
    DocumentOpener m_openDocument;
    QString m_commandLineTips;
    // ---- the features of the history, printing, online, language, settings ----
    Today m_today = systemToday;
    DrawHistoryPanel::Controls m_historyControls;
    DrawHistoryPanel *m_history = nullptr;
    DrawUpdater *m_update = nullptr;
    QAbstractButton *m_printButton = nullptr;
    QAbstractButton *m_onlineButton = nullptr;
    TicketPrinting *m_printing = nullptr;
    OnlineHandover *m_online = nullptr;
    LanguageLoader::Menu m_languageMenu;
    LanguageLoader *m_languageLoader = nullptr;
    ReplayNumber *m_replay = nullptr;
    std::unique_ptr<WindowSettings> m_settings;
    // ---- end of the features' block ----
    std::vector<QWidget *> m_windows;

    bool m_started = false;
    int m_lastHeight = 0;
    double m_scale = 1.0;
    double m_appliedScale = 1.0;
    // Per page of "Berechnung": the check boxes that lead a line with a field, one width each.
    std::vector<std::vector<QWidget *>> m_leadingColumns;

    // ---- tip sheet, computation, charts, analyses ------------------------------------------
    TipSheetControls m_sheetControls; // built with the page, handed to the sheet
    QAbstractButton *m_saveTips = nullptr;
    QAbstractButton *m_loadTips = nullptr;
    QAbstractButton *m_clearTips = nullptr;
    QAbstractButton *m_tipList = nullptr;
    QAbstractButton *m_searchButton = nullptr;
    QAbstractButton *m_repetitionButton = nullptr;
    ParameterControls m_parameterControls; // bound while the pages are built
    TipSheetPanel *m_sheet = nullptr;
    TipFiles *m_tipFiles = nullptr;
    RunState *m_runState = nullptr;
    ChartsPanel *m_charts = nullptr;
    TipComputation *m_computation = nullptr;
    TipSearchAnalysis *m_search = nullptr;
    ParameterAnalysisRun *m_parameterAnalysis = nullptr;
    RepetitionAnalysisRun *m_repetitionAnalysis = nullptr;
    // ---- end of tip sheet, computation, charts, analyses -----------------------------------
};

} // namespace quorix
