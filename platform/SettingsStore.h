// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The per-user settings store: one INI file per application (on Windows the
// application's registry key), section "Settings", every key name and value
// stored through EncodeText.
//
// Key names: the INI file on Linux tells keys apart by case, the Windows
// registry (and Qt's INI files on Windows) do not, so two names whose stored
// keys differ only in case share one value there. The store does not escape
// case away, which would change the stored names; the program's own names,
// "Duration" and "Install", stay apart either way.

#include <QSettings>
#include <QString>

class SettingsStore
{
public:
    // A file larger than this was not written by the program; it reads as empty.
    static constexpr qint64 MaxFileSize = 64 * 1024;

    // The file is UserFolders::settingsFile(applicationName).
    explicit SettingsStore(const QString &applicationName);

    // The decoded value of the named key; empty when it is missing or the
    // file cannot be used.
    QString read(const QString &name) const;

    // Stores the value. A file that holds garbage is replaced, but only when
    // the program could write to it anyway: a file the user made read-only
    // (or one that cannot be read at all) is left exactly as it is. Returns
    // false when nothing could be written.
    bool write(const QString &name, const QString &value);

    QString filePath() const { return m_path; }

    // The key under which a name is stored, section included: Latin-1
    // characters, never bytes read as UTF-8.
    static QString storedKey(const QString &name);

private:
    enum class FileState { Missing, Usable, Damaged, Blocked };
    FileState fileState() const;
    bool inRegistry() const;
    bool mayWrite() const;
    QSettings::Status store(const QString &name, const QString &value);

    QString m_path;
};
