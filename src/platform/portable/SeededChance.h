#pragma once
#include <random>

#include "ports/System.h"

namespace qpa {

// The time of day from the standard clock and a seeded Mersenne Twister.
class SeededChance final : public Chance {
  public:
    float secondsOfDay() override;
    void seed(float seed) override;
    double next() override;

  private:
    std::mt19937 generator_;
};

}  // namespace qpa
