// A small tool window for the kit's tests: one box and one button.
#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "common/ui/controls.h"
#include "common/ui/toolwindow.h"

class Sample : public quorvil::ToolWindow {
public:
    Sample() : ToolWindow(QStringLiteral("Sample"), QStringLiteral("99.样例"), 3000, 1500) {
        box = quorvil::makeBox(this, QStringLiteral("box"), {100, 100, 1000, 300});
        button = quorvil::makeButton(this, QStringLiteral("button"), QStringLiteral("算"), {100, 600, 1000, 300});
    }
    QLineEdit* box;
    QPushButton* button;
};
