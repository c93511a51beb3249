// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QMenu;

namespace staverly {

class Desktop;
class Effects;
class SettingsStore;
class frmMain;

// The main window's menu bar: its entries, made into the window's actions,
// and what the entries that only reach the desktop do (print, help, links,
// About, zoom).
class MainMenus : public QObject
{
    Q_OBJECT

public:
    MainMenus(frmMain &window, Desktop &desktop, SettingsStore &settings, Effects &effects,
              QString programFolder);

    // The zoom stored for the next start, as read at start-up.
    void setZoom(int percent);
    void showAbout();

private:
    void build();
    // Stores the window's size for the next start.
    void chooseZoom(int percent);
    void buildLanguages(QMenu *viewMenu);
    // Stores the language for the next start: a code as "de", or empty for the desktop's.
    void chooseLanguage(const QString &language);
    void buildNoteNames(QMenu *viewMenu);
    void chooseNoteNames(const QString &style);
    void print();
    void printSetup();
    void help();
    void musicPage();
    void mail();

    frmMain &m_window;
    Desktop &m_desktop;
    SettingsStore &m_settings;
    Effects &m_effects;
    QString m_programFolder;
    int m_zoomAtStart = 100;
    int m_zoom = 100;
    QString m_language;
};

} // namespace staverly
