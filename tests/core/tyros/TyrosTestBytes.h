#pragma once
// Builders of Tyros bank files, regfiles, registration blocks and setting
// blocks, written from the byte layouts so that tests, the benchmark and the
// fuzzers' seeds need no binary files.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace kalivo::test::tyros_bytes {

using Bytes = std::vector<std::uint8_t>;

// Byte by byte: g++ 12 at -O3 warns wrongly about inlined range inserts.
inline void Append(Bytes& out, const Bytes& more) {
    for (std::uint8_t b : more) {
        out.push_back(b);
    }
}
inline void AppendText(Bytes& out, const std::string& text) {
    for (char c : text) {
        out.push_back(static_cast<std::uint8_t>(c));
    }
}
inline void AppendU16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}
inline void AppendU32(Bytes& out, std::uint32_t v) {
    AppendU16(out, v >> 16);
    AppendU16(out, v & 0xFFFF);
}
inline Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// "GPm", type, payload length, payload.
inline Bytes Setting(int type, const Bytes& payload) {
    Bytes out = Text("GPm");
    out.push_back(static_cast<std::uint8_t>(type));
    AppendU16(out, static_cast<std::uint32_t>(payload.size()));
    Append(out, payload);
    return out;
}

// A setting block of some size whose bytes mean nothing to the program.
inline Bytes Opaque(int type, std::size_t size) {
    Bytes payload(size);
    for (std::size_t i = 0; i < size; ++i) {
        payload[i] = static_cast<std::uint8_t>(type * 7 + i);
    }
    return Setting(type, payload);
}

// The name block: the 16-character name, optionally ".S" and an icon code.
inline Bytes Name(const std::string& name, const std::string& icon = "") {
    std::string text = name;
    text.resize(16, ' ');
    if (!icon.empty()) {
        text += ".S" + icon;
    }
    return Setting(1, Text(text));
}

// A voice part block (type 11, 15, 19 or 23): on, MSB, LSB, program, then padding.
inline Bytes Voice(int type, int msb, int lsb, int program, bool on = true) {
    Bytes payload(24, 0x40);
    payload[0] = on ? 1 : 0;
    payload[1] = static_cast<std::uint8_t>(msb);
    payload[2] = static_cast<std::uint8_t>(lsb);
    payload[3] = static_cast<std::uint8_t>(program);
    return Setting(type, payload);
}

// A u16 number at bytes 6..7 (style type 7, multi pad type 36).
inline Bytes Number(int type, std::uint32_t number) {
    Bytes payload;
    AppendU16(payload, number);
    payload.resize(8, 0);
    return Setting(type, payload);
}

// Two bytes, then text (song type 5, style path 9, multi pad path 37).
inline Bytes TextSetting(int type, const std::string& text) {
    Bytes payload{0, 0};
    AppendText(payload, text);
    return Setting(type, payload);
}

inline Bytes Tempo(std::uint32_t tempo) {
    Bytes payload{0, 0, 0, 0};
    AppendU16(payload, tempo);
    return Setting(41, payload);
}

inline Bytes Harmony(bool on, int harmonyType) {
    return Setting(38, Bytes{static_cast<std::uint8_t>(on ? 1 : 0), static_cast<std::uint8_t>(harmonyType), 0, 0});
}

// "BHd" 0, the payload length, the setting blocks.
inline Bytes Registration(std::initializer_list<Bytes> settings) {
    Bytes body;
    for (const Bytes& s : settings) {
        Append(body, s);
    }
    Bytes out = Text("BHd");
    out.push_back(0);
    AppendU16(out, static_cast<std::uint32_t>(body.size()));
    Append(out, body);
    return out;
}

inline Bytes EmptyRegistration() { return Registration({}); }

inline Bytes WithStoredLength(Bytes registration, std::uint32_t payloadLength) {
    registration[4] = static_cast<std::uint8_t>(payloadLength >> 8);
    registration[5] = static_cast<std::uint8_t>(payloadLength);
    return registration;
}

// The 64-byte bank header of a fresh bank.
inline Bytes BankHeaderTemplate() {
    Bytes header = Text("SpfF");
    Append(header, {0x00, 0x10, 0x0A, 0xD9});
    AppendText(header, "RGST");
    Append(header, {0x00, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00, 0x76, 0x15, 0x34});
    AppendText(header, "BHd");
    Append(header, {0x01, 0x00, 0x24});
    header.resize(64, 0xFF);
    return header;
}

// A bank file with the given registration blocks (the rest of the eight are
// written only when fillToEight) and a correct length and shape byte.
inline Bytes BankFile(const std::vector<Bytes>& registrations, Bytes header = BankHeaderTemplate(),
                      bool fillToEight = true) {
    std::vector<Bytes> blocks = registrations;
    while (fillToEight && blocks.size() < 8) {
        blocks.push_back(EmptyRegistration());
    }
    Bytes body;
    bool same = true;
    for (const Bytes& block : blocks) {
        same &= block.size() == blocks.front().size();
        Append(body, block);
    }
    Bytes out;
    Append(out, Bytes(header.begin(), header.begin() + 16));
    AppendU32(out, static_cast<std::uint32_t>(64 + body.size() + 6));
    out.push_back(header[20]);
    out.push_back(same ? 0x34 : 0x3E);
    Append(out, Bytes(header.begin() + 22, header.end()));
    Append(out, body);
    Append(out, Text("FEnd"));
    Append(out, {0, 0});
    return out;
}

// A regfile: "RegF" header with bank name and part, then the registration.
inline Bytes Regfile(const std::string& bankName, int part, const Bytes& registration) {
    Bytes out = Text("RegF");
    Append(out, {0x00, 0x3A});
    AppendU16(out, static_cast<std::uint32_t>(bankName.size()));
    Bytes name(24, 0xFF);
    std::copy(bankName.begin(), bankName.begin() + std::min<std::size_t>(bankName.size(), 24), name.begin());
    Append(out, name);
    AppendU16(out, static_cast<std::uint32_t>(part));
    out.resize(64, 0xFF);
    Append(out, registration);
    return out;
}

// A registration as a player would store it: name and icon, style, all four
// voice parts (known voices), multi pad, harmony, tempo and the other groups.
inline Bytes RealisticRegistration(int n) {
    const std::string digits = std::to_string(100 + n % 900);
    return Registration({
        Name("Reg " + std::to_string(n), digits),
        Opaque(2, 12),
        Opaque(3, 10),
        TextSetting(5, "MySong" + std::to_string(n % 10)),
        Number(7, static_cast<std::uint32_t>(2 * (n % 300))),
        Opaque(8, 20),
        Opaque(10, 30),
        Voice(11, 0, 0, 0),
        Opaque(12, 40),
        Opaque(13, 40),
        Voice(15, 0, 1, 0),
        Opaque(16, 40),
        Voice(19, 8, 0, 1),
        Opaque(20, 40),
        Voice(23, 0, 126, 16, n % 2 == 0),
        Opaque(24, 40),
        Opaque(27, 8),
        Number(36, static_cast<std::uint32_t>(n % 80)),
        Harmony(true, n % 17),
        Opaque(39, 6),
        Opaque(40, 26),
        Tempo(static_cast<std::uint32_t>(60 + n % 140)),
        Opaque(42, 10),
        Opaque(43, 30),
        Opaque(47, 4),
    });
}

}  // namespace kalivo::test::tyros_bytes
