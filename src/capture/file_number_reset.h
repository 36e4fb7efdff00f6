#pragma once

#include "capture/picture_store.h"
#include "platform/dialogs.h"

namespace yorvane {

// Starts the numbering of the pictures again, after asking.
class FileNumberReset {
 public:
  FileNumberReset(Dialogs& dialogs, PictureStore& pictures)
      : dialogs_(dialogs), pictures_(pictures) {}

  void askAndReset();

 private:
  Dialogs& dialogs_;
  PictureStore& pictures_;
};

}  // namespace yorvane
