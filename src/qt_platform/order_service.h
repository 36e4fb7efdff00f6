#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "launch/order_names.h"
#include "platform/platform.h"

namespace yorvane {

// The running program's service: OneShot() and StartSeries() do what the
// buttons do and answer once the order is taken; TakePicture() and
// TakeSeries() do the same and answer once the pictures are saved, with their
// files' full paths; ShowWindow() brings the window to the front;
// ApplicationFolder() names the folder the program keeps its pictures in. An
// order that cannot be taken now is answered with an error whose text says
// why, as is one whose pictures could not be saved.
class OrderService : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", YORVANE_ORDER_INTERFACE)

 public:
  // prime readies the screen copy before a picture (QtPlatform::primeScreenCopy).
  OrderService(Orders& orders, QString applicationFolder, std::function<void()> prime);

 public slots:
  void OneShot();
  void StartSeries();
  QString TakePicture();
  QStringList TakeSeries();
  void ShowWindow();
  QString ApplicationFolder() const { return applicationFolder_; }

 private:
  void answer(const std::string& refusal);
  // Answers the call in hand once the order's pictures are saved.
  void answerWhenSaved(const std::function<std::string(PicturesDone)>& order, bool list);

  Orders& orders_;
  QString applicationFolder_;
  std::function<void()> prime_;
};

}  // namespace yorvane
