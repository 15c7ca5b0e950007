#include "reference/Form4.h"

#include <QListWidget>
#include <QPlainTextEdit>

#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/lookuplist.h"
#include "reference/threadcodes.h"

using namespace quorvil;

Form4::Form4() : ToolWindow(QStringLiteral("Form4"), QStringLiteral("16.各种螺纹代号查询"), 7800, 7005) {
    QStringList designations;
    for (const ThreadDesignation& d : kThreadDesignations) designations << fromView(d.item);
    List1 = makeSizeList(this, QStringLiteral("List1"), {120, 120, 7560, 2415}, designations, [this] { List1_Click(); },
                         {.columns = 2, .font = songFont(10.5)});

    // Long descriptions wrap onto further lines; the box has room for the
    // longest, so it needs no scroll bars.
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    place(Text1, {120, 2655, 7560, 1680});
    setNavyOnWhite(Text1, songFont(12));
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    List2 = makeList(this, QStringLiteral("List2"), {120, 4455, 7560, 2415});
    for (std::string_view body : kStandardsBodies) List2->addItem(fromView(body));
}

// The picked row's position alone selects the text; the item is not parsed.
void Form4::List1_Click() {
    const std::optional<int> row = firstSelectedRow(List1);
    if (!row) return;
    Text1->setPlainText(fromView(kThreadDesignations[std::size_t(*row)].description));
}
