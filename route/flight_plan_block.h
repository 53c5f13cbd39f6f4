#pragma once
// The flight-plan fields of a route that the user filled in by hand: 532
// bytes, kept exactly as the route file holds them. Texts longer than their
// field are cut when they are set.
//
//   0  int32     manual flag: 1 when these texts replace the automatic fields
//   4  char[6]   cruising speed (5 characters)
//  10  char[256] route (255)
// 266  char[5]   ICAO code of alternate 1 (4)
// 271  char[5]   ICAO code of alternate 2 (4)
// 276  char[256] other information (255)

#include <array>
#include <cstdint>
#include <string>

class CArchive;

class CFlightPlanBlock {
public:
    static constexpr size_t kSize = 532;

    // An empty block: manual flag 0, all texts empty.
    CFlightPlanBlock() { m_Bytes.fill(0); }

    bool IsManual() const;
    void SetManual(bool manual);
    std::string GetSpeed() const { return Text(kSpeed); }
    void SetSpeed(const std::string& text) { SetText(kSpeed, text); }
    std::string GetRoute() const { return Text(kRoute); }
    void SetRoute(const std::string& text) { SetText(kRoute, text); }
    // Alternate 1 or 2.
    std::string GetAlternate(int which) const { return Text(which == 2 ? kAlternate2 : kAlternate1); }
    void SetAlternate(int which, const std::string& text) { SetText(which == 2 ? kAlternate2 : kAlternate1, text); }
    std::string GetOther() const { return Text(kOther); }
    void SetOther(const std::string& text) { SetText(kOther, text); }

    void Write(CArchive& ar) const;
    void Read(CArchive& ar);

    bool operator==(const CFlightPlanBlock&) const = default;

private:
    struct Field {
        size_t offset;
        size_t width;
    };
    static constexpr Field kSpeed{4, 6};
    static constexpr Field kRoute{10, 256};
    static constexpr Field kAlternate1{266, 5};
    static constexpr Field kAlternate2{271, 5};
    static constexpr Field kOther{276, 256};

    std::string Text(Field field) const;
    void SetText(Field field, const std::string& text);

    std::array<uint8_t, kSize> m_Bytes;
};
