#include "audioengine.h"
#include "benchscene.h"
#include "builtinsynth.h"
#include "echoclient.h"
#include "jackxrunwatch.h"
#include "jackserver.h"
#include "midiinput.h"
#include "midioutput.h"
#include "rtmidibackend.h"
#include "settingkeys.h"
#include "testmidiport.h"

#include <QApplication>
#include <QTest>
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
    // A message lost in a server xrun is the server's loss, not the client's.
    JackXrunWatch xruns;
    int lost = 0;
    int firstLost = -1;
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
            if (firstLost < 0)
                firstLost = i - 1;
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
    state.counters["xruns"] = xruns.count();
    if (lost > 0)
        state.counters["first_lost"] = firstLost;
    state.counters["messages"] = double(latencies.size());
}

template<class Port>
int deviceNumber(Port &&port, const QString &name)
{
    for (int d = 0, n = port.deviceCount(); d < n; ++d) {
        port.selectDevice(d);
        if (port.deviceName() == name)
            return d;
    }
    return -1;
}

bool needJack(benchmark::State &state)
{
    if (JackServer::running())
        return true;
    state.SkipWithError("No JACK server is running; start one with scripts/jack start and "
                        "export JACK_DEFAULT_SERVER=$(scripts/jack name).");
    return false;
}

// Test port -> the main window's MIDI input -> MIDI through -> its MIDI
// output -> test port, with the window active and handling every message.
void BM_ProgramMidiThrough(benchmark::State &state)
{
    if (!needJack(state))
        return;
    TestMidiPort port(QStringLiteral("Bench"));
    bench::BenchScene scene;
    auto backend = std::make_shared<RtMidiBackend>();
    scene.midiBackend = backend;
    const int in = deviceNumber(MIDIInput(backend), port.keysName());
    const int out = deviceNumber(MIDIOutput(backend), port.sinkName());
    if (in < 0 || out < 0) {
        state.SkipWithError("The bench's JACK ports are not listed.");
        return;
    }
    scene.settings.writeInteger(keys::DeviceIn, qint16(in));
    scene.settings.writeInteger(keys::DeviceOut, qint16(out + 1));
    scene.settings.writeSwitch(keys::UseMidi, true);
    scene.settings.writeSwitch(keys::MidiThru, true);
    host::ControlHost controls;
    frmMain &window = scene.shownWindow(controls);
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("The window never became active.");
        return;
    }
    // The instrument sent at start-up.
    port.waitForCount(1, 1s);
    roundTrips(state, port, [&](int) {
        QCoreApplication::processEvents();
        if (window.MIDIInput1->pendingMessages() > 100)
            state.SkipWithError("The window fell behind its MIDI input.");
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
    // The window is driven, never looked at.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
