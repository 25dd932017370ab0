// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The warnings a piece of the game logs while a test looks: now kept with the other shared helpers.
#pragma once

#include "support.h"
