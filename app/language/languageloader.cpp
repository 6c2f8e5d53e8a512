#include "app/language/languageloader.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include "app/language/messagetable.h"
#include "app/language/qttranslations.h"
#include "app/widgets/prompts.h"
#include "app/platform/textfile.h"
#include "core/base/atomicfile.h"
#include "core/text/languagefile.h"

namespace quorix {

namespace {

constexpr char kBaseFile[] = "land/bezeichch.txt";
// What the window's controls carry when the language files must leave their text alone.
constexpr char kTagProperty[] = "Tag";

enum class Kind {
    None,
    MenuItem,
    Label,
    Panel,
    Button,
    CheckBox,
    RadioButton,
    TabSheet,
    OptionGroup,
    EditField,
    Window
};

// One translatable thing of a window: a control, a menu item or the window itself.
struct Component {
    QString window;
    QString name;
    QObject *object;
    Kind kind;
};

// A tab sheet is the page widget of a tab control (inside its stack).
QTabWidget *tabControlOf(const QWidget *page) {
    const auto *stack = qobject_cast<const QStackedWidget *>(page->parentWidget());
    return stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
}

Kind kindOf(QObject *object, const QWidget *window) {
    if (qobject_cast<QAction *>(object)) return Kind::MenuItem;
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget) return Kind::None;
    if (widget == window) return Kind::Window;
    if (tabControlOf(widget)) return Kind::TabSheet;
    if (qobject_cast<QLabel *>(widget)) return Kind::Label;
    if (qobject_cast<QCheckBox *>(widget)) return Kind::CheckBox;
    if (qobject_cast<QRadioButton *>(widget)) return Kind::RadioButton;
    if (qobject_cast<QPushButton *>(widget) || qobject_cast<QToolButton *>(widget)) return Kind::Button;
    if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QSpinBox *>(widget)) return Kind::EditField;
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        return group->findChild<QButtonGroup *>() || group->findChild<QRadioButton *>() ? Kind::OptionGroup
                                                                                        : Kind::Panel;
    if (widget->metaObject() == &QFrame::staticMetaObject) return Kind::Panel;
    return Kind::None;
}

int tagOf(const QObject *object) {
    return object->property(kTagProperty).toInt();
}

// The menu items in the order the menu was built: each submenu's own item before its items.
void addMenuItems(const QList<QAction *> &actions, const QString &window, std::vector<Component> &out) {
    for (QAction *action : actions) {
        if (QMenu *menu = action->menu()) {
            out.push_back({window, menu->objectName(), action, Kind::MenuItem});
            addMenuItems(menu->actions(), window, out);
        } else if (!action->objectName().isEmpty()) {
            out.push_back({window, action->objectName(), action, Kind::MenuItem});
        }
    }
}

// Every window in creation order, each with its components in creation order: the main window
// (itself, its menu, then its controls as they were built), then the registered dialogs (each
// itself, then its named widgets).
std::vector<Component> enumerateComponents(const LanguageLoader::Windows &windows) {
    std::vector<Component> out;
    QMainWindow &main = *windows.main;
    const QString mainName = main.objectName();
    out.push_back({mainName, mainName, &main, Kind::Window});
    addMenuItems(main.menuBar()->actions(), mainName, out);
    // A control registered under a second name (a spin field's spinner, the computation's tab
    // control as its page) is the control of its object name.
    for (const NamedControl &control : *windows.controls) {
        if (control.name == control.widget->objectName())
            out.push_back({mainName, control.name, control.widget, kindOf(control.widget, &main)});
    }
    for (QWidget *dialog : *windows.dialogs) {
        const QString name = dialog->objectName();
        out.push_back({name, name, dialog, Kind::Window});
        for (QWidget *child : dialog->findChildren<QWidget *>()) {
            if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
                out.push_back({name, child->objectName(), child, kindOf(child, dialog)});
        }
    }
    return out;
}

QString captionOf(const Component &c) {
    switch (c.kind) {
    case Kind::MenuItem:
        return static_cast<QAction *>(c.object)->text();
    case Kind::Label:
        return static_cast<QLabel *>(c.object)->text();
    case Kind::Panel:
    case Kind::OptionGroup:
        if (auto *group = qobject_cast<QGroupBox *>(c.object)) return group->title();
        return {};
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::RadioButton:
        return static_cast<QAbstractButton *>(c.object)->text();
    case Kind::TabSheet: {
        auto *page = static_cast<QWidget *>(c.object);
        QTabWidget *tabs = tabControlOf(page);
        return tabs->tabText(tabs->indexOf(page));
    }
    case Kind::Window:
        return static_cast<QWidget *>(c.object)->windowTitle();
    case Kind::EditField:
    case Kind::None:
        break;
    }
    return {};
}

QString hintOf(const Component &c) {
    if (c.kind == Kind::MenuItem) return static_cast<QAction *>(c.object)->statusTip();
    if (c.kind == Kind::TabSheet) {
        auto *page = static_cast<QWidget *>(c.object);
        QTabWidget *tabs = tabControlOf(page);
        return tabs->tabToolTip(tabs->indexOf(page));
    }
    return static_cast<QWidget *>(c.object)->toolTip();
}

void setCaption(const Component &c, const QString &text) {
    switch (c.kind) {
    case Kind::MenuItem:
        static_cast<QAction *>(c.object)->setText(text);
        break;
    case Kind::Label:
        static_cast<QLabel *>(c.object)->setText(text);
        break;
    case Kind::Panel:
    case Kind::OptionGroup:
        if (auto *group = qobject_cast<QGroupBox *>(c.object)) group->setTitle(text);
        break;
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::RadioButton:
        static_cast<QAbstractButton *>(c.object)->setText(text);
        break;
    case Kind::TabSheet: {
        auto *page = static_cast<QWidget *>(c.object);
        QTabWidget *tabs = tabControlOf(page);
        tabs->setTabText(tabs->indexOf(page), text);
        break;
    }
    case Kind::Window:
        static_cast<QWidget *>(c.object)->setWindowTitle(text);
        break;
    case Kind::EditField:
    case Kind::None:
        break;
    }
}

// The hint shows in the status bar when the mouse is over the control.
void setHint(const Component &c, const QString &text) {
    if (c.kind == Kind::MenuItem) {
        auto *action = static_cast<QAction *>(c.object);
        action->setStatusTip(text);
        action->setToolTip(text);
    } else if (c.kind == Kind::TabSheet) {
        auto *page = static_cast<QWidget *>(c.object);
        QTabWidget *tabs = tabControlOf(page);
        tabs->setTabToolTip(tabs->indexOf(page), text);
    } else {
        static_cast<QWidget *>(c.object)->setToolTip(text);
    }
}

QString fromUtf8(const std::string &text) {
    return QString::fromStdString(text);
}

// The texts of one base entry, or of the translation's entry of the same index.
struct EntryTexts {
    QString caption;
    QString hint;
    std::optional<std::string> charset; // only in base mode
};

std::optional<EntryTexts> textsFor(std::size_t k, const std::vector<BaseEntry> &base,
                                   const std::optional<std::vector<TranslationEntry>> &translation) {
    if (!translation) return EntryTexts{fromUtf8(base[k].caption), fromUtf8(base[k].hint), base[k].charset};
    // A translation shorter than the base file has nothing for this entry.
    if (k >= translation->size()) return std::nullopt;
    return EntryTexts{fromUtf8((*translation)[k].caption), fromUtf8((*translation)[k].hint), std::nullopt};
}

void applyTexts(const Component &c, const EntryTexts &texts) {
    if (c.kind != Kind::EditField) setCaption(c, texts.caption);
    setHint(c, texts.hint);
    if (c.kind == Kind::MenuItem || !texts.charset) return;
    // Qt picks glyphs by Unicode, so the character set selects nothing; it is only kept. A line
    // that is no number ends the component, and nothing comes after it.
    if (const std::optional<int> charset = parseCharset(*texts.charset))
        c.object->setProperty("Charset", *charset);
}

// A base file is a few dozen kilobytes, a translation in UTF-16 twice that: 4 MiB only stops
// files nobody wrote by hand.
constexpr std::size_t kMaxLanguageFileBytes = std::size_t{4} << 20;

// The lines of a language file; `read` says why there are none.
std::optional<std::vector<std::string>> readLanguageFile(const QString &path, TextFileRead &read) {
    std::string bytes;
    read = readWholeFile(path, kMaxLanguageFileBytes, bytes);
    if (!read) return std::nullopt;
    return decodeLanguageFile(bytes);
}

// The items of an option group, named "<group>Item<n>", get the lines of its item file in
// order. The items are fixed settings, so a file's extra lines add none and a short file leaves
// the rest as they are.
TextFileRead loadOptionItems(const LanguageLoader::Windows &windows, const QString &group,
                             const QString &path) {
    QWidget *box = windows.control(group);
    if (!box) return {};
    TextFileRead read = readTextLines(path, kMessageFileLimits);
    for (int i = 0; i < read.lines.size(); ++i) {
        auto *item = box->findChild<QRadioButton *>(group + QStringLiteral("Item") + QString::number(i));
        if (!item) break;
        item->setText(read.lines.at(i));
    }
    return read;
}

// Kept on one line each: a line break would shift every following entry of the file.
QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

bool notANumber(const QString &text) {
    return !isDecimalNumber(text.toStdString());
}

// The caption and hint written for a component, nullopt when it does not qualify.
std::optional<std::pair<QString, QString>> exportedTexts(const Component &c) {
    const QString caption = captionOf(c);
    const QString hint = hintOf(c);
    const bool someText = !caption.isEmpty() || !hint.isEmpty();
    bool qualifies = false;
    switch (c.kind) {
    case Kind::MenuItem:
        qualifies = static_cast<QAction *>(c.object)->isVisible();
        break;
    case Kind::Label:
        qualifies = someText && tagOf(c.object) == 0 && notANumber(caption);
        break;
    case Kind::Panel:
    case Kind::Button:
    case Kind::Window:
        qualifies = someText;
        break;
    case Kind::CheckBox:
        qualifies = someText && notANumber(caption);
        break;
    case Kind::RadioButton:
    case Kind::TabSheet:
    case Kind::OptionGroup:
        qualifies = true;
        break;
    case Kind::EditField:
        if (!hint.isEmpty() && notANumber(hint)) return std::pair{hint, hint};
        break;
    case Kind::None:
        break;
    }
    if (!qualifies) return std::nullopt;
    return std::pair{caption, hint};
}

bool writeFile(const QString &path, const QByteArray &bytes, QString &error) {
    const Result<void> written =
        writeAtomically(QFile::encodeName(path).toStdString(),
                        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!written) error = path + QStringLiteral(": ") + QString::fromStdString(written.error().reason);
    return bool(written);
}

QByteArray utf16LittleEndianWithBom(const QString &text) {
    QByteArray bytes("\xFF\xFE", 2);
    bytes.reserve(2 + 2 * text.size());
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        bytes.append(static_cast<char>(unit & 0xFF));
        bytes.append(static_cast<char>(unit >> 8));
    }
    return bytes;
}

} // namespace

QString languageCode(int index) {
    static constexpr const char *kCodes[] = {"de", "en", "fr", "sp", "tr", "ru", "nl", "cz", "pl", "it"};
    if (index < 0 || index >= static_cast<int>(std::size(kCodes))) return {};
    return QString::fromLatin1(kCodes[index]);
}

LanguageLoader::LanguageLoader(const Windows &windows, const Menu &menu, MessageTable &messages,
                               ProgramFolder programFolder, StatusText status)
    : QObject(windows.main)
    , m_windows(windows)
    , m_menu(menu)
    , m_messages(messages)
    , m_programFolder(std::move(programFolder))
    , m_status(std::move(status)) {
    for (int index = 0; index < kLanguageCount; ++index)
        if (QAction *item = m_menu.languages.at(static_cast<std::size_t>(index)))
            connect(item, &QAction::triggered, this, [this, index] { chooseLanguage(index); });
    if (m_menu.exportItem)
        connect(m_menu.exportItem, &QAction::triggered, this, &LanguageLoader::exportTexts);
}

bool LanguageLoader::selectLanguage(int index) {
    if (languageCode(index).isEmpty()) {
        // No language: the design texts stay and no item is ticked.
        m_language = index;
        tickLanguage(index);
        return false;
    }
    return languageCommand(index);
}

bool LanguageLoader::languageCommand(int index) {
    const bool messagesRead =
        loadTexts(QDir(m_programFolder()).filePath(QString::fromLatin1(kBaseFile)), languageCode(index));
    // Qt's own buttons and dialogs ("Yes", "Cancel", the file dialog) follow; Qt spells two of
    // the codes differently. Without a catalogue they speak English.
    QString qtCode = languageCode(index);
    if (qtCode == QStringLiteral("sp")) qtCode = QStringLiteral("es");
    if (qtCode == QStringLiteral("cz")) qtCode = QStringLiteral("cs");
    installQtTranslations(*QCoreApplication::instance(), qtCode);
    m_language = index;
    tickLanguage(index);
    return messagesRead;
}

void LanguageLoader::tickLanguage(int index) {
    for (int i = 0; i < kLanguageCount; ++i)
        if (QAction *item = m_menu.languages.at(static_cast<std::size_t>(i))) item->setChecked(i == index);
}

// Switched from the menu, a missing message file is worth a word in the status bar, as at start-up.
void LanguageLoader::chooseLanguage(int index) {
    reportMessageFile(languageCommand(index));
}

// The program holds no message text of its own: without a complete message file many captions,
// titles and questions stay empty. Say so once, in technical terms, and go on. A language file
// that is there but refused (a folder, a FIFO, a device, beyond its size limit) is named with
// the reason, in the language where the message table has the words.
void LanguageLoader::reportMessageFile(bool read) {
    if (!m_languageFileProblem.isEmpty()) {
        m_status(1, m_languageFileProblem);
        return;
    }
    if (read && m_messages.size() >= kMessageCount) return;
    const QString path = MessageTable::pathFor(m_programFolder(), languageCode(m_language));
    m_status(1, !read ? m_messages.unreadText(path, m_messages.lastRead())
                      : QStringLiteral("%1: %2 of %3 lines")
                            .arg(QDir::toNativeSeparators(path))
                            .arg(m_messages.size())
                            .arg(kMessageCount));
}

// A file of the language that is there but cannot be read (a folder, a device, too large) is
// said in the status bar; a missing translation or item file only means the base texts stay.
bool LanguageLoader::loadTexts(const QString &basePath, const QString &code) {
    m_languageFileProblem.clear();
    // The first file refused, said once the language's messages are there to say it.
    QString problemPath;
    TextFileRead problem;
    const auto note = [&](const QString &path, const TextFileRead &read) {
        if (!read && read.status != TextFileRead::Status::Missing && problemPath.isEmpty()) {
            problemPath = path;
            problem = read;
        }
    };
    TextFileRead read;
    const std::optional<std::vector<std::string>> baseLines = readLanguageFile(basePath, read);
    if (!baseLines) {
        m_languageFileProblem = m_messages.unreadText(basePath, read);
        return false;
    }
    const std::vector<BaseEntry> base = parseBaseEntries(*baseLines);
    std::optional<std::vector<TranslationEntry>> translation;
    const QString translationPath = basePath + QLatin1Char('.') + code;
    if (auto lines = readLanguageFile(translationPath, read)) translation = parseTranslationEntries(*lines);
    note(translationPath, read);

    std::size_t cursor = 0;
    for (const Component &component : enumerateComponents(m_windows)) {
        if (component.kind == Kind::None || tagOf(component.object) != 0) continue;
        const auto k =
            findBaseEntry(base, cursor, component.window.toStdString(), component.name.toStdString());
        if (!k) continue;
        cursor = *k;
        if (const std::optional<EntryTexts> texts = textsFor(*k, base, translation))
            applyTexts(component, *texts);
    }

    const QDir land = QFileInfo(basePath).dir();
    for (int group = 1; group <= 3; ++group) {
        const QString itemPath = land.filePath(QStringLiteral("Radio%1.txt.").arg(group) + code);
        note(itemPath, loadOptionItems(m_windows, QStringLiteral("RadioGroup%1").arg(group), itemPath));
    }
    const bool messagesRead = m_messages.load(land.filePath(QStringLiteral("meldungen.txt.") + code));
    if (!problemPath.isEmpty()) m_languageFileProblem = m_messages.unreadText(problemPath, problem);

    // Texts built from messages follow the language at once.
    Q_EMIT languageChanged();
    return messagesRead;
}

void LanguageLoader::exportTexts() {
    QString path;
    const QString folder = m_programFolder();
    if (m_chooseFile) {
        path = m_chooseFile(true, QDir(folder).filePath(QString::fromLatin1(kBaseFile)));
    } else {
        QFileDialog dialog(m_windows.main, QString(), folder, QStringLiteral("Textdatei (*.txt)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().constFirst();
    }
    if (path.isEmpty()) return;

    // Written in the platform's code page, which is UTF-8 here, with CR LF.
    const QString lineEnd = QStringLiteral("\r\n");
    QString baseText;
    QString templateText;
    for (const Component &component : enumerateComponents(m_windows)) {
        const auto texts = exportedTexts(component);
        if (!texts) continue;
        const QString caption = oneLine(texts->first);
        const QString hint = oneLine(texts->second);
        for (const QString &line : {component.window, component.name, caption, hint, QStringLiteral("1")})
            baseText += line + lineEnd;
        templateText += caption + lineEnd + hint + lineEnd;
    }
    QString error;
    if (!writeFile(path, baseText.toUtf8(), error) ||
        !writeFile(path + QStringLiteral(".trans"), utf16LittleEndianWithBom(templateText), error))
        Prompts::message(m_windows.main, m_windows.main->windowTitle(), error);
}

} // namespace quorix
