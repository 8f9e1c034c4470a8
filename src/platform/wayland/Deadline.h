#pragma once
#include <chrono>

namespace qpa::wayland {

// The time left until `deadline` as poll() takes it: whole milliseconds, never negative.
inline int millisecondsUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace qpa::wayland
