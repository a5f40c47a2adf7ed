// MIDI through a JACK server of our own (dummy driver, 128 frames at 48 kHz, as the latency
// targets assume), each path measured beside the bare RtMidi ports in the same run:
//  - input: a message sent on a JACK port reaches TMidiInput's data handler on the UI thread,
//    and, connected to the same port, a plain RtMidi input's callback; both arrive in the same
//    JACK cycle, so their difference is what the buffer, the notice and the event loop add;
//  - output: the cost of one TMidiOutput::Send against a bare RtMidi send, and the time until the
//    message reaches a plain RtMidi input on the other side;
//  - start: constructing an output and an input (service choice, port lists).
// Figures are reported as counters in microseconds: p50, p99 and max of every sample.

#include "jackfixture.h"
#include "midi/midibackend.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "rtmidiports.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTimer>

#include "benchstats.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <thread>

namespace {

using BenchStats::NowNs;
using BenchStats::Report;
using BenchStats::TClock;

// A bare RtMidi input that notes when the last message arrived.
struct TDirectReceiver {
    std::atomic<int64_t> ArrivedNs{0};
    std::atomic<int> Count{0};
    std::unique_ptr<BenchRtMidi::TReceiver> Port;

    explicit TDirectReceiver(const QString &Source) {
        Port = std::make_unique<BenchRtMidi::TReceiver>("bench-direct", "in", Source.toStdString(),
                                                        &TDirectReceiver::Receive, this);
    }
    static void Receive(void *Self, const uint8_t *, size_t) {
        auto *Receiver = static_cast<TDirectReceiver *>(Self);
        Receiver->ArrivedNs.store(NowNs());
        Receiver->Count.fetch_add(1);
    }
    bool WaitFor(int Count, int TimeoutMs = 1000) const {
        const auto Deadline = TClock::now() + std::chrono::milliseconds(TimeoutMs);
        while (this->Count.load() < Count) {
            if (TClock::now() > Deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::microseconds(20));
        }
        return true;
    }
};

// New connections carry messages from a later JACK cycle on.
void SettleConnections() {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

// The port other programs would send from; both receivers connect to it.
const QString SenderPort = QStringLiteral("bench-sender:out");

std::unique_ptr<BenchRtMidi::TSender> OpenSender() {
    return std::make_unique<BenchRtMidi::TSender>("bench-sender", "out");
}

void BM_InputToHandler(benchmark::State &State) {
    auto Sender = OpenSender();
    TMidiInput Input(TMidiApi::maJack);
    for (int i = 0; i < Input.DeviceCount() && Input.DeviceName() != SenderPort; ++i)
        Input.SetDeviceID(i);
    if (Input.DeviceName() != SenderPort || !Input.Open()) {
        State.SkipWithError("cannot open the input on the sender's port");
        return;
    }
    Input.Start();
    TDirectReceiver Direct(SenderPort);
    SettleConnections();

    QEventLoop Loop;
    QTimer Bound; // one timer, restarted: stale single shots would end later waits early
    Bound.setSingleShot(true);
    QObject::connect(&Bound, &QTimer::timeout, &Loop, &QEventLoop::quit);
    int64_t HandledNs = 0;
    Input.DataHandler = [&](TMidiInput &In) {
        while (In.TakeEvent())
            HandledNs = NowNs();
        Loop.quit();
    };
    std::vector<int64_t> Handler, DirectHop, HandOver;
    int Sent = 0;
    for (auto _ : State) {
        HandledNs = 0;
        const uint8_t Note[3] = {0x90, uint8_t(Sent & 0x7F), 100};
        Bound.start(1000);
        const int64_t SentNs = NowNs();
        Sender->Send(Note, sizeof Note);
        ++Sent;
        if (HandledNs == 0)
            Loop.exec();
        Bound.stop();
        if (HandledNs == 0 || !Direct.WaitFor(Sent)) {
            const std::string Error =
                "message " + std::to_string(Sent) +
                " did not arrive within a second (handler: " + (HandledNs ? "yes" : "no") +
                ", bare RtMidi: " + (Direct.Count.load() >= Sent ? "yes" : "no") + ")";
            State.SkipWithError(Error.c_str());
            return;
        }
        const int64_t DirectNs = Direct.ArrivedNs.load();
        State.SetIterationTime(double(HandledNs - SentNs) / 1e9);
        Handler.push_back(HandledNs - SentNs);
        DirectHop.push_back(DirectNs - SentNs);
        HandOver.push_back(HandledNs - DirectNs);
    }
    Report(State, "handler", Handler);
    Report(State, "direct", DirectHop);
    Report(State, "handover", HandOver);
}
BENCHMARK(BM_InputToHandler)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The cost of the send call itself, paced so that JACK drains the queues between batches.
template <class SendFunc> void MeasureSends(benchmark::State &State, SendFunc &&Send) {
    std::vector<int64_t> Samples;
    Samples.reserve(size_t(State.max_iterations));
    int Count = 0;
    for (auto _ : State) {
        const int64_t Start = NowNs();
        Send(uint8_t(Count & 0x7F));
        const int64_t Took = NowNs() - Start;
        State.SetIterationTime(double(Took) / 1e9);
        Samples.push_back(Took);
        if (++Count % 64 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(3)); // > one JACK period
    }
    Report(State, "send", Samples);
}

void BM_OutputSendCost(benchmark::State &State) {
    TMidiOutput Output(TMidiApi::maJack);
    Output.SetDeviceID(0);
    if (!Output.Open()) {
        State.SkipWithError("cannot open the output");
        return;
    }
    MeasureSends(State, [&](uint8_t Note) { Output.Send(0x90, Note, 100); });
}
BENCHMARK(BM_OutputSendCost)->UseManualTime()->Iterations(20000)->Unit(benchmark::kNanosecond);

void BM_DirectSendCost(benchmark::State &State) {
    auto Sender = OpenSender();
    MeasureSends(State, [&](uint8_t Note) {
        const uint8_t Bytes[3] = {0x90, Note, 100};
        Sender->Send(Bytes, sizeof Bytes);
    });
}
BENCHMARK(BM_DirectSendCost)->UseManualTime()->Iterations(20000)->Unit(benchmark::kNanosecond);

// From the send call until a plain RtMidi input on the other side has the message.
template <class SendFunc>
void MeasureHop(benchmark::State &State, const QString &Source, SendFunc &&Send) {
    TDirectReceiver Receiver(Source);
    SettleConnections();
    std::vector<int64_t> Samples;
    int Sent = 0;
    for (auto _ : State) {
        const int64_t Start = NowNs();
        Send(uint8_t(Sent & 0x7F));
        ++Sent;
        if (!Receiver.WaitFor(Sent)) {
            State.SkipWithError(
                ("message " + std::to_string(Sent) + " did not arrive within a second").c_str());
            return;
        }
        const int64_t Took = Receiver.ArrivedNs.load() - Start;
        State.SetIterationTime(double(Took) / 1e9);
        Samples.push_back(Took);
    }
    Report(State, "hop", Samples);
}

void BM_OutputHop(benchmark::State &State) {
    TMidiOutput Output(TMidiApi::maJack);
    Output.SetDeviceID(0);
    if (!Output.Open()) {
        State.SkipWithError("cannot open the output");
        return;
    }
    const QString OwnPort = QStringLiteral("Ondrel:Ondrel");
    MeasureHop(State, OwnPort, [&](uint8_t Note) { Output.Send(0x90, Note, 100); });
}
BENCHMARK(BM_OutputHop)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_DirectHop(benchmark::State &State) {
    auto Sender = OpenSender();
    MeasureHop(State, SenderPort, [&](uint8_t Note) {
        const uint8_t Bytes[3] = {0x90, Note, 100};
        Sender->Send(Bytes, sizeof Bytes);
    });
}
BENCHMARK(BM_DirectHop)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// What the main window pays at start for its two devices: choosing the service, counting and
// naming the ports.
void BM_DeviceConstruction(benchmark::State &State) {
    std::vector<int64_t> Samples;
    for (auto _ : State) {
        const int64_t Start = NowNs();
        TMidiOutput Output;
        TMidiInput Input;
        const int64_t Took = NowNs() - Start;
        benchmark::DoNotOptimize(Output.DeviceCount() + Input.DeviceCount());
        State.SetIterationTime(double(Took) / 1e9);
        Samples.push_back(Took);
    }
    Report(State, "construct", Samples);
}
BENCHMARK(BM_DeviceConstruction)->UseManualTime()->Iterations(50)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    TJackServer Server;
    const QString Name = QStringLiteral("ondrel-bench-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate() % 100000);
    if (!Server.Start(Name)) {
        fprintf(stderr, "%s\n", qPrintable(Server.ErrorText()));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
