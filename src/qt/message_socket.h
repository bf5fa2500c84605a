// A running timer's messages from the user's later starts of the program: a
// Unix socket in the private runtime folder, one line a connection. Both ends
// check that the other is a process of the same user. The listener cannot be
// starved: a line ends at its newline and is at most 4096 bytes, a
// connection is closed after 2 s, at most 8 are open at once (more are
// closed at once), and running out of descriptors only delays the next ones.
#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>

class QObject;
class QSocketNotifier;

class MessageListener {
public:
    // Listens at `path`, where a socket left by a process that died is replaced.
    explicit MessageListener(std::string path);
    ~MessageListener();
    MessageListener(const MessageListener&) = delete;
    MessageListener& operator=(const MessageListener&) = delete;

    bool listening() const { return fd_ >= 0; }
    // Each whole line, without its newline, on the UI thread; none arrives
    // once the listener is being destroyed.
    void setReceiver(std::function<void(const std::string& line)> receiver) { receiver_ = std::move(receiver); }

private:
    struct Connection {
        uint64_t id;
        int fd;
        std::string bytes;
        QSocketNotifier* readable;
    };
    using Connections = std::list<Connection>;

    void acceptWaiting();
    void readFrom(uint64_t id);
    void close(Connections::iterator connection);
    Connections::iterator find(uint64_t id);

    std::string path_;
    int fd_ = -1;
    std::function<void(const std::string&)> receiver_;
    // Every notifier and timer, and so every handler, lives and dies with it.
    std::unique_ptr<QObject> context_;
    QSocketNotifier* listener_ = nullptr;
    Connections connections_;
    uint64_t lastId_ = 0;
};

// Writes `line` and a newline to the listener at `path`, once it is known to
// be the user's own; false when none took it. A listener just starting or
// ending is waited for a moment.
bool sendMessageLine(const std::string& path, const std::string& line);
