#include "views/control_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <cmath>
#include <functional>

#include "launch/translation.h"
#include "ui_model/window.h"
#include "views/artwork.h"
#include "views/mouse_events.h"
#include "views/object_names.h"
#include "views/painted_controls.h"
#include "views/screen_units.h"

namespace yorvane {

namespace {

// The control's rectangle inside its parent widget, in logical pixels.
QRect rectInParent(const Control& c) {
  const Control* container = c.container();
  const Unit unit = container ? container->innerUnit() : c.window().innerUnit();
  const qreal scale = unitsPerLogicalPixel(unit);
  const auto px = [scale](float v) {
    return static_cast<int>(std::lround(static_cast<qreal>(v) / scale));
  };
  const Rect& g = c.geometry();
  return {px(g.left), px(g.top), px(g.width), px(g.height)};
}

QColor opaque(uint32_t rgb) {
  return QColor::fromRgb(0xFF000000u | rgb);
}

Qt::CheckState qtCheckState(CheckState state) {
  switch (state) {
    case CheckState::kTicked:
      return Qt::Checked;
    case CheckState::kGreyed:
      return Qt::PartiallyChecked;
    default:
      return Qt::Unchecked;
  }
}

// Width a check box or option button needs: its mark, the gap and the text.
int captionWidth(const QAbstractButton& button) {
  const QStyle* style = button.style();
  const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
  return style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth,
                            nullptr, &button) +
         style->pixelMetric(
             radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
             &button) +
         button.fontMetrics().horizontalAdvance(button.text());
}

// The layout's sizes were made for narrower marks than this toolkit draws; a
// caption that would be cut off at its control's edge is drawn in a smaller
// font instead, down to one that stays readable.
void fitCaption(QAbstractButton& button, int width) {
  constexpr int kSmallestPixelSize = 9;
  QFont font = QApplication::font(&button);
  button.setFont(font);
  for (int size = font.pixelSize() - 1; size >= kSmallestPixelSize && captionWidth(button) > width;
       --size) {
    font.setPixelSize(size);
    button.setFont(font);
  }
}

}  // namespace

ControlView::ControlView(Control& control, QWidget* parent, Dispatcher dispatch)
    : control_(control), dispatch_(std::move(dispatch)) {
  widget_ = createWidget(parent);
  widget_->setObjectName(objectNameOf(control_));
  // A press belongs to the control under the pointer alone, as each control
  // reports its own mouse events.
  widget_->setAttribute(Qt::WA_NoMousePropagation);
  if (control_.onMouseMove) widget_->setMouseTracking(true);
  widget_->installEventFilter(this);
  sync();
}

QWidget* ControlView::createWidget(QWidget* parent) {
  switch (control_.kind()) {
    case ControlKind::Frame:
      return frame_ = new FrameWidget(parent);
    case ControlKind::CommandButton:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
      return createButton(parent);
    case ControlKind::ListBox:
      list_ = new QListWidget(parent);
      connect(list_, &QListWidget::currentRowChanged, this, &ControlView::userChoseRow);
      return list_;
    case ControlKind::Image:
      picture_ = new PictureLabel(parent);
      connect(picture_, &PictureLabel::clicked, this, &ControlView::userClicked);
      return picture_;
    case ControlKind::PictureBox:
      return new PictureBoxWidget(control_, parent);
    case ControlKind::Shape:
      return new ShapeWidget(parent);
  }
  return new QWidget(parent);
}

QAbstractButton* ControlView::createButton(QWidget* parent) {
  const bool picture = !control_.artwork().empty();
  switch (control_.kind()) {
    case ControlKind::OptionButton: {
      auto* radio = new QRadioButton(parent);
      // The model keeps each group exclusive; Qt must not do it a second time.
      radio->setAutoExclusive(false);
      button_ = radio;
      break;
    }
    case ControlKind::CheckBox:
      if (picture) {
        button_ = new QPushButton(parent);
        button_->setCheckable(true);
      } else {
        button_ = new QCheckBox(parent);
      }
      break;
    default:
      button_ = new QPushButton(parent);
  }
  // Qt buttons click on the left button only, so a right drag never clicks.
  connect(button_, &QAbstractButton::clicked, this, &ControlView::userClicked);
  return button_;
}

void ControlView::userClicked() {
  dispatch_(std::bind_front(&Control::userClick, &control_));
  // The widget may have changed itself before the model said no.
  sync();
}

void ControlView::userChoseRow(int row) {
  if (syncing_) return;
  dispatch_(std::bind_front(&Control::userChooseItem, &control_, static_cast<int16_t>(row)));
  sync();
}

void ControlView::sync() {
  syncing_ = true;
  widget_->setGeometry(rectInParent(control_));
  widget_->setToolTip(translated(QString::fromStdString(control_.tip())));
  widget_->setEnabled(control_.enabled());
  if (const auto back = control_.backColor()) {
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Window, opaque(*back));
    pal.setColor(QPalette::Button, opaque(*back));
    widget_->setPalette(pal);
  }
  if (frame_) {
    frame_->setCaption(translated(QString::fromStdString(control_.caption())));
    frame_->setBordered(control_.borderStyle() != 0);
  }
  if (button_) syncButton();
  if (list_) syncList();
  if (picture_ && shownArtwork_ != control_.artwork()) {
    shownArtwork_ = control_.artwork();
    picture_->setPixmap(artworkPixmap(shownArtwork_));
  }
  widget_->setVisible(control_.visible());
  widget_->update();
  syncing_ = false;
}

void ControlView::syncButton() {
  if (shownArtwork_ != control_.artwork() || shownCaption_ != control_.caption()) {
    shownArtwork_ = control_.artwork();
    shownCaption_ = control_.caption();
    const QPixmap art = artworkPixmap(shownArtwork_);
    button_->setIcon(art.isNull() ? QIcon() : QIcon(art));
    // A picture larger than its button is shrunk to fit rather than cut off.
    if (!art.isNull()) {
      const QSize room = widget_->size() - QSize(4, 4);
      QSize fit = art.size();
      if (room.isValid() && (fit.width() > room.width() || fit.height() > room.height())) {
        fit.scale(room, Qt::KeepAspectRatio);
      }
      button_->setIconSize(fit);
    }
    button_->setText(art.isNull() ? translated(QString::fromStdString(control_.caption()))
                                  : QString());
    if (art.isNull() && !qobject_cast<QPushButton*>(button_))
      fitCaption(*button_, widget_->width());
  }
  switch (control_.kind()) {
    case ControlKind::OptionButton:
      button_->setChecked(control_.selected());
      break;
    case ControlKind::CheckBox:
      if (auto* box = qobject_cast<QCheckBox*>(button_)) {
        box->setTristate(control_.checkState() == CheckState::kGreyed);
        box->setCheckState(qtCheckState(control_.checkState()));
      } else {
        button_->setChecked(control_.ticked());
      }
      break;
    default:
      break;
  }
}

void ControlView::syncList() {
  const auto& items = control_.items();
  bool same = list_->count() == static_cast<int>(items.size());
  for (int i = 0; same && i < list_->count(); ++i) {
    same = list_->item(i)->text().toStdString() == items[static_cast<size_t>(i)];
  }
  if (!same) {
    list_->clear();
    for (const auto& text : items) list_->addItem(QString::fromStdString(text));
  }
  if (list_->currentRow() != control_.listIndex()) list_->setCurrentRow(control_.listIndex());
  if (control_.listIndex() < 0) list_->clearSelection();
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget_) return false;
  std::function<void(const MouseEvent&)>* hook = nullptr;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      hook = &control_.onMouseDown;
      break;
    case QEvent::MouseMove:
      hook = &control_.onMouseMove;
      break;
    case QEvent::MouseButtonRelease:
      hook = &control_.onMouseUp;
      break;
    default:
      return false;
  }
  if (*hook) {
    const MouseEvent me =
        toMouseEvent(*static_cast<QMouseEvent*>(event), unitsPerLogicalPixel(control_.innerUnit()));
    dispatch_([hook, me] { (*hook)(me); });
  }
  return false;
}

}  // namespace yorvane
