// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms.h"
#include "screens.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace testing {

// Works a screen by its controls' names, with the mouse and the keyboard, as
// a student would.
class ScreenDriver
{
protected:
    template<typename T = QWidget>
    T *get(const QString &name) const
    {
        T *widget = m_form->findChild<T *>(name);
        return widget ? widget : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    // The caption of a label or button, or the contents of a text box.
    QString text(const QString &name) const { return get(name)->property("text").toString(); }
    QStringList texts(const QStringList &names) const
    {
        QStringList result;
        for (const QString &name : names)
            result.append(text(name));
        return result;
    }
    bool shown(const QString &name) const { return get(name)->isVisibleTo(m_form); }
    bool enabled(const QString &name) const { return get(name)->isEnabled(); }
    // What a screen reader is told of a control.
    QAccessibleInterface *of(const QString &name) const { return QAccessible::queryAccessibleInterface(get(name)); }
    QString said(const QString &name, QAccessible::Text kind = QAccessible::Name) const { return of(name)->text(kind); }
    // Near the left edge: on an option's round indicator, inside any label.
    void click(const QString &name)
    {
        QWidget *widget = get(name);
        QVERIFY2(widget->isVisible(), qPrintable(name));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, widget->height() / 2));
        settle();
    }
    // Types into an answer box, and presses Enter there if asked.
    void type(const QString &box, const QString &text, bool enter = false)
    {
        get<QLineEdit>(box)->clear();
        QTest::keyClicks(get(box), text);
        if (enter)
            QTest::keyClick(get(box), Qt::Key_Return);
        settle();
    }
    QString focusName()
    {
        // A dismissed message box hands the window its activation back, as
        // the desktop does.
        m_form->activateWindow();
        (void)QTest::qWaitForWindowActive(m_form);
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        focusName();
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        // A button's mnemonic presses it the way a click looks: down, then
        // up a moment later.
        if (modifiers & Qt::AltModifier)
            QTest::qWait(150);
        settle();
    }

    runtime::Form *m_form{nullptr};
};

} // namespace testing
