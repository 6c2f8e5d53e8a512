// The settings store: what the player set comes back at start-up and goes back at shutdown.
// The controls are the settings while the program runs; the store is read into them once and
// written from them once.
#include "app/lottozahlen.h"

#include <cmath>
#include <optional>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>

#include "app/controlnames.h"
#include "app/settingsnames.h"
#include "app/settingsstore.h"
#include "app/uihelpers.h"

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

template <class T> T *storedControl(const LottoZahlen &window, const StoredControl &stored) {
    return window.control<T>(stored.control);
}

QButtonGroup *buttonGroup(const LottoZahlen &window, const StoredControl &stored) {
    QWidget *group = window.control(stored.control);
    return group ? group->findChild<QButtonGroup *>() : nullptr;
}

void restoreCheckBox(GroupReader &group, const LottoZahlen &window, const StoredControl &stored) {
    if (const auto ticked = group.flag(stored.setting))
        if (auto *box = storedControl<QCheckBox>(window, stored)) box->setChecked(*ticked);
}

void restoreSpinner(GroupReader &group, const LottoZahlen &window, const StoredControl &stored) {
    if (const auto position = group.integer(stored.setting))
        if (auto *spin = storedControl<QSpinBox>(window, stored)) spin->setValue(*position);
}

// Setting a field's text runs its change handling as typing would: a tip field normalises it.
void restoreLineEdit(GroupReader &group, const LottoZahlen &window, const StoredControl &stored) {
    if (const auto text = group.text(stored.setting))
        if (auto *field = storedControl<QLineEdit>(window, stored)) field->setText(*text);
}

void restoreComboBox(GroupReader &group, const LottoZahlen &window, const StoredControl &stored) {
    if (const auto text = group.text(stored.setting))
        if (auto *box = storedControl<QComboBox>(window, stored)) box->setCurrentText(*text);
}

// An item number the group does not have selects nothing; the design item stays.
void restoreOptionGroup(const SettingsStore &store, const LottoZahlen &window, const StoredControl &stored) {
    if (const auto item = GroupReader(store).integer(stored.setting))
        if (QButtonGroup *group = buttonGroup(window, stored))
            if (QAbstractButton *button = group->button(*item)) button->setChecked(true);
}

// The start date is kept as a day count from 30.12.1899 in a double; a time of day in it is
// dropped. A value the picker cannot show (outside its range, not a number) is no date: the
// picker keeps its design date.
void restoreStartDate(const SettingsStore &store, QDateEdit *picker) {
    const auto days = GroupReader(store).real(storedStartDate().setting);
    if (!days || !std::isfinite(*days)) return;
    const double first = serialFromDate(picker->minimumDate());
    const double last = serialFromDate(picker->maximumDate());
    if (*days < first || *days >= last + 1) return;
    picker->setDate(dateFromSerial(static_cast<DaySerial>(std::floor(*days))));
}

} // namespace

void LottoZahlen::restoreSettings() {
    const SettingsStore store;

    // The weekday boxes: with neither ticked no draw would count, so both are ticked.
    GroupReader first(store);
    for (const StoredControl &box : storedCheckBoxes()) {
        restoreCheckBox(first, *this, box);
        if (box.control == QLatin1String(controlname::kWednesday) && !m_ui.saturday->isChecked() &&
            !m_ui.wednesday->isChecked()) {
            m_ui.saturday->setChecked(true);
            m_ui.wednesday->setChecked(true);
        }
    }
    if (const auto paper = first.integer(name(settingname::kPaperFormat))) m_print.paperFormat = *paper;
    if (const auto stored = first.integer(name(settingname::kHeight))) resize(width(), *stored);
    if (const auto stored = first.integer(name(settingname::kWidth))) resize(*stored, height());
    if (const auto top = first.integer(name(settingname::kTop))) m_print.top = *top;
    if (const auto left = first.integer(name(settingname::kLeft))) m_print.left = *left;

    for (const StoredControl &group : storedOptionGroups())
        restoreOptionGroup(store, *this, group);

    // Any stored language index is kept; the language itself decides what an unknown one means.
    GroupReader second(store);
    m_language = second.integer(name(settingname::kLanguage)).value_or(0);
    for (const StoredControl &spinner : storedSpinners())
        restoreSpinner(second, *this, spinner);
    for (const StoredControl &field : storedTipFields())
        restoreLineEdit(second, *this, field);
    for (const StoredControl &box : storedLuckyBoxes())
        restoreComboBox(second, *this, box);

    // A Joker number that is not six digits leaves that Joker at its design digits "000000";
    // it is written back as such.
    for (std::size_t i = 0; i < m_jokers.tickets.size(); ++i) {
        if (const auto ticked = GroupReader(store).flag(name(settingname::kJokerBoxes[i])))
            m_jokers.tickets[i].enabled = *ticked;
    }
    for (std::size_t i = m_jokers.tickets.size(); i-- > 0;) {
        const auto text = GroupReader(store).text(name(settingname::kJokerNumbers[i]));
        if (const auto digits = text ? jokerDigitsFromText(text->toStdString()) : std::nullopt)
            m_jokers.tickets[i].digits = *digits;
    }
}

void LottoZahlen::restoreLateSettings() {
    const SettingsStore store;
    if (const auto replay = GroupReader(store).text(name(settingname::kReplay))) m_replayNumber = *replay;

    GroupReader fees(store);
    for (const StoredControl &fee : storedFees())
        restoreLineEdit(fees, *this, fee);
    GroupReader proxy(store);
    for (const StoredControl &field : storedProxy())
        restoreLineEdit(proxy, *this, field);
    restoreStartDate(store, m_ui.startDate);
}

// The file is replaced as a whole, so a save that fails anywhere leaves the earlier file, every
// value of it, as it was.
void LottoZahlen::saveSettings() {
    // A window whose start-up never ran holds design values, not the player's settings.
    if (!m_started) return;
    SettingsStore store;
    store.setInteger(name(settingname::kPaperFormat), m_print.paperFormat);
    store.setText(name(settingname::kReplay), m_replayNumber);
    for (const StoredControl &box : storedCheckBoxes())
        if (auto *check = storedControl<QCheckBox>(*this, box))
            store.setFlag(box.setting, check->isChecked());
    // A minimised or maximised size is no size to come back with; the last normal one stays.
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        store.setInteger(name(settingname::kHeight), height());
        store.setInteger(name(settingname::kWidth), width());
    }
    store.setInteger(name(settingname::kLanguage), m_language);
    store.setInteger(name(settingname::kTop), m_print.top);
    store.setInteger(name(settingname::kLeft), m_print.left);
    for (const StoredControl &group : storedOptionGroups())
        if (QButtonGroup *buttons = buttonGroup(*this, group))
            store.setInteger(group.setting, buttons->checkedId());
    for (const StoredControl &spinner : storedSpinners())
        if (auto *spin = storedControl<QSpinBox>(*this, spinner))
            store.setInteger(spinner.setting, spin->value());
    for (const StoredControl &field : storedTipFields())
        if (auto *edit = storedControl<QLineEdit>(*this, field)) store.setText(field.setting, edit->text());
    for (const StoredControl &box : storedLuckyBoxes())
        if (auto *lucky = storedControl<QComboBox>(*this, box))
            store.setText(box.setting, lucky->currentText());
    for (const auto family : {storedFees(), storedProxy()})
        for (const StoredControl &field : family)
            if (auto *edit = storedControl<QLineEdit>(*this, field))
                store.setText(field.setting, edit->text());
    store.setReal(storedStartDate().setting, serialFromDate(m_ui.startDate->date()));
    for (std::size_t i = 0; i < m_jokers.tickets.size(); ++i)
        store.setFlag(name(settingname::kJokerBoxes[i]), m_jokers.tickets[i].enabled);
    for (std::size_t i = 0; i < m_jokers.tickets.size(); ++i)
        store.setText(name(settingname::kJokerNumbers[i]),
                      QString::fromStdString(jokerDigitsText(m_jokers.tickets[i].digits)));
    // A failed save is not reported: the program closes regardless.
    store.save();
}

} // namespace quorix
