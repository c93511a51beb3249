// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capturedblocks.h"
#include "ownsoundqueue.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace staverly {

class AudioCapture;
class PianoListener;

// Listens to a real piano through a microphone for the lesson. The capture's
// thread only hands its blocks on, stamped with the question open as they
// arrive; a thread of the ear's own listens to them; each key heard reaches
// this object's thread once, with the question that was open when it was
// struck.
class PianoEar : public QObject
{
    Q_OBJECT

public:
    using CaptureMaker = std::function<std::unique_ptr<AudioCapture>()>;

    explicit PianoEar(CaptureMaker makeCapture, QObject *parent = nullptr);
    ~PianoEar() override;

    // The sources there are now: names to store, and what a person reads.
    std::vector<std::pair<QString, QString>> sources();
    // Listens to the named source (empty: the desktop's default input);
    // false with problem() when it cannot.
    bool start(const QString &source, double a4);
    void stop();
    bool listening() const { return m_capture != nullptr; }
    void setA4(double a4);

    // What a struck key is judged against: the question open now, and
    // whether answers count now (the main window is active).
    void setArrival(quint32 question, bool active);

    // The program's own sounds, from any thread: never taken for a key.
    void ownNoteOn(int midi) { m_own.push(OwnSoundQueue::Kind::NoteOn, midi); }
    void ownNoteOff(int midi) { m_own.push(OwnSoundQueue::Kind::NoteOff, midi); }
    void ownClip(int milliseconds) { m_own.push(OwnSoundQueue::Kind::Clip, milliseconds); }
    // A MIDI message the program sent: its note-ons and note-offs.
    void ownMessage(const std::uint8_t *bytes, std::size_t size);

    // The input level of the last moment, dBFS; very low when nothing arrives.
    double levelDb() const { return m_levelDb.load(); }
    bool clipping() const { return m_clipping.load(); }
    // Seconds since anything above the noise of an empty input arrived.
    double silentSeconds() const;
    // What is wrong with the capture now; empty when all is well.
    QString problem() const { return m_problem; }
    // Captured frames not listened to yet.
    std::size_t backlogFrames() const { return m_blocks.waiting() * CapturedBlocks::Frames; }

    // Hears one A played on the piano over the next few seconds and tells
    // its A4, or nothing when no A was heard.
    void tune(std::function<void(std::optional<double>)> done);

signals:
    void heard(int midi, int velocity, quint32 question, bool active);
    void problemChanged(const QString &problem);

private:
    struct Arrival
    {
        std::int64_t frame;
        quint32 question;
        bool active;
    };
    void captured(const float *samples, std::size_t frames, int sampleRate);
    void listenLoop();
    void listen(const CapturedBlocks::Block &block);
    Arrival arrivalAt(std::int64_t frame) const;
    void watchProblem();

    CaptureMaker m_makeCapture;
    std::unique_ptr<AudioCapture> m_capture;
    QTimer m_problemWatch;
    QString m_problem;
    int m_problemSeen = -1;

    // Shared with the capture and listening threads.
    CapturedBlocks m_blocks;
    std::thread m_listening;
    std::atomic<bool> m_stopping{false};
    OwnSoundQueue m_own;
    std::atomic<quint64> m_arrival{0};
    std::atomic<double> m_a4{440.0};
    std::atomic<double> m_levelDb{-120.0};
    std::atomic<bool> m_clipping{false};
    std::atomic<qint64> m_lastHeardMs{0};
    std::atomic<bool> m_tuning{false};
    std::function<void(std::optional<double>)> m_tuned;

    // The listening thread's own.
    std::unique_ptr<PianoListener> m_listener;
    std::array<Arrival, 512> m_arrivals{};
    std::size_t m_arrivalCount = 0;
    std::vector<float> m_tuneSamples;
};

} // namespace staverly
