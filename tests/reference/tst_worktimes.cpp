#include <QRegularExpression>
#include <QTest>

#include <set>

#include "reference/worktimes.h"

using namespace quorvil::reference;

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

template <std::size_t N>
std::size_t indexOf(const std::array<TimeOption, N>& options, const char* name) {
    for (std::size_t i = 0; i < N; ++i)
        if (options[i].name == name) return i;
    qFatal("no option %s", name);
}

QString drill(const char* diameter, const char* depth) {
    return q(drillingTime(indexOf(kDrillDepths, depth), indexOf(kDrillDiameters, diameter)));
}

double minutes(std::string_view t) { return q(t).toDouble(); }

}  // namespace

class TestWorkTimes : public QObject {
    Q_OBJECT
private slots:
    void options();
    void quotedCells_data();
    void quotedCells();
    void everyCellIsATimeOrDash();
    void lastDrillingDepthPerDiameter();
    void drillingFallsOnlyWhereListed();
    void tappingNeverFalls();
    void outOfRange();
};

void TestWorkTimes::options() {
    QCOMPARE(kDrillDiameters.size(), std::size_t(9));
    QCOMPARE(kDrillDepths.size(), std::size_t(24));
    QCOMPARE(kTapSizes.size(), std::size_t(6));
    QCOMPARE(kTapDepths.size(), std::size_t(10));
    QCOMPARE(q(kDrillDiameters.front().caption), QStringLiteral("3≤￠＜7"));
    QCOMPARE(q(kDrillDiameters.back().caption), QStringLiteral("50≤￠＜65"));
    QCOMPARE(q(kDrillDepths.front().caption), QStringLiteral("3≤L＜7"));
    QCOMPARE(q(kDrillDepths[11].caption), QStringLiteral("67≤L＜78"));
    QCOMPARE(q(kDrillDepths[12].caption), QStringLiteral("78≤L＜90"));
    QCOMPARE(q(kDrillDepths[indexOf(kDrillDepths, "Op318")].caption), QStringLiteral("285≤L＜320"));
    QCOMPARE(q(kDrillDepths.back().caption), QStringLiteral("320≤L＜355"));
    QCOMPARE(q(kTapDepths.front().caption), QStringLiteral("5≤L＜8"));
    QCOMPARE(q(kTapSizes.back().caption), QStringLiteral("M42~M45"));
    // Design names are unique across the window.
    std::set<std::string_view> names;
    for (const TimeOption& o : kDrillDiameters) QVERIFY(names.insert(o.name).second);
    for (const TimeOption& o : kDrillDepths) QVERIFY(names.insert(o.name).second);
    for (const TimeOption& o : kTapSizes) QVERIFY(names.insert(o.name).second);
    for (const TimeOption& o : kTapDepths) QVERIFY(names.insert(o.name).second);
}

void TestWorkTimes::quotedCells_data() {
    QTest::addColumn<QString>("got");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first drilling cell") << drill("Op7", "Op07") << "0.8";
    QTest::newRow("Op7 last time") << drill("Op7", "Op195") << "5.8";
    QTest::newRow("Op7 no time") << drill("Op7", "Op222") << "--";
    QTest::newRow("Op65 last time") << drill("Op65", "Op252") << "16.8";
    QTest::newRow("Op65 no time") << drill("Op65", "Op285") << "--";
    QTest::newRow("Op45 deepest") << drill("Op45", "Op355") << "15.5";
    QTest::newRow("Op50 deepest") << drill("Op50", "Op355") << "--";
    QTest::newRow("Op318 285-320") << drill("Op40", "Op318") << "11.9";
    QTest::newRow("whole 1.0") << drill("Op20", "Op07") << "1.0";
    QTest::newRow("whole 7.0") << drill("Op34", "Op222") << "7.0";
    QTest::newRow("Op27 down the column") << drill("Op27", "Op195") << "6.5";
    QTest::newRow("Op27 falls") << drill("Op27", "Op222") << "5.6";
    QTest::newRow("Op27 at Op252") << drill("Op27", "Op252") << "6.2";
    QTest::newRow("Op34 at Op252") << drill("Op34", "Op252") << "--";
    QTest::newRow("widest deepest") << drill("Op65", "Op355") << "--";
    QTest::newRow("first tapping cell") << q(tappingTime(0, 0)) << "0.6";
    QTest::newRow("tapping M42-45 46-54")
        << q(tappingTime(indexOf(kTapDepths, "Op0540"), indexOf(kTapSizes, "Op450"))) << "1.5";
    QTest::newRow("tapping M42-45 40-46")
        << q(tappingTime(indexOf(kTapDepths, "Op0460"), indexOf(kTapSizes, "Op450"))) << "1.3";
}

void TestWorkTimes::quotedCells() {
    QFETCH(QString, got);
    QFETCH(QString, expected);
    QCOMPARE(got, expected);
}

void TestWorkTimes::everyCellIsATimeOrDash() {
    const QRegularExpression time("^\\d+\\.\\d$");
    int dashes = 0;
    for (std::size_t r = 0; r < kDrillDepths.size(); ++r)
        for (std::size_t c = 0; c < kDrillDiameters.size(); ++c) {
            const QString t = q(drillingTime(r, c));
            if (t == QStringLiteral("--"))
                ++dashes;
            else
                QVERIFY2(time.match(t).hasMatch() && minutes(drillingTime(r, c)) > 0, qPrintable(t));
        }
    QCOMPARE(dashes, 3 * 5 + 3 + 4 + 0 + 0 + 1 + 3);  // below the last time of each column
    for (std::size_t r = 0; r < kTapDepths.size(); ++r)
        for (std::size_t c = 0; c < kTapSizes.size(); ++c)
            QVERIFY2(time.match(q(tappingTime(r, c))).hasMatch(), qPrintable(q(tappingTime(r, c))));
}

// Each diameter has times down to its own last depth and none below it.
void TestWorkTimes::lastDrillingDepthPerDiameter() {
    const std::array<const char*, 9> last = {"Op195", "Op195", "Op195", "Op252", "Op222",
                                             "Op355", "Op355", "Op318", "Op252"};
    for (std::size_t c = 0; c < kDrillDiameters.size(); ++c) {
        const std::size_t lastRow = indexOf(kDrillDepths, last[c]);
        for (std::size_t r = 0; r < kDrillDepths.size(); ++r)
            QVERIFY2((drillingTime(r, c) == kNoTime) == (r > lastRow),
                     qPrintable(QStringLiteral("%1 at %2").arg(q(kDrillDiameters[c].name), q(kDrillDepths[r].name))));
    }
}

// The drilling grid rises (or stays) down every column and along every row,
// except at the five places the table is known to fall.
void TestWorkTimes::drillingFallsOnlyWhereListed() {
    std::set<QString> falls;
    for (std::size_t r = 0; r < kDrillDepths.size(); ++r)
        for (std::size_t c = 0; c < kDrillDiameters.size(); ++c) {
            const std::string_view t = drillingTime(r, c);
            if (t == kNoTime) continue;
            if (r > 0 && minutes(t) < minutes(drillingTime(r - 1, c)))
                falls.insert(QStringLiteral("down %1 at %2").arg(q(kDrillDiameters[c].name), q(kDrillDepths[r].name)));
            if (c > 0 && drillingTime(r, c - 1) != kNoTime && minutes(t) < minutes(drillingTime(r, c - 1)))
                falls.insert(QStringLiteral("along %1 at %2").arg(q(kDrillDepths[r].name), q(kDrillDiameters[c].name)));
        }
    const std::set<QString> listed = {"down Op27 at Op222", "along Op117 at Op34", "along Op134 at Op34",
                                      "along Op172 at Op27", "along Op195 at Op34"};
    QCOMPARE(falls, listed);
}

void TestWorkTimes::tappingNeverFalls() {
    for (std::size_t r = 0; r < kTapDepths.size(); ++r)
        for (std::size_t c = 0; c < kTapSizes.size(); ++c) {
            if (r > 0) QVERIFY(minutes(tappingTime(r, c)) >= minutes(tappingTime(r - 1, c)));
            if (c > 0) QVERIFY(minutes(tappingTime(r, c)) >= minutes(tappingTime(r, c - 1)));
        }
}

void TestWorkTimes::outOfRange() {
    QVERIFY(drillingTime(24, 0).empty());
    QVERIFY(drillingTime(0, 9).empty());
    QVERIFY(tappingTime(10, 0).empty());
    QVERIFY(tappingTime(0, 6).empty());
}

QTEST_APPLESS_MAIN(TestWorkTimes)
#include "tst_worktimes.moc"
