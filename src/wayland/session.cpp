#include "wayland/session.h"

#include <string_view>

namespace yorvane {

SessionKind sessionKindOf(const char* waylandDisplay, const char* sessionType) {
  const bool compositor = waylandDisplay != nullptr && *waylandDisplay != '\0';
  const bool waylandSession = sessionType != nullptr && std::string_view(sessionType) == "wayland";
  return compositor || waylandSession ? SessionKind::Wayland : SessionKind::X11;
}

}  // namespace yorvane
