#include "app/history/drawentrydialog.h"

#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/widgets/dateedit.h"
#include "app/widgets/uihelpers.h"

namespace quorix {

using namespace Qt::StringLiterals;

namespace {

QSpinBox *makeSpin(QWidget *parent, const QString &name, NumberRange range) {
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(range.lowest, range.highest);
    spin->setAlignment(Qt::AlignRight);
    if (range.lowest == 0) spin->setSpecialValueText(u"-"_s);
    return spin;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

DrawEntryDialog::DrawEntryDialog(QWidget *parent)
    : QDialog(parent) {
    // The language files know the dialog by its design name.
    setObjectName(u"LoEingab"_s);
    const DrawEntryRanges ranges = drawEntryRanges();
    setWindowTitle(u"Zahlen der Ziehung eingeben"_s);

    m_date = new DateEdit(this);
    m_date->setObjectName(u"DateTimePicker1"_s);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(u"dd.MM.yyyy"_s);
    m_date->setMinimumDate(QDate(1900, 1, 1));
    m_date->setMaximumDate(QDate(2099, 12, 31));

    auto *numbers = new QHBoxLayout;
    for (std::size_t i = 0; i < m_numbers.size(); ++i) {
        m_numbers[i] = makeSpin(this, u"Edit"_s + QString::number(i + 1), ranges.numbers);
        numbers->addWidget(m_numbers[i]);
    }
    numbers->addSpacing(12);
    numbers->addWidget(makeLabel(this, "Label1", u"Z:"_s));
    m_bonus = makeSpin(this, u"Edit7"_s, ranges.bonus);
    numbers->addWidget(m_bonus);
    numbers->addWidget(makeLabel(this, "Label2", u"P:"_s));
    m_lucky = makeSpin(this, u"Edit8"_s, ranges.lucky);
    numbers->addWidget(m_lucky);

    auto *joker = new QHBoxLayout;
    joker->addWidget(makeLabel(this, "Label3", u"Joker:"_s));
    const auto *digit = new QRegularExpressionValidator(QRegularExpression(u"[0-9]"_s), this);
    for (std::size_t i = 0; i < m_joker.size(); ++i) {
        auto *field = new QLineEdit(this);
        field->setObjectName(u"SS_"_s + QString::number(i + 1));
        field->setMaxLength(1);
        field->setValidator(digit);
        field->setAlignment(Qt::AlignCenter);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(u"00"_s) + 12);
        m_joker[i] = field;
        joker->addWidget(field);
    }
    joker->addSpacing(12);
    joker->addWidget(makeLabel(this, "Label4", u"Replay:"_s));
    m_replay = makeSpin(this, u"Edit9"_s, ranges.replay);
    joker->addWidget(m_replay);
    joker->addStretch(1);

    m_ok = makeButton(this, "BitBtn1", u"OK"_s);
    m_abort = makeButton(this, "BitBtn2", u"Abbrechen"_s);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_abort, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_abort);

    auto *date = new QHBoxLayout;
    date->addWidget(m_date);
    date->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(date);
    layout->addLayout(numbers);
    layout->addLayout(joker);
    layout->addLayout(buttons);
}

void DrawEntryDialog::setForm(const DrawEntryForm &form) {
    m_date->setDate(dateFromSerial(form.date));
    for (std::size_t i = 0; i < m_numbers.size(); ++i)
        m_numbers[i]->setValue(form.numbers[i]);
    m_bonus->setValue(form.bonus);
    m_lucky->setValue(form.lucky);
    // A stored Replay digit above the usual range is shown as it is, not cut down.
    m_replay->setMaximum(std::max(drawEntryRanges().replay.highest, form.replay));
    m_replay->setValue(form.replay);
    for (std::size_t i = 0; i < m_joker.size(); ++i)
        m_joker[i]->setText(QString::fromStdString(form.joker[i]));
    m_date->setFocus();
}

DrawEntryForm DrawEntryDialog::form() const {
    DrawEntryForm form;
    form.date = serialFromDate(m_date->date());
    for (std::size_t i = 0; i < m_numbers.size(); ++i)
        form.numbers[i] = m_numbers[i]->value();
    form.bonus = m_bonus->value();
    form.lucky = m_lucky->value();
    form.replay = m_replay->value();
    for (std::size_t i = 0; i < m_joker.size(); ++i)
        form.joker[i] = m_joker[i]->text().toStdString();
    return form;
}

} // namespace quorix
