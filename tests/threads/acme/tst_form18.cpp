// The custom stub ACME window: the worked examples box by box, the crest
// clearance break, inputs that change nothing, printing.
#include <QImage>
#include <QLineEdit>
#include <QScopeGuard>

#include "common/ui/printing.h"
#include "common/ui/refusal.h"
#include "threads/acme/Form18.h"
#include "uitest.h"
#include "windowtest.h"

namespace {

QStringList results() {
    QStringList names;
    for (int i = 5; i <= 28; ++i) names << QStringLiteral("s%1").arg(i);
    return names;
}
const QStringList kInputs = {"txts1", "txts2", "txts3", "s4"};

// Whole inches, numerator, denominator and threads per inch.
QStringList size(const QString& whole, const QString& num, const QString& den, const QString& n) {
    return {"txts1=" + whole, "txts2=" + num, "txts3=" + den, "s4=" + n};
}

}  // namespace

class TestForm18 : public quorvil::test::WindowTest<Form18> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void examples_data();
    void examples();
    void crestClearanceBreak_data();
    void crestClearanceBreak();
    void badInputChangesNoBox_data();
    void badInputChangesNoBox();
    void secondCalculationRewrites();
    void prints();

private:
    void calculate(const QStringList& typed) {
        p.type(typed);
        p.click("Command5");
    }
};

void TestForm18::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("9.非标STUB ACME螺纹参数"));
    for (const QString& n : results() + kInputs) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
    QCOMPARE(p.text("Command5"), QStringLiteral("计 算"));
    QCOMPARE(p.text("Commandacme"), QStringLiteral("打 印"));
    for (const QString& n : results() + kInputs) {
        const bool left = n == "s17" || n == "s20";
        QCOMPARE(p.box(n)->alignment() & Qt::AlignHorizontal_Mask, left ? Qt::AlignLeft : Qt::AlignHCenter);
    }
}

// Every result box, each example on a fresh window.
void TestForm18::examples_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");

    // The 1/2 inch row of the table, to four decimals; s20 carries the rounding of s17 and s18.
    QTest::newRow("1/2-10") << size("0", "1", "2", "10")
                            << QStringList{"s5=0.5",
                                           "s6=0.4950",
                                           "s7=12.700",
                                           "s8=0.127",
                                           "s9=0.464343145750508",
                                           "s10=0.450613672082883",
                                           "s11=11.7943159020629",
                                           "s12=0.34872863115766",
                                           "s13=0.42",
                                           "s14=0.4063",
                                           "s15=10.668",
                                           "s16=0.349",
                                           "s17=0.52",
                                           "s18=0.5337",
                                           "s19=13.208",
                                           "s20=0.348",
                                           "s21=0.47",
                                           "s22=0.4837",
                                           "s23=11.938",
                                           "s24=0.349",
                                           "s25=0.44",
                                           "s26=0.4450",
                                           "s27=11.176",
                                           "s28=0.127"};
    // A whole size with the fraction boxes empty.
    QTest::newRow("1-5") << size("1", "", "", "5") << QStringList{"s5=1",        "s6=0.9900",
                                                                  "s7=25.400",   "s8=0.254",
                                                                  "s9=0.932",    "s10=0.912583592135001",
                                                                  "s11=23.6728", "s12=0.493176759770968",
                                                                  "s13=0.86",    "s14=0.8406",
                                                                  "s15=21.844",  "s16=0.493",
                                                                  "s17=1.02",    "s18=1.0394",
                                                                  "s19=25.908",  "s20=0.493",
                                                                  "s21=0.94",    "s22=0.9594",
                                                                  "s23=23.876",  "s24=0.493",
                                                                  "s25=0.88",    "s26=0.8900",
                                                                  "s27=22.352",  "s28=0.254"};
    // A size held in single precision; everything follows from 0.3333333.
    QTest::newRow("1/3-16") << size("0", "1", "3", "16")
                            << QStringList{"s5=0.3333333",
                                           "s6=0.3302",
                                           "s7=8.467",
                                           "s8=0.080",
                                           "s9=0.309964541045098",
                                           "s10=0.299000439378341",
                                           "s11=7.8730993425455",
                                           "s12=0.278488182335625",
                                           "s13=0.285833343267441",
                                           "s14=0.2749",
                                           "s15=7.260",
                                           "s16=0.278",
                                           "s17=0.343333343267441",
                                           "s18=0.3543",
                                           "s19=8.721",
                                           "s20=0.279",
                                           "s21=0.314583343267441",
                                           "s22=0.3255",
                                           "s23=7.990",
                                           "s24=0.278",
                                           "s25=0.295833343267441",
                                           "s26=0.2990",
                                           "s27=7.514",
                                           "s28=0.080"};
    // S7 is 11.1125 and rounds away from zero.
    QTest::newRow("7/16-12") << size("0", "7", "16", "12")
                             << QStringList{"s5=0.4375",
                                            "s6=0.4333",
                                            "s7=11.113",
                                            "s8=0.107",
                                            "s9=0.407208497377871",
                                            "s10=0.39457961637343",
                                            "s11=10.3430958333979",
                                            "s12=0.320773577512808",
                                            "s13=0.3775",
                                            "s14=0.3649",
                                            "s15=9.589",
                                            "s16=0.321",
                                            "s17=0.4475",
                                            "s18=0.4601",
                                            "s19=11.367",
                                            "s20=0.320",
                                            "s21=0.4125",
                                            "s22=0.4251",
                                            "s23=10.478",
                                            "s24=0.321",
                                            "s25=0.3875",
                                            "s26=0.3917",
                                            "s27=9.843",
                                            "s28=0.107"};
    // A fractional count above 10 takes the fine crest clearance.
    QTest::newRow("1/2-10.5") << size("0", "1", "2", "10.5")
                              << QStringList{"s5=0.5",
                                             "s6=0.4952",
                                             "s7=12.700",
                                             "s8=0.122",
                                             "s9=0.465771717179079",
                                             "s10=0.452270875494234",
                                             "s11=11.8306016163486",
                                             "s12=0.342921378795058",
                                             "s13=0.432857142857143",
                                             "s14=0.4194",
                                             "s15=10.995",
                                             "s16=0.343",
                                             "s17=0.51",
                                             "s18=0.5235",
                                             "s19=12.954",
                                             "s20=0.343",
                                             "s21=0.471428571428571",
                                             "s22=0.4849",
                                             "s23=11.974",
                                             "s24=0.343",
                                             "s25=0.442857142857143",
                                             "s26=0.4476",
                                             "s27=11.249",
                                             "s28=0.120"};
    QTest::newRow("1/2-11") << size("0", "1", "2", "11")
                            << QStringList{"s5=0.5",
                                           "s6=0.4955",
                                           "s7=12.700",
                                           "s8=0.114",
                                           "s9=0.46707041847778",
                                           "s10=0.453782437453328",
                                           "s11=11.8635886293356",
                                           "s12=0.337514718021086",
                                           "s13=0.435454545454545",
                                           "s14=0.4222",
                                           "s15=11.061",
                                           "s16=0.338",
                                           "s17=0.51",
                                           "s18=0.5233",
                                           "s19=12.954",
                                           "s20=0.338",
                                           "s21=0.472727272727273",
                                           "s22=0.4860",
                                           "s23=12.007",
                                           "s24=0.338",
                                           "s25=0.445454545454545",
                                           "s26=0.4500",
                                           "s27=11.315",
                                           "s28=0.115"};
    QTest::newRow("2-3/4-3.5") << size("2", "3", "4", "3.5")
                               << QStringList{"s5=2.75",
                                              "s6=2.7357",
                                              "s7=69.850",
                                              "s8=0.363",
                                              "s9=2.65101921512429",
                                              "s10=2.62503366623848",
                                              "s11=67.335888064157",
                                              "s12=0.660032941699616",
                                              "s13=2.55857142857143",
                                              "s14=2.5326",
                                              "s15=64.988",
                                              "s16=0.660",
                                              "s17=2.77",
                                              "s18=2.7960",
                                              "s19=70.358",
                                              "s20=0.660",
                                              "s21=2.66428571428571",
                                              "s22=2.6903",
                                              "s23=67.673",
                                              "s24=0.660",
                                              "s25=2.57857142857143",
                                              "s26=2.5929",
                                              "s27=65.496",
                                              "s28=0.364"};
}

void TestForm18::examples() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    calculate(typed);
    QVERIFY2(p.matches(expected), p.why());
    QVERIFY2(p.matches(typed), p.why());  // the inputs stay as typed
}

void TestForm18::crestClearanceBreak_data() {
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("s17");
    QTest::newRow("10") << "10"
                        << "0.52";
    QTest::newRow("10.000001") << "10.000001"
                               << "0.51";
    QTest::newRow("11") << "11"
                        << "0.51";
    QTest::newRow("9") << "9"
                       << "0.52";
    QTest::newRow("16") << "16"
                        << "0.51";
}

void TestForm18::crestClearanceBreak() {
    QFETCH(QString, n);
    QFETCH(QString, s17);
    calculate(size("", "1", "2", n));
    QCOMPARE(p.text("s17"), s17);
}

// After a good calculation, a press with one of these inputs leaves every
// box as it was and says why, at the box to mend.
void TestForm18::badInputChangesNoBox_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("note");
    using namespace quorvil::notes;
    QTest::newRow("threads per inch empty") << size("1", "", "", "") << "s4" << number();
    QTest::newRow("threads per inch 0") << size("1", "", "", "0") << "s4" << positive();
    QTest::newRow("threads per inch negative") << size("1", "", "", "-4") << "s4" << positive();
    QTest::newRow("threads per inch not a number") << size("1", "", "", "4x") << "s4" << number();
    QTest::newRow("threads per inch 4,5") << size("1", "", "", "4,5") << "s4" << decimalPoint();
    QTest::newRow("threads per inch beyond range") << size("1", "", "", "1e999") << "s4" << tooLarge();
    QTest::newRow("pitch beyond range") << size("1", "", "", "1e-320") << "s4" << tooLarge();
    QTest::newRow("numerator over empty denominator") << size("1", "1", "", "5") << "txts3" << denominator();
    QTest::newRow("numerator over zero denominator") << size("", "3", "0", "5") << "txts3" << denominator();
    QTest::newRow("size 0, boxes empty") << size("", "", "", "10") << "txts1" << positive();
    QTest::newRow("size 0") << size("0", "0", "4", "10") << "txts1" << positive();
    QTest::newRow("negative size") << size("-1", "", "", "10") << "txts1" << positive();
    QTest::newRow("negative numerator") << size("0", "-1", "2", "10") << "txts2" << positive();
    QTest::newRow("letters in a size box") << size("1", "a", "2", "10") << "txts2" << number();
    QTest::newRow("size beyond single precision") << size("1e39", "", "", "10") << "txts1" << tooLarge();
}

void TestForm18::badInputChangesNoBox() {
    QFETCH(QStringList, typed);
    QFETCH(QString, at);
    QFETCH(QString, note);
    calculate(size("0", "1", "2", "10"));
    p.type("s24", "typed");  // a result box the user changed stays changed too
    const auto before = p.texts(results());
    calculate(typed);
    QVERIFY2(p.refused(at, note), p.why());
    QCOMPARE(p.texts(results()), before);
}

void TestForm18::secondCalculationRewrites() {
    calculate(size("0", "1", "2", "10"));
    p.type({"s9=x", "s14=1"});
    calculate(size("0", "1", "2", "11"));
    QVERIFY2(p.matches({"s9=0.46707041847778", "s14=0.4222", "s17=0.51", "s28=0.115"}), p.why());
    QVERIFY2(p.matches(size("0", "1", "2", "11")), p.why());
}

void TestForm18::prints() {
    QList<QImage> printed;
    quorvil::setPrintSink([&](const QImage& img) { printed.append(img); });
    const auto noSink = qScopeGuard([] { quorvil::setPrintSink({}); });
    p.click("Commandacme");  // before any calculation too
    QCOMPARE(printed.size(), 1);
    calculate(size("1", "", "", "5"));
    const auto before = p.texts(results() + kInputs);
    p.click("Commandacme");
    QCOMPARE(printed.size(), 2);
    QCOMPARE(printed.at(1).size(), w->grab().toImage().size());
    QVERIFY(printed.at(0) != printed.at(1));
    QCOMPARE(p.texts(results() + kInputs), before);
}

QUORVIL_UI_TEST_MAIN(TestForm18)
#include "tst_form18.moc"
