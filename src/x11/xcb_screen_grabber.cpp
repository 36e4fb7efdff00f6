#include "x11/xcb_screen_grabber.h"

#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/randr.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/pixel_format.h"
#include "x11/xcb_reply.h"

namespace yorvane {

namespace {

size_t byteCount(Size size) {
  return static_cast<size_t>(size.width) * static_cast<size_t>(size.height) * 4;
}

}  // namespace

// A System V shared-memory segment mapped into this process, page-aligned.
// Marked for removal as soon as the server has attached it, so it goes away
// with the last detach, even on a crash.
class XcbScreenGrabber::Segment : public PixelMemory {
 public:
  Segment(void* address, size_t bytes) : address_(address), bytes_(bytes) {}
  ~Segment() override { shmdt(address_); }
  Segment(const Segment&) = delete;
  Segment& operator=(const Segment&) = delete;

  uint32_t* pixels() override { return static_cast<uint32_t*>(address_); }
  size_t capacity() const override { return bytes_ / 4; }

 private:
  void* address_;
  size_t bytes_;
};

XcbScreenGrabber::XcbScreenGrabber(Method method) : sharedMemoryWanted_(method == Method::Auto) {
  int screenNumber = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(c)) {
    xcb_disconnect(c);
    return;
  }
  const xcb_setup_t* setup = xcb_get_setup(c);
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
  for (int i = 0; i < screenNumber && it.rem > 0; ++i) xcb_screen_next(&it);
  if (it.rem == 0) {
    xcb_disconnect(c);
    return;
  }
  connection_ = c;
  root_ = it.data->root;
  readPixelFormat(*it.data);
  if (sharedMemoryWanted_) {
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_shm_id);
    sharedMemoryWanted_ = ext != nullptr && ext->present;
  }
  // Monitors, and which of them is primary, came with RandR 1.5.
  const xcb_query_extension_reply_t* randr = xcb_get_extension_data(c, &xcb_randr_id);
  if (randr != nullptr && randr->present) {
    xcb::Reply<xcb_randr_query_version_reply_t> version(
        xcb_randr_query_version_reply(c, xcb_randr_query_version(c, 1, 5), nullptr));
    monitorsKnown_ = version && (version->major_version > 1 ||
                                 (version->major_version == 1 && version->minor_version >= 5));
  }
}

XcbScreenGrabber::~XcbScreenGrabber() {
  releaseSegment();
  if (connection_) xcb_disconnect(connection_);
}

void XcbScreenGrabber::readPixelFormat(const xcb_screen_t& screen) {
  const xcb_setup_t* setup = xcb_get_setup(connection_);
  for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem > 0; xcb_format_next(&f)) {
    if (f.data->depth == screen.root_depth) {
      format_.bitsPerPixel = f.data->bits_per_pixel;
      scanlinePad_ = f.data->scanline_pad;
    }
  }
  // A palette visual (8 bits and less) has no colour masks and stays refused.
  format_.redMask = format_.greenMask = format_.blueMask = 0;
  for (auto d = xcb_screen_allowed_depths_iterator(&screen); d.rem > 0; xcb_depth_next(&d)) {
    for (auto v = xcb_depth_visuals_iterator(d.data); v.rem > 0; xcb_visualtype_next(&v)) {
      const bool masked = v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR ||
                          v.data->_class == XCB_VISUAL_CLASS_DIRECT_COLOR;
      if (v.data->visual_id == screen.root_visual && masked) {
        format_.redMask = v.data->red_mask;
        format_.greenMask = v.data->green_mask;
        format_.blueMask = v.data->blue_mask;
      }
    }
  }
  if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) format_.bitsPerPixel = 0;
}

size_t XcbScreenGrabber::rawBytes(Size size) const {
  const size_t pad = scanlinePad_ > 0 ? scanlinePad_ : 32;
  const size_t rowBits = static_cast<size_t>(size.width) * format_.bitsPerPixel;
  return (rowBits + pad - 1) / pad * pad / 8 * static_cast<size_t>(size.height);
}

void XcbScreenGrabber::takeConverted(Image& dest, const uint8_t* raw, Size size) {
  // The raw pixels may lie in the memory dest uses: give dest memory of its own.
  if (segment_ && dest.usesMemory(*segment_)) dest = Image();
  dest.resize(size.width, size.height);
  convertPixels(raw, rawBytes({size.width, 1}), format_, dest);
}

XcbScreenGrabber::Area XcbScreenGrabber::primaryArea() {
  // Asked anew each time: monitors come and go while the program runs, and
  // the answer is one short round trip.
  const auto monitors = xcb_randr_get_monitors(connection_, root_, /*get_active=*/1);
  const auto geometry = xcb_get_geometry(connection_, root_);
  xcb::Reply<xcb_randr_get_monitors_reply_t> list(
      monitorsKnown_ ? xcb_randr_get_monitors_reply(connection_, monitors, nullptr) : nullptr);
  if (!monitorsKnown_) xcb_discard_reply(connection_, monitors.sequence);
  xcb::Reply<xcb_get_geometry_reply_t> root(xcb_get_geometry_reply(connection_, geometry, nullptr));
  if (!root) return {};
  const Area whole{0, 0, {root->width, root->height}};
  if (!list) return whole;
  std::optional<Area> first;
  for (auto it = xcb_randr_get_monitors_monitors_iterator(list.get()); it.rem > 0;
       xcb_randr_monitor_info_next(&it)) {
    const Area area{it.data->x, it.data->y, {it.data->width, it.data->height}};
    // A monitor reaching past the root window cannot be copied whole.
    if (area.x < 0 || area.y < 0 || area.x + area.size.width > whole.size.width ||
        area.y + area.size.height > whole.size.height) {
      continue;
    }
    if (it.data->primary) return area;
    if (!first) first = area;
  }
  return first.value_or(whole);
}

Size XcbScreenGrabber::screenSize() {
  if (!connection_) return {};
  return primaryArea().size;
}

std::optional<Point> XcbScreenGrabber::pointerPosition() {
  if (!connection_) return std::nullopt;
  const auto cookie = xcb_query_pointer(connection_, root_);
  const Area area = primaryArea();
  xcb::Reply<xcb_query_pointer_reply_t> p(xcb_query_pointer_reply(connection_, cookie, nullptr));
  if (!p || !p->same_screen) return std::nullopt;
  return Point{p->root_x - area.x, p->root_y - area.y};
}

bool XcbScreenGrabber::grab(Image& dest) {
  if (!connection_ || !pixelFormatSupported()) return false;
  const Area area = primaryArea();
  if (area.size.width <= 0 || area.size.height <= 0) return false;
  if (sharedMemoryWanted_ && ensureSegment(area.size)) return grabShared(dest, area);
  return grabPlain(dest, area);
}

void XcbScreenGrabber::copy(Image& dest, Done done) {
  if (grab(dest)) {
    done(ScreenCopy::kCopied);
  } else {
    done(paletteScreen() ? ScreenCopy::kPaletteScreen : ScreenCopy::kFailed);
  }
}

void XcbScreenGrabber::prepare() {
  if (!connection_ || !sharedMemoryWanted_ || !pixelFormatSupported()) return;
  const Area area = primaryArea();
  const std::shared_ptr<Segment> before = segment_;
  if (area.size.width <= 0 || area.size.height <= 0 || !ensureSegment(area.size)) return;
  // Only a segment made now: an older one may hold the last picture.
  if (segment_ == before) return;
  Image warmUp;
  grabShared(warmUp, area);
}

bool XcbScreenGrabber::ensureSegment(Size size) {
  if (shmSegment_ != 0 && segment_->capacity() * 4 >= byteCount(size)) return true;
  releaseSegment();
  const size_t bytes = byteCount(size);
  const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
  if (id < 0) {
    sharedMemoryWanted_ = false;
    return false;
  }
  void* address = shmat(id, nullptr, 0);
  const uint32_t segment = xcb_generate_id(connection_);
  xcb_generic_error_t* error = nullptr;
  if (address != reinterpret_cast<void*>(-1)) {
    error = xcb_request_check(connection_,
                              xcb_shm_attach_checked(connection_, segment, id, /*read_only=*/0));
  }
  // Marked for removal now: it goes away with the last detach, even on a crash.
  shmctl(id, IPC_RMID, nullptr);
  if (address == reinterpret_cast<void*>(-1) || error) {
    std::free(error);
    if (address != reinterpret_cast<void*>(-1)) shmdt(address);
    sharedMemoryWanted_ = false;  // a remote display: no point in trying again
    return false;
  }
  shmSegment_ = segment;
  segment_ = std::make_shared<Segment>(address, bytes);
  return true;
}

void XcbScreenGrabber::releaseSegment() {
  if (shmSegment_ == 0) return;
  xcb_shm_detach(connection_, shmSegment_);
  xcb_flush(connection_);
  shmSegment_ = 0;
  segment_.reset();  // an image still living in it keeps it mapped
}

bool XcbScreenGrabber::grabShared(Image& dest, const Area& area) {
  const Size size = area.size;
  const auto cookie = xcb_shm_get_image(
      connection_, root_, static_cast<int16_t>(area.x), static_cast<int16_t>(area.y),
      static_cast<uint16_t>(size.width), static_cast<uint16_t>(size.height), ~0u,
      XCB_IMAGE_FORMAT_Z_PIXMAP, shmSegment_, 0);
  xcb_generic_error_t* error = nullptr;
  xcb::Reply<xcb_shm_get_image_reply_t> reply(xcb_shm_get_image_reply(connection_, cookie, &error));
  std::free(error);
  if (!reply || reply->size < rawBytes(size)) return false;
  if (format_.matchesImage()) {
    dest.useMemory(segment_, size.width, size.height);
  } else {
    takeConverted(dest, reinterpret_cast<const uint8_t*>(segment_->pixels()), size);
  }
  return true;
}

bool XcbScreenGrabber::grabPlain(Image& dest, const Area& area) {
  const Size size = area.size;
  const auto cookie =
      xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, static_cast<int16_t>(area.x),
                    static_cast<int16_t>(area.y), static_cast<uint16_t>(size.width),
                    static_cast<uint16_t>(size.height), ~0u);
  xcb_generic_error_t* error = nullptr;
  xcb::Reply<xcb_get_image_reply_t> reply(xcb_get_image_reply(connection_, cookie, &error));
  std::free(error);
  if (!reply) return false;
  const int length = xcb_get_image_data_length(reply.get());
  if (length < 0 || static_cast<size_t>(length) < rawBytes(size)) return false;
  if (format_.matchesImage()) {
    dest.resize(size.width, size.height);
    std::memcpy(dest.data(), xcb_get_image_data(reply.get()), byteCount(size));
  } else {
    takeConverted(dest, xcb_get_image_data(reply.get()), size);
  }
  return true;
}

}  // namespace yorvane
