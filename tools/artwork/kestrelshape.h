#pragma once
// The kestrel silhouette shared by the background picture and the program icon.

#include <QPainterPath>

namespace kestrel::artwork {

inline QPainterPath kestrelShape()
{
    // A kestrel hovering, seen from below: long pointed wings with a bent wrist, a slim
    // body and a fanned tail; drawn in a 240 x 130 box.
    QPainterPath wings;
    wings.moveTo(112, 50);
    wings.cubicTo(92, 38, 70, 30, 52, 30);    // left inner leading edge to the wrist
    wings.cubicTo(34, 30, 16, 38, 2, 52);     // outer leading edge to the tip
    wings.cubicTo(26, 50, 48, 52, 66, 58);    // primaries back from the tip
    wings.cubicTo(84, 64, 100, 70, 112, 72);  // trailing edge to the body
    wings.lineTo(128, 72);
    wings.cubicTo(140, 70, 156, 64, 174, 58);
    wings.cubicTo(192, 52, 214, 50, 238, 52);
    wings.cubicTo(224, 38, 206, 30, 188, 30);
    wings.cubicTo(170, 30, 148, 38, 128, 50);
    wings.closeSubpath();

    QPainterPath body;
    body.addEllipse(QPointF(120, 56), 10, 26);
    QPainterPath head;
    head.addEllipse(QPointF(120, 30), 8, 9);

    QPainterPath tail;
    tail.moveTo(113, 76);
    tail.lineTo(104, 116);
    tail.quadTo(120, 124, 136, 116);
    tail.lineTo(127, 76);
    tail.closeSubpath();

    return wings.united(body).united(head).united(tail);
}

}  // namespace kestrel::artwork
