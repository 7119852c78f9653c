#pragma once

namespace dunemark {

// Makes the pictures compiled into the program available under ":/assets/".
void InitAssets();

} // namespace dunemark
