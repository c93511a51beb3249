// SPDX-License-Identifier: GPL-3.0-or-later
#include "audiocapture.h"
#include "answerhistory.h"
#include "lessonengine.h"
#include "maindialogs.h"
#include "mainwindowfixture.h"
#include "micanswers.h"
#include "pianorenderer.h"
#include "settingkeys.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLabel>
#include <QThread>

namespace staverly::test {

namespace {

constexpr int Rate = 44100;
const std::string TimGM6mb = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// A microphone the test speaks into, on the test's own thread.
class ScriptedMicrophone : public AudioCapture
{
public:
    explicit ScriptedMicrophone(Block *listener) : m_listener(listener) {}
    std::vector<Source> sources() const override { return {{"room", "The room"}}; }
    bool start(const QString &, Block block) override
    {
        *m_listener = std::move(block);
        return true;
    }
    void stop() override { *m_listener = nullptr; }
    QString problem() const override { return {}; }
    int problemChanges() const override { return 0; }
    int sampleRate() const override { return Rate; }

private:
    Block *m_listener;
};

class MicAnswers : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        capture = [this] { return std::make_unique<ScriptedMicrophone>(&listener); };
        store(keys::UseMic, "True");
        store(keys::StartUp, "False");
    }

    // What reaches the microphone over `seconds`: the keys struck, each held
    // half a second, or silence.
    void hear(std::vector<std::pair<double, int>> strikes, double seconds)
    {
        std::vector<PianoEvent> events;
        for (auto [at, midi] : strikes)
            PianoRenderer::strike(events, midi, 90, std::int64_t(at * Rate), Rate / 2);
        const std::vector<float> sound = piano.render(events, std::int64_t(seconds * Rate));
        for (std::size_t at = 0; at < sound.size(); at += AudioCapture::BlockFrames) {
            ASSERT_TRUE(listener) << "not listening";
            listener(sound.data() + at, std::min(AudioCapture::BlockFrames, sound.size() - at), Rate);
            // As fast as the ear listens, not faster: a real capture never runs ahead.
            while (w().mic().ear().backlogFrames() > 4 * AudioCapture::BlockFrames)
                QThread::usleep(200);
        }
        while (w().mic().ear().backlogFrames() > 0)
            QThread::usleep(200);
        QCoreApplication::processEvents();
    }

    QByteArray csv()
    {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        w().dialogs().history().exportCsv(w().lesson.PLAYER_NAME, out);
        return out.data();
    }

    PianoRenderer piano{TimGM6mb, Rate};
    AudioCapture::Block listener;
};

} // namespace

TEST_F(MicAnswers, AKeyStruckOnThePianoAnswersOnceAndTheProgramsOwnNotesNever)
{
    ASSERT_TRUE(piano.loaded()) << "install timgm6mb-soundfont";
    start();
    clickNew();
    const int asked = w().lesson.expectedNote();
    hear({}, 0.3);
    // The clue sounds the asked note through the speakers, into the microphone.
    typeText(QStringLiteral(" "));
    hear({{0.0, asked}}, 3.0);
    EXPECT_EQ(w().lesson.YES, 0);
    EXPECT_EQ(w().lesson.NO, 0);

    // Another key struck while the program's note rings is the pupil's.
    typeText(QStringLiteral(" "));
    hear({{0.0, asked}, {0.2, asked + 5}}, 2.0);
    EXPECT_EQ(w().lesson.NO, 1);
    EXPECT_EQ(w().lesson.YES, 0);

    hear({}, 2.0);
    hear({{0.2, asked}}, 2.0);
    EXPECT_EQ(w().lesson.YES, 1);
    EXPECT_EQ(w().lesson.NO, 1);
    EXPECT_TRUE(csv().contains(",mic,")) << csv().toStdString();
}

// Each question sounds its note: a pupil who plays it back at once is
// heard, though the program's own note of that pitch still rings.
TEST_F(MicAnswers, AnAnswerPlayedBackAtOnceCountsAndTheOptionOffStopsListening)
{
    ASSERT_TRUE(piano.loaded());
    start();
    clickNew();
    const int asked = w().lesson.expectedNote();
    hear({{0.0, asked}, {0.6, asked}}, 2.0);
    EXPECT_EQ(w().lesson.YES, 1) << asked;
    w().midi.setUseMic(false);
    EXPECT_FALSE(listener) << "still listening";
}

} // namespace staverly::test
