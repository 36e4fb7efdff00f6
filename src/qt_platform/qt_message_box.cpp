#include "qt_platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "platform/message_box.h"
#include "qt_platform/translation.h"

namespace yorvane {

namespace {

QMessageBox::StandardButton standardButton(int answer) {
  switch (answer) {
    case mb::kCancel:
      return QMessageBox::Cancel;
    case mb::kYes:
      return QMessageBox::Yes;
    case mb::kNo:
      return QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

QMessageBox::Icon boxIcon(int style) {
  switch (mb::icon(style)) {
    case mb::kCritical:
      return QMessageBox::Critical;
    case mb::kQuestion:
      return QMessageBox::Question;
    case mb::kExclamation:
      return QMessageBox::Warning;
    case mb::kInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// A box that closes itself when the program hides its windows for a picture:
// it must not stand in the picture, and the user has gone on.
class NoticeBox : public QMessageBox {
 public:
  NoticeBox(const QString& title, const QString& text)
      : QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The program's own windows, not a tooltip or another box.
    if (event->type() == QEvent::Hide && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->windowType() == Qt::Window) {
      close();
    }
    return false;
  }
};

}  // namespace

bool messageBoxStaysOnTop(int style) {
  if ((style & mb::kSystemModal) != 0) return true;
  const auto windows = QApplication::topLevelWidgets();
  const auto shown = [](const QWidget* w) { return w->isVisible(); };
  return std::none_of(windows.begin(), windows.end(), shown) ||
         std::any_of(windows.begin(), windows.end(), [](const QWidget* w) {
           return w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
         });
}

std::vector<int> messageBoxAnswers(int style) {
  switch (mb::buttons(style)) {
    case mb::kOkCancel:
      return {mb::kOk, mb::kCancel};
    case mb::kYesNoCancel:
      return {mb::kYes, mb::kNo, mb::kCancel};
    case mb::kYesNo:
      return {mb::kYes, mb::kNo};
    default:
      return {mb::kOk};
  }
}

int messageBoxEscapeAnswer(int style) {
  const std::vector<int> answers = messageBoxAnswers(style);
  for (int wanted : {mb::kCancel, mb::kNo}) {
    if (std::find(answers.begin(), answers.end(), wanted) != answers.end()) return wanted;
  }
  return mb::kOk;
}

QString messageBoxText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar(u'\r'), QChar(u'\n'));
  return s;
}

void showNoticeBox(const std::string& text, const std::string& title) {
  auto* box =
      new NoticeBox(translated(QString::fromStdString(title)), translated(messageBoxText(text)));
  box->setTextFormat(Qt::PlainText);
  box->setWindowModality(Qt::NonModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowFlag(Qt::WindowStaysOnTopHint, messageBoxStaysOnTop(mb::kOkOnly));
  box->show();
}

int showMessageBox(const std::string& text, const std::string& title, int style) {
  QMessageBox box(boxIcon(style), translated(QString::fromStdString(title)),
                  translated(messageBoxText(text)));
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, messageBoxStaysOnTop(style));

  const std::vector<int> answers = messageBoxAnswers(style);
  std::vector<QPushButton*> buttons;
  for (int answer : answers) buttons.push_back(box.addButton(standardButton(answer)));
  const size_t defaultIndex = static_cast<size_t>(mb::defaultButtonIndex(style));
  box.setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0]);
  const int escapeAnswer = messageBoxEscapeAnswer(style);
  box.setEscapeButton(box.button(standardButton(escapeAnswer)));

  // Without a window manager nobody hands the new box the keyboard.
  QTimer::singleShot(0, &box, [&box] {
    box.raise();
    box.activateWindow();
  });
  box.exec();

  const auto* clicked = box.clickedButton();
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i] == clicked) return answers[i];
  }
  return escapeAnswer;
}

}  // namespace yorvane
