#include "common/ui/writeplan.h"

#include <QLineEdit>

#include <cmath>

#include "common/ui/boxio.h"
#include "common/ui/formatbox.h"

namespace quorvil {

QString missingText() { return QStringLiteral("--"); }

void WritePlan::stage(QLineEdit* box, bool finite, const std::string& text) {
    if (!finite) {
        ok_ = false;
        staged_.emplace_back(box, std::nullopt);
        return;
    }
    const QString t = QString::fromStdString(text);
    staged_.emplace_back(box, t);
    steps_.push_back([box, t] { showText(box, t); });
}

void WritePlan::plain(QLineEdit* box, double v) { stage(box, std::isfinite(v), plainText(v)); }
void WritePlan::plainSingle(QLineEdit* box, float v) { stage(box, std::isfinite(v), plainTextSingle(v)); }
void WritePlan::sign(QLineEdit* box, double v) { stage(box, std::isfinite(v), signedText(v)); }
void WritePlan::signSingle(QLineEdit* box, float v) { stage(box, std::isfinite(v), signedTextSingle(v)); }

void WritePlan::plain(QLineEdit* box, std::optional<double> v) {
    if (v)
        plain(box, *v);
    else
        missing(box);
}

void WritePlan::sign(QLineEdit* box, std::optional<double> v) {
    if (v)
        sign(box, *v);
    else
        missing(box);
}

void WritePlan::plainSingle(QLineEdit* box, std::optional<float> v) {
    if (v)
        plainSingle(box, *v);
    else
        missing(box);
}

void WritePlan::signSingle(QLineEdit* box, std::optional<float> v) {
    if (v)
        signSingle(box, *v);
    else
        missing(box);
}

void WritePlan::text(QLineEdit* box, const QString& t) {
    staged_.emplace_back(box, t);
    steps_.push_back([box, t] { showText(box, t); });
}

void WritePlan::missing(QLineEdit* box) { text(box, missingText()); }

std::optional<QString> WritePlan::shownText(const QLineEdit* box) const {
    for (auto it = staged_.rbegin(); it != staged_.rend(); ++it) {
        if (it->first != box) continue;
        if (!it->second) return std::nullopt;
        const auto* f = qobject_cast<const FormatBox*>(box);
        return f ? QString::fromStdString(reformat(it->second->toStdString(), f->pattern())) : *it->second;
    }
    return boxText(box);
}

void WritePlan::copy(QLineEdit* to, const QLineEdit* from) {
    if (const std::optional<QString> t = shownText(from))
        text(to, *t);
    else
        reject();
}

std::optional<double> WritePlan::shown(const QLineEdit* box) const {
    const std::optional<QString> t = shownText(box);
    if (!t) return std::nullopt;
    return readStrict(t->toStdString());
}

bool WritePlan::commit() {
    if (!ok_) return false;
    for (const auto& step : steps_) step();
    steps_.clear();
    staged_.clear();
    return true;
}

}  // namespace quorvil
