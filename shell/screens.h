// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes every screen of the program known by its form name.
void registerScreens();

// Sets up the application object (font, icon, accessibility, the user's
// catalogue), makes every screen known and shows the start screen: what the
// program does once its command line is read.
void showStartScreen();
