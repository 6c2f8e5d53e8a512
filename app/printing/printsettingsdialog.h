#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QDialog>

#include "app/charts/jokernumbers.h"
#include "core/history/drawfile.h"
#include "core/game/ticketlayout.h"
#include "output/printsettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QPushButton;
class QSpinBox;

namespace quorix {

class Random;

// The print settings dialog "Drucckeeinstellungen für den Lottoschein": draw days, the three
// Joker numbers with their search and new-number buttons, the offsets, the paper format and the
// test picture, with the ticket's cost. It lives for the whole run. The day boxes and the Joker
// numbers are the window's TicketDays and JokerNumbers: the dialog shows them and writes every
// change straight back, so the tip check and the click scripts read what the player left here.
class PrintSettingsDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PrintSettingsDialog)
public:
    // The three ways out; Online is the dialog's result code 4.
    enum class Outcome { Ok, Abort, Online };
    static constexpr int kOnlineCode = 4;

    PrintSettingsDialog(JokerNumbers &jokers, TicketDays &days, Random &random, QWidget *parent = nullptr);

    // What the ticket printing hands over before each opening.
    struct Opening {
        TicketTipCounts counts;
        PrintSettings print;
        int jokerLevel = 0;
        std::optional<DrawFile> drawFile;
    };
    void prepare(const Opening &opening);

    // Shows the dialog modally, or lets the runner answer instead (tests).
    using Runner = std::function<Outcome(PrintSettingsDialog &)>;
    void setRunner(Runner runner) { m_runner = std::move(runner); }
    Outcome run();

    // Shows the days and Joker numbers as the window holds them now.
    void showState();

    // The offsets and paper format as chosen; paper -1 when no entry is chosen.
    PrintSettings chosenPrint() const;
    bool testPicture() const;
    int jokerLevel() const { return m_jokerLevel; }
    std::int64_t costCents() const;

    QCheckBox *saturdayBox() const { return m_saturday; }
    QCheckBox *wednesdayBox() const { return m_wednesday; }
    QCheckBox *jokerBox(int joker) const { return m_jokerBoxes.at(static_cast<std::size_t>(joker)); }
    QSpinBox *jokerDigit(int joker, int digit) const {
        return m_digits.at(static_cast<std::size_t>(joker)).at(static_cast<std::size_t>(digit));
    }
    QPushButton *newNumberButton(int joker) const { return m_newButtons.at(static_cast<std::size_t>(joker)); }
    QPushButton *searchButton(int joker) const { return m_searchButtons.at(static_cast<std::size_t>(joker)); }
    QCheckBox *testPictureBox() const { return m_testPicture; }
    QSpinBox *topSpin() const { return m_top; }
    QSpinBox *leftSpin() const { return m_left; }
    QComboBox *paperList() const { return m_paper; }
    QLabel *costLabel() const { return m_cost; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *abortButton() const { return m_abort; }
    QPushButton *onlineButton() const { return m_online; }

private:
    QLayout *buildDays();
    QLayout *buildJokers();
    void buildJokerRow(int joker);
    QLayout *buildPage();
    QLayout *buildButtons();
    void updateCost();
    void searchJoker(int joker);
    void newJoker(int joker);

    JokerNumbers &m_jokers;
    TicketDays &m_days;
    Random &m_random;
    Runner m_runner;
    TicketTipCounts m_counts;
    int m_jokerLevel = 0;
    std::optional<DrawFile> m_drawFile;

    QCheckBox *m_saturday = nullptr;
    QCheckBox *m_wednesday = nullptr;
    std::array<QCheckBox *, 3> m_jokerBoxes{};
    std::array<std::array<QSpinBox *, 6>, 3> m_digits{};
    std::array<QPushButton *, 3> m_newButtons{};
    std::array<QPushButton *, 3> m_searchButtons{};
    QCheckBox *m_testPicture = nullptr;
    QSpinBox *m_top = nullptr;
    QSpinBox *m_left = nullptr;
    QComboBox *m_paper = nullptr;
    QLabel *m_cost = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_abort = nullptr;
    QPushButton *m_online = nullptr;
};

// An amount of money as the program shows it: two decimals in the process's number format, a
// blank, the currency sign.
QString currencyText(std::int64_t cents);

} // namespace quorix
