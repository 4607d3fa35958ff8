#pragma once

#include <QString>

class QWidget;

namespace tarvolenka::qt {

// The two questions the save file can put to the player, as message boxes in the game's
// language. Each returns the player's choice; closing the box picks the safe answer.

// "Изход" (the default: the file stays as it is) or "Нова игра".
bool AskNewGameOverUnusableSave(QWidget* parent, const QString& message);

// "Опитай отново" (the default) or "Изход".
bool AskRetryFailedSave(QWidget* parent, const QString& message);

}  // namespace tarvolenka::qt
