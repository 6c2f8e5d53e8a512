#pragma once

#include <functional>

#include <QImage>
#include <QObject>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include "app/charts/jokernumbers.h"
#include "app/platform/today.h"
#include "core/base/random.h"
#include "core/game/tipsheet.h"
#include "core/history/drawfile.h"
#include "core/text/messages.h"
#include "output/printsettings.h"

class QAbstractButton;
class QWidget;

namespace quorix {

class MessageTable;
class PrintSettingsDialog;
struct TicketPage;

// The tip file a command line names for printing: with a first argument other than "D" the
// second one; empty (run interactively) otherwise. `arguments` leaves out the program's name.
QString commandLineTipFile(const QStringList &arguments);

// Printing the sheet onto a paper ticket: the print settings dialog with the ticket's draw days,
// the page with its marks, the preview with its PDF. It keeps the paper format and offsets (which
// the settings store reads and writes) and the draw days (which the click scripts read).
class TicketPrinting final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TicketPrinting)

public:
    // What the printing reads of the rest of the window when it prints.
    struct Sources {
        std::function<TipSheet()> sheet;
        // The computation's Joker option, which the dialog's Joker search starts from.
        std::function<int()> jokerOption;
        std::function<DrawFile()> drawFile;
        std::function<QString()> programFolder;
        // The day whose weekday presets the ticket's draw days.
        Today today;
    };

    // `window` parents the dialog, the boxes and the preview; `print` is the print button.
    TicketPrinting(QWidget &window, QAbstractButton *print, const MessageTable &messages,
                   JokerNumbers &jokers, Random &random, Sources sources);
    ~TicketPrinting() override;

    PrintSettingsDialog &dialog() { return *m_dialog; }
    TicketDays &ticketDays() { return m_days; }
    PrintSettings &printSettings() { return m_print; }

    // Where the dialog's "Online" hands the sheet.
    void setOnlineRoute(std::function<void()> route) { m_onlineRoute = std::move(route); }
    // Shows the page and returns when it is closed; without one the print preview dialog.
    using Preview = std::function<void(const TicketPage &page)>;
    void setPreview(Preview preview) { m_preview = std::move(preview); }
    // Answers the chosen path, empty when cancelled; without one the printing shows its dialog.
    using FileChooser = std::function<QString(bool save, const QString &proposedPath)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

public Q_SLOTS:
    // SpeedButton12Click: prints the sheet onto a ticket after the print settings dialog.
    void printTicket();

private:
    void preview(const TicketPage &page);
    QString choosePdf();
    QString message(Msg message) const;

    QWidget &m_window;
    const MessageTable &m_messages;
    JokerNumbers &m_jokers;
    Sources m_sources;
    TicketDays m_days;
    PrintSettings m_print;
    PrintSettingsDialog *m_dialog = nullptr;
    // The ticket page keeps its paper set-up and its test picture from one print to the next.
    QPageLayout m_layout;
    QImage m_picture;
    Preview m_preview;
    std::function<void()> m_onlineRoute;
    FileChooser m_chooseFile;
};

} // namespace quorix
