#include "reference/Form9.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/fonts.h"
#include "common/ui/lookuplist.h"
#include "reference/hardness.h"

using namespace quorvil;

Form9::Form9() : ToolWindow(QStringLiteral("Form9"), QStringLiteral("21.硬度换算表"), 6960, 4620) {
    QWidget* frame = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("硬度换算表"), {60, 0, 6840, 4560});
    makeLabel(frame, QStringLiteral("Label1"), fromView(kHardnessHeadings.listHeading), {240, 330, 3000, 255});

    QStringList hardnesses;
    for (const HardnessRow& row : kHardnessTable) hardnesses << fromView(row.hrc);
    List1 = makeSizeList(frame, QStringLiteral("List1"), {240, 630, 6360, 2475}, hardnesses, [this] { List1_Click(); },
                         {.columns = 6, .font = songFont(12)});
    List1->setToolTip(fromView(kHardnessHeadings.listToolTip));

    QLineEdit** boxes[] = {&HB, &HRA, &HV, &QD};
    const char* names[] = {"HB", "HRA", "HV", "QD"};
    for (int i = 0; i < std::ssize(boxes); ++i) {
        const HardnessColumn& column = kHardnessHeadings.columns[std::size_t(i)];
        const int left = 240 + i * 1605;
        makeLabel(frame, QStringLiteral("Label%1").arg(i + 2), fromView(column.heading), {left, 3300, 1515, 255},
                  Qt::AlignCenter);
        QLineEdit* box = makeBox(frame, QString::fromLatin1(names[i]), {left, 3630, 1515, 420});
        setNavyOnWhite(box, songFont(12));
        box->setToolTip(fromView(column.toolTip));
        *boxes[i] = box;
    }
}

// A pick writes the four values of the picked row, "--" where the table has
// none, so no box keeps a value of an earlier pick.
void Form9::List1_Click() {
    const std::optional<int> row = firstSelectedRow(List1);
    if (!row) return;
    const HardnessRow& r = kHardnessTable[std::size_t(*row)];
    showText(HB, fromView(r.hb));
    showText(HRA, fromView(r.hra));
    showText(HV, fromView(r.hv));
    showText(QD, fromView(r.strength));
}
