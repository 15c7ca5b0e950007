// Where a result too large to show comes from, for a press that must refuse
// it at an input box: of the numbers the press read, the one largest in
// magnitude.
#pragma once

#include <cmath>
#include <initializer_list>
#include <utility>

class QLineEdit;

namespace quorvil {

// The box of the number largest in magnitude; the first box on a tie.
inline QLineEdit* largestInput(std::initializer_list<std::pair<QLineEdit*, double>> inputs) {
    QLineEdit* box = nullptr;
    double largest = -1;
    for (const auto& [b, v] : inputs) {
        if (std::fabs(v) > largest) {
            largest = std::fabs(v);
            box = b;
        }
    }
    return box;
}

}  // namespace quorvil
