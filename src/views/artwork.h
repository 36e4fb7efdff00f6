#pragma once

#include <QIcon>
#include <QPixmap>
#include <string>

namespace yorvane {

// The small pictures of the picture-style controls, SVG files from data/artwork/
// drawn at the sizes the window layout was made for. A null pixmap for an
// unknown name.
QPixmap artworkPixmap(const std::string& name);

// The 32 x 32 window icon.
QIcon applicationIcon();

}  // namespace yorvane
