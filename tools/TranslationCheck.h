// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

// What keeps a translation file from shipping: an entry that is unfinished
// (also one the text extraction has just added, a text without a
// translation), obsolete or vanished, or a translation that drops a
// placeholder (%1, %n) or the keyboard accelerator (&) of its source. One
// line per fault, naming the context and the source text; empty when the
// file is complete.
QStringList translationFaults(const QByteArray &tsFile);
