// What happens to an exception nothing caught. The library's default prints the exception's
// demangled type to the console, which a windowed program does not have, and links a whole C++
// name demangler (some 50 KB) into the program for it. Every event handler catches what its
// steps throw, so this is a last resort: end at once, as the default would after printing.
#include <cstdlib>

namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler();
[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
