#include "pictures.h"

namespace corvanta {

std::shared_ptr<Picture> HoldPicture(bool& initialised, std::shared_ptr<Picture>& pic, const char* fileName)
{
    if (!initialised) {
        initialised = true;
        pic.reset();
    }
    if (!pic)
        pic = Picture::OpenFromApp(fileName);
    return pic;
}

// Each accessor owns its statics; nothing else touches them.
// clang-format off
#define CORVANTA_PICTURE(stem, fileName)                       \
    namespace _x_##stem {                                       \
    std::shared_ptr<Picture> stem()                             \
    {                                                           \
        static bool initialised = false;                        \
        static std::shared_ptr<Picture> pic;                    \
        return HoldPicture(initialised, pic, fileName);         \
    }                                                           \
    }
// clang-format on

CORVANTA_PICTURE(austria, "austria.png")
CORVANTA_PICTURE(belgio, "belgio.png")
CORVANTA_PICTURE(cipro, "cipro.png")
CORVANTA_PICTURE(finlandia, "finlandia.png")
CORVANTA_PICTURE(francia, "francia.png")
CORVANTA_PICTURE(germania, "germania.png")
CORVANTA_PICTURE(grecia, "grecia.png")
CORVANTA_PICTURE(irlanda, "irlanda.png")
CORVANTA_PICTURE(italia, "italia.png")
CORVANTA_PICTURE(lussemburgo, "lussemburgo.png")
CORVANTA_PICTURE(malta, "malta.png")
CORVANTA_PICTURE(paesibassi, "paesi bassi.png")
CORVANTA_PICTURE(polonia, "polonia.png")
CORVANTA_PICTURE(portogallo, "portogallo.png")
CORVANTA_PICTURE(regnounito, "regnounito.png")
CORVANTA_PICTURE(slovenia, "slovenia.png")
CORVANTA_PICTURE(spagna, "spagna.png")
CORVANTA_PICTURE(eurob, "eurob.gif")
CORVANTA_PICTURE(eurob2, "eurob2.jpg")
CORVANTA_PICTURE(corvanta, "corvanta.jpg")

#undef CORVANTA_PICTURE

} // namespace corvanta
