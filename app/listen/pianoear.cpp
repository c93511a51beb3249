// SPDX-License-Identifier: GPL-3.0-or-later
#include "pianoear.h"

#include "audiocapture.h"
#include "pianolistener.h"

#include <QDateTime>
#include <QPointer>
#include <cmath>

namespace staverly {

namespace {

// Below this an input carries nothing, not even a room's hum.
constexpr double SilentDb = -75.0;
constexpr int TuneSeconds = 3;

quint64 packArrival(quint32 question, bool active)
{
    return (quint64(question) << 1) | (active ? 1 : 0);
}

} // namespace

PianoEar::PianoEar(CaptureMaker makeCapture, QObject *parent)
    : QObject(parent)
    , m_makeCapture(std::move(makeCapture))
{
    m_problemWatch.setInterval(500);
    connect(&m_problemWatch, &QTimer::timeout, this, &PianoEar::watchProblem);
}

PianoEar::~PianoEar()
{
    stop();
}

std::vector<std::pair<QString, QString>> PianoEar::sources()
{
    std::unique_ptr<AudioCapture> looking;
    AudioCapture *capture = m_capture.get();
    if (!capture) {
        looking = m_makeCapture ? m_makeCapture() : nullptr;
        capture = looking.get();
    }
    std::vector<std::pair<QString, QString>> found;
    if (capture) {
        for (const AudioCapture::Source &source : capture->sources())
            found.emplace_back(source.name, source.description);
    }
    return found;
}

bool PianoEar::start(const QString &source, double a4)
{
    stop();
    m_a4 = a4;
    m_capture = m_makeCapture ? m_makeCapture() : nullptr;
    if (!m_capture) {
        m_problem = tr("No microphone can be listened to on this computer.");
        emit problemChanged(m_problem);
        return false;
    }
    m_lastHeardMs = QDateTime::currentMSecsSinceEpoch();
    m_blocks.clear();
    m_stopping = false;
    m_listening = std::thread([this] { listenLoop(); });
    const bool started = m_capture->start(
        source, [this](const float *samples, std::size_t frames, int rate) { captured(samples, frames, rate); });
    m_problemSeen = -1;
    watchProblem();
    m_problemWatch.start();
    if (!started) {
        const QString problem = m_problem.isEmpty() ? tr("The microphone could not be opened.") : m_problem;
        stop();
        m_problem = problem;
        emit problemChanged(m_problem);
    }
    return started;
}

void PianoEar::stop()
{
    m_problemWatch.stop();
    if (m_capture)
        m_capture->stop();
    m_capture.reset();
    m_stopping = true;
    if (m_listening.joinable())
        m_listening.join();
    // Neither thread runs now: their state is ours.
    m_blocks.clear();
    m_listener.reset();
    m_arrivalCount = 0;
    m_tuning = false;
    m_tuned = nullptr;
    m_levelDb = -120.0;
    m_clipping = false;
    if (!m_problem.isEmpty()) {
        m_problem.clear();
        emit problemChanged(m_problem);
    }
}

void PianoEar::setA4(double a4)
{
    m_a4 = a4;
}

void PianoEar::setArrival(quint32 question, bool active)
{
    m_arrival = packArrival(question, active);
}

void PianoEar::ownMessage(const std::uint8_t *bytes, std::size_t size)
{
    if (size < 3)
        return;
    const int kind = bytes[0] & 0xF0;
    if (kind == 0x90 && bytes[2] > 0)
        ownNoteOn(bytes[1]);
    else if (kind == 0x80 || kind == 0x90)
        ownNoteOff(bytes[1]);
}

double PianoEar::silentSeconds() const
{
    if (!m_capture)
        return 0;
    return double(QDateTime::currentMSecsSinceEpoch() - m_lastHeardMs.load()) / 1000.0;
}

void PianoEar::tune(std::function<void(std::optional<double>)> done)
{
    if (!m_capture) {
        done(std::nullopt);
        return;
    }
    m_tuning = false;
    m_tuned = std::move(done);
    m_tuning = true;
}

void PianoEar::watchProblem()
{
    if (!m_capture || m_capture->problemChanges() == m_problemSeen)
        return;
    m_problemSeen = m_capture->problemChanges();
    const QString problem = m_capture->problem();
    if (problem == m_problem)
        return;
    m_problem = problem;
    emit problemChanged(m_problem);
}

PianoEar::Arrival PianoEar::arrivalAt(std::int64_t frame) const
{
    const std::size_t held = std::min(m_arrivalCount, m_arrivals.size());
    for (std::size_t back = 1; back <= held; ++back) {
        const Arrival &a = m_arrivals[(m_arrivalCount - back) % m_arrivals.size()];
        if (a.frame <= frame)
            return a;
    }
    // Struck before anything we still remember: too long ago to answer.
    return {frame, 0, false};
}

void PianoEar::captured(const float *samples, std::size_t frames, int sampleRate)
{
    const quint64 arrival = m_arrival.load();
    for (std::size_t at = 0; at < frames; at += CapturedBlocks::Frames)
        m_blocks.push(samples + at, std::min(CapturedBlocks::Frames, frames - at), sampleRate, arrival);
}

void PianoEar::listenLoop()
{
    while (!m_stopping.load()) {
        const CapturedBlocks::Block *block = m_blocks.front();
        if (!block) {
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
            continue;
        }
        listen(*block);
        m_blocks.next();
    }
}

void PianoEar::listen(const CapturedBlocks::Block &block)
{
    const float *samples = block.samples.data();
    const std::size_t frames = block.frames;
    const int sampleRate = block.sampleRate;
    if (!m_listener || m_listener->sampleRate() != sampleRate) {
        m_listener = std::make_unique<PianoListener>(sampleRate, m_a4.load());
        m_arrivalCount = 0;
    }
    if (m_listener->a4() != m_a4.load())
        m_listener->setA4(m_a4.load());
    while (const auto sound = m_own.pop()) {
        switch (sound->kind) {
        case OwnSoundQueue::Kind::NoteOn:
            m_listener->ownNoteOn(sound->value);
            break;
        case OwnSoundQueue::Kind::NoteOff:
            m_listener->ownNoteOff(sound->value);
            break;
        case OwnSoundQueue::Kind::Clip:
            m_listener->ownClip(sound->value);
            break;
        }
    }
    const quint64 arrival = block.arrival;
    m_arrivals[m_arrivalCount % m_arrivals.size()] = {m_listener->frames(), quint32(arrival >> 1),
                                                      (arrival & 1) != 0};
    ++m_arrivalCount;

    if (m_tuning.load()) {
        m_tuneSamples.insert(m_tuneSamples.end(), samples, samples + frames);
        if (m_tuneSamples.size() >= std::size_t(TuneSeconds * sampleRate)) {
            const std::optional<double> a4 =
                PianoListener::tuneA4(m_tuneSamples.data(), m_tuneSamples.size(), sampleRate);
            m_tuneSamples.clear();
            m_tuning = false;
            QMetaObject::invokeMethod(
                this,
                [this, a4] {
                    if (auto done = std::exchange(m_tuned, nullptr))
                        done(a4);
                },
                Qt::QueuedConnection);
        }
    }

    const std::vector<HeardNote> notes = m_listener->feed(samples, frames);
    m_levelDb = m_listener->levelDb();
    m_clipping = m_listener->clipping();
    if (m_listener->levelDb() > SilentDb)
        m_lastHeardMs = QDateTime::currentMSecsSinceEpoch();
    for (const HeardNote &note : notes) {
        const Arrival struck = arrivalAt(note.onsetFrame);
        const int velocity = std::clamp(int(std::lround(note.velocity * 127.0f)), 1, 127);
        QMetaObject::invokeMethod(
            this, [this, note, velocity, struck] { emit heard(note.midi, velocity, struck.question, struck.active); },
            Qt::QueuedConnection);
    }
}

} // namespace staverly
