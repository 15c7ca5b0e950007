#include "shell/toolslot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QStyle>
#include <QTemporaryDir>

#ifdef QUORVIL_SLOT_RESOURCES
static void initSlotResources() { Q_INIT_RESOURCE(slots); }
#else
static void initSlotResources() {}
#endif

namespace quorvil {

namespace {

// One private folder (mode 0700) per run for the extracted programs; removed
// when the program ends. A started program keeps running from its open file.
QTemporaryDir& extractionDir() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quorvil-tools-XXXXXX"));
    return dir;
}

QString findResource(const QString& name) {
    static const bool once = (initSlotResources(), true);
    (void)once;
    const QDir dir(QStringLiteral(":/slots/") + name);
    const QStringList files = dir.entryList(QDir::Files);
    return files.isEmpty() ? QString() : dir.filePath(files.first());
}

}  // namespace

ToolSlot::ToolSlot(QWidget* parent, const QString& name) : QFrame(parent), resource_(findResource(name)) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    if (isFilled()) setToolTip(programName());
}

QString ToolSlot::programName() const { return isFilled() ? QFileInfo(resource_).fileName() : QString(); }

bool ToolSlot::start() {
    if (!isFilled() || !extractionDir().isValid()) return false;
    const QString target = extractionDir().filePath(objectName() + QLatin1Char('/') + programName());
    if (!QFileInfo::exists(target)) {
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(resource_, target)) return false;
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return QProcess::startDetached(target, {}, QFileInfo(target).path());
}

void ToolSlot::mouseDoubleClickEvent(QMouseEvent*) { start(); }

void ToolSlot::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!isFilled()) return;
    // The packaged program: an icon with its file name under it.
    QPainter painter(this);
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    const int side = 32;
    const QRect inner = contentsRect();
    const QRect iconRect(inner.center().x() - side / 2, inner.top() + 4, side, side);
    icon.paint(&painter, iconRect);
    const QRect textRect(inner.left() + 2, iconRect.bottom() + 2, inner.width() - 4,
                         inner.bottom() - iconRect.bottom() - 2);
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere,
                     fontMetrics().elidedText(programName(), Qt::ElideMiddle, textRect.width() * 2));
}

}  // namespace quorvil
