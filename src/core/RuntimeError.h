#pragma once
#include <stdexcept>
#include <string>

namespace qpa {

// A failure the program raises itself (a stored text that is no truth value, an overflow, a table
// that is full). The error trap of a reporting procedure catches it and shows its description.
class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(std::wstring description)
        : std::runtime_error("runtime error"), description_(std::move(description)) {}
    const std::wstring& description() const noexcept { return description_; }

  private:
    std::wstring description_;
};

inline constexpr const wchar_t* kTypeMismatch = L"Type mismatch";
inline constexpr const wchar_t* kOverflow = L"Overflow";
inline constexpr const wchar_t* kSubscriptOutOfRange = L"Subscript out of range";

}  // namespace qpa
