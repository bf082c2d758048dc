#pragma once

#include <QDialog>

namespace pw {
class Forms;
}

class frmsub : public QDialog {
    Q_OBJECT

public:
    explicit frmsub(pw::Forms &forms);
    void Form_Load();

private:
    pw::Forms &m_forms;
};
