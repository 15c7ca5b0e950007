// Stored texts (UTF-8 string views in the tables) as Qt strings.
#pragma once

#include <string_view>

#include <QString>

namespace quorvil {

// A stored UTF-8 text as a QString.
inline QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace quorvil
