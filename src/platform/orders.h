#pragma once

#include <functional>
#include <string>
#include <vector>

namespace yorvane {

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

// Where other programs' orders reach the program.
class OrderInbox {
 public:
  virtual ~OrderInbox() = default;
  // Takes orders from other programs until the program ends (a service on the
  // session bus); false where none can reach it (no bus, or another program
  // holds the service).
  virtual bool acceptOrders(Orders& orders) = 0;
};

}  // namespace yorvane
