#include "app/CurrentFolder.h"

#include "services/FileSystem.h"

std::wstring CurrentFolder::PathOf(const FolderRow& row) const
{
    return FileSystem().AddFolderBackslash(path_) + row.Name;
}
