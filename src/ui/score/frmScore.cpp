// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "score/frmScore.h"

#include "platform/fonts.h"
#include "platform/linepixels.h"
#include "platform/numparse.h"
#include "platform/pictures.h"
#include "score/scorerecord.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

using namespace ScoreSheetLayout;

namespace {

constexpr double kFontPoints = 8.25;
constexpr int kMinFontPixels = 6;
const QString kFontProbe = QStringLiteral("0123456789G-");
const QColor kTextColor{0, 0, 0};
const QColor kPanelColor{0xD6, 0xD4, 0xCC};  // stands in while the artwork is missing

// The game font at the layout's size, made smaller where the installed
// replacement's digits would not fit the 12-pixel rows.
QFont SheetFont()
{
    QFont font = GameFont(kPGothic, kFontPoints);
    while (font.pixelSize() > kMinFontPixels) {
        const QFontMetrics m(font);
        if (m.ascent() + m.tightBoundingRect(kFontProbe).bottom() <= kDigitInkDepth)
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

// An empty buffer of the window's size at the screen's pixel density, so
// that text and circles are drawn at full resolution on a scaled screen.
QImage SheetBuffer(qreal pixelRatio)
{
    QImage buffer(kWindowPixels * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    buffer.setDevicePixelRatio(pixelRatio);
    return buffer;
}

bool IsTextMark(QChar c) { return (c >= u'1' && c <= u'9') || c == kMissChar || c == kGutterChar; }

}  // namespace

frmScore::frmScore(const QColor &nColor) : nColor_(nColor)
{
    setObjectName(QStringLiteral("frmScore"));
    resizeTwips(kWidthTwips, kHeightTwips);
    font_ = SheetFont();
    strike_ = PictureImage("strike");
    spare_ = PictureImage("spare");
    buildBackground();
    clearDrawing();
    Display();
}

// The artwork is scaled nearest-neighbour: every art pixel stays a square.
void frmScore::buildBackground()
{
    background_ = SheetBuffer(devicePixelRatioF());
    background_.fill(kPanelColor);
    const QImage art = PictureImage("score_bg");
    if (!art.isNull()) {
        QPainter p(&background_);
        p.drawImage(0, 0, art);
    }
}

void frmScore::Display()
{
    const int w = kWakuTemplate.width();
    const int h = kWakuTemplate.height();

    waku_[0] = {kWakuTemplate};
    waku_[kTenthIndex] = {kWakuTenth};
    lineT_[0] = {LinePixels(kLineTTemplate)};
    lineT_[kTenthIndex] = {LinePixels(kLineTTenth)};
    lineV_[0] = {LinePixels(kLineVTemplate)};
    lineV_[kTenthIndex] = {LinePixels(kLineVTenthSecond)};
    lineV_[kTenthFirstLineV] = {LinePixels(kLineVTenthFirst)};
    lineH_[0] = {LinePixels(kLineHTemplate)};
    lineH_[kTenthIndex] = {LinePixels(kLineHTenth)};

    const QSize picture(kMarkPictureSize);
    picStrike_[0] = {QRect(kPicstrikeTemplate, picture)};
    picSpare_[0] = {QRect(kPicspareTemplate, picture)};
    for (int i = 1; i < kPictureCount; ++i) {
        picStrike_[i] = {picStrike_[0].rect, false};
        picSpare_[i] = {picSpare_[0].rect, false};
    }

    // Boxes 1..11 from the template, each overlapping its left neighbour by
    // one column. Boxes 10 and 11 only mark where the tenth frame's first
    // and third cells begin; the tenth frame draws its own box and lines.
    int left = kFirstBox.x();
    for (int i = kFirstCreated; i <= kLastCreated; ++i) {
        const int top = kFirstBox.y();
        const int numberLine = top + h / 3;
        const int totalLine = h - h / 3 + kFirstBox.y();
        const bool visible = i < kFirstHiddenCreated;
        waku_[i] = {QRect(left, top, w, h), visible};
        lineH_[i] = {LinePixels(QLine(left, totalLine, left + w, totalLine)), visible};
        lineV_[i] = {LinePixels(QLine(left + w / 2, numberLine, left + w / 2, totalLine)), visible};
        lineT_[i] = {LinePixels(QLine(left, numberLine, left + w, numberLine)), visible};
        left += w - 1;
    }
    compose();
}

void frmScore::DisplayScore(const QString &szScore, const QString &szSprit)
{
    shownScore_ = szScore;
    shownSprit_ = szSprit;
    clearDrawing();
    for (int i = 0; i < kPictureCount; ++i)
        picStrike_[i].visible = picSpare_[i].visible = false;
    int nextStrike = 0;
    int nextSpare = 0;

    const int w = waku_[0].rect.width();
    for (int k = 1; k <= kFrames; ++k) {
        const QRect &box = waku_[k].rect;
        const QString text = QString::number(k);
        drawText(box.left() + (box.width() - textWidth(text)) / 2 + kFrameNumberShift,
                 box.top() + kTextInset, text);
    }

    const int numberLine = lineT_[1].rect.top();
    const int totalLine = lineH_[1].rect.top();
    const int markTop = numberLine + kTextInset;
    const int circleY = numberLine + (totalLine - numberLine) / 2;
    const int positions = qMin(int(szScore.size()), kRecordSlots);
    for (int f = 1; f <= positions; ++f) {
        const QChar c = szScore.at(f - 1);
        const int cell = (w / 2) * (f - 1) + kCellLeft;
        if (IsTextMark(c))
            drawText(cell + kMarkTextInset, markTop, QString(c));
        else if (c == kStrikeChar)
            showPicture(picStrike_, nextStrike, cell + kStrikeInset, markTop);
        else if (c == kSpareChar)
            showPicture(picSpare_, nextSpare, cell + kSpareInset, markTop);

        if (f > szSprit.size() || szSprit.at(f - 1) != kSplitChar)
            continue;
        // The circle goes round the first cell of frames 1..9 and round the
        // ball's own cell in the tenth frame (boxes 10 and 11 mark its first
        // and third cells).
        const int quarter = waku_[1].rect.width() / 4;
        const int frame = (f + 1) / 2;
        int x;
        if (f == kRecordSlots - 1)
            x = waku_[kFrames].rect.left() + quarter + kTenthSecondBallShift;
        else
            x = waku_[frame].rect.left() + quarter;
        drawSplitCircle(x, circleY);
    }

    const QString totals = CalcFrameTotals(szScore);
    for (int f = 0; f + kTotalDigits <= totals.size(); f += kTotalDigits) {
        const QRect &box = waku_[f / kTotalDigits + 1].rect;
        const QString text = QString::number(qRound(LeadingNumber(totals.mid(f, kTotalDigits))));
        drawText(box.left() + (box.width() - textWidth(text)) / 2, totalLine + kTextInset, text);
    }
    compose();
}

void frmScore::paintEvent(QPaintEvent *)
{
    // Moved to a screen of another density: drawn again for it.
    if (!qFuzzyCompare(sheet_.devicePixelRatio(), devicePixelRatioF())) {
        buildBackground();
        DisplayScore(shownScore_, shownSprit_);
    }
    QPainter p(this);
    p.drawImage(0, 0, sheet_);
}

void frmScore::mousePressEvent(QMouseEvent *event)
{
    if (kLabel1.contains(event->position().toPoint()))
        Q_EMIT Label1_Click();
    else if (event->button() == Qt::LeftButton)
        startDrag();
}

void frmScore::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous())
        return ShapedWindow::closeEvent(event);
    Q_EMIT closing();
    event->accept();
}

void frmScore::clearDrawing()
{
    drawing_ = SheetBuffer(background_.devicePixelRatio());
    drawing_.fill(Qt::transparent);
}

void frmScore::drawText(int x, int y, const QString &text)
{
    QPainter p(&drawing_);
    p.setFont(font_);
    p.setPen(kTextColor);
    p.drawText(QRect(QPoint(x, y), kWindowPixels), Qt::AlignLeft | Qt::AlignTop, text);
}

void frmScore::drawSplitCircle(int x, int y)
{
    QPainter p(&drawing_);
    p.setPen(QPen(kTextColor, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(x, y), kSplitRadius, kSplitRadius);
}

// Moves the next unused picture of the kind into place. A record can hold
// more marks than there are pictures only when it is not a real game; the
// extra marks are not drawn.
void frmScore::showPicture(std::array<Control, kPictureCount> &pictures, int &next, int left, int top)
{
    if (next >= kPictureCount)
        return;
    pictures[next].rect.moveTo(left, top);
    pictures[next].visible = true;
    ++next;
}

void frmScore::compose()
{
    sheet_ = background_;
    QPainter p(&sheet_);
    p.drawImage(0, 0, drawing_);
    for (const Control &box : waku_) {
        if (!box.visible)
            continue;
        const QRect r = box.rect;
        p.fillRect(r.left(), r.top(), r.width(), 1, nColor_);
        p.fillRect(r.left(), r.bottom(), r.width(), 1, nColor_);
        p.fillRect(r.left(), r.top(), 1, r.height(), nColor_);
        p.fillRect(r.right(), r.top(), 1, r.height(), nColor_);
    }
    for (const auto *lines : {&lineT_, &lineH_})
        for (const Control &line : *lines)
            if (line.visible)
                p.fillRect(line.rect, nColor_);
    for (const Control &line : lineV_)
        if (line.visible)
            p.fillRect(line.rect, nColor_);
    for (const Control &pic : picStrike_)
        if (pic.visible && !strike_.isNull())
            p.drawImage(pic.rect.topLeft(), strike_);
    for (const Control &pic : picSpare_)
        if (pic.visible && !spare_.isNull())
            p.drawImage(pic.rect.topLeft(), spare_);
    p.end();
    update();
}

int frmScore::textWidth(const QString &text) const { return QFontMetrics(font_).horizontalAdvance(text); }
