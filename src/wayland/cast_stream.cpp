#include "wayland/cast_stream.h"

#include <spa/buffer/meta.h>
#include <spa/param/video/format-utils.h>
#include <spa/pod/builder.h>

#include <cstdio>
#include <cstring>

namespace yorvane::wayland {

namespace {

// The largest side a frame may have.
constexpr uint32_t kMostPixels = 16384;
// Frames a second the desktop need send at most: a series ticks every half
// second or slower, and fewer frames spare the desktop's CPU without making
// the newest one older by more than a frame.
constexpr uint32_t kMostFramesPerSecond = 10;

// Holds PipeWire's loop, and so keeps its thread out, while it lives.
class LoopLock {
 public:
  explicit LoopLock(pw_thread_loop* loop) : loop_(loop) { pw_thread_loop_lock(loop_); }
  ~LoopLock() { pw_thread_loop_unlock(loop_); }
  LoopLock(const LoopLock&) = delete;
  LoopLock& operator=(const LoopLock&) = delete;

 private:
  pw_thread_loop* loop_;
};

// The formats the program takes: raw video of 32-bit words whose byte order
// is the image's own, any size, sent as the screen changes.
const spa_pod* offeredFormats(spa_pod_builder& b) {
  spa_pod_frame object;
  spa_pod_frame choice;
  spa_pod_builder_push_object(&b, &object, SPA_TYPE_OBJECT_Format, SPA_PARAM_EnumFormat);
  spa_pod_builder_prop(&b, SPA_FORMAT_mediaType, 0);
  spa_pod_builder_id(&b, SPA_MEDIA_TYPE_video);
  spa_pod_builder_prop(&b, SPA_FORMAT_mediaSubtype, 0);
  spa_pod_builder_id(&b, SPA_MEDIA_SUBTYPE_raw);
  spa_pod_builder_prop(&b, SPA_FORMAT_VIDEO_format, 0);
  spa_pod_builder_push_choice(&b, &choice, SPA_CHOICE_Enum, 0);
  for (const uint32_t format :
       {SPA_VIDEO_FORMAT_BGRx, SPA_VIDEO_FORMAT_BGRx, SPA_VIDEO_FORMAT_BGRA})
    spa_pod_builder_id(&b, format);
  spa_pod_builder_pop(&b, &choice);
  spa_pod_builder_prop(&b, SPA_FORMAT_VIDEO_size, 0);
  spa_pod_builder_push_choice(&b, &choice, SPA_CHOICE_Range, 0);
  spa_pod_builder_rectangle(&b, 1920, 1080);
  spa_pod_builder_rectangle(&b, 1, 1);
  spa_pod_builder_rectangle(&b, kMostPixels, kMostPixels);
  spa_pod_builder_pop(&b, &choice);
  spa_pod_builder_prop(&b, SPA_FORMAT_VIDEO_framerate, 0);
  spa_pod_builder_fraction(&b, 0, 1);
  spa_pod_builder_prop(&b, SPA_FORMAT_VIDEO_maxFramerate, 0);
  spa_pod_builder_push_choice(&b, &choice, SPA_CHOICE_Range, 0);
  spa_pod_builder_fraction(&b, kMostFramesPerSecond, 1);
  spa_pod_builder_fraction(&b, 1, 1);
  spa_pod_builder_fraction(&b, kMostFramesPerSecond, 1);
  spa_pod_builder_pop(&b, &choice);
  return static_cast<const spa_pod*>(spa_pod_builder_pop(&b, &object));
}

// Buffers the program can read in place (memory, or a file it maps), of one
// block each, with a header that marks a frame that is not whole.
const spa_pod* wantedBuffers(spa_pod_builder& b, const spa_video_info_raw& format) {
  const auto stride = static_cast<int32_t>(format.size.width * 4);
  spa_pod_frame object;
  spa_pod_frame choice;
  spa_pod_builder_push_object(&b, &object, SPA_TYPE_OBJECT_ParamBuffers, SPA_PARAM_Buffers);
  spa_pod_builder_prop(&b, SPA_PARAM_BUFFERS_buffers, 0);
  spa_pod_builder_push_choice(&b, &choice, SPA_CHOICE_Range, 0);
  for (const int32_t count : {4, 2, 16}) spa_pod_builder_int(&b, count);
  spa_pod_builder_pop(&b, &choice);
  spa_pod_builder_prop(&b, SPA_PARAM_BUFFERS_blocks, 0);
  spa_pod_builder_int(&b, 1);
  spa_pod_builder_prop(&b, SPA_PARAM_BUFFERS_size, 0);
  spa_pod_builder_int(&b, stride * static_cast<int32_t>(format.size.height));
  spa_pod_builder_prop(&b, SPA_PARAM_BUFFERS_stride, 0);
  spa_pod_builder_int(&b, stride);
  spa_pod_builder_prop(&b, SPA_PARAM_BUFFERS_dataType, 0);
  spa_pod_builder_push_choice(&b, &choice, SPA_CHOICE_Flags, 0);
  spa_pod_builder_int(&b, (1 << SPA_DATA_MemPtr) | (1 << SPA_DATA_MemFd));
  spa_pod_builder_pop(&b, &choice);
  return static_cast<const spa_pod*>(spa_pod_builder_pop(&b, &object));
}

const spa_pod* wantedHeader(spa_pod_builder& b) {
  spa_pod_frame object;
  spa_pod_builder_push_object(&b, &object, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta);
  spa_pod_builder_prop(&b, SPA_PARAM_META_type, 0);
  spa_pod_builder_id(&b, SPA_META_Header);
  spa_pod_builder_prop(&b, SPA_PARAM_META_size, 0);
  spa_pod_builder_int(&b, sizeof(spa_meta_header));
  return static_cast<const spa_pod*>(spa_pod_builder_pop(&b, &object));
}

bool whole(const pw_buffer* buffer) {
  const spa_buffer* frame = buffer->buffer;
  if (frame->n_datas < 1) return false;
  const spa_data& data = frame->datas[0];
  const auto* header = static_cast<const spa_meta_header*>(
      spa_buffer_find_meta_data(frame, SPA_META_Header, sizeof(spa_meta_header)));
  return data.data && data.chunk->size > 0 && (data.chunk->flags & SPA_CHUNK_FLAG_CORRUPTED) == 0 &&
         (!header || (header->flags & SPA_META_HEADER_FLAG_CORRUPTED) == 0);
}

}  // namespace

CastStream::CastStream() {
  pw_init(nullptr, nullptr);
}

CastStream::~CastStream() {
  if (loop_) pw_thread_loop_stop(loop_);
  // The stream gives back the frame it holds; its end is the program's own,
  // not one to report.
  if (stream_) {
    spa_hook_remove(&streamListener_);
    pw_stream_destroy(stream_);
  }
  if (core_) pw_core_disconnect(core_);
  if (context_) pw_context_destroy(context_);
  if (loop_) pw_thread_loop_destroy(loop_);
}

bool CastStream::open(int fd, uint32_t node) {
  static const pw_stream_events streamEvents = [] {
    pw_stream_events events{};
    events.version = PW_VERSION_STREAM_EVENTS;
    events.state_changed = onStateChanged;
    events.param_changed = onParamChanged;
    events.remove_buffer = onRemoveBuffer;
    events.process = onProcess;
    return events;
  }();
  loop_ = pw_thread_loop_new("yorvane-cast", nullptr);
  if (!loop_) return false;
  context_ = pw_context_new(pw_thread_loop_get_loop(loop_), nullptr, 0);
  if (!context_ || pw_thread_loop_start(loop_) < 0) return false;
  const LoopLock lock(loop_);
  core_ = pw_context_connect_fd(context_, fd, nullptr, 0);
  if (!core_) return false;
  stream_ = pw_stream_new(core_, "yorvane",
                          pw_properties_new(PW_KEY_MEDIA_TYPE, "Video", PW_KEY_MEDIA_CATEGORY,
                                            "Capture", PW_KEY_MEDIA_ROLE, "Screen", nullptr));
  if (!stream_) return false;
  pw_stream_add_listener(stream_, &streamListener_, &streamEvents, this);
  uint8_t memory[1024];
  spa_pod_builder b{};
  spa_pod_builder_init(&b, memory, sizeof memory);
  const spa_pod* formats[] = {offeredFormats(b)};
  const auto flags =
      static_cast<pw_stream_flags>(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS);
  const int result = pw_stream_connect(stream_, PW_DIRECTION_INPUT, node, flags, formats, 1);
  if (result < 0)
    std::fprintf(stderr, "yorvane: the screen cast's stream: %s\n", strerror(-result));
  return result >= 0;
}

CastStream::Newest CastStream::copyNewest(Image& dest, Size expected, Clock::time_point notBefore) {
  if (!loop_) return Newest::kEnded;
  const LoopLock lock(loop_);
  if (failed_) return Newest::kEnded;
  if (!held_ || heldSince_ < notBefore) return Newest::kNone;
  const spa_data& data = held_->buffer->datas[0];
  const uint64_t width = format_.size.width;
  const uint64_t height = format_.size.height;
  const uint64_t rowBytes = width * 4;
  const int64_t stride = data.chunk->stride;
  const bool imageLayout =
      format_.format == SPA_VIDEO_FORMAT_BGRx || format_.format == SPA_VIDEO_FORMAT_BGRA;
  if (!imageLayout || width != static_cast<uint64_t>(expected.width) ||
      height != static_cast<uint64_t>(expected.height) || width == 0 || height == 0 ||
      stride < static_cast<int64_t>(rowBytes) || stride % 4 != 0 ||
      data.chunk->offset + static_cast<uint64_t>(stride) * (height - 1) + rowBytes > data.maxsize) {
    std::fprintf(stderr,
                 "yorvane: a frame of the screen cast the program cannot read (format %u, "
                 "%llu x %llu, %lld bytes a row; the screen is %d x %d)\n",
                 format_.format, static_cast<unsigned long long>(width),
                 static_cast<unsigned long long>(height), static_cast<long long>(stride),
                 expected.width, expected.height);
    return Newest::kUnreadable;
  }
  dest.resize(expected.width, expected.height);
  const auto* from = static_cast<const uint8_t*>(data.data) + data.chunk->offset;
  if (static_cast<uint64_t>(stride) == rowBytes) {
    std::memcpy(dest.data(), from, rowBytes * height);
  } else {
    for (int y = 0; y < expected.height; ++y)
      std::memcpy(dest.row(y), from + static_cast<uint64_t>(stride) * static_cast<uint64_t>(y),
                  rowBytes);
  }
  return Newest::kCopied;
}

void CastStream::onStateChanged(void* data, pw_stream_state old, pw_stream_state state,
                                const char* error) {
  auto* self = static_cast<CastStream*>(data);
  // Unconnected after it was connected: the desktop closed the cast, or the
  // connection to PipeWire broke.
  if (state == PW_STREAM_STATE_ERROR ||
      (state == PW_STREAM_STATE_UNCONNECTED && old != PW_STREAM_STATE_UNCONNECTED)) {
    std::fprintf(stderr, "yorvane: the screen cast ended: %s\n",
                 error ? error : pw_stream_state_as_string(state));
    self->failed_ = true;
  }
}

void CastStream::onParamChanged(void* data, uint32_t id, const spa_pod* param) {
  auto* self = static_cast<CastStream*>(data);
  if (!param || id != SPA_PARAM_Format) return;
  spa_video_info_raw format{};
  if (spa_format_video_raw_parse(param, &format) < 0) return;
  self->format_ = format;
  uint8_t memory[1024];
  spa_pod_builder b{};
  spa_pod_builder_init(&b, memory, sizeof memory);
  const spa_pod* params[] = {wantedBuffers(b, format), wantedHeader(b)};
  pw_stream_update_params(self->stream_, params, 2);
}

// A new format takes the old buffers away, the one held too.
void CastStream::onRemoveBuffer(void* data, pw_buffer* buffer) {
  auto* self = static_cast<CastStream*>(data);
  if (self->held_ == buffer) self->held_ = nullptr;
}

// On PipeWire's thread: of the frames waiting, the newest whole one is kept
// and the others go back at once.
void CastStream::onProcess(void* data) {
  auto* self = static_cast<CastStream*>(data);
  pw_buffer* newest = nullptr;
  while (pw_buffer* buffer = pw_stream_dequeue_buffer(self->stream_)) {
    if (!whole(buffer)) {
      pw_stream_queue_buffer(self->stream_, buffer);
      continue;
    }
    if (newest) pw_stream_queue_buffer(self->stream_, newest);
    newest = buffer;
  }
  if (!newest) return;
  if (self->held_) pw_stream_queue_buffer(self->stream_, self->held_);
  self->held_ = newest;
  self->heldSince_ = Clock::now();
}

}  // namespace yorvane::wayland
