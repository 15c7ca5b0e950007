#include <QTest>

#include <cmath>
#include <limits>

#include "common/limitstext.h"
#include "common/numtext.h"

using namespace quorvil;

Q_DECLARE_METATYPE(quorvil::Pattern)

class TestNumText : public QObject {
    Q_OBJECT
private slots:
    void strictReading_data();
    void strictReading();
    void lenientReading_data();
    void lenientReading();
    void readFaults_data();
    void readFaults();
    void plainAndSignedText_data();
    void plainAndSignedText();
    void singleText();
    void finiteAndSingleValues();
    void patterns_data();
    void patterns();
    void reformatKeepsNonNumbers();
    void shownValues();
    void writtenTextsReadBack();
    void limitsTexts();
};

void TestNumText::strictReading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "10" << true << 10.0;
    QTest::newRow("decimal") << "1.5" << true << 1.5;
    QTest::newRow("blanks around") << "  0.35 " << true << 0.35;
    QTest::newRow("no digit before point") << " .118" << true << 0.118;
    QTest::newRow("point at end") << "5." << true << 5.0;
    QTest::newRow("signs") << "-2.5" << true << -2.5;
    QTest::newRow("plus") << "+3" << true << 3.0;
    QTest::newRow("exponent") << "1.5E+20" << true << 1.5e20;
    QTest::newRow("small exponent") << "2e-7" << true << 2e-7;
    QTest::newRow("underflow is zero") << "1e-400" << true << 0.0;
    QTest::newRow("trailing zeros") << "1.250" << true << 1.25;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks") << "   " << false << 0.0;
    QTest::newRow("lone minus") << "-" << false << 0.0;
    QTest::newRow("lone point") << "." << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("trailing unit") << "2.5mm" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("comma") << "1,5" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("overflow") << "1e400" << false << 0.0;
    QTest::newRow("negative overflow") << "-1e400" << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("blank inside") << "1 0" << false << 0.0;
}

void TestNumText::strictReading() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto r = readStrict(text.toStdString());
    QCOMPARE(r.has_value(), ok);
    if (ok) QCOMPARE(*r, value);
}

void TestNumText::lenientReading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("hasNumber");
    QTest::newRow("empty") << "" << 0.0 << false;
    QTest::newRow("unit") << "2.5mm" << 2.5 << true;
    QTest::newRow("trailing letters") << "12abc" << 12.0 << true;
    QTest::newRow("letters") << "abc" << 0.0 << false;
    QTest::newRow("leading blanks") << "   7" << 7.0 << true;
    QTest::newRow("comma stops") << "1,5" << 1.0 << true;
    QTest::newRow("hex reads its zero") << "0x10" << 0.0 << true;
    QTest::newRow("nan") << "nan" << 0.0 << false;
    QTest::newRow("inf") << "inf" << 0.0 << false;
    QTest::newRow("lone minus") << "-" << 0.0 << false;
    QTest::newRow("dangling exponent") << "3e" << 3.0 << true;
    QTest::newRow("exponent") << "3e2x" << 300.0 << true;
    QTest::newRow("negative fraction") << "-.5" << -0.5 << true;
}

void TestNumText::lenientReading() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(readLenient(text.toStdString()), value);
    // A text without a leading number reads 0 but has no leading number.
    QFETCH(bool, hasNumber);
    const auto leading = readLeadingNumber(text.toStdString());
    QCOMPARE(leading.has_value(), hasNumber);
    if (leading) QCOMPARE(*leading, value);
}

Q_DECLARE_METATYPE(quorvil::ReadFault)

// Why a text cannot be used, strictly and by its leading number: what a
// refused press tells the user.
void TestNumText::readFaults_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<ReadFault>("strict");
    QTest::addColumn<ReadFault>("leading");
    using F = ReadFault;
    QTest::newRow("number") << " 1.5 " << F::None << F::None;
    QTest::newRow("underflow reads 0") << "1e-400" << F::None << F::None;
    QTest::newRow("empty") << "" << F::Empty << F::Empty;
    QTest::newRow("blanks") << "  " << F::Empty << F::Empty;
    QTest::newRow("letters") << "abc" << F::NotANumber << F::NotANumber;
    QTest::newRow("lone sign") << "-" << F::NotANumber << F::NotANumber;
    QTest::newRow("unit after number") << "12mm" << F::NotANumber << F::None;
    QTest::newRow("decimal comma") << "1,5" << F::DecimalComma << F::DecimalComma;
    QTest::newRow("comma after whole") << "6,0" << F::DecimalComma << F::DecimalComma;
    QTest::newRow("comma first") << ",5" << F::DecimalComma << F::DecimalComma;
    QTest::newRow("signed comma first") << "-,5" << F::DecimalComma << F::DecimalComma;
    QTest::newRow("lone comma") << "," << F::NotANumber << F::NotANumber;
    QTest::newRow("overflow") << "1e400" << F::TooLarge << F::TooLarge;
    QTest::newRow("overflow with unit") << "-1e400mm" << F::TooLarge << F::TooLarge;
    QTest::newRow("inf") << "inf" << F::NotANumber << F::NotANumber;
}

void TestNumText::readFaults() {
    QFETCH(QString, text);
    QFETCH(ReadFault, strict);
    QFETCH(ReadFault, leading);
    const std::string t = text.toStdString();
    QCOMPARE(strictFault(t), strict);
    QCOMPARE(leadingFault(t), leading);
    // No fault exactly when the reading gives a number.
    QCOMPARE(strict == ReadFault::None, readStrict(t).has_value());
    if (leading == ReadFault::None) QVERIFY(readLeadingNumber(t).has_value());
}

void TestNumText::plainAndSignedText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("signedText");
    QTest::newRow("product above 0.24") << 0.16 * 1.5 << "0.24"
                                        << " .24";
    QTest::newRow("difference") << 10 - 1.59 << "8.41"
                                << " 8.41";
    QTest::newRow("whole") << 17.0 << "17"
                           << " 17";
    QTest::newRow("small") << 0.056 << "0.056"
                           << " .056";
    QTest::newRow("zero") << 0.0 << "0"
                          << " 0";
    QTest::newRow("negative zero") << -0.0 << "0"
                                   << " 0";
    QTest::newRow("negative") << -0.5 << "-0.5"
                              << "-.5";
    QTest::newRow("negative small") << -0.026 << "-0.026"
                                    << "-.026";
    QTest::newRow("inch") << 25.4 << "25.4"
                          << " 25.4";
    QTest::newRow("15 digits") << 1.0 / 3 << "0.333333333333333"
                               << " .333333333333333";
    QTest::newRow("big fixed") << 123456789012345.0 << "123456789012345"
                               << " 123456789012345";
    QTest::newRow("exponent big") << 1.5e20 << "1.5E+20"
                                  << " 1.5E+20";
    QTest::newRow("exponent small") << 2e-7 << "2E-07"
                                    << " 2E-07";
    QTest::newRow("fixed small") << 1.5e-5 << "0.000015"
                                 << " .000015";
    QTest::newRow("rounds up at 15 digits") << 0.9999999999999999 << "1"
                                            << " 1";
}

void TestNumText::plainAndSignedText() {
    QFETCH(double, value);
    QFETCH(QString, plain);
    QFETCH(QString, signedText);
    QCOMPARE(QString::fromStdString(quorvil::plainText(value)), plain);
    QCOMPARE(QString::fromStdString(quorvil::signedText(value)), signedText);
}

void TestNumText::singleText() {
    // Single-precision values keep 7 significant digits.
    QCOMPARE(QString::fromStdString(plainTextSingle(25.4f)), QStringLiteral("25.4"));
    QCOMPARE(QString::fromStdString(signedTextSingle(static_cast<float>(static_cast<double>(0.01f) * 25.4))),
             QStringLiteral(" .254"));
    QCOMPARE(QString::fromStdString(signedTextSingle(12.7f)), QStringLiteral(" 12.7"));
    QCOMPARE(QString::fromStdString(signedTextSingle(-25.4f)), QStringLiteral("-25.4"));
    QCOMPARE(QString::fromStdString(plainTextSingle(1.0f / 3)), QStringLiteral("0.3333333"));
    QCOMPARE(QString::fromStdString(plainText(std::numeric_limits<double>::infinity())), QString());
    QCOMPARE(QString::fromStdString(signedTextSingle(std::nanf(""))), QString());
}

void TestNumText::patterns_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<quorvil::Pattern>("pattern");
    QTest::addColumn<QString>("shown");
    using P = Pattern;
    QTest::newRow("0.000 pads") << 8.41 << P::Fixed3 << "8.410";
    QTest::newRow("0.000 below one") << 0.15 << P::Fixed3 << "0.150";
    QTest::newRow("0.000 whole") << 17.0 << P::Fixed3 << "17.000";
    QTest::newRow("0.000 remainder") << 10 - 0.64952 * 1.5 << P::Fixed3 << "9.026";
    QTest::newRow("0.000 decimal half") << 2.0625 << P::Fixed3 << "2.063";
    QTest::newRow("0.000 binary below half") << 1.0005 << P::Fixed3 << "1.001";
    QTest::newRow("0.000 negative") << -0.011 << P::Fixed3 << "-0.011";
    QTest::newRow("0.000 negative half") << -2.0625 << P::Fixed3 << "-2.063";
    QTest::newRow("0.000 negative to zero") << -0.0001 << P::Fixed3 << "0.000";
    QTest::newRow("0.000 carry") << 9.9996 << P::Fixed3 << "10.000";
    QTest::newRow("0.000 tiny") << 1e-300 << P::Fixed3 << "0.000";
    QTest::newRow("0.000 half of last place") << 0.0005 << P::Fixed3 << "0.001";
    QTest::newRow("0.000 big") << 1.5e20 << P::Fixed3 << "150000000000000000000.000";
    QTest::newRow("0.0000") << 0.12345 << P::Fixed4 << "0.1235";
    QTest::newRow("0.00") << 0.947 << P::Fixed2 << "0.95";
    QTest::newRow("0.00 whole") << 1.0 << P::Fixed2 << "1.00";
    QTest::newRow("0.0") << 3.14 << P::Fixed1 << "3.1";
    QTest::newRow("0") << 12.4 << P::Fixed0 << "12";
    QTest::newRow("0 half") << 12.5 << P::Fixed0 << "13";
    QTest::newRow("0 below half") << 0.4 << P::Fixed0 << "0";
    QTest::newRow("#.000 below one") << 0.5 << P::Hash3 << ".500";
    QTest::newRow("#.000 negative") << -0.021 << P::Hash3 << "-.021";
    QTest::newRow("#.000 zero") << 0.0 << P::Hash3 << ".000";
    QTest::newRow("#.000 whole") << 10.0 << P::Hash3 << "10.000";
    QTest::newRow("#.000 rounds to one") << 0.9996 << P::Hash3 << "1.000";
}

void TestNumText::patterns() {
    QFETCH(double, value);
    QFETCH(quorvil::Pattern, pattern);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdString(formatPattern(value, pattern)), shown);
    // Formatting the shown text again leaves it as it is.
    QCOMPARE(QString::fromStdString(reformat(shown.toStdString(), pattern)), shown);
    // A later step that reads the box back computes with the shown number.
    QCOMPARE(shownAs(value, pattern), readStrict(shown.toStdString()).value());
}

void TestNumText::reformatKeepsNonNumbers() {
    QCOMPARE(QString::fromStdString(reformat("", Pattern::Fixed3)), QString());
    QCOMPARE(QString::fromStdString(reformat("abc", Pattern::Fixed3)), QStringLiteral("abc"));
    QCOMPARE(QString::fromStdString(reformat("inf", Pattern::Fixed3)), QStringLiteral("inf"));
    QCOMPARE(QString::fromStdString(reformat("1e400", Pattern::Fixed3)), QStringLiteral("1e400"));
    QCOMPARE(QString::fromStdString(reformat(" 25.4", Pattern::Fixed3)), QStringLiteral("25.400"));
    QCOMPARE(QString::fromStdString(reformat("9.0260000001", Pattern::Fixed3)), QStringLiteral("9.026"));
}

// What a box shows, read back, where the value is not a plain double.
void TestNumText::shownValues() {
    // A single shows its 7-digit text rounded: 1.23455f lies below the half
    // in binary, and its text "1.23455" on it.
    QCOMPARE(shownAsSingle(1.23455f, Pattern::Fixed4), 1.2346);
    QCOMPARE(shownAs(1.23455f, Pattern::Fixed4), 1.2345);
    // No number shows: whatever is computed from it is not finite either.
    constexpr double inf = std::numeric_limits<double>::infinity();
    QVERIFY(std::isnan(shownAs(std::nan(""), Pattern::Fixed3)));
    QCOMPARE(shownAs(-inf, Pattern::Fixed3), -inf);
    QCOMPARE(shownAsSingle(std::numeric_limits<float>::infinity(), Pattern::Fixed4), inf);
    // The largest double's 15 digits round up beyond the double range.
    QCOMPARE(shownAs(std::numeric_limits<double>::max(), Pattern::Fixed0), inf);
}

void TestNumText::writtenTextsReadBack() {
    // Every text the program writes reads back as the number it shows.
    const double values[] = {0.0, 0.24, -0.5, 17, 1.0 / 3, 1.5e20, 2e-7, -123.456, 0.000015};
    for (double v : values) {
        QCOMPARE(readStrict(plainText(v)).value(), std::stod(plainText(v)));
        QCOMPARE(readStrict(signedText(v)).value(), readStrict(plainText(v)).value());
        QVERIFY(readStrict(formatPattern(v, Pattern::Hash3)).has_value());
        QVERIFY(readStrict(formatPattern(v, Pattern::Fixed3)).has_value());
    }
}

void TestNumText::limitsTexts() {
    QCOMPARE(QString::fromStdString(thousandthsText(22000)), QStringLiteral("22"));
    QCOMPARE(QString::fromStdString(thousandthsText(7250)), QStringLiteral("7.25"));
    QCOMPARE(QString::fromStdString(thousandthsText(-300)), QStringLiteral("-0.3"));
    QCOMPARE(QString::fromStdString(thousandthsText(0)), QStringLiteral("0"));
    QCOMPARE(QString::fromStdString(scaledText(5511, 2)), QStringLiteral("55.11"));
    // A table length to thousandths: the nearest, not the truncated product
    // (1.005 x 1000 is just below 1005), halves away from zero.
    QCOMPARE(thousandths(1.005), 1005LL);
    QCOMPARE(thousandths(0.0625), 63LL);
    QCOMPARE(thousandths(-0.0625), -63LL);
    // At least two decimals, never more than the value has.
    QCOMPARE(QString::fromStdString(twoPlaceText(300)), QStringLiteral("0.30"));
    QCOMPARE(QString::fromStdString(twoPlaceText(1000)), QStringLiteral("1.00"));
    QCOMPARE(QString::fromStdString(twoPlaceText(224)), QStringLiteral("0.224"));
    QCOMPARE(QString::fromStdString(twoPlaceText(1250)), QStringLiteral("1.25"));
    QCOMPARE(QString::fromStdString(twoPlaceText(-50)), QStringLiteral("-0.05"));
    QCOMPARE(QString::fromStdString(minusStyleText(10000, 236)), QStringLiteral("10-0.236"));
    QCOMPARE(QString::fromStdString(bracketStyleText(7250, -67, -237)), QStringLiteral("7.25(-0.067/-0.237)"));
    QCOMPARE(QString::fromStdString(bracketStyleText(10000, 0, -180)), QStringLiteral("10(0/-0.18)"));
    QCOMPARE(QString::fromStdString(bracketStyleText(12000, 32, -5)), QStringLiteral("12(+0.032/-0.005)"));
}

void TestNumText::finiteAndSingleValues() {
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double floatMax = std::numeric_limits<float>::max();
    QCOMPARE(finiteValue(-2.5), -2.5);
    QCOMPARE(finiteValue(inf), std::nullopt);
    QCOMPARE(finiteValue(std::nan("")), std::nullopt);
    QCOMPARE(toSingle(0.1), 0.1f);
    QCOMPARE(toSingle(-floatMax), -std::numeric_limits<float>::max());
    // Beyond the single range a narrowing would be undefined: no value.
    QCOMPARE(toSingle(floatMax * 2), std::nullopt);
    QCOMPARE(toSingle(-1e39), std::nullopt);
    QCOMPARE(toSingle(inf), std::nullopt);
    QCOMPARE(toSingle(std::nan("")), std::nullopt);

    // A calculation's values one by one: 0 stands in for one that does not
    // fit, and the misfit is remembered.
    SingleValues single;
    QCOMPARE(single(0.1), 0.1f);
    QVERIFY(single.fit());
    QCOMPARE(single(floatMax * 2), 0.0f);
    QCOMPARE(single(2.5), 2.5f);
    QVERIFY(!single.fit());
}

QTEST_APPLESS_MAIN(TestNumText)
#include "tst_numtext.moc"
