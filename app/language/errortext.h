#pragma once

#include <QString>

#include "core/base/error.h"

class QWidget;

namespace quorix {

class MessageTable;

// `error` in the language of `messages`: the message line of its kind with its values filled in,
// the operating system's reason in the language where it is a common one. An error without a
// message of its own (ErrorKind::Other), or a message file that lacks the line, gives the English
// line.
QString errorText(const MessageTable &messages, const Error &error);

// errorText in a message box (through Prompts, so tests answer it).
void showError(QWidget *parent, const QString &title, const MessageTable &messages, const Error &error);

} // namespace quorix
