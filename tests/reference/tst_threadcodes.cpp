// The thread designation table: the key list, the texts the user is shown
// and the build every regular text follows; the standards body list.
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

#include "reference/threadcodes.h"
#include "texttest.h"

using quorvil::kStandardsBodies;
using quorvil::kThreadDesignations;

namespace {

using quorvil::test::q;
QString description(int row) { return q(kThreadDesignations[std::size_t(row)].description); }
QString code(int row) {
    const QString item = q(kThreadDesignations[std::size_t(row)].item);
    return item.mid(item.indexOf(u'-') + 1);
}

// The rows that end with a full stop after their marking (or, row 175, after the taper).
const QSet<int> kFinalFullStop = {43, 63, 65, 72, 73, 91, 96, 97, 98, 99, 100, 101, 103, 175};

// Rows shown as they stand although they leave the regular build: two
// descriptions in one (17, 31, 68), a taper of their own (0, 3, 4), a flank
// pair after the plain angle word (4), a trailing blank or inch mark (42, 44,
// 45, 46, 47), no full stop before the standard (44, 83), a marking that is
// not the key's code (24, 27, 51, 112, 118, 127, 176), a blank for the angle
// (98, 99), three families in one (123), a qualifier holding a full stop (125, 127).
const QSet<int> kIrregular = {0,  3,  4,  17, 24, 27,  31,  42,  44,  45,  46, 47,
                              51, 68, 83, 98, 99, 112, 118, 123, 125, 127, 176};

// "牙形角" in rows 0-31 and 139-176, "牙型角" in rows 32-138 (row 138 keeps
// the spelling of the rows before it).
QString angleWord(int row) {
    if (row <= 31 || row >= 139) return QStringLiteral("牙形");
    return QStringLiteral("牙型");
}

// The one field left out of a row: the extreme-line casing thread's profile
// is none of the table's angles, so row 15 gives no profile.
constexpr int kRowWithoutProfile = 15;

QRegularExpression buildOf(int row) {
    const QString w = angleWord(row);
    const QString opener = QStringLiteral("牙形角|牙型角|牙侧角|内螺纹牙|圆弧牙|锥度|标记|标准号");
    const QString family = QStringLiteral("(?<family>(?:\\([^)]*\\)|(?!%1)[^.(]|(?<=\\d)\\.(?=\\d))+)").arg(opener);
    const QString profile = QStringLiteral(
                                "(?<profile>%1角(?<angle>[\\d.]+)°|牙侧角(?<flank>\\d+°/\\d+°)"
                                "|内螺纹%1角(?<inner>\\d+°)\\.?外螺纹%1角(?<outer>\\d+°)|圆弧牙[型形])")
                                .arg(w);
    const QString taper = QStringLiteral("锥度(?<taper>0|1:16|1:4|1:6|1:8|1:32|3:20|3:25)");
    const QString marking = QStringLiteral("标记(?<marking>.+?)");
    const QString standard = QStringLiteral(
        "标准号:(?<country>美国|英国|中国台湾|中国|日本|德国|法国|意大利|瑞士|瑞典|罗马尼亚|保加利亚|澳大利亚|比利时|"
        "荷兰|印度|韩国|国标)"
        " ?(?<number>[A-Z][ -~]*[0-9A-Za-z])");
    return QRegularExpression(
        QStringLiteral("^(?:%1)?(?:(?:^|\\.)%2)?(?:(?:^|\\.)%3)?(?:(?:^|\\.)%4)?(?:\\.%5)?(?<final>\\.)?$")
            .arg(family, profile, taper, marking, standard));
}

}  // namespace

class TestThreadCodes : public QObject {
    Q_OBJECT
private slots:
    void itemsArePositionAndCode();
    void quotedTextsExact_data();
    void quotedTextsExact();
    void everyRowHasItsOwnTextButTheTwoPL();
    void everyRegularTextFollowsTheBuild();
    void noRowIsABareMarking();
    void everyListedValueOccursAndNoOther();
    void innerAndOuterAnglesStandTogether();
    void familiesCoverTheKindsOfThread();
    void angleWordFollowsTheRowRange();
    void fullStopEndsExactlyTheFourteenRows();
    void standardFieldOnlyUpToRow95();
    void punctuationIsAsciiBesidesDegreeAndTimes();
    void standardsBodies();
};

void TestThreadCodes::itemsArePositionAndCode() {
    QCOMPARE(kThreadDesignations.size(), std::size_t(177));
    for (int i = 0; i < 177; ++i) {
        const QString item = q(kThreadDesignations[std::size_t(i)].item);
        QVERIFY2(item.startsWith(QString::number(i) + u'-'), qPrintable(item));
        QVERIFY2(!code(i).isEmpty(), qPrintable(item));
    }
    QCOMPARE(code(98), QStringLiteral("PL"));
    QCOMPARE(code(99), QStringLiteral("PL"));
    QCOMPARE(q(kThreadDesignations[0].item), QStringLiteral("0-A"));
    QCOMPARE(q(kThreadDesignations[123].item), QStringLiteral("123-R,S,M"));
    QCOMPARE(q(kThreadDesignations[176].item), QStringLiteral("176-ZM"));
    // Upper and lower case are distinct codes.
    QCOMPARE(code(37), QStringLiteral("F"));
    QCOMPARE(code(38), QStringLiteral("f"));
    QCOMPARE(code(108), QStringLiteral("RC"));
    QCOMPARE(code(109), QStringLiteral("Rc"));
}

// Every text the source states in full, character for character.
void TestThreadCodes::quotedTextsExact_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("0-A") << 0
                         << QStringLiteral(
                                "玻璃瓶盖螺纹.内螺纹牙形角35°.外螺纹牙形角50°.锥度为0.标记A99.标准号:瑞士SNV 24900");
    QTest::newRow("1-ACME") << 1
                            << QStringLiteral(
                                   "美制梯形螺纹.牙形角29°.锥度0.标记1-3/4-4ACME-2G.标准号:美国ASME B 1.5-1997");
    QTest::newRow("3-API")
        << 3
        << QStringLiteral(
               "美国石油学会绳式顿钻7牙或8牙螺纹.牙形角60°.锥度1.4.标记1×1-1/2API8-thread.标准号:美国API Sep3");
    QTest::newRow("4-API BCSG")
        << 4
        << QStringLiteral(
               "美国石油学会套管偏梯形螺纹.牙形角3°/10°.锥度1:12和1:16.标记4-1/2API BCSG.标准号:美国API Std 5B-1987");
    QTest::newRow("5-API CSG")
        << 5
        << QStringLiteral("美国石油学会短型套管圆螺纹.牙形角60°.锥度1:16.标记4-1/2API CSG.标准号:美国API Std 5B-1987");
    QTest::newRow("16-ART") << 16
                            << QStringLiteral(
                                   "火炮型锯齿螺纹.牙侧角3°/45°.锥度0.标记ART 120×8-6g.标准号:法国 NF E03-611");
    QTest::newRow("17-B") << 17
                          << QStringLiteral(
                                 "美国石油学会套管圆螺纹.牙形角60°.锥度1:16.标记B4-1/2.标准号:罗马尼亚 STAS 5019-75.  "
                                 "锯齿螺纹.牙侧角3°/30°.锥度0.标记B40×7-6c.标准号:中国GB/T 13576.1-1992");
    QTest::newRow("18-B.A.") << 18 << QStringLiteral("英国协会螺纹.牙形角47.5°.锥度0.标记8B.A.标准号:英国 BS:1951");
    QTest::newRow("21-Br") << 21 << QStringLiteral("美国一般用途密封管螺纹.牙形角60°.锥度1:16.标记Br1/4");
    QTest::newRow("24-B.S.F.trunc")
        << 24 << QStringLiteral("短牙惠氏细牙螺纹.牙形角55°.锥度0.标记1/2in.-16 B.S.F.Trunk.标准号:英国 BS84:1956");
    QTest::newRow("27-B.S.W.trunc")
        << 27 << QStringLiteral("短牙惠氏粗牙螺纹.牙形角55°.锥度0.标记1/4in.-20B.S.W.Trunk.标准号:英国 BS84:1956");
    QTest::newRow("31-C") << 31
                          << QStringLiteral(
                                 "外科接骨锯齿螺纹.牙侧角3°/35°.锥度0.标记C4.5.标准号:意大利UNI 8623  "
                                 "自行车螺纹.牙形角60°.锥度0.标记C2.28-56.标准号:瑞典 SMS 365");
    QTest::newRow("32-CM") << 32 << QStringLiteral("钢导管螺纹.牙型角80°.锥度0.标记CM10.标准号:法国 NF C63-021");
    QTest::newRow("36-E") << 36 << QStringLiteral("爱迪生螺纹.圆弧牙型.锥度0.标记E27.标准号:中国 GB 17935-1999");
    QTest::newRow("39-FAG")
        << 39
        << QStringLiteral("玻璃瓶盖螺纹.内螺纹牙型角35°外螺纹牙型角50°.锥度0.标记FAG 100.标准号:罗马尼亚 STAS 3798-78");
    QTest::newRow("42-FH")
        << 42
        << QStringLiteral("美国石油学会贯眼型钻杆接头螺纹.牙型角60°.锥度1:4.标记5-1/2 FH.标准号:中国 GB/T9253.1-1999 ");
    QTest::newRow("44-F-PTF")
        << 44
        << QStringLiteral("干密封细牙圆锥管螺纹.牙型角60°.锥度1:16.标记1/4-27 F-PTF 标准号:美国 ANSI B1.20.3-1976 ");
    QTest::newRow("45-FR") << 45 << QStringLiteral("惠氏螺纹.牙型角55°.锥度0.标记FR2\"");
    QTest::newRow("46-FS") << 46
                           << QStringLiteral("玻璃瓶圆弧螺纹.牙型角60°.锥度0.标记FS42.5.标准号:罗马尼亚 STAS 5327-78 ");
    QTest::newRow("47-G") << 47
                          << QStringLiteral("55°非密封管螺纹.牙型角55°.锥度0.标记G 1-1/2.标准号:中国 GB/T7307-2001 ");
    QTest::newRow("51-G con") << 51
                              << QStringLiteral(
                                     "55°密封圆锥外螺纹.牙型角55°.锥度1:16.标记G 2 com.标准号:比利时 NBN E03-101");
    QTest::newRow("59-HA") << 59
                           << QStringLiteral(
                                  "外科接骨锯齿螺纹.牙侧角3°/35°.锥度0.标记HA 4.5.标准号:国标 ISO 5835.1991");
    QTest::newRow("68-M") << 68
                          << QStringLiteral(
                                 "ISO米制螺纹.牙型角60°.锥度0.标记M20×1.5.标准号:国标 ISO 68-1:1998  "
                                 "米制密封圆柱内螺纹.牙型角60°.锥度0.标记M20×1.5.标准号:国标 ISO 68-1:1998");
    QTest::newRow("70-MJ") << 70
                           << QStringLiteral("米制航空航天螺纹.牙型角60°.锥度0.标记MJ6×1.标准号:中国 GJB 3.1-3.3-2003");
    QTest::newRow("83-NPSH") << 83
                             << QStringLiteral(
                                    "软管接头圆柱螺纹.牙型角60°.锥度0.标记1-11.5 NPSH标准号:美国 ASME B1 20.7-1991");
    QTest::newRow("87-NPT") << 87
                            << QStringLiteral(
                                   "一般密封圆锥管螺纹.牙型角60°.锥度1:16.标记3/8-18NPT.标准号:中国 GB/T 12716-2002");
    QTest::newRow("98-PL") << 98 << QStringLiteral("塑料锯齿螺纹.牙型角 °.锥度0.标记PL 10×2 LH.");
    QTest::newRow("99-PL") << 99 << QStringLiteral("塑料锯齿螺纹.牙型角 °.锥度0.标记PL 10×2 LH.");
    QTest::newRow("112-Re") << 112 << QStringLiteral("钢导管螺纹.牙型角80°.锥度0.标记Rc 21");
    QTest::newRow("117-Rod") << 117 << QStringLiteral("美国石油学会长型套管圆螺纹.牙型角60°.锥度1:16.标记Rod 6-5/8");
    QTest::newRow("118-Rok") << 118 << QStringLiteral("美国石油学会短型套管圆螺纹.牙型角60°.锥度1:16.标记Rod 6-5/8");
    QTest::newRow("123-R,S,M") << 123
                               << QStringLiteral(
                                      "扎制金属板螺纹.铸塑塑料螺纹.压铸金属螺纹.圆弧牙形.锥度0.标记1.0in.×8 R.S.M");
    QTest::newRow("125-RwG") << 125
                             << QStringLiteral(
                                    "美国石油学会套管圆螺纹(不加厚.API TBG).牙型角60°.锥度1:16.标记RwG 1.325");
    QTest::newRow("127-RwSd")
        << 127 << QStringLiteral("美国石油学会套管圆螺纹(外加厚.长型 API UP TBG).牙型角60°.锥度1:16.标记RwSD 1.325");
    QTest::newRow("137-SQ") << 137 << QStringLiteral("方牙螺纹.牙型角0°.锥度0.标记SQ 30×6");
    QTest::newRow("149-Tr") << 149 << QStringLiteral("ISO米制梯形螺纹.牙形角30°.锥度0.标记Tr 20×3");
    QTest::newRow("154-UN") << 154 << QStringLiteral("统一螺纹.牙形角60°.锥度0.标记2-1/2-16UN-2B");
    QTest::newRow("163-UNR") << 163
                             << QStringLiteral(
                                    "统一螺纹(外螺纹牙底圆弧半径不小于0.108P).牙形角60°.锥度0.标记2-5/8-4 UNR-2A");
    QTest::newRow("170-W") << 170 << QStringLiteral("惠氏螺纹.牙形角55°.锥度0.标记W 3/16");
    QTest::newRow("175-Yv") << 175 << QStringLiteral("圆弧螺纹.牙形角30°.锥度0.");
    QTest::newRow("176-ZM") << 176 << QStringLiteral("米制锥螺纹.牙形角60°.锥度0.标记度ZM 10");
}

void TestThreadCodes::quotedTextsExact() {
    QFETCH(int, row);
    QFETCH(QString, text);
    QCOMPARE(description(row), text);
}

void TestThreadCodes::everyRowHasItsOwnTextButTheTwoPL() {
    QSet<QString> texts;
    for (int i = 0; i < 177; ++i) {
        QVERIFY2(!description(i).isEmpty(), qPrintable(QString::number(i)));
        texts.insert(description(i));
    }
    QCOMPARE(texts.size(), 176);
    QCOMPARE(description(98), description(99));
}

// Family, profile, taper, marking with the row's own code, standard: each
// field optional, in this order, joined by full stops; angles, flank pairs,
// tapers and countries from the known sets.
void TestThreadCodes::everyRegularTextFollowsTheBuild() {
    const QSet<QString> angles = {"0", "10", "20", "29", "30", "47.5", "55", "60", "80"};
    const QSet<QString> flanks = {"0°/45°", "3°/30°", "3°/35°", "3°/45°", "5°/25°", "7°/45°", "10°/40°"};
    const QSet<QString> innerOuter = {"35°/50°", "30°/60°"};
    int checked = 0;
    for (int i = 0; i < 177; ++i) {
        if (kIrregular.contains(i)) continue;
        const QString text = description(i);
        const QRegularExpressionMatch m = buildOf(i).match(text);
        const QString where = QStringLiteral("row %1: %2").arg(i).arg(text);
        QVERIFY2(m.hasMatch(), qPrintable(where));
        if (m.hasCaptured("angle")) QVERIFY2(angles.contains(m.captured("angle")), qPrintable(where));
        if (m.hasCaptured("flank")) QVERIFY2(flanks.contains(m.captured("flank")), qPrintable(where));
        if (m.hasCaptured("inner"))
            QVERIFY2(innerOuter.contains(m.captured("inner") + u'/' + m.captured("outer")), qPrintable(where));
        if (m.hasCaptured("marking")) {
            // A code's own closing full stop ("B.A.") doubles as the separator.
            const QString marking = m.captured("marking") + text.mid(m.capturedEnd("marking"), 1);
            QVERIFY2(marking.contains(code(i)), qPrintable(where));
        } else {
            QCOMPARE(i, 175);  // the one row without a marking
        }
        ++checked;
    }
    QCOMPARE(checked, 177 - kIrregular.size());
}

// Every row names the kind of thread first, then gives its profile, its
// taper and a marking: the regular rows through the build, the irregular
// ones by their opening words.
void TestThreadCodes::noRowIsABareMarking() {
    const QStringList openers = {"牙形角", "牙型角", "牙侧角", "内螺纹", "圆弧牙", "锥度", "标记", "标准号"};
    const QStringList profiles = {"牙形角", "牙型角", "牙侧角", "圆弧牙"};
    for (int i = 0; i < 177; ++i) {
        const QString text = description(i);
        const QString where = QStringLiteral("row %1: %2").arg(i).arg(text);
        for (const QString& o : openers) QVERIFY2(!text.startsWith(o), qPrintable(where));
        const bool hasProfile =
            std::any_of(profiles.begin(), profiles.end(), [&](const QString& p) { return text.contains(p); });
        QVERIFY2(hasProfile == (i != kRowWithoutProfile), qPrintable(where));
        QVERIFY2(text.contains(QStringLiteral("锥度")), qPrintable(where));
        QVERIFY2(text.contains(QStringLiteral("标记")) == (i != 175), qPrintable(where));
        if (kIrregular.contains(i)) continue;
        const QRegularExpressionMatch m = buildOf(i).match(text);
        QVERIFY2(m.hasMatch(), qPrintable(where));
        QVERIFY2(!m.captured("family").isEmpty(), qPrintable(where));
        QVERIFY2(m.hasCaptured("profile") == (i != kRowWithoutProfile), qPrintable(where));
        QVERIFY2(m.hasCaptured("taper"), qPrintable(where));
    }
}

// The profile angles, flank pairs, angle pairs, tapers and countries the
// table uses: each of them stands in some row, and nothing else does.
void TestThreadCodes::everyListedValueOccursAndNoOther() {
    struct Kind {
        const char* name;
        QRegularExpression pattern;  // the value: its captures joined by "/"
        QSet<QString> values;
    };
    const QList<Kind> kinds = {
        {"profile angle",
         QRegularExpression(QStringLiteral("(?<![内外]螺纹)牙[形型]角([\\d.]+)°(?!/)")),
         {"0", "10", "20", "29", "30", "47.5", "55", "60", "80"}},
        {"flank pair",
         QRegularExpression(QStringLiteral("牙侧角(\\d+°/\\d+°)")),
         {"0°/45°", "3°/30°", "3°/35°", "3°/45°", "5°/25°", "7°/45°", "10°/40°"}},
        {"inner and outer angle",
         QRegularExpression(QStringLiteral("内螺纹牙[形型]角(\\d+°)\\.?外螺纹牙[形型]角(\\d+°)")),
         {"35°/50°", "30°/60°"}},
        // Rows 0, 3 and 4 write their tapers in words of their own.
        {"taper",
         QRegularExpression(QStringLiteral("锥度(\\d+:\\d+|0)(?![\\d:和])")),
         {"0", "1:16", "1:4", "1:6", "1:8", "1:32", "3:20", "3:25"}},
        {"country",
         QRegularExpression(QStringLiteral("标准号:(\\p{Han}+)")),
         {"美国", "英国", "中国", "中国台湾", "日本", "德国", "法国", "意大利", "瑞士", "瑞典", "罗马尼亚", "保加利亚",
          "澳大利亚", "比利时", "荷兰", "印度", "韩国", "国标"}},
    };
    for (const Kind& k : kinds) {
        QSet<QString> found;
        for (int i = 0; i < 177; ++i) {
            QRegularExpressionMatchIterator it = k.pattern.globalMatch(description(i));
            while (it.hasNext()) {
                const QRegularExpressionMatch m = it.next();
                QStringList parts;
                for (int c = 1; c <= m.lastCapturedIndex(); ++c) parts.append(m.captured(c));
                const QString value = parts.join(u'/');
                QVERIFY2(k.values.contains(value),
                         qPrintable(QStringLiteral("%1 %2 in row %3").arg(k.name, value).arg(i)));
                found.insert(value);
            }
        }
        const QStringList missing = QSet<QString>(k.values).subtract(found).values();
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no %1 %2").arg(k.name, missing.join(u' '))));
    }
}

// Rows 0, 39 and 91 give the internal and then the external angle; 39 and
// 91 with nothing between them, 91 with its final full stop.
void TestThreadCodes::innerAndOuterAnglesStandTogether() {
    QList<int> rows;
    for (int i = 0; i < 177; ++i)
        if (description(i).contains(QStringLiteral("内螺纹牙"))) rows.append(i);
    QCOMPARE(rows, QList<int>({0, 39, 91}));
    QVERIFY(description(0).contains(QStringLiteral("内螺纹牙形角35°.外螺纹牙形角50°.")));
    QVERIFY(description(39).contains(QStringLiteral("内螺纹牙型角35°外螺纹牙型角50°.")));
    const QRegularExpression together(QStringLiteral("\\.内螺纹牙型角\\d+°外螺纹牙型角\\d+°\\."));
    QVERIFY2(together.match(description(91)).hasMatch(), qPrintable(description(91)));
    QVERIFY(description(91).endsWith(QStringLiteral("标记op 28.")));
}

// The kinds of thread the table covers, each named in at least one row's family.
void TestThreadCodes::familiesCoverTheKindsOfThread() {
    const QStringList kinds = {"美国石油学会绳式顿钻",
                               "套管",
                               "油管",
                               "管线管",
                               "钻杆接头",
                               "抽油杆",
                               "55°非密封管螺纹",
                               "55°密封",
                               "60°圆锥管螺纹",
                               "干密封",
                               "统一",
                               "惠氏",
                               "英国协会螺纹",
                               "ISO米制螺纹",
                               "米制锥螺纹",
                               "航空航天",
                               "过盈配合",
                               "梯形螺纹",
                               "美制梯形螺纹",
                               "美制短牙梯形螺纹",
                               "锯齿螺纹",
                               "圆弧螺纹",
                               "方牙螺纹",
                               "玻璃瓶盖",
                               "自行车",
                               "钢导管",
                               "气瓶",
                               "显微镜物镜",
                               "轮胎气门嘴",
                               "软管接头",
                               "煤气表",
                               "缝纫机",
                               "外科接骨",
                               "火炮",
                               "爱迪生螺纹",
                               "扎制金属板",
                               "铸塑塑料",
                               "压铸金属",
                               "塑料锯齿螺纹"};
    for (const QString& kind : kinds) {
        bool named = false;
        for (int i = 0; i < 177 && !named; ++i) named = description(i).contains(kind);
        QVERIFY2(named, qPrintable(kind));
    }
}

void TestThreadCodes::angleWordFollowsTheRowRange() {
    for (int i = 0; i < 177; ++i) {
        const QString text = description(i);
        const QString other =
            angleWord(i) == QStringLiteral("牙形") ? QStringLiteral("牙型角") : QStringLiteral("牙形角");
        QVERIFY2(!text.contains(other), qPrintable(QStringLiteral("row %1: %2").arg(i).arg(text)));
    }
    QCOMPARE(description(138), QStringLiteral("自攻螺钉螺纹.牙型角60°.锥度0.标记ST3.5"));
}

void TestThreadCodes::fullStopEndsExactlyTheFourteenRows() {
    for (int i = 0; i < 177; ++i)
        QVERIFY2(description(i).endsWith(u'.') == kFinalFullStop.contains(i), qPrintable(QString::number(i)));
    QCOMPARE(description(175), QStringLiteral("圆弧螺纹.牙形角30°.锥度0."));
}

void TestThreadCodes::standardFieldOnlyUpToRow95() {
    int withStandard = 0;
    for (int i = 0; i < 177; ++i) {
        const qsizetype at = description(i).indexOf(QStringLiteral("标准号"));
        if (at < 0) continue;
        QVERIFY2(i <= 95, qPrintable(QString::number(i)));
        QVERIFY2(description(i).mid(at, 4) == QStringLiteral("标准号:"), qPrintable(QString::number(i)));
        QVERIFY2(!kFinalFullStop.contains(i), qPrintable(QString::number(i)));
        ++withStandard;
    }
    QVERIFY2(withStandard >= 70 && withStandard <= 81, qPrintable(QString::number(withStandard)));
}

void TestThreadCodes::punctuationIsAsciiBesidesDegreeAndTimes() {
    for (int i = 0; i < 177; ++i)
        for (QChar c : description(i)) {
            if (c.unicode() < 0x80 || c == u'°' || c == u'×') continue;
            QVERIFY2(c.script() == QChar::Script_Han, qPrintable(QStringLiteral("row %1: %2").arg(i).arg(c)));
        }
}

void TestThreadCodes::standardsBodies() {
    QCOMPARE(kStandardsBodies.size(), std::size_t(56));
    for (std::string_view b : kStandardsBodies) {
        const QString body = q(b);
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^([A-Z]+)(-+)(\\p{Han}.*)$")).match(body);
        QVERIFY2(m.hasMatch(), qPrintable(body));
        const qsizetype width = m.capturedLength(1) + m.capturedLength(2);
        QVERIFY2(width == (m.captured(1) == QStringLiteral("NACE") ? 7 : 6), qPrintable(body));
    }
    QCOMPARE(q(kStandardsBodies[0]), QStringLiteral("ABC---英美加联合标准"));
    QCOMPARE(q(kStandardsBodies[38]), QStringLiteral("NACE---美国腐蚀工程师学会"));
    QCOMPARE(q(kStandardsBodies[55]), QStringLiteral("VDE---德国电工标准"));
}

QTEST_APPLESS_MAIN(TestThreadCodes)
#include "tst_threadcodes.moc"
