#pragma once

#include <string>

#include "platform/files.h"

namespace yorvane {

// Whether the user is yet to be told what mark stands for, kept as an empty
// file of that name in the state folder: true the first time, which sets the
// mark. Where the folder cannot be written nothing is kept, and the next run
// tells again.
bool firstTimeFor(Files& files, const std::string& mark);

}  // namespace yorvane
