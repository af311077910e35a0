#pragma once
// frmDisclaimerYesNo: the disclaimer that a user accepts before using a new version of the
// program. "&OK" is enabled only while the box is ticked; "&Cancel" declines it.

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace kestrel {

class DisclaimerWindow : public QDialog {
    Q_OBJECT
public:
    explicit DisclaimerWindow(QWidget* parent = nullptr);

    bool accepted() const { return accepted_; }
    QCheckBox* agreeBox() const { return agree_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    QCheckBox* agree_;
    QPushButton* ok_;
    QPushButton* cancel_;
    bool accepted_ = false;
};

}  // namespace kestrel
