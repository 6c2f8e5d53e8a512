#include "app/language/errortext.h"
#include "app/analysis/tipsearchanalysis.h"

#include <QWidget>

#include "app/widgets/prompts.h"
#include "core/analysis/tipsearch.h"

namespace quorix {

TipSearchAnalysis::TipSearchAnalysis(const MessageTable &messages, AnalysisSources sources, QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_sources(std::move(sources)) {}

void TipSearchAnalysis::search() {
    QWidget *window = m_sources.window;
    const std::optional<QString> answer = Prompts::input(
        window, message(Msg::SearchTitle), message(Msg::SearchHitsQuestion), QStringLiteral("6"));
    if (!answer) return; // cancelled: the player asked for no search
    const Result<int> threshold = searchThreshold(answer->toStdString());
    if (!threshold) {
        Prompts::message(window, window->windowTitle(), errorText(m_messages, threshold.error()));
        return;
    }
    const Result<std::vector<Draw>> draws = m_sources.drawFile().readAll();
    if (!draws) {
        Prompts::message(window, window->windowTitle(), errorText(m_messages, draws.error()));
        return;
    }
    m_sources.clearChart();

    SearchHandler handler;
    // The draw compared becomes the current draw's date and numbers; the browser's position, the
    // end date, the Replay digit and the Joker stay, so the next step goes on from where it was.
    handler.draw = [this](const Draw &draw) { m_sources.showComparedDraw(draw); };
    handler.row = [this](int row, const TipMatch &match) { m_sources.showRowHits(row, match); };
    handler.match = [this, window](const Draw &draw, int, const TipMatch &) {
        // The message file's line carries no blank before the date.
        const QString text = message(Msg::HitsInDrawOf) + u' ' +
                             QString::fromStdString(formatDmy(draw.date)) + QStringLiteral("   ") +
                             message(Msg::SearchOn);
        return Prompts::yesNo(window, message(Msg::HitsFound), text, Prompts::Default::Yes);
    };
    const SearchOutcome outcome =
        searchTips(m_sources.sheet(), m_sources.statisticsWindow(), *threshold, *draws, handler);
    m_sources.setStatus(1, QStringLiteral("%1: %2 %3")
                               .arg(message(Msg::SearchTitle))
                               .arg(outcome.searched)
                               .arg(message(Msg::Draws)));
}

} // namespace quorix
