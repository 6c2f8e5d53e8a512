#include "app/mainwindow/mainwindow.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QChartView>
#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QMenuBar>
#include <QResizeEvent>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>

#include "app/mainwindow/controlnames.h"
#include "app/mainwindow/controltables.h"
#include "app/history/drawentrydialog.h"
#include "app/language/messagetable.h"
#include "app/platform/programfolder.h"
#include "app/widgets/prompts.h"
#include "app/platform/soundplayer.h"
#include "app/printing/printsettingsdialog.h"
#include "app/charts/windowcharts.h"
#include "app/computation/windowcomputation.h"
#include "app/online/scriptchoicedialog.h"
#include "app/widgets/uihelpers.h"

namespace quorix {

namespace {

constexpr int kFontPixels = 13;
constexpr char kSoundFile[] = "yippee.wav";

// The menu's shortcuts come before a field's own keys: Ctrl+A pressed in a tip field starts the
// update, as the menu says, instead of selecting the field's text.
class MenuShortcutsFirst final : public QObject {
public:
    explicit MenuShortcutsFirst(QMainWindow &window)
        : QObject(&window)
        , m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != &m_window) return false;
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action : m_window.menuBar()->actions()) {
            if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed) {
                // Left unaccepted, the key goes to the shortcut instead of the field.
                event->ignore();
                return true;
            }
        }
        return false;
    }

private:
    QMainWindow &m_window;
};

} // namespace

LottoZahlen::LottoZahlen(QWidget *parent)
    : QMainWindow(parent)
    , m_sound(new SoundPlayer(this)) {
    setObjectName(QStringLiteral("LottoZahlen"));
    setWindowTitle(QStringLiteral("Sorvanis Quintora  6 aus 42 Swiss"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixels);
    setFont(font);

    buildMenu();
    m_pages = new QTabWidget;
    addControl(m_pages, QString::fromLatin1(controlname::kPages));
    m_pages->addTab(buildLottotipp(), QStringLiteral("Lottotipp"));
    m_pages->addTab(buildBerechnung(), QStringLiteral("Berechnung"));
    m_pages->addTab(buildDiagramm(), QStringLiteral("Diagramm"));
    m_pages->addTab(buildDatenbank(), QStringLiteral("Datenbank"));
    m_pages->addTab(buildJoker(), QStringLiteral("Joker"));
    m_pages->addTab(buildInternet(), QStringLiteral("Internet-Optionen"));
    for (int i = 0; i < m_pages->count(); ++i)
        addControl(m_pages->widget(i), QString::fromLatin1(controlname::kPageNames[i]));
    m_pages->setCurrentIndex(0);
    setCentralWidget(m_pages);
    buildStatusBar();

    resize(sizeHint().expandedTo(QSize(609, 504)));
    m_replay = new ReplayNumber(*this, m_ui.replay, m_messages);
    // The dialogs register for the language files in the order of their creation: the print
    // settings, the draw entry dialog, the number dialog, the script choice.
    createPrinting();
    createHistory();
    m_charts = new WindowCharts(*this);
    m_computation = new WindowComputation(*this, m_charts->numberDialog(), m_charts->chart());
    createUpdate();
    createOnline();
    createLanguage();
    createSettings();
    connect(this, &LottoZahlen::languageChanged, this, &LottoZahlen::alignLeadingColumns);
    QCoreApplication::instance()->installEventFilter(new MenuShortcutsFirst(*this));
}

// The helpers go first: they watch controls that the window's base destroys.
LottoZahlen::~LottoZahlen() {
    delete m_online;
    delete m_update;
    delete m_computation;
    delete m_charts;
    delete m_history;
    delete m_printing;
    delete m_replay;
    delete m_languageLoader;
}

QWidget *LottoZahlen::control(const QString &name) const {
    return m_controls.value(name);
}

QAction *LottoZahlen::action(const QString &name) const {
    return m_actions.value(name);
}

void LottoZahlen::showPage(Page page) {
    m_pages->setCurrentIndex(static_cast<int>(page));
}

QLabel *LottoZahlen::statusPanel(int index) const {
    return m_status.at(static_cast<std::size_t>(index));
}

void LottoZahlen::setStatusText(int panel, const QString &text) {
    // The panel shows what fits of a long hint; its tooltip shows all of it.
    statusPanel(panel)->setText(text);
    statusPanel(panel)->setToolTip(text);
}

QLineEdit *LottoZahlen::tipField(int row, int column) const {
    return m_fields.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

int LottoZahlen::tipCount() const {
    return m_ui.tipCount->value();
}

QWidget *LottoZahlen::parameterControl(const TipParameterInfo &info) const {
    const std::string_view name = info.control.empty() ? info.spinner : info.control;
    return control(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

TipSheet LottoZahlen::tipSheet() const {
    TipSheet sheet;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        TipRow &row = sheet.rows[r];
        for (std::size_t c = 0; c < row.numbers.size(); ++c)
            row.numbers[c] = m_fields[r][c]->text().toStdString();
        row.lucky = m_lucky[r]->currentText().toStdString();
        row.locked = m_locked[r];
    }
    return sheet;
}

TipParameters LottoZahlen::tipParameters() const {
    TipParameters parameters;
    for (const TipParameterInfo &info : tipParameterTable()) {
        QWidget *widget = parameterControl(info);
        if (auto *box = qobject_cast<QCheckBox *>(widget); box && info.isFlag())
            parameters.*info.flag = box->isChecked();
        else if (auto *spin = qobject_cast<QSpinBox *>(widget); spin && !info.isFlag())
            parameters.*info.value = spin->value();
        else if (auto *group = widget ? widget->findChild<QButtonGroup *>() : nullptr;
                 group && !info.isFlag())
            parameters.*info.value = group->checkedId();
    }
    return parameters;
}

void LottoZahlen::setTipParameters(const TipParameters &parameters) {
    for (const TipParameterInfo &info : tipParameterTable()) {
        QWidget *widget = parameterControl(info);
        if (auto *box = qobject_cast<QCheckBox *>(widget); box && info.isFlag())
            box->setChecked(parameters.*info.flag);
        else if (auto *spin = qobject_cast<QSpinBox *>(widget); spin && !info.isFlag())
            spin->setValue(parameters.*info.value);
        else if (auto *group = widget ? widget->findChild<QButtonGroup *>() : nullptr;
                 group && !info.isFlag()) {
            if (QAbstractButton *button = group->button(parameters.*info.value)) button->setChecked(true);
        }
    }
}

// ---- start-up ------------------------------------------------------------------------------

// The start-up runs once the window is on screen, not from its show event: a box it asks (no
// history yet) would otherwise stand on an empty screen before the window appears.
void LottoZahlen::setVisible(bool visible) {
    QMainWindow::setVisible(visible);
    if (visible && !m_started) FormShow();
}

void LottoZahlen::FormShow() {
    if (m_started) return;
    m_started = true;
    fixProcessFormats();
    m_lastHeight = height();
    m_programFolder = ProgramFolder::resolve();
    m_sound->setFile(QDir(m_programFolder).filePath(QString::fromLatin1(kSoundFile)));
    m_checkEnabled = false;

    const int language = m_settings->restore();
    const bool messagesRead = selectLanguage(language);
    setReplayNumber(m_settings->restoreLate().value_or(replayNumber()));
    m_checkEnabled = true;

    m_ui.startDate->setDate(dateFromSerial(
        startDateAtStartUp(serialFromDate(m_ui.startDate->date()), serialFromDate(QDate::currentDate()))));
    if (m_ui.proxyHost->text().isEmpty()) m_ui.proxyPort->setText(QStringLiteral("80"));

    const DrawFile file = drawFile();
    const auto legacy = std::filesystem::path(m_programFolder.toStdString()) / DrawFile::kLegacyFileName;
    if (!file.exists() && std::filesystem::exists(legacy)) {
        if (auto converted = file.convertLegacy(legacy, m_today()); !converted)
            Prompts::message(this, windowTitle(), QString::fromStdString(converted.error().message));
    }
    m_random.seedFromCounter();
    setEndDate(m_today());
    SpeedButton5Click();
    Q_EMIT frequencyChartWanted();
    m_languageLoader->reportMessageFile(messagesRead);
    runCommandLine();
}

// Numbers read and shown by the program use "," for decimals and "." for thousands whatever the
// user's locale (fees such as "0,50" are typed that way); amounts of money read "1,00 CHF"-like,
// the amount, a blank, the sign. Dates are always "dd.mm.yyyy": the pickers carry that format and
// the draw lines are formatted explicitly. Weekday names keep following the user's locale
// (QLocale::system()).
void LottoZahlen::fixProcessFormats() {
    QLocale formats(QLocale::German, QLocale::Germany);
    formats.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale::setDefault(formats);
}

void LottoZahlen::FormClose() {
    // A window whose start-up never ran holds design values, not the player's settings.
    if (m_started) m_settings->save(languageIndex(), replayNumber());
}

void LottoZahlen::closeEvent(QCloseEvent *event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

// ---- tip sheet -----------------------------------------------------------------------------

int LottoZahlen::rowOfField(const QWidget *widget) const {
    for (std::size_t r = 0; r < m_fields.size(); ++r)
        if (widget && std::find(m_fields[r].begin(), m_fields[r].end(), widget) != m_fields[r].end())
            return static_cast<int>(r);
    return -1;
}

void LottoZahlen::normaliseField(QLineEdit *field) {
    const QString text = field->text();
    const QString normal = QString::fromStdString(normalisedTipNumber(text.toStdString()));
    if (normal != text) field->setText(normal);
}

void LottoZahlen::setRowLocked(int row, bool locked) {
    m_locked.at(static_cast<std::size_t>(row)) = locked;
    QLabel *caption = m_captions.at(static_cast<std::size_t>(row));
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText,
                     locked ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::WindowText));
    caption->setPalette(palette);
}

void LottoZahlen::Label30Click(int row) {
    setRowLocked(row, !isRowLocked(row));
}

void LottoZahlen::SpeedButton11Click() {
    for (std::size_t r = 0; r < m_fields.size(); ++r) {
        if (m_locked[r]) continue;
        for (QLineEdit *field : m_fields[r])
            field->clear();
        m_lucky[r]->setCurrentText(QStringLiteral("-"));
        m_results[r]->clear();
        m_crossSums[r]->clear();
    }
    const bool wasEnabled = m_checkEnabled;
    m_checkEnabled = true;
    Komplettcheck();
    m_checkEnabled = wasEnabled;
}

void LottoZahlen::Loeschendertipp() {
    if (Prompts::yesNo(this, message(Msg::ClearTipsCaption), message(Msg::ClearTipsQuestion)))
        SpeedButton11Click();
}

void LottoZahlen::TippEdit(int row) {
    const auto r = static_cast<std::size_t>(row);
    const std::vector<int> ticked = rowTipNumbers(tipSheet().rows.at(r));
    if (m_tipEditor) {
        const QString caption = QStringLiteral("%1. ").arg(row + 1) + message(Msg::TipWord);
        if (auto chosen = m_tipEditor(caption, ticked)) {
            // The lowest ticked numbers fill the row from its first field. Fields left over are
            // emptied: an old number kept there could repeat a chosen one.
            std::sort(chosen->begin(), chosen->end());
            for (std::size_t i = 0; i < m_fields[r].size(); ++i)
                m_fields[r][i]->setText(i < chosen->size() ? QString::number((*chosen)[i]) : QString());
        }
    }
    Komplettcheck();
}

// ---- tip check -----------------------------------------------------------------------------

void LottoZahlen::Komplettcheck() {
    const TipSheet sheet = tipSheet();
    const SheetCheck check =
        komplettcheck(m_checkEnabled, sheet, replayNumber().toStdString(),
                      message(Msg::ReplayCaption).toStdString(), currentDraw(), m_jokers.tickets);
    // The all-zero record of an empty history is no draw: rows are still sorted and summed, but
    // hits against it are no result.
    const bool haveDraw = currentDraw().date != 0;
    m_hitTally = haveDraw ? check.tally : HitTally{};
    if (!check.ran) return;

    for (std::size_t r = 0; r < sheet.rows.size() && r < check.rows.size(); ++r) {
        const RowCheck &row = check.rows[r];
        for (std::size_t c = 0; c < m_fields[r].size(); ++c) {
            QLineEdit *field = m_fields[r][c];
            if (row.valid) field->setText(QString::fromStdString(row.texts[c]));
            QPalette palette = field->palette();
            palette.setColor(QPalette::Base, fieldColour(row, c, haveDraw));
            field->setPalette(palette);
        }
        if (!row.valid) {
            m_results[r]->clear();
            m_crossSums[r]->clear();
            m_lucky[r]->setCurrentText(QStringLiteral("-"));
            continue;
        }
        m_crossSums[r]->setText(QString::number(row.crossSum));
        if (!haveDraw) {
            m_results[r]->clear();
            continue;
        }
        m_results[r]->setText(QString::fromStdString(row.hitText));
        setTextColour(m_results[r], row.red ? QColor(255, 0, 0) : QColor(0, 0, 0));
        if (row.playSound) m_sound->play();
    }
    if (check.replay.touched && haveDraw) {
        m_ui.replay->setText(QString::fromStdString(check.replay.text));
        setTextColour(m_ui.replay, check.replay.red ? QColor(255, 0, 0) : QColor(0, 0, 0));
    }
}

QColor LottoZahlen::fieldColour(const RowCheck &row, std::size_t column, bool haveDraw) {
    // The neutral colour is the system's background of entry fields, so an unmarked field looks
    // like any other field rather than disabled.
    const QColor neutral = QApplication::palette().color(QPalette::Base);
    if (!row.valid) return neutral;
    if (row.repeated[column]) return kRepeatedColour;
    if (!haveDraw) return neutral;
    const QColor markColours[] = {neutral, QColor(0, 255, 0), QColor(255, 255, 0)};
    return markColours[row.match.marks[column] % 3];
}

void LottoZahlen::setTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// ---- menu and links ------------------------------------------------------------------------

void LottoZahlen::Berechnen1Click() {
    m_computation->Label28Click();
}

void LottoZahlen::Schlieen1Click() {
    close();
}

void LottoZahlen::Label43Click() {
    Label52Click(QStringLiteral("https://www.sorvani.example/quorix/"));
}

void LottoZahlen::Label52Click(const QString &address) {
    // A failing open is not reported.
    QDesktopServices::openUrl(QUrl(address));
}

// ---- frame ---------------------------------------------------------------------------------

void LottoZahlen::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    // FormResize: height changes scale the tab area by new / remembered height; width alone not.
    if (!m_started || m_lastHeight <= 0 || event->size().height() == m_lastHeight) return;
    m_scale = m_scale * event->size().height() / m_lastHeight;
    m_lastHeight = event->size().height();
    applyScale();
}

// The tab area takes the scale of the heights, but never more than the window's width holds:
// a tall, narrow window would otherwise push the right-hand column out of sight.
void LottoZahlen::applyScale() {
    double scale = m_scale;
    setTabAreaScale(scale);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int needed = m_pages->minimumSizeHint().width();
        const int available = centralWidget()->width();
        if (needed <= available || needed <= 0) break;
        scale *= static_cast<double>(available) / needed;
        setTabAreaScale(scale);
    }
}

void LottoZahlen::setTabAreaScale(double scale) {
    m_appliedScale = scale;
    QFont font = m_pages->font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(kFontPixels * scale))));
    m_pages->setFont(font);
    for (QWidget *widget : m_pages->findChildren<QWidget *>()) {
        const QVariant width = widget->property("designWidth");
        if (width.isValid()) widget->setFixedWidth(static_cast<int>(std::lround(width.toInt() * scale)));
    }
}

bool LottoZahlen::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter) {
        if (auto *widget = qobject_cast<QWidget *>(watched);
            widget && !widget->toolTip().isEmpty() && !qobject_cast<QLineEdit *>(widget))
            setStatusText(1, widget->toolTip());
    } else if (event->type() == QEvent::FocusOut && m_checkEnabled) {
        // Leaving a row checks the sheet. Not between the fields of one row: the check sorts a
        // complete row, and a row re-typed field by field would be written into moved numbers.
        if (auto *field = qobject_cast<QLineEdit *>(watched); field && field->property("tipField").toBool()) {
            const int row = rowOfField(field);
            if (row < 0 || rowOfField(QApplication::focusWidget()) != row) Komplettcheck();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- the features of the history, printing, online, language, settings ----------------------

// A tip file that cannot be read was reported by the load; the window then stays open, since
// there is nothing to print. Otherwise the window closes once the printing returns, however its
// dialog ended.
void LottoZahlen::runCommandLine() {
    if (m_commandLineTips.isEmpty()) return;
    if (!Textladen(m_commandLineTips)) return;
    m_printing->printTicket();
    close();
}

void LottoZahlen::createPrinting() {
    m_printing =
        new TicketPrinting(*this, m_printButton, m_messages, m_jokers, m_random,
                           {[this] { return tipSheet(); }, [this] { return tipParameters().jokerOption; },
                            [this] { return m_history->drawFile(); }, [this] { return m_programFolder; },
                            [this] { return m_today(); }});
    registerWindow(&m_printing->dialog());
}

void LottoZahlen::createOnline() {
    m_online = new OnlineHandover(*this, m_onlineButton, m_messages, m_jokers,
                                  {[this] { return m_programFolder; }, [this] { return tipSheet(); },
                                   [this] { return m_printing->ticketDays(); }},
                                  [this] { return m_today(); });
    registerWindow(&m_online->dialog());
    m_printing->setOnlineRoute([this] { m_online->handOver(); });
}

void LottoZahlen::setFileChooser(const FileChooser &chooser) {
    m_chooseFile = chooser;
    m_history->setFileChooser(chooser);
    m_printing->setFileChooser(chooser);
    m_languageLoader->setFileChooser(chooser);
}

void LottoZahlen::createSettings() {
    const WindowSettings::Controls controls{m_ui.saturday, m_ui.wednesday};
    const WindowSettings::Values values{this, &m_printing->printSettings(), &m_jokers};
    m_settings = std::make_unique<WindowSettings>([this](const QString &name) { return control(name); },
                                                  controls, values, m_messages);
}

void LottoZahlen::createLanguage() {
    LanguageLoader::Windows windows;
    windows.main = this;
    windows.controls = &m_controlOrder;
    windows.control = [this](const QString &name) { return control(name); };
    windows.dialogs = &m_windows;
    m_languageLoader = new LanguageLoader(
        windows, m_languageMenu, m_messages, [this] { return m_programFolder; },
        [this](int panel, const QString &text) { setStatusText(panel, text); });
    m_languageLoader->setFileChooser(m_chooseFile);
    // Texts built from messages follow the language at once: the Replay caption first.
    connect(m_languageLoader, &LanguageLoader::languageChanged, m_replay, &ReplayNumber::showCaption);
    connect(m_languageLoader, &LanguageLoader::languageChanged, this, &LottoZahlen::languageChanged);
}

void LottoZahlen::createHistory() {
    DrawHistoryPanel::Controls &controls = m_historyControls;
    controls.drawLine = m_ui.drawLine;
    controls.sheetDrawLine = m_ui.sheetDrawLine;
    controls.jokerLine = m_ui.jokerLine;
    controls.crossSum = m_ui.crossSum;
    controls.saturday = m_ui.saturday;
    controls.wednesday = m_ui.wednesday;
    controls.startDate = m_ui.startDate;
    controls.endDate = m_ui.endDate;
    m_history = new DrawHistoryPanel(
        *this, controls, m_messages, [this] { return m_programFolder; },
        [this](int panel, const QString &text) { setStatusText(panel, text); }, [this] { Komplettcheck(); });
    registerWindow(&m_history->entryDialog());
}

void LottoZahlen::createUpdate() {
    DrawUpdater::Controls controls;
    controls.update = m_ui.update;
    controls.sheetUpdate = m_ui.sheetUpdate;
    controls.stopUpdate = m_ui.stopUpdate;
    controls.updateItem = action(QString::fromLatin1(controlname::kUpdateAction));
    controls.server = m_ui.server;
    controls.proxyHost = m_ui.proxyHost;
    controls.proxyPort = m_ui.proxyPort;
    controls.endDate = m_ui.endDate;
    controls.drawLine = m_ui.drawLine;
    controls.sheetDrawLine = m_ui.sheetDrawLine;
    controls.jokerLine = m_ui.jokerLine;
    controls.crossSum = m_ui.crossSum;
    m_update = new DrawUpdater(
        *this, controls, m_messages,
        {[this] { return m_history->drawFile(); }, [this] { m_history->showSelectedDraw(); }},
        [this](int panel, const QString &text) { setStatusText(panel, text); }, [this] { return m_today(); });
}

} // namespace quorix
