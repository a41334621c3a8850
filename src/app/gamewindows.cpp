// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "gamewindows.h"

#include "game/game.h"
#include "game/laneinput.h"
#include "game/rules.h"
#include "hiscore/hiscorecaptions.h"
#include "hiscore/hiscoretable.h"
#include "lane/timing.h"
#include "platform/pacer.h"
#include "score/frm_Version.h"
#include "score/sheetposition.h"
#include "settings/settings.h"

#include <QCoreApplication>

namespace {
constexpr int kFailureExitCode = 1;

// The point the start announcement refers to: this far from the screen's
// left edge and this far above the lane, twips.
constexpr int kMessageX = 130;
constexpr int kMessageAboveLane = 80;

const char *const kRegionBuildFailed = QT_TRANSLATE_NOOP("GameWindows",
                                                         "リージョンデータの読み込みに失敗しました。");
const char *const kRegionSetFailed = QT_TRANSLATE_NOOP("GameWindows", "ウィンドウの整形に失敗しました。");
}  // namespace

GameWindows::GameWindows(Game &game, Settings &settings, Pacer &pacer)
    : game_(game), settings_(settings), pacer_(pacer)
{
    QObject::connect(&menu_, &frmMenu::mhiscore_Click, [this](int i) { ShowHighScoreReplay(i); });
    QObject::connect(&menu_, &frmMenu::mcolor_Click, [this](int i) { chooseColour(i); });
    QObject::connect(&menu_, &frmMenu::mscreen_Click, [this] { ToggleScreenMode(); });
    QObject::connect(&menu_, &frmMenu::mver_Click, [this] { ShowAboutBox(); });
    QObject::connect(&menu_, &frmMenu::mend_Click, [this] { endGame(); });
    QObject::connect(&menu_, &frmMenu::mstats_Click, [this] { statistics_.open(); });
}

void GameWindows::endGame() { game_.request(GameState::GameOver); }

void GameWindows::RequestSessionEnd()
{
    game_.EndRequested = true;
    dialogs_.DismissAll();
}

void GameWindows::CommitData()
{
    if (scoreSheetLoaded())
        storeSheetPosition(*sheet_);
}

GameWindows::~GameWindows() { delete sheet_.data(); }

frmLane &GameWindows::lane()
{
    if (lane_)
        return *lane_;
    lane_ = std::make_unique<frmLane>(game_);
    QObject::connect(lane_.get(), &frmLane::CtrlButton_MouseDown, [this](Qt::MouseButton button) {
        if (ThrowButtonDown(game_, button == Qt::RightButton))
            menu_.popup();
    });
    QObject::connect(lane_.get(), &frmLane::CtrlButton_MouseUp,
                     [this](Qt::MouseButton button) { ThrowButtonUp(game_, button == Qt::RightButton); });
    QObject::connect(lane_.get(), &frmLane::CtrlScore_MouseDown, [this](Qt::MouseButton button) {
        if (ScoreButtonToggles(game_, button == Qt::LeftButton))
            toggleScoreSheet();
    });
    QObject::connect(lane_.get(), &ShapedWindow::closeRequested, [this] { endGame(); });
    return *lane_;
}

void GameWindows::unloadLane() { lane_.reset(); }

frmDenkou &GameWindows::board()
{
    if (!board_) {
        board_ = std::make_unique<frmDenkou>();
        board_->placeBeside(lane().geometryTwips());
        QObject::connect(board_.get(), &ShapedWindow::closeRequested, [this] { endGame(); });
    }
    return *board_;
}

void GameWindows::unloadBoard() { board_.reset(); }

frmStart &GameWindows::startDialog()
{
    if (start_)
        return *start_;
    start_ = std::make_unique<frmStart>();
    ApplyRegion(*start_, kShapeStartDialog);
    QObject::connect(start_.get(), &frmStart::Label1_Click, [this] {
        menu_.setFullView();
        game_.request(GameState::Start);
    });
    QObject::connect(start_.get(), &frmStart::Label2_Click, [this] { game_.request(GameState::End); });
    QObject::connect(start_.get(), &ShapedWindow::closeRequested,
                     [this] { game_.request(GameState::End); });
    QObject::connect(start_.get(), &frmStart::Form_MouseDown,
                     [this](Qt::MouseButton button) { startDialogPressed(button); });
    return *start_;
}

void GameWindows::unloadStartDialog() { start_.reset(); }

void GameWindows::startDialogPressed(Qt::MouseButton button)
{
    if (game_.BalloonBusy)
        return;
    if (button == Qt::RightButton) {
        menu_.setStartDialogView();
        menu_.popup();
        return;
    }
    ShowAboutBox();
}

frmScore &GameWindows::scoreSheet()
{
    if (sheet_)
        return *sheet_;
    sheet_ = new frmScore();
    loadSheet(*sheet_);
    QObject::connect(sheet_.data(), &frmScore::Label1_Click, [this] { unloadScoreSheet(); });
    QObject::connect(sheet_.data(), &ShapedWindow::closeRequested, [this] { unloadScoreSheet(); });
    return *sheet_;
}

void GameWindows::unloadScoreSheet()
{
    if (!sheet_)
        return;
    frmScore *sheet = sheet_;
    sheet_ = nullptr;
    sheet->close();
    sheet->deleteLater();
}

// Shape, then the stored place when enough of the shape shows there, else
// directly above the lane with the left edges aligned; the place is written
// back. The sheet-only mode puts the sheet in the corner instead.
void GameWindows::loadSheet(frmScore &sheet)
{
    ApplyRegion(sheet, kShapeScoreSheet);
    QObject::connect(&sheet, &frmScore::closing, [this, &sheet] { storeSheetPosition(sheet); });
    const TwipsRect size = sheet.geometryTwips();
    QPoint place;
    const auto stored = StoredSheetPosition(settings_.ReadIniValue(kSheetSection, kSheetLeftKey),
                                            settings_.ReadIniValue(kSheetSection, kSheetTopKey));
    if (stored && ShowsGrabbablePart(
                      sheet.mask().translated(TwipsToPixels(stored->x()), TwipsToPixels(stored->y())))) {
        place = *stored;
    } else {
        const TwipsRect laneAt = lane().geometryTwips();
        place = QPoint(laneAt.left, laneAt.top - size.height);
    }
    writeSheetPosition(place);
    if (game_.ScoreSheetOnly)
        sheet.moveTwips(0, ScreenHeightTwips() - size.height);
    else
        sheet.moveTwips(place.x(), place.y());
}

// The sheet-only mode places the sheet in the corner itself and keeps no
// place of its own, so the player's place for ordinary games survives it.
void GameWindows::storeSheetPosition(const frmScore &sheet)
{
    if (game_.ScoreSheetOnly)
        return;
    const TwipsRect at = sheet.geometryTwips();
    writeSheetPosition(QPoint(at.left, at.top));
}

void GameWindows::writeSheetPosition(const QPoint &twips)
{
    settings_.WriteIniValue(kSheetSection, kSheetLeftKey, QString::number(twips.x()));
    settings_.WriteIniValue(kSheetSection, kSheetTopKey, QString::number(twips.y()));
}

void GameWindows::toggleScoreSheet()
{
    if (scoreSheetShown()) {
        unloadScoreSheet();
        return;
    }
    frmScore &sheet = scoreSheet();
    sheet.show();
    sheet.DisplayScore(game_.record.szScore, game_.record.szSprit);
}

void GameWindows::BuildRegionData() { regions_ = ::BuildRegionData(); }

void GameWindows::ApplyRegion(ShapedWindow &window, int shape)
{
    if (shape < 0 || shape >= kRegionShapes)
        return;
    ApplyRegionRecord(regions_[static_cast<std::size_t>(shape)], window);
}

void GameWindows::reportShape(ShapedWindow::ShapeResult result)
{
    if (result == ShapedWindow::ShapeResult::Done)
        return;
    dialogs_.ShowOkMessage(QCoreApplication::translate(
        "GameWindows",
        result == ShapedWindow::ShapeResult::BuildFailed ? kRegionBuildFailed : kRegionSetFailed));
    dialogs_.EndProgram(kFailureExitCode);
}

void GameWindows::ToggleScreenMode()
{
    const bool toSkeleton = game_.SolidLane;
    frmLane &laneWindow = lane();
    laneWindow.setLanePicture(menu_.Lane(toSkeleton ? 1 : 0));
    laneWindow.resizeTwips(frmLane::kWidthTwips, frmLane::kHeightTwips);
    ApplyRegion(laneWindow, toSkeleton ? kShapeSkeletonLane : kShapeSolidLane);
    board().applyLook(toSkeleton ? frmDenkou::Look::Dark : frmDenkou::Look::Blue);
    game_.SolidLane = !toSkeleton;
}

void GameWindows::Wait(int milliseconds) { ::Wait(game_, pacer_, milliseconds); }

void GameWindows::PlayBoard(const BoardSequence &steps)
{
    for (const BoardStep &step : steps) {
        if (step.what == BoardStep::What::Lamp)
            board().setLamp(step.index, step.on);
        else if (step.what == BoardStep::What::Mark)
            board().setMarkVisible(step.index, step.on);
        if (step.pauseMs > 0)
            Wait(step.pauseMs);
    }
}

void GameWindows::ShowMessageBalloon(const QString &text, int milliseconds)
{
    game_.BalloonBusy = true;
    reportShape(balloon_.show(text, kMessageX, lane().geometryTwips().top - kMessageAboveLane,
                              Balloon::Tail::Left));
    Wait(milliseconds);
    balloon_.hide();
    game_.BalloonBusy = false;
}

void GameWindows::chooseColour(int colour)
{
    settings_.WriteIniValue(kBallSection, kColorKey, QString::number(colour));
    lane().setBallColour(colour);
}

void GameWindows::ListHighScores()
{
    for (int place = 1; place <= kHighScorePlaces; ++place)
        menu_.setHighScoreCaption(place - 1, HighScoreCaption(place, StoredHighScore(settings_, place)));
}

void GameWindows::ShowHighScoreReplay(int index)
{
    const QString entry = StoredHighScore(settings_, index + 1);
    if (entry.isEmpty())
        return;
    frmScore replay(frmScore::kReplayLineColor);
    loadSheet(replay);
    QObject::connect(&replay, &frmScore::Label1_Click, &replay, &QWidget::close);
    QObject::connect(&replay, &ShapedWindow::closeRequested, &replay, &QWidget::close);
    frmScore &live = scoreSheet();
    replay.move(live.pos());
    const HighScoreEntryFields fields = HighScoreFields(entry);
    replay.DisplayScore(fields.record, fields.marks);

    const bool liveWasVisible = live.isVisible();
    live.hide();
    showModal(replay);
    if (scoreSheetLoaded())
        sheet_->setVisible(liveWasVisible);
}

// Shows the sheet application-modally and returns once it is closed.
void GameWindows::showModal(frmScore &sheet)
{
    sheet.setWindowModality(Qt::ApplicationModal);
    sheet.show();
    while (sheet.isVisible())
        pacer_.WaitForEvent();
}

void GameWindows::ShowAboutBox()
{
    frm_Version box;
    box.exec();
}
