#pragma once
// GPS settings: receiver type, USB device, port and the names last used in a
// transfer. Stored in the settings file.

#include <cstdint>
#include <string>

#include "platform/document.h"

class CArchive;

class CGpsDoc : public CDocument {
public:
    CGpsDoc();

    int16_t m_nReceiverType = 0;  // 0 = "Kein GPS", n = type n-1 of the type table
    int16_t m_nUsbDevice = 0;
    int16_t m_nPort = 1;          // 1-8 = COM1-COM8, 9 = USB

    std::string GetLastRoute() const { return Text(m_szLastRoute); }
    void SetLastRoute(const std::string& s) { SetText(m_szLastRoute, s); }
    std::string GetSecondText() const { return Text(m_szSecond); }
    std::string GetLastTrack() const { return Text(m_szLastTrack); }
    void SetLastTrack(const std::string& s) { SetText(m_szLastTrack, s); }

    // Storing, and loading a file of version 33 or above: the 102 bytes from
    // the receiver type to the last track. Older files hold 10 bytes: type,
    // port and three numbers that become the three texts.
    void Serialize(CArchive& ar, int fileVersion);

private:
    static std::string Text(const uint8_t (&field)[32]);
    static void SetText(uint8_t (&field)[32], const std::string& utf8);

    uint8_t m_szLastRoute[32];
    uint8_t m_szSecond[32];
    uint8_t m_szLastTrack[32];
};
