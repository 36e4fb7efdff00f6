#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace yorvane::wayland {

// A monitor as the Wayland compositor knows it: its name, its place in the
// compositor's logical coordinates and its resolution (the current mode,
// turned as the monitor is).
struct CompositorOutput {
  QString name;
  QRect logical;
  QSize physical;
};

// The compositor's monitors, read over a Wayland connection of their own
// (XWayland tells the program only logical sizes); empty where no compositor
// answers or it tells no logical place (xdg-output).
std::vector<CompositorOutput> readCompositorOutputs();

}  // namespace yorvane::wayland
