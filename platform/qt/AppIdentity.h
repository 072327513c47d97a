// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// How the desktop knows the converter.
#pragma once

namespace platform::qt {

// Names the desktop entry that carries the icon, and the application whose configuration folder
// Qt names: the same folder store::UserConfigDir() chooses when the program's folder is read-only.
void SetApplicationIdentity();

} // namespace platform::qt
