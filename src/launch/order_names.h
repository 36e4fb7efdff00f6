#pragma once

namespace yorvane {

// Where other programs reach the running program on the session bus.
#define YORVANE_ORDER_INTERFACE "io.github.yorvane.Yorvane"
inline constexpr char kOrderService[] = "io.github.yorvane.Yorvane";
inline constexpr char kOrderObject[] = "/io/github/yorvane/Yorvane";
inline constexpr char kOrderInterface[] = YORVANE_ORDER_INTERFACE;
// The error an order that cannot be taken now is answered with.
inline constexpr char kOrderRefused[] = "io.github.yorvane.Yorvane.Error.Busy";
// The error an order whose pictures could not be saved is answered with.
inline constexpr char kOrderFailed[] = "io.github.yorvane.Yorvane.Error.NotSaved";

}  // namespace yorvane
