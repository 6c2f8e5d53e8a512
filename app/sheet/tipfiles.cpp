#include "app/language/errortext.h"
#include "app/sheet/tipfiles.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>

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

TipFiles::TipFiles(const MessageTable &messages, Today today, TipFileSources sources, QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_today(std::move(today))
    , m_sources(std::move(sources)) {}

void TipFiles::showError(const QString &text) {
    QWidget *parent = m_sources.parent;
    Prompts::message(parent, parent ? parent->windowTitle() : QString(), text);
}

QString TipFiles::chooseTipFile(bool save, const QString &proposedName) {
    const QString proposed = QDir(folder()).filePath(proposedName);
    if (m_chooseFile) return m_chooseFile(save, proposed);
    // The dialog is made for this call, so no other operation's filter is left behind.
    QFileDialog dialog(m_sources.parent, QString(), folder(), QStringLiteral("Tippdatei (*.zqt)"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromLatin1(TipFile::kExtension));
    if (save) dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void TipFiles::save() {
    const std::string proposed = TipFile::proposedName(m_sources.endDate(), m_today());
    QString path = chooseTipFile(true, QString::fromStdString(proposed));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".") + QString::fromLatin1(TipFile::kExtension);
    if (const Result<void> written = TipFile::write(localPath(path), m_sources.sheet()); !written)
        showError(errorText(m_messages, written.error()));
}

void TipFiles::open() {
    const QString path = chooseTipFile(false, QString());
    if (!path.isEmpty()) load(path);
    if (m_sources.evaluate) m_sources.evaluate();
}

bool TipFiles::load(const QString &path) {
    const Result<TipSheet> read = TipFile::read(localPath(path));
    if (!read) {
        showError(errorText(m_messages, read.error()));
        return false;
    }
    m_sources.loadSheet(*read);
    return true;
}

void TipFiles::showTipList() {
    // Without a draw in the history the end date stands for the shown draw's date.
    const Draw current = m_sources.currentDraw();
    const DaySerial shown = current.date != 0 ? current.date : m_sources.endDate();
    const WeekdayFilter days = m_sources.weekdays();
    const DaySerial next = TipList::nextDrawDate(shown, days.saturday, days.wednesday);
    const QString weekday = QLocale::system().dayName(dateFromSerial(next).dayOfWeek(), QLocale::LongFormat);
    const std::string title = TipList::title(kListProduct, next, weekday.toStdString());
    const Result<std::vector<std::string>> lines =
        TipList::lines(m_sources.sheet(), title, m_messages.text(Msg::TipWord).toStdString());
    if (!lines) {
        showError(errorText(m_messages, lines.error()));
        return;
    }
    const QString path = QDir(folder()).filePath(QString::fromLatin1(TipList::kFileName));
    if (const Result<void> written = TipList::write(localPath(path), *lines); !written) {
        showError(errorText(m_messages, written.error()));
        return;
    }
    if (m_sources.openDocument) m_sources.openDocument(path);
}

} // namespace quorix
