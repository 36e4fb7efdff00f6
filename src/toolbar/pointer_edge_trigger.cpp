#include "toolbar/pointer_edge_trigger.h"

#include "core/handler_timer.h"
#include "platform/message_box.h"

namespace yorvane {

namespace {
constexpr int kPollMs = 100;
// Columns 0 to 4, and anything left of the primary screen, count as the edge.
constexpr int kEdgeWidth = 5;
}  // namespace

PointerEdgeTrigger::PointerEdgeTrigger(Desktop& desktop, Dialogs& dialogs, Clock& clock,
                                       const Dispatcher& dispatch, CaptureCommands& commands)
    : desktop_(desktop),
      dialogs_(dialogs),
      commands_(commands),
      pollTimer_(makeHandlerTimer(clock, dispatch, "pointerPollTimer", kPollMs,
                                  std::bind_front(&PointerEdgeTrigger::poll, this))) {}

void PointerEdgeTrigger::tellCannotWatch() {
  dialogs_.messageBox(
      "Wayland の画面では、ほかのウィンドウの上にあるマウスポインターの位置を読めないため、"
      "この機能は使えません\r"
      "手を使わずに撮るには、デスクトップのキーボード設定で、"
      "コマンド「yorvane --one-shot」をキーに割り当ててください。",
      "", {BoxButtons::kOk, BoxIcon::kInformation});
}

void PointerEdgeTrigger::poll() {
  // A poll whose read fails is skipped rather than taken for a pointer at the edge.
  const auto pointer = desktop_.pointerPosition();
  if (pointer && pointer->x < kEdgeWidth) commands_.startOneShot();
}

}  // namespace yorvane
