#include "places/place_coordinates.h"

#include <cmath>

#include "places/place.h"

namespace lunarys::places {

namespace {

struct DegreesMinutes {
    int degrees;
    int minutes;
};

DegreesMinutes ToNearestMinute(double magnitudeDeg)
{
    const long totalMinutes = std::lround(magnitudeDeg * 60.0);
    return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60)};
}

}  // namespace

PlaceCoordinates CoordinatesOf(double latitudeDeg, double longitudeDeg)
{
    const DegreesMinutes lon = ToNearestMinute(std::fabs(longitudeDeg));
    const DegreesMinutes lat = ToNearestMinute(std::fabs(latitudeDeg));
    return {lon.degrees, lon.minutes, longitudeDeg >= 0, lat.degrees, lat.minutes, latitudeDeg < 0};
}

PlaceCoordinates CoordinatesOf(const Place& place)
{
    return CoordinatesOf(place.latitude, place.longitude);
}

}  // namespace lunarys::places
