#pragma once

#include <QPixmap>
#include <QWidget>

namespace yorvane {

class Control;

// A frame: an etched border with the caption set into its top edge.
class FrameWidget : public QWidget {
 public:
  explicit FrameWidget(QWidget* parent);
  void setCaption(const QString& caption);
  void setBordered(bool bordered);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  bool bordered_ = true;
};

// Shows the control's persistent image from its top-left corner, one picture
// pixel to one device pixel.
class PictureBoxWidget : public QWidget {
 public:
  PictureBoxWidget(const Control& control, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Control& control_;
};

// A red one-pixel outline; the pointer goes through it to what lies below.
class ShapeWidget : public QWidget {
 public:
  explicit ShapeWidget(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A picture that answers a left click.
class PictureLabel : public QWidget {
  Q_OBJECT
 public:
  explicit PictureLabel(QWidget* parent);
  void setPixmap(const QPixmap& pixmap);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap pixmap_;
  bool pressed_ = false;
};

}  // namespace yorvane
