#pragma once
// A small three-dimensional vector of doubles for the spherical navigation
// math: positions on the unit sphere, great-circle normals and tangents.

#include <algorithm>
#include <cmath>

struct Vector3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    constexpr Vector3() = default;
    constexpr Vector3(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}

    constexpr Vector3 operator+(const Vector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vector3 operator-(const Vector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vector3 operator-() const { return {-x, -y, -z}; }
    constexpr Vector3 operator*(double s) const { return {x * s, y * s, z * s}; }
    friend constexpr Vector3 operator*(double s, const Vector3& v) { return v * s; }
    constexpr bool operator==(const Vector3&) const = default;

    double Length() const { return std::sqrt(x * x + y * y + z * z); }

    // The vector scaled to length 1; a zero vector stays zero.
    Vector3 Normalized() const {
        const double len = Length();
        return len > 0.0 ? Vector3{x / len, y / len, z / len} : Vector3{};
    }

    constexpr double Dot(const Vector3& o) const { return x * o.x + y * o.y + z * o.z; }

    constexpr Vector3 Cross(const Vector3& o) const {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }

    // The angle to another vector in radians (0..pi): acos of the normalised
    // dot product, clamped to -1..1 so rounding never yields NaN. A zero
    // vector has no direction; the angle to it is 0.
    double AngleTo(const Vector3& o) const {
        const double lens = Length() * o.Length();
        if (!(lens > 0.0)) return 0.0;
        return std::acos(std::clamp(Dot(o) / lens, -1.0, 1.0));
    }

    // Rotation in the x-y plane by `angle` radians (counter-clockwise seen
    // from +z) about the point `centre`; z is unchanged.
    Vector3 RotatedXY(double angle, const Vector3& centre) const {
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        const double dx = x - centre.x;
        const double dy = y - centre.y;
        return {centre.x + c * dx - s * dy, centre.y + s * dx + c * dy, z};
    }
    // Rotation in the x-y plane about the z axis.
    Vector3 RotatedXY(double angle) const { return RotatedXY(angle, Vector3{}); }
};
