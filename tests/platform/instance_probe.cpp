// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes the program's single-instance lock the way start-up does and says
// what happened: "acquired", "running" or "unavailable". A copy that got the
// lock keeps it until a line arrives on its input (or the input closes), and
// then returns from main as the program does, the lock going with its owner.

#include "platform/InstanceLock.h"
#include "platform/UserFolders.h"

#include <QCoreApplication>
#include <QTextStream>

#include <iostream>
#include <string>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("pallastro");

    InstanceLock lock(UserFolders::lockFolder(), name);
    const InstanceLock::Result result = lock.acquire();
    switch (result) {
    case InstanceLock::Result::Acquired:
        std::cout << "acquired" << std::endl;
        break;
    case InstanceLock::Result::HeldByAnother:
        std::cout << "running" << std::endl;
        return 0;
    case InstanceLock::Result::Unavailable:
        std::cout << "unavailable" << std::endl;
        return 0;
    }
    std::string line;
    std::getline(std::cin, line);
    return 0;
}
