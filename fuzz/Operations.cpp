#include "Operations.h"

#include <cstdio>
#include <string_view>

namespace zorvane::checks {

namespace {

constexpr std::uint8_t kFirstPowerCount = 0xF0;

// Bytes are taken one by one; past the end they read as 0.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::uint8_t next() { return pos_ < bytes_.size() ? bytes_[pos_++] : 0; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

char16_t digitOf(std::uint8_t byte) {
    return static_cast<char16_t>(u'0' + (byte >= '0' && byte <= '9' ? byte - '0' : byte % 10));
}

int runLength(std::uint8_t byte) {
    return byte < kFirstPowerCount ? byte + 1 : 1 << (byte - kFirstPowerCount);
}

Operation decodeOne(std::uint8_t byte, ByteReader& reader) {
    using Kind = Operation::Kind;
    if (kCommandLetters.find(static_cast<char>(byte)) != std::string_view::npos) {
        return {Kind::Button, byte};
    }
    if (byte == 'k') {
        const int low = reader.next();
        const int high = reader.next();
        return {Kind::Key, static_cast<char16_t>(low | (high << 8))};
    }
    if (byte == 'x') {
        const char16_t digit = digitOf(reader.next());
        return {Kind::DigitRun, digit, runLength(reader.next())};
    }
    return {Kind::Key, byte};
}

}  // namespace

std::vector<Operation> decodeOperations(std::span<const std::uint8_t> bytes) {
    std::vector<Operation> operations;
    ByteReader reader(bytes);
    while (!reader.atEnd()) {
        const std::uint8_t byte = reader.next();
        operations.push_back(decodeOne(byte, reader));
    }
    return operations;
}

void perform(const Operation& operation, KeyDriver& calculator) {
    switch (operation.kind) {
        case Operation::Kind::Button:
        case Operation::Kind::DigitRun:
            calculator.press(static_cast<char>(operation.character));
            break;
        case Operation::Kind::Key:
            calculator.type(operation.character);
            break;
    }
}

std::optional<Command> commandOf(const Operation& operation) {
    switch (operation.kind) {
        case Operation::Kind::Button:
        case Operation::Kind::DigitRun:
            return commandOfLetter(static_cast<char>(operation.character));
        case Operation::Kind::Key:
            break;
    }
    return onKey(operation.character);
}

std::string describe(const Operation& operation) {
    const std::string character(1, static_cast<char>(operation.character));
    switch (operation.kind) {
        case Operation::Kind::Button:
            return "button " + character;
        case Operation::Kind::DigitRun:
            return std::to_string(operation.count) + " times digit " + character;
        case Operation::Kind::Key: {
            char text[16];
            std::snprintf(text, sizeof text, "key U+%04X",
                          static_cast<unsigned>(operation.character));
            return text;
        }
    }
    return "?";
}

}  // namespace zorvane::checks
