#pragma once

#include <QFileInfo>
#include <QTest>

// The shared RTF corpus lies beside the project, not in it, so a user's own
// clone has none: there the tests that read it skip. Where the environment
// variable CI is set, a missing corpus fails them instead of hiding them.
#define REQUIRE_RTF_CORPUS()                                                                       \
    do {                                                                                           \
        if (!QFileInfo(QStringLiteral(RTF_CORPUS)).isDir()) {                                      \
            if (qEnvironmentVariableIsSet("CI"))                                                   \
                QFAIL("The shared RTF corpus is missing: " RTF_CORPUS);                            \
            QSKIP("The shared RTF corpus is not beside this clone (" RTF_CORPUS                    \
                  "): its tests are skipped");                                                     \
        }                                                                                          \
    } while (false)
