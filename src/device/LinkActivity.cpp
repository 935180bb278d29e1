#include "device/LinkActivity.h"

#include <algorithm>
#include <utility>

LinkActivity::Hold::Hold(LinkActivity& activity, Kind kind)
    : activity_(activity)
    , previous_(activity.kind_)
{
    // Work started inside a user's action stays an action.
    activity_.kind_ = activity_.depth_ > 0 && activity_.kind_ == Kind::Action ? Kind::Action : kind;
    ++activity_.depth_;
}

LinkActivity::Hold::~Hold()
{
    activity_.kind_ = previous_;
    activity_.release();
}

void LinkActivity::whenIdle(Key key, std::function<void()> action)
{
    if (depth_ == 0) {
        action();
        return;
    }
    const auto same = std::find_if(deferred_.begin(), deferred_.end(), [key](const auto& d) { return d.first == key; });
    if (same != deferred_.end())
        same->second = std::move(action);
    else
        deferred_.emplace_back(key, std::move(action));
}

void LinkActivity::release()
{
    if (--depth_ > 0)
        return;
    // An action run here may hold the link again and defer more; those run when it ends.
    while (depth_ == 0 && !deferred_.empty()) {
        auto action = std::move(deferred_.front().second);
        deferred_.erase(deferred_.begin());
        action();
    }
}
