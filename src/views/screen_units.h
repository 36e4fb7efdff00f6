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
// the user expects. Screen copies measure in the screen's own pixels, which
// a picture box shows at the scale its control gives (the screen's pixels per
// logical pixel: where Qt's scale is the screen's, one picture pixel to one
// device pixel); what lies on a picture box measures in logical pixels.

// A window's outer rectangle, from twips to logical desktop pixels and back.
QRect windowRectOnDesktop(const Rect& twips);
Point windowPositionInTwips(QPoint desktop);
Size windowSizeInTwips(QSize logical);

// Units of the model in one logical pixel of contents measured in `unit`.
qreal unitsPerLogicalPixel(Unit unit);
// Pixels of the picture of `pictureBox`, shown in `widget`, in one logical pixel.
qreal picturePixelsPerLogicalPixel(const Control& pictureBox, const QWidget& widget);

}  // namespace yorvane
