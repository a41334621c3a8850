#pragma once
#include <QPixmap>
#include <QWidget>

// A frameless end piece of the balloon: one picture, cut to shape by its
// region. Its design height is 150 twips until the balloon sizes it.
class BalloonPiece : public QWidget
{
public:
    explicit BalloonPiece(const QString &caption);
    void setPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap picture_;
};
