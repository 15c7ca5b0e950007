// The stub ACME table window: the boxes of every size, the boxes a pick
// leaves alone, printing.
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>

#include <cmath>

#include "common/numtext.h"
#include "common/ui/printing.h"
#include "common/units.h"
#include "threads/acme/Form12.h"
#include "uitest.h"
#include "windowtest.h"

namespace {

QStringList allBoxes() {
    QStringList names;
    for (int i = 1; i <= 27; ++i) names << QStringLiteral("N%1").arg(i);
    return names;
}

}  // namespace

class TestForm12 : public quorvil::test::WindowTest<Form12> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void sizes_data();
    void sizes();
    void everySizeFillsEveryBox();
    void noWireShowsTheMarker();
    void pickingAgainRewrites();
    void clickWithoutSelectionChangesNothing();
    void prints();
};

void TestForm12::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("3.STUB ACME螺纹"));
    for (const QString& n : allBoxes()) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
    auto* list = p.get<QListWidget>("ListN");
    QCOMPARE(list->count(), 23);
    QCOMPARE(list->item(0)->text(), QStringLiteral("1/4\""));
    QCOMPARE(list->item(9)->text(), QStringLiteral("1-1/8\""));
    QCOMPARE(list->item(22)->text(), QStringLiteral("5\""));
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(p.text("Command1"), QStringLiteral("打  印"));
    QCOMPARE(p.text("Label1_1"), QStringLiteral("2.公差带:2G(只有一个公差带)."));
    QCOMPARE(p.text("Label1_4"), QStringLiteral("5.牙高:0.3P的标准矮牙梯形螺纹."));
}

// Sizes on a fresh window: the inch limits as the table has them, the mm
// values from those texts rounded to three decimals (the tolerances of
// 1-3/8 to 2 inch lie just below 0.3175 and show 0.317; 7/16's 11.1125 and
// 7/8's 20.7645 round away from zero). The sizes of 2 threads per inch have
// no wire: both wire boxes show the no-value marker. The table itself is
// tested against its formulas in tst_stubacme.
void TestForm12::sizes_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("1/4") << 0 << QStringList{"N1=16",      "N2=0.25",    "N3=0.2469",  "N4=6.350",   "N5=0.079",
                                             "N6=0.2272",  "N7=0.2167",  "N8=5.771",   "N9=0.267",   "N10=0.2024",
                                             "N11=0.1919", "N12=5.141",  "N13=0.267",  "N14=0.26",   "N15=0.2705",
                                             "N16=6.604",  "N17=0.267",  "N18=0.2312", "N19=0.2417", "N20=5.872",
                                             "N21=0.267",  "N22=0.2125", "N23=0.2156", "N24=5.398",  "N25=0.079",
                                             "N26=0.866",  "N27=7.027"};
    QTest::newRow("7/16") << 3 << QStringList{"N1=12",      "N2=0.4375",  "N3=0.4333",  "N4=11.113",  "N5=0.107",
                                              "N6=0.4076",  "N7=0.395",   "N8=10.353",  "N9=0.320",   "N10=0.3775",
                                              "N11=0.3649", "N12=9.589",  "N13=0.320",  "N14=0.4475", "N15=0.4601",
                                              "N16=11.367", "N17=0.320",  "N18=0.4125", "N19=0.4251", "N20=10.478",
                                              "N21=0.320",  "N22=0.3875", "N23=0.3917", "N24=9.843",  "N25=0.107",
                                              "N26=1.157",  "N27=12.039"};
    QTest::newRow("7/8") << 7 << QStringList{"N1=6",       "N2=0.875",   "N3=0.8667",  "N4=22.225",  "N5=0.211",
                                             "N6=0.8175",  "N7=0.7996",  "N8=20.765",  "N9=0.455",   "N10=0.755",
                                             "N11=0.7371", "N12=19.177", "N13=0.455",  "N14=0.895",  "N15=0.9129",
                                             "N16=22.733", "N17=0.455",  "N18=0.825",  "N19=0.8429", "N20=20.955",
                                             "N21=0.455",  "N22=0.775",  "N23=0.7833", "N24=19.685", "N25=0.211",
                                             "N26=2.217",  "N27=23.653"};
    QTest::newRow("1-3/8") << 11 << QStringList{"N1=4",       "N2=1.375",   "N3=1.3625",  "N4=34.925",  "N5=0.317",
                                                "N6=1.2906",  "N7=1.2686",  "N8=32.781",  "N9=0.559",   "N10=1.205",
                                                "N11=1.183",  "N12=30.607", "N13=0.559",  "N14=1.395",  "N15=1.417",
                                                "N16=35.433", "N17=0.559",  "N18=1.3",    "N19=1.322",  "N20=33.020",
                                                "N21=0.559",  "N22=1.225",  "N23=1.2375", "N24=31.115", "N25=0.317",
                                                "N26=3.287",  "N27=36.919"};
    QTest::newRow("4") << 20 << QStringList{"N1=2",        "N2=4",       "N3=3.975",  "N4=101.600", "N5=0.635",
                                            "N6=3.834",    "N7=3.8008",  "N8=97.384", "N9=0.843",   "N10=3.68",
                                            "N11=3.6468",  "N12=93.472", "N13=0.843", "N14=4.02",   "N15=4.0532",
                                            "N16=102.108", "N17=0.843",  "N18=3.85",  "N19=3.8832", "N20=97.790",
                                            "N21=0.843",   "N22=3.7",    "N23=3.725", "N24=93.980", "N25=0.635",
                                            "N26=--",      "N27=--"};
    QTest::newRow("5") << 22 << QStringList{"N1=2",        "N2=5",        "N3=4.975",   "N4=127.000",  "N5=0.635",
                                            "N6=4.8319",   "N7=4.7973",   "N8=122.730", "N9=0.879",    "N10=4.68",
                                            "N11=4.6454",  "N12=118.872", "N13=0.879",  "N14=5.02",    "N15=5.0546",
                                            "N16=127.508", "N17=0.879",   "N18=4.85",   "N19=4.8846",  "N20=123.190",
                                            "N21=0.879",   "N22=4.7",     "N23=4.725",  "N24=119.380", "N25=0.635",
                                            "N26=--",      "N27=--"};
}

void TestForm12::sizes() {
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    p.pick("ListN", row);
    QVERIFY2(p.matches(expected), p.why());
}

namespace {
// The number a size item names ("1-1/8\"" is 1.125).
double inches(QString item) {
    item.chop(1);
    const qsizetype dash = item.indexOf(u'-'), slash = item.indexOf(u'/');
    if (slash < 0) return item.toDouble();
    const double whole = dash < 0 ? 0 : item.left(dash).toDouble();
    const QString frac = item.mid(dash + 1);
    return whole + frac.section(u'/', 0, 0).toDouble() / frac.section(u'/', 1, 1).toDouble();
}
QString mm(double inches) {
    return QString::fromStdString(
        quorvil::formatPattern(inches * quorvil::kMillimetresPerInch, quorvil::Pattern::Fixed3));
}
}  // namespace

// Every size, picked one after the other: the size is the one picked, every
// box is written, each mm box shows its inch limit and the pair's range in
// mm to three decimals, and only the sizes of 2 threads per inch have no wire.
void TestForm12::everySizeFillsEveryBox() {
    auto* list = p.get<QListWidget>("ListN");
    for (int row = 0; row < list->count(); ++row) {
        p.pick("ListN", row);
        const QString size = list->item(row)->text();
        const auto value = [&](int box) { return p.text(QStringLiteral("N%1").arg(box)).toDouble(); };
        QCOMPARE(value(2), inches(size));
        for (const QString& n : allBoxes()) QVERIFY2(!p.text(n).isEmpty(), qPrintable(size + u' ' + n));
        for (int first : {2, 6, 10, 14, 18, 22}) {
            const QString where = size + QStringLiteral(" N%1").arg(first);
            QVERIFY2(p.text(QStringLiteral("N%1").arg(first + 2)) == mm(value(first)), qPrintable(where));
            QVERIFY2(p.text(QStringLiteral("N%1").arg(first + 3)) == mm(std::abs(value(first) - value(first + 1))),
                     qPrintable(where));
        }
        const bool wire = p.text("N1") != QStringLiteral("2");
        QCOMPARE(p.text("N26") != QStringLiteral("--"), wire);
        QCOMPARE(p.text("N27") != QStringLiteral("--"), wire);
    }
}

// A size without a wire never shows the wire and M value of the size picked
// before it, nor what the user typed; the next size with a wire shows its own.
void TestForm12::noWireShowsTheMarker() {
    p.pick("ListN", 15);  // 2-1/4 inch, 3 threads per inch
    QVERIFY2(p.matches({"N26=4.4", "N27=59.911"}), p.why());
    p.pick("ListN", 20);  // 4 inch, 2 threads per inch
    QVERIFY2(p.matches({"N1=2", "N2=4", "N5=0.635", "N26=--", "N27=--"}), p.why());
    p.type({"N26=1.5", "N27=12"});
    QVERIFY2(p.matches({"N26=1.5", "N27=12.000"}), p.why());
    p.pick("ListN", 22);
    QVERIFY2(p.matches({"N2=5", "N26=--", "N27=--"}), p.why());
    p.pick("ListN", 0);
    QVERIFY2(p.matches({"N1=16", "N26=0.866", "N27=7.027"}), p.why());
}

void TestForm12::pickingAgainRewrites() {
    p.pick("ListN", 8);
    const auto shown = p.texts(allBoxes());
    p.type({"N1=7", "N4=1", "N5=abc", "N27="});
    QVERIFY2(p.matches({"N4=1.000", "N5=abc"}), p.why());
    p.pick("ListN", 8);
    QCOMPARE(p.texts(allBoxes()), shown);
    QVERIFY2(p.matches({"N1=5", "N2=1", "N3=0.99", "N4=25.400", "N5=0.254"}), p.why());
}

void TestForm12::clickWithoutSelectionChangesNothing() {
    auto* list = p.get<QListWidget>("ListN");
    w->ListN_Click();
    for (const QString& n : allBoxes()) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
    p.pick("ListN", 5);
    const auto shown = p.texts(allBoxes());
    list->clearSelection();
    w->ListN_Click();
    QCOMPARE(p.texts(allBoxes()), shown);
}

void TestForm12::prints() {
    QList<QImage> printed;
    quorvil::setPrintSink([&](const QImage& img) { printed.append(img); });
    const auto noSink = qScopeGuard([] { quorvil::setPrintSink({}); });
    p.click("Command1");  // before any pick too
    QCOMPARE(printed.size(), 1);
    p.pick("ListN", 2);
    const auto before = p.texts(allBoxes());
    p.click("Command1");
    QCOMPARE(printed.size(), 2);
    QCOMPARE(printed.at(1).size(), w->grab().toImage().size());
    QVERIFY(printed.at(0) != printed.at(1));
    QCOMPARE(p.texts(allBoxes()), before);
    QCOMPARE(p.get<QListWidget>("ListN")->currentRow(), 2);
}

QUORVIL_UI_TEST_MAIN(TestForm12)
#include "tst_form12.moc"
