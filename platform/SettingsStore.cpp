// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SettingsStore.h"

#include "platform/UserFolders.h"
#include "platform/modHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

namespace {

QSettings::Format formatOf(bool registry)
{
    return registry ? QSettings::NativeFormat : QSettings::IniFormat;
}

} // namespace

SettingsStore::SettingsStore(const QString &applicationName)
    : m_path(UserFolders::settingsFile(applicationName))
{
}

QString SettingsStore::storedKey(const QString &name)
{
    return QStringLiteral("Settings/") + modHelp::EncodeText(name);
}

bool SettingsStore::inRegistry() const
{
#ifdef Q_OS_WIN
    return m_path.startsWith(QLatin1String("HKEY_"), Qt::CaseInsensitive);
#else
    return false;
#endif
}

SettingsStore::FileState SettingsStore::fileState() const
{
    if (m_path.isEmpty())
        return FileState::Blocked;
    if (inRegistry())
        return FileState::Usable;   // the registry keeps its own order
    const QFileInfo info(m_path);
    if (!info.exists())
        return FileState::Missing;
    if (!info.isFile())
        return FileState::Blocked;
    // What cannot be read cannot be judged garbage either.
    if (!info.isReadable())
        return FileState::Blocked;
    if (info.size() > MaxFileSize)
        return FileState::Damaged;
    QSettings probe(m_path, QSettings::IniFormat);
    return probe.status() == QSettings::NoError ? FileState::Usable : FileState::Damaged;
}

bool SettingsStore::mayWrite() const
{
    // The one honest test of "may the program write here": open the file for
    // writing, appending so that nothing in it changes. This also tells a
    // read-only file apart for root, whom permission bits do not stop but an
    // immutable file or a read-only file system does.
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
        return false;
    // QSettings writes a new file next to the old one and renames it, and
    // keeps a lock file there while it does.
    return QFileInfo(QFileInfo(m_path).absolutePath()).isWritable();
}

QString SettingsStore::read(const QString &name) const
{
    if (fileState() != FileState::Usable)
        return {};
    QSettings settings(m_path, formatOf(inRegistry()));
    settings.setFallbacksEnabled(false);
    const QVariant value = settings.value(storedKey(name));
    // An edited file can hold lists or serialised variants; only text is ours.
    if (value.metaType().id() != QMetaType::QString)
        return {};
    return modHelp::DecodeText(value.toString());
}

bool SettingsStore::write(const QString &name, const QString &value)
{
    const FileState state = fileState();
    // Checked before QSettings is asked: a change it could not write stays
    // pending in its process-wide cache of the file, where it would spoil
    // every later read of the file and slip into the next write that works.
    if ((state == FileState::Usable || state == FileState::Damaged) && !inRegistry() && !mayWrite())
        return false;   // the user has closed the file (or its folder) to the program

    switch (state) {
    case FileState::Blocked:
        return false;
    case FileState::Damaged:
        // Nothing in it can be read back; start the file afresh.
        if (!QFile::remove(m_path))
            return false;
        break;
    case FileState::Missing:
        if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
            return false;
        break;
    case FileState::Usable:
        switch (store(name, value)) {
        case QSettings::NoError:
            return true;
        case QSettings::AccessError:
            // A full disk, say: the file may well hold the user's values,
            // and it stays.
            return false;
        case QSettings::FormatError:
            // Qt reads some garbage without complaint and only refuses to
            // write it back; such a file holds nothing of ours either.
            if (inRegistry() || !QFile::remove(m_path))
                return false;
            break;
        }
        break;
    }
    return store(name, value) == QSettings::NoError;
}

QSettings::Status SettingsStore::store(const QString &name, const QString &value)
{
    QSettings settings(m_path, formatOf(inRegistry()));
    settings.setFallbacksEnabled(false);
    settings.setValue(storedKey(name), modHelp::EncodeText(value));
    settings.sync();
    return settings.status();
}
