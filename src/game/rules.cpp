#include "game/rules.h"

#include "game/gamevars.h"
#include "lane/lanemodel.h"
#include "lane/pinmodel.h"
#include "platform/numparse.h"
#include "score/scorerecord.h"

#include <array>
#include <limits>

namespace {

struct Switch
{
    const char *text;  // upper case
    CommandLineSwitches flags;
};

constexpr std::array<Switch, 4> kSwitches = {{
    {"-X", {kTrue, kTrue}},
    {"/X", {kTrue, kTrue}},
    {"-D", {kTrue, kFalse}},
    {"/D", {kTrue, kFalse}},
}};

// Pins left standing by the split answer.
constexpr std::array<int, 2> kSplitLeave = {7, 10};

constexpr int kBallsPerFrame = 2;
constexpr int kLabelDigits = 2;
const QString kFrameLabelPrefix = QStringLiteral("F-");

// A typed number as a 16-bit count; one too large to fit keeps its sign.
qint16 DebugCount(const QString &answer)
{
    const double value = LeadingNumber(answer);
    if (const auto n = RoundToInt16(value))
        return *n;
    return value > 0 ? std::numeric_limits<qint16>::max() : std::numeric_limits<qint16>::min();
}

void KnockAll()
{
    for (int p = kFirstPin; p <= kLastPin; ++p)
        KnockPin(p);
}

}  // namespace

CommandLineSwitches ParseCommandLine(const QString &args)
{
    const QString upper = args.toUpper();
    for (const Switch &s : kSwitches) {
        if (upper == QLatin1String(s.text))
            return s.flags;
    }
    return {};
}

qint16 StoredColourIndex(const QString &text)
{
    const qint16 c = RoundToInt16(LeadingNumber(text)).value_or(0);
    return c >= 0 && c < kBallColours ? c : qint16(0);
}

void ApplyDebugAnswer(const QString &answer)
{
    GutterFlag = kFalse;
    StrikeFlag = kFalse;
    NextPin = kFirstPin;

    qint16 n = DebugCount(answer);
    if (n == kDebugQuit) {
        GameState = State::GameOver;
        return;
    }
    GameState = State::ThrowE;
    if (n == kDebugSplit) {
        // Meant for a first ball: everything falls but 7 and 10, and every
        // image is hidden. On a second ball the first ball's pins leave the
        // count, as with any answer, so a frame never counts more than ten.
        for (int p = kFirstPin; p <= kLastPin; ++p) {
            if (PinState[p] == kFelledThisRoll)
                PinState[p] = kFelledEarlier;
            else if (PinState[p] == kStanding)
                KnockPin(p);
            PinVisible[p] = false;
        }
        for (int p : kSplitLeave)
            if (PinState[p] == kFelledThisRoll)
                PinState[p] = kStanding;
        return;
    }
    if (n == kPinsPerRack) {
        StrikeFlag = kTrue;
        KnockAll();
    } else if (n == 0) {
        GutterFlag = kTrue;
    }
    for (int p = kFirstPin; p <= kLastPin; ++p) {
        if (PinState[p] == kStanding && n > 0) {
            KnockPin(p);
            --n;
        } else if (PinState[p] == kFelledThisRoll) {
            // Felled by the rack's first ball: no longer part of this count.
            PinState[p] = kFelledEarlier;
            PinVisible[p] = false;
        }
    }
}

QString FrameLabel(const QString &szScore)
{
    const int frame = qMin(static_cast<int>(szScore.size()) / kBallsPerFrame + 1, kFrames);
    return kFrameLabelPrefix + QStringLiteral("%1").arg(frame, kLabelDigits, 10, QLatin1Char('0'));
}


void StepAim(qint16 &pos, qint16 &dir)
{
    pos = static_cast<qint16>(pos + dir);
    if (pos > kMarkerRows - 1 || pos < 0)
        dir = static_cast<qint16>(-dir);
}
