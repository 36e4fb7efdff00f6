// The frames of a screen cast, read from a stand-in cast on a PipeWire of the
// test's own: a still screen sends no frames, and the last one stays the
// picture.
#include "wayland/cast_stream.h"

#include <gtest/gtest.h>
#include <spa/param/video/format-utils.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <cstring>
#include <utility>

namespace yorvane {
namespace {

constexpr Size kFrame{8, 4};

class PipeWireDaemon {
 public:
  PipeWireDaemon() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
    environment.insert(QStringLiteral("PIPEWIRE_RUNTIME_DIR"), dir_.path());
    daemon_.setProcessEnvironment(environment);
    daemon_.setStandardOutputFile(QProcess::nullDevice());
    daemon_.setStandardErrorFile(QProcess::nullDevice());
    daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    daemon_.start(QStringLiteral("pipewire"), {});
  }
  ~PipeWireDaemon() {
    daemon_.kill();
    daemon_.waitForFinished();
  }
  // A new connection to it, or -1 when it does not take one within 5 s.
  int connect() {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = dir_.filePath(QStringLiteral("pipewire-0")).toLocal8Bit();
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    int fd = -1;
    (void)QTest::qWaitFor(
        [&] {
          fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
          if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
            return true;
          ::close(std::exchange(fd, -1));
          return daemon_.state() == QProcess::NotRunning;
        },
        5000);
    return fd;
  }

 private:
  QTemporaryDir dir_;
  QProcess daemon_;
};

// A desktop's screen cast: it sends a frame of one colour when told to, and
// links itself to the program's stream, as a session manager does.
class StandInCast {
 public:
  explicit StandInCast(int fd) {
    pw_init(nullptr, nullptr);
    loop_ = pw_thread_loop_new("stand-in-cast", nullptr);
    context_ = pw_context_new(pw_thread_loop_get_loop(loop_), nullptr, 0);
    pw_thread_loop_start(loop_);
    const Lock lock(loop_);
    core_ = pw_context_connect_fd(context_, fd, nullptr, 0);
    stream_ = pw_stream_new(core_, "stand-in-cast", nullptr);
    static const pw_stream_events events = [] {
      pw_stream_events e{};
      e.version = PW_VERSION_STREAM_EVENTS;
      e.param_changed = onParamChanged;
      e.process = onProcess;
      return e;
    }();
    pw_stream_add_listener(stream_, &streamListener_, &events, this);
    uint8_t memory[512];
    spa_pod_builder b = SPA_POD_BUILDER_INIT(memory, sizeof memory);
    spa_video_info_raw format{};
    format.format = SPA_VIDEO_FORMAT_BGRx;
    format.size =
        SPA_RECTANGLE(static_cast<uint32_t>(kFrame.width), static_cast<uint32_t>(kFrame.height));
    format.framerate = SPA_FRACTION(0, 1);
    const spa_pod* params[] = {spa_format_video_raw_build(&b, SPA_PARAM_EnumFormat, &format)};
    pw_stream_connect(
        stream_, PW_DIRECTION_OUTPUT, PW_ID_ANY,
        static_cast<pw_stream_flags>(PW_STREAM_FLAG_DRIVER | PW_STREAM_FLAG_MAP_BUFFERS), params,
        1);
// PipeWire's interface calls are C macros.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wold-style-cast"
#pragma GCC diagnostic ignored "-Wnull-dereference"
    registry_ = pw_core_get_registry(core_, PW_VERSION_REGISTRY, 0);
    static const pw_registry_events registryEvents = [] {
      pw_registry_events e{};
      e.version = PW_VERSION_REGISTRY_EVENTS;
      e.global = onGlobal;
      return e;
    }();
    pw_registry_add_listener(registry_, &registryListener_, &registryEvents, this);
#pragma GCC diagnostic pop
  }
  ~StandInCast() {
    pw_thread_loop_stop(loop_);
    spa_hook_remove(&registryListener_);
    pw_proxy_destroy(reinterpret_cast<pw_proxy*>(registry_));
    spa_hook_remove(&streamListener_);
    pw_stream_destroy(stream_);
    pw_core_disconnect(core_);
    pw_context_destroy(context_);
    pw_thread_loop_destroy(loop_);
  }
  // The stand-in's node, which the portal names to the program; SPA_ID_INVALID
  // until the stand-in is connected.
  uint32_t node() {
    const Lock lock(loop_);
    return pw_stream_get_node_id(stream_);
  }
  bool linked() {
    const Lock lock(loop_);
    return pw_stream_get_state(stream_, nullptr) == PW_STREAM_STATE_STREAMING;
  }
  void send(uint32_t colour, int stride = kFrame.width * 4) {
    const Lock lock(loop_);
    colour_ = colour;
    stride_ = stride;
    pw_stream_trigger_process(stream_);
  }

 private:
  class Lock {
   public:
    explicit Lock(pw_thread_loop* loop) : loop_(loop) { pw_thread_loop_lock(loop_); }
    ~Lock() { pw_thread_loop_unlock(loop_); }

   private:
    pw_thread_loop* loop_;
  };

  static void onParamChanged(void* data, uint32_t id, const spa_pod* param) {
    if (!param || id != SPA_PARAM_Format) return;
    auto* self = static_cast<StandInCast*>(data);
    uint8_t memory[256];
    spa_pod_builder b = SPA_POD_BUILDER_INIT(memory, sizeof memory);
    const int stride = kFrame.width * 4;
    const spa_pod* params[] = {static_cast<const spa_pod*>(spa_pod_builder_add_object(
        &b, SPA_TYPE_OBJECT_ParamBuffers, SPA_PARAM_Buffers, SPA_PARAM_BUFFERS_buffers,
        SPA_POD_Int(2), SPA_PARAM_BUFFERS_blocks, SPA_POD_Int(1), SPA_PARAM_BUFFERS_size,
        SPA_POD_Int(stride * kFrame.height), SPA_PARAM_BUFFERS_stride, SPA_POD_Int(stride),
        SPA_PARAM_BUFFERS_dataType, SPA_POD_Int(1 << SPA_DATA_MemFd)))};
    pw_stream_update_params(self->stream_, params, 1);
  }
  static void onProcess(void* data) {
    auto* self = static_cast<StandInCast*>(data);
    pw_buffer* buffer = pw_stream_dequeue_buffer(self->stream_);
    if (!buffer) return;
    spa_data& frame = buffer->buffer->datas[0];
    auto* words = static_cast<uint32_t*>(frame.data);
    std::fill(words, words + kFrame.width * kFrame.height, self->colour_);
    frame.chunk->offset = 0;
    frame.chunk->stride = self->stride_;
    frame.chunk->size = static_cast<uint32_t>(kFrame.width * kFrame.height * 4);
    pw_stream_queue_buffer(self->stream_, buffer);
  }
  static void onGlobal(void* data, uint32_t id, uint32_t, const char* type, uint32_t,
                       const spa_dict* props) {
    auto* self = static_cast<StandInCast*>(data);
    const char* kind = props ? spa_dict_lookup(props, PW_KEY_MEDIA_CLASS) : nullptr;
    if (std::strcmp(type, PW_TYPE_INTERFACE_Node) != 0 || !kind ||
        std::strcmp(kind, "Stream/Input/Video") != 0)
      return;
    pw_properties* link = pw_properties_new(PW_KEY_OBJECT_LINGER, "true", nullptr);
    pw_properties_setf(link, PW_KEY_LINK_OUTPUT_NODE, "%u", pw_stream_get_node_id(self->stream_));
    pw_properties_setf(link, PW_KEY_LINK_INPUT_NODE, "%u", id);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wold-style-cast"
#pragma GCC diagnostic ignored "-Wnull-dereference"
    pw_core_create_object(self->core_, "link-factory", PW_TYPE_INTERFACE_Link, PW_VERSION_LINK,
                          &link->dict, 0);
#pragma GCC diagnostic pop
    pw_properties_free(link);
  }

  pw_thread_loop* loop_;
  pw_context* context_;
  pw_core* core_;
  pw_stream* stream_;
  pw_registry* registry_;
  spa_hook streamListener_{};
  spa_hook registryListener_{};
  uint32_t colour_ = 0;
  int stride_ = 0;
};

TEST(CastStream, AStillScreenSendsNoFramesAndItsLastFrameStaysThePicture) {
  PipeWireDaemon pipewire;
  const int standInFd = pipewire.connect();
  if (standInFd < 0) GTEST_SKIP() << "pipewire cannot be started here";
  StandInCast desktop(standInFd);
  ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.node() != SPA_ID_INVALID; }, 5000));
  wayland::CastStream stream;
  ASSERT_TRUE(stream.open(pipewire.connect(), desktop.node()));
  ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.linked(); }, 5000));

  Image picture;
  const auto sentAt = wayland::CastStream::Clock::now();
  // The screen changes: the desktop sends frames, the newest one replacing the others.
  const auto screenShows = [&](uint32_t colour) {
    return QTest::qWaitFor(
        [&] {
          desktop.send(colour);
          return stream.copyNewest(picture, kFrame, sentAt) ==
                     wayland::CastStream::Newest::kCopied &&
                 (picture.pixel(kFrame.width - 1, kFrame.height - 1) & 0xffffff) == colour;
        },
        5000);
  };
  ASSERT_TRUE(screenShows(0x336699));
  ASSERT_TRUE(screenShows(0x996633));

  // Then it stands still, and no frame comes: every picture of a series is the last frame.
  QTest::qWait(300);
  for (int n = 0; n < 2; ++n) {
    picture = Image(kFrame.width, kFrame.height);
    EXPECT_EQ(stream.copyNewest(picture, kFrame, sentAt), wayland::CastStream::Newest::kCopied);
    EXPECT_EQ(picture.pixel(0, 0) & 0xffffff, 0x996633u);
  }
  // A frame older than the picture asked for is no picture of it.
  EXPECT_EQ(stream.copyNewest(picture, kFrame, wayland::CastStream::Clock::now()),
            wayland::CastStream::Newest::kNone);
  // Rows that overlap are no picture either.
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        desktop.send(0x336699, kFrame.width * 4 - 4);
        return stream.copyNewest(picture, kFrame, sentAt) ==
               wayland::CastStream::Newest::kUnreadable;
      },
      5000));
}

}  // namespace
}  // namespace yorvane
