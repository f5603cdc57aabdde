#pragma once

namespace lunarys::places {

struct Place;

// A position as the input window's coordinate boxes hold it: whole degrees,
// the nearest whole minute of arc and the hemisphere. A reading from a place
// uses exactly these values, so the window and lunarys-cli always agree.
struct PlaceCoordinates {
    int longitudeDegrees = 0;
    int longitudeMinutes = 0;
    bool longitudeIsEast = true;
    int latitudeDegrees = 0;
    int latitudeMinutes = 0;
    bool latitudeIsSouth = false;

    friend bool operator==(const PlaceCoordinates&, const PlaceCoordinates&) = default;
};

// From decimal degrees, north and east positive. Each value is rounded to the
// nearest minute of arc (half a minute away from zero), and a minute that
// rounds to 60 carries into the degrees: 18.9917 degrees is 18° 60', shown as
// 19° 0'. Zero counts as East and North.
PlaceCoordinates CoordinatesOf(double latitudeDeg, double longitudeDeg);
PlaceCoordinates CoordinatesOf(const Place& place);

}  // namespace lunarys::places
