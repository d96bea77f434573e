#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextShapes.h"

using zorvane::checks::isInputBoxText;
using zorvane::checks::isMainText;
using zorvane::checks::isNumberText;
using zorvane::checks::isValidUtf8;

namespace {

const std::string kPeakPrompt = "输入相对顶点价格：             ";
const std::string kShareCountPrompt = "输入股票数量：             ";

TEST(TextShapesTest, MainDisplayShowsEveryTextTheCalculatorWrites) {
    const std::vector<std::string> shown = {
        "",
        "12..5",  // typed keys only
        " 12+",   // an operator
        " 12+3",  // ... and a typed digit
        "-3*",
        " 0-",
        " 1.234568E+07/",  // a 32-bit result before an operator
        "15",              // equals
        "0.062",
        "1.234567E+07",
        "1.234567E+075",  // a digit typed after an exponent
        "-12.5",          // the sign change
        " 0",
        " 0.5",
        " 123456789012345",
        " 1E+15",
        "-1E-05",
        kPeakPrompt,
        kShareCountPrompt + "12.5",  // digits after a sign change left the mode
        "标准反弹:13.75 中级反弹:15 ",
        "标准回调:16.18 保守回调:15 ",
        "保守出货:13.75  标准出货:16.18",
        "保守出货:11  标准出货:12.948",  // a digit typed after the result
        "高抛成本:0.12 接回成本:-0.12 ",
        "高抛成本:1E+20 接回成本:1E+20 ",
    };
    for (const std::string& text : shown) {
        EXPECT_TRUE(isMainText(text)) << '"' << text << '"';
    }
}

TEST(TextShapesTest, MainDisplayNeverShowsOtherTexts) {
    const std::vector<std::string> neverShown = {
        "abc",
        "-0",
        "12+",  // an operator writes a sign position
        " -3",
        " 12+-",
        " 12*3+",         // an operator character is never typed
        "1.2345678E+07",  // eight digits of a 32-bit result
        " 12345678+",
        "1E+06",   // plain up to the digits shown whole
        " 1E-04",  // plain down to 0.0001
        " 1E-5",
        "1.5e+07",
        " 1.50E+07",
        "标准反弹:13.75 中级反弹:15",  // the tail is missing
        "标准反弹:13.750 中级反弹:15 ",
        "标准反弹:013.75 中级反弹:15 ",
        "标准反弹:13.75 保守回调:15 ",     // labels of two functions
        "保守出货:13.75 标准出货:16.18",   // one blank too few
        "输入相对顶点价格：            ",  // 12 blanks
        kPeakPrompt + "x",
        kPeakPrompt + "-1",
    };
    for (const std::string& text : neverShown) {
        EXPECT_FALSE(isMainText(text)) << '"' << text << '"';
    }
}

TEST(TextShapesTest, NumbersKeepToTheirSignificantDigits) {
    struct Row {
        std::string text;
        bool as32Bit;
        bool as64Bit;
    };
    const std::vector<Row> rows = {
        {"0", true, true},
        {"1234567", true, true},
        {"12345678", false, true},
        {"1.234568E+07", true, false},
        {"1.23456789012345E+20", false, true},
        {"1.234567890123456E+20", false, false},
        {"123456789012345", false, true},
        {"1E+15", true, true},
        {"0.0001", true, true},
        {"0.00012345678", false, true},
        {"1E-05", true, true},
        {"4.94065645841247E-324", false, true},
        {"-0.5", true, true},
        {"-0", false, false},
        {"00", false, false},
        {"01", false, false},
        {"1.", false, false},
        {".5", false, false},
        {"1.50", false, false},
        {"1E+007", false, false},
        {"1E+", false, false},
        {"", false, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(isNumberText(row.text, 7), row.as32Bit) << '"' << row.text << '"';
        EXPECT_EQ(isNumberText(row.text, 15), row.as64Bit) << '"' << row.text << '"';
    }
}

TEST(TextShapesTest, InputBoxHoldsNothingOrAnUnsignedNumber) {
    for (const std::string text : {"", "0", "12.5", "1.05", "16777216", "1E-05"}) {
        EXPECT_TRUE(isInputBoxText(text)) << '"' << text << '"';
    }
    for (const std::string text : {"-1", " 12", "12.", ".5", "1..5", "abc"}) {
        EXPECT_FALSE(isInputBoxText(text)) << '"' << text << '"';
    }
}

TEST(TextShapesTest, Utf8) {
    for (const std::string text : {"", "12", "标准反弹:", "\xf0\x9f\x98\x80"}) {
        EXPECT_TRUE(isValidUtf8(text)) << text;
    }
    const std::vector<std::string> broken = {
        "\xff",              // never a UTF-8 byte
        "\x80",              // a continuation byte alone
        "\xe4\xb8",          // a character cut short
        "\xc0\xaf",          // overlong "/"
        "\xe0\x80\xaf",      // overlong "/" in three bytes
        "\xed\xa0\x80",      // a surrogate
        "\xf4\x90\x80\x80",  // beyond U+10FFFF
    };
    for (const std::string& text : broken) {
        EXPECT_FALSE(isValidUtf8(text));
    }
}

}  // namespace
