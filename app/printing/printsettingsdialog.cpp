#include "app/printing/printsettingsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/widgets/prompts.h"
#include "app/widgets/uihelpers.h"
#include "core/statistics/jokerstatistics.h"
#include "core/base/random.h"

namespace quorix {

using namespace Qt::StringLiterals;

namespace {

constexpr int kHighestOffset = 100;
// The language files leave a control with this tag alone: the cost is data, not a caption.
constexpr int kUntranslatedTag = 8;

// The digit fields of the three Joker numbers, first digit first.
constexpr std::array<std::array<int, 6>, 3> kDigitFields = {{
    {4, 5, 6, 7, 8, 9},
    {3, 10, 11, 12, 13, 14},
    {15, 16, 17, 18, 19, 20},
}};

QCheckBox *makeBox(QWidget *parent, const QString &name, const QString &caption) {
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                        const QString &hint = {}) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

QSpinBox *makeSpin(QWidget *parent, const QString &name, int maximum) {
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(0, maximum);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

} // namespace

QString currencyText(std::int64_t cents) {
    // The sign comes from the player's own locale; a locale without one (C) shows the lottery's.
    QString sign = QLocale::system().currencySymbol();
    if (sign.isEmpty()) sign = u"CHF"_s;
    return QLocale().toString(static_cast<double>(cents) / 100.0, 'f', 2) + u' ' + sign;
}

PrintSettingsDialog::PrintSettingsDialog(JokerNumbers &jokers, TicketDays &days, Random &random,
                                         QWidget *parent)
    : QDialog(parent)
    , m_jokers(jokers)
    , m_days(days)
    , m_random(random) {
    // The language files know the dialog by its design name.
    setObjectName(u"Spielwahl"_s);
    setWindowTitle(u"Drucckeeinstellungen für den Lottoschein"_s);
    // The controls are made in the order the language files list them.
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildDays());
    layout->addLayout(buildJokers());
    m_testPicture = makeBox(this, u"CheckBox6"_s, u"Schein zum Test mit anzeigen"_s);
    layout->addWidget(m_testPicture);
    layout->addLayout(buildPage());
    auto *costRow = new QHBoxLayout;
    costRow->addWidget(makeLabel(this, u"Label4"_s, u"Kosten:"_s));
    m_cost = makeLabel(this, u"Label5"_s, QString());
    m_cost->setProperty("Tag", kUntranslatedTag);
    costRow->addWidget(m_cost);
    costRow->addStretch(1);
    layout->addLayout(costRow);
    layout->addLayout(buildButtons());
    showState();
}

QLayout *PrintSettingsDialog::buildDays() {
    m_saturday = makeBox(this, u"CheckBox1"_s, u"Samstag"_s);
    m_wednesday = makeBox(this, u"CheckBox2"_s, u"Mittwoch"_s);
    connect(m_saturday, &QCheckBox::toggled, this, [this](bool on) {
        m_days.saturday = on;
        updateCost();
    });
    connect(m_wednesday, &QCheckBox::toggled, this, [this](bool on) {
        m_days.wednesday = on;
        updateCost();
    });
    auto *row = new QHBoxLayout;
    row->addWidget(m_saturday);
    row->addWidget(m_wednesday);
    row->addStretch(1);
    return row;
}

QLayout *PrintSettingsDialog::buildJokers() {
    auto *grid = new QGridLayout;
    for (int joker = 0; joker < 3; ++joker) {
        buildJokerRow(joker);
        const auto j = static_cast<std::size_t>(joker);
        grid->addWidget(m_jokerBoxes[j], joker, 0);
        for (std::size_t d = 0; d < m_digits[j].size(); ++d)
            grid->addWidget(m_digits[j][d], joker, 1 + static_cast<int>(d));
        grid->addWidget(m_newButtons[j], joker, 7);
        grid->addWidget(m_searchButtons[j], joker, 8);
    }
    return grid;
}

QLayout *PrintSettingsDialog::buildPage() {
    auto *row = new QHBoxLayout;
    row->addWidget(makeLabel(this, u"Label1"_s, u"Oben:"_s));
    m_top = makeSpin(this, u"Edit1"_s, kHighestOffset);
    row->addWidget(m_top);
    row->addWidget(makeLabel(this, u"Label2"_s, u"Links"_s));
    m_left = makeSpin(this, u"Edit2"_s, kHighestOffset);
    row->addWidget(m_left);
    row->addWidget(makeLabel(this, u"Label3"_s, u"Papierformat:"_s));
    m_paper = new QComboBox(this);
    m_paper->setObjectName(u"ComboBox1"_s);
    for (int i = 0; i < kPaperFormatCount; ++i) {
        const std::string_view name = paperFormat(i)->name;
        m_paper->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    row->addWidget(m_paper);
    row->addStretch(1);
    return row;
}

QLayout *PrintSettingsDialog::buildButtons() {
    m_ok = makeButton(this, u"BitBtn1"_s, u"OK"_s);
    m_abort = makeButton(this, u"BitBtn2"_s, u"Abbrechen"_s);
    m_online = makeButton(this, u"BitBtn3"_s, u"Online"_s);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_abort, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_online, &QPushButton::clicked, this, [this] { done(kOnlineCode); });
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_ok);
    row->addWidget(m_abort);
    row->addWidget(m_online);
    return row;
}

void PrintSettingsDialog::buildJokerRow(int joker) {
    const auto j = static_cast<std::size_t>(joker);
    m_jokerBoxes[j] = makeBox(this, u"CheckBox%1"_s.arg(3 + joker), u"Joker %1"_s.arg(joker + 1));
    connect(m_jokerBoxes[j], &QCheckBox::toggled, this, [this, j](bool on) {
        m_jokers.tickets[j].enabled = on;
        updateCost();
    });
    for (std::size_t d = 0; d < m_digits[j].size(); ++d) {
        QSpinBox *digit = makeSpin(this, u"Edit%1"_s.arg(kDigitFields[j][d]), 9);
        connect(digit, &QSpinBox::valueChanged, this,
                [this, j, d](int value) { m_jokers.tickets[j].digits[d] = value; });
        m_digits[j][d] = digit;
    }
    // The buttons' names count on from the first Joker's pair.
    m_newButtons[j] = makeButton(this, u"SpeedButton%1"_s.arg(2 * joker + 1), u"Neu"_s,
                                 u"Neu Losnummer welche noch nie gezogen wurde erzeugen"_s);
    m_searchButtons[j] = makeButton(this, u"SpeedButton%1"_s.arg(2 * joker + 2), u"Suchen"_s,
                                    u"Suchen ob diese Losnr schon gezogen wurde"_s);
    connect(m_newButtons[j], &QPushButton::clicked, this, [this, joker] { newJoker(joker); });
    connect(m_searchButtons[j], &QPushButton::clicked, this, [this, joker] { searchJoker(joker); });
}

void PrintSettingsDialog::showState() {
    m_saturday->setChecked(m_days.saturday);
    m_wednesday->setChecked(m_days.wednesday);
    // Each control writes only its own value back, so setting them one by one keeps the rest.
    const JokerNumbers shown = m_jokers;
    for (std::size_t j = 0; j < shown.tickets.size(); ++j) {
        m_jokerBoxes[j]->setChecked(shown.tickets[j].enabled);
        for (std::size_t d = 0; d < m_digits[j].size(); ++d)
            m_digits[j][d]->setValue(shown.tickets[j].digits[d]);
    }
    updateCost();
}

void PrintSettingsDialog::prepare(const Opening &opening) {
    m_counts = opening.counts;
    m_jokerLevel = opening.jokerLevel;
    m_drawFile = opening.drawFile;
    m_top->setValue(opening.print.top);
    m_left->setValue(opening.print.left);
    // An index the list does not have selects no entry; the page set-up then keeps its paper.
    m_paper->setCurrentIndex(opening.print.paperFormat >= 0 && opening.print.paperFormat < m_paper->count()
                                 ? opening.print.paperFormat
                                 : -1);
    showState();
}

PrintSettingsDialog::Outcome PrintSettingsDialog::run() {
    if (m_runner) return m_runner(*this);
    const int code = exec();
    if (code == QDialog::Accepted) return Outcome::Ok;
    return code == kOnlineCode ? Outcome::Online : Outcome::Abort;
}

PrintSettings PrintSettingsDialog::chosenPrint() const {
    return {m_paper->currentIndex(), m_top->value(), m_left->value()};
}

bool PrintSettingsDialog::testPicture() const {
    return m_testPicture->isChecked();
}

std::int64_t PrintSettingsDialog::costCents() const {
    int jokers = 0;
    for (const QCheckBox *box : m_jokerBoxes)
        jokers += box->isChecked() ? 1 : 0;
    return ticketCostCents(m_counts, jokers, m_saturday->isChecked(), m_wednesday->isChecked());
}

void PrintSettingsDialog::updateCost() {
    m_cost->setText(currencyText(costCents()));
}

void PrintSettingsDialog::searchJoker(int joker) {
    if (!m_drawFile) return;
    std::optional<Draw> found;
    {
        WaitCursor wait;
        const auto draws = m_drawFile->readAll();
        if (!draws) {
            Prompts::message(this, windowTitle(), QString::fromStdString(draws.error().message));
            return;
        }
        found = findJokerNumber(m_jokers.tickets[static_cast<std::size_t>(joker)].digits, *draws);
    }
    if (!found) {
        Prompts::message(this, windowTitle(), u"Losnummer noch nie als Joker Gewinnzahl gezogen"_s);
        return;
    }
    const QString date = dateFromSerial(found->date).toString(u"dd.MM.yyyy"_s);
    Prompts::message(this, windowTitle(),
                     u"LosNr. wurde am "_s + date +
                         (joker == 2 ? u" aus Joker gezogen"_s : u" als Joker gezogen"_s));
}

void PrintSettingsDialog::newJoker(int joker) {
    std::vector<Draw> draws;
    // At level 0 the digits are random only and no file is read.
    if (m_jokerLevel > 0 && m_drawFile) {
        WaitCursor wait;
        auto read = m_drawFile->readAll();
        if (!read) {
            Prompts::message(this, windowTitle(), QString::fromStdString(read.error().message));
            return;
        }
        draws = std::move(*read);
    }
    const NewJokerNumber made = makeNewJokerNumber(m_drawFile ? m_jokerLevel : 0, m_random, draws);
    m_jokerLevel = made.level;
    const auto j = static_cast<std::size_t>(joker);
    for (std::size_t d = 0; d < m_digits[j].size(); ++d)
        m_digits[j][d]->setValue(made.digits[d]);
}

} // namespace quorix
