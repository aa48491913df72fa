#pragma once
// Long loops let the host's user interface process pending messages now and
// then. The host decides what pumping means (the window repaints without
// taking user input; pstool and the tests do nothing).

#include <chrono>

namespace pst {

class MessagePump {
public:
    virtual ~MessagePump() = default;
    virtual void pumpMessages() = 0;
};

// Calls the pump at most about every interval, checking the clock only every
// `stride` ticks so the loop that ticks it stays cheap.
class ThrottledPump {
public:
    explicit ThrottledPump(MessagePump* pump, std::chrono::milliseconds interval = std::chrono::milliseconds(15))
        : m_pump(pump), m_interval(interval), m_last(std::chrono::steady_clock::now())
    {
    }

    // Ticks `n` units of work.
    void tick(unsigned n = 1)
    {
        if (!m_pump)
            return;
        m_count += n;
        if (m_count < kStride)
            return;
        m_count = 0;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last >= m_interval) {
            m_last = now;
            m_pump->pumpMessages();
        }
    }

    // Pumps now (the E6 copy loop pumps after every copied test, throttled).
    void tickNow()
    {
        if (!m_pump)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last >= m_interval) {
            m_last = now;
            m_pump->pumpMessages();
        }
    }

    static constexpr unsigned kStride = 1u << 16;

private:
    MessagePump* m_pump;
    std::chrono::milliseconds m_interval;
    std::chrono::steady_clock::time_point m_last;
    unsigned m_count = 0;
};

} // namespace pst
