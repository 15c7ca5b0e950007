// The main window: design, converter, launch buttons, web buttons.
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "buildsettings.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "shell/Form1.h"
#include "shell/windows.h"
#include "uitest.h"
#include "windowtest.h"

using quorvil::kWindowCount;
using quorvil::kWindows;
using quorvil::WindowEntry;

namespace {

// Receives what the desktop would open, so no test starts a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

QList<QWidget*> toolWindows() {
    QList<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() != QStringLiteral("Form1")) out << w;
    return out;
}

void closeToolWindows() {
    for (QWidget* w : toolWindows()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class TestForm1 : public quorvil::test::WindowTest<Form1> {
    Q_OBJECT
private slots:
    void opensOnAdvertisingPage();
    void launchButtonsMatchDesign();
    void converter_data();
    void converter();
    void converterKeystrokes();
    void converterShowsNoEarlierValue_data();
    void converterShowsNoEarlierValue();
    void launchOpensEachWindowOnce_data();
    void launchOpensEachWindowOnce();
    void launchOutsideRangeOpensNothing();
    void webButtonsOpenAddresses();
    void webButtonsSayWhenNothingStarts();
    void mainWindowClosesAlone();
};

void TestForm1::opensOnAdvertisingPage() {
    auto* tabs = p.get<quorvil::TabContainer>(QStringLiteral("SSTab1"));
    QCOMPARE(w->windowTitle(), QString::fromUtf8(quorvil::build::kMainCaption));
    if (!quorvil::build::kPackaged) QCOMPARE(w->windowTitle(), QStringLiteral("Quorvil(版本200912)"));
    QCOMPARE(w->size(), QSize(452, 370));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabBar()->tabText(0), QStringLiteral("广告招商位"));
    QCOMPARE(tabs->tabBar()->tabText(1), QStringLiteral("进入相关软件"));
    QVERIFY2(p.matches({"txtT1=", "txtT2=", "Frame1=公英制尺寸转换"}), p.why());
    QVERIFY(!p.get<QLabel>(QStringLiteral("Image1"))->pixmap().isNull());
    const QLabel* ad = p.get<QLabel>(QStringLiteral("Label1_0"));
    QVERIFY(ad->text().startsWith(QStringLiteral("       本软件是机械加工企业")));
    QCOMPARE(ad->geometry(), QRect(84, 63, 270, 196));
    QVERIFY(!w->windowIcon().isNull());
}

void TestForm1::launchButtonsMatchDesign() {
    // Element index by row (top to bottom) and column (left to right).
    const int grid[7][3] = {{18, 19, 13}, {0, 17, 20}, {5, 10, 16}, {4, 9, 6}, {8, 3, 11}, {12, 2, 1}, {14, 7, 15}};
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 3; ++col) {
            auto* b = p.get<QPushButton>(QStringLiteral("Command1_%1").arg(grid[row][col]));
            QCOMPARE(b->size(), QSize(124, 25));
            if (col > 0) {
                auto* left = p.get<QPushButton>(QStringLiteral("Command1_%1").arg(grid[row][col - 1]));
                QVERIFY(b->x() > left->x());
                QVERIFY(qAbs(b->y() - left->y()) <= 1);
            }
        }
    }
    QVERIFY2(
        p.matches({"Command1_13=米制普通螺纹", "Command21=给  作  者  写  信", "Command11=进入我的网站下载最新版"}),
        p.why());
}

void TestForm1::converter_data() {
    QTest::addColumn<QString>("inches");
    QTest::addColumn<QString>("mm");
    QTest::newRow("one") << "1"
                         << " 25.4";
    QTest::newRow("half") << "0.5"
                          << " 12.7";
    QTest::newRow("hundredth") << "0.01"
                               << " .254";
    QTest::newRow("negative") << "-1"
                              << "-25.4";
    QTest::newRow("letters") << "abc"
                             << " 0";
    QTest::newRow("number then letters") << "2in"
                                         << " 50.8";
    QTest::newRow("hex reads zero") << "0x10"
                                    << " 0";
    QTest::newRow("single precision") << "3.3"
                                      << " 83.82";
    QTest::newRow("largest that converts") << "1e37"
                                           << " 2.54E+38";
    // No value: beyond the single range, or a decimal comma, which is never
    // taken for the end of the number.
    QTest::newRow("inches beyond single") << "1e39"
                                          << "--";
    QTest::newRow("millimetres beyond single") << "2e38"
                                               << "--";
    QTest::newRow("beyond double") << "1e400"
                                   << "--";
    QTest::newRow("decimal comma") << "1,5"
                                   << "--";
}

void TestForm1::converter() {
    QFETCH(QString, inches);
    QFETCH(QString, mm);
    p.type(QStringLiteral("txtT1"), inches);
    QVERIFY2(p.matches({QStringLiteral("txtT2=") + mm}), p.why());
}

void TestForm1::converterKeystrokes() {
    QLineEdit* in = p.box(QStringLiteral("txtT1"));
    QTest::keyClick(in, Qt::Key_1);
    QVERIFY2(p.matches({"txtT2= 25.4"}), p.why());
    QTest::keyClick(in, Qt::Key_0);
    QVERIFY2(p.matches({"txtT2= 254"}), p.why());
    QTest::keyClick(in, Qt::Key_Backspace);
    QTest::keyClick(in, Qt::Key_Backspace);
    QVERIFY2(p.matches({"txtT2= 0"}), p.why());
    // Each key converts what the box holds then: "2e3", one key more "2e38".
    QTest::keyClicks(in, QStringLiteral("2e3"));
    QVERIFY2(p.matches({"txtT2= 50800"}), p.why());
    QTest::keyClick(in, Qt::Key_8);
    QVERIFY2(p.matches({"txtT2=--"}), p.why());
    QVERIFY(!quorvil::shownRefusal(w));
}

// The converter follows the typing: after one text and another, it shows what
// the other alone shows, never the value of the one before.
void TestForm1::converterShowsNoEarlierValue_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("2e3, then 2e38") << "2e3"
                                    << "2e38";
    QTest::newRow("1, then 1e400") << "1"
                                   << "1e400";
    QTest::newRow("1.5, then 4e38") << "1.5"
                                    << "4e38";
}

void TestForm1::converterShowsNoEarlierValue() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    const QString stale = staleAfter({QStringLiteral("txtT1=") + first}, {QStringLiteral("txtT1=") + second});
    QVERIFY2(stale.isEmpty(), qPrintable(stale));
}

void TestForm1::launchOpensEachWindowOnce_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    // The design's captions, against which the window table is checked.
    const char* captions[] = {"11.梯形螺纹(牙形角30°)",
                              "15.重量计算1",
                              "16.各种螺纹代号查询",
                              "17.钻孔、攻丝工时计算",
                              "18.公英制、角度转换",
                              "19.管螺纹参数",
                              "20.通用三针直径M值计算",
                              "21.硬度换算表",
                              "1.网上搜集的软件",
                              "2.阿基米德蜗杆",
                              "3.STUB ACME螺纹",
                              "4.螺栓设计及计算",
                              "5.压缩弹簧设计计算",
                              "6.米制普通螺纹(牙形角60°)",
                              "7.API 6A 19版技术资料",
                              "8.复杂件重量计算2",
                              "9.非标STUB ACME螺纹参数",
                              "10.非标螺纹参数<可输入任意参数计算>",
                              "12.美制统一螺纹",
                              "13.ACME螺纹",
                              "14.英制螺纹"};
    QCOMPARE(static_cast<int>(std::size(captions)), kWindowCount);
    for (int i = 0; i < kWindowCount; ++i) {
        const WindowEntry& e = kWindows[i];
        QCOMPARE(e.launchIndex, i);
        QCOMPARE(QString::fromUtf8(e.className.data(), qsizetype(e.className.size())),
                 QStringLiteral("Form%1").arg(i + 2));
        QCOMPARE(QString::fromUtf8(e.caption.data(), qsizetype(e.caption.size())), QString::fromUtf8(captions[i]));
        QTest::addRow("button %d", i) << i << QString::fromUtf8(e.className.data(), qsizetype(e.className.size()))
                                      << QString::fromUtf8(captions[i]);
    }
}

void TestForm1::launchOpensEachWindowOnce() {
    QFETCH(int, index);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    const QString button = QStringLiteral("Command1_%1").arg(index);
    p.click(button);
    QList<QWidget*> open = toolWindows();
    QCOMPARE(open.size(), 1);
    QPointer<QWidget> tool = open.first();
    QCOMPARE(tool->objectName(), className);
    QCOMPARE(tool->windowTitle(), caption);
    QVERIFY(!tool->parentWidget());

    // A second press, by Enter on the focused button, brings the same
    // window forward.
    auto* b = p.get<QWidget>(button);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Return);
    QCOMPARE(toolWindows(), QList<QWidget*>{tool.data()});
    QVERIFY(tool->isVisible());

    // Closed, it is destroyed; the next press creates it afresh.
    tool->close();
    QTRY_VERIFY(tool.isNull());
    w->Command1_Click(static_cast<qint16>(index));
    QCOMPARE(toolWindows().size(), 1);
    QVERIFY(toolWindows().first() != nullptr);
    closeToolWindows();
}

void TestForm1::launchOutsideRangeOpensNothing() {
    w->Command1_Click(-1);
    w->Command1_Click(kWindowCount);
    w->Command1_Click(32767);
    QVERIFY(toolWindows().isEmpty());
}

void TestForm1::mainWindowClosesAlone() {
    // Closing the main window leaves tool windows open; the program ends with
    // the last window. Runs the real event loop, which returns when the
    // application quits by itself.
    QApplication::setQuitOnLastWindowClosed(true);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->Command1_Click(13);
    w->Command1_Click(6);
    int stillOpen = -1;
    QTimer::singleShot(0, qApp, [&] {
        w->close();
        stillOpen = static_cast<int>(toolWindows().size());
        const QList<QWidget*> open = toolWindows();
        for (QWidget* tool : open) tool->close();
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });  // did not quit
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(stillOpen, 2);
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestForm1::webButtonsOpenAddresses() {
    UrlCatcher catcher;
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
    p.click(QStringLiteral("Command11"));
    p.click(QStringLiteral("Command21"));
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    QCOMPARE(catcher.urls.size(), 2);
    QCOMPARE(catcher.urls[0], Form1::webSiteAddress());
    QCOMPARE(catcher.urls[1], Form1::mailAddress());
    QVERIFY(catcher.urls[0].host().endsWith(QStringLiteral("example.com")));
    QCOMPARE(catcher.urls[1].scheme(), QStringLiteral("mailto"));
    QVERIFY(catcher.urls[1].path().endsWith(QStringLiteral("example.com")));
}

// The handler of a scheme is a method the receiver does not have: the
// desktop then starts nothing, as when no browser or mail program is there.
void TestForm1::webButtonsSayWhenNothingStarts() {
    UrlCatcher catcher;
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "noSuchMethod");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchMethod")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchMethod")));
    p.tab(QStringLiteral("SSTab1"), 1);
    p.click(QStringLiteral("Command11"));
    const bool web = p.refused(QStringLiteral("Command11"), quorvil::notes::noBrowser());
    const QString webWhy = QString::fromUtf8(p.why());
    p.click(QStringLiteral("Command21"));
    const bool mail = p.refused(QStringLiteral("Command21"), quorvil::notes::noMail());
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    QVERIFY2(web, qPrintable(webWhy));
    QVERIFY2(mail, p.why());
}

QUORVIL_UI_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
