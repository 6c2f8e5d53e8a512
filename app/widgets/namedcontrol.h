#pragma once

#include <QString>

class QWidget;

namespace quorix {

// A control under the name the settings file, the language files and the tests know it by.
struct NamedControl {
    QString name;
    QWidget *widget;
};

} // namespace quorix
