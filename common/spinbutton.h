#pragma once
// A pair of small up and down arrow buttons beside a field; the window decides what a step
// does.

#include <QWidget>

class QToolButton;

namespace kestrel {

class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

Q_SIGNALS:
    void stepUp();
    void stepDown();

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace kestrel
