#include "qt/qt_timer_instances.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <unistd.h>

#include "qt/other_timer_windows.h"
#include "qt/window_geometry.h"

namespace {

constexpr int kLongestMessage = 4096;
constexpr int kSendTimeoutMs = 2000;

// One name per user and settings file.
QString socketName(const std::string& key) {
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha256);
    return QStringLiteral("quillastor-timer-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash.toHex().left(32)));
}

constexpr QLocalServer::SocketOptions kAbstract = QLocalServer::AbstractNamespaceOption;

class SocketHold final : public FileHold {
public:
    explicit SocketHold(std::unique_ptr<QLocalServer> server) : server_(std::move(server)) {
        QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] { accept(); });
    }
    void setReceiver(std::function<void(const std::string&)> receiver) override { receiver_ = std::move(receiver); }

private:
    // The message is whole once the sender hangs up.
    void accept() {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, [this, socket] {
                const QByteArray message = socket->readAll();
                socket->deleteLater();
                if (receiver_ && message.size() <= kLongestMessage) receiver_(message.toStdString());
            });
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] {
                if (socket->bytesAvailable() > kLongestMessage) socket->abort();
            });
        }
    }

    std::unique_ptr<QLocalServer> server_;
    std::function<void(const std::string&)> receiver_;
};

}  // namespace

std::unique_ptr<FileHold> QtTimerInstances::tryHold(const std::string& key) {
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(kAbstract);
    if (!server->listen(socketName(key))) return nullptr;
    return std::make_unique<SocketHold>(std::move(server));
}

std::vector<Rect> QtTimerInstances::otherTimerRects() const {
    const QList<ScreenSpace> screens = currentScreens();
    std::vector<Rect> rects;
    for (const Rect& native : otherTimerWindowRects(kTimerWindowRole)) {
        const QPoint topLeft = WindowGeometry::fromNative({native.left, native.top}, screens);
        const QPoint bottomRight = WindowGeometry::fromNative({native.right, native.bottom}, screens);
        rects.push_back({topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()});
    }
    return rects;
}

bool QtTimerInstances::send(const std::string& key, const std::string& message) {
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(socketName(key));
    if (!socket.waitForConnected(kSendTimeoutMs)) return false;
    socket.write(QByteArray::fromStdString(message));
    const bool written = socket.waitForBytesWritten(kSendTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kSendTimeoutMs);
    return written;
}
