#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>

#include "platform/platform.h"

namespace yorvane {

// Where other programs reach the running program on the session bus.
inline constexpr char kOrderService[] = "io.github.yorvane.Yorvane";
inline constexpr char kOrderObject[] = "/io/github/yorvane/Yorvane";
inline constexpr char kOrderInterface[] = "io.github.yorvane.Yorvane";
// The error an order that cannot be taken now is answered with.
inline constexpr char kOrderRefused[] = "io.github.yorvane.Yorvane.Error.Busy";

// The running program's service: OneShot() and StartSeries() do what the
// buttons do, ShowWindow() brings the window to the front, ApplicationFolder()
// names the folder the program keeps its pictures in. An order that cannot be
// taken now is answered with an error whose text says why.
class OrderService : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "io.github.yorvane.Yorvane")

 public:
  OrderService(Orders& orders, QString applicationFolder);

 public slots:
  void OneShot();
  void StartSeries();
  void ShowWindow();
  QString ApplicationFolder() const { return applicationFolder_; }

 private:
  void answer(const std::string& refusal);

  Orders& orders_;
  QString applicationFolder_;
};

}  // namespace yorvane
