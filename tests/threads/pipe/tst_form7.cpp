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
    void everyRow_data();
    void everyRow();
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

// Every row of the three tables, picked with the mouse one after the other
// on the same window, so no box may keep a text of an earlier pick.
void TestForm7::everyRow_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    // clang-format off
    QTest::newRow("ListN 1/16") << 0 << 0 << QStringList{"N1=27", "N2=0.941", "N3=0.752", "N4=7.894",
        "N5=7.142", "N6=6.389", "N7=4.32", "N8=4.064", "N9=3", "N10=2.822", "N11=6.137", "N13=1.882", "N14=6.448",
        "N16=7.827", "N18=1.882", "N19=7.581", "N20=7.827", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 1/8") << 0 << 1 << QStringList{"N1=27", "N2=0.941", "N3=0.752", "N4=10.242",
        "N5=9.489", "N6=8.737", "N7=4.36", "N8=4.102", "N9=3", "N10=2.822", "N11=8.481", "N13=1.882", "N14=8.796",
        "N16=7.865", "N18=1.882", "N19=9.927", "N20=7.865", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 1/4") << 0 << 2 << QStringList{"N1=18", "N2=1.411", "N3=1.129", "N4=13.616",
        "N5=12.487", "N6=11.358", "N7=4.1", "N8=5.785", "N9=3", "N10=4.233", "N11=10.996", "N13=2.822", "N14=11.446",
        "N16=11.429", "N18=2.822", "N19=13.166", "N20=11.429", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 3/8") << 0 << 3 << QStringList{"N1=18", "N2=1.411", "N3=1.129", "N4=17.055",
        "N5=15.926", "N6=14.797", "N7=4.32", "N8=6.096", "N9=3", "N10=4.233", "N11=14.417", "N13=2.822", "N14=14.885",
        "N16=11.74", "N18=2.822", "N19=16.586", "N20=11.74", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 1/2") << 0 << 4 << QStringList{"N1=14", "N2=1.814", "N3=1.451", "N4=21.224",
        "N5=19.772", "N6=18.321", "N7=4.48", "N8=8.128", "N9=3", "N10=5.443", "N11=17.813", "N13=3.628", "N14=18.434",
        "N16=15.385", "N18=3.628", "N19=20.603", "N20=15.385", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 3/4") << 0 << 5 << QStringList{"N1=14", "N2=1.814", "N3=1.451", "N4=26.569",
        "N5=25.117", "N6=23.666", "N7=4.75", "N8=8.618", "N9=3", "N10=5.443", "N11=23.127", "N13=3.628", "N14=23.779",
        "N16=15.875", "N18=3.628", "N19=25.917", "N20=15.875", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 1") << 0 << 6 << QStringList{"N1=11.5", "N2=2.209", "N3=1.767", "N4=33.228",
        "N5=31.461", "N6=29.694", "N7=4.6", "N8=10.16", "N9=3", "N10=6.626", "N11=29.06", "N13=4.418", "N14=29.832",
        "N16=18.995", "N18=4.418", "N19=32.455", "N20=18.995", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 1-1/4") << 0 << 7 << QStringList{"N1=11.5", "N2=2.209", "N3=1.767", "N4=41.985",
        "N5=40.218", "N6=38.451", "N7=4.83", "N8=10.668", "N9=3", "N10=6.626", "N11=37.785", "N13=4.418",
        "N14=38.589", "N16=19.503", "N18=4.418", "N19=41.18", "N20=19.503", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 1-1/2") << 0 << 8 << QStringList{"N1=11.5", "N2=2.209", "N3=1.767", "N4=48.054",
        "N5=46.287", "N6=44.52", "N7=4.83", "N8=10.668", "N9=3", "N10=6.626", "N11=43.853", "N13=4.418", "N14=44.658",
        "N16=19.503", "N18=4.418", "N19=47.249", "N20=19.503", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 2") << 0 << 9 << QStringList{"N1=11.5", "N2=2.209", "N3=1.767", "N4=60.092",
        "N5=58.325", "N6=56.558", "N7=5.01", "N8=11.065", "N9=3", "N10=6.626", "N11=55.867", "N13=4.418",
        "N14=56.696", "N16=19.9", "N18=4.418", "N19=59.262", "N20=19.9", "N12=--", "N15=--", "N17=--"};
    QTest::newRow("ListN 2-1/2") << 0 << 10 << QStringList{"N1=8", "N2=3.175", "N3=2.54", "N4=72.699",
        "N5=70.159", "N6=67.619", "N7=5.46", "N8=17.335", "N9=2", "N10=6.35", "N11=66.535", "N12=--", "N13=--",
        "N14=--", "N15=--", "N16=--", "N17=--", "N18=--", "N19=--", "N20=--"};
    QTest::newRow("ListN 3") << 0 << 11 << QStringList{"N1=8", "N2=3.175", "N3=2.54", "N4=88.608",
        "N5=86.068", "N6=83.528", "N7=6.13", "N8=19.463", "N9=2", "N10=6.35", "N11=82.311", "N12=--", "N13=--",
        "N14=--", "N15=--", "N16=--", "N17=--", "N18=--", "N19=--", "N20=--"};
    QTest::newRow("ListN 3-1/2") << 0 << 12 << QStringList{"N1=8", "N2=3.175", "N3=2.54", "N4=101.316",
        "N5=98.776", "N6=96.236", "N7=6.57", "N8=20.86", "N9=2", "N10=6.35", "N11=94.932", "N12=--", "N13=--",
        "N14=--", "N15=--", "N16=--", "N17=--", "N18=--", "N19=--", "N20=--"};
    QTest::newRow("ListN 4") << 0 << 13 << QStringList{"N1=8", "N2=3.175", "N3=2.54", "N4=113.973",
        "N5=111.433", "N6=108.893", "N7=6.75", "N8=21.431", "N9=2", "N10=6.35", "N11=107.554", "N12=--", "N13=--",
        "N14=--", "N15=--", "N16=--", "N17=--", "N18=--", "N19=--", "N20=--"};
    QTest::newRow("ListN 5") << 0 << 14 << QStringList{"N1=8", "N2=3.175", "N3=2.54", "N4=140.952",
        "N5=138.412", "N6=135.872", "N7=7.5", "N8=23.812", "N9=2", "N10=6.35", "N11=134.384", "N12=--", "N13=--",
        "N14=--", "N15=--", "N16=--", "N17=--", "N18=--", "N19=--", "N20=--"};
    QTest::newRow("ListN 6") << 0 << 15 << QStringList{"N1=8", "N2=3.175", "N3=2.54", "N4=167.792",
        "N5=165.252", "N6=162.712", "N7=7.66", "N8=24.32", "N9=2", "N10=6.35", "N11=161.191", "N12=--", "N13=--",
        "N14=--", "N15=--", "N16=--", "N17=--", "N18=--", "N19=--", "N20=--"};
    QTest::newRow("ListN 8") << 0 << 16 << QStringList{"N1=8", "N2=3.175", "N3=2.54", "N4=218.441",
        "N5=215.901", "N6=213.361", "N7=8.5", "N8=26.988", "N9=2", "N10=6.35", "N11=211.673", "N12=--", "N13=--",
        "N14=--", "N15=--", "N16=--", "N17=--", "N18=--", "N19=--", "N20=--"};
    QTest::newRow("ListN 10") << 0 << 17 << QStringList{"N1=8", "N2=3.175", "N3=2.54", "N4=272.312",
        "N5=269.772", "N6=267.232", "N7=9.68", "N8=30.734", "N9=2", "N10=6.35", "N11=265.311", "N12=--", "N13=--",
        "N14=--", "N15=--", "N16=--", "N17=--", "N18=--", "N19=--", "N20=--"};
    QTest::newRow("ListN 12") << 0 << 18 << QStringList{"N1=8", "N2=3.175", "N3=2.54", "N4=323.032",
        "N5=320.492", "N6=317.952", "N7=10.88", "N8=34.544", "N9=2", "N10=6.35", "N11=315.793", "N12=--", "N13=--",
        "N14=--", "N15=--", "N16=--", "N17=--", "N18=--", "N19=--", "N20=--"};
    QTest::newRow("ListR 1/16") << 1 << 0 << QStringList{"R1=28", "R2=0.907", "R3=0.581", "R4=7.723",
        "R5=7.142", "R6=6.561", "R7=4", "R8=4.9", "R9=3.1", "R10=2.5", "R11=2-3/4", "R12=6.5", "R13=7.4", "R14=5.6",
        "R15=0.071", "R16=1-1/4", "R20=6", "R21=6.63", "R22=2.2", "R23=75", "R24=12", "R25=20", "R26=1.8",
        "R27=7.416", "R28=7.4"};
    QTest::newRow("ListR 1/8") << 1 << 1 << QStringList{"R1=28", "R2=0.907", "R3=0.581", "R4=9.728",
        "R5=9.147", "R6=8.566", "R7=4", "R8=4.9", "R9=3.1", "R10=2.5", "R11=2-3/4", "R12=6.5", "R13=7.4", "R14=5.6",
        "R15=0.071", "R16=1-1/4", "R20=8", "R21=8.635", "R22=2.2", "R23=75", "R24=15", "R25=20", "R26=1.8",
        "R27=9.422", "R28=7.4"};
    QTest::newRow("ListR 1/4") << 1 << 2 << QStringList{"R1=19", "R2=1.337", "R3=0.856", "R4=13.157",
        "R5=12.301", "R6=11.445", "R7=6", "R8=7.3", "R9=4.7", "R10=3.7", "R11=2-3/4", "R12=9.7", "R13=11", "R14=8.4",
        "R15=0.104", "R16=1-1/4", "R20=10", "R21=11.551", "R22=3.4", "R23=75", "R24=20", "R25=25", "R26=2.6",
        "R27=12.7", "R28=11"};
    QTest::newRow("ListR 3/8") << 1 << 3 << QStringList{"R1=19", "R2=1.337", "R3=0.856", "R4=16.662",
        "R5=15.806", "R6=14.95", "R7=6.4", "R8=7.7", "R9=5.1", "R10=3.7", "R11=2-3/4", "R12=10.1", "R13=11.4",
        "R14=8.8", "R15=0.104", "R16=1-1/4", "R20=14", "R21=15.056", "R22=3.4", "R23=80", "R24=24", "R25=30",
        "R26=2.6", "R27=16.181", "R28=11.4"};
    QTest::newRow("ListR 1/2") << 1 << 4 << QStringList{"R1=14", "R2=1.814", "R3=1.162", "R4=20.955",
        "R5=19.793", "R6=18.631", "R7=8.2", "R8=10", "R9=6.4", "R10=5", "R11=2-3/4", "R12=13.2", "R13=15", "R14=11.4",
        "R15=0.142", "R16=1-1/4", "R20=16", "R21=18.775", "R22=4.6", "R23=80", "R24=29", "R25=35", "R26=3.6",
        "R27=19.355", "R28=15"};
    QTest::newRow("ListR 3/4") << 1 << 5 << QStringList{"R1=14", "R2=1.814", "R3=1.162", "R4=26.441",
        "R5=25.279", "R6=24.117", "R7=9.5", "R8=11.3", "R9=7.7", "R10=5", "R11=2-3/4", "R12=14.5", "R13=16.3",
        "R14=12.7", "R15=0.142", "R16=1-1/4", "R20=18", "R21=24.26", "R22=4.6", "R23=90", "R24=31", "R25=43",
        "R26=3.6", "R27=25.734", "R28=16.3"};
    QTest::newRow("ListR 1") << 1 << 6 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=33.249",
        "R5=31.77", "R6=30.291", "R7=10.4", "R8=12.7", "R9=8.1", "R10=6.4", "R11=2-3/4", "R12=16.8", "R13=19.1",
        "R14=14.5", "R15=0.18", "R16=1-1/4", "R20=18", "R21=30.472", "R22=5.8", "R23=90", "R24=37", "R25=55",
        "R26=4.6", "R27=32.455", "R28=19.1"};
    QTest::newRow("ListR 1-1/4") << 1 << 7 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=41.91",
        "R5=40.431", "R6=38.952", "R7=12.7", "R8=15", "R9=10.4", "R10=6.4", "R11=2-3/4", "R12=19.1", "R13=21.4",
        "R14=16.8", "R15=0.18", "R16=1-1/4", "R20=20", "R21=39.133", "R22=5.8", "R23=90", "R24=40", "R25=65",
        "R26=4.6", "R27=40.972", "R28=21.4"};
    QTest::newRow("ListR 1-1/2") << 1 << 8 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=47.803",
        "R5=46.324", "R6=44.845", "R7=12.7", "R8=15", "R9=10.4", "R10=6.4", "R11=2-3/4", "R12=19.1", "R13=21.4",
        "R14=16.8", "R15=0.18", "R16=1-1/4", "R20=20", "R21=45.026", "R22=5.8", "R23=90", "R24=42", "R25=80",
        "R26=4.6", "R27=46.866", "R28=21.4"};
    QTest::newRow("ListR 2") << 1 << 9 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=59.614",
        "R5=58.135", "R6=56.656", "R7=15.9", "R8=18.2", "R9=13.6", "R10=7.5", "R11=3-1/4", "R12=23.4", "R13=25.7",
        "R14=21.1", "R15=0.18", "R16=1-1/4", "R20=30", "R21=56.837", "R22=5.8", "R23=100", "R24=44", "R25=90",
        "R26=4.6", "R27=58.477", "R28=25.7"};
    QTest::newRow("ListR 2-1/2") << 1 << 10 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=75.184",
        "R5=73.705", "R6=72.226", "R7=17.5", "R8=21", "R9=14", "R10=9.2", "R11=4", "R12=26.7", "R13=30.2", "R14=23.2",
        "R15=0.216", "R16=1-1/2", "R20=--", "R21=--", "R22=--", "R23=--", "R24=--", "R25=--", "R26=--", "R27=--",
        "R28=--"};
    QTest::newRow("ListR 3") << 1 << 11 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=87.884",
        "R5=86.405", "R6=84.926", "R7=20.6", "R8=24.1", "R9=17.1", "R10=9.2", "R11=4", "R12=29.8", "R13=33.3",
        "R14=26.3", "R15=0.216", "R16=1-1/2", "R20=--", "R21=--", "R22=--", "R23=--", "R24=--", "R25=--", "R26=--",
        "R27=--", "R28=--"};
    QTest::newRow("ListR 4") << 1 << 12 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=113.03",
        "R5=111.551", "R6=110.072", "R7=25.4", "R8=28.9", "R9=21.9", "R10=10.4", "R11=4-1/2", "R12=35.8", "R13=39.3",
        "R14=32.3", "R15=0.216", "R16=1-1/2", "R20=--", "R21=--", "R22=--", "R23=--", "R24=--", "R25=--", "R26=--",
        "R27=--", "R28=--"};
    QTest::newRow("ListR 5") << 1 << 13 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=138.43",
        "R5=136.951", "R6=135.472", "R7=28.6", "R8=32.1", "R9=25.1", "R10=11.5", "R11=5", "R12=40.1", "R13=43.6",
        "R14=36.6", "R15=0.216", "R16=1-1/2", "R20=--", "R21=--", "R22=--", "R23=--", "R24=--", "R25=--", "R26=--",
        "R27=--", "R28=--"};
    QTest::newRow("ListR 6") << 1 << 14 << QStringList{"R1=11", "R2=2.309", "R3=1.479", "R4=163.83",
        "R5=162.351", "R6=160.872", "R7=28.6", "R8=32.1", "R9=25.1", "R10=11.5", "R11=5", "R12=40.1", "R13=43.6",
        "R14=36.6", "R15=0.216", "R16=1-1/2", "R20=--", "R21=--", "R22=--", "R23=--", "R24=--", "R25=--", "R26=--",
        "R27=--", "R28=--"};
    QTest::newRow("ListG 1/16") << 2 << 0 << QStringList{"G1=28", "G2=0.907", "G3=0.581", "G4=7.723",
        "G5=7.142(0/+0.107)", "G6=6.561(0/+0.282)", "G7=7.723(0/-0.214)", "G8=7.142(0/-0.107)", "G80=7.142(0/-0.214)",
        "G9=6.561", "G10=7.605(0/-0.02)", "G11=10", "G12=7.153(0/-0.01)", "G13=6.561", "G14=7.45(0/-0.03)", "G15=7.5",
        "G16=7.259(0/-0.01)", "G17=6.561"};
    QTest::newRow("ListG 1/8") << 2 << 1 << QStringList{"G1=28", "G2=0.907", "G3=0.581", "G4=9.728",
        "G5=9.147(0/+0.107)", "G6=8.566(0/+0.282)", "G7=9.728(0/-0.214)", "G8=9.147(0/-0.107)", "G80=9.147(0/-0.214)",
        "G9=8.566", "G10=9.61(0/-0.02)", "G11=10", "G12=9.158(0/-0.01)", "G13=8.566", "G14=9.455(0/-0.03)", "G15=7.5",
        "G16=9.264(0/-0.01)", "G17=8.566"};
    QTest::newRow("ListG 1/4") << 2 << 2 << QStringList{"G1=19", "G2=1.337", "G3=0.856", "G4=13.157",
        "G5=12.301(0/+0.125)", "G6=11.445(0/+0.445)", "G7=13.157(0/-0.25)", "G8=12.301(0/-0.125)",
        "G80=12.301(0/-0.25)", "G9=11.445", "G10=12.975(0/-0.02)", "G11=12", "G12=12.312(0/-0.01)", "G13=11.445",
        "G14=12.713(0/-0.03)", "G15=9", "G16=12.436(0/-0.01)", "G17=11.445"};
    QTest::newRow("ListG 3/8") << 2 << 3 << QStringList{"G1=19", "G2=1.337", "G3=0.856", "G4=16.662",
        "G5=15.806(0/+0.125)", "G6=14.95(0/+0.445)", "G7=16.662(0/-0.25)", "G8=15.806(0/-0.125)",
        "G80=15.806(0/-0.25)", "G9=14.95", "G10=16.48(0/-0.02)", "G11=14", "G12=15.817(0/-0.01)", "G13=14.95",
        "G14=16.218(0/-0.03)", "G15=11", "G16=15.941(0/-0.01)", "G17=14.95"};
    QTest::newRow("ListG 1/2") << 2 << 4 << QStringList{"G1=14", "G2=1.814", "G3=1.162", "G4=20.955",
        "G5=19.793(0/+0.142)", "G6=18.631(0/+0.541)", "G7=20.955(0/-0.284)", "G8=19.793(0/-0.142)",
        "G80=19.793(0/-0.284)", "G9=18.631", "G10=20.711(0/-0.024)", "G11=16", "G12=19.811(0/-0.012)", "G13=18.631",
        "G14=20.322(0/-0.036)", "G15=14", "G16=19.947(0/-0.012)", "G17=18.631"};
    QTest::newRow("ListG 5/8") << 2 << 5 << QStringList{"G1=14", "G2=1.814", "G3=1.162", "G4=22.911",
        "G5=21.749(0/+0.142)", "G6=20.587(0/+0.541)", "G7=22.911(0/-0.284)", "G8=21.749(0/-0.142)",
        "G80=21.749(0/-0.284)", "G9=20.587", "G10=22.667(0/-0.024)", "G11=16", "G12=21.767(0/-0.012)", "G13=20.587",
        "G14=22.278(0/-0.036)", "G15=14", "G16=21.903(0/-0.012)", "G17=20.587"};
    QTest::newRow("ListG 3/4") << 2 << 6 << QStringList{"G1=14", "G2=1.814", "G3=1.162", "G4=26.441",
        "G5=25.279(0/+0.142)", "G6=24.117(0/+0.541)", "G7=26.441(0/-0.284)", "G8=25.279(0/-0.142)",
        "G80=25.279(0/-0.284)", "G9=24.117", "G10=26.197(0/-0.024)", "G11=20", "G12=25.297(0/-0.012)", "G13=24.117",
        "G14=25.808(0/-0.036)", "G15=14", "G16=25.433(0/-0.012)", "G17=24.117"};
    QTest::newRow("ListG 7/8") << 2 << 7 << QStringList{"G1=14", "G2=1.814", "G3=1.162", "G4=30.201",
        "G5=29.039(0/+0.142)", "G6=27.877(0/+0.541)", "G7=30.201(0/-0.284)", "G8=29.039(0/-0.142)",
        "G80=29.039(0/-0.284)", "G9=27.877", "G10=29.957(0/-0.024)", "G11=20", "G12=29.057(0/-0.012)", "G13=27.877",
        "G14=29.568(0/-0.036)", "G15=16", "G16=29.193(0/-0.012)", "G17=27.877"};
    QTest::newRow("ListG 1") << 2 << 8 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=33.249",
        "G5=31.77(0/+0.18)", "G6=30.291(0/+0.64)", "G7=33.249(0/-0.36)", "G8=31.77(0/-0.18)", "G80=31.77(0/-0.36)",
        "G9=30.291", "G10=32.931(0/-0.024)", "G11=20", "G12=31.788(0/-0.012)", "G13=30.291", "G14=32.436(0/-0.036)",
        "G15=16", "G16=31.962(0/-0.012)", "G17=30.291"};
    QTest::newRow("ListG 1-1/8") << 2 << 9 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=37.897",
        "G5=36.418(0/+0.18)", "G6=34.939(0/+0.64)", "G7=37.897(0/-0.36)", "G8=36.418(0/-0.18)", "G80=36.418(0/-0.36)",
        "G9=34.939", "G10=37.579(0/-0.024)", "G11=20", "G12=36.436(0/-0.012)", "G13=34.939", "G14=37.084(0/-0.036)",
        "G15=16", "G16=36.61(0/-0.012)", "G17=34.939"};
    QTest::newRow("ListG 1-1/4") << 2 << 10 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=41.91",
        "G5=40.431(0/+0.18)", "G6=38.952(0/+0.64)", "G7=41.91(0/-0.36)", "G8=40.431(0/-0.18)", "G80=40.431(0/-0.36)",
        "G9=38.952", "G10=41.592(0/-0.024)", "G11=20", "G12=40.449(0/-0.012)", "G13=38.952", "G14=41.097(0/-0.036)",
        "G15=16", "G16=40.623(0/-0.012)", "G17=38.952"};
    QTest::newRow("ListG 1-1/2") << 2 << 11 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=47.803",
        "G5=46.324(0/+0.18)", "G6=44.845(0/+0.64)", "G7=47.803(0/-0.36)", "G8=46.324(0/-0.18)", "G80=46.324(0/-0.36)",
        "G9=44.845", "G10=47.485(0/-0.024)", "G11=20", "G12=46.342(0/-0.012)", "G13=44.845", "G14=46.99(0/-0.036)",
        "G15=16", "G16=46.516(0/-0.012)", "G17=44.845"};
    QTest::newRow("ListG 1-3/4") << 2 << 12 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=53.746",
        "G5=52.267(0/+0.18)", "G6=50.788(0/+0.64)", "G7=53.746(0/-0.36)", "G8=52.267(0/-0.18)", "G80=52.267(0/-0.36)",
        "G9=50.788", "G10=53.428(0/-0.024)", "G11=20", "G12=52.285(0/-0.012)", "G13=50.788", "G14=52.933(0/-0.036)",
        "G15=16", "G16=52.459(0/-0.012)", "G17=50.788"};
    QTest::newRow("ListG 2") << 2 << 13 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=59.614",
        "G5=58.135(0/+0.18)", "G6=56.656(0/+0.64)", "G7=59.614(0/-0.36)", "G8=58.135(0/-0.18)", "G80=58.135(0/-0.36)",
        "G9=56.656", "G10=59.296(0/-0.024)", "G11=20", "G12=58.153(0/-0.012)", "G13=56.656", "G14=58.801(0/-0.036)",
        "G15=16", "G16=58.327(0/-0.012)", "G17=56.656"};
    QTest::newRow("ListG 2-1/4") << 2 << 14 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=65.71",
        "G5=64.231(0/+0.217)", "G6=62.752(0/+0.64)", "G7=65.71(0/-0.434)", "G8=64.231(0/-0.217)",
        "G80=64.231(0/-0.434)", "G9=62.752", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    QTest::newRow("ListG 2-1/2") << 2 << 15 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=75.184",
        "G5=73.705(0/+0.217)", "G6=72.226(0/+0.64)", "G7=75.184(0/-0.434)", "G8=73.705(0/-0.217)",
        "G80=73.705(0/-0.434)", "G9=72.226", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    QTest::newRow("ListG 2-3/4") << 2 << 16 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=81.534",
        "G5=80.055(0/+0.217)", "G6=78.576(0/+0.64)", "G7=81.534(0/-0.434)", "G8=80.055(0/-0.217)",
        "G80=80.055(0/-0.434)", "G9=78.576", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    QTest::newRow("ListG 3") << 2 << 17 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=87.884",
        "G5=86.405(0/+0.217)", "G6=84.926(0/+0.64)", "G7=87.884(0/-0.434)", "G8=86.405(0/-0.217)",
        "G80=86.405(0/-0.434)", "G9=84.926", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    QTest::newRow("ListG 3-1/2") << 2 << 18 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=100.33",
        "G5=98.851(0/+0.217)", "G6=97.372(0/+0.64)", "G7=100.33(0/-0.434)", "G8=98.851(0/-0.217)",
        "G80=98.851(0/-0.434)", "G9=97.372", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    QTest::newRow("ListG 4") << 2 << 19 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=113.03",
        "G5=111.551(0/+0.217)", "G6=110.072(0/+0.64)", "G7=113.03(0/-0.434)", "G8=111.551(0/-0.217)",
        "G80=111.551(0/-0.434)", "G9=110.072", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    QTest::newRow("ListG 4-1/2") << 2 << 20 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=125.73",
        "G5=124.251(0/+0.217)", "G6=122.772(0/+0.64)", "G7=125.73(0/-0.434)", "G8=124.251(0/-0.217)",
        "G80=124.251(0/-0.434)", "G9=122.772", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    QTest::newRow("ListG 5") << 2 << 21 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=138.43",
        "G5=136.951(0/+0.217)", "G6=135.472(0/+0.64)", "G7=138.43(0/-0.434)", "G8=136.951(0/-0.217)",
        "G80=136.951(0/-0.434)", "G9=135.472", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    QTest::newRow("ListG 5-1/2") << 2 << 22 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=151.13",
        "G5=149.651(0/+0.217)", "G6=148.172(0/+0.64)", "G7=151.13(0/-0.434)", "G8=149.651(0/-0.217)",
        "G80=149.651(0/-0.434)", "G9=148.172", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    QTest::newRow("ListG 6") << 2 << 23 << QStringList{"G1=11", "G2=2.309", "G3=1.479", "G4=163.83",
        "G5=162.351(0/+0.217)", "G6=160.872(0/+0.64)", "G7=163.83(0/-0.434)", "G8=162.351(0/-0.217)",
        "G80=162.351(0/-0.434)", "G9=160.872", "G10=--", "G11=--", "G12=--", "G13=--", "G14=--", "G15=--", "G16=--",
        "G17=--"};
    // clang-format on
}

void TestForm7::everyRow() {
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    QCOMPARE(expected.size(), kTabBoxes[tab].size());  // every box of the tab
    if (row > 0) pickOnTab(tab, row - 1);
    pickOnTab(tab, row);
    QVERIFY2(p.matches(expected), p.why());
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
