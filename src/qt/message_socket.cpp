#include "qt/message_socket.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace {

constexpr std::size_t kLongestLine = 4096;  // the newline included
constexpr int kConnectionMs = 2000;
constexpr std::size_t kMostConnections = 8;
constexpr int kBacklog = 16;
constexpr int kNoDescriptorsPauseMs = 100;
constexpr int kConnectAttempts = 20;
constexpr useconds_t kConnectWaitUs = 50'000;

std::optional<sockaddr_un> socketAddress(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return std::nullopt;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

bool sameUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

}  // namespace

MessageListener::MessageListener(std::string path) : path_(std::move(path)), context_(std::make_unique<QObject>()) {
    const std::optional<sockaddr_un> address = socketAddress(path_);
    if (!address) return;
    ::unlink(path_.c_str());
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return;
    if (::bind(fd_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 || ::listen(fd_, kBacklog) != 0) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    listener_ = new QSocketNotifier(fd_, QSocketNotifier::Read, context_.get());
    QObject::connect(listener_, &QSocketNotifier::activated, context_.get(), [this] { acceptWaiting(); });
}

MessageListener::~MessageListener() {
    receiver_ = nullptr;
    context_.reset();
    for (const Connection& connection : connections_) ::close(connection.fd);
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(path_.c_str());
}

void MessageListener::acceptWaiting() {
    for (;;) {
        const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0 && errno == EINTR) continue;
        if (fd < 0 && (errno == EMFILE || errno == ENFILE)) {
            // The caller waits in the queue; asking again at once would spin.
            listener_->setEnabled(false);
            QTimer::singleShot(kNoDescriptorsPauseMs, listener_, [this] { listener_->setEnabled(true); });
        }
        if (fd < 0) return;
        if (connections_.size() >= kMostConnections || !sameUser(fd)) {
            ::close(fd);
            continue;
        }
        auto* readable = new QSocketNotifier(fd, QSocketNotifier::Read, context_.get());
        const uint64_t id = ++lastId_;
        connections_.push_back({id, fd, {}, readable});
        QObject::connect(readable, &QSocketNotifier::activated, readable, [this, id] { readFrom(id); });
        QTimer::singleShot(kConnectionMs, readable, [this, id] {
            if (auto connection = find(id); connection != connections_.end()) close(connection);
        });
    }
}

void MessageListener::readFrom(uint64_t id) {
    const auto connection = find(id);
    if (connection == connections_.end()) return;
    std::string& bytes = connection->bytes;
    char buffer[kLongestLine];
    const ssize_t n = ::read(connection->fd, buffer, kLongestLine - bytes.size());
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (n > 0) bytes.append(buffer, static_cast<std::size_t>(n));
    const std::size_t end = bytes.find('\n');
    // A line cut short (its sender ended mid-way) or too long is not a message.
    if (end == std::string::npos && n > 0 && bytes.size() < kLongestLine) return;
    const std::string line = end == std::string::npos ? std::string() : bytes.substr(0, end);
    close(connection);
    const auto receiver = receiver_;
    if (end != std::string::npos && receiver) receiver(line);
}

void MessageListener::close(Connections::iterator connection) {
    // Its handlers end with it; it goes once the current one has returned.
    connection->readable->setEnabled(false);
    connection->readable->deleteLater();
    ::close(connection->fd);
    connections_.erase(connection);
}

MessageListener::Connections::iterator MessageListener::find(uint64_t id) {
    for (auto it = connections_.begin(); it != connections_.end(); ++it)
        if (it->id == id) return it;
    return connections_.end();
}

bool sendMessageLine(const std::string& path, const std::string& line) {
    const std::optional<sockaddr_un> address = socketAddress(path);
    const std::string bytes = line + '\n';
    if (!address || bytes.size() > kLongestLine) return false;
    int fd = -1;
    for (int attempt = 0; attempt < kConnectAttempts && fd < 0; ++attempt) {
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        const timeval timeout{kConnectionMs / 1000, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0) break;
        const bool startingOrEnding = errno == ENOENT || errno == ECONNREFUSED;
        ::close(fd);
        fd = -1;
        if (!startingOrEnding) return false;
        ::usleep(kConnectWaitUs);
    }
    bool sent = fd >= 0 && sameUser(fd);
    for (std::size_t done = 0; sent && done < bytes.size();) {
        const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        sent = n > 0;
        done += sent ? static_cast<std::size_t>(n) : 0;
    }
    if (fd >= 0) ::close(fd);
    return sent;
}
