#include "wayland/compositor_outputs.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "xdg-output-unstable-v1-client-protocol.h"

namespace yorvane::wayland {

namespace {

struct Output {
  wl_output* output = nullptr;
  zxdg_output_v1* xdg = nullptr;
  CompositorOutput seen;
  bool turned = false;  // by a quarter turn: its mode is tall where it shows wide
  bool placed = false;
};

struct Globals {
  zxdg_output_manager_v1* manager = nullptr;
  std::vector<std::unique_ptr<Output>> outputs;
};

void onGeometry(void* data, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*,
                const char*, int32_t transform) {
  // The odd transforms turn the monitor by 90 or 270 degrees.
  static_cast<Output*>(data)->turned = (transform & 1) != 0;
}
void onMode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
  if (flags & WL_OUTPUT_MODE_CURRENT) static_cast<Output*>(data)->seen.physical = {width, height};
}
void onDone(void*, wl_output*) {}
void onScale(void*, wl_output*, int32_t) {}
void onName(void* data, wl_output*, const char* name) {
  static_cast<Output*>(data)->seen.name = QString::fromUtf8(name);
}
void onDescription(void*, wl_output*, const char*) {}
const wl_output_listener kOutputListener = {onGeometry, onMode, onDone,
                                            onScale,    onName, onDescription};

void onLogicalPosition(void* data, zxdg_output_v1*, int32_t x, int32_t y) {
  auto* o = static_cast<Output*>(data);
  o->seen.logical.moveTo(x, y);
  o->placed = true;
}
void onLogicalSize(void* data, zxdg_output_v1*, int32_t width, int32_t height) {
  static_cast<Output*>(data)->seen.logical.setSize({width, height});
}
void onXdgDone(void*, zxdg_output_v1*) {}
void onXdgName(void* data, zxdg_output_v1*, const char* name) {
  static_cast<Output*>(data)->seen.name = QString::fromUtf8(name);
}
void onXdgDescription(void*, zxdg_output_v1*, const char*) {}
const zxdg_output_v1_listener kXdgOutputListener = {onLogicalPosition, onLogicalSize, onXdgDone,
                                                    onXdgName, onXdgDescription};

void onGlobal(void* data, wl_registry* registry, uint32_t id, const char* interface,
              uint32_t version) {
  auto* globals = static_cast<Globals*>(data);
  if (std::strcmp(interface, wl_output_interface.name) == 0) {
    auto output = std::make_unique<Output>();
    output->output = static_cast<wl_output*>(
        wl_registry_bind(registry, id, &wl_output_interface, std::min(version, 4u)));
    wl_output_add_listener(output->output, &kOutputListener, output.get());
    globals->outputs.push_back(std::move(output));
  } else if (std::strcmp(interface, zxdg_output_manager_v1_interface.name) == 0) {
    globals->manager = static_cast<zxdg_output_manager_v1*>(
        wl_registry_bind(registry, id, &zxdg_output_manager_v1_interface, std::min(version, 3u)));
  }
}
void onGlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistryListener = {onGlobal, onGlobalRemove};

}  // namespace

std::vector<CompositorOutput> readCompositorOutputs() {
  const char* socket = std::getenv("WAYLAND_DISPLAY");
  if (!socket || !*socket) return {};
  std::unique_ptr<wl_display, decltype(&wl_display_disconnect)> display(wl_display_connect(nullptr),
                                                                        wl_display_disconnect);
  if (!display) return {};
  Globals globals;
  wl_registry* registry = wl_display_get_registry(display.get());
  wl_registry_add_listener(registry, &kRegistryListener, &globals);
  wl_display_roundtrip(display.get());
  if (globals.manager) {
    for (auto& o : globals.outputs) {
      o->xdg = zxdg_output_manager_v1_get_xdg_output(globals.manager, o->output);
      zxdg_output_v1_add_listener(o->xdg, &kXdgOutputListener, o.get());
    }
  }
  // The outputs' own events, then their logical places.
  wl_display_roundtrip(display.get());
  wl_display_roundtrip(display.get());

  std::vector<CompositorOutput> found;
  for (auto& o : globals.outputs) {
    if (o->placed && !o->seen.logical.isEmpty() && !o->seen.physical.isEmpty()) {
      if (o->turned) o->seen.physical.transpose();
      found.push_back(o->seen);
    }
    if (o->xdg) zxdg_output_v1_destroy(o->xdg);
    wl_output_destroy(o->output);
  }
  if (globals.manager) zxdg_output_manager_v1_destroy(globals.manager);
  wl_registry_destroy(registry);
  return found;
}

}  // namespace yorvane::wayland
