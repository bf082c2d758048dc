#pragma once

#include <QDialog>

namespace pw {

// A dialog shown modeless from the main window. Every way of closing it ("OK" once done, "Cancel",
// Esc, the close box) ends it: it hides, says so with closed(), and goes; the next opening makes
// a new one, as the window was when first loaded.
class ModelessDialog : public QDialog {
    Q_OBJECT

public:
    explicit ModelessDialog(QWidget *parent = nullptr);

    // Ends the dialog as its Cancel does: nothing is stored.
    void cancel() { finish(); }

Q_SIGNALS:
    void closed();

protected:
    // Ends the dialog; later calls do nothing.
    void finish();
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    bool m_finished = false;
};

} // namespace pw
