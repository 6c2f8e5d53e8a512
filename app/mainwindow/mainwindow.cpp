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
#include "app/online/windowonline.h"
#include "app/history/windowupdate.h"
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
    // The dialogs register for the language files in the order of their creation: the print
    // settings, the draw entry dialog, the number dialog.
    m_printDialog = new PrintSettingsDialog(m_jokers, m_days, m_random, this);
    registerWindow(m_printDialog);
    m_entryDialog = new DrawEntryDialog(this);
    registerWindow(m_entryDialog);
    m_charts = new WindowCharts(*this);
    m_computation = new WindowComputation(*this, m_charts->numberDialog(), m_charts->chart());
    m_update = new WindowUpdate(*this);
    m_online = new WindowOnline(*this);
    connect(this, &LottoZahlen::languageChanged, this, &LottoZahlen::alignLeadingColumns);
    QCoreApplication::instance()->installEventFilter(new MenuShortcutsFirst(*this));
}

// The helpers go first: they watch controls that the window's base destroys.
LottoZahlen::~LottoZahlen() {
    delete m_online;
    delete m_update;
    delete m_computation;
    delete m_charts;
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

DrawFile LottoZahlen::drawFile() const {
    return DrawFile::inFolder(std::filesystem::path(m_programFolder.toStdString()));
}

StatisticsWindow LottoZahlen::statisticsWindow() const {
    StatisticsWindow window;
    window.startDate = serialFromDate(m_ui.startDate->date());
    window.endDate = serialFromDate(m_ui.endDate->date());
    window.saturday = m_ui.saturday->isChecked();
    window.wednesday = m_ui.wednesday->isChecked();
    return window;
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

void LottoZahlen::setReplayNumber(const QString &number) {
    m_replayNumber = number;
    m_ui.replay->setText(replayCaption());
}

QString LottoZahlen::replayCaption() const {
    if (m_replayNumber.isEmpty()) return message(Msg::EnterReplay);
    return message(Msg::ReplayCaption) + QStringLiteral(": ") + m_replayNumber;
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

    restoreSettings();
    const bool messagesRead = selectLanguage(m_language);
    restoreLateSettings();
    setReplayNumber(m_replayNumber);
    m_checkEnabled = true;

    if (m_ui.startDate->date() > QDate::currentDate().addDays(-7))
        m_ui.startDate->setDate(dateFromSerial(kEarliestStartDate));
    if (m_ui.proxyHost->text().isEmpty()) m_ui.proxyPort->setText(QStringLiteral("80"));

    const DrawFile file = drawFile();
    const auto legacy = std::filesystem::path(m_programFolder.toStdString()) / DrawFile::kLegacyFileName;
    if (!file.exists() && std::filesystem::exists(legacy)) {
        if (auto converted = file.convertLegacy(legacy, serialFromDate(QDate::currentDate())); !converted)
            Prompts::message(this, windowTitle(), QString::fromStdString(converted.error().message));
    }
    m_random.seedFromCounter();
    setEndDate(serialFromDate(QDate::currentDate()));
    SpeedButton5Click();
    Q_EMIT frequencyChartWanted();
    reportMessageFile(messagesRead);
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

// The program holds no message text of its own: without a complete message file many captions,
// titles and questions stay empty. Say so once, in technical terms, and go on. A language file
// that is there but refused (a folder, a FIFO, a device, beyond its size limit) is named with
// the reason, in the language where the message table has the words.
void LottoZahlen::reportMessageFile(bool read) {
    if (!m_languageFileProblem.isEmpty()) {
        setStatusText(1, m_languageFileProblem);
        return;
    }
    if (read && m_messages.size() >= kMessageCount) return;
    const QString path = MessageTable::pathFor(m_programFolder, languageCode(m_language));
    setStatusText(1, !read ? m_messages.unreadText(path, m_messages.lastRead())
                           : QStringLiteral("%1: %2 of %3 lines")
                                 .arg(QDir::toNativeSeparators(path))
                                 .arg(m_messages.size())
                                 .arg(kMessageCount));
}

void LottoZahlen::FormClose() {
    saveSettings();
}

void LottoZahlen::closeEvent(QCloseEvent *event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

// ---- draw browser --------------------------------------------------------------------------

void LottoZahlen::setEndDate(DaySerial date) {
    QDateEdit *end = m_ui.endDate;
    const QDate wanted = dateFromSerial(date);
    // The picker rejects dates outside its range; it keeps its value then.
    if (wanted >= end->minimumDate() && wanted <= end->maximumDate()) end->setDate(wanted);
}

WeekdayFilter LottoZahlen::weekdayFilter() const {
    return {m_ui.saturday->isChecked(), m_ui.wednesday->isChecked()};
}

void LottoZahlen::showDraw(Shown how) {
    const BrowsedDraw &current = m_browser.current();
    const Draw &draw = current.draw;
    QString drawLine;
    QString jokerLine;
    QString crossSum;
    // The all-zero record of an empty history is not a draw; its lines stay empty.
    if (draw.date != 0) {
        const QDate date = dateFromSerial(draw.date);
        const std::string weekday =
            QLocale::system().dayName(date.dayOfWeek(), QLocale::ShortFormat).toStdString();
        if (how == Shown::Selected) {
            drawLine = QString::fromStdString(selectedDrawLine(weekday, draw, current.index == 0));
            jokerLine = QString::fromStdString(selectedJokerLine(weekday, draw));
        } else {
            drawLine = QString::fromStdString(steppedDrawLine(weekday, draw));
            jokerLine = QString::fromStdString(steppedJokerLine(weekday, draw));
        }
        crossSum = QString::fromStdString(crossSumText(draw));
    }
    m_ui.drawLine->setText(drawLine);
    m_ui.sheetDrawLine->setText(drawLine);
    m_ui.jokerLine->setText(jokerLine);
    m_ui.crossSum->setText(crossSum);
    setEndDate(draw.date);
}

void LottoZahlen::step(bool back) {
    const DrawFile file = drawFile();
    const WeekdayFilter filter = weekdayFilter();
    auto stepped = back ? m_browser.stepBack(file, filter) : m_browser.stepForward(file, filter);
    if (!stepped) {
        Prompts::message(this, windowTitle(), QString::fromStdString(stepped.error().message));
        return;
    }
    showDraw(Shown::Stepped);
    Komplettcheck();
}

void LottoZahlen::SpeedButton5Click() {
    const DrawFile file = drawFile();
    if (!file.exists()) {
        Prompts::message(this, windowTitle(), QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
        if (auto created = file.createEmpty(); !created)
            Prompts::message(this, windowTitle(), QString::fromStdString(created.error().message));
        return;
    }
    const DaySerial endDate = serialFromDate(m_ui.endDate->date());
    if (auto selected = m_browser.selectForEndDate(file, endDate); !selected) {
        Prompts::message(this, windowTitle(), QString::fromStdString(selected.error().message));
        return;
    }
    showDraw(Shown::Selected);
    Komplettcheck();
    // A write cut off by a crash leaves part of a record; every reader skips it. Say so, in the
    // technical terms of the other file reports, since the next append will overwrite it.
    if (const std::uintmax_t torn = file.tornTailSize(); torn > 0)
        setStatusText(1, QStringLiteral("%1: %2 bytes after the last whole draw ignored")
                             .arg(QDir::toNativeSeparators(QString::fromStdString(file.path().string())))
                             .arg(torn));
}

void LottoZahlen::SpeedButton6Click() {
    step(true);
}

void LottoZahlen::SpeedButton7Click() {
    step(false);
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
    std::vector<int> ticked;
    for (QLineEdit *field : m_fields[r]) {
        bool ok = false;
        const int value = field->text().toInt(&ok);
        if (!ok) break;
        ticked.push_back(value);
    }
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
        komplettcheck(m_checkEnabled, sheet, m_replayNumber.toStdString(),
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

void LottoZahlen::LosnummerClick() {
    const auto answer = Prompts::input(this, message(Msg::EnterReplay),
                                       message(Msg::ReplayCaption) + QStringLiteral(": "), m_replayNumber);
    if (!answer) return;
    m_replayNumber = *answer;
    m_ui.replay->setText(message(Msg::ReplayCaption) + QStringLiteral(": ") + m_replayNumber);
}

// ---- menu and links ------------------------------------------------------------------------

void LottoZahlen::Berechnen1Click() {
    m_computation->Label28Click();
}

void LottoZahlen::Aktualisieren1Click() {
    m_update->QuintoraClick();
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

} // namespace quorix
