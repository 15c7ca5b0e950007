// The pipe thread window: each tab's size list fills that tab's boxes with the
// stored texts of the picked size, and nothing else.
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/ui/captionframe.h"
#include "common/ui/printing.h"
#include "common/ui/tabcontainer.h"
#include "threads/pipe/Form7.h"
#include "uitest.h"
#include "windowtest.h"

namespace {

const QStringList kLists = {"ListN", "ListR", "ListG"};

QStringList boxNames(QChar letter, std::initializer_list<std::pair<int, int>> ranges) {
    QStringList names;
    for (auto [first, last] : ranges)
        for (int i = first; i <= last; ++i) names << QString(letter) + QString::number(i);
    return names;
}
const QStringList kTabBoxes[] = {
    boxNames('N', {{1, 20}}),
    boxNames('R', {{1, 16}, {20, 28}}),
    boxNames('G', {{1, 17}, {80, 80}}),
};

}  // namespace

class TestForm7 : public quorvil::test::WindowTest<Form7> {
    Q_OBJECT
private slots:
    void freshWindow();
    void rows_data();
    void rows();
    void everyRowFillsItsTab();
    void pickLeavesOtherTabsAlone();
    void clickLeavingNoSelectionChangesNothing();
    void keyboardAndRepick();
    void printsTheTabInFront_data();
    void printsTheTabInFront();
    void sizeListCaptionsLeaveTheBorderShowing();

private:
    QMap<QString, QString> tabTexts(int tab) const { return p.texts(kTabBoxes[tab]); }
    void pickOnTab(int tab, int row) {
        w->SSTab1->setCurrentIndex(tab);
        p.pick(kLists[tab], row);
    }
};

void TestForm7::freshWindow() {
    QCOMPARE(w->windowTitle(), QStringLiteral("19.管螺纹参数"));
    QCOMPARE(w->SSTab1->count(), 3);
    QCOMPARE(w->SSTab1->currentIndex(), 0);
    const int counts[] = {19, 15, 24};
    const char* lastItems[] = {"12\"", "6\"", "6\""};
    for (int tab = 0; tab < 3; ++tab) {
        auto* list = p.get<QListWidget>(kLists[tab]);
        QCOMPARE(list->count(), counts[tab]);
        QCOMPARE(list->item(0)->text(), QStringLiteral("1/16\""));
        QCOMPARE(list->item(counts[tab] - 1)->text(), QString::fromUtf8(lastItems[tab]));
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 0, 128));
        for (const QString& n : kTabBoxes[tab]) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
    }
    QCOMPARE(p.get<QListWidget>("ListG")->item(13)->text(), QStringLiteral("2\""));
    QCOMPARE(p.text("Label1_0"), QStringLiteral("牙数/英才"));
}

// Rows of the three tables (the first, the last, and either side of where
// the gauge data ends), each picked with the mouse after the row before it
// on the same window, so no box may keep a text of the earlier pick. The
// tables themselves are tested row by row in tst_pipetables.
void TestForm7::rows_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    // clang-format off
    QTest::newRow("ListN 1/16") << 0 << 0 << QStringList{"N1=27", "N2=0.941", "N3=0.752", "N4=7.894",
        "N5=7.142", "N6=6.389", "N7=4.32", "N8=4.064", "N9=3", "N10=2.822", "N11=6.137", "N13=1.882", "N14=6.448",
        "N16=7.827", "N18=1.882", "N19=7.581", "N20=7.827", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 2") << 0 << 9 << QStringList{"N1=11.5", "N2=2.209", "N3=1.767", "N4=60.092",
        "N5=58.325", "N6=56.558", "N7=5.01", "N8=11.065", "N9=3", "N10=6.626", "N11=55.867", "N13=4.418",
        "N14=56.696", "N16=19.9", "N18=4.418", "N19=59.262", "N20=19.9", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 2-1/2") << 0 << 10 << QStringList{"N1=8", "N2=3.175", "N3=2.54", "N4=72.699",
        "N5=70.159", "N6=67.619", "N7=5.46", "N8=17.335", "N9=2", "N10=6.35", "N11=66.535", "N12=--", "N13=--",
        "N14=--", "N15=--", "N16=--", "N17=--", "N18=--", "N19=--", "N20=--"};
    QTest::newRow("ListN 12") << 0 << 18 << QStringList{"N1=8", "N2=3.175", "N3=2.54", "N4=323.032",
        "N5=320.492", "N6=317.952", "N7=10.88", "N8=34.544", "N9=2", "N10=6.35", "N11=315.793", "N12=--", "N13=--",
        "N14=--", "N15=--", "N16=--", "N17=--", "N18=--", "N19=--", "N20=--"};
    QTest::newRow("ListR 1/16") << 1 << 0 << QStringList{"R1=28", "R2=0.907", "R3=0.581", "R4=7.723",
        "R5=7.142", "R6=6.561", "R7=4", "R8=4.9", "R9=3.1", "R10=2.5", "R11=2-3/4", "R12=6.5", "R13=7.4", "R14=5.6",
        "R15=0.071", "R16=1-1/4", "R20=6", "R21=6.63", "R22=2.2", "R23=75", "R24=12", "R25=20", "R26=1.8",
        "R27=7.416", "R28=7.4"};
    QTest::newRow("ListR 2") << 1 << 9 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=59.614",
        "R5=58.135", "R6=56.656", "R7=15.9", "R8=18.2", "R9=13.6", "R10=7.5", "R11=3-1/4", "R12=23.4", "R13=25.7",
        "R14=21.1", "R15=0.18", "R16=1-1/4", "R20=30", "R21=56.837", "R22=5.8", "R23=100", "R24=44", "R25=90",
        "R26=4.6", "R27=58.477", "R28=25.7"};
    QTest::newRow("ListR 2-1/2") << 1 << 10 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=75.184",
        "R5=73.705", "R6=72.226", "R7=17.5", "R8=21", "R9=14", "R10=9.2", "R11=4", "R12=26.7", "R13=30.2", "R14=23.2",
        "R15=0.216", "R16=1-1/2", "R20=--", "R21=--", "R22=--", "R23=--", "R24=--", "R25=--", "R26=--", "R27=--",
        "R28=--"};
    QTest::newRow("ListR 6") << 1 << 14 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=163.83",
        "R5=162.351", "R6=160.872", "R7=28.6", "R8=32.1", "R9=25.1", "R10=11.5", "R11=5", "R12=40.1", "R13=43.6",
        "R14=36.6", "R15=0.216", "R16=1-1/2", "R20=--", "R21=--", "R22=--", "R23=--", "R24=--", "R25=--", "R26=--",
        "R27=--", "R28=--"};
    QTest::newRow("ListG 1/16") << 2 << 0 << QStringList{"G1=28", "G2=0.907", "G3=0.581", "G4=7.723",
        "G5=7.142(0/+0.107)", "G6=6.561(0/+0.282)", "G7=7.723(0/-0.214)", "G8=7.142(0/-0.107)", "G80=7.142(0/-0.214)",
        "G9=6.561", "G10=7.605(0/-0.02)", "G11=10", "G12=7.153(0/-0.01)", "G13=6.561", "G14=7.45(0/-0.03)", "G15=7.5",
        "G16=7.259(0/-0.01)", "G17=6.561"};
    QTest::newRow("ListG 2") << 2 << 13 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=59.614",
        "G5=58.135(0/+0.18)", "G6=56.656(0/+0.64)", "G7=59.614(0/-0.36)", "G8=58.135(0/-0.18)", "G80=58.135(0/-0.36)",
        "G9=56.656", "G10=59.296(0/-0.024)", "G11=20", "G12=58.153(0/-0.012)", "G13=56.656", "G14=58.801(0/-0.036)",
        "G15=16", "G16=58.327(0/-0.012)", "G17=56.656"};
    QTest::newRow("ListG 2-1/4") << 2 << 14 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=65.71",
        "G5=64.231(0/+0.217)", "G6=62.752(0/+0.64)", "G7=65.71(0/-0.434)", "G8=64.231(0/-0.217)",
        "G80=64.231(0/-0.434)", "G9=62.752", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    QTest::newRow("ListG 6") << 2 << 23 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=163.83",
        "G5=162.351(0/+0.217)", "G6=160.872(0/+0.64)", "G7=163.83(0/-0.434)", "G8=162.351(0/-0.217)",
        "G80=162.351(0/-0.434)", "G9=160.872", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    // clang-format on
}

void TestForm7::rows() {
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    QCOMPARE(expected.size(), kTabBoxes[tab].size());  // every box of the tab
    if (row > 0) pickOnTab(tab, row - 1);
    pickOnTab(tab, row);
    QVERIFY2(p.matches(expected), p.why());
}

// Every row of every table, picked one after the other: each pick writes
// every box of its tab, and the major diameter grows with the size.
void TestForm7::everyRowFillsItsTab() {
    for (int tab = 0; tab < 3; ++tab) {
        const int count = p.get<QListWidget>(kLists[tab])->count();
        const QString major = kTabBoxes[tab][3];
        double lastMajor = 0;
        for (int row = 0; row < count; ++row) {
            pickOnTab(tab, row);
            const QString where = kLists[tab] + QStringLiteral(" row ") + QString::number(row);
            for (const QString& n : kTabBoxes[tab]) QVERIFY2(!p.text(n).isEmpty(), qPrintable(where + u' ' + n));
            bool ok = false;
            const double d = p.text(major).toDouble(&ok);
            QVERIFY2(ok && d > lastMajor, qPrintable(where));
            lastMajor = d;
        }
    }
}

void TestForm7::pickLeavesOtherTabsAlone() {
    pickOnTab(0, 4);
    pickOnTab(1, 4);
    pickOnTab(2, 4);
    const auto tab0 = tabTexts(0), tab1 = tabTexts(1), tab2 = tabTexts(2);
    pickOnTab(1, 12);
    QCOMPARE(tabTexts(0), tab0);
    QCOMPARE(tabTexts(2), tab2);
    QVERIFY(tabTexts(1) != tab1);
    pickOnTab(0, 18);
    QCOMPARE(tabTexts(2), tab2);
    QVERIFY2(p.matches({"N4=323.032", "R4=113.03", "G4=20.955"}), p.why());
    w->SSTab1->setCurrentIndex(2);
    w->SSTab1->setCurrentIndex(0);
    QVERIFY2(p.matches({"N4=323.032", "R4=113.03", "G4=20.955"}), p.why());
}

// A ctrl-click on the selected size deselects it: nothing is picked, so the
// boxes keep the size shown (not the last size of the list).
void TestForm7::clickLeavingNoSelectionChangesNothing() {
    for (int tab = 0; tab < 3; ++tab) {
        pickOnTab(tab, 9);
        const auto before = tabTexts(tab);
        auto* list = p.get<QListWidget>(kLists[tab]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(9)).center());
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(tabTexts(tab), before);
    }
}

// The keyboard moves the selection and fills the boxes; a click on the size
// already selected writes the boxes again over what the user typed.
void TestForm7::keyboardAndRepick() {
    pickOnTab(2, 13);
    auto* list = p.get<QListWidget>("ListG");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY2(p.matches({"G4=65.71", "G5=64.231(0/+0.217)", "G7=65.71(0/-0.434)", "G10=--", "G17=--"}), p.why());
    p.type({"G4=typed", "G10=typed"});
    p.pick("ListG", 14);
    QVERIFY2(p.matches({"G4=65.71", "G10=--"}), p.why());
    QTest::keyClick(list, Qt::Key_Up);
    QVERIFY2(p.matches({"G4=59.614", "G10=59.296(0/-0.024)"}), p.why());
}

void TestForm7::printsTheTabInFront_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("button");
    QTest::newRow("60°") << 0 << "Command1";
    QTest::newRow("55° taper") << 1 << "Command2";
    QTest::newRow("55° parallel") << 2 << "Command3";
}

void TestForm7::printsTheTabInFront() {
    QFETCH(int, tab);
    QFETCH(QString, button);
    pickOnTab(tab, 3);
    QList<QImage> printed;
    quorvil::setPrintSink([&](const QImage& img) { printed << img; });
    const auto before = tabTexts(tab);
    p.click(button);
    quorvil::setPrintSink({});
    QCOMPARE(printed.size(), 1);
    // The window as it is shown after the click (the button keeps the focus).
    const QImage shown = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(printed[0].convertToFormat(QImage::Format_RGB32), shown);
    QCOMPARE(w->SSTab1->currentIndex(), tab);
    QCOMPARE(tabTexts(tab), before);
    // The other tabs would print differently: the image is of this tab.
    w->SSTab1->setCurrentIndex((tab + 1) % 3);
    QVERIFY(w->grab().toImage().convertToFormat(QImage::Format_RGB32) != shown);
}

// Each "选择尺寸代号" frame is wider than its caption: its top border shows
// to the right of the caption as much as to the left of it.
void TestForm7::sizeListCaptionsLeaveTheBorderShowing() {
    for (const char* name : {"Frame1_2", "Frame1_1", "Frame1_11"}) {
        auto* frame = p.get<quorvil::CaptionFrame>(QString::fromLatin1(name));
        QCOMPARE(frame->title(), QStringLiteral("选择尺寸代号"));
        // The caption stands 6 px from the left edge, with 2 px of room on
        // each side.
        const int captionRight = 6 + QFontMetrics(frame->captionFont()).horizontalAdvance(frame->title()) + 4;
        QVERIFY2(frame->width() - captionRight >= 6, name);
    }
}

QUORVIL_UI_TEST_MAIN(TestForm7)
#include "tst_form7.moc"
