#include "Operations.h"

#include <cstdio>

#include "Calculator.h"

namespace zorvane::checks {

namespace {

constexpr std::uint8_t kFirstPowerCount = 0xF0;
constexpr char16_t kEscape = 27;

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

int digitOf(std::uint8_t byte) {
    return byte >= '0' && byte <= '9' ? byte - '0' : byte % 10;
}

int runLength(std::uint8_t byte) {
    return byte < kFirstPowerCount ? byte + 1 : 1 << (byte - kFirstPowerCount);
}

std::optional<Operation> buttonForCharacter(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return Operation{Action::Digit, c - u'0'};
    }
    switch (c) {
        case u'.':
            return Operation{Action::Point};
        case u'+':
            return Operation{Action::Operator, 1};
        case u'-':
            return Operation{Action::Operator, 2};
        case u'*':
            return Operation{Action::Operator, 3};
        case u'/':
            return Operation{Action::Operator, 4};
        case u'=':
            return Operation{Action::Equals};
        default:
            return std::nullopt;
    }
}

Operation decodeOne(std::uint8_t byte, ByteReader& reader) {
    if (auto button = buttonForCharacter(byte)) {
        return *button;
    }
    switch (byte) {
        case '~':
            return {Action::SignChange};
        case 'C':
            return {Action::Reset};
        case 'R':
            return {Action::Function, 5};
        case 'P':
            return {Action::Function, 6};
        case 'S':
            return {Action::Function, 7};
        case 'K':
            return {Action::Function, 8};
        case 'k': {
            const int low = reader.next();
            const int high = reader.next();
            return {Action::Key, low | (high << 8)};
        }
        case 'x': {
            const int digit = digitOf(reader.next());
            return {Action::DigitRun, digit, runLength(reader.next())};
        }
        default:
            return {Action::Key, byte};
    }
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

void perform(const Operation& operation, CalculatorState& state, DisplayPort& display) {
    const auto code = static_cast<std::uint8_t>(operation.argument);
    switch (operation.action) {
        case Action::Digit:
            onDigit(state, display, operation.argument);
            break;
        case Action::DigitRun:
            for (int i = 0; i < operation.count; ++i) {
                onDigit(state, display, operation.argument);
            }
            break;
        case Action::Point:
            onPoint(state, display);
            break;
        case Action::SignChange:
            onSignChange(state, display);
            break;
        case Action::Operator:
            onOperator(state, display, code);
            break;
        case Action::Equals:
            onEquals(state, display);
            break;
        case Action::Function:
            onFunction(state, display, code);
            break;
        case Action::Reset:
            onReset(state, display);
            break;
        case Action::Key:
            onKey(state, display, static_cast<char16_t>(operation.argument));
            break;
    }
}

std::string describe(const Operation& operation) {
    const std::string argument = std::to_string(operation.argument);
    switch (operation.action) {
        case Action::Digit:
            return "digit " + argument;
        case Action::DigitRun:
            return std::to_string(operation.count) + " times digit " + argument;
        case Action::Point:
            return "point";
        case Action::SignChange:
            return "sign change";
        case Action::Operator:
            return "operator " + argument;
        case Action::Equals:
            return "equals";
        case Action::Function:
            return "function " + argument;
        case Action::Reset:
            return "reset";
        case Action::Key: {
            char text[16];
            std::snprintf(text, sizeof text, "key U+%04X", operation.argument);
            return text;
        }
    }
    return "?";
}

bool movesFocus(const Operation& operation) {
    return operation.action != Action::Operator && operation.action != Action::Equals &&
           operation.action != Action::Key;
}

std::optional<Operation> buttonForKey(char16_t key) {
    if (key == kEscape) {
        return Operation{Action::Reset};
    }
    return buttonForCharacter(key);
}

}  // namespace zorvane::checks
