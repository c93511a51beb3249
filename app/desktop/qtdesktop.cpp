// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtdesktop.h"

#include "audioengine.h"
#include "fittext.h"
#include "titledmessagebox.h"
#include "wavefile.h"

#include <QApplication>
#include <QDialog>
#include <cstdio>
#include <cstdlib>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>
#include <QUrl>

namespace staverly {

QtDesktop::QtDesktop(AudioEngine &audio)
    : m_audio(audio)
{
}

QtDesktop::~QtDesktop() = default;

Desktop::Answer QtDesktop::messageBox(QWidget *parent, const QString &text, Buttons buttons,
                                      Icon icon, const QString &title)
{
    TitledMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: break;
    }
    if (buttons == Buttons::YesNo)
        return Answer::No;
    if (buttons == Buttons::YesNoCancel)
        return Answer::Cancel;
    return Answer::Ok;
}

QString QtDesktop::inputBox(QWidget *parent, const QString &prompt, const QString &title,
                            const QString &defaultText)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    roomForTitle(&dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtDesktop::saveFileName(QWidget *parent, const QString &title, const QString &directory,
                                const QString &filter, const QString &defaultSuffix)
{
    QFileDialog dialog(parent, title, directory, filter);
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    // Qt's own dialog adds the suffix before it asks about replacing a file,
    // so "x" asks about x.htm as "x.htm" does; a native one asks about "x".
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDesktop::openFileName(QWidget *parent, const QString &title, const QString &directory,
                                const QString &filter)
{
    QFileDialog dialog(parent, title, directory, filter);
    dialog.setObjectName(QStringLiteral("openFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QPrinter &QtDesktop::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter());
    return *m_printer;
}

bool QtDesktop::printerSetup(QWidget *parent)
{
    // The printer itself is chosen here, with its paper: the platform's
    // own printer dialog, which a page set-up alone does not offer.
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(tr("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

QString QtDesktop::printWindow(QWidget *window)
{
    if (printer().printerName().isEmpty() && printer().outputFileName().isEmpty()
        && QPrinterInfo::defaultPrinter().isNull())
        return tr("No printer is set up on this computer.");
    const QPixmap image = window->grab();
    QPainter painter;
    if (!painter.begin(&printer()))
        return tr("The printer \"%1\" could not be started.")
            .arg(printer().printerName());
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
    painter.end();
    return {};
}

void QtDesktop::sleep(int milliseconds)
{
    if (milliseconds > 0)
        QThread::msleep(ulong(milliseconds));
}

void QtDesktop::processEvents()
{
    QCoreApplication::processEvents();
}

void QtDesktop::beep()
{
    QApplication::beep();
}

void QtDesktop::flashWindow(QWidget *window)
{
    // The title bar belongs to the window manager; invert the top of the
    // window (its menu bar) instead, and ask the desktop to flag the window.
    QWidget *top = window->window();
    QApplication::alert(top, 100);
    const int height = std::max(top->height() - top->contentsRect().height(), 0)
                       + (top->findChild<QMenuBar *>() ? top->findChild<QMenuBar *>()->height() : 0);
    const QRect strip(0, 0, top->width(), std::max(height, 20));
    QImage inverted = top->grab(strip).toImage();
    inverted.invertPixels();
    QLabel flash(top);
    flash.setPixmap(QPixmap::fromImage(inverted));
    flash.setGeometry(strip);
    flash.show();
    flash.repaint();
    QThread::msleep(100);
}

bool QtDesktop::openDocument(const QString &target)
{
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target)
                                                : QUrl::fromUserInput(target);
    return QDesktopServices::openUrl(url);
}

int QtDesktop::showModal(QDialog &dialog)
{
    roomForTitle(&dialog);
    return dialog.exec();
}

void QtDesktop::endProgram()
{
    // Every setting was written when it changed; nothing is left to save.
    std::fflush(nullptr);
    std::_Exit(0);
}

QString QtDesktop::playSound(const QByteArray &wave)
{
    const auto parsed = WaveFile::parse(wave);
    if (!parsed)
        return tr("The sound is not an uncompressed PCM wave.");
    if (!m_audio.start())
        return m_audio.error();
    m_audio.playClip(*parsed);
    return {};
}

} // namespace staverly
