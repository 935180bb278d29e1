#pragma once

// The exit statuses of qlx700ctl, as its usage text lists them.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // link, device or file
inline constexpr int kExitUsage = 2;
