#include "core/Edition.h"

const Edition& Edition::Brenlo() {
    static const Edition edition{0, "Tellary２１", "Brenlo.env"};
    return edition;
}

const Edition& Edition::Brenlopro() {
    static const Edition edition{3, "Tellary２１ PRO", "Brenlopro.env"};
    return edition;
}
