#pragma once
#include <wayland-client.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace qpa::wayland {

// One owner for each object: destroyed once, never copied, through the request its protocol gives
// for that.
template <class T>
using Owned = std::unique_ptr<T, void (*)(T*)>;
// An owner that destroys through `destroy` what it holds now or is given later.
template <class T>
Owned<T> ownedBy(void (*destroy)(T*), T* object = nullptr) {
    return Owned<T>(object, destroy);
}

// A global a desktop's adapters use, bound at the lower of the compositor's version and ours.
struct WantedGlobal {
    const wl_interface* interface;
    std::uint32_t version;  // the highest this program speaks
    // Destroys the bound object as the bound version allows.
    void (*destroy)(void* object);
    // Called as soon as it is bound, for listeners that must not miss its first events.
    std::function<void(void* object)> bound = {};
};

// A connection of our own to the compositor with the globals one desktop's adapters ask for. Qt
// 6.4 does not hand out its own connection, and nothing here needs events but the answers to our
// own requests and what a desktop's listeners keep, so it is only read while waiting for those or
// when a socket notifier says something came.
class WaylandConnection {
  public:
    // Connects and binds what is wanted and offered; not connected when no compositor answers.
    explicit WaylandConnection(std::vector<WantedGlobal> wanted);
    ~WaylandConnection();
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    // The bound global of this interface, or nothing when the compositor does not offer it.
    template <class T>
    T* global(const wl_interface& interface) const {
        return static_cast<T*>(find(interface));
    }

    // Sends what was asked and waits, a short while at most, until the compositor has handled it
    // (and sent what it sends in answer); false when it did not in time or the connection is lost.
    bool roundTrip();
    // Reads the compositor's events until `done` holds or `milliseconds` have passed; false on the
    // latter or when the connection is lost.
    bool waitFor(const std::function<bool()>& done, int milliseconds);
    // Reads what the compositor has sent without waiting (for a socket notifier on `fd`); false
    // when the connection is lost.
    bool readAvailable();
    int fd() const;

  private:
    struct Bound {
        WantedGlobal wanted;
        void* object = nullptr;
    };
    static void announced(void* data, wl_registry* registry, std::uint32_t name,
                          const char* interface, std::uint32_t version);
    void* find(const wl_interface& interface) const;

    Owned<wl_display> display_;
    Owned<wl_registry> registry_ = ownedBy(&wl_registry_destroy);
    std::vector<Bound> globals_;
};

}  // namespace qpa::wayland
