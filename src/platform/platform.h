#pragma once

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/orders.h"
#include "platform/program_end.h"
#include "platform/screen.h"
#include "platform/sounds.h"

namespace yorvane {

// Everything the program needs from the outside world, by job. The Qt/X11
// build and the test fake each implement all of it; each part of the logic
// is given only the jobs it uses.
class Platform : public Screen,
                 public Desktop,
                 public Clock,
                 public Dialogs,
                 public Sounds,
                 public Files,
                 public OrderInbox,
                 public ProgramEnd {};

}  // namespace yorvane
