#include "core/runtime_error.h"

namespace yorvane {

RuntimeError::RuntimeError(ErrorNumber number, const std::string& description,
                           const std::string& detail)
    : std::runtime_error(description + (detail.empty() ? "" : " (" + detail + ")")),
      number_(number),
      description_(description),
      detail_(detail) {}

namespace errors {
RuntimeError overflow() {
  return RuntimeError(ErrorNumber::kOverflow, "オーバーフローしました。");
}
RuntimeError invalidPropertyValue() {
  return RuntimeError(ErrorNumber::kInvalidPropertyValue, "プロパティの値が不正です。");
}
RuntimeError noSuchControlArrayElement() {
  return RuntimeError(ErrorNumber::kNoSuchControlArrayElement,
                      "コントロール配列の要素が存在しません。");
}
RuntimeError pathFileAccess(const std::string& detail) {
  return RuntimeError(ErrorNumber::kPathFileAccess, "パス名が無効です。", detail);
}
}  // namespace errors

std::string numberText(int16_t n) {
  // Built by append: GCC 12 at -O3 warns falsely (-Wrestrict) on " " + std::string.
  std::string text = n < 0 ? "" : " ";
  return text.append(std::to_string(n));
}

}  // namespace yorvane
