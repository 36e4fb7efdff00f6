#include "launch/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "launch/order_client.h"
#include "launch/translation.h"

namespace yorvane {

namespace {
void say(const QString& text) {
  std::fprintf(stderr, "yorvane: %s\n", qPrintable(translated(text)));
}
}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Saves the screen, or a rectangle picked beforehand, as numbered BMP wallpapers.\n"
      "With an option, gives the order to the Yorvane already running, for a key bound\n"
      "to the command in the desktop's keyboard settings."));
  const QCommandLineOption oneShot(
      QStringLiteral("one-shot"),
      QStringLiteral("Take a picture, as the one-shot button does; starts Yorvane first where "
                     "none is running."));
  const QCommandLineOption series(
      QStringLiteral("series"),
      QStringLiteral("Start a series, as the series button does, in the running Yorvane."));
  const QCommandLineOption wait(
      QStringLiteral("wait"),
      QStringLiteral("With --one-shot or --series: end once the pictures are saved, printing "
                     "each saved file's full path on a line of its own."));
  parser.addOptions({oneShot, series, wait});
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (!parser.parse(arguments) || parser.isSet(help) || parser.isSet(version)) {
    // Printing help needs no display: a plain application object does.
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("yorvane"));
    app.setApplicationVersion(QStringLiteral(YORVANE_VERSION));
    parser.process(app);
  }
  CommandLine command;
  if (parser.isSet(oneShot))
    command.order = StartOrder::kOneShot;
  else if (parser.isSet(series))
    command.order = StartOrder::kSeries;
  command.wait = parser.isSet(wait) && command.order != StartOrder::kNone;
  return command;
}

namespace {

// The order's pictures, waited for: their paths on standard output.
int printSaved(const OrderAnswer& answer) {
  if (answer.kind != OrderAnswer::kTaken) {
    say(answer.reason);
    return 1;
  }
  for (const QString& path : answer.saved) std::printf("%s\n", qPrintable(path));
  return 0;
}

// The order, given: an exit status, or nullopt where this process is to be the program.
std::optional<int> giveOrderOf(const CommandLine& command, const std::string& applicationFolder) {
  if (command.order == StartOrder::kNone) {
    if (runningProgramFolder() != QString::fromStdString(applicationFolder)) return std::nullopt;
    giveOrder(Order::kShowWindow);
    return 0;
  }
  const Order order = command.order == StartOrder::kOneShot
                          ? (command.wait ? Order::kTakePicture : Order::kOneShot)
                          : (command.wait ? Order::kTakeSeries : Order::kStartSeries);
  const OrderAnswer answer = giveOrder(order);
  if (answer.kind == OrderAnswer::kNoProgram) {
    if (command.order == StartOrder::kSeries) {
      say(QStringLiteral("Yorvane は動いていません。先に Yorvane を起動してください。"));
      return 1;
    }
    if (!command.wait) return std::nullopt;
    if (!startProgramInBackground()) {
      say(QStringLiteral("Yorvane を起動できませんでした。"));
      return 1;
    }
    return printSaved(giveOrder(order));
  }
  if (command.wait) return printSaved(answer);
  if (answer.kind != OrderAnswer::kTaken) {
    say(answer.reason);
    return 1;
  }
  return 0;
}

}  // namespace

std::optional<int> handOver(const CommandLine& command, const std::string& applicationFolder) {
  const std::optional<int> status = giveOrderOf(command, applicationFolder);
  closeOrderConnection();
  return status;
}

}  // namespace yorvane
