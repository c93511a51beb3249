#include "audioengine.h"
#include "builtinsynth.h"
#include "jackserver.h"
#include "soundcheck.h"

#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUuid>
#include <gtest/gtest.h>
#include <jack/jack.h>

using namespace staverly;
using namespace std::chrono_literals;

namespace {

// A JACK server of the test's own at 44.1 kHz, beside the suite's 48 kHz one.
class JackAt44100 : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("jackd")).isEmpty())
            GTEST_SKIP() << "jackd is not installed (package jackd2)";
        JackServer::preventAutostart();
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("JACK_NO_AUDIO_RESERVATION"), QStringLiteral("1"));
        m_jackd.setProcessEnvironment(environment);
        m_jackd.setProcessChannelMode(QProcess::MergedChannels);
        m_jackd.start(QStringLiteral("jackd"), {QStringLiteral("--no-realtime"), QStringLiteral("-n"),
                                                m_name, QStringLiteral("-d"), QStringLiteral("dummy"),
                                                QStringLiteral("-r"), QStringLiteral("44100"),
                                                QStringLiteral("-p"), QStringLiteral("64")});
        ASSERT_TRUE(m_jackd.waitForStarted(5000));
        // Every JACK client of this process, FluidSynth's too, goes to it.
        qputenv("JACK_DEFAULT_SERVER", m_name.toUtf8());
        for (int i = 0; i < 100 && !answers(); ++i)
            QThread::msleep(100);
        ASSERT_TRUE(answers()) << m_jackd.readAll().toStdString();
    }

    void TearDown() override
    {
        qunsetenv("JACK_DEFAULT_SERVER");
        m_jackd.terminate();
        if (!m_jackd.waitForFinished(5000))
            m_jackd.kill();
    }

private:
    static bool answers()
    {
        jack_client_t *client = jack_client_open("staverly-probe", JackNoStartServer, nullptr);
        if (!client)
            return false;
        jack_client_close(client);
        return true;
    }

    QString m_name = QStringLiteral("staverly-") + QUuid::createUuid().toString(QUuid::Id128).left(8);
    QProcess m_jackd;
};

} // namespace

TEST_F(JackAt44100, TheSynthesizerPlaysInTuneAtTheServersRate)
{
    AudioEngine engine;
    ASSERT_TRUE(engine.start({QStringLiteral("jack")})) << engine.error().toStdString();
    EXPECT_EQ(engine.sampleRate(), 44100);
    BuiltinSynth synth(&engine);
    synth.open();
    ASSERT_TRUE(synth.waitUntilLoaded(10s));
    // From here the test alone renders.
    engine.stop();
    const std::uint8_t program[] = {0xC0, 0};
    const std::uint8_t note[] = {0x90, 60, 127};
    synth.send(program, sizeof program);
    synth.send(note, sizeof note);
    const auto held = synth.renderOffline(44100);
    EXPECT_NEAR(test::fundamental(test::left(held), 44100), 261.63, 2.0);
}
