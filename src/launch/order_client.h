#pragma once

#include <QString>
#include <QStringList>

namespace yorvane {

// The orders a second `yorvane`, started from a command line or a keyboard
// shortcut, gives the running program's service (see order_service.h).
enum class Order { kOneShot, kStartSeries, kTakePicture, kTakeSeries, kShowWindow };

struct OrderAnswer {
  // kTaken: the order was taken, and for the orders that wait, its pictures
  // saved; kRefused: it was not, or no picture was saved.
  enum Kind { kTaken, kRefused, kNoProgram } kind;
  QString reason;     // why it was refused, or why no program answered
  QStringList saved;  // the saved pictures' full paths, for the orders that wait
};

// Gives the running program the order.
OrderAnswer giveOrder(Order order);
// The application folder of the running program; empty when none answers.
QString runningProgramFolder();
// Starts this program anew, without an order, in the background and apart
// from this process, and waits until it takes orders; false when it does not
// in time.
bool startProgramInBackground();
// Closes the connection the orders went through.
void closeOrderConnection();

}  // namespace yorvane
