// SPDX-License-Identifier: GPL-3.0-or-later
#include "page.h"

#include "accessibility.h"
#include "colours.h"
#include "designlayout.h"
#include "window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

namespace runtime {

namespace {

// The desktop's keys for a standard action, and the key every desktop on
// Linux uses for it, which some platforms' schemes leave out.
QList<QKeySequence> withKey(QKeySequence::StandardKey action, const QKeySequence &key)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(action);
    if (!keys.contains(key))
        keys.append(key);
    return keys;
}

} // namespace

Form::Form(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips)
    : m_designSize(clientWidthTwips, clientHeightTwips)
{
    installAccessibility();
    setObjectName(name);
    // A screen out of sight takes a new zoom when it is shown again.
    connect(&Zoom::instance(), &Zoom::changed, this, [this] { m_zoomPending = true; });
    setWindowTitle(caption);
    auto *quit = new QShortcut(this);
    quit->setKeys(withKey(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    connect(quit, &QShortcut::activated, this, &Form::quitRequested);
    auto *closing = new QShortcut(this);
    closing->setKeys(withKey(QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W)));
    connect(closing, &QShortcut::activated, this, &QWidget::close);
    setDesignSize(this, m_designSize);
    // The window ground and text of the desktop's scheme, light or dark.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, ground());
    p.setColor(QPalette::WindowText, groundText());
    setPalette(p);
    const auto zoomKey = [this](const QKeySequence &keys, auto step) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, step);
    };
    const auto zoomIn = [this] { zoomTo(zoomStep(zoom(), +1)); };
    const auto zoomOut = [this] { zoomTo(zoomStep(zoom(), -1)); };
    zoomKey(QKeySequence(Qt::CTRL | Qt::Key_Plus), zoomIn);
    zoomKey(QKeySequence(Qt::CTRL | Qt::Key_Equal), zoomIn);
    zoomKey(QKeySequence(Qt::CTRL | Qt::Key_Minus), zoomOut);
    zoomKey(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoomTo(1.0); });
    resize(naturalSize());
}

void Form::setMenuBar(QMenuBar *bar)
{
    m_menuBar = bar;
    relayout();
}

int Form::menuBarHeight() const
{
    return m_menuBar ? m_menuBar->sizeHint().height() : 0;
}

QSize Form::contentSize() const
{
    return {scaled(m_designSize.width()), scaled(m_designSize.height()) + m_grown};
}

QSize Form::naturalSize() const
{
    return contentSize() + QSize(0, menuBarHeight());
}

void Form::relayout()
{
    m_zoomPending = false;
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * zoom());
    setFont(font);
    const int bar = menuBarHeight();
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, width(), bar);
    const QSize content = contentSize();
    const QPoint offset(std::max(0, (width() - content.width()) / 2),
                        bar + std::max(0, (height() - bar - content.height()) / 2));
    const int grown = applyZoom(this, offset);
    // Whatever a caption changes later (a new text, a control shown or
    // hidden) asks its container for a new layout.
    for (QWidget *container : findChildren<QWidget *>()) {
        if (!container->isWindow() && !container->children().isEmpty())
            container->installEventFilter(this);
    }
    if (grown != m_grown) {
        // The content grew or shrank below its designed size: so does the window.
        m_grown = grown;
        if (!m_resizing && !windowMaximized()) {
            m_resizing = true;
            resizeWindow(naturalSize());
            m_resizing = false;
            relayout();
            return;
        }
    }
    const double least = MinZoom / zoom();
    setMinimumSize(int(content.width() * least), int(content.height() * least) + bar);
    if (isCurrentPage())
        window()->setMinimumSize(minimumSize());
}

bool Form::isCurrentPage() const
{
    return currentPage() == this;
}

void Form::resizeWindow(QSize size)
{
    if (isCurrentPage()) {
        window()->resize(size);
        resize(window()->size());
    } else {
        resize(size);
    }
}

bool Form::windowMaximized() const
{
    return isCurrentPage() && (window()->isMaximized() || window()->isFullScreen());
}

double Form::fittingZoom() const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return MaxZoom;
    const QSize available = s->availableGeometry().size();
    const QSize frame = window()->frameGeometry().size() - window()->size();
    const double across = double(available.width() - frame.width()) * TwipsPerPixel / m_designSize.width();
    const double down =
        double(available.height() - frame.height() - menuBarHeight()) * TwipsPerPixel / m_designSize.height();
    return std::floor(std::min(across, down) * 100.0) / 100.0;
}

void Form::zoomTo(double factor)
{
    if (windowMaximized())
        window()->showNormal();
    setZoom(std::min(factor, std::max(MinZoom, fittingZoom())));
    m_resizing = true;
    relayout();
    const QSize before = size();
    resizeWindow(naturalSize());
    m_resizing = false;
    // A second pass only when the new size moves the centred content.
    if (size() != before)
        relayout();
}

void Form::fitToScreen()
{
    zoomTo(zoom());
    if (fittingZoom() < zoom()) {
        zoomTo(fittingZoom());
        m_fitted = true;
    }
}

bool Form::event(QEvent *event)
{
    if (event->type() == QEvent::LayoutRequest)
        requestRelayout(this);
    if (event->type() == QEvent::WindowTitleChange) {
        // A screen reader names the page by its title, as it names the window.
        setAccessibleName(windowTitle());
        if (window() != this && isCurrentPage())
            window()->setWindowTitle(windowTitle());
    }
    return QWidget::event(event);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LayoutRequest)
        requestRelayout(static_cast<QWidget *>(watched));
    return QWidget::eventFilter(watched, event);
}

void Form::requestRelayout(QWidget *container)
{
    // Qt gathers the requests of one container into one event; a request
    // raised by the layout itself is already answered.
    if (m_relayouting || m_unloading)
        return;
    m_relayouting = true;
    // A frame whose controls still fit the height they took moves nothing
    // around it: only its own controls are laid out again.
    DesignLayout *own = container == this ? nullptr : DesignLayout::of(container);
    if (!own || !own->rearrange())
        relayout();
    m_relayouting = false;
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_resizing && isVisible() && size() != naturalSize()) {
        // Resized or maximised by the user: the content zooms to fit.
        const int bar = menuBarHeight();
        setZoom(std::min(double(width()) * TwipsPerPixel / m_designSize.width(),
                         double(height() - bar) * TwipsPerPixel / m_designSize.height()));
    }
    relayout();
}

void Form::showEvent(QShowEvent *event)
{
    // Zoomed while this screen was hidden (behind an explanation screen).
    if (m_zoomPending && !windowMaximized()) {
        m_resizing = true;
        relayout();
        resizeWindow(naturalSize());
        m_resizing = false;
        relayout();
    }
    QWidget::showEvent(event);
}

float Form::leftTwips() const
{
    return float(toTwips(window()->frameGeometry().x()));
}

float Form::topTwips() const
{
    return float(toTwips(window()->frameGeometry().y()));
}

void Form::setLeftTwips(float left)
{
    window()->move(toPixels(left), window()->frameGeometry().y());
}

void Form::setTopTwips(float top)
{
    window()->move(window()->frameGeometry().x(), toPixels(top));
}

float Form::widthTwips() const
{
    return float(toTwips(window()->frameGeometry().width()));
}

float Form::heightTwips() const
{
    return float(toTwips(window()->frameGeometry().height()));
}

void Form::centreOnScreen()
{
    QWidget *w = mainWindow();
    if (!placeWindowOnce())
        return;
    // Centred at the size this screen gives the window.
    if (!isCurrentPage())
        w->resize(size());
    // The outer size includes the window frame, known once the window exists.
    if (!w->testAttribute(Qt::WA_WState_Created))
        (void)w->winId();
    const QScreen *s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = s ? s->geometry().size() : QSize();
    const float screenWidth = float(toTwips(screenSize.width()));
    const float screenHeight = float(toTwips(screenSize.height()));
    setLeftTwips(screenWidth / 2.0f - widthTwips() / 2.0f);
    setTopTwips(screenHeight / 2.0f - heightTwips() / 2.0f);
    if (m_fitted)
        keepOnScreen(w);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (!m_unasked && !formQueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    discard();
}

void Form::closeUnasked()
{
    m_unasked = true;
    close();
    m_unasked = false;
}

void Form::discard()
{
    if (m_unloading)
        return;
    m_unloading = true;
    formUnload();
    forgetFocus(this);
    hide();
    deleteLater();
    emit unloaded();
}

void showPage(Form *form)
{
    QWidget *w = mainWindow();
    QWidget *before = currentPage();
    if (before == form && w->isVisible())
        return;
    if (before) {
        rememberFocus(before);
        before->hide();
    }
    w->setWindowTitle(form->windowTitle());
    form->show();
    if (w->isMaximized() || w->isFullScreen()) {
        form->setGeometry(w->rect());
    } else {
        form->m_resizing = true;
        form->resizeWindow(form->naturalSize());
        form->m_resizing = false;
    }
    w->setMinimumSize(form->minimumSize());
    // The window keeps its place, moved only as far as it must be for a
    // larger page to stay on the screen.
    if (w->isVisible() && !w->isMaximized() && !w->isFullScreen())
        keepOnScreen(w);
    w->show();
    // The keys go where they were on this page, or else to its first
    // control that Tab reaches.
    const auto usable = [form](const QWidget *widget) {
        return widget && form->isAncestorOf(widget) && widget->isVisible() && widget->isEnabled();
    };
    QWidget *focus = rememberedFocus(form) ? rememberedFocus(form) : form->focusWidget();
    if (!usable(focus)) {
        focus = form->nextInFocusChain();
        while (focus != form && !(usable(focus) && (focus->focusPolicy() & Qt::TabFocus)))
            focus = focus->nextInFocusChain();
    }
    if (focus != form)
        focus->setFocus(Qt::OtherFocusReason);
}

} // namespace runtime
