#pragma once

#include "engine/version.h"

// Captions and messages the windows of the program share.
namespace lunarys::ui::text {

inline const char* const ProgramTitle = "Lunarys";
inline const char* const WindowCaption = "Lunarys v" LUNARYS_VERSION_STRING;

inline const char* const Description =
    "Lunarys shows the midpoint between the two planets that shape a personality most, the Sun and the "
    "Moon. Enter the date, time and place of birth: the program works out where the Sun and the Moon "
    "stood at that moment, finds the point halfway between them, and tells you what its sign, its "
    "element and its house say about you.";

inline const char* const FullBrandOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.";
inline const char* const FullBrandHeadline =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website.";
inline const char* const FullBrandDetails = "Click here for more details";

inline const char* const CoBrandOffer =
    "Co-brand this software for your site. Put your name and address on it and give it to your "
    "visitors. Click Here for more info on co-branding.";

inline const char* const AlreadyRunning = "Application is already running";
// Two lines, parted by a carriage return.
inline const char* const UpdateQuestion =
    "There maybe an update to this software available\rDo you want to check for an update?";

inline const char* const EnterCity = "Please Enter City";
inline const char* const EnterState = "Please Enter State";
inline const char* const EnterCountry = "Please Enter Country";

}  // namespace lunarys::ui::text
