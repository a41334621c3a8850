#include "hiscore/hiscorelisting.h"

#include "hiscore/hiscorecaptions.h"
#include "hiscore/hiscoretable.h"
#include "menu/frmMenu.h"
#include "score/frmScore.h"
#include "settings/settings.h"

#include <QPointer>
#include <memory>

namespace {
QString storedEntry(int place) { return ReadIniValue(kHighScoreSection, HighScoreKey(place)); }
}  // namespace

void ListHighScores()
{
    for (int place = 1; place <= frmMenu::kPlaces; ++place)
        frmMenu::instance()->setHighScoreCaption(place - 1, HighScoreCaption(place, storedEntry(place)));
}

void ShowHighScoreReplay(int index)
{
    const QString entry = storedEntry(index + 1);
    if (entry.isEmpty())
        return;
    auto replay = std::make_unique<frmScore>(frmScore::kReplayLineColor);
    frmScore *live = ScoreSheet();
    replay->move(live->pos());
    const HighScoreEntryFields fields = HighScoreFields(entry);
    replay->DisplayScore(fields.record, fields.marks);

    const bool liveWasVisible = live->isVisible();
    live->hide();
    QPointer<frmScore> watched(replay.get());
    replay->ShowModal();
    // The sheet may have destroyed itself through its close button.
    if (!watched)
        replay.release();
    if (ScoreSheetLoaded())
        ScoreSheet()->setVisible(liveWasVisible);
}
