#pragma once

#include <array>

#include <QDialog>

#include "core/history/drawentry.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quorix {

class DateEdit;

// The draw entry dialog "Zahlen der Ziehung eingeben": a date, six numbers, the additional
// number "Z:", the lucky number "P:", the six Joker digits and the Replay digit. The main window
// keeps one for the whole run, so the language files reach it like every other dialog; each entry
// starts it from a whole form (setForm), so nothing of an earlier entry is left in it.
class DrawEntryDialog final : public QDialog {
    Q_OBJECT

public:
    explicit DrawEntryDialog(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(DrawEntryDialog)

    // Every control of the dialog takes the form's value. 0 in "Z:", "P:" and "Replay:" shows as
    // "-": older draws carry none, and a value the spinner cannot show must not change silently.
    void setForm(const DrawEntryForm &form);
    DrawEntryForm form() const;

    DateEdit *dateEdit() const { return m_date; }
    QSpinBox *numberSpin(int i) const { return m_numbers.at(static_cast<std::size_t>(i)); }
    QSpinBox *bonusSpin() const { return m_bonus; }
    QSpinBox *luckySpin() const { return m_lucky; }
    QSpinBox *replaySpin() const { return m_replay; }
    QLineEdit *jokerField(int i) const { return m_joker.at(static_cast<std::size_t>(i)); }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *abortButton() const { return m_abort; }

private:
    DateEdit *m_date = nullptr;
    std::array<QSpinBox *, 6> m_numbers{};
    QSpinBox *m_bonus = nullptr;
    QSpinBox *m_lucky = nullptr;
    QSpinBox *m_replay = nullptr;
    std::array<QLineEdit *, 6> m_joker{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_abort = nullptr;
};

} // namespace quorix
