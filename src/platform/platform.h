#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/message_box.h"
#include "platform/timer.h"

namespace yorvane {

// The kind of desktop session the program runs in. Its windows are X11 windows
// in both; on Wayland they live on XWayland, which cannot read the screen.
enum class SessionKind { X11, Wayland };

// How far a replaced file must have got when the replacement returns: onto
// the disk, surviving a power cut; or into the kernel's hands, surviving any
// end of the program but not of the machine, without waiting for the disk.
enum class Durability { kOnDisk, kPastProgramEnd };

// What became of a screen copy.
enum class ScreenCopy {
  kCopied,
  kFailed,  // no picture came, or in time, or it could not be read
  // A screen of a palette (8 bits or fewer): its colours cannot be read.
  kPaletteScreen,
  kUnavailable,  // the desktop offers no way to copy the screen (no screenshot portal)
  kRefused,      // the desktop or the user refused
  kUnreadable,   // the desktop sent pixels in a layout the program cannot read
};

// Where the copies of a series come from, as the series starts.
enum class SeriesCopies {
  kUsual,         // the session's one way of copying the screen
  kScreenCast,    // a screen cast, open for the series: each copy is its newest frame
  kNoScreenCast,  // the desktop gave no screen cast (the user said no, or it cannot): screenshots
};

// One entry of a folder listing.
struct FolderEntry {
  std::string name;
  bool isDirectory = false;
};

// What an order for pictures came to, once its pictures are saved: the saved
// files' full paths, or why none was saved.
struct PicturesTaken {
  std::vector<std::string> paths;
  std::string failure;  // empty where a picture was saved
};
using PicturesDone = std::function<void(const PicturesTaken&)>;

// Orders another program gives the running one, e.g. a command bound to a key
// in the desktop's keyboard settings. Each runs as a handler of the program's
// own and answers an empty text when taken, else the reason it was not; done,
// where given, runs once the order's pictures are saved, or none could be.
class Orders {
 public:
  virtual ~Orders() = default;
  // What the one-shot button does.
  virtual std::string takeOneShot(PicturesDone done) = 0;
  // What the series button of the window in use does.
  virtual std::string startSeries(PicturesDone done) = 0;
  // Brings the window in use to the front.
  virtual void showWindow() = 0;
};

// Everything the program needs from the outside world. The logic talks to the
// desktop only through this interface; the Qt/X11 build and the test fake
// each implement it.
class Platform {
 public:
  virtual ~Platform() = default;

  // Screen: the primary screen, and a copy of it. Windows are laid out in
  // pixels of 15 twips, which a scaled screen makes larger than its device
  // pixels; screenSize() is in those, as windows are placed.
  virtual Size screenSize() = 0;
  // The screen's own pixels, as a copy has them, in one of those logical
  // pixels: 2 on a screen scaled to 200 %, also where the program's windows
  // see the screen unscaled (XWayland on a scaled Wayland monitor).
  virtual double screenScale() = 0;
  // Starts a copy of the whole primary screen into dest from its top-left
  // corner, in the screen's own pixels; dest becomes the screen's size. done
  // runs once with what became of it: at once where the copy is immediate
  // (X11), else later from the event loop (Wayland, where the desktop
  // answers). dest is written only as done runs, and not when the copy failed.
  // One copy at a time: the next is started once done has run.
  virtual void copyScreen(Image& dest, std::function<void(ScreenCopy)> done) = 0;
  virtual SessionKind sessionKind() = 0;
  // A series is about to start, the window in use still shown and focused:
  // where the desktop casts the screen (Wayland), the cast opens, asking the
  // user the first time, and done says where the series' copies come from
  // until seriesEnded. An open cast costs the desktop CPU at each repaint, so
  // it is open only while a series runs.
  virtual void startSeriesCopies(std::function<void(SeriesCopies)> done) = 0;
  virtual void seriesEnded() = 0;
  // Saves the whole image as a BMP file. False (with a reason) when it fails.
  virtual bool saveBmp(const Image& image, const std::string& path, std::string* reason) = 0;

  // Time.
  virtual std::unique_ptr<Timer> createTimer(std::string name, int intervalMs,
                                             std::function<void()> tick) = 0;
  // A clock that only goes forward, in milliseconds from an arbitrary start.
  virtual int64_t nowMs() = 0;

  // Interaction. Returns the answer of the button pressed.
  virtual BoxAnswer messageBox(const std::string& text, const std::string& title,
                               const BoxStyle& style) = 0;
  // Shows a message with an OK button and returns at once: the program goes on
  // and clicks reach its windows while the message is up.
  virtual void showNotice(const std::string& text, const std::string& title) = 0;
  // The X bell.
  virtual void beep() = 0;
  // Opens a file with the program the desktop associates with it (xdg-open);
  // the result is ignored.
  virtual void openWithAssociatedProgram(const std::string& path) = 0;
  // Plays an event sound of the desktop's sound theme ("camera-shutter"), or a
  // sound file, through the desktop's sound server without waiting for it to
  // end. False when no sound server takes it, so the caller can fall back.
  virtual bool playEventSound(const std::string& name) = 0;
  virtual bool playSoundFile(const std::string& path) = 0;

  // Whether the desktop keeps a window set topmost above the others. False
  // where its window manager offers no such layer, as sway's for XWayland.
  virtual bool keepsTopmostWindowsAbove() = 0;
  // Pointer in the screen copy's pixels, from the primary screen's top-left
  // corner (negative to its left or above it); nullopt when it cannot be read.
  // On Wayland it is known only while the pointer is over one of the
  // program's windows: the desktop tells no program where it is elsewhere.
  virtual std::optional<Point> pointerPosition() = 0;

  // Files and folders. Paths are full paths with '/' separators.
  virtual std::string applicationFolder() = 0;
  // The user's own folder for what the program remembers beside its settings
  // (a notice already shown), $XDG_STATE_HOME/yorvane; made when missing.
  virtual std::string stateFolder() = 0;
  // Full path of a document shipped with the program (readme, sound): the copy
  // in the application folder when there is one, else the installed one.
  virtual std::string findResource(const std::string& name) = 0;
  // Lists every entry of a folder, "." and ".." included; empty when unreadable.
  virtual std::vector<FolderEntry> listFolder(const std::string& path) = 0;
  virtual bool createFolder(const std::string& path, std::string* reason) = 0;
  // Reads at most maxBytes of a regular file; nullopt when it cannot be read.
  virtual std::optional<std::string> readFile(const std::string& path, size_t maxBytes) = 0;
  // Removes a file; false when it cannot.
  virtual bool removeFile(const std::string& path) = 0;
  // Takes the application folder for this program until it ends, however it
  // ends; false when another running program has it.
  virtual bool lockApplicationFolder() = 0;
  // Replaces the file's content as a whole: readers see the old or the new
  // content, never a torn one.
  virtual bool replaceFile(const std::string& path, const std::string& content,
                           Durability durability, std::string* reason) = 0;

  // Takes orders from other programs until the program ends (a service on the
  // session bus); false where none can reach it (no bus, or another program
  // holds the service).
  virtual bool acceptOrders(Orders& orders) = 0;

  // Ends the program at once: no further handler runs.
  [[noreturn]] void endProgram(int exitCode) {
    end(exitCode);
    std::abort();  // end() never returns
  }

 protected:
  // Stops the program; it must not return.
  virtual void end(int exitCode) = 0;
};

}  // namespace yorvane
