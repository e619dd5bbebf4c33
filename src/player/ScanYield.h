#pragma once

#include <cstdint>
#include <functional>

// Called by every word-set scan after each row that does not end it. The scan
// pays a counter check per row; every `period` rows the serve function runs.
// Tests use a period of 1 and count or inject; the game serves its event loop.
class ScanYield
{
public:
    using Serve = std::function<void()>;

    explicit ScanYield(Serve serve, std::uint32_t period = 1);

    // The game's hook: checks the clock every few hundred rows and lets the
    // event loop run (serveEvents, processEvents by default) once a few
    // milliseconds have passed since it last did, so windows stay responsive
    // without a scan paying for an event loop on each of its rows.
    static ScanYield servingEventLoop(Serve serveEvents = {});

    void operator()()
    {
        ++m_calls;
        if (--m_countdown == 0) {
            m_countdown = m_period;
            m_serve();
        }
    }

    // Rows yielded after since construction.
    std::uint64_t calls() const { return m_calls; }

private:
    Serve m_serve;
    std::uint32_t m_period = 1;
    std::uint32_t m_countdown = 1;
    std::uint64_t m_calls = 0;
};
