#pragma once

// The program's root as the tests use it: the windows are created and
// switched by the real Root, and the end of the program is recorded in the
// FakePlatform in force instead of ending the test's event loop.

#include "FakePlatform.h"
#include "Root.h"

inline Root &testRoot()
{
    static Root root([](int status) {
        if (FakePlatform *fake = FakePlatform::current())
            fake->endedWith.append(status);
    });
    return root;
}
