// The name of one running strip per file, asked of the file system, so that every spelling of a
// path to the file gives the same name.
#pragma once

#include <string>

// The name for the file at this path: the same through its short name, another drive letter, a
// linked folder, or its letters in another case, and also before the file exists. It names the
// file's folder by its identity, not the file, which every save replaces with a new one.
std::wstring InstanceNameOf(const std::wstring& path);
