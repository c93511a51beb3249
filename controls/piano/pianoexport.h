// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#if defined(STAVERLY_PIANO_LIBRARY)
#define STAVERLY_PIANO_EXPORT Q_DECL_EXPORT
#else
#define STAVERLY_PIANO_EXPORT Q_DECL_IMPORT
#endif
