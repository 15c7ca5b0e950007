// The gauge tolerance bands live with the thread math that several families
// share; metric code keeps calling them by their metric names.
#pragma once

#include "threads/common/gaugetolerance.h"

namespace quorvil::metric {

using quorvil::GaugeTolerance;
using quorvil::gaugeTolerance;
using quorvil::gaugeToleranceSingle;

}  // namespace quorvil::metric
