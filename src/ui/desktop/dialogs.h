// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>
#include <functional>

// The program's title, which captions every box the game shows.
inline const QString kProgramTitle = QStringLiteral("Marvolt");

// The boxes the game asks and tells through, and the end of the program.
// Tests answer the boxes and intercept the end through the hooks; an empty
// hook keeps the real behaviour.
class Dialogs
{
public:
    struct Hooks
    {
        std::function<void(const QString &)> ok;
        std::function<bool(const QString &)> yesNo;
        std::function<QString(const QString &)> input;
        std::function<void(int)> endProgram;
    };
    Hooks hooks;

    // Message box with an OK button only.
    void showOkMessage(const QString &text) const;
    // Message box with Yes and No, no icon; true for Yes.
    bool askYesNo(const QString &text) const;
    // Text input box with no default text; cancel gives "".
    QString inputBox(const QString &prompt) const;
    // Ends the program at once; no window runs its closing handling.
    void endProgram(int exitCode) const;
    // The program is ending: closes the open menu and any open box (a box
    // closed so answers as its cancel button), and every later box answers
    // so at once without showing.
    void dismissAll();

private:
    bool dismissed_ = false;
};
