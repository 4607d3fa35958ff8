#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarvolenka::qt {

// The two questions the save file can put to the player, as message boxes in the game's
// language; closing a box picks the safe answer.

// "Изход" (the default: the file stays as it is) or "Нова игра", asked before the game starts;
// returns the answer once given.
bool AskNewGameOverUnusableSave(QWidget* parent, const QString& message);

// "Опитай отново" (the default) or "Изход": the box opens over `parent` and returns at once;
// `answered` runs with the answer when the box closes.
void AskRetryFailedSave(QWidget* parent, const QString& message,
                        std::function<void(bool retry)> answered);

}  // namespace tarvolenka::qt
