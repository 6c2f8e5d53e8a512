#pragma once

#include <functional>

#include <QDialog>
#include <QString>

#include "app/online/scriptupdate.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quorix {

// The script choice "Script für Zahlenübergabe auswählen!": the click script (an editable list of
// the scripts in the program's "Script" folder, with a file dialog beside it) and the four free
// values ZAHL1, ZAHL2, TEXT1 and TEXT2 handed to the automation program. The main window keeps one
// for the whole run. OK first tries to bring the chosen script up to date from the product's web
// site; closing either way turns an empty ZAHL1 or ZAHL2 into "0".
class ScriptChoiceDialog final : public QDialog {
    Q_OBJECT

public:
    explicit ScriptChoiceDialog(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ScriptChoiceDialog)

    struct Values {
        QString script;
        QString zahl1;
        QString text1;
        QString zahl2;
        QString text2;
    };
    void setValues(const Values &values);
    Values values() const;

    // The folder listed on showing and where the file dialog starts.
    void setScriptFolder(const QString &folder) { m_folder = folder; }
    // The product's web site the script update asks; none: no update.
    void setUpdateBase(const QString &base) { m_updateBase = base; }
    void setFetcher(ScriptFetcher fetcher) { m_fetcher = std::move(fetcher); }
    // The file dialog: called with the starting folder, answers the chosen file, empty when
    // cancelled. Without one the dialog shows its own.
    using FileChooser = std::function<QString(const QString &folder)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    QComboBox *scriptBox() const { return m_script; }
    QToolButton *browseButton() const { return m_browse; }
    QLineEdit *zahl1Field() const { return m_zahl1; }
    QLineEdit *zahl2Field() const { return m_zahl2; }
    QLineEdit *text1Field() const { return m_text1; }
    QLineEdit *text2Field() const { return m_text2; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    void accept() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void listScripts();
    void browse();

    QComboBox *m_script = nullptr;
    QToolButton *m_browse = nullptr;
    QLineEdit *m_zahl1 = nullptr;
    QLineEdit *m_zahl2 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QString m_folder;
    QString m_updateBase;
    ScriptFetcher m_fetcher;
    FileChooser m_chooseFile;
    bool m_updating = false;
};

} // namespace quorix
