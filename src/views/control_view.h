#pragma once

#include <QObject>

#include "core/dispatcher.h"
#include "ui_model/control.h"

class QAbstractButton;
class QListWidget;
class QWidget;

namespace yorvane {

class FrameWidget;
class PictureLabel;

// The widget of one control: built from the control's kind, kept in step with
// the model, and passing what the user does back to the model.
class ControlView : public QObject {
 public:
  ControlView(Control& control, QWidget* parent, Dispatcher dispatch);

  Control& control() const { return control_; }
  QWidget* widget() const { return widget_; }
  // Brings every property of the widget in line with the control.
  void sync();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* createWidget(QWidget* parent);
  QAbstractButton* createButton(QWidget* parent);
  // What the user does, passed to the model through the dispatcher.
  void userClicked();
  void userChoseRow(int row);
  void syncButton();
  void syncList();

  Control& control_;
  Dispatcher dispatch_;
  QWidget* widget_ = nullptr;
  QAbstractButton* button_ = nullptr;
  QListWidget* list_ = nullptr;
  FrameWidget* frame_ = nullptr;
  PictureLabel* picture_ = nullptr;
  std::string shownArtwork_;
  std::string shownCaption_;
  bool syncing_ = false;
};

}  // namespace yorvane
