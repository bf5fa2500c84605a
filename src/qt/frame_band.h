// The sizing band along the border of the frameless timer window. The band is
// what Windows calls the sizing frame: it belongs to the window, not to its
// client area, and a press in it resizes the window.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// Edges of a window of `outer` size whose band of `thickness` holds `pos`
// (window coordinates); empty inside the client area. Corners give two edges.
Qt::Edges bandEdgesAt(QPoint pos, QSize outer, int thickness);

// The client rectangle in window coordinates; never negative in size.
QRect clientRectOf(QSize outer, int thickness);

// The cursor that shows which way a press at these edges resizes.
Qt::CursorShape cursorForEdges(Qt::Edges edges);
