// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop.h"

#include <QCoreApplication>
#include <memory>

class QPrinter;

namespace staverly {

// The desktop as the program really uses it: Qt dialogs, printer, links and
// the shared audio output.
class AudioEngine;

class QtDesktop : public Desktop
{
    Q_DECLARE_TR_FUNCTIONS(QtDesktop)

public:
    explicit QtDesktop(AudioEngine &audio);
    ~QtDesktop() override;

    Answer messageBox(QWidget *parent, const QString &text, Buttons buttons, Icon icon,
                      const QString &title) override;
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &directory,
                         const QString &filter, const QString &defaultSuffix) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &directory,
                         const QString &filter) override;
    bool printerSetup(QWidget *parent) override;
    QString printWindow(QWidget *window) override;
    void sleep(int milliseconds) override;
    void processEvents() override;
    void beep() override;
    void flashWindow(QWidget *window) override;
    bool openDocument(const QString &target) override;
    int showModal(QDialog &dialog) override;
    void endProgram() override;
    QString playSound(const QByteArray &wave) override;

private:
    QPrinter &printer();

    AudioEngine &m_audio;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace staverly
