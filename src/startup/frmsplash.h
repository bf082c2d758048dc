#pragma once

#include <QWidget>

namespace pw {
class Forms;
}

// The splash window: the clock-face picture, shown while the logon window loads.
class frmsplash : public QWidget {
    Q_OBJECT

public:
    explicit frmsplash(pw::Forms &forms);
    void Form_Load();
    // The first activation: draw at once, then load and show the logon window.
    void Form_Activate();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    pw::Forms &m_forms;
    QPixmap m_picture;
    bool m_activated = false;
};
