// The layout of the main window's pages. Behaviour lives in lottozahlen.cpp.
#include "app/lottozahlen.h"

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

#include "app/controltables.h"
#include "app/dateedit.h"
#include "app/elidedlabel.h"

namespace quorix {

namespace {

QString u8(const char *text) {
    return QString::fromUtf8(text);
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
    m_controls.insert(name, widget);
}

void LottoZahlen::showsHint(QWidget *widget) {
    widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
}

void LottoZahlen::fixWidth(QWidget *widget, int width) {
    widget->setProperty("designWidth", width);
    widget->setFixedWidth(width);
}

QWidget *LottoZahlen::makeButton(const char *name, bool toolButton) {
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
    if (const CheckBoxEntry *check = findCheckBox(name.constData())) {
        auto *box = new QCheckBox(u8(check->caption));
        addControl(box, token);
        box->setChecked(check->ticked);
        box->setToolTip(u8(check->hint));
        box->setEnabled(false); // wired with the computation
        showsHint(box);
        return box;
    }
    if (const SpinFieldEntry *spin = findSpinField(name.constData())) {
        auto *box = new QSpinBox;
        addControl(box, token);
        m_controls.insert(u8(spin->upDown), box);
        box->setProperty("upDown", u8(spin->upDown));
        box->setRange(spin->minimum, spin->maximum);
        box->setSingleStep(spin->step);
        box->setValue(spin->value);
        box->setToolTip(u8(spin->hint));
        box->setEnabled(false);
        fixWidth(box, spin->maximum >= 1000 ? 70 : 50);
        showsHint(box);
        return box;
    }
    if (findButton(name.constData())) return makeButton(name.constData(), true);
    if (token == QStringLiteral("RadioGroup1") || token == QStringLiteral("RadioGroup2")) {
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
        return group;
    }
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
        QFont bold;
        bold.setBold(true);
        label->setFont(bold);
        label->setWordWrap(true);
        return label;
    }
    auto *label = new QLabel(token);
    label->setWordWrap(token.size() > 30);
    return label;
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
    // Updating the history arrives later; until then neither the item nor Ctrl+A is offered.
    addItem(nullptr, "Aktualisieren1", QStringLiteral("&Aktualisieren"),
            QKeySequence(QStringLiteral("Ctrl+A")), &LottoZahlen::Aktualisieren1Click)
        ->setEnabled(false);
    addItem(nullptr, "Berechnen1", QStringLiteral("&Berechnen"), QKeySequence(QStringLiteral("Ctrl+R")),
            &LottoZahlen::Berechnen1Click);
    // Chosen, it does nothing.
    addItem(nullptr, "Abgeben1", QStringLiteral("Ab&geben"), QKeySequence(QStringLiteral("Ctrl+G")), nullptr);
    QMenu *languages = bar->addMenu(QStringLiteral("Sprache/Language/Langue"));
    languages->setObjectName(QStringLiteral("Sprache1"));
    const std::pair<const char *, const char *> languageItems[] = {
        {"Deutsch1", "Deutsch"},         {"Franzsisch1", "Französisch"},
        {"Italienisch1", "Italienisch"}, {"Englisch1", "Englisch"},
        {"Spanisch1", "Spanisch"},       {"Trkisch1", "Türkisch"},
        {"Russisch1", "Russisch"},       {"Polnisch1", "Polnisch"},
        {"Tschechisch1", "Tschechisch"}, {"Niederlndisch1", "Niederländisch"},
    };
    for (const auto &[name, text] : languageItems) {
        QAction *action = addItem(languages, name, u8(text), {}, nullptr);
        action->setCheckable(true);
        // The other languages arrive with their language files.
        action->setEnabled(std::string_view(name) == "Deutsch1");
    }
    m_actions.value(QStringLiteral("Deutsch1"))->setChecked(true);
    languages->addSeparator();
    addItem(languages, "Export1", QStringLiteral("Export"), {}, nullptr)->setEnabled(false);
    addItem(nullptr, "Schlieen1", u8("S&chließen"), {}, &LottoZahlen::Schlieen1Click);
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

    // Draw panel: step buttons around the draw line, the update button, QS, Replay, weekday boxes.
    auto *drawPanel = new QFrame;
    drawPanel->setObjectName(QStringLiteral("Panel3"));
    drawPanel->setFrameShape(QFrame::StyledPanel);
    auto *drawGrid = new QGridLayout(drawPanel);
    drawGrid->setContentsMargins(4, 2, 4, 2);
    drawGrid->setVerticalSpacing(2);
    auto *back = makeButton("SpeedButton6", true);
    auto *forward = makeButton("SpeedButton7", true);
    auto *drawLine = new QLabel;
    addControl(drawLine, QStringLiteral("Label35"));
    drawLine->setProperty("Tag", 8);
    QFont bold;
    bold.setBold(true);
    drawLine->setFont(bold);
    drawLine->setAlignment(Qt::AlignCenter);
    drawLine->setTextFormat(Qt::PlainText);
    drawGrid->addWidget(back, 0, 0);
    drawGrid->addWidget(drawLine, 0, 1, 1, 4);
    drawGrid->addWidget(forward, 0, 5);
    drawGrid->addWidget(makeButton("SpeedButton10", true), 0, 6);
    auto *crossSum = new QLabel;
    addControl(crossSum, QStringLiteral("Label13"));
    auto *replay = new ClickLabel([this] { LosnummerClick(); });
    addControl(replay, QStringLiteral("Losnummer"));
    replay->setText(QStringLiteral("Replay"));
    replay->setToolTip(u8("Klicken Sie hier um Ihre Replay- und Losnummer einzugeben"));
    showsHint(replay);
    drawGrid->addWidget(crossSum, 1, 1);
    drawGrid->addWidget(replay, 1, 2);
    auto *saturday = makeToken(QStringLiteral("CheckBox16"));
    auto *wednesday = makeToken(QStringLiteral("CheckBox17"));
    saturday->setEnabled(true);
    wednesday->setEnabled(true);
    drawGrid->addWidget(saturday, 1, 3);
    drawGrid->addWidget(wednesday, 1, 4);
    drawGrid->setColumnStretch(2, 1);
    outer->addWidget(drawPanel);
    connect(static_cast<QToolButton *>(back), &QToolButton::clicked, this, &LottoZahlen::SpeedButton6Click);
    connect(static_cast<QToolButton *>(forward), &QToolButton::clicked, this,
            &LottoZahlen::SpeedButton7Click);

    auto *middle = new QHBoxLayout;
    outer->addLayout(middle, 1);

    // The fourteen tip rows.
    auto *sheet = new QGridLayout;
    sheet->setHorizontalSpacing(2);
    sheet->setVerticalSpacing(1);
    const QString rowHint = u8("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
    const QString editHint = u8("Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per "
                                "Zufallsgenerator erzeugen wollen");
    // Headings over the result and cross-sum columns, so their figures say what they are.
    const std::pair<const char *, const char *> headings[] = {{"ResultHeading", "Richtige"},
                                                              {"CrossSumHeading", "QS"}};
    for (int i = 0; i < 2; ++i) {
        auto *label = new QLabel(u8(headings[i].second));
        label->setObjectName(u8(headings[i].first));
        sheet->addWidget(label, 0, 9 + i);
    }
    for (int row = 0; row < kTipRowCount; ++row) {
        const TipRowControls &entry = kTipRows[static_cast<std::size_t>(row)];
        const auto r = static_cast<std::size_t>(row);
        const int line = row + 1; // below the headings
        auto *caption = new ClickLabel([this, row] { Label30Click(row); });
        addControl(caption, u8(entry.caption));
        caption->setText(QStringLiteral("%1. Tipp").arg(row + 1));
        caption->setToolTip(rowHint);
        showsHint(caption);
        m_captions[r] = caption;
        sheet->addWidget(caption, line, 0);
        for (int column = 0; column < 6; ++column) {
            auto *field = new QLineEdit;
            addControl(field, QStringLiteral("Edit%1").arg(entry.edits[static_cast<std::size_t>(column)]));
            field->setAlignment(Qt::AlignCenter);
            field->setMaxLength(3);
            fixWidth(field, 30);
            field->setProperty("tipField", true);
            field->installEventFilter(this);
            connect(field, &QLineEdit::textChanged, this, [this, field] { normaliseField(field); });
            m_fields[r][static_cast<std::size_t>(column)] = field;
            sheet->addWidget(field, line, 1 + column);
        }
        auto *lucky = new QComboBox;
        addControl(lucky, u8(entry.lucky));
        lucky->setEditable(true);
        lucky->addItems({QStringLiteral("-"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                         QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
        lucky->setCurrentIndex(0);
        fixWidth(lucky, 44);
        m_lucky[r] = lucky;
        sheet->addWidget(lucky, line, 7);
        auto *edit = makeButton(entry.editButton, true);
        static_cast<QToolButton *>(edit)->setText(QStringLiteral("..."));
        edit->setToolTip(editHint);
        connect(static_cast<QToolButton *>(edit), &QToolButton::clicked, this,
                [this, row] { TippEdit(row); });
        sheet->addWidget(edit, line, 8);
        auto *result = new QLabel;
        addControl(result, u8(entry.result));
        fixWidth(result, 62);
        m_results[r] = result;
        sheet->addWidget(result, line, 9);
        auto *cross = new QLabel;
        addControl(cross, u8(entry.crossSum));
        fixWidth(cross, 30);
        m_crossSums[r] = cross;
        sheet->addWidget(cross, line, 10);
    }
    middle->addLayout(sheet);
    middle->addStretch(1);

    // Compute panel and the sheet's buttons.
    auto *side = new QVBoxLayout;
    side->setSpacing(3);
    auto *computePanel = new QGroupBox;
    computePanel->setObjectName(QStringLiteral("Panel2"));
    auto *computeLayout = new QVBoxLayout(computePanel);
    computeLayout->setContentsMargins(4, 4, 4, 4);
    computeLayout->addWidget(makeButton("SpeedButton13", false));
    auto *computeRow = new QHBoxLayout;
    auto *compute = makeButton("TippsBerechnen", false);
    computeRow->addWidget(compute, 1);
    auto *count = static_cast<QSpinBox *>(makeToken(QStringLiteral("Edit80")));
    count->setEnabled(true);
    count->setToolTip(u8("Anzahl der Tipps die berechnet werden"));
    computeRow->addWidget(count);
    computeLayout->addLayout(computeRow);
    side->addWidget(computePanel);
    for (const char *name : {"SpeedButton12", "OnlineTipp", "SpeedButton4", "Button6", "BitBtn7"})
        side->addWidget(makeButton(name, false));
    auto *files = new QHBoxLayout;
    for (const char *name : {"SpeedButton15", "SpeedButton16", "Loeschen"})
        files->addWidget(makeButton(name, true));
    side->addLayout(files);
    side->addStretch(1);
    for (const char *name : {"SpeedButton10", "SpeedButton13", "TippsBerechnen", "SpeedButton12",
                             "OnlineTipp", "SpeedButton4", "BitBtn7", "SpeedButton15", "SpeedButton16"})
        m_controls.value(u8(name))->setEnabled(false); // their operations arrive later
    connect(static_cast<QToolButton *>(m_controls.value(QStringLiteral("Loeschen"))), &QToolButton::clicked,
            this, &LottoZahlen::Loeschendertipp);

    // Banners: product with version, maker's address.
    auto *product = new ClickLabel([this] { Label43Click(); });
    addControl(product, QStringLiteral("Label43"));
    product->setText(QStringLiteral("Quorix %1").arg(QCoreApplication::applicationVersion()));
    product->setFont(bold);
    product->setAlignment(Qt::AlignCenter);
    product->setFrameShape(QFrame::StyledPanel);
    product->setToolTip(QStringLiteral("Quorix im Internet"));
    showsHint(product);
    auto *maker = new ClickLabel([this] { Label43Click(); });
    addControl(maker, QStringLiteral("Label44"));
    maker->setText(QStringLiteral("www.sorvani.example"));
    maker->setAlignment(Qt::AlignCenter);
    maker->setFrameShape(QFrame::StyledPanel);
    maker->setToolTip(QStringLiteral("Sorvani im Internet"));
    showsHint(maker);
    side->addWidget(product);
    side->addWidget(maker);
    middle->addLayout(side);
    return page;
}

QWidget *LottoZahlen::buildBerechnungPage(int index) {
    const PageLayout &entry = berechnungPages()[static_cast<std::size_t>(index)];
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(3);
    // Check boxes followed by a field share one width, so the fields of a page form a column.
    std::vector<QWidget *> leading;
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
    return page;
}

QWidget *LottoZahlen::buildBerechnung() {
    auto *pages = new QTabWidget;
    addControl(pages, QStringLiteral("PageControl2"));
    for (int i = 0; i < static_cast<int>(berechnungPages().size()); ++i)
        pages->addTab(buildBerechnungPage(i), u8(berechnungPages()[static_cast<std::size_t>(i)].title));
    // Not a computation control: a placeholder the settings key on.
    auto *hiddenBox = makeToken(QStringLiteral("CheckBox32"));
    hiddenBox->setParent(pages);
    hiddenBox->hide();
    control(QStringLiteral("CheckBox35"))->hide();
    pages->setCurrentIndex(0);
    return pages;
}

QWidget *LottoZahlen::buildDiagramm() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *bar = new QHBoxLayout;
    auto *frequency = static_cast<QToolButton *>(makeButton("SpeedButton200", true));
    frequency->setIcon(chartIcon());
    for (QWidget *button : {static_cast<QWidget *>(frequency), makeButton("SpeedButton9", true),
                            makeButton("SpeedButton201", true), makeButton("SpeedButton202", true),
                            makeButton("SpeedButton203", true), makeButton("SpeedButton204", true),
                            makeButton("SpeedButton3", true), makeButton("SpeedButton205", true)})
        bar->addWidget(button);
    bar->addStretch(1);
    auto *start = new DateEdit;
    addControl(start, QStringLiteral("DateTimePicker2"));
    start->setCalendarPopup(true);
    start->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    start->setMinimumDate(QDate(1990, 3, 17));
    start->setMaximumDate(QDate(2099, 12, 31));
    start->setDate(QDate(2013, 1, 7));
    start->setToolTip(u8("Beginn der Statistik"));
    bar->addWidget(start);
    layout->addLayout(bar);
    auto *chart = new QChartView;
    addControl(chart, QStringLiteral("Chart1"));
    chart->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(chart, 1);
    return page;
}

QWidget *LottoZahlen::buildDatenbank() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(new QLabel(u8("Ziehung vom:")));
    auto *end = new DateEdit;
    addControl(end, QStringLiteral("DateTimePicker1"));
    end->setCalendarPopup(true);
    end->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    end->setMinimumDate(QDate(1900, 1, 1));
    end->setMaximumDate(QDate(2099, 12, 31));
    end->setDate(QDate::currentDate());
    dateRow->addWidget(end);
    auto *evaluate = makeButton("SpeedButton5", false);
    connect(static_cast<QPushButton *>(evaluate), &QPushButton::clicked, this,
            &LottoZahlen::SpeedButton5Click);
    dateRow->addWidget(evaluate);
    dateRow->addStretch(1);
    layout->addLayout(dateRow);

    auto *drawLine = new QLabel;
    addControl(drawLine, QStringLiteral("Label29"));
    drawLine->setProperty("Tag", 8);
    QFont bold;
    bold.setBold(true);
    drawLine->setFont(bold);
    drawLine->setFrameShape(QFrame::StyledPanel);
    drawLine->setTextFormat(Qt::PlainText);
    layout->addWidget(drawLine);

    auto *update = new QGroupBox(u8("Datenbank"));
    auto *updateRow = new QHBoxLayout(update);
    for (const char *name : {"BitBtn1", "SpeedButton8", "BitBtn8", "BitBtn6"})
        updateRow->addWidget(makeButton(name, false));
    updateRow->addStretch(1);
    layout->addWidget(update);
    control(QStringLiteral("SpeedButton8"))->hide();
    for (const char *name : {"BitBtn1", "BitBtn8", "BitBtn6"})
        control(u8(name))->setEnabled(false);

    auto *charts = new QGroupBox(u8("Statistik"));
    auto *chartGrid = new QGridLayout(charts);
    const char *chartButtons[] = {"Button2", "Button3", "Button4",  "Button5",
                                  "Button8", "Button9", "Button10", "Button11"};
    for (int i = 0; i < 8; ++i)
        chartGrid->addWidget(makeButton(chartButtons[i], false), i / 4, i % 4);
    layout->addWidget(charts);

    auto *analysis = new QGroupBox(u8("Historische Analyse"));
    auto *analysisLayout = new QVBoxLayout(analysis);
    for (const char *name : {"BitBtn9", "BitBtn19"}) {
        auto *button = makeButton(name, false);
        button->setEnabled(false);
        analysisLayout->addWidget(button);
    }
    analysisLayout->addWidget(makeToken(QStringLiteral("CheckBox31")));
    layout->addWidget(analysis);
    layout->addStretch(1);
    return page;
}

QWidget *LottoZahlen::buildJoker() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel5"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(panel);
    auto *back = makeButton("SpeedButton30", true);
    auto *forward = makeButton("SpeedButton18", true);
    connect(static_cast<QToolButton *>(back), &QToolButton::clicked, this, &LottoZahlen::SpeedButton6Click);
    connect(static_cast<QToolButton *>(forward), &QToolButton::clicked, this,
            &LottoZahlen::SpeedButton7Click);
    auto *jokerLine = new QLabel;
    addControl(jokerLine, QStringLiteral("Label77"));
    jokerLine->setProperty("Tag", 8);
    QFont bold;
    bold.setBold(true);
    jokerLine->setFont(bold);
    jokerLine->setAlignment(Qt::AlignCenter);
    jokerLine->setTextFormat(Qt::PlainText);
    grid->addWidget(back, 0, 0);
    grid->addWidget(jokerLine, 0, 1, 1, 5);
    grid->addWidget(forward, 0, 6);
    auto *positions = new QHBoxLayout;
    for (const char *name : {"Joker1xxxxx", "Jokerx1xxxx", "Jokerxx1xxx", "Jokerxxx1xx", "Jokerxxxx1x",
                             "Jokerxxxxx1", "Joker123456"}) {
        auto *button = makeButton(name, true);
        button->setEnabled(false); // the digit statistic arrives later
        positions->addWidget(button);
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
    choiceLayout->addWidget(often);
    choiceLayout->addWidget(outstanding);
    choice->setEnabled(false);
    grid->addWidget(choice, 1, 5, 1, 2);
    layout->addWidget(panel);
    auto *chart = new QChartView;
    addControl(chart, QStringLiteral("Chart2"));
    chart->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(chart, 1);
    return page;
}

QWidget *LottoZahlen::buildInternet() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *proxy = new QGroupBox(u8("Proxy"));
    auto *proxyGrid = new QGridLayout(proxy);
    auto *host = new QLineEdit;
    addControl(host, QStringLiteral("ProxyHostEdit"));
    auto *port = new QLineEdit(QStringLiteral("80"));
    addControl(port, QStringLiteral("ProxyPortEdit"));
    fixWidth(port, 60);
    proxyGrid->addWidget(new QLabel(u8("Proxy-Server")), 0, 0);
    proxyGrid->addWidget(host, 0, 1);
    proxyGrid->addWidget(new QLabel(u8("Proxy-Port")), 1, 0);
    proxyGrid->addWidget(port, 1, 1, Qt::AlignLeft);
    layout->addWidget(proxy);

    auto *fees = new QGroupBox(u8("Bearbeitunggebühr bei Ihrer Landeslotterie:"));
    auto *feeGrid = new QGridLayout(fees);
    auto *single = new QLineEdit(QStringLiteral("0,50"));
    addControl(single, QStringLiteral("Edit81"));
    fixWidth(single, 60);
    auto *both = new QLineEdit(QStringLiteral("1,00"));
    addControl(both, QStringLiteral("Edit82"));
    fixWidth(both, 60);
    feeGrid->addWidget(new QLabel(u8("Für eine Ziehung:")), 0, 0);
    feeGrid->addWidget(single, 0, 1, Qt::AlignLeft);
    feeGrid->addWidget(new QLabel(u8("Für eine Sa und Mi. Ziehung:")), 1, 0);
    feeGrid->addWidget(both, 1, 1, Qt::AlignLeft);
    feeGrid->setColumnStretch(2, 1);
    layout->addWidget(fees);

    auto *links = new QGroupBox(u8("Im Internet"));
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

} // namespace quorix
