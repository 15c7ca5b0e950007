#include "layoutcheck.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <optional>

#include "common/ui/captionframe.h"
#include "common/ui/linesketch.h"
#include "common/ui/refusal.h"
#include "common/ui/twips.h"

namespace quorvil::test {

namespace {

enum class Role { None, Box, Combo, Label, Picture, Button, Option, List, TextArea, Frame, TabBar, Panel };

// Parts of a composite control (a combo's text field, a list's viewport and
// scroll bars, a tab bar's arrows) are checked with the control.
bool partOfComposite(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractScrollArea*>(p) ||
            qobject_cast<const QTabBar*>(p))
            return true;
    return false;
}

Role roleOf(const QWidget* w) {
    if (qobject_cast<const LineSketch*>(w) || partOfComposite(w)) return Role::None;
    if (qobject_cast<const QLineEdit*>(w)) return Role::Box;
    if (qobject_cast<const QComboBox*>(w)) return Role::Combo;
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        if (!l->pixmap().isNull()) return Role::Picture;
        return l->text().isEmpty() ? Role::None : Role::Label;
    }
    if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w)) return Role::Option;
    if (qobject_cast<const QAbstractButton*>(w)) return Role::Button;
    if (qobject_cast<const QAbstractItemView*>(w)) return Role::List;
    if (qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w)) return Role::TextArea;
    if (qobject_cast<const QGroupBox*>(w)) return Role::Frame;
    if (qobject_cast<const QTabBar*>(w)) return Role::TabBar;
    if (const auto* f = qobject_cast<const QFrame*>(w); f && f->frameShape() != QFrame::NoFrame) return Role::Panel;
    return Role::None;
}

QString quoted(const QString& text) {
    QString t = text;
    t.replace(u'\n', QStringLiteral("\\n"));
    return u'"' + t + u'"';
}

// Where the glyphs of a text land when it is drawn into `area` with
// `flags`: the text is drawn, not estimated, since a font's own bounding
// boxes are a pixel larger than what it draws. In the area's coordinates;
// null for a text with no ink.
QRect inkOf(const QFont& font, const QString& text, QRect area, int flags) {
    static QHash<QString, QRect> cache;
    const QString key = font.key() + u'|' + text + u'|' + QString::number(area.width()) + u'x' +
                        QString::number(area.height()) + u'|' + QString::number(flags);
    if (auto it = cache.constFind(key); it != cache.constEnd()) return it->translated(area.topLeft());
    // Room around the area for glyphs that reach out of it.
    const int pad = 2 * QFontMetrics(font).height() + QFontMetrics(font).horizontalAdvance(text);
    QImage image(area.width() + 2 * pad, area.height() + 2 * pad, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(pad, pad, area.width(), area.height()), flags | Qt::TextDontClip, text);
    }
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] != 0xFFFFFFFF) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    }
    const QRect ink = right < 0 ? QRect() : QRect(QPoint(left - pad, top - pad), QPoint(right - pad, bottom - pad));
    cache.insert(key, ink);
    return ink.translated(area.topLeft());
}

int advance(const QFont& font, const QString& text) { return qRound(QFontMetricsF(font).horizontalAdvance(text)); }

bool isAncestor(const QWidget* a, const QWidget* b) {
    for (const QWidget* p = b->parentWidget(); p; p = p->parentWidget())
        if (p == a) return true;
    return false;
}

// The rectangle of `r` (in `w`'s coordinates) in the window's coordinates.
QRect toWindow(const QWidget* w, const QWidget* window, QRect r) {
    return r.translated(w->mapTo(window, QPoint(0, 0)));
}

// --- Texts ----------------------------------------------------------------

// The text area of a line edit, as the line edit lays out its text.
QRect lineEditTextArea(const QLineEdit* e) {
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->rect();
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    r = r.marginsRemoved(e->textMargins());
    constexpr int kHorizontalMargin = 2;  // a line edit's own margin on each side
    return r.adjusted(kHorizontalMargin, 0, -kHorizontalMargin, 0);
}

// Pixels a line edit's text lacks to be shown whole without scrolling: the
// line edit shows a text unscrolled only when the text's advance and the
// cursor fit its text area (it places the text by its advance alone, not
// by the font's bearings); and the glyphs must fit its height.
struct Shortfall {
    int width = 0, height = 0;
    bool any() const { return width > 0 || height > 0; }
};

// Where a line edit draws the glyphs of its text, in its coordinates: a
// plain line edit like it (our text box draws its frame over the text, which
// would hide a glyph under the frame), off screen, drawn with and without
// the text.
QRect drawnInk(const QLineEdit* e) {
    static QHash<QString, QRect> cache;
    const QMargins m = e->textMargins();
    const QString key = QString::fromLatin1(e->metaObject()->className()) + u'|' + e->font().key() + u'|' +
                        QString::number(e->width()) + u'x' + QString::number(e->height()) + u'|' +
                        QString::number(int(e->alignment())) + u'|' + QString::number(m.left()) + u',' +
                        QString::number(m.right()) + u'|' + QString::number(e->hasFrame()) + u'|' +
                        QString::number(e->cursorPosition()) + u'|' + e->text();
    if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    static QLineEdit* scratch = new QLineEdit;
    scratch->setFont(e->font());
    scratch->setFrame(e->hasFrame());
    scratch->setAlignment(e->alignment());
    scratch->resize(e->size());
    const auto draw = [&](const QString& text) {
        scratch->setText(text);
        scratch->setTextMargins(m);
        scratch->setCursorPosition(std::min<int>(e->cursorPosition(), int(text.size())));
        return scratch->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage empty = draw(QString()), full = draw(e->text());
    int left = full.width(), right = -1, top = full.height(), bottom = -1;
    for (int y = 0; y < full.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(full.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(empty.constScanLine(y));
        for (int x = 0; x < full.width(); ++x)
            if (a[x] != b[x]) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    }
    const QRect ink = right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    cache.insert(key, ink);
    return ink;
}

Shortfall lineEditShortfall(const QLineEdit* e) {
    const QString text = e->text();
    if (text.isEmpty()) return {};
    const QRect area = lineEditTextArea(e);
    Shortfall s;
    s.width = advance(e->font(), text) + 1 - area.width();
    // The glyphs stay off the frame, where the line edit draws them: the
    // design's boxes let a text come within a pixel of the border.
    const QRect ink = drawnInk(e);
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->rect();
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    const QRect inside = e->hasFrame() ? e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e) : e->rect();
    if (!ink.isNull()) {
        s.height = std::max(inside.top() - ink.top(), ink.bottom() - inside.bottom());
        if (s.width <= 0) s.width = std::max(inside.left() - ink.left(), ink.right() - inside.right());
    }
    return s;
}

// Where a label's text lands, and the area the label draws it in (beyond
// which it is cut), in the label's coordinates.
struct LabelText {
    QRect area, ink;
};

LabelText labelText(const QLabel* l) {
    QRect cr = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    int indent = l->indent();
    if (indent < 0 && l->frameWidth() > 0) indent = QFontMetrics(l->font()).horizontalAdvance(u'x') / 2;
    const Qt::Alignment align = QStyle::visualAlignment(l->layoutDirection(), l->alignment());
    if (indent > 0) {
        if (align & Qt::AlignLeft) cr.setLeft(cr.left() + indent);
        if (align & Qt::AlignRight) cr.setRight(cr.right() - indent);
        if (align & Qt::AlignTop) cr.setTop(cr.top() + indent);
        if (align & Qt::AlignBottom) cr.setBottom(cr.bottom() - indent);
    }
    const int flags = int(align) | (l->wordWrap() ? int(Qt::TextWordWrap) : 0);
    return {cr, inkOf(l->font(), l->text(), cr, flags)};
}

QRect labelInk(const QLabel* l) {
    const LabelText t = labelText(l);
    return t.ink.intersected(t.area);
}

Shortfall labelShortfall(const QLabel* l) {
    const LabelText t = labelText(l);
    if (t.ink.isNull()) return {};
    const QRect r = t.area;
    return {std::max(r.left() - t.ink.left(), t.ink.right() - r.right()),
            std::max(r.top() - t.ink.top(), t.ink.bottom() - r.bottom())};
}

// The part of an option the user sees: its circle or box and its caption.
QRect optionShown(const QAbstractButton* b) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    const bool radio = qobject_cast<const QRadioButton*>(b);
    const QRect indicator =
        b->style()->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &opt, b);
    const QRect contents =
        b->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &opt, b);
    if (b->text().isEmpty()) return indicator;
    const QRect caption(contents.left(), contents.top(), advance(b->font(), b->text()) + 1, contents.height());
    return indicator.united(caption).intersected(b->rect());
}

int optionShortfall(const QAbstractButton* b) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    const bool radio = qobject_cast<const QRadioButton*>(b);
    const QRect contents =
        b->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &opt, b);
    return advance(b->font(), b->text()) - (b->rect().right() - contents.left() + 1);
}

int buttonShortfall(const QPushButton* b) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    if (b->isDefault()) opt.features |= QStyleOptionButton::DefaultButton;
    const QRect contents = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
    return advance(b->font(), b->text()) - contents.width();
}

int comboShortfall(const QComboBox* c) {
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    opt.editable = false;
    opt.currentText = c->currentText();
    const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
    return advance(c->font(), c->currentText()) - (field.width() - 2);
}

}  // namespace

QString LayoutCheck::nameOf(const QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName();
    if (const auto* l = qobject_cast<const QLabel*>(w)) return quoted(l->text());
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return quoted(b->text());
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) return quoted(g->title());
    return QStringLiteral("(unnamed %1)").arg(QString::fromLatin1(w->metaObject()->className()));
}

LayoutCheck::LayoutCheck(QWidget* window, QList<LayoutAllowance> allowances)
    : window_(window), allowances_(std::move(allowances)) {}

bool LayoutCheck::allowed(LayoutAllowance::Kind kind, const QString& control, const QString& other) const {
    return std::any_of(allowances_.begin(), allowances_.end(), [&](const LayoutAllowance& a) {
        return a.kind == kind && a.control == control && (a.other.isEmpty() || a.other == other);
    });
}

QStringList LayoutCheck::run() {
    QStringList faults;
    checkTexts(faults);
    checkPlaces(faults);
    return faults;
}

void LayoutCheck::checkTexts(QStringList& faults) const {
    const auto report = [&](const QWidget* w, const QString& kind, const QString& text, Shortfall s) {
        if (!s.any()) return;
        QStringList parts;
        if (s.width > 0) parts << QStringLiteral("%1 px too narrow").arg(s.width);
        if (s.height > 0) parts << QStringLiteral("%1 px too low").arg(s.height);
        faults << QStringLiteral("%1 %2 cannot show %3 whole: %4").arg(kind, nameOf(w), quoted(text), parts.join(", "));
    };
    for (QWidget* w : window_->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        const QString name = nameOf(w);
        switch (roleOf(w)) {
        case Role::Box: {
            auto* e = static_cast<QLineEdit*>(w);
            if (!allowed(LayoutAllowance::TextPastBox, name))
                report(w, QStringLiteral("box"), e->text(), lineEditShortfall(e));
            break;
        }
        case Role::Combo: {
            auto* c = static_cast<QComboBox*>(w);
            if (allowed(LayoutAllowance::TextPastBox, name)) break;
            if (c->isEditable() && c->lineEdit())
                report(w, QStringLiteral("combo box"), c->currentText(), lineEditShortfall(c->lineEdit()));
            else
                report(w, QStringLiteral("combo box"), c->currentText(), {comboShortfall(c), 0});
            break;
        }
        case Role::Label: {
            auto* l = static_cast<QLabel*>(w);
            if (!allowed(LayoutAllowance::TextPastBox, name))
                report(w, QStringLiteral("label"), l->text(), labelShortfall(l));
            break;
        }
        case Role::Option: {
            auto* b = static_cast<QAbstractButton*>(w);
            report(w, QStringLiteral("option"), b->text(), {optionShortfall(b), 0});
            break;
        }
        case Role::Button: {
            if (auto* b = qobject_cast<QPushButton*>(w))
                report(w, QStringLiteral("button"), b->text(), {buttonShortfall(b), 0});
            break;
        }
        case Role::List: {
            auto* list = qobject_cast<QListWidget*>(w);
            if (!list) break;
            const int room = list->gridSize().isValid() ? list->gridSize().width() : list->viewport()->width();
            // An item's text keeps a small margin on each side.
            const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
            for (int i = 0; i < list->count(); ++i) {
                const QString text = list->item(i)->text();
                const QFont font = list->item(i)->font();
                report(w, QStringLiteral("list"), text, {advance(font, text) + margins - room, 0});
            }
            break;
        }
        case Role::TextArea: {
            // A text the window shows is read whole, without scrolling.
            auto* area = static_cast<QAbstractScrollArea*>(w);
            QString text;
            if (auto* p = qobject_cast<QPlainTextEdit*>(w)) text = p->toPlainText();
            if (auto* t = qobject_cast<QTextEdit*>(w)) text = t->toPlainText();
            const int more = area->verticalScrollBar()->maximum() + area->horizontalScrollBar()->maximum();
            if (more > 0 && !allowed(LayoutAllowance::TextPastBox, name))
                faults << QStringLiteral("text %1 cannot show %2 whole: it scrolls").arg(name, quoted(text));
            break;
        }
        case Role::TabBar: {
            auto* bar = static_cast<QTabBar*>(w);
            const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
            for (int i = 0; i < bar->count(); ++i)
                report(w, QStringLiteral("tab"), bar->tabText(i),
                       {advance(bar->font(), bar->tabText(i)) + space - bar->tabRect(i).width(), 0});
            break;
        }
        default: break;
        }
    }
}

void LayoutCheck::checkPlaces(QStringList& faults) {
    struct Control {
        QWidget* w;
        Role role;
        QString name;
        QRect shown;  // window coordinates: the part the user sees
    };
    QList<Control> controls;
    QHash<const QWidget*, QString> now;
    for (QWidget* w : window_->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        // The note of a refused press stands over the window until the next
        // key or click, as a tool tip would; it only has to stay inside it.
        if (w == shownRefusal(window_)) {
            if (!window_->rect().contains(w->geometry()))
                faults << QStringLiteral("the note %1 leaves the window").arg(quoted(static_cast<QLabel*>(w)->text()));
            continue;
        }
        const Role role = roleOf(w);
        if (role == Role::None) continue;
        QRect shown = w->rect();
        QString text;
        if (role == Role::Label) {
            auto* l = static_cast<QLabel*>(w);
            shown = labelInk(l);
            text = l->text();
        } else if (role == Role::Option) {
            shown = optionShown(static_cast<QAbstractButton*>(w));
            text = static_cast<QAbstractButton*>(w)->text();
        } else if (role == Role::TabBar) {
            auto* bar = static_cast<QTabBar*>(w);
            shown = QRect();
            for (int i = 0; i < bar->count(); ++i) shown = shown.united(bar->tabRect(i));
        }
        if (shown.isEmpty()) continue;
        now.insert(w, text + QString::number(w->x()) + u',' + QString::number(w->y()));
        controls.append({w, role, nameOf(w), toWindow(w, window_, shown)});
    }
    // Nothing moved and no label changed its text since the last look.
    if (now == placed_) return;
    placed_ = now;

    const auto mayOverlap = [&](const Control& a, const Control& b) {
        return allowed(LayoutAllowance::Overlap, a.name, b.name) || allowed(LayoutAllowance::Overlap, b.name, a.name);
    };

    // Controls on each other.
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const Control& a = controls[i];
        if (a.role == Role::Frame) continue;
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const Control& b = controls[j];
            if (b.role == Role::Frame || isAncestor(a.w, b.w) || isAncestor(b.w, a.w)) continue;
            // A label's text keeps at least a pixel from whatever stands
            // next to it; two controls may abut.
            const int gap = (a.role == Role::Label || b.role == Role::Label) ? 1 : 0;
            const QRect both = a.shown.adjusted(-gap, -gap, gap, gap).intersected(b.shown);
            if (both.isEmpty() || mayOverlap(a, b)) continue;
            faults << QStringLiteral("%1 and %2 lie on each other (%3×%4 px at %5,%6)")
                          .arg(a.name, b.name)
                          .arg(both.width())
                          .arg(both.height())
                          .arg(both.x())
                          .arg(both.y());
        }
    }

    // Frames: what stands in a frame stays inside its border, below its
    // caption; nothing else crosses either.
    for (const Control& f : controls) {
        auto* frame = qobject_cast<CaptionFrame*>(f.w);
        if (!frame) continue;
        const QRect border = toWindow(frame, window_, frame->borderRect());
        // Nothing touches the border from inside; a text keeps clear of it
        // by two pixels, since the border's inner line is light and hardly
        // shows.
        const QRect inner = toWindow(frame, window_, frame->innerRect().adjusted(1, 1, -1, -1));
        const QRect innerForText = inner.adjusted(1, 1, -1, -1);
        QRect caption;
        if (!frame->title().isEmpty())
            caption = toWindow(frame, window_,
                               QRect(6, 0, QFontMetrics(frame->captionFont()).horizontalAdvance(frame->title()) + 4,
                                     QFontMetrics(frame->captionFont()).height()));
        // The border shows after the caption as it does before it.
        if (!caption.isEmpty() && caption.right() + 4 > border.right())
            faults << QStringLiteral("the caption of frame %1 leaves %2 px of its top border after it (4 wanted)")
                          .arg(f.name)
                          .arg(std::max(0, border.right() - caption.right()));
        for (const Control& c : controls) {
            if (c.w == frame || isAncestor(c.w, frame) || mayOverlap(c, f)) continue;
            const bool inside = isAncestor(frame, c.w);
            QString what;
            const QRect room = c.role == Role::Label ? innerForText : inner;
            if (inside && !room.contains(c.shown))
                what = QStringLiteral("reaches %1 px past the inside of its frame %2")
                           .arg(std::max({room.left() - c.shown.left(), c.shown.right() - room.right(),
                                          room.top() - c.shown.top(), c.shown.bottom() - room.bottom()}))
                           .arg(f.name);
            else if (!inside && c.shown.intersects(border) && !inner.contains(c.shown))
                what = QStringLiteral("crosses the border of frame %1").arg(f.name);
            else if (c.shown.adjusted(-1, -1, 1, 1).intersects(caption))
                what = QStringLiteral("lies on the caption of frame %1").arg(f.name);
            if (!what.isEmpty()) faults << QStringLiteral("%1 %2").arg(c.name, what);
        }
    }

    // Controls on plain widgets (the window, a tab page) stay inside them.
    for (const Control& c : controls) {
        QWidget* parent = c.w->parentWidget();
        if (!parent || qobject_cast<QGroupBox*>(parent)) continue;
        const QRect room = toWindow(parent, window_, parent->rect());
        if (!room.contains(c.shown))
            faults << QStringLiteral("%1 reaches past the edge of %2").arg(c.name, nameOf(parent));
    }

    // Sketch lines across label texts.
    for (LineSketch* sketch : window_->findChildren<LineSketch*>()) {
        if (!sketch->isVisible()) continue;
        const QRectF clip = sketch->clipRect();
        for (const Control& c : controls) {
            if (c.role != Role::Label || !isAncestor(sketch->parentWidget(), c.w)) continue;
            const QRectF text = QRectF(c.shown.translated(-sketch->mapTo(window_, QPoint(0, 0))));
            for (const SketchLine& line : sketch->lines()) {
                // Where the line shows: clipped to the sketch, then to the text.
                QLineF seg(px(line.x1), px(line.y1), px(line.x2), px(line.y2));
                const double half = line.widthPx / 2.0;
                const QRectF hit = text.adjusted(-half, -half, half, half).intersected(clip);
                // Liang-Barsky: does the segment pass through `hit`?
                double t0 = 0, t1 = 1;
                const double dx = seg.dx(), dy = seg.dy();
                const double p[4] = {-dx, dx, -dy, dy};
                const double q[4] = {seg.x1() - hit.left(), hit.right() - seg.x1(), seg.y1() - hit.top(),
                                     hit.bottom() - seg.y1()};
                bool through = !hit.isEmpty();
                for (int k = 0; k < 4 && through; ++k) {
                    if (p[k] == 0) {
                        if (q[k] < 0) through = false;
                    } else {
                        const double r = q[k] / p[k];
                        if (p[k] < 0)
                            t0 = std::max(t0, r);
                        else
                            t1 = std::min(t1, r);
                        if (t0 > t1) through = false;
                    }
                }
                if (!through) continue;
                faults << QStringLiteral("a sketch line (%1,%2)-(%3,%4) twips crosses the text of label %5")
                              .arg(line.x1)
                              .arg(line.y1)
                              .arg(line.x2)
                              .arg(line.y2)
                              .arg(c.name);
                break;
            }
        }
    }
}

}  // namespace quorvil::test
