// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace staverly::test {

// A desktop that answers from a script and records every call. Sleeps take no
// real time; they only add to a virtual clock.
class ScriptedDesktop : public Desktop
{
public:
    struct Box
    {
        QString text;
        Buttons buttons;
        Icon icon;
        QString title;
    };

    // Queue the answer to the next message box; the optional check sees it first.
    void answer(Answer reply, std::function<void(const Box &)> check = {});
    // The next box is a real one, with its own event loop, taking the focus
    // as a person's box does; `meanwhile` runs inside that loop before the
    // reply's button is clicked. Like a window manager, the desktop gives the
    // window that was active back its activation some time after the box.
    void answerWithRealBox(Answer reply, std::function<void()> meanwhile = {},
                           int windowBackAfterMs = 0);
    void answerInput(const QString &text);
    void answerSaveFile(const QString &path);
    // An empty path cancels the dialog.
    void answerOpenFile(const QString &path);
    void answerPrinterSetup(bool accepted);
    void setPrintResult(const QString &failure);
    void setSoundResult(const QString &failure);
    void setOpenResult(bool opened);
    // Runs when a dialog with this object name is shown modally, in place of
    // a person; the dialog's own buttons can be clicked from here. Without a
    // handler the dialog is closed at once, as if by its close box.
    void onModal(const QString &objectName, std::function<void(QDialog &)> handler);
    // Drops the handlers still waiting for that dialog.
    void forgetModal(const QString &objectName);
    // Called at every sleep with its length, e.g. to look at the screen then.
    void onSleep(std::function<void(int)> hook);
    // Called at every processEvents(), e.g. to inject input mid-handler.
    void onProcessEvents(std::function<void()> hook);

    bool scriptDone() const;

    std::vector<Box> boxes;
    QStringList inputPrompts;
    QStringList opened;
    std::vector<QByteArray> sounds;
    std::vector<int> sleeps;
    qint64 sleptMs = 0;
    int processEventsCalls = 0;
    int beeps = 0;
    int flashes = 0;
    int prints = 0;
    int printerSetups = 0;
    QStringList modals;
    bool ended = false;

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
    struct Reply
    {
        Answer answer;
        std::function<void(const Box &)> check;
        bool real = false;
        std::function<void()> meanwhile;
        int windowBackAfterMs = 0;
    };
    Answer realBox(QWidget *parent, const Box &box, const Reply &reply);
    std::deque<Reply> m_replies;
    std::deque<QString> m_inputs;
    std::deque<QString> m_saveFiles;
    std::deque<QString> m_openFiles;
    std::deque<bool> m_printerSetups;
    QString m_printFailure;
    QString m_soundFailure;
    bool m_openResult = true;
    std::function<void()> m_processHook;
    std::function<void(int)> m_sleepHook;
    std::map<QString, std::deque<std::function<void(QDialog &)>>> m_modalHandlers;
};

} // namespace staverly::test
