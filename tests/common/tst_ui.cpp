// The shared window rules: self-formatting boxes, number boxes, the
// tool-window lifecycle, printing through the seam, tabs and line sketches.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <limits>
#include <memory>

#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/defaultbutton.h"
#include "common/ui/fonts.h"
#include "common/ui/formatbox.h"
#include "common/ui/linesketch.h"
#include "common/ui/listpick.h"
#include "common/ui/printing.h"
#include "common/ui/tabcontainer.h"
#include "common/ui/toolwindow.h"
#include "common/ui/writeplan.h"
#include "uitest.h"
#include "windowtest.h"

using namespace quorvil;

namespace {
class Sample : public ToolWindow {
public:
    Sample() : ToolWindow(QStringLiteral("Sample"), QStringLiteral("99.样例"), 3000, 1500) {
        box = makeBox(this, QStringLiteral("box"), {100, 100, 1000, 300});
        button = makeButton(this, QStringLiteral("button"), QStringLiteral("算"), {100, 600, 1000, 300});
    }
    QLineEdit* box;
    QPushButton* button;
};
}  // namespace

class TestUi : public QObject {
    Q_OBJECT
private slots:
    void formatBoxRewritesEveryChange();
    void formatBoxReadBackGetsRoundedValue();
    void writersSkipNonFinite();
    void toolWindowLifecycle();
    void toolWindowRules();
    void printSeamGetsWindowImage();
    void printWithoutDefaultPrinterAsks();
    void printToFileIsNamedAfterTheWholeCaption_data();
    void printToFileIsNamedAfterTheWholeCaption();
    void qtsOwnTextsAreChinese();
    void tabContainerKeepsDesignPlaces();
    void lineSketchDrawsSegments();
    void tabContainerEndsAtItsWindowsEdge();
    void sketchOnFrameStartsBelowTheBorder();
    void frameCaptionSitsOnThePage();
    void longTextShowsFromItsStart();
    void toolWindowsPressAFocusedButtonOnEnter();
    void enterPressesButtons();
    void formatBoxFormatsTypingWhenTheUserIsDone_data();
    void formatBoxFormatsTypingWhenTheUserIsDone();
    void editableComboKeepsWhatIsTyped();
    void comboListOpensBelowTwelveRowsTall_data();
    void comboListOpensBelowTwelveRowsTall();
    void listShowsNothingPickedUntilPicked();
    void listPickRunsOncePerPick();
    void writePlanWritesAllOrNothing();
    void writePlanTellsWhatABoxWillShow();
    void probeTypesClicksPicksAndCompares();
};

void TestUi::formatBoxRewritesEveryChange() {
    QWidget parent;
    FormatBox box(Pattern::Fixed3, &parent);
    box.setText(QStringLiteral("9.0260000001"));
    QCOMPARE(box.text(), QStringLiteral("9.026"));
    box.setText(QStringLiteral("0.15"));
    QCOMPARE(box.text(), QStringLiteral("0.150"));
    box.setText(QString());
    QCOMPARE(box.text(), QString());
    box.setText(QStringLiteral("abc"));
    QCOMPARE(box.text(), QStringLiteral("abc"));
    box.setText(QStringLiteral(" 25.4"));  // a leading blank does not survive
    QCOMPARE(box.text(), QStringLiteral("25.400"));

    FormatBox hash(Pattern::Hash3, &parent);
    hash.setText(QStringLiteral("0.5"));
    QCOMPARE(hash.text(), QStringLiteral(".500"));
    FormatBox two(Pattern::Fixed2, &parent);
    two.setText(QStringLiteral("0.947"));
    QCOMPARE(two.text(), QStringLiteral("0.95"));
}

void TestUi::formatBoxReadBackGetsRoundedValue() {
    QWidget parent;
    FormatBox box(Pattern::Fixed3, &parent);
    int changes = 0;
    connect(&box, &QLineEdit::textChanged, &box, [&] { ++changes; });
    writePlain(&box, 10 - 0.64952 * 1.5);
    QCOMPARE(readStrict(&box).value(), 9.026);
    QVERIFY(changes <= 2);  // the write and at most one nested rewrite
}

void TestUi::writersSkipNonFinite() {
    QWidget parent;
    QLineEdit box(&parent);
    box.setText(QStringLiteral("keep"));
    writePlain(&box, std::numeric_limits<double>::infinity());
    writeSigned(&box, std::nan(""));
    writeSignedSingle(&box, -std::numeric_limits<float>::infinity());
    WritePlan single;
    single.plainSingle(&box, std::numeric_limits<float>::infinity());
    QVERIFY(!single.commit());
    QCOMPARE(box.text(), QStringLiteral("keep"));
    writeSigned(&box, 0.254);
    QCOMPARE(box.text(), QStringLiteral(" .254"));
    QCOMPARE(readLenient(&box), 0.254);
    writePlain(&box, std::nullopt);  // no value for these inputs
    QCOMPARE(box.text(), QStringLiteral("--"));
}

void TestUi::toolWindowLifecycle() {
    Sample* first = showToolWindow<Sample>();
    QVERIFY(first->isVisible());
    QVERIFY(!first->parentWidget());  // modeless, no owner
    first->box->setText(QStringLiteral("12"));
    QCOMPARE(showToolWindow<Sample>(), first);  // brought forward, not created again
    QCOMPARE(first->box->text(), QStringLiteral("12"));

    first->showMinimized();
    QCOMPARE(showToolWindow<Sample>(), first);
    QVERIFY(!first->isMinimized());

    QPointer<Sample> closed = first;
    QVERIFY(first->close());
    QTRY_VERIFY(closed.isNull());  // destroyed on close
    Sample* fresh = showToolWindow<Sample>();
    QCOMPARE(fresh->box->text(), QString());  // starts from the design values
    fresh->close();
}

void TestUi::toolWindowRules() {
    Sample w;
    QCOMPARE(w.windowTitle(), QStringLiteral("99.样例"));
    QCOMPARE(w.objectName(), QStringLiteral("Sample"));
    QCOMPARE(w.size(), QSize(200, 100));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(w.box->geometry(), QRect(7, 7, 67, 20));
}

void TestUi::printSeamGetsWindowImage() {
    Sample w;
    w.box->setText(QStringLiteral("printed"));
    w.show();
    QImage printed;
    setPrintSink([&](const QImage& img) { printed = img; });
    printWindow(&w);
    setPrintSink({});
    QCOMPARE(printed.size() / printed.devicePixelRatio(), w.size());
    QCOMPARE(w.box->text(), QStringLiteral("printed"));  // the window does not change
    // The image is what the window shows, not a blank page.
    QVERIFY(printed.pixel(0, 0) != printed.pixel(w.box->geometry().center()) ||
            printed.pixelColor(w.box->geometry().topLeft()) != printed.pixelColor(0, 0));
}

void TestUi::printWithoutDefaultPrinterAsks() {
    // No print system here: the standard print dialog lets the user choose;
    // cancelling it prints nothing and changes nothing.
    qputenv("CUPS_SERVER", "/nonexistent/quorvil-no-cups.sock");
    Sample w;
    w.box->setText(QStringLiteral("kept"));
    w.show();
    QString dialogTitle;
    QTimer::singleShot(0, &w, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        dialogTitle = modal->metaObject()->className();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    printWindow(&w);
    QCOMPARE(dialogTitle, QStringLiteral("QPrintDialog"));
    QCOMPARE(w.box->text(), QStringLiteral("kept"));
}

void TestUi::printToFileIsNamedAfterTheWholeCaption_data() {
    QTest::addColumn<bool>("documents");
    QTest::newRow("documents folder") << true;
    QTest::newRow("no documents folder") << false;
}

// No print system here, so the print dialog offers a PDF file: named after
// the whole caption, dots and all, in the documents folder when there is
// one, else at home. The dialog itself reads in Chinese.
void TestUi::printToFileIsNamedAfterTheWholeCaption() {
    QFETCH(bool, documents);
    qputenv("CUPS_SERVER", "/nonexistent/quorvil-no-cups.sock");
    QTemporaryDir home;
    QVERIFY(home.isValid());
    struct Env {
        const char* name;
        QByteArray old = qgetenv(name);
        bool had = qEnvironmentVariableIsSet(name);
        ~Env() { had ? qputenv(name, old) : qunsetenv(name); }
    } homeEnv{"HOME"}, configEnv{"XDG_CONFIG_HOME"};
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    if (documents) QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));

    Sample w;
    w.setWindowTitle(QStringLiteral("6.米制普通螺纹(牙形角60°)"));
    w.show();
    QString file, title;
    QTimer::singleShot(0, &w, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            file = dialog->printer()->outputFileName();
            title = dialog->windowTitle();
            dialog->reject();
        }
    });
    printWindow(&w);
    const QString folder = documents ? home.filePath(QStringLiteral("Documents")) : home.path();
    QCOMPARE(file, QDir(folder).filePath(QStringLiteral("6.米制普通螺纹(牙形角60°).pdf")));
    QCOMPARE(title, QStringLiteral("打印"));
}

// A box's right-click menu, as Qt makes it, reads in Chinese.
void TestUi::qtsOwnTextsAreChinese() {
    QLineEdit box;
    box.setText(QStringLiteral("10"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* a : menu->actions()) texts << a->text();
    const QString all = texts.join(u'|');
    QVERIFY2(all.contains(QStringLiteral("复制")) && all.contains(QStringLiteral("粘贴")) &&
                 all.contains(QStringLiteral("全选")) && !all.contains(QStringLiteral("Copy")),
             qPrintable(all));
}

void TestUi::tabContainerKeepsDesignPlaces() {
    QWidget w;
    w.resize(400, 300);
    TabContainer tabs(&w, QStringLiteral("SSTab1"), {0, 0, 6000, 4500});
    QWidget* p0 = tabs.addPage(QStringLiteral("甲"));
    QWidget* p1 = tabs.addPage(QStringLiteral("乙"));
    auto* b = makeBox(p1, QStringLiteral("b"), {450, 480, 900, 300});
    QCOMPARE(tabs.count(), 2);
    QCOMPARE(p1->geometry(), tabs.rect());  // pages cover the container, tab row included
    QCOMPARE(b->mapTo(&tabs, QPoint(0, 0)), QPoint(30, 32));
    tabs.setCurrentIndex(1);
    w.show();
    QVERIFY(p1->isVisible());
    QVERIFY(!p0->isVisible());
    QCOMPARE(tabs.tabBar()->tabText(1), QStringLiteral("乙"));
}

void TestUi::lineSketchDrawsSegments() {
    QWidget frame;
    frame.resize(100, 100);
    frame.setAutoFillBackground(true);
    frame.setPalette(QPalette(Qt::white));
    auto* sketch = new LineSketch(&frame, {{150, 750, 1350, 750, 2, 0xFF0000}});
    QCOMPARE(sketch->geometry(), frame.rect());
    QVERIFY(sketch->testAttribute(Qt::WA_TransparentForMouseEvents));
    const QImage img = frame.grab().toImage();
    QCOMPARE(img.pixelColor(50, 50), QColor(Qt::red));
    QCOMPARE(img.pixelColor(50, 20), QColor(Qt::white));
}

void TestUi::tabContainerEndsAtItsWindowsEdge() {
    QWidget w;
    w.resize(400, 300);
    // Two pixels wider and taller than its window: right and bottom borders
    // would be cut off.
    TabContainer tabs(&w, QStringLiteral("SSTab1"), {0, 0, 6030, 4530});
    QCOMPARE(tabs.geometry(), w.rect());
    QCOMPARE(tabs.addPage(QStringLiteral("甲"))->geometry(), w.rect());
    // Inside another widget the design's size stands.
    QWidget page(&w);
    page.resize(100, 100);
    TabContainer inner(&page, QStringLiteral("SSTab2"), {0, 0, 3000, 3000});
    QCOMPARE(inner.size(), QSize(200, 200));
}

namespace {
// A white page of 200 x 200 pixels with one frame on it.
CaptionFrame* frameOnWhitePage(QWidget& page, const QString& caption) {
    page.resize(200, 200);
    page.setAutoFillBackground(true);
    page.setPalette(QPalette(Qt::white));
    return makeFrame(&page, QStringLiteral("Frame1"), caption, {0, 0, 3000, 3000});
}
}  // namespace

void TestUi::sketchOnFrameStartsBelowTheBorder() {
    QWidget page;
    CaptionFrame* frame = frameOnWhitePage(page, QStringLiteral("框"));
    new LineSketch(frame, {{1500, 0, 1500, 3000, 1, 0xFF0000}});  // from the frame's top edge
    const QImage img = page.grab().toImage();
    const int top = frame->borderRect().top();
    QVERIFY(top > 2);
    for (int y = 0; y <= top + 1; ++y)
        QVERIFY2(img.pixelColor(100, y) != QColor(Qt::red), qPrintable(QString::number(y)));
    QCOMPARE(img.pixelColor(100, 100), QColor(Qt::red));
}

void TestUi::frameCaptionSitsOnThePage() {
    QWidget page;
    CaptionFrame* frame = frameOnWhitePage(page, QStringLiteral("框框"));
    // The frame's own background colour differs from the page (a tab page is
    // painted lighter than the window colour) and is not filled.
    QPalette grey = frame->palette();
    grey.setColor(QPalette::Window, Qt::gray);
    frame->setPalette(grey);
    const QImage img = page.grab().toImage();
    // Around the caption's glyphs the page shows, not a patch of another colour.
    QCOMPARE(img.pixelColor(7, 1), QColor(Qt::white));
}

void TestUi::longTextShowsFromItsStart() {
    QWidget parent;
    QLineEdit* plain = makeBox(&parent, QStringLiteral("a"), {0, 0, 300, 300});
    FormatBox* formatting = makeFormatBox(&parent, QStringLiteral("b"), Pattern::Fixed3, {0, 0, 300, 300});
    parent.show();
    writePlain(plain, 123456.123456);
    QCOMPARE(plain->cursorPosition(), 0);
    WritePlan plan;
    plan.plain(formatting, 123456.123456);
    plan.text(plain, QStringLiteral("(+0.107/0)"));
    QVERIFY(plan.commit());
    QCOMPARE(formatting->text(), QStringLiteral("123456.123"));
    QCOMPARE(formatting->cursorPosition(), 0);
    QCOMPARE(plain->cursorPosition(), 0);
    // Typing is left alone.
    plain->clear();
    QTest::keyClicks(plain, QStringLiteral("12"));
    QCOMPARE(plain->text(), QStringLiteral("12"));
    QCOMPARE(plain->cursorPosition(), 2);
}

void TestUi::toolWindowsPressAFocusedButtonOnEnter() {
    Sample sample;
    int clicks = 0;
    QObject::connect(sample.button, &QPushButton::clicked, [&] { ++clicks; });
    sample.show();
    QVERIFY(QTest::qWaitForWindowActive(&sample));
    sample.button->setFocus();
    QTest::keyClick(sample.button, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicks, 1);
}

void TestUi::enterPressesButtons() {
    QWidget w;
    QLineEdit* box = makeBox(&w, QStringLiteral("a"), {0, 0, 900, 300});
    QPushButton* def = makeButton(&w, QStringLiteral("def"), QStringLiteral("算"), {0, 600, 900, 300});
    QPushButton* other = makeButton(&w, QStringLiteral("other"), QStringLiteral("印"), {0, 1200, 900, 300});
    int defClicks = 0, otherClicks = 0;
    QObject::connect(def, &QPushButton::clicked, [&] { ++defClicks; });
    QObject::connect(other, &QPushButton::clicked, [&] { ++otherClicks; });
    const auto enterOn = [&](QWidget* focus, Qt::Key key = Qt::Key_Return, Qt::KeyboardModifiers m = {}) {
        focus->setFocus();
        QTest::keyClick(focus, key, m);
        return std::pair(defClicks, otherClicks);
    };
    using Clicks = std::pair<int, int>;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // A window without a default button: a focused button takes Enter, as it
    // takes Space; Enter in a box presses nothing.
    enterPressesFocusedButton(&w);
    QCOMPARE(enterOn(other), Clicks(0, 1));
    QCOMPARE(enterOn(other, Qt::Key_Space), Clicks(0, 2));
    QCOMPARE(enterOn(box), Clicks(0, 2));

    // With a default button: Enter anywhere else presses it.
    setDefaultButton(&w, def, {.onlyWhileShown = true, .drawnAsDefault = false});
    QCOMPARE(enterOn(box), Clicks(1, 2));
    QCOMPARE(enterOn(box, Qt::Key_Enter, Qt::KeypadModifier), Clicks(2, 2));
    QCOMPARE(enterOn(box, Qt::Key_Return, Qt::ShiftModifier), Clicks(2, 2));  // not Enter
    QCOMPARE(enterOn(other), Clicks(2, 3));                                   // the focused button, not the default
    QCOMPARE(enterOn(def), Clicks(3, 3));
    // Only while it is shown: on a tab page behind, nothing.
    def->hide();
    QCOMPARE(enterOn(box), Clicks(3, 3));
    other->setEnabled(false);
    QCOMPARE(enterOn(box), Clicks(3, 3));
}

void TestUi::formatBoxFormatsTypingWhenTheUserIsDone_data() {
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0.000") << int(Pattern::Fixed3) << "2.5"
                           << "2.500";
    QTest::newRow("0.000 small") << int(Pattern::Fixed3) << "0.05"
                                 << "0.050";
    QTest::newRow("0") << int(Pattern::Fixed0) << "12.5"
                       << "13";
    QTest::newRow("0.0000") << int(Pattern::Fixed4) << "-1.23456"
                            << "-1.2346";
    QTest::newRow("#.000") << int(Pattern::Hash3) << "0.5"
                           << ".500";
    QTest::newRow("not a number") << int(Pattern::Fixed3) << "2.5x"
                                  << "2.5x";
}

void TestUi::formatBoxFormatsTypingWhenTheUserIsDone() {
    QFETCH(int, pattern);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    // A window with the box, a box to move to and a button whose handler
    // reads the box as a calculation does.
    QWidget w;
    FormatBox* box = makeFormatBox(&w, QStringLiteral("f"), Pattern(pattern), {0, 0, 1500, 300});
    QLineEdit* next = makeBox(&w, QStringLiteral("next"), {0, 450, 1500, 300});
    QPushButton* calc = makeButton(&w, QStringLiteral("calc"), QStringLiteral("算"), {0, 900, 900, 300});
    QString seenByCalculation;
    QObject::connect(calc, &QPushButton::clicked, [&] {
        // What the box shows as the handler starts, and what it reads.
        const QString showing = box->text();
        seenByCalculation = showing + u'|' + boxText(box);
    });
    setDefaultButton(&w, calc, {.drawnAsDefault = false});
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const auto typeAnew = [&] {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, typed);
        seenByCalculation.clear();
    };

    // While typing, the box holds what was typed; the user keeps typing.
    typeAnew();
    QCOMPARE(box->text(), typed);
    QCOMPARE(box->cursorPosition(), typed.size());

    // Leaving the box formats it.
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(box->text(), shown);
    QVERIFY(next->hasFocus());

    // A click on the calculation's button: the box shows the formatted text
    // before the handler reads it.
    typeAnew();
    QTest::mouseClick(calc, Qt::LeftButton);
    QCOMPARE(seenByCalculation, shown + u'|' + shown);

    // Enter in the box presses the default button, the box formatted first.
    typeAnew();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(seenByCalculation, shown + u'|' + shown);

    // A press through accessibility moves no focus: the box is formatted as
    // the calculation reads it, before anything is written.
    typeAnew();
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(calc);
    QVERIFY(button && button->actionInterface());
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(!seenByCalculation.isEmpty());
    QCOMPARE(seenByCalculation, typed + u'|' + shown);
    QCOMPARE(box->text(), shown);

    // A write by code formats at once, even while the box has the keyboard.
    typeAnew();
    box->setText(QStringLiteral("1"));
    QCOMPARE(box->text(), QString::fromStdString(reformat("1", Pattern(pattern))));
}

void TestUi::editableComboKeepsWhatIsTyped() {
    QWidget w;
    QComboBox* combo = makeCombo(&w, QStringLiteral("c"), {0, 0, 1500, 300}, true);
    combo->addItems({QStringLiteral("10"), QStringLiteral("110"), QStringLiteral("第一系列")});
    combo->setCurrentIndex(1);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    int activated = 0;
    QObject::connect(combo, &QComboBox::activated, [&] { ++activated; });
    // No completion from the list, and typing leaves no item picked.
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("11"));
    QCOMPARE(combo->currentText(), QStringLiteral("11"));
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->count(), 3);
    // Enter on a text equal to an item picks nothing and adds nothing.
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("10"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->currentText(), QStringLiteral("10"));
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(activated, 0);
    // Typing in the middle keeps the caret where the key went.
    combo->setCurrentIndex(2);
    combo->lineEdit()->setCursorPosition(2);
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("x"));
    QCOMPARE(combo->currentText(), QStringLiteral("第一x系列"));
    QCOMPARE(combo->lineEdit()->cursorPosition(), 3);
}

void TestUi::comboListOpensBelowTwelveRowsTall_data() {
    QTest::addColumn<bool>("editable");
    QTest::addColumn<double>("pointSize");
    QTest::newRow("list, 9 points") << false << 9.0;
    QTest::newRow("editable, 10.5 points") << true << 10.5;
}

// A long list opens below its box as twelve rows with a scroll bar, each
// row taller than its font's line; the keys pick as before.
void TestUi::comboListOpensBelowTwelveRowsTall() {
    QFETCH(bool, editable);
    QFETCH(double, pointSize);
    QWidget w;
    w.resize(300, 100);
    QComboBox* combo = makeCombo(&w, QStringLiteral("c"), {150, 150, 3000, 300}, editable);
    combo->setFont(songFont(pointSize));
    for (int i = 0; i < 40; ++i) combo->addItem(QStringLiteral("M%1×1.5-粗牙(优选)").arg(i));
    combo->setCurrentIndex(3);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    int activated = -1;
    QObject::connect(combo, &QComboBox::activated, [&](int index) { activated = index; });

    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QWidget* popup = view->window();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QVERIFY(popup->geometry().top() >= combo->mapToGlobal(combo->rect().bottomLeft()).y());
    const int row = view->visualRect(view->model()->index(0, 0)).height();
    QVERIFY2(row > QFontMetrics(combo->font()).height() + 1, qPrintable(QString::number(row)));
    QCOMPARE(view->viewport()->height() / row, 12);
    QVERIFY(view->verticalScrollBar()->isVisible());

    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!popup->isVisible());
    QCOMPARE(combo->currentIndex(), 4);
    QCOMPARE(activated, 4);
}

void TestUi::listShowsNothingPickedUntilPicked() {
    QWidget w;
    QListWidget* list = makeList(&w, QStringLiteral("l"), {0, 0, 1500, 1500});
    list->addItems({QStringLiteral("一"), QStringLiteral("二")});
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    list->setFocus(Qt::TabFocusReason);
    QVERIFY(list->hasFocus());
    QVERIFY(!list->currentIndex().isValid());
    QVERIFY(list->selectedItems().isEmpty());
    // The keyboard still picks from the first item on.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(list->item(0)->isSelected());
}

void TestUi::listPickRunsOncePerPick() {
    QWidget w;
    QListWidget* list = makeList(&w, QStringLiteral("l"), {0, 0, 1500, 1500});
    list->addItems({QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")});
    QList<int> runs;  // the selected row at each run
    onListPick(list,
               [&] { runs << (list->selectedItems().isEmpty() ? -1 : list->row(list->selectedItems().first())); });
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const auto clickRow = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
    clickRow(1);  // the press picks, the release is the same pick
    QCOMPARE(runs, QList<int>({1}));
    clickRow(1);  // a click on the picked row runs again, once
    QCOMPARE(runs, QList<int>({1, 1}));
    QTest::keyClick(list, Qt::Key_Down);  // the keyboard picks too
    QCOMPARE(runs, QList<int>({1, 1, 2}));
    clickRow(0);
    QCOMPARE(runs, QList<int>({1, 1, 2, 0}));
}

void TestUi::writePlanTellsWhatABoxWillShow() {
    QWidget w;
    FormatBox* f = makeFormatBox(&w, QStringLiteral("f"), Pattern::Fixed3, {0, 0, 1500, 300});
    QLineEdit* plain = makeBox(&w, QStringLiteral("p"), {0, 450, 1500, 300});
    FormatBox* typed = makeFormatBox(&w, QStringLiteral("t"), Pattern::Fixed3, {0, 900, 1500, 300});
    plain->setText(QStringLiteral("7"));
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    typed->setFocus();
    QTest::keyClicks(typed, QStringLiteral("2.5"));

    WritePlan plan;
    plan.plain(f, 10 - 0.64952 * 1.5);  // staged, in the box's pattern
    QCOMPARE(plan.shownText(f), QStringLiteral("9.026"));
    QCOMPARE(plan.shown(f), 9.026);
    plan.plainSingle(f, 1.0f / 3);  // the last staging counts, single precision included
    QCOMPARE(plan.shown(f), 0.333);
    QCOMPARE(plan.shown(plain), 7.0);  // nothing staged: what it holds
    QCOMPARE(plan.shown(typed), 2.5);  // what the user typed, formatted first
    QCOMPARE(typed->text(), QStringLiteral("2.500"));
    plan.text(plain, QStringLiteral("(+0.1/0)"));
    QCOMPARE(plan.shownText(plain), QStringLiteral("(+0.1/0)"));
    QCOMPARE(plan.shown(plain), std::nullopt);
    plan.plain(plain, std::numeric_limits<double>::infinity());
    QCOMPARE(plan.shownText(plain), std::nullopt);
    QVERIFY(!plan.commit());
    QCOMPARE(f->text(), QString());  // nothing was written

    // A later step computes from what a staged box shows, or copies it.
    WritePlan later;
    later.plain(f, 2.0625);
    QCOMPARE(later.written(f), 2.063);
    later.copy(plain, f);
    QCOMPARE(later.shownText(plain), QStringLiteral("2.063"));
    QVERIFY(later.ok());
    later.plain(f, std::nan(""));
    QCOMPARE(later.written(f), 0.0);  // stands in; the plan writes nothing
    QVERIFY(!later.commit());
    QCOMPARE(plain->text(), QStringLiteral("7"));
}

void TestUi::writePlanWritesAllOrNothing() {
    QWidget parent;
    FormatBox a(Pattern::Fixed3, &parent);
    QLineEdit b(&parent), c(&parent);
    a.setText(QStringLiteral("keep a"));
    b.setText(QStringLiteral("keep b"));
    c.setText(QStringLiteral("keep c"));

    // One bad value anywhere in the plan: nothing is written, earlier boxes included.
    WritePlan bad;
    bad.plain(&a, 1.23456);
    bad.text(&b, QStringLiteral("x"));
    bad.sign(&c, std::numeric_limits<double>::infinity());
    QVERIFY(!bad.ok());
    QVERIFY(!bad.commit());
    QCOMPARE(a.text(), QStringLiteral("keep a"));
    QCOMPARE(b.text(), QStringLiteral("keep b"));
    QCOMPARE(c.text(), QStringLiteral("keep c"));

    // A good plan writes in order; a missing value shows "--", in a
    // self-formatting box too, and reads back as no number.
    WritePlan good;
    good.plain(&a, 2.0625);
    good.sign(&b, 0.5);
    good.plain(&c, std::optional<double>());
    QVERIFY(good.commit());
    QCOMPARE(a.text(), QStringLiteral("2.063"));
    QCOMPARE(b.text(), QStringLiteral(" .5"));
    QCOMPARE(c.text(), QStringLiteral("--"));
    WritePlan none;
    none.signSingle(&a, std::optional<float>());
    QCOMPARE(none.shownText(&a), QStringLiteral("--"));
    QCOMPARE(none.shown(&a), std::nullopt);
    QVERIFY(none.commit());
    QCOMPARE(a.text(), QStringLiteral("--"));

    // What a box will show is known before it is written.
    WritePlan next;
    next.plain(&a, 2.0625);
    next.plain(&b, 2.0625);
    QCOMPARE(next.shown(&a), std::optional<double>(2.063));
    QCOMPARE(next.shown(&b), std::optional<double>(2.0625));
    next.plain(&b, std::nan(""));
    QVERIFY(!next.shown(&b));
}

void TestUi::probeTypesClicksPicksAndCompares() {
    Sample s;
    auto* list = makeList(&s, QStringLiteral("List1"), {1200, 100, 1500, 1200});
    list->addItems({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    auto* button = makeButton(&s, QStringLiteral("Command1"), QStringLiteral("计算"), {100, 600, 900, 375});
    QObject::connect(button, &QPushButton::clicked, &s, [&s] { s.box->setText(s.box->text() + u'!'); });
    QObject::connect(list, &QListWidget::itemClicked, &s, [&s](QListWidgetItem* i) { s.box->setText(i->text()); });
    s.show();

    quorvil::test::WindowProbe p(&s);
    p.type({QStringLiteral("box=20")});
    p.click(QStringLiteral("Command1"));
    QVERIFY2(p.matches({QStringLiteral("box=20!")}), p.why());
    p.pick(QStringLiteral("List1"), 2);
    QCOMPARE(list->currentRow(), 2);
    QVERIFY(!p.matches({QStringLiteral("box=甲")}));
    QVERIFY(QString::fromUtf8(p.why()).contains(QStringLiteral("got \"丙\"")));

    // Scripts and snapshots: what a user reads after each step.
    const QMap<QString, QString> before = p.snapshot();
    p.run({QStringLiteral("box=7"), QStringLiteral("click:Command1"), QStringLiteral("pick:List1=0")});
    QCOMPARE(p.text(QStringLiteral("box")), QStringLiteral("甲"));
    p.run({QStringLiteral("keys:box=12"), QStringLiteral("click:Command1")});
    const QMap<QString, QString> after = p.snapshot();
    QCOMPARE(after.value(QStringLiteral("box")), QStringLiteral("12!"));
    QCOMPARE(quorvil::test::snapshotDifferences(after, before),
             QStringLiteral("box shows \"12!\", in a fresh window \"丙\""));
    QVERIFY(quorvil::test::snapshotDifferences(after, before, {QStringLiteral("box")}).isEmpty());
}

QUORVIL_UI_TEST_MAIN(TestUi)
#include "tst_ui.moc"
