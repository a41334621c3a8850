#pragma once
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The program's title, which captions every box the game shows.
inline const QString kProgramTitle = QStringLiteral("Marvolt");

// Message box with an OK button only.
void ShowOkMessage(const QString &text);
// Message box with Yes and No, no icon; true for Yes.
bool AskYesNo(const QString &text);
// Text input box with no default text; cancel gives "".
QString InputBox(const QString &prompt);

// Ends the program at once; no window runs its closing handling.
void EndProgram(int exitCode);

// Tests answer the boxes and intercept the end of the program. An empty
// function restores the real behaviour.
struct DialogHooks {
    std::function<void(const QString &)> ok;
    std::function<bool(const QString &)> yesNo;
    std::function<QString(const QString &)> input;
    std::function<void(int)> endProgram;
};
void SetDialogHooks(DialogHooks hooks);
