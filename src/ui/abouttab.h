#pragma once

#include <QWidget>

class QLabel;

namespace pw {

class CompanySettings;

// The "About" tab: the company name as the first start stored it, and the program.
class AboutTab : public QWidget {
    Q_OBJECT

public:
    explicit AboutTab(CompanySettings &settings, QWidget *parent = nullptr);

private:
    QLabel *m_companyLabel;
};

} // namespace pw
