#include "qt/save_dialogs.h"

#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace tarvolenka::qt {
namespace {

// A box asking `message` with two answers, `yes` and `no`; Escape and the close box pick `no`.
QMessageBox* MakeBox(QWidget* parent, const QString& message, const QString& yes, const QString& no,
                     bool yesIsDefault, QPushButton*& yesButton) {
  auto* box = new QMessageBox(parent);
  box->setWindowTitle(QStringLiteral("Tarvolenka"));
  box->setIcon(QMessageBox::Warning);
  box->setText(message);
  yesButton = box->addButton(yes, QMessageBox::AcceptRole);
  QPushButton* noButton = box->addButton(no, QMessageBox::RejectRole);
  box->setDefaultButton(yesIsDefault ? yesButton : noButton);
  box->setEscapeButton(noButton);
  return box;
}

}  // namespace

bool AskNewGameOverUnusableSave(QWidget* parent, const QString& message) {
  // Asked before the game starts, with nothing of it running yet: the one question that may
  // wait in a loop of its own.
  QPushButton* yes = nullptr;
  const std::unique_ptr<QMessageBox> box(
      MakeBox(parent, message, QStringLiteral("Нова игра"), QStringLiteral("Изход"), false, yes));
  box->exec();
  return box->clickedButton() == yes;
}

void AskRetryFailedSave(QWidget* parent, const QString& message,
                        std::function<void(bool retry)> answered) {
  QPushButton* yes = nullptr;
  QMessageBox* box =
      MakeBox(parent, message, QStringLiteral("Опитай отново"), QStringLiteral("Изход"), true, yes);
  box->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(box, &QMessageBox::finished, box,
                   [box, yes, answered = std::move(answered)](int) {
                     if (answered) answered(box->clickedButton() == yes);
                   });
  box->open();
}

}  // namespace tarvolenka::qt
