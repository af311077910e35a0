#include "shell/aboutwindow.h"

#include "common/formstyle.h"
#include "common/preferences.h"
#include "shell/mainwindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrel {

AboutWindow::AboutWindow(QWidget* parent)
    : ChildWindow(parent),
      doNotDisplay_(new QCheckBox(QStringLiteral("Do not display this message again on start up"), this)),
      viewAbout_(loadPreferences().ViewAbout)
{
    setWindowTitle(QStringLiteral("About Kestrel 2019..."));
    doNotDisplay_->setObjectName(QStringLiteral("chkDoNotDisplay"));

    auto* product = new QLabel(QStringLiteral("Kestrel 2019"), this);
    product->setObjectName(QStringLiteral("lblProduct"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    product->setFont(big);

    auto* purpose = new QLabel(QStringLiteral("Salary, PAYE, salary package, vehicle and loan calculators\n"
                                              "for the tax year 1 March 2018 to 28 February 2019"),
                               this);
    auto* version = new QLabel(QStringLiteral("Version: ") + kProgramVersion.display(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* maker = new QLabel(QStringLiteral("Made by the Kestrel 2019 developers."), this);
    auto* notice = new QLabel(QStringLiteral("This program is protected by copyright. The results are for "
                                             "guidance: check every calculation before you rely on it."),
                              this);
    notice->setWordWrap(true);
    QFont small = notice->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    notice->setFont(small);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    setWindowMargins(layout);
    layout->setSpacing(8);
    layout->addWidget(product);
    layout->addWidget(purpose);
    layout->addWidget(version);
    layout->addWidget(maker);
    layout->addSpacing(6);
    layout->addWidget(notice);
    layout->addSpacing(6);
    layout->addWidget(doNotDisplay_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    setFixedWidth(420);

    // Ticked means the user does not want the window at start-up.
    doNotDisplay_->setChecked(!viewAbout_);
    connect(doNotDisplay_, &QCheckBox::toggled, this, [this](bool ticked) { viewAbout_ = !ticked; });
    connect(ok, &QPushButton::clicked, this, [this] { closeWindow(); });
}

void AboutWindow::closeEvent(QCloseEvent* event)
{
    saveViewAbout(viewAbout_);
    ChildWindow::closeEvent(event);
}

}  // namespace kestrel
