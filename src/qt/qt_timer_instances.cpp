#include "qt/qt_timer_instances.h"

#include <QCryptographicHash>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>

#include "qt/message_socket.h"
#include "qt/other_timer_windows.h"
#include "qt/runtime_folder.h"
#include "qt/window_geometry.h"

namespace {

class LockHold final : public FileHold {
public:
    LockHold(int lock, const std::string& socketPath) : lock_{lock}, listener_(socketPath) {}
    void setReceiver(std::function<void(const std::string&)> receiver) override {
        listener_.setReceiver(std::move(receiver));
    }

private:
    struct Descriptor {
        int fd;
        ~Descriptor() { ::close(fd); }
    };
    // Members end in reverse: the socket is gone before the lock is let go,
    // so whoever takes the lock next binds the socket anew.
    Descriptor lock_;
    MessageListener listener_;
};

// No private folder to hold a file in: the timer runs all the same.
class NoHold final : public FileHold {
public:
    void setReceiver(std::function<void(const std::string&)>) override {}
};

}  // namespace

std::optional<std::string> QtTimerInstances::folder() {
    if (folderChecked_) return folder_;
    folderChecked_ = true;
    folder_ = privateRuntimeFolder();
    if (!folder_)
        std::fputs("QuillastorTimer: no private runtime folder ($XDG_RUNTIME_DIR/quillastor-timer): this timer "
                   "does not guard its settings file against a second copy, and no later start can reach it.\n",
                   stderr);
    return folder_;
}

std::optional<std::string> QtTimerInstances::pathsFor(const std::string& key) {
    const std::optional<std::string> inFolder = folder();
    if (!inFolder) return std::nullopt;
    // A canonical path may be longer than a socket's name may be.
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha256);
    return *inFolder + "/" + hash.toHex().left(32).toStdString();
}

std::unique_ptr<FileHold> QtTimerInstances::tryHold(const std::string& key) {
    const std::optional<std::string> base = pathsFor(key);
    if (!base) return std::make_unique<NoHold>();
    const int lock = ::open((*base + ".lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (lock < 0) return nullptr;
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock);
        return nullptr;
    }
    return std::make_unique<LockHold>(lock, *base + ".sock");
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
    const std::optional<std::string> base = pathsFor(key);
    return base && sendMessageLine(*base + ".sock", message);
}
