#include "qt_platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "launch/translation.h"
#include "platform/message_box.h"

namespace yorvane {

namespace {

QMessageBox::StandardButton standardButton(BoxAnswer answer) {
  switch (answer) {
    case BoxAnswer::kCancel:
      return QMessageBox::Cancel;
    case BoxAnswer::kYes:
      return QMessageBox::Yes;
    case BoxAnswer::kNo:
      return QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

QMessageBox::Icon boxIcon(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::kCritical:
      return QMessageBox::Critical;
    case BoxIcon::kQuestion:
      return QMessageBox::Question;
    case BoxIcon::kExclamation:
      return QMessageBox::Warning;
    case BoxIcon::kInformation:
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

bool messageBoxStaysOnTop(const BoxStyle& style) {
  if (style.aboveAll) return true;
  const auto windows = QApplication::topLevelWidgets();
  const auto shown = [](const QWidget* w) { return w->isVisible(); };
  return std::none_of(windows.begin(), windows.end(), shown) ||
         std::any_of(windows.begin(), windows.end(), [](const QWidget* w) {
           return w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
         });
}

BoxAnswer messageBoxEscapeAnswer(BoxButtons buttons) {
  const std::vector<BoxAnswer> answers = answersOf(buttons);
  for (BoxAnswer wanted : {BoxAnswer::kCancel, BoxAnswer::kNo}) {
    if (std::find(answers.begin(), answers.end(), wanted) != answers.end()) return wanted;
  }
  return BoxAnswer::kOk;
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
  box->setWindowFlag(Qt::WindowStaysOnTopHint, messageBoxStaysOnTop(BoxStyle{}));
  box->show();
}

BoxAnswer showMessageBox(const std::string& text, const std::string& title, const BoxStyle& style) {
  QMessageBox box(boxIcon(style.icon), translated(QString::fromStdString(title)),
                  translated(messageBoxText(text)));
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, messageBoxStaysOnTop(style));

  const std::vector<BoxAnswer> answers = answersOf(style.buttons);
  std::vector<QPushButton*> buttons;
  for (BoxAnswer answer : answers) buttons.push_back(box.addButton(standardButton(answer)));
  const auto defaultIndex = static_cast<size_t>(style.defaultButton);
  box.setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0]);
  const BoxAnswer escapeAnswer = messageBoxEscapeAnswer(style.buttons);
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
