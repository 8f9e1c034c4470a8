#include "platform/portable/SeededChance.h"

#include <bit>
#include <chrono>
#include <cstdint>
#include <ctime>

namespace qpa {

float SeededChance::secondsOfDay() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    const auto fraction =
        std::chrono::duration<float>(now - std::chrono::system_clock::from_time_t(t)).count();
    return static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) + fraction;
}

void SeededChance::seed(float seed) {
    generator_.seed(std::bit_cast<std::uint32_t>(seed));
}

double SeededChance::next() {
    const double r = std::generate_canonical<double, 53>(generator_);
    return r < 1.0 ? r : 0.0;  // some library versions can round up to exactly 1
}

}  // namespace qpa
