// The names in one folder with what each is, read from the system without opening any of them.
#pragma once

#include "FolderEntry.h"

#include <string>
#include <vector>

struct TListedName {
  std::string Name;
  TEntrySide Side;
};

struct TListing {
  std::vector<TListedName> Names; // in the byte order of the names
  std::string Error;              // the system's reason when the folder could not be read
};

// A link to a file stands for the file; a link to a folder is not followed (so no walk can go
// round in a loop) and, like a link to nothing, a FIFO, a device or a socket, is Special.
TListing ListFolder(const std::string &path);

// Whether a path is a folder, or a link to one: what both programs compare as folders.
bool IsFolder(const std::string &path);

// What a path is, as ListFolder tells the names in a folder.
TEntrySide SideOf(const std::string &path);
