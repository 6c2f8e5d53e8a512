#include "app/widgets/numberdialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/platform/programfolder.h"
#include "app/widgets/prompts.h"
#include "app/widgets/uihelpers.h"
#include "core/base/random.h"
#include "output/valuelist.h"

namespace quorix {

using namespace Qt::StringLiterals;

namespace {

constexpr int kColumns = 7;

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QString &hint) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

std::optional<int> wholeNumber(const QString &text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

NumberDialog::NumberDialog(Random &random, QWidget *parent)
    : QDialog(parent)
    , m_random(random) {
    setObjectName(u"Zahlenwahl"_s);
    setWindowTitle(u"Welche Zahlen für die Berechnung"_s);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    for (int n = 1; n <= kEntries; ++n) {
        auto *box = new QCheckBox(QString::number(n), this);
        box->setObjectName(u"CheckBox"_s + QString::number(n));
        box->setChecked(true);
        box->setAutoFillBackground(true);
        box->setMouseTracking(true);
        box->installEventFilter(this);
        connect(box, &QCheckBox::clicked, this, [this, n] { CheckBox1Click(n); });
        m_entries[static_cast<std::size_t>(n)] = box;
        grid->addWidget(box, (n - 1) / kColumns, (n - 1) % kColumns);
        setMarked(n, false);
    }

    m_status = new QLabel(this);
    m_status->setObjectName(u"Label1"_s);
    m_status->setMinimumHeight(m_status->fontMetrics().height() + 4);

    m_saveButton = makeButton(this, "SpeedButton1", u"Speichern"_s, u"Speichern der Liste"_s);
    m_loadButton = makeButton(this, "SpeedButton2", u"Laden"_s, u"Laden der Liste"_s);
    m_okButton = makeButton(this, "BitBtn1", u"OK"_s, QString());
    m_abortButton = makeButton(this, "BitBtn2", u"Abbrechen"_s, QString());
    m_computeButton = makeButton(this, "BitBtn3", u"&Rechnen"_s, QString());
    m_randomButton = makeButton(this, "BitBtn4", u"&Zufall"_s, QString());
    m_randomButton->hide();
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_abortButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_computeButton, &QPushButton::clicked, this, [this] { done(Retry); });
    connect(m_randomButton, &QPushButton::clicked, this, &NumberDialog::BitBtn4Click);
    connect(m_saveButton, &QPushButton::clicked, this, &NumberDialog::SpeedButton1Click);
    connect(m_loadButton, &QPushButton::clicked, this, &NumberDialog::SpeedButton2Click);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_loadButton);
    buttons->addStretch();
    buttons->addWidget(m_randomButton);
    buttons->addWidget(m_computeButton);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_abortButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_status);
    layout->addLayout(buttons);

    m_timer = new QTimer(this);
    m_timer->setObjectName(u"Timer1"_s);
    m_timer->setInterval(25);
    connect(m_timer, &QTimer::timeout, this, &NumberDialog::Timer1Timer);
}

QCheckBox *NumberDialog::entry(int n) const {
    return m_entries.at(static_cast<std::size_t>(n));
}

bool NumberDialog::isTicked(int n) const {
    return entry(n)->isChecked();
}

void NumberDialog::setTicked(int n, bool ticked) {
    entry(n)->setChecked(ticked);
}

QString NumberDialog::weight(int n) const {
    return m_weights.at(static_cast<std::size_t>(n));
}

void NumberDialog::setWeight(int n, const QString &weight) {
    m_weights.at(static_cast<std::size_t>(n)) = weight;
    entry(n)->setToolTip(weight);
}

bool NumberDialog::isMarked(int n) const {
    return m_marked.at(static_cast<std::size_t>(n));
}

void NumberDialog::setMarked(int n, bool marked) {
    m_marked.at(static_cast<std::size_t>(n)) = marked;
    QCheckBox *box = entry(n);
    QPalette palette = box->palette();
    palette.setColor(box->backgroundRole(),
                     marked ? QColor(Qt::yellow) : palette.color(QPalette::ToolTipBase));
    box->setPalette(palette);
}

QString NumberDialog::statusText() const {
    return m_status->text();
}

void NumberDialog::setPickCount(int count) {
    m_pickCount = std::clamp(count, 1, kMaxPicks);
}

bool NumberDialog::randomRunActive() const {
    return m_timer->isActive();
}

void NumberDialog::resetEntries(int last) {
    for (int n = 1; n <= last; ++n) {
        setTicked(n, false);
        setMarked(n, false);
    }
}

void NumberDialog::enterTipMode(std::span<const int> rowNumbers) {
    m_status->clear(); // a weight told for another row or the list says nothing here
    m_computeButton->hide();
    m_randomButton->show();
    setPickCount(kNumbersPerTip);
    resetEntries(kTipNumbers);
    // 43..45 are no lottery numbers; tip mode ignores them, so they are not offered.
    for (int n = kTipNumbers + 1; n < static_cast<int>(m_entries.size()); ++n)
        m_entries[static_cast<std::size_t>(n)]->hide();
    for (int n : rowNumbers) {
        if (n < kLowestNumber || n > kTipNumbers) continue;
        setTicked(n, true);
        setMarked(n, true);
    }
}

std::vector<int> NumberDialog::tickedTipNumbers() const {
    std::vector<int> numbers;
    for (int n = 1; n <= kTipNumbers; ++n)
        if (isTicked(n)) numbers.push_back(n);
    return numbers;
}

void NumberDialog::leaveTipMode(const QString &caption) {
    m_status->clear();
    m_computeButton->show();
    m_randomButton->hide();
    for (int n = 1; n <= kTipNumbers; ++n)
        setMarked(n, false);
    for (int n = kTipNumbers + 1; n < static_cast<int>(m_entries.size()); ++n)
        m_entries[static_cast<std::size_t>(n)]->show();
    setWindowTitle(caption);
}

std::optional<std::vector<int>> NumberDialog::editTip(const QString &caption, std::span<const int> rowNumbers,
                                                      const QString &listCaption) {
    setWindowTitle(caption);
    enterTipMode(rowNumbers);
    std::optional<std::vector<int>> result;
    if (exec() == QDialog::Accepted) result = tickedTipNumbers();
    leaveTipMode(listCaption);
    return result;
}

NumberList NumberDialog::list() const {
    NumberList list;
    for (int n = 1; n <= kEntries; ++n) {
        auto &entry = list[static_cast<std::size_t>(n - 1)];
        entry.ticked = isTicked(n);
        entry.weight = weight(n).toStdString();
    }
    return list;
}

void NumberDialog::setList(const NumberList &list) {
    for (int n = 1; n <= kEntries; ++n) {
        const auto &entry = list[static_cast<std::size_t>(n - 1)];
        setTicked(n, entry.ticked);
        setWeight(n, QString::fromStdString(entry.weight));
    }
}

std::optional<NumberPool> NumberDialog::choosePool(const NumberPool &pool) {
    m_status->clear();
    m_computeButton->show();
    m_randomButton->hide();
    fillFromPool(pool);
    switch (exec()) {
    case QDialog::Accepted:
        return pool;
    case Retry:
        return poolFromList();
    default:
        return std::nullopt;
    }
}

QString NumberDialog::chooseFile(bool save) {
    const QDate today = dateFromSerial(m_today());
    const QString proposed =
        QString::fromStdString(ValueListFile::proposedName(today.year(), today.month(), today.day()));
    if (m_chooseFile) return m_chooseFile(save, proposed);
    const QString filter = u"Werteliste (*.zqw)"_s;
    const QString inFolder = QDir(ProgramFolder::resolve()).filePath(proposed);
    return save ? QFileDialog::getSaveFileName(this, QString(), inFolder, filter)
                : QFileDialog::getOpenFileName(this, QString(), inFolder, filter);
}

void NumberDialog::SpeedButton1Click() {
    QString path = chooseFile(true);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += u".zqw"_s;
    NumberList entries = list();
    const Result<void> written = ValueListFile::write(path.toStdString(), entries);
    setList(entries);
    if (!written) Prompts::message(this, windowTitle(), QString::fromStdString(written.error().message));
}

void NumberDialog::SpeedButton2Click() {
    const QString path = chooseFile(false);
    if (path.isEmpty()) return;
    const Result<NumberList> read = ValueListFile::read(path.toStdString());
    if (!read) {
        Prompts::message(this, windowTitle(), QString::fromStdString(read.error().message));
        return;
    }
    setList(*read);
}

void NumberDialog::BitBtn4Click() {
    if (!m_timer->isActive()) {
        resetEntries(kEntries);
        m_picks.fill(0);
        m_fixedCount = 1;
        m_timer->start();
    } else if (m_fixedCount >= m_pickCount) {
        m_timer->stop();
        m_randomButton->setText(u"Zufall"_s);
        m_fixedCount = 1;
    } else {
        ++m_fixedCount;
    }
}

void NumberDialog::Timer1Timer() {
    m_randomButton->setText(QString::number(m_fixedCount) + u" Stopp"_s);
    resetEntries(kEntries);
    for (int i = 1; i <= m_pickCount; ++i) {
        int &pick = m_picks[static_cast<std::size_t>(i)];
        // A pick frozen before the timer ever drew it (two quick clicks) is drawn now rather
        // than frozen empty.
        if (i >= m_fixedCount || pick == 0) {
            do {
                pick = static_cast<int>(m_random.below(kTipNumbers)) + 1;
            } while (isTicked(pick));
        }
        setTicked(pick, true);
        setMarked(pick, true);
    }
}

void NumberDialog::normaliseWeight(int n) {
    const std::optional<int> value = wholeNumber(weight(n));
    if (!value || *value < 0) setWeight(n, u"0"_s);
    if (wholeNumber(weight(n)).value_or(0) == 0) setTicked(n, false);
}

void NumberDialog::showWeightStatus(int n) {
    m_status->setText(u"Die Zahl "_s + QString::number(n) + u" geht mit der Gewichtung "_s + weight(n) +
                      u" in die Berechnung ein"_s);
}

void NumberDialog::CheckBox1Click(int n) {
    if (isTicked(n)) {
        // An entry nobody has weighed yet (tip mode) starts from 0, so the first click ticks it.
        const QString text = weight(n).trimmed();
        const std::optional<int> value = text.isEmpty() ? std::optional<int>(0) : wholeNumber(text);
        if (value) setWeight(n, QString::number(*value + 1));
    }
    normaliseWeight(n);
    showWeightStatus(n);
}

void NumberDialog::CheckBox17MouseDown(int n) {
    if (isTicked(n)) {
        const std::optional<int> value = wholeNumber(weight(n));
        if (value) setWeight(n, QString::number(*value - 1));
    }
    normaliseWeight(n);
    showWeightStatus(n);
}

void NumberDialog::CheckBox1MouseMove(int n) {
    showWeightStatus(n);
}

void NumberDialog::done(int result) {
    m_timer->stop();
    m_randomButton->setText(u"Zufall"_s);
    m_fixedCount = 1;
    QDialog::done(result);
}

int NumberDialog::entryIndexOf(const QObject *object) const {
    const auto it = std::find(m_entries.begin() + 1, m_entries.end(), object);
    return it == m_entries.end() ? 0 : static_cast<int>(it - m_entries.begin());
}

bool NumberDialog::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseMove) {
        if (const int n = entryIndexOf(watched)) {
            if (event->type() == QEvent::MouseMove)
                CheckBox1MouseMove(n);
            else if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
                CheckBox17MouseDown(n);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quorix
