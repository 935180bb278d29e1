#pragma once

#include <cstdint>
#include <vector>

namespace qlxsim {

using Frame = std::vector<std::uint8_t>;

} // namespace qlxsim
