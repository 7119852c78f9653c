#include "core/VersionText.h"

namespace dunemark {

namespace {

std::string ZeroPadded(int value, std::size_t digits) {
    std::string text = std::to_string(value);
    if (text.size() < digits)
        text.insert(0, digits - text.size(), '0');
    return text;
}

} // namespace

std::string VersionText(int major, int minor, int revision) {
    return std::to_string(major) + "." + ZeroPadded(minor, 2) + "." + ZeroPadded(revision, 4);
}

} // namespace dunemark
