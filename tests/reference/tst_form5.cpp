#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "common/ui/tabcontainer.h"
#include "reference/Form5.h"
#include "reference/worktimes.h"
#include "texttest.h"
#include "uitest.h"
#include "windowtest.h"

using namespace quorvil::reference;

namespace {

using quorvil::test::q;

template <std::size_t N>
QStringList names(const std::array<TimeOption, N>& options) {
    QStringList out;
    for (const TimeOption& o : options) out << q(o.name);
    return out;
}

}  // namespace

class TestForm5 : public quorvil::test::WindowTest<Form5> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void optionGroups();
    void everyCell_data();
    void everyCell();
    void quotedCells_data();
    void quotedCells();
    void onlyTheButtonWrites();
    void tabsKeepTheirState();

private:
    quorvil::TabContainer* tabs() const { return p.get<quorvil::TabContainer>("SSTab1"); }
};

void TestForm5::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("17.钻孔、攻丝工时计算"));
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(tabs()->tabBar()->tabText(0), QStringLiteral("钻孔工时计算"));
    QCOMPARE(tabs()->tabBar()->tabText(1), QStringLiteral("攻丝工时计算"));
    QVERIFY2(p.matches({"Text366=", "Text365=", "Command101=工时", "Command105=工 时",
                        "Label1_33=  注1:装夹时间:手搬件0.5'(不须校正)、1.5'(校正).吊运件:10(不须校正)、15'(校正)。",
                        "Label1_31=注1:装夹时间:手搬件另加0.5分钟.吊运件另加10分钟。",
                        "Label1_32=注2:细牙乘以K=1.25、英制，美制锥管K=2，同螺径≤2只者K=1.25"}),
             p.why());
    QVERIFY(p.text("Label1_34").startsWith(QStringLiteral("  注2:打角度斜孔、半同心孔")));
    QVERIFY(p.text("Label1_34").endsWith(QStringLiteral("孔数>7时，K=0.9")));
    for (const char* name : {"Op07", "Op7", "Op080", "Op10"}) QVERIFY2(p.get<QRadioButton>(name)->isChecked(), name);
    for (const char* name : {"Text366", "Text365"}) {
        QLineEdit* b = p.box(name);
        QVERIFY(b->font().bold());
        QCOMPARE(b->font().pointSizeF(), 10.5);
        QCOMPARE(b->palette().color(QPalette::Text), QColor(0, 0, 192));
        QCOMPARE(b->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
}

// Each frame is one group in display order; the drilling depths run down
// the left column, then down the right one.
void TestForm5::optionGroups() {
    const std::pair<const char*, QStringList> groups[] = {{"Frame1_1", names(kDrillDepths)},
                                                          {"Frame12", names(kDrillDiameters)},
                                                          {"Frame101", names(kTapDepths)},
                                                          {"Frame124", names(kTapSizes)}};
    for (const auto& [frame, options] : groups) {
        QWidget* f = p.get(frame);
        for (const QString& o : options) {
            auto* b = p.get<QRadioButton>(o);
            QCOMPARE(b->parentWidget(), f);
            QCOMPARE(b->text(), p.text(o));
        }
        QCOMPARE(f->findChildren<QRadioButton*>().size(), options.size());
        // Selecting the last option clears the first.
        p.click(options.back());
        QVERIFY(!p.get<QRadioButton>(options.front())->isChecked());
    }
    const QStringList depths = names(kDrillDepths);
    for (int i = 1; i < 24; ++i) {
        QWidget* prev = p.get(depths[i - 1]);
        QWidget* cur = p.get(depths[i]);
        if (i == 12)
            QVERIFY(cur->x() > prev->x() && cur->y() < prev->y());
        else
            QVERIFY(cur->x() == prev->x() && cur->y() > prev->y());
    }
    QCOMPARE(p.text("Op318"), QStringLiteral("285≤L＜320"));
    QCOMPARE(p.text("Op195"), QStringLiteral("172≤L＜195"));
}

// Every cell of a grid through the window: pick the row's and the column's
// option, press the button, and the box shows the cell, replacing any text.
void TestForm5::everyCell_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("otherBox");
    QTest::newRow("drilling") << 0 << "Text366"
                              << "Text365";
    QTest::newRow("tapping") << 1 << "Text365"
                             << "Text366";
}

void TestForm5::everyCell() {
    QFETCH(int, tab);
    QFETCH(QString, box);
    QFETCH(QString, otherBox);
    tabs()->setCurrentIndex(tab);
    const bool drilling = tab == 0;
    const QStringList rows = drilling ? names(kDrillDepths) : names(kTapDepths);
    const QStringList columns = drilling ? names(kDrillDiameters) : names(kTapSizes);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < columns.size(); ++c) {
            p.click(rows[r]);
            p.click(columns[c]);
            p.type(box, "typed");
            p.click(drilling ? "Command101" : "Command105");
            const auto cell =
                drilling ? drillingTime(std::size_t(r), std::size_t(c)) : tappingTime(std::size_t(r), std::size_t(c));
            QCOMPARE(p.text(box), q(cell));
        }
    QCOMPARE(p.text(otherBox), QString());
}

void TestForm5::quotedCells_data() {
    QTest::addColumn<QStringList>("options");  // clicked in this order, then the tab's button
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");
    QTest::newRow("drilling at opening") << QStringList{} << "Command101"
                                         << "Text366"
                                         << "0.8";
    QTest::newRow("tapping at opening") << QStringList{} << "Command105"
                                        << "Text365"
                                        << "0.6";
    QTest::newRow("Op7 Op195") << QStringList{"Op7", "Op195"} << "Command101"
                               << "Text366"
                               << "5.8";
    QTest::newRow("Op7 Op222 no time") << QStringList{"Op7", "Op222"} << "Command101"
                                       << "Text366"
                                       << "--";
    QTest::newRow("Op65 Op252") << QStringList{"Op65", "Op252"} << "Command101"
                                << "Text366"
                                << "16.8";
    QTest::newRow("Op65 Op285 no time") << QStringList{"Op65", "Op285"} << "Command101"
                                        << "Text366"
                                        << "--";
    QTest::newRow("Op45 Op355") << QStringList{"Op45", "Op355"} << "Command101"
                                << "Text366"
                                << "15.5";
    QTest::newRow("Op50 Op355 no time") << QStringList{"Op50", "Op355"} << "Command101"
                                        << "Text366"
                                        << "--";
    QTest::newRow("Op40 Op318") << QStringList{"Op40", "Op318"} << "Command101"
                                << "Text366"
                                << "11.9";
    QTest::newRow("Op20 Op07 whole") << QStringList{"Op20", "Op07"} << "Command101"
                                     << "Text366"
                                     << "1.0";
    QTest::newRow("Op34 Op222 whole") << QStringList{"Op34", "Op222"} << "Command101"
                                      << "Text366"
                                      << "7.0";
    QTest::newRow("Op450 Op0540") << QStringList{"Op450", "Op0540"} << "Command105"
                                  << "Text365"
                                  << "1.5";
    QTest::newRow("Op450 Op0460") << QStringList{"Op450", "Op0460"} << "Command105"
                                  << "Text365"
                                  << "1.3";
    // Each button reads only its own tab's options.
    QTest::newRow("drilling ignores tapping options") << QStringList{"Op450", "Op0540"} << "Command101"
                                                      << "Text366"
                                                      << "0.8";
    QTest::newRow("tapping ignores drilling options") << QStringList{"Op65", "Op252"} << "Command105"
                                                      << "Text365"
                                                      << "0.6";
}

void TestForm5::quotedCells() {
    QFETCH(QStringList, options);
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, expected);
    for (const QString& o : options) p.click(o);
    p.click(button);
    QCOMPARE(p.text(box), expected);
}

// Options, typing and switching tabs change no box; a press writes again.
void TestForm5::onlyTheButtonWrites() {
    p.click("Op45");
    p.click("Op355");
    p.click("Command101");
    QCOMPARE(p.text("Text366"), QStringLiteral("15.5"));
    p.click("Op50");
    p.click("Op07");
    QCOMPARE(p.text("Text366"), QStringLiteral("15.5"));
    p.type("Text366", "12 分钟");
    tabs()->setCurrentIndex(1);
    tabs()->setCurrentIndex(0);
    QCOMPARE(p.text("Text366"), QStringLiteral("12 分钟"));
    p.click("Command101");
    QCOMPARE(p.text("Text366"), QStringLiteral("1.9"));
    p.click("Command101");
    QCOMPARE(p.text("Text366"), QStringLiteral("1.9"));
}

void TestForm5::tabsKeepTheirState() {
    p.click("Op13");
    p.click("Command101");
    tabs()->setCurrentIndex(1);
    p.click("Op39");
    p.click("Op0250");
    p.click("Command105");
    tabs()->setCurrentIndex(0);
    QVERIFY2(p.matches({"Text366=0.9", "Text365=0.9"}), p.why());
    QVERIFY(p.get<QRadioButton>("Op13")->isChecked());
    QVERIFY(p.get<QRadioButton>("Op39")->isChecked());
    QVERIFY(p.get<QRadioButton>("Op0250")->isChecked());
}

QUORVIL_UI_TEST_MAIN(TestForm5)
#include "tst_form5.moc"
