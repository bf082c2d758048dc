#pragma once

#include <QDialog>

namespace pw {
class Forms;
}

class frmpass : public QDialog {
    Q_OBJECT

public:
    explicit frmpass(pw::Forms &forms);
    void Form_Load();

private:
    pw::Forms &m_forms;
};
