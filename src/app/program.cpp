#include "app/program.h"

#include <new>

#include "ui_model/runtime_error.h"
#include "platform/message_box.h"

namespace yorvane {

Program::Program(Platform& p) : platform(p), form1(*this), form2(*this) {}

void Program::start() {
  dispatch([this] { form1.Form_Load(); });
}

void Program::dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const RuntimeError& e) {
    reportAndEnd(e.number(), e.description(), e.detail());
  } catch (const std::bad_alloc&) {
    reportAndEnd(7, "メモリが不足しています。", {});
  }
}

void Program::reportAndEnd(int number, const std::string& description, const std::string& detail) {
  std::string text = "実行時エラー '" + std::to_string(number) + "':\n\n" + description;
  if (!detail.empty()) text += "\n" + detail;
  platform.messageBox(text, "Yorvane", mb::kOkOnly + mb::kCritical);
  endAfterFailure();
}

void Program::storeSettings() {
  std::string reason;
  const std::string path = form1.settingsPath();
  if (!platform.replaceFile(path, form1.settingsRecord(), &reason)) {
    throw errors::pathFileAccess(path + ": " + reason);
  }
}

void Program::endAfterFailure() {
  // Without the stored number the next run would write over the pictures taken since the
  // last normal shutdown. Settings that were never loaded are left alone.
  if (form1.settingsLoaded()) {
    std::string reason;
    platform.replaceFile(form1.settingsPath(), form1.settingsRecord(), &reason);
  }
  platform.endProgram(1);
}

}  // namespace yorvane
