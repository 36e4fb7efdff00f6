#pragma once

#include <pipewire/pipewire.h>
#include <spa/param/video/raw.h>

#include <chrono>
#include <cstdint>

#include "platform/geometry.h"
#include "platform/image.h"

namespace yorvane::wayland {

// The frames of a screen cast, read from PipeWire on a thread of PipeWire's
// own: each frame that comes replaces the one held, and nothing is copied
// until a copy is asked for. On a still screen no new frame comes, and the one
// held stays the current picture. Frames come in system memory, as 32-bit
// BGRx or BGRA words, which on a little-endian machine are the image's own
// 0xAARRGGBB pixels.
class CastStream {
 public:
  using Clock = std::chrono::steady_clock;

  enum class Newest {
    kCopied,
    kNone,        // no whole frame came at or after the time asked for
    kUnreadable,  // the frame's layout or size is not the one expected
    kEnded,       // the stream failed or was closed by the desktop
  };

  CastStream();
  ~CastStream();
  CastStream(const CastStream&) = delete;
  CastStream& operator=(const CastStream&) = delete;

  // Connects to the PipeWire remote the portal opened (fd, taken over) and
  // reads the node's frames. False when the connection cannot be made.
  bool open(int fd, uint32_t node);
  // The newest frame into dest, when it has the size expected and came at or
  // after notBefore; anything else leaves dest as it was.
  Newest copyNewest(Image& dest, Size expected, Clock::time_point notBefore);

 private:
  static void onStateChanged(void* data, pw_stream_state old, pw_stream_state state,
                             const char* error);
  static void onParamChanged(void* data, uint32_t id, const spa_pod* param);
  static void onRemoveBuffer(void* data, pw_buffer* buffer);
  static void onProcess(void* data);

  pw_thread_loop* loop_ = nullptr;
  pw_context* context_ = nullptr;
  pw_core* core_ = nullptr;
  pw_stream* stream_ = nullptr;
  spa_hook streamListener_{};
  // Written on PipeWire's thread, read under its loop's lock.
  spa_video_info_raw format_{};
  pw_buffer* held_ = nullptr;  // the newest whole frame, kept from the stream until the next
  Clock::time_point heldSince_;
  bool failed_ = false;
};

}  // namespace yorvane::wayland
