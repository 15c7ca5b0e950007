// External thread tables of the metric thread window.
#include <QTest>

#include <QRegularExpression>

#include <algorithm>
#include <vector>

#include "common/numtext.h"
#include "threads/metric/externaltables.h"
#include "threads/metric/wires.h"

using namespace quorvil::metric;

Q_DECLARE_METATYPE(quorvil::metric::ExternalClass)

namespace {

// Positions with a row in the M-value table.
const std::vector<int> kMRowPositions = {
    15,  17,  18,  19,  20,  21,  22,  23,  24,  25,  26,  27,  28,  29,  30,  31,  32,  33,  34,  35,  36,
    37,  38,  39,  40,  41,  42,  43,  44,  45,  46,  47,  48,  49,  50,  51,  52,  53,  54,  55,  56,  57,
    58,  59,  60,  61,  62,  63,  65,  66,  67,  68,  70,  71,  72,  73,  75,  76,  77,  78,  80,  81,  82,
    84,  85,  86,  88,  89,  90,  93,  94,  95,  98,  99,  100, 103, 104, 107, 108, 111, 112, 115, 116, 119,
    120, 123, 124, 134, 136, 137, 138, 139, 140, 141, 142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152,
    153, 154, 155, 156, 157, 158, 159, 160, 161, 162, 163, 164, 165, 166, 167, 168, 169, 170, 171, 172, 173,
    174, 175, 176, 177, 179, 180, 181, 182, 184, 185, 186, 187, 189, 190, 191, 193, 194, 195, 197, 198, 199,
    201, 202, 203, 205, 206, 207, 210, 211, 212, 215, 216, 217, 220, 221, 224, 225, 228, 229, 232, 233, 236};
// Positions without a row in 6e and 6f.
const std::vector<int> kNoRow6e = {0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10, 12,
                                   125, 126, 127, 128, 129, 130, 131, 132, 133, 135, 240};
const std::vector<int> kNoRow6f = {0, 1, 2, 3, 4, 6, 8, 125, 126, 127, 128, 129, 131, 133, 240};

QString item(int position) {
    const std::string_view text = sizeItem(position);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool contains(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }

}  // namespace

class TestExternalTables : public QObject {
    Q_OBJECT
private slots:
    void sizeList();
    void limits_data();
    void limits();
    void rowsPerClass();
    void storedTextsDifferFromTheRule();
    void minorIsTheSameInEveryClass();
    void fourDecimalFactorsDiffer();
    void mValues_data();
    void mValues();
    void mValueRows();
    void mValueWiresAgainstTheSharedTable();
};

void TestExternalTables::sizeList() {
    QCOMPARE(kSizeListCount, 241);
    QVERIFY(sizeItem(-1).empty() && sizeItem(241).empty());
    QCOMPARE(item(0), QString("第一系列"));
    QCOMPARE(item(125), QString("第二系列"));
    QCOMPARE(item(240), QString("\t"));
    QCOMPARE(item(1), QString("M1×0.25-粗牙"));
    QCOMPARE(item(17), QString("M6×1  --粗牙"));
    QCOMPARE(item(30), QString("M16×2  -粗牙"));
    QCOMPARE(item(54), QString("M48×5--粗牙"));
    QCOMPARE(item(138), QString("M7.0×1粗牙"));
    QCOMPARE(item(239), QString("M300×4"));
    for (int i : {7, 11, 13, 15, 37, 45, 64, 140, 152, 159, 168, 178})
        QVERIFY2(item(i).contains(QString(" -粗牙")) && !item(i).contains(QString("  -")), qPrintable(item(i)));
    int sizes = 0;
    for (int i = 0; i < 241; ++i) {
        if (item(i).startsWith('M')) {
            ++sizes;
            QVERIFY(item(i).contains(QChar(0x00D7)));
        }
    }
    QCOMPARE(sizes, 238);
}

void TestExternalTables::limits_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<ExternalClass>("cls");
    QTest::addColumn<QString>("major");  // "-": no row
    QTest::addColumn<QString>("pitch");
    QTest::addColumn<QString>("minor");
    const auto H = ExternalClass::c6h, G = ExternalClass::c6g, E = ExternalClass::c6e, F = ExternalClass::c6f;
    QTest::newRow("22 6h") << 22 << H << "10-0.236"
                           << "9.026-0.132"
                           << "8.376";
    QTest::newRow("22 6g") << 22 << G << "10(-0.032/-0.268)"
                           << "9.026(-0.032/-0.164)"
                           << "8.376";
    QTest::newRow("22 6e") << 22 << E << "10(-0.067/-0.303)"
                           << "9.026(-0.067/-0.199)"
                           << "8.376";
    QTest::newRow("22 6f") << 22 << F << "10(-0.045/-0.281)"
                           << "9.026(-0.045/-0.177)"
                           << "8.376";
    QTest::newRow("1 6h") << 1 << H << "1-0.067"
                          << "0.838-0.053"
                          << "0.729";
    QTest::newRow("1 6g") << 1 << G << "1(-0.018/-0.085)"
                          << "0.838(-0.018/-0.071)"
                          << "0.729";
    QTest::newRow("129 band bound 1.4") << 129 << H << "1.4-0.056"
                                        << "1.27-0.048"
                                        << "1.183";
    QTest::newRow("167 band bound 45") << 167 << H << "45-0.236"
                                       << "44.026-0.15"
                                       << "43.376";
    QTest::newRow("82 band bound 90") << 82 << H << "90-0.28"
                                      << "88.701-0.18"
                                      << "87.835";
    QTest::newRow("108 band bound 180") << 108 << H << "180-0.375"
                                        << "178.051-0.224"
                                        << "176.752";
    QTest::newRow("225 band (180,355]") << 225 << H << "190-0.375"
                                        << "188.051-0.25"
                                        << "186.752";
    QTest::newRow("138 M7.0") << 138 << H << "7-0.18"
                              << "6.35-0.112"
                              << "5.917";
    QTest::newRow("134 minor 2.85") << 134 << H << "3.5-0.125"
                                    << "3.11-0.085"
                                    << "2.85";
    QTest::newRow("45 minor 31.67") << 45 << H << "36-0.475"
                                    << "33.402-0.224"
                                    << "31.67";
    QTest::newRow("121 6g pitch 8") << 121 << G << "280(-0.1/-0.81)"
                                    << "274.804(-0.1/-0.455)"
                                    << "271.34";
    QTest::newRow("2 exact minor 0.783") << 2 << H << "1-0.056"
                                         << "0.870-0.048"
                                         << "0.783";
    QTest::newRow("9 stored 2.5-0.10") << 9 << H << "2.5-0.10"
                                       << "2.208-0.071"
                                       << "2.013";
    QTest::newRow("40 6g stored") << 40 << G << "24(-0.026/-0.206)"
                                  << "23.350(-0.026/-0.151)"
                                  << "22.917";
    QTest::newRow("200 rule 115-0.6") << 200 << H << "115-0.6"
                                      << "111.103-0.30"
                                      << "108.505";
    QTest::newRow("87 rule 106.103-0.3") << 87 << H << "110-0.6"
                                         << "106.103-0.3"
                                         << "103.505";
    QTest::newRow("21 rule 7.513-0.1") << 21 << H << "8-0.14"
                                       << "7.513-0.1"
                                       << "7.188";
    QTest::newRow("11 6e") << 11 << E << "3(-0.05/-0.156)"
                           << "2.675(-0.05/-0.125)"
                           << "2.459";
    QTest::newRow("5 6f") << 5 << F << "1.6(-0.034/-0.119)"
                          << "1.373(-0.034/-0.097)"
                          << "1.221";
    QTest::newRow("138 6e") << 138 << E << "7(-0.06/-0.24)"
                            << "6.35(-0.06/-0.172)"
                            << "5.917";
    QTest::newRow("91 6e") << 91 << E << "125(-0.14/-0.85)"
                           << "119.804(-0.14/-0.475)"
                           << "116.34";
    QTest::newRow("239 6f") << 239 << F << "300(-0.075/-0.55)"
                            << "297.402(-0.075/-0.355)"
                            << "295.67";
    QTest::newRow("9 6f") << 9 << F << "2.5(-0.035/-0.135)"
                          << "2.208(-0.035/-0.106)"
                          << "2.013";
    QTest::newRow("20 6e upper -0.060 / -0.06") << 20 << E << "8(-0.060/-0.24)"
                                                << "7.35(-0.06/-0.172)"
                                                << "6.917";
    QTest::newRow("121 6e leading blank") << 121 << E << "280(-0.14/-0.85)"
                                          << " 274.804(-0.14/-0.495)"
                                          << "271.34";
    QTest::newRow("208 6e leading blank") << 208 << E << "130(-0.14/-0.85)"
                                          << " 124.804(-0.14/-0.475)"
                                          << "121.34";
    QTest::newRow("199 6e blanks") << 199 << E << "105(-0.071/-0.351)"
                                   << "103.701(-0.071 /-0.261 )"
                                   << "102.835";
    QTest::newRow("214 6e blank in number") << 214 << E << "150(-0.118/-0. 718)"
                                            << "146.103(-0.118/-0.418)"
                                            << "143.505";
    QTest::newRow("9 6e none") << 9 << E << "-"
                               << "-"
                               << "-";
    QTest::newRow("128 6f none") << 128 << F << "-"
                                 << "-"
                                 << "-";
    QTest::newRow("6 6f none") << 6 << F << "-"
                               << "-"
                               << "-";
    for (auto [name, c] : {std::pair{"6h", H}, std::pair{"6g", G}, std::pair{"6e", E}, std::pair{"6f", F}}) {
        for (int pos : {-1, 0, 125, 240, 241})
            QTest::addRow("%s at %d none", name, pos) << pos << c << "-"
                                                      << "-"
                                                      << "-";
    }
}

void TestExternalTables::limits() {
    QFETCH(int, position);
    QFETCH(ExternalClass, cls);
    QFETCH(QString, major);
    QFETCH(QString, pitch);
    QFETCH(QString, minor);
    const auto row = externalLimits(position, cls);
    QCOMPARE(row ? QString::fromStdString(row->major) : QString("-"), major);
    QCOMPARE(row ? QString::fromStdString(row->pitch) : QString("-"), pitch);
    QCOMPARE(row ? QString::fromStdString(row->minor) : QString("-"), minor);
}

void TestExternalTables::rowsPerClass() {
    int counts[4] = {0, 0, 0, 0};
    for (int pos = -1; pos <= 241; ++pos) {
        for (int c = 0; c < 4; ++c) {
            if (externalLimits(pos, static_cast<ExternalClass>(c))) ++counts[c];
        }
        const bool size = pos >= 1 && pos <= 239 && pos != 125;
        QCOMPARE(externalLimits(pos, ExternalClass::c6h).has_value(), size);
        QCOMPARE(externalLimits(pos, ExternalClass::c6g).has_value(), size);
        if (pos >= 0 && pos <= 240) {
            QCOMPARE(externalLimits(pos, ExternalClass::c6e).has_value(), !contains(kNoRow6e, pos));
            QCOMPARE(externalLimits(pos, ExternalClass::c6f).has_value(), !contains(kNoRow6f, pos));
        }
    }
    QCOMPARE(counts[0], 238);
    QCOMPARE(counts[1], 238);
    QCOMPARE(counts[2], 218);
    QCOMPARE(counts[3], 226);
}

// Each stored text replaces what the rule gives; without it the rule would
// show the shortest form. And no other string of any row has blanks.
void TestExternalTables::storedTextsDifferFromTheRule() {
    int differing = 0;
    for (int pos = 0; pos <= 240; ++pos) {
        for (int c = 0; c < 4; ++c) {
            const auto cls = static_cast<ExternalClass>(c);
            const auto shown = externalLimits(pos, cls);
            const auto rule = externalLimitsByRule(pos, cls);
            QCOMPARE(shown.has_value(), rule.has_value());
            if (!shown) continue;
            QCOMPARE(shown->minor, rule->minor);
            differing += shown->major != rule->major;
            differing += shown->pitch != rule->pitch;
            QVERIFY(rule->major.find(' ') == std::string::npos && rule->pitch.find(' ') == std::string::npos);
        }
    }
    QCOMPARE(differing, 57);
    QCOMPARE(QString::fromStdString(externalLimitsByRule(9, ExternalClass::c6h)->major), QString("2.5-0.1"));
}

void TestExternalTables::minorIsTheSameInEveryClass() {
    for (int pos = 1; pos < 240; ++pos) {
        const auto h = externalLimits(pos, ExternalClass::c6h);
        if (!h) continue;
        for (auto c : {ExternalClass::c6g, ExternalClass::c6e, ExternalClass::c6f}) {
            if (const auto r = externalLimits(pos, c)) QCOMPARE(r->minor, h->minor);
        }
    }
}

// The basic diameters follow the exact factors 3√3/8 and 5√3/8: 0.64952
// gives the same pitch diameters, 1.0825 gives 0.001 more on 59 minor ones.
void TestExternalTables::fourDecimalFactorsDiffer() {
    int minorDiffers = 0;
    for (int pos = 1; pos < 240; ++pos) {
        const auto row = externalLimitsByRule(pos, ExternalClass::c6h);
        if (!row) continue;
        const QString text = item(pos);
        const qsizetype times = text.indexOf(QChar(0x00D7));
        const double d = text.mid(1, times - 1).toDouble();
        const double p = text.mid(times + 1).remove(QRegularExpression("[^0-9.]")).toDouble();
        const QString basic = QString::fromStdString(row->pitch).section('-', 0, 0);
        QCOMPARE(basic.toDouble(),
                 QString::fromStdString(quorvil::formatPattern(d - 0.64952 * p, quorvil::Pattern::Fixed3)).toDouble());
        const double fourDecimal =
            QString::fromStdString(quorvil::formatPattern(d - 1.0825 * p, quorvil::Pattern::Fixed3)).toDouble();
        const double shown = std::stod(row->minor);
        if (fourDecimal != shown) {
            QVERIFY(std::abs(fourDecimal - shown - 0.001) < 1e-9);
            ++minorDiffers;
        }
    }
    QCOMPARE(minorDiffers, 59);
}

void TestExternalTables::mValues_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("texts");  // "w1 m1 w2 m2", "-" for none
    QTest::newRow("15 stored 5.171") << 15 << "0.461 5.171 0.511 5.32";
    QTest::newRow("17") << 17 << "0.572 6.2 0.724 6.66";
    QTest::newRow("18 stored 6.162") << 18 << "0.433 6.162 0.461 6.25";
    QTest::newRow("19 stored 8.278") << 19 << "0.724 8.278 0.794 8.49";
    QTest::newRow("22") << 22 << "0.866 10.33 1.008 10.75";
    QTest::newRow("24") << 24 << "0.572 10.2 0.724 10.66";
    QTest::newRow("41") << 41 << "2.02 30.76 2.071 30.91";
    QTest::newRow("45 half up 37.725") << 45 << "2.311 36.87 2.595 37.73";
    QTest::newRow("50 M42x4") << 50 << "2.311 42.87 2.595 43.73";
    QTest::newRow("123 M280x4") << 123 << "2.311 280.87 2.595 281.73";
    QTest::newRow("59") << 59 << "3.177 57.2 3.287 57.53";
    QTest::newRow("134 second wire 0.402") << 134 << "0.343 3.62 0.402 3.8";
    QTest::newRow("137 no second wire") << 137 << "0.291 4.62 - -";
    QTest::newRow("138") << 138 << "0.572 7.2 0.724 7.66";
    QTest::newRow("236") << 236 << "2.311 260.87 2.595 261.73";
    for (int pos : {-1, 0, 125, 240, 64, 237, 7, 16, 135, 239}) QTest::addRow("%d none", pos) << pos << "-";
}

void TestExternalTables::mValues() {
    QFETCH(int, position);
    QFETCH(QString, texts);
    const auto m = metricMValues(position);
    QString got = "-";
    if (m) {
        got = QString::fromStdString(m->wire1 + " " + m->m1 + " " + m->wire2.value_or("-") + " " + m->m2.value_or("-"));
    }
    QCOMPARE(got, texts);
}

void TestExternalTables::mValueRows() {
    QCOMPARE(int(kMRowPositions.size()), 168);
    int rows = 0;
    for (int pos = -1; pos <= 241; ++pos) {
        const bool has = metricMValues(pos).has_value();
        QCOMPARE(has, contains(kMRowPositions, pos));
        rows += has;
    }
    QCOMPARE(rows, 168);
}

void TestExternalTables::mValueWiresAgainstTheSharedTable() {
    // Same wires as the shared table for every pitch, except pitch 0.6
    // (second wire 0.402 here) and pitch 0.5 (no second wire here).
    for (int pos : kMRowPositions) {
        const auto m = metricMValues(pos);
        const QString text = item(pos);
        const double p = text.mid(text.indexOf(QChar(0x00D7)) + 1).remove(QRegularExpression("[^0-9.]")).toDouble();
        const auto shared = wiresForPitch(p);
        QVERIFY(shared);
        QCOMPARE(m->wire1, std::to_string(shared->preferred).substr(0, m->wire1.size()));
        if (p == 0.6)
            QCOMPARE(m->wire2.value(), std::string("0.402"));
        else if (p == 0.5)
            QVERIFY(!m->wire2);
        else
            QCOMPARE(std::stod(m->wire2.value()), shared->second);
        QCOMPARE(std::stod(m->wire1), shared->preferred);
    }
}

QTEST_APPLESS_MAIN(TestExternalTables)
#include "tst_externaltables.moc"
