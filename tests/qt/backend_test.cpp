// The Qt backend's pure translations (sizing band, window geometry, fonts,
// dialog units, platform choice, shipped files), and the hold and its
// messages between real processes: a flood of idle connections, a sender cut
// short or too late, another user's sender.
#include <QDir>
#include <QDeadlineTimer>
#include <QFile>
#include <QFontMetrics>
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

#include "qt/dialog_units.h"
#include "qt/font_mapping.h"
#include "qt/frame_band.h"
#include "qt/platform_choice.h"
#include "qt/qt_services.h"
#include "qt/qt_timer_instances.h"
#include "qt/time_format.h"
#include "qt/window_geometry.h"

namespace {

LogFont gothic(int32_t height, int32_t weight = 0, uint8_t italic = 0) {
    LogFont lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    setFaceNameUtf8(lf, "ＭＳ Ｐゴシック");
    return lf;
}

const std::string kKey = "/home/u/QuillastorTimer.dat", kRaise = "QuillastorTimer/1 raise";

int socketAt(const std::string& path) {
    sockaddr_un address{AF_UNIX, {}};
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const timeval patience{3, 0};  // a listener that takes none does not hang the test
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
    return ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 ? fd : (::close(fd), -1);
}

// The peer has hung up (or refused at once): end of file, not "nothing yet".
bool closedByPeer(int fd) {
    char byte = 0;
    return ::recv(fd, &byte, 1, MSG_DONTWAIT) == 0;
}

}  // namespace

class BackendTest : public QObject {
    Q_OBJECT

    QTemporaryDir runtime_;
    QtTimerInstances instances_;
    std::vector<std::string> heard_;
    std::string socket_;

    std::unique_ptr<FileHold> holdWithEars() {
        std::unique_ptr<FileHold> hold = instances_.tryHold(kKey);
        if (hold) hold->setReceiver([this](const std::string& line) { heard_.push_back(line); });
        socket_ = instances_.pathsFor(kKey).value_or("") + ".sock";
        heard_.clear();
        return hold;
    }

    // Whether `body` succeeds in a child process that keeps none of this
    // one's descriptors, this process handling its events meanwhile.
    bool inChild(const std::function<bool()>& body) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int fd = 3; fd < 64; ++fd) ::close(fd);
            ::_exit(body() ? 0 : 1);
        }
        int status = -1;
        for (int waited = 0; ::waitpid(pid, &status, WNOHANG) != pid && waited < 20000; waited += 10) QTest::qWait(10);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private Q_SLOTS:
    void initTestCase() {
        installJapaneseFaceSubstitutes();
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8());
    }

    // With the usual limit of 1,024 descriptors, 2,000 idle connections on
    // top of nine: eight are kept until 2 s after they opened, the rest are
    // refused at once, the hold stays and a later line is heard.
    void aFloodLeavesTheHoldAndTheEars() {
        rlimit limit{};
        ::getrlimit(RLIMIT_NOFILE, &limit);
        const rlimit usual{1024, limit.rlim_max}, many{std::min<rlim_t>(4096, limit.rlim_max), limit.rlim_max};
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &usual) == 0);
        const auto hold = holdWithEars();
        const QDeadlineTimer closing(3000);
        std::vector<int> idle;
        for (int i = 0; i < 9; ++i) idle.push_back(socketAt(socket_));
        QTRY_VERIFY(closedByPeer(idle.back()));
        QVERIFY(!closedByPeer(idle.front()));
        const bool flooded = inChild([&] {
            ::setrlimit(RLIMIT_NOFILE, &many);
            int n = 0;
            while (n < 2000 && socketAt(socket_) >= 0) ++n;
            return n == 2000;
        });
        ::setrlimit(RLIMIT_NOFILE, &limit);
        QVERIFY2(hold && !instances_.tryHold(kKey), "a second hold was taken");
        QVERIFY(flooded);
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(idle.begin(), idle.end(), closedByPeer), closing.remainingTime());
        QVERIFY(instances_.send(kKey, kRaise));
        QTRY_COMPARE(heard_, std::vector<std::string>{kRaise});
    }

    // A line ends at its newline; once the hold is going, none is handed on.
    void aLineEndsAtItsNewline() {
        const struct { const char* name; std::string sent; std::vector<std::string> heard; bool holdGone = false; } rows[] = {
            {"cut short", "QuillastorTimer/1 duration 30", {}},
            {"a line", "QuillastorTimer/1 duration 300\n", {"QuillastorTimer/1 duration 300"}},
            {"4096 bytes", std::string(4095, 'a') + "\n", {std::string(4095, 'a')}},
            {"4097 bytes", std::string(4096, 'a') + "\n", {}},
            {"the hold gone", kRaise + "\n", {}, true},
        };
        for (const auto& row : rows) {
            auto hold = holdWithEars();
            const int fd = socketAt(socket_);
            QTest::qWait(50);
            QVERIFY(::write(fd, row.sent.data(), row.sent.size()) == static_cast<ssize_t>(row.sent.size()));
            if (row.holdGone) hold.reset();
            ::shutdown(fd, SHUT_WR);
            QTRY_VERIFY(closedByPeer(fd));
            QTest::qWait(50);
            QVERIFY2(heard_ == row.heard, row.name);
        }
    }

    // The receiver refuses a sender of another user; the folders are opened to
    // let nobody in.
    void anotherUsersProcessIsRefused() {
        if (::getuid() != 0) QSKIP("runs the other user as nobody, which needs root");
        const auto hold = holdWithEars();
        const std::string folder = socket_.substr(0, socket_.rfind('/'));
        ::chmod(runtime_.path().toUtf8(), 0711), ::chmod(folder.c_str(), 0777), ::chmod(socket_.c_str(), 0777);
        QVERIFY(inChild([&] {
            const int fd = ::setuid(65534) == 0 ? socketAt(socket_) : -1;
            return fd >= 0 && ::write(fd, (kRaise + "\n").data(), 24) == 24;
        }));
        ::chmod(runtime_.path().toUtf8(), 0700), ::chmod(folder.c_str(), 0700);
        QTest::qWait(100);
        QVERIFY2(heard_.empty(), "the receiver took another user's line");
    }

    void bandEdges() {
        const struct { const char* name; QPoint pos; QSize outer; Qt::Edges edges; } rows[] = {
            {"first client pixel", {4, 4}, {100, 40}, {}},
            {"last client pixel", {95, 35}, {100, 40}, {}},
            {"last top-left band pixel", {3, 3}, {100, 40}, Qt::LeftEdge | Qt::TopEdge},
            {"first bottom-right band pixel", {96, 36}, {100, 40}, Qt::RightEdge | Qt::BottomEdge},
            {"narrow, nearer left", {1, 20}, {6, 40}, Qt::LeftEdge},
            {"narrow, nearer right", {5, 20}, {6, 40}, Qt::RightEdge},
        };
        for (const auto& row : rows) QVERIFY2(bandEdgesAt(row.pos, row.outer, 4) == row.edges, row.name);
    }

    // X places through scaled screens that need not start at (0, 0), Qt's
    // stale record of the place, and drags of the border in the program.
    void windowGeometry() {
        const QList<ScreenSpace> sideBySide{{QRect(0, 0, 960, 540), 2.0}, {QRect(1920, 0, 960, 540), 2.0}};
        const QList<ScreenSpace> stacked{{QRect(1920, 0, 1280, 720), 2.0}, {QRect(0, 1080, 960, 540), 2.0}};
        QCOMPARE(WindowGeometry::fromNative({2780, 200}, sideBySide), QPoint(2350, 100));
        QCOMPARE(WindowGeometry::fromNative({100, 1180}, stacked), QPoint(50, 1130));
        WindowGeometry geometry;
        geometry.learnNative({2780, 200}, sideBySide);
        const Point client = geometry.clientPoint({2360.0, 110.0}, 4);
        QCOMPARE(QPoint(client.x, client.y), QPoint(6, 6));
        QCOMPARE(geometry.correctionOf({0, 0}), std::optional<QPoint>(QPoint(2350, 100)));
        geometry.placed({300, 200});  // where X does not tell, Qt is not moved
        QCOMPARE(geometry.correctionOf({0, 0}), std::nullopt);
        const QRect start(100, 100, 300, 50);
        const QSize least = WindowGeometry::userMinimum(start.size(), 4);
        QCOMPARE(WindowGeometry::resized(start, Qt::BottomEdge, {0, 60}, least), QRect(100, 100, 300, 110));
        QCOMPARE(WindowGeometry::resized(start, Qt::RightEdge, {-400, 0}, least), QRect(100, 100, 24, 50));
        QCOMPARE(WindowGeometry::userMinimum({10, 300}, 4), QSize(10, 24));  // a small window is not grown
    }

    void fonts() {
        const struct { const char* name; LogFont logFont; int pixels, weight; } rows[] = {
            {"negative is the em height", gothic(-40, 700, 1), 40, QFont::Bold},
            {"zero takes the default", gothic(0), kDefaultFontPixels, QFont::Normal},
            {"most negative is bounded", gothic(INT32_MIN), kMaxFontPixels, QFont::Normal},
        };
        for (const auto& row : rows) {
            const QFont font = fontFromLogFont(row.logFont);
            QVERIFY2(font.pixelSize() == row.pixels && font.weight() == row.weight, row.name);
            QVERIFY2(font.italic() == (row.logFont.lfItalic != 0), row.name);
            QVERIFY2(QFontInfo(font).family().contains("IPA"), qPrintable(QFontInfo(font).family()));
        }
        const QFont cell = fontFromLogFont(gothic(60));  // positive: the cell height
        QVERIFY(cell.pixelSize() < 60 && qAbs(QFontMetrics(cell).height() - 60) <= 2);
    }

    void chosenFontKeepsWhatQtHasNot() {
        LogFont base;
        base.lfCharSet = 128;
        const LogFont lf = logFontFromFont(QFont(QStringLiteral("IPAGothic"), 24, QFont::DemiBold), base, 96.0);
        QCOMPARE(lf.lfHeight, -32);
        QCOMPARE(lf.lfWeight, 600);
        QCOMPARE(lf.lfCharSet, uint8_t{128});
        QCOMPARE(faceNameUtf8(lf).value_or(""), std::string("IPAGothic"));
    }

    // The duration format is seen in the dialogs' test; the clock format only here.
    void templateUnitsFontAndClockFormat() {
        QCOMPARE(dialogUnitsToPixels(DialogBaseUnits{6, 12}, 7, 58, 50, 14), QRect(11, 87, 75, 21));
        QCOMPARE(templateLogFont("ＭＳ Ｐゴシック", 12).lfHeight, -16);  // 96 dpi offscreen
        QCOMPARE(toQtTimeFormat(QString::fromUtf8("HH時mm分")), QString::fromUtf8("HH'時'mm'分'"));
    }

    void platformChoice() {
        const struct { const char* name; const char* qpa; const char* display; const char* chosen; } rows[] = {
            {"X11 offered, nothing chosen", nullptr, ":0", "xcb;wayland"},
            {"empty choice is no choice", "", ":0", "xcb;wayland"},
            {"user chose Wayland", "wayland", ":0", ""},
            {"no X11", nullptr, nullptr, ""},
            {"empty DISPLAY is no X11", nullptr, "", ""},
        };
        for (const auto& row : rows) QVERIFY2(chooseQtPlatform(row.qpa, row.display) == row.chosen, row.name);
    }

    void shippedFilesBesideOrUnderShare() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("bin");
        const std::string exe = dir.filePath("bin/QuillastorTimer").toStdString();
        QCOMPARE(shippedFilesDir(exe, "../share/q"), dir.filePath("share/q").toStdString());
        QFile(dir.filePath("bin/NotifySound.wav")).open(QIODevice::WriteOnly);
        QCOMPARE(shippedFilesDir(exe, "../share/q"), dir.filePath("bin").toStdString());
        const QtPlatform platform{"", "/nonexistent-config", dir.filePath("bin").toStdString(), {}, Texts()};
        QCOMPARE(platform.sound.resolve("NotifySound.wav"), dir.filePath("bin/NotifySound.wav").toStdString());
    }
};

QTEST_MAIN(BackendTest)
#include "backend_test.moc"
