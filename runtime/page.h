// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/zoom.h"

#include <QString>
#include <QWidget>

class QCloseEvent;
class QMenuBar;

namespace runtime {

// A screen: a page of the program's one window, whose client area has a
// designed size in twips. It is loaded (created and its load handler run)
// when first shown, and unloaded (its unload handler run, then discarded with
// all its state) when closed. Showing it makes it the window's page, with its
// title and its designed size; the window keeps its place. Its content scales
// as one piece with the zoom: Ctrl+Plus, Ctrl+Minus and Ctrl+0 zoom in, out
// and back, and resizing or maximising the window zooms the content to fit,
// centred. On every screen Ctrl+Q ends the program and Ctrl+W closes the
// screen, as the window's close button does.
class Form : public QWidget
{
    Q_OBJECT
public:
    Form(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips);

    // The window's size at the current zoom: the client area and the menu bar.
    QSize naturalSize() const;
    // Zooms every screen to the factor (clamped so that this window still
    // fits the available area of its screen) and resizes this one to match.
    void zoomTo(double factor);
    // A menu bar above the client area, as wide as the window.
    void setMenuBar(QMenuBar *bar);
    // Where, in twips, a screen without a menu bar keeps a place free for
    // the program's own commands: at the top, beside its buttons.
    QPoint commandPlace() const { return m_commandPlace; }
    void setCommandPlace(QPoint twips) { m_commandPlace = twips; }

    // Whether this screen is the page the window shows.
    bool isCurrentPage() const;

    // Outer left, top, width and height of the window, in twips.
    float leftTwips() const;
    float topTwips() const;
    void setLeftTwips(float left);
    void setTopTwips(float top);
    float widthTwips() const;
    float heightTwips() const;

    // Centres the window when it is first shown: left = screen width / 2 -
    // form width / 2, then the same for the top, in single-precision twips,
    // neither rounded to the screen nor clamped to it - except for a screen
    // that had to be zoomed down to fit, which is kept inside the available
    // area so that its title bar can be reached. Once shown, the window keeps
    // its place.
    void centreOnScreen();
    // Zooms down, for every screen, when this window at the current zoom
    // would not fit the available area of its screen.
    void fitToScreen();

    virtual void formLoad() {}
    // Asked when the screen is closed, before it unloads: false keeps it.
    virtual bool formQueryUnload() { return true; }
    virtual void formUnload() {}

    // Closes the screen without asking its query handler, as when the
    // program ends.
    void closeUnasked();
    // Runs the unload handler and discards the form: it is hidden and
    // deleted once its current event is done.
    void discard();

signals:
    // Ctrl+Q, or the desktop's key to quit, was pressed on this screen.
    void quitRequested();
    // The form has unloaded and is about to go.
    void unloaded();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Lays the content out at the current zoom, centred in the window.
    void relayout();
    // Lays it out again when a caption or a control's visibility changed.
    void requestRelayout(QWidget *container);
    QSize contentSize() const;
    int menuBarHeight() const;
    // The largest zoom at which the window fits the available area.
    double fittingZoom() const;
    // Gives the window this size when this screen is its page, and the
    // screen the window's size.
    void resizeWindow(QSize size);
    bool windowMaximized() const;

    QSize m_designSize;
    QMenuBar *m_menuBar{nullptr};
    QPoint m_commandPlace;
    // The zoom changed since this screen was last laid out.
    bool m_zoomPending{false};
    bool m_resizing{false};
    bool m_relayouting{false};
    // Pixels the content has grown below its designed height to show every
    // caption whole.
    int m_grown{0};
    bool m_fitted{false};
    bool m_unloading{false};
    bool m_unasked{false};
    friend void showPage(Form *form);
};

// Makes a form the window's page: the page shown before is hidden, staying
// loaded, and the window takes the form's title and designed size.
void showPage(Form *form);

} // namespace runtime
