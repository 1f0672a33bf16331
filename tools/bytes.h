#ifndef ROCKJAW_TOOLS_BYTES_H
#define ROCKJAW_TOOLS_BYTES_H

#include <cstdint>
#include <string_view>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Appends little-endian fields, whatever the host's byte order, for the BMP
// and WAV headers.
class ByteWriter {
public:
    explicit ByteWriter(std::size_t expectedSize) { bytes_.reserve(expectedSize); }

    void tag(std::string_view characters)
    {
        for (char character : characters)
            u8(static_cast<std::uint8_t>(character));
    }
    void u8(std::uint8_t value) { bytes_.push_back(value); }
    void u16(std::uint16_t value)
    {
        u8(value & 0xFF);
        u8(value >> 8);
    }
    void u32(std::uint32_t value)
    {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    Bytes take() { return std::move(bytes_); }

private:
    Bytes bytes_;
};

#endif
