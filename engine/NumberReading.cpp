// Reading numbers from texts.
#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "CalcError.h"
#include "NumberText.h"

namespace zorvane {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the characters of a text one by one, never past its end; textValue
// skips blanks wherever they stand.
class NumberReader {
public:
    NumberReader(std::string_view text, bool skipBlanks) : text_(text), skipBlanks_(skipBlanks) {}

    char peek() {
        while (skipBlanks_ && pos_ < text_.size() && isBlank(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance() { ++pos_; }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }
    bool atEnd() { return peek() == '\0' && pos_ >= text_.size(); }

private:
    std::string_view text_;
    bool skipBlanks_;
    std::size_t pos_ = 0;
};

constexpr int kExponentLimit = 100000;

// Whether a number that from_chars found out of range is too large (rather
// than too small): its decimal magnitude from the digits and the exponent.
bool isTooLarge(const std::string& wholeDigits, const std::string& fractionDigits, int exponent) {
    const auto firstWhole = wholeDigits.find_first_not_of('0');
    if (firstWhole != std::string::npos) {
        return static_cast<long>(wholeDigits.size() - firstWhole) + exponent > 0;
    }
    const auto firstFraction = fractionDigits.find_first_not_of('0');
    return firstFraction != std::string::npos && exponent - static_cast<long>(firstFraction) > 0;
}

// The value of sign, digits and exponent as read by textValue.
double composeValue(bool negative, const std::string& wholeDigits,
                    const std::string& fractionDigits, int exponent) {
    std::string text = wholeDigits.empty() ? "0" : wholeDigits;
    if (!fractionDigits.empty()) {
        text += '.' + fractionDigits;
    }
    text += 'e' + std::to_string(exponent);
    double value = 0.0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        if (isTooLarge(wholeDigits, fractionDigits, exponent)) {
            throw CalcError(CalcFailure::Overflow);
        }
        value = 0.0;
    }
    return negative ? -value : value;
}

std::string readDigits(NumberReader& reader) {
    std::string digits;
    while (isDigit(reader.peek())) {
        digits += reader.peek();
        reader.advance();
    }
    return digits;
}

// The exponent after "E" or "D", or 0 when no digits follow (then the letter
// is not part of the number). Saturates far beyond any double's range.
int readExponent(NumberReader& reader) {
    const std::size_t start = reader.position();
    if (reader.peek() != 'E' && reader.peek() != 'D') {
        return 0;
    }
    reader.advance();
    bool negative = false;
    if (reader.peek() == '+' || reader.peek() == '-') {
        negative = reader.peek() == '-';
        reader.advance();
    }
    const std::string digits = readDigits(reader);
    if (digits.empty()) {
        reader.rewind(start);
        return 0;
    }
    long exponent = 0;
    for (char c : digits) {
        exponent = std::min<long>(exponent * 10 + (c - '0'), kExponentLimit);
    }
    return static_cast<int>(negative ? -exponent : exponent);
}

// Reads sign, digits, point and exponent; nothing when there are no digits.
std::optional<double> readNumber(NumberReader& reader) {
    bool negative = false;
    if (reader.peek() == '+' || reader.peek() == '-') {
        negative = reader.peek() == '-';
        reader.advance();
    }
    const std::string wholeDigits = readDigits(reader);
    std::string fractionDigits;
    if (reader.peek() == '.') {
        reader.advance();
        fractionDigits = readDigits(reader);
    }
    if (wholeDigits.empty() && fractionDigits.empty()) {
        return std::nullopt;
    }
    const int exponent = readExponent(reader);
    return composeValue(negative, wholeDigits, fractionDigits, exponent);
}

}  // namespace

double textValue(std::string_view text) {
    NumberReader reader(text, true);
    return readNumber(reader).value_or(0.0);
}

double numberInFull(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\n\r";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        throw CalcError(CalcFailure::TypeMismatch);
    }
    const auto last = text.find_last_not_of(kBlanks);
    NumberReader reader(text.substr(first, last - first + 1), false);
    const std::optional<double> value = readNumber(reader);
    if (!value || !reader.atEnd()) {
        throw CalcError(CalcFailure::TypeMismatch);
    }
    return *value;
}

}  // namespace zorvane
