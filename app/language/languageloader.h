#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QObject>
#include <QString>

#include "app/widgets/namedcontrol.h"

class QAction;
class QMainWindow;
class QWidget;

namespace quorix {

class MessageTable;

// The code of language index 0..9 ("de", "en", ...), empty for any other index.
QString languageCode(int index);

// The interface language: the menu "Sprache/Language/Langue", loading the captions, hints,
// option items and messages of a language from the files in land/, and the translator template
// written from the texts the windows show. It finds the window's controls by their names: that
// is what the language files key on.
class LanguageLoader final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LanguageLoader)

public:
    static constexpr int kLanguageCount = 10;

    // What the loader reaches of the windows: the main window with its menu, its named controls
    // in creation order, the lookup of a control by name (the option groups), and the dialogs
    // in the order they were created.
    struct Windows {
        QMainWindow *main = nullptr;
        const std::vector<NamedControl> *controls = nullptr;
        std::function<QWidget *(const QString &name)> control;
        const std::vector<QWidget *> *dialogs = nullptr;
    };
    // The menu items by language index, and "Export".
    struct Menu {
        std::array<QAction *, kLanguageCount> languages{};
        QAction *exportItem = nullptr;
    };
    using ProgramFolder = std::function<QString()>;
    using StatusText = std::function<void(int panel, const QString &text)>;
    using FileChooser = std::function<QString(bool save, const QString &proposedPath)>;

    // `messages` is the window's table, which a load fills in place.
    LanguageLoader(const Windows &windows, const Menu &menu, MessageTable &messages,
                   ProgramFolder programFolder, StatusText status);

    // The language: index 0..9 as the settings store keeps it. Selecting one loads its texts,
    // ticks its menu item and answers whether its message file was read; an index outside 0..9
    // loads nothing and is kept as it is.
    int languageIndex() const { return m_language; }
    bool selectLanguage(int index);
    // DateiLaden1Click: loads the texts of a language from the base file at basePath and its
    // neighbours in land/; answers whether the language's message file was read.
    bool loadTexts(const QString &basePath, const QString &code);
    // Says in the status bar what the last load could not read, or that the message file was
    // incomplete; nothing when all was well.
    void reportMessageFile(bool read);
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

public Q_SLOTS:
    // Deutsch1Click .. Italienisch1Click: the language of the menu item, with a word in the
    // status bar on a missing message file.
    void chooseLanguage(int index);
    // Export1Click: writes the translator template, a base file of the current texts and its
    // ".trans".
    void exportTexts();

Q_SIGNALS:
    // A language was loaded: texts built from messages are to be built anew.
    void languageChanged();

private:
    bool languageCommand(int index);
    void tickLanguage(int index);

    Windows m_windows;
    Menu m_menu;
    MessageTable &m_messages;
    ProgramFolder m_programFolder;
    StatusText m_status;
    FileChooser m_chooseFile;
    int m_language = 0;
    // The language file the last load could not read, and why (status bar text); empty when none.
    QString m_languageFileProblem;
};

} // namespace quorix
