// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QDialog;
class QWidget;

namespace staverly {

// Everything that blocks, asks the user or reaches the desktop goes through
// here, so every flow of the program can run in tests without a person and
// without waiting.
class Desktop
{
public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Desktop() = default;

    virtual Answer messageBox(QWidget *parent, const QString &text, Buttons buttons,
                              Icon icon, const QString &title) = 0;
    // Cancel and an empty answer both give an empty text.
    virtual QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;
    // Empty when the user cancels. A name typed without a suffix gets
    // `defaultSuffix`, and the usual question comes before an existing file
    // of the name so made is replaced; No there lets the user choose again.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &filter, const QString &defaultSuffix) = 0;
    // An existing file to read; empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &filter) = 0;
    // False when the user cancels.
    virtual bool printerSetup(QWidget *parent) = 0;
    // Prints an image of the window on the default printer at once.
    // Returns an empty text on success, otherwise what went wrong.
    virtual QString printWindow(QWidget *window) = 0;

    virtual void sleep(int milliseconds) = 0;
    virtual void processEvents() = 0;
    virtual void beep() = 0;
    virtual void flashWindow(QWidget *window) = 0;

    // A document path, web address or mailto: link, opened by the desktop's
    // default action. Returns false when the desktop could not open it.
    virtual bool openDocument(const QString &target) = 0;

    // Shows the dialog modally and returns its result code.
    virtual int showModal(QDialog &dialog) = 0;
    // Ends the process at once, without running further window events.
    virtual void endProgram() = 0;

    // Plays a complete RIFF WAVE image in the background; a new sound cuts
    // off the one still playing. Returns an empty text or the failure.
    virtual QString playSound(const QByteArray &wave) = 0;
};

} // namespace staverly
