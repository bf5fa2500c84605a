// The smallest Qt 6 program that does what the timer shows: a frameless tool
// window painting "0:03:00". Given a period in ms ("reference_timer 1000"),
// it counts an hour down on a QTimer of that period and repaints when the
// shown second changes, as a plain timer program would.
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

class Reference : public QWidget {
public:
    explicit Reference(int periodMs) : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        QFont f(QStringLiteral("IPAPGothic"));
        f.setPixelSize(16);
        f.setBold(true);
        setFont(f);
        resize(96, 28);
        if (periodMs <= 0) return;
        seconds_ = 3600;
        clock_.start();
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            const int left = 3600 - static_cast<int>(clock_.elapsed() / 1000);
            if (left == seconds_) return;
            seconds_ = left;
            repaint();
        });
        timer_.start(periodMs);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(128, 128, 255));
        p.setPen(Qt::white);
        const QString text = QStringLiteral("%1:%2:%3")
                                 .arg(seconds_ / 3600)
                                 .arg(seconds_ / 60 % 60, 2, 10, QLatin1Char('0'))
                                 .arg(seconds_ % 60, 2, 10, QLatin1Char('0'));
        p.drawText(rect(), Qt::AlignCenter, text);
    }

private:
    int seconds_ = 180;
    QElapsedTimer clock_;
    QTimer timer_;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Reference window(argc > 1 ? std::atoi(argv[1]) : 0);
    window.show();
    return app.exec();
}
