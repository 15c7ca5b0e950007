#include <QRegularExpression>
#include <QTest>

#include <map>
#include <set>

#include "reference/apiflange.h"

using namespace quorvil::reference;

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QStringList texts(const FlangeRow& r) {
    QStringList out;
    for (std::string_view t : r.texts) out << q(t);
    return out;
}

const FlangeRow& row(int psi, int bore) {
    const FlangeRow* r = findFlange(psi, bore);
    if (!r) qFatal("no flange %d psi, bore %d", psi, bore);
    return *r;
}

}  // namespace

class TestApiFlange : public QObject {
    Q_OBJECT
private slots:
    void pairsWithData();
    void quotedRows_data();
    void quotedRows();
    void ringKinds();
    void textsEveryPairShares();
    void lengths();
    void boreOptions();
};

// Which bores each pressure lists, and nothing else.
void TestApiFlange::pairsWithData() {
    const std::map<int, std::set<int>> expected = {{2000, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13}},
                                                   {3000, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}},
                                                   {5000, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13}},
                                                   {10000, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13}},
                                                   {15000, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11}}};
    QCOMPARE(flangeTable().size(), std::size_t(58));
    std::map<int, std::set<int>> found;
    for (const FlangeRow& r : flangeTable()) QVERIFY2(found[r.psi].insert(r.bore).second, "pair listed twice");
    QCOMPARE(found, expected);
    int empty = 0;
    for (int psi : kFlangePressuresPsi)
        for (int bore = 0; bore < 14; ++bore) {
            const bool listed = expected.at(psi).count(bore) > 0;
            QCOMPARE(findFlange(psi, bore) != nullptr, listed);
            empty += listed ? 0 : 1;
        }
    QCOMPARE(empty, 12);
    QVERIFY(!findFlange(2000, 14));
    QVERIFY(!findFlange(2000, -1));
    QVERIFY(!findFlange(4000, 1));
}

void TestApiFlange::quotedRows_data() {
    QTest::addColumn<int>("psi");
    QTest::addColumn<int>("bore");
    QTest::addColumn<int>("index");  // -1: the whole row
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("2000 psi 2-1/16") << 2000 << 1 << -1
                                     << QStringList{"53.2",  "33.4",       "165±2",     "127±0.5", "108.0", "84",
                                                    "25.4",  "R23",        "3X45°",     "R3",      "R3",    "8-￠20",
                                                    "295±2", "82.55±0.13", "11.91±0.2", "7.9+0.5"};
    QTest::newRow("10000 psi 1-13/16 basic thickness") << 10000 << 0 << 6 << QStringList{"  "};
    QTest::newRow("10000 psi 1-13/16 groove") << 10000 << 0 << 13 << QStringList{"77.77+0.1"};
    // Decimals as listed, never normalised.
    QTest::newRow("raised face 108.0") << 2000 << 1 << 4 << QStringList{"108.0"};
    QTest::newRow("raised face 302") << 2000 << 7 << 4 << QStringList{"302"};
    QTest::newRow("bore 131.0") << 2000 << 5 << 0 << QStringList{"131.0"};
    QTest::newRow("bore 131") << 3000 << 5 << 0 << QStringList{"131"};
    // Option 3 is 3-1/8 in up to 5000 psi, 3-1/16 in above.
    for (int psi : {2000, 3000, 5000}) QTest::addRow("3-1/8 at %d", psi) << psi << 3 << 0 << QStringList{"81.8"};
    for (int psi : {10000, 15000}) {
        QTest::addRow("3-1/16 at %d", psi) << psi << 3 << 0 << QStringList{"78.6"};
        QTest::addRow("BX154 at %d", psi) << psi << 3 << 7 << QStringList{"BX154"};
    }
    QTest::newRow("last row") << 15000 << 11 << -1
                              << QStringList{"477", "255.6",     "1160±3",    "1016±0.5", "722±1.6", "812.8",
                                             "  ",  "BX164",     "6X45°",     "R25",      "R3",      "20-￠80",
                                             " ",   "577.9+0.1", "32.77+0.1", "18.26+0.5"};
}

void TestApiFlange::quotedRows() {
    QFETCH(int, psi);
    QFETCH(int, bore);
    QFETCH(int, index);
    QFETCH(QStringList, expected);
    const QStringList got = texts(row(psi, bore));
    if (index < 0)
        QCOMPARE(got, expected);
    else
        QCOMPARE(got[index], expected[0]);
}

// R rings give the groove's pitch diameter, BX rings its outside diameter;
// the other texts of a row follow the ring kind.
void TestApiFlange::ringKinds() {
    int r = 0, bx = 0;
    const QRegularExpression plainNumber("^\\d+(\\.\\d+)?$");
    for (const FlangeRow& row : flangeTable()) {
        const QStringList t = texts(row);
        const bool expectBx = row.psi >= 10000 || (row.psi == 5000 && row.bore >= 9);
        QCOMPARE(hasBxRing(row), expectBx);
        if (hasBxRing(row)) {
            ++bx;
            const int n = t[7].mid(2).toInt();
            QVERIFY2(t[7].startsWith("BX") && n >= 151 && n <= 169, qPrintable(t[7]));
            QVERIFY2(t[13].endsWith("+0.1"), qPrintable(t[13]));
            QVERIFY2(t[4].endsWith("±1.6"), qPrintable(t[4]));
            QCOMPARE(t[6], QStringLiteral("  "));
            QVERIFY2(t[14].endsWith("+0.1"), qPrintable(t[14]));
        } else {
            ++r;
            const int n = t[7].mid(1).toInt();
            QVERIFY2(t[7].startsWith("R") && n >= 23 && n <= 74, qPrintable(t[7]));
            QVERIFY2(t[13].endsWith("±0.13"), qPrintable(t[13]));
            QVERIFY2(plainNumber.match(t[4]).hasMatch(), qPrintable(t[4]));
            QVERIFY2(plainNumber.match(t[6]).hasMatch(), qPrintable(t[6]));
            QVERIFY2(t[14].endsWith("±0.2"), qPrintable(t[14]));
        }
    }
    QCOMPARE(r, 30);
    QCOMPARE(bx, 28);
}

void TestApiFlange::textsEveryPairShares() {
    const QRegularExpression holes("^\\d+-\\x{FFE0}\\d+$");
    for (const FlangeRow& row : flangeTable()) {
        const QStringList t = texts(row);
        QCOMPARE(t[10], QStringLiteral("R3"));
        QVERIFY2(t[8] == QStringLiteral("3X45°") || t[8] == QStringLiteral("6X45°"), qPrintable(t[8]));
        QVERIFY2(t[15].endsWith("+0.5"), qPrintable(t[15]));
        QVERIFY2(holes.match(t[11]).hasMatch(), qPrintable(t[11]));
        for (const QString& s : t) QVERIFY(!s.isEmpty());
    }
}

// The overall length: a single blank where none is given, and four texts
// that begin with a blank.
void TestApiFlange::lengths() {
    int blank = 0;
    std::map<std::pair<int, int>, QString> leading;
    for (const FlangeRow& row : flangeTable()) {
        const QString t = q(row.texts[12]);
        if (t == QStringLiteral(" "))
            ++blank;
        else if (t.startsWith(u' '))
            leading[{row.psi, row.bore}] = t;
        else
            QVERIFY2(t.endsWith("±2") && t.at(0).isDigit(), qPrintable(t));
    }
    QCOMPARE(blank, 25);
    const std::map<std::pair<int, int>, QString> expected = {
        {{2000, 5}, " 562±2"}, {{2000, 6}, " 664±2"}, {{3000, 1}, " 371±2"}, {{2000, 7}, " ±2"}};
    QCOMPARE(leading, expected);
}

void TestApiFlange::boreOptions() {
    const QStringList inches = {"1-13/16", "2-1/16", "2-9/16", "3-1/8",  "4-1/16", "5-1/8",  "7-1/16",
                                "9",       "11",     "13-5/8", "16-3/4", "18-3/4", "20-3/4", "21-1/4"};
    const QStringList mm = {"46",  "52",  "65",  "80",  "103", "130", "179",
                            "228", "279", "346", "425", "476", "527", "540"};
    for (std::size_t i = 0; i < kFlangeBores.size(); ++i) {
        QCOMPARE(q(kFlangeBores[i].inches), inches[qsizetype(i)]);
        QCOMPARE(q(kFlangeBores[i].mm), mm[qsizetype(i)]);
    }
    QCOMPARE(q(kFlangeBore3HighPressure.inches), QStringLiteral("3-1/16"));
    QCOMPARE(q(kFlangeBore3HighPressure.mm), QStringLiteral("78"));
}

QTEST_APPLESS_MAIN(TestApiFlange)
#include "tst_apiflange.moc"
