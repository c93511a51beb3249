// SPDX-License-Identifier: GPL-3.0-or-later
#include "audioengine.h"
#include "builtinsynth.h"
#include "lessonengine.h"
#include "mainwindowfixture.h"
#include "micanswers.h"
#include "pianorenderer.h"
#include "privatepulseserver.h"
#include "pulseinput.h"
#include "settingkeys.h"
#include "synthloaded.h"
#include "testsoundfont.h"
#include "wavefile.h"
#include "waitfor.h"

#include <QDate>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <functional>

namespace staverly::test {

namespace {

constexpr int Rate = 48000;

// A room on a PulseAudio server of the test's own: the program plays into
// its null sink "out" as into loudspeakers, the sink's monitor is the
// microphone, and the pupil's piano plays into the same sink.
class MicRoom : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        for (const char *program : {"pulseaudio", "paplay"}) {
            if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
                GTEST_SKIP() << "not installed: " << program;
        }
        MainWindowFixture::SetUp();
        ASSERT_TRUE(server.start()) << server.log().toStdString();
        ASSERT_TRUE(engine.start({QStringLiteral("pulseaudio")})) << engine.error().toStdString();
        defaultOutput = std::make_shared<BuiltinSynth>(&engine);
        store(keys::SoundFont, TestSoundFont::path());
        capture = [] { return std::make_unique<PulseInput>(); };
        store(keys::UseMic, "True");
        store(keys::MicSource, "out.monitor");
        store(keys::StartUp, "False");
        store(keys::Questions, "5");
    }

    void TearDown() override
    {
        MainWindowFixture::TearDown();
        room.kill();
        room.waitForFinished();
        defaultOutput.reset();
        engine.stop();
    }

    // A room is never quite silent; a null sink with nothing playing gives
    // its monitor nothing at all.
    void hum()
    {
        std::vector<float> noise(std::size_t(Rate) * 60);
        std::uint32_t seed = 1;
        for (float &sample : noise) {
            seed = seed * 1664525u + 1013904223u;
            sample = float(int(seed >> 8) - (1 << 23)) / float(1 << 23) * 0.003f;
        }
        play(noise, room);
    }

    // The pupil strikes a key on the piano, and lets it ring; then waits for
    // the lesson to judge it, however slowly a busy machine gets there.
    void strike(int midi, const std::function<bool()> &judged)
    {
        std::vector<PianoEvent> events;
        PianoRenderer::strike(events, midi, 100, Rate / 20, Rate / 2);
        QProcess key;
        play(piano.render(events, Rate * 6 / 5), key);
        waitFor([&] { return key.state() == QProcess::NotRunning; }, 10000);
        waitFor(judged, 10000);
    }

    void play(const std::vector<float> &sound, QProcess &player)
    {
        QByteArray samples(int(sound.size() * 2), Qt::Uninitialized);
        auto *out = reinterpret_cast<qint16 *>(samples.data());
        for (std::size_t i = 0; i < sound.size(); ++i)
            out[i] = qint16(std::lround(std::clamp(sound[i], -1.0f, 1.0f) * 32767.0f));
        QFile wave(folder.filePath(QStringLiteral("sound%1.wav").arg(++m_sounds)));
        ASSERT_TRUE(wave.open(QIODevice::WriteOnly));
        wave.write(WaveFile::build(1, Rate, 16, samples));
        wave.close();
        player.start(QStringLiteral("paplay"), {QStringLiteral("-d"), QStringLiteral("out"), wave.fileName()});
        ASSERT_TRUE(player.waitForStarted());
    }

    PrivatePulseServer server;
    QProcess room;
    int m_sounds = 0;
    AudioEngine engine;
    PianoRenderer piano{"/usr/share/sounds/sf2/TimGM6mb.sf2", Rate};
};

} // namespace

// A whole lesson played on a piano into the microphone, while the program's
// own notes sound into the same room.
TEST_F(MicRoom, ALessonIsTakenByPlayingThePianoAndTheProgramNeverAnswersItself)
{
    ASSERT_TRUE(piano.loaded()) << "install timgm6mb-soundfont";
    hum();
    start();
    // The program's own notes must really sound into the room.
    ASSERT_TRUE(waitUntilLoaded(static_cast<BuiltinSynth &>(*defaultOutput), std::chrono::seconds(10)));
    // The microphone hears the room before the first question.
    ASSERT_TRUE(waitFor([this] { return w().mic().ear().levelDb() > -90.0; }, 10000)) << "the room is not heard";
    clickNew();
    int wrongs = 0;
    for (int question = 1; question <= 5; ++question) {
        // The question's own note sounds into the room first.
        waitFor([] { return false; }, 700);
        ASSERT_EQ(w().lesson.YES, question - 1) << "before question " << question;
        const int asked = w().lesson.expectedNote();
        if (question == 2) {
            ++wrongs;
            strike(asked + 2, [&] { return w().lesson.NO >= wrongs; });
            EXPECT_EQ(w().lesson.NO, wrongs);
            // The wrong answer's sound is heard out before trying again.
            waitFor([] { return false; }, 1000);
        }
        if (question == 5)
            desktop.answer(Desktop::Answer::Cancel, [](const ScriptedDesktop::Box &box) {
                EXPECT_EQ(box.title, "Lesson Over Notification");
            });
        strike(asked, [&] { return w().lesson.YES >= question; });
        EXPECT_EQ(w().lesson.YES, question) << "question " << question << " asked " << asked;
    }
    EXPECT_EQ(w().lesson.NO, wrongs);
    EXPECT_EQ(w().msglbl->text(), "Click New to start!") << "the lesson is over";
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    EXPECT_EQ(readProgramFile("grades.txt"),
              QStringLiteral("\"Pellworth\",\"Treble Clef\",5,1,83,#%1#\r\n").arg(today).toLatin1());
    ASSERT_EQ(desktop.boxes.size(), 1u) << "no box but the lesson's end";
}

} // namespace staverly::test
