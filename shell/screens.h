// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes every screen of the program known by its form name.
void registerScreens();
