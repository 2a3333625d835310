// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/navigation.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QTest>

namespace testing {

// Lets the forms unloaded so far really go away.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The names of the forms loaded, or only of those shown, sorted.
inline QStringList loadedScreens(bool shownOnly = false)
{
    QStringList names;
    for (runtime::Form *f : runtime::loadedForms())
        if (!shownOnly || f->isVisible())
            names.append(f->objectName());
    names.sort();
    return names;
}

inline QStringList visibleScreens()
{
    return loadedScreens(true);
}

// Where centring puts the window of a form: half the screen less half the
// window, in twips.
inline QPoint centredPosition(const runtime::Form *form)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size() * 15;
    const QSize frame = form->window()->frameGeometry().size() * 15;
    return {runtime::toPixels(float(screen.width()) / 2.0f - float(frame.width()) / 2.0f),
            runtime::toPixels(float(screen.height()) / 2.0f - float(frame.height()) / 2.0f)};
}

// A double click as the window system delivers it: press, release, then a
// double-click event in place of the second press, and its release.
inline void doubleClick(QWidget *widget)
{
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

// A desktop's dark colour scheme.
inline QPalette darkPalette()
{
    const QColor ink(235, 235, 235), ground(45, 45, 48), grey(130, 130, 130);
    QPalette p(ink, ground, ground.lighter(), ground.darker(), ground, ink, ink, QColor(30, 30, 30), ground);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Text, grey);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, grey);
    return p;
}

// Closes every loaded form, as if the program had just started afresh.
inline void unloadAll()
{
    for (runtime::Form *f : runtime::loadedForms())
        runtime::unloadForm(f);
    settle();
}

} // namespace testing
