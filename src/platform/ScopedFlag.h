#pragma once

namespace snapwright {

// Sets a flag for as long as a scope lasts and clears it however the scope ends: the guard
// against re-entry through the message loop that a dialog or the region overlay runs.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~ScopedFlag() { m_flag = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& m_flag;
};

}  // namespace snapwright
