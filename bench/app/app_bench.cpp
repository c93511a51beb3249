// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the staff wipe and answer latency of the real main window.
#include "benchscene.h"
#include "settingkeys.h"
#include "soundfontoption.h"
#include "builtinsynth.h"
#include "synthloaded.h"
#include "answerhistory.h"
#include "gradelog.h"
#include "gradereport.h"
#include "gradesfrm.h"
#include "pianokey.h"
#include "htmlfile.h"
#include "maindialogs.h"
#include "peakmemory.h"
#include "picturebox.h"
#include "progressfrm.h"
#include "wipepicture.h"
#include "privatepulseserver.h"
#include "pulsecapture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTableView>
#include <QElapsedTimer>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace staverly;
using bench::BenchScene;
using bench::PeakMemory;

namespace {

void StartUpToWindowShown(benchmark::State &state)
{
    BenchScene scene;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        host::ControlHost controls;
        frmMain window({scene.desktop, scene.random, scene.settings, controls, scene.folder.path(),
                        scene.folder.path(), scene.midiBackend, scene.synth});
        window.show();
        window.Form_Load();
        if (!QTest::qWaitForWindowExposed(&window))
            state.SkipWithError("window never shown");
        QCoreApplication::processEvents();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(StartUpToWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(15)->ReportAggregatesOnly(true);

QString chosenSoundFont;

// The first note heard: the window starts up with the built-in synthesizer
// on a PulseAudio server of its own, a note is sent as the window shows, and
// the time runs from the window shown to the first sound at the null sink.
// synth_MB: the memory held then beyond the same window with a silent
// synthesizer. The SoundFont is the one given with --soundfont=PATH, stored
// as SOUNDFONT for the window to read, else the machine's first choice.
void FirstNoteHeard(benchmark::State &state)
{
    PrivatePulseServer server;
    if (!server.start()) {
        state.SkipWithError("No private PulseAudio server (package pulseaudio).");
        return;
    }
    double heard = 0, memory = 0, loaded = 0;
    QString played;
    PulseCapture capture;
    for (auto _ : state) {
        BenchScene scene;
        host::ControlHost controls;
        if (!scene.audio.start({QStringLiteral("pulseaudio")})) {
            state.SkipWithError(scene.audio.error().toStdString().c_str());
            return;
        }
        // A null sink recorded before anything plays on it holds a new
        // stream back for up to two seconds: the stream settles first.
        QTest::qWait(2000);
        scene.shownWindow(controls);
        scene.window.reset();
        QCoreApplication::processEvents();
        const double without = PeakMemory::residentMB();
        auto synth = std::make_shared<BuiltinSynth>(&scene.audio);
        scene.synth = synth;
        if (!chosenSoundFont.isEmpty())
            scene.settings.write(keys::SoundFont, chosenSoundFont);
        capture.reset(0.01f);
        scene.window = std::make_unique<frmMain>(frmMain::Services{scene.desktop, scene.random, scene.settings,
                                                                   controls, scene.folder.path(), scene.folder.path(),
                                                                   scene.midiBackend, scene.synth});
        scene.window->show();
        const auto shown = std::chrono::steady_clock::now();
        scene.window->Form_Load();
        scene.window->midi.noteOn(69);
        while (capture.firstSound() == PulseCapture::Clock::time_point()
               && std::chrono::steady_clock::now() < shown + std::chrono::seconds(20))
            QTest::qWait(1);
        if (capture.firstSound() == PulseCapture::Clock::time_point()) {
            state.SkipWithError("The note was never heard.");
            return;
        }
        const double ms = std::chrono::duration<double, std::milli>(capture.firstSound() - shown).count();
        scene.window->midi.noteOff(69);
        heard += ms;
        loaded += synth->loadMilliseconds();
        memory = std::max(memory, PeakMemory::residentMB() - without);
        played = synth->soundFont();
        state.SetIterationTime(ms / 1000.0);
        scene.window.reset();
    }
    state.counters["first_note_ms"] = heard / double(state.iterations());
    state.counters["load_ms"] = loaded / double(state.iterations());
    state.counters["synth_MB"] = memory;
    state.SetLabel(QFileInfo(played).fileName().toStdString());
}
BENCHMARK(FirstNoteHeard)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void WipeStaffPicture(benchmark::State &state)
{
    BenchScene scene;
    host::ControlHost controls;
    frmMain &window = scene.shownWindow(controls);
    scene.desktop.realSleep = true;
    int paints = 0;
    for (auto _ : state) {
        window.Picture1->loadPicture(NoteModel::pictureFile(scene.folder.path(), 60, 0));
        QCoreApplication::processEvents();
        qint16 mode = 2;
        qint16 steps = 70;
        const int before = window.Picture1->paints();
        QElapsedTimer clock;
        clock.start();
        wipe_picture(*window.Picture1, mode, steps, scene.desktop, scene.random);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        paints = window.Picture1->paints() - before;
    }
    state.counters["paints"] = paints;
}
BENCHMARK(WipeStaffPicture)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void KeyReleaseToJudgementShown(benchmark::State &state)
{
    BenchScene scene;
    host::ControlHost controls;
    frmMain &window = scene.shownWindow(controls);
    window.newCmd_Click();
    QElapsedTimer clock;
    qint64 judged = -1;
    // The first wait of an answer comes right after the judgement is painted.
    scene.desktop.onSleep = [&] {
        if (judged < 0)
            judged = clock.nsecsElapsed();
    };
    for (auto _ : state) {
        const int wrongKey = window.lesson.expectedNote() == NoteModel::keyToMidi(0, 0) ? 2 : 0;
        PianoKey *key = window.pianoKey[std::size_t(wrongKey)];
        QTest::mousePress(key, Qt::LeftButton);
        judged = -1;
        clock.start();
        QTest::mouseRelease(key, Qt::LeftButton);
        state.SetIterationTime(judged / 1e9);
    }
}
BENCHMARK(KeyReleaseToJudgementShown)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(200);

// A school's lessons over the years, as a log file of `lessons` lines.
void writeLessons(const QString &path, int lessons)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray log;
    for (int i = 0; i < lessons; ++i) {
        log += GradeLog::format({QStringLiteral("Pupil %1").arg(i % 300), GradeLog::lessonName(qint16(i % 2)),
                                 qint16(i % 20), qint16(i % 5), qint16(i % 101), QDate(2016, 1, 1).addDays(i % 3650)});
        if (log.size() > (1 << 20)) {
            file.write(log);
            log.clear();
        }
    }
    file.write(log);
}

// Opens a dialog of the window until it is painted, as often as the
// benchmark asks: the time, and the memory it takes beyond the window's.
template<class Make>
void timeOpening(benchmark::State &state, Make make)
{
    PeakMemory memory;
    double peak = 0;
    for (auto _ : state) {
        memory.start();
        QElapsedTimer clock;
        clock.start();
        {
            const std::unique_ptr<QDialog> dialog = make();
            dialog->show();
            if (!QTest::qWaitForWindowExposed(dialog.get()))
                state.SkipWithError("The window was never shown.");
            dialog->repaint();
            state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        }
        peak = std::max(peak, memory.aboveStartMB());
    }
    state.counters["peak_MB"] = peak;
}

// The Grades window opening on the log.
void GradesWindowOpens(benchmark::State &state)
{
    BenchScene scene;
    writeLessons(QDir(scene.folder.path()).filePath(QStringLiteral("grades.txt")), int(state.range(0)));
    host::ControlHost controls;
    frmMain &window = scene.shownWindow(controls);
    timeOpening(state, [&] { return std::make_unique<gradesFrm>(window.dialogs()); });
}
BENCHMARK(GradesWindowOpens)->ArgName("lessons")->Arg(10000)->Arg(100000)->Arg(1000000)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The report of the whole log written to disk, as Print does.
void GradeReportWritten(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("grades.txt"));
    writeLessons(log, int(state.range(0)));
    PeakMemory memory;
    double peak = 0;
    for (auto _ : state) {
        memory.start();
        QFile file(log);
        file.open(QIODevice::ReadOnly);
        const QString failure = HtmlFile::write(folder.filePath(QStringLiteral("report.htm")), GradeReport::beyondAscii(file),
                                                [&file](QIODevice &out) { return GradeReport::write(file, out); });
        if (!failure.isEmpty())
            state.SkipWithError(failure.toStdString().c_str());
        peak = std::max(peak, memory.aboveStartMB());
    }
    state.counters["peak_MB"] = peak;
    state.counters["bytes"] = double(QFileInfo(folder.filePath(QStringLiteral("report.htm"))).size());
}
BENCHMARK(GradeReportWritten)->ArgName("lessons")->Arg(10000)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond)->Iterations(3);

// A pupil's year of practice, a million answers, and the Progress window
// opening on them: the chart, the keyboard map and the confused notes.
void ProgressWindowOpens(benchmark::State &state)
{
    BenchScene scene;
    {
        AnswerHistory history(QDir(scene.folder.path()).filePath(QStringLiteral("history.sqlite")));
        std::vector<AnswerEvent> answers;
        const int count = int(state.range(0));
        answers.reserve(std::size_t(count));
        const QDateTime start = QDateTime::currentDateTime().addDays(-365);
        for (int i = 0; i < count; ++i) {
            AnswerEvent a;
            a.player = QStringLiteral("Pellworth");
            a.at = start.addSecs(qint64(i) * 365 * 24 * 3600 / count);
            a.lesson = a.at.toMSecsSinceEpoch() / (20 * 60 * 1000);
            a.clef = qint16(i / 5000 % 2);
            a.asked = (a.clef == 0 ? 60 : 43) + i * 7 % 13;
            const bool wrong = i % 5 == 0;
            a.outcome = wrong ? AnswerEvent::Outcome::Wrong : AnswerEvent::Outcome::Right;
            a.answered = wrong ? a.asked + 2 : a.asked;
            a.ms = 600 + i * 37 % 2400;
            answers.push_back(a);
        }
        history.record(answers);
    }
    host::ControlHost controls;
    frmMain &window = scene.shownWindow(controls);
    timeOpening(state, [&] {
        return std::make_unique<progressFrm>(window.dialogs(), window.dialogs().history(), window.lesson.PLAYER_NAME);
    });
}
BENCHMARK(ProgressWindowOpens)->ArgName("answers")->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    chosenSoundFont = bench::takeSoundFontOption(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
