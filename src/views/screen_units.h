#pragma once

#include <QPoint>
#include <QRect>

#include "platform/geometry.h"
#include "ui_model/control.h"

class QWidget;

namespace yorvane {

// The one place where the model's measures meet Qt's.
//
// The model lays windows out in twips, 15 to a pixel of a 96 dpi screen,
// counted from the top-left corner of the primary screen. Qt places widgets in
// logical pixels on the whole desktop; on a scaled screen a logical pixel
// covers several device pixels, so a window laid out in twips keeps the size
// the user expects. Screen copies measure in the screen's device pixels, and
// so do the picture boxes measured in pixels that show them: a snapshot is
// drawn one picture pixel to one device pixel, and a point on it names exactly
// one pixel of the screen.

// A window's outer rectangle, from twips to logical desktop pixels and back.
QRect windowRectOnDesktop(const Rect& twips);
Point windowPositionInTwips(QPoint desktop);
Size windowSizeInTwips(QSize logical);

// Units of the model in one logical pixel of `widget`, whose contents measure
// in `unit`; `pictureBox` says that it shows a picture.
qreal unitsPerLogicalPixel(Unit unit, bool pictureBox, const QWidget& widget);

}  // namespace yorvane
