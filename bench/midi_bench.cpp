#include "audioengine.h"
#include "builtinsynth.h"
#include "echoclient.h"
#include "jackserver.h"
#include "midiinput.h"
#include "midioutput.h"
#include "rtmidibackend.h"
#include "testmidiport.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>
#include <thread>

using namespace staverly;
using namespace std::chrono_literals;

namespace {

constexpr int Messages = 10000;

using Clock = std::chrono::steady_clock;

// Sends one message at a time, at a random phase of the JACK period, and
// times it from the keyboard port back to the sink port. `pass` lets the
// program's event loop run until it has passed message `i` on.
void roundTrips(benchmark::State &state, TestMidiPort &port, const std::function<void(int i)> &pass)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> gap(0, 1333);
    std::vector<double> latencies;
    latencies.reserve(Messages);
    int lost = 0;
    int i = 0;
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::microseconds(gap(random)));
        const TestMidiPort::Bytes message{0x90, std::uint8_t((i >> 7) & 0x7F), std::uint8_t(i & 0x7F)};
        port.clear();
        const auto sent = Clock::now();
        port.play(message);
        pass(i);
        ++i;
        if (!port.waitForCount(1, 1s) || port.received().front() != message) {
            ++lost;
            state.SetIterationTime(1.0);
            continue;
        }
        const double seconds = std::chrono::duration<double>(port.arrivals().front() - sent).count();
        latencies.push_back(seconds * 1000.0);
        state.SetIterationTime(seconds);
    }
    std::sort(latencies.begin(), latencies.end());
    if (!latencies.empty()) {
        state.counters["median_ms"] = latencies[latencies.size() / 2];
        state.counters["p99_ms"] = latencies[std::size_t(0.99 * double(latencies.size() - 1))];
        state.counters["max_ms"] = latencies.back();
    }
    state.counters["lost"] = lost;
    state.counters["messages"] = double(latencies.size());
}

bool needJack(benchmark::State &state)
{
    if (JackServer::running())
        return true;
    state.SkipWithError("No JACK server is running; start one with scripts/jack start.");
    return false;
}

// Test port -> MIDIInput -> the program's MIDI through on the user-interface
// thread (read, send, remove) -> MIDIOutput -> test port.
void BM_ProgramMidiThrough(benchmark::State &state)
{
    if (!needJack(state))
        return;
    TestMidiPort port(QStringLiteral("Bench"));
    auto backend = std::make_shared<RtMidiBackend>();
    MIDIInput input(backend);
    MIDIOutput output(backend);
    for (int d = 0, n = input.deviceCount(); d < n; ++d) {
        input.selectDevice(d);
        if (input.deviceName() == port.keysName())
            break;
    }
    for (int d = 0, n = output.deviceCount(); d < n; ++d) {
        output.selectDevice(d);
        if (output.deviceName() == port.sinkName())
            break;
    }
    input.open();
    input.start();
    output.open();
    int passed = 0;
    QObject::connect(&input, &MIDIInput::message, [&] {
        while (input.pendingMessages() > 0) {
            const MidiMessage m = input.readMessage();
            output.send(m.status, m.data1, m.data2, 0);
            input.removeMessage();
            ++passed;
        }
    });
    // Wakes a wait for events now and then, should a message be lost.
    QTimer wake;
    wake.start(100);
    roundTrips(state, port, [&](int i) {
        const auto deadline = Clock::now() + 1s;
        while (passed <= i && Clock::now() < deadline)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        passed = std::max(passed, i + 1);
    });
}

// The same path through a client that forwards inside its own callback.
void BM_BareEchoClient(benchmark::State &state)
{
    if (!needJack(state))
        return;
    TestMidiPort port(QStringLiteral("Bench"));
    const QString keys = port.keysName().chopped(int(QStringLiteral(" (JACK)").size()));
    const QString sink = port.sinkName().chopped(int(QStringLiteral(" (JACK)").size()));
    EchoClient echo(keys, sink);
    roundTrips(state, port, [](int) {});
}

// From open to a loaded SoundFont, offline, so no audio driver is involved.
void BM_SoundFontLoad(benchmark::State &state)
{
    double total = 0;
    for (auto _ : state) {
        BuiltinSynth synth(nullptr);
        synth.open();
        if (!synth.waitUntilLoaded(30s)) {
            state.SkipWithError("The SoundFont did not load.");
            return;
        }
        total += synth.loadMilliseconds();
        state.SetIterationTime(synth.loadMilliseconds() / 1000.0);
    }
    state.counters["load_ms"] = total / double(state.iterations());
    state.counters["periods"] = AudioEngine::Periods;
    state.counters["period_frames"] = AudioEngine::PeriodSize;
    state.counters["rate_hz"] = AudioEngine::SampleRate;
    state.counters["latency_ms"] =
        1000.0 * AudioEngine::Periods * AudioEngine::PeriodSize / AudioEngine::SampleRate;
}

// One second of a held middle C, rendered offline.
void BM_SynthRenderOneSecond(benchmark::State &state)
{
    BuiltinSynth synth(nullptr);
    synth.open();
    if (!synth.waitUntilLoaded(30s)) {
        state.SkipWithError("The SoundFont did not load.");
        return;
    }
    const std::uint8_t program[] = {0xC0, 0};
    synth.send(program, sizeof program);
    for (auto _ : state) {
        const std::uint8_t on[] = {0x90, 60, 127};
        synth.send(on, sizeof on);
        benchmark::DoNotOptimize(synth.renderOffline(AudioEngine::SampleRate));
        const std::uint8_t off[] = {0x90, 60, 0};
        synth.send(off, sizeof off);
    }
}

} // namespace

BENCHMARK(BM_ProgramMidiThrough)->Iterations(Messages)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareEchoClient)->Iterations(Messages)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoundFontLoad)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SynthRenderOneSecond)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
