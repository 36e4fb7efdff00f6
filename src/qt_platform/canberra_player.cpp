#include "qt_platform/canberra_player.h"

#include <canberra.h>

namespace yorvane {

namespace {
// True when the sound server took the sound. A sound the user switched off in
// the desktop's settings counts as played: the fallback would sound anyway.
bool taken(int result) {
  return result == CA_SUCCESS || result == CA_ERROR_DISABLED;
}
}  // namespace

CanberraPlayer::CanberraPlayer() {
  if (ca_context_create(&context_) != CA_SUCCESS) {
    context_ = nullptr;
    return;
  }
  // The sound server only (PulseAudio, or PipeWire's PulseAudio service): where
  // none runs, the caller falls back to the bell and xdg-open.
  const bool opened =
      ca_context_set_driver(context_, "pulse") == CA_SUCCESS &&
      ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Yorvane", CA_PROP_APPLICATION_ID,
                              "yorvane", nullptr) == CA_SUCCESS &&
      ca_context_open(context_) == CA_SUCCESS;
  if (!opened) {
    ca_context_destroy(context_);
    context_ = nullptr;
  }
}

CanberraPlayer::~CanberraPlayer() {
  if (context_) ca_context_destroy(context_);
}

bool CanberraPlayer::playEvent(const std::string& name) {
  return context_ && taken(ca_context_play(context_, 0, CA_PROP_EVENT_ID, name.c_str(), nullptr));
}

bool CanberraPlayer::playFile(const std::string& path) {
  return context_ &&
         taken(ca_context_play(context_, 0, CA_PROP_MEDIA_FILENAME, path.c_str(), nullptr));
}

}  // namespace yorvane
