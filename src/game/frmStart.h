#pragma once
#include <QPixmap>
#include <QWidget>

// The start dialog: a small shaped picture at the bottom-left of the screen
// whenever no game runs. S starts a game, E ends the program, a right click
// opens the menu and any other click the About box. It only sets GameState;
// the main loop places and shows it.
class frmStart : public QWidget
{
public:
    frmStart();

    static const QRect kLabel1;  // S, pixels
    static const QRect kLabel2;  // E

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void Label1_Click();
    void Label2_Click();
    void Form_MouseDown(Qt::MouseButton button);

    QPixmap face_;
    int pressedLabel_ = 0;  // 1 or 2 while a left press on a label is held
};

frmStart *StartDialog();
bool StartDialogLoaded();
void UnloadStartDialog();
