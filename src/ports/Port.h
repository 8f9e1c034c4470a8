#pragma once

namespace qpa {

// The base of every port and event sink: an interface, never copied, destroyed through itself.
class Port {
  public:
    Port() = default;
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;
    virtual ~Port() = default;
};

}  // namespace qpa
