// The hardness conversion table, over all its rows: keys, missing cells,
// number forms and the rising columns.
#include <QTest>

#include <cmath>
#include <regex>
#include <set>
#include <string>

#include "reference/hardness.h"

using quorvil::kHardnessTable;

namespace {

std::string str(std::string_view s) { return std::string(s); }
double num(std::string_view s) { return std::stod(std::string(s)); }
bool missing(std::string_view s) { return s == "--"; }

}  // namespace

class TestHardness : public QObject {
    Q_OBJECT
private slots:
    void keysRunFrom15To70InHalves();
    void missingCellsAreWhereTheTableHasNoValue();
    void cellsAreWholeNumbersOrOneDecimal();
    void everyColumnRises();
    void misprintedRockwellAIsTheMeanOfItsNeighbours();
    void rowsAsTheUserSeesThem_data();
    void rowsAsTheUserSeesThem();
};

void TestHardness::keysRunFrom15To70InHalves() {
    QCOMPARE(kHardnessTable.size(), std::size_t(111));
    for (std::size_t i = 0; i < kHardnessTable.size(); ++i) {
        const double hrc = 15.0 + 0.5 * double(i);
        char want[16];
        std::snprintf(want, sizeof want, "%.1f", hrc);
        QCOMPARE(str(kHardnessTable[i].hrc), std::string(want));
    }
}

// HB has no value below 16.5 and from 47.5 up, HV none below 16.5, the
// strength none from 60.5 up; HRA has a value in every row.
void TestHardness::missingCellsAreWhereTheTableHasNoValue() {
    for (std::size_t i = 0; i < kHardnessTable.size(); ++i) {
        const auto& r = kHardnessTable[i];
        const double hrc = num(r.hrc);
        QVERIFY2(missing(r.hb) == (hrc <= 16.0 || hrc >= 47.5), r.hrc.data());
        QVERIFY2(missing(r.hv) == (hrc <= 16.0), r.hrc.data());
        QVERIFY2(missing(r.strength) == (hrc >= 60.5), r.hrc.data());
        QVERIFY2(!missing(r.hra), r.hrc.data());
    }
}

// HB, HV and strength are plain whole numbers; HRA has one decimal in the
// plain number text, so a whole value has no point ("61", never "61.0").
void TestHardness::cellsAreWholeNumbersOrOneDecimal() {
    const std::regex whole("[1-9][0-9]*"), oneDecimal("[1-9][0-9]*(\\.[1-9])?");
    std::set<std::string> wholeRockwellA;
    for (const auto& r : kHardnessTable) {
        for (std::string_view cell : {r.hb, r.hv, r.strength})
            if (!missing(cell)) QVERIFY2(std::regex_match(str(cell), whole), str(cell).c_str());
        QVERIFY2(std::regex_match(str(r.hra), oneDecimal), str(r.hra).c_str());
        if (r.hra.find('.') == std::string_view::npos) wholeRockwellA.insert(str(r.hra));
    }
    const std::set<std::string> expected = {"61", "62", "63", "64", "69", "70", "75", "79", "82", "85"};
    QVERIFY(wholeRockwellA == expected);
}

void TestHardness::everyColumnRises() {
    std::string_view quorvil::HardnessRow::*columns[] = {&quorvil::HardnessRow::hb, &quorvil::HardnessRow::hra,
                                                         &quorvil::HardnessRow::hv, &quorvil::HardnessRow::strength};
    for (auto column : columns) {
        double last = -1;
        for (const auto& r : kHardnessTable) {
            if (missing(r.*column)) continue;
            QVERIFY2(num(r.*column) > last, (str(r.hrc) + ": " + str(r.*column)).c_str());
            last = num(r.*column);
        }
    }
}

void TestHardness::misprintedRockwellAIsTheMeanOfItsNeighbours() {
    for (std::size_t i : {53u, 59u, 64u}) {
        const double mean = (num(kHardnessTable[i - 1].hra) + num(kHardnessTable[i + 1].hra)) / 2;
        QCOMPARE(num(kHardnessTable[i].hra), std::round(mean * 10) / 10);
    }
    QCOMPARE(str(kHardnessTable[53].hra), std::string("71.4"));
    QCOMPARE(str(kHardnessTable[59].hra), std::string("72.9"));
    QCOMPARE(str(kHardnessTable[64].hra), std::string("74.2"));
}

void TestHardness::rowsAsTheUserSeesThem_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");  // HB HRA HV strength
    QTest::newRow("15.0") << 0 << "-- 57.6 -- 699";
    QTest::newRow("16.5 HB equals HV") << 3 << "209 58.4 209 717";
    QTest::newRow("18.5 HB equals HV") << 7 << "218 59.4 218 744";
    QTest::newRow("19.0 HB and HV part") << 8 << "220 59.7 221 752";
    QTest::newRow("21.5 whole HRA") << 13 << "232 61 234 791";
    QTest::newRow("47.0 last HB") << 64 << "449 74.2 463 1581";
    QTest::newRow("47.5 first missing HB") << 65 << "-- 74.5 470 1608";
    QTest::newRow("60.0 last strength") << 90 << "-- 81.2 713 2607";
    QTest::newRow("60.5 first missing strength") << 91 << "-- 81.4 726 --";
    QTest::newRow("70.0") << 110 << "-- 86.6 1037 --";
}

void TestHardness::rowsAsTheUserSeesThem() {
    QFETCH(int, row);
    QFETCH(QString, expected);
    const auto& r = kHardnessTable[std::size_t(row)];
    QCOMPARE(QString::fromStdString(str(r.hb) + " " + str(r.hra) + " " + str(r.hv) + " " + str(r.strength)), expected);
}

QTEST_APPLESS_MAIN(TestHardness)
#include "tst_hardness.moc"
