#include "ui/abouttab.h"

#include "domain/companysettings.h"
#include "ui/artwork.h"
#include "ui/widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace pw {

AboutTab::AboutTab(CompanySettings &settings, QWidget *parent) : QWidget(parent)
{
    auto *frame = named(new QGroupBox(tr("About this Program:"), this), "Frame5");
    auto *caption = named(new QLabel(tr("Company Name:"), frame), "cmpname");
    m_companyLabel = named(new QLabel(settings.company(), frame), "company", tr("Company name"));
    m_companyLabel->setTextFormat(Qt::PlainText);
    auto *icon = new QLabel(frame);
    icon->setPixmap(artwork::iconPixmap(64));
    auto *about = new QGridLayout(frame);
    about->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    about->addWidget(caption, 0, 1);
    about->addWidget(m_companyLabel, 0, 2);
    about->addWidget(new QLabel(tr("Punchwell, the company time clock."), frame), 1, 1, 1, 2);
    about->setColumnStretch(2, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addStretch();

    connect(&settings, &CompanySettings::companyChanged, m_companyLabel, &QLabel::setText);
}

} // namespace pw
