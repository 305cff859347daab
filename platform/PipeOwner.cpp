// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PipeOwner.h"

#ifdef Q_OS_WIN

#include <qt_windows.h>
#include <sddl.h>

#include <vector>

namespace {

// QLocalServer's and QLocalSocket's reading of a name.
QString fullName(const QString &name)
{
    const QString prefix = QStringLiteral("\\\\.\\pipe\\");
    return name.startsWith(prefix) ? name : prefix + name;
}

const wchar_t *wide(const QString &text) { return reinterpret_cast<const wchar_t *>(text.utf16()); }

// The user a process runs as, in a buffer of TOKEN_USER's own alignment;
// empty when the process or its token cannot be opened.
std::vector<TOKEN_USER> tokenUser(HANDLE process)
{
    HANDLE token = nullptr;
    if (!::OpenProcessToken(process, TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<TOKEN_USER> user((size + sizeof(TOKEN_USER) - 1) / sizeof(TOKEN_USER));
    const DWORD capacity = DWORD(user.size() * sizeof(TOKEN_USER));
    if (user.empty() || !::GetTokenInformation(token, TokenUser, user.data(), capacity, &size))
        user.clear();
    ::CloseHandle(token);
    return user;
}

} // namespace

PipeOwner::PipeOwner(const QString &name)
{
    const QString path = fullName(name);
    const std::vector<TOKEN_USER> user = tokenUser(::GetCurrentProcess());
    wchar_t *sid = nullptr;
    if (user.empty() || !::ConvertSidToStringSidW(user.front().User.Sid, &sid)) {
        m_error = QStringLiteral("the user of this process cannot be read: %1").arg(qt_error_string());
        return;
    }
    // The access list QLocalServer::UserAccessOption gives: the user owns
    // the pipe and alone may do anything with it, add instances included.
    // The first instance's list is the pipe's for as long as it exists.
    const QString descriptorText = QStringLiteral("O:%1D:P(A;;FA;;;%1)").arg(QString::fromWCharArray(sid));
    ::LocalFree(sid);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(wide(descriptorText), SDDL_REVISION_1,
                                                                &descriptor, nullptr)) {
        m_error = QStringLiteral("no access list for the pipe %1: %2").arg(path, qt_error_string());
        return;
    }
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, descriptor, FALSE};
    // Type, instance count and time-out as QLocalServer asks for them, or
    // its own instances would not fit this pipe.
    HANDLE guard = ::CreateNamedPipeW(wide(path), PIPE_ACCESS_DUPLEX | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                      PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT,
                                      PIPE_UNLIMITED_INSTANCES, 0, 0, 3000, &attributes);
    const DWORD error = ::GetLastError();
    ::LocalFree(descriptor);
    const QString held = QStringLiteral("another process already holds the pipe %1").arg(path);
    // Refused as a first instance: the pipe is someone else's, for this
    // process took the single-instance lock.
    if (guard == INVALID_HANDLE_VALUE) {
        m_error = error == ERROR_ACCESS_DENIED || error == ERROR_PIPE_BUSY
                      ? held
                      : QStringLiteral("the pipe %1 cannot be created: %2").arg(path, qt_error_string(int(error)));
        return;
    }
    // Where the system lets a first instance join a pipe all the same (Wine
    // does), the count of instances tells.
    DWORD instances = 0;
    if (!::GetNamedPipeHandleStateW(guard, nullptr, &instances, nullptr, nullptr, nullptr, 0) || instances != 1) {
        ::CloseHandle(guard);
        m_error = held;
        return;
    }
    m_guard = guard;
    // A new instance waits for a caller as QLocalServer's do, but nobody
    // would ever answer one that reached it, and its request would be lost.
    // So we take it ourselves: connected, it is busy for good. Should a
    // caller have come in the instant since it was made, that caller loses
    // its connection, and a disconnected instance takes no new caller.
    HANDLE self = ::CreateFileW(wide(path), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (self != INVALID_HANDLE_VALUE)
        m_self = self;
    else
        ::DisconnectNamedPipe(guard);
}

PipeOwner::~PipeOwner()
{
    if (m_self)
        ::CloseHandle(m_self);
    if (m_guard)
        ::CloseHandle(m_guard);
}

bool PipeOwner::servedByThisUser(qintptr pipe)
{
    ULONG serverId = 0;
    if (!::GetNamedPipeServerProcessId(reinterpret_cast<HANDLE>(pipe), &serverId))
        return false;
    HANDLE server = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, serverId);
    if (!server)
        return false;   // another user's process, as a rule
    const std::vector<TOKEN_USER> serverUser = tokenUser(server);
    ::CloseHandle(server);
    const std::vector<TOKEN_USER> ownUser = tokenUser(::GetCurrentProcess());
    return !serverUser.empty() && !ownUser.empty()
           && ::EqualSid(serverUser.front().User.Sid, ownUser.front().User.Sid);
}

#else

// A socket's name is a path in the user's private folder: already the user's.
PipeOwner::PipeOwner(const QString &) {}

PipeOwner::~PipeOwner() = default;

#endif
