// Desktop notifications through org.freedesktop.Notifications on the session
// bus. The bus is joined at the first notification, not at start, and every
// call is asynchronous: a missing or hung notification server costs the
// window nothing. Only the signals for the notification posted last, from
// the server that posted it, are taken.
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/notifications.h"

class QDBusMessage;

class QtNotifications final : public QObject, public Notifications, protected QDBusContext {
    Q_OBJECT
public:
    // `iconFile`: the program's icon, a PNG file.
    explicit QtNotifications(QString iconFile);
    ~QtNotifications() override;

    void post(const Notification& notification, Answer answer) override;
    void withdraw() override;

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& key);
    void onClosed(uint id, uint reason);

private:
    bool joinBus();
    void send(uint64_t generation);
    void close(uint id);
    bool fromServer(uint id) const;
    // The call's reply, on this thread, whenever it comes (or its timeout).
    void whenAnswered(const QDBusMessage& call, std::function<void(const QDBusMessage&)> then);

    QString iconFile_;
    std::optional<QDBusConnection> bus_;  // joined at the first post
    bool busTried_ = false;
    std::optional<bool> actions_;  // whether the server shows buttons, once it said
    bool askedCapabilities_ = false;
    Notification pending_;
    Answer answer_;
    uint64_t generation_ = 0;  // of the post in force; a withdrawal moves it on
    uint id_ = 0;              // the server's id for that post, once it answered
    QString server_;           // the unique name that answered
};
