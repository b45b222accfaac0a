// Prints every control of the three windows from the game's own tables, one a line:
//     WINDOW NAME LEFT TOP WIDTH HEIGHT
// in twips from the top-left corner of the window's client area. The shell scripts that
// drive the real game with xdotool find their clicks here.

#include "windows/gametables.h"

#include <cstdio>

int main()
{
    for (const virdo::WindowTable *window : {&virdo::tableOf<virdo::VirdoControl>(),
                                             &virdo::tableOf<virdo::RejouerControl>(),
                                             &virdo::tableOf<virdo::EurekaControl>()}) {
        for (const virdo::ControlRow &c : window->controls)
            std::printf("%s %s %d %d %d %d\n", window->name, c.name, c.left, c.top, c.width, c.height);
    }
    return 0;
}
