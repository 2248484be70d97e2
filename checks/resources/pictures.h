#pragma once

#include "picture.h"

#include <memory>

namespace corvanta {

// What every picture accessor does with its own two statics: the first call
// clears `pic`; while `pic` is empty each call loads the file from the
// Resources folder; a load that gives a picture is held from then on, one
// that gives none leaves `pic` empty so the next call tries again.
std::shared_ptr<Picture> HoldPicture(bool& initialised, std::shared_ptr<Picture>& pic, const char* fileName);

// One accessor per image of the bundle, named after the file.
// clang-format off
namespace _x_austria { std::shared_ptr<Picture> austria(); } // "austria.png"
namespace _x_belgio { std::shared_ptr<Picture> belgio(); } // "belgio.png"
namespace _x_cipro { std::shared_ptr<Picture> cipro(); } // "cipro.png"
namespace _x_finlandia { std::shared_ptr<Picture> finlandia(); } // "finlandia.png"
namespace _x_francia { std::shared_ptr<Picture> francia(); } // "francia.png"
namespace _x_germania { std::shared_ptr<Picture> germania(); } // "germania.png"
namespace _x_grecia { std::shared_ptr<Picture> grecia(); } // "grecia.png"
namespace _x_irlanda { std::shared_ptr<Picture> irlanda(); } // "irlanda.png"
namespace _x_italia { std::shared_ptr<Picture> italia(); } // "italia.png"
namespace _x_lussemburgo { std::shared_ptr<Picture> lussemburgo(); } // "lussemburgo.png"
namespace _x_malta { std::shared_ptr<Picture> malta(); } // "malta.png"
namespace _x_paesibassi { std::shared_ptr<Picture> paesibassi(); } // "paesi bassi.png"
namespace _x_polonia { std::shared_ptr<Picture> polonia(); } // "polonia.png"
namespace _x_portogallo { std::shared_ptr<Picture> portogallo(); } // "portogallo.png"
namespace _x_regnounito { std::shared_ptr<Picture> regnounito(); } // "regnounito.png"
namespace _x_slovenia { std::shared_ptr<Picture> slovenia(); } // "slovenia.png"
namespace _x_spagna { std::shared_ptr<Picture> spagna(); } // "spagna.png"
namespace _x_eurob { std::shared_ptr<Picture> eurob(); } // "eurob.gif"
namespace _x_eurob2 { std::shared_ptr<Picture> eurob2(); } // "eurob2.jpg"
namespace _x_corvanta { std::shared_ptr<Picture> corvanta(); } // "corvanta.jpg"
// clang-format on

} // namespace corvanta
