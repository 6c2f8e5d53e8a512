#include "app/settings/windowsettings.h"

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

#include "app/language/messagetable.h"
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

QButtonGroup *buttonGroup(const WindowSettings::ControlLookup &control, const StoredControl &stored) {
    QWidget *group = control(stored.control);
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
void restoreControl(GroupReader &group, const WindowSettings::ControlLookup &control,
                    const StoredControl &stored) {
    QWidget *widget = control(stored.control);
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
            if (QButtonGroup *buttons = buttonGroup(control, stored))
                if (QAbstractButton *button = buttons->button(*item)) button->setChecked(true);
        break;
    case StoredKind::DatePicker:
        if (auto *picker = qobject_cast<QDateEdit *>(widget)) restoreDate(group, stored, picker);
        break;
    }
}

void restoreFamily(GroupReader &group, const WindowSettings::ControlLookup &control,
                   std::span<const StoredControl> family) {
    for (const StoredControl &stored : family)
        restoreControl(group, control, stored);
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
void restoreFirstGroup(const SettingsStore &store, const WindowSettings::ControlLookup &control,
                       const WindowSettings::Controls &ui, PrintSettings &print, QWidget &window) {
    GroupReader group(store);
    for (const StoredControl &box : storedCheckBoxes()) {
        restoreControl(group, control, box);
        if (control(box.control) == ui.wednesday && !ui.saturday->isChecked() && !ui.wednesday->isChecked()) {
            ui.saturday->setChecked(true);
            ui.wednesday->setChecked(true);
        }
    }
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

void saveControl(SettingsStore &store, const WindowSettings::ControlLookup &control,
                 const StoredControl &stored) {
    QWidget *widget = control(stored.control);
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
    else if (QButtonGroup *buttons = buttonGroup(control, stored))
        store.setInteger(stored.setting, buttons->checkedId());
}

void saveFamily(SettingsStore &store, const WindowSettings::ControlLookup &control,
                std::span<const StoredControl> family) {
    for (const StoredControl &stored : family)
        saveControl(store, control, stored);
}

void saveJokers(SettingsStore &store, const JokerNumbers &jokers) {
    for (std::size_t i = 0; i < jokers.tickets.size(); ++i)
        store.setFlag(name(settingname::kJokerBoxes[i]), jokers.tickets[i].enabled);
    for (std::size_t i = 0; i < jokers.tickets.size(); ++i)
        store.setText(name(settingname::kJokerNumbers[i]),
                      QString::fromStdString(jokerDigitsText(jokers.tickets[i].digits)));
}

} // namespace

WindowSettings::WindowSettings(ControlLookup control, const Controls &controls, const Values &values,
                               const MessageTable &messages)
    : m_control(std::move(control))
    , m_ui(controls)
    , m_values(values)
    , m_messages(messages) {}

int WindowSettings::restore() const {
    const SettingsStore store;
    restoreFirstGroup(store, m_control, m_ui, *m_values.print, *m_values.window);
    // The option groups are read one by one: a bad one costs only itself.
    for (const StoredControl &group : storedOptionGroups()) {
        GroupReader single(store);
        restoreControl(single, m_control, group);
    }
    GroupReader second(store);
    const int language = second.integer(name(settingname::kLanguage)).value_or(0);
    restoreFamily(second, m_control, storedSpinners());
    restoreFamily(second, m_control, storedTipFields());
    restoreFamily(second, m_control, storedLuckyBoxes());
    restoreJokers(store, *m_values.jokers);
    return language;
}

std::optional<QString> WindowSettings::restoreLate() const {
    const SettingsStore store;
    std::optional<QString> replay = GroupReader(store).text(name(settingname::kReplay));
    GroupReader fees(store);
    restoreFamily(fees, m_control, storedFees());
    GroupReader proxy(store);
    restoreFamily(proxy, m_control, storedProxy());
    GroupReader startDate(store);
    restoreControl(startDate, m_control, storedStartDate());
    return replay;
}

// The file is replaced as a whole, so a save that fails anywhere leaves the earlier file, every
// value of it, as it was. A failed save is said in a box (the program closes regardless).
void WindowSettings::save(int language, const QString &replay) const {
    const QWidget &window = *m_values.window;
    const PrintSettings &print = *m_values.print;
    SettingsStore store;
    store.setInteger(name(settingname::kPaperFormat), print.paperFormat);
    store.setText(name(settingname::kReplay), replay);
    saveFamily(store, m_control, storedCheckBoxes());
    // A minimised or maximised size is no size to come back with; the last normal one stays.
    if (!(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        store.setInteger(name(settingname::kHeight), window.height());
        store.setInteger(name(settingname::kWidth), window.width());
    }
    store.setInteger(name(settingname::kLanguage), language);
    store.setInteger(name(settingname::kTop), print.top);
    store.setInteger(name(settingname::kLeft), print.left);
    for (const auto family : {storedOptionGroups(), storedSpinners(), storedTipFields(), storedLuckyBoxes(),
                              storedFees(), storedProxy()})
        saveFamily(store, m_control, family);
    saveControl(store, m_control, storedStartDate());
    saveJokers(store, *m_values.jokers);
    if (store.save()) return;
    QString text = m_messages.filled(Msg::SettingsNotSaved, store.saveError());
    if (text.isEmpty()) text = QStringLiteral("The settings could not be saved: ") + store.saveError();
    Prompts::message(m_values.window, window.windowTitle(), text);
}

} // namespace quorix
