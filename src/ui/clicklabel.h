#pragma once

#include <QLabel>

namespace pw {

// A label that acts on a click (on the mouse release), and on Space or Enter when it has the
// keyboard focus, so its action can be reached without a mouse.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Marks the focus around the text, as a button marks it.
    void paintEvent(QPaintEvent *event) override;
};

} // namespace pw
