#include "qt_platform/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "qt_platform/order_client.h"
#include "qt_platform/translation.h"

namespace yorvane {

namespace {
void say(const QString& text) {
  std::fprintf(stderr, "yorvane: %s\n", qPrintable(translated(text)));
}
}  // namespace

StartOrder readCommandLine(int argc, char** argv) {
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
  parser.addOptions({oneShot, series});
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
  if (parser.isSet(oneShot)) return StartOrder::kOneShot;
  if (parser.isSet(series)) return StartOrder::kSeries;
  return StartOrder::kNone;
}

std::optional<int> handOver(StartOrder order, const std::string& applicationFolder) {
  if (order == StartOrder::kNone) {
    if (runningProgramFolder() != QString::fromStdString(applicationFolder)) return std::nullopt;
    giveOrder("ShowWindow");
    return 0;
  }
  const OrderAnswer answer = giveOrder(order == StartOrder::kOneShot ? "OneShot" : "StartSeries");
  switch (answer.kind) {
    case OrderAnswer::kTaken:
      return 0;
    case OrderAnswer::kRefused:
      say(answer.reason);
      return 1;
    case OrderAnswer::kNoProgram:
      break;
  }
  if (order == StartOrder::kOneShot) return std::nullopt;
  say(QStringLiteral("Yorvane は動いていません。先に Yorvane を起動してください。"));
  return 1;
}

}  // namespace yorvane
