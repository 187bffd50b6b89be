#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace orv::base {

// True when both UTF-8 paths exist and name the same file, however they are
// spelled: "./p.orv", a symbolic link and a hard link are all the same file.
bool SameFile(const std::string& first, const std::string& second);

// A symbolic link that is not to be followed: in a sticky folder that every
// user may write, one that belongs neither to the user nor to the folder's
// owner. Never on Windows.
bool IsProtectedLink(const std::filesystem::path& link);

// Where a chain of symbolic links ends (the path itself when it is no link);
// the end need not exist. A loop or a chain of more than 40 links sets
// `error`, and so does a protected link (permission denied).
std::filesystem::path FollowLinks(const std::filesystem::path& path, std::error_code& error);

}  // namespace orv::base
