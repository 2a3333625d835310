// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <map>
#include <utility>

namespace runtime {

namespace {

class MainWindow : public QWidget
{
public:
    MainWindow()
    {
        setObjectName(QStringLiteral("velomira"));
        setAttribute(Qt::WA_DeleteOnClose, false);
    }

    QWidget *page() const
    {
        for (QObject *child : children()) {
            auto *widget = qobject_cast<QWidget *>(child);
            if (widget && !widget->isWindow() && !widget->isHidden())
                return widget;
        }
        return nullptr;
    }

    bool placed{false};
    std::map<const QWidget *, QPointer<QWidget>> focus;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (QWidget *shown = page())
            shown->setGeometry(rect());
    }

    void closeEvent(QCloseEvent *event) override
    {
        // The window's close button closes its page; the window goes only
        // when no other page came up in its place.
        if (QWidget *shown = page())
            shown->close();
        if (page()) {
            event->ignore();
        } else {
            placed = false;
            focus.clear();
            event->accept();
        }
    }
};

MainWindow *host()
{
    static QPointer<MainWindow> window;
    if (!window)
        window = new MainWindow;
    return window;
}

} // namespace

QWidget *mainWindow()
{
    return host();
}

QWidget *currentPage()
{
    return host()->page();
}

bool placeWindowOnce()
{
    return !std::exchange(host()->placed, true);
}

void rememberFocus(QWidget *page)
{
    host()->focus[page] = page->focusWidget();
}

QWidget *rememberedFocus(const QWidget *page)
{
    const auto found = host()->focus.find(page);
    return found == host()->focus.end() ? nullptr : found->second.data();
}

void forgetFocus(const QWidget *page)
{
    host()->focus.erase(page);
}

void keepOnScreen(QWidget *window)
{
    const QScreen *s = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QRect available = s->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QPoint inside(
        std::clamp(frame.x(), available.left(), std::max(available.left(), available.right() + 1 - frame.width())),
        std::clamp(frame.y(), available.top(), std::max(available.top(), available.bottom() + 1 - frame.height())));
    if (inside != frame.topLeft())
        window->move(inside);
}

} // namespace runtime
