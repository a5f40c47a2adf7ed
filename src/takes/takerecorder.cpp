#include "takes/takerecorder.h"

#include "midi/sourcemix.h"
#include "midi/wakeup.h"

#include <chrono>

TTakeRecorder::TTakeRecorder(QObject *Parent)
    : QObject(Parent), FWakeup(new TWakeup([this] { Drain(); }, this)), FRing(FWakeup) {}

TTakeRecorder::~TTakeRecorder() {
    SetOutput(nullptr);
}

void TTakeRecorder::SetOutput(TSourceHost *Output) {
    if (Output == FOutput)
        return;
    if (FOutput)
        FOutput->SetCapture(nullptr);
    FOutput = Output;
    if (FOutput)
        FOutput->SetCapture(&FRing);
}

void TTakeRecorder::Drain() {
    // The replay tells what it sends before the output captures it: what is captured up to now
    // has its echo told by now.
    const size_t Captured = FRing.Slots();
    if (FReplay)
        while (const std::optional<TTakePlayer::TEcho> Echo = FReplay->TakeEcho())
            FEchoes.push_back(*Echo);
    FRing.Drain(
        [this](int64_t TimeUs, const uint8_t *Data, size_t Size) {
            if (!IsEcho(TimeUs, Data, Size))
                FStore.Add(TimeUs, Data, Size);
        },
        Captured);
}

bool TTakeRecorder::IsEcho(int64_t TimeUs, const uint8_t *Data, size_t Size) {
    // An echo the port never sent (it was full) is given up after a while.
    while (!FEchoes.empty() && FEchoes.front().TimeUs < TimeUs - EchoPatienceUs)
        FEchoes.pop_front();
    if (FEchoes.empty())
        return false;
    const uint64_t Digest = TTakePlayer::Digest(Data, Size);
    for (auto Echo = FEchoes.begin();
         Echo != FEchoes.end() && Echo->TimeUs <= TimeUs + EchoPatienceUs; ++Echo)
        if (Echo->Size == Size && Echo->Digest == Digest) {
            FEchoes.erase(Echo);
            return true;
        }
    return false;
}

int64_t TTakeRecorder::NowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
