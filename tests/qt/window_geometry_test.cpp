// The window's geometry owner: X places through scaled screens that do not
// start at (0, 0), pointer positions against that place, Qt's stale record,
// and drags of the border in the program.
#include <QTest>

#include "qt/window_geometry.h"

namespace {

// Two monitors at scale 2, the primary on the right (Qt keeps the origins).
const QList<ScreenSpace> kScaled{{QRect(0, 0, 960, 540), 2.0}, {QRect(1920, 0, 960, 540), 2.0}};
// A large primary at +1920+0 with a smaller monitor below it to the left.
const QList<ScreenSpace> kStacked{{QRect(1920, 0, 1280, 720), 2.0}, {QRect(0, 1080, 960, 540), 2.0}};
const QList<ScreenSpace> kPlain{{QRect(0, 0, 1920, 1080), 1.0}, {QRect(1920, 0, 1920, 1080), 1.0}};

}  // namespace

class WindowGeometryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nativePlaces() {
        const struct { const char* name; const QList<ScreenSpace>& screens; QPoint native, qt; } rows[] = {
            {"scale 2, right monitor", kScaled, {2780, 200}, {2350, 100}},
            {"scale 2, left monitor", kScaled, {200, 200}, {100, 100}},
            {"scale 2, below the primary", kStacked, {100, 1180}, {50, 1130}},
            {"scale 2, past the left monitor's edge", kScaled, {-10, 100}, {-5, 50}},
            {"scale 1", kPlain, {2020, 100}, {2020, 100}},
        };
        for (const auto& row : rows) QVERIFY2(WindowGeometry::fromNative(row.native, row.screens) == row.qt, row.name);
    }

    void pointsAgainstThePlace() {
        WindowGeometry geometry;
        geometry.learnNative({2780, 200}, kScaled);
        const Point inside = geometry.clientPoint({2360.0, 110.0}, 4);
        QCOMPARE((QPoint{inside.x, inside.y}), QPoint(6, 6));
        QCOMPARE(geometry.correctionOf({0, 0}), std::optional<QPoint>(QPoint(2350, 100)));
        QCOMPARE(geometry.correctionOf({2350, 100}), std::nullopt);
        geometry.placed({300, 200});  // where X does not tell, Qt is not moved
        QCOMPARE(geometry.correctionOf({0, 0}), std::nullopt);
    }

    void borderDrags() {
        const QRect start(100, 100, 300, 50);
        const QSize least = WindowGeometry::userMinimum(start.size(), 4);
        const struct { const char* name; Qt::Edges edges; QPoint delta; QRect result; } rows[] = {
            {"bottom, 60 down", Qt::BottomEdge, {0, 60}, {100, 100, 300, 110}},
            {"top-left corner, out", Qt::TopEdge | Qt::LeftEdge, {-10, -10}, {90, 90, 310, 60}},
            {"right past the left", Qt::RightEdge, {-400, 0}, {100, 100, 24, 50}},
            {"left past the right", Qt::LeftEdge, {400, 0}, {376, 100, 24, 50}},
            {"top past the bottom", Qt::TopEdge, {0, 100}, {100, 126, 300, 24}},
        };
        for (const auto& row : rows)
            QVERIFY2(WindowGeometry::resized(start, row.edges, row.delta, least) == row.result, row.name);
        QCOMPARE(WindowGeometry::userMinimum({10, 300}, 4), QSize(10, 24));  // a small window is not grown
    }
};

QTEST_MAIN(WindowGeometryTest)
#include "window_geometry_test.moc"
