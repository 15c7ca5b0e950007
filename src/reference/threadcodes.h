// Thread designations: the key list of thread codes, each with its
// description (family, profile angle, taper, an example marking and, for
// many codes, the defining standard), and the list of standards bodies.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quorvil {

struct ThreadDesignation {
    std::string_view item;         // list item: position, "-", code ("68-M")
    std::string_view description;  // the text shown for it
};

inline constexpr std::size_t kThreadDesignationCount = 177;
extern const std::array<ThreadDesignation, kThreadDesignationCount> kThreadDesignations;

// Abbreviation filled with "-" to six characters, then the name in Chinese.
inline constexpr std::size_t kStandardsBodyCount = 56;
extern const std::array<std::string_view, kStandardsBodyCount> kStandardsBodies;

}  // namespace quorvil
