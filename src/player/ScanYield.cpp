#include "player/ScanYield.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <memory>
#include <utility>

namespace {

// Rows between two looks at the clock: a few microseconds of scanning.
constexpr std::uint32_t RowsPerClockCheck = 512;
// The longest the event loop waits while a scan runs.
constexpr qint64 ServeEveryMs = 4;

}

ScanYield::ScanYield(Serve serve, std::uint32_t period)
    : m_serve(std::move(serve))
    , m_period(period == 0 ? 1 : period)
    , m_countdown(m_period)
{
}

ScanYield ScanYield::servingEventLoop(Serve serveEvents)
{
    if (!serveEvents)
        serveEvents = [] { QCoreApplication::processEvents(); };
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    return ScanYield(
        [clock, serveEvents = std::move(serveEvents)] {
            if (clock->elapsed() >= ServeEveryMs) {
                serveEvents();
                clock->restart();
            }
        },
        RowsPerClockCheck);
}
