// Byte streams of the scheme file: elements write and read their parameter values
// through these, one 6-byte real (or one count byte) at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/errors.h"
#include "core/real48.h"

namespace velmar {

class ByteWriter {
public:
    void byte(std::uint8_t b) { bytes_.push_back(b); }
    void real(Real48 r) {
        const auto b = r.toBytes();
        bytes_.insert(bytes_.end(), b.begin(), b.end());
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t>& bytes() { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads from a byte range; reading past its end throws FileError (a record cut short).
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit ByteReader(const std::vector<std::uint8_t>& v) : ByteReader(v.data(), v.size()) {}

    bool atEnd() const { return pos_ >= size_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return pos_ < size_ ? size_ - pos_ : 0; }

    std::uint8_t byte() {
        need(1);
        return data_[pos_++];
    }
    Real48 real() {
        need(6);
        const Real48 r = Real48::fromBytes(data_ + pos_);
        pos_ += 6;
        return r;
    }

private:
    void need(std::size_t n) const {
        if (remaining() < n) throw FileError("unexpected end of file inside an element record");
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace velmar
