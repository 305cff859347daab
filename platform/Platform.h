#pragma once

// The interfaces to the outside world that tests replace: message boxes,
// file dialogs, opening a web address, and the settings and lock locations.
// The clock and the random draw are handed in as values by the program's
// root; ending the program is the root's too.

#include <QMessageBox>
#include <QString>
#include <QUrl>

class QWidget;

struct FileDialogRequest
{
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;            // window title
    QString filter;           // Qt name filter, e.g. "Pallastro (*.grn)"
    QString defaultSuffix;    // appended when the user types no extension
    bool confirmOverwrite = false;
};

class Platform
{
public:
    virtual ~Platform() = default;

    // Modal message box captioned with the application title ("Pallastro").
    virtual QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                                const QString &text,
                                                QMessageBox::StandardButtons buttons) = 0;

    // Modal file dialog; an empty result means the user cancelled.
    virtual QString askFileName(QWidget *parent, const FileDialogRequest &request) = 0;

    // Hands the address to the desktop's default handler; false when it could not.
    virtual bool openUrl(const QUrl &url) = 0;

    // Where the per-user settings of the named application live: the full path
    // of an INI file, or on Windows a registry key of the current user
    // (HKEY_CURRENT_USER\Software\Pallastro\<name>).
    virtual QString settingsFilePath(const QString &applicationName) = 0;
    // Folder for the single-instance lock: one only the user can write to, the
    // same for every copy the user starts; empty when there is none.
    virtual QString lockDirectory() = 0;
};

// The seam in force. Defaults to the real platform.
Platform &platform();

// Tests install their own; nullptr restores the real one. Not owned.
void setPlatform(Platform *replacement);

// The real implementation, for tests that want to wrap parts of it.
Platform &realPlatform();

// Unix: the folder exists, belongs to the user the program runs as, and
// nobody else (group or others) may create, rename or remove files in it.
// Elsewhere the folder's access list is the system's business: it exists.
bool isPrivateFolder(const QString &path);

// Makes a missing folder for the user alone (its parents as usual), and says
// whether the folder is then private as isPrivateFolder judges it. An
// existing folder is left as it is.
bool makePrivateFolder(const QString &path);

// Message texts may separate their lines with a lone carriage return, which a
// Qt message box would not break on; this turns CR, CR LF and LF into one line
// break each, as the message box shows them.
QString messageBoxLines(const QString &text);
