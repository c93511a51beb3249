// SPDX-License-Identifier: GPL-3.0-or-later
#include "effects.h"

#include "desktop.h"
#include "wavefile.h"

#include <QApplication>
#include <QFile>

namespace staverly {

namespace {

// Captions, translated where they are shown.
const char *const SoundError = QT_TRANSLATE_NOOP("Effects", "Staverly - Sound Error");
const char *const BrowserError = QT_TRANSLATE_NOOP("Effects", "Staverly- Browser Error");

} // namespace

Effects::Effects(Desktop &desktop, std::function<bool()> useSound)
    : m_desktop(desktop)
    , m_useSound(std::move(useSound))
{
}

QByteArray Effects::waveResource(int n)
{
    QFile file(QStringLiteral(":/WAVE/%1").arg(n));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void Effects::play_wave(qint16 &n)
{
    if (!m_useSound())
        return;
    const QByteArray wave = waveResource(n);
    if (wave.isEmpty()) {
        m_desktop.messageBox(QApplication::activeWindow(),
                             tr("Resource not found: sound %1.").arg(n),
                             Desktop::Buttons::Ok, Desktop::Icon::Information, tr(SoundError));
        return;
    }
    if (m_played) {
        const std::optional<WaveFile> parsed = WaveFile::parse(wave);
        if (parsed && parsed->sampleRate > 0 && parsed->channels > 0 && parsed->bitsPerSample >= 8)
            m_played(int(qint64(parsed->samples.size()) * 8000
                         / (qint64(parsed->sampleRate) * parsed->channels * parsed->bitsPerSample)));
    }
    const QString failure = m_desktop.playSound(wave);
    // A missing audio output is told once; repeating it at every wrong answer
    // would stop the lesson each time.
    if (failure.isEmpty() || m_outputReported)
        return;
    m_outputReported = true;
    m_desktop.messageBox(QApplication::activeWindow(),
                         failure + tr("\n\nThe lessons go on without sound effects."),
                         Desktop::Buttons::Ok, Desktop::Icon::Information, tr(SoundError));
}

void Effects::open_document(QString &target)
{
    // The desktop reports a target it cannot open itself, or not at all.
    if (target.isEmpty()) {
        m_desktop.messageBox(QApplication::activeWindow(), tr("Nothing to open."),
                             Desktop::Buttons::Ok, Desktop::Icon::Information, tr(BrowserError));
        return;
    }
    m_desktop.openDocument(target);
}

void Effects::do_mail(QString &to_email)
{
    QString target = QStringLiteral("mailto:") + to_email;
    open_document(target);
}

} // namespace staverly
