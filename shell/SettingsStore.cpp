#include "SettingsStore.h"

#include "Platform.h"
#include "modHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

SettingsStore::SettingsStore(const QString &applicationName)
    : m_path(platform().settingsFilePath(applicationName))
{
}

QString SettingsStore::storedKey(const QString &name)
{
    return QStringLiteral("Settings/") + modHelp::EncodeText(name);
}

SettingsStore::FileState SettingsStore::fileState() const
{
    if (m_path.isEmpty())
        return FileState::Blocked;
    const QFileInfo info(m_path);
    if (!info.exists())
        return FileState::Missing;
    if (!info.isFile())
        return FileState::Blocked;
    if (info.size() > MaxFileSize || !info.isReadable())
        return FileState::Damaged;
    QSettings probe(m_path, QSettings::IniFormat);
    return probe.status() == QSettings::NoError ? FileState::Usable : FileState::Damaged;
}

QString SettingsStore::read(const QString &name) const
{
    if (fileState() != FileState::Usable)
        return {};
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setFallbacksEnabled(false);
    const QVariant value = settings.value(storedKey(name));
    // An edited file can hold lists or serialised variants; only text is ours.
    if (value.metaType().id() != QMetaType::QString)
        return {};
    return modHelp::DecodeText(value.toString());
}

bool SettingsStore::write(const QString &name, const QString &value)
{
    switch (fileState()) {
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
        if (store(name, value))
            return true;
        // Qt reads some garbage without complaint and only refuses to write
        // it back; such a file holds nothing of ours either.
        if (!QFile::remove(m_path))
            return false;
        break;
    }
    return store(name, value);
}

bool SettingsStore::store(const QString &name, const QString &value)
{
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setFallbacksEnabled(false);
    settings.setValue(storedKey(name), modHelp::EncodeText(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}
