#pragma once

#include <functional>
#include <optional>

#include <QString>

class QWidget;

namespace quorix {

// Every modal box of the main window goes through here, so tests can answer them.
class Prompts {
public:
    enum class Kind { Message, YesNo, Input };
    struct Request {
        Kind kind = Kind::Message;
        QString caption;
        QString text; // message text or input prompt
        QString preset;
        bool defaultYes = false; // YesNo: what Return answers
    };
    struct Answer {
        bool accepted = false; // OK / Yes
        QString text;          // input box answer
    };
    using Handler = std::function<Answer(const Request &)>;

    // Installs a handler that answers instead of showing boxes; an empty handler restores the boxes.
    static void setHandler(Handler handler);

    static void message(QWidget *parent, const QString &caption, const QString &text);
    // Return answers "No" unless told otherwise: a question that asks before throwing work away
    // must not be confirmed by a stray key press.
    enum class Default { No, Yes };
    static bool yesNo(QWidget *parent, const QString &caption, const QString &text,
                      Default preselected = Default::No);
    // The answer, or nullopt when the box was cancelled.
    static std::optional<QString> input(QWidget *parent, const QString &caption, const QString &prompt,
                                        const QString &preset);

private:
    static Handler &handler();
};

} // namespace quorix
