#pragma once

#include <QLabel>
#include <QString>

namespace quorix {

// A one-line label that shows as much of its text as fits, ending in "…", and keeps the whole
// text as its text. It asks for no width of its own, so a long text never widens its window.
class ElidedLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    // The text as painted at the current width.
    QString shownText() const;
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quorix
