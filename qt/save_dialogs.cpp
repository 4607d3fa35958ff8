#include "qt/save_dialogs.h"

#include <QMessageBox>
#include <QPushButton>

namespace tarvolenka::qt {
namespace {

// Asks `message` with two answers; true when the player picks `yes`.
bool Ask(QWidget* parent, const QString& message, const QString& yes, const QString& no,
         bool yesIsDefault) {
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("Tarvolenka"));
  box.setIcon(QMessageBox::Warning);
  box.setText(message);
  QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
  QPushButton* noButton = box.addButton(no, QMessageBox::RejectRole);
  box.setDefaultButton(yesIsDefault ? yesButton : noButton);
  box.setEscapeButton(noButton);
  box.exec();
  return box.clickedButton() == yesButton;
}

}  // namespace

bool AskNewGameOverUnusableSave(QWidget* parent, const QString& message) {
  return Ask(parent, message, QStringLiteral("Нова игра"), QStringLiteral("Изход"), false);
}

bool AskRetryFailedSave(QWidget* parent, const QString& message) {
  return Ask(parent, message, QStringLiteral("Опитай отново"), QStringLiteral("Изход"), true);
}

}  // namespace tarvolenka::qt
