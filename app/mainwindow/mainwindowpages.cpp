// The layout of the main window's pages. Behaviour lives in lottozahlen.cpp.
#include "app/mainwindow/mainwindow.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QButtonGroup>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/mainwindow/controlnames.h"
#include "app/mainwindow/controltables.h"
#include "app/widgets/dateedit.h"
#include "app/widgets/elidedlabel.h"
#include "app/widgets/uihelpers.h"
#include "core/history/drawupdate.h"

namespace quorix {

namespace {

// A control whose "Tag" is not 0 keeps its text whatever the language: the draw lines show data.
constexpr int kUntranslatedTag = 8;

QString u8(const char *text) {
    return QString::fromUtf8(text);
}

QFont boldFont() {
    QFont bold;
    bold.setBold(true);
    return bold;
}

// A label that reports clicks; captions, the Replay label and link labels use it.
class ClickLabel final : public QLabel {
public:
    explicit ClickLabel(std::function<void()> onClick, QWidget *parent = nullptr)
        : QLabel(parent)
        , m_onClick(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override {
        QLabel::mouseReleaseEvent(event);
        if (m_onClick) m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

struct NamedText {
    const char *name;
    const char *text;
};

const NamedText kNamedTexts[] = {
    {"CrossSumsText", "Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS "},
    {"PairsText", "Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden."},
    {"TriplesText", "Dreier, "},
    {"QuadruplesText",
     "Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können hier ganz verhindert werden"},
};

// A small bar-chart picture for the frequency button, which carries no text.
QIcon chartIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const int heights[] = {6, 12, 9, 14};
    for (int i = 0; i < 4; ++i)
        painter.fillRect(1 + i * 4, 16 - heights[i], 3, heights[i], i % 2 ? QColor(0, 128, 0) : Qt::red);
    return QIcon(pixmap);
}

} // namespace

void LottoZahlen::addControl(QWidget *widget, const QString &name) {
    widget->setObjectName(name);
    registerName(name, widget);
}

void LottoZahlen::registerName(const QString &name, QWidget *widget) {
    m_controls.insert(name, widget);
    m_controlOrder.push_back({name, widget});
}

// A control built from the tables that the code works with: a missing one is a fault of the
// tables, found at the first start of the window.
template <class T> T *LottoZahlen::requiredControl(const char *name) const {
    T *widget = control<T>(QString::fromLatin1(name));
    if (!widget) qFatal("the window has no control %s of the expected type", name);
    return widget;
}

void LottoZahlen::showsHint(QWidget *widget) {
    widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
}

void LottoZahlen::fixWidth(QWidget *widget, int width) {
    widget->setProperty("designWidth", width);
    widget->setFixedWidth(width);
}

QAbstractButton *LottoZahlen::makeButton(const char *name, bool toolButton) {
    const ButtonEntry *entry = findButton(name);
    QAbstractButton *button = toolButton ? static_cast<QAbstractButton *>(new QToolButton)
                                         : static_cast<QAbstractButton *>(new QPushButton);
    addControl(button, u8(name));
    if (entry) {
        button->setText(u8(entry->caption));
        button->setToolTip(u8(entry->hint));
    }
    showsHint(button);
    return button;
}

QWidget *LottoZahlen::makeToken(const QString &token) {
    const QByteArray name = token.toUtf8();
    if (const CheckBoxEntry *check = findCheckBox(name.constData())) return makeCheckBox(*check);
    if (const SpinFieldEntry *spin = findSpinField(name.constData())) return makeSpinField(*spin);
    if (findButton(name.constData())) return makeButton(name.constData(), true);
    if (token == QStringLiteral("RadioGroup1") || token == QStringLiteral("RadioGroup2"))
        return makeOptionGroup(token);
    if (token.startsWith(QLatin1Char('@'))) {
        const QByteArray textName = token.mid(1).toUtf8();
        for (const auto &named : kNamedTexts) {
            if (textName == named.name) {
                auto *label = new QLabel(u8(named.text));
                addControl(label, token.mid(1));
                label->setWordWrap(true);
                label->setCursor(Qt::PointingHandCursor);
                return label;
            }
        }
    }
    if (token.startsWith(QLatin1Char('#'))) {
        auto *label = new QLabel(token.mid(1));
        label->setFont(boldFont());
        label->setWordWrap(true);
        return label;
    }
    auto *label = new QLabel(token);
    label->setWordWrap(token.size() > 30);
    return label;
}

QCheckBox *LottoZahlen::makeCheckBox(const CheckBoxEntry &entry) {
    auto *box = new QCheckBox(u8(entry.caption));
    addControl(box, u8(entry.name));
    box->setChecked(entry.ticked);
    box->setToolTip(u8(entry.hint));
    box->setEnabled(false); // wired with the computation
    showsHint(box);
    if (entry.parameter) m_parameterControls.bind(*entry.parameter, box);
    return box;
}

// The field and its spinner are one spin box, found under both names.
QSpinBox *LottoZahlen::makeSpinField(const SpinFieldEntry &entry) {
    auto *box = new QSpinBox;
    addControl(box, u8(entry.edit));
    registerName(u8(entry.upDown), box);
    box->setRange(entry.minimum, entry.maximum);
    box->setSingleStep(entry.step);
    box->setValue(entry.value);
    box->setToolTip(u8(entry.hint));
    box->setEnabled(false); // wired with the computation
    fixWidth(box, entry.maximum >= 1000 ? 70 : 50);
    showsHint(box);
    if (entry.parameter) m_parameterControls.bind(*entry.parameter, box);
    return box;
}

// The lucky number's (RadioGroup1) or the Joker's (RadioGroup2) option: items named
// "<group>Item<n>", the item's number being the setting's value.
QWidget *LottoZahlen::makeOptionGroup(const QString &token) {
    const bool plus = token == QStringLiteral("RadioGroup1");
    auto *group = new QGroupBox(plus ? QStringLiteral("Plus Option") : QStringLiteral("Joker Option"));
    addControl(group, token);
    auto *layout = new QVBoxLayout(group);
    const QStringList items =
        plus ? QStringList{u8("einfach per Zufall bestimmen"),
                           u8("die am seltensten gezogen Pluszahl verwenden"),
                           u8("die am längsten ausstehende Pluszahl verwenden")}
             : QStringList{u8("einfach per Zufall bestimmen"), u8("Losnummer noch nie gezogen"),
                           u8("letzten 5 Stellen der Losnummer nie gezogen"),
                           u8("letzten 4 Stellen der Losnummer nie gezogen"),
                           u8("letzten 3 Stellen der Losnummer nie gezogen")};
    auto *buttons = new QButtonGroup(group);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items.at(i));
        radio->setObjectName(token + QStringLiteral("Item") + QString::number(i));
        buttons->addButton(radio, i);
        // The chart buttons of the lucky statistics stand beside the items they explain.
        const char *chart = !plus ? nullptr : i == 1 ? "Superselten" : i == 2 ? "SuperAus" : nullptr;
        if (chart) {
            auto *line = new QHBoxLayout;
            line->addWidget(radio);
            line->addWidget(makeButton(chart, true));
            line->addStretch(1);
            layout->addLayout(line);
        } else {
            layout->addWidget(radio);
        }
    }
    buttons->button(plus ? 0 : 3)->setChecked(true);
    for (QAbstractButton *radio : buttons->buttons())
        radio->setEnabled(false); // wired with the computation
    const QByteArray name = token.toLatin1();
    for (const TipParameterInfo &info : tipParameterTable())
        if (!info.isFlag() && info.control == name.constData())
            m_parameterControls.bind(info, group, buttons);
    return group;
}

void LottoZahlen::buildMenu() {
    QMenuBar *bar = menuBar();
    auto addItem = [&](QMenu *menu, const char *name, const QString &text, const QKeySequence &keys,
                       void (LottoZahlen::*slot)()) {
        QAction *action = menu ? menu->addAction(text) : bar->addAction(text);
        action->setObjectName(u8(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        if (slot) connect(action, &QAction::triggered, this, slot);
        m_actions.insert(u8(name), action);
        return action;
    };
    addItem(nullptr, controlname::kUpdateAction, QStringLiteral("&Aktualisieren"),
            QKeySequence(QStringLiteral("Ctrl+A")), nullptr); // the draw update connects itself
    addItem(nullptr, controlname::kComputeAction, QStringLiteral("&Berechnen"),
            QKeySequence(QStringLiteral("Ctrl+R")), &LottoZahlen::Berechnen1Click);
    // Chosen, it does nothing.
    addItem(nullptr, controlname::kSubmitAction, QStringLiteral("Ab&geben"),
            QKeySequence(QStringLiteral("Ctrl+G")), nullptr);
    QMenu *languages = bar->addMenu(QStringLiteral("Sprache/Language/Langue"));
    languages->setObjectName(QStringLiteral("Sprache1"));
    // The language loader connects its items: the index is the language's stored index.
    const struct {
        const char *name;
        const char *text;
        int index;
    } languageItems[] = {
        {"Deutsch1", "Deutsch", 0},         {"Franzsisch1", "Französisch", 2},
        {"Italienisch1", "Italienisch", 9}, {"Englisch1", "Englisch", 1},
        {"Spanisch1", "Spanisch", 3},       {"Trkisch1", "Türkisch", 4},
        {"Russisch1", "Russisch", 5},       {"Polnisch1", "Polnisch", 8},
        {"Tschechisch1", "Tschechisch", 7}, {"Niederlndisch1", "Niederländisch", 6},
    };
    for (const auto &item : languageItems) {
        QAction *action = addItem(languages, item.name, u8(item.text), {}, nullptr);
        action->setCheckable(true);
        action->setChecked(std::string_view(item.name) == "Deutsch1");
        m_languageMenu.languages.at(static_cast<std::size_t>(item.index)) = action;
    }
    languages->addSeparator();
    m_languageMenu.exportItem = addItem(languages, "Export1", QStringLiteral("Export"), {}, nullptr);
    addItem(nullptr, controlname::kCloseAction, u8("S&chließen"), {}, &LottoZahlen::Schlieen1Click);
}

void LottoZahlen::buildStatusBar() {
    for (int i = 0; i < 2; ++i) {
        m_status[static_cast<std::size_t>(i)] = new ElidedLabel;
        m_status[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_status[static_cast<std::size_t>(i)]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    m_status[0]->setFixedWidth(150);
    statusBar()->addWidget(m_status[0]);
    statusBar()->addWidget(m_status[1], 1);
    statusBar()->setSizeGripEnabled(true);
}

QWidget *LottoZahlen::buildLottotipp() {
    auto *page = new QWidget;
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);
    outer->addWidget(buildDrawPanel());
    auto *middle = new QHBoxLayout;
    outer->addLayout(middle, 1);
    middle->addLayout(buildTipRows());
    middle->addStretch(1);
    middle->addLayout(buildSidePanel());
    return page;
}

// Step buttons around the draw line, the update button, cross sum, Replay, weekday boxes.
QWidget *LottoZahlen::buildDrawPanel() {
    auto *drawPanel = new QFrame;
    addControl(drawPanel, QStringLiteral("Panel3"));
    drawPanel->setFrameShape(QFrame::StyledPanel);
    auto *drawGrid = new QGridLayout(drawPanel);
    drawGrid->setContentsMargins(4, 2, 4, 2);
    drawGrid->setVerticalSpacing(2);
    QAbstractButton *back = makeButton(controlname::kStepBack, true);
    QAbstractButton *forward = makeButton(controlname::kStepForward, true);
    m_ui.sheetDrawLine = new QLabel;
    addControl(m_ui.sheetDrawLine, QString::fromLatin1(controlname::kSheetDrawLine));
    m_ui.sheetDrawLine->setProperty("Tag", kUntranslatedTag);
    m_ui.sheetDrawLine->setFont(boldFont());
    m_ui.sheetDrawLine->setAlignment(Qt::AlignCenter);
    m_ui.sheetDrawLine->setTextFormat(Qt::PlainText);
    drawGrid->addWidget(back, 0, 0);
    drawGrid->addWidget(m_ui.sheetDrawLine, 0, 1, 1, 4);
    drawGrid->addWidget(forward, 0, 5);
    m_ui.sheetUpdate = makeButton(controlname::kSheetUpdate, true);
    drawGrid->addWidget(m_ui.sheetUpdate, 0, 6);
    m_ui.crossSum = new QLabel;
    addControl(m_ui.crossSum, QString::fromLatin1(controlname::kCrossSum));
    m_ui.crossSum->setProperty("Tag", kUntranslatedTag);
    m_ui.replay = new ClickLabel([this] { m_replay->edit(); });
    m_sheetControls.replay = m_ui.replay;
    addControl(m_ui.replay, QString::fromLatin1(controlname::kReplay));
    m_ui.replay->setText(QStringLiteral("Replay"));
    m_ui.replay->setToolTip(u8("Klicken Sie hier um Ihre Replay- und Losnummer einzugeben"));
    showsHint(m_ui.replay);
    drawGrid->addWidget(m_ui.crossSum, 1, 1);
    drawGrid->addWidget(m_ui.replay, 1, 2);
    m_ui.saturday = static_cast<QCheckBox *>(makeToken(QString::fromLatin1(controlname::kSaturday)));
    m_ui.wednesday = static_cast<QCheckBox *>(makeToken(QString::fromLatin1(controlname::kWednesday)));
    m_ui.saturday->setEnabled(true);
    m_ui.wednesday->setEnabled(true);
    drawGrid->addWidget(m_ui.saturday, 1, 3);
    drawGrid->addWidget(m_ui.wednesday, 1, 4);
    drawGrid->setColumnStretch(2, 1);
    m_historyControls.stepBack.push_back(back);
    m_historyControls.stepForward.push_back(forward);
    return drawPanel;
}

// The fourteen tip rows below two column headings.
QLayout *LottoZahlen::buildTipRows() {
    auto *sheet = new QGridLayout;
    sheet->setHorizontalSpacing(2);
    sheet->setVerticalSpacing(1);
    // Headings over the result and cross-sum columns, so their figures say what they are.
    const std::pair<const char *, const char *> headings[] = {{"ResultHeading", "Richtige"},
                                                              {"CrossSumHeading", "QS"}};
    for (int i = 0; i < 2; ++i) {
        auto *label = new QLabel(u8(headings[i].second));
        addControl(label, u8(headings[i].first));
        sheet->addWidget(label, 0, 9 + i);
    }
    for (int row = 0; row < kTipRowCount; ++row)
        addTipRow(*sheet, row, row + 1);
    // Height the rows do not take stays below them.
    sheet->setRowStretch(kTipRowCount + 1, 1);
    return sheet;
}

// One row on one line of the grid: caption (locks), six fields, lucky box, edit button, result,
// cross sum.
void LottoZahlen::addTipRow(QGridLayout &sheet, int row, int line) {
    const TipRowControls &entry = kTipRows[static_cast<std::size_t>(row)];
    const auto r = static_cast<std::size_t>(row);
    auto *caption = new ClickLabel([this, row] { m_sheet->toggleLock(row); });
    addControl(caption, u8(entry.caption));
    caption->setText(QStringLiteral("%1. Tipp").arg(row + 1));
    caption->setToolTip(u8("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!"));
    showsHint(caption);
    m_sheetControls.captions[r] = caption;
    sheet.addWidget(caption, line, 0);
    for (int column = 0; column < kNumbersPerTip; ++column) {
        QLineEdit *field = makeTipField(entry.edits[static_cast<std::size_t>(column)]);
        m_sheetControls.fields[r][static_cast<std::size_t>(column)] = field;
        sheet.addWidget(field, line, 1 + column);
    }
    m_sheetControls.lucky[r] = makeLuckyBox(entry.lucky);
    sheet.addWidget(m_sheetControls.lucky[r], line, 7);
    QAbstractButton *edit = makeButton(entry.editButton, true);
    edit->setText(QStringLiteral("..."));
    edit->setToolTip(u8("Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per "
                        "Zufallsgenerator erzeugen wollen"));
    m_sheetControls.editButtons[r] = edit;
    sheet.addWidget(edit, line, 8);
    auto *result = new QLabel;
    addControl(result, u8(entry.result));
    result->setProperty("Tag", kUntranslatedTag);
    fixWidth(result, 62);
    m_sheetControls.results[r] = result;
    sheet.addWidget(result, line, 9);
    auto *cross = new QLabel;
    addControl(cross, u8(entry.crossSum));
    cross->setProperty("Tag", kUntranslatedTag);
    fixWidth(cross, 30);
    m_sheetControls.crossSums[r] = cross;
    sheet.addWidget(cross, line, 10);
}

QLineEdit *LottoZahlen::makeTipField(int number) {
    auto *field = new QLineEdit;
    addControl(field, QStringLiteral("Edit%1").arg(number));
    field->setAlignment(Qt::AlignCenter);
    // No length limit: a longer text given to the field ("0005" from a file) must reach its
    // rule whole, and typing cannot get past two digits anyway.
    fixWidth(field, 30);
    return field;
}

QComboBox *LottoZahlen::makeLuckyBox(const char *name) {
    auto *lucky = new QComboBox;
    addControl(lucky, u8(name));
    lucky->setEditable(true);
    lucky->addItem(QStringLiteral("-"));
    for (int n = kLowestLucky; n <= kHighestLucky; ++n)
        lucky->addItem(QString::number(n));
    lucky->setCurrentIndex(0);
    fixWidth(lucky, 44);
    return lucky;
}

// The compute panel, the sheet's buttons and the two banners.
QLayout *LottoZahlen::buildSidePanel() {
    auto *side = new QVBoxLayout;
    side->setSpacing(3);
    auto *computePanel = new QGroupBox;
    addControl(computePanel, QStringLiteral("Panel2"));
    auto *computeLayout = new QVBoxLayout(computePanel);
    computeLayout->setContentsMargins(4, 4, 4, 4);
    m_ui.seed = makeButton(controlname::kSeed, false);
    computeLayout->addWidget(m_ui.seed);
    auto *computeRow = new QHBoxLayout;
    m_ui.compute = static_cast<QPushButton *>(makeButton(controlname::kCompute, false));
    computeRow->addWidget(m_ui.compute, 1);
    m_ui.tipCount = static_cast<QSpinBox *>(makeToken(QString::fromLatin1(controlname::kTipCount)));
    m_ui.tipCount->setEnabled(true);
    m_ui.tipCount->setToolTip(u8("Anzahl der Tipps die berechnet werden"));
    computeRow->addWidget(m_ui.tipCount);
    computeLayout->addLayout(computeRow);
    side->addWidget(computePanel);
    // The computation enables its own two when it is wired.
    m_ui.seed->setEnabled(false);
    m_ui.compute->setEnabled(false);
    QAbstractButton *print = makeButton("SpeedButton12", false);
    side->addWidget(print);
    m_printButton = print;
    QAbstractButton *online = makeButton("OnlineTipp", false);
    side->addWidget(online);
    m_onlineButton = online;
    m_searchButton = makeButton("SpeedButton4", false);
    side->addWidget(m_searchButton);
    m_ui.distribution = makeButton(controlname::kDistribution, false);
    side->addWidget(m_ui.distribution);
    m_tipList = makeButton(controlname::kTipList, false);
    side->addWidget(m_tipList);
    auto *files = new QHBoxLayout;
    m_saveTips = makeButton(controlname::kSaveTips, true);
    m_loadTips = makeButton(controlname::kLoadTips, true);
    m_clearTips = makeButton(controlname::kClearTips, true);
    for (QAbstractButton *button : {m_saveTips, m_loadTips, m_clearTips})
        files->addWidget(button);
    side->addLayout(files);
    side->addStretch(1);

    // Banners: product with version, maker's address.
    QWidget *product = buildBanner(controlname::kProductBanner,
                                   QStringLiteral("Quorix %1").arg(QCoreApplication::applicationVersion()),
                                   QStringLiteral("Quorix im Internet"));
    product->setFont(boldFont());
    product->setProperty("Tag", kUntranslatedTag); // the version is data
    side->addWidget(product);
    side->addWidget(buildBanner(controlname::kMakerBanner, QStringLiteral("www.sorvani.example"),
                                QStringLiteral("Sorvani im Internet")));
    return side;
}

QWidget *LottoZahlen::buildBanner(const char *name, const QString &text, const QString &hint) {
    auto *banner = new ClickLabel([this] { Label43Click(); });
    addControl(banner, QString::fromLatin1(name));
    banner->setText(text);
    banner->setAlignment(Qt::AlignCenter);
    banner->setFrameShape(QFrame::StyledPanel);
    banner->setToolTip(hint);
    showsHint(banner);
    return banner;
}

QWidget *LottoZahlen::buildBerechnungPage(int index) {
    const PageLayout &entry = berechnungPages()[static_cast<std::size_t>(index)];
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(3);
    // Check boxes followed by a field share one width, so the fields of a page form a column.
    std::vector<QWidget *> leading;
    int texts = 0;
    for (const char *line : entry.lines) {
        const QString text = u8(line);
        if (text.isEmpty()) {
            layout->addSpacing(8);
            continue;
        }
        auto *row = new QHBoxLayout;
        bool stretched = false;
        const QStringList tokens = text.split(QLatin1Char('|'));
        for (const QString &token : tokens) {
            QWidget *widget = makeToken(token);
            // Plain texts get names too, so the language files reach them.
            if (widget->objectName().isEmpty())
                addControl(widget, QStringLiteral("Berechnung%1Text%2").arg(index + 1).arg(++texts));
            if (token == tokens.first() && tokens.size() > 1 && qobject_cast<QCheckBox *>(widget))
                leading.push_back(widget);
            auto *label = qobject_cast<QLabel *>(widget);
            const bool wraps = label && label->wordWrap();
            stretched = stretched || wraps;
            row->addWidget(widget, wraps ? 1 : 0);
        }
        if (!stretched) row->addStretch(1);
        layout->addLayout(row);
    }
    layout->addStretch(1);
    int width = 0;
    for (QWidget *widget : leading)
        width = std::max(width, widget->sizeHint().width());
    for (QWidget *widget : leading)
        fixWidth(widget, width + 4);
    m_leadingColumns.push_back(std::move(leading));
    return page;
}

// A language's captions may be longer than the German ones the columns were made for: each
// column takes the width of its widest caption again, at the current scale.
void LottoZahlen::alignLeadingColumns() {
    for (const std::vector<QWidget *> &column : m_leadingColumns) {
        int width = 0;
        for (QWidget *widget : column)
            width = std::max(width, widget->sizeHint().width());
        for (QWidget *widget : column) {
            widget->setProperty("designWidth", static_cast<int>(std::lround((width + 4) / m_appliedScale)));
            widget->setFixedWidth(width + 4);
        }
    }
}

QWidget *LottoZahlen::buildBerechnung() {
    auto *pages = new QTabWidget;
    addControl(pages, QString::fromLatin1(controlname::kComputationPages));
    for (int i = 0; i < static_cast<int>(berechnungPages().size()); ++i)
        pages->addTab(buildBerechnungPage(i), u8(berechnungPages()[static_cast<std::size_t>(i)].title));
    for (int i = 0; i < pages->count(); ++i)
        addControl(pages->widget(i), QStringLiteral("TabSheet%1").arg(7 + i));
    // Not a computation control: a placeholder the settings key on.
    auto *hiddenBox = makeToken(QStringLiteral("CheckBox32"));
    hiddenBox->setParent(pages);
    hiddenBox->hide();
    requiredControl<QCheckBox>("CheckBox35")->hide();
    pages->setCurrentIndex(0);
    m_ui.minEven = requiredControl<QSpinBox>(controlname::kMinEven);
    m_ui.minOdd = requiredControl<QSpinBox>(controlname::kMinOdd);
    m_ui.maxShared = requiredControl<QSpinBox>(controlname::kMaxShared);
    m_ui.minShared = requiredControl<QSpinBox>(controlname::kMinShared);
    m_ui.minCrossSum = requiredControl<QSpinBox>(controlname::kMinCrossSum);
    m_ui.maxCrossSum = requiredControl<QSpinBox>(controlname::kMaxCrossSum);
    return pages;
}

QWidget *LottoZahlen::buildDiagramm() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *bar = new QHBoxLayout;
    QAbstractButton *frequency = makeButton("SpeedButton200", true);
    frequency->setIcon(chartIcon());
    bar->addWidget(frequency);
    for (const char *name : {"SpeedButton9", "SpeedButton201", "SpeedButton202", "SpeedButton203",
                             "SpeedButton204", "SpeedButton3", "SpeedButton205"})
        bar->addWidget(makeButton(name, true));
    bar->addStretch(1);
    auto *start = new DateEdit;
    m_ui.startDate = start;
    addControl(start, QString::fromLatin1(controlname::kStartDate));
    start->setCalendarPopup(true);
    start->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    start->setMinimumDate(dateFromSerial(kEarliestStartDate));
    start->setMaximumDate(QDate(2099, 12, 31));
    start->setDate(QDate(2013, 1, 7));
    start->setToolTip(u8("Beginn der Statistik"));
    bar->addWidget(start);
    layout->addLayout(bar);
    m_ui.statisticsChart = new QChartView;
    addControl(m_ui.statisticsChart, QString::fromLatin1(controlname::kStatisticsChart));
    m_ui.statisticsChart->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(m_ui.statisticsChart, 1);
    return page;
}

// The end date picker with its evaluation button, then the selected draw's line.
void LottoZahlen::buildEndDateRow(QVBoxLayout &layout) {
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(makeNamedLabel("EndDateLabel", u8("Ziehung vom:")));
    auto *end = new DateEdit;
    m_ui.endDate = end;
    addControl(end, QString::fromLatin1(controlname::kEndDate));
    end->setCalendarPopup(true);
    end->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    end->setMinimumDate(QDate(1900, 1, 1));
    end->setMaximumDate(QDate(2099, 12, 31));
    end->setDate(QDate::currentDate());
    dateRow->addWidget(end);
    QAbstractButton *evaluate = makeButton(controlname::kEvaluate, false);
    m_historyControls.evaluate = evaluate;
    dateRow->addWidget(evaluate);
    dateRow->addStretch(1);
    layout.addLayout(dateRow);

    auto *drawLine = new QLabel;
    m_ui.drawLine = drawLine;
    addControl(drawLine, QString::fromLatin1(controlname::kDrawLine));
    drawLine->setProperty("Tag", kUntranslatedTag);
    drawLine->setFont(boldFont());
    drawLine->setFrameShape(QFrame::StyledPanel);
    drawLine->setTextFormat(Qt::PlainText);
    layout.addWidget(drawLine);
}

// The update with its stop button, entry, deletion and the CSV import.
QGroupBox *LottoZahlen::buildHistoryGroup() {
    auto *update = makeNamedGroup("UpdateGroup", u8("Datenbank"));
    auto *updateRow = new QHBoxLayout(update);
    m_ui.update = makeButton(controlname::kUpdate, false);
    updateRow->addWidget(m_ui.update);
    // The stop button shows only while an update runs.
    m_ui.stopUpdate = makeButton(controlname::kStopUpdate, false);
    m_ui.stopUpdate->hide();
    updateRow->addWidget(m_ui.stopUpdate);
    for (const char *name : {"BitBtn8", "BitBtn6"}) {
        QAbstractButton *button = makeButton(name, false);
        updateRow->addWidget(button);
    }
    // Entry, deletion and the CSV import of draws (the history panel).
    m_historyControls.enter = requiredControl<QAbstractButton>("BitBtn8");
    m_historyControls.remove = requiredControl<QAbstractButton>("BitBtn6");
    m_historyControls.csvImport = makeButton("CsvImport", false);
    updateRow->addWidget(m_historyControls.csvImport);
    updateRow->addStretch(1);
    return update;
}

QLabel *LottoZahlen::makeNamedLabel(const char *name, const QString &text) {
    auto *label = new QLabel(text);
    addControl(label, u8(name));
    return label;
}

QGroupBox *LottoZahlen::makeNamedGroup(const char *name, const QString &title) {
    auto *group = new QGroupBox(title);
    addControl(group, u8(name));
    return group;
}

// "Datenbank": the end date with its draw, the history's upkeep, the statistics, the analyses.
QWidget *LottoZahlen::buildDatenbank() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    buildEndDateRow(*layout);
    layout->addWidget(buildHistoryGroup());

    auto *charts = makeNamedGroup("StatisticsGroup", u8("Statistik"));
    auto *chartGrid = new QGridLayout(charts);
    const char *chartButtons[] = {"Button2", "Button3", "Button4",  "Button5",
                                  "Button8", "Button9", "Button10", "Button11"};
    for (int i = 0; i < 8; ++i)
        chartGrid->addWidget(makeButton(chartButtons[i], false), i / 4, i % 4);
    layout->addWidget(charts);

    auto *analysis = makeNamedGroup("AnalysisGroup", u8("Historische Analyse"));
    auto *analysisLayout = new QVBoxLayout(analysis);
    for (const char *name : {"BitBtn9", "BitBtn19"})
        analysisLayout->addWidget(makeButton(name, false));
    m_repetitionButton = requiredControl<QAbstractButton>("BitBtn19");
    analysisLayout->addWidget(makeToken(QStringLiteral("CheckBox31")));
    m_ui.parameterAnalysis = requiredControl<QAbstractButton>(controlname::kParameterAnalysis);
    m_ui.recomputeAfterWin = requiredControl<QCheckBox>(controlname::kRecomputeAfterWin);
    m_ui.recomputeAfterWin->setEnabled(true);
    layout->addWidget(analysis);
    layout->addStretch(1);
    return page;
}

QWidget *LottoZahlen::buildJoker() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *panel = new QFrame;
    addControl(panel, QStringLiteral("Panel5"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(panel);
    QAbstractButton *back = makeButton(controlname::kJokerStepBack, true);
    QAbstractButton *forward = makeButton(controlname::kJokerStepForward, true);
    m_historyControls.stepBack.push_back(back);
    m_historyControls.stepForward.push_back(forward);
    auto *jokerLine = new QLabel;
    m_ui.jokerLine = jokerLine;
    addControl(jokerLine, QString::fromLatin1(controlname::kJokerLine));
    jokerLine->setProperty("Tag", kUntranslatedTag);
    jokerLine->setFont(boldFont());
    jokerLine->setAlignment(Qt::AlignCenter);
    jokerLine->setTextFormat(Qt::PlainText);
    grid->addWidget(back, 0, 0);
    grid->addWidget(jokerLine, 0, 1, 1, 5);
    grid->addWidget(forward, 0, 6);
    auto *positions = new QHBoxLayout;
    std::size_t position = 0;
    for (const char *name : {"Joker1xxxxx", "Jokerx1xxxx", "Jokerxx1xxx", "Jokerxxx1xx", "Jokerxxxx1x",
                             "Jokerxxxxx1", "Joker123456"}) {
        m_ui.jokerPositions.at(position++) = makeButton(name, true);
        positions->addWidget(m_ui.jokerPositions.at(position - 1));
    }
    grid->addLayout(positions, 1, 0, 1, 5);
    auto *choice = new QGroupBox;
    addControl(choice, QStringLiteral("RadioGroup3"));
    auto *choiceLayout = new QHBoxLayout(choice);
    auto *often = new QRadioButton(u8("wie oft"));
    often->setObjectName(QStringLiteral("RadioGroup3Item0"));
    auto *outstanding = new QRadioButton(u8("ausstehend"));
    outstanding->setObjectName(QStringLiteral("RadioGroup3Item1"));
    outstanding->setChecked(true);
    m_ui.jokerOften = often;
    choiceLayout->addWidget(often);
    choiceLayout->addWidget(outstanding);
    grid->addWidget(choice, 1, 5, 1, 2);
    layout->addWidget(panel);
    m_ui.jokerChart = new QChartView;
    addControl(m_ui.jokerChart, QString::fromLatin1(controlname::kJokerChart));
    m_ui.jokerChart->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(m_ui.jokerChart, 1);
    return page;
}

QWidget *LottoZahlen::buildInternet() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *serverRow = new QHBoxLayout;
    serverRow->addWidget(makeNamedLabel("ServerLabel", u8("Zahlen-Server")));
    m_ui.server = new QLineEdit(QString::fromLatin1(kDefaultServerAddress));
    addControl(m_ui.server, QString::fromLatin1(controlname::kServer));
    m_ui.server->setToolTip(u8("Adresse des Zahlen-Servers, von dem die Ziehungen geholt werden"));
    serverRow->addWidget(m_ui.server, 1);
    layout->addLayout(serverRow);
    auto *proxy = makeNamedGroup("ProxyGroup", u8("Proxy"));
    auto *proxyGrid = new QGridLayout(proxy);
    auto *host = new QLineEdit;
    m_ui.proxyHost = host;
    addControl(host, QString::fromLatin1(controlname::kProxyHost));
    auto *port = new QLineEdit(QStringLiteral("80"));
    m_ui.proxyPort = port;
    addControl(port, QString::fromLatin1(controlname::kProxyPort));
    fixWidth(port, 60);
    proxyGrid->addWidget(makeNamedLabel("ProxyHostLabel", u8("Proxy-Server")), 0, 0);
    proxyGrid->addWidget(host, 0, 1);
    proxyGrid->addWidget(makeNamedLabel("ProxyPortLabel", u8("Proxy-Port")), 1, 0);
    proxyGrid->addWidget(port, 1, 1, Qt::AlignLeft);
    layout->addWidget(proxy);

    auto *fees = makeNamedGroup("FeeGroup", u8("Bearbeitunggebühr bei Ihrer Landeslotterie:"));
    auto *feeGrid = new QGridLayout(fees);
    auto *single = new QLineEdit(QStringLiteral("0,50"));
    addControl(single, QString::fromLatin1(controlname::kSingleFee));
    fixWidth(single, 60);
    auto *both = new QLineEdit(QStringLiteral("1,00"));
    addControl(both, QString::fromLatin1(controlname::kDoubleFee));
    fixWidth(both, 60);
    feeGrid->addWidget(makeNamedLabel("SingleFeeLabel", u8("Für eine Ziehung:")), 0, 0);
    feeGrid->addWidget(single, 0, 1, Qt::AlignLeft);
    feeGrid->addWidget(makeNamedLabel("DoubleFeeLabel", u8("Für eine Sa und Mi. Ziehung:")), 1, 0);
    feeGrid->addWidget(both, 1, 1, Qt::AlignLeft);
    feeGrid->setColumnStretch(2, 1);
    layout->addWidget(fees);

    auto *links = makeNamedGroup("LinksGroup", u8("Im Internet"));
    auto *linkLayout = new QVBoxLayout(links);
    const std::pair<const char *, const char *> linkLabels[] = {
        {"Label52", "https://www.landeslotterie.example/"},
        {"Label53", "https://www.sorvani.example/"},
        {"Label54", "https://www.sorvani.example/programme/"},
    };
    for (const auto &[name, address] : linkLabels) {
        const QString text = u8(address);
        auto *label = new ClickLabel([this, text] { Label52Click(text); });
        addControl(label, u8(name));
        label->setText(text);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        label->setPalette(palette);
        linkLayout->addWidget(label);
    }
    layout->addWidget(links);
    layout->addStretch(1);
    return page;
}

// The controls that show a statistic, found by their names once the pages are built (a name may
// stand for several controls), in the order they were made.
std::vector<ChartTrigger> LottoZahlen::chartTriggers() const {
    std::vector<ChartTrigger> triggers;
    for (const NamedControl &control : m_controlOrder) {
        for (const ChartControlName &entry : chartControlNames()) {
            if (control.name != QLatin1String(entry.name)) continue;
            auto *button = qobject_cast<QAbstractButton *>(control.widget);
            triggers.push_back(
                {button, button ? nullptr : control.widget, entry.kind, entry.chartToFrontFirst});
        }
    }
    return triggers;
}

} // namespace quorix
