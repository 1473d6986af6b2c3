#pragma once
// Ends the current user action without a further message: whoever raised it
// has already told the user what went wrong. The application's event loop
// swallows it; callers let it pass, so the remaining steps of the action
// (a commit, say) do not run.

#include <exception>

namespace drav {

class SilentAbort : public std::exception {
public:
    const char *what() const noexcept override { return "ação abandonada"; }
};

} // namespace drav
