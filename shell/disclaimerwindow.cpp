#include "shell/disclaimerwindow.h"

#include "common/formstyle.h"
#include "common/preferences.h"
#include "shell/mainwindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrel {

DisclaimerWindow::DisclaimerWindow(QWidget* parent)
    : QDialog(parent),
      agree_(new QCheckBox(QStringLiteral(" I have read this disclaimer and I understand and agree with the contents "
                                          "of this disclaimer"),
                           this)),
      ok_(new QPushButton(QStringLiteral("&OK"), this)), cancel_(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setObjectName(QStringLiteral("frmDisclaimerYesNo"));
    setWindowTitle(QStringLiteral("Kestrel 2019 - Disclaimer"));
    setModal(true);
    agree_->setObjectName(QStringLiteral("chkAgree"));
    ok_->setObjectName(QStringLiteral("cmdOK"));
    cancel_->setObjectName(QStringLiteral("cmdCancel"));

    auto* heading = new QLabel(QStringLiteral("Disclaimer"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading->setFont(bold);

    auto* updates = new QLabel(
        QStringLiteral("Kestrel 2019 is changed and updated regularly. Free updates are made available to all "
                       "users; obtaining and installing them is the responsibility of the purchaser and of "
                       "every user of the program."),
        this);
    auto* warranty = new QLabel(
        QStringLiteral("The makers of Kestrel 2019 give no warranty, expressed or implied, for the use of the "
                       "program and of its results, and bear no liability for any loss or damage arising from "
                       "that use. Checking the correctness of the calculations is entirely the user's "
                       "responsibility. The makers are under no obligation to defend results that differ from "
                       "those of other parties, the South African Revenue Service included."),
        this);
    for (QLabel* paragraph : {updates, warranty})
        paragraph->setWordWrap(true);
    agree_->setStyleSheet(QStringLiteral("QCheckBox { font-weight: bold; }"));

    auto* layout = new QVBoxLayout(this);
    setWindowMargins(layout);
    layout->setSpacing(10);
    layout->addWidget(heading);
    layout->addWidget(updates);
    layout->addWidget(warranty);
    layout->addWidget(agree_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    // The box's text stands on one line; the paragraphs wrap at the same width, and the
    // window is as tall as that wrapping needs.
    const QMargins margins = layout->contentsMargins();
    const int width = std::max(560, agree_->sizeHint().width() + margins.left() + margins.right());
    setFixedSize(width, layout->hasHeightForWidth() ? layout->heightForWidth(width) : sizeHint().height());

    ok_->setEnabled(false);
    connect(agree_, &QCheckBox::toggled, ok_, &QPushButton::setEnabled);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (!agree_->isChecked())
            return;
        accepted_ = true;
        saveVar1(kProgramVersion.digits());
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        accepted_ = false;
        reject();
    });
}

}  // namespace kestrel
