// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms.h"

#include "accessibility.h"
#include "colours.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QImageReader>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <map>

namespace runtime {

int toPixels(double twips)
{
    return int(std::lround(twips / TwipsPerPixel));
}

double toTwips(int pixels)
{
    return double(pixels) * TwipsPerPixel;
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(scaled(left), scaled(top), scaled(width), scaled(height));
}

namespace {

// Gives the application its icon once the first window has painted. Any
// widget's paint counts: the window is covered by its page, which paints
// while the window itself paints nothing.
class IconAfterFirstPaint : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            qApp->removeEventFilter(this);
            // Queued, so that the paint finishes first.
            QTimer::singleShot(0, this, [this] {
                // Read as PNG outright: a reader that may guess the format
                // loads every image plugin Qt has, SVG's among them.
                QIcon icon;
                for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
                    QImageReader reader(QStringLiteral(":/icons/%1x%1/org.velomira.Velomira.png").arg(size), "png");
                    reader.setAutoDetectImageFormat(false);
                    icon.addPixmap(QPixmap::fromImage(reader.read()));
                }
                QApplication::setWindowIcon(icon);
                deleteLater();
            });
        }
        return false;
    }
};

struct Registry {
    std::map<Screen, std::pair<QString, FormFactory>> registered;
    std::map<Screen, QPointer<Form>> loaded;
    // While the program ends, closing a screen brings no other one up.
    bool quitting{false};
    std::function<bool(QWidget *)> endingCheck;
};

Registry &registry()
{
    static Registry r;
    return r;
}

// The program's one window. Its page is the screen shown; the screens behind
// it stay loaded as hidden pages.
class MainWindow : public QWidget
{
public:
    MainWindow()
    {
        setObjectName(QStringLiteral("velomira"));
        setAttribute(Qt::WA_DeleteOnClose, false);
    }

    Form *page() const
    {
        for (Form *form : loadedForms()) {
            if (form->parentWidget() == this && !form->isHidden())
                return form;
        }
        return nullptr;
    }

    // Set when the window is first placed; it keeps its place from then on
    // until it closes.
    bool placed{false};
    // The control that had the keys on each page, given back when the page
    // returns.
    std::map<const Form *, QPointer<QWidget>> focus;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (Form *form = page())
            form->setGeometry(rect());
    }

    void closeEvent(QCloseEvent *event) override
    {
        // The window's close button closes its page; the window goes only
        // when no other page came up in its place.
        if (Form *form = page())
            form->close();
        if (page()) {
            event->ignore();
        } else {
            placed = false;
            focus.clear();
            event->accept();
        }
    }
};

// Moves a window the least it takes to lie inside the available area of its
// screen, as far as it fits.
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

MainWindow *host()
{
    static QPointer<MainWindow> window;
    if (!window)
        window = new MainWindow;
    return window;
}

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
    setWindowTitle(caption);
    auto *quit = new QShortcut(this);
    quit->setKeys(withKey(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    connect(quit, &QShortcut::activated, this, &quitProgram);
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
    m_appliedZoom = zoom();
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
    return host()->page() == this;
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
    const double down = double(available.height() - frame.height() - menuBarHeight()) * TwipsPerPixel
                      / m_designSize.height();
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
        requestRelayout();
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
        requestRelayout();
    return QWidget::eventFilter(watched, event);
}

void Form::requestRelayout()
{
    // Qt gathers the requests of one container into one event; a request
    // raised by the layout itself is already answered.
    if (m_relayouting || m_unloading)
        return;
    m_relayouting = true;
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
    if (m_appliedZoom != zoom() && !windowMaximized()) {
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
    MainWindow *w = host();
    if (w->placed)
        return;
    w->placed = true;
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
    if (!registry().quitting && !formQueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    discard();
}

void Form::discard()
{
    if (m_unloading)
        return;
    m_unloading = true;
    formUnload();
    std::erase_if(registry().loaded, [this](const auto &entry) { return entry.second == this; });
    MainWindow *w = host();
    w->focus.erase(this);
    hide();
    deleteLater();
    // The window goes with its last page.
    if (!w->page())
        w->close();
}

void registerForm(Screen screen, const QString &name, FormFactory factory)
{
    registry().registered[screen] = {name, std::move(factory)};
}

Screen screenNamed(const QString &name)
{
    for (const auto &[screen, entry] : registry().registered) {
        if (entry.first == name)
            return screen;
    }
    qFatal("no screen is named %s", qPrintable(name));
}

Form *loadedForm(Screen screen)
{
    const auto found = registry().loaded.find(screen);
    return found == registry().loaded.end() ? nullptr : found->second.data();
}

QList<Form *> loadedForms()
{
    QList<Form *> forms;
    for (const auto &[screen, form] : registry().loaded) {
        if (form)
            forms.append(form.data());
    }
    return forms;
}

Form *loadForm(Screen screen)
{
    Registry &r = registry();
    Form *form = loadedForm(screen);
    if (!form) {
        const auto entry = r.registered.find(screen);
        if (entry == r.registered.end())
            qFatal("screen %d was never registered", int(screen));
        form = entry->second.second();
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        // A page of the window, hidden until shown.
        form->setParent(host());
        form->hide();
        r.loaded[screen] = form;
        form->fitToScreen();
        form->formLoad();
    }
    return form;
}

Form *showForm(Screen screen)
{
    if (registry().quitting)
        return nullptr;
    Form *form = loadForm(screen);
    showPage(form);
    return form;
}

QWidget *mainWindow()
{
    return host();
}

void showPage(Form *form)
{
    MainWindow *w = host();
    Form *before = w->page();
    if (before == form && w->isVisible())
        return;
    if (before) {
        w->focus[before] = before->focusWidget();
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
    const auto remembered = w->focus.find(form);
    QWidget *focus = remembered != w->focus.end() ? remembered->second.data() : form->focusWidget();
    if (!usable(focus)) {
        focus = form->nextInFocusChain();
        while (focus != form && !(usable(focus) && (focus->focusPolicy() & Qt::TabFocus)))
            focus = focus->nextInFocusChain();
    }
    if (focus != form)
        focus->setFocus(Qt::OtherFocusReason);
}

void openExplanation(Form *tutor, Screen explanationScreen)
{
    Form *explanation = loadForm(explanationScreen);
    if (!tutor || !explanation)
        return;
    showPage(explanation);
}

void setEndingCheck(std::function<bool(QWidget *parent)> check)
{
    registry().endingCheck = std::move(check);
}

bool mayEndProgram(QWidget *parent)
{
    const Registry &r = registry();
    return !r.endingCheck || r.endingCheck(parent);
}

void quitProgram()
{
    Registry &r = registry();
    if (r.quitting || !mayEndProgram(host()->page()))
        return;
    r.quitting = true;
    // Screens out of sight first (a tutor behind its explanation), so that
    // no closing screen brings another one back.
    QList<Form *> forms = loadedForms();
    std::stable_partition(forms.begin(), forms.end(), [](const Form *f) { return !f->isVisible(); });
    for (Form *form : forms)
        form->close();
    r.quitting = false;
}

void unloadForm(Form *form)
{
    if (form)
        form->discard();
}

void messageBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("velomira"), text, QMessageBox::Ok, parent);
    box.exec();
}

QString findProgram(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        const QString path = QStandardPaths::findExecutable(candidate);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool startProgram(const QString &program, const QStringList &arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

void initialiseApplication()
{
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QApplication::setApplicationName(QStringLiteral("velomira"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velomira.Velomira"));
    // Reading the icon's images takes longer than drawing the whole start
    // screen; it waits until the first window has been painted.
    qApp->installEventFilter(new IconAfterFirstPaint(qApp));
    installAccessibility();
}

} // namespace runtime
