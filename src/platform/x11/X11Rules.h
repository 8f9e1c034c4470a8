#pragma once
#include <cstdint>
#include <unordered_set>
#include <vector>

// The rules the X11 adapters apply, kept free of X headers so that they can be tested alone.
namespace qpa::x11 {

// X pointer button 4 scrolls up (positive delta), button 5 down.
inline unsigned wheelButton(std::int32_t delta) {
    return delta > 0 ? 4u : 5u;
}

// The windows of the last listing that the server has not destroyed since. The server hands the
// id of a gone client's window to the next client's windows: such a window was never listed, and
// becomes so only when a listing finds it.
class ListedWindows {
  public:
    void list(const std::vector<std::uint64_t>& windows);
    void destroyed(std::uint64_t window) { windows_.erase(window); }
    bool contains(std::uint64_t window) const { return windows_.count(window) != 0; }

  private:
    std::unordered_set<std::uint64_t> windows_;
};

}  // namespace qpa::x11
