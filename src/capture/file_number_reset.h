#pragma once

#include "capture/picture_store.h"
#include "platform/platform.h"

namespace yorvane {

// Starts the numbering of the pictures again, after asking.
class FileNumberReset {
 public:
  FileNumberReset(Platform& platform, PictureStore& pictures)
      : platform_(platform), pictures_(pictures) {}

  void askAndReset();

 private:
  Platform& platform_;
  PictureStore& pictures_;
};

}  // namespace yorvane
