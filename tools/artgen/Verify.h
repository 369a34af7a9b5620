// Checks a folder written by artgen: every picture present in its kind, of
// the size the game expects, and the faces of each sheet told apart.
#pragma once

#include <QString>
#include <QStringList>

namespace artgen {

// Returns one line per fault found; empty when all is well.
QStringList VerifyFolder(const QString& outDir);

}  // namespace artgen
