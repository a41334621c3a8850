// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/dialogs.h"

#include "desktop/fonts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <cstdlib>

namespace {
// The game's texts break lines with CR LF; the toolkit wants LF alone.
QString shown(const QString &text)
{
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
}  // namespace

void Dialogs::showOkMessage(const QString &text) const
{
    if (hooks.ok)
        return hooks.ok(text);
    if (dismissed_)
        return;
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, shown(text), QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool Dialogs::askYesNo(const QString &text) const
{
    if (hooks.yesNo)
        return hooks.yesNo(text);
    if (dismissed_)
        return false;
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, shown(text), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

QString Dialogs::inputBox(const QString &prompt) const
{
    if (hooks.input)
        return hooks.input(prompt);
    if (dismissed_)
        return QString();
    QInputDialog dialog;
    dialog.setWindowTitle(kProgramTitle);
    dialog.setFont(textFont());
    dialog.setLabelText(shown(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void Dialogs::endProgram(int exitCode) const
{
    if (hooks.endProgram)
        return hooks.endProgram(exitCode);
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

void Dialogs::dismissAll()
{
    dismissed_ = true;
    if (QWidget *menu = QApplication::activePopupWidget())
        menu->close();
    if (QWidget *box = QApplication::activeModalWidget())
        box->close();
}
