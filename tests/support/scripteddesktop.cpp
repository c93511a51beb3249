// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripteddesktop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace staverly::test {

void ScriptedDesktop::answer(Answer reply, std::function<void(const Box &)> check)
{
    m_replies.push_back({reply, std::move(check), false, {}, 0});
}

void ScriptedDesktop::answerWithRealBox(Answer reply, std::function<void()> meanwhile,
                                        int windowBackAfterMs)
{
    m_replies.push_back({reply, {}, true, std::move(meanwhile), windowBackAfterMs});
}

void ScriptedDesktop::answerInput(const QString &text)
{
    m_inputs.push_back(text);
}

void ScriptedDesktop::answerSaveFile(const QString &path)
{
    m_saveFiles.push_back(path);
}

void ScriptedDesktop::answerOpenFile(const QString &path)
{
    m_openFiles.push_back(path);
}

void ScriptedDesktop::answerPrinterSetup(bool accepted)
{
    m_printerSetups.push_back(accepted);
}

void ScriptedDesktop::setPrintResult(const QString &failure)
{
    m_printFailure = failure;
}

void ScriptedDesktop::setSoundResult(const QString &failure)
{
    m_soundFailure = failure;
}

void ScriptedDesktop::setOpenResult(bool opened)
{
    m_openResult = opened;
}

void ScriptedDesktop::onSleep(std::function<void(int)> hook)
{
    m_sleepHook = std::move(hook);
}

void ScriptedDesktop::onProcessEvents(std::function<void()> hook)
{
    m_processHook = std::move(hook);
}

void ScriptedDesktop::onModal(const QString &objectName,
                              std::function<void(QDialog &)> handler)
{
    m_modalHandlers[objectName].push_back(std::move(handler));
}

void ScriptedDesktop::forgetModal(const QString &objectName)
{
    m_modalHandlers.erase(objectName);
}

bool ScriptedDesktop::scriptDone() const
{
    return m_replies.empty() && m_inputs.empty() && m_saveFiles.empty() && m_openFiles.empty()
           && m_printerSetups.empty();
}

Desktop::Answer ScriptedDesktop::messageBox(QWidget *parent, const QString &text, Buttons buttons,
                                            Icon icon, const QString &title)
{
    const Box box{text, buttons, icon, title};
    boxes.push_back(box);
    if (m_replies.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << title.toStdString() << "\": "
                      << text.toStdString();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    Reply reply = std::move(m_replies.front());
    m_replies.pop_front();
    if (reply.check)
        reply.check(box);
    if (reply.real)
        return realBox(parent, box, reply);
    return reply.answer;
}

Desktop::Answer ScriptedDesktop::realBox(QWidget *parent, const Box &box, const Reply &reply)
{
    static const std::map<Buttons, QMessageBox::StandardButtons> buttons{
        {Buttons::Ok, QMessageBox::Ok},
        {Buttons::YesNo, QMessageBox::Yes | QMessageBox::No},
        {Buttons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel}};
    static const std::map<Answer, QMessageBox::StandardButton> press{
        {Answer::Ok, QMessageBox::Ok},
        {Answer::Yes, QMessageBox::Yes},
        {Answer::No, QMessageBox::No},
        {Answer::Cancel, QMessageBox::Cancel}};
    // A window manager gives the window back its activation after the box,
    // a little later: not while the handler that opened the box still runs.
    QPointer<QWidget> before = QApplication::activeWindow();
    QMessageBox real(QMessageBox::NoIcon, box.title, box.text, buttons.at(box.buttons), parent);
    QTimer::singleShot(0, &real, [&] {
        if (reply.meanwhile)
            reply.meanwhile();
        QCoreApplication::processEvents();
        real.button(press.at(reply.answer))->click();
    });
    real.exec();
    // On an X server the closed box leaves no window active until the
    // window manager acts; offscreen hands the activation back at once.
    QApplication::setActiveWindow(nullptr);
    QTimer::singleShot(reply.windowBackAfterMs, [before] {
        if (before)
            before->activateWindow();
    });
    return reply.answer;
}

QString ScriptedDesktop::inputBox(QWidget *, const QString &prompt, const QString &,
                                  const QString &)
{
    inputPrompts << prompt;
    if (m_inputs.empty()) {
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        return {};
    }
    const QString text = m_inputs.front();
    m_inputs.pop_front();
    return text;
}

QString ScriptedDesktop::saveFileName(QWidget *, const QString &title, const QString &,
                                      const QString &, const QString &)
{
    if (m_saveFiles.empty()) {
        ADD_FAILURE() << "unexpected save dialog: " << title.toStdString();
        return {};
    }
    const QString path = m_saveFiles.front();
    m_saveFiles.pop_front();
    return path;
}

QString ScriptedDesktop::openFileName(QWidget *, const QString &title, const QString &, const QString &)
{
    if (m_openFiles.empty()) {
        ADD_FAILURE() << "unexpected open dialog: " << title.toStdString();
        return {};
    }
    const QString path = m_openFiles.front();
    m_openFiles.pop_front();
    return path;
}

bool ScriptedDesktop::printerSetup(QWidget *)
{
    ++printerSetups;
    if (m_printerSetups.empty())
        return false;
    const bool accepted = m_printerSetups.front();
    m_printerSetups.pop_front();
    return accepted;
}

QString ScriptedDesktop::printWindow(QWidget *)
{
    ++prints;
    return m_printFailure;
}

void ScriptedDesktop::sleep(int milliseconds)
{
    sleeps.push_back(milliseconds);
    sleptMs += milliseconds;
    if (m_sleepHook)
        m_sleepHook(milliseconds);
}

void ScriptedDesktop::processEvents()
{
    ++processEventsCalls;
    QCoreApplication::processEvents();
    if (m_processHook)
        m_processHook();
}

void ScriptedDesktop::beep()
{
    ++beeps;
}

void ScriptedDesktop::flashWindow(QWidget *)
{
    ++flashes;
}

bool ScriptedDesktop::openDocument(const QString &target)
{
    opened << target;
    return m_openResult;
}

int ScriptedDesktop::showModal(QDialog &dialog)
{
    modals << dialog.objectName();
    auto found = m_modalHandlers.find(dialog.objectName());
    if (found != m_modalHandlers.end() && !found->second.empty()) {
        auto handler = std::move(found->second.front());
        found->second.pop_front();
        dialog.setModal(true);
        dialog.show();
        handler(dialog);
        if (dialog.isVisible())
            dialog.hide();
        return dialog.result();
    }
    return QDialog::Rejected;
}

void ScriptedDesktop::endProgram()
{
    ended = true;
}

QString ScriptedDesktop::playSound(const QByteArray &wave)
{
    sounds.push_back(wave);
    return m_soundFailure;
}

} // namespace staverly::test
