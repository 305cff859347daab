#include "Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "Identity.h"

namespace {

QString applicationTitle() { return Identity::Name(); }

class RealPlatform final : public Platform
{
public:
    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                        const QString &text,
                                        QMessageBox::StandardButtons buttons) override
    {
        QMessageBox box(icon, applicationTitle(), messageBoxLines(text), buttons, parent);
        box.setTextFormat(Qt::PlainText);
        box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
        if (buttons.testFlag(QMessageBox::Yes))
            box.setDefaultButton(QMessageBox::Yes);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    QString askFileName(QWidget *parent, const FileDialogRequest &request) override
    {
        QFileDialog dialog(parent, request.title);
        const bool saving = request.mode == FileDialogRequest::Mode::Save;
        dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setNameFilter(request.filter);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        dialog.setOption(QFileDialog::ReadOnly, false);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        const QStringList chosen = dialog.selectedFiles();
        return chosen.isEmpty() ? QString() : chosen.constFirst();
    }

    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }

    QString settingsFilePath(const QString &applicationName) override
    {
#ifdef Q_OS_WIN
        // The registry is where Windows programs keep per-user values; the key
        // is the one QSettings(NativeFormat, UserScope, "Pallastro", name) uses.
        return QStringLiteral("HKEY_CURRENT_USER\\Software\\Pallastro\\") + applicationName;
#else
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        return QDir(base).filePath(applicationName + QLatin1String("/") + applicationName
                                   + QLatin1String(".conf"));
#endif
    }

    QString lockDirectory() override
    {
#ifdef Q_OS_UNIX
        // The session's runtime folder is the natural home of a lock, as long
        // as it really is the user's own: a folder someone else made or may
        // write to would let them fake or remove the lock.
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (QDir::isAbsolutePath(runtime) && makePrivateFolder(runtime))
            return runtime;
        // Otherwise a folder of the program's own under the user's cache. No
        // folder in the shared temporary folder: another user could take its
        // name first, and which folder a copy chose would then depend on them.
        return privateCacheFolder();
#else
        // %LOCALAPPDATA% belongs to the user alone and, unlike %TEMP%, does
        // not move with the environment a copy happens to be started from.
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        return base.isEmpty() ? QString() : QDir(base).filePath(Identity::ExecutableName());
#endif
    }

private:
#ifdef Q_OS_UNIX
    static QString privateCacheFolder()
    {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (!QDir::isAbsolutePath(base))
            return {};
        const QString folder = QDir(base).filePath(Identity::ExecutableName());
        struct stat info;
        const QByteArray native = QFile::encodeName(folder);
        // Our own folder left open to others (an earlier umask of 002, say)
        // is ours to close again.
        if (::lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode)
            && info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)))
            ::chmod(native.constData(), S_IRWXU);
        return folder;
    }
#endif
};

Platform *g_replacement = nullptr;

} // namespace

Platform &realPlatform()
{
    static RealPlatform real;
    return real;
}

QString messageBoxLines(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

bool isPrivateFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
           && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
#else
    return QFileInfo(path).isDir();
#endif
}

bool makePrivateFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (!QFileInfo::exists(path)) {
        const QString parent = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(parent))
            return false;
#ifdef Q_OS_UNIX
        // Created closed from the first moment, whatever the umask says.
        ::mkdir(QFile::encodeName(path).constData(), S_IRWXU);
#else
        QDir().mkdir(path);
#endif
    }
    return isPrivateFolder(path);
}

Platform &platform() { return g_replacement ? *g_replacement : realPlatform(); }

void setPlatform(Platform *replacement) { g_replacement = replacement; }
