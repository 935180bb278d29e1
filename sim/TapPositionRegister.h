#pragma once

#include <cstdint>

namespace qlxsim {

// Where the QLX700-R and the QLX700-C show the tap position.
inline constexpr std::uint16_t kTapPositionRegister = 1015;

} // namespace qlxsim
