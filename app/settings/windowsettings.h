#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "app/charts/jokernumbers.h"
#include "output/printsettings.h"

class QCheckBox;
class QWidget;

namespace quorix {

class MessageTable;

// The settings store of the window: what the player set comes back at start-up and goes back at
// shutdown. The controls are the settings while the program runs; the store is read into them
// once and written from them once. It finds the controls by the names the settings file keys on.
class WindowSettings final {
public:
    using ControlLookup = std::function<QWidget *(const QString &name)>;
    // The weekday boxes: with neither ticked no draw would count, so a restore ticks both then.
    struct Controls {
        QCheckBox *saturday = nullptr;
        QCheckBox *wednesday = nullptr;
    };
    // What is kept besides the controls: the window's size, the print settings, the Joker numbers.
    struct Values {
        QWidget *window = nullptr;
        PrintSettings *print = nullptr;
        JokerNumbers *jokers = nullptr;
    };

    WindowSettings(ControlLookup control, const Controls &controls, const Values &values,
                   const MessageTable &messages);

    // Reads everything up to the Joker numbers and answers the stored language index (0 when
    // none); any stored index is answered, the language itself decides what an unknown one means.
    int restore() const;
    // What the start-up reads after the language: fees, proxy, start date; answers the stored
    // Replay number, nullopt when none is stored.
    std::optional<QString> restoreLate() const;
    // Writes it all back with the language index and the Replay number. The file is replaced as
    // a whole; a failed save is said in a box.
    void save(int language, const QString &replay) const;

private:
    ControlLookup m_control;
    Controls m_ui;
    Values m_values;
    const MessageTable &m_messages;
};

} // namespace quorix
