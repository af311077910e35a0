#include "finance/financeui.h"

#include "common/dialogs.h"
#include "common/formstyle.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kestrel {

QLabel* formLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QPushButton* commandButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void focusLater(QWidget* widget)
{
    QPointer<QWidget> target(widget);
    QTimer::singleShot(0, widget, [target] {
        if (!target)
            return;
        target->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(target.data()))
            edit->selectAll();
    });
}

void refuseEntry(QLineEdit* field, const QString& text, const QString& caption)
{
    showMessage(text, caption, MessageIcon::Critical, MessageButtons::Ok, field->window());
    focusLater(field);
}

QVBoxLayout* titledWindowLayout(QWidget* window, const QString& title)
{
    auto* layout = new QVBoxLayout(window);
    setWindowMargins(layout);
    auto* label = new QLabel(title, window);
    label->setObjectName(QStringLiteral("lblTitle"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    label->setFont(font);
    layout->addWidget(label);
    return layout;
}

QGridLayout* formGrid()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    return grid;
}

CommandButtons addCommandButtons(QVBoxLayout* top, QWidget* window)
{
    top->addStretch();
    top->addSpacing(14);
    auto* row = new QHBoxLayout;
    const CommandButtons buttons{commandButton(QStringLiteral("&Calculate"), QStringLiteral("cmdCalculate"), window),
                                 commandButton(QStringLiteral("&Print"), QStringLiteral("cmdPrint"), window),
                                 commandButton(QStringLiteral("&OK"), QStringLiteral("cmdOK"), window)};
    row->addWidget(buttons.calculate);
    row->addWidget(buttons.print);
    row->addStretch();
    row->addWidget(buttons.ok);
    top->addLayout(row);
    return buttons;
}

}  // namespace kestrel
