#pragma once

#include <QDialog>

namespace pw {
class Forms;
}

class frmadd : public QDialog {
    Q_OBJECT

public:
    explicit frmadd(pw::Forms &forms);
    void Form_Load();

private:
    pw::Forms &m_forms;
};
