#include "platform/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <cstdlib>

namespace {
DialogHooks &hooks()
{
    static DialogHooks h;
    return h;
}
// The game's texts break lines with CR LF; the toolkit wants LF alone.
QString shown(const QString &text) { return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")); }
}  // namespace

void SetDialogHooks(DialogHooks h) { hooks() = std::move(h); }

void ShowOkMessage(const QString &text)
{
    if (hooks().ok)
        return hooks().ok(text);
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, shown(text), QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool AskYesNo(const QString &text)
{
    if (hooks().yesNo)
        return hooks().yesNo(text);
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, shown(text), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

QString InputBox(const QString &prompt)
{
    if (hooks().input)
        return hooks().input(prompt);
    QInputDialog dialog;
    dialog.setWindowTitle(kProgramTitle);
    dialog.setLabelText(shown(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void EndProgram(int exitCode)
{
    if (hooks().endProgram)
        return hooks().endProgram(exitCode);
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
