// SPDX-License-Identifier: GPL-3.0-or-later
#include "audioengine.h"
#include "builtinsynth.h"
#include "synthloaded.h"
#include "jackcapture.h"
#include "privatejackserver.h"
#include "privatepulseserver.h"
#include "pulsecapture.h"
#include "soundfontoption.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <optional>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

using namespace staverly;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto Measured = 10s;
// Long enough for a note to die away and an idle output to settle.
constexpr auto Settle = 8s;

double ownCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// User and system time of another process, from /proc/<pid>/stat.
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0.0;
    const QByteArray line = stat.readAll();
    // The command name may hold spaces; the fields after it do not.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0.0;
    return double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

void send(BuiltinSynth &synth, std::vector<std::uint8_t> bytes)
{
    synth.send(bytes.data(), bytes.size());
}

// Starts a private server and the engine on it; false, with the reason
// given to the benchmark, when either will not.
template<class Server>
bool startOn(benchmark::State &state, Server &server, AudioEngine &engine, const QString &driver)
{
    if (!server.start()) {
        state.SkipWithError(driver == QLatin1String("jack") ? "No private JACK server (package jackd2)."
                                                            : "No private PulseAudio server (package pulseaudio).");
        return false;
    }
    if (!engine.start({driver})) {
        state.SkipWithError(engine.error().toStdString().c_str());
        return false;
    }
    return true;
}

// The CPU time the program and the server take while nothing happens.
void measureIdle(benchmark::State &state, qint64 serverPid)
{
    double program = 0, server = 0, seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double ownStart = ownCpuSeconds();
        const double serverStart = cpuSeconds(serverPid);
        std::this_thread::sleep_for(Measured);
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        program += ownCpuSeconds() - ownStart;
        server += cpuSeconds(serverPid) - serverStart;
        seconds += elapsed;
        state.SetIterationTime(elapsed);
    }
    state.counters["program_cpu_pct"] = 100.0 * program / seconds;
    state.counters["server_cpu_pct"] = 100.0 * server / seconds;
}

// The SoundFont chosen with --soundfont=PATH, else the machine's first choice.
QString chosenSoundFont;

// Plays a short note, lets it die away and the output settle, then measures.
void idleCpu(benchmark::State &state, AudioEngine &engine, qint64 serverPid)
{
    BuiltinSynth synth(&engine);
    synth.chooseSoundFont(chosenSoundFont);
    synth.open();
    if (!waitUntilLoaded(synth, 30s)) {
        state.SkipWithError("The SoundFont did not load.");
        return;
    }
    send(synth, {0x90, 69, 100});
    std::this_thread::sleep_for(200ms);
    send(synth, {0x80, 69, 64});
    std::this_thread::sleep_for(Settle);
    measureIdle(state, serverPid);
    state.SetLabel(engine.driverName().toStdString());
}

// Idle, the synthesizer open, on a JACK dummy server at 64 frames.
void BM_IdleCpuJack(benchmark::State &state)
{
    PrivateJackServer server(48000, 64);
    AudioEngine engine;
    if (startOn(state, server, engine, QStringLiteral("jack")))
        idleCpu(state, engine, server.pid());
}

// The same server with only a JACK client that does nothing in its cycle:
// what any client costs, at 750 cycles a second, on this machine.
void BM_IdleCpuJackBareClient(benchmark::State &state)
{
    PrivateJackServer server(48000, 64);
    if (!server.start()) {
        state.SkipWithError("No private JACK server (package jackd2).");
        return;
    }
    JackCapture client;
    std::this_thread::sleep_for(2s);
    measureIdle(state, server.pid());
}

// One 64-frame period of an idle synthesizer, as every JACK cycle asked for
// it: rendered, reverb and chorus included, as it was before (0), or through
// the engine, which skips a synthesizer silent for a second (1).
void BM_IdlePeriod(benchmark::State &state)
{
    PrivateJackServer server(48000, 64);
    AudioEngine engine;
    if (!server.start() || !engine.start({QStringLiteral("jack")})) {
        state.SkipWithError("No private JACK server (package jackd2).");
        return;
    }
    BuiltinSynth synth(&engine);
    synth.chooseSoundFont(chosenSoundFont);
    synth.open();
    waitUntilLoaded(synth, 30s);
    std::this_thread::sleep_for(2s);
    std::vector<float> left(64), right(64);
    const double cpuStart = ownCpuSeconds();
    for (auto _ : state) {
        if (state.range(0) == 0)
            benchmark::DoNotOptimize(synth.renderOffline(64));
        else
            benchmark::DoNotOptimize(engine.render(64, left.data(), right.data()));
    }
    // The share of a core this takes at 750 periods a second.
    const double perPeriod = (ownCpuSeconds() - cpuStart) / double(state.iterations());
    state.counters["core_pct_at_750_hz"] = perPeriod * 750.0 * 100.0;
}

// Idle, the synthesizer open, on PulseAudio with a null sink.
void BM_IdleCpuPulse(benchmark::State &state)
{
    PrivatePulseServer server;
    AudioEngine engine;
    if (startOn(state, server, engine, QStringLiteral("pulseaudio")))
        idleCpu(state, engine, server.pid());
}

// From a note-on to the note arriving at the null sink's monitor, recorded
// in 2 ms steps (so a little late), with the stream playing (0) or let go
// after a silence (1); and the latency the engine reports.
void BM_NoteLatencyPulse(benchmark::State &state)
{
    const bool rested = state.range(0) == 1;
    PrivatePulseServer server;
    AudioEngine engine;
    if (!startOn(state, server, engine, QStringLiteral("pulseaudio")))
        return;
    BuiltinSynth synth(&engine);
    synth.chooseSoundFont(chosenSoundFont);
    synth.open();
    waitUntilLoaded(synth, 30s);
    PulseCapture capture;
    send(synth, {0xC0, 0});
    std::vector<double> heard;
    double reported = 0;
    for (auto _ : state) {
        const auto end = Clock::now() + 20s;
        if (rested) {
            while (!engine.isPaused() && Clock::now() < end)
                std::this_thread::sleep_for(10ms);
        } else {
            // Keeps the stream playing, but silent by the time of the note.
            send(synth, {0x90, 40, 1});
            std::this_thread::sleep_for(300ms);
            send(synth, {0x80, 40, 0});
            std::this_thread::sleep_for(1500ms);
        }
        capture.reset(0.01f);
        const auto on = Clock::now();
        send(synth, {0x90, 69, 127});
        while (capture.firstSound() == Clock::time_point() && Clock::now() < on + 2s)
            std::this_thread::sleep_for(1ms);
        const double ms = std::chrono::duration<double, std::milli>(capture.firstSound() - on).count();
        heard.push_back(capture.firstSound() == Clock::time_point() ? 2000.0 : ms);
        state.SetIterationTime(heard.back() / 1000.0);
        reported = std::max(reported, engine.measuredLatencyMs());
        send(synth, {0x80, 69, 0});
    }
    std::sort(heard.begin(), heard.end());
    state.counters["heard_median_ms"] = heard[heard.size() / 2];
    state.counters["heard_max_ms"] = heard.back();
    state.counters["reported_ms"] = reported;
}

// Strikes a held organ note every 20 ms until `heard`, up to 10 s; the time
// from `since` to the sound's arrival, or negative.
template<class Capture>
double msUntilHeard(BuiltinSynth &synth, Capture &capture, Clock::time_point since)
{
    send(synth, {0xC0, 19});
    capture.reset(0.05f);
    const auto end = Clock::now() + 10s;
    while (capture.firstSound() == Clock::time_point() && Clock::now() < end) {
        if constexpr (std::is_same_v<Capture, JackCapture>)
            capture.connect();
        send(synth, {0x90, 69, 100});
        std::this_thread::sleep_for(20ms);
    }
    send(synth, {0x80, 69, 64});
    if (capture.firstSound() == Clock::time_point())
        return -1.0;
    return std::chrono::duration<double, std::milli>(capture.firstSound() - since).count();
}

// The server is killed and started again under a running engine: the time
// from the new server answering to the program playing on it again, and to
// the synthesizer heard there (the capture starts listening only then: a
// null sink recorded before anything plays on it holds the first stream
// back for up to two seconds).
template<class Server, class Capture>
void restart(benchmark::State &state, const QString &driver)
{
    std::optional<Server> server;
    server.emplace();
    AudioEngine engine;
    if (!startOn(state, *server, engine, driver))
        return;
    BuiltinSynth synth(&engine);
    synth.chooseSoundFont(chosenSoundFont);
    synth.open();
    waitUntilLoaded(synth, 30s);
    std::vector<double> reopened, heard;
    int lost = 0;
    for (auto _ : state) {
        server->kill();
        while (engine.problem().isEmpty())
            std::this_thread::sleep_for(1ms);
        if (!server->start()) {
            state.SkipWithError("The server did not start again.");
            return;
        }
        const auto back = Clock::now();
        while (!engine.problem().isEmpty() && Clock::now() < back + 10s)
            std::this_thread::sleep_for(1ms);
        reopened.push_back(std::chrono::duration<double, std::milli>(Clock::now() - back).count());
        Capture capture;
        const double ms = msUntilHeard(synth, capture, back);
        if (ms < 0)
            ++lost;
        heard.push_back(ms < 0 ? 10000.0 : ms);
        state.SetIterationTime(heard.back() / 1000.0);
    }
    std::sort(reopened.begin(), reopened.end());
    std::sort(heard.begin(), heard.end());
    state.counters["reopened_median_ms"] = reopened[reopened.size() / 2];
    state.counters["reopened_max_ms"] = reopened.back();
    state.counters["heard_median_ms"] = heard[heard.size() / 2];
    state.counters["heard_max_ms"] = heard.back();
    state.counters["never_back"] = lost;
}

void BM_RestartJack(benchmark::State &state)
{
    restart<PrivateJackServer, JackCapture>(state, QStringLiteral("jack"));
}

void BM_RestartPulse(benchmark::State &state)
{
    restart<PrivatePulseServer, PulseCapture>(state, QStringLiteral("pulseaudio"));
}

} // namespace

BENCHMARK(BM_IdleCpuJack)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_IdleCpuJackBareClient)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_IdlePeriod)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IdleCpuPulse)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_NoteLatencyPulse)->Arg(0)->Arg(1)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestartJack)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestartPulse)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    chosenSoundFont = bench::takeSoundFontOption(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
