// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulseinput.h"

#include <QCoreApplication>
#include <QHash>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <pulse/pulseaudio.h>

namespace staverly {

namespace {

bool contextFailed(pa_context_state_t state)
{
    return state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
}

bool streamSettled(pa_stream_state_t state)
{
    return state == PA_STREAM_READY || state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED;
}

timeval after(std::chrono::milliseconds delay)
{
    timeval when{};
    pa_gettimeofday(&when);
    pa_timeval_add(&when, pa_usec_t(delay.count()) * PA_USEC_PER_MSEC);
    return when;
}

QString noServer()
{
    return QCoreApplication::translate("PulseInput", "No sound server answers, so Staverly cannot hear a microphone; "
                                                     "answer on the keyboard instead.");
}

QString serverGone()
{
    return QCoreApplication::translate("PulseInput", "The sound server has stopped; Staverly listens again as soon as it is back.");
}

} // namespace

struct PulseInput::Link
{
    pa_threaded_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;
    pa_time_event *retry = nullptr;

    // Only on the loop's thread, or under its lock.
    bool listening = false;
    bool listed = false;
    QString wanted;
    Block block;
    std::vector<float> pending = std::vector<float>(BlockFrames);
    std::size_t filled = 0;
    std::vector<std::pair<Source, bool>> found;
    QHash<QString, QString> descriptions;

    // Read from any thread; held only to copy.
    mutable std::mutex mutex;
    std::vector<Source> sources;
    QString problem;
    int problemChanges = 0;
    std::atomic<int> rate{0};

    ~Link()
    {
        if (!loop)
            return;
        // With the loop's thread gone no callback runs; a dead server is fine.
        pa_threaded_mainloop_stop(loop);
        closeStream();
        stopRetrying();
        if (context) {
            pa_context_disconnect(context);
            pa_context_unref(context);
        }
        pa_threaded_mainloop_free(loop);
    }

    void lock() { pa_threaded_mainloop_lock(loop); }
    void unlock() { pa_threaded_mainloop_unlock(loop); }

    pa_mainloop_api *api() const { return pa_threaded_mainloop_get_api(loop); }

    bool waitUntil(const std::function<bool()> &done)
    {
        for (int waited = 0; waited < AnswerTimeout.count(); waited += 2) {
            lock();
            const bool ready = done();
            unlock();
            if (ready)
                return true;
            QThread::msleep(2);
        }
        return false;
    }

    // On the caller's thread: true once the server answered and told its
    // sources.
    bool connect()
    {
        if (!loop) {
            loop = pa_threaded_mainloop_new();
            if (pa_threaded_mainloop_start(loop) < 0) {
                pa_threaded_mainloop_free(loop);
                loop = nullptr;
                return false;
            }
        }
        lock();
        if (!context || contextFailed(pa_context_get_state(context)))
            openContext();
        unlock();
        const auto state = [this] { return pa_context_get_state(context); };
        waitUntil([&] { return (state() == PA_CONTEXT_READY && listed) || contextFailed(state()); });
        lock();
        const bool ready = state() == PA_CONTEXT_READY && listed;
        unlock();
        return ready;
    }

    // Under the lock.
    void openContext()
    {
        closeStream();
        if (context) {
            pa_context_set_state_callback(context, nullptr, nullptr);
            pa_context_set_subscribe_callback(context, nullptr, nullptr);
            pa_context_disconnect(context);
            pa_context_unref(context);
        }
        listed = false;
        context = pa_context_new(api(), "Staverly");
        pa_context_set_state_callback(context, contextChanged, this);
        pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    }

    void list()
    {
        found.clear();
        if (pa_operation *o = pa_context_get_source_info_list(context, sourceListed, this))
            pa_operation_unref(o);
    }

    bool present() const
    {
        std::lock_guard guard(mutex);
        if (wanted.isEmpty())
            return !sources.empty();
        return std::any_of(sources.begin(), sources.end(),
                           [this](const Source &s) { return s.name == wanted; });
    }

    QString absent() const
    {
        if (wanted.isEmpty())
            return QCoreApplication::translate("PulseInput", "Staverly finds no microphone; plug one in and Staverly listens at once.");
        return QCoreApplication::translate("PulseInput", "The microphone “%1” is unplugged or switched off; Staverly listens again "
                                                         "as soon as it is back.")
            .arg(descriptions.value(wanted, wanted));
    }

    void setProblem(const QString &text)
    {
        std::lock_guard guard(mutex);
        if (text == problem)
            return;
        problem = text;
        ++problemChanges;
    }

    // Under the lock. A named stream stays on its source: one moved to
    // another would hear the wrong room.
    void openStream()
    {
        // PulseAudio resamples any source to what we ask: the detector names
        // keys sooner at 44.1 kHz than at 48 (its bass windows are set in Hz),
        // and hears speech less often as keys.
        constexpr pa_sample_spec Format{PA_SAMPLE_FLOAT32NE, 44100, 1};
        stream = pa_stream_new(context, "Listening to a piano", &Format, nullptr);
        if (!stream)
            return;
        pa_stream_set_state_callback(stream, streamChanged, this);
        pa_stream_set_read_callback(stream, readable, this);
        pa_buffer_attr attr;
        attr.maxlength = std::uint32_t(-1);
        attr.tlength = std::uint32_t(-1);
        attr.prebuf = std::uint32_t(-1);
        attr.minreq = std::uint32_t(-1);
        attr.fragsize = std::uint32_t(BlockFrames * sizeof(float));
        auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY);
        if (!wanted.isEmpty())
            flags = pa_stream_flags_t(flags | PA_STREAM_DONT_MOVE);
        filled = 0;
        const QByteArray name = wanted.toUtf8();
        if (pa_stream_connect_record(stream, wanted.isEmpty() ? nullptr : name.constData(), &attr, flags) < 0) {
            closeStream();
            setProblem(absent());
        }
    }

    // Under the lock.
    void closeStream()
    {
        if (!stream)
            return;
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_read_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
    }

    void startRetrying()
    {
        if (!retry) {
            const timeval when = after(RetryEvery);
            retry = api()->time_new(api(), &when, tick, this);
        }
    }

    void stopRetrying()
    {
        if (retry) {
            api()->time_free(retry);
            retry = nullptr;
        }
    }

    void read()
    {
        for (;;) {
            const void *data = nullptr;
            std::size_t bytes = 0;
            if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
                return;
            // No data with a length is a hole: silence.
            const auto *in = static_cast<const float *>(data);
            for (std::size_t i = 0; i < bytes / sizeof(float); ++i) {
                pending[filled++] = in ? std::clamp(in[i], -1.0f, 1.0f) : 0.0f;
                if (filled == pending.size()) {
                    filled = 0;
                    if (block)
                        block(pending.data(), pending.size(), rate.load());
                }
            }
            pa_stream_drop(stream);
        }
    }

    static void contextChanged(pa_context *c, void *data)
    {
        auto *self = static_cast<Link *>(data);
        const pa_context_state_t state = pa_context_get_state(c);
        if (state == PA_CONTEXT_READY) {
            pa_context_set_subscribe_callback(c, sourcesChanged, self);
            if (pa_operation *o = pa_context_subscribe(c, PA_SUBSCRIPTION_MASK_SOURCE, nullptr, nullptr))
                pa_operation_unref(o);
            self->list();
        } else if (contextFailed(state)) {
            self->closeStream();
            self->listed = false;
            {
                std::lock_guard guard(self->mutex);
                self->sources.clear();
            }
            if (self->listening)
                self->setProblem(serverGone());
        }
    }

    static void sourcesChanged(pa_context *, pa_subscription_event_type_t, std::uint32_t, void *data)
    {
        static_cast<Link *>(data)->list();
    }

    static void sourceListed(pa_context *, const pa_source_info *info, int last, void *data)
    {
        auto *self = static_cast<Link *>(data);
        if (info) {
            const QString name = QString::fromUtf8(info->name);
            const QString description = QString::fromUtf8(info->description);
            self->descriptions.insert(name, description);
            self->found.push_back({{name, description}, info->monitor_of_sink != PA_INVALID_INDEX});
            return;
        }
        if (last < 0)
            return;
        // Real inputs first: a sink's monitor is what the computer plays.
        std::stable_partition(self->found.begin(), self->found.end(), [](const auto &f) { return !f.second; });
        {
            std::lock_guard guard(self->mutex);
            self->sources.clear();
            for (const auto &f : self->found)
                self->sources.push_back(f.first);
        }
        self->found.clear();
        self->listed = true;
        if (self->listening && !self->stream && self->present())
            self->openStream();
    }

    static void streamChanged(pa_stream *s, void *data)
    {
        auto *self = static_cast<Link *>(data);
        const pa_stream_state_t state = pa_stream_get_state(s);
        if (state == PA_STREAM_READY) {
            self->rate.store(int(pa_stream_get_sample_spec(s)->rate));
            self->setProblem({});
        } else if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
            self->closeStream();
            self->setProblem(self->absent());
        }
    }

    static void readable(pa_stream *, std::size_t, void *data)
    {
        static_cast<Link *>(data)->read();
    }

    // Looks again for a lost server or source now and then, in case the
    // server did not say it came back.
    static void tick(pa_mainloop_api *api, pa_time_event *event, const timeval *, void *data)
    {
        auto *self = static_cast<Link *>(data);
        if (!self->context || contextFailed(pa_context_get_state(self->context)))
            self->openContext();
        else if (pa_context_get_state(self->context) == PA_CONTEXT_READY && !self->stream && self->present())
            self->openStream();
        const timeval when = after(RetryEvery);
        api->time_restart(event, &when);
    }
};

PulseInput::PulseInput()
    : m_link(std::make_unique<Link>())
{
}

PulseInput::~PulseInput() = default;

std::vector<AudioCapture::Source> PulseInput::sources() const
{
    if (!m_link->connect())
        return {};
    std::lock_guard guard(m_link->mutex);
    return m_link->sources;
}

bool PulseInput::start(const QString &source, Block block)
{
    stop();
    if (!m_link->connect()) {
        m_link->setProblem(noServer());
        return false;
    }
    Link &link = *m_link;
    link.lock();
    link.wanted = source;
    link.block = std::move(block);
    link.listening = true;
    link.rate.store(0);
    link.startRetrying();
    if (link.present())
        link.openStream();
    else
        link.setProblem(link.absent());
    link.unlock();
    // So that sampleRate() is known on return.
    link.waitUntil([&] { return !link.stream || streamSettled(pa_stream_get_state(link.stream)); });
    return true;
}

void PulseInput::stop()
{
    Link &link = *m_link;
    if (!link.loop)
        return;
    link.lock();
    link.listening = false;
    link.closeStream();
    link.stopRetrying();
    link.block = {};
    link.rate.store(0);
    link.unlock();
    link.setProblem({});
}

QString PulseInput::problem() const
{
    std::lock_guard guard(m_link->mutex);
    return m_link->problem;
}

int PulseInput::problemChanges() const
{
    std::lock_guard guard(m_link->mutex);
    return m_link->problemChanges;
}

int PulseInput::sampleRate() const
{
    return m_link->rate.load();
}

} // namespace staverly
