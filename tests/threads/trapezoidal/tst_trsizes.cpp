// The size list and the external limits strings of the trapezoidal sizes.
#include <QTest>

#include <cmath>
#include <set>
#include <string>

#include "threads/trapezoidal/tr_family.h"
#include "threads/trapezoidal/tr_sizes.h"

using namespace quorvil;
using namespace quorvil::trapezoidal;
using C = ExternalClass;
Q_DECLARE_METATYPE(quorvil::trapezoidal::ExternalClass)

namespace {
constexpr C kClasses[] = {C::c7h, C::c7e, C::c8e, C::c8c};

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString boxText(const LimitsTexts& t, int box) {
    return QString::fromStdString(box == 1 ? t.major : box == 2 ? t.pitch : t.minor);
}

// "7.25(-0.067/-0.237)" -> 67, 237 (micrometres); false for another shape.
bool bracketDeviations(const std::string& s, int& upper, int& lower) {
    const auto open = s.find("(-"), slash = s.find("/-"), close = s.find(')');
    if (open == std::string::npos || slash == std::string::npos || close == std::string::npos) return false;
    upper = static_cast<int>(std::lround(std::stod(s.substr(open + 2, slash - open - 2)) * 1000));
    lower = static_cast<int>(std::lround(std::stod(s.substr(slash + 2, close - slash - 2)) * 1000));
    return true;
}

int minusTolerance(const std::string& s) {
    return static_cast<int>(std::lround(std::stod(s.substr(s.rfind('-') + 1)) * 1000));
}
}  // namespace

class TestTrSizes : public QObject {
    Q_OBJECT
private slots:
    void sizeList();
    void sizeList_data();
    void seriesStructure();
    void itemsNameTheirSizes();
    void noSize();
    void limits();
    void limits_data();
    void storedTexts();
    void storedTexts_data();
    void storedTextsDifferFromTheRules();
    void everySizeHasTexts();
    void majorDiffersOnlyAtKnownPositions();
    void tabledMinorTolerancesFollowTheirRule();
};

void TestTrSizes::sizeList_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("d");
    QTest::addColumn<double>("pitch");
    QTest::addRow("first") << 1 << QStringLiteral("Tr8×1.5(优选螺距)") << 8 << 1.5;
    QTest::addRow("end of first series") << 63 << QStringLiteral("Tr200×8") << 200 << 8.0;
    QTest::addRow("start of second series") << 65 << QStringLiteral("Tr9×2(优选螺距)") << 9 << 2.0;
    QTest::addRow("last") << 141 << QStringLiteral("Tr290×12") << 290 << 12.0;
    QTest::addRow("largest pitch") << 140 << QStringLiteral("Tr290×44") << 290 << 44.0;
    QTest::addRow("Tr55x9") << 97 << QStringLiteral("Tr55×9(优选螺距)") << 55 << 9.0;
}

void TestTrSizes::sizeList() {
    QFETCH(int, position);
    QFETCH(QString, item);
    QFETCH(int, d);
    QFETCH(double, pitch);
    QCOMPARE(text(sizeItem(position)), item);
    const auto s = sizeAt(position);
    QVERIFY(s.has_value());
    QCOMPARE(s->d, d);
    QCOMPARE(s->pitch(), pitch);
}

void TestTrSizes::seriesStructure() {
    QCOMPARE(kSizeListCount, 142);
    QCOMPARE(text(sizeItem(0)), QStringLiteral("第一系列"));
    QCOMPARE(text(sizeItem(64)), QStringLiteral("第二系列"));
    // 23 diameters in the first series, 27 in the second; the first size of
    // each diameter is the one marked as preferred pitch.
    std::set<int> first, second;
    int previousD = -1;
    for (int pos = 1; pos < kSizeListCount; ++pos) {
        if (pos == 64) {
            previousD = -1;
            continue;
        }
        const auto s = sizeAt(pos);
        QVERIFY2(s.has_value(), qPrintable(QString::number(pos)));
        QVERIFY2(s->d >= previousD, qPrintable(QString::number(pos)));
        (pos < 64 ? first : second).insert(s->d);
        const bool preferred = text(sizeItem(pos)).endsWith(QStringLiteral("(优选螺距)"));
        QCOMPARE(preferred, s->d != previousD);
        previousD = s->d;
    }
    QCOMPARE(int(first.size()), 23);
    QCOMPARE(int(second.size()), 27);
}

// The list shows each size's item text and computes with its record's
// diameter and pitch: the text must name exactly that size, and the pitch
// must be one of the family's.
void TestTrSizes::itemsNameTheirSizes() {
    for (int pos = 0; pos < kSizeListCount; ++pos) {
        const QString item = text(sizeItem(pos));
        const auto s = sizeAt(pos);
        QCOMPARE(s.has_value(), item.startsWith(QStringLiteral("Tr")));
        if (!s) continue;
        const QString named = QStringLiteral("Tr%1×%2").arg(s->d).arg(s->pitch());
        QVERIFY2(item == named || item == named + QStringLiteral("(优选螺距)"), qPrintable(item));
        QVERIFY2(pitchRow(s->pitch()), qPrintable(item));
    }
}

void TestTrSizes::noSize() {
    for (int pos : {-1, 0, 64, 142}) {
        QVERIFY(!sizeAt(pos).has_value());
        for (C c : kClasses) QVERIFY(!externalLimits(pos, c).has_value());
    }
}

void TestTrSizes::limits_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<C>("cls");
    QTest::addColumn<QString>("major");
    QTest::addColumn<QString>("pitch");
    QTest::addColumn<QString>("minor");
    QTest::addRow("Tr8x1.5 7h") << 1 << C::c7h << "8-0.15"
                                << "7.25-0.17"
                                << "6.2-0.212";
    QTest::addRow("Tr8x1.5 7e") << 1 << C::c7e << "8-0.15"
                                << "7.25(-0.067/-0.237)"
                                << "6.2-0.279";
    QTest::addRow("Tr8x1.5 8e") << 1 << C::c8e << "8-0.15"
                                << "7.25(-0.067/-0.279)"
                                << "6.2-0.332";
    QTest::addRow("Tr8x1.5 8c") << 1 << C::c8c << "8-0.15"
                                << "7.25(-0.14/-0.352)"
                                << "6.2-0.405";
    // 1.25 x 0.19 lies halfway and goes to the even thousandth
    QTest::addRow("Tr10x2 7h") << 2 << C::c7h << "10-0.18"
                               << "9-0.19"
                               << "7.5-0.238";
    QTest::addRow("Tr12x2 7h") << 5 << C::c7h << "12-0.18"
                               << "11-0.20"
                               << "9.5-0.25";
    QTest::addRow("Tr16x4 7h") << 6 << C::c7h << "16-0.30"
                               << "14-0.265"
                               << "11.5-0.331";
    QTest::addRow("Tr32x10 7h") << 17 << C::c7h << "32-0.53"
                                << "27-0.40"
                                << "21-0.50";
    QTest::addRow("Tr32x10 8c") << 17 << C::c8c << "32-0.53"
                                << "27(-0.3/-0.8)"
                                << "21-0.925";
    QTest::addRow("Tr40x7 8c") << 22 << C::c8c << "40-0.425"
                               << "36.5(-0.25/-0.7)"
                               << "32-0.813";
    QTest::addRow("Tr40x3 7h") << 24 << C::c7h << "40-0.236"
                               << "38.5-0.25"
                               << "36.5-0.312";
    QTest::addRow("Tr80x4 7h") << 42 << C::c7h << "80-0.30"
                               << "78-0.30"
                               << "75.5-0.375";
    QTest::addRow("Tr80x4 7e") << 42 << C::c7e << "80-0.3"
                               << "78(-0.095/-0.395)"
                               << "75.5-0.47";
    QTest::addRow("Tr100x4 7h") << 48 << C::c7h << "100-0.30"
                                << "98-0.315"
                                << "95.5-0.394";
    QTest::addRow("Tr200x8 7h") << 63 << C::c7h << "200-0.45"
                                << "196-0.45"
                                << "191-0.562";
    QTest::addRow("Tr26x8 7h") << 77 << C::c7h << "26-0.45"
                               << "22.0-0.375"
                               << "17-0.469";
    QTest::addRow("Tr26x8 7e") << 77 << C::c7e << "26-0.45"
                               << "22(-0.132/-0.507)"
                               << "17-0.601";
    QTest::addRow("Tr110x12 7h") << 112 << C::c7h << "110-0.6"
                                 << "104-0.50"
                                 << "97-0.625";
    QTest::addRow("Tr110x12 8c") << 112 << C::c8c << "110-0.6"
                                 << "104(-0.335/-0.965)"
                                 << "97-1.122";
    QTest::addRow("Tr210x36 7h") << 128 << C::c7h << "210-1.25"
                                 << "192-0.85"
                                 << "172-1.062";
    // crest clearance 1 for pitches above 12
    QTest::addRow("Tr290x44 7h") << 140 << C::c7h << "290-1.4"
                                 << "268-0.90"
                                 << "244-1.125";
}

void TestTrSizes::limits() {
    QFETCH(int, position);
    QFETCH(C, cls);
    QFETCH(QString, major);
    QFETCH(QString, pitch);
    QFETCH(QString, minor);
    const auto t = externalLimits(position, cls);
    QVERIFY(t.has_value());
    QCOMPARE(boxText(*t, 1), major);
    QCOMPARE(boxText(*t, 2), pitch);
    QCOMPARE(boxText(*t, 3), minor);
}

void TestTrSizes::storedTexts_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<C>("cls");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("shown");
    QTest::addRow("4 T3 8c") << 4 << C::c8c << 3 << QStringLiteral("8.5-0.520");
    QTest::addRow("5 T2 8c") << 5 << C::c8c << 2 << QStringLiteral("11(-0.15/-0.40)");
    QTest::addRow("7 T2 8c") << 7 << C::c8c << 2 << QStringLiteral("15(-0.15/-0.40)");
    QTest::addRow("9 T2 8c") << 9 << C::c8c << 2 << QStringLiteral("19(-0.15/-0.40)");
    QTest::addRow("42 T1 7e") << 42 << C::c7e << 1 << QStringLiteral("80-0.3");
    QTest::addRow("42 T1 8e") << 42 << C::c8e << 1 << QStringLiteral("80-0.3");
    QTest::addRow("42 T1 8c") << 42 << C::c8c << 1 << QStringLiteral("80-0.3");
    QTest::addRow("43 T1 7e") << 43 << C::c7e << 1 << QStringLiteral("90-0.6");
    QTest::addRow("43 T1 8e") << 43 << C::c8e << 1 << QStringLiteral("90-0.6");
    QTest::addRow("43 T1 8c") << 43 << C::c8c << 1 << QStringLiteral("90-0.6");
    QTest::addRow("44 T1 7e") << 44 << C::c7e << 1 << QStringLiteral("90-0.8");
    QTest::addRow("44 T1 8e") << 44 << C::c8e << 1 << QStringLiteral("90-0.8");
    QTest::addRow("44 T1 8c") << 44 << C::c8c << 1 << QStringLiteral("90-0.8");
    QTest::addRow("45 T1 7e") << 45 << C::c7e << 1 << QStringLiteral("90-0.3");
    QTest::addRow("45 T1 8e") << 45 << C::c8e << 1 << QStringLiteral("90-0.3");
    QTest::addRow("45 T1 8c") << 45 << C::c8c << 1 << QStringLiteral("90-0.3");
    QTest::addRow("46 T1 7e") << 46 << C::c7e << 1 << QStringLiteral("100-0.6");
    QTest::addRow("46 T1 8e") << 46 << C::c8e << 1 << QStringLiteral("100-0.6");
    QTest::addRow("46 T1 8c") << 46 << C::c8c << 1 << QStringLiteral("100-0.6");
    QTest::addRow("48 T1 7e") << 48 << C::c7e << 1 << QStringLiteral("100-0.3");
    QTest::addRow("48 T1 8e") << 48 << C::c8e << 1 << QStringLiteral("100-0.3");
    QTest::addRow("48 T1 8c") << 48 << C::c8c << 1 << QStringLiteral("100-0.3");
    QTest::addRow("50 T1 7e") << 50 << C::c7e << 1 << QStringLiteral("120-0.9");
    QTest::addRow("50 T1 8e") << 50 << C::c8e << 1 << QStringLiteral("120-0.9");
    QTest::addRow("50 T1 8c") << 50 << C::c8c << 1 << QStringLiteral("120-0.9");
    QTest::addRow("58 T1 7e") << 58 << C::c7e << 1 << QStringLiteral("180-0.8");
    QTest::addRow("58 T1 8e") << 58 << C::c8e << 1 << QStringLiteral("180-0.8");
    QTest::addRow("58 T1 8c") << 58 << C::c8c << 1 << QStringLiteral("180-0.8");
    QTest::addRow("58 T2 7e") << 58 << C::c7e << 2 << QStringLiteral("171(-0.20/-0.80)");
    QTest::addRow("58 T2 8e") << 58 << C::c8e << 2 << QStringLiteral("171(-0.20/-0.95)");
    QTest::addRow("58 T2 8c") << 58 << C::c8c << 2 << QStringLiteral("171(-0.40/-1.15)");
    QTest::addRow("61 T2 7e") << 61 << C::c7e << 2 << QStringLiteral("191(-0.20/-0.83)");
    QTest::addRow("61 T2 8e") << 61 << C::c8e << 2 << QStringLiteral("191(-0.20/-1.0)");
    QTest::addRow("61 T2 8c") << 61 << C::c8c << 2 << QStringLiteral("191(-0.40/-1.2)");
    QTest::addRow("73 T3 7h") << 73 << C::c7h << 3 << QStringLiteral("16.5-0.350");
    QTest::addRow("77 T2 7h") << 77 << C::c7h << 2 << QStringLiteral("22.0-0.375");
    QTest::addRow("80 T2 7h") << 80 << C::c7h << 2 << QStringLiteral("25.0-0.40");
    QTest::addRow("83 T2 8c") << 83 << C::c8c << 2 << QStringLiteral("29(-0.30/-0.8)");
    QTest::addRow("86 T2 7h") << 86 << C::c7h << 2 << QStringLiteral("33.0-0.40");
    QTest::addRow("89 T2 7h") << 89 << C::c7h << 2 << QStringLiteral("37.0-0.40");
    QTest::addRow("89 T2 8c") << 89 << C::c8c << 2 << QStringLiteral("37(-0.30/-0.8)");
    QTest::addRow("92 T2 7h") << 92 << C::c7h << 2 << QStringLiteral("40.0-0.475");
    QTest::addRow("100 T2 8c") << 100 << C::c8c << 2 << QStringLiteral("60(-0.30/-0.83)");
    QTest::addRow("107 T3 7e") << 107 << C::c7e << 3 << QStringLiteral("65-0.90");
    QTest::addRow("112 T1 7h") << 112 << C::c7h << 1 << QStringLiteral("110-0.6");
    QTest::addRow("112 T1 7e") << 112 << C::c7e << 1 << QStringLiteral("110-0.6");
    QTest::addRow("112 T1 8e") << 112 << C::c8e << 1 << QStringLiteral("110-0.6");
    QTest::addRow("112 T1 8c") << 112 << C::c8c << 1 << QStringLiteral("110-0.6");
    QTest::addRow("124 T2 8e") << 124 << C::c8e << 2 << QStringLiteral("181(-0.2/-1.0)");
    QTest::addRow("125 T3 7h") << 125 << C::c7h << 3 << QStringLiteral("156-1.0");
}

void TestTrSizes::storedTexts() {
    QFETCH(int, position);
    QFETCH(C, cls);
    QFETCH(int, box);
    QFETCH(QString, shown);
    const auto t = externalLimits(position, cls);
    QVERIFY(t.has_value());
    QCOMPARE(boxText(*t, box), shown);
    // A stored text that the rules would form anyway is a transcription slip.
    QVERIFY(boxText(*externalLimitsByRule(position, cls), box) != shown);
}

// Each stored text replaces what the rules form: 50 (position, box, class)
// cells differ from the rules, and only where the rules form a row.
void TestTrSizes::storedTextsDifferFromTheRules() {
    int differing = 0;
    for (int pos = -1; pos <= kSizeListCount; ++pos) {
        for (C c : kClasses) {
            const auto shown = externalLimits(pos, c);
            const auto rule = externalLimitsByRule(pos, c);
            QCOMPARE(shown.has_value(), rule.has_value());
            if (!shown) continue;
            for (int box = 1; box <= 3; ++box) differing += boxText(*shown, box) != boxText(*rule, box);
        }
    }
    QCOMPARE(differing, 50);
}

void TestTrSizes::everySizeHasTexts() {
    int texts = 0;
    for (int pos = 0; pos < kSizeListCount; ++pos) {
        if (pos == 0 || pos == 64) continue;
        for (C c : kClasses) {
            const auto t = externalLimits(pos, c);
            QVERIFY2(t.has_value(), qPrintable(QString::number(pos)));
            for (const std::string* s : {&t->major, &t->pitch, &t->minor}) {
                QVERIFY(!s->empty());
                for (char ch : *s) QVERIFY2(ch > ' ' && ch < 127, s->c_str());
                ++texts;
            }
        }
    }
    QCOMPARE(texts, 1680);
}

void TestTrSizes::majorDiffersOnlyAtKnownPositions() {
    const std::set<int> differing = {42, 43, 44, 45, 46, 48, 50, 58};
    for (int pos = 1; pos < kSizeListCount; ++pos) {
        if (pos == 64) continue;
        const auto h = externalLimits(pos, C::c7h)->major;
        const auto e = externalLimits(pos, C::c7e)->major;
        QCOMPARE(externalLimits(pos, C::c8e)->major, e);
        QCOMPARE(externalLimits(pos, C::c8c)->major, e);
        QCOMPARE(h != e, differing.count(pos) == 1);
    }
}

// The 7e and 8e minor-diameter tolerances are stored, but each must be
// 1.25 x Td2 + |es(e)| to the thousandth (the table decides the halves).
// Checked from the formed texts, which carry |es(e)| and Td2 in the pitch text.
void TestTrSizes::tabledMinorTolerancesFollowTheirRule() {
    for (int pos = 1; pos < kSizeListCount; ++pos) {
        if (pos == 64) continue;
        for (C c : {C::c7e, C::c8e}) {
            const auto t = externalLimitsByRule(pos, c);
            int es = 0, lower = 0;
            QVERIFY(bracketDeviations(t->pitch, es, lower));
            const double expected = 1.25 * (lower - es) + es;
            QVERIFY2(std::abs(minusTolerance(t->minor) - expected) <= 0.5, t->minor.c_str());
        }
    }
}

QTEST_APPLESS_MAIN(TestTrSizes)
#include "tst_trsizes.moc"
