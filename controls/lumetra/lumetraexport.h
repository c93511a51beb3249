// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#if defined(STAVERLY_LUMETRA_LIBRARY)
#define STAVERLY_LUMETRA_EXPORT Q_DECL_EXPORT
#else
#define STAVERLY_LUMETRA_EXPORT Q_DECL_IMPORT
#endif
