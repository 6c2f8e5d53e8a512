// The tip sheet's files: saving and loading tip files, and the tip list shown in the viewer.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QUrl>

#include "app/mainwindow/mainwindow.h"
#include "app/widgets/prompts.h"
#include "app/widgets/uihelpers.h"
#include "output/tipfile.h"

namespace quorix {

namespace {

constexpr char kListProduct[] = "Quorix www.sorvani.example";

std::filesystem::path localPath(const QString &path) {
    return std::filesystem::path(path.toStdString());
}

} // namespace

QString LottoZahlen::chooseTipFile(bool save, const QString &proposedName) {
    const QString proposed = QDir(m_programFolder).filePath(proposedName);
    if (m_chooseFile) return m_chooseFile(save, proposed);
    // The dialog is made for this call, so no other operation's filter is left behind.
    QFileDialog dialog(this, QString(), m_programFolder, QStringLiteral("Tippdatei (*.zqt)"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromLatin1(TipFile::kExtension));
    if (save) dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void LottoZahlen::openDocument(const QString &path) {
    if (m_openDocument) {
        m_openDocument(path);
        return;
    }
    // A viewer that cannot be started is not reported.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void LottoZahlen::SpeedButton15Click() {
    const std::string proposed =
        TipFile::proposedName(serialFromDate(m_ui.endDate->date()), serialFromDate(QDate::currentDate()));
    QString path = chooseTipFile(true, QString::fromStdString(proposed));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".") + QString::fromLatin1(TipFile::kExtension);
    if (const Result<void> written = TipFile::write(localPath(path), tipSheet()); !written)
        Prompts::message(this, windowTitle(), QString::fromStdString(written.error().message));
}

void LottoZahlen::SpeedButton16Click() {
    const QString path = chooseTipFile(false, QString());
    if (!path.isEmpty()) Textladen(path);
    SpeedButton5Click();
}

bool LottoZahlen::Textladen(const QString &path) {
    const Result<TipSheet> read = TipFile::read(localPath(path));
    if (!read) {
        Prompts::message(this, windowTitle(), QString::fromStdString(read.error().message));
        return false;
    }
    SpeedButton11Click();
    for (std::size_t r = 0; r < m_fields.size(); ++r) {
        const TipRow &row = read->rows[r];
        // Each field normalises the text it is given.
        for (std::size_t c = 0; c < row.numbers.size(); ++c)
            m_fields[r][c]->setText(QString::fromStdString(row.numbers[c]));
        m_lucky[r]->setCurrentText(QString::fromStdString(row.lucky));
    }
    return true;
}

void LottoZahlen::BitBtn7Click() {
    // Without a draw in the history the end date stands for the shown draw's date.
    const DaySerial shown =
        currentDraw().date != 0 ? currentDraw().date : serialFromDate(m_ui.endDate->date());
    const DaySerial next =
        TipList::nextDrawDate(shown, m_ui.saturday->isChecked(), m_ui.wednesday->isChecked());
    const QString weekday = QLocale::system().dayName(dateFromSerial(next).dayOfWeek(), QLocale::LongFormat);
    const std::string title = TipList::title(kListProduct, next, weekday.toStdString());
    const Result<std::vector<std::string>> lines =
        TipList::lines(tipSheet(), title, message(Msg::TipWord).toStdString());
    if (!lines) {
        Prompts::message(this, windowTitle(), QString::fromStdString(lines.error().message));
        return;
    }
    const QString path = QDir(m_programFolder).filePath(QString::fromLatin1(TipList::kFileName));
    if (const Result<void> written = TipList::write(localPath(path), *lines); !written) {
        Prompts::message(this, windowTitle(), QString::fromStdString(written.error().message));
        return;
    }
    openDocument(path);
}

} // namespace quorix
