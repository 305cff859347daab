// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the program keeps its per-user files: the settings and the
// single-instance lock. Both come from QStandardPaths, so a test that turns
// on its test mode keeps them in the test locations, away from the user's.

#include <QString>

namespace UserFolders {

// Where the per-user settings of the named application live: the full path
// of an INI file, or on Windows a registry key of the current user
// (HKEY_CURRENT_USER\Software\Pallastro\<name>).
QString settingsFile(const QString &applicationName);

// Folder for the single-instance lock (and the hand-over channel beside
// it): one only the user can write to and the process can create files in,
// the same for every copy the user starts in the same environment. On Unix
// the session's runtime folder, else a folder under the user's cache, else
// runtime-USER in the temporary folder; empty when none of them will do.
QString lockFolder();

// What tells this user's per-user names (the lock file, the hand-over
// channel) from another's: the user id on Unix, the account name elsewhere,
// made safe for a file or pipe name.
QString userTag();

// Unix: the folder exists, belongs to the user the program runs as, and
// nobody else (group or others) may create, rename or remove files in it.
// Elsewhere the folder's access list is the system's business: it exists.
bool isPrivateFolder(const QString &path);

// Makes a missing folder for the user alone (its parents as usual), and says
// whether the folder is then private as isPrivateFolder judges it. An
// existing folder is left as it is.
bool makePrivateFolder(const QString &path);

} // namespace UserFolders
