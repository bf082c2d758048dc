#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

namespace pw {

// Tells when nobody has pressed a key or clicked in any of the program's windows for a while.
// While it runs, an event filter on the whole application starts its timer again at every key
// press and every click.
class IdleWatch : public QObject {
    Q_OBJECT

public:
    explicit IdleWatch(QObject *parent = nullptr);
    ~IdleWatch() override;

    // How long without a key or a click counts as idle; zero, the default, never does.
    void setInterval(std::chrono::milliseconds interval);
    bool isEnabled() const { return m_interval.count() > 0; }
    // Counts from now, when an interval is set.
    void start();
    void stop();
    // Tells idle() again in a moment, for a caller that could not act on it yet.
    void retrySoon();

Q_SIGNALS:
    void idle();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchInput(bool on);

    std::chrono::milliseconds m_interval{0};
    QTimer m_timer;
    bool m_watching = false;
};

} // namespace pw
