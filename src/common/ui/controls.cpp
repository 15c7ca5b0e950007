#include "common/ui/controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "common/ui/captionframe.h"
#include "common/ui/formatbox.h"
#include "common/ui/textbox.h"

namespace quorvil {

namespace {
template <class W>
W* named(W* w, const QString& name, Tw geo) {
    if (!name.isEmpty()) w->setObjectName(name);
    place(w, geo);
    return w;
}
}  // namespace

QString arrayName(const QString& name, int index) { return name + QLatin1Char('_') + QString::number(index); }

CaptionFrame* makeFrame(QWidget* parent, const QString& name, const QString& caption, Tw geo) {
    return named(new CaptionFrame(caption, parent), name, geo);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, Tw geo) {
    auto* l = named(new QLabel(text, parent), name, geo);
    return l;
}

QLabel* makeWrappedLabel(QWidget* parent, const QString& name, const QString& text, Tw geo, Qt::Alignment alignment) {
    auto* l = makeLabel(parent, name, text, geo);
    l->setWordWrap(true);
    l->setAlignment(alignment);
    return l;
}

QLineEdit* makeBox(QWidget* parent, const QString& name, Tw geo, bool centred) {
    auto* b = named(new TextBox(parent), name, geo);
    if (centred) b->setAlignment(Qt::AlignCenter);
    return b;
}

FormatBox* makeFormatBox(QWidget* parent, const QString& name, Pattern pattern, Tw geo, bool centred) {
    auto* b = named(new FormatBox(pattern, parent), name, geo);
    if (centred) b->setAlignment(Qt::AlignCenter);
    return b;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, Tw geo) {
    return named(new QPushButton(caption, parent), name, geo);
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption, Tw geo) {
    return named(new QRadioButton(caption, parent), name, geo);
}

QComboBox* makeCombo(QWidget* parent, const QString& name, Tw geo, bool editable) {
    auto* c = named(new QComboBox(parent), name, geo);
    c->setEditable(editable);
    if (editable) c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

QListWidget* makeList(QWidget* parent, const QString& name, Tw geo) {
    return named(new QListWidget(parent), name, geo);
}

}  // namespace quorvil
