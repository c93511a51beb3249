#include "audioengine.h"
#include "builtinsynth.h"
#include "jackcapture.h"
#include "privatejackserver.h"
#include "privatepulseserver.h"
#include "pulsecapture.h"

#include <QCoreApplication>
#include <QFile>
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

// Plays a short note, lets it die away and the output settle, then measures
// the CPU time the program and the server take while nothing sounds.
void idleCpu(benchmark::State &state, AudioEngine &engine, qint64 serverPid)
{
    BuiltinSynth synth(&engine);
    synth.open();
    if (!synth.waitUntilLoaded(30s)) {
        state.SkipWithError("The SoundFont did not load.");
        return;
    }
    send(synth, {0x90, 69, 100});
    std::this_thread::sleep_for(200ms);
    send(synth, {0x80, 69, 64});
    std::this_thread::sleep_for(Settle);
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
    state.SetLabel(engine.driverName().toStdString());
}

// Idle, the synthesizer open, on a JACK dummy server at 64 frames.
void BM_IdleCpuJack(benchmark::State &state)
{
    PrivateJackServer server(48000, 64);
    if (!server.start()) {
        state.SkipWithError("No private JACK server (package jackd2).");
        return;
    }
    AudioEngine engine;
    if (!engine.start({QStringLiteral("jack")})) {
        state.SkipWithError(engine.error().toStdString().c_str());
        return;
    }
    idleCpu(state, engine, server.pid());
}

// Idle, the synthesizer open, on PulseAudio with a null sink.
void BM_IdleCpuPulse(benchmark::State &state)
{
    PrivatePulseServer server;
    if (!server.start()) {
        state.SkipWithError("No private PulseAudio server (package pulseaudio).");
        return;
    }
    AudioEngine engine;
    if (!engine.start({QStringLiteral("pulseaudio")})) {
        state.SkipWithError(engine.error().toStdString().c_str());
        return;
    }
    idleCpu(state, engine, server.pid());
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
// from the new server answering to the synthesizer heard on it.
template<class Server, class Capture>
void restart(benchmark::State &state, const QString &driver)
{
    std::optional<Server> server;
    server.emplace();
    if (!server->start()) {
        state.SkipWithError("No private server could be started.");
        return;
    }
    AudioEngine engine;
    if (!engine.start({driver})) {
        state.SkipWithError(engine.error().toStdString().c_str());
        return;
    }
    BuiltinSynth synth(&engine);
    synth.open();
    synth.waitUntilLoaded(30s);
    double total = 0, worst = 0;
    int lost = 0;
    for (auto _ : state) {
        server->kill();
        std::this_thread::sleep_for(500ms);
        if (!server->start()) {
            state.SkipWithError("The server did not start again.");
            return;
        }
        const auto back = Clock::now();
        Capture capture;
        const double ms = msUntilHeard(synth, capture, back);
        if (ms < 0) {
            ++lost;
            state.SetIterationTime(10.0);
            continue;
        }
        total += ms;
        worst = std::max(worst, ms);
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["back_ms"] = total / double(std::max<qint64>(state.iterations() - lost, 1));
    state.counters["worst_ms"] = worst;
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
BENCHMARK(BM_IdleCpuPulse)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_RestartJack)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestartPulse)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

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
