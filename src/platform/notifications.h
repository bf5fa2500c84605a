// Desktop notifications: the system's own (a notification server, the
// notification area), shown beside the program's window. Nothing here waits:
// a call returns at once, and what became of the notification comes back
// later, on the user-interface thread, or never.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct NotificationAction {
    std::string key;    // ASCII, fixed: what the answer names
    std::string label;  // UTF-8, on the button or the menu item
};

struct Notification {
    std::string title;  // UTF-8
    std::string body;
    std::vector<NotificationAction> actions;
    // The action that a click on the notification itself takes.
    std::string clickAction;
};

class Notifications {
public:
    // The key of the action the user took; an empty one when the
    // notification went away without one (closed, expired).
    using Answer = std::function<void(std::string_view actionKey)>;

    virtual ~Notifications() = default;
    // Shows `notification` with the program's icon, in place of any this
    // program still shows. At most one answer comes back for it.
    virtual void post(const Notification& notification, Answer answer) = 0;
    // Takes back what post() showed, or will show. No answer comes after it.
    virtual void withdraw() = 0;
};
