#include "app/online/scriptchoicedialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/widgets/uihelpers.h"
#include "output/clickscript.h"

namespace quorix {

using namespace Qt::StringLiterals;

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit *makeField(QWidget *parent, const char *name) {
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

ScriptChoiceDialog::ScriptChoiceDialog(QWidget *parent)
    : QDialog(parent) {
    // The language files know the dialog by its design name.
    setObjectName(u"Scriptwahl"_s);
    setWindowTitle(u"Script für Zahlenübergabe auswählen!"_s);

    auto *scriptLabel = makeLabel(this, "Label1", u"Sorvanis Click-Script File"_s);
    m_script = new QComboBox(this);
    m_script->setObjectName(u"ComboBox1"_s);
    m_script->setEditable(true);
    m_script->setInsertPolicy(QComboBox::NoInsert);
    m_script->setMinimumContentsLength(40);
    m_script->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    scriptLabel->setBuddy(m_script);
    m_browse = new QToolButton(this);
    m_browse->setObjectName(u"SpeedButton1"_s);
    m_browse->setText(u"..."_s);
    auto *scriptRow = new QHBoxLayout;
    scriptRow->addWidget(m_script, 1);
    scriptRow->addWidget(m_browse);

    auto *parameters = new QGroupBox(u"Parameter "_s, this);
    parameters->setObjectName(u"GroupBox1"_s);
    auto *grid = new QGridLayout(parameters);
    const auto addRow = [&](int row, const char *labelName, const QString &caption, QLineEdit *field) {
        QLabel *label = makeLabel(parameters, labelName, caption);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
    };
    m_zahl1 = makeField(parameters, "Edit1");
    m_zahl2 = makeField(parameters, "Edit2");
    m_text1 = makeField(parameters, "Edit3");
    m_text2 = makeField(parameters, "Edit4");
    addRow(0, "Label2", u"ZAHL1"_s, m_zahl1);
    addRow(1, "Label3", u"ZAHL2"_s, m_zahl2);
    addRow(2, "Label4", u"TEXT1"_s, m_text1);
    addRow(3, "Label5", u"TEXT2"_s, m_text2);

    m_cancel = makeButton(this, "BitBtn2", u"Abbrechen"_s);
    m_ok = makeButton(this, "BitBtn1", u"OK"_s);
    m_ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_ok);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scriptLabel);
    layout->addLayout(scriptRow);
    layout->addWidget(parameters);
    layout->addLayout(buttons);

    connect(m_browse, &QToolButton::clicked, this, &ScriptChoiceDialog::browse);
    connect(m_ok, &QPushButton::clicked, this, &ScriptChoiceDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &ScriptChoiceDialog::reject);
}

void ScriptChoiceDialog::setValues(const Values &values) {
    m_script->setEditText(values.script);
    m_zahl1->setText(values.zahl1);
    m_text1->setText(values.text1);
    m_zahl2->setText(values.zahl2);
    m_text2->setText(values.text2);
}

ScriptChoiceDialog::Values ScriptChoiceDialog::values() const {
    return {m_script->currentText(), m_zahl1->text(), m_text1->text(), m_zahl2->text(), m_text2->text()};
}

void ScriptChoiceDialog::showEvent(QShowEvent *event) {
    listScripts();
    QDialog::showEvent(event);
}

// The list is made anew on each showing, so scripts added meanwhile appear. With no script
// chosen yet the last one listed is proposed.
void ScriptChoiceDialog::listScripts() {
    QString chosen = m_script->currentText();
    m_script->clear();
    const QDir folder(m_folder);
    const QFileInfoList files =
        m_folder.isEmpty() ? QFileInfoList()
                           : folder.entryInfoList({u"*."_s + QString::fromLatin1(ClickScript::kExtension)},
                                                  QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo &file : files)
        m_script->addItem(file.absoluteFilePath());
    if (chosen.isEmpty() && !files.isEmpty()) chosen = files.constLast().absoluteFilePath();
    m_script->setEditText(chosen);
}

void ScriptChoiceDialog::browse() {
    QString chosen;
    if (m_chooseFile) {
        chosen = m_chooseFile(m_folder);
    } else {
        QFileDialog dialog(this, QString(), m_folder, u"Sorvanis Click Script (*.zqs)"_s);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QString::fromLatin1(ClickScript::kExtension));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    if (!chosen.isEmpty()) m_script->setEditText(chosen);
}

void ScriptChoiceDialog::accept() {
    // The download waits in a local event loop: a second OK meanwhile must not start another.
    if (m_updating) return;
    m_updating = true;
    m_ok->setEnabled(false);
    m_cancel->setEnabled(false);
    {
        const WaitCursor wait;
        ScriptUpdate::run(m_script->currentText(), m_updateBase, m_fetcher);
    }
    m_ok->setEnabled(true);
    m_cancel->setEnabled(true);
    m_updating = false;
    QDialog::accept();
}

void ScriptChoiceDialog::done(int result) {
    if (m_updating) return;
    for (QLineEdit *number : {m_zahl1, m_zahl2})
        if (number->text().isEmpty()) number->setText(u"0"_s);
    QDialog::done(result);
}

} // namespace quorix
