// Window "16.各种螺纹代号查询": pick a thread code, read what the code stands
// for; below, the standards bodies by abbreviation, for reading only.
#pragma once

#include "common/ui/toolwindow.h"

class QListWidget;
class QPlainTextEdit;

class Form4 : public quorvil::ToolWindow {
public:
    Form4();

    void List1_Click();

private:
    QListWidget* List1;
    QPlainTextEdit* Text1;
    QListWidget* List2;
};
