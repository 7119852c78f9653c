#pragma once

#include <string>

namespace dunemark {

// The version as the About window shows it: the major number, the minor number with at least
// two digits and the revision with at least four, so 1.0.5 reads "1.00.0005". Longer numbers
// are written in full.
std::string VersionText(int major, int minor, int revision);

} // namespace dunemark
