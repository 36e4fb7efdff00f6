#pragma once

#include <cstdint>

#include "ui_model/control.h"
#include "app/globals.h"
#include "ui_model/window.h"

namespace yorvane {

class Program;

// The compact toolbar: a borderless strip with the capture buttons that
// stands in for the main window while a video is watched.
class Form2 {
 public:
  explicit Form2(Program& program);
  Form2(const Form2&) = delete;
  Form2& operator=(const Form2&) = delete;

  Window window;

  Control& Picture1;
  Control& Command1;
  Control& Command3;
  Control& Check2;
  Control& Command5;
  Control& Image2;

  // Where inside the pressed control the last press was, in twips.
  int16_t DragX = 0;
  int16_t DragY = 0;

  void Image2_Click();
  void Command1_Click();
  void Command3_Click();
  void Check2_Click();
  void Command5_Click();

  // One press and one move handler serve the window and all its controls;
  // only Picture1 also follows the left button.
  void Form_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
  void Picture1_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void Picture1_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
  void Command1_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void Command1_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
  void Command3_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void Command3_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
  void Command5_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void Command5_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
  void Check2_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void Check2_MouseMove(int16_t Button, int16_t Shift, float X, float Y);

 private:
  void recordPress(float X, float Y);
  void drag(bool follows, float X, float Y);
  void wireEvents();

  Program& program_;
  Globals& g_;
};

}  // namespace yorvane
