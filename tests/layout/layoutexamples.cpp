#include "layoutexamples.h"

#include <QHash>

namespace quorvil::test {

namespace {

using Examples = QHash<QString, QList<Example>>;
using Allowances = QHash<QString, QList<LayoutAllowance>>;

// clang-format off
const Examples& examples() {
    static const Examples e = {
        {"Form1", {
            {"txtT1=1", "txtT1=-12345.6789", "txtT1=99999999"},
        }},
        {"Form15", {
            {"tab:SSTab1=0", "w1=355", "w2=6", "click:Command1"},
        }},
    };
    return e;
}

const Allowances& allowances() {
    static const Allowances a = {
        {"Form1", {
            {LayoutAllowance::Overlap, "Label1_0", "Image1", "the advertisement is written on the picture"},
        }},
    };
    return a;
}

const QHash<QString, QStringList>& skips() {
    static const QHash<QString, QStringList> s = {
        {"Form1", {"Command1_0", "Command1_1", "Command1_2", "Command1_3", "Command1_4", "Command1_5", "Command1_6",
                   "Command1_7", "Command1_8", "Command1_9", "Command1_10", "Command1_11", "Command1_12",
                   "Command1_13", "Command1_14", "Command1_15", "Command1_16", "Command1_17", "Command1_18",
                   "Command1_19", "Command1_20", "Command11", "Command21"}},
    };
    return s;
}
// clang-format on

}  // namespace

QList<Example> layoutExamples(const QString& window) { return examples().value(window); }
QList<LayoutAllowance> layoutAllowances(const QString& window) { return allowances().value(window); }
QStringList sweepSkips(const QString& window) { return skips().value(window); }

}  // namespace quorvil::test
