// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace staverly {

class Desktop;

// The lesson sounds and the desktop's "open this" for documents, links and mail.
class Effects
{
    Q_DECLARE_TR_FUNCTIONS(Effects)

public:
    // useSound is asked at every play, so a changed setting applies at once.
    Effects(Desktop &desktop, std::function<bool()> useSound);

    // Plays embedded sound n (101 wrong answer, 102 time-up, 103 lesson over).
    void play_wave(qint16 &n);
    // Told the length of each sound played, as it starts.
    void watchPlayed(std::function<void(int milliseconds)> watcher) { m_played = std::move(watcher); }
    void open_document(QString &target);
    void do_mail(QString &to_email);

    static QByteArray waveResource(int n);

private:
    Desktop &m_desktop;
    std::function<bool()> m_useSound;
    bool m_outputReported = false;
    std::function<void(int)> m_played;
};

} // namespace staverly
