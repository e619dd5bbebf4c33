#include "game/RandomSource.h"

#include <utility>

void RandomSource::shuffle(std::span<std::string> items)
{
    for (std::size_t i = items.size(); i > 1; --i) {
        const auto j = static_cast<std::size_t>(draw(0, static_cast<int>(i - 1)));
        using std::swap;
        swap(items[i - 1], items[j]);
    }
}

StdRandomSource::StdRandomSource()
    : m_engine(std::random_device{}())
{
}

int StdRandomSource::draw(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_engine);
}
