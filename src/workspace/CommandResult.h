#pragma once
// What every command of the Calculate and Operation menus hands back to the window
// that ran it: whether it failed, what its window is to be called or whether it is
// to go, and which matrices it printed and kept.

#include "numeric/TextTarget.h"

#include <string>
#include <vector>

namespace grafida {

struct CommandResult {
    // The command ended on a failure; the user has been told why.
    bool failed = false;
    // The window the command printed into is to be closed unseen: nothing worth
    // showing was printed (or the command's rules close it).
    bool discardWindow = false;
    // The window's caption; empty for an untitled window (see WindowCaption).
    std::string caption;
    // The names of the matrices printed, in order.
    std::vector<std::string> printed;
    // The names of the matrices added to the matrix list, in order (a name already
    // stored is refused and not listed).
    std::vector<std::string> kept;
};

// The caption a window gets: the command's caption, or "NONAME<n>" with n the number
// of open text windows plus one for an untitled one.
std::string WindowCaption(const CommandResult& result, int openTextWindows);

// Forwards lines to another target and counts them, so that a command can tell
// whether its window received anything.
class CountingTarget final : public TextTarget {
public:
    explicit CountingTarget(TextTarget& target) : target_(target) {}
    void AddLine(std::string line) override {
        ++lines_;
        target_.AddLine(std::move(line));
    }
    int Lines() const { return lines_; }

private:
    TextTarget& target_;
    int lines_ = 0;
};

// The windows a command that prints into several of them opens (one per molecule).
class TextWindows {
public:
    virtual ~TextWindows() = default;
    // A new empty window with this caption; valid until the command returns.
    virtual TextTarget& Open(const std::string& caption) = 0;
    // Closes a window the command opened, unseen.
    virtual void Discard(TextTarget& window) = 0;
};

} // namespace grafida
