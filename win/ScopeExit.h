#pragma once
// An action that runs when the scope ends, however it ends.
#include <utility>

namespace win {

template <typename F> class ScopeExit {
public:
    explicit ScopeExit(F action) : action_(std::move(action)) {}
    ScopeExit(const ScopeExit &) = delete;
    ScopeExit &operator=(const ScopeExit &) = delete;
    ~ScopeExit() { action_(); }

private:
    F action_;
};

} // namespace win
