#pragma once

#include <QObject>
#include <memory>

#include "platform/app_folder.h"
#include "platform/platform.h"
#include "platform/posix_files_platform.h"
#include "platform/screen_source.h"
#include "qt_platform/canberra_player.h"
#include "x11/xcb_screen_grabber.h"

namespace yorvane {

// The platform of the real program: Qt widgets for windows, timers and boxes,
// X11 directly for the pointer, POSIX for files, the desktop's sound server for
// sounds, and the screen copied the way the session allows (see
// screen_source_loader.h). On a Wayland session the windows stay on XWayland.
class QtPlatform : public PosixFilesPlatform {
 public:
  // folders: where the program keeps its pictures, settings and state (programFolders()).
  explicit QtPlatform(AppFolders folders);
  ~QtPlatform() override;

  Size screenSize() override;
  double screenScale() override;
  void copyScreen(Image& dest, std::function<void(ScreenCopy)> done) override;
  SessionKind sessionKind() override { return session_; }
  void startSeriesCopies(std::function<void(SeriesCopies)> done) override;
  void seriesEnded() override;
  // Where the desktop asks the user once whether the program may copy the
  // screen, it asks now, on behalf of the program's focused window (see
  // ScreenSource::prime); the answer comes later and is the desktop's to keep.
  void primeScreenCopy();

  std::unique_ptr<Timer> createTimer(std::string name, int intervalMs,
                                     std::function<void()> tick) override;
  int64_t nowMs() override;

  BoxAnswer messageBox(const std::string& text, const std::string& title,
                       const BoxStyle& style) override;
  void showNotice(const std::string& text, const std::string& title) override;
  void beep() override;
  void openWithAssociatedProgram(const std::string& path) override;
  bool playEventSound(const std::string& name) override;
  bool playSoundFile(const std::string& path) override;

  bool keepsTopmostWindowsAbove() override;
  std::optional<Point> pointerPosition() override;

  std::string applicationFolder() override;
  std::string stateFolder() override;
  std::string findResource(const std::string& name) override;
  bool lockApplicationFolder() override;
  bool acceptOrders(Orders& orders) override;

 protected:
  void end(int exitCode) override;

 private:
  // How long after start the screen copy is set up: the windows are mapped by then.
  static constexpr int kPrepareDelayMs = 250;

  AppFolders folders_;
  SessionKind session_;
  std::unique_ptr<ScreenSource> screen_;
  XcbScreenGrabber pointer_;  // reads the pointer only
  CanberraPlayer sounds_;
  QObject qtContext_;  // ends the platform's timers and connections with it
  std::unique_ptr<QObject> orderService_;
};

}  // namespace yorvane
