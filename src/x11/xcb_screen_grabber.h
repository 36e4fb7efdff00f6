#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/pixel_format.h"
#include "platform/screen_source.h"

struct xcb_connection_t;
struct xcb_screen_t;

namespace yorvane {

// Reads the primary monitor's part of the root window of the default X screen
// (the whole root window where RandR names no monitor) over a connection of
// its own, so it never interleaves requests with the toolkit's connection.
// The server copies the screen (MIT-SHM) into one segment kept across calls and
// re-made when the screen outgrows it; the image given to grab() lives in that
// segment, so no byte is copied on this side. Without the extension it falls
// back to GetImage. Screens of other depths (16 bits, 30 bits) are converted to
// 8 bits a channel; palette screens are refused.
class XcbScreenGrabber : public ScreenSource {
 public:
  enum class Method { Auto, GetImage };

  explicit XcbScreenGrabber(Method method = Method::Auto);
  ~XcbScreenGrabber() override;
  XcbScreenGrabber(const XcbScreenGrabber&) = delete;
  XcbScreenGrabber& operator=(const XcbScreenGrabber&) = delete;

  bool connected() const { return connection_ != nullptr; }
  bool usingSharedMemory() const { return shmSegment_ != 0; }
  // A screen whose pixels grab() refuses: a palette of 8 bits or fewer.
  bool paletteScreen() const { return connected() && !pixelFormatSupported(); }

  // The primary monitor's current size in pixels; {0, 0} without a display.
  Size screenSize();
  // The primary monitor into dest, its top bytes undefined. False leaves dest
  // untouched. dest then lives in the grabber's segment: the next grab into any
  // image overwrites it (copies of dest are unaffected).
  bool grab(Image& dest);
  // ScreenSource: grab(), with a palette screen told apart. Never busy.
  // Copies at once: done runs before copy returns.
  void copy(Image& dest, Done done) override;
  // Makes the shared segment for the primary monitor and has the server copy
  // into it once: the server's first copy into a fresh segment touches each
  // of its pages (at 3840x2160 about 8,000 page faults and 80-130 ms of the
  // server's time), which would otherwise fall on the first picture.
  void prepare() override;
  // Pointer in the same pixels as grab(), from the primary monitor's corner.
  std::optional<Point> pointerPosition();

 private:
  class Segment;
  // A rectangle of the root window.
  struct Area {
    int x = 0;
    int y = 0;
    Size size;
  };

  Area primaryArea();
  bool ensureSegment(Size size);
  void releaseSegment();
  bool grabShared(Image& dest, const Area& area);
  bool grabPlain(Image& dest, const Area& area);
  void readPixelFormat(const xcb_screen_t& screen);
  bool pixelFormatSupported() const { return format_.matchesImage() || format_.convertible(); }
  // Bytes of a screen copy of that size in the server's format, rows padded.
  size_t rawBytes(Size size) const;
  void takeConverted(Image& dest, const uint8_t* raw, Size size);

  xcb_connection_t* connection_ = nullptr;
  uint32_t root_ = 0;
  PixelFormat format_;
  uint8_t scanlinePad_ = 0;
  bool sharedMemoryWanted_ = true;
  bool monitorsKnown_ = false;
  uint32_t shmSegment_ = 0;  // server-side id; 0 when none
  std::shared_ptr<Segment> segment_;
};

}  // namespace yorvane
