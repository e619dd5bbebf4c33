#pragma once

#include <memory>
#include <random>
#include <span>
#include <string>

// The computer player's source of chance: uniform integers in a closed range,
// and the shuffles built on them. Tests put a fixed coin in its place.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // A uniformly distributed integer in [low, high], both included.
    virtual int draw(int low, int high) = 0;

    // Fisher-Yates on draw(), so every permutation is equally likely.
    void shuffle(std::span<std::string> items);
};

// Production source: a standard engine seeded from the platform.
class StdRandomSource final : public RandomSource
{
public:
    StdRandomSource();
    int draw(int low, int high) override;

private:
    std::mt19937 m_engine;
};
