#include "game/app.h"

// Each program is these same lines built with one definition naming its window.
int main() {
#if defined(ZARUNE_VARIANT_FULLSCREEN)
    return RunGame(Variant::Fullscreen);
#elif defined(ZARUNE_VARIANT_WINDOWED)
    return RunGame(Variant::Windowed);
#else
    return RunGame(Variant::Borderless);
#endif
}
