#pragma once

#include <QWidget>
#include <map>
#include <memory>

#include "ui_model/window.h"
#include "views/control_view.h"

namespace yorvane {

// The top-level widget of one window model and the widgets of its controls.
// It follows the model through WindowObserver and reports what the user and
// the window manager do back to it.
class WindowView : public QWidget, public WindowObserver {
 public:
  WindowView(Window& window, Dispatcher dispatch);
  ~WindowView() override;

  void windowChanged(Window& window) override;
  void controlChanged(Control& control) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void sync();
  void showIfWanted();
  void followPrimaryScreen(QScreen* screen);
  void keepPlaceOnDesktop();
  Qt::WindowFlags wantedFlags() const;

  Window& window_;
  Dispatcher dispatch_;
  std::map<const Control*, std::unique_ptr<ControlView>> controls_;
  // What the model asked for last; a move or resize event that merely
  // reports it is not a change by the user.
  QPoint appliedPos_;
  QSize appliedSize_;
  Qt::WindowFlags appliedFlags_;
  unsigned frontRequests_ = 0;  // the model's requests to come to the front, followed
  bool applying_ = false;
  bool showPending_ = false;
  QMetaObject::Connection primaryGeometry_;
};

}  // namespace yorvane
