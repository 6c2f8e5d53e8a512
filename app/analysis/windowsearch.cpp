// The search of the sheet's tips in the draw history ("Tipps in DB suchen").
#include <QLabel>
#include <QLocale>

#include "app/mainwindow/mainwindow.h"
#include "app/widgets/prompts.h"
#include "app/charts/statisticschart.h"
#include "app/widgets/uihelpers.h"
#include "app/charts/windowcharts.h"
#include "core/history/drawbrowser.h"
#include "core/analysis/tipsearch.h"

namespace quorix {

void LottoZahlen::SpeedButton4Click() {
    const std::optional<QString> answer = Prompts::input(
        this, message(Msg::SearchTitle), message(Msg::SearchHitsQuestion), QStringLiteral("6"));
    if (!answer) return; // cancelled: the player asked for no search
    const Result<int> threshold = searchThreshold(answer->toStdString());
    if (!threshold) {
        Prompts::message(this, windowTitle(), QString::fromStdString(threshold.error().message));
        return;
    }
    const Result<std::vector<Draw>> draws = drawFile().readAll();
    if (!draws) {
        Prompts::message(this, windowTitle(), QString::fromStdString(draws.error().message));
        return;
    }
    m_charts->chart().clear();

    SearchHandler handler;
    // The draw compared becomes the current draw's date and numbers; the browser's position, the
    // end date, the Replay digit and the Joker stay, so the next step goes on from where it was.
    handler.draw = [this](const Draw &draw) {
        BrowsedDraw current = browser().current();
        current.draw.date = draw.date;
        current.draw.numbers = draw.numbers;
        current.draw.bonus = draw.bonus;
        current.draw.lucky = draw.lucky;
        browser().setCurrent(current);
        const QString weekday =
            QLocale::system().dayName(dateFromSerial(draw.date).dayOfWeek(), QLocale::ShortFormat);
        const QString line = QString::fromStdString(steppedDrawLine(weekday.toStdString(), draw));
        m_ui.drawLine->setText(line);
        m_ui.sheetDrawLine->setText(line);
        m_ui.crossSum->setText(QString::fromStdString(crossSumText(draw)));
    };
    handler.row = [this](int row, const TipMatch &match) {
        QLabel *label = m_results.at(static_cast<std::size_t>(row));
        label->setText(QString::number(match.hits) + (match.bonusHit ? QStringLiteral(" + Z") : QString()));
        setTextColour(label, match.hits >= 3 ? QColor(255, 0, 0) : QColor(0, 0, 0));
    };
    handler.match = [this](const Draw &draw, int, const TipMatch &) {
        // The message file's line carries no blank before the date.
        const QString text = message(Msg::HitsInDrawOf) + u' ' +
                             QString::fromStdString(formatDmy(draw.date)) + QStringLiteral("   ") +
                             message(Msg::SearchOn);
        return Prompts::yesNo(this, message(Msg::HitsFound), text, Prompts::Default::Yes);
    };
    const SearchOutcome outcome = searchTips(tipSheet(), statisticsWindow(), *threshold, *draws, handler);
    setStatusText(1, QStringLiteral("%1: %2 %3")
                         .arg(message(Msg::SearchTitle))
                         .arg(outcome.searched)
                         .arg(message(Msg::Draws)));
}

} // namespace quorix
