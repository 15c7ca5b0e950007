#include "shell/Form1.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QResource>

#include <array>

#include "buildsettings.h"
#include "common/numtext.h"
#include "common/ui/boxio.h"
#include "common/ui/controls.h"
#include "common/ui/defaultbutton.h"
#include "common/ui/fonts.h"
#include "common/ui/refusal.h"
#include "common/ui/tabcontainer.h"
#include "common/ui/toolwindow.h"
#include "common/ui/weburl.h"
#include "common/units.h"
#include "shell/launch.h"
#include "shell/windows.h"

using namespace quorvil;

namespace {

struct LaunchButton {
    QString caption;
    Tw geo;
};

// Launch buttons by element index; element i opens the window of launch
// index i in the window table.
const std::array<LaunchButton, kWindowCount>& launchButtons() {
    static const std::array<LaunchButton, kWindowCount> buttons = {{
        {QStringLiteral("米制梯形螺纹"), {360, 1035, 1860, 375}},
        {QStringLiteral("复杂件产品重量1"), {4545, 3050, 1860, 375}},
        {QStringLiteral("螺纹、标准代号查询"), {2430, 3050, 1860, 375}},
        {QStringLiteral("钻孔、攻丝工时计算"), {2430, 2548, 1860, 375}},
        {QStringLiteral("公英制、角度转换"), {360, 2046, 1860, 375}},
        {QStringLiteral("美制、英制管螺纹"), {360, 1544, 1860, 375}},
        {QStringLiteral("通用三针及M值计算"), {4560, 2040, 1860, 375}},
        {QStringLiteral("硬度换算表"), {2430, 3540, 1860, 375}},
        {QStringLiteral("网上搜集的软件"), {360, 2548, 1860, 375}},
        {QStringLiteral("蜗杆参数计算"), {2430, 2046, 1860, 375}},
        {QStringLiteral("STUB ACME螺纹参数"), {2430, 1544, 1860, 375}},
        {QStringLiteral("螺栓设计及计算"), {4560, 2550, 1860, 375}},
        {QStringLiteral("压缩弹簧设计计算"), {360, 3050, 1860, 375}},
        {QStringLiteral("米制普通螺纹"), {4545, 540, 1860, 375}},
        {QStringLiteral("API 6A 19版技术资料"), {360, 3540, 1860, 375}},
        {QStringLiteral("复杂件产品重量2"), {4560, 3540, 1860, 375}},
        {QStringLiteral("非标STUB ACME参数"), {4545, 1544, 1860, 375}},
        {QStringLiteral("非标螺纹参数"), {2430, 1035, 1860, 375}},
        {QStringLiteral("美制统一螺纹"), {360, 540, 1860, 375}},
        {QStringLiteral("ACME螺纹"), {2430, 540, 1860, 375}},
        {QStringLiteral("英制螺纹"), {4545, 1042, 1860, 375}},
    }};
    return buttons;
}

const QString kAdvertisement = QStringLiteral(
    "       本软件是机械加工企业必不可少的实用工具,属国内首创.自去年推广以来已有几万人下载使用,反映良好."
    "如某企业有意买断该软件的使用权,在此处即为该企业做产品宣传.所有人员免费下载使用后都可见到该广告.");

// A picture stored as raw pixels of `size` (tools/draw_assets.cpp), used in
// place without an image reader: a reader loads and probes every image format
// plugin first. Null when the stored pixels do not have that size.
QImage rawPicture(const QString& resource, QSize size, QImage::Format format) {
    const QResource raw(resource);
    const qsizetype rowBytes = qsizetype(size.width()) * QImage::toPixelFormat(format).bitsPerPixel() / 8;
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression ||
        raw.size() != rowBytes * size.height())
        return {};
    return QImage(raw.data(), size.width(), size.height(), rowBytes, format);
}

}  // namespace

QUrl Form1::webSiteAddress() { return QUrl(QStringLiteral("https://quorvil.example.com/")); }
QUrl Form1::mailAddress() { return QUrl(QStringLiteral("mailto:author@quorvil.example.com")); }

Form1::Form1() {
    setObjectName(QStringLiteral("Form1"));
    applyWindowRules(this, QString::fromUtf8(build::kMainCaption), 6780, 5550);
    enterPressesFocusedButton(this);
    setWindowIcon(QIcon(QPixmap::fromImage(
        rawPicture(QStringLiteral(":/assets/quorvil-icon.rgba"), {32, 32}, QImage::Format_RGBA8888))));
    setFont(songFont(10.5));

    SSTab1 = new TabContainer(this, QStringLiteral("SSTab1"), {0, 0, 6795, 5580});
    buildAdvertisingPage(SSTab1->addPage(QStringLiteral("广告招商位")));
    buildToolsPage(SSTab1->addPage(QStringLiteral("进入相关软件")));
    SSTab1->setCurrentIndex(0);
}

void Form1::buildAdvertisingPage(QWidget* page) {
    auto* image = makeLabel(page, QStringLiteral("Image1"), QString(), {495, 585, 5625, 3645});
    // At the usual one device pixel per pixel the photograph comes ready scaled
    // to its frame: nothing to decode or scale at start. Other ratios scale the
    // full photograph, as the frame always did.
    const QString raw = QStringLiteral(":/assets/lotus-shown.rgb");
    const QImage shown =
        image->devicePixelRatioF() == 1.0 ? rawPicture(raw, image->size(), QImage::Format_RGB888) : QImage();
    image->setPixmap(shown.isNull() ? QPixmap(QStringLiteral(":/assets/lotus.jpg")) : QPixmap::fromImage(shown));
    image->setScaledContents(true);

    auto* ad = makeNote(page, kAdvertisement, {1260, 945, 4050, 2940}, arrayName(QStringLiteral("Label1"), 0));
    ad->setFont(songFont(15));
    ad->setFrameShape(QFrame::Box);
    ad->setStyleSheet(QStringLiteral("QLabel { color: #ff0000; background: transparent; border: 1px solid black; }"));

    auto* frame = makeFrame(page, QStringLiteral("Frame1"), QStringLiteral("公英制尺寸转换"), {585, 4455, 5400, 795});
    const QFont kai = kaiFont(10.5);
    makeLabel(frame, arrayName(QStringLiteral("lblLabels"), 2), QStringLiteral("输入英制尺寸"), {135, 360, 1305, 255})
        ->setFont(kai);
    txtT1 = makeBox(frame, QStringLiteral("txtT1"), {1440, 315, 1095, 315});
    txtT1->setFont(songFont(10.5, true));
    makeLabel(frame, arrayName(QStringLiteral("lblLabels"), 3), QStringLiteral("英寸"), {2655, 360, 495, 225})
        ->setFont(kai);
    makeLabel(frame, arrayName(QStringLiteral("lblLabels"), 4), QStringLiteral("="), {3150, 360, 270, 255});
    txtT2 = makeBox(frame, QStringLiteral("txtT2"), {3330, 315, 1605, 315}, false);
    txtT2->setFont(songFont(10.5, true));
    makeLabel(frame, arrayName(QStringLiteral("lblLabels"), 6), QStringLiteral("MM"), {4965, 360, 375, 255})
        ->setFont(kai);

    connect(txtT1, &QLineEdit::textChanged, this, [this] { txtt1_Change(); });
}

void Form1::buildToolsPage(QWidget* page) {
    const QFont buttonFont = songFont(9);
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xFF));  // &H00FFC0C0&, stored as BGR
    for (int i = 0; i < static_cast<int>(launchButtons().size()); ++i) {
        const LaunchButton& b = launchButtons()[static_cast<std::size_t>(i)];
        auto* button = makeButton(page, arrayName(QStringLiteral("Command1"), i), b.caption, b.geo);
        button->setFont(buttonFont);
        button->setPalette(palette);
        connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    Command21 =
        makeButton(page, QStringLiteral("Command21"), QStringLiteral("给  作  者  写  信"), {390, 4260, 2100, 360});
    Command21->setFont(buttonFont);
    connect(Command21, &QPushButton::clicked, this, [this] { Command21_Click(); });
    Command11 = makeButton(page, QStringLiteral("Command11"), QStringLiteral("进入我的网站下载最新版"),
                           {3510, 4260, 2895, 375});
    Command11->setFont(buttonFont);
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    makeLabel(page, QStringLiteral("Label2"), QStringLiteral("联系作者：author@quorvil.example.com"),
              {240, 4980, 6315, 315});
}

void Form1::Command1_Click(int index) { launchToolWindow(index); }

void Form1::Command11_Click() {
    if (!openWebAddress(webSiteAddress())) refuse(Command11, notes::noBrowser());
}

void Form1::Command21_Click() {
    if (!openWebAddress(mailAddress())) refuse(Command21, notes::noMail());
}

void Form1::txtt1_Change() {
    // The converter works in single precision: the inch value and the product
    // are each reduced to the nearest single. Text that holds no number reads
    // as 0; a number beyond the single range, or one whose product is, and a
    // decimal comma (never taken for the end of a number) have no value.
    const std::string text = boxText(txtT1).toStdString();
    std::optional<float> mm;
    switch (leadingFault(text)) {
    case ReadFault::None:
        if (const std::optional<float> inches = toSingle(*readLeadingNumber(text)))
            mm = toSingle(static_cast<double>(*inches) * kMillimetresPerInch);
        break;
    case ReadFault::Empty:
    case ReadFault::NotANumber: mm = 0.0f; break;
    case ReadFault::DecimalComma:
    case ReadFault::TooLarge: break;
    }
    writeSignedSingle(txtT2, mm);
}
