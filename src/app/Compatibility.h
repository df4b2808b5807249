#pragma once

// Whether the installed host package supports this link component at exactly
// the level it was built for; shows why not when `showMessages`. 1 or 0.
int CheckCompatibility(bool showMessages);
