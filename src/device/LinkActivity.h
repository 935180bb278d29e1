#pragma once

#include <functional>
#include <vector>

// Who is using the link right now. A page's timer tick or a user's action holds it
// while it runs; the link's waits keep the window answering, so clicks arrive in the
// middle of such work. What they ask for is then either refused at once or put off
// until the work ends (`whenIdle`), never interleaved with it and never replayed
// long after onto a changed screen.
class LinkActivity {
public:
    enum class Kind {
        Tick,   // the periodic refresh of a page: user actions wait for its end
        Action, // something the user started: other actions are refused meanwhile
    };

    class Hold {
    public:
        Hold(LinkActivity& activity, Kind kind);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        LinkActivity& activity_;
        Kind previous_;
    };

    // Deferred actions are kept one per key: the last click of a kind is the one that counts.
    enum class Key { Disconnect, Language, DeviceType, Page, Close, UserAction };

    bool active() const { return depth_ > 0; }
    // Only the periodic refresh is running.
    bool onlyTick() const { return depth_ > 0 && kind_ == Kind::Tick; }
    // Runs `action` at once when nothing holds the link, otherwise when the outermost
    // hold ends. An action under the same key replaces the one waiting.
    void whenIdle(Key key, std::function<void()> action);
    // Something waits for the running work to end: a tick should stop early.
    bool hasPending() const { return !deferred_.empty(); }

private:
    void release();

    int depth_ = 0;
    Kind kind_ = Kind::Tick;
    std::vector<std::pair<Key, std::function<void()>>> deferred_;
};
