#pragma once
#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>

// The pin board: a tiny electric scoreboard beside the lane. Ten lamps show
// the standing pins, a label the frame, and a strike or spare mark flashes
// over the lamps. It holds no game logic; the throw sequence drives it.
class frmDenkou : public QWidget
{
public:
    enum class Look { Blue, Dark };
    enum Mark { kMarkBlank = 0, kMarkSpare = 1, kMarkStrike = 2 };
    static constexpr int kLamps = 10;

    frmDenkou();

    void applyLook(Look look);
    void setLamp(int lamp, bool lit);
    bool lampLit(int lamp) const { return lit_[lamp]; }
    void setMarkVisible(int mark, bool visible);
    bool markVisible(int mark) const { return markShown_[mark]; }
    void setFrameLabel(const QString &text);
    QString frameLabel() const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    std::array<bool, kLamps> lit_{};
    std::array<bool, 3> markShown_{};
    std::array<QPixmap, 3> marks_;
    QPixmap background_;
    QColor ground_, lamp_;
    QLabel *fno_;
};

// The one pin board, created and placed beside the lane on first use.
frmDenkou *PinBoard();
bool PinBoardLoaded();
void UnloadPinBoard();

// The board's lamp sequences. Each pause is a Wait, so events keep flowing.
void ShowFrameNumber();
void LightStandingPins();
void DarkenFelledPins();
void ClearLamps();
void ShowMark(int mark);
void BlinkMark();
