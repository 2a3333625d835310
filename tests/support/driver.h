// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/page.h"
#include "screens.h"

#include <QTest>

namespace testing {

// Works a screen by its controls' names, with the mouse and the keyboard, as
// a student would.
class ScreenDriver
{
protected:
    template<typename T = QWidget> T *get(const QString &name) const
    {
        T *widget = m_form->findChild<T *>(name);
        return widget ? widget : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    // The caption of a label or button, or the contents of a text box.
    QString text(const QString &name) const { return get(name)->property("text").toString(); }
    // Near the left edge: on an option's round indicator, inside any label.
    void click(const QString &name)
    {
        QWidget *widget = get(name);
        QVERIFY2(widget->isVisible(), qPrintable(name));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, widget->height() / 2));
        settle();
    }

    runtime::Form *m_form{nullptr};
};

} // namespace testing
