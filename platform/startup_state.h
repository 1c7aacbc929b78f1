#pragma once

namespace pecunor::platform {

// How the starting process asked the main window to appear: 1 normal,
// 3 maximised, 7 minimised. Linux has no such request, so this is 1 unless
// a test sets another value.
inline constexpr int showNormal = 1;
inline constexpr int showMaximized = 3;
inline constexpr int showMinimizedNoActive = 7;

int startupShowState();
void setStartupShowStateForTesting(int state);

}  // namespace pecunor::platform
