#pragma once

#include "app/program.h"
#include "fake_platform.h"

namespace yorvane::testing {

// A whole program on the fake platform.
struct TestApp {
  explicit TestApp(Size screen = {64, 48}) : fake(screen) {}
  // A program started again on the application folder of an earlier one.
  explicit TestApp(const std::string& folder) : fake(folder) {}

  // Runs the start-up as the program's launch does.
  void start() {
    fake.run([this] { program.start(); });
  }
  // A click of the user on a control, delivered as the event loop does.
  void click(Control& c) {
    fake.run([this, &c] { program.dispatch([&c] { c.userClick(); }); });
  }
  void mouse(const std::function<void(const MouseEvent&)>& hook, int16_t button, float x, float y) {
    fake.run([this, &hook, button, x, y] {
      program.dispatch([&] { hook(MouseEvent{button, 0, x, y}); });
    });
  }

  FakePlatform fake;
  Program program{fake};
  Form1& f1 = program.form1;
  Form2& f2 = program.form2;
};

}  // namespace yorvane::testing
