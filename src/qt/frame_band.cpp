#include "qt/frame_band.h"

#include <algorithm>

Qt::Edges bandEdgesAt(QPoint pos, QSize outer, int thickness) {
    Qt::Edges edges;
    if (pos.x() < thickness) edges |= Qt::LeftEdge;
    if (pos.x() >= outer.width() - thickness) edges |= Qt::RightEdge;
    if (pos.y() < thickness) edges |= Qt::TopEdge;
    if (pos.y() >= outer.height() - thickness) edges |= Qt::BottomEdge;
    // A window narrower than two bands: prefer the nearer edge.
    if (edges.testFlag(Qt::LeftEdge) && edges.testFlag(Qt::RightEdge))
        edges &= ~(pos.x() * 2 < outer.width() ? Qt::Edges(Qt::RightEdge) : Qt::Edges(Qt::LeftEdge));
    if (edges.testFlag(Qt::TopEdge) && edges.testFlag(Qt::BottomEdge))
        edges &= ~(pos.y() * 2 < outer.height() ? Qt::Edges(Qt::BottomEdge) : Qt::Edges(Qt::TopEdge));
    return edges;
}

QRect clientRectOf(QSize outer, int thickness) {
    return QRect(thickness, thickness, std::max(0, outer.width() - 2 * thickness),
                 std::max(0, outer.height() - 2 * thickness));
}

Qt::CursorShape cursorForEdges(Qt::Edges edges) {
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling = (edges & Qt::LeftEdge) ? bool(edges & Qt::TopEdge) : bool(edges & Qt::BottomEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal) return Qt::SizeHorCursor;
    if (vertical) return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}
