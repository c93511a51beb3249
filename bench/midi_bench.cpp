// SPDX-License-Identifier: GPL-3.0-or-later
#include "audioengine.h"
#include "benchscene.h"
#include "builtinsynth.h"
#include "synthloaded.h"
#include "cpuload.h"
#include "echoclient.h"
#include "jackxrunwatch.h"
#include "jackserver.h"
#include "midiinput.h"
#include "midioutput.h"
#include "peakmemory.h"
#include "privatejackserver.h"
#include "rtmidibackend.h"
#include "settingkeys.h"
#include "soundfontoption.h"
#include "testmidiport.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <jack/jack.h>
#include <optional>
#include <random>
#include <set>
#include <thread>

using namespace staverly;
using namespace std::chrono_literals;

namespace {

constexpr int Messages = 10000;
constexpr int FloodMessages = 5000;
constexpr int FloodBatch = 50;
constexpr auto FloodPause = std::chrono::microseconds(500);

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

struct ServerShape
{
    int periodFrames = 0;
    bool realtime = false;
};

ServerShape serverShape()
{
    ServerShape shape;
    if (jack_client_t *client = jack_client_open("Bench Probe", JackNoStartServer, nullptr)) {
        shape.periodFrames = int(jack_get_buffer_size(client));
        shape.realtime = jack_is_realtime(client) != 0;
        jack_client_close(client);
    }
    return shape;
}

bool needJack(benchmark::State &state)
{
    if (JackServer::running())
        return true;
    state.SkipWithError("No JACK server is running; start one with scripts/jack start and "
                        "export JACK_DEFAULT_SERVER=$(scripts/jack name).");
    return false;
}

// The main window with MIDI through from the port's keys to its sink, shown
// and active; null, with the reason given to the benchmark, when it cannot be.
frmMain *throughWindow(benchmark::State &state, bench::BenchScene &scene, host::ControlHost &controls,
                       TestMidiPort &port)
{
    auto backend = std::make_shared<RtMidiBackend>();
    scene.midiBackend = backend;
    const int in = deviceNumber(MIDIInput(backend), port.keysName());
    const int out = deviceNumber(MIDIOutput(backend), port.sinkName());
    if (in < 0 || out < 0) {
        state.SkipWithError("The bench's JACK ports are not listed.");
        return nullptr;
    }
    scene.settings.writeInteger(keys::DeviceIn, qint16(in));
    scene.settings.writeInteger(keys::DeviceOut, qint16(out + 1));
    scene.settings.writeSwitch(keys::UseMidi, true);
    scene.settings.writeSwitch(keys::MidiThru, true);
    frmMain &window = scene.shownWindow(controls);
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("The window never became active.");
        return nullptr;
    }
    // The instrument sent at start-up.
    port.waitForCount(1, 1s);
    port.clear();
    return &window;
}

// Test port -> the main window's MIDI input -> MIDI through -> its MIDI
// output -> test port, with the window active and handling every message.
void BM_ProgramMidiThrough(benchmark::State &state)
{
    if (!needJack(state))
        return;
    TestMidiPort port(QStringLiteral("Bench"));
    bench::BenchScene scene;
    host::ControlHost controls;
    frmMain *window = throughWindow(state, scene, controls, port);
    if (!window)
        return;
    roundTrips(state, port, [&](int) {
        QCoreApplication::processEvents();
        if (window->MIDIInput1->pendingMessages() > 100)
            state.SkipWithError("The window fell behind its MIDI input.");
    });
}

// The same path through a client that forwards inside its own callback.
void BM_BareEchoClient(benchmark::State &state)
{
    if (!needJack(state))
        return;
    TestMidiPort port(QStringLiteral("Bench"));
    EchoClient echo(port.keysPort(), port.sinkPort());
    roundTrips(state, port, [](int) {});
}

// One message from the port's keys to its sink: milliseconds, or nothing when
// it did not arrive within a second.
std::optional<double> trip(TestMidiPort &port, const TestMidiPort::Bytes &message, const std::function<void()> &pass)
{
    port.clear();
    const auto sent = Clock::now();
    port.play(message);
    pass();
    if (!port.waitForCount(1, 1s) || port.received().front() != message)
        return std::nullopt;
    return std::chrono::duration<double, std::milli>(port.arrivals().front() - sent).count();
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[std::size_t(share * double(values.size() - 1))];
}

// The program's MIDI through and the bare echo client taking turns, message
// by message, at random phases of the period, so both meet the same load:
// one repetition is one run, with its medians, 99th percentiles and their
// ratios (program / echo; below 1 the program is ahead). Each run opens its
// clients anew, and with them the order the server runs them in. With
// load:1, a busy loop on every core beside it (CpuLoad).
//   midi_bench --benchmark_filter=ThroughAgainstEcho --benchmark_repetitions=5 --benchmark_counters_tabular=true
void BM_ThroughAgainstEcho(benchmark::State &state)
{
    if (!needJack(state))
        return;
    TestMidiPort port(QStringLiteral("Bench"));
    TestMidiPort echoed(QStringLiteral("Echoed"));
    bench::BenchScene scene;
    host::ControlHost controls;
    frmMain *window = throughWindow(state, scene, controls, port);
    if (!window)
        return;
    EchoClient echo(echoed.keysPort(), echoed.sinkPort());
    std::mt19937 random(42);
    std::uniform_int_distribution<int> gap(0, 1333);
    std::vector<double> program, bare;
    int programLost = 0, echoLost = 0;
    JackXrunWatch xruns;
    std::optional<CpuLoad> load;
    if (state.range(0) != 0)
        load.emplace();
    int i = 0;
    for (auto _ : state) {
        const TestMidiPort::Bytes message{0x90, std::uint8_t((i >> 7) & 0x7F), std::uint8_t(i & 0x7F)};
        ++i;
        std::this_thread::sleep_for(std::chrono::microseconds(gap(random)));
        const auto ours = trip(port, message, [] { QCoreApplication::processEvents(); });
        std::this_thread::sleep_for(std::chrono::microseconds(gap(random)));
        const auto theirs = trip(echoed, message, [] {});
        if (ours)
            program.push_back(*ours);
        else
            ++programLost;
        if (theirs)
            bare.push_back(*theirs);
        else
            ++echoLost;
        state.SetIterationTime(ours.value_or(1000.0) / 1000.0);
    }
    load.reset();
    const double programMedian = percentile(program, 0.5), echoMedian = percentile(bare, 0.5);
    const double programP99 = percentile(program, 0.99), echoP99 = percentile(bare, 0.99);
    state.counters["program_median_ms"] = programMedian;
    state.counters["echo_median_ms"] = echoMedian;
    state.counters["median_ratio"] = echoMedian > 0 ? programMedian / echoMedian : 0.0;
    state.counters["program_p99_ms"] = programP99;
    state.counters["echo_p99_ms"] = echoP99;
    state.counters["p99_ratio"] = echoP99 > 0 ? programP99 / echoP99 : 0.0;
    state.counters["program_lost"] = programLost;
    state.counters["echo_lost"] = echoLost;
    state.counters["xruns"] = xruns.count();
}

// The distinct messages of a flood that a sink got.
int delivered(const TestMidiPort &sink)
{
    std::set<int> numbers;
    for (const TestMidiPort::Bytes &bytes : sink.received()) {
        if (bytes.size() == 3 && bytes[0] == 0x90)
            numbers.insert(bytes[1] << 7 | bytes[2]);
    }
    return int(numbers.size());
}

// A flood of 5000 messages, a hundred a millisecond (130 a cycle: about as
// fast as RtMidi's keyboard port can be trusted with), into the main window's
// MIDI through and, in the same cycles, into a bare echo client; with load:1
// under CpuLoad. Counts what each path lost and the server's xruns, on a
// server of 64-frame periods.
void BM_MidiThroughFlood(benchmark::State &state)
{
    if (!needJack(state))
        return;
    const ServerShape shape = serverShape();
    if (shape.periodFrames != 64) {
        state.SkipWithError("The flood wants a JACK server of 64-frame periods (scripts/jack start).");
        return;
    }
    TestMidiPort port(QStringLiteral("Bench"));
    TestMidiPort echoed(QStringLiteral("Echoed"));
    bench::BenchScene scene;
    host::ControlHost controls;
    frmMain *window = throughWindow(state, scene, controls, port);
    if (!window)
        return;
    EchoClient echo(port.keysPort(), echoed.sinkPort());
    JackXrunWatch xruns;
    int programLost = 0;
    int echoLost = 0;
    int xrunsDuring = 0;
    for (auto _ : state) {
        port.clear();
        echoed.clear();
        const int xrunsBefore = xruns.count();
        std::optional<CpuLoad> load;
        if (state.range(0) != 0)
            load.emplace();
        const auto start = Clock::now();
        // The window passes each message on as its event loop, the program's
        // own, gets to it. The sinks are not looked at meanwhile: their
        // callbacks would wait.
        QEventLoop flooding;
        std::thread keyboard([&] {
            for (int i = 0; i < FloodMessages; ++i) {
                port.play({0x90, std::uint8_t(i >> 7), std::uint8_t(i & 0x7F)});
                // RtMidi's ring buffer takes about 2300 messages: the keyboard
                // lets the server carry each batch off.
                if (i % FloodBatch == FloodBatch - 1)
                    std::this_thread::sleep_for(FloodPause);
            }
            QMetaObject::invokeMethod(&flooding, &QEventLoop::quit, Qt::QueuedConnection);
        });
        flooding.exec();
        keyboard.join();
        QEventLoop settling;
        QTimer::singleShot(300ms, &settling, &QEventLoop::quit);
        settling.exec();
        load.reset();
        const auto arrivals = port.arrivals();
        state.SetIterationTime(
            std::chrono::duration<double>((arrivals.empty() ? Clock::now() : arrivals.back()) - start).count());
        programLost += FloodMessages - delivered(port);
        echoLost += FloodMessages - delivered(echoed);
        xrunsDuring += xruns.count() - xrunsBefore;
    }
    const double sent = double(FloodMessages) * double(state.iterations());
    state.counters["program_lost"] = programLost;
    state.counters["program_lost_pct"] = 100.0 * programLost / sent;
    state.counters["echo_lost"] = echoLost;
    state.counters["echo_lost_pct"] = 100.0 * echoLost / sent;
    state.counters["xruns"] = xrunsDuring;
    state.counters["messages"] = sent;
    state.counters["realtime"] = shape.realtime;
}

// The SoundFont chosen with --soundfont=PATH.
QString chosenSoundFont;

// From open to the SoundFont read (load_ms), and to the first sound of the
// piano (first_sound_ms: a program change and a note sent at open, rendered
// offline, so no audio driver is involved); and the memory that takes. The
// SoundFont is the one given with --soundfont=PATH, as MIDI Setup hands
// SOUNDFONT on, else the machine's first choice.
void BM_SoundFontLoad(benchmark::State &state)
{
    double load = 0, sound = 0, memory = 0;
    QString played;
    for (auto _ : state) {
        const double before = bench::PeakMemory::residentMB();
        const auto start = Clock::now();
        {
            BuiltinSynth synth(nullptr);
            synth.chooseSoundFont(chosenSoundFont);
            synth.open();
            const std::uint8_t program[] = {0xC0, 0};
            const std::uint8_t note[] = {0x90, 69, 100};
            synth.send(program, sizeof program);
            synth.send(note, sizeof note);
            if (!waitUntilLoaded(synth, 30s)) {
                state.SkipWithError("The SoundFont did not load.");
                return;
            }
            // A piano's attack can take a few blocks to rise: blocks are
            // rendered until one is heard, for a tenth of a second at most.
            bool heard = false;
            for (int block = 0; block < 20 && !heard; ++block) {
                const auto samples = rendered(synth, 256);
                heard = std::any_of(samples.begin(), samples.end(), [](qint16 s) { return std::abs(s) > 100; });
            }
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (!heard)
                state.SkipWithError("The piano was not heard.");
            sound += ms;
            load += synth.loadMilliseconds();
            memory = std::max(memory, bench::PeakMemory::residentMB() - before);
            played = synth.soundFont();
            state.SetIterationTime(ms / 1000.0);
        }
    }
    state.counters["load_ms"] = load / double(state.iterations());
    state.counters["first_sound_ms"] = sound / double(state.iterations());
    state.counters["synth_MB"] = memory;
    state.SetLabel(QFileInfo(played).fileName().toStdString());
}

// One second of a held middle C, rendered offline.
void BM_SynthRenderOneSecond(benchmark::State &state)
{
    BuiltinSynth synth(nullptr);
    synth.chooseSoundFont(chosenSoundFont);
    synth.open();
    if (!waitUntilLoaded(synth, 30s)) {
        state.SkipWithError("The SoundFont did not load.");
        return;
    }
    const std::uint8_t program[] = {0xC0, 0};
    synth.send(program, sizeof program);
    for (auto _ : state) {
        const std::uint8_t on[] = {0x90, 60, 127};
        synth.send(on, sizeof on);
        benchmark::DoNotOptimize(rendered(synth, AudioEngine::SampleRate));
        const std::uint8_t off[] = {0x90, 60, 0};
        synth.send(off, sizeof off);
    }
}

// The JACK server under the running window is killed and started again
// (a private one, so the suite's server is left alone): the time from the new
// server answering to the keyboard heard through the program at the sink,
// with both ports found again by name, and to the window's notice gone.
void BM_MidiReconnectAfterJackRestart(benchmark::State &state)
{
    if (!PrivateJackServer::available()) {
        state.SkipWithError("jackd is not installed (package jackd2).");
        return;
    }
    // Whatever earlier benchmarks watched is let go: from here every client
    // goes to the private server.
    JackServer::release();
    auto server = std::make_unique<PrivateJackServer>();
    if (!server->start()) {
        state.SkipWithError(server->error().toStdString().c_str());
        return;
    }
    auto port = std::make_unique<TestMidiPort>(QStringLiteral("Pupil"));
    bench::BenchScene scene;
    scene.midiBackend = std::make_shared<RtMidiBackend>();
    scene.settings.writeSwitch(keys::UseMidi, true);
    scene.settings.writeSwitch(keys::MidiThru, true);
    scene.settings.write(keys::DeviceInName, port->keysName());
    scene.settings.write(keys::DeviceOutName, port->sinkName());
    host::ControlHost controls;
    frmMain &window = scene.shownWindow(controls);
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("The window never became active.");
        return;
    }
    // Plays a controller, which answers nothing, until the sink hears it.
    const auto heardWithin = [&](Clock::time_point since, std::chrono::milliseconds limit) {
        port->clear();
        while (Clock::now() < since + limit) {
            port->play({0xB0, 7, 100});
            QTest::qWait(5);
            for (const TestMidiPort::Bytes &bytes : port->received()) {
                if (bytes == TestMidiPort::Bytes{0xB0, 7, 100})
                    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
            }
        }
        return -1.0;
    };
    if (heardWithin(Clock::now(), 3s) < 0) {
        state.SkipWithError("Nothing went through before the restart.");
        return;
    }
    std::vector<double> heard, cleared;
    int never = 0;
    for (auto _ : state) {
        server->kill();
        // Its ports went with the server: let go of, never closed.
        (void)port.release();
        const auto gone = Clock::now();
        while (!window.noticeLbl->isVisible() && Clock::now() < gone + 5s)
            QTest::qWait(5);
        if (!server->start()) {
            state.SkipWithError("The server did not start again.");
            return;
        }
        const auto back = Clock::now();
        port = std::make_unique<TestMidiPort>(QStringLiteral("Pupil"));
        const double ms = heardWithin(back, 5s);
        if (ms < 0)
            ++never;
        heard.push_back(ms < 0 ? 5000.0 : ms);
        while (window.noticeLbl->isVisible() && Clock::now() < back + 5s)
            QTest::qWait(5);
        cleared.push_back(std::chrono::duration<double, std::milli>(Clock::now() - back).count());
        state.SetIterationTime(heard.back() / 1000.0);
    }
    std::sort(heard.begin(), heard.end());
    std::sort(cleared.begin(), cleared.end());
    state.counters["heard_median_ms"] = heard[heard.size() / 2];
    state.counters["heard_max_ms"] = heard.back();
    state.counters["notice_gone_median_ms"] = cleared[cleared.size() / 2];
    state.counters["never_back"] = never;
    scene.window.reset();
    port.reset();
    JackServer::release();
}

} // namespace

BENCHMARK(BM_ProgramMidiThrough)->Iterations(Messages)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareEchoClient)->Iterations(Messages)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThroughAgainstEcho)->ArgName("load")->Arg(0)->Arg(1)->Iterations(3000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MidiThroughFlood)->ArgName("load")->Arg(0)->Arg(1)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoundFontLoad)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SynthRenderOneSecond)->Unit(benchmark::kMillisecond);
// Last: from here on the process talks to a private server.
BENCHMARK(BM_MidiReconnectAfterJackRestart)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // The window is driven, never looked at.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    chosenSoundFont = bench::takeSoundFontOption(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
