#pragma once
// Runs `work` `runs` times and prints "median min max" of the times in microseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

template <class Work>
void printTimed(int runs, Work&& work) {
    std::vector<double> us;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        us.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(us.begin(), us.end());
    std::printf("%.1f %.1f %.1f\n", us[us.size() / 2], us.front(), us.back());
}
