// The settings store: what the player set comes back at start-up and goes back at shutdown.
// The controls are the settings while the program runs; the store is read into them once and
// written from them once.
#include "app/mainwindow/mainwindow.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>

#include "app/mainwindow/controlnames.h"
#include "app/widgets/prompts.h"
#include "app/settings/settingsnames.h"
#include "app/settings/settingsstore.h"
#include "app/widgets/uihelpers.h"

namespace quorix {

namespace {

QString name(const char *setting) {
    return QString::fromLatin1(setting);
}

// One group of the restore: a value stored with another type than its own ends the group, and
// the group's later values leave their controls as they are. A value outside any group is read
// through a group of its own, so a bad one costs only itself.
class GroupReader {
public:
    explicit GroupReader(const SettingsStore &store)
        : m_store(store) {}

    std::optional<int> integer(const QString &setting) { return take(m_store.integer(setting)); }
    std::optional<bool> flag(const QString &setting) { return take(m_store.flag(setting)); }
    std::optional<QString> text(const QString &setting) { return take(m_store.text(setting)); }
    std::optional<double> real(const QString &setting) { return take(m_store.real(setting)); }

private:
    template <class T> std::optional<T> take(const SettingsStore::Read<T> &read) {
        if (m_ended) return std::nullopt;
        if (read.found == SettingsStore::Found::WrongType) m_ended = true;
        if (!read) return std::nullopt;
        return read.value;
    }

    const SettingsStore &m_store;
    bool m_ended = false;
};

QButtonGroup *buttonGroup(const LottoZahlen &window, const StoredControl &stored) {
    QWidget *group = window.control(stored.control);
    return group ? group->findChild<QButtonGroup *>() : nullptr;
}

// The start date is kept as a day count from 30.12.1899 in a double; a time of day in it is
// dropped. A value the picker cannot show (outside its range, not a number) is no date: the
// picker keeps its design date.
void restoreDate(GroupReader &group, const StoredControl &stored, QDateEdit *picker) {
    const auto days = group.real(stored.setting);
    if (!days || !std::isfinite(*days)) return;
    const double first = serialFromDate(picker->minimumDate());
    const double last = serialFromDate(picker->maximumDate());
    if (*days < first || *days >= last + 1) return;
    picker->setDate(dateFromSerial(static_cast<DaySerial>(std::floor(*days))));
}

// Sets a control from its stored value. Setting a field's text runs its change handling as
// typing would: a tip field normalises it. An item number an option group does not have selects
// nothing; the design item stays.
void restoreControl(GroupReader &group, const LottoZahlen &window, const StoredControl &stored) {
    QWidget *widget = window.control(stored.control);
    switch (stored.kind) {
    case StoredKind::CheckBox:
        if (const auto ticked = group.flag(stored.setting))
            if (auto *box = qobject_cast<QCheckBox *>(widget)) box->setChecked(*ticked);
        break;
    case StoredKind::SpinBox:
        if (const auto position = group.integer(stored.setting))
            if (auto *spin = qobject_cast<QSpinBox *>(widget)) spin->setValue(*position);
        break;
    case StoredKind::LineEdit:
        if (const auto text = group.text(stored.setting))
            if (auto *field = qobject_cast<QLineEdit *>(widget)) field->setText(*text);
        break;
    case StoredKind::ComboBox:
        if (const auto text = group.text(stored.setting))
            if (auto *box = qobject_cast<QComboBox *>(widget)) box->setCurrentText(*text);
        break;
    case StoredKind::OptionGroup:
        if (const auto item = group.integer(stored.setting))
            if (QButtonGroup *buttons = buttonGroup(window, stored))
                if (QAbstractButton *button = buttons->button(*item)) button->setChecked(true);
        break;
    case StoredKind::DatePicker:
        if (auto *picker = qobject_cast<QDateEdit *>(widget)) restoreDate(group, stored, picker);
        break;
    }
}

void restoreFamily(GroupReader &group, const LottoZahlen &window, std::span<const StoredControl> family) {
    for (const StoredControl &stored : family)
        restoreControl(group, window, stored);
}

// The largest size a stored one may give the window: the screen's available area, or the
// window's design size where the screen is smaller than that. A larger stored size (a hand-edited
// file, a larger screen before) is cut to it, so a window never costs more than the screen.
QSize largestSize(const QWidget &window) {
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(1920, 1080);
    return available.expandedTo(window.size());
}

// Group 1: the check boxes, the paper format, the window's size and the print offsets. With
// neither weekday box ticked no draw would count, so both are ticked then.
void restoreFirstGroup(const SettingsStore &store, LottoZahlen &window) {
    GroupReader group(store);
    for (const StoredControl &box : storedCheckBoxes()) {
        restoreControl(group, window, box);
        const LottoZahlen::Controls &ui = window.ui();
        if (box.control == QLatin1String(controlname::kWednesday) && !ui.saturday->isChecked() &&
            !ui.wednesday->isChecked()) {
            ui.saturday->setChecked(true);
            ui.wednesday->setChecked(true);
        }
    }
    PrintSettings &print = window.printSettings();
    if (const auto paper = group.integer(name(settingname::kPaperFormat))) print.paperFormat = *paper;
    const QSize largest = largestSize(window);
    if (const auto height = group.integer(name(settingname::kHeight)))
        window.resize(window.width(), std::max(window.minimumHeight(), std::min(*height, largest.height())));
    if (const auto width = group.integer(name(settingname::kWidth)))
        window.resize(std::max(window.minimumWidth(), std::min(*width, largest.width())), window.height());
    if (const auto top = group.integer(name(settingname::kTop))) print.top = *top;
    if (const auto left = group.integer(name(settingname::kLeft))) print.left = *left;
}

// A Joker number that is not six digits leaves that Joker at its design digits "000000"; it is
// written back as such.
void restoreJokers(const SettingsStore &store, JokerNumbers &jokers) {
    for (std::size_t i = 0; i < jokers.tickets.size(); ++i) {
        if (const auto ticked = GroupReader(store).flag(name(settingname::kJokerBoxes[i])))
            jokers.tickets[i].enabled = *ticked;
    }
    for (std::size_t i = jokers.tickets.size(); i-- > 0;) {
        const auto text = GroupReader(store).text(name(settingname::kJokerNumbers[i]));
        if (const auto digits = text ? jokerDigitsFromText(text->toStdString()) : std::nullopt)
            jokers.tickets[i].digits = *digits;
    }
}

void saveControl(SettingsStore &store, const LottoZahlen &window, const StoredControl &stored) {
    QWidget *widget = window.control(stored.control);
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        store.setFlag(stored.setting, box->isChecked());
    else if (auto *spin = qobject_cast<QSpinBox *>(widget))
        store.setInteger(stored.setting, spin->value());
    else if (auto *field = qobject_cast<QLineEdit *>(widget))
        store.setText(stored.setting, field->text());
    else if (auto *lucky = qobject_cast<QComboBox *>(widget))
        store.setText(stored.setting, lucky->currentText());
    else if (auto *picker = qobject_cast<QDateEdit *>(widget))
        store.setReal(stored.setting, serialFromDate(picker->date()));
    else if (QButtonGroup *buttons = buttonGroup(window, stored))
        store.setInteger(stored.setting, buttons->checkedId());
}

void saveFamily(SettingsStore &store, const LottoZahlen &window, std::span<const StoredControl> family) {
    for (const StoredControl &stored : family)
        saveControl(store, window, stored);
}

void saveJokers(SettingsStore &store, const JokerNumbers &jokers) {
    for (std::size_t i = 0; i < jokers.tickets.size(); ++i)
        store.setFlag(name(settingname::kJokerBoxes[i]), jokers.tickets[i].enabled);
    for (std::size_t i = 0; i < jokers.tickets.size(); ++i)
        store.setText(name(settingname::kJokerNumbers[i]),
                      QString::fromStdString(jokerDigitsText(jokers.tickets[i].digits)));
}

} // namespace

void LottoZahlen::restoreSettings() {
    const SettingsStore store;
    restoreFirstGroup(store, *this);
    // The option groups are read one by one: a bad one costs only itself.
    for (const StoredControl &group : storedOptionGroups()) {
        GroupReader single(store);
        restoreControl(single, *this, group);
    }
    // Any stored language index is kept; the language itself decides what an unknown one means.
    GroupReader second(store);
    m_language = second.integer(name(settingname::kLanguage)).value_or(0);
    restoreFamily(second, *this, storedSpinners());
    restoreFamily(second, *this, storedTipFields());
    restoreFamily(second, *this, storedLuckyBoxes());
    restoreJokers(store, m_jokers);
}

void LottoZahlen::restoreLateSettings() {
    const SettingsStore store;
    if (const auto replay = GroupReader(store).text(name(settingname::kReplay))) m_replayNumber = *replay;
    GroupReader fees(store);
    restoreFamily(fees, *this, storedFees());
    GroupReader proxy(store);
    restoreFamily(proxy, *this, storedProxy());
    GroupReader startDate(store);
    restoreControl(startDate, *this, storedStartDate());
}

// The file is replaced as a whole, so a save that fails anywhere leaves the earlier file, every
// value of it, as it was. A failed save is said in a box (the program closes regardless).
void LottoZahlen::saveSettings() {
    // A window whose start-up never ran holds design values, not the player's settings.
    if (!m_started) return;
    SettingsStore store;
    store.setInteger(name(settingname::kPaperFormat), m_print.paperFormat);
    store.setText(name(settingname::kReplay), m_replayNumber);
    saveFamily(store, *this, storedCheckBoxes());
    // A minimised or maximised size is no size to come back with; the last normal one stays.
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        store.setInteger(name(settingname::kHeight), height());
        store.setInteger(name(settingname::kWidth), width());
    }
    store.setInteger(name(settingname::kLanguage), m_language);
    store.setInteger(name(settingname::kTop), m_print.top);
    store.setInteger(name(settingname::kLeft), m_print.left);
    for (const auto family : {storedOptionGroups(), storedSpinners(), storedTipFields(), storedLuckyBoxes(),
                              storedFees(), storedProxy()})
        saveFamily(store, *this, family);
    saveControl(store, *this, storedStartDate());
    saveJokers(store, m_jokers);
    if (store.save()) return;
    QString text = m_messages.filled(Msg::SettingsNotSaved, store.saveError());
    if (text.isEmpty()) text = QStringLiteral("The settings could not be saved: ") + store.saveError();
    Prompts::message(this, windowTitle(), text);
}

} // namespace quorix
