// The settings store through the real window: what start-up reads from the settings file into
// the controls, and what closing writes back.
#include <functional>
#include <limits>
#include <memory>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/mainwindow/mainwindow.h"
#include "app/settings/settingsnames.h"
#include "app/settings/settingsstore.h"
#include "app/widgets/uihelpers.h"
#include "appfixture.h"
#include "output/settingsfile.h"

using namespace quorix;
using namespace quorix::testing;

namespace {

using Map = SettingsFile::Map;

QString q(const std::string &text) {
    return QString::fromStdString(text);
}

void writeSettings(const TempHome &home, const std::string &bytes) {
    QDir().mkpath(QFileInfo(home.settingsFile()).absolutePath());
    QFile file(home.settingsFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write the settings fixture");
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void writeSettings(const TempHome &home, const Map &values) {
    writeSettings(home, SettingsFile::format(values).value());
}

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Map readSettings(const TempHome &home) {
    const QByteArray bytes = fileBytes(home.settingsFile());
    auto read =
        SettingsFile::parse(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!read) qFatal("the written settings file does not read: %s", read.error().message.c_str());
    return *read;
}

SettingsFile::Binary doubleValue(double days) {
    return {SettingsFile::doubleBytes(days)};
}

QButtonGroup *buttons(const LottoZahlen &window, const char *group) {
    return window.control(QString::fromLatin1(group))->findChild<QButtonGroup *>();
}

// What a stored control shows, as text, for comparing two windows.
QString shown(const LottoZahlen &window, const StoredControl &stored) {
    QWidget *widget = window.control(stored.control);
    switch (stored.kind) {
    case StoredKind::CheckBox:
        return QString::number(qobject_cast<QCheckBox *>(widget)->isChecked());
    case StoredKind::SpinBox:
        return QString::number(qobject_cast<QSpinBox *>(widget)->value());
    case StoredKind::LineEdit:
        return qobject_cast<QLineEdit *>(widget)->text();
    case StoredKind::ComboBox:
        return qobject_cast<QComboBox *>(widget)->currentText();
    case StoredKind::OptionGroup:
        return QString::number(widget->findChild<QButtonGroup *>()->checkedId());
    case StoredKind::DatePicker:
        return qobject_cast<QDateEdit *>(widget)->date().toString(Qt::ISODate);
    }
    return {};
}

QMap<QString, QString> snapshot(LottoZahlen &window) {
    QMap<QString, QString> values;
    for (const StoredControl &stored : allStoredControls())
        values.insert(stored.setting, shown(window, stored));
    const PrintSettings &print = window.printSettings();
    values.insert(QStringLiteral("print"),
                  QStringLiteral("%1 %2 %3").arg(print.paperFormat).arg(print.top).arg(print.left));
    for (const JokerTicket &ticket : window.jokerNumbers().tickets)
        values.insert(QStringLiteral("joker"), values.value(QStringLiteral("joker")) +
                                                   QString::number(ticket.enabled) +
                                                   q(jokerDigitsText(ticket.digits)) + QLatin1Char(' '));
    values.insert(QStringLiteral("language"), QString::number(window.languageIndex()));
    values.insert(QStringLiteral("replay"), window.replayNumber());
    values.insert(QStringLiteral("size"), QStringLiteral("%1x%2").arg(window.width()).arg(window.height()));
    return values;
}

void start(LottoZahlen &window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

// Every name the store writes: each of the window's stored controls and the values of its own.
QStringList everySettingName() {
    QStringList names;
    for (const StoredControl &stored : allStoredControls())
        names << stored.setting;
    for (const char *own :
         {settingname::kPaperFormat, settingname::kHeight, settingname::kWidth, settingname::kTop,
          settingname::kLeft, settingname::kLanguage, settingname::kReplay})
        names << QString::fromLatin1(own);
    for (const char *joker : settingname::kJokerBoxes)
        names << QString::fromLatin1(joker);
    for (const char *joker : settingname::kJokerNumbers)
        names << QString::fromLatin1(joker);
    names.sort();
    return names;
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storedNamesAreTheFilesAndNameControlsOfTheirKind();
    void firstStartShowsDesignValuesAndWritesEveryValue();
    void restoreRules_data();
    void restoreRules();
    void damagedFileIsKeptAndStartUpGoesOn();
    void closingMaximisedKeepsTheNormalSize();
    void everyValueSurvivesARestart();
    void unreadableFileIsKeptAside();
    void aLinkInItsPlaceIsReplacedNotWrittenThrough();
    void somethingElseInItsPlaceIsLeftAndTheFailedSaveSaid();
    void storedSizeIsCutToTheScreen();
};

void SettingsTest::storedNamesAreTheFilesAndNameControlsOfTheirKind() {
    auto settings = [](std::span<const StoredControl> family) {
        QStringList names;
        for (const StoredControl &stored : family)
            names << stored.setting;
        return names;
    };
    auto numbered = [](const char *stem, std::initializer_list<std::pair<int, int>> ranges, int step = 1) {
        QStringList names;
        for (const auto &[first, last] : ranges)
            for (int n = first; n <= last; n += step)
                names << QString::fromLatin1(stem) + QString::number(n);
        return names;
    };
    QCOMPARE(settings(storedCheckBoxes()), numbered("Chekcbox", {{1, 20}, {22, 35}}));
    QCOMPARE(settings(storedSpinners()), numbered("UpDown", {{1, 18}, {20, 21}}));
    QCOMPARE(settings(storedTipFields()), numbered("Edit", {{1, 36}, {43, 54}, {56, 79}, {96, 107}}));
    QCOMPARE(settings(storedLuckyBoxes()), numbered("Combobox", {{1, 14}}));
    QCOMPARE(settings(storedOptionGroups()), numbered("RadioGroup", {{1, 2}}));
    QCOMPARE(settings(storedFees()), (QStringList{QStringLiteral("ZWEIPREIS"), QStringLiteral("EINPREIS")}));
    QCOMPARE(settings(storedProxy()),
             (QStringList{QStringLiteral("ProxyHostEdit"), QStringLiteral("ProxyPortEdit"),
                          QStringLiteral("ZahlenServer")}));
    QCOMPARE(storedFees()[0].control, QStringLiteral("Edit81"));

    TempHome home;
    LottoZahlen window;
    for (const StoredControl &stored : allStoredControls()) {
        QWidget *widget = window.control(stored.control);
        QVERIFY2(widget, qPrintable(stored.control));
        bool ofItsKind = false;
        switch (stored.kind) {
        case StoredKind::CheckBox:
            ofItsKind = qobject_cast<QCheckBox *>(widget);
            break;
        case StoredKind::SpinBox:
            ofItsKind = qobject_cast<QSpinBox *>(widget);
            break;
        case StoredKind::LineEdit:
            ofItsKind = qobject_cast<QLineEdit *>(widget);
            break;
        case StoredKind::ComboBox:
            ofItsKind = qobject_cast<QComboBox *>(widget);
            break;
        case StoredKind::OptionGroup:
            ofItsKind = widget->findChild<QButtonGroup *>();
            break;
        case StoredKind::DatePicker:
            ofItsKind = qobject_cast<QDateEdit *>(widget);
            break;
        }
        QVERIFY2(ofItsKind, qPrintable(stored.control));
    }
}

void SettingsTest::firstStartShowsDesignValuesAndWritesEveryValue() {
    TempHome home;
    PromptScript prompts;
    QMap<QString, QString> design;
    {
        LottoZahlen unshown;
        design = snapshot(unshown);
        unshown.close(); // a window whose start-up never ran writes nothing
    }
    QVERIFY(!QFile::exists(home.settingsFile()));

    LottoZahlen window;
    start(window);
    const QMap<QString, QString> first = snapshot(window);
    QCOMPARE(first, design);
    QVERIFY(window.ui().saturday->isChecked() && window.ui().wednesday->isChecked());
    QCOMPARE(window.printSettings(), (PrintSettings{0, 53, 32}));
    QCOMPARE(window.languageIndex(), 0);
    QCOMPARE(window.ui().proxyPort->text(), QStringLiteral("80"));

    window.close();
    const Map written = readSettings(home);
    QStringList names;
    for (const auto &[name, value] : written)
        names << q(name);
    QCOMPARE(names, everySettingName());
    QCOMPARE(written.at("Chekcbox16"), SettingsFile::Value{1});
    QCOMPARE(written.at("Chekcbox1"), SettingsFile::Value{0});
    QCOMPARE(written.at("UpDown7"), SettingsFile::Value{50});
    QCOMPARE(written.at("Edit1"), SettingsFile::Value{std::string()});
    QCOMPARE(written.at("Combobox14"), SettingsFile::Value{std::string("-")});
    QCOMPARE(written.at("ZWEIPREIS"), SettingsFile::Value{std::string("0,50")});
    QCOMPARE(written.at("DateTimePicker2"), SettingsFile::Value{doubleValue(41281)}); // 07.01.2013
    QCOMPARE(written.at("Joker1Zahl"), SettingsFile::Value{std::string("000000")});
    QCOMPARE(written.at("TippTop"), SettingsFile::Value{53});

    // The file is the user's alone, also when it was readable by others before.
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(home.settingsFile()).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777U, 0600U);
    QFile::setPermissions(home.settingsFile(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    LottoZahlen again;
    start(again);
    again.close();
    QCOMPARE(::stat(QFile::encodeName(home.settingsFile()).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777U, 0600U);
}

using Check = std::function<void(LottoZahlen &)>;
Q_DECLARE_METATYPE(Map)
Q_DECLARE_METATYPE(Check)

void SettingsTest::restoreRules_data() {
    QTest::addColumn<Map>("stored");
    QTest::addColumn<Check>("check");
    auto field = [](LottoZahlen &w, int n) {
        return w.control<QLineEdit>(QStringLiteral("Edit%1").arg(n))->text();
    };
    auto ticked = [](LottoZahlen &w, int n) {
        return w.control<QCheckBox>(QStringLiteral("CheckBox%1").arg(n))->isChecked();
    };
    auto spin = [](LottoZahlen &w, const char *name) {
        return w.control<QSpinBox>(QString::fromLatin1(name))->value();
    };

    QTest::newRow("no weekday ticked ticks both")
        << Map{{"Chekcbox16", 0}, {"Chekcbox17", 0}, {"Chekcbox18", 0}} << Check([=](LottoZahlen &w) {
               QVERIFY(w.ui().saturday->isChecked() && w.ui().wednesday->isChecked());
               QVERIFY(!ticked(w, 18));
           });
    QTest::newRow("one weekday stays alone")
        << Map{{"Chekcbox16", 0}, {"Chekcbox17", 1}} << Check([](LottoZahlen &w) {
               QVERIFY(!w.ui().saturday->isChecked() && w.ui().wednesday->isChecked());
           });
    QTest::newRow("tip fields normalise as typed")
        << Map{{"Edit1", std::string("43")},
               {"Edit2", std::string("x")},
               {"Edit3", std::string("07")},
               {"Edit107", std::string("42")},
               {"Combobox14", std::string("5")}}
        << Check([=](LottoZahlen &w) {
               QCOMPARE(field(w, 1), QString());
               QCOMPARE(field(w, 2), QString());
               QCOMPARE(field(w, 3), QStringLiteral("7"));
               QCOMPARE(field(w, 107), QStringLiteral("42"));
               QCOMPARE(w.sheet().luckyBox(13)->currentText(), QStringLiteral("5"));
           });
    QTest::newRow("language as text ends its group")
        << Map{{"Chekcbox1", 1},
               {"Sprache", std::string("3")},
               {"UpDown7", 9},
               {"Edit1", std::string("5")},
               {"Combobox1", std::string("4")},
               {"Joker1", 1},
               {"Losnummer", std::string("123456")}}
        << Check([=](LottoZahlen &w) {
               QVERIFY(ticked(w, 1)); // group 1 was read
               QCOMPARE(w.languageIndex(), 0);
               QCOMPARE(w.message(Msg::TipWord), QStringLiteral("Tipp"));
               QCOMPARE(spin(w, "UpDown7"), 50);
               QCOMPARE(field(w, 1), QString());
               QCOMPARE(w.sheet().luckyBox(0)->currentText(), QStringLiteral("-"));
               QVERIFY(w.jokerNumbers().tickets[0].enabled); // later values are read again
               QCOMPARE(w.replayNumber(), QStringLiteral("123456"));
           });
    QTest::newRow("language outside 0..9 is kept")
        << Map{{"Sprache", 12}, {"UpDown7", 9}} << Check([=](LottoZahlen &w) {
               QCOMPARE(w.languageIndex(), 12);
               QCOMPARE(spin(w, "UpDown7"), 9);
           });
    QTest::newRow("a bad check box ends group 1, print offsets stay")
        << Map{{"Chekcbox2", 1},   {"Chekcbox3", std::string("1")},
               {"Chekcbox4", 0},   {"Papierformat", 2},
               {"TippTop", 10},    {"TippLeft", 11},
               {"RadioGroup1", 2}, {"UpDown1", 60}}
        << Check([=](LottoZahlen &w) {
               QVERIFY(ticked(w, 2));
               QVERIFY(ticked(w, 4)); // design
               QCOMPARE(w.printSettings(), (PrintSettings{0, 53, 32}));
               QCOMPARE(buttons(w, "RadioGroup1")->checkedId(), 2);
               QCOMPARE(spin(w, "UpDown1"), 60);
           });
    QTest::newRow("print settings and option groups")
        << Map{{"Papierformat", 1}, {"TippTop", 10}, {"TippLeft", 11}, {"RadioGroup1", 9}, {"RadioGroup2", 1}}
        << Check([=](LottoZahlen &w) {
               QCOMPARE(w.printSettings(), (PrintSettings{1, 10, 11}));
               QCOMPARE(buttons(w, "RadioGroup1")->checkedId(), 0); // no item 9: design
               QCOMPARE(buttons(w, "RadioGroup2")->checkedId(), 1);
           });
    QTest::newRow("joker numbers") << Map{{"Joker1Zahl", std::string("012345")},
                                          {"Joker2Zahl", std::string("12a456")},
                                          {"Joker3Zahl", std::string("123")},
                                          {"Joker2", 1},
                                          {"Joker3", std::string("1")}}
                                   << Check([](LottoZahlen &w) {
                                          const auto &tickets = w.jokerNumbers().tickets;
                                          QCOMPARE(tickets[0].digits, (std::array<int, 6>{0, 1, 2, 3, 4, 5}));
                                          QCOMPARE(tickets[1].digits, (std::array<int, 6>{}));
                                          QCOMPARE(tickets[2].digits, (std::array<int, 6>{}));
                                          QVERIFY(!tickets[0].enabled && tickets[1].enabled &&
                                                  !tickets[2].enabled);
                                      });
    QTest::newRow("start date exact")
        << Map{{"DateTimePicker2", doubleValue(40001.75)}}
        << Check([](LottoZahlen &w) { QCOMPARE(w.ui().startDate->date(), QDate(2009, 7, 7)); });
    QTest::newRow("start date of another size")
        << Map{{"DateTimePicker2", SettingsFile::Binary{std::string(4, '\0')}}}
        << Check([](LottoZahlen &w) { QCOMPARE(w.ui().startDate->date(), QDate(2013, 1, 7)); });
    QTest::newRow("start date out of the picker's range")
        << Map{{"DateTimePicker2", doubleValue(1e300)}}
        << Check([](LottoZahlen &w) { QCOMPARE(w.ui().startDate->date(), QDate(2013, 1, 7)); });
    QTest::newRow("fees and proxy are groups of their own")
        << Map{{"ZWEIPREIS", 1},
               {"EINPREIS", std::string("2,00")},
               {"ProxyHostEdit", std::string("proxy.example")},
               {"ProxyPortEdit", std::string("3128")},
               {"ZahlenServer", std::string("http://zahlen.example:8080/")},
               {"Losnummer", 7}}
        << Check([](LottoZahlen &w) {
               QCOMPARE(w.control<QLineEdit>(QStringLiteral("Edit81"))->text(), QStringLiteral("0,50"));
               QCOMPARE(w.control<QLineEdit>(QStringLiteral("Edit82"))->text(), QStringLiteral("1,00"));
               QCOMPARE(w.ui().proxyHost->text(), QStringLiteral("proxy.example"));
               QCOMPARE(w.ui().proxyPort->text(), QStringLiteral("3128"));
               QCOMPARE(w.ui().server->text(), QStringLiteral("http://zahlen.example:8080/"));
               QCOMPARE(w.replayNumber(), QString());
           });
}

void SettingsTest::restoreRules() {
    QFETCH(Map, stored);
    QFETCH(Check, check);
    TempHome home;
    PromptScript prompts;
    writeSettings(home, stored);
    LottoZahlen window;
    start(window);
    QVERIFY(window.sheet().checkEnabled());
    check(window);
}

void SettingsTest::damagedFileIsKeptAndStartUpGoesOn() {
    TempHome home;
    PromptScript prompts;
    const std::string damaged = R"({"Edit1": "7", "UpDown7": 9, "Chekcbox1": )";
    writeSettings(home, damaged);
    QMap<QString, QString> design;
    {
        LottoZahlen unshown;
        design = snapshot(unshown);
    }
    LottoZahlen window;
    start(window);
    QCOMPARE(snapshot(window), design);

    const QDir folder = QFileInfo(home.settingsFile()).absoluteDir();
    const QStringList kept = folder.entryList({QStringLiteral("Quorix.json.damaged-*")}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(fileBytes(folder.filePath(kept.front())).toStdString(), damaged);

    window.close();
    QCOMPARE(readSettings(home).size(), std::size_t(everySettingName().size()));
    QCOMPARE(fileBytes(folder.filePath(kept.front())).toStdString(), damaged);
}

void SettingsTest::closingMaximisedKeepsTheNormalSize() {
    TempHome home;
    PromptScript prompts;
    QSize normal;
    {
        LottoZahlen probe;
        normal = probe.size() + QSize(37, 23);
    }
    writeSettings(home, Map{{"height", normal.height()}, {"width", normal.width()}});
    LottoZahlen window;
    start(window);
    QCOMPARE(window.size(), normal);
    window.showMaximized();
    QTRY_VERIFY(window.windowState() & Qt::WindowMaximized);
    QTRY_VERIFY(window.size() != normal);
    window.close();
    const Map written = readSettings(home);
    QCOMPARE(written.at("height"), SettingsFile::Value{normal.height()});
    QCOMPARE(written.at("width"), SettingsFile::Value{normal.width()});
    QVERIFY(written.contains("Edit1")); // the rest was written
}

// Every value changed away from its design value, closed, read by a new window.
void SettingsTest::everyValueSurvivesARestart() {
    TempHome home;
    PromptScript prompts;
    QMap<QString, QString> design;
    QMap<QString, QString> changed;
    {
        LottoZahlen window;
        design = snapshot(window);
        start(window);
        for (const StoredControl &stored : storedCheckBoxes()) {
            auto *box = window.control<QCheckBox>(stored.control);
            box->setChecked(!box->isChecked());
        }
        window.ui().wednesday->setChecked(true); // both clear would come back ticked
        for (const StoredControl &stored : storedSpinners()) {
            auto *spin = window.control<QSpinBox>(stored.control);
            spin->setValue(spin->value() != spin->minimum() ? spin->minimum()
                                                            : spin->minimum() + spin->singleStep());
        }
        // Ascending distinct numbers per row, as the tip check leaves a complete row.
        for (int r = 0; r < kTipRowCount; ++r) {
            for (int c = 0; c < kNumbersPerTip; ++c)
                window.sheet().tipField(r, c)->setText(QString::number(1 + 7 * c + r % 7));
            window.sheet().luckyBox(r)->setCurrentText(QString::number(r % 6 + 1));
        }
        buttons(window, "RadioGroup1")->button(2)->setChecked(true);
        buttons(window, "RadioGroup2")->button(1)->setChecked(true);
        window.control<QLineEdit>(QStringLiteral("Edit81"))->setText(QStringLiteral("0,75"));
        window.control<QLineEdit>(QStringLiteral("Edit82"))->setText(QString::fromUtf8("1,40 €"));
        window.ui().proxyHost->setText(QStringLiteral("proxy.example"));
        window.ui().proxyPort->setText(QStringLiteral("3128"));
        window.ui().server->setText(QStringLiteral("http://zahlen.example/"));
        window.ui().startDate->setDate(QDate(2009, 7, 7));
        window.printSettings() = PrintSettings{2, 60, 40};
        window.jokerNumbers().tickets = {JokerTicket{true, {0, 1, 2, 3, 4, 5}},
                                         JokerTicket{false, {9, 8, 7, 6, 5, 4}},
                                         JokerTicket{true, {0, 0, 0, 0, 0, 1}}};
        window.setReplayNumber(QStringLiteral("654321"));
        window.selectLanguage(1);
        // Smaller than designed: the test screen leaves no room for a larger window.
        const QSize other = (window.size() - QSize(41, 29)).expandedTo(window.minimumSizeHint());
        QVERIFY(other != window.size());
        window.resize(other);
        QTRY_COMPARE(window.size(), other);
        changed = snapshot(window);
        window.close();
    }
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        if (it.key() != QStringLiteral("Chekcbox17"))
            QVERIFY2(it.value() != design.value(it.key()), qPrintable(it.key()));
    QCOMPARE(readSettings(home).at("Joker1Zahl"), SettingsFile::Value{std::string("012345")});
    QCOMPARE(readSettings(home).at("DateTimePicker2"), SettingsFile::Value{doubleValue(40001)});

    LottoZahlen window;
    start(window);
    QCOMPARE(snapshot(window), changed);
}

namespace {

struct stat lstatOf(const QString &path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) info.st_mode = 0;
    return info;
}

} // namespace

// A file the program may not read (mode 000) is kept aside as a damaged one is, not overwritten at
// close. As root the store is opened with a file-system user id that has no root rights.
void SettingsTest::unreadableFileIsKeptAside() {
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                  QFile::ExeGroup | QFile::ExeOther));
    const QString folder = dir.filePath(QStringLiteral("config"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = QDir(folder).filePath(QStringLiteral("Quorix.json"));
    const std::string stored = SettingsFile::format(Map{{"UpDown7", 9}}).value();
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(stored.data(), static_cast<qint64>(stored.size()));
    }
    QVERIFY(QFile::setPermissions(path, {}));
    const bool root = ::geteuid() == 0;
    constexpr uid_t kNobody = 65534;
    if (root) {
        QCOMPARE(::chown(QFile::encodeName(folder).constData(), kNobody, kNobody), 0);
        QCOMPARE(::chown(QFile::encodeName(path).constData(), kNobody, kNobody), 0);
        ::setfsuid(kNobody);
        if (::setfsuid(static_cast<uid_t>(-1)) != static_cast<int>(kNobody))
            QSKIP("cannot drop root's rights");
    }
    auto store = std::make_unique<SettingsStore>(path);
    if (root) ::setfsuid(0);

    QVERIFY(!store->integer(QStringLiteral("UpDown7")));
    const QString kept = store->keptDamagedFile();
    QVERIFY2(kept.startsWith(path + QStringLiteral(".damaged-")), qPrintable(kept));
    QCOMPARE(fileBytes(kept).toStdString(), stored);
    QCOMPARE(lstatOf(kept).st_mode & 07777U, 0U); // kept as it was
    store->setInteger(QStringLiteral("UpDown7"), 5);
    QVERIFY2(store->save(), qPrintable(store->saveError()));
    QCOMPARE(fileBytes(path).toStdString(), SettingsFile::format(Map{{"UpDown7", 5}}).value());
    QCOMPARE(fileBytes(kept).toStdString(), stored);
}

// A link in the settings file's place is read through when it leads to a file, and replaced by a
// file of our own at close: its target is neither written nor re-moded, and a link to nothing
// gets no target.
void SettingsTest::aLinkInItsPlaceIsReplacedNotWrittenThrough() {
    struct Case {
        const char *what;
        const char *target; // relative: a file beside the home; absolute: as it is
        bool targetIsSettings;
        int upDown7; // what the window shows
    };
    const Case cases[] = {
        {"link to a settings file", "elsewhere.json", true, 9},
        {"dangling link", "nowhere.json", false, 50},
        {"link to /dev/zero", "/dev/zero", false, 50},
    };
    for (const Case &c : cases) {
        TempHome home;
        PromptScript prompts;
        home.writeDraws({makeDraw("2024-03-02", {1, 9, 14, 22, 30, 41})}); // no box about a missing history
        const QString target = QDir::isAbsolutePath(QString::fromLatin1(c.target))
                                   ? QString::fromLatin1(c.target)
                                   : QDir(home.path()).filePath(QString::fromLatin1(c.target));
        const std::string stored = SettingsFile::format(Map{{"UpDown7", 9}}).value();
        if (c.targetIsSettings) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(stored.data(), static_cast<qint64>(stored.size()));
            file.close();
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                      QFile::ReadOther));
        }
        QVERIFY(QDir().mkpath(QFileInfo(home.settingsFile()).absolutePath()));
        QVERIFY(QFile::link(target, home.settingsFile()));
        {
            LottoZahlen window;
            start(window);
            QCOMPARE(window.control<QSpinBox>(QStringLiteral("UpDown7"))->value(), c.upDown7);
            window.close();
        }
        QVERIFY2(prompts.asked().empty(), c.what);
        const struct stat written = lstatOf(home.settingsFile());
        QVERIFY2(S_ISREG(written.st_mode), c.what);
        QCOMPARE(written.st_mode & 0777U, 0600U);
        QCOMPARE(readSettings(home).size(), std::size_t(everySettingName().size()));
        if (c.targetIsSettings) {
            QCOMPARE(fileBytes(target).toStdString(), stored);
            QCOMPARE(lstatOf(target).st_mode & 0777U, 0644U);
        } else if (!QDir::isAbsolutePath(QString::fromLatin1(c.target))) {
            QVERIFY2(!QFileInfo::exists(target), c.what);
        }
    }
}

// A folder or FIFO in the settings file's place (or a file where its folder should be) is not
// ours: start-up neither blocks nor changes it, and the save that cannot be made is said.
void SettingsTest::somethingElseInItsPlaceIsLeftAndTheFailedSaveSaid() {
    enum class Plant { Folder, Fifo, FileAsFolder };
    const std::pair<const char *, Plant> cases[] = {{"folder", Plant::Folder},
                                                    {"FIFO", Plant::Fifo},
                                                    {"a file where the folder goes", Plant::FileAsFolder}};
    for (const auto &[what, plant] : cases) {
        TempHome home;
        PromptScript prompts;
        home.writeDraws({makeDraw("2024-03-02", {1, 9, 14, 22, 30, 41})});
        const QString path = home.settingsFile();
        const QString folder = QFileInfo(path).absolutePath();
        QString planted = path;
        switch (plant) {
        case Plant::Folder:
            QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                    QFile::ReadOther | QFile::ExeOther));
            break;
        case Plant::Fifo:
            QVERIFY(QDir().mkpath(folder));
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0604), 0);
            break;
        case Plant::FileAsFolder: {
            QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
            planted = folder;
            break;
        }
        }
        const struct stat before = lstatOf(planted);
        {
            LottoZahlen window;
            start(window);
            QCOMPARE(window.control<QSpinBox>(QStringLiteral("UpDown7"))->value(), 50);
            QVERIFY2(prompts.asked().empty(), what);
            window.close();
            const QString prefix = window.message(Msg::SettingsNotSaved).section(QStringLiteral("%1"), 0, 0);
            QVERIFY(!prefix.isEmpty());
            QCOMPARE(prompts.asked().size(), std::size_t{1});
            QCOMPARE(prompts.asked().front().kind, Prompts::Kind::Message);
            const QString text = prompts.asked().front().text;
            QVERIFY2(text.startsWith(prefix) && text.contains(folder), qPrintable(text));
        }
        const struct stat after = lstatOf(planted);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
        if (plant == Plant::Folder) QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());
    }
}

// A size beyond the screen (2147483647 made a window of 32767 pixels and gigabytes of backing
// store) is cut to the screen's available area; the window's least size still wins (the test
// screen is narrower than that).
void SettingsTest::storedSizeIsCutToTheScreen() {
    TempHome home;
    PromptScript prompts;
    constexpr int kHuge = std::numeric_limits<int>::max();
    writeSettings(home, Map{{"height", kHuge}, {"width", kHuge}});
    LottoZahlen window;
    start(window);
    const QSize largest = window.screen()->availableGeometry().size().expandedTo(window.minimumSizeHint());
    QVERIFY2(window.width() <= largest.width() && window.height() <= largest.height(),
             qPrintable(QStringLiteral("%1x%2").arg(window.width()).arg(window.height())));
    window.close();
    QVERIFY(std::get<std::int32_t>(readSettings(home).at("width")) <= largest.width());
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
