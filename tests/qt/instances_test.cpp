// The Linux hold and its messages, between real processes: a flood of idle
// connections, a sender cut short, another user's processes at either end,
// and a runtime folder that is not private.
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "qt/qt_timer_instances.h"

namespace {

constexpr uid_t kNobody = 65534;
const std::string kKey = "/home/u/QuillastorTimer.dat";

int connectTo(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const timeval patience{3, 0};  // a listener that takes none does not hang the test
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
    return ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 ? fd : (::close(fd), -1);
}

// Runs `body` in a child process while this one goes on handling events;
// true when it returned true.
bool inChild(const std::function<bool()>& body, int timeoutMs = 20000) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(body() ? 0 : 1);
    int status = -1;
    for (int waited = 0; ::waitpid(child, &status, WNOHANG) != child && waited < timeoutMs; waited += 10) QTest::qWait(10);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The peer has hung up (or refused at once): end of file, not "nothing yet".
bool closedByPeer(int fd) {
    char byte = 0;
    return ::recv(fd, &byte, 1, MSG_DONTWAIT) == 0;
}

}  // namespace

class InstancesTest : public QObject {
    Q_OBJECT

    QTemporaryDir runtime_;
    QtTimerInstances instances_;
    std::vector<std::string> heard_;
    std::string socket_;

    std::unique_ptr<FileHold> holdWithEars(const std::string& key = kKey) {
        std::unique_ptr<FileHold> hold = instances_.tryHold(key);
        if (hold) hold->setReceiver([this](const std::string& line) { heard_.push_back(line); });
        socket_ = instances_.pathsFor(key).value_or("") + ".sock";
        heard_.clear();
        return hold;
    }

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8()); }

    // With the usual limit of 1,024 descriptors, 2,000 idle connections.
    void aFloodLeavesTheHoldAndTheEars() {
        rlimit limit{};
        ::getrlimit(RLIMIT_NOFILE, &limit);
        const rlimit usual{1024, limit.rlim_max}, many{std::min<rlim_t>(4096, limit.rlim_max), limit.rlim_max};
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &usual) == 0);
        const auto hold = holdWithEars();
        QVERIFY(hold);
        int connected[2], done[2];
        QVERIFY(::pipe(connected) == 0 && ::pipe(done) == 0);
        const pid_t flood = ::fork();
        if (flood == 0) {  // holds its connections until `done` closes; nothing of the holder's
            for (int fd = 3; fd < 64; ++fd)
                if (fd != connected[1] && fd != done[0]) ::close(fd);
            ::setrlimit(RLIMIT_NOFILE, &many);
            int n = 0;
            while (n < 2000 && connectTo(socket_) >= 0) ++n;
            char byte = n == 2000 ? 'y' : 'n';
            ::_exit(::write(connected[1], &byte, 1) == 1 && ::read(done[0], &byte, 1) == 0 ? 0 : 1);
        }
        char flooded = 0;
        ::close(connected[1]), ::close(done[0]);
        ::fcntl(connected[0], F_SETFL, O_NONBLOCK);
        QTRY_VERIFY_WITH_TIMEOUT(flooded || ::read(connected[0], &flooded, 1) == 1, 20000);
        ::setrlimit(RLIMIT_NOFILE, &limit);
        QVERIFY2(!instances_.tryHold(kKey), "a second hold was taken");
        QCOMPARE(flooded, 'y');
        ::close(done[1]), ::close(connected[0]);
        ::waitpid(flood, nullptr, 0);
        QTest::qWait(500);
        QVERIFY(instances_.send(kKey, "QuillastorTimer/1 raise"));
        QTRY_COMPARE(heard_, std::vector<std::string>{"QuillastorTimer/1 raise"});
    }

    // Eight are kept until 2 s after they opened; a ninth is refused at once.
    void idleConnectionsAreClosed() {
        const auto hold = holdWithEars();
        std::vector<int> idle;
        for (int i = 0; i < 9; ++i) idle.push_back(connectTo(socket_));
        QTRY_VERIFY(closedByPeer(idle.back()));
        QVERIFY(!closedByPeer(idle.front()));
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(idle.begin(), idle.end(), closedByPeer), 3000);
        for (int fd : idle) ::close(fd);
    }

    void aLineEndsAtItsNewline() {
        const struct { const char* name; std::string sent; std::vector<std::string> heard; } rows[] = {
            {"cut short", "QuillastorTimer/1 duration 30", {}},
            {"a line", "QuillastorTimer/1 duration 300\n", {"QuillastorTimer/1 duration 300"}},
            {"the first line only", "QuillastorTimer/1 raise\nQuillastorTimer/1 at 0\n", {"QuillastorTimer/1 raise"}},
            {"4096 bytes", std::string(4095, 'a') + "\n", {std::string(4095, 'a')}},
            {"4097 bytes", std::string(4096, 'a') + "\n", {}},
        };
        for (const auto& row : rows) {
            const auto hold = holdWithEars();
            const int fd = connectTo(socket_);
            QVERIFY(::write(fd, row.sent.data(), row.sent.size()) == static_cast<ssize_t>(row.sent.size()));
            ::shutdown(fd, SHUT_WR);
            QTRY_VERIFY(closedByPeer(fd));
            QTest::qWait(50);
            QVERIFY2(heard_ == row.heard, row.name);
            ::close(fd);
        }
    }

    // Once the hold is going, a line already sent is not handed on.
    void nothingIsHeardAfterTheHoldIsGone() {
        auto hold = holdWithEars();
        const int fd = connectTo(socket_);
        QTest::qWait(100);
        QVERIFY(::write(fd, "QuillastorTimer/1 raise\n", 24) == 24);
        hold.reset();
        QTest::qWait(100);
        QVERIFY(heard_.empty());
        ::close(fd);
    }

    // The receiver refuses a sender of another user; a sender refuses a
    // listener of another user. The folder is opened to let nobody in.
    void anotherUsersProcessIsRefused() {
        if (::getuid() != 0) QSKIP("runs the other user as nobody, which needs root");
        const auto hold = holdWithEars();
        const std::string folder = socket_.substr(0, socket_.rfind('/'));
        ::chmod(runtime_.path().toUtf8(), 0711), ::chmod(folder.c_str(), 0777), ::chmod(socket_.c_str(), 0777);
        QVERIFY(inChild([this] {
            const int fd = ::setuid(kNobody) == 0 ? connectTo(socket_) : -1;
            return fd >= 0 && ::write(fd, "QuillastorTimer/1 raise\n", 24) == 24;
        }));
        const std::string squatted = instances_.pathsFor("/other/QuillastorTimer.dat").value() + ".sock";
        int ready[2];
        QVERIFY(::pipe(ready) == 0);
        const pid_t listener = ::fork();
        if (listener == 0) {
            const int fd = ::setuid(kNobody) == 0 ? ::socket(AF_UNIX, SOCK_STREAM, 0) : -1;
            sockaddr_un address{AF_UNIX, {}};
            squatted.copy(address.sun_path, sizeof address.sun_path - 1);
            ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), ::listen(fd, 1);
            if (::write(ready[1], "r", 1) != 1) ::_exit(2);
            const int taken = ::accept(fd, nullptr, nullptr);
            char byte = 0;
            ::_exit(::read(taken, &byte, 1) > 0 ? 1 : 0);
        }
        char byte = 0;
        QVERIFY(::read(ready[0], &byte, 1) == 1);
        const bool sent = instances_.send("/other/QuillastorTimer.dat", "QuillastorTimer/1 raise");
        int status = -1;
        ::waitpid(listener, &status, 0);
        ::chmod(runtime_.path().toUtf8(), 0700), ::chmod(folder.c_str(), 0700);
        QTest::qWait(100);
        QVERIFY2(heard_.empty(), "the receiver took another user's line");
        QVERIFY2(!sent && WEXITSTATUS(status) == 0, "the sender wrote to another user's listener");
    }

    // A runtime folder that is not the user's alone is not used: the timer
    // runs unguarded and unreachable.
    void aFolderNotPrivateIsNotUsed() {
        const QByteArray root = runtime_.path().toUtf8();
        const struct { const char* name; std::function<void(const std::string&)> spoil; } rows[] = {
            {"open to others", [](const std::string& f) { ::mkdir(f.c_str(), 0755); }},
            {"a link", [](const std::string& f) { QVERIFY(::mkdir((f + "-real").c_str(), 0700) == 0 && ::symlink((f + "-real").c_str(), f.c_str()) == 0); }},
            {"another user's", [](const std::string& f) { QVERIFY(::mkdir(f.c_str(), 0700) == 0 && (::getuid() || ::chown(f.c_str(), kNobody, kNobody) == 0)); }},
        };
        int n = 0;
        for (const auto& row : rows) {
            const QByteArray base = root + "/spoilt-" + QByteArray::number(++n);
            ::mkdir(base.constData(), 0700);
            row.spoil(base.toStdString() + "/quillastor-timer");
            qputenv("XDG_RUNTIME_DIR", base);
            QtTimerInstances instances;
            QVERIFY2(instances.tryHold(kKey) && instances.tryHold(kKey) && !instances.pathsFor(kKey), row.name);
        }
        qputenv("XDG_RUNTIME_DIR", root);
    }
};

QTEST_MAIN(InstancesTest)
#include "instances_test.moc"
