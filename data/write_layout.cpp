// Writes the windows' layout as shell variables for the end-to-end scripts
// (tests/e2e/lib.sh), from the windows the program builds, so a script clicks a
// control by its name wherever the layout puts it.
// Usage: write_layout OUTPUT.sh
#include <cctype>
#include <cmath>
#include <fstream>
#include <string>

#include "app/main_window.h"
#include "app/toolbar_window.h"
#include "ui_model/layout.h"

namespace yorvane {
namespace {

// "oneShotButton" as "one_shot_button", "delayOptions(2)" as "delay_options/2".
std::string shellName(const Control& c) {
  std::string name;
  for (const char ch : c.name()) {
    if (std::isupper(static_cast<unsigned char>(ch))) name += '_';
    name += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  }
  return c.index() < 0 ? name : name + "/" + std::to_string(c.index());
}

// The control's rectangle in twips from its window's client origin.
Rect twipsInWindow(const Control& c) {
  const Rect pixels = c.geometryInWindowPixels();
  const auto twips = [](float v) { return static_cast<float>(std::lround(v * kTwipsPerPixel)); };
  return {twips(pixels.left), twips(pixels.top), twips(pixels.width), twips(pixels.height)};
}

// Where a script clicks the control: its middle, or the box of a check box
// with a caption, which sits at its left.
std::string point(const Control& c) {
  const Rect r = twipsInWindow(c);
  const int width = static_cast<int>(r.width);
  const int height = static_cast<int>(r.height);
  const bool box = c.kind() == ControlKind::CheckBox && !c.caption().empty();
  const int x = static_cast<int>(r.left) + (box ? height / 2 : width / 2);
  return std::to_string(x) + " " + std::to_string(static_cast<int>(r.top) + height / 2);
}

bool inside(const Control& c, const Control& container) {
  for (const Control* at = c.container(); at; at = at->container()) {
    if (at == &container) return true;
  }
  return false;
}

}  // namespace
}  // namespace yorvane

int main(int argc, char** argv) {
  using namespace yorvane;
  if (argc != 2) return 2;
  std::ofstream out(argv[1]);
  namespace lm = layout::main_window;
  out << "# shellcheck shell=bash\n"
      << "# Written by the build (data/write_layout.cpp) from src/ui_model/layout.h.\n"
      << "# shellcheck disable=SC2034 # read by lib.sh and the tests\n"
      << "E2E_MAIN_FULL_WIDTH=" << lm::kFullWidth << "\n"
      << "E2E_MAIN_PARTIAL_WIDTH=" << lm::kPartialWidth << "\n"
      << "E2E_MAIN_HEIGHT=" << lm::kHeight << "\n"
      << "# Where click_control clicks, in twips from the window's client origin: the\n"
      << "# main window's controls in full-screen mode, with /partial in partial mode.\n"
      << "declare -gA E2E_CONTROL_POINTS=(\n";
  MainWindow main(Size{});
  for (const auto& c : main.window.controls()) {
    if (inside(*c, main.toolsFrame))
      out << "  [" << shellName(*c) << "/partial]=\"" << point(*c) << "\"\n";
  }
  main.toolsFrame.setLeft(lm::kToolsLeftFull);
  for (const auto& c : main.window.controls()) {
    out << "  [" << shellName(*c) << "]=\"" << point(*c) << "\"\n";
  }
  const ToolbarWindow toolbar;
  for (const auto& c : toolbar.window.controls()) {
    out << "  [toolbar/" << shellName(*c) << "]=\"" << point(*c) << "\"\n";
  }
  out << ")\n";
  return out ? 0 : 1;
}
