// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace runtime {

// The program's one window. It shows one page at a time, as its only child
// shown; the pages behind it stay as hidden children.
QWidget *mainWindow();
// The page the window shows, or nullptr.
QWidget *currentPage();

// True the first time it is asked since the window last closed: the window
// is placed once, and keeps its place from then on.
bool placeWindowOnce();

// The control that had the keys on a page, given back when the page
// returns; a page that goes is forgotten.
void rememberFocus(QWidget *page);
QWidget *rememberedFocus(const QWidget *page);
void forgetFocus(const QWidget *page);

// Moves a window the least it takes to lie inside the available area of its
// screen, as far as it fits.
void keepOnScreen(QWidget *window);

} // namespace runtime
