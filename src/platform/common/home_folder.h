#pragma once

#include <optional>
#include <string>

namespace orv::platform {

// The user's home folder as the system's own look-up gives it: HOME when it
// is an absolute path, else the home folder of the user's account; none when
// neither names one. A relative HOME would make the data folder depend on
// the folder the program was started in. Not for Windows, where the data
// folder is the common one.
std::optional<std::string> UserHomeFolder();

// The choice itself, from HOME and the account's home folder.
std::optional<std::string> ChooseHomeFolder(const std::optional<std::string>& variable,
                                            const std::optional<std::string>& account);

}  // namespace orv::platform
