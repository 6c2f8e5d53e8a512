#include "app/widgets/prompts.h"

#include <QInputDialog>
#include <QMessageBox>

namespace quorix {

Prompts::Handler &Prompts::handler() {
    static Handler current;
    return current;
}

void Prompts::setHandler(Handler handler) {
    Prompts::handler() = std::move(handler);
}

void Prompts::message(QWidget *parent, const QString &caption, const QString &text) {
    if (handler()) {
        handler()({Kind::Message, caption, text, {}});
        return;
    }
    QMessageBox::information(parent, caption, text);
}

bool Prompts::yesNo(QWidget *parent, const QString &caption, const QString &text, Default preselected) {
    const bool defaultYes = preselected == Default::Yes;
    if (handler()) return handler()({Kind::YesNo, caption, text, {}, defaultYes}).accepted;
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 defaultYes ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> Prompts::input(QWidget *parent, const QString &caption, const QString &prompt,
                                      const QString &preset) {
    if (handler()) {
        Answer answer = handler()({Kind::Input, caption, prompt, preset});
        if (!answer.accepted) return std::nullopt;
        return answer.text;
    }
    bool ok = false;
    QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, preset, &ok);
    if (!ok) return std::nullopt;
    return text;
}

} // namespace quorix
