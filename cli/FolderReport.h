// What dorix-diff writes for two folders.
#pragma once

#include "FolderTree.h"

#include <ostream>

// One line per entry that is not identical, sorted by path: M (different), A (only in the new
// folder), D (only in the old one), or ! with the reason it could not be compared; TAB between.
// A folder on one side only is one line, its contents not listed.
void WriteFolderLines(std::ostream &out, const TFolderTree &tree);

// The number of entries in each state, a line each.
void WriteFolderCounts(std::ostream &out, const TFolderTree &tree);

// The line WriteFolderLines writes for an entry; empty for one that does not differ.
std::string FolderLine(const TFolderEntry &entry);
