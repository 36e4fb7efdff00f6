#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStringList>
#include <string>

namespace yorvane {

// The small pictures of the picture-style controls, SVG files from data/artwork/
// drawn at the sizes the window layout was made for. Words in a picture are
// drawn in the language in use. A null pixmap for an unknown name.
QPixmap artworkPixmap(const std::string& name);

// The words a picture draws, in the language in use.
QStringList artworkWords(const std::string& name);

// The 32 x 32 window icon.
QIcon applicationIcon();

}  // namespace yorvane
