#include "qt/qt_notifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

#include <cstdlib>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The key a click on the notification itself sends.
const QString kDefaultAction = QStringLiteral("default");
constexpr uchar kUrgencyCritical = 2;  // stays until acted on

QString qs(const std::string& utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

QDBusMessage method(const QString& name) { return QDBusMessage::createMethodCall(kService, kPath, kInterface, name); }

// Only a bus that is there: with no address, libdbus would try to launch one.
bool sessionBusExists() {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address && *address) return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && *runtime && QFileInfo::exists(QDir(QString::fromLocal8Bit(runtime)).filePath("bus"));
}

}  // namespace

QtNotifications::QtNotifications(QString iconFile) : iconFile_(std::move(iconFile)) {}

QtNotifications::~QtNotifications() { withdraw(); }

void QtNotifications::post(const Notification& notification, Answer answer) {
    withdraw();
    pending_ = notification;
    answer_ = std::move(answer);
    const uint64_t generation = ++generation_;
    if (!joinBus()) return;
    if (actions_) {
        send(generation);
        return;
    }
    if (askedCapabilities_) return;  // the answer sends what is pending then
    askedCapabilities_ = true;
    whenAnswered(method(QStringLiteral("GetCapabilities")), [this](const QDBusMessage& reply) {
        askedCapabilities_ = false;
        if (reply.type() != QDBusMessage::ReplyMessage) return;  // no server now; asked again at the next post
        actions_ = reply.arguments().value(0).toStringList().contains(QStringLiteral("actions"));
        if (answer_) send(generation_);
    });
}

void QtNotifications::withdraw() {
    ++generation_;
    answer_ = nullptr;
    if (id_ != 0) close(id_);
    id_ = 0;
}

bool QtNotifications::joinBus() {
    if (busTried_) return bus_.has_value();
    busTried_ = true;
    if (!sessionBusExists()) return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this, SLOT(onActionInvoked(uint, QString)));
    bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this, SLOT(onClosed(uint, uint)));
    bus_ = bus;
    return true;
}

void QtNotifications::send(uint64_t generation) {
    QStringList actions;
    if (*actions_) {
        for (const NotificationAction& action : pending_.actions) actions << qs(action.key) << qs(action.label);
        if (!pending_.clickAction.empty()) actions << kDefaultAction << QString();
    }
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kUrgencyCritical));
    hints.insert(QStringLiteral("suppress-sound"), true);
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("quillastor-timer"));
    const QString icon = QFileInfo::exists(iconFile_) ? QUrl::fromLocalFile(QFileInfo(iconFile_).absoluteFilePath()).toString()
                                                      : QString();
    QDBusMessage call = method(QStringLiteral("Notify"));
    call << qs(pending_.title) << uint(0) << icon << qs(pending_.title) << qs(pending_.body) << actions << hints
         << int(0);
    whenAnswered(call, [this, generation](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage) return;
        const uint id = reply.arguments().value(0).toUInt();
        if (generation != generation_) {  // withdrawn before the server answered
            close(id);
            return;
        }
        id_ = id;
        server_ = reply.service();
    });
}

void QtNotifications::close(uint id) { bus_->send(method(QStringLiteral("CloseNotification")) << id); }

bool QtNotifications::fromServer(uint id) const { return id != 0 && id == id_ && message().service() == server_; }

void QtNotifications::whenAnswered(const QDBusMessage& call, std::function<void(const QDBusMessage&)> then) {
    auto* watcher = new QDBusPendingCallWatcher(bus_->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, then = std::move(then)] {
        watcher->deleteLater();
        then(watcher->reply());
    });
}

void QtNotifications::onActionInvoked(uint id, const QString& key) {
    if (!fromServer(id) || !answer_) return;
    const std::string chosen = key == kDefaultAction ? pending_.clickAction : key.toStdString();
    const Answer answer = answer_;
    answer(chosen);  // the window ends the alarm, and withdraws this
}

void QtNotifications::onClosed(uint id, uint) {
    if (!fromServer(id)) return;
    id_ = 0;
    const Answer answer = std::move(answer_);
    answer_ = nullptr;
    if (answer) answer({});
}
