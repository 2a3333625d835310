// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace testing {

// Compares a rendering with its approved image, tests/golden/<name>.png.
// Returns what differs, or an empty text when a person would see no
// difference: a few pixels of antialiasing may move, but no ink may come,
// go or change its colour. On a difference the rendering and a picture of
// the difference are saved beside the approved image, as <name>.actual.png
// and <name>.diff.png. With VELOMIRA_GOLDEN=update in the environment (what
// `make golden` does) the rendering becomes the approved image.
QString differenceFromApproved(const QImage &image, const QString &name);
// The same for a text and tests/golden/<name>.txt, which must match exactly;
// a different text is saved as <name>.actual.txt.
QString differenceFromApproved(const QString &text, const QString &name);

} // namespace testing

// Fails the test with what differs from the approved image or text.
#define VELOMIRA_COMPARE_GOLDEN(rendered, name)                                                                        \
    do {                                                                                                               \
        const QString difference = testing::differenceFromApproved(rendered, name);                                    \
        QVERIFY2(difference.isEmpty(), qPrintable(difference));                                                        \
    } while (false)
