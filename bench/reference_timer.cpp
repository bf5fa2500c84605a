// The smallest Qt 6 program that does what the timer shows at start: a
// frameless tool window painting "0:03:00".
#include <QApplication>
#include <QPainter>
#include <QWidget>

class Reference : public QWidget {
public:
    Reference() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        QFont f(QStringLiteral("IPAPGothic"));
        f.setPixelSize(16);
        f.setBold(true);
        setFont(f);
        resize(96, 28);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(128, 128, 255));
        p.setPen(Qt::white);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("0:03:00"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Reference window;
    window.show();
    return app.exec();
}
