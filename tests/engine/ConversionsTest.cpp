#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "CalcError.h"
#include "CalcValueCompare.h"
#include "NumberText.h"

using namespace zorvane;

namespace {

CalcFailure failureOf(void (*action)()) {
    try {
        action();
    } catch (const CalcError& error) {
        return error.failure();
    }
    ADD_FAILURE() << "no CalcError thrown";
    return CalcFailure::FloatingPoint;
}

}  // namespace

struct DoubleText {
    double value;
    const char* text;
};

TEST(NumericText, DoubleShowsFifteenSignificantDigits) {
    const DoubleText cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {12.0, "12"},
        {-3.0, "-3"},
        {0.5, "0.5"},
        {13.75, "13.75"},
        {-0.12, "-0.12"},
        {0.1 + 0.2, "0.3"},
        {16777216.0, "16777216"},
        {1234567936.0, "1234567936"},
        {3.14159264, "3.14159264"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        {999999999999999.9, "1E+15"},
        {1e15, "1E+15"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {-2.5e20, "-2.5E+20"},
        {3e38, "3E+38"},
        {1e300, "1E+300"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00009999999999999999, "0.0001"},
        {0.0000999999999999999, "9.99999999999999E-05"},
        {0.00001, "1E-05"},
        {1.5e-7, "1.5E-07"},
        {-1.5e-7, "-1.5E-07"},
        {1e-300, "1E-300"},
        {1.05, "1.05"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numericText(c.value), c.text) << "value " << c.value;
    }
}

struct FloatText {
    float value;
    const char* text;
};

TEST(NumericText, FloatShowsSevenSignificantDigits) {
    const FloatText cases[] = {
        {0.0f, "0"},
        {-0.0f, "0"},
        {15.0f, "15"},
        {12345.677734375f, "12345.68"},
        {1.0f / 3.0f, "0.3333333"},
        {1234567.0f, "1234567"},
        {12345670.0f, "1.234567E+07"},
        {9999999.0f, "9999999"},
        {99999999.0f, "1E+08"},
        {3.4028235e38f, "3.402823E+38"},
        {0.062f, "0.062"},
        {-5.0f, "-5"},
        {0.00001f, "1E-05"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numericText(c.value), c.text) << "value " << c.value;
    }
}

TEST(NumericText, KindOfValueDecidesTheDigits) {
    EXPECT_EQ(numericText(CalcValue()), "0");
    EXPECT_EQ(numericText(CalcValue::int16(0)), "0");
    EXPECT_EQ(numericText(CalcValue::float32(0.1f)), "0.1");
    EXPECT_EQ(numericText(CalcValue::float64(static_cast<double>(0.1f))), "0.100000001490116");
}

TEST(SignedNumericText, PutsOneSignPositionInFront) {
    EXPECT_EQ(signedNumericText(12.0f), " 12");
    EXPECT_EQ(signedNumericText(-3.0f), "-3");
    EXPECT_EQ(signedNumericText(0.0f), " 0");
    EXPECT_EQ(signedNumericText(-0.0f), " 0");
    EXPECT_EQ(signedNumericText(0.5), " 0.5");
    EXPECT_EQ(signedNumericText(-0.25), "-0.25");
    EXPECT_EQ(signedNumericText(-12.5), "-12.5");
    EXPECT_EQ(signedNumericText(CalcValue::int16(0)), " 0");
    EXPECT_EQ(signedNumericText(CalcValue()), " 0");
    EXPECT_EQ(signedNumericText(CalcValue::float64(-0.0)), " 0");
    EXPECT_EQ(signedNumericText(12345670.0f), " 1.234567E+07");
}

struct TextNumber {
    const char* text;
    double value;
};

TEST(TextValue, ReadsTheNumberAtTheStart) {
    const TextNumber cases[] = {
        {"", 0.0},
        {"abc", 0.0},
        {".", 0.0},
        {"-", 0.0},
        {"12", 12.0},
        {"12.5", 12.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"0.1", 0.1},
        {"-3", -3.0},
        {"+3", 3.0},
        {" 1 2 . 5 ", 12.5},
        {"\t- 1\n2", -12.0},
        {"1.2.3", 1.2},
        {"12abc", 12.0},
        {"1.234568E+07", 12345680.0},
        {"1E-05", 1e-05},
        {"1.5D2", 150.0},
        {"1E", 1.0},
        {"1E+", 1.0},
        {"2e3", 2.0},
        {"1E-400", 0.0},
        {"0.0000000000000000000000000000000000001", 1e-37},
        {"1,5", 1.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(textValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(TextValue, BeyondTheDoubleRangeIsAnOverflow) {
    EXPECT_EQ(failureOf([] { textValue("1E400"); }), CalcFailure::Overflow);
    EXPECT_EQ(failureOf([] { textValue(std::string(400, '9')); }), CalcFailure::Overflow);
}

TEST(TextValue, ReadsNoCharacterPastTheEndOfTheText) {
    const std::string text = "12345";
    EXPECT_EQ(textValue(std::string_view(text).substr(0, 2)), 12.0);
}

TEST(NumberInFull, ReadsBackEveryShownNumber) {
    const double values[] = {0.0,     12.0,    13.75, -0.12,  16777216.0, 1234567936.0,
                             1e-05,   1.5e-07, 1e15,  0.0001, 3.14159264, 123456789012345.0,
                             2.5e-300};
    for (double value : values) {
        EXPECT_EQ(numberInFull(numericText(value)), value) << numericText(value);
    }
    EXPECT_EQ(numberInFull("1.234568E+07"), 12345680.0);
    EXPECT_EQ(numberInFull("  100 "), 100.0);
    EXPECT_EQ(numberInFull("-100"), -100.0);
    // Numbers as typed into the input box.
    EXPECT_EQ(numberInFull("100."), 100.0);
    EXPECT_EQ(numberInFull("0100"), 100.0);
    EXPECT_EQ(numberInFull("12.50"), 12.5);
    EXPECT_EQ(numberInFull("-12.30"), -12.3);
    EXPECT_EQ(numberInFull("0."), 0.0);
}

TEST(NumberInFull, TextThatIsNotWhollyANumberIsATypeMismatch) {
    const char* texts[] = {"", "   ", "abc", "12abc", "1 2", ".", "-", "inf", "nan", "1E", "1,5"};
    for (const char* text : texts) {
        try {
            numberInFull(text);
            ADD_FAILURE() << '"' << text << "\" was read as a number";
        } catch (const CalcError& error) {
            EXPECT_EQ(error.failure(), CalcFailure::TypeMismatch) << '"' << text << '"';
        }
    }
    EXPECT_EQ(failureOf([] { numberInFull("1E400"); }), CalcFailure::Overflow);
}

struct Rounded {
    double value;
    int decimals;
    double expected;
};

// A tie is judged on the value read to 15 significant digits: 2.675 and
// 16.995 lie just below their ties in binary, 14.025 just above.
TEST(RoundHalfEven, ATieOfTheDecimalReadGoesToTheEvenDigit) {
    const Rounded cases[] = {
        {2.125, 2, 2.12},      {2.375, 2, 2.38},     {10.375, 2, 10.38},
        {10.125, 2, 10.12},    {2.675, 2, 2.68},     {1.005, 2, 1.0},
        {0.5, 0, 0.0},         {1.5, 0, 2.0},        {16.995, 2, 17.0},
        {14.025, 2, 14.02},    {6.215, 2, 6.22},     {-16.995, 2, -17.0},
        {0.004, 2, 0.0},       {0.006, 2, 0.01},     {0.005, 2, 0.0},
        {999.9995, 3, 1000.0}, {0.1 + 0.2, 15, 0.3}, {2.6749999999999, 2, 2.67},
        {1.5e-300, 2, 0.0},    {2.5, 0, 2.0},        {-2.125, 2, -2.12},
        {-2.375, 2, -2.38},    {0.0625, 3, 0.062},   {13.75, 2, 13.75},
        {1e20, 2, 1e20},       {0.0, 2, 0.0},        {0.056, 2, 0.06},
        {10.056, 2, 10.06},    {9.944, 2, 9.94},     {0.3333333, 3, 0.333},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundHalfEven(c.value, c.decimals), c.expected)
            << c.value << " to " << c.decimals;
    }
}

TEST(NearestFloat32, RoundsToNearestAndFailsBeyondTheRange) {
    EXPECT_EQ(nearestFloat32(16777217.0), 16777216.0f);
    EXPECT_EQ(nearestFloat32(16777219.0), 16777220.0f);
    EXPECT_EQ(nearestFloat32(12345.678), 12345.677734375f);
    EXPECT_EQ(nearestFloat32(3.4028235e38), std::numeric_limits<float>::max());
    EXPECT_FALSE(nearestFloat32(3.5e38));
    EXPECT_FALSE(nearestFloat32(-1e39));
    // Just below the halfway point to the next power of two still rounds down.
    EXPECT_EQ(nearestFloat32(std::nextafter(0x1.ffffffp127, 0.0)),
              std::numeric_limits<float>::max());
    EXPECT_FALSE(nearestFloat32(0x1.ffffffp127));
}

TEST(CalcValueArithmetic, DividesAndFailsLikeTheCalculator) {
    EXPECT_EQ((CalcValue::float32(1.0f) / CalcValue::float64(4.0)).asFloat64(), 0.25);
    EXPECT_EQ((CalcValue() + CalcValue::int16(0)).kind(), CalcValue::Kind::Float64);
    EXPECT_EQ(failureOf([] { CalcValue::float32(5) / CalcValue::float64(0); }),
              CalcFailure::DivisionByZero);
    EXPECT_EQ(failureOf([] { CalcValue::int16(0) / CalcValue::int16(0); }), CalcFailure::Overflow);
    EXPECT_EQ(failureOf([] { CalcValue::float64(1e308) * CalcValue::float64(10); }),
              CalcFailure::Overflow);
    EXPECT_EQ(CalcValue().negated(), CalcValue::int16(0));
}

// A German locale writes "1,5"; the calculator must not.
TEST(Locale, NumbersUseAPointWhateverTheLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 is not available";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(numericText(12.5), "12.5");
    EXPECT_EQ(numericText(12345670.0f), "1.234567E+07");
    EXPECT_EQ(textValue("12.5"), 12.5);
    EXPECT_EQ(numberInFull("12.5"), 12.5);
    EXPECT_EQ(roundHalfEven(2.375, 2), 2.38);
    std::setlocale(LC_ALL, saved.c_str());
}
