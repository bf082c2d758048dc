#pragma once

#include <QPixmap>
#include <QWidget>

namespace pw {

// The splash window (objectName "frmsplash"): the clock-face picture, shown while the logon window
// loads.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);

Q_SIGNALS:
    // The first activation, once the picture is drawn: time to load the logon window.
    void activated();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void onFirstActivation();

    QPixmap m_picture;
    bool m_activated = false;
};

} // namespace pw
