#pragma once

// The per-user settings store: one INI file per application, section
// "Settings", every key name and value stored through EncodeText.

#include <QString>

class SettingsStore
{
public:
    // A file larger than this was not written by the program; it reads as empty.
    static constexpr qint64 MaxFileSize = 64 * 1024;

    // The file is platform().settingsFilePath(applicationName).
    explicit SettingsStore(const QString &applicationName);

    // The decoded value of the named key; empty when it is missing or the
    // file cannot be used.
    QString read(const QString &name) const;

    // Stores the value; a file that cannot be read is replaced. Returns false
    // when nothing could be written.
    bool write(const QString &name, const QString &value);

    QString filePath() const { return m_path; }

    // The key under which a name is stored, section included: Latin-1
    // characters, never bytes read as UTF-8.
    static QString storedKey(const QString &name);

private:
    enum class FileState { Missing, Usable, Damaged, Blocked };
    FileState fileState() const;
    bool store(const QString &name, const QString &value);

    QString m_path;
};
